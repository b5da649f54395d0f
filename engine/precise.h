// Precise positions: the apparent places of the Sun, the Moon and the planets to a small
// fraction of an arcsecond, from the compiled-in Chebyshev table fitted to a modern
// JPL-based ephemeris (engine/precise_coefficients.cpp), and the ascendant from the apparent
// sidereal time and the true obliquity.
//
// Every longitude here is geocentric, apparent and of date: light-time, aberration and
// light deflection applied, referred to the true equinox and ecliptic of date (precession
// and nutation). Times are universal time in days from J2000.0 (2000 January 1, 12 h UT),
// the value DaysSinceJ2000 gives; Delta T is built into the table. The table covers
// PreciseFirstDay() to PreciseLastDay() (late 1900 to early 2051); outside that every
// function returns NaN.
#pragma once

#include "engine/birth_data.h"
#include "engine/chart.h"

namespace starloom {

// The span the table covers, days of universal time from J2000.0.
double PreciseFirstDay();
double PreciseLastDay();

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

// The eleven positions of a chart as numbers: the apparent longitudes of the Sun to Pluto
// with their daily motions, and the ascendant for the place (east longitude and latitude in
// degrees) in slot kAscBody (its motion left 0). False, with `values` untouched, outside the
// table.
struct PreciseChartValues {
    std::array<double, kBodyCount> longitude{};   // degrees, 0..360
    std::array<double, kBodyCount> dailyMotion{}; // degrees per day
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
