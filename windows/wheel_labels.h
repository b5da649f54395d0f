// Where the natal wheel's words and glyphs go: the sign glyph and the house number of each
// house on the outer ring, and the names of the bodies inside each house's sector, placed
// so that nothing overlaps and no sector line runs through a word. The same placement
// serves the screen, the saved image and the printed reading.
//
// Wheel units: the wheel is drawn in a square of 200 units centred on the origin, x to the
// right and y downwards, the rim at radius 100.
#pragma once

#include "engine/tables.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>

class QPainter;

namespace starloom {

constexpr qreal kWheelRimRadius = 100.0;    // units
constexpr qreal kWheelBandInner = 88.0;     // outer ring of coloured bands: 88..100
constexpr qreal kWheelScaleInner = 82.0;    // graduated border: 82..88
constexpr qreal kWheelDiscRadius = 28.0;    // central disc
constexpr qreal kHouseSectorDegrees = 30.0; // one sign, one house

// One body's name as placed in its house: the text and its box in wheel units.
struct PlacedName {
    QString text;
    QRectF box;
};

// One house's names, all at one text size (the height of the font's em, in units).
struct HouseNames {
    QList<PlacedName> names;
    qreal textSize = 0.0;
    bool fitted = true; // false when even the smallest size could not keep clear
};

// The lines of a house cell's text that name a body: the cell's line breaks split it, and
// blank lines and the blanks around each name are dropped.
QStringList CellNames(const QString &cellText);

// The math angle (degrees, counter-clockwise from the right, y up) at which house index
// 0..11 (house 1..12) begins; houses run counter-clockwise from the left point.
qreal HouseStartDegrees(int house);

// A house's sector on the wheel: the math angle (degrees) at which it begins and its
// width counter-clockwise, less than a half turn. Whole-sign houses are the fixed 30-degree
// sectors; the houses of other systems run from cusp to cusp.
struct HouseSector {
    qreal start = 0.0;
    qreal span = kHouseSectorDegrees;
};
HouseSector WholeSignSector(int house);

// The boxes, in wheel units, of the sign glyph and of the house number of a house index.
QRectF GlyphBox(int house);
QRectF HouseNumberBox(int house);

// The text sizes (em height in units) of the house numbers and of the body names.
constexpr qreal kHouseNumberTextSize = 4.2;
constexpr qreal kCuspNumberTextSize = 3.8;
constexpr qreal kLargestNameTextSize = 4.4;
constexpr qreal kSmallestNameTextSize = 2.4;

// The face the wheel writes in, measured and drawn at a reference pixel size and scaled.
QFont WheelFont(bool bold);

// The width in units of `text` written at `textSize` units.
qreal WheelTextWidth(const QString &text, qreal textSize, bool bold);
// The height of one line at `textSize` units.
qreal WheelLineHeight(qreal textSize);

// Places the names of a house index inside its sector, between the central disc and the
// graduated border, clear of both sector lines: the largest size at which all of them fit,
// in rows that follow the shape of the sector, near its middle.
HouseNames PlaceHouseNames(int house, const QStringList &names);

// When the houses run from cusp to cusp, their numbers stand on a small ring round the
// central disc, each in the middle of its house, and the names keep outside that ring.
constexpr qreal kCuspNumberRadius = 33.0; // units, the numbers' centres
constexpr qreal kCuspNamesInner = 36.5;   // units, the inner edge of the names' room
QRectF CuspNumberBox(const HouseSector &sector, int house);

// Places names as PlaceHouseNames does, in any sector, between `innerRadius` and the
// graduated border.
HouseNames PlaceSectorNames(const HouseSector &sector, const QStringList &names, qreal innerRadius);

// A short note in the lower left corner of the picture, outside the rim: its words in
// lines from the bottom edge upwards, each line as long as the room between the picture's
// left edge and the rim allows at its height. `halfWidth` and `halfHeight` are half the
// picture's size in units. Lines that find no room are left off.
constexpr qreal kNoteTextSize = 3.4;
QList<PlacedName> PlaceCornerNote(const QString &note, qreal halfWidth, qreal halfHeight);

// Writes `text` with its box's top-left corner at `box.topLeft()`, at `textSize` units, on
// a painter whose coordinates are wheel units.
void PaintWheelText(QPainter &painter, const QRectF &box, const QString &text, qreal textSize,
                    bool bold);

} // namespace starloom
