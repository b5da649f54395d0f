// Calendar and time conversions: Julian day numbers, days and centuries from the standard
// epochs, the universal time of a birth and local sidereal time.
#pragma once

#include "engine/birth_data.h"

#include <optional>
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
// any year after -4800 with month 1..12 and day 1..31; a day past the month's end counts
// on into the next month. Returns an integer held in a double.
double JulianDayNumber(int month, int day, int year);

// Days from 2000 January 1, 12 h universal time, to the given universal date and time
// (month 1..12, day 1..31, hour 0..23, minute 0..59). The formula has no century
// leap-year rule, so it agrees with the Julian date minus 2451545 from 1 March 1900 to
// 28 February 2100 only; outside that span it drifts by a day per skipped leap day.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute);

// Days from 2000 January 1, 12 h universal time, to a universal date and time of the
// Gregorian calendar (after 1582-10-15; month 1..12, day 1..31, hour 0..23, minute 0..59),
// century leap-year rule included: the Julian date less 2451545 for every such date. Bit for
// bit DaysSinceJ2000 from 1 March 1900 to 28 February 2100.
double JulianDaysSinceJ2000(const CivilDateTime &universal);

// One moment of universal time, and the day and century counts the formulas take from it.
//
// The moment is held in the two exact forms the formulas were written for: the universal
// date and time to the minute (the planets' day count), and the Julian day number of a
// civil date with the universal hours since that date's midnight (the ascendant's,
// sidereal time's and the Moon's century counts). For a birth that date is the local civil
// date, so the hours may be negative or 24 and more when the zone carries the moment
// across midnight. Each count is taken from the form its formula uses, so that the numbers
// are the same to the last bit whichever way the moment was reached.
class UniversalMoment {
public:
    // The moment of a birth: its local date and clock time moved by the zone's signed
    // offset (ZoneCorrectionHours), daylight saving included. Fields within the form's
    // ranges (years 1901..2050).
    static UniversalMoment OfBirth(const BirthData &birth);
    // A universal date and time (month 1..12, day 1..31, hour 0..23, minute 0..59), its
    // hours counted from its own midnight.
    static UniversalMoment OfUniversal(const CivilDateTime &universal);
    // The Julian day number of a Gregorian civil date (after 1582-10-15) and the universal
    // hours since that date's midnight (any finite value; the calendar date and time are
    // rounded to the nearest minute).
    static UniversalMoment OfDayAndHours(double dayNumber, double hours);

    // The same moment a whole number of days later (negative: earlier). Every count below
    // grows by exactly `days`, or `days` / 36525 centuries.
    UniversalMoment DaysLater(int days) const;
    // The same moment a number of minutes later (negative: earlier); the hours since
    // midnight grow by minutes / 60, and the calendar date and time carry.
    UniversalMoment MinutesLater(int minutes) const;

    // The universal date and time, to the minute, with full calendar carry.
    const CivilDateTime &Civil() const { return m_civil; }
    // Days from 2000 January 1, 12 h UT (DaysSinceJ2000 of the universal date and time).
    double DaysSinceJ2000() const;
    // Julian centuries of 36525 days from J2000.0 (2000 January 1, 12 h UT).
    double CenturiesSinceJ2000() const;
    // Julian centuries of 36525 days from 1900 January 0.5 (1899 December 31, 12 h UT).
    double CenturiesSince1900() const;
    // Universal hours since the midnight that begins the day of DayNumber(); any value.
    double HoursFromMidnight() const { return m_hours; }
    // Julian day number of the civil date the hours count from.
    double DayNumber() const { return m_dayNumber; }

private:
    CivilDateTime m_civil;
    double m_calendarDays = 0; // DaysSinceJ2000 of m_civil
    double m_dayNumber = 0;
    double m_hours = 0;
    double m_daysAdded = 0; // whole days added since the counts above were made
};

// Hours to add to local clock time for universal time: the zone table's signed hours
// plus its signed minutes, one hour less when the clock was on daylight-saving time.
double ZoneCorrectionHours(const BirthData &birth);

// The offset from Greenwich the birth's clock kept, in minutes east (daylight saving
// included): the negative of the correction above.
int ZoneOffsetMinutesEast(const BirthData &birth);

// The birthplace and the birth's moment, as the ascendant, sidereal time and the Moon
// take them.
struct SiteAndClock {
    double SiteLongitude = 0; // degrees, positive west of Greenwich, negative east
    double SiteLatitude = 0;  // degrees, positive north
    UniversalMoment Moment;
};

// The birthplace from the record's degrees, minutes and direction flags (degrees 0..180
// and 0..90, minutes 0..59 as the form allows; other values are used as they are), and
// UniversalMoment::OfBirth.
SiteAndClock PrepareSiteAndClock(const BirthData &birth);

// Local sidereal time in degrees from Newcomb's expression for Greenwich mean sidereal
// time (T in Julian centuries from 1900 January 0.5), less the west longitude. Reduced
// below 360; a negative value is left as it is, since only its sine, cosine and tangent
// are used. NaN when the moment or the longitude is not finite.
double LocalSiderealDegrees(const SiteAndClock &clock);

// The universal date and time of the birth with full calendar carry:
// UniversalMoment::OfBirth(birth).Civil().
CivilDateTime UniversalDateTime(const BirthData &birth);

// Leading and trailing blanks removed and an optional sign, then read as a whole number;
// nothing when the text is not one or does not fit an int.
std::optional<int> ParseZoneText(std::string_view text);

} // namespace starloom
