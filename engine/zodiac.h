// Zodiac texts: how every position reaches the rest of the program.
#pragma once

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

// Full name of the sign whose abbreviation ends the trimmed text ("Aries" for a text
// ending "Ari"); empty when it names no sign (any text is accepted).
std::string_view SignNameOfText(std::string_view text);

// Leading and trailing blanks removed (only blanks: a tab is part of the text).
std::string_view TrimBlanks(std::string_view text);

} // namespace starloom
