// Transit events and second charts: all events of one year for one reading (every aspect of
// the Sun to Pluto and the true node to the twelve natal points, the stations and the
// ingresses into signs and houses), and one step of a transit chart with its cross aspects,
// as a window redraws it while the user holds the day-step key.
#include "engine/natal_chart.h"
#include "engine/second_chart.h"
#include "engine/transits.h"

#include <benchmark/benchmark.h>

namespace {

// 1 May 1990, 12:00 UT at Greenwich, Porphyry houses.
starloom::NatalChart Reading() {
    starloom::BirthData birth;
    birth.BirthYear = 1990;
    birth.BirthMonth = 5;
    birth.BirthDay = 1;
    birth.BirthHour = 12;
    birth.ZoneHoursText = "0";
    birth.ZoneMinutesText = "0";
    birth.LatDegrees = 51;
    birth.LatMinutes = 28;
    birth.LatDirFlag = true;
    starloom::ChartRequest request;
    request.Houses = starloom::HouseSystem::Porphyry;
    return starloom::CalculateNatalChart(birth, request);
}

// Each iteration takes the next of 40 years from 2000, so that the table's pieces of a year
// are not all in the caches from the iteration before.
void BM_TransitEventsOfAYear(benchmark::State &state) {
    const starloom::NatalChart natal = Reading();
    const double first = starloom::JulianDaysSinceJ2000({2000, 1, 1, 0, 0});
    constexpr int kYears = 40;
    int year = 0;
    long long events = 0;
    for (auto _ : state) {
        const double from = first + 365.25 * (year++ % kYears);
        starloom::FindTransitEvents(natal, from, from + 365.25,
                                    [&events](const starloom::TransitEvent &event) {
                                        benchmark::DoNotOptimize(event);
                                        ++events;
                                        return true;
                                    });
    }
    state.counters["events"] =
        benchmark::Counter(static_cast<double>(events), benchmark::Counter::kAvgIterations);
    state.SetLabel("one year, one reading");
}
BENCHMARK(BM_TransitEventsOfAYear)->Unit(benchmark::kMillisecond);

// One day's step of a transit chart over the reading: the sky at the natal place and its
// cross aspects (one-degree orbs).
void BM_TransitChartStep(benchmark::State &state) {
    const starloom::NatalChart natal = Reading();
    double day = starloom::JulianDaysSinceJ2000({2024, 1, 1, 0, 0});
    for (auto _ : state) {
        starloom::SecondChart sky;
        starloom::TransitChartAt(day, 0.0, natal.Latitude, sky);
        benchmark::DoNotOptimize(starloom::CrossAspects(natal, sky, starloom::kMovingChartOrbs));
        day += 1.0;
    }
}
BENCHMARK(BM_TransitChartStep)->Unit(benchmark::kMicrosecond);

} // namespace
