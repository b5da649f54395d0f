// The atlas: loading it once, and answering one keystroke of the birthplace completer.
#include "reading/atlas.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AtlasLoad(benchmark::State &state) {
    for (auto _ : state) {
        const starloom::Atlas atlas = starloom::Atlas::readSystemAtlas();
        benchmark::DoNotOptimize(atlas.size());
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// The widest prefixes are the slowest: one letter matches thousands of places.
void BM_CompleterKeystroke(benchmark::State &state) {
    const starloom::Atlas &atlas = starloom::Atlas::shared();
    const QString prefixes[] = {QStringLiteral("s"), QStringLiteral("sa"), QStringLiteral("spring"),
                                QStringLiteral("m")};
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.startingWith(prefixes[i++ % 4], 12));
    }
}
BENCHMARK(BM_CompleterKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
