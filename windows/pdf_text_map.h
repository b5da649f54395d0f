// The text behind the glyphs of a PDF document, as a reader copies or searches it.
#pragma once

#include <QByteArray>

namespace starloom {

// Qt's PDF writer tells a reader which character each embedded glyph stands for (the
// font's ToUnicode map) by asking the font for the lowest character code that shows that
// glyph. Two kinds of glyph come out wrong that way:
//  - an ideograph that is also a Kangxi radical (山, 田, 人, 日 and some two hundred more)
//    is read back as the radical, a symbol that only looks the same;
//  - a joined Arabic letter (the initial, medial and final forms the shaping chose) is read
//    back as the presentation-form character instead of the letter.
// This rewrites those entries of every ToUnicode map in `pdf` to the character the
// glyph stands for in a name. Each entry keeps its length (four hexadecimal digits), so
// the offsets of the document's cross-reference table stay valid. A ligature that stands
// for two letters (lam with alef) is left as it is: its entry would grow.
void RepairGlyphTextMaps(QByteArray &pdf);

} // namespace starloom
