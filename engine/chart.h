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

// The points aspects are looked for between: the eleven chart bodies, then the midheaven.
constexpr int kMidheavenPoint = kBodyCount;               // 11
constexpr int kAspectPointCount = kBodyCount + 1;         // Sun .. Pluto, Asc, MC
using PointTable = std::array<double, kAspectPointCount>; // one value per point

// Which lunar node a chart carries: the mean node moves smoothly backwards; the true node
// wobbles about it with the Sun's pull on the Moon's orbit.
enum class NodeKind { Mean, True };

// How positions are computed: the built-in formulas (mean orbital elements and a short
// lunar series, the default) or the compiled-in table fitted to a modern ephemeris.
enum class PositionMethod { Standard, Precise };

// "standard" and "precise", the names the command-line tool and its JSON use.
std::string_view PositionMethodName(PositionMethod method);
// The method of one of those names (exact, lower case); nothing for any other text.
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

    // The midheaven and the Moon's ascending (north) and descending (south) nodes:
    // tropical longitudes of date in 0..360 and their chart-form texts. They take no part
    // in the tables above, the houses or the patterns.
    double Midheaven = 0;
    double NorthNode = 0;
    double SouthNode = 0;
    NodeKind Nodes = NodeKind::Mean;
    std::string MidheavenText; // chart form
    std::string NorthNodeText; // chart form
    std::string SouthNodeText; // chart form

    // Speed of each aspect point along the ecliptic, degrees per day (negative when
    // retrograde); what tells an applying aspect from a separating one, and, in the
    // precise method, which planets are retrograde.
    PointTable DailyMotion{};
};

// Ecliptic longitude of the ascendant in degrees, 0 <= a < 360, for a local sidereal
// angle (degrees, any finite value, negative ones included), the obliquity of the ecliptic
// (degrees, 0..90) and the latitude (degrees, north positive; |latitude| < 90): the point
// of the ecliptic on the eastern horizon, inside the polar circles too. At the poles the
// tangent of the latitude is unbounded and the result meaningless; NaN in any argument
// gives NaN.
double AscendantFromSiderealTime(double siderealDegrees, double obliquityDegrees,
                                 double latitudeDegrees);

// Ecliptic longitude of the midheaven (the ecliptic point on the upper meridian) in
// degrees, 0 <= mc < 360, for a local sidereal angle (degrees, any finite value) and the
// obliquity of the ecliptic (degrees, |e| < 90). The midheaven lies in the same quadrant
// as the sidereal angle: tan MC = tan RAMC / cos e. NaN or an infinity gives NaN. Inside
// the polar circles this point is below the horizon for part of the day; it stays the
// midheaven then (the Swiss Ephemeris reports the same point, except with Regiomontanus,
// Campanus and Topocentric houses, where it gives the lower meridian's point instead).
double MidheavenFromSiderealTime(double siderealDegrees, double obliquityDegrees);

// Mean longitude of the Moon's ascending node in degrees, 0 <= a < 360, for T Julian
// centuries of universal time from J2000.0 (J. Meeus, "Astronomical Algorithms", 2nd ed.,
// eq. 47.7; valid for some thousands of years either side of 2000). NaN or an infinite T
// gives NaN.
double MeanLunarNode(double T);

// The longitude (degrees, 0..360) as the tables show it: "15 Tau 30" (FormatZodiacDMS,
// then FormatChartPosition; a longitude of 360 or more, NaN or an infinity gives a text
// without its sign or numbers).
std::string ChartPositionOf(double longitude);

// Sets the midheaven's longitude (degrees, any finite value, reduced to 0 <= a < 360) and
// its text.
void SetMidheaven(double longitude, ChartPositions &chart);

// Sets the north node (degrees, any finite value, reduced to 0 <= a < 360), the south
// node opposite it, their texts and which node they are.
void SetLunarNodes(double northLongitude, NodeKind kind, ChartPositions &chart);

// Mean obliquity of the ecliptic in degrees for T Julian centuries of universal time from
// 1900 January 0.5 (UniversalMoment::CenturiesSince1900; S. Newcomb's linear term, good
// within a few centuries of 1900).
double MeanObliquity1900(double T);

// Sets AscendantText, Longitude[kAscBody] and, from the same sidereal time and
// obliquity, the midheaven. The birth's fields are those the form accepts (years
// 1901..2050, latitudes below 90 degrees); others are computed as they are, and a pole
// gives a meaningless ascendant.
void CalculateAscendant(const BirthData &birth, ChartPositions &chart);

// Sets MoonLongitudeText, MoonSignName (when the text names a sign),
// Longitude[kMoonBody] and the mean lunar nodes. Birth fields as above.
void CalculateMoonPosition(const BirthData &birth, ChartPositions &chart);

// Sets ChartBodyNames, PositionText, the Sun's and planets' Longitude and UniversalTime.
// Needs CalculateAscendant and CalculateMoonPosition first. Birth fields as above; the
// day count the planets use is exact from March 1900 to February 2100.
void CalculatePlanetPositions(const BirthData &birth, ChartPositions &chart);

// Sets MoonSignName to the full name of the sign that MoonLongitudeText names; a text that
// names no sign (a longitude of exactly 360) leaves the previous name in place.
void TakeMoonSignFromText(ChartPositions &chart);

// Sets DailyMotion, degrees per day: the Sun's, the Moon's and the planets' instantaneous
// rates (the formulas' own motion, differentiated), and for the ascendant and midheaven,
// which turn once a day, their change over the next quarter of an hour. Needs the three
// operations above first.
void CalculateDailyMotions(const BirthData &birth, ChartPositions &chart);

// The three operations in their fixed order, then the daily motions.
void CalculateChart(const BirthData &birth, ChartPositions &chart);

// The numbers a calculation gives, without any text: what the chart of numbers
// (engine/natal_chart.h) is made from.
struct ChartNumbers {
    std::array<double, kBodyCount> Longitude{}; // chart order, as ChartPositions holds them
    PointTable DailyMotion{};                   // degrees per day, as ChartPositions holds them
    double Midheaven = 0;                       // degrees 0..360
    double NorthNode = 0;                       // degrees 0..360
    double SouthNode = 0;
    NodeKind Nodes = NodeKind::Mean;
    CivilDateTime UniversalTime;
    PositionMethod Method = PositionMethod::Standard;
    // What the ascendant and midheaven were cast with: the local sidereal angle (degrees,
    // west longitude taken off), the obliquity (degrees) and the latitude (degrees north).
    double LocalSidereal = 0;
    double Obliquity = 0;
    double Latitude = 0;
};

// The standard method's numbers: the same longitudes, midheaven, nodes, universal time and
// daily motions that CalculateChart leaves, made without its texts. Birth fields as above.
void CalculateStandardNumbers(const BirthData &birth, ChartNumbers &numbers);

// The ascendant's and the midheaven's motion over the quarter of an hour after the clock's
// moment, degrees per day, from the standard formulas (for their longitudes `ascendant`
// and `midheaven` at the moment), into motion[kAscBody] and motion[kMidheavenPoint].
void StandardAngleMotions(const SiteAndClock &clock, double ascendant, double midheaven,
                          PointTable &motion);

} // namespace starloom
