// House cusps in ten systems.
//
// Every quadrant system below finds its cusps as the intersection of the ecliptic with a
// great circle, the house circle, and most of those circles are the horizon of some other
// place: the ascendant formula, given a made-up sidereal angle and a made-up latitude (the
// pole of the house circle), finds them all. R. Holden, "The Elements of House Division",
// gives each system's circles; the algebra here is ours.
#include "engine/houses.h"

#include "engine/angles.h"

#include <cmath>

namespace starloom {

namespace {

struct SystemNames {
    std::string_view name;  // command line and JSON
    std::string_view title; // for people
};

constexpr std::array<SystemNames, kHouseSystemCount> kSystemNames = {{
    {"whole-sign", "Whole Sign"},
    {"equal", "Equal"},
    {"porphyry", "Porphyry"},
    {"placidus", "Placidus"},
    {"koch", "Koch"},
    {"regiomontanus", "Regiomontanus"},
    {"campanus", "Campanus"},
    {"alcabitius", "Alcabitius"},
    {"topocentric", "Topocentric"},
    {"morinus", "Morinus"},
}};

constexpr double kHalfRootThree = 0.86602540378443864676; // sin 60 = cos 30

// --- Angles as sine and cosine pairs -------------------------------------------------------
// Most house circles sit at whole multiples of 30 degrees from the meridian, or at a third of
// some arc from it: keeping each angle as its sine and cosine, and turning it by the sum
// formulas, saves most trigonometric calls.

struct SinCos {
    double sin;
    double cos;
};

constexpr SinCos k30{0.5, kHalfRootThree};
constexpr SinCos k60{kHalfRootThree, 0.5};
constexpr SinCos k120{kHalfRootThree, -0.5};
constexpr SinCos k150{0.5, -kHalfRootThree};
constexpr SinCos kMinus30{-0.5, kHalfRootThree};
constexpr SinCos kMinus60{-kHalfRootThree, 0.5};

// The angle a + b.
SinCos Turn(SinCos a, SinCos b) {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// The angle a - b.
SinCos TurnBack(SinCos a, SinCos b) {
    return {a.sin * b.cos - a.cos * b.sin, a.cos * b.cos + a.sin * b.sin};
}

// The angle 2a.
SinCos Double(SinCos a) {
    return {2.0 * a.sin * a.cos, (a.cos - a.sin) * (a.cos + a.sin)};
}

SinCos OfRadians(double radians) {
    return {std::sin(radians), std::cos(radians)};
}

// Degrees of any size. The reduction is done in degrees, where it is exact: whole turns
// first, then the nearest quarter turn, which leaves at most 45 degrees for the sine and
// cosine proper and gives exact zeros and ones at the quarter points.
SinCos OfDegrees(double degrees) {
    const double turn = std::fmod(degrees, 360.0);
    const double quarters = std::nearbyint(turn / 90.0);
    const SinCos rest = OfRadians((turn - 90.0 * quarters) * kDegToRad);
    switch (static_cast<int>(quarters) & 3) {
    case 0:
        return rest;
    case 1:
        return {rest.cos, -rest.sin};
    case 2:
        return {-rest.sin, -rest.cos};
    default:
        return {-rest.cos, rest.sin};
    }
}

// Degrees into 0 <= a < 360; a value a hair below 0 comes out 0, not 360.
double Reduce360(double degrees) {
    double r = std::fmod(degrees, 360.0);
    if (r < 0.0)
        r += 360.0;
    // + 0.0 turns a negative zero into zero.
    return r >= 360.0 ? 0.0 : r + 0.0;
}

// The direction of (x, y) in degrees, 0 <= a < 360.
double DirectionDegrees(double y, double x) {
    return Reduce360(std::atan2(y, x) * kRadToDeg);
}

// --- The sky of one chart ---------------------------------------------------------------

struct Sky {
    SinCos ramc;       // local sidereal angle, the right ascension of the meridian
    double sinE = 0.0; // obliquity of the ecliptic
    double cosE = 1.0; //
    double tanPhi = 0; // latitude
    // Whether the horizon formula's plain answer is the setting point, so that it and every
    // cusp found the same way are turned half a circle (see HorizonIntersection).
    bool turned = false;
};

// The ecliptic point on the horizon of a place whose sidereal angle is `x` and whose
// latitude has tangent `tanPole` (J. Meeus, chapter 14, for the horizon's equation):
//   tan A = cos X / -(sin X cos e + sin e tan pole),
// taken in the half of the circle where sin A has the sign of cos X, then turned by 180
// degrees when the sky is `turned`.
//
// The horizon cuts the ecliptic at two opposite points, and the formula's quadrant rule
// picks the rising one only outside the polar circles. The rising point lies on the eastern
// side of the meridian, where its direction makes a positive product with the east point
// (right ascension RAMC + 90); for the formula's answer that product has the sign of
// cos e + sin RAMC sin e tan phi, which is positive whenever |phi| < 90 - e and turns
// negative inside the polar circles for part of the day. Then the answer is the setting
// point, and the ascendant is its opposite. The house circles of Regiomontanus and
// Campanus pass through the north and south points of the horizon; turning their
// intersections together with the ascendant keeps each cusp on the half of its circle that
// belongs to its house (above the horizon for 11 and 12, below for 2 and 3). Topocentric
// cusps are turned the same way.
double HorizonIntersection(const Sky &sky, SinCos x, double tanPole) {
    const double y = x.cos;
    const double across = -(x.sin * sky.cosE + sky.sinE * tanPole);
    return sky.turned ? DirectionDegrees(-y, -across) : DirectionDegrees(y, across);
}

// The ecliptic point with right ascension `ra`, where the hour circle of that right
// ascension cuts the ecliptic: tan L = tan RA / cos e, in the quadrant of RA. With the
// sidereal angle it is the midheaven: the ecliptic point on the upper meridian, whether or
// not that point is above the horizon (inside the polar circles it may not be).
double EclipticOfRightAscension(const Sky &sky, SinCos ra) {
    return DirectionDegrees(ra.sin, ra.cos * sky.cosE);
}

// The ecliptic longitude of the point of the equator at right ascension `ra`, seen along
// the great circle through the poles of the ecliptic: tan L = tan RA cos e.
double EclipticOfEquatorPoint(const Sky &sky, SinCos ra) {
    return DirectionDegrees(ra.sin * sky.cosE, ra.cos);
}

// --- The systems --------------------------------------------------------------------------
// Each fills cusps 11, 12, 2 and 3 (or all twelve); the angles and the opposite cusps are
// filled by the caller for the quadrant systems.

constexpr int kCusp1 = 0, kCusp2 = 1, kCusp3 = 2, kCusp10 = 9, kCusp11 = 10, kCusp12 = 11;

void WholeSignCusps(double ascendant, HouseCuspTable &cusps) {
    const int first = static_cast<int>(ascendant / 30.0) % 12;
    for (int n = 0; n < kHouseCount; ++n)
        cusps[n] = 30.0 * ((first + n) % 12);
}

void EqualCusps(double ascendant, HouseCuspTable &cusps) {
    for (int n = 0; n < kHouseCount; ++n)
        cusps[n] = Reduce360(ascendant + 30.0 * n);
}

// Porphyry: the arcs of longitude from the midheaven to the ascendant and from the
// ascendant to the lower meridian, each cut into three.
void PorphyryCusps(double ascendant, double midheaven, HouseCuspTable &cusps) {
    const double upper = Reduce360(ascendant - midheaven); // midheaven to ascendant
    const double lower = 180.0 - upper;                    // ascendant to the lower meridian
    cusps[kCusp11] = Reduce360(midheaven + upper / 3.0);
    cusps[kCusp12] = Reduce360(midheaven + 2.0 * upper / 3.0);
    cusps[kCusp2] = Reduce360(ascendant + lower / 3.0);
    cusps[kCusp3] = Reduce360(ascendant + 2.0 * lower / 3.0);
}

// Placidus: a cusp is the ecliptic point that has run a third (cusps 11 and 3) or two
// thirds (12 and 2) of its own semi-arc from the meridian. A point of declination d has the
// ascensional difference AD, sin AD = tan phi tan d, and its diurnal semi-arc is 90 + AD;
// on the ecliptic tan d = tan e sin RA. Cusp 11 then lies at right ascension
// RA = RAMC + 30 + AD/3, cusp 12 at RAMC + 60 + 2 AD/3, cusp 2 at RAMC + 120 + 2 AD/3 and
// cusp 3 at RAMC + 150 + AD/3 (the lower ones on the nocturnal semi-arc, 90 - AD).
//
// With w = AD/3 and RA = RAMC + c + m w (m = 1 or 2) the condition reads
//   F(w) = sin 3w - K sin(RAMC + c + m w) = 0,  K = tan phi tan e,
// solved by Newton's method from the value of AD at RA = RAMC + c. Outside the polar circles
// |K| < 1 and F' = 3 (cos 3w - (m/3) K cos RA) stays positive, so the root is single and
// Newton's steps converge quickly to the last bits.
double PlacidusCusp(const Sky &sky, double K, SinCos start, int m) {
    constexpr int kMostSteps = 12;
    constexpr double kEnough = 1e-13; // radians: the step below which the next is nothing
    const double s0 = K * start.sin;
    double w = std::asin(s0 < -1.0 ? -1.0 : (s0 > 1.0 ? 1.0 : s0)) / 3.0;
    SinCos ra = start;
    for (int step = 0; step < kMostSteps; ++step) {
        const SinCos third = OfRadians(w);
        ra = Turn(start, m == 1 ? third : Double(third));
        const double sin3 = third.sin * (3.0 - 4.0 * third.sin * third.sin);
        const double cos3 = third.cos * (4.0 * third.cos * third.cos - 3.0);
        const double f = sin3 - K * ra.sin;
        const double slope = 3.0 * cos3 - m * K * ra.cos;
        const double change = f / slope;
        w -= change;
        if (std::fabs(change) < kEnough) {
            ra = Turn(start, m == 1 ? OfRadians(w) : Double(OfRadians(w)));
            break;
        }
    }
    return EclipticOfRightAscension(sky, ra);
}

void PlacidusCusps(const Sky &sky, HouseCuspTable &cusps) {
    const double K = sky.tanPhi * sky.sinE / sky.cosE;
    cusps[kCusp11] = PlacidusCusp(sky, K, Turn(sky.ramc, k30), 1);
    cusps[kCusp12] = PlacidusCusp(sky, K, Turn(sky.ramc, k60), 2);
    cusps[kCusp2] = PlacidusCusp(sky, K, Turn(sky.ramc, k120), 2);
    cusps[kCusp3] = PlacidusCusp(sky, K, Turn(sky.ramc, k150), 1);
}

// Koch: the midheaven's degree takes its diurnal semi-arc, 90 + AD (AD its ascensional
// difference, sin AD = tan phi tan e sin RAMC), to climb from the horizon to the meridian.
// Cut into thirds, the times at which it rose and two later ones give the ascendants that
// are cusps 10 (itself), 11 and 12; going on by the same steps gives 1, 2 and 3 (4 is the
// moment the midheaven's degree sets). In sidereal angles: cusp 11 is the ascendant of
// RAMC - 60 - 2 AD/3, cusp 12 of RAMC - 30 - AD/3, cusp 2 of RAMC + 30 + AD/3 and cusp 3 of
// RAMC + 60 + 2 AD/3, all at the birthplace's latitude.
void KochCusps(const Sky &sky, HouseCuspTable &cusps) {
    const double K = sky.tanPhi * sky.sinE / sky.cosE;
    const double ad = std::asin(K * sky.ramc.sin);
    const SinCos third = OfRadians(ad / 3.0);
    const SinCos twoThirds = Double(third);
    cusps[kCusp11] =
        HorizonIntersection(sky, TurnBack(Turn(sky.ramc, kMinus60), twoThirds), sky.tanPhi);
    cusps[kCusp12] =
        HorizonIntersection(sky, TurnBack(Turn(sky.ramc, kMinus30), third), sky.tanPhi);
    cusps[kCusp2] = HorizonIntersection(sky, Turn(Turn(sky.ramc, k30), third), sky.tanPhi);
    cusps[kCusp3] = HorizonIntersection(sky, Turn(Turn(sky.ramc, k60), twoThirds), sky.tanPhi);
}

// The systems whose house circles pass through the north and south points of the horizon
// and cut the equator at hour angles H east of the meridian, H = h and 90 - h for cusps 11
// and 12 and 90 + h' and 180 - h' for 2 and 3, with the tangents of their poles given. Such
// a circle is the horizon of the sidereal angle RAMC + H - 90 at the latitude (the pole)
// tan f = tan phi sin H; Regiomontanus has the poles of its own circles, Topocentric its
// own, smaller ones.
struct HouseCircles {
    SinCos offset11, offset12, offset2, offset3; // H - 90 for each cusp
    double tanPole11, tanPole12, tanPole2, tanPole3;
};

void CuspsOnCircles(const Sky &sky, const HouseCircles &c, HouseCuspTable &cusps) {
    cusps[kCusp11] = HorizonIntersection(sky, Turn(sky.ramc, c.offset11), c.tanPole11);
    cusps[kCusp12] = HorizonIntersection(sky, Turn(sky.ramc, c.offset12), c.tanPole12);
    cusps[kCusp2] = HorizonIntersection(sky, Turn(sky.ramc, c.offset2), c.tanPole2);
    cusps[kCusp3] = HorizonIntersection(sky, Turn(sky.ramc, c.offset3), c.tanPole3);
}

// Regiomontanus: the circles cut the equator 30, 60, 120 and 150 degrees east of the
// meridian; tan f = tan phi sin H.
void RegiomontanusCusps(const Sky &sky, HouseCuspTable &cusps) {
    const double near = sky.tanPhi * 0.5;           // H = 30 and 150
    const double far = sky.tanPhi * kHalfRootThree; // H = 60 and 120
    CuspsOnCircles(sky, {kMinus60, kMinus30, k30, k60, near, far, far, near}, cusps);
}

// Topocentric (W. Polich and A. P. Nelson Page): the same sidereal steps as
// Regiomontanus, with the poles' tangents a third and two thirds of tan phi.
void TopocentricCusps(const Sky &sky, HouseCuspTable &cusps) {
    const double near = sky.tanPhi / 3.0;
    const double far = 2.0 * sky.tanPhi / 3.0;
    CuspsOnCircles(sky, {kMinus60, kMinus30, k30, k60, near, far, far, near}, cusps);
}

// Campanus: the circles through the north and south points that cut the prime vertical 30
// and 60 degrees from the zenith (and, below the horizon, 120 and 150). The circle turned by
// g from the meridian meets the equator at the hour angle H with tan H = cos phi tan g;
// no arctangent is needed, since only H's sine and cosine enter.
void CampanusCusps(const Sky &sky, double cosPhi, HouseCuspTable &cusps) {
    const auto circle = [&](double tanG) {
        const double tanH = cosPhi * tanG;
        const double cosH = 1.0 / std::sqrt(1.0 + tanH * tanH);
        return SinCos{tanH * cosH, cosH};
    };
    const SinCos h30 = circle(1.0 / (2.0 * kHalfRootThree)); // tan 30
    const SinCos h60 = circle(2.0 * kHalfRootThree);         // tan 60
    // H - 90 for H = h30 and h60, and for 180 - h60 and 180 - h30.
    const SinCos less30{-h30.cos, h30.sin};
    const SinCos less60{-h60.cos, h60.sin};
    const SinCos more60{h60.cos, h60.sin};
    const SinCos more30{h30.cos, h30.sin};
    const double pole30 = sky.tanPhi * h30.sin;
    const double pole60 = sky.tanPhi * h60.sin;
    CuspsOnCircles(sky, {less30, less60, more60, more30, pole30, pole60, pole60, pole30}, cusps);
}

// Alcabitius: the ascendant's diurnal semi-arc S (its right ascension less the sidereal
// angle, 90 + its ascensional difference) cut into thirds along the equator; the cusps are
// the ecliptic points on the hour circles there: right ascensions RAMC + S/3 and
// RAMC + 2S/3 for 11 and 12, and the nocturnal semi-arc 180 - S cut the same way for 2 and
// 3: RAMC + 60 + 2S/3 and RAMC + 120 + S/3.
void AlcabitiusCusps(const Sky &sky, double ascendant, HouseCuspTable &cusps) {
    const double sinDecl = sky.sinE * std::sin(ascendant * kDegToRad);
    const double tanDecl = sinDecl / std::sqrt(1.0 - sinDecl * sinDecl);
    double sinAd = sky.tanPhi * tanDecl;
    sinAd = sinAd < -1.0 ? -1.0 : (sinAd > 1.0 ? 1.0 : sinAd);
    const double semiArc = 0.5 * kPi + std::asin(sinAd);
    const SinCos third = OfRadians(semiArc / 3.0);
    const SinCos twoThirds = Double(third);
    cusps[kCusp11] = EclipticOfRightAscension(sky, Turn(sky.ramc, third));
    cusps[kCusp12] = EclipticOfRightAscension(sky, Turn(sky.ramc, twoThirds));
    cusps[kCusp2] = EclipticOfRightAscension(sky, Turn(Turn(sky.ramc, k60), twoThirds));
    cusps[kCusp3] = EclipticOfRightAscension(sky, Turn(Turn(sky.ramc, k120), third));
}

// Morinus: the equator cut into twelve 30-degree arcs from the east point (RAMC + 90), each
// division carried to the ecliptic along the circle through the ecliptic's poles.
void MorinusCusps(const Sky &sky, HouseCuspTable &cusps) {
    SinCos ra{sky.ramc.cos, -sky.ramc.sin}; // RAMC + 90
    for (int n = 0; n < kHouseCount / 2; ++n) {
        cusps[n] = EclipticOfEquatorPoint(sky, ra);
        cusps[n + 6] = Reduce360(cusps[n] + 180.0);
        ra = Turn(ra, k30);
    }
}

bool IsQuadrantSystem(HouseSystem system) {
    return system != HouseSystem::WholeSign && system != HouseSystem::Equal &&
           system != HouseSystem::Morinus;
}

// Where a system has no houses. Placidus and Koch need every degree of the ecliptic (Koch
// the midheaven's) to rise and set; inside the polar circles some never do, at any hour.
bool NeedsRisingEcliptic(HouseSystem system) {
    return system == HouseSystem::Placidus || system == HouseSystem::Koch;
}

// Regiomontanus, Campanus and Topocentric cusps exist inside the polar circles too, but
// while the midheaven is below the horizon their cusps run backwards round the ecliptic
// from the ascendant: the houses would be a mirror image, with the lower meridian as the
// tenth cusp. (The Swiss Ephemeris gives that mirror image and reports the lower meridian
// as its midheaven for these three systems; it keeps the upper one for all others.)
bool NeedsMidheavenAboveHorizon(HouseSystem system) {
    return system == HouseSystem::Regiomontanus || system == HouseSystem::Campanus ||
           system == HouseSystem::Topocentric;
}

// Whether cusps 10, 11, 12, 1, 2, 3 and 4 follow each other in increasing longitude, as
// houses must: the six steps between them then add up to the half circle from cusp 10 to
// its opposite, cusp 4, and otherwise to one and a half circles or more. Topocentric cusps
// can fail it inside the polar circles even with the midheaven up, where its made-up
// poles reach into the polar circle themselves.
bool QuadrantsInOrder(const HouseCuspTable &cusps) {
    constexpr std::array<int, 7> kUpperHalf = {kCusp10, kCusp11, kCusp12,    kCusp1,
                                               kCusp2,  kCusp3,  kCusp10 - 6};
    double total = 0.0;
    for (int i = 0; i + 1 < static_cast<int>(kUpperHalf.size()); ++i)
        total += Reduce360(cusps[kUpperHalf[i + 1]] - cusps[kUpperHalf[i]]);
    return total < 270.0;
}

// The cusps of `system` from the sky and the angles already in `houses`.
void FillCusps(HouseSystem system, const Sky &sky, double cosPhi, HouseCusps &houses) {
    HouseCuspTable &cusps = houses.cusps;
    switch (system) {
    case HouseSystem::WholeSign:
        WholeSignCusps(houses.ascendant, cusps);
        break;
    case HouseSystem::Equal:
        EqualCusps(houses.ascendant, cusps);
        break;
    case HouseSystem::Porphyry:
        PorphyryCusps(houses.ascendant, houses.midheaven, cusps);
        break;
    case HouseSystem::Placidus:
        PlacidusCusps(sky, cusps);
        break;
    case HouseSystem::Koch:
        KochCusps(sky, cusps);
        break;
    case HouseSystem::Regiomontanus:
        RegiomontanusCusps(sky, cusps);
        break;
    case HouseSystem::Campanus:
        CampanusCusps(sky, cosPhi, cusps);
        break;
    case HouseSystem::Alcabitius:
        AlcabitiusCusps(sky, houses.ascendant, cusps);
        break;
    case HouseSystem::Topocentric:
        TopocentricCusps(sky, cusps);
        break;
    case HouseSystem::Morinus:
        MorinusCusps(sky, cusps);
        break;
    }
    if (IsQuadrantSystem(system)) {
        cusps[kCusp1] = houses.ascendant;
        cusps[kCusp10] = houses.midheaven;
        for (const int n : {kCusp10, kCusp11, kCusp12, kCusp1, kCusp2, kCusp3})
            cusps[(n + 6) % kHouseCount] = Reduce360(cusps[n] + 180.0);
    }
}

double FiniteOrZero(double x) {
    return std::isfinite(x) ? x : 0.0;
}

} // namespace

std::string_view HouseSystemName(HouseSystem system) {
    return kSystemNames[static_cast<int>(system)].name;
}

std::string_view HouseSystemTitle(HouseSystem system) {
    return kSystemNames[static_cast<int>(system)].title;
}

std::optional<HouseSystem> HouseSystemFromName(std::string_view name) {
    for (const HouseSystem system : kHouseSystems) {
        if (HouseSystemName(system) == name)
            return system;
    }
    return std::nullopt;
}

HouseCusps CalculateHouseCusps(HouseSystem system, double ramcDegrees, double obliquityDegrees,
                               double latitudeDegrees) {
    HouseCusps houses;
    houses.requested = system;
    houses.used = system;
    double latitude = FiniteOrZero(latitudeDegrees);
    const double obliquity = FiniteOrZero(obliquityDegrees);
    const bool pole = std::fabs(latitude) >= 90.0;
    if (pole)
        latitude = std::copysign(kPoleStandInLatitude, latitude);
    const bool polar = std::fabs(latitude) >= 90.0 - obliquity;

    Sky sky;
    sky.ramc = OfDegrees(FiniteOrZero(ramcDegrees));
    const SinCos e = OfDegrees(obliquity);
    sky.sinE = e.sin;
    sky.cosE = e.cos;
    const SinCos phi = OfDegrees(latitude);
    sky.tanPhi = phi.sin / phi.cos;
    // The midheaven is below the horizon (see HorizonIntersection).
    sky.turned = sky.cosE + sky.ramc.sin * sky.sinE * sky.tanPhi < 0.0;
    houses.ascendant = HorizonIntersection(sky, sky.ramc, sky.tanPhi);
    houses.midheaven = EclipticOfRightAscension(sky, sky.ramc);

    if (pole) {
        houses.used = HouseSystem::Porphyry;
        houses.fallback = HouseFallback::Pole;
    } else if (polar && (NeedsRisingEcliptic(system) ||
                         (sky.turned && NeedsMidheavenAboveHorizon(system)))) {
        houses.used = HouseSystem::Porphyry;
        houses.fallback = HouseFallback::PolarCircle;
    }
    FillCusps(houses.used, sky, phi.cos, houses);
    if (polar && houses.used == HouseSystem::Topocentric && !QuadrantsInOrder(houses.cusps)) {
        houses.used = HouseSystem::Porphyry;
        houses.fallback = HouseFallback::PolarCircle;
        FillCusps(houses.used, sky, phi.cos, houses);
    }
    return houses;
}

int HouseOfLongitude(double longitude, const HouseCuspTable &cusps) {
    const double at = std::isfinite(longitude) ? Reduce360(longitude) : 0.0;
    for (int n = 0; n < kHouseCount; ++n) {
        const double from = cusps[n];
        const double to = cusps[(n + 1) % kHouseCount];
        // A house that runs across 0 degrees holds what is past its first cusp or short of
        // the next one.
        const bool inside = from <= to ? (at >= from && at < to) : (at >= from || at < to);
        if (inside)
            return n + 1;
    }
    return 1;
}

std::string HouseFallbackNote(const HouseCusps &houses, double latitudeDegrees) {
    const std::string system(HouseSystemTitle(houses.requested));
    const bool north = !(latitudeDegrees < 0.0);
    switch (houses.fallback) {
    case HouseFallback::None:
        return {};
    case HouseFallback::PolarCircle: {
        // Degrees and minutes of arc, rounded to the minute: "70°00′ N".
        const long minutes = std::lround(std::fabs(FiniteOrZero(latitudeDegrees)) * 60.0);
        const long ofDegree = minutes % 60;
        const std::string where = " houses are undefined at " + std::to_string(minutes / 60) + "°" +
                                  (ofDegree < 10 ? "0" : "") + std::to_string(ofDegree) + "′ " +
                                  (north ? "N" : "S");
        if (NeedsRisingEcliptic(houses.requested))
            return system + where +
                   ", inside the polar circle, where part of the ecliptic never rises or sets; "
                   "Porphyry houses are shown instead.";
        if (houses.requested == HouseSystem::Topocentric)
            return system + where +
                   " at this time, inside the polar circle, where their cusps would not follow "
                   "each other round the ecliptic; Porphyry houses are shown instead.";
        return system + where +
               " at this time, while the midheaven is below the horizon; Porphyry houses are "
               "shown instead.";
    }
    case HouseFallback::Pole:
        return system + " houses are undefined at the " + (north ? "North" : "South") +
               " Pole, where no point of the ecliptic rises in the east; Porphyry houses for a "
               "point 11 m from the pole are shown instead.";
    }
    return {};
}

} // namespace starloom
