// Text to number.
#include "reading/number_text.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace starloom {

QStringView TrimBlanks(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QString TrimmedBlanks(const QString &text) {
    return TrimBlanks(text).toString();
}

bool IsPlainDecimal(QStringView text) {
    static const QRegularExpression kDecimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    return kDecimal.match(text).hasMatch();
}

namespace {

constexpr qsizetype kFastDigits = 5; // digits of the largest 16-bit magnitude, 32768

// A whole number of at most five digits with an optional sign, blanks around it allowed:
// what every list entry, zone text and typed coordinate is. It is read without the
// general rule below (which gives the same value), as a batch of readings reads several
// such numbers per birth. False when the text is not of that shape.
bool ReadPlainWholeNumber(QStringView text, int &value) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.sliced(1);
    }
    if (text.isEmpty() || text.size() > kFastDigits)
        return false;
    value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    if (negative)
        value = -value;
    return true;
}

} // namespace

std::optional<std::int16_t> TextToInt16(const QString &text) {
    if (int value = 0; ReadPlainWholeNumber(text, value)) {
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return static_cast<std::int16_t>(value);
    }
    // Only blanks are trimmed; a tab or a line break makes the text not a number.
    const QString trimmed = TrimmedBlanks(text);
    if (!IsPlainDecimal(trimmed))
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default mode rounds ties to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

int TextToInt(const QString &text) {
    // Blanks around a sign and five digits at most: QString::toInt reads such a text to the
    // same number.
    if (int value = 0; ReadPlainWholeNumber(text, value))
        return value;
    return text.toInt();
}

} // namespace starloom
