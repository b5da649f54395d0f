// Text to number.
#include "reading/number_text.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace starloom {

QString TrimmedBlanks(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

std::optional<std::int16_t> TextToInt16(const QString &text) {
    // Only blanks are trimmed; a tab or a line break makes the text not a number.
    const QString trimmed = TrimmedBlanks(text);
    // Plain decimal notation only: an optional sign, digits with at most one decimal point.
    static const QRegularExpression kDecimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!kDecimal.match(trimmed).hasMatch())
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

} // namespace starloom
