// How long one step of the transit chart takes in the window while the day-step key is
// held: the chart cast for the new moment, the cross aspects found and listed, the
// bi-wheel drawn. Runs offscreen, steps 1000 days and prints the time per step. The
// event list follows only after the key is let go, so it is not part of a step.
// Run by hand: QT_QPA_PLATFORM=offscreen ./bin/starloom-biwheel-measure
#include "engine/natal_chart.h"
#include "windows/second_chart_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace starloom;

namespace {

constexpr int kSteps = 1000;

// 21 June 1990, 14:30 GMT, London.
BirthData Ada() {
    BirthData birth;
    birth.BirthName = "Ada";
    birth.BirthYear = 1990;
    birth.BirthMonth = 6;
    birth.BirthDay = 21;
    birth.BirthHour = 14;
    birth.BirthMinute = 30;
    birth.ZoneHoursText = "0";
    birth.ZoneMinutesText = "0";
    birth.LatDegrees = 51;
    birth.LatMinutes = 30;
    birth.LatDirFlag = true;
    birth.LonDegrees = 0;
    birth.LonMinutes = 7;
    birth.LonDirFlag = false;
    return birth;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ChartRequest request;
    request.Houses = HouseSystem::Placidus;
    const NatalChart natal = CalculateNatalChart(Ada(), request);
    // The natal wheel with each body's name in its house, as the reading fills it.
    std::array<QString, kSignCount> cells;
    for (int body = 0; body < kBodyCount; ++body)
        cells[static_cast<std::size_t>(natal.Bodies[body].House - 1)] +=
            QStringLiteral("\n") + QString::fromLatin1(kAspectPointNames[body].data());
    WheelHouses houses;
    houses.ascendant = natal.Ascendant;
    houses.midheaven = natal.Midheaven;
    houses.cuspsShown = true;
    houses.cusps = natal.Houses.cusps;
    const int firstSign = static_cast<int>(natal.Ascendant / 30.0);
    const WheelPicture wheel = MakeWheelPicture(firstSign, cells, houses);

    SecondChartWindow window;
    window.setNatal(natal, wheel, QStringLiteral("Ada"), -7.0 / 60, 51.5, AspectOrbs{});
    window.showTransits(DayOfDateTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc())));
    window.show();
    QWidget *bi = window.findChild<QWidget *>(QStringLiteral("picBiWheel"));
    app.processEvents();

    std::vector<double> ms;
    ms.reserve(kSteps);
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < kSteps; ++i) {
        QElapsedTimer one;
        one.start();
        window.step(1);
        bi->repaint();
        ms.push_back(static_cast<double>(one.nsecsElapsed()) / 1e6);
    }
    const double mean = static_cast<double>(total.nsecsElapsed()) / 1e6 / kSteps;
    std::sort(ms.begin(), ms.end());
    std::printf("bi-wheel %dx%d, %d day steps: %.3f ms a step on average, median %.3f, "
                "99th percentile %.3f, slowest %.3f\n",
                bi->width(), bi->height(), kSteps, mean, ms[ms.size() / 2],
                ms[ms.size() * 99 / 100], ms.back());
    return 0;
}
