// Aspects between the points of a chart.
#include "engine/aspects.h"

#include <cmath>
#include <cstdint>

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

namespace {

// The pairs of aspect points in the order aspects are listed (by A, then B), without the
// ascendant and the midheaven as a pair: the horizon and the meridian are the chart's
// frame, not bodies in it.
constexpr int kPairCount = kAspectPointCount * (kAspectPointCount - 1) / 2 - 1;
struct PointPairs {
    std::array<std::uint8_t, kPairCount> a{};
    std::array<std::uint8_t, kPairCount> b{};
};
constexpr PointPairs kPairs = [] {
    PointPairs pairs;
    int n = 0;
    for (int a = 0; a < kAspectPointCount; ++a) {
        for (int b = a + 1; b < kAspectPointCount; ++b) {
            if (a == kAscBody && b == kMidheavenPoint)
                continue;
            pairs.a[n] = static_cast<std::uint8_t>(a);
            pairs.b[n] = static_cast<std::uint8_t>(b);
            ++n;
        }
    }
    return pairs;
}();

// The aspect found at separation s (-180 < s <= 180) applies when the separation, growing
// at sign(s) (vb - va) degrees a day, is driven towards the exact angle of `kind`.
bool Applies(double s, int kind, double relativeMotion) {
    const double offExact = std::fabs(s) - kAspectAngles[kind];
    const double sign = 1.0 - 2.0 * static_cast<double>(s < 0.0); // exactly -1 or 1
    return offExact * (sign * relativeMotion) < 0;
}

// Every orb below half the narrowest gap between exact angles (the default orbs are), and
// every longitude finite: at most one kind is within its orb, and only the nearest can be.
// The pairs are worked out without a branch on where a pair lies or whether it is an
// aspect (the processor cannot foresee either), then the aspects are kept in order.
void FindNarrowAspects(const PointTable &longitude, const PointTable &dailyMotion,
                       const std::array<std::array<double, kAspectKindCount>, 2> &allowed,
                       std::vector<Aspect> &found) {
    std::array<std::array<double, kAspectKindCount>, 2> angleOfStep{};
    std::array<std::array<double, kAspectKindCount>, 2> limitOfStep{};
    std::array<int, kAspectKindCount> kindOfStep{};
    for (int step = 0; step < kAspectKindCount; ++step) {
        const auto kind = static_cast<int>(kKindOfStep[step]);
        kindOfStep[step] = kind;
        for (int luminary = 0; luminary < 2; ++luminary) {
            angleOfStep[luminary][step] = kAspectAngles[kind];
            limitOfStep[luminary][step] = allowed[luminary][kind];
        }
    }
    std::array<double, kPairCount> separations;
    std::array<int, kPairCount> kinds;
    std::array<double, kPairCount> orbs;
    std::array<std::uint8_t, kPairCount> kept; // the pairs that are aspects, in order
    int count = 0;
    for (int p = 0; p < kPairCount; ++p) {
        const int a = kPairs.a[p];
        double s = longitude[kPairs.b[p]] - longitude[a];
        if (!(std::fabs(s) < 360.0)) [[unlikely]] // within a turn fmod leaves it as it is
            s = std::fmod(s, 360.0);
        // The short way round, -180 < s <= 180: a whole turn taken off or added, or
        // nothing (s - 0.0 is s).
        s -= 360.0 *
             static_cast<double>(static_cast<int>(s > 180.0) - static_cast<int>(s <= -180.0));
        const double separation = std::fabs(s);
        const int luminary = static_cast<int>(a <= kMoonBody); // the Sun and the Moon first
        const int step = NearestStep(separation);
        const double orb = std::fabs(separation - angleOfStep[luminary][step]);
        separations[p] = s;
        kinds[p] = kindOfStep[step];
        orbs[p] = orb;
        kept[count] = static_cast<std::uint8_t>(p);
        count += static_cast<int>(orb <= limitOfStep[luminary][step]);
    }
    found.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int p = kept[i];
        const int a = kPairs.a[p];
        const int b = kPairs.b[p];
        found[i] = {a, b, static_cast<AspectKind>(kinds[p]), orbs[p],
                    Applies(separations[p], kinds[p], dailyMotion[b] - dailyMotion[a])};
    }
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
    if (narrow && finite) {
        FindNarrowAspects(longitude, dailyMotion, allowed, found);
        return;
    }
    std::array<Aspect, kPairCount> pairs;
    std::size_t count = 0;
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
            if (best >= 0)
                pairs[count++] = {a, b, static_cast<AspectKind>(best), bestOrb,
                                  Applies(s, best, dailyMotion[b] - dailyMotion[a])};
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
