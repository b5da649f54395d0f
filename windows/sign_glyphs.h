// The twelve zodiac sign glyphs, Aries to Pisces, drawn by our own code as vector paths so
// that they stay sharp at any size and device pixel ratio.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace starloom {

constexpr qreal kGlyphUnits = 100.0; // side of the square box the glyph paths are drawn in

// The outline of a sign's glyph (0 = Aries .. 11 = Pisces) as open strokes inside a
// kGlyphUnits square; an empty path for any other index.
QPainterPath SignGlyphPath(int sign);

// The colour of a sign's element: fire red, earth green, air gold, water blue. Black for
// an index outside 0..11.
QColor SignElementColour(int sign);

// Strokes a sign's glyph in its element's colour, scaled to fit the box and centred in it.
// Draws nothing for an index outside 0..11.
void PaintSignGlyph(QPainter &painter, const QRectF &box, int sign);
// The same in the colour given.
void PaintSignGlyph(QPainter &painter, const QRectF &box, int sign, const QColor &colour);

} // namespace starloom
