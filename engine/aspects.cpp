// Aspects between the points of a chart.
#include "engine/aspects.h"

#include <cmath>

namespace starloom {

namespace {

// The separation from a to b the short way round, -180 < s <= 180 degrees.
double SignedSeparation(double a, double b) {
    double s = std::fmod(b - a, 360.0);
    if (s > 180.0)
        s -= 360.0;
    else if (s <= -180.0)
        s += 360.0;
    return s;
}

bool IsLuminary(int point) {
    return point == kSunBody || point == kMoonBody;
}

} // namespace

double AllowedOrb(const AspectOrbs &orbs, AspectKind kind, int a, int b) {
    const double extra = IsLuminary(a) || IsLuminary(b) ? orbs.LuminaryExtra : 0.0;
    return orbs.Orb[static_cast<int>(kind)] + extra;
}

std::vector<Aspect> FindAspects(const PointTable &longitude, const PointTable &dailyMotion,
                                const AspectOrbs &orbs) {
    std::vector<Aspect> found;
    FindAspects(longitude, dailyMotion, orbs, found);
    return found;
}

void FindAspects(const PointTable &longitude, const PointTable &dailyMotion, const AspectOrbs &orbs,
                 std::vector<Aspect> &found) {
    found.clear();
    // Room for every pair at once: a chart has about twenty aspects, and growing the list
    // one doubling at a time cost several allocations per chart in a batch.
    found.reserve(kAspectPointCount * (kAspectPointCount - 1) / 2);
    for (int a = 0; a < kAspectPointCount; ++a) {
        for (int b = a + 1; b < kAspectPointCount; ++b) {
            // The horizon and the meridian are the chart's frame, not bodies in it.
            if (a == kAscBody && b == kMidheavenPoint)
                continue;
            if (!std::isfinite(longitude[a]) || !std::isfinite(longitude[b]))
                continue;
            const double s = SignedSeparation(longitude[a], longitude[b]);
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
                continue;
            // The separation grows at sign(s) (vb - va) degrees a day; the aspect applies
            // when that drives the separation towards the exact angle.
            const double offExact = separation - kAspectAngles[best];
            const double widening = (s < 0 ? -1.0 : 1.0) * (dailyMotion[b] - dailyMotion[a]);
            found.push_back(
                {a, b, static_cast<AspectKind>(best), bestOrb, offExact * widening < 0});
        }
    }
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
