// One natal chart as numbers.
#include "engine/natal_chart.h"

#include "engine/angles.h"
#include "engine/precise.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <cmath>

namespace starloom {

namespace {

constexpr int kFirstPlanet = kMercuryBody; // the planets that can be retrograde
constexpr int kPlanetCount = kPlutoBody - kMercuryBody + 1;

bool InStandardYears(const BirthData &birth) {
    return birth.BirthYear >= kStandardFirstYear && birth.BirthYear <= kStandardLastYear;
}

// The sidereal angle and obliquity the standard formulas cast the ascendant with.
void StandardHouseFrame(const BirthData &birth, NatalChart &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    chart.LocalSidereal = LocalSiderealDegrees(clock);
    chart.Obliquity = MeanObliquity1900(clock.Moment.CenturiesSince1900());
    chart.Latitude = clock.SiteLatitude;
}

// The same from the precise table: apparent sidereal time and the true obliquity.
void PreciseHouseFrame(const BirthData &birth, NatalChart &chart) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    const double d = JulianDaysSinceJ2000(chart.UniversalTime);
    chart.LocalSidereal = ApparentSiderealDegrees(d) - clock.SiteLongitude; // west positive
    chart.Obliquity = TrueObliquity(d);
    chart.Latitude = clock.SiteLatitude;
}

// Cusps in whole signs or equal houses from the chart's own ascendant, so that the houses
// and the ascendant text can never disagree about the ascendant's sign.
void CuspsFromAscendant(HouseCusps &houses, double ascendant) {
    const double first =
        houses.used == HouseSystem::WholeSign ? std::floor(ascendant / 30.0) * 30.0 : ascendant;
    for (int i = 0; i < kHouseCount; ++i)
        houses.cusps[i] = ReduceDegrees(first + 30.0 * i);
}

} // namespace

NatalChart CalculateNatalChart(const BirthData &birth, const ChartRequest &request) {
    NatalChart chart;
    ChartPositions positions;
    bool precise = false;
    if (request.Method == PositionMethod::Precise || !InStandardYears(birth))
        precise = CalculatePreciseChart(birth, positions);
    if (!precise)
        CalculateChart(birth, positions);
    chart.Method = positions.Method;
    chart.PreciseForDate = precise && request.Method == PositionMethod::Standard;
    chart.UniversalTime = positions.UniversalTime;
    for (int body = 0; body < kBodyCount; ++body) {
        chart.Bodies[body].Longitude = positions.Longitude[body];
        chart.Bodies[body].DailyMotion = positions.DailyMotion[body];
    }
    for (int p = 0; p < kPlanetCount; ++p) {
        ChartPoint &planet = chart.Bodies[kFirstPlanet + p];
        if (!precise && request.Stations != nullptr) {
            // The tables are looked up by the date as the birth's clock showed it.
            const CivilDateTime local{birth.BirthYear, birth.BirthMonth, birth.BirthDay,
                                      birth.BirthHour, birth.BirthMinute};
            planet.Retrograde = request.Stations(local, kPlainBodyNames[kFirstPlanet + p]);
        } else {
            planet.Retrograde = planet.DailyMotion < 0.0;
        }
    }
    chart.Ascendant = positions.Longitude[kAscBody];
    chart.Midheaven = positions.Midheaven;
    chart.Descendant = ReduceDegrees(chart.Ascendant + 180.0);
    chart.ImumCoeli = ReduceDegrees(chart.Midheaven + 180.0);
    chart.MidheavenMotion = positions.DailyMotion[kMidheavenPoint];
    chart.NorthNode = positions.NorthNode;
    chart.SouthNode = positions.SouthNode;
    chart.Nodes = positions.Nodes;

    if (precise)
        PreciseHouseFrame(birth, chart);
    else
        StandardHouseFrame(birth, chart);
    chart.Houses =
        CalculateHouseCusps(request.Houses, chart.LocalSidereal, chart.Obliquity, chart.Latitude);
    chart.Houses.ascendant = chart.Ascendant;
    chart.Houses.midheaven = chart.Midheaven;
    if (chart.Houses.used == HouseSystem::WholeSign || chart.Houses.used == HouseSystem::Equal)
        CuspsFromAscendant(chart.Houses, chart.Ascendant);
    for (int body = 0; body < kAscBody; ++body)
        chart.Bodies[body].House =
            HouseOfLongitude(chart.Bodies[body].Longitude, chart.Houses.cusps);
    chart.Bodies[kAscBody].House = 1;

    chart.Aspects =
        FindAspects(AspectPointLongitudes(chart), AspectPointMotions(chart), request.Orbs);
    return chart;
}

ChartPositions PositionsOf(const NatalChart &chart) {
    ChartPositions positions;
    for (int body = 0; body < kBodyCount; ++body) {
        positions.ChartBodyNames[body] = kPlainBodyNames[body];
        positions.Longitude[body] = chart.Bodies[body].Longitude;
        positions.DailyMotion[body] = chart.Bodies[body].DailyMotion;
        positions.PositionText[body] = ChartBodyPosition(chart, body);
    }
    positions.DailyMotion[kMidheavenPoint] = chart.MidheavenMotion;
    positions.AscendantText = FormatZodiacDMS(chart.Bodies[kAscBody].Longitude);
    positions.MoonLongitudeText = FormatZodiacDMS(chart.Bodies[kMoonBody].Longitude);
    TakeMoonSignFromText(positions);
    positions.UniversalTime = chart.UniversalTime;
    positions.Method = chart.Method;
    SetMidheaven(chart.Midheaven, positions);
    SetLunarNodes(chart.NorthNode, chart.Nodes, positions);
    return positions;
}

PointTable AspectPointLongitudes(const NatalChart &chart) {
    PointTable longitude{};
    for (int body = 0; body < kBodyCount; ++body)
        longitude[body] = chart.Bodies[body].Longitude;
    longitude[kMidheavenPoint] = chart.Midheaven;
    return longitude;
}

PointTable AspectPointMotions(const NatalChart &chart) {
    PointTable motion{};
    for (int body = 0; body < kBodyCount; ++body)
        motion[body] = chart.Bodies[body].DailyMotion;
    motion[kMidheavenPoint] = chart.MidheavenMotion;
    return motion;
}

std::string ChartBodyPosition(const NatalChart &chart, int body) {
    return FormatChartPosition(FormatZodiacDMS(chart.Bodies[body].Longitude));
}

bool IsRetrogradePlanet(const NatalChart &chart, int planet) {
    return planet >= 0 && planet < kPlanetCount && chart.Bodies[kFirstPlanet + planet].Retrograde;
}

std::string PositionsNote(const NatalChart &chart) {
    if (!chart.PreciseForDate)
        return {};
    return "The built-in formulas cover " + std::to_string(kStandardFirstYear) + " to " +
           std::to_string(kStandardLastYear) +
           "; this chart's positions come from the precise table, and retrograde planets are "
           "marked by their motion.";
}

std::string HousesNote(const NatalChart &chart) {
    return HouseFallbackNote(chart.Houses, chart.Latitude);
}

} // namespace starloom
