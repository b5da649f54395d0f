// Time to compute all eleven positions of one reading from a birth-data record.
#include "engine/chart.h"

#include <benchmark/benchmark.h>

namespace {

starloom::BirthData SampleBirth() {
    starloom::BirthData birth;
    birth.BirthYear = 1975;
    birth.BirthMonth = 8;
    birth.BirthDay = 23;
    birth.BirthHour = 17;
    birth.BirthMinute = 45;
    birth.ZoneHoursText = "-5";
    birth.ZoneMinutesText = "-30";
    birth.LatDegrees = 28;
    birth.LatMinutes = 36;
    birth.LatDirFlag = true;
    birth.LonDegrees = 77;
    birth.LonMinutes = 12;
    birth.LonDirFlag = true;
    return birth;
}

void BM_ElevenPositions(benchmark::State &state) {
    const starloom::BirthData birth = SampleBirth();
    starloom::ChartPositions chart;
    for (auto _ : state) {
        starloom::CalculateChart(birth, chart);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ElevenPositions);

} // namespace
