#include "windows/chart_description.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cmath>

namespace starloom {

namespace {

// The names as a listener hears them: the ascendant and the midheaven in full.
constexpr std::array<const char *, kAspectPointCount> kSpokenPointNames = {
    QT_TRANSLATE_NOOP("ChartDescription", "Sun"),
    QT_TRANSLATE_NOOP("ChartDescription", "Moon"),
    QT_TRANSLATE_NOOP("ChartDescription", "Mercury"),
    QT_TRANSLATE_NOOP("ChartDescription", "Venus"),
    QT_TRANSLATE_NOOP("ChartDescription", "Mars"),
    QT_TRANSLATE_NOOP("ChartDescription", "Jupiter"),
    QT_TRANSLATE_NOOP("ChartDescription", "Saturn"),
    QT_TRANSLATE_NOOP("ChartDescription", "Uranus"),
    QT_TRANSLATE_NOOP("ChartDescription", "Neptune"),
    QT_TRANSLATE_NOOP("ChartDescription", "Pluto"),
    QT_TRANSLATE_NOOP("ChartDescription", "Ascendant"),
    QT_TRANSLATE_NOOP("ChartDescription", "Midheaven")};

constexpr std::array<const char *, kSignCount> kSpokenSignNames = {
    QT_TRANSLATE_NOOP("ChartDescription", "Aries"),
    QT_TRANSLATE_NOOP("ChartDescription", "Taurus"),
    QT_TRANSLATE_NOOP("ChartDescription", "Gemini"),
    QT_TRANSLATE_NOOP("ChartDescription", "Cancer"),
    QT_TRANSLATE_NOOP("ChartDescription", "Leo"),
    QT_TRANSLATE_NOOP("ChartDescription", "Virgo"),
    QT_TRANSLATE_NOOP("ChartDescription", "Libra"),
    QT_TRANSLATE_NOOP("ChartDescription", "Scorpio"),
    QT_TRANSLATE_NOOP("ChartDescription", "Sagittarius"),
    QT_TRANSLATE_NOOP("ChartDescription", "Capricorn"),
    QT_TRANSLATE_NOOP("ChartDescription", "Aquarius"),
    QT_TRANSLATE_NOOP("ChartDescription", "Pisces")};

constexpr int kMinutesPerSign = 30 * 60;
constexpr int kMinutesPerCircle = 360 * 60;

QString Translated(const char *text) {
    return QCoreApplication::translate("ChartDescription", text);
}

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
        .arg(Translated(kSpokenPointNames[point]))
        .arg(inCircle % kMinutesPerSign / 60)
        .arg(Translated(kSpokenSignNames[inCircle / kMinutesPerSign]))
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
