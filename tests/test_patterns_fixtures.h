// Chart fixtures for the pattern tests, written as the signs of the eleven bodies.
#pragma once

#include "patterns/classify.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace starloom_test {

// The eleven position texts from eleven blank-separated tokens in chart order (Sun first,
// ascendant last). A sign abbreviation ("Tau") becomes a chart-form text with some degree
// and minute ("07 Tau 21"), "-" an empty text, and any other token is taken as it stands
// with '_' for a blank ("5_Aqu" is "5 Aqu").
inline starloom::PositionTable Positions(const QString &bodies) {
    const QStringList tokens = bodies.split(' ', Qt::SkipEmptyParts);
    if (tokens.size() != starloom::kBodyCount)
        qFatal("fixture needs eleven bodies: %s", qPrintable(bodies));
    starloom::PositionTable table;
    for (int body = 0; body < starloom::kBodyCount; ++body) {
        const QString &token = tokens[body];
        if (token == "-")
            continue;
        if (starloom::SignIndexOfAbbreviation(token.toStdString())) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d %s %02d", (body * 7) % 30, qPrintable(token),
                          (body * 13) % 60);
            table[body] = text;
        } else {
            table[body] = QString(token).replace('_', ' ').toStdString();
        }
    }
    return table;
}

// The names of the set flags in slot order, blank-separated ("Bundle Seesaw Locomotive").
inline QString FlagNames(const std::array<bool, starloom::kPatternCount> &flags) {
    QStringList names;
    for (int slot = 0; slot < starloom::kPatternCount; ++slot) {
        if (flags[slot])
            names << QString::fromUtf8(starloom::PatternTable[slot].Name.data(),
                                       qsizetype(starloom::PatternTable[slot].Name.size()));
    }
    return names.join(' ');
}

} // namespace starloom_test
