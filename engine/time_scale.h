// Calendar and time conversions: Julian day numbers, days and centuries from the standard
// epochs, the universal time of a birth and local sidereal time.
#pragma once

#include "engine/birth_data.h"

#include <string_view>

namespace starloom {

// A calendar date and clock time, month 1..12.
struct CivilDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Julian day number of a civil date: the Julian day that begins at noon of that date.
// Dates up to 1582-10-15 are read in the Julian calendar, later ones in the Gregorian
// (the day-number test of the switch makes 1582-10-15 itself still Julian). Valid for
// any year after -4800. Returns an integer held in a double.
double JulianDayNumber(int month, int day, int year);

// Days from 2000 January 1, 12 h universal time, to the given universal date and time.
// The formula has no century leap-year rule, so it agrees with the Julian date minus
// 2451545 from 1 March 1900 to 28 February 2100 only.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute);

// Hours to add to local clock time for universal time: the zone table's signed hours
// plus its signed minutes, one hour less when the clock was on daylight-saving time.
double ZoneCorrectionHours(const BirthData &birth);

// The site and the birth instant in the form the ascendant, sidereal time and the Moon
// need. UniversalHours counts from the start of the local civil date (so it may be
// negative or 24 and more), and DayNumber is that local date's Julian day number.
struct SiteAndClock {
    double SiteLongitude = 0;  // degrees, positive west of Greenwich, negative east
    double SiteLatitude = 0;   // degrees, positive north
    double UniversalHours = 0; // hours from the start of the local civil date
    double DayNumber = 0;      // Julian day number of the local civil date
};

// The offset from Greenwich the birth's clock kept, in minutes east (daylight saving
// included): the negative of the correction above.
int ZoneOffsetMinutesEast(const BirthData &birth);

SiteAndClock PrepareSiteAndClock(const BirthData &birth);

// Julian centuries of universal time from 1900 January 0.5 and from J2000.0.
double CenturiesSince1900(const SiteAndClock &clock);
double CenturiesSinceJ2000(const SiteAndClock &clock);

// Local sidereal time in degrees from Newcomb's expression for Greenwich mean sidereal
// time (T in Julian centuries from 1900 January 0.5), less the west longitude. Reduced
// below 360; a negative value is left as it is, since only its sine, cosine and tangent
// are used.
double LocalSiderealDegrees(const SiteAndClock &clock);

// The universal date and time of the birth with full calendar carry: the same instant
// as PrepareSiteAndClock, to the minute.
CivilDateTime UniversalDateTime(const BirthData &birth);

// Leading and trailing blanks removed, then read as a whole number; 0 when the text is
// not one. The zone texts always are.
int ParseZoneText(std::string_view text);

} // namespace starloom
