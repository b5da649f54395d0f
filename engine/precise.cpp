// Precise positions from the Chebyshev table.
#include "engine/precise.h"

#include "engine/angles.h"
#include "engine/precise_coefficients.h"
#include "engine/precise_table_digest.h"
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

// The built-in table once it has passed its check, with what the lookups need beyond it:
// 1 / segmentDays of each series, and the range served. A damaged table serves nothing: its
// range is empty and its series start at NaN, where no lookup finds a piece.
struct TableFacts {
    PreciseTable table;
    std::array<double, kPreciseSeriesCount> segmentsPerDay{};
    double first = std::numeric_limits<double>::infinity();
    double end = -std::numeric_limits<double>::infinity();

    TableFacts() {
        for (ChebyshevSeries &series : table.series)
            series.firstDay = kNaN;
        if (!PreciseTableStatus().intact ||
            !ReadPreciseTable(EmbeddedPreciseTable(), table).empty())
            return;
        for (int i = 0; i < kPreciseSeriesCount; ++i)
            segmentsPerDay[i] = 1.0 / table.series[i].segmentDays;
        first = table.firstDay;
        end = table.endDay;
    }
};

const TableFacts &Facts() {
    static const TableFacts facts;
    return facts;
}

const ChebyshevSeries &Series(int series) {
    return Facts().table.series[series];
}

// Within the range the table serves.
bool InRange(double utDays) {
    const TableFacts &facts = Facts();
    return utDays >= facts.first && utDays < facts.end;
}

// Finds the piece anywhere in the table, the month fitted beyond either end of its range
// included.
bool Locate(int series, double utDays, ChebyshevPlace &place) {
    return LocateInSeries(Series(series), Facts().segmentsPerDay[series], utDays, place);
}

// The value and its rate per day of a located series.
Value Evaluate(int series, const ChebyshevPlace &place) {
    Value v;
    double perX = 0.0;
    ClenshawSumAndDerivative(place.coefficients, Series(series).coefficientCount, place.x, v.value,
                             perX);
    v.rate = perX * place.perDay;
    return v;
}

// A series' value at an instant, NaN outside the table.
double SeriesValue(int series, double utDays) {
    ChebyshevPlace place;
    if (!Locate(series, utDays, place))
        return kNaN;
    // The unused rate is left out by the compiler.
    return Evaluate(series, place).value;
}

// The value and its rate per day.
Value SeriesValueAndRate(int series, double utDays) {
    ChebyshevPlace place;
    if (!Locate(series, utDays, place))
        return {kNaN, kNaN};
    return Evaluate(series, place);
}

// Degrees into 0 <= a < 360; NaN stays NaN. Unlike repeated subtraction, a value a hair
// below 0 cannot come out as 360.
double Reduce360(double a) {
    // Whole turns towards zero, by a product in place of the quotient: what is a turn off
    // (a below 0, or the product rounded) is put right below.
    double r = a - 360.0 * std::trunc(a * (1.0 / 360.0));
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// Apparent sidereal time, degrees (not reduced to a turn), from the fitted rest of mean
// sidereal time, the nutation in longitude and the cosine of the true obliquity.
double SiderealFromParts(double utDays, double rest, double nutation, double cosObliquity) {
    // Mean sidereal time (its linear part plus the fitted rest) plus the equation of the
    // equinoxes, the nutation in longitude projected on the equator.
    const double turns = utDays - std::floor(utDays);
    const double linear = kSiderealAtJ2000 + 360.0 * turns + kSiderealExcessPerDay * utDays;
    return linear + rest + nutation * cosObliquity;
}

// The sine and cosine of the true obliquity without calling the trigonometric functions:
// the obliquity stays within a few hundredths of a degree of kObliquityNear over the
// table's years, so that its sine and cosine follow from those of kObliquityNear and of
// the small difference d (radians), whose series are cut after the term in d^5, less than
// 1e-20 here.
constexpr double kObliquityNear = 23.4375; // degrees; 23 7/16, exact in binary
const double kSinObliquityNear = std::sin(kObliquityNear * kDegToRad);
const double kCosObliquityNear = std::cos(kObliquityNear * kDegToRad);

struct SineAndCosine {
    double sine;
    double cosine;
};

SineAndCosine ObliquitySineAndCosine(double obliquity) {
    const double d = (obliquity - kObliquityNear) * kDegToRad;
    const double d2 = d * d;
    const double cosD = 1.0 - d2 * (0.5 - d2 * (1.0 / 24.0));
    const double sinD = d * (1.0 - d2 * ((1.0 / 6.0) - d2 * (1.0 / 120.0)));
    return {kSinObliquityNear * cosD + kCosObliquityNear * sinD,
            kCosObliquityNear * cosD - kSinObliquityNear * sinD};
}

// Apparent sidereal time from the nutation in longitude and the true obliquity (degrees).
double SiderealFromNutation(double utDays, double nutation, double obliquity) {
    return Reduce360(SiderealFromParts(utDays, SeriesValue(kMeanSiderealRestSeries, utDays),
                                       nutation, ObliquitySineAndCosine(obliquity).cosine));
}

// Apparent sidereal time and true obliquity anywhere in the table, beyond the range too.
double SiderealInTable(double utDays) {
    return SiderealFromNutation(utDays, SeriesValue(kNutationLongitudeSeries, utDays),
                                SeriesValue(kTrueObliquitySeries, utDays));
}

double ObliquityInTable(double utDays) {
    return SeriesValue(kTrueObliquitySeries, utDays);
}

// The ascendant, degrees 0 <= a < 360, from the local apparent sidereal time (degrees, any
// number of turns), the obliquity's sine and cosine and the latitude (degrees): the
// ecliptic point rising in the east, tan A = cos RAMC / -(sin RAMC cos e + sin e tan phi),
// in the quadrant where sin A has the sign of cos RAMC, or the opposite one inside the
// polar circles while that point is the setting one.
double AscendantFromParts(double localSidereal, SineAndCosine obliquity, double latitude) {
    // Both sides multiplied by cos phi > 0, which leaves the angle as it is and needs no
    // tangent.
    const double ramc = localSidereal * kDegToRad;
    const double phi = latitude * kDegToRad;
    const double sinRamc = std::sin(ramc);
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    double y = std::cos(ramc) * cosPhi;
    double x = -(sinRamc * obliquity.cosine * cosPhi + obliquity.sine * sinPhi);
    // The point (x, y) stands for lies east of the meridian, its direction making a positive
    // product with the east point (right ascension RAMC + 90), when
    // cos e cos phi + sin RAMC sin e sin phi > 0. That always holds for |phi| < 90 - e;
    // inside the polar circles it fails for part of the day (while the midheaven is below
    // the horizon), and the rising point is then the opposite one. Turning both parts leaves
    // y / x, and so the arctangent, as it is.
    if (obliquity.cosine * cosPhi + sinRamc * obliquity.sine * sinPhi < 0.0) {
        x = -x;
        y = -y;
    }
    // The arctangent of y / x, in the quadrant of (x, y), as 0 <= A < 2 pi.
    double a = std::atan(y / x);
    if (x < 0.0)
        a += kPi;
    else if (a < 0.0)
        a += kTwoPi;
    const double degrees = a * kRadToDeg;
    return degrees >= 360.0 ? 0.0 : degrees; // a hair below 0 is 0, not 360
}

bool IsTableBody(int body) {
    return body >= kSunBody && body <= kPlutoBody;
}

// The ascendant anywhere in the table, beyond the range too.
double AscendantInTable(double utDays, double eastLongitude, double latitude) {
    const double nutation = SeriesValue(kNutationLongitudeSeries, utDays);
    const double rest = SeriesValue(kMeanSiderealRestSeries, utDays);
    const SineAndCosine obliquity = ObliquitySineAndCosine(ObliquityInTable(utDays));
    const double sidereal = SiderealFromParts(utDays, rest, nutation, obliquity.cosine);
    if (std::isnan(sidereal))
        return kNaN;
    return AscendantFromParts(sidereal + eastLongitude, obliquity, latitude);
}

} // namespace

double PreciseFirstDay() {
    return kPreciseTableFirstDay;
}

double PreciseLastDay() {
    return kPreciseTableEndDay;
}

double NutationInLongitude(double utDays) {
    return InRange(utDays) ? SeriesValue(kNutationLongitudeSeries, utDays) : kNaN;
}

double TrueObliquity(double utDays) {
    return InRange(utDays) ? ObliquityInTable(utDays) : kNaN;
}

double PreciseLongitude(int body, double utDays) {
    if (!IsTableBody(body) || !InRange(utDays))
        return kNaN;
    // The table holds each body less the nutation in longitude, which is added back here.
    return Reduce360(SeriesValue(body, utDays) + NutationInLongitude(utDays));
}

LongitudeAndRate PreciseLongitudeAndRate(int body, double utDays) {
    if (!IsTableBody(body) || !InRange(utDays))
        return {kNaN, kNaN};
    const Value mean = SeriesValueAndRate(body, utDays);
    const Value nutation = SeriesValueAndRate(kNutationLongitudeSeries, utDays);
    return {Reduce360(mean.value + nutation.value), mean.rate + nutation.rate};
}

double TrueNodeLongitude(double utDays) {
    return Reduce360(SeriesValue(kTrueNodeSeries, utDays) + NutationInLongitude(utDays));
}

double ApparentSiderealDegrees(double utDays) {
    return InRange(utDays) ? SiderealInTable(utDays) : kNaN;
}

double PreciseAscendant(double utDays, double eastLongitude, double latitude) {
    return InRange(utDays) ? AscendantInTable(utDays, eastLongitude, latitude) : kNaN;
}

bool PreciseChartAt(double utDays, double eastLongitude, double latitude,
                    PreciseChartValues &values) {
    const TableFacts &facts = Facts();
    if (!(utDays >= facts.first && utDays < facts.end))
        return false;
    // All pieces are found first and their coefficients asked for, then summed: a random
    // instant finds few of them in the processor's caches, and the fetches then overlap
    // instead of each waiting for the sum before it. The series of the table's bodies come
    // first, then the three the ascendant needs.
    constexpr int kLineDoubles = 8; // doubles per cache line
    constexpr std::array<int, kPlutoBody + 5> kChartSeries = {kSunSeries,
                                                              kMoonSeries,
                                                              kMercurySeries,
                                                              kVenusSeries,
                                                              kMarsSeries,
                                                              kJupiterSeries,
                                                              kSaturnSeries,
                                                              kUranusSeries,
                                                              kNeptuneSeries,
                                                              kPlutoSeries,
                                                              kNutationLongitudeSeries,
                                                              kTrueObliquitySeries,
                                                              kMeanSiderealRestSeries,
                                                              kTrueNodeSeries};
    std::array<ChebyshevPlace, kPreciseSeriesCount> places; // by series
    for (const int series : kChartSeries) {
        LocateInSeries(facts.table.series[series], facts.segmentsPerDay[series], utDays,
                       places[series]);
        // Every cache line the piece's coefficients touch: one per line's worth from the
        // first, and the last.
        const double *c = places[series].coefficients;
        const int n = facts.table.series[series].coefficientCount;
        __builtin_prefetch(c);
        for (int i = kLineDoubles; i < n; i += kLineDoubles)
            __builtin_prefetch(c + i);
        __builtin_prefetch(c + n - 1);
    }
    // The sums, by series, in pairs of like length side by side.
    std::array<Value, kPreciseSeriesCount> sums;
    constexpr std::array<std::array<int, 2>, 6> kSideBySide = {{
        {kMoonSeries, kMercurySeries},
        {kNutationLongitudeSeries, kTrueObliquitySeries},
        {kNeptuneSeries, kPlutoSeries},
        {kVenusSeries, kUranusSeries},
        {kSunSeries, kMarsSeries},
        {kJupiterSeries, kSaturnSeries},
    }};
    for (const auto &[first, second] : kSideBySide) {
        const ChebyshevPlace &a = places[first];
        const ChebyshevPlace &b = places[second];
        double perXa = 0.0;
        double perXb = 0.0;
        ClenshawTwoSumsAndDerivatives(a.coefficients, facts.table.series[first].coefficientCount,
                                      a.x, b.coefficients,
                                      facts.table.series[second].coefficientCount, b.x,
                                      sums[first].value, perXa, sums[second].value, perXb);
        sums[first].rate = perXa * a.perDay;
        sums[second].rate = perXb * b.perDay;
    }
    sums[kMeanSiderealRestSeries] =
        Evaluate(kMeanSiderealRestSeries, places[kMeanSiderealRestSeries]);
    const Value &nutation = sums[kNutationLongitudeSeries];
    for (int body = kSunBody; body <= kPlutoBody; ++body) {
        values.longitude[body] = Reduce360(sums[body].value + nutation.value);
        values.dailyMotion[body] = sums[body].rate + nutation.rate;
    }
    const SineAndCosine obliquity = ObliquitySineAndCosine(sums[kTrueObliquitySeries].value);
    const double rest = sums[kMeanSiderealRestSeries].value;
    const double sidereal = SiderealFromParts(utDays, rest, nutation.value, obliquity.cosine);
    values.longitude[kAscBody] = AscendantFromParts(sidereal + eastLongitude, obliquity, latitude);
    values.dailyMotion[kAscBody] = 0.0;
    values.sidereal = Reduce360(sidereal);
    values.obliquity = sums[kTrueObliquitySeries].value;
    values.trueNode =
        Reduce360(Evaluate(kTrueNodeSeries, places[kTrueNodeSeries]).value + nutation.value);
    return true;
}

PreciseAngleParts PreciseAnglePartsAt(double utDays, double eastLongitude, double latitude) {
    if (!InRange(utDays))
        return {kNaN, kNaN, kNaN};
    // As SiderealInTable, ObliquityInTable and AscendantInTable, each series once.
    const double nutation = SeriesValue(kNutationLongitudeSeries, utDays);
    const double rest = SeriesValue(kMeanSiderealRestSeries, utDays);
    const double obliquity = ObliquityInTable(utDays);
    const SineAndCosine turned = ObliquitySineAndCosine(obliquity);
    const double sidereal = SiderealFromParts(utDays, rest, nutation, turned.cosine);
    const double ascendant = std::isnan(sidereal)
                                 ? kNaN
                                 : AscendantFromParts(sidereal + eastLongitude, turned, latitude);
    return {Reduce360(sidereal), obliquity, ascendant};
}

bool CalculatePreciseChart(const BirthData &birth, ChartPositions &chart) {
    const CivilDateTime ut = UniversalDateTime(birth);
    const double d = JulianDaysSinceJ2000(ut);
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
    // ascendant, and the true node; the angles' daily motion from a quarter of an hour on,
    // which the table holds past the end of its range too.
    const double east = -clock.SiteLongitude;
    const auto midheavenAt = [east](double day) {
        return MidheavenFromSiderealTime(SiderealInTable(day) + east, ObliquityInTable(day));
    };
    SetMidheaven(midheavenAt(d), chart);
    SetLunarNodes(TrueNodeLongitude(d), NodeKind::True, chart);
    constexpr double kAngleStepDays = 0.25 / 24.0; // a quarter of an hour
    const auto perDay = [](double from, double to) {
        double change = std::fmod(to - from + 540.0, 360.0) - 180.0; // the short way round
        return change / kAngleStepDays;
    };
    chart.DailyMotion[kAscBody] = perDay(
        chart.Longitude[kAscBody], AscendantInTable(d + kAngleStepDays, east, clock.SiteLatitude));
    chart.DailyMotion[kMidheavenPoint] = perDay(chart.Midheaven, midheavenAt(d + kAngleStepDays));
    return true;
}

} // namespace starloom
