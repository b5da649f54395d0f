// Zodiac texts: how every position reaches the rest of the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace starloom {

// The twelve three-letter sign abbreviations run together; sign k (0 = Aries) is the
// three characters from 3k.
constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Degrees, minutes and seconds within the sign and the sign's abbreviation, e.g.
// "15° 30' 0\" Tau" for 45.5 degrees; all parts truncated, no leading zeros. The
// longitude should lie in 0..360 (its magnitude is used); exactly 360 and beyond give an
// empty abbreviation, and NaN, an infinity or a magnitude of 1e15 or more an empty text.
// The degree sign is UTF-8.
std::string FormatZodiacDMS(double longitude);

// The chart form of a DMS text: two-digit degrees, the sign, two-digit minutes
// ("15 Tau 30"); seconds are dropped. The sign occupies characters 4 to 6 (1-based). Any
// text is accepted: a missing degree sign or apostrophe leaves the degrees or minutes
// "0", and the last three characters are taken as the sign whatever they are.
std::string FormatChartPosition(std::string_view dms);

// The chart form of a longitude, made in place without a text: the characters of
// FormatChartPosition(FormatZodiacDMS(longitude)) (nine for a longitude below 360 degrees,
// at most nine for any value) and the sign its characters 4 to 6 name, 0 (Aries) .. 11, or -1
// when they name none.
struct ChartPositionChars {
    std::array<char, 12> chars{};
    std::uint8_t size = 0;
    int sign = -1;
    std::string_view text() const { return {chars.data(), size}; }
};
ChartPositionChars ChartPositionCharsOf(double longitude);

// The sign, 0 (Aries) .. 11, whose abbreviation ends FormatZodiacDMS(longitude): what
// SignNameOfText finds in that text. -1 when it names none (360 degrees or more, NaN).
int SignOfZodiacDMS(double longitude);

// Full name of the sign whose abbreviation ends the trimmed text ("Aries" for a text
// ending "Ari"); empty when it names no sign (any text is accepted).
std::string_view SignNameOfText(std::string_view text);

// Leading and trailing blanks removed (only blanks: a tab is part of the text).
std::string_view TrimBlanks(std::string_view text);

} // namespace starloom
