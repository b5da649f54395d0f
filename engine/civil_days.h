// Day counts of the proleptic Gregorian calendar. They are constexpr because the station
// tables are turned into day numbers while the program is compiled.
#pragma once

#include <cstdint>

namespace starloom {

// Days from 1970-01-01 to a date of the Gregorian calendar (proleptic before 1582), month
// 1..12; a day beyond the month's length runs on into the next month. H. Hinnant,
// "chrono-Compatible Low-Level Date Algorithms", days_from_civil. Any year that keeps the
// result within 64 bits.
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Leap years of the Gregorian calendar.
constexpr bool IsLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in a month 1..12 of a Gregorian year.
constexpr std::int64_t DaysInMonth(std::int64_t year, std::int64_t month) {
    constexpr std::int64_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

} // namespace starloom
