// The birth record's descriptive lines.
#include "engine/birth_data.h"

namespace starloom {

namespace {

constexpr std::array<std::string_view, 12> kEnglishMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

std::string_view EnglishMonthName(int month) {
    return month >= 1 && month <= 12 ? kEnglishMonthNames[month - 1] : std::string_view{};
}

std::array<std::string, 8> BirthDetailLines(const BirthData &birth, std::string_view monthName,
                                            DirectionLetters letters) {
    const bool shown = letters == DirectionLetters::Shown;
    const std::string latitude = shown ? (birth.LatDirFlag ? " N" : " S") : "";
    const std::string longitude = shown ? (birth.LonDirFlag ? " E" : " W") : "";
    return {
        "Name: " + birth.BirthName,
        "Date of Birth: " + std::string(monthName) + " " + Number(birth.BirthDay) + ", " +
            Number(birth.BirthYear),
        "Time of Birth: " + Number(birth.BirthHour) + " Hour " + Number(birth.BirthMinute) +
            " Minute",
        "Latitude: " + Number(birth.LatDegrees) + " Degree " + Number(birth.LatMinutes) +
            " Minute" + latitude,
        "Longitude: " + Number(birth.LonDegrees) + " Degree " + Number(birth.LonMinutes) +
            " Minute" + longitude,
        "City: " + birth.BirthCity,
        "State: " + birth.BirthState,
        "Country: " + birth.BirthCountry,
    };
}

} // namespace starloom
