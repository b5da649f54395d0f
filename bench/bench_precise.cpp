// The eleven positions of one chart (Sun to Pluto and the ascendant) at random instants of
// the precise table's range, 1800-2199, and random places, three ways in one run: the
// precise table, the Swiss Ephemeris itself with its data files, and the standard formulas.
// Each iteration takes the next instant of a fixed random list, so that no cache holds the
// answer. Then the check of the built-in table that the programs make at start.
#include "engine/angles.h"
#include "engine/chart.h"
#include "engine/ephemeris.h"
#include "engine/precise.h"
#include "engine/precise_coefficients.h"
#include "engine/time_scale.h"

#include <benchmark/benchmark.h>

#ifdef SWE_DATA_DIR
#include <swephexp.h>
#endif

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kInstantCount = 4096; // a power of two

struct Instant {
    double day; // universal time, days from J2000.0
    double latitude;
    double eastLongitude;
};

const std::vector<Instant> &Instants() {
    static const std::vector<Instant> instants = [] {
        std::mt19937_64 random(17);
        std::uniform_real_distribution<double> day(
            starloom::JulianDaysSinceJ2000({1800, 1, 1, 0, 0}),
            starloom::JulianDaysSinceJ2000({2199, 12, 31, 23, 59}));
        std::uniform_real_distribution<double> latitude(-66.0, 66.0);
        std::uniform_real_distribution<double> longitude(-180.0, 180.0);
        std::vector<Instant> list;
        for (std::size_t i = 0; i < kInstantCount; ++i)
            list.push_back(
                {std::round(day(random) * 1440.0) / 1440.0, latitude(random), longitude(random)});
        return list;
    }();
    return instants;
}

void BM_PreciseElevenPositions(benchmark::State &state) {
    const std::vector<Instant> &instants = Instants();
    starloom::PreciseChartValues values;
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant &at = instants[i++ & (kInstantCount - 1)];
        starloom::PreciseChartAt(at.day, at.eastLongitude, at.latitude, values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_PreciseElevenPositions);

// The same on two instants only, whose table pieces stay in the processor's caches: the
// difference to the random instants is the time spent fetching coefficients from memory.
void BM_PreciseWarm(benchmark::State &state) {
    const std::vector<Instant> &instants = Instants();
    starloom::PreciseChartValues values;
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant &at = instants[(i++ & 1) * 7];
        starloom::PreciseChartAt(at.day, at.eastLongitude, at.latitude, values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_PreciseWarm);

// The whole check of the built-in table, hash and layout, as PreciseTableStatus makes it
// once at start (here with the table already in memory).
void BM_PreciseTableCheck(benchmark::State &state) {
    for (auto _ : state) {
        const starloom::PreciseTableCheck check =
            starloom::CheckPreciseTable(starloom::EmbeddedPreciseTable());
        benchmark::DoNotOptimize(check.intact);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(starloom::EmbeddedPreciseTable().size()));
}
BENCHMARK(BM_PreciseTableCheck)->Unit(benchmark::kMillisecond);

// The standard formulas' eleven numbers, without the texts: the Keplerian planets brought to
// the equinox of date, the lunar series and the ascendant from mean sidereal time.
void BM_StandardElevenPositions(benchmark::State &state) {
    const std::vector<Instant> &instants = Instants();
    std::array<double, starloom::kBodyCount> longitude{};
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant &at = instants[i++ & (kInstantCount - 1)];
        double j2000[starloom::kElementBodies];
        starloom::GeocentricLongitudes(at.day, j2000);
        for (int index = 0; index < starloom::kElementBodies; ++index)
            longitude[index] = starloom::PrecessLongitudeToDate(j2000[index], at.day);
        longitude[9] = starloom::MoonLongitude(at.day / 36525.0);
        starloom::SiteAndClock clock;
        clock.Moment = starloom::UniversalMoment::OfDayAndHours(
            std::floor(at.day + 0.5) + 2451545.0, (at.day + 0.5 - std::floor(at.day + 0.5)) * 24.0);
        clock.SiteLongitude = -at.eastLongitude;
        clock.SiteLatitude = at.latitude;
        longitude[10] = starloom::AscendantFromSiderealTime(
            starloom::LocalSiderealDegrees(clock),
            starloom::MeanObliquity1900(clock.Moment.CenturiesSince1900()), at.latitude);
        benchmark::DoNotOptimize(longitude);
    }
}
BENCHMARK(BM_StandardElevenPositions);

#ifdef SWE_DATA_DIR
// The library's own: ten bodies (apparent longitudes from its data files) and the ascendant
// of its house routine (equal houses, which need nothing beyond the ascendant).
void BM_LibraryElevenPositions(benchmark::State &state) {
    swe_set_ephe_path(SWE_DATA_DIR);
    const std::vector<Instant> &instants = Instants();
    std::array<double, starloom::kBodyCount> longitude{};
    std::size_t i = 0;
    for (auto _ : state) {
        const Instant &at = instants[i++ & (kInstantCount - 1)];
        const double jd = at.day + 2451545.0;
        double x[6];
        char error[AS_MAXCH];
        for (int body = SE_SUN; body <= SE_PLUTO; ++body) {
            swe_calc_ut(jd, body, SEFLG_SWIEPH, x, error);
            longitude[body] = x[0];
        }
        double cusps[13];
        double angles[10];
        swe_houses(jd, at.latitude, at.eastLongitude, 'E', cusps, angles);
        longitude[10] = angles[0];
        benchmark::DoNotOptimize(longitude);
    }
    swe_close();
}
BENCHMARK(BM_LibraryElevenPositions);
#endif

} // namespace
