// The birth-data record: one person's birth as the form hands it to the engine, the
// retrograde lookup, the report window and the file writers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace starloom {

struct BirthData {
    std::string BirthName;
    std::int16_t BirthMonth = 0;  // 1..12
    std::int16_t BirthDay = 0;    // 1..31, as chosen
    std::int16_t BirthYear = 0;   // 1901..2050
    std::int16_t BirthHour = 0;   // local clock time, 0..23
    std::int16_t BirthMinute = 0; // local clock time, 0..59
    // The zone's hours and minutes to add to local clock time to get universal time, as
    // signed decimal texts from the zone table ("-5" and "-30" for 5 h 30 min east).
    std::string ZoneHoursText;
    std::string ZoneMinutesText;
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    bool LatDirFlag = false; // true for North
    bool LonDirFlag = false; // true for East
    bool DstFlag = false;    // the clock time is daylight-saving time
    std::string BirthCity;
    std::string BirthState;
    std::string BirthCountry;
};

// The English name of a month 1..12 ("January"); empty for any other number. Text that is
// written to files or read by programs uses these names whatever the machine's language.
std::string_view EnglishMonthName(int month);

// Whether the latitude and longitude lines end with the direction's letter, N or S and E
// or W. The files and texts of the first version have none, and keep their format.
enum class DirectionLetters { Omitted, Shown };

// The eight lines that describe a birth: name, date and time of birth, latitude,
// longitude, city, state and country ("Date of Birth: March 15, 1980", "Latitude: 28
// Degree 36 Minute", or with the letters "Latitude: 33 Degree 52 Minute S"). The date line
// carries `monthName` as given (empty when the month has none). Numbers are plain decimal,
// texts as the record holds them.
std::array<std::string, 8> BirthDetailLines(const BirthData &birth, std::string_view monthName,
                                            DirectionLetters letters = DirectionLetters::Omitted);

} // namespace starloom
