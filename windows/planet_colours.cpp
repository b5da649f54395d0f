#include "windows/planet_colours.h"

#include <array>

namespace starloom {

namespace {

// Colours told apart at a glance, each near the hue the planet is traditionally given, and
// each with a contrast of at least 3:1 on the wheel's light surfaces.
const std::array<QColor, 10> kPlanetColours = {
    QColor(176, 120, 0),  // Sun: dark gold
    QColor(96, 112, 144), // Moon: silver grey
    QColor(0, 140, 128),  // Mercury: teal
    QColor(40, 150, 60),  // Venus: green
    QColor(208, 32, 32),  // Mars: red
    QColor(120, 56, 176), // Jupiter: violet
    QColor(112, 80, 40),  // Saturn: brown
    QColor(0, 144, 216),  // Uranus: sky blue
    QColor(32, 64, 192),  // Neptune: deep blue
    QColor(144, 0, 88),   // Pluto: maroon
};

} // namespace

QColor PlanetColour(int body) {
    return body >= 0 && body < static_cast<int>(kPlanetColours.size()) ? kPlanetColours[body]
                                                                       : QColor(128, 128, 128);
}

} // namespace starloom
