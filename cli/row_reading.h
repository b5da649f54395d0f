// One reading as the batch's writers and the statistics' counters see it: the birth-data
// record, the chart of numbers and the few things the desktop program reads off its texts
// (the chart-form positions and the signs they name, the patterns by signs), worked out
// once from the numbers.
#pragma once

#include "cli/birth_options.h"
#include "engine/natal_chart.h"
#include "engine/zodiac.h"
#include "patterns/degree_pattern.h"
#include "patterns/pattern_table.h"

#include <array>

namespace starloom::cli {

// The zone a reading used: its list position (which the record does not keep) and where it
// came from (null: from the options or a file, by hand).
struct ZoneUsed {
    int position = 0;
    const TimeSource *source = nullptr;
};

struct ChartFacts {
    // Each body's chart-form position ("15 Tau 30") and the sign it names, in chart order.
    std::array<ChartPositionChars, kBodyCount> positions;
    // The signs the ascendant's and the Moon's DMS texts name (their hidden labels), -1
    // for none.
    int ascendantSign = -1;
    int moonSign = -1;
    std::array<bool, kPatternCount> patterns{}; // the planetary patterns by signs
    DegreeShape shape;                          // the ten planets' shape by degrees
};

// The facts of a chart, as the reading driver derives them from the same numbers through
// the text tables.
void DescribeChart(const NatalChart &chart, ChartFacts &facts);

struct RowReading {
    long long line = 0; // the line of the input on which the row starts
    const BirthData *birth = nullptr;
    const NatalChart *chart = nullptr;
    const ChartFacts *facts = nullptr;
    ZoneUsed zone;
};

} // namespace starloom::cli
