// Placeholder entry point until the birth-data form exists: prints the positions of a
// sample birth so that `make run` shows the engine at work.
#include "engine/chart.h"

#include <cstdio>

int main() {
    using namespace starloom;
    TimeZoneTables zones;
    BuildTimeZoneTables(zones);
    constexpr int kGreenwichMeanTime = 29; // zone list position
    BirthData birth;
    birth.BirthName = "Sample";
    birth.BirthYear = 1990;
    birth.BirthMonth = 5;
    birth.BirthDay = 1;
    birth.BirthHour = 12;
    birth.ZoneHoursText = zones.ZoneHoursTable[kGreenwichMeanTime];
    birth.ZoneMinutesText = zones.ZoneMinutesTable[kGreenwichMeanTime];
    birth.LatDegrees = 51;
    birth.LatMinutes = 28;
    birth.LatDirFlag = true;
    ChartPositions chart;
    CalculateChart(birth, chart);
    std::printf("Sample birth: 1 May 1990, 12:00 GMT, 51 N 28, 0 W 00\n");
    for (int i = 0; i < kBodyCount; ++i)
        std::printf("%-8s %s  (%.4f)\n", chart.ChartBodyNames[i].c_str(),
                    chart.PositionText[i].c_str(), chart.Longitude[i]);
    return 0;
}
