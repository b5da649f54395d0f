// Calendar and time conversions.
#include "engine/time_scale.h"

#include "engine/angles.h"
#include "engine/civil_days.h"
#include "engine/zodiac.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace starloom {

namespace {

constexpr double kJ2000DayNumber = 2451545.0;     // Julian day number of 2000 January 1
constexpr double kJ1900DayNumber = 2415020.0;     // Julian day number of 1899 December 31
constexpr double kDaysPerJulianCentury = 36525.0; // days
constexpr int kMinutesPerDay = 1440;
constexpr std::int64_t kUnixEpochDayNumber = 2440588; // Julian day number of 1970-01-01

// The Gregorian date of a count of days since 1970-01-01 (the inverse of DaysFromCivil).
void CivilFromDays(std::int64_t z, CivilDateTime &out) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    out.year = static_cast<int>(yoe + era * 400 + (out.month <= 2 ? 1 : 0));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

double JulianDayNumber(int month, int day, int year) {
    // Integer day count through months of a year that starts in March (the algorithm
    // of Fliegel and Van Flandern, as arranged by Hatcher), Julian first, then shifted
    // by the Gregorian century rule once past the 1582 reform.
    const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
    std::int64_t j =
        day + FloorDiv(365 * m + 2 * (m - 12 * FloorDiv(m, 12)) + 7, 12) + FloorDiv(m, 48) - 32083;
    if (j > 2299171)
        j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    return static_cast<double>(j);
}

double JulianDaysSinceJ2000(const CivilDateTime &universal) {
    // The day number less J2000's and the half day from noon to midnight is a whole number
    // and a half, exact in a double; the hours are then added as DaysSinceJ2000 adds them.
    const double ut = universal.hour + universal.minute / 60.0;
    return (JulianDayNumber(universal.month, universal.day, universal.year) - kJ2000DayNumber -
            0.5) +
           ut / 24.0;
}

double DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
    // The day count of P. Schlyter's "How to compute planetary positions".
    const double ut = hour + minute / 60.0;
    const double y = year;
    const double m = month;
    return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
           std::floor(275.0 * m / 9.0) + day - 730531.5 + ut / 24.0;
}

std::optional<int> ParseZoneText(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

namespace {

// Minutes to add to the local clock reading for universal time. The zone texts always are
// numbers; one that is not counts as 0.
int ZoneCorrectionMinutes(const BirthData &birth) {
    return ParseZoneText(birth.ZoneHoursText).value_or(0) * 60 +
           ParseZoneText(birth.ZoneMinutesText).value_or(0) - (birth.DstFlag ? 60 : 0);
}

// The date and time `minutes` after `from`, with full calendar carry.
CivilDateTime AddMinutes(const CivilDateTime &from, std::int64_t minutes) {
    const std::int64_t total = std::int64_t(from.hour) * 60 + from.minute + minutes;
    const std::int64_t dayShift = FloorDiv(total, kMinutesPerDay);
    const std::int64_t minuteOfDay = total - dayShift * kMinutesPerDay;
    CivilDateTime result;
    CivilFromDays(DaysFromCivil(from.year, from.month, from.day) + dayShift, result);
    result.hour = static_cast<int>(minuteOfDay / 60);
    result.minute = static_cast<int>(minuteOfDay % 60);
    return result;
}

double CalendarDays(const CivilDateTime &t) {
    return DaysSinceJ2000(t.year, t.month, t.day, t.hour, t.minute);
}

} // namespace

UniversalMoment UniversalMoment::OfBirth(const BirthData &birth) {
    // The zone's own signed offset decides the direction, whatever the hemisphere of the
    // birthplace: a London birth on summer time is an hour ahead of Greenwich although
    // London lies west of it.
    const int correction = ZoneCorrectionMinutes(birth);
    const CivilDateTime local{birth.BirthYear, birth.BirthMonth, birth.BirthDay, 0, 0};
    UniversalMoment moment;
    moment.m_civil = AddMinutes(local, birth.BirthHour * 60 + birth.BirthMinute + correction);
    moment.m_calendarDays = CalendarDays(moment.m_civil);
    const double localHours = birth.BirthHour + birth.BirthMinute / 60.0;
    moment.m_hours = localHours + correction / 60.0;
    moment.m_dayNumber = JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
    return moment;
}

UniversalMoment UniversalMoment::OfUniversal(const CivilDateTime &universal) {
    UniversalMoment moment;
    moment.m_civil = universal;
    moment.m_calendarDays = CalendarDays(universal);
    moment.m_hours = universal.hour + universal.minute / 60.0;
    moment.m_dayNumber = JulianDayNumber(universal.month, universal.day, universal.year);
    return moment;
}

UniversalMoment UniversalMoment::OfDayAndHours(double dayNumber, double hours) {
    CivilDateTime date;
    CivilFromDays(static_cast<std::int64_t>(dayNumber) - kUnixEpochDayNumber, date);
    UniversalMoment moment;
    moment.m_civil = AddMinutes(date, std::llround(hours * 60.0));
    moment.m_calendarDays = CalendarDays(moment.m_civil);
    moment.m_hours = hours;
    moment.m_dayNumber = dayNumber;
    return moment;
}

UniversalMoment UniversalMoment::DaysLater(int days) const {
    UniversalMoment later = *this;
    later.m_civil = AddMinutes(m_civil, std::int64_t(days) * kMinutesPerDay);
    later.m_daysAdded += days;
    return later;
}

UniversalMoment UniversalMoment::MinutesLater(int minutes) const {
    UniversalMoment later = *this;
    later.m_civil = AddMinutes(m_civil, minutes);
    later.m_calendarDays = CalendarDays(later.m_civil) - m_daysAdded;
    later.m_hours += minutes / 60.0;
    return later;
}

double UniversalMoment::DaysSinceJ2000() const {
    return m_calendarDays + m_daysAdded;
}

double UniversalMoment::CenturiesSince1900() const {
    return ((m_dayNumber - kJ1900DayNumber) + m_hours / 24.0 - 0.5) / kDaysPerJulianCentury +
           m_daysAdded / kDaysPerJulianCentury;
}

double UniversalMoment::CenturiesSinceJ2000() const {
    return ((m_dayNumber - kJ2000DayNumber) + m_hours / 24.0 - 0.5) / kDaysPerJulianCentury +
           m_daysAdded / kDaysPerJulianCentury;
}

double ZoneCorrectionHours(const BirthData &birth) {
    return ZoneCorrectionMinutes(birth) / 60.0;
}

int ZoneOffsetMinutesEast(const BirthData &birth) {
    return -ZoneCorrectionMinutes(birth);
}

SiteAndClock PrepareSiteAndClock(const BirthData &birth) {
    SiteAndClock clock;
    clock.SiteLongitude = birth.LonDegrees + birth.LonMinutes / 60.0;
    if (birth.LonDirFlag)
        clock.SiteLongitude = -clock.SiteLongitude;
    clock.SiteLatitude = birth.LatDegrees + birth.LatMinutes / 60.0;
    if (!birth.LatDirFlag)
        clock.SiteLatitude = -clock.SiteLatitude;
    clock.Moment = UniversalMoment::OfBirth(birth);
    return clock;
}

double LocalSiderealDegrees(const SiteAndClock &clock) {
    // Greenwich mean sidereal time at 0 h UT in hours (S. Newcomb), advanced by the
    // universal hours; the day fraction inside T already carries the sidereal-rate
    // excess, so the hours enter with factor 1.
    const double t = clock.Moment.CenturiesSince1900();
    return ReduceDegreesFromAbove(
        15.0 * (6.6460656 + 2400.0513 * t + 0.0000258 * t * t + clock.Moment.HoursFromMidnight()) -
        clock.SiteLongitude);
}

CivilDateTime UniversalDateTime(const BirthData &birth) {
    return UniversalMoment::OfBirth(birth).Civil();
}

} // namespace starloom
