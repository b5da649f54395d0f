// House systems: the twelve house cusps of a chart from its local sidereal angle, the
// obliquity of the ecliptic and the latitude.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace starloom {

enum class HouseSystem : int {
    WholeSign,
    Equal,
    Porphyry,
    Placidus,
    Koch,
    Regiomontanus,
    Campanus,
    Alcabitius,
    Topocentric,
    Morinus
};
constexpr int kHouseSystemCount = 10;
constexpr int kHouseCount = 12;
using HouseCuspTable = std::array<double, kHouseCount>; // degrees 0..360, house 1 first

// All systems in menu order.
constexpr std::array<HouseSystem, kHouseSystemCount> kHouseSystems = {
    HouseSystem::WholeSign, HouseSystem::Equal,      HouseSystem::Porphyry,
    HouseSystem::Placidus,  HouseSystem::Koch,       HouseSystem::Regiomontanus,
    HouseSystem::Campanus,  HouseSystem::Alcabitius, HouseSystem::Topocentric,
    HouseSystem::Morinus};

// "whole-sign", "equal", ... : the names of the command line and the JSON.
std::string_view HouseSystemName(HouseSystem system);
// "Whole Sign", "Equal", ... : the names of the menus, the status bar and the PDF.
std::string_view HouseSystemTitle(HouseSystem system);
std::optional<HouseSystem> HouseSystemFromName(std::string_view name);

// Why a chart's houses are not of the system asked for.
enum class HouseFallback { None, PolarCircle, Pole };

struct HouseCusps {
    HouseSystem requested = HouseSystem::WholeSign;
    HouseSystem used = HouseSystem::WholeSign;
    HouseFallback fallback = HouseFallback::None;
    double ascendant = 0;
    double midheaven = 0;
    HouseCuspTable cusps{};
};

HouseCusps CalculateHouseCusps(HouseSystem system, double ramcDegrees, double obliquityDegrees,
                               double latitudeDegrees);

int HouseOfLongitude(double longitude, const HouseCuspTable &cusps);

std::string HouseFallbackNote(const HouseCusps &houses, double latitudeDegrees);

} // namespace starloom
