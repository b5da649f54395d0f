#include "windows/chart_colours.h"

#include "shell/readable_colour.h"
#include "windows/chart_glyphs.h"
#include "windows/planet_colours.h"
#include "windows/sign_glyphs.h"

#include <QPalette>

namespace starloom {

namespace {

// The wheel's own colours, as drawn on paper; the dark set starts from them too.
const QColor kPaperNames(0, 0, 96);
const QColor kPaperNumbers(64, 64, 80);
const QColor kPaperNote(88, 88, 104);
const QColor kPaperLine(48, 48, 96);
const QColor kPaperTick(96, 96, 112);
const QColor kPaperCusp(72, 72, 120);
const QColor kPaperAngularCusp(24, 24, 72);
const QColor kPaperArrow(176, 24, 24);
const QColor kPaperGridLine(176, 180, 200);
const QColor kPaperGridOrb(48, 48, 64);

// Each text and mark in its design colour, made readable on the surfaces it lies on.
void FillInks(ChartColours &c) {
    const QList<QColor> shades{c.houseShade[0], c.houseShade[1]};
    const QList<QColor> bands(c.bands.begin(), c.bands.end());
    // The names lie in the houses, over the empty arc's shade as well.
    QList<QColor> houses = shades;
    for (const QColor &shade : shades)
        houses << Blend(shade, QColor(c.emptyArc.rgb()), c.emptyArc.alphaF());
    // House numbers stand on the band ring for whole signs, round the disc for cusps.
    c.names = ReadableOn(kPaperNames, houses, kTextContrast);
    c.numbers = ReadableOn(kPaperNumbers, bands + houses, kTextContrast);
    c.note = ReadableOn(kPaperNote, {c.background}, kTextContrast);
    c.gridOrb = ReadableOn(kPaperGridOrb, {c.background}, kTextContrast);
    c.line = ReadableOn(kPaperLine, bands + houses + QList<QColor>{c.scale, c.background},
                        kMarkContrast);
    c.tick = ReadableOn(kPaperTick, {c.scale}, kMarkContrast);
    c.cusp = ReadableOn(kPaperCusp, houses + QList<QColor>{c.scale}, kMarkContrast);
    c.angularCusp = ReadableOn(kPaperAngularCusp, houses + QList<QColor>{c.scale}, kMarkContrast);
    c.arrow = ReadableOn(kPaperArrow, houses, kMarkContrast);
    c.aspectTick = ReadableOn(kPaperNames, {c.aspectFace}, kMarkContrast);
    c.gridLine = ReadableOn(kPaperGridLine, {c.background, c.gridDiagonal}, kMarkContrast);
    c.gridPoint = ReadableOn(kPaperNames, {c.gridDiagonal}, kMarkContrast);
    // A planet's degree mark crosses the graduated ring into the houses; on the bi-wheel
    // its glyph stands on the outer ring.
    const QList<QColor> markGround = houses + QList<QColor>{c.scale, c.background};
    for (int body = 0; body < kWheelPlanetMarks; ++body) {
        c.planetMarks[body] = ReadableOn(PlanetColour(body), markGround, kMarkContrast);
        c.planetText[body] = ReadableOn(PlanetColour(body), {c.background}, kTextContrast);
    }
    for (int sign = 0; sign < kSignCount; ++sign)
        c.signGlyphs[sign] = ReadableOn(SignElementColour(sign), bands, kMarkContrast);
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        c.aspects[kind] = ReadableOn(AspectColour(static_cast<AspectKind>(kind)),
                                     {c.aspectFace, c.background}, kMarkContrast);
}

} // namespace

ChartColours PaperChartColours() {
    ChartColours c;
    c.background = Qt::white;
    c.houseShade = {QColor(244, 246, 255), QColor(255, 255, 255)};
    for (int house = 0; house < kSignCount; ++house)
        c.bands[house] = QColor::fromHsv(house * 30, 56, 255);
    c.scale = QColor(250, 246, 232);
    c.aspectFace = QColor(255, 253, 244);
    c.gridDiagonal = QColor(236, 240, 252);
    c.emptyArc = QColor(72, 88, 160, 34);
    FillInks(c);
    return c;
}

ChartColours ChartColoursFor(const QPalette &palette) {
    const QColor base = palette.color(QPalette::Base);
    if (IsLightSurface(base))
        return PaperChartColours();
    // The same surfaces a shade or two lighter than the base, the bands in their hues but
    // deep, so that light texts and marks read on all of them.
    ChartColours c;
    c.background = base;
    c.houseShade = {Blend(base, Qt::white, 0.06), base};
    for (int house = 0; house < kSignCount; ++house)
        c.bands[house] = QColor::fromHsv(house * 30, 120, 72);
    c.scale = Blend(base, QColor(250, 246, 232), 0.14);
    c.aspectFace = Blend(base, Qt::white, 0.1);
    c.gridDiagonal = Blend(base, Qt::white, 0.1);
    c.emptyArc = QColor(160, 176, 255, 40);
    FillInks(c);
    return c;
}

} // namespace starloom
