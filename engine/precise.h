// Precise positions: the apparent places of the Sun, the Moon and the planets to a small
// fraction of an arcsecond, from the built-in Chebyshev table fitted to a modern JPL-based
// ephemeris (engine/precise_table.bin), and the ascendant from the apparent sidereal time
// and the true obliquity.
//
// Every longitude here is geocentric, apparent and of date: light-time, aberration and
// light deflection applied, referred to the true equinox and ecliptic of date (precession
// and nutation). Times are universal time in days from J2000.0 (2000 January 1, 12 h UT),
// the Julian date less 2451545, as JulianDaysSinceJ2000 gives them (DaysSinceJ2000 agrees
// with it from 1900-03-01 to 2100-02-28 only); Delta T is built into the table. The table serves
// the instants from PreciseFirstDay() up to, not including, PreciseLastDay(): 1800-01-01 0h UT to
// the end of 2199-12-31 UT. Outside that, and when the table is damaged (see PreciseTableStatus),
// every function returns NaN or false.
#pragma once

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/status.h"

#include <span>
#include <string>

namespace starloom {

// The range of the table, days of universal time from J2000.0: its first instant,
// 1800-01-01 0h UT (-73048.5), and the instant just after its last, 2200-01-01 0h UT
// (73048.5), the end of 2199-12-31. An instant t is served when
// PreciseFirstDay() <= t < PreciseLastDay(): the minutes 1800-01-01 00:00 to 2199-12-31
// 23:59 are, 1799-12-31 23:59 and 2200-01-01 00:00 are not.
double PreciseFirstDay();
double PreciseLastDay();

// Whether a table is whole: its size and its 64-bit hash are those the generator recorded
// (engine/precise_table_digest.h), and its layout reads back (ReadPreciseTable in
// engine/precise_coefficients.h) with the range above. `reason` says what is wrong, in a
// few English words ("its hash is ..., not ..."), and is empty when the table is intact.
struct PreciseTableCheck {
    bool intact = false;
    std::string reason;
};

// The check of the table built into the program, made once on first call: it hashes every
// byte of the table, a few milliseconds. The programs call it at start and refuse to run
// when it fails; the functions below use no table that has not passed it.
const PreciseTableCheck &PreciseTableStatus();

// A check as the programs report it: success, or StatusCode::Damaged naming the table, with
// the check's reason.
Status StatusOf(const PreciseTableCheck &check);

// The same check of any bytes (a copy of the table, say), which must start at an address
// that is a multiple of 8.
PreciseTableCheck CheckPreciseTable(std::span<const unsigned char> bytes);

struct LongitudeAndRate {
    double longitude = 0.0; // degrees, 0 <= longitude < 360
    double rate = 0.0;      // degrees per day; negative while the body is retrograde
};

// Apparent longitude of a chart body from kSunBody to kPlutoBody; NaN for the ascendant or
// any other index.
double PreciseLongitude(int body, double utDays);
LongitudeAndRate PreciseLongitudeAndRate(int body, double utDays);

// Longitude of the Moon's true (osculating) ascending node, true equinox of date, degrees.
double TrueNodeLongitude(double utDays);

// Nutation in longitude (degrees) and the true obliquity of the ecliptic (degrees).
double NutationInLongitude(double utDays);
double TrueObliquity(double utDays);

// Greenwich apparent sidereal time in degrees, 0 <= s < 360: mean sidereal time plus the
// equation of the equinoxes.
double ApparentSiderealDegrees(double utDays);

// Ascendant in degrees, 0 <= a < 360, for a place at `eastLongitude` degrees (east
// positive) and `latitude` degrees (north positive, |latitude| < 90): the point of the
// ecliptic on the eastern horizon, inside the polar circles too.
double PreciseAscendant(double utDays, double eastLongitude, double latitude);

// The apparent sidereal time, the true obliquity and the ascendant at one instant, each the
// same number as ApparentSiderealDegrees, TrueObliquity and PreciseAscendant give, from one
// look at each series they share; NaN outside the table.
struct PreciseAngleParts {
    double sidereal = 0;  // degrees, 0..360
    double obliquity = 0; // degrees
    double ascendant = 0; // degrees, 0..360
};
PreciseAngleParts PreciseAnglePartsAt(double utDays, double eastLongitude, double latitude);

// The eleven positions of a chart as numbers: the apparent longitudes of the Sun to Pluto
// with their daily motions, and the ascendant for the place (east longitude and latitude in
// degrees) in slot kAscBody (its motion left 0); with them the parts of the instant the
// rest of a chart is cast from, each the same number as the function named gives. False,
// with `values` untouched, outside the table.
struct PreciseChartValues {
    std::array<double, kBodyCount> longitude{};   // degrees, 0..360
    std::array<double, kBodyCount> dailyMotion{}; // degrees per day
    double sidereal = 0;                          // ApparentSiderealDegrees, degrees 0..360
    double obliquity = 0;                         // TrueObliquity, degrees
    double trueNode = 0;                          // TrueNodeLongitude, degrees 0..360
};
bool PreciseChartAt(double utDays, double eastLongitude, double latitude,
                    PreciseChartValues &values);

// The chart of one birth by the precise method, in the same shape as CalculateChart leaves
// it (texts, longitudes, universal time), with each body's DailyMotion and Method set to
// PositionMethod::Precise. The instant is the birth's universal time to the minute and the
// ascendant is for the birthplace. False, with `chart` untouched, when the instant lies
// outside the table (never for a birth the form accepts).
bool CalculatePreciseChart(const BirthData &birth, ChartPositions &chart);

} // namespace starloom
