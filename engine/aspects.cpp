// Aspects between the points of a chart.
#include "engine/aspects.h"

#include <cmath>

namespace starloom {

namespace {

// The separation from a to b the short way round, -180 < s <= 180 degrees.
double SignedSeparation(double a, double b) {
    double s = b - a;
    if (!(std::fabs(s) < 360.0)) // within a turn fmod leaves the difference as it is
        s = std::fmod(s, 360.0);
    // Selected, not branched on: a pair is as likely to lie one way round as the other.
    const double down = s - 360.0;
    const double up = s + 360.0;
    return s > 180.0 ? down : s <= -180.0 ? up : s;
}

bool IsLuminary(int point) {
    return point == kSunBody || point == kMoonBody;
}

// Which exact angle a separation of 0..180 degrees is nearest, counted in order of the
// angles (0, 60, 90, 120, 180): where two are equally near, the one of the kind first in
// AspectKind order. Counted rather than branched on: the processor cannot foresee which
// angle a pair of points comes nearest.
int NearestStep(double separation) {
    return static_cast<int>(separation > 30.0) + static_cast<int>(separation >= 75.0) +
           static_cast<int>(separation >= 105.0) + static_cast<int>(separation >= 150.0);
}
constexpr std::array<AspectKind, kAspectKindCount> kKindOfStep = {
    AspectKind::Conjunction, AspectKind::Sextile, AspectKind::Square, AspectKind::Trine,
    AspectKind::Opposition};

// Half the least distance between two exact angles (60 and 90, 90 and 120 degrees).
constexpr double kHalfNarrowestGap = 15.0;

} // namespace

double AllowedOrb(const AspectOrbs &orbs, AspectKind kind, int a, int b) {
    const double extra = IsLuminary(a) || IsLuminary(b) ? orbs.LuminaryExtra : 0.0;
    return orbs.Orb[static_cast<int>(kind)] + extra;
}

namespace {

// The aspect between point a at longitude la moving at va and point b at lb moving at vb
// (degrees, degrees per day): the kind nearest exact within its orb; false when none is.
bool AspectBetween(int a, double la, double va, int b, double lb, double vb, const AspectOrbs &orbs,
                   Aspect &aspect) {
    if (!std::isfinite(la) || !std::isfinite(lb))
        return false;
    const double s = SignedSeparation(la, lb);
    const double separation = std::fabs(s);
    int best = -1;
    double bestOrb = 0;
    for (int kind = 0; kind < kAspectKindCount; ++kind) {
        const double orb = std::fabs(separation - kAspectAngles[kind]);
        if (orb <= AllowedOrb(orbs, static_cast<AspectKind>(kind), a, b) &&
            (best < 0 || orb < bestOrb)) {
            best = kind;
            bestOrb = orb;
        }
    }
    if (best < 0)
        return false;
    // The separation grows at sign(s) (vb - va) degrees a day; the aspect applies when that
    // drives the separation towards the exact angle.
    const double offExact = separation - kAspectAngles[best];
    const double widening = (s < 0 ? -1.0 : 1.0) * (vb - va);
    aspect = {a, b, static_cast<AspectKind>(best), bestOrb, offExact * widening < 0};
    return true;
}

} // namespace

std::vector<Aspect> FindAspects(const PointTable &longitude, const PointTable &dailyMotion,
                                const AspectOrbs &orbs) {
    std::vector<Aspect> found;
    FindAspects(longitude, dailyMotion, orbs, found);
    return found;
}

void FindAspects(const PointTable &longitude, const PointTable &dailyMotion, const AspectOrbs &orbs,
                 std::vector<Aspect> &found) {
    // The orbs every kind allows, without and with a luminary in the pair.
    std::array<std::array<double, kAspectKindCount>, 2> allowed{};
    bool narrow = true;
    for (int kind = 0; kind < kAspectKindCount; ++kind) {
        allowed[0][kind] = AllowedOrb(orbs, static_cast<AspectKind>(kind), kAscBody, kAscBody);
        allowed[1][kind] = AllowedOrb(orbs, static_cast<AspectKind>(kind), kSunBody, kAscBody);
        narrow =
            narrow && allowed[0][kind] < kHalfNarrowestGap && allowed[1][kind] < kHalfNarrowestGap;
    }
    bool finite = true;
    for (const double l : longitude)
        finite = finite && std::isfinite(l);
    // Every pair is written into the list's next place, which only an aspect keeps: nothing
    // branches on whether a pair is one.
    std::array<Aspect, kAspectPointCount *(kAspectPointCount - 1) / 2> pairs;
    std::size_t count = 0;
    const auto keep = [&](int a, int b, double s, int best, double orb) {
        // The separation grows at sign(s) (vb - va) degrees a day; the aspect applies when
        // that drives the separation towards the exact angle.
        const int kind = best < 0 ? 0 : best;
        const double offExact = std::fabs(s) - kAspectAngles[kind];
        const double widening = (s < 0 ? -1.0 : 1.0) * (dailyMotion[b] - dailyMotion[a]);
        pairs[count] = {a, b, static_cast<AspectKind>(kind), orb, offExact * widening < 0};
        count += best >= 0 ? 1 : 0;
    };
    if (narrow && finite) {
        // With every orb below half the narrowest gap between exact angles (the default
        // orbs are), at most one kind is within its orb, and only the nearest can be.
        std::array<std::array<double, kAspectKindCount>, 2> angleOfStep{};
        std::array<std::array<double, kAspectKindCount>, 2> limitOfStep{};
        for (int step = 0; step < kAspectKindCount; ++step) {
            const auto kind = static_cast<int>(kKindOfStep[step]);
            for (int luminary = 0; luminary < 2; ++luminary) {
                angleOfStep[luminary][step] = kAspectAngles[kind];
                limitOfStep[luminary][step] = allowed[luminary][kind];
            }
        }
        for (int a = 0; a < kAspectPointCount; ++a) {
            // Points come in chart order, the Sun and the Moon first.
            const int luminary = IsLuminary(a) ? 1 : 0;
            for (int b = a + 1; b < kAspectPointCount; ++b) {
                if (a == kAscBody && b == kMidheavenPoint)
                    continue;
                const double s = SignedSeparation(longitude[a], longitude[b]);
                const double separation = std::fabs(s);
                const int step = NearestStep(separation);
                const double orb = std::fabs(separation - angleOfStep[luminary][step]);
                const bool within = orb <= limitOfStep[luminary][step];
                keep(a, b, s, within ? static_cast<int>(kKindOfStep[step]) : -1, orb);
            }
        }
    } else {
        for (int a = 0; a < kAspectPointCount; ++a) {
            for (int b = a + 1; b < kAspectPointCount; ++b) {
                // The horizon and the meridian are the chart's frame, not bodies in it.
                if (a == kAscBody && b == kMidheavenPoint)
                    continue;
                if (!std::isfinite(longitude[a]) || !std::isfinite(longitude[b]))
                    continue;
                const double s = SignedSeparation(longitude[a], longitude[b]);
                const double separation = std::fabs(s);
                const std::array<double, kAspectKindCount> &limit =
                    allowed[IsLuminary(a) || IsLuminary(b) ? 1 : 0];
                // The kind nearest exact among those within their orbs, the first of equals.
                int best = -1;
                double bestOrb = 0;
                for (int kind = 0; kind < kAspectKindCount; ++kind) {
                    const double orb = std::fabs(separation - kAspectAngles[kind]);
                    if (orb <= limit[kind] && (best < 0 || orb < bestOrb)) {
                        best = kind;
                        bestOrb = orb;
                    }
                }
                keep(a, b, s, best, bestOrb);
            }
        }
    }
    found.assign(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(count));
}

std::vector<Aspect> FindCrossAspects(const PointTable &firstLongitude,
                                     const PointTable &firstMotion,
                                     const PointTable &secondLongitude,
                                     const PointTable &secondMotion, const AspectOrbs &orbs) {
    std::vector<Aspect> found;
    for (int a = 0; a < kAspectPointCount; ++a) {
        for (int b = 0; b < kAspectPointCount; ++b) {
            Aspect aspect;
            if (AspectBetween(a, firstLongitude[a], firstMotion[a], b, secondLongitude[b],
                              secondMotion[b], orbs, aspect))
                found.push_back(aspect);
        }
    }
    return found;
}

std::vector<Aspect> FindChartAspects(const ChartPositions &chart, const AspectOrbs &orbs) {
    PointTable longitude{};
    for (int body = 0; body < kBodyCount; ++body)
        longitude[body] = chart.Longitude[body];
    longitude[kMidheavenPoint] = chart.Midheaven;
    return FindAspects(longitude, chart.DailyMotion, orbs);
}

std::array<int, kAspectKindCount> CountAspectsByKind(const std::vector<Aspect> &aspects) {
    std::array<int, kAspectKindCount> counts{};
    for (const Aspect &aspect : aspects)
        ++counts[static_cast<int>(aspect.Kind)];
    return counts;
}

} // namespace starloom
