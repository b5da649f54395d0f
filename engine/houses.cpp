// House cusps in ten systems.
//
// Every quadrant system below finds its cusps as the intersection of the ecliptic with a
// great circle, the house circle, and most of those circles are the horizon of some other
// place: the ascendant formula, given a made-up sidereal angle and a made-up latitude (the
// pole of the house circle), finds them all. R. Holden, "The Elements of House Division",
// gives each system's circles; the algebra here is ours.
#include "engine/houses.h"

#include "engine/angles.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

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
[[gnu::always_inline]] inline SinCos Turn(SinCos a, SinCos b) {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// The angle a - b.
[[gnu::always_inline]] inline SinCos TurnBack(SinCos a, SinCos b) {
    return {a.sin * b.cos - a.cos * b.sin, a.cos * b.cos + a.sin * b.sin};
}

// The angle 2a.
[[gnu::always_inline]] inline SinCos Double(SinCos a) {
    return {2.0 * a.sin * a.cos, (a.cos - a.sin) * (a.cos + a.sin)};
}

// --- Sines, cosines and directions --------------------------------------------------------
// A house system costs a handful of sines, cosines and arctangents, so these are our own:
// the library functions of the C runtime take care over the last bit of every result and
// over arguments of any size, and would cost several times what the houses themselves do.
// Arguments are split in degrees, where that is exact, into a tabulated part and a small
// rest for a short Taylor series (coefficients 1/n!); what the series leave out is below
// 1e-15 and the rounding a few units of the last place, well below 1e-13 degree and far
// inside the 0.001" the cusps are checked to.

// The sines and cosines of 0, 90, 180 and 270 degrees.
constexpr std::array<SinCos, 4> kQuarterTurns = {
    {{0.0, 1.0}, {1.0, 0.0}, {0.0, -1.0}, {-1.0, 0.0}}};

// The sines and cosines of the whole degrees 0..359, each from the sine and cosine of its
// rest after whole quarter turns (so that the quarter points are exact zeros and ones).
struct WholeDegrees {
    std::array<SinCos, 360> at{};
    WholeDegrees() {
        for (int d = 0; d < 360; ++d) {
            const double rest = (d % 90) * kDegToRad;
            at[d] = Turn(kQuarterTurns[d / 90], {std::sin(rest), std::cos(rest)});
        }
    }
};
const WholeDegrees kWholeDegrees;

// The sine and cosine of d degrees, |d| < 360: the nearest whole degree from the table,
// turned by the rest r (at most half a degree, exact in degrees), whose sine and cosine
// are r - r^3/6 + r^5/120 and 1 - r^2/2 + r^4/24 in radians (what is left out stays below
// 1e-15).
[[gnu::always_inline]] inline SinCos OfLessThanTurn(double degrees) {
    // Adding and taking away 1.5 * 2^52 rounds to a whole number in double arithmetic.
    constexpr double kRoundingShift = 6755399441055744.0;
    const double whole = (degrees + kRoundingShift) - kRoundingShift;
    const double r = (degrees - whole) * kDegToRad;
    const double r2 = r * r;
    const SinCos rest = {r * (1.0 + r2 * (-1.0 / 6.0 + r2 * (1.0 / 120.0))),
                         1.0 + r2 * (-0.5 + r2 * (1.0 / 24.0))};
    int index = static_cast<int>(whole);
    index += index < 0 ? 360 : 0;
    index -= index >= 360 ? 360 : 0;
    return Turn(kWholeDegrees.at[index], rest);
}

// The sine and cosine of any finite number of degrees.
[[gnu::always_inline]] inline SinCos OfDegrees(double degrees) {
    return OfLessThanTurn(std::fabs(degrees) < 360.0 ? degrees : std::fmod(degrees, 360.0));
}

// The sine and cosine of an angle in radians, less than a turn.
[[gnu::always_inline]] inline SinCos OfRadians(double radians) {
    return OfLessThanTurn(radians * kRadToDeg);
}

// Degrees from a little below 0 to below 720 brought into 0 <= a < 360; a value a hair
// below 0 comes out 0, not 360, and a negative zero as zero.
[[gnu::always_inline]] inline double Wrap360(double degrees) {
    // The turn to add is looked up rather than branched on: for random angles a branch here
    // is mispredicted half the time.
    constexpr std::array<double, 3> kTurn = {360.0, 0.0, -360.0};
    const double wrapped = degrees + kTurn[(degrees >= 360.0) - (degrees < 0.0) + 1];
    return wrapped >= 360.0 ? 0.0 : wrapped + 0.0;
}

// The longitude opposite one in 0..360, also in 0..360.
[[gnu::always_inline]] inline double Opposite(double degrees) {
    constexpr std::array<double, 2> kHalfTurn = {180.0, -180.0};
    return degrees + kHalfTurn[degrees >= 180.0];
}

// The Taylor series of the arctangent (in degrees) about the nodes c = k/64, k = 0..64:
// atan(c + d) = a0 + a1 d + ... + a8 d^8. With g = atan' = 1 / (1 + x^2), the identity
// (1 + x^2) g = 1 written about c gives g's coefficients one from the two before it,
// (1 + c^2) g_n = -(2c g_(n-1) + g_(n-2)), and a_(n+1) = g_n / (n + 1). About the nearest
// node |d| <= 1/128, and the first term left out, below 1e-19, is far below the rounding.
constexpr int kArcTangentNodeCount = 64;
constexpr int kArcTangentTerms = 9; // a0 .. a8
struct ArcTangentSeries {
    std::array<std::array<double, kArcTangentTerms>, kArcTangentNodeCount + 1> node{};
    ArcTangentSeries() {
        for (int k = 0; k <= kArcTangentNodeCount; ++k) {
            const double c = static_cast<double>(k) / kArcTangentNodeCount;
            const double q = 1.0 + c * c;
            std::array<double, kArcTangentTerms> g{};
            g[0] = 1.0 / q;
            g[1] = -2.0 * c * g[0] / q;
            for (int n = 2; n < kArcTangentTerms; ++n)
                g[n] = -(2.0 * c * g[n - 1] + g[n - 2]) / q;
            node[k][0] = std::atan(c) * kRadToDeg;
            for (int n = 1; n < kArcTangentTerms; ++n)
                node[k][n] = g[n - 1] / n * kRadToDeg;
        }
    }
};
const ArcTangentSeries kArcTangentSeries;

// How the direction in the first octant, a, becomes the direction of the point: offset +
// sign * a, by whether |y| > |x| (bit 0), x is negative (bit 1) and y is (bit 2). Looking the
// folding up instead of branching on it saves the mispredicted branches of random points.
struct Unfold {
    double offset;
    double sign;
};
constexpr std::array<Unfold, 8> kUnfold = {{
    {0.0, 1.0},    // a
    {90.0, -1.0},  // 90 - a
    {180.0, -1.0}, // 180 - a
    {90.0, 1.0},   // 180 - (90 - a)
    {360.0, -1.0}, // 360 - a
    {270.0, 1.0},  // 360 - (90 - a)
    {180.0, 1.0},  // 360 - (180 - a)
    {270.0, -1.0}, // 360 - (180 - (90 - a))
}};

// The direction of the point (x, y) in degrees, 0 <= a < 360 (0 or 180 at the origin): the ratio
// t = min/max of |x| and |y|, in 0..1, goes through the series about its nearest node, and
// the result is unfolded from the first octant.
[[gnu::always_inline]] inline double DirectionDegrees(double y, double x) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double num = std::min(ax, ay);
    const double den = std::max(ax, ay);
    const double t = num / (den > 0.0 ? den : 1.0);
    const int k = static_cast<int>(t * kArcTangentNodeCount + 0.5);
    const double d = t - k * (1.0 / kArcTangentNodeCount); // exact
    const std::array<double, kArcTangentTerms> &a = kArcTangentSeries.node[k];
    // Summed in pairs of terms (Estrin's scheme).
    const double d2 = d * d;
    const double d4 = d2 * d2;
    const double high = (a[5] + d * a[6]) + d2 * (a[7] + d * a[8]);
    const double first = a[0] + d * (((a[1] + d * a[2]) + d2 * (a[3] + d * a[4])) + d4 * high);
    // The sign bits of x and y (a negative zero counts as negative, which changes nothing
    // but the origin's direction).
    const auto negative = [](double v) {
        return static_cast<int>(std::bit_cast<std::uint64_t>(v) >> 63);
    };
    const Unfold &unfold = kUnfold[(ay > ax) | negative(x) << 1 | negative(y) << 2];
    const double direction = unfold.offset + unfold.sign * first;
    return direction >= 360.0 ? 0.0 : direction;
}

// The arcsine of s (|s| <= 1, a little more is taken as 1), degrees.
[[gnu::always_inline]] inline double ArcSineDegrees(double s) {
    const double c2 = 1.0 - s * s;
    const double a = DirectionDegrees(s, c2 > 0.0 ? std::sqrt(c2) : 0.0);
    return a > 180.0 ? a - 360.0 : a;
}

// --- The sky of one chart ---------------------------------------------------------------

struct Sky {
    double ramcDegrees = 0.0; // local sidereal angle, the right ascension of the meridian,
                              // less than a turn either way
    SinCos ramc;              // its sine and cosine
    double sinE = 0.0;        // obliquity of the ecliptic
    double cosE = 1.0;        //
    double sinPhi = 0.0;      // latitude
    double cosPhi = 1.0;      //
    double tanPhi = 0.0;      //
};

// The ecliptic point on the horizon of a place whose sidereal angle is `x` and whose
// latitude has tangent `tanPole` (J. Meeus, chapter 14, for the horizon's equation):
//   tan A = cos X / -(sin X cos e + sin e tan pole),
// as the direction (sin A, cos A) times a positive number, in the half of the circle where
// sin A has the sign of cos X. That is the rising point wherever |pole| < 90 - e, and so
// for every house circle at a latitude outside the polar circles.
[[gnu::always_inline]] inline SinCos HorizonPoint(const Sky &sky, SinCos x, double tanPole) {
    return {x.cos, -(x.sin * sky.cosE + sky.sinE * tanPole)};
}

[[gnu::always_inline]] inline double HorizonIntersection(const Sky &sky, SinCos x, double tanPole) {
    const SinCos point = HorizonPoint(sky, x, tanPole);
    return DirectionDegrees(point.sin, point.cos);
}

// The ascendant's direction (times a positive number): the rising one of the two points
// where the horizon meets the ecliptic. HorizonPoint's answer, multiplied by cos phi > 0 to
// spare the tangent, lies east of the meridian, where its direction makes a positive
// product with the east point (right ascension RAMC + 90), when
// cos e cos phi + sin RAMC sin e sin phi > 0. That holds whenever |phi| < 90 - e; inside
// the polar circles it fails for part of the day, exactly while the midheaven is below the
// horizon (its meridian altitude 90 - |phi - d| is negative, tan d = tan e sin RAMC), and
// the ascendant is then the opposite point.
bool MidheavenDown(const Sky &sky) {
    return sky.cosE * sky.cosPhi + sky.ramc.sin * sky.sinE * sky.sinPhi < 0.0;
}

SinCos AscendantPoint(const Sky &sky, bool midheavenDown) {
    const double sin = sky.ramc.cos * sky.cosPhi;
    const double cos = -(sky.ramc.sin * sky.cosE * sky.cosPhi + sky.sinE * sky.sinPhi);
    return midheavenDown ? SinCos{-sin, -cos} : SinCos{sin, cos};
}

// The ecliptic point with right ascension `ra`, where the hour circle of that right
// ascension cuts the ecliptic: tan L = tan RA / cos e, in the quadrant of RA. With the
// sidereal angle it is the midheaven: the ecliptic point on the upper meridian, whether or
// not that point is above the horizon (inside the polar circles it may not be).
[[gnu::always_inline]] inline double EclipticOfRightAscension(const Sky &sky, SinCos ra) {
    return DirectionDegrees(ra.sin, ra.cos * sky.cosE);
}

// The ecliptic longitude of the point of the equator at right ascension `ra`, seen along
// the great circle through the poles of the ecliptic: tan L = tan RA cos e.
[[gnu::always_inline]] inline double EclipticOfEquatorPoint(const Sky &sky, SinCos ra) {
    return DirectionDegrees(ra.sin * sky.cosE, ra.cos);
}

// --- The systems --------------------------------------------------------------------------
// Each fills cusps 11, 12, 2 and 3 (or all twelve); the angles and the opposite cusps are
// filled by the caller for the quadrant systems.

constexpr int kCusp1 = 0, kCusp2 = 1, kCusp3 = 2, kCusp10 = 9, kCusp11 = 10, kCusp12 = 11;

// The first degrees of the signs, twice round.
constexpr std::array<double, kHouseCount * 2> kSignStarts = {
    0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330,
    0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330};

// The sign of a longitude in 0..360, floor(L / 30), by a product and a correction, which is
// exact where the quotient rounded to a whole number might not be.
int SignOf(double longitude) {
    int sign = static_cast<int>(longitude * (1.0 / 30.0));
    if (30.0 * sign > longitude)
        --sign;
    else if (30.0 * (sign + 1) <= longitude)
        ++sign;
    return sign < 0 ? 0 : (sign > 11 ? 11 : sign);
}

void WholeSignCusps(double ascendant, HouseCuspTable &cusps) {
    const int sign = SignOf(ascendant);
    for (int n = 0; n < kHouseCount; ++n)
        cusps[n] = kSignStarts[sign + n];
}

void EqualCusps(double ascendant, HouseCuspTable &cusps) {
    // The first degrees of the signs from the ascendant's on, each plus the ascendant's
    // degree within its sign: no sum reaches 360.
    const int sign = SignOf(ascendant);
    const double within = ascendant - 30.0 * sign; // exact
    for (int n = 0; n < kHouseCount; ++n)
        cusps[n] = kSignStarts[sign + n] + within;
}

// Porphyry: the arcs of longitude from the midheaven to the ascendant and from the
// ascendant to the lower meridian, each cut into three.
void PorphyryCusps(double ascendant, double midheaven, HouseCuspTable &cusps) {
    const double upper = Wrap360(ascendant - midheaven); // midheaven to ascendant
    const double lower = 180.0 - upper;                  // ascendant to the lower meridian
    constexpr double kThird = 1.0 / 3.0;
    cusps[kCusp11] = Wrap360(midheaven + upper * kThird);
    cusps[kCusp12] = Wrap360(midheaven + 2.0 * upper * kThird);
    cusps[kCusp2] = Wrap360(ascendant + lower * kThird);
    cusps[kCusp3] = Wrap360(ascendant + 2.0 * lower * kThird);
}

// Placidus: a cusp is the ecliptic point that has run a third (cusps 11 and 3) or two
// thirds (12 and 2) of its own semi-arc from the meridian. A point of declination d has the
// ascensional difference AD, sin AD = tan phi tan d, and its diurnal semi-arc is 90 + AD;
// on the ecliptic tan d = tan e sin RA. Cusp 11 then lies at right ascension
// RA = RAMC + 30 + AD/3, cusp 12 at RAMC + 60 + 2 AD/3, cusp 2 at RAMC + 120 + 2 AD/3 and
// cusp 3 at RAMC + 150 + AD/3 (the lower ones on the nocturnal semi-arc, 90 - AD).
//
// With w = AD/3 (|w| < 30 degrees) and RA = RAMC + c + m w (m = 1 or 2) the condition reads
//   F(w) = sin 3w - K sin(RAMC + c + m w) = 0,  K = tan phi tan e,
// whose derivatives F' = 3 cos 3w - m K cos RA and F'' = -9 sin 3w + m^2 K sin RA come from
// the same sines and cosines. Outside the polar circles |K| < 1, F' stays positive and the
// root is single; Halley's method (each step w -= 2 F F' / (2 F'^2 - F F'')) triples the
// correct digits per step, and three steps reach the last bits anywhere within 66 degrees
// of latitude, two at most latitudes. The four cusps are solved side by side, which lets
// the processor overlap their arithmetic.
void PlacidusCusps(const Sky &sky, HouseCuspTable &cusps) {
    constexpr int kMostSteps = 8;
    constexpr double kConverged = 1e-5; // radians: the next step is of the order of its cube
    constexpr std::array<int, 4> kCusp = {kCusp11, kCusp12, kCusp2, kCusp3};
    constexpr std::array<double, 4> kM = {1.0, 2.0, 2.0, 1.0};
    const std::array<SinCos, 4> start = {Turn(sky.ramc, k30), Turn(sky.ramc, k60),
                                         Turn(sky.ramc, k120), Turn(sky.ramc, k150)};
    const double K = sky.tanPhi * sky.sinE / sky.cosE;
    std::array<double, 4> w;
    std::array<SinCos, 4> ra; // RAMC + c + m w, before the last step
    std::array<double, 4> step{};
    // The start is the root of F linearised about w = 0 (sin 3w ~ 3w, sin m w ~ m w,
    // cos m w ~ 1): within 0.6 degree of the root within 66 degrees of latitude, close
    // enough for two or three steps.
    for (int j = 0; j < 4; ++j)
        w[j] = K * start[j].sin / (3.0 - kM[j] * K * start[j].cos);
    for (int round = 0; round < kMostSteps; ++round) {
        double largest = 0.0;
        for (int j = 0; j < 4; ++j) {
            const SinCos third = OfRadians(w[j]);
            ra[j] = Turn(start[j], kM[j] == 1.0 ? third : Double(third));
            const double s2 = third.sin * third.sin;
            const double sin3 = third.sin * (3.0 - 4.0 * s2);
            const double cos3 = third.cos * (1.0 - 4.0 * s2);
            const double f = sin3 - K * ra[j].sin;
            const double f1 = 3.0 * cos3 - kM[j] * K * ra[j].cos;
            const double f2 = -9.0 * sin3 + kM[j] * kM[j] * K * ra[j].sin;
            step[j] = 2.0 * f * f1 / (2.0 * f1 * f1 - f * f2);
            w[j] -= step[j];
            largest = std::max(largest, std::fabs(step[j]));
        }
        if (largest < kConverged)
            break;
    }
    for (int j = 0; j < 4; ++j) {
        // The last step turns RA by -m step, small enough for sin = x, cos = 1 - x^2/2.
        const double turn = -kM[j] * step[j];
        cusps[kCusp[j]] =
            EclipticOfRightAscension(sky, Turn(ra[j], {turn, 1.0 - 0.5 * turn * turn}));
    }
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
    const SinCos third = OfRadians(ArcSineDegrees(K * sky.ramc.sin) * (kDegToRad / 3.0));
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
    const double near = sky.tanPhi * (1.0 / 3.0);
    const double far = sky.tanPhi * (2.0 / 3.0);
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

// Alcabitius: the ascendant's diurnal semi-arc S cut into thirds along the equator; the
// cusps are the ecliptic points on the hour circles there: right ascensions RAMC + S/3 and
// RAMC + 2S/3 for 11 and 12, and the nocturnal semi-arc 180 - S cut the same way for 2 and
// 3: RAMC + 60 + 2S/3 and RAMC + 120 + S/3. The ascendant is rising, so S is the hour
// angle it still has to go to the meridian: its right ascension (tan RA = tan A cos e) less
// the sidereal angle. (The same S as 90 + the ascensional difference, but without that
// formula's loss of digits near the poles.) `ascendant` is the ascendant's direction.
void AlcabitiusCusps(const Sky &sky, SinCos ascendant, HouseCuspTable &cusps) {
    const double ra = DirectionDegrees(ascendant.sin * sky.cosE, ascendant.cos);
    const double semiArc = Wrap360(ra - sky.ramcDegrees); // degrees, 0..180
    // S/3 lies in 0..60 degrees.
    const SinCos third = OfLessThanTurn(semiArc * (1.0 / 3.0));
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
        cusps[n + 6] = Opposite(cusps[n]);
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
        total += Wrap360(cusps[kUpperHalf[i + 1]] - cusps[kUpperHalf[i]]);
    return total < 270.0;
}

// The angles of the chart: the ascendant's direction (times a positive number) and the two
// longitudes, degrees.
struct Angles {
    SinCos ascendantPoint;
    double ascendant;
    double midheaven;
};

// All twelve cusps of `system`.
void FillCusps(HouseSystem system, const Sky &sky, double cosPhi, const Angles &angles,
               HouseCuspTable &cusps) {
    switch (system) {
    case HouseSystem::WholeSign:
        WholeSignCusps(angles.ascendant, cusps);
        break;
    case HouseSystem::Equal:
        EqualCusps(angles.ascendant, cusps);
        break;
    case HouseSystem::Porphyry:
        PorphyryCusps(angles.ascendant, angles.midheaven, cusps);
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
        AlcabitiusCusps(sky, angles.ascendantPoint, cusps);
        break;
    case HouseSystem::Topocentric:
        TopocentricCusps(sky, cusps);
        break;
    case HouseSystem::Morinus:
        MorinusCusps(sky, cusps);
        break;
    }
    if (IsQuadrantSystem(system)) {
        cusps[kCusp1] = angles.ascendant;
        cusps[kCusp10] = angles.midheaven;
        cusps[kCusp10 - 6] = Opposite(cusps[kCusp10]);
        cusps[kCusp11 - 6] = Opposite(cusps[kCusp11]);
        cusps[kCusp12 - 6] = Opposite(cusps[kCusp12]);
        cusps[kCusp1 + 6] = Opposite(cusps[kCusp1]);
        cusps[kCusp2 + 6] = Opposite(cusps[kCusp2]);
        cusps[kCusp3 + 6] = Opposite(cusps[kCusp3]);
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
    double latitude = FiniteOrZero(latitudeDegrees);
    const double obliquity = FiniteOrZero(obliquityDegrees);
    const bool pole = std::fabs(latitude) >= 90.0;
    if (pole)
        latitude = std::copysign(kPoleStandInLatitude, latitude);
    const bool polar = std::fabs(latitude) >= 90.0 - obliquity;

    Sky sky;
    sky.ramcDegrees = FiniteOrZero(ramcDegrees);
    if (!(std::fabs(sky.ramcDegrees) < 360.0))
        sky.ramcDegrees = std::fmod(sky.ramcDegrees, 360.0);
    sky.ramc = OfLessThanTurn(sky.ramcDegrees);
    const SinCos e = OfDegrees(obliquity);
    sky.sinE = e.sin;
    sky.cosE = e.cos;
    const SinCos phi = OfLessThanTurn(latitude);
    sky.sinPhi = phi.sin;
    sky.cosPhi = phi.cos;
    sky.tanPhi = phi.sin / phi.cos;
    const bool midheavenDown = MidheavenDown(sky); // only ever inside the polar circles
    Angles angles;
    angles.ascendantPoint = AscendantPoint(sky, midheavenDown);
    angles.ascendant = DirectionDegrees(angles.ascendantPoint.sin, angles.ascendantPoint.cos);
    angles.midheaven = EclipticOfRightAscension(sky, sky.ramc);

    HouseSystem used = system;
    HouseFallback fallback = HouseFallback::None;
    if (pole) {
        used = HouseSystem::Porphyry;
        fallback = HouseFallback::Pole;
    } else if (polar && (NeedsRisingEcliptic(system) ||
                         (midheavenDown && NeedsMidheavenAboveHorizon(system)))) {
        used = HouseSystem::Porphyry;
        fallback = HouseFallback::PolarCircle;
    }
    HouseCuspTable cusps; // every one filled below
    FillCusps(used, sky, phi.cos, angles, cusps);
    if (polar && used == HouseSystem::Topocentric && !QuadrantsInOrder(cusps)) {
        used = HouseSystem::Porphyry;
        fallback = HouseFallback::PolarCircle;
        FillCusps(used, sky, phi.cos, angles, cusps);
    }
    return {system, used, fallback, angles.ascendant, angles.midheaven, cusps};
}

int HouseOfLongitude(double longitude, const HouseCuspTable &cusps) {
    double at = std::isfinite(longitude) ? std::fmod(longitude, 360.0) : 0.0;
    at = Wrap360(at);
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
