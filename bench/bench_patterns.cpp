// Time to classify one chart's eleven position texts and build its report.
#include "patterns/classify.h"

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

} // namespace
