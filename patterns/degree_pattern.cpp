// The chart's shape by degrees.
#include "patterns/degree_pattern.h"

#include "engine/tables.h"

#include <algorithm>
#include <cmath>

namespace starloom {

namespace {

constexpr double kFullCircle = 360.0; // degrees
// Degrees: arcs closer than this are equal. The engine's longitudes carry about 1e-13 of
// a degree of rounding, which a chart turned by an angle may shift; no real difference
// between two charts is this small.
constexpr double kSameArc = 1e-9;

constexpr double kBundleLeastGap = 240.0;     // degrees: everything within a trine
constexpr double kBowlLeastGap = 180.0;       // degrees: everything within one half
constexpr double kLocomotiveLeastGap = 120.0; // degrees: an empty trine
constexpr double kHandleClearance = 60.0;     // degrees of empty sky each side of a handle
constexpr double kHandlePairMostApart = 10.0; // degrees between the two planets of a handle
constexpr double kRimMostSpan = 180.0;        // degrees holding the rest of a Bucket
constexpr double kSeesawLeastGap = 60.0;      // degrees of each of a Seesaw's two gaps
constexpr int kSeesawGroupLeast = 2;          // planets in each of a Seesaw's groups
constexpr double kSplayLeastGap = 30.0;       // degrees between a Splay's clusters
constexpr int kSplayFewestClusters = 3;
constexpr int kSplayMostClusters = 4;

bool AtLeast(double arc, double limit) {
    return arc >= limit - kSameArc;
}

bool AtMost(double arc, double limit) {
    return arc <= limit + kSameArc;
}

double Normalised(double degrees) {
    if (!std::isfinite(degrees))
        return 0.0;
    // fmod leaves a longitude already within one turn as it is.
    double turned =
        degrees >= 0.0 && degrees < kFullCircle ? degrees : std::fmod(degrees, kFullCircle);
    if (turned < 0.0)
        turned += kFullCircle;
    return turned >= kFullCircle ? 0.0 : turned; // -1e-20 turns into 360 after the addition
}

// The arc from `from` to `to` going towards increasing longitude, 0..360.
double ArcForward(double from, double to) {
    const double arc = to - from;
    return arc < 0.0 ? arc + kFullCircle : arc;
}

// The planets around the circle: body indexes sorted by longitude (equal longitudes in
// chart order), and gap[i], the empty arc from the i-th planet to the next one.
struct Circle {
    std::array<double, kPlanetCount> longitude{};
    std::array<int, kPlanetCount> order{};
    std::array<double, kPlanetCount> gap{};

    int at(int position) const { return order[(position + kPlanetCount) % kPlanetCount]; }
    double gapAt(int position) const { return gap[(position + kPlanetCount) % kPlanetCount]; }
};

Circle SortAround(const PlanetLongitudes &longitudes) {
    Circle circle;
    for (int body = 0; body < kPlanetCount; ++body)
        circle.longitude[body] = Normalised(longitudes[body]);
    // Each planet's place in the order is the count of planets before it: those further
    // back, and those as far on earlier in chart order (a stable sort). Counted rather than
    // sorted by exchanges: for ten planets the hundred comparisons, which need no branch,
    // are quicker than the branches of a sort, which the processor cannot foresee.
    for (int body = 0; body < kPlanetCount; ++body) {
        const double here = circle.longitude[body];
        int place = 0;
        for (int other = 0; other < body; ++other)
            place += static_cast<int>(circle.longitude[other] <= here);
        for (int other = body + 1; other < kPlanetCount; ++other)
            place += static_cast<int>(circle.longitude[other] < here);
        circle.order[place] = body;
    }
    for (int i = 0; i + 1 < kPlanetCount; ++i)
        circle.gap[i] = circle.longitude[circle.order[i + 1]] - circle.longitude[circle.order[i]];
    // The last gap wraps past 0 degrees; it is the whole circle when all planets coincide.
    circle.gap[kPlanetCount - 1] =
        circle.longitude[circle.order[0]] + kFullCircle - circle.longitude[circle.order.back()];
    return circle;
}

// The position of the largest gap. Equal largest gaps (within kSameArc) are told apart by
// the planet each leads to, the earliest in chart order winning, which does not depend on
// where 0 degrees falls.
int LargestGap(const Circle &circle) {
    const double largest = *std::max_element(circle.gap.begin(), circle.gap.end());
    int chosen = -1;
    for (int i = 0; i < kPlanetCount; ++i) {
        if (AtLeast(circle.gap[i], largest) &&
            (chosen < 0 || circle.at(i + 1) < circle.at(chosen + 1)))
            chosen = i;
    }
    return chosen;
}

int GapsAtLeast(const Circle &circle, double limit) {
    return static_cast<int>(std::count_if(circle.gap.begin(), circle.gap.end(),
                                          [limit](double gap) { return AtLeast(gap, limit); }));
}

// A Bucket's handle: its first position in the circle and its planets (one or two), or a
// size of 0 when there is none.
struct Handle {
    int first = 0;
    int size = 0;
};

// A handle is one planet, or two at most kHandlePairMostApart apart, with at least
// kHandleClearance of empty sky on either side, while the other planets, the rim, lie
// within kRimMostSpan: from the planet after the handle round to the planet before it.
// When two handles qualify (two half circles facing each other), the one holding the
// planet earliest in chart order leads.
Handle FindHandle(const Circle &circle) {
    Handle best;
    int bestPlanet = kPlanetCount;
    for (int first = 0; first < kPlanetCount; ++first) {
        for (int size = 1; size <= 2; ++size) {
            const int last = first + size - 1;
            if (size == 2 && !AtMost(circle.gapAt(first), kHandlePairMostApart))
                continue;
            if (!AtLeast(circle.gapAt(first - 1), kHandleClearance) ||
                !AtLeast(circle.gapAt(last), kHandleClearance))
                continue;
            const double rimSpan = ArcForward(circle.longitude[circle.at(last + 1)],
                                              circle.longitude[circle.at(first - 1)]);
            if (!AtMost(rimSpan, kRimMostSpan))
                continue;
            const int planet = std::min(circle.at(first), circle.at(last));
            if (planet < bestPlanet) {
                best = {first, size};
                bestPlanet = planet;
            }
        }
    }
    return best;
}

// The two groups that the only two gaps of at least kSeesawLeastGap part each hold at
// least kSeesawGroupLeast planets.
bool SeesawGroupsHold(const Circle &circle) {
    std::array<int, 2> wide{};
    int found = 0;
    for (int i = 0; i < kPlanetCount && found < 2; ++i) {
        if (AtLeast(circle.gap[i], kSeesawLeastGap))
            wide[found++] = i;
    }
    const int oneGroup = wide[1] - wide[0]; // the planets after the first gap up to the second
    return oneGroup >= kSeesawGroupLeast && kPlanetCount - oneGroup >= kSeesawGroupLeast;
}

constexpr std::array<std::string_view, kDegreePatternCount> kPatternTexts = {
    STARLOOM_TEXT_NOOP(
        "Patterns",
        "All ten planets lie within a trine: life gathers round a few concerns, followed "
        "with great focus."),
    STARLOOM_TEXT_NOOP(
        "Patterns", "The planets fill one half of the wheel and leave the other empty: a sense of "
                    "purpose that reaches out towards what seems to be missing."),
    STARLOOM_TEXT_NOOP(
        "Patterns", "One planet, or a close pair, stands apart from a half wheel of the others and "
                    "carries their energy out into the world."),
    STARLOOM_TEXT_NOOP(
        "Patterns",
        "The planets spread over two thirds of the wheel and leave an empty trine: a steady, "
        "self-driven push that keeps going."),
    STARLOOM_TEXT_NOOP(
        "Patterns",
        "Two groups of planets face each other across two empty stretches: a life spent "
        "weighing one side against the other."),
    STARLOOM_TEXT_NOOP(
        "Patterns",
        "The planets gather at three or four separate points: strong, individual interests "
        "that go their own way."),
    STARLOOM_TEXT_NOOP(
        "Patterns",
        "The planets are spread all round the wheel: wide interests and a gift for many "
        "things at once."),
};

constexpr std::array<std::string_view, kPlanetCount> kPlanetRoles = {
    STARLOOM_TEXT_NOOP("Patterns", "the wish to be oneself and to be seen"),
    STARLOOM_TEXT_NOOP("Patterns", "feelings, moods and the need to feel at home"),
    STARLOOM_TEXT_NOOP("Patterns", "thinking, talking and learning"),
    STARLOOM_TEXT_NOOP("Patterns", "love, friendship and a sense of beauty"),
    STARLOOM_TEXT_NOOP("Patterns", "drive, courage and the urge to act"),
    STARLOOM_TEXT_NOOP("Patterns", "hope, growth and the search for meaning"),
    STARLOOM_TEXT_NOOP("Patterns", "duty, patience and lasting structure"),
    STARLOOM_TEXT_NOOP("Patterns", "independence, change and new ideas"),
    STARLOOM_TEXT_NOOP("Patterns", "imagination, ideals and compassion"),
    STARLOOM_TEXT_NOOP("Patterns", "intensity, power and renewal"),
};

std::string PlanetName(int body) {
    return std::string(kPlainBodyNames[body]);
}

} // namespace

DegreeShape ClassifyByDegrees(const PlanetLongitudes &longitudes) {
    const Circle circle = SortAround(longitudes);
    DegreeShape shape;
    const int largest = LargestGap(circle);
    const double g1 = circle.gap[largest];
    shape.EmptyArcFrom = circle.longitude[circle.at(largest)];
    shape.EmptyArcTo = circle.longitude[circle.at(largest + 1)];
    shape.EmptyArcSize = g1;

    const auto ledFromEmptyArc = [&](DegreePattern pattern) {
        shape.Pattern = pattern;
        shape.Leading[0] = circle.at(largest + 1);
        shape.LeadingCount = 1;
        return shape;
    };
    if (AtLeast(g1, kBundleLeastGap))
        return ledFromEmptyArc(DegreePattern::Bundle);
    if (AtLeast(g1, kBowlLeastGap))
        return ledFromEmptyArc(DegreePattern::Bowl);
    if (const Handle handle = FindHandle(circle); handle.size > 0) {
        shape.Pattern = DegreePattern::Bucket;
        for (int i = 0; i < handle.size; ++i)
            shape.Leading[i] = circle.at(handle.first + i);
        shape.LeadingCount = handle.size;
        return shape;
    }
    if (AtLeast(g1, kLocomotiveLeastGap))
        return ledFromEmptyArc(DegreePattern::Locomotive);
    if (GapsAtLeast(circle, kSeesawLeastGap) == 2 && SeesawGroupsHold(circle)) {
        shape.Pattern = DegreePattern::Seesaw;
        return shape;
    }
    const int clusters = GapsAtLeast(circle, kSplayLeastGap);
    shape.Pattern = clusters >= kSplayFewestClusters && clusters <= kSplayMostClusters
                        ? DegreePattern::Splay
                        : DegreePattern::Splash;
    return shape;
}

std::string_view DegreePatternName(DegreePattern pattern) {
    return kDegreePatternNames[static_cast<int>(pattern)];
}

std::string_view DegreePatternText(DegreePattern pattern) {
    return kPatternTexts[static_cast<int>(pattern)];
}

std::string_view PlanetRoleText(int body) {
    return body >= 0 && body < kPlanetCount ? kPlanetRoles[body] : std::string_view();
}

std::string LeadingPlanetNames(const DegreeShape &shape) {
    if (shape.LeadingCount == 0)
        return STARLOOM_TEXT_NOOP("Patterns", "none");
    std::string names = PlanetName(shape.Leading[0]);
    if (shape.LeadingCount == 2)
        names += ", " + PlanetName(shape.Leading[1]);
    return names;
}

std::string LeadingPlanetSentence(const DegreeShape &shape) {
    if (shape.LeadingCount == 0)
        return STARLOOM_TEXT_NOOP("Patterns",
                                  "No single planet leads this shape: its energy is shared out.");
    const int first = shape.Leading[0];
    if (shape.Pattern != DegreePattern::Bucket) {
        return PlanetName(first) +
               " leads, rising first out of the empty arc: " + std::string(PlanetRoleText(first)) +
               " set the whole chart in motion.";
    }
    if (shape.LeadingCount == 1) {
        return PlanetName(first) +
               " stands alone as the handle: the chart's energy flows out "
               "through " +
               std::string(PlanetRoleText(first)) + ".";
    }
    const int second = shape.Leading[1];
    return PlanetName(first) + " and " + PlanetName(second) +
           " stand together as the handle: the chart's energy flows out through " +
           std::string(PlanetRoleText(first)) + ", and through " +
           std::string(PlanetRoleText(second)) + ".";
}

} // namespace starloom
