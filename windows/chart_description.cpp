#include "windows/chart_description.h"

#include "reading/chart_words.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cmath>

namespace starloom {

namespace {

constexpr int kMinutesPerSign = 30 * 60;
constexpr int kMinutesPerCircle = 360 * 60;

QString Joined(const QStringList &entries) {
    return entries.join(QCoreApplication::translate("ChartDescription", "; "));
}

} // namespace

QString DescribePointPlace(int point, double longitude) {
    if (point < 0 || point >= kAspectPointCount || !std::isfinite(longitude))
        return QString();
    // Whole minutes of arc, truncated; 360 degrees, which the standard formulas can give,
    // is 0 degrees of Aries.
    const int minutes =
        static_cast<int>(std::floor(longitude * 60.0)) % kMinutesPerCircle + kMinutesPerCircle;
    const int inCircle = minutes % kMinutesPerCircle;
    //: A point of the chart: its name, degree, sign and minute, as in "Sun 23° Cancer 49′".
    return QCoreApplication::translate("ChartDescription", "%1 %2° %3 %4′")
        .arg(SpokenPointWord(point))
        .arg(inCircle % kMinutesPerSign / 60)
        .arg(SignWord(inCircle / kMinutesPerSign))
        .arg(inCircle % 60);
}

QString DescribeChartPositions(const NatalChart &chart) {
    QStringList entries;
    for (int body = 0; body < kBodyCount; ++body) {
        const ChartPoint &point = chart.Bodies[body];
        QString entry = DescribePointPlace(body, point.Longitude);
        // The ascendant opens the first house; saying so would add nothing.
        if (body != kAscBody)
            entry = QCoreApplication::translate("ChartDescription", "%1, house %2")
                        .arg(entry)
                        .arg(point.House);
        if (point.Retrograde)
            entry = QCoreApplication::translate("ChartDescription", "%1, retrograde").arg(entry);
        entries << entry;
    }
    entries << DescribePointPlace(kMidheavenPoint, chart.Midheaven);
    return Joined(entries);
}

QString DescribeSecondChartPositions(const SecondChart &chart) {
    QStringList entries;
    for (int point = 0; point < kAspectPointCount; ++point) {
        QString entry = DescribePointPlace(point, chart.Longitude[point]);
        if (entry.isEmpty())
            continue;
        // The angles never move backwards; only the planets (Mercury on) turn retrograde.
        if (point >= 2 && point < kAscBody && chart.DailyMotion[point] < 0)
            entry = QCoreApplication::translate("ChartDescription", "%1, retrograde").arg(entry);
        entries << entry;
    }
    return Joined(entries);
}

} // namespace starloom
