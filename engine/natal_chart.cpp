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

// The precise table's numbers of a birth: CalculatePreciseChart's, without its texts. The
// midheaven and the ascendant come from the apparent sidereal time and the true obliquity,
// the node is the true node, and the angles' daily motion is their change over a quarter of
// an hour. False outside the table.
bool CalculatePreciseNumbers(const BirthData &birth, ChartNumbers &numbers) {
    const SiteAndClock clock = PrepareSiteAndClock(birth);
    const CivilDateTime ut = clock.Moment.Civil(); // UniversalDateTime, the moment worked once
    const double d = JulianDaysSinceJ2000(ut);
    const double east = -clock.SiteLongitude; // SiteLongitude counts west positive
    PreciseChartValues values;
    if (!PreciseChartAt(d, east, clock.SiteLatitude, values))
        return false;
    numbers.Longitude = values.longitude;
    numbers.DailyMotion = {};
    std::copy(values.dailyMotion.begin(), values.dailyMotion.end(), numbers.DailyMotion.begin());
    numbers.UniversalTime = ut;
    numbers.Method = PositionMethod::Precise;
    numbers.LocalSidereal = values.sidereal + east;
    numbers.Obliquity = values.obliquity;
    numbers.Latitude = clock.SiteLatitude;
    numbers.Midheaven =
        ReduceDegrees(MidheavenFromSiderealTime(numbers.LocalSidereal, numbers.Obliquity));
    numbers.NorthNode = ReduceDegrees(values.trueNode);
    numbers.SouthNode = ReduceDegrees(numbers.NorthNode + 180.0);
    numbers.Nodes = NodeKind::True;
    constexpr double kAngleStepDays = 0.25 / 24.0; // a quarter of an hour
    const auto perDay = [](double from, double to) {
        const double change = std::fmod(to - from + 540.0, 360.0) - 180.0; // the short way
        return change / kAngleStepDays;
    };
    const PreciseAngleParts later =
        PreciseAnglePartsAt(d + kAngleStepDays, east, clock.SiteLatitude);
    numbers.DailyMotion[kAscBody] = perDay(numbers.Longitude[kAscBody], later.ascendant);
    numbers.DailyMotion[kMidheavenPoint] = perDay(
        numbers.Midheaven, MidheavenFromSiderealTime(later.sidereal + east, later.obliquity));
    return true;
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
    CalculateNatalChart(birth, request, chart);
    return chart;
}

void CalculateNatalChart(const BirthData &birth, const ChartRequest &request, NatalChart &chart) {
    ChartNumbers numbers;
    bool precise = false;
    if (request.Method == PositionMethod::Precise || !InStandardYears(birth))
        precise = CalculatePreciseNumbers(birth, numbers);
    if (!precise)
        CalculateStandardNumbers(birth, numbers);
    chart.Method = numbers.Method;
    chart.PreciseForDate = precise && request.Method == PositionMethod::Standard;
    chart.UniversalTime = numbers.UniversalTime;
    for (int body = 0; body < kBodyCount; ++body) {
        chart.Bodies[body].Longitude = numbers.Longitude[body];
        chart.Bodies[body].DailyMotion = numbers.DailyMotion[body];
        chart.Bodies[body].Retrograde = false;
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
    chart.Ascendant = numbers.Longitude[kAscBody];
    chart.Midheaven = numbers.Midheaven;
    chart.Descendant = ReduceDegrees(chart.Ascendant + 180.0);
    chart.ImumCoeli = ReduceDegrees(chart.Midheaven + 180.0);
    chart.MidheavenMotion = numbers.DailyMotion[kMidheavenPoint];
    chart.NorthNode = numbers.NorthNode;
    chart.SouthNode = numbers.SouthNode;
    chart.Nodes = numbers.Nodes;
    chart.LocalSidereal = numbers.LocalSidereal;
    chart.Obliquity = numbers.Obliquity;
    chart.Latitude = numbers.Latitude;

    chart.Houses =
        CalculateHouseCusps(request.Houses, chart.LocalSidereal, chart.Obliquity, chart.Latitude);
    chart.Houses.ascendant = chart.Ascendant;
    chart.Houses.midheaven = chart.Midheaven;
    if (chart.Houses.used == HouseSystem::WholeSign || chart.Houses.used == HouseSystem::Equal)
        CuspsFromAscendant(chart.Houses, chart.Ascendant);
    const HouseFinder houses(chart.Houses.cusps);
    for (int body = 0; body < kAscBody; ++body)
        chart.Bodies[body].House = houses.houseOf(chart.Bodies[body].Longitude);
    chart.Bodies[kAscBody].House = 1;

    FindAspects(AspectPointLongitudes(chart), AspectPointMotions(chart), request.Orbs,
                chart.Aspects);
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
