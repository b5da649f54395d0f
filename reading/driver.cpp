// Reading the form and arranging the wheel.
#include "reading/driver.h"

#include "engine/zodiac.h"
#include "reading/birth_form.h"
#include "reading/number_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

namespace starloom {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

void SetNumber(std::int16_t &field, const QString &text) {
    if (const std::optional<std::int16_t> value = TextToInt16(text))
        field = *value;
}

void SetMagnitude(std::int16_t &field, const std::string &text) {
    if (const std::optional<std::int16_t> value = TextToInt16(QString::fromStdString(text)))
        field = static_cast<std::int16_t>(std::abs(*value));
}

// The sign named by characters 4 to 6 of a position text, or -1.
int SignOfPositionText(const std::string &text) {
    if (text.size() < 6)
        return -1;
    return SignIndexOfAbbreviation(std::string_view(text).substr(3, 3));
}

} // namespace

QString TrimmedBlanks(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void ReadFormIntoRecord(const BirthForm &form, ReadingState &state) {
    BirthData &birth = state.Birth;
    birth.BirthName = TrimmedBlanks(form.txtName->text()).toStdString();
    birth.BirthMonth = static_cast<std::int16_t>(form.cboMonth->currentIndex() + 1);
    SetNumber(birth.BirthDay, form.cboDate->currentText());
    SetNumber(birth.BirthYear, form.cboYear->currentText());
    SetNumber(birth.BirthHour, form.cboHour->currentText());
    SetNumber(birth.BirthMinute, form.cboMinute->currentText());
    const int zone = form.cboTimeZone->currentIndex();
    if (zone >= 0 && zone < kZoneSlots) {
        SetMagnitude(birth.ZoneHours, state.Zones.ZoneHoursTable[zone]);
        SetMagnitude(birth.ZoneMinutes, state.Zones.ZoneMinutesTable[zone]);
        birth.ZoneHoursText = state.Zones.ZoneHoursTable[zone];
        birth.ZoneMinutesText = state.Zones.ZoneMinutesTable[zone];
    }
    SetNumber(birth.LonDegrees, form.txtLonD->text());
    SetNumber(birth.LonMinutes, form.txtLonM->text());
    SetNumber(birth.LatDegrees, form.txtLatD->text());
    SetNumber(birth.LatMinutes, form.txtLatM->text());
    birth.LonDirFlag = form.optLongEast[0]->isChecked();
    birth.LatDirFlag = form.optLatSouth[1]->isChecked();
    birth.DstFlag = form.chkDST->checkState() != Qt::Unchecked; // ticked or greyed
    birth.BirthCity = TrimmedBlanks(form.txtCity->text()).toStdString();
    birth.BirthState = TrimmedBlanks(form.txtState->text()).toStdString();
    birth.BirthCountry = TrimmedBlanks(form.txtCountry->text()).toStdString();
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
