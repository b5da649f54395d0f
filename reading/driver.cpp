// Reading the form and arranging the wheel.
#include "reading/driver.h"

#include "engine/precise.h"
#include "engine/zodiac.h"
#include "retrograde/retrograde.h"

#include <string_view>

namespace starloom {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

ReadingOutcome RunReading(const FormValues &values, ReadingState &state) {
    BuildTimeZoneTables(state.Zones);
    return RunReadingOnBuiltZones(values, state);
}

ReadingOutcome RunReadingOnBuiltZones(const FormValues &values, ReadingState &state) {
    ReadValuesIntoRecord(values, state);
    ChartRequest request;
    request.Method = state.Method;
    request.Houses = state.Houses;
    request.Orbs = state.Orbs;
    request.Stations = &IsRetrograde;
    ReadingOutcome outcome;
    outcome.Chart = CalculateNatalChart(state.Birth, request);
    const std::string previousMoonSign = state.Chart.MoonSignName;
    state.Chart = PositionsOf(outcome.Chart);
    if (state.Chart.MoonSignName.empty()) // a Moon at exactly 360 names no sign
        state.Chart.MoonSignName = previousMoonSign;
    MarkRetrogradeFromChart(outcome.Chart, state.Retro, state.BodyNames);
    outcome.Wheel = ArrangeChartWheel(outcome.Chart, state.Chart.PositionText, state.BodyNames);
    outcome.Patterns = ClassifyPlanetaryPattern(state.Chart.PositionText);
    outcome.PatternsByDegrees = ClassifyByDegrees(PlanetLongitudesOf(state.Chart.Longitude));
    outcome.Aspects = outcome.Chart.Aspects;
    return outcome;
}

WheelArrangement ArrangeWheel(const std::array<std::string, kBodyCount + 1> &PositionText,
                              const BodyNameTable &BodyNames) {
    // The cells are collected as UTF-8 and each made a QString once: most fit in a short
    // string's own storage, where appending to QStrings cost two temporaries per body.
    std::array<std::string, kSignCount> cells;
    for (int body = 0; body < kAscBody; ++body) {
        const int sign = SignOfPositionText(PositionText[body]);
        if (sign >= 0) {
            cells[sign] += kLineBreak;
            cells[sign] += BodyNames[body];
        }
    }
    const int ascSign = SignOfPositionText(PositionText[kAscBody]);
    if (ascSign >= 0) {
        cells[ascSign] += kLineBreak;
        cells[ascSign] += "Asc";
    }
    WheelArrangement wheel;
    wheel.AscSignIndex = -1;
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (cells[sign].empty())
            continue;
        wheel.SignCellText[sign] = QString::fromStdString(cells[sign]);
        if (wheel.AscSignIndex < 0 && cells[sign].find("Asc") != std::string::npos)
            wheel.AscSignIndex = sign;
    }
    if (wheel.AscSignIndex < 0)
        wheel.AscSignIndex = 0;
    for (int house = 0; house < kSignCount; ++house)
        wheel.HouseCell[house] = wheel.SignCellText[(wheel.AscSignIndex + house) % kSignCount];
    wheel.FirstHouseSign = ascSign;
    return wheel;
}

WheelArrangement ArrangeChartWheel(const NatalChart &chart,
                                   const std::array<std::string, kBodyCount + 1> &PositionText,
                                   const BodyNameTable &BodyNames) {
    WheelArrangement wheel = ArrangeWheel(PositionText, BodyNames);
    if (chart.Houses.used == HouseSystem::WholeSign)
        return wheel;
    std::array<std::string, kSignCount> cells;
    for (int body = 0; body < kAscBody; ++body) {
        std::string &cell = cells[chart.Bodies[body].House - 1];
        cell += kLineBreak;
        cell += BodyNames[body];
    }
    cells[0] += kLineBreak;
    cells[0] += "Asc";
    for (int house = 0; house < kSignCount; ++house)
        wheel.HouseCell[house] = QString::fromStdString(cells[house]);
    return wheel;
}

QString AscendantSignName(const std::string &AscendantText) {
    return QString::fromUtf8(SignNameOfText(AscendantText));
}

} // namespace starloom
