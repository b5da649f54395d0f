// The house cusps of each system, ours and, when it is installed, the Swiss Ephemeris' house
// routine (swe_houses_armc) on the same random skies in the same run: sidereal angles over
// the whole circle, latitudes within 66 degrees, obliquities of 23.44 +- 0.1 degree. Each
// iteration takes the next sky of a fixed list. Run: starloom-bench --benchmark_filter=Houses
#include "engine/houses.h"

#include <benchmark/benchmark.h>

#ifdef SWE_DATA_DIR
#include <swephexp.h>
#endif

#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSkyCount = 4096; // a power of two

struct Sky {
    double ramc;      // degrees
    double obliquity; // degrees
    double latitude;  // degrees
};

const std::vector<Sky> &Skies() {
    static const std::vector<Sky> skies = [] {
        std::mt19937_64 random(41);
        std::uniform_real_distribution<double> ramc(0.0, 360.0);
        std::uniform_real_distribution<double> obliquity(23.34, 23.54);
        std::uniform_real_distribution<double> latitude(-66.0, 66.0);
        std::vector<Sky> list;
        for (std::size_t i = 0; i < kSkyCount; ++i)
            list.push_back({ramc(random), obliquity(random), latitude(random)});
        return list;
    }();
    return skies;
}

void Ours(benchmark::State &state, starloom::HouseSystem system) {
    const std::vector<Sky> &skies = Skies();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sky &sky = skies[i++ & (kSkyCount - 1)];
        starloom::HouseCusps houses =
            starloom::CalculateHouseCusps(system, sky.ramc, sky.obliquity, sky.latitude);
        benchmark::DoNotOptimize(houses);
    }
}

#ifdef SWE_DATA_DIR
// The library's letter of each system, in menu order.
constexpr char kLetters[starloom::kHouseSystemCount + 1] = "WEOPKRCBTM";

void Library(benchmark::State &state, starloom::HouseSystem system) {
    const std::vector<Sky> &skies = Skies();
    const char letter = kLetters[static_cast<int>(system)];
    std::size_t i = 0;
    for (auto _ : state) {
        const Sky &sky = skies[i++ & (kSkyCount - 1)];
        double cusps[13];
        double angles[10];
        swe_houses_armc(sky.ramc, sky.latitude, sky.obliquity, letter, cusps, angles);
        benchmark::DoNotOptimize(cusps);
        benchmark::DoNotOptimize(angles);
    }
}
#endif

// Houses/<system>/ours and Houses/<system>/library, system by system.
const bool kRegistered = [] {
    for (const starloom::HouseSystem system : starloom::kHouseSystems) {
        const std::string name = "Houses/" + std::string(starloom::HouseSystemName(system));
        benchmark::RegisterBenchmark((name + "/ours").c_str(), Ours, system);
#ifdef SWE_DATA_DIR
        benchmark::RegisterBenchmark((name + "/library").c_str(), Library, system);
#endif
    }
    return true;
}();

} // namespace
