// The natal wheel: the picture box of the report window that holds the wheel drawing, the
// twelve house cells, the house numbers, the twelve sign-glyph slots and the twelve
// per-sign working labels.
#pragma once

#include "engine/aspects.h"
#include "engine/houses.h"
#include "engine/tables.h"
#include "windows/wheel_labels.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace starloom {

class FittingLayout;
class SignGlyphSlot;

constexpr int kWheelWidth = 450;      // pixels
constexpr int kWheelHeight = 431;     // pixels
constexpr int kWheelPlanetMarks = 10; // Sun to Pluto

// Where the ten planets stand by degree, and the largest empty arc between them.
struct WheelDegreeMarks {
    std::array<double, kWheelPlanetMarks> Longitude{}; // degrees, Sun first
    double EmptyArcFrom = 0.0; // degrees; the arc runs towards increasing longitude
    double EmptyArcSize = 0.0; // degrees, 0..360
};

// What the wheel shows: the sign of each house (0 = Aries, -1 for none) and the names of
// the bodies placed in each house.
struct WheelChord {
    qreal from; // degrees counter-clockwise from the right-hand point of the wheel
    qreal to;
    AspectKind kind;
};

// The chart's angles and houses as the wheel marks them: the ascendant and midheaven at
// their exact degrees and, for a house system other than whole signs, the twelve cusps.
struct WheelHouses {
    double ascendant = 0.0;  // degrees
    double midheaven = 0.0;  // degrees
    bool cuspsShown = false; // false for whole signs, whose houses are the sectors
    HouseCuspTable cusps{};  // degrees, house 1 first
    QString note;            // why the houses are not of the system asked for, or empty
};

// A point of a second chart on the bi-wheel's outer ring.
struct WheelRingPoint {
    int point = 0;        // aspect point: 0 = Sun .. 9 = Pluto, 10 = Asc, 11 = MC
    double longitude = 0; // degrees
    bool retrograde = false;
    QString name; // what the ring shows on hover
};

struct WheelPicture {
    std::array<int, kSignCount> houseSign{};
    std::array<HouseNames, kSignCount> houseNames{};
    // The planets' exact degrees and the shaded empty arc, when given.
    bool hasDegreeMarks = false;
    WheelDegreeMarks degreeMarks;
    // The aspect chords in place of the disc's emblem, when shown.
    bool aspectLinesShown = false;
    std::vector<WheelChord> aspectLines;
    std::vector<qreal> aspectPointAngles; // the aspect points' places, same measure
    // The angles at their degrees and the cusps, when given.
    bool hasHouses = false;
    WheelHouses houses;
    // A second chart's points on a ring outside the rim (the bi-wheel), when given: the
    // wheel then shrinks to leave room for the ring.
    bool hasOuterRing = false;
    std::vector<WheelRingPoint> outerRing;
};

// The picture of an arrangement: the sign of house 1 (the others follow in zodiac order)
// and the text of each house cell as the driver writes it; with the chart's angles and
// houses, each cell's names are placed in its house between the cusps.
WheelPicture MakeWheelPicture(int firstHouseSign, const std::array<QString, kSignCount> &cells);
WheelPicture MakeWheelPicture(int firstHouseSign, const std::array<QString, kSignCount> &cells,
                              const WheelHouses &houses);

// Angle on screen, counter-clockwise from the right-hand point in degrees (0..360), of a
// longitude on a wheel with 0 degrees of `firstHouseSign` at the left point.
double WheelScreenAngle(int firstHouseSign, double longitude);

// Where a picture's angles and houses go, in screen angles: the horizon and meridian
// arrows, and each house's sector (the fixed 30-degree ones for whole signs, from cusp to
// cusp otherwise). A picture without houses has its arrows on the left and top points.
struct WheelHouseLayout {
    double ascendantAngle = 180.0;
    double midheavenAngle = 90.0;
    bool cuspsShown = false;
    std::array<HouseSector, kSignCount> sectors{};
};
WheelHouseLayout WheelHouseLayoutOf(const WheelPicture &picture);

// The screen angles (same measure as WheelScreenAngle) of the outer ring's glyphs, one per
// point of picture.outerRing in its order: each at its point's degree, spread apart just
// enough that no two glyphs overlap. Each glyph keeps a leader to its exact degree.
std::vector<double> OuterRingGlyphAngles(const WheelPicture &picture);

// The index in picture.outerRing of the glyph under `position`, for a wheel painted in
// `target`; -1 when no glyph is there.
int OuterRingPointAt(const QRectF &target, const WheelPicture &picture, const QPointF &position);

// Draws the whole wheel, with its glyphs, house numbers and names, as large as fits in
// `target` and centred on it, in vector strokes and text.
void PaintNatalWheel(QPainter &painter, const QRectF &target, const WheelPicture &picture);
// The same in the colours given (those of the palette it is shown on); the one above
// draws in the paper's.
struct ChartColours;
void PaintNatalWheel(QPainter &painter, const QRectF &target, const WheelPicture &picture,
                     const ChartColours &colours);

// A frame round a custom-drawn widget that has the keyboard focus, drawn on `background`,
// so that a keyboard user sees where Tab has brought them. Nothing without focus.
void PaintFocusFrame(QPainter &painter, const QWidget &widget, const QColor &background);

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

    // Marks each planet's exact degree on the graduated ring, in the planet's colour, and
    // shades the empty arc faintly. The ring turns with the glyphs: 0 degrees of the sign in
    // slot 0 is the left point, longitude increasing counter-clockwise.
    void setDegreeMarks(const WheelDegreeMarks &marks);
    void clearDegreeMarks();
    // The angles and cusps of the chart shown.
    void setHouses(const WheelHouses &houses);
    bool hasDegreeMarks() const { return m_hasMarks; }

    // Angle on screen, counter-clockwise from the right-hand point in degrees (0..360), at
    // which the wheel as it stands shows a longitude.
    double screenAngleOf(double longitude) const;
    // The aspects as chords of the central disc, each between its two points' places on
    // the wheel and coloured by its kind; conjunctions, whose ends meet, draw none. A
    // point's place follows the houses: 0 degrees of the sign `firstHouseSign` lies on the
    // left horizon. With no first-house sign (-1) nothing is drawn.
    void setAspectLines(const PointTable &longitude, const std::vector<Aspect> &aspects,
                        int firstHouseSign);
    // Off by default: the disc then shows its emblem and the wheel keeps its usual look.
    void setAspectLinesShown(bool shown);
    bool aspectLinesShown() const { return m_linesShown; }
    // Chords drawn when shown.
    int aspectLineCount() const { return static_cast<int>(m_lines.size()); }

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
    mutable std::array<HouseSector, kSignCount> m_placedSectors{};
    mutable std::array<bool, kSignCount> m_placedByCusps{};
    FittingLayout *m_layout = nullptr;
    std::array<QLabel *, kSignCount> m_cells{};
    std::array<QLabel *, kSignCount> m_signLabels{};
    std::array<SignGlyphSlot *, kSignCount> m_slots{};
    WheelDegreeMarks m_marks;
    bool m_hasMarks = false;
    WheelHouses m_houses;
    bool m_hasHouses = false;

    std::vector<WheelChord> m_lines;
    std::vector<qreal> m_pointAngles; // the aspect points' places, same measure
    bool m_linesShown = false;
};

} // namespace starloom
