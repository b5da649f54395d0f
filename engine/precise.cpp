// Precise positions from the Chebyshev table.
#include "engine/precise.h"

#include "engine/angles.h"
#include "engine/precise_coefficients.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace starloom {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Greenwich mean sidereal time at J2000.0 UT and its daily rate, degrees (IAU 1982, G. H. S.
// Aoki et al., 1982): the linear part the table leaves out of mean sidereal time. The rate
// is split into whole turns and the excess, so that the turns drop out exactly.
constexpr double kSiderealAtJ2000 = 280.46061837;       // degrees
constexpr double kSiderealExcessPerDay = 0.98564736629; // degrees per day beyond 360

struct Value {
    double value;
    double rate; // per day
};

// A series' value at an instant, NaN outside it.
double SeriesValue(int series, double utDays) {
    const ChebyshevSeries &s = kPreciseSeries[series];
    ChebyshevPlace place;
    if (!LocateInSeries(s, utDays, place))
        return kNaN;
    // The split recurrence is the faster; the unused derivative is left out by the compiler.
    double value = 0.0;
    double unused = 0.0;
    ClenshawSumAndDerivative(place.coefficients, s.coefficientCount, place.x, value, unused);
    return value;
}

// The value and its rate per day. The rate of a piece is the derivative in x scaled by
// dx/dt = 2 / (the piece's length in days).
Value SeriesValueAndRate(int series, double utDays) {
    const ChebyshevSeries &s = kPreciseSeries[series];
    ChebyshevPlace place;
    if (!LocateInSeries(s, utDays, place))
        return {kNaN, kNaN};
    double value = 0.0;
    double perX = 0.0;
    ClenshawSumAndDerivative(place.coefficients, s.coefficientCount, place.x, value, perX);
    return {value, perX * 2.0 / (s.segmentDays * place.span)};
}

// Degrees into 0 <= a < 360; NaN stays NaN. Unlike repeated subtraction, a value a hair
// below 0 cannot come out as 360.
double Reduce360(double a) {
    double r = a - 360.0 * std::floor(a / 360.0);
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// The span all series cover.
struct Span {
    double first;
    double last;
};

Span TableSpan() {
    Span span{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    for (const ChebyshevSeries &s : kPreciseSeries) {
        span.first = std::max(span.first, s.firstDay);
        span.last = std::min(span.last, s.firstDay + s.segmentDays * s.segmentCount);
    }
    return span;
}

const Span &CoveredSpan() {
    static const Span span = TableSpan();
    return span;
}

// Apparent sidereal time from the nutation in longitude and the true obliquity (degrees).
double SiderealFromNutation(double utDays, double nutation, double obliquity) {
    // Mean sidereal time (its linear part plus the fitted rest) plus the equation of the
    // equinoxes, the nutation in longitude projected on the equator.
    const double turns = utDays - std::floor(utDays);
    const double linear = kSiderealAtJ2000 + 360.0 * turns + kSiderealExcessPerDay * utDays;
    const double rest = SeriesValue(kMeanSiderealRestSeries, utDays);
    return Reduce360(linear + rest + nutation * std::cos(obliquity * kDegToRad));
}

bool IsTableBody(int body) {
    return body >= kSunBody && body <= kPlutoBody;
}

} // namespace

double PreciseFirstDay() {
    return CoveredSpan().first;
}

double PreciseLastDay() {
    return CoveredSpan().last;
}

double NutationInLongitude(double utDays) {
    return SeriesValue(kNutationLongitudeSeries, utDays);
}

double TrueObliquity(double utDays) {
    return SeriesValue(kTrueObliquitySeries, utDays);
}

double PreciseLongitude(int body, double utDays) {
    if (!IsTableBody(body))
        return kNaN;
    // The table holds each body less the nutation in longitude, which is added back here.
    return Reduce360(SeriesValue(body, utDays) + NutationInLongitude(utDays));
}

LongitudeAndRate PreciseLongitudeAndRate(int body, double utDays) {
    if (!IsTableBody(body))
        return {kNaN, kNaN};
    const Value mean = SeriesValueAndRate(body, utDays);
    const Value nutation = SeriesValueAndRate(kNutationLongitudeSeries, utDays);
    return {Reduce360(mean.value + nutation.value), mean.rate + nutation.rate};
}

double TrueNodeLongitude(double utDays) {
    return Reduce360(SeriesValue(kTrueNodeSeries, utDays) + NutationInLongitude(utDays));
}

double ApparentSiderealDegrees(double utDays) {
    return SiderealFromNutation(utDays, NutationInLongitude(utDays), TrueObliquity(utDays));
}

namespace {

double AscendantFromNutation(double utDays, double nutation, double eastLongitude,
                             double latitude) {
    const double obliquity = TrueObliquity(utDays);
    const double ramc =
        Reduce360(SiderealFromNutation(utDays, nutation, obliquity) + eastLongitude);
    if (std::isnan(ramc))
        return kNaN;
    return AscendantFromSiderealTime(ramc, obliquity, latitude);
}

} // namespace

double PreciseAscendant(double utDays, double eastLongitude, double latitude) {
    return AscendantFromNutation(utDays, NutationInLongitude(utDays), eastLongitude, latitude);
}

bool PreciseChartAt(double utDays, double eastLongitude, double latitude,
                    PreciseChartValues &values) {
    if (!(utDays >= PreciseFirstDay() && utDays <= PreciseLastDay()))
        return false;
    // All pieces are found first and their coefficients asked for, then summed: a random
    // instant finds few of them in the processor's caches, and the fetches then overlap
    // instead of each waiting for the sum before it.
    constexpr int kLineDoubles = 8; // doubles per cache line
    std::array<ChebyshevPlace, kPlutoBody + 1> places;
    for (int body = kSunBody; body <= kPlutoBody; ++body) {
        LocateInSeries(kPreciseSeries[body], utDays, places[body]);
        const int n = kPreciseSeries[body].coefficientCount;
        for (int i = 0; i < n; i += kLineDoubles)
            __builtin_prefetch(places[body].coefficients + i);
    }
    const Value nutation = SeriesValueAndRate(kNutationLongitudeSeries, utDays);
    for (int body = kSunBody; body <= kPlutoBody; ++body) {
        const ChebyshevSeries &s = kPreciseSeries[body];
        double value = 0.0;
        double perX = 0.0;
        ClenshawSumAndDerivative(places[body].coefficients, s.coefficientCount, places[body].x,
                                 value, perX);
        values.longitude[body] = Reduce360(value + nutation.value);
        values.dailyMotion[body] = perX * 2.0 / (s.segmentDays * places[body].span) + nutation.rate;
    }
    values.longitude[kAscBody] =
        AscendantFromNutation(utDays, nutation.value, eastLongitude, latitude);
    values.dailyMotion[kAscBody] = 0.0;
    return true;
}

bool CalculatePreciseChart(const BirthData &birth, ChartPositions &chart) {
    const CivilDateTime ut = UniversalDateTime(birth);
    const double d = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    PreciseChartValues values;
    // SiteLongitude counts west positive.
    if (!PreciseChartAt(d, -clock.SiteLongitude, clock.SiteLatitude, values))
        return false;
    for (int i = 0; i < kBodyCount; ++i)
        chart.ChartBodyNames[i] = kPlainBodyNames[i];
    chart.Longitude = values.longitude;
    chart.DailyMotion = {};
    std::copy(values.dailyMotion.begin(), values.dailyMotion.end(), chart.DailyMotion.begin());
    for (int body = kSunBody; body <= kPlutoBody; ++body)
        chart.PositionText[body] = FormatChartPosition(FormatZodiacDMS(values.longitude[body]));
    chart.MoonLongitudeText = FormatZodiacDMS(values.longitude[kMoonBody]);
    const std::string_view sign = SignNameOfText(chart.MoonLongitudeText);
    if (!sign.empty())
        chart.MoonSignName = sign;
    chart.AscendantText = FormatZodiacDMS(values.longitude[kAscBody]);
    chart.PositionText[kAscBody] = FormatChartPosition(chart.AscendantText);
    chart.UniversalTime = ut;
    chart.Method = PositionMethod::Precise;

    // The midheaven from the same apparent sidereal time and true obliquity that give the
    // ascendant, and the true node; the angles' daily motion from a quarter of an hour on.
    const double east = -clock.SiteLongitude;
    const auto midheavenAt = [east](double day) {
        return MidheavenFromSiderealTime(ApparentSiderealDegrees(day) + east, TrueObliquity(day));
    };
    SetMidheaven(midheavenAt(d), chart);
    SetLunarNodes(TrueNodeLongitude(d), NodeKind::True, chart);
    constexpr double kAngleStepDays = 0.25 / 24.0; // a quarter of an hour
    const auto perDay = [](double from, double to) {
        double change = std::fmod(to - from + 540.0, 360.0) - 180.0; // the short way round
        return change / kAngleStepDays;
    };
    chart.DailyMotion[kAscBody] = perDay(
        chart.Longitude[kAscBody], PreciseAscendant(d + kAngleStepDays, east, clock.SiteLatitude));
    chart.DailyMotion[kMidheavenPoint] = perDay(chart.Midheaven, midheavenAt(d + kAngleStepDays));
    return true;
}

} // namespace starloom
