// Planetary pattern classification: which of the seven patterns describe how the eleven
// bodies of a chart (Sun to Pluto and the ascendant) are spread over the twelve signs.
//
// The tests work on whole signs only: a body's degree within its sign plays no part, only
// which signs hold bodies and how many. The signs form a circle, Pisces next to Aries.
#pragma once

#include "engine/tables.h"
#include "patterns/pattern_table.h"
#include "patterns/report.h"

#include <array>
#include <string>
#include <string_view>

namespace starloom {

// The chart's position texts in chart order (slots 0..10; slot 11 is not read).
using PositionTable = std::array<std::string, kBodyCount + 1>;

// The working values of one classification, kept so that they can be inspected.
struct PatternWork {
    std::array<bool, kSignCount> VacantSign{};  // no body in the sign
    std::array<int, kSignCount> BodiesInSign{}; // 0..11
    int N = 0; // vacant signs: 1..11, or 12 when no text names a sign
    // Seesaw: one "1" per boundary between an occupied and a vacant sign, the bodies of
    // the two alternating groups of signs, and the vacant stretches found.
    std::string BoundaryTally;
    std::array<int, 2> GroupTotal{};
    bool three = false; // a vacant stretch of at least three signs
    bool two = false;   // a vacant stretch of exactly two signs (or the last two of five)
    std::array<bool, kPatternCount> PatternFlags{};
};

// The classification of one chart and its interpretation report.
struct PatternReport {
    PatternWork Work;
    ReportRuns Runs;
};

// Sign index 0 (Aries) to 11 (Pisces) named by characters 4 to 6 of a chart-form
// position text ("15 Tau 30" is in Taurus), or -1 when the text is shorter than six
// characters or those characters name no sign (exact comparison).
int SignOfPositionText(std::string_view text);

// VacantSign, BodiesInSign and N from the eleven position texts; the other working
// values are left as they are.
void CountSignOccupancy(const PositionTable &PositionText, PatternWork &work);

// The Seesaw walk over the occupancy: fills BoundaryTally, GroupTotal, three and two.
void WalkSeesawBoundaries(PatternWork &work);

// Whether the occupancy is a Bucket (see the rule in classify.cpp).
bool BucketHolds(const std::array<bool, kSignCount> &VacantSign,
                 const std::array<int, kSignCount> &BodiesInSign);

// Occupancy, the Seesaw walk and all seven flags for the eleven position texts. Splay is
// set exactly when no other flag is, so at least one flag is always set.
PatternWork ClassifyPositions(const PositionTable &PositionText);
// The same from the sign each of the eleven bodies stands in (0 = Aries .. 11; -1 for a
// body whose text names no sign), as SignOfPositionText reads them from the texts.
PatternWork ClassifySigns(const std::array<int, kBodyCount> &signs);

// The classification and the report the report window shows for it.
PatternReport ClassifyPlanetaryPattern(const PositionTable &PositionText);

} // namespace starloom
