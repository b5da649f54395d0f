// Zodiac texts.
#include "engine/zodiac.h"

#include "engine/tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace starloom {

namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0"; // U+00B0 in UTF-8
// Room for a DMS text of a longitude below 360 degrees (18 bytes at most), so that it is
// made with a single allocation.
constexpr std::size_t kDmsTextBytes = 24;
// Whole degrees up to here still fit the text's integer fields exactly; no longitude the
// engine computes comes anywhere near it.
constexpr double kLargestFormattedDegrees = 1e15;

// Appends a whole number held in a double, as std::to_string writes its long long value.
void AppendWhole(std::string &text, double value) {
    char digits[24]; // any long long, with its sign
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
    text.append(digits, end.ptr);
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string FormatZodiacDMS(double longitude) {
    const double v = std::fabs(longitude);
    if (!(v < kLargestFormattedDegrees))
        return {};
    double deg = std::floor(v);
    const double m = 60.0 * (v - deg);
    const double min = std::floor(m);
    const double sec = std::floor(60.0 * (m - min));
    const int k = static_cast<int>(std::floor(deg / 30.0));
    deg = std::fmod(deg, 30.0);
    // Made in one piece: every position of every reading passes through here.
    std::string text;
    text.reserve(kDmsTextBytes);
    AppendWhole(text, deg);
    text += kDegreeSign;
    text += ' ';
    AppendWhole(text, min);
    text += "' ";
    AppendWhole(text, sec);
    text += "\" ";
    if (k >= 0 && k < kSignCount)
        text += SignAbbreviations.substr(3 * k, 3);
    return text;
}

std::string FormatChartPosition(std::string_view dms) {
    const std::string_view t = TrimBlanks(dms);
    const std::size_t p = t.find(kDegreeSign);
    const std::size_t q = t.find('\'');
    std::string_view dd;
    std::string_view mm;
    if (p != std::string_view::npos) {
        dd = TrimBlanks(t.substr(0, p));
        const std::size_t afterDegree = p + kDegreeSign.size();
        if (q != std::string_view::npos && q >= afterDegree)
            mm = TrimBlanks(t.substr(afterDegree, q - afterDegree));
    }
    const std::string_view sign = TrimBlanks(t.size() >= 3 ? t.substr(t.size() - 3) : t);
    std::string result;
    if (dd.size() <= 1)
        result += '0';
    result += dd;
    result += ' ';
    result += sign;
    result += ' ';
    if (mm.size() <= 1)
        result += '0';
    result += mm;
    return result;
}

namespace {

// Whole degrees within the sign, whole minutes and the sign of a longitude below 360
// degrees, truncated as FormatZodiacDMS truncates them; false for any other value.
bool DegreesMinutesSign(double longitude, int &degrees, int &minutes, int &sign) {
    const double v = std::fabs(longitude);
    if (!(v < 360.0))
        return false;
    const double deg = std::floor(v);
    minutes = static_cast<int>(std::floor(60.0 * (v - deg)));
    // Whole degrees below 360: the integer quotient and remainder are exactly the floor of
    // deg / 30 and fmod(deg, 30).
    const int whole = static_cast<int>(deg);
    sign = whole / 30;
    degrees = whole % 30;
    return sign < kSignCount && minutes >= 0 && minutes < 60;
}

} // namespace

ChartPositionChars ChartPositionCharsOf(double longitude) {
    ChartPositionChars out;
    int degrees = 0;
    int minutes = 0;
    int sign = 0;
    if (DegreesMinutesSign(longitude, degrees, minutes, sign)) {
        char *c = out.chars.data();
        c[0] = static_cast<char>('0' + degrees / 10);
        c[1] = static_cast<char>('0' + degrees % 10);
        c[2] = ' ';
        c[3] = SignAbbreviations[3 * sign];
        c[4] = SignAbbreviations[3 * sign + 1];
        c[5] = SignAbbreviations[3 * sign + 2];
        c[6] = ' ';
        c[7] = static_cast<char>('0' + minutes / 10);
        c[8] = static_cast<char>('0' + minutes % 10);
        out.size = 9;
        out.sign = sign;
        return out;
    }
    // 360 degrees and beyond, NaN: whatever the two texts make of them.
    const std::string text = FormatChartPosition(FormatZodiacDMS(longitude));
    out.size = static_cast<std::uint8_t>(std::min(text.size(), out.chars.size()));
    std::copy_n(text.begin(), out.size, out.chars.begin());
    if (text.size() >= 6) {
        for (int k = 0; k < kSignCount; ++k) {
            if (text.compare(3, 3, SignAbbreviations.substr(3 * k, 3)) == 0)
                out.sign = k;
        }
    }
    return out;
}

int SignOfZodiacDMS(double longitude) {
    int degrees = 0;
    int minutes = 0;
    int sign = 0;
    if (DegreesMinutesSign(longitude, degrees, minutes, sign))
        return sign;
    const std::string dms = FormatZodiacDMS(longitude);
    const std::string_view t = TrimBlanks(dms);
    if (t.size() < 3)
        return -1;
    const std::optional<int> k = SignIndexOfAbbreviation(t.substr(t.size() - 3));
    return k ? *k : -1;
}

std::string_view SignNameOfText(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    if (t.size() < 3)
        return {};
    const std::optional<int> k = SignIndexOfAbbreviation(t.substr(t.size() - 3));
    return k ? kSignFullNames[*k] : std::string_view{};
}

} // namespace starloom
