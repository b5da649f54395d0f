// Reading the form and arranging the wheel.
#include "reading/driver.h"

#include "engine/zodiac.h"
#include "retrograde/retrograde.h"

namespace starloom {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

ReadingOutcome RunReading(const FormValues &values, ReadingState &state) {
    BuildTimeZoneTables(state.Zones);
    ReadValuesIntoRecord(values, state);
    CalculateAscendant(state.Birth, state.Chart);
    CalculateMoonPosition(state.Birth, state.Chart);
    CalculatePlanetPositions(state.Birth, state.Chart);
    MarkRetrogradePlanets(state.Birth, state.Retro, state.BodyNames);
    ReadingOutcome outcome;
    outcome.Wheel = ArrangeWheel(state.Chart.PositionText, state.BodyNames);
    state.SignCellText = outcome.Wheel.SignCellText;
    state.AscSignIndex = outcome.Wheel.AscSignIndex;
    outcome.Patterns = ClassifyPlanetaryPattern(state.Chart.PositionText);
    return outcome;
}

WheelArrangement ArrangeWheel(const std::array<std::string, kBodyCount + 1> &PositionText,
                              const BodyNameTable &BodyNames) {
    WheelArrangement wheel;
    for (int body = 0; body < kAscBody; ++body) {
        const int sign = SignOfPositionText(PositionText[body]);
        if (sign >= 0)
            wheel.SignCellText[sign] += kLineBreak + QString::fromStdString(BodyNames[body]);
    }
    const int ascSign = SignOfPositionText(PositionText[kAscBody]);
    if (ascSign >= 0)
        wheel.SignCellText[ascSign] += kLineBreak + QStringLiteral("Asc");
    wheel.AscSignIndex = 0;
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (wheel.SignCellText[sign].contains(QStringLiteral("Asc"))) {
            wheel.AscSignIndex = sign;
            break;
        }
    }
    for (int house = 0; house < kSignCount; ++house)
        wheel.HouseCell[house] = wheel.SignCellText[(wheel.AscSignIndex + house) % kSignCount];
    wheel.FirstHouseSign = ascSign;
    return wheel;
}

QString AscendantSignName(const std::string &AscendantText) {
    return QString::fromUtf8(SignNameOfText(AscendantText));
}

} // namespace starloom
