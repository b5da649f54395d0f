#include "shell/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace starloom {

namespace {

// One sRGB channel, 0..1, made linear (IEC 61966-2-1, as WCAG 2.1 quotes it).
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double LeastContrast(const QColor &colour, const QList<QColor> &backgrounds) {
    double least = 21.0;
    for (const QColor &background : backgrounds)
        least = std::min(least, ContrastRatio(colour, background));
    return least;
}

constexpr double kDarkBackground = 0.18; // luminance below which a background counts as dark
constexpr double kLightnessStep = 0.02;  // HSL lightness per step, 0..1

} // namespace

double RelativeLuminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ReadableOn(const QColor &colour, const QList<QColor> &backgrounds, double minimum) {
    if (backgrounds.isEmpty())
        return colour;
    double luminance = 0.0;
    for (const QColor &background : backgrounds)
        luminance += RelativeLuminance(background);
    const bool lighten = luminance / static_cast<double>(backgrounds.size()) < kDarkBackground;
    const QColor hsl = colour.toHsl();
    double lightness = hsl.lightnessF();
    QColor made = colour;
    while (LeastContrast(made, backgrounds) < minimum) {
        if (lighten ? lightness >= 1.0 : lightness <= 0.0)
            break;
        lightness = std::clamp(lightness + (lighten ? kLightnessStep : -kLightnessStep), 0.0, 1.0);
        made = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), static_cast<float>(lightness),
                                colour.alphaF())
                   .toRgb();
    }
    return made;
}

bool IsLightSurface(const QColor &colour) {
    return RelativeLuminance(colour) >= 0.5;
}

QColor Blend(const QColor &from, const QColor &to, double t) {
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()), mix(from.alpha(), to.alpha()));
}

QPalette DarkCheckingPalette() {
    const QColor window(53, 53, 53);
    QPalette dark(window, window);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(96, 170, 255));
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    return dark;
}

} // namespace starloom
