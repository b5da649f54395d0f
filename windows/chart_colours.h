// The colours the wheel and the aspect grid are drawn in. On paper, and on a light
// palette, they are the wheel's own; on a dark palette the surfaces follow the palette and
// every text and mark is made light enough to read on the surfaces it is drawn on.
#pragma once

#include "engine/aspects.h"
#include "engine/tables.h"
#include "windows/natal_wheel.h"

#include <QColor>

#include <array>

class QPalette;

namespace starloom {

struct ChartColours {
    // Surfaces.
    QColor background;                    // round the wheel: the outer ring, the note
    std::array<QColor, 2> houseShade;     // houses in turn (house 1 the first)
    std::array<QColor, kSignCount> bands; // the signs' ring, house 1 first
    QColor scale;                         // the graduated ring
    QColor aspectFace;                    // the disc when it holds the aspect chords
    QColor gridDiagonal;                  // the aspect grid's diagonal cells
    QColor emptyArc;                      // translucent shade over the empty arc
    // Texts.
    QColor names;                                     // the bodies in the houses
    QColor numbers;                                   // the house numbers
    QColor note;                                      // the note in the corner
    std::array<QColor, kWheelPlanetMarks> planetText; // a retrograde "R"; named planets
    QColor gridOrb;                                   // the grid's orbs
    // Lines and marks.
    QColor line; // the rings and the lines between the signs
    QColor tick; // the degrees of the graduated ring
    QColor cusp; // the cusps of the houses other than the angular ones
    QColor angularCusp;
    QColor arrow; // the ascendant's and the midheaven's arrows
    QColor aspectTick;
    std::array<QColor, kWheelPlanetMarks> planetMarks; // degree marks and ring glyphs
    std::array<QColor, kSignCount> signGlyphs;
    std::array<QColor, kAspectKindCount> aspects; // chords and the grid's glyphs
    QColor gridLine;
    QColor gridPoint; // the points' glyphs on the grid's diagonal
};

// The colours on paper: the printed reading and the PDF, whatever the screen shows.
ChartColours PaperChartColours();

// The colours for a palette: paper's on a light one (its base lighter than mid-grey), the
// dark set built on its base otherwise.
ChartColours ChartColoursFor(const QPalette &palette);

} // namespace starloom
