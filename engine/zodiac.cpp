// Zodiac texts.
#include "engine/zodiac.h"

#include "engine/tables.h"

#include <cmath>

namespace starloom {

namespace {
constexpr std::string_view kDegreeSign = "\xC2\xB0"; // U+00B0 in UTF-8
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
    double deg = std::floor(v);
    const double m = 60.0 * (v - deg);
    const double min = std::floor(m);
    const double sec = std::floor(60.0 * (m - min));
    const int k = static_cast<int>(std::floor(deg / 30.0));
    while (deg >= 30.0)
        deg -= 30.0;
    std::string text = std::to_string(static_cast<long long>(deg));
    text += kDegreeSign;
    text += ' ';
    text += std::to_string(static_cast<long long>(min));
    text += "' ";
    text += std::to_string(static_cast<long long>(sec));
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

std::string_view SignNameOfText(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    if (t.size() < 3)
        return {};
    const int k = SignIndexOfAbbreviation(t.substr(t.size() - 3));
    return k < 0 ? std::string_view{} : kSignFullNames[k];
}

} // namespace starloom
