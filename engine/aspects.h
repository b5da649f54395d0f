// Aspects: the five classical angular relations between two points of a chart, found
// from their ecliptic longitudes within a tolerance (the orb) around the exact angle.
#pragma once

#include "engine/chart.h"

#include <array>
#include <string_view>
#include <vector>

namespace starloom {

enum class AspectKind : int { Conjunction = 0, Opposition, Trine, Square, Sextile };
constexpr int kAspectKindCount = 5;

// The exact angle of each kind, degrees, in AspectKind order.
constexpr std::array<double, kAspectKindCount> kAspectAngles = {0.0, 180.0, 120.0, 90.0, 60.0};

// Lower-case names ("conjunction", ...), in AspectKind order.
constexpr std::array<std::string_view, kAspectKindCount> kAspectNames = {
    "conjunction", "opposition", "trine", "square", "sextile"};

// Display names of the aspect points: the chart bodies, then "MC".
constexpr std::array<std::string_view, kAspectPointCount> kAspectPointNames = {
    "Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Asc",  "MC"};

// How far from exact each kind still counts, in degrees. The Sun and the Moon are the
// brightest and most personal points, so any aspect of theirs is allowed LuminaryExtra
// degrees more. The defaults are a common set.
struct AspectOrbs {
    std::array<double, kAspectKindCount> Orb = {8.0, 8.0, 7.0, 7.0, 5.0};
    double LuminaryExtra = 2.0;
};

// The orb in degrees one pair of points (0..11; any other index counts as a point that is
// neither the Sun nor the Moon) is allowed for one kind.
double AllowedOrb(const AspectOrbs &orbs, AspectKind kind, int a, int b);

struct Aspect {
    int A = 0; // aspect point, 0..11, A < B (between two charts: A of the first, B of the
    int B = 0; // second)
    AspectKind Kind = AspectKind::Conjunction;
    double Orb = 0;        // degrees from exact, >= 0
    bool Applying = false; // the orb is shrinking; false when it grows or holds
};

// Every aspect among the twelve points, at most one per pair (the kind nearest exact when
// wide orbs let two kinds overlap), ordered by A then B. A point is never in aspect with
// itself, and the ascendant and midheaven are not taken as a pair. An orb counts up to and
// including its limit. Longitudes are degrees in any range; motions are degrees per day.
//
// Applying or separating is judged from the daily motions at the instant: an aspect applies
// when the two points' relative motion drives their separation towards the exact angle.
std::vector<Aspect> FindAspects(const PointTable &longitude, const PointTable &dailyMotion,
                                const AspectOrbs &orbs);
// The same into `found`, emptied first; its storage is reused.
void FindAspects(const PointTable &longitude, const PointTable &dailyMotion, const AspectOrbs &orbs,
                 std::vector<Aspect> &found);

// The aspects between the points of two charts: point A of the first (0..11) to point B of
// the second, every pair (the same point of both included), at most one aspect a pair, the
// kind nearest exact; ordered by A then B. Orbs, longitudes and motions as above; the
// applying judgement takes both motions (a chart that stands still has motions 0).
std::vector<Aspect> FindCrossAspects(const PointTable &firstLongitude,
                                     const PointTable &firstMotion,
                                     const PointTable &secondLongitude,
                                     const PointTable &secondMotion, const AspectOrbs &orbs);

// The same for a computed chart: its eleven longitudes and midheaven, and its motions.
std::vector<Aspect> FindChartAspects(const ChartPositions &chart, const AspectOrbs &orbs);

// How many aspects of each kind, in AspectKind order: for statistics over many charts.
std::array<int, kAspectKindCount> CountAspectsByKind(const std::vector<Aspect> &aspects);

} // namespace starloom
