// A birth the GUI tests type into the form: 1 May 1990, 12:00 Greenwich Mean Time at
// Greenwich (51 28 N, 0 00 W), a day on which Mercury, Uranus, Neptune and Pluto are
// retrograde.
#pragma once

#include "reading/gui/birth_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace starloom::testing {

inline void FillMay1990(BirthForm &form) {
    form.txtName->setText(QStringLiteral("Mary Ann"));
    form.cboMonth->setCurrentIndex(4);
    form.cboDate->setCurrentIndex(0);
    form.cboYear->setCurrentIndex(form.cboYear->findText(QStringLiteral("1990")));
    form.cboHour->setCurrentIndex(12);
    form.cboMinute->setCurrentIndex(0);
    form.cboTimeZone->setCurrentIndex(29); // Greenwich Mean Time
    form.txtLatD->setText(QStringLiteral("51"));
    form.txtLatM->setText(QStringLiteral("28"));
    form.txtLonD->setText(QStringLiteral("0"));
    form.txtLonM->setText(QStringLiteral("0"));
    form.optLatSouth[1]->setChecked(true);
    form.optLongEast[1]->setChecked(true);
    form.txtCity->setText(QStringLiteral("Greenwich"));
    form.txtState->setText(QStringLiteral("London"));
    form.txtCountry->setText(QStringLiteral("England"));
}

} // namespace starloom::testing
