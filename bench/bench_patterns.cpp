// Time to classify one chart: by the signs of its eleven position texts, with the report,
// and by the degrees of its ten planets.
#include "patterns/classify.h"
#include "patterns/degree_pattern.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ClassifyPlanetaryPattern(benchmark::State &state) {
    const starloom::PositionTable positions = {"02 Ari 10", "17 Ari 44", "05 Tau 03", "29 Tau 59",
                                               "12 Gem 30", "01 Lib 00", "20 Lib 15", "08 Sco 41",
                                               "23 Sco 07", "14 Sag 52", "09 Pis 26", ""};
    for (auto _ : state) {
        starloom::PatternReport report = starloom::ClassifyPlanetaryPattern(positions);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_ClassifyPlanetaryPattern);

// Time to classify one chart's ten planetary longitudes by degrees.
void BM_ClassifyByDegrees(benchmark::State &state) {
    const starloom::PlanetLongitudes longitudes = {354.6, 330.2, 338.5, 39.2,  149.0,
                                                   152.9, 173.6, 235.5, 262.7, 201.1};
    for (auto _ : state) {
        starloom::DegreeShape shape = starloom::ClassifyByDegrees(longitudes);
        benchmark::DoNotOptimize(shape);
    }
}
BENCHMARK(BM_ClassifyByDegrees);

} // namespace
