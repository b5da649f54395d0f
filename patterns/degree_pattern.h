// The chart's shape by degrees: how the ten planets (Sun to Pluto, not the ascendant) lie
// around the circle, read from their exact ecliptic longitudes rather than their signs.
//
// The longitudes are sorted around the circle and the ten gaps between neighbours taken
// (the last wraps past 0 degrees Aries, and together they make 360 degrees). The largest
// gaps decide the shape, tested in this order, the first that holds naming it:
//   Bundle      the largest gap is at least 240 degrees (all planets within a trine);
//   Bowl        the largest gap is at least 180 degrees (all planets in one half);
//   Bucket      a handle (one planet, or two at most 10 degrees apart) has a gap of at
//               least 60 degrees on each side and the other planets lie within 180;
//   Locomotive  the largest gap is at least 120 degrees (an empty trine);
//   Seesaw      exactly two gaps reach 60 degrees and each of the two groups they part
//               holds at least two planets;
//   Splay       exactly three or four gaps reach 30 degrees (three or four clusters);
//   Splash      anything else: the planets spread evenly round the circle.
// The leading planet of a Bundle, Bowl or Locomotive is the first planet met going from
// the largest gap towards increasing longitude, the rising edge of the group; a Bucket is
// led by its handle. Planets at exactly the same longitude count in the order Sun, Moon,
// Mercury .. Pluto.
#pragma once

#include "patterns/text_noop.h"

#include <array>
#include <string>
#include <string_view>

namespace starloom {

constexpr int kPlanetCount = 10; // Sun, Moon, Mercury .. Pluto, the first ten chart bodies

// Longitudes in degrees in chart order, Sun first.
using PlanetLongitudes = std::array<double, kPlanetCount>;

// In the order the rules are tried.
enum class DegreePattern : int { Bundle, Bowl, Bucket, Locomotive, Seesaw, Splay, Splash };
constexpr int kDegreePatternCount = 7;

constexpr std::array<std::string_view, kDegreePatternCount> kDegreePatternNames = {
    STARLOOM_TEXT_NOOP("Astrology", "Bundle"), STARLOOM_TEXT_NOOP("Astrology", "Bowl"),
    STARLOOM_TEXT_NOOP("Astrology", "Bucket"), STARLOOM_TEXT_NOOP("Astrology", "Locomotive"),
    STARLOOM_TEXT_NOOP("Astrology", "Seesaw"), STARLOOM_TEXT_NOOP("Astrology", "Splay"),
    STARLOOM_TEXT_NOOP("Astrology", "Splash")};

struct DegreeShape {
    DegreePattern Pattern = DegreePattern::Splash;
    // The leading planets as chart-body indexes (0 = Sun .. 9 = Pluto) in order of
    // increasing longitude: one, two for a Bucket with a two-planet handle, or none.
    std::array<int, 2> Leading{-1, -1};
    int LeadingCount = 0;
    // The largest empty arc, from the planet before it to the planet after it going
    // towards increasing longitude; degrees in 0..360. From equals To when every planet
    // stands at one longitude (the arc is then the whole circle, Size 360).
    double EmptyArcFrom = 0.0;
    double EmptyArcTo = 0.0;
    double EmptyArcSize = 0.0;
};

// The shape of ten longitudes (degrees, any value: they are taken modulo 360; a value that
// is not a finite number counts as 0). Arcs that differ by less than a billionth of a degree
// count as equal, so a chart turned by any angle keeps its shape and leading planet.
DegreeShape ClassifyByDegrees(const PlanetLongitudes &longitudes);

// The chart's first ten longitudes (of an array of at least ten), as ClassifyByDegrees takes
// them.
template <typename Array> PlanetLongitudes PlanetLongitudesOf(const Array &chartLongitudes) {
    PlanetLongitudes planets{};
    for (int body = 0; body < kPlanetCount; ++body)
        planets[body] = chartLongitudes[body];
    return planets;
}

std::string_view DegreePatternName(DegreePattern pattern);

// One plain sentence on what the shape says about a life.
std::string_view DegreePatternText(DegreePattern pattern);

// What a planet stands for, as a short phrase ("drive, courage and the urge to act"); empty
// outside 0..9.
std::string_view PlanetRoleText(int body);

// "Mars", "Mars, Venus" or "none".
std::string LeadingPlanetNames(const DegreeShape &shape);

// One sentence on the leading planet's part in the shape, or on there being none.
std::string LeadingPlanetSentence(const DegreeShape &shape);

} // namespace starloom
