// A natal chart as numbers: every body's longitude, motion, retrograde flag and house, the
// four angles, the lunar nodes, the twelve house cusps of the chosen system and the
// aspects. The windows, the printed reading, the command-line tool, the batch and the
// statistics all show what one of these holds, turning it into text only as they show it.
#pragma once

#include "engine/aspects.h"
#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/houses.h"
#include "engine/time_scale.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace starloom {

// The years the built-in formulas and the station tables are made for. Births outside them
// are computed from the precise table, whatever method was asked for.
constexpr int kStandardFirstYear = 1901;
constexpr int kStandardLastYear = 2050;

// One body (or the ascendant) of a chart.
struct ChartPoint {
    double Longitude = 0;    // tropical, of date, degrees 0 <= l < 360 (360 kept as the
                             // standard formulas give it)
    double DailyMotion = 0;  // degrees per day, negative while the body moves backwards
    bool Retrograde = false; // Mercury to Pluto only
    int House = 1;           // 1..12 between the chart's cusps; the ascendant is in house 1
};

struct NatalChart {
    CivilDateTime UniversalTime;                      // the instant, to the minute
    PositionMethod Method = PositionMethod::Standard; // how the positions were computed
    // True when the standard method was asked for but the birth lies outside the years of
    // its formulas, so the precise table was used instead.
    bool PreciseForDate = false;
    std::array<ChartPoint, kBodyCount> Bodies{}; // chart order: Sun .. Pluto, Asc
    double Ascendant = 0;       // degrees 0..360, the ecliptic point rising in the east
    double Midheaven = 0;       // degrees 0..360, the ecliptic point on the upper meridian
    double Descendant = 0;      // opposite the ascendant
    double ImumCoeli = 0;       // opposite the midheaven
    double MidheavenMotion = 0; // degrees per day
    double NorthNode = 0;       // degrees 0..360
    double SouthNode = 0;
    NodeKind Nodes = NodeKind::Mean;
    double Latitude = 0;      // of the place, degrees north positive
    double LocalSidereal = 0; // the sidereal angle the houses were cast for, degrees
    double Obliquity = 0;     // the obliquity they were cast with, degrees
    HouseCusps Houses;
    std::vector<Aspect> Aspects;
};

// Tells whether a planet (by its name, "Mercury" .. "Pluto") is retrograde on a date; the
// standard method takes its marks from such a lookup (the station tables).
using StationLookup = bool (*)(const CivilDateTime &date, std::string_view planet);

struct ChartRequest {
    PositionMethod Method = PositionMethod::Standard;
    HouseSystem Houses = HouseSystem::WholeSign;
    AspectOrbs Orbs;
    // The standard method's retrograde marks: looked up for the birth's local calendar
    // date. Without a lookup, or in the precise method, a planet is retrograde while its
    // daily motion is negative.
    StationLookup Stations = nullptr;
};

// The chart of one birth (the record the form fills; its local clock time and zone give the
// universal moment, its coordinates the place). Years outside kStandardFirstYear ..
// kStandardLastYear use the precise table; a birth outside the precise table's span as well
// gives a chart with Method Standard computed by the formulas as they stand (the form and
// the command line refuse such births before they get here).
NatalChart CalculateNatalChart(const BirthData &birth, const ChartRequest &request);
// The same into an existing chart, whose storage (the aspect list's) is reused: for a batch
// that computes one chart after another.
void CalculateNatalChart(const BirthData &birth, const ChartRequest &request, NatalChart &chart);

// The numbers of a chart in the older shape the file writers and the classifier read: the
// eleven longitudes, their texts, the angles, the nodes and the motions.
ChartPositions PositionsOf(const NatalChart &chart);

// The aspect points' longitudes and motions: the eleven bodies, then the midheaven.
PointTable AspectPointLongitudes(const NatalChart &chart);
PointTable AspectPointMotions(const NatalChart &chart);

// A chart-form text ("15 Tau 30") of a body of the chart.
std::string ChartBodyPosition(const NatalChart &chart, int body);

// The retrograde flag of planet p (0 = Mercury .. 7 = Pluto).
bool IsRetrogradePlanet(const NatalChart &chart, int planet);

// A person-readable note on how the chart was computed when that is not what was asked:
// the precise table for a date outside the standard formulas' years, and a house system
// that is undefined at the place and time. Empty when there is nothing to say.
std::string PositionsNote(const NatalChart &chart);
std::string HousesNote(const NatalChart &chart);

} // namespace starloom
