// House division: the twelve house cusps of a chart in ten systems, from the local sidereal
// angle, the obliquity of the ecliptic and the latitude, and the house a longitude falls in.
//
// Formulas: R. Holden, "The Elements of House Division" (1977), for the quadrant systems;
// J. Meeus, "Astronomical Algorithms", 2nd ed., chapters 13 and 14, for the angles; W.
// Polich and A. P. Nelson Page, "The Topocentric System of Houses" (1961), for Topocentric.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace starloom {

// The house systems, in the order the menus list them.
enum class HouseSystem : int {
    WholeSign,     // each house one sign, the ascendant's sign the first
    Equal,         // 30-degree houses from the ascendant
    Porphyry,      // each quadrant between the angles cut into three equal arcs of longitude
    Placidus,      // the diurnal and nocturnal semi-arcs cut into thirds in time
    Koch,          // the midheaven's semi-arc cut into thirds in time (birthplace houses)
    Regiomontanus, // the celestial equator cut into 30-degree arcs from the meridian
    Campanus,      // the prime vertical cut into 30-degree arcs from the meridian
    Alcabitius,    // the ascendant's diurnal semi-arc cut into thirds along the equator
    Topocentric,   // poles of the house circles raised in thirds of tan(latitude)
    Morinus,       // the equator cut into 30-degree arcs, projected from the ecliptic poles
};
constexpr int kHouseSystemCount = 10;
constexpr int kHouseCount = 12;
using HouseCuspTable = std::array<double, kHouseCount>; // degrees 0..360, house 1 first

// All ten in menu order (the enum order).
constexpr std::array<HouseSystem, kHouseSystemCount> kHouseSystems = {
    HouseSystem::WholeSign, HouseSystem::Equal,      HouseSystem::Porphyry,
    HouseSystem::Placidus,  HouseSystem::Koch,       HouseSystem::Regiomontanus,
    HouseSystem::Campanus,  HouseSystem::Alcabitius, HouseSystem::Topocentric,
    HouseSystem::Morinus,
};

// "whole-sign", "equal", "porphyry", "placidus", "koch", "regiomontanus", "campanus",
// "alcabitius", "topocentric", "morinus": the names the command-line tool and its JSON use.
std::string_view HouseSystemName(HouseSystem system);
// "Whole Sign", "Equal", "Porphyry", "Placidus", "Koch", "Regiomontanus", "Campanus",
// "Alcabitius", "Topocentric", "Morinus": the names people read (menus, status bar, PDF).
std::string_view HouseSystemTitle(HouseSystem system);
// The system of one of the names above (exact, lower case); nothing for any other text.
std::optional<HouseSystem> HouseSystemFromName(std::string_view name);

// Why a chart's houses are not of the system asked for.
enum class HouseFallback {
    None,
    PolarCircle, // inside a polar circle the system has no houses at this hour
    Pole,        // at a geographic pole no point of the ecliptic rises in the east
};

struct HouseCusps {
    HouseSystem requested = HouseSystem::WholeSign;
    HouseSystem used = HouseSystem::WholeSign; // Porphyry when the requested system is undefined
    HouseFallback fallback = HouseFallback::None;
    double ascendant = 0; // degrees 0..360: always the ecliptic point rising in the east
    double midheaven = 0; // degrees 0..360: the ecliptic point on the upper meridian
    HouseCuspTable cusps{};
};

// The latitude the houses of a pole are computed for, degrees: 0.0001 degree (about 11 m)
// from the pole, where the ascendant is still defined.
constexpr double kPoleStandInLatitude = 89.9999;

// The cusps of `system` for a local sidereal angle (RAMC, degrees, any finite value), the
// obliquity of the ecliptic (degrees, 0 < e < 90) and the geographic latitude (degrees, north
// positive, -90..90). Cusp 1 is the ascendant and cusp 10 the midheaven in every quadrant
// system (Porphyry, Placidus, Koch, Regiomontanus, Campanus, Alcabitius, Topocentric); Equal
// and Whole Sign count from the ascendant; Morinus cusps are not tied to the angles. The
// ascendant is the same eastern point AscendantFromSiderealTime gives (to 1e-11 degree).
//
// Where a system has no houses, Porphyry houses are given instead, with the reason:
// - PolarCircle, inside the polar circles (|latitude| >= 90 - e): Placidus and Koch at every
//   hour, since part of the ecliptic never rises or sets there; Regiomontanus, Campanus and
//   Topocentric while the midheaven is below the horizon, when their cusps would run
//   backwards from the ascendant (and Topocentric whenever its cusps come out of order);
// - Pole, at a pole (|latitude| >= 90), for every system: Porphyry houses for
//   kPoleStandInLatitude of the same hemisphere.
// A latitude beyond +-90 counts as the pole, a non-finite argument as 0. The result is never
// NaN.
HouseCusps CalculateHouseCusps(HouseSystem system, double ramcDegrees, double obliquityDegrees,
                               double latitudeDegrees);

// The house, 1..12, of an ecliptic longitude (degrees, any finite value) between the cusps:
// house n runs from cusp n up to, but not including, cusp n + 1, in increasing longitude and
// across 360, so a point exactly on a cusp lies in the house that begins there. The cusps
// are in 0..360 in house order round the circle; a house of zero width holds nothing. NaN
// gives 1.
int HouseOfLongitude(double longitude, const HouseCuspTable &cusps);

// The houses of several longitudes between the same cusps, each as HouseOfLongitude gives
// it: where each house begins and ends, and whether it runs across 0 degrees, are set out
// once, and a longitude is then held against two houses at a time.
class HouseFinder {
public:
    explicit HouseFinder(const HouseCuspTable &cusps);
    int houseOf(double longitude) const;

private:
    HouseCuspTable m_from{}; // cusp n
    HouseCuspTable m_to{};   // cusp n + 1
    // All ones for a house that runs across 0 degrees (or has a cusp that is no number).
    std::array<std::int64_t, kHouseCount> m_acrossZero{};
};

// The sentence that tells a reader why the houses are not the ones asked for (empty when
// they are), naming the requested system and Porphyry, e.g. "Placidus houses are undefined
// at 70°00′ N, inside the polar circle, where part of the ecliptic never rises or sets;
// Porphyry houses are shown instead." `latitudeDegrees` is the latitude the houses were
// asked for.
std::string HouseFallbackNote(const HouseCusps &houses, double latitudeDegrees);

} // namespace starloom
