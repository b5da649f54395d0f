// Contrast between two colours as the Web Content Accessibility Guidelines measure it, and
// a colour nudged until it reads well on its background: what keeps texts and marks
// legible on a light and on a dark palette alike.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

namespace starloom {

constexpr double kTextContrast = 4.5; // least ratio for text (WCAG 2.1 AA, 1.4.3)
constexpr double kMarkContrast = 3.0; // least ratio for lines and marks (WCAG 2.1 AA, 1.4.11)

// Relative luminance, 0 (black) to 1 (white): the sRGB channels made linear and weighed
// 0.2126, 0.7152, 0.0722 (WCAG 2.1, definition of "relative luminance"). Alpha is ignored.
double RelativeLuminance(const QColor &colour);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 for equal colours, 21 for black on
// white (WCAG 2.1, definition of "contrast ratio").
double ContrastRatio(const QColor &a, const QColor &b);

// `colour` as it is when it reaches `minimum` on every one of `backgrounds`; otherwise the
// same hue made lighter (on dark backgrounds) or darker (on light ones), in small steps of
// lightness, until it does, at worst white or black. An empty list leaves it as it is.
QColor ReadableOn(const QColor &colour, const QList<QColor> &backgrounds, double minimum);

// True for a surface lighter than mid-grey (relative luminance 0.5 or more), on which
// dark texts are written; false for a dark one.
bool IsLightSurface(const QColor &colour);

// `from` moved the fraction `t` (0..1) of the way towards `to`, channel by channel.
QColor Blend(const QColor &from, const QColor &to, double t);

// A dark palette in the manner of the Fusion style's dark scheme: dark grey window and
// base, white texts. What the windows are checked against where the desktop offers no dark
// palette of its own (the program takes it when STARLOOM_DARK_PALETTE is set).
QPalette DarkCheckingPalette();

} // namespace starloom
