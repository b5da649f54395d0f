// The letters-only rule.
#include "reading/name_text.h"

#include <QChar>
#include <QList>

namespace starloom {

bool IsNameCharacter(char32_t c) {
    switch (c) {
    case U' ':
    case U'-':
    case U'\u2010': // hyphen, as typographic keyboards and word processors put it
    case U'\'':
    case U'\u2019': // right single quotation mark, the curly apostrophe
    case U'.':
    // The same signs as other scripts write them in names: the Hebrew hyphen (maqaf), the
    // ideographic space, the katakana middle dot between the parts of a foreign name, and
    // the zero-width non-joiner that Persian spelling needs inside a word.
    case U'\u05BE':
    case U'\u3000':
    case U'\u30FB':
    case U'\u200C':
        return true;
    default:
        break;
    }
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier: // the Japanese long-vowel mark, the iteration mark
    case QChar::Letter_Other:    // Arabic, Hebrew, the CJK ideographs, kana
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

bool IsNameText(QStringView text) {
    for (const char32_t c : text.toUcs4()) {
        if (!IsNameCharacter(c))
            return false;
    }
    return true;
}

} // namespace starloom
