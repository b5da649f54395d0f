// The pieces of one reading that are the driver's own logic: reading the form into the
// birth-data record, and placing the bodies into the twelve houses of the wheel.
#pragma once

#include "engine/natal_chart.h"
#include "patterns/classify.h"
#include "patterns/degree_pattern.h"
#include "reading/form_values.h"
#include "reading/reading_state.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace starloom {

// Where the bodies go on the wheel: houses are whole signs counted from the ascendant's.
struct WheelArrangement {
    // Bodies per sign, Aries first: for each body in chart order a line break and its
    // display name (with its retrograde mark), the ascendant's sign ending with "Asc".
    std::array<QString, kSignCount> SignCellText;
    int AscSignIndex = 0; // the first sign whose cell holds "Asc"; 0 when none does
    // House i + 1 shows the sign AscSignIndex + i.
    std::array<QString, kSignCount> HouseCell;
    // The sign of the first house from the ascendant's position text, or -1 when the
    // text names no sign (the glyphs then stay as they are).
    int FirstHouseSign = -1;
};

WheelArrangement ArrangeWheel(const std::array<std::string, kBodyCount + 1> &PositionText,
                              const BodyNameTable &BodyNames);

// The wheel of a chart: whole-sign houses as ArrangeWheel places them; in any other system
// each body goes into the house its longitude falls in between the chart's cusps (the
// ascendant always in house 1), and the signs keep their places on the rim.
WheelArrangement ArrangeChartWheel(const NatalChart &chart,
                                   const std::array<std::string, kBodyCount + 1> &PositionText,
                                   const BodyNameTable &BodyNames);

// Full name of the sign whose abbreviation ends the trimmed ascendant text, or an empty
// text when it names none.
QString AscendantSignName(const std::string &AscendantText);

// What one reading gives the windows and the command-line tool.
struct ReadingOutcome {
    NatalChart Chart; // the chart itself, as numbers
    WheelArrangement Wheel;
    PatternReport Patterns;
    // The shape the ten planets' longitudes make, by degrees.
    DegreeShape PatternsByDegrees;
    std::vector<Aspect> Aspects; // found with state.Orbs (the chart's own)
};

// One reading of validated values, after the checks: the zone tables, the birth-data
// record, the chart by state.Method and state.Houses (the standard formulas with the
// station tables, or the precise table with the planets' motion; births outside the
// standard formulas' years always the precise table), the wheel, the planetary patterns,
// the shape by degrees and the aspects. state.Chart, state.Retro and state.BodyNames are
// rewritten from the chart for the file writers.
ReadingOutcome RunReading(const FormValues &values, ReadingState &state);

// RunReading for a state whose zone tables are already built and never written: the
// tables are read as they stand instead of being rebuilt. A batch builds them once per
// worker; rebuilding them for every row cost about as much as the ascendant, the Moon and
// the planets together.
ReadingOutcome RunReadingOnBuiltZones(const FormValues &values, ReadingState &state);

} // namespace starloom
