// A birth the GUI tests type into the form: 1 May 1990, 12:00 Greenwich Mean Time at
// Greenwich (51 28 N, 0 00 W), a day on which Mercury, Uranus, Neptune and Pluto are
// retrograde.
#pragma once

#include "reading/gui/birth_form.h"
#include "support/form_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace starloom::testing {

inline void FillMay1990(BirthForm &form) {
    Controls(form).txtName->setText(QStringLiteral("Mary Ann"));
    Controls(form).cboMonth->setCurrentIndex(4);
    Controls(form).cboDate->setCurrentIndex(0);
    Controls(form).cboYear->setCurrentIndex(
        Controls(form).cboYear->findText(QStringLiteral("1990")));
    Controls(form).cboHour->setCurrentIndex(12);
    Controls(form).cboMinute->setCurrentIndex(0);
    SelectZone(Controls(form).cboTimeZone, 29); // Greenwich Mean Time
    Controls(form).txtLatD->setText(QStringLiteral("51"));
    Controls(form).txtLatM->setText(QStringLiteral("28"));
    Controls(form).txtLonD->setText(QStringLiteral("0"));
    Controls(form).txtLonM->setText(QStringLiteral("0"));
    Controls(form).optLatSouth[1]->setChecked(true);
    Controls(form).optLongEast[1]->setChecked(true);
    Controls(form).txtCity->setText(QStringLiteral("Greenwich"));
    Controls(form).txtState->setText(QStringLiteral("London"));
    Controls(form).txtCountry->setText(QStringLiteral("England"));
}

} // namespace starloom::testing
