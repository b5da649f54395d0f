// ToUnicode maps of Qt's PDF writer.
#include "windows/pdf_text_map.h"

#include <QChar>
#include <QString>

namespace starloom {

namespace {

constexpr int kHexDigits = 4; // a map entry's code: one UTF-16 unit

// The letter a glyph shown for `c` stands for, or `c` itself.
char32_t IntendedCharacter(char32_t c) {
    const QChar::Decomposition tag = QChar::decompositionTag(c);
    const bool arabicForm = tag == QChar::Initial || tag == QChar::Medial || tag == QChar::Final ||
                            tag == QChar::Isolated;
    // CJK Radicals Supplement and Kangxi Radicals.
    const bool radical = c >= 0x2E80 && c <= 0x2FDF;
    if (!arabicForm && !radical)
        return c;
    const QString letter = QChar::decomposition(c);
    if (letter.size() != 1 || letter[0].isSurrogate())
        return c;
    return letter[0].unicode();
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The entry "<XXXX>" at `at` rewritten in place, if it is one and needs it.
void RepairEntry(QByteArray &pdf, qsizetype at) {
    if (at + kHexDigits + 1 >= pdf.size() || pdf[at] != '<' || pdf[at + kHexDigits + 1] != '>')
        return;
    char32_t c = 0;
    for (int i = 1; i <= kHexDigits; ++i) {
        const int digit = HexValue(pdf[at + i]);
        if (digit < 0)
            return;
        c = c * 16 + static_cast<char32_t>(digit);
    }
    char32_t letter = IntendedCharacter(c);
    if (letter == c)
        return;
    for (int i = kHexDigits; i >= 1; --i) {
        pdf[at + i] = "0123456789ABCDEF"[letter % 16];
        letter /= 16;
    }
}

// One line of a bfrange section: "<first> <last> <code>" gives first..last the codes
// code, code + 1, ...; "<first> <last> [<code> <code> ...]" gives each its own.
void RepairRangeLine(QByteArray &pdf, qsizetype begin, qsizetype end) {
    const QByteArrayView line(pdf.constData() + begin, end - begin);
    const qsizetype open = line.indexOf('[');
    if (open >= 0) {
        for (qsizetype i = open; i < line.size(); ++i) {
            if (line[i] == '<')
                RepairEntry(pdf, begin + i);
        }
        return;
    }
    // A run of several glyphs shares one code: the codes that follow it are not ours to
    // change.
    const qsizetype entry = (kHexDigits + 3) * 2;
    if (line.size() >= entry + kHexDigits + 2 &&
        line.sliced(1, kHexDigits) == line.sliced(kHexDigits + 4, kHexDigits))
        RepairEntry(pdf, begin + entry);
}

} // namespace

void RepairGlyphTextMaps(QByteArray &pdf) {
    static const QByteArray kBegin = QByteArrayLiteral("beginbfrange\n");
    static const QByteArray kEnd = QByteArrayLiteral("endbfrange");
    qsizetype at = pdf.indexOf(kBegin);
    while (at >= 0) {
        const qsizetype first = at + kBegin.size();
        const qsizetype last = pdf.indexOf(kEnd, first);
        if (last < 0)
            return;
        for (qsizetype line = first; line < last;) {
            qsizetype next = pdf.indexOf('\n', line);
            if (next < 0 || next > last)
                next = last;
            RepairRangeLine(pdf, line, next);
            line = next + 1;
        }
        at = pdf.indexOf(kBegin, last);
    }
}

} // namespace starloom
