// A birth record on universal time (zone offset 0), for tests of the engine's charts.
#pragma once

#include "engine/birth_data.h"

#include <cstdint>

namespace starloom {

inline BirthData UtcBirth(int year, int month, int day, int hour, int minute, int latDegrees,
                          bool north, int lonDegrees, bool east) {
    BirthData b;
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    b.ZoneHoursText = "0";
    b.ZoneMinutesText = "0";
    b.LatDegrees = static_cast<std::int16_t>(latDegrees);
    b.LatDirFlag = north;
    b.LonDegrees = static_cast<std::int16_t>(lonDegrees);
    b.LonDirFlag = east;
    return b;
}

} // namespace starloom
