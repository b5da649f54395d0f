// Time to mark the retrograde planets of one birth: eight table lookups and the eleven
// display names rewritten.
#include "retrograde/retrograde.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MarkRetrogradePlanets(benchmark::State &state) {
    starloom::BirthData birth;
    birth.BirthYear = 1990;
    birth.BirthMonth = 5;
    birth.BirthDay = 1;
    birth.BirthHour = 14;
    birth.BirthMinute = 30;
    starloom::RetrogradeState result;
    starloom::BodyNameTable names;
    for (auto _ : state) {
        starloom::MarkRetrogradePlanets(birth, result, names);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_MarkRetrogradePlanets);

} // namespace
