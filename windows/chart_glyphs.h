// Glyphs of the aspect points (the ten bodies, the ascendant and the midheaven) and of
// the five aspects, drawn by our own code as vector paths, like the sign glyphs.
#pragma once

#include "engine/aspects.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace starloom {

// The outline of a point's glyph (0 = Sun .. 9 = Pluto, 10 = "AC", 11 = "MC") inside a
// kGlyphUnits square; an empty path for any other index.
QPainterPath PointGlyphPath(int point);

// The outline of an aspect's glyph inside a kGlyphUnits square.
QPainterPath AspectGlyphPath(AspectKind kind);

// Each kind's colour: the conjunction green, the hard aspects (opposition, square) reds,
// the soft ones (trine, sextile) blues.
QColor AspectColour(AspectKind kind);

// Strokes a glyph path drawn in a kGlyphUnits square, scaled to fit the box and centred.
void PaintGlyph(QPainter &painter, const QRectF &box, const QPainterPath &glyph,
                const QColor &colour);

// The point's display name as a QString ("Sun", ..., "Asc", "MC").
QString PointName(int point);

} // namespace starloom
