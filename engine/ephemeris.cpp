// Keplerian planets and the truncated lunar series.
#include "engine/ephemeris.h"

#include "engine/angles.h"

#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace starloom {

static_assert(kPi == std::numbers::pi);

namespace {

constexpr double kDaysPerJulianCentury = 36525.0; // days
constexpr double kArcsecPerDegree = 3600.0;

// One row of the element table: each element is base + rate * T (T in Julian centuries
// from J2000). Angles have their base in degrees and their rate in arcseconds per
// century.
struct ElementRow {
    double a, aRate;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double peri, periRate;
    double L, LRate;
};

// Standish (1992), J2000 mean ecliptic and equinox, valid 1800-2050.
constexpr std::array<ElementRow, kElementBodies> kElements = {{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
    {19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    {30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135,
     -844.43, 304.88003, 786449.21},
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
}};

constexpr int kKeplerMaxIterations = 100;  // never reached for e < 0.25
constexpr double kKeplerTolerance = 1e-12; // radians

double AngleRadians(double baseDegrees, double rateArcsec, double T) {
    return (baseDegrees + rateArcsec * T / kArcsecPerDegree) * kDegToRad;
}

// Heliocentric ecliptic x, y (astronomical units) in the plane of the J2000 ecliptic, and
// their rates (astronomical units per day) when asked for.
struct PlaneXY {
    double x, y;
};

// How fast the elements of one body change, per day: the semi-major axis (astronomical
// units), the eccentricity, and the mean anomaly, the perihelion and the node (radians).
// (The inclination's drift moves a longitude by less than a billionth of a degree a day and
// is left out of the rates.)
struct ElementRates {
    double a, e, meanAnomaly, peri, node;
};

ElementRates RatesOf(int index) {
    const ElementRow &row = kElements[index];
    const double perDay = kDegToRad / kArcsecPerDegree / kDaysPerJulianCentury;
    return {row.aRate / kDaysPerJulianCentury, row.eRate / kDaysPerJulianCentury,
            (row.LRate - row.periRate) * perDay, row.periRate * perDay, row.nodeRate * perDay};
}

// The position of a body in its orbit, and, when `rate` is given, its velocity: the
// elements' rates carried through Kepler's equation and the ellipse r = a (1 - e^2) / (1 +
// e cos nu), with dnu/dM = (1 + e cos nu)^2 / (1 - e^2)^1.5 and dnu/de = sin nu (2 + e cos
// nu) / (1 - e^2) (J. M. A. Danby, "Fundamentals of Celestial Mechanics", 2nd ed., chapter
// 6), and the turning of the perihelion and the node.
PlaneXY HeliocentricXY(const OrbitalElements &el, bool inEcliptic,
                       const ElementRates *rate = nullptr, PlaneXY *velocity = nullptr) {
    const double M = ReduceRadians(el.L - el.peri);
    const double nu = SolveKepler(M, el.e);
    const double cosNu = std::cos(nu);
    const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * cosNu);
    double nuRate = 0.0;
    double rRate = 0.0;
    if (rate != nullptr) {
        const double sinNu = std::sin(nu);
        const double oneLessE2 = 1.0 - el.e * el.e;
        const double q = 1.0 + el.e * cosNu;
        nuRate = rate->meanAnomaly * q * q / (oneLessE2 * std::sqrt(oneLessE2)) +
                 sinNu * (2.0 + el.e * cosNu) / oneLessE2 * rate->e;
        rRate = rate->a * oneLessE2 / q +
                el.a * (-2.0 * el.e * q - oneLessE2 * cosNu) / (q * q) * rate->e +
                el.a * oneLessE2 * el.e * sinNu / (q * q) * nuRate;
    }
    if (inEcliptic) { // the Earth: inclination and node are not used
        const double w = nu + el.peri;
        const double cosW = std::cos(w);
        const double sinW = std::sin(w);
        if (rate != nullptr) {
            const double wRate = nuRate + rate->peri;
            *velocity = {rRate * cosW - r * sinW * wRate, rRate * sinW + r * cosW * wRate};
        }
        return {r * cosW, r * sinW};
    }
    const double u = el.peri + nu - el.node; // argument of latitude
    const double cosI = std::cos(el.i);
    const double cosNode = std::cos(el.node);
    const double sinNode = std::sin(el.node);
    const double cosU = std::cos(u);
    const double sinU = std::sin(u);
    const double X = cosNode * cosU - sinNode * sinU * cosI;
    const double Y = sinNode * cosU + cosNode * sinU * cosI;
    if (rate != nullptr) {
        const double uRate = nuRate + rate->peri - rate->node;
        const double n = rate->node;
        const double XRate = -sinNode * n * cosU - cosNode * sinU * uRate -
                             cosNode * n * sinU * cosI - sinNode * cosU * uRate * cosI;
        const double YRate = cosNode * n * cosU - sinNode * sinU * uRate -
                             sinNode * n * sinU * cosI + cosNode * cosU * uRate * cosI;
        *velocity = {rRate * X + r * XRate, rRate * Y + r * YRate};
    }
    return {r * X, r * Y};
}

// Periodic terms of the Moon's longitude: multiples of D, M, M', F, the coefficient in
// degrees, and whether the term is multiplied by the eccentricity factor E.
struct MoonTerm {
    int d, m, mp, f;
    double coefficient;
    bool timesE;
};

constexpr std::array<MoonTerm, 25> kMoonTerms = {{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},  {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

} // namespace

double ReduceRadians(double x) {
    const double b = x / kTwoPi;
    const double w = std::trunc(b);
    double r = (b - w) * kTwoPi;
    if (r < 0)
        r += kTwoPi;
    return r;
}

double ReduceDegreesByRemainder(double a) {
    double r = std::fmod(a, 360.0);
    if (r < 0.0)
        r += 360.0;
    // A tiny negative remainder rounds up to a full turn when 360 is added.
    return r >= 360.0 ? 0.0 : r;
}

// As ReduceDegrees: the remainder is spared within a turn either side of 0..360.
double ReduceDegreesKeepingFullTurn(double a) {
    if (a >= 0.0 && a < 360.0)
        return a;
    if (a >= 360.0 && a < 720.0)
        return a == 360.0 ? 360.0 : a - 360.0;
    if (a < 0.0 && a > -360.0)
        return a + 360.0;
    double r = std::fmod(a, 360.0);
    if (r < 0.0)
        r += 360.0;
    else if (r == 0.0 && a > 0.0)
        r = 360.0;
    return r;
}

double ReduceDegreesFromAbove(double a) {
    if (std::isinf(a))
        return std::numeric_limits<double>::quiet_NaN();
    return a >= 360.0 ? std::fmod(a, 360.0) : a;
}

double ArcTan2(double y, double x) {
    if (x > 0)
        return std::atan(y / x);
    if (x == 0) {
        if (y == 0)
            return 0.0;
        return y > 0 ? kPi / 2 : -kPi / 2;
    }
    if (y == 0)
        return 0.0;
    const double a = kPi - std::atan(std::fabs(y / x));
    return y > 0 ? a : -a;
}

std::optional<OrbitalElements> LoadOrbitalElements(int index, double d) {
    if (index < 0 || index >= kElementBodies)
        return std::nullopt;
    const ElementRow &row = kElements[index];
    const double T = d / kDaysPerJulianCentury;
    OrbitalElements current;
    current.a = row.a + row.aRate * T;
    current.e = row.e + row.eRate * T;
    current.i = AngleRadians(row.i, row.iRate, T);
    current.node = AngleRadians(row.node, row.nodeRate, T);
    current.peri = AngleRadians(row.peri, row.periRate, T);
    current.L = ReduceRadians(AngleRadians(row.L, row.LRate, T));
    return current;
}

double SolveKepler(double M, double e) {
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    for (int n = 0; n < kKeplerMaxIterations; ++n) {
        const double E0 = E;
        E = E0 - (E0 - e * std::sin(E0) - M) / (1.0 - e * std::cos(E0));
        if (!(std::fabs(E0 - E) > kKeplerTolerance))
            break;
    }
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (nu < 0)
        nu += kTwoPi;
    return nu;
}

namespace {

// Geocentric longitude in degrees, 0..360, of a body from its elements and the Earth's
// heliocentric position; the Sun's geocentric position is the negative of the Earth's.
double LongitudeFromEarth(int index, const OrbitalElements &body, const PlaneXY &earth) {
    const PlaneXY b = index == kEarth ? PlaneXY{0.0, 0.0} : HeliocentricXY(body, false);
    return ReduceDegreesKeepingFullTurn(ArcTan2(b.y - earth.y, b.x - earth.x) * kRadToDeg);
}

// The rate of the longitude of the direction (x, y) moving at (vx, vy): (x vy - y vx) /
// (x^2 + y^2) radians per unit of time, here degrees per day.
double DirectionRate(const PlaneXY &p, const PlaneXY &v) {
    return (p.x * v.y - p.y * v.x) / (p.x * p.x + p.y * p.y) * kRadToDeg;
}

// The moon series' mean arguments (radians, and their rates in radians per Julian
// century) and the eccentricity factor.
struct MoonArguments {
    double Lp, D, M, Mp, F, E;
};

MoonArguments MoonArgumentsAt(double T) {
    return {218.3164591 + 481267.88134236 * T,              // mean longitude, degrees
            (297.8502042 + 445267.1115168 * T) * kDegToRad, // mean elongation
            (357.5291092 + 35999.0502909 * T) * kDegToRad,  // Sun's mean anomaly
            (134.9634114 + 477198.8676313 * T) * kDegToRad, // Moon's mean anomaly
            (93.2720993 + 483202.0175273 * T) * kDegToRad,  // argument of latitude
            1.0 - 0.002516 * T - 0.0000074 * T * T};        // Earth's eccentricity factor
}

} // namespace

void GeocentricLongitudes(double d, double (&longitudes)[kElementBodies]) {
    const PlaneXY earthXY = HeliocentricXY(*LoadOrbitalElements(kEarth, d), true);
    for (int index = 0; index < kElementBodies; ++index)
        longitudes[index] = LongitudeFromEarth(index, *LoadOrbitalElements(index, d), earthXY);
}

void GeocentricLongitudesAndRates(double d, double (&longitudes)[kElementBodies],
                                  double (&rates)[kElementBodies]) {
    const ElementRates earthRates = RatesOf(kEarth);
    PlaneXY earthVelocity{};
    const PlaneXY earthXY =
        HeliocentricXY(*LoadOrbitalElements(kEarth, d), true, &earthRates, &earthVelocity);
    for (int index = 0; index < kElementBodies; ++index) {
        const OrbitalElements body = *LoadOrbitalElements(index, d);
        PlaneXY b{0.0, 0.0};
        PlaneXY v{0.0, 0.0};
        if (index != kEarth) {
            const ElementRates bodyRates = RatesOf(index);
            b = HeliocentricXY(body, false, &bodyRates, &v);
        }
        longitudes[index] =
            ReduceDegreesKeepingFullTurn(ArcTan2(b.y - earthXY.y, b.x - earthXY.x) * kRadToDeg);
        rates[index] = DirectionRate({b.x - earthXY.x, b.y - earthXY.y},
                                     {v.x - earthVelocity.x, v.y - earthVelocity.y});
    }
}

double PrecessionRate(double d) {
    const double T = d / kDaysPerJulianCentury;
    return (5029.0966 + 2.0 * 1.11113 * T) / kArcsecPerDegree / kDaysPerJulianCentury;
}

double PrecessLongitudeToDate(double lambda, double d) {
    const double T = d / kDaysPerJulianCentury;
    return ReduceDegrees(lambda + (5029.0966 * T + 1.11113 * T * T) / kArcsecPerDegree);
}

double MoonLongitude(double T) {
    const MoonArguments a = MoonArgumentsAt(T);
    double sum = 0.0;
    for (const MoonTerm &term : kMoonTerms) {
        const double arg = term.d * a.D + term.m * a.M + term.mp * a.Mp + term.f * a.F;
        double value = term.coefficient * std::sin(arg);
        if (term.timesE)
            value *= a.E;
        sum += value;
    }
    return ReduceDegreesKeepingFullTurn(a.Lp + sum);
}

double MoonLongitudeRate(double T) {
    // The series term by term: c E sin(arg) changes at c (E' sin(arg) + E cos(arg) arg').
    // Each argument is a sum of small multiples of four angles, so its cosine and sine are
    // the real and imaginary parts of a product of powers of e^(iD), e^(iM), e^(iM'),
    // e^(iF): four sines and cosines for the whole series instead of one per term.
    const MoonArguments a = MoonArgumentsAt(T);
    using Turn = std::complex<double>;
    const auto powers = [](double angle, int lowest, int highest) {
        std::array<Turn, 8> table{}; // exponents lowest .. highest
        const Turn unit = std::polar(1.0, angle);
        Turn up(1.0, 0.0);
        for (int n = 0; n <= highest; ++n, up *= unit)
            table[n - lowest] = up;
        Turn down = std::conj(unit);
        for (int n = -1; n >= lowest; --n, down *= std::conj(unit))
            table[n - lowest] = down;
        return table;
    };
    constexpr int kLowD = 0, kLowM = -1, kLowMp = -2, kLowF = -2;
    const std::array<Turn, 8> powD = powers(a.D, kLowD, 4);
    const std::array<Turn, 8> powM = powers(a.M, kLowM, 1);
    const std::array<Turn, 8> powMp = powers(a.Mp, kLowMp, 3);
    const std::array<Turn, 8> powF = powers(a.F, kLowF, 2);
    const double ERate = -0.002516 - 2.0 * 0.0000074 * T; // per century
    double sum = 481267.88134236;                         // degrees per century
    for (const MoonTerm &term : kMoonTerms) {
        const Turn z = powD[term.d - kLowD] * powM[term.m - kLowM] * powMp[term.mp - kLowMp] *
                       powF[term.f - kLowF];
        const double argRate = (term.d * 445267.1115168 + term.m * 35999.0502909 +
                                term.mp * 477198.8676313 + term.f * 483202.0175273) *
                               kDegToRad;
        double rate = term.coefficient * z.real() * argRate;
        if (term.timesE)
            rate = rate * a.E + term.coefficient * z.imag() * ERate;
        sum += rate;
    }
    return sum / kDaysPerJulianCentury;
}

} // namespace starloom
