// Planetary pattern classification.
#include "patterns/classify.h"

#include <algorithm>
#include <cstring>

namespace starloom {

namespace {

constexpr std::size_t kSignTextStart = 3;  // 0-based offset of the sign in "15 Tau 30"
constexpr std::size_t kSignTextLength = 3; // letters of a sign abbreviation

constexpr int kSplashMostVacant = 3;  // signs: nine or more of the twelve hold bodies
constexpr int kBundleLeastVacant = 4; // signs; the Locomotive uses the same threshold
constexpr int kBowlLeastVacant = 7;   // signs: five or fewer hold bodies

constexpr int kHandleMostBodies = 2; // bodies in a Bucket's handle
constexpr int kHandleClearance = 2;  // vacant signs (60 degrees) each side of the handle
constexpr int kRimMostSigns = 6;     // consecutive signs (180 degrees) holding the rest

constexpr int kSeesawGroupLeast = 2; // bodies in each of the two facing groups

// Sign index around the circle: -1 is Pisces, 12 is Aries.
int AroundCircle(int sign) {
    return ((sign % kSignCount) + kSignCount) % kSignCount;
}

// Whether every occupied sign except `handle` lies within one run of at most
// kRimMostSigns consecutive signs.
bool RimFitsInHalf(const std::array<bool, kSignCount> &VacantSign, int handle) {
    for (int start = 0; start < kSignCount; ++start) {
        bool inside = true;
        for (int sign = 0; sign < kSignCount && inside; ++sign) {
            if (sign != handle && !VacantSign[sign])
                inside = AroundCircle(sign - start) < kRimMostSigns;
        }
        if (inside)
            return true;
    }
    return false;
}

bool SeesawHolds(const PatternWork &work) {
    // Four boundaries: two occupied clusters separated by two vacant stretches.
    if (work.BoundaryTally != "1111")
        return false;
    if (work.GroupTotal[0] < kSeesawGroupLeast || work.GroupTotal[1] < kSeesawGroupLeast)
        return false;
    return work.three && work.two;
}

} // namespace

int SignOfPositionText(std::string_view text) {
    if (text.size() < kSignTextStart + kSignTextLength)
        return -1;
    const std::string_view letters = text.substr(kSignTextStart, kSignTextLength);
    // A sign's abbreviation is the first three letters of its English name. (A comparison
    // of a fixed length: every body of every reading is looked up here several times.)
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (std::memcmp(kSignFullNames[sign].data(), letters.data(), kSignTextLength) == 0)
            return sign;
    }
    return -1;
}

namespace {

void CountSigns(const std::array<int, kBodyCount> &signs, PatternWork &work) {
    work.BodiesInSign.fill(0);
    for (const int sign : signs) {
        if (sign >= 0)
            ++work.BodiesInSign[sign];
    }
    work.N = 0;
    for (int sign = 0; sign < kSignCount; ++sign) {
        work.VacantSign[sign] = work.BodiesInSign[sign] == 0;
        work.N += work.VacantSign[sign] ? 1 : 0;
    }
}

std::array<int, kBodyCount> SignsOf(const PositionTable &PositionText) {
    std::array<int, kBodyCount> signs{};
    for (int body = 0; body < kBodyCount; ++body)
        signs[body] = SignOfPositionText(PositionText[body]);
    return signs;
}

} // namespace

void CountSignOccupancy(const PositionTable &PositionText, PatternWork &work) {
    CountSigns(SignsOf(PositionText), work);
}

// A Seesaw is two groups of bodies facing each other across two empty stretches. The walk
// goes from Aries to Pisces and marks each boundary between occupied and vacant signs;
// every second boundary starts the other group, so with exactly four boundaries the two
// totals are the bodies of the two clusters (the cluster over the Pisces-Aries seam
// counting in group 0). The seam's own boundary is marked but moves no group.
//
// The stretch scan then looks for one vacant stretch of three signs (90 degrees) and one
// of two (60 degrees). It reads from Aries onwards without wrapping, so a stretch can
// start no later than Capricorn: a two-sign stretch on Aquarius and Pisces is not seen.
// A stretch of three or four signs counts as three, one of five as three and then two.
void WalkSeesawBoundaries(PatternWork &work) {
    const auto &vacant = work.VacantSign;
    work.BoundaryTally.clear();
    work.GroupTotal = {0, 0};
    int group = 0;
    bool switched = false;
    work.GroupTotal[0] += work.BodiesInSign[0];
    for (int sign = 1; sign < kSignCount; ++sign) {
        if (vacant[sign - 1] != vacant[sign]) {
            work.BoundaryTally += '1';
            if (work.BoundaryTally.size() % 2 == 0) {
                switched = !switched;
                group = switched ? 1 : 0;
            }
        }
        work.GroupTotal[group] += work.BodiesInSign[sign];
    }
    if (vacant[0] != vacant[kSignCount - 1])
        work.BoundaryTally += '1';

    work.three = false;
    work.two = false;
    constexpr int kLastStretchStart = kSignCount - 3; // Capricorn
    for (int sign = 0; sign <= kLastStretchStart;) {
        if (vacant[sign] && vacant[sign + 1] && vacant[sign + 2]) {
            work.three = true;
            sign += 3;
        } else if (vacant[sign] && vacant[sign + 1]) {
            work.two = true;
            sign += 2;
        } else {
            ++sign;
        }
    }
}

// A Bucket is a bowl with a handle: all bodies but one, or two sharing a sign, gather in
// one half of the chart, and that lone handle stands apart on the far side. On whole
// signs, with the ascendant counting like any planet:
//  - the handle is an occupied sign holding one or two bodies; three or more in one sign
//    make a cluster of their own, not a single point of focus;
//  - the two signs on each side of the handle are vacant, so the handle is at least 60
//    degrees clear of everything else; a body next to the rim only stretches the bowl;
//  - every other occupied sign lies within six consecutive signs (180 degrees), the rim.
// Clear of its four neighbours, the handle then faces the seven signs opposite it, and
// the rim fills at most six of them.
bool BucketHolds(const std::array<bool, kSignCount> &VacantSign,
                 const std::array<int, kSignCount> &BodiesInSign) {
    for (int handle = 0; handle < kSignCount; ++handle) {
        if (BodiesInSign[handle] < 1 || BodiesInSign[handle] > kHandleMostBodies)
            continue;
        bool clear = true;
        for (int step = 1; step <= kHandleClearance; ++step) {
            clear = clear && VacantSign[AroundCircle(handle - step)] &&
                    VacantSign[AroundCircle(handle + step)];
        }
        if (clear && RimFitsInHalf(VacantSign, handle))
            return true;
    }
    return false;
}

PatternWork ClassifyPositions(const PositionTable &PositionText) {
    return ClassifySigns(SignsOf(PositionText));
}

PatternWork ClassifySigns(const std::array<int, kBodyCount> &signs) {
    PatternWork work;
    CountSigns(signs, work);
    WalkSeesawBoundaries(work);

    auto &flags = work.PatternFlags;
    bool neighboursVacant = false;
    for (int sign = 0; sign < kSignCount; ++sign)
        neighboursVacant =
            neighboursVacant || (work.VacantSign[sign] && work.VacantSign[AroundCircle(sign + 1)]);
    flags[kSplashSlot] = work.N <= kSplashMostVacant && !neighboursVacant;
    flags[kBundleSlot] = work.N >= kBundleLeastVacant;
    flags[kBowlSlot] = work.N >= kBowlLeastVacant;
    flags[kBucketSlot] = BucketHolds(work.VacantSign, work.BodiesInSign);
    flags[kSeesawSlot] = SeesawHolds(work);
    flags[kLocomotiveSlot] = work.N >= kBundleLeastVacant;
    flags[kSplaySlot] =
        std::none_of(flags.begin(), flags.begin() + kSplaySlot, [](bool flag) { return flag; });
    return work;
}

PatternReport ClassifyPlanetaryPattern(const PositionTable &PositionText) {
    PatternReport report;
    report.Work = ClassifyPositions(PositionText);
    report.Runs = BuildPatternReport(report.Work.PatternFlags);
    return report;
}

} // namespace starloom
