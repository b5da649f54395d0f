// The natal wheel: the picture box of the report window that holds the wheel drawing, the
// twelve house cells, the house numbers, the twelve sign-glyph slots and the twelve
// per-sign working labels.
#pragma once

#include "engine/tables.h"
#include "windows/wheel_labels.h"

#include <QWidget>

#include <array>

class QLabel;

namespace starloom {

class FittingLayout;
class SignGlyphSlot;

constexpr int kWheelWidth = 450;  // pixels
constexpr int kWheelHeight = 431; // pixels

// What the wheel shows: the sign of each house (0 = Aries, -1 for none) and the names of
// the bodies placed in each house.
struct WheelPicture {
    std::array<int, kSignCount> houseSign{};
    std::array<HouseNames, kSignCount> houseNames{};
};

// The picture of an arrangement: the sign of house 1 (the others follow in zodiac order)
// and the text of each house cell as the driver writes it.
WheelPicture MakeWheelPicture(int firstHouseSign, const std::array<QString, kSignCount> &cells);

// Draws the whole wheel, with its glyphs, house numbers and names, as large as fits in
// `target` and centred on it, in vector strokes and text.
void PaintNatalWheel(QPainter &painter, const QRectF &target, const WheelPicture &picture);

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

    // What the wheel shows now.
    WheelPicture picture() const;

    // Places the names of every house whose cell text changed, and moves the glyph slots,
    // house numbers and cells onto the boxes they are drawn in. Runs by itself when the
    // wheel is resized on screen or a cell's text changes.
    void placeLabels();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect toPixels(const QRectF &units) const;

    std::array<QLabel *, kSignCount> m_numbers{};
    mutable std::array<QString, kSignCount> m_placedText{};
    mutable std::array<HouseNames, kSignCount> m_placedNames{};
    FittingLayout *m_layout = nullptr;
    std::array<QLabel *, kSignCount> m_cells{};
    std::array<QLabel *, kSignCount> m_signLabels{};
    std::array<SignGlyphSlot *, kSignCount> m_slots{};
};

} // namespace starloom
