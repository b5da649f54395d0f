// The natal wheel: the picture box of the report window that holds the wheel drawing, the
// twelve house cells, the house numbers, the twelve sign-glyph slots and the twelve
// per-sign working labels.
#pragma once

#include "engine/tables.h"

#include <QWidget>

#include <array>

class QLabel;

namespace starloom {

class FittingLayout;
class SignGlyphSlot;

constexpr int kWheelWidth = 450;  // pixels
constexpr int kWheelHeight = 431; // pixels

class NatalWheel final : public QWidget {
    Q_OBJECT
public:
    // Starts with the design arrangement: Libra in house 1 through Virgo in house 12, empty
    // house cells, and each per-sign label showing its sign's name.
    explicit NatalWheel(QWidget *parent = nullptr);

    // House cell `lblNatal` of house index + 1, or nullptr outside 0..11. A cell keeps its
    // top-left corner and grows to the right and downwards to show all of its text.
    QLabel *houseCell(int index) const;

    // Working label of a sign (0 = Aries), or nullptr outside 0..11.
    QLabel *signLabel(int sign) const;

    // Shows the glyph of `sign` (0 = Aries) in the slot of house slot + 1. An index outside
    // 0..11 leaves the slots as they are.
    void setGlyph(int slot, int sign);

    // The sign shown in a slot, or -1 outside 0..11.
    int glyphSign(int slot) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FittingLayout *m_layout = nullptr;
    std::array<QLabel *, kSignCount> m_cells{};
    std::array<QLabel *, kSignCount> m_signLabels{};
    std::array<SignGlyphSlot *, kSignCount> m_slots{};
};

} // namespace starloom
