// What the letters-only boxes take: the name of a person and the names of a birthplace's
// city, state and country. The form's keystroke filter and the command-line tool's --name,
// --city, --state and --country go through this one rule.
#pragma once

#include <QStringView>

namespace starloom {

// Whether `c` may be typed into a name: a letter of any script (the Unicode letter
// categories, so Greek, Cyrillic, Arabic, Hebrew and the ideographs of Chinese and
// Japanese too), a combining mark (the accents of a decomposed "é", Hebrew points, Arabic
// vowel signs), a blank, a hyphen ("Jean-Luc", "Stratford-upon-Avon"), an apostrophe,
// straight or curly ("O'Brien", "O’Brien"), a full stop ("St. Louis"), or the same signs
// as other scripts write them (the Hebrew hyphen, the ideographic space, the katakana
// middle dot, the Persian zero-width non-joiner). Digits and
// other symbols are not part of anyone's name.
bool IsNameCharacter(char32_t c);

// Whether every character of `text` is a name character. The empty text is one; whether a
// name may be empty is the form's check.
bool IsNameText(QStringView text);

} // namespace starloom
