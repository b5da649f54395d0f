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
#include <cstring>
#include <limits>

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

// The angle a + b.
[[gnu::always_inline]] inline SinCos Turn(SinCos a, SinCos b) {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// --- Sines, cosines and directions --------------------------------------------------------
// A house system costs a handful of sines, cosines and arctangents, so these are our own:
// the library functions of the C runtime take care over the last bit of every result and
// over arguments of any size, and would cost several times what the houses themselves do.
// The independent ones of a chart are evaluated side by side in the lanes of a vector (GCC's
// vector extensions), two or four at a time, which the processor does in one or two
// instructions per step. Arguments are split in degrees, where that is exact, into a
// tabulated part and a small rest for a short Taylor series (coefficients 1/n!); what the
// series leave out is below 1e-15 and the rounding a few units of the last place, well below
// 1e-13 degree and far inside the 0.001" the cusps are checked to.

using Lanes2 = double __attribute__((vector_size(16)));
using Bits2 = std::int64_t __attribute__((vector_size(16)));

// Four lanes as two pairs: the processors we build for without options have two-lane
// instructions only, and GCC keeps wider vectors in memory there.
struct Lanes4 {
    Lanes2 low{};  // lanes 0 and 1
    Lanes2 high{}; // lanes 2 and 3
    constexpr Lanes4() = default;
    constexpr Lanes4(Lanes2 lowLanes, Lanes2 highLanes) : low(lowLanes), high(highLanes) {}
    constexpr Lanes4(double a, double b, double c, double d) : low{a, b}, high{c, d} {}
    double operator[](int i) const { return i < 2 ? low[i] : high[i - 2]; }
};
// Lane by lane arithmetic, also with a number for every lane.
#define STARLOOM_LANES4_OPERATOR(op)                                                               \
    [[maybe_unused, gnu::always_inline]] inline Lanes4 operator op(Lanes4 a, Lanes4 b) {           \
        return {a.low op b.low, a.high op b.high};                                                 \
    }                                                                                              \
    [[maybe_unused, gnu::always_inline]] inline Lanes4 operator op(Lanes4 a, double b) {           \
        return {a.low op b, a.high op b};                                                          \
    }                                                                                              \
    [[maybe_unused, gnu::always_inline]] inline Lanes4 operator op(double a, Lanes4 b) {           \
        return {a op b.low, a op b.high};                                                          \
    }
STARLOOM_LANES4_OPERATOR(+)
STARLOOM_LANES4_OPERATOR(-)
STARLOOM_LANES4_OPERATOR(*)
STARLOOM_LANES4_OPERATOR(/)
#undef STARLOOM_LANES4_OPERATOR
[[gnu::always_inline]] inline Lanes4 operator-(Lanes4 a) {
    return {-a.low, -a.high};
}
[[gnu::always_inline]] inline Lanes4 &operator-=(Lanes4 &a, Lanes4 b) {
    return a = a - b;
}

// Adding and taking away 1.5 * 2^52 rounds to a whole number in double arithmetic, and the
// sum's low bits are that whole number (two's complement, after taking away the shift's).
constexpr double kRoundingShift = 6755399441055744.0;
constexpr std::int64_t kRoundingShiftBits = 0x4338000000000000;
constexpr std::int64_t kSignBit = std::numeric_limits<std::int64_t>::min();

// Constants for both lanes, written out as vectors: GCC loads those whole, while a number
// combined with a vector is copied into both lanes at run time.
constexpr Lanes2 Both(double value) {
    return Lanes2{value, value};
}
constexpr Bits2 kSignBits = {kSignBit, kSignBit};
constexpr Bits2 kNotSignBits = {~kSignBit, ~kSignBit};

[[gnu::always_inline]] inline Bits2 Bits(Lanes2 v) {
    return reinterpret_cast<Bits2>(v);
}
[[gnu::always_inline]] inline Lanes2 FromBits(Bits2 b) {
    return reinterpret_cast<Lanes2>(b);
}
// The lanes of `a` where `mask` is all zeros, of `b` where it is all ones.
[[gnu::always_inline]] inline Lanes2 Select(Bits2 mask, Lanes2 a, Lanes2 b) {
    return FromBits((Bits(a) & ~mask) | (Bits(b) & mask));
}

// Lane by lane comparisons, all ones where a < b (a <= b), zeros elsewhere. GCC's own vector
// comparisons compare lane by lane in scalar code where the processor has no instruction for
// the whole vector; SSE2's do two lanes.
[[gnu::always_inline]] inline Bits2 Less(Lanes2 a, Lanes2 b) {
#ifdef __SSE2__
    return reinterpret_cast<Bits2>(__builtin_ia32_cmpltpd(a, b));
#else
    return a < b;
#endif
}
[[gnu::always_inline]] inline Lanes2 Min(Lanes2 a, Lanes2 b) {
#ifdef __SSE2__
    return __builtin_ia32_minpd(a, b);
#else
    return Select(Less(b, a), a, b);
#endif
}
[[gnu::always_inline]] inline Lanes2 Max(Lanes2 a, Lanes2 b) {
#ifdef __SSE2__
    return __builtin_ia32_maxpd(a, b);
#else
    return Select(Less(a, b), a, b);
#endif
}
[[gnu::always_inline]] inline Bits2 LessOrEqual(Lanes2 a, Lanes2 b) {
#ifdef __SSE2__
    return reinterpret_cast<Bits2>(__builtin_ia32_cmplepd(a, b));
#else
    return a <= b;
#endif
}

// The sines and cosines of 0, 90, 180 and 270 degrees.
constexpr std::array<SinCos, 4> kQuarterTurns = {
    {{0.0, 1.0}, {1.0, 0.0}, {0.0, -1.0}, {-1.0, 0.0}}};

// The sines and cosines of the whole degrees -360..360 (entry d + 360), each from the sine
// and cosine of its rest after whole quarter turns (so that the quarter points are exact
// zeros and ones).
constexpr int kWholeDegreeCount = 721;
struct WholeDegrees {
    std::array<double, kWholeDegreeCount> sin{};
    std::array<double, kWholeDegreeCount> cos{};
    WholeDegrees() {
        for (int i = 0; i < kWholeDegreeCount; ++i) {
            const int d = (i + 360) % 360;
            const double rest = (d % 90) * kDegToRad;
            const SinCos at = Turn(kQuarterTurns[d / 90], {std::sin(rest), std::cos(rest)});
            sin[i] = at.sin;
            cos[i] = at.cos;
        }
    }
};
const WholeDegrees kWholeDegrees;

template <typename V> struct SinCosLanes {
    V sin;
    V cos;
};

// The sines and cosines of angles in degrees, |d| < 360: the nearest whole degree from the
// table, turned by the rest r (at most half a degree, exact in degrees), whose sine and
// cosine are r - r^3/6 + r^5/120 and 1 - r^2/2 + r^4/24 in radians (what is left out stays
// below 1e-15).
[[gnu::always_inline]] inline SinCosLanes<Lanes2> OfDegreesLanes(Lanes2 degrees) {
    const Lanes2 shifted = degrees + Both(kRoundingShift);
    const Lanes2 whole = shifted - Both(kRoundingShift);
    const Lanes2 r = (degrees - whole) * Both(kDegToRad);
    const Lanes2 r2 = r * r;
    // Summed in pairs of terms (Estrin's scheme) for a shorter chain of dependent operations.
    const Lanes2 restSin = r + (r * r2) * (Both(-1.0 / 6.0) + r2 * Both(1.0 / 120.0));
    const Lanes2 restCos = (Both(1.0) + r2 * Both(-0.5)) + (r2 * r2) * Both(1.0 / 24.0);
    const Bits2 index = Bits(shifted) - Bits2{kRoundingShiftBits - 360, kRoundingShiftBits - 360};
    const Lanes2 tableSin = {kWholeDegrees.sin[index[0]], kWholeDegrees.sin[index[1]]};
    const Lanes2 tableCos = {kWholeDegrees.cos[index[0]], kWholeDegrees.cos[index[1]]};
    return {tableSin * restCos + tableCos * restSin, tableCos * restCos - tableSin * restSin};
}

[[gnu::always_inline]] inline SinCosLanes<Lanes4> OfDegreesLanes(Lanes4 degrees) {
    const SinCosLanes<Lanes2> low = OfDegreesLanes(degrees.low);
    const SinCosLanes<Lanes2> high = OfDegreesLanes(degrees.high);
    return {{low.sin, high.sin}, {low.cos, high.cos}};
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

// Wrap360 for both lanes, to the same results.
[[gnu::always_inline]] inline Lanes2 Wrap360(Lanes2 degrees) {
    const Lanes2 turn = Both(360.0);
    const Bits2 below = Less(degrees, Lanes2{});
    const Bits2 beyond = LessOrEqual(turn, degrees);
    const Lanes2 wrapped = degrees + FromBits((below & Bits(turn)) | (beyond & Bits(-turn)));
    return FromBits(Bits(wrapped) & ~LessOrEqual(turn, wrapped)) + Lanes2{};
}

// The longitudes opposite some in 0..360, also in 0..360: 180 added below 180, taken away
// from there on.
[[gnu::always_inline]] inline Lanes2 Opposites(Lanes2 degrees) {
    const Lanes2 half = Both(180.0);
    return degrees + FromBits(Bits(half) ^ (LessOrEqual(half, degrees) & kSignBits));
}
[[gnu::always_inline]] inline Lanes4 Opposites(Lanes4 degrees) {
    return {Opposites(degrees.low), Opposites(degrees.high)};
}

// The arctangents (in degrees) of the nodes c = k/256, k = 0..256.
constexpr int kArcTangentNodeCount = 256;
struct ArcTangentNodes {
    std::array<double, kArcTangentNodeCount + 1> at{};
    ArcTangentNodes() {
        for (int k = 0; k <= kArcTangentNodeCount; ++k)
            at[k] = std::atan(static_cast<double>(k) / kArcTangentNodeCount) * kRadToDeg;
    }
};
const ArcTangentNodes kArcTangentNodes;

// The directions of the points (x, y) in degrees, 0 <= a < 360 (0 at the origin). The ratio
// t = min/max of |x| and |y|, in 0..1, is taken to its nearest node c (exactly, in whole
// 256ths): atan t = atan c + atan u with u = (t - c) / (1 + t c), |u| <= 1/512, whose series
// u - u^3/3 + u^5/5 leaves out less than 1e-19. The direction in the first octant is
// then unfolded: 90 - a where |y| > |x|, 180 - that where x < 0, 360 - that where y < 0,
// as an offset (exact) and a sign, so that the result is rounded once.
[[gnu::always_inline]] inline Lanes2 Directions(Lanes2 y, Lanes2 x) {
    const Lanes2 ax = FromBits(Bits(x) & kNotSignBits);
    const Lanes2 ay = FromBits(Bits(y) & kNotSignBits);
    const Bits2 swap = Less(ax, ay);
    const Lanes2 num = Min(ax, ay);
    // (At the origin, where both are 0, any positive divisor gives t = 0.)
    const Lanes2 den = Max(ax, Max(ay, Both(std::numeric_limits<double>::min())));
    const Lanes2 t = num / den;
    // The node in whole 256ths, n = 256 c, and u = (t - c) / (1 + t c) = (256 t - n) /
    // (256 + t n), where 256 t - n is exact.
    const Lanes2 scaled = t * Both(kArcTangentNodeCount);
    const Lanes2 shifted = scaled + Both(kRoundingShift);
    const Lanes2 n = shifted - Both(kRoundingShift);
    const Bits2 k = Bits(shifted) - Bits2{kRoundingShiftBits, kRoundingShiftBits};
    const Lanes2 u = (scaled - n) / (Both(kArcTangentNodeCount) + t * n);
    // The unfolding, and the node's arctangent with its sign, meanwhile.
    const Bits2 xNegative = Less(x, Lanes2{});
    const Bits2 yNegative = Less(y, Lanes2{});
    const Lanes2 offset90 = FromBits(swap & Bits(Both(90.0)));
    const Lanes2 offset180 = FromBits(Bits(offset90) ^ (xNegative & kSignBits)) +
                             FromBits(xNegative & Bits(Both(180.0)));
    const Lanes2 offset = FromBits(Bits(offset180) ^ (yNegative & kSignBits)) +
                          FromBits(yNegative & Bits(Both(360.0)));
    const Bits2 sign = (swap ^ xNegative ^ yNegative) & kSignBits;
    const Lanes2 node = {kArcTangentNodes.at[k[0]], kArcTangentNodes.at[k[1]]};
    const Lanes2 nodeDirection = offset + FromBits(Bits(node) ^ sign);
    // The series in degrees, summed in pairs of terms (Estrin's scheme) for a shorter chain of
    // dependent operations.
    const Lanes2 uDegrees = u * Both(kRadToDeg);
    const Lanes2 u2 = u * u;
    const Lanes2 higher = Both(-1.0 / 3.0) + u2 * Both(1.0 / 5.0);
    const Lanes2 rest = uDegrees + (uDegrees * u2) * higher;
    const Lanes2 direction = nodeDirection + FromBits(Bits(rest) ^ sign);
    return FromBits(Bits(direction) & ~LessOrEqual(Both(360.0), direction));
}

[[gnu::always_inline]] inline Lanes4 Directions(Lanes4 y, Lanes4 x) {
    return {Directions(y.low, x.low), Directions(y.high, x.high)};
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

// The sines and cosines of the sidereal angle plus each lane's `offset`.
[[gnu::always_inline]] inline SinCosLanes<Lanes4> TurnRamc(const Sky &sky,
                                                           SinCosLanes<Lanes4> offset) {
    return {sky.ramc.sin * offset.cos + sky.ramc.cos * offset.sin,
            sky.ramc.cos * offset.cos - sky.ramc.sin * offset.sin};
}

// Each lane's angle a turned by the lane's b.
[[gnu::always_inline]] inline SinCosLanes<Lanes4> TurnLanes(SinCosLanes<Lanes4> a,
                                                            SinCosLanes<Lanes4> b) {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// Four points of the ecliptic (cusps 11, 12, 2 and 3) as directions (x, y) times a positive
// number.
struct CuspPoints {
    Lanes4 y;
    Lanes4 x;
};

// The ecliptic points on the horizons of places whose sidereal angles are `x` and whose
// latitudes have tangents `tanPole` (J. Meeus, chapter 14, for the horizon's equation):
//   tan A = cos X / -(sin X cos e + sin e tan pole),
// as the direction (sin A, cos A) times a positive number, in the half of the circle where
// sin A has the sign of cos X. That is the rising point wherever |pole| < 90 - e, and so
// for every house circle at a latitude outside the polar circles.
[[gnu::always_inline]] inline CuspPoints HorizonPoints(const Sky &sky, SinCosLanes<Lanes4> x,
                                                       Lanes4 tanPole) {
    return {x.cos, -(x.sin * sky.cosE + sky.sinE * tanPole)};
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
    // A branch (taken only inside the polar circles) rather than a selection that would wait
    // for the test.
    if (__builtin_expect(midheavenDown, 0))
        return {-sin, -cos};
    return {sin, cos};
}

// The ecliptic points with right ascensions `ra`, where the hour circles of those right
// ascensions cut the ecliptic: tan L = tan RA / cos e, in the quadrant of RA. With the
// sidereal angle it is the midheaven: the ecliptic point on the upper meridian, whether or
// not that point is above the horizon (inside the polar circles it may not be).
[[gnu::always_inline]] inline CuspPoints EclipticOfRightAscension(const Sky &sky,
                                                                  SinCosLanes<Lanes4> ra) {
    return {ra.sin, ra.cos * sky.cosE};
}

// -60, -30, 30 and 60 degrees.
constexpr SinCosLanes<Lanes4> kSixtiethsOfTurn = {
    Lanes4{-kHalfRootThree, -0.5, 0.5, kHalfRootThree},
    Lanes4{0.5, kHalfRootThree, kHalfRootThree, 0.5}};

// --- The systems --------------------------------------------------------------------------
// The quadrant systems give the points of cusps 11, 12, 2 and 3; their directions, the
// angles and the opposite cusps are filled in by the caller.

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
// ascendant to the lower meridian, each cut into three. Cusps 11, 12, 2 and 3.
[[gnu::always_inline]] inline Lanes4 PorphyryCusps(double ascendant, double midheaven) {
    // A third and two thirds of the arc from the midheaven to the ascendant; those of the arc
    // from the ascendant to the lower meridian are 60 and 120 degrees less them.
    const Lanes2 thirds = Wrap360(Both(ascendant - midheaven)) * Lanes2{1.0 / 3.0, 2.0 / 3.0};
    return {Wrap360(Both(midheaven) + thirds),
            Wrap360(Lanes2{ascendant + 60.0, ascendant + 120.0} - thirds)};
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
CuspPoints PlacidusCusps(const Sky &sky) {
    constexpr int kMostSteps = 8;
    constexpr double kConverged = 1e-5; // radians: the next step is of the order of its cube
    const Lanes4 m(1.0, 2.0, 2.0, 1.0);
    const SinCosLanes<Lanes4> start =
        TurnRamc(sky, {Lanes4{0.5, kHalfRootThree, kHalfRootThree, 0.5},
                       Lanes4{kHalfRootThree, 0.5, -0.5, -kHalfRootThree}}); // 30, 60, 120, 150
    const double K = sky.tanPhi * sky.sinE / sky.cosE;
    // The start is the root of F linearised about w = 0 (sin 3w ~ 3w, sin m w ~ m w,
    // cos m w ~ 1): within 0.6 degree of the root within 66 degrees of latitude, close
    // enough for two or three steps.
    Lanes4 w = K * start.sin / (3.0 - m * K * start.cos);
    SinCosLanes<Lanes4> ra; // RAMC + c + m w, before the last step
    Lanes4 step{};
    for (int round = 0; round < kMostSteps; ++round) {
        const SinCosLanes<Lanes4> third = OfDegreesLanes(w * kRadToDeg);
        const SinCosLanes<Lanes4> both = {2.0 * third.sin * third.cos,
                                          (third.cos - third.sin) * (third.cos + third.sin)};
        // m w: w in lanes 0 and 3, 2w in lanes 1 and 2.
        const Bits2 lowTwice = {0, -1};
        const Bits2 highTwice = {-1, 0};
        const SinCosLanes<Lanes4> turn = {{Select(lowTwice, third.sin.low, both.sin.low),
                                           Select(highTwice, third.sin.high, both.sin.high)},
                                          {Select(lowTwice, third.cos.low, both.cos.low),
                                           Select(highTwice, third.cos.high, both.cos.high)}};
        ra = TurnLanes(start, turn);
        const Lanes4 s2 = third.sin * third.sin;
        const Lanes4 sin3 = third.sin * (3.0 - 4.0 * s2);
        const Lanes4 cos3 = third.cos * (1.0 - 4.0 * s2);
        const Lanes4 f = sin3 - K * ra.sin;
        const Lanes4 f1 = 3.0 * cos3 - m * K * ra.cos;
        const Lanes4 f2 = -9.0 * sin3 + m * m * K * ra.sin;
        step = 2.0 * f * f1 / (2.0 * f1 * f1 - f * f2);
        w -= step;
        const Lanes2 size = FromBits(Bits(step.low) & kNotSignBits);
        const Lanes2 sizeHigh = FromBits(Bits(step.high) & kNotSignBits);
        if (std::max(std::max(size[0], size[1]), std::max(sizeHigh[0], sizeHigh[1])) < kConverged)
            break;
    }
    // The last step turns RA by -m step, small enough for sin = x, cos = 1 - x^2/2.
    const Lanes4 turn = -m * step;
    return EclipticOfRightAscension(sky, TurnLanes(ra, {turn, 1.0 - 0.5 * turn * turn}));
}

// Koch: the midheaven's degree takes its diurnal semi-arc, 90 + AD (AD its ascensional
// difference, sin AD = tan phi tan e sin RAMC), to climb from the horizon to the meridian.
// Cut into thirds, the times at which it rose and two later ones give the ascendants that
// are cusps 10 (itself), 11 and 12; going on by the same steps gives 1, 2 and 3 (4 is the
// moment the midheaven's degree sets). In sidereal angles: cusp 11 is the ascendant of
// RAMC - 60 - 2 AD/3, cusp 12 of RAMC - 30 - AD/3, cusp 2 of RAMC + 30 + AD/3 and cusp 3 of
// RAMC + 60 + 2 AD/3, all at the birthplace's latitude. `complement` is 90 - AD, degrees
// (0..180).
CuspPoints KochCusps(const Sky &sky, double complement) {
    // AD/3 and 2 AD/3, side by side.
    const SinCosLanes<Lanes2> thirds =
        OfDegreesLanes(Lanes2{30.0, 60.0} - Both(complement) * Lanes2{1.0 / 3.0, 2.0 / 3.0});
    const SinCos third = {thirds.sin[0], thirds.cos[0]};
    const SinCos twoThirds = {thirds.sin[1], thirds.cos[1]};
    // The horizon points (HorizonPoints) of the sidereal angles RAMC + s + t, s = -60, -30, 30
    // and 60 and t the lanes' thirds, with the parts that do not depend on t first.
    const SinCosLanes<Lanes4> steps = TurnRamc(sky, kSixtiethsOfTurn);
    const Lanes4 sinPart = steps.sin * sky.cosE;
    const Lanes4 cosPart = steps.cos * sky.cosE;
    const double polePart = sky.sinE * sky.tanPhi;
    const SinCosLanes<Lanes4> t = {Lanes4{-twoThirds.sin, -third.sin, third.sin, twoThirds.sin},
                                   Lanes4{twoThirds.cos, third.cos, third.cos, twoThirds.cos}};
    return {steps.cos * t.cos - steps.sin * t.sin,
            -((sinPart * t.cos + cosPart * t.sin) + polePart)};
}

// The systems whose house circles pass through the north and south points of the horizon
// and cut the equator at hour angles H east of the meridian, H = h and 90 - h for cusps 11
// and 12 and 90 + h' and 180 - h' for 2 and 3, with the tangents of their poles given. Such
// a circle is the horizon of the sidereal angle RAMC + H - 90 at the latitude (the pole)
// tan f = tan phi sin H; Regiomontanus has the poles of its own circles, Topocentric its
// own, smaller ones. `offset` is H - 90 for each cusp.
CuspPoints CuspsOnCircles(const Sky &sky, SinCosLanes<Lanes4> offset, Lanes4 tanPole) {
    return HorizonPoints(sky, TurnRamc(sky, offset), tanPole);
}

// Regiomontanus: the circles cut the equator 30, 60, 120 and 150 degrees east of the
// meridian; tan f = tan phi sin H.
CuspPoints RegiomontanusCusps(const Sky &sky) {
    const double near = sky.tanPhi * 0.5;           // H = 30 and 150
    const double far = sky.tanPhi * kHalfRootThree; // H = 60 and 120
    return CuspsOnCircles(sky, kSixtiethsOfTurn, Lanes4{near, far, far, near});
}

// Topocentric (W. Polich and A. P. Nelson Page): the same sidereal steps as
// Regiomontanus, with the poles' tangents a third and two thirds of tan phi.
CuspPoints TopocentricCusps(const Sky &sky) {
    const double near = sky.tanPhi * (1.0 / 3.0);
    const double far = sky.tanPhi * (2.0 / 3.0);
    return CuspsOnCircles(sky, kSixtiethsOfTurn, Lanes4{near, far, far, near});
}

// Campanus: the circles through the north and south points that cut the prime vertical 30
// and 60 degrees from the zenith (and, below the horizon, 120 and 150). The circle turned by
// g from the meridian meets the equator at the hour angle H with tan H = cos phi tan g;
// no arctangent is needed, since only H's sine and cosine enter.
CuspPoints CampanusCusps(const Sky &sky) {
    // tan H for g = 30 and 60, side by side.
    const Lanes2 tanH = sky.cosPhi * Lanes2{1.0 / (2.0 * kHalfRootThree), 2.0 * kHalfRootThree};
    Lanes2 cosH = 1.0 + tanH * tanH;
    cosH = Lanes2{1.0 / std::sqrt(cosH[0]), 1.0 / std::sqrt(cosH[1])};
    const Lanes2 sinH = tanH * cosH;
    // H - 90 for H = h30 and h60, and for 180 - h60 and 180 - h30.
    const SinCosLanes<Lanes4> offset = {Lanes4{-cosH[0], -cosH[1], cosH[1], cosH[0]},
                                        Lanes4{sinH[0], sinH[1], sinH[1], sinH[0]}};
    const Lanes4 tanPole = sky.tanPhi * offset.cos;
    return CuspsOnCircles(sky, offset, tanPole);
}

// Alcabitius: the ascendant's diurnal semi-arc S cut into thirds along the equator; the
// cusps are the ecliptic points on the hour circles there: right ascensions RAMC + S/3 and
// RAMC + 2S/3 for 11 and 12, and the nocturnal semi-arc 180 - S cut the same way for 2 and
// 3: RAMC + 60 + 2S/3 and RAMC + 120 + S/3. The ascendant is rising, so S is the hour
// angle it still has to go to the meridian: its right ascension (tan RA = tan A cos e) less
// the sidereal angle. (The same S as 90 + the ascensional difference, but without that
// formula's loss of digits near the poles.) `semiArc` is S, degrees (0..180).
CuspPoints AlcabitiusCusps(const Sky &sky, double semiArc) {
    // S/3 and 2S/3, side by side.
    const SinCosLanes<Lanes2> thirds = OfDegreesLanes(Both(semiArc) * Lanes2{1.0 / 3.0, 2.0 / 3.0});
    const SinCos third = {thirds.sin[0], thirds.cos[0]};
    const SinCos twoThirds = {thirds.sin[1], thirds.cos[1]};
    const SinCosLanes<Lanes4> start = TurnRamc(
        sky, {Lanes4{0.0, 0.0, kHalfRootThree, kHalfRootThree}, Lanes4{1.0, 1.0, 0.5, -0.5}});
    const SinCosLanes<Lanes4> ra =
        TurnLanes(start, {Lanes4{third.sin, twoThirds.sin, twoThirds.sin, third.sin},
                          Lanes4{third.cos, twoThirds.cos, twoThirds.cos, third.cos}});
    return EclipticOfRightAscension(sky, ra);
}

// Morinus: the equator cut into twelve 30-degree arcs from the east point (RAMC + 90), each
// division carried to the ecliptic along the circle through the ecliptic's poles:
// tan L = tan RA cos e.
void MorinusCusps(const Sky &sky, HouseCuspTable &cusps) {
    std::array<SinCos, kHouseCount / 2> ra;
    ra[0] = {sky.ramc.cos, -sky.ramc.sin}; // RAMC + 90
    for (int n = 1; n < kHouseCount / 2; ++n)
        ra[n] = Turn(ra[n - 1], k30);
    const Lanes4 first = Directions(Lanes4{ra[0].sin, ra[1].sin, ra[2].sin, ra[3].sin} * sky.cosE,
                                    Lanes4{ra[0].cos, ra[1].cos, ra[2].cos, ra[3].cos});
    const Lanes2 last =
        Directions(Lanes2{ra[4].sin, ra[5].sin} * sky.cosE, Lanes2{ra[4].cos, ra[5].cos});
    const Lanes4 firstOpposite = Opposites(first);
    const Lanes2 lastOpposite = Opposites(last);
    cusps = {first[0],         first[1],         first[2],         first[3],
             last[0],          last[1],          firstOpposite[0], firstOpposite[1],
             firstOpposite[2], firstOpposite[3], lastOpposite[0],  lastOpposite[1]};
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
// longitudes, degrees, and what Koch and Alcabitius need from the same round of arctangents.
struct Angles {
    SinCos ascendantPoint;
    double ascendant;
    double midheaven;
    double extra; // Koch: 90 less the midheaven's ascensional difference; Alcabitius: the
                  // ascendant's semi-arc (degrees)
};

// The angles' directions, with the extra one where the system needs it.
Angles FindAngles(HouseSystem system, const Sky &sky, bool midheavenDown) {
    Angles angles;
    angles.ascendantPoint = AscendantPoint(sky, midheavenDown);
    const SinCos asc = angles.ascendantPoint;
    const SinCos mc = {sky.ramc.sin, sky.ramc.cos * sky.cosE}; // tan L = tan RAMC / cos e
    if (system == HouseSystem::Koch) {
        // sin AD = tan phi tan e sin RAMC = P / Q with P = sin phi sin e sin RAMC and
        // Q = cos phi cos e, so that 90 - AD is the direction of (P, sqrt(Q^2 - P^2)), in
        // 0..180, with no division (|P| < Q outside the polar circles, where Koch is used).
        const double P = sky.sinPhi * sky.sinE * sky.ramc.sin;
        const double Q = sky.cosPhi * sky.cosE;
        const double c2 = (Q - P) * (Q + P);
        const Lanes4 d = Directions(Lanes4{asc.sin, mc.sin, c2 > 0.0 ? std::sqrt(c2) : 0.0, 0.0},
                                    Lanes4{asc.cos, mc.cos, P, 1.0});
        angles.ascendant = d[0];
        angles.midheaven = d[1];
        angles.extra = d[2];
    } else if (system == HouseSystem::Alcabitius) {
        // The ascendant's right ascension RA (tan RA = tan A cos e) less the sidereal angle: the
        // direction (sin A cos e, cos A) turned back by RAMC.
        const double y = asc.sin * sky.cosE;
        const Lanes4 d =
            Directions(Lanes4{asc.sin, mc.sin, y * sky.ramc.cos - asc.cos * sky.ramc.sin, 0.0},
                       Lanes4{asc.cos, mc.cos, asc.cos * sky.ramc.cos + y * sky.ramc.sin, 1.0});
        angles.ascendant = d[0];
        angles.midheaven = d[1];
        angles.extra = d[2];
    } else {
        const Lanes2 d = Directions(Lanes2{asc.sin, mc.sin}, Lanes2{asc.cos, mc.cos});
        angles.ascendant = d[0];
        angles.midheaven = d[1];
        angles.extra = 0.0;
    }
    return angles;
}

// A quadrant system's table from cusps 11, 12, 2 and 3 and the angles.
void QuadrantTable(Lanes4 cusps11To3, const Angles &angles, HouseCuspTable &cusps) {
    const Lanes4 opposite = Opposites(cusps11To3);
    const Lanes2 angleOpposite = Opposites(Lanes2{angles.ascendant, angles.midheaven});
    cusps = {angles.ascendant, cusps11To3[2],    cusps11To3[3],    angleOpposite[1],
             opposite[0],      opposite[1],      angleOpposite[0], opposite[2],
             opposite[3],      angles.midheaven, cusps11To3[0],    cusps11To3[1]};
}

[[gnu::always_inline]] inline void QuadrantTable(CuspPoints points, const Angles &angles,
                                                 HouseCuspTable &cusps) {
    QuadrantTable(Directions(points.y, points.x), angles, cusps);
}

// All twelve cusps of `system`.
[[gnu::always_inline]] inline void FillCusps(HouseSystem system, const Sky &sky,
                                             const Angles &angles, HouseCuspTable &cusps) {
    switch (system) {
    case HouseSystem::WholeSign:
        WholeSignCusps(angles.ascendant, cusps);
        break;
    case HouseSystem::Equal:
        EqualCusps(angles.ascendant, cusps);
        break;
    case HouseSystem::Porphyry:
        QuadrantTable(PorphyryCusps(angles.ascendant, angles.midheaven), angles, cusps);
        break;
    case HouseSystem::Placidus:
        QuadrantTable(PlacidusCusps(sky), angles, cusps);
        break;
    case HouseSystem::Koch:
        QuadrantTable(KochCusps(sky, angles.extra), angles, cusps);
        break;
    case HouseSystem::Regiomontanus:
        QuadrantTable(RegiomontanusCusps(sky), angles, cusps);
        break;
    case HouseSystem::Campanus:
        QuadrantTable(CampanusCusps(sky), angles, cusps);
        break;
    case HouseSystem::Alcabitius:
        QuadrantTable(AlcabitiusCusps(sky, angles.extra), angles, cusps);
        break;
    case HouseSystem::Topocentric:
        QuadrantTable(TopocentricCusps(sky), angles, cusps);
        break;
    case HouseSystem::Morinus:
        MorinusCusps(sky, cusps);
        break;
    }
}

// Porphyry's cusps where Topocentric cusps come out of order (rare: not inlined).
[[gnu::noinline]] void FillPorphyryCusps(const Angles &angles, HouseCuspTable &cusps) {
    QuadrantTable(PorphyryCusps(angles.ascendant, angles.midheaven), angles, cusps);
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
    // The sines and cosines of the sidereal angle, the obliquity and the latitude together.
    const SinCosLanes<Lanes4> trig = OfDegreesLanes(Lanes4{
        sky.ramcDegrees, std::fabs(obliquity) < 360.0 ? obliquity : std::fmod(obliquity, 360.0),
        latitude, 0.0});
    sky.ramc = {trig.sin[0], trig.cos[0]};
    sky.sinE = trig.sin[1];
    sky.cosE = trig.cos[1];
    sky.sinPhi = trig.sin[2];
    sky.cosPhi = trig.cos[2];
    sky.tanPhi = sky.sinPhi / sky.cosPhi;
    const bool midheavenDown = MidheavenDown(sky); // only ever inside the polar circles

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
    const Angles angles = FindAngles(used, sky, midheavenDown);
    HouseCusps houses{system, used, fallback, angles.ascendant, angles.midheaven, {}};
    FillCusps(used, sky, angles, houses.cusps);
    if (polar && used == HouseSystem::Topocentric && !QuadrantsInOrder(houses.cusps)) {
        houses.used = HouseSystem::Porphyry;
        houses.fallback = HouseFallback::PolarCircle;
        FillPorphyryCusps(angles, houses.cusps);
    }
    return houses;
}

int HouseOfLongitude(double longitude, const HouseCuspTable &cusps) {
    return HouseFinder(cusps).houseOf(longitude);
}

HouseFinder::HouseFinder(const HouseCuspTable &cusps) {
    for (int n = 0; n < kHouseCount; ++n) {
        m_from[n] = cusps[n];
        m_to[n] = cusps[(n + 1) % kHouseCount];
        m_acrossZero[n] = m_from[n] <= m_to[n] ? 0 : -1;
    }
}

int HouseFinder::houseOf(double longitude) const {
    double at = 0.0;
    if (std::isfinite(longitude)) // fmod leaves a longitude within a turn as it is
        at = std::fabs(longitude) < 360.0 ? longitude : std::fmod(longitude, 360.0);
    const Lanes2 here = Both(Wrap360(at));
    // Every house is asked, the first that holds the longitude wins: no branch on which
    // house a body is in, which the processor could not foresee. A house holds what is
    // past its first cusp and short of the next one; one that runs across 0 degrees what
    // is past its first cusp or short of the next one. (A comparison with a cusp that is
    // no number is false, in the lanes as in a single test.)
    // Each lane gathers its houses' bits, house n as bit n.
    constexpr std::array<std::int64_t, kHouseCount> kHouseBits = [] {
        std::array<std::int64_t, kHouseCount> houseBits{};
        for (int n = 0; n < kHouseCount; ++n)
            houseBits[n] = std::int64_t{1} << n;
        return houseBits;
    }();
    Bits2 holding = {0, 0};
    for (int n = 0; n < kHouseCount; n += 2) {
        Lanes2 from;
        Lanes2 to;
        Bits2 acrossZero;
        std::memcpy(&from, &m_from[n], sizeof from);
        std::memcpy(&to, &m_to[n], sizeof to);
        std::memcpy(&acrossZero, &m_acrossZero[n], sizeof acrossZero);
        Bits2 houseBits;
        std::memcpy(&houseBits, &kHouseBits[n], sizeof houseBits);
        const auto pastFrom = reinterpret_cast<Bits2>(here >= from);
        const auto shortOfTo = reinterpret_cast<Bits2>(here < to);
        const Bits2 inside = (pastFrom & shortOfTo) | (acrossZero & (pastFrom | shortOfTo));
        holding |= inside & houseBits;
    }
    const auto houses = static_cast<unsigned>(holding[0] | holding[1]);
    return houses == 0 ? 1 : std::countr_zero(houses) + 1;
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
