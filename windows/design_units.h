// Our windows are laid out in twips (1/1440 inch), 15 to the pixel at 96 dots per inch,
// and written in Verdana. These helpers turn the design values into Qt geometry and fonts.
#pragma once

#include "shell/program_font.h"

#include <QRect>

namespace starloom {

constexpr int kTwipsPerPixel = 15; // twips per pixel at 96 dots per inch

// Nearest whole pixel for a length in twips. A twip count is never exactly half a pixel
// (15 is odd), so the rounding direction never matters.
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle given in twips (left, top, width, height), in pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

constexpr qreal kSmallFontPoints = 8.25; // labels, buttons and links

} // namespace starloom
