// Fixed tables shared by the whole program: the time-zone list of the birth-data form,
// the display names of the eleven chart bodies and the sign abbreviations.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace starloom {

constexpr int kZoneCount = 164;            // filled slots, positions 0..163
constexpr int kZoneSlots = kZoneCount + 1; // slots in each zone table; the last stays empty
// The entry whose offset is the birthplace's own local mean time: longitude / 15 hours,
// east ahead of Greenwich. Its two numeric columns hold "0"; each birth's longitude gives
// the real ones (LocalMeanTimeTexts).
constexpr int kLocalMeanTimePosition = 117;
constexpr int kBodyCount = 11; // Sun, Moon, Mercury..Pluto, ascendant
constexpr int kSignCount = 12;

// One row of the zone list: the entry shown to the user, and the hours and minutes to
// add to local clock time to obtain universal time. The offset written inside the entry
// is for display only; the two numeric columns are what the engine computes with.
struct ZoneEntry {
    std::string_view name;
    std::string_view hours;
    std::string_view minutes;
};

extern const std::array<ZoneEntry, kZoneCount> kZoneEntries;

struct TimeZoneTables {
    std::array<std::string, kZoneSlots> ZoneNames;
    std::array<std::string, kZoneSlots> ZoneHoursTable;
    std::array<std::string, kZoneSlots> ZoneMinutesTable;
};

// Fills the three tables from the zone list and leaves the last slot empty.
// Running it again gives the same tables.
void BuildTimeZoneTables(TimeZoneTables &tables);

// The hours and minutes to add to local mean time for universal time at a longitude given
// in degrees and minutes (east when `east`): 4 minutes of time per degree, rounded to the
// whole minute, both texts with the same sign ("-0" is written "0"). Degrees 0..180 and
// minutes 0..59 as the form allows; the magnitude of degrees * 60 + minutes is used, so
// a signed value gives the offset of its size.
void LocalMeanTimeTexts(int lonDegrees, int lonMinutes, bool east, std::string &hours,
                        std::string &minutes);

// The plain display names of the eleven chart bodies, in chart order.
constexpr std::array<std::string_view, kBodyCount> kPlainBodyNames = {
    "Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};

using BodyNameTable = std::array<std::string, kBodyCount>;

// Resets the names to the eleven plain names (no retrograde marks).
void FillBodyNames(BodyNameTable &names);

constexpr std::array<std::string_view, kSignCount> SignAbbrevTable = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

constexpr std::array<std::string_view, kSignCount> kSignFullNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Index 0..11 of a three-letter sign abbreviation; nothing when it names no sign (exact,
// case-sensitive comparison).
std::optional<int> SignIndexOfAbbreviation(std::string_view abbreviation);

} // namespace starloom
