// The report window's labels as the tests reach them: by their object names, while the
// window keeps its widgets to itself.
#pragma once

#include "engine/tables.h"

#include <QLabel>
#include <QString>

namespace starloom::testing {

// The label of `report` named `name`; a missing one stops the test run, naming it.
inline QLabel *ReportLabel(const QObject &report, const QString &name) {
    auto *label = report.findChild<QLabel *>(name);
    if (label == nullptr)
        qFatal("no QLabel named %s", qPrintable(name));
    return label;
}

// Whether `report` has any widget named `name`.
inline bool HasWidgetNamed(const QObject &report, const QString &name) {
    return report.findChild<QWidget *>(name) != nullptr;
}

// Value `Planet` i of the positions table (11 MC, 12 north node, 13 south node).
inline QString PlanetValueName(int i) {
    return QStringLiteral("Planet_%1").arg(i);
}
inline QLabel *PlanetValue(const QObject &report, int i) {
    return ReportLabel(report, PlanetValueName(i));
}

// The wheel's cell of house index + 1.
inline QString HouseCellName(int house) {
    return QStringLiteral("lblNatal_%1").arg(house);
}
inline QLabel *HouseCell(const QObject &report, int house) {
    return ReportLabel(report, HouseCellName(house));
}

// The wheel's working label of a sign (0 = Aries), e.g. "lblNatalPisces".
inline QString SignLabelName(int sign) {
    const std::string_view name = kSignFullNames[static_cast<std::size_t>(sign)];
    return QStringLiteral("lblNatal") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
inline QLabel *SignLabel(const QObject &report, int sign) {
    return ReportLabel(report, SignLabelName(sign));
}

// The signs of the ascendant and the Moon.
inline QLabel *LagnaLabel(const QObject &report) {
    return ReportLabel(report, QStringLiteral("lblLagna"));
}
inline QLabel *RashiLabel(const QObject &report) {
    return ReportLabel(report, QStringLiteral("lblRashi"));
}

} // namespace starloom::testing
