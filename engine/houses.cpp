// PLACEHOLDER until the house-systems module lands: whole-sign, equal and Porphyry only.
#include "engine/houses.h"

#include "engine/angles.h"
#include "engine/chart.h"

#include <cmath>

namespace starloom {

namespace {
constexpr std::array<std::string_view, kHouseSystemCount> kNames = {
    "whole-sign",    "equal",    "porphyry",   "placidus",    "koch",
    "regiomontanus", "campanus", "alcabitius", "topocentric", "morinus"};
constexpr std::array<std::string_view, kHouseSystemCount> kTitles = {
    "Whole Sign",    "Equal",    "Porphyry",   "Placidus",    "Koch",
    "Regiomontanus", "Campanus", "Alcabitius", "Topocentric", "Morinus"};
} // namespace

std::string_view HouseSystemName(HouseSystem system) {
    return kNames[static_cast<int>(system)];
}
std::string_view HouseSystemTitle(HouseSystem system) {
    return kTitles[static_cast<int>(system)];
}
std::optional<HouseSystem> HouseSystemFromName(std::string_view name) {
    for (int i = 0; i < kHouseSystemCount; ++i)
        if (kNames[i] == name)
            return static_cast<HouseSystem>(i);
    return std::nullopt;
}

HouseCusps CalculateHouseCusps(HouseSystem system, double ramc, double eps, double lat) {
    HouseCusps h;
    h.requested = system;
    h.used = system;
    h.ascendant = AscendantFromSiderealTime(ramc, eps, lat);
    h.midheaven = MidheavenFromSiderealTime(ramc, eps);
    if (system == HouseSystem::WholeSign) {
        const double first = std::floor(h.ascendant / 30.0) * 30.0;
        for (int i = 0; i < kHouseCount; ++i)
            h.cusps[i] = ReduceDegrees(first + 30.0 * i);
    } else if (system == HouseSystem::Equal) {
        for (int i = 0; i < kHouseCount; ++i)
            h.cusps[i] = ReduceDegrees(h.ascendant + 30.0 * i);
    } else {
        h.used = HouseSystem::Porphyry;
        const double q1 = ReduceDegrees(h.ascendant - h.midheaven + 360.0); // MC..Asc? (ic..)
        const double ic = ReduceDegrees(h.midheaven + 180.0);
        const double a = ReduceDegrees(ic - h.ascendant);
        const double b = 180.0 - a;
        (void)q1;
        for (int i = 0; i < 3; ++i) {
            h.cusps[i] = ReduceDegrees(h.ascendant + a * i / 3.0);
            h.cusps[3 + i] = ReduceDegrees(ic + b * i / 3.0);
            h.cusps[6 + i] = ReduceDegrees(h.ascendant + 180.0 + a * i / 3.0);
            h.cusps[9 + i] = ReduceDegrees(h.midheaven + b * i / 3.0);
        }
    }
    return h;
}

int HouseOfLongitude(double longitude, const HouseCuspTable &cusps) {
    const double lon = ReduceDegrees(longitude);
    for (int i = 0; i < kHouseCount; ++i) {
        const double from = cusps[i];
        const double span = ReduceDegrees(cusps[(i + 1) % kHouseCount] - from);
        if (ReduceDegrees(lon - from) < span)
            return i + 1;
    }
    return 1;
}

std::string HouseFallbackNote(const HouseCusps &houses, double) {
    if (houses.requested == houses.used)
        return {};
    return std::string(HouseSystemTitle(houses.requested)) +
           " houses are not available yet; Porphyry houses are shown instead.";
}

} // namespace starloom
