// Ascendant, Moon and planets of one birth.
#include "engine/chart.h"

#include "engine/angles.h"
#include "engine/ephemeris.h"
#include "engine/zodiac.h"

#include <cmath>

namespace starloom {

namespace {

// Element-table index of each planet of the chart, Sun first (chart bodies 0 and 2..9).
struct PlanetSource {
    ChartBody chart;
    ElementBody element;
};

constexpr std::array<PlanetSource, 9> kPlanetSources = {{
    {kSunBody, kEarth},
    {kMercuryBody, kMercury},
    {kVenusBody, kVenus},
    {kMarsBody, kMars},
    {kJupiterBody, kJupiter},
    {kSaturnBody, kSaturn},
    {kUranusBody, kUranus},
    {kNeptuneBody, kNeptune},
    {kPlutoBody, kPluto},
}};

constexpr int kAngleStepMinutes = 15; // minutes between the two looks at an angle

// The change from `from` to `to` the short way round, in -180 < change <= 180 degrees.
double ShortArc(double from, double to) {
    double change = ReduceDegrees(to - from);
    if (change > 180.0)
        change -= 360.0;
    return change;
}

} // namespace

double MidheavenFromSiderealTime(double siderealDegrees, double obliquityDegrees) {
    // The meridian's ecliptic point: tan MC = sin RAMC / (cos RAMC cos e); atan2 keeps it
    // in the sidereal angle's quadrant, since cos e is positive.
    const double ramc = siderealDegrees * kDegToRad;
    const double eps = obliquityDegrees * kDegToRad;
    return ReduceDegrees(std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) * kRadToDeg);
}

double MeanLunarNode(double T) {
    // J. Meeus, "Astronomical Algorithms", 2nd ed., chapter 47, eq. 47.7.
    const double omega = 125.0445479 - 1934.1362891 * T + 0.0020754 * T * T + T * T * T / 467441.0 -
                         T * T * T * T / 60616000.0;
    return ReduceDegrees(omega);
}

std::string ChartPositionOf(double longitude) {
    return FormatChartPosition(FormatZodiacDMS(longitude));
}

void SetMidheaven(double longitude, ChartPositions &chart) {
    chart.Midheaven = ReduceDegrees(longitude);
    chart.MidheavenText = ChartPositionOf(chart.Midheaven);
}

void SetLunarNodes(double northLongitude, NodeKind kind, ChartPositions &chart) {
    chart.NorthNode = ReduceDegrees(northLongitude);
    chart.SouthNode = ReduceDegrees(chart.NorthNode + 180.0);
    chart.Nodes = kind;
    chart.NorthNodeText = ChartPositionOf(chart.NorthNode);
    chart.SouthNodeText = ChartPositionOf(chart.SouthNode);
}

double MeanObliquity1900(double T) {
    return 23.452294 - 0.0130125 * T;
}

double AscendantFromSiderealTime(double siderealDegrees, double obliquityDegrees,
                                 double latitudeDegrees) {
    // The ecliptic point on the horizon: tan A = cos RAMC / -(sin RAMC cos e + sin e tan phi),
    // with the quadrant taken from the sign of cos RAMC.
    const double ramc = siderealDegrees * kDegToRad;
    const double eps = obliquityDegrees * kDegToRad;
    const double phi = latitudeDegrees * kDegToRad;
    const double sinRamc = std::sin(ramc);
    const double cosRamc = std::cos(ramc);
    const double sinEps = std::sin(eps);
    const double cosEps = std::cos(eps);
    const double tanPhi = std::tan(phi);
    const double y = cosRamc;
    const double x = -sinRamc * cosEps - sinEps * tanPhi;
    double A = ArcTan2(y, x);
    if (A < 0)
        A += kPi;
    if (cosRamc < 0)
        A += kPi;
    double asc = ReduceDegreesFromAbove(A * kRadToDeg);
    // The horizon meets the ecliptic in two opposite points, and that quadrant rule picks
    // the rising one only outside the polar circles. The point found lies east of the
    // meridian (a positive product with the east point, right ascension RAMC + 90) when
    // cos e + sin RAMC sin e tan phi > 0, which always holds for |phi| < 90 - e; inside the
    // polar circles it fails for part of the day (while the midheaven is below the
    // horizon), and the found point is then the setting one: the ascendant is opposite.
    if (cosEps + sinRamc * sinEps * tanPhi < 0.0) {
        asc += 180.0;
        if (asc >= 360.0)
            asc -= 360.0;
    }
    return asc;
}

void CalculateAscendant(const BirthData &birth, ChartPositions &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    const double sidereal = LocalSiderealDegrees(clock);
    const double obliquity = MeanObliquity1900(clock.Moment.CenturiesSince1900());
    const double asc = AscendantFromSiderealTime(sidereal, obliquity, clock.SiteLatitude);
    chart.AscendantText = FormatZodiacDMS(asc);
    chart.Longitude[kAscBody] = asc;
    SetMidheaven(MidheavenFromSiderealTime(sidereal, obliquity), chart);
}

void CalculateMoonPosition(const BirthData &birth, ChartPositions &chart) {
    const double T = UniversalMoment::OfBirth(birth).CenturiesSinceJ2000();
    const double lambda = MoonLongitude(T);
    chart.MoonLongitudeText = FormatZodiacDMS(lambda);
    chart.Longitude[kMoonBody] = lambda;
    SetLunarNodes(MeanLunarNode(T), NodeKind::Mean, chart);
    TakeMoonSignFromText(chart);
}

void TakeMoonSignFromText(ChartPositions &chart) {
    const std::string_view sign = SignNameOfText(chart.MoonLongitudeText);
    if (!sign.empty())
        chart.MoonSignName = sign;
}

void CalculatePlanetPositions(const BirthData &birth, ChartPositions &chart) {
    for (int i = 0; i < kBodyCount; ++i)
        chart.ChartBodyNames[i] = kPlainBodyNames[i];
    const UniversalMoment moment = UniversalMoment::OfBirth(birth);
    chart.UniversalTime = moment.Civil();
    const double d = moment.DaysSinceJ2000();
    double j2000[kElementBodies];
    GeocentricLongitudes(d, j2000);
    for (const PlanetSource &source : kPlanetSources) {
        // The element table is of the J2000 equinox; the Moon and the ascendant are of the
        // date, so the planets are brought to the equinox of date as well.
        const double lambda = PrecessLongitudeToDate(j2000[source.element], d);
        chart.Longitude[source.chart] = lambda;
        chart.PositionText[source.chart] = FormatChartPosition(FormatZodiacDMS(lambda));
    }
    chart.PositionText[kMoonBody] = FormatChartPosition(chart.MoonLongitudeText);
    chart.PositionText[kAscBody] = FormatChartPosition(chart.AscendantText);
    chart.Method = PositionMethod::Standard;
    chart.DailyMotion = {};
}

std::string_view PositionMethodName(PositionMethod method) {
    return method == PositionMethod::Precise ? "precise" : "standard";
}

std::optional<PositionMethod> PositionMethodFromName(std::string_view name) {
    if (name == "standard")
        return PositionMethod::Standard;
    if (name == "precise")
        return PositionMethod::Precise;
    return std::nullopt;
}

namespace {

// The Sun's, the Moon's and the planets' instantaneous daily motions at the moment, in
// chart order, and their longitudes.
void BodiesAndMotions(const UniversalMoment &moment, std::array<double, kBodyCount> &longitude,
                      PointTable &motion) {
    const double d = moment.DaysSinceJ2000();
    double j2000[kElementBodies];
    double rates[kElementBodies];
    GeocentricLongitudesAndRates(d, j2000, rates);
    const double precession = PrecessionRate(d);
    for (const PlanetSource &source : kPlanetSources) {
        longitude[source.chart] = PrecessLongitudeToDate(j2000[source.element], d);
        motion[source.chart] = rates[source.element] + precession;
    }
    const double T = moment.CenturiesSinceJ2000();
    longitude[kMoonBody] = MoonLongitude(T);
    motion[kMoonBody] = MoonLongitudeRate(T);
}

} // namespace

void StandardAngleMotions(const SiteAndClock &clock, double ascendant, double midheaven,
                          PointTable &motion) {
    SiteAndClock later = clock;
    later.Moment = clock.Moment.MinutesLater(kAngleStepMinutes);
    const double sidereal = LocalSiderealDegrees(later);
    const double obliquity = MeanObliquity1900(later.Moment.CenturiesSince1900());
    const double perDay = 1440.0 / kAngleStepMinutes;
    motion[kAscBody] =
        ShortArc(ascendant, AscendantFromSiderealTime(sidereal, obliquity, later.SiteLatitude)) *
        perDay;
    motion[kMidheavenPoint] =
        ShortArc(midheaven, MidheavenFromSiderealTime(sidereal, obliquity)) * perDay;
}

void CalculateDailyMotions(const BirthData &birth, ChartPositions &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    std::array<double, kBodyCount> longitude{};
    BodiesAndMotions(clock.Moment, longitude, chart.DailyMotion);
    StandardAngleMotions(clock, chart.Longitude[kAscBody], chart.Midheaven, chart.DailyMotion);
}

void CalculateChart(const BirthData &birth, ChartPositions &chart) {
    CalculateAscendant(birth, chart);
    CalculateMoonPosition(birth, chart);
    CalculatePlanetPositions(birth, chart);
    CalculateDailyMotions(birth, chart);
}

// The same steps as the three operations, in numbers only: every value comes out of the
// same functions with the same arguments.
void CalculateStandardNumbers(const BirthData &birth, ChartNumbers &numbers) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    numbers.LocalSidereal = LocalSiderealDegrees(clock);
    numbers.Obliquity = MeanObliquity1900(clock.Moment.CenturiesSince1900());
    numbers.Latitude = clock.SiteLatitude;
    numbers.Longitude[kAscBody] =
        AscendantFromSiderealTime(numbers.LocalSidereal, numbers.Obliquity, numbers.Latitude);
    numbers.Midheaven =
        ReduceDegrees(MidheavenFromSiderealTime(numbers.LocalSidereal, numbers.Obliquity));
    numbers.NorthNode = ReduceDegrees(MeanLunarNode(clock.Moment.CenturiesSinceJ2000()));
    numbers.SouthNode = ReduceDegrees(numbers.NorthNode + 180.0);
    numbers.Nodes = NodeKind::Mean;
    numbers.UniversalTime = clock.Moment.Civil();
    numbers.Method = PositionMethod::Standard;
    BodiesAndMotions(clock.Moment, numbers.Longitude, numbers.DailyMotion);
    StandardAngleMotions(clock, numbers.Longitude[kAscBody], numbers.Midheaven,
                         numbers.DailyMotion);
}

} // namespace starloom
