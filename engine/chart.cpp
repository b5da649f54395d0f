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

} // namespace

double MeanObliquity1900(double T) {
    return 23.452294 - 0.0130125 * T;
}

double AscendantFromSiderealTime(double siderealDegrees, double obliquityDegrees,
                                 double latitudeDegrees) {
    // The ecliptic point rising in the east: tan A = cos RAMC / -(sin RAMC cos e +
    // sin e tan phi), with the quadrant taken from the sign of cos RAMC.
    const double ramc = siderealDegrees * kDegToRad;
    const double eps = obliquityDegrees * kDegToRad;
    const double phi = latitudeDegrees * kDegToRad;
    const double y = std::cos(ramc);
    const double x = -std::sin(ramc) * std::cos(eps) - std::sin(eps) * std::tan(phi);
    double A = ArcTan2(y, x);
    if (A < 0)
        A += kPi;
    if (std::cos(ramc) < 0)
        A += kPi;
    double asc = A * kRadToDeg;
    while (asc >= 360.0)
        asc -= 360.0;
    return asc;
}

void CalculateAscendant(const BirthData &birth, ChartPositions &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    const double asc =
        AscendantFromSiderealTime(LocalSiderealDegrees(clock),
                                  MeanObliquity1900(CenturiesSince1900(clock)), clock.SiteLatitude);
    chart.AscendantText = FormatZodiacDMS(asc);
    chart.Longitude[kAscBody] = asc;
}

void CalculateMoonPosition(const BirthData &birth, ChartPositions &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    const double lambda = MoonLongitude(CenturiesSinceJ2000(clock));
    chart.MoonLongitudeText = FormatZodiacDMS(lambda);
    chart.Longitude[kMoonBody] = lambda;
    const std::string_view sign = SignNameOfText(chart.MoonLongitudeText);
    if (!sign.empty())
        chart.MoonSignName = sign;
}

void CalculatePlanetPositions(const BirthData &birth, ChartPositions &chart) {
    for (int i = 0; i < kBodyCount; ++i)
        chart.ChartBodyNames[i] = kPlainBodyNames[i];
    const CivilDateTime ut = UniversalDateTime(birth);
    chart.UniversalTime = ut;
    const double d = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
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

void CalculateChart(const BirthData &birth, ChartPositions &chart) {
    CalculateAscendant(birth, chart);
    CalculateMoonPosition(birth, chart);
    CalculatePlanetPositions(birth, chart);
}

} // namespace starloom
