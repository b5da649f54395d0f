// The batch's cost per row, in parts: a row read into the form's values, checked and
// computed (every number of its reading, nothing written), the same with its JSON line or
// CSV record written into memory, and the number printer alone. The rows are random
// births over every column's range, as the batch measure generates them.
#include "cli/reading_output.h"
#include "cli/row_pipeline.h"
#include "cli/shortest_double.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 4096; // distinct rows, taken in turn

std::vector<starloom::cli::CsvRecord> RandomRows() {
    std::uint32_t seed = 1;
    const auto next = [&seed](int range) {
        seed = seed * 1664525U + 1013904223U; // Numerical Recipes' LCG
        return std::to_string((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    std::vector<starloom::cli::CsvRecord> rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        const std::string year = std::to_string(1901 + std::stoi(next(150)));
        const std::string month = std::to_string(1 + std::stoi(next(12)));
        const std::string day = std::to_string(1 + std::stoi(next(28)));
        rows[i].line = i + 2;
        rows[i].fields = {"Person " + std::to_string(i),
                          year,
                          month,
                          day,
                          next(24),
                          next(60),
                          next(71),
                          next(2),
                          next(90),
                          next(60),
                          next(2) == "1" ? "N" : "S",
                          next(180),
                          next(60),
                          next(2) == "1" ? "E" : "W",
                          "City",
                          "State",
                          "Country"};
    }
    return rows;
}

starloom::ChartChoice Method(const benchmark::State &state) {
    starloom::ChartChoice choice;
    choice.Method = state.range(0) == 0 ? starloom::PositionMethod::Standard
                                        : starloom::PositionMethod::Precise;
    return choice;
}

// Every number computed, nothing written: the floor under the batch's work.
void BM_BatchRowComputed(benchmark::State &state) {
    const std::vector<starloom::cli::CsvRecord> rows = RandomRows();
    starloom::cli::RowCalculator calculator(Method(state));
    std::string reason;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.calculate(rows[i], reason));
        i = (i + 1) % rows.size();
    }
}
BENCHMARK(BM_BatchRowComputed)->Arg(0)->Arg(1)->ArgName("precise");

// The same with the row's JSON line (range 1: 0) or CSV record (1) written into memory.
void BM_BatchRowWritten(benchmark::State &state) {
    const std::vector<starloom::cli::CsvRecord> rows = RandomRows();
    starloom::cli::RowCalculator calculator(Method(state));
    starloom::cli::ReadingJsonWriter json;
    starloom::cli::ReadingCsvWriter csv;
    starloom::cli::ByteBuffer out;
    std::string reason;
    std::size_t i = 0;
    for (auto _ : state) {
        if (out.size() > (1 << 20))
            out.clear();
        if (const starloom::cli::RowReading *row = calculator.calculate(rows[i], reason)) {
            if (state.range(1) == 0)
                json.appendLine(*row, out);
            else
                csv.appendRecord(*row, out);
        }
        i = (i + 1) % rows.size();
    }
}
BENCHMARK(BM_BatchRowWritten)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"precise", "csv"});

void BM_ShortestDouble(benchmark::State &state) {
    std::vector<double> values(kRows);
    std::uint64_t seed = 7;
    for (double &value : values) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        value = static_cast<double>(seed >> 11) / 9007199254740992.0 * 360.0;
    }
    char text[starloom::cli::kShortestDoubleBytes];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(starloom::cli::WriteShortestDouble(text, values[i]));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_ShortestDouble);

} // namespace
