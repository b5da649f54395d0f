// Which planets are retrograde on a birth date, looked up in compiled-in tables of each
// planet's retrograde periods from 1899 to 2051 (Mercury to Pluto).
#pragma once

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/natal_chart.h"
#include "engine/tables.h"
#include "engine/time_scale.h"

#include <array>
#include <string_view>

namespace starloom {

constexpr int kRetroPlanetCount =
    8; // Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto

// The planets that have station tables, in the order of RetroFlags. Planet p is entry
// p + kFirstPlanetBody of BodyNames.
constexpr std::array<std::string_view, kRetroPlanetCount> kRetroPlanetNames = {
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
constexpr int kFirstPlanetBody = 2; // BodyNames index of Mercury

// Appended to the display name of a planet that is retrograde at birth.
constexpr std::string_view kRetrogradeMark = " (R) ";

// True when the named planet is retrograde on the calendar date of the moment: strictly
// after the date of one of its retrograde stations and strictly before the date of the
// direct station that ends that period. The time of day does not enter, and the station
// dates are the Universal Time dates of the table. A date outside the planet's table, or a
// name other than the eight planets, gives false. A day past the end of its month (30
// February) counts as the same number of days into the next month.
bool IsRetrograde(const CivilDateTime &moment, std::string_view planet);

// The result of the latest retrograde lookup.
struct RetrogradeState {
    std::array<bool, kRetroPlanetCount> RetroFlags{}; // true when retrograde; Mercury first
};

// Looks up the birth date exactly as entered (the local civil date, with no time-zone or
// daylight-saving correction) in each planet's table and sets RetroFlags. Then rewrites all
// eleven BodyNames with the plain names, dropping the marks of any earlier calculation,
// and appends kRetrogradeMark to the name of each retrograde planet. The Sun, the Moon and
// the ascendant are never marked.
void MarkRetrogradePlanets(const BirthData &birth, RetrogradeState &state,
                           BodyNameTable &BodyNames);

// The same marks from the planets' motion at the birth instant instead of the tables: a
// planet is retrograde while its apparent longitude decreases (dailyMotion, degrees per day
// in chart order, below 0). Used with the precise positions, whose rates are exact.
void MarkRetrogradeFromMotion(const PointTable &dailyMotion, RetrogradeState &state,
                              BodyNameTable &BodyNames);

// The marks a computed chart carries (its planets' Retrograde flags), into RetroFlags and
// the display names as above.
void MarkRetrogradeFromChart(const NatalChart &chart, RetrogradeState &state,
                             BodyNameTable &BodyNames);

} // namespace starloom
