// The engine's three entry operations: the ascendant, the Moon and the planets of one
// birth, left as zodiac texts (and as numbers) in a ChartPositions for the rest of the
// program.
#pragma once

#include "engine/birth_data.h"
#include "engine/tables.h"
#include "engine/time_scale.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace starloom {

// Body indexes of the position tables, in chart order.
enum ChartBody : int {
    kSunBody = 0,
    kMoonBody = 1,
    kMercuryBody = 2,
    kVenusBody = 3,
    kMarsBody = 4,
    kJupiterBody = 5,
    kSaturnBody = 6,
    kUranusBody = 7,
    kNeptuneBody = 8,
    kPlutoBody = 9,
    kAscBody = 10,
};

// How positions are computed: the built-in formulas (mean orbital elements and a short
// lunar series, the default) or the compiled-in table fitted to a modern ephemeris.
enum class PositionMethod { Standard, Precise };

// "standard" and "precise", the names the command-line tool and its JSON use.
std::string_view PositionMethodName(PositionMethod method);
// The method of one of those names; nothing for any other text.
std::optional<PositionMethod> PositionMethodFromName(std::string_view name);

// What one calculation leaves for the driver, the pattern classifier and the file
// writers. Each calculation overwrites it, except MoonSignName when the Moon's text names
// no sign.
struct ChartPositions {
    std::string AscendantText;     // ascendant, DMS form
    std::string MoonLongitudeText; // Moon, DMS form
    std::string MoonSignName;      // full name of the Moon's sign
    // Slots 0..10 in chart order; slot 11 stays empty.
    std::array<std::string, kBodyCount + 1> ChartBodyNames;
    std::array<std::string, kBodyCount + 1> PositionText; // chart form, "15 Tau 30"
    // The same eleven positions as tropical longitudes of date, degrees in 0..360.
    std::array<double, kBodyCount> Longitude{};
    CivilDateTime UniversalTime;                      // the instant the planets were computed for
    PositionMethod Method = PositionMethod::Standard; // how they were computed
    // Degrees per day of the Sun to Pluto (negative while retrograde); the precise method
    // gives them, the standard one leaves them 0.
    std::array<double, kBodyCount> DailyMotion{};
};

// Ecliptic longitude of the ascendant in degrees, 0 <= a < 360, for a local sidereal
// angle (degrees), the obliquity of the ecliptic (degrees) and the latitude (degrees,
// north positive; |latitude| < 90).
double AscendantFromSiderealTime(double siderealDegrees, double obliquityDegrees,
                                 double latitudeDegrees);

// Mean obliquity of the ecliptic in degrees for T Julian centuries from 1900 January 0.5
// (S. Newcomb).
double MeanObliquity1900(double T);

// Sets AscendantText and Longitude[kAscBody].
void CalculateAscendant(const BirthData &birth, ChartPositions &chart);

// Sets MoonLongitudeText, MoonSignName (when the text names a sign) and
// Longitude[kMoonBody].
void CalculateMoonPosition(const BirthData &birth, ChartPositions &chart);

// Sets ChartBodyNames, PositionText, the Sun's and planets' Longitude and UniversalTime.
// Needs CalculateAscendant and CalculateMoonPosition first.
void CalculatePlanetPositions(const BirthData &birth, ChartPositions &chart);

// The three operations in their fixed order.
void CalculateChart(const BirthData &birth, ChartPositions &chart);

} // namespace starloom
