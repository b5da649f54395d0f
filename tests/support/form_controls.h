// The birth-data form's controls as the tests reach them: by their object names, as a user
// reaches them by their captions, while the form keeps its widgets to itself.
#pragma once

#include "reading/gui/birth_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace starloom::testing {

// The child of `root` named `name`; a missing one stops the test run, naming it.
template <typename T> T *NamedChild(const QObject &root, const char *name) {
    T *child = root.findChild<T *>(QLatin1String(name));
    if (child == nullptr)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

struct FormControls {
    explicit FormControls(const QObject &form)
        : txtName(NamedChild<QLineEdit>(form, "txtName")),
          cboMonth(NamedChild<QComboBox>(form, "cboMonth")),
          cboDate(NamedChild<QComboBox>(form, "cboDate")),
          cboYear(NamedChild<QComboBox>(form, "cboYear")),
          cboHour(NamedChild<QComboBox>(form, "cboHour")),
          cboMinute(NamedChild<QComboBox>(form, "cboMinute")),
          cboTimeZone(NamedChild<QComboBox>(form, "cboTimeZone")),
          chkDST(NamedChild<QCheckBox>(form, "chkDST")),
          txtLatD(NamedChild<QLineEdit>(form, "txtLatD")),
          txtLatM(NamedChild<QLineEdit>(form, "txtLatM")),
          txtLonD(NamedChild<QLineEdit>(form, "txtLonD")),
          txtLonM(NamedChild<QLineEdit>(form, "txtLonM")),
          optLatSouth{NamedChild<QRadioButton>(form, "optLatSouth_0"),
                      NamedChild<QRadioButton>(form, "optLatSouth_1")},
          optLongEast{NamedChild<QRadioButton>(form, "optLongEast_0"),
                      NamedChild<QRadioButton>(form, "optLongEast_1")},
          txtCity(NamedChild<QLineEdit>(form, "txtCity")),
          txtState(NamedChild<QLineEdit>(form, "txtState")),
          txtCountry(NamedChild<QLineEdit>(form, "txtCountry")),
          cmdCalculate(NamedChild<QPushButton>(form, "cmdCalculate")),
          cmdOpen(NamedChild<QPushButton>(form, "cmdOpen")),
          Command1(NamedChild<QPushButton>(form, "Command1")),
          lblZoneNotice(NamedChild<QLabel>(form, "lblZoneNotice")) {}

    QLineEdit *txtName;
    QComboBox *cboMonth;
    QComboBox *cboDate;
    QComboBox *cboYear;
    QComboBox *cboHour;
    QComboBox *cboMinute;
    QComboBox *cboTimeZone;
    QCheckBox *chkDST;
    QLineEdit *txtLatD;
    QLineEdit *txtLatM;
    QLineEdit *txtLonD;
    QLineEdit *txtLonM;
    QRadioButton *optLatSouth[2]; // 0 South, 1 North
    QRadioButton *optLongEast[2]; // 0 East, 1 West
    QLineEdit *txtCity;
    QLineEdit *txtState;
    QLineEdit *txtCountry;
    QPushButton *cmdCalculate;
    QPushButton *cmdOpen;
    QPushButton *Command1;
    QLabel *lblZoneNotice;
};

inline FormControls Controls(const QObject &form) {
    return FormControls(form);
}

// The zone list shows its entries sorted by name; each keeps its list position (what the
// program computes with and reading files store) as its item data.
inline int ZonePosition(const QComboBox *list) {
    return list->currentData().toInt();
}
inline void SelectZone(QComboBox *list, int position) {
    list->setCurrentIndex(list->findData(position));
}
// The zone table's own text of the chosen entry, "Indian Time, IST, +5.3".
inline QString ZoneTableText(const QComboBox *list) {
    const std::string_view name = kZoneEntries[ZonePosition(list)].name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace starloom::testing
