// How the program reads a number out of a text box.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace starloom {

// Leading and trailing blanks removed (only blanks: a tab is part of the text).
QStringView TrimBlanks(QStringView text);
QString TrimmedBlanks(const QString &text);

// Whether the whole text is a number in plain decimal notation: an optional sign, then
// digits with at most one decimal point ("-2", "2.", ".5"); no blanks, no exponent.
bool IsPlainDecimal(QStringView text);

// Leading and trailing blanks removed, read as a decimal number and converted to a 16-bit
// signed integer, a fraction going to the nearest integer and a tie to the even one
// ("2.5" gives 2, "3.5" gives 4). Nothing when the text is not a number or the result
// does not fit in 16 bits.
std::optional<std::int16_t> TextToInt16(const QString &text);

// QString::toInt's value of the text (0 when it is no whole number), the plain whole
// numbers of the form's lists read without the library's general rule.
int TextToInt(const QString &text);

} // namespace starloom
