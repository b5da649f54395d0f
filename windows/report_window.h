// The report window: one finished reading with the person's details, the planetary
// positions, the natal wheel and the interpretation text. It computes nothing; on
// construction it writes the details from the birth data, and the driver writes the rest.
#pragma once

#include "engine/aspects.h"
#include "engine/birth_data.h"
#include "engine/natal_chart.h"
#include "engine/tables.h"
#include "windows/natal_wheel.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPixmap;
class QScrollArea;
class QTabBar;
class QTextEdit;

class QGroupBox;

namespace starloom {

class AspectGrid;
class NatalWheel;

// One piece of the interpretation text, written after the previous piece. Line ends
// inside the text may be CR LF.
struct ReportTextRun {
    QString text;
    QColor colour;
    bool bold = false;
};

constexpr int kPlanetLabelCount = 16; // `PlanetName` and `Planet` arrays, 0..15

// The chart's shape by degrees as the window shows it: on the interpretation frame's
// "Degrees" tab, and as marks and a shaded arc on the wheel.
struct ShapeByDegreesView {
    QString pattern;     // "Bowl"
    QString patternText; // one sentence on the shape
    QList<int> leading;  // the leading planets, chart-body indexes (0 = Sun .. 9 = Pluto)
    QList<QString> leadingNames;
    QString sentence; // one sentence on the leading planet's part, or on there being none
    QString emptyArc; // where the empty arc runs, e.g. "187 degrees, from 15 Tau 30 to ..."
    std::array<double, 10> longitudes{}; // degrees, Sun first
    double emptyArcFrom = 0.0;           // degrees
    double emptyArcSize = 0.0;           // degrees
};

// Where the last image of the window was saved. Empty before the first.
struct LastImage {
    QString folder;
    QString file;
};

class ReportWindow final : public QWidget {
    Q_OBJECT
public:
    // Builds the window (object name "frmDisplay") and writes the eight detail labels
    // from `birth` as it is now, the latitude and longitude with their directions.
    explicit ReportWindow(const BirthData &birth, QWidget *parent = nullptr);

    // The zone the birth time was read in ("British Double Summer Time, UTC+02:00") and
    // the universal time it gives ("1944-07-16 12:45"), on the two detail lines below the
    // others.
    void showTimeUsed(const QString &zone, const QString &universalTime);

    // Shows image list entry signIndex + 1 (the glyph of sign signIndex, 0 = Aries) in glyph
    // slot `imgSign` slot (house slot + 1). Indices outside 0..11 leave the slots as they are.
    void setGlyph(int slot, int signIndex);
    // The sign whose glyph a slot shows, or -1 outside 0..11.
    int glyphSign(int slot) const;

    // Row i (0..15) of the positions table, value label `Planet` i, shows `text`; other
    // rows are ignored. Values 11, 12 and 13 show the midheaven, the north node and the
    // south node.
    void showPosition(int i, const QString &text);
    // The signs of the ascendant and the Moon; an empty ascendant sign leaves its label as
    // it was.
    void showChartSigns(const QString &ascendantSign, const QString &moonSign);
    // The wheel's contents: the bodies each sign holds (0 = Aries; the per-sign labels only
    // carry them to the houses and stay hidden) and the text of each house (0 = house 1).
    void showWheel(const std::array<QString, 12> &signCells,
                   const std::array<QString, 12> &houseCells);

    // Each body's house (1..12, Sun .. Pluto and the ascendant) beside its position.
    void showHouses(const std::array<int, kBodyCount> &houses);
    // The angles at their degrees and the cusps on the wheel, with the chart's note.
    void showWheelHouses(const WheelHouses &houses);
    // The chart read out: the wheel's and the positions table's accessible description.
    void describeChart(const NatalChart &chart);
    // A note on how the chart was computed (the method or houses used instead of those
    // asked for); empty for none.
    void showChartNote(const QString &note);

    // The aspects in the grid behind the interpretation's "Aspects" tab and, when they are
    // shown, as lines in the wheel's central disc (see NatalWheel::setAspectLines).
    void showAspects(const std::vector<Aspect> &aspects, const PointTable &longitude,
                     int firstHouseSign);
    const std::vector<Aspect> &aspects() const;
    void setAspectLinesShown(bool shown);
    bool aspectLinesShown() const;

    // Replaces the whole interpretation text with the runs, in order, each in its colour
    // and weight. CR LF, and a lone CR or LF, start a new line.
    void writeReport(const QList<ReportTextRun> &runs);

    // Writes the shape by degrees into the "Degrees" tab of the interpretation frame and
    // marks it on the wheel. The interpretation text of `RTB` is left as it is.
    void showShapeByDegrees(const ShapeByDegreesView &shape);
    // Shows the interpretation text (0) or the shape by degrees (1) in the frame.
    void showInterpretationTab(int tab);

    // The picture holder `Picture1`: the last image taken of this window, or a null
    // pixmap before the first.
    void holdCapture(const QPixmap &image);
    QPixmap heldCapture() const;
    // The last saved image: the folder it was written to and the file name chosen for it,
    // kept in the hidden boxes `txtFolder` and `txtFile`.
    LastImage lastImage() const;
    void rememberImage(const LastImage &image);

    // What the wheel shows now.
    WheelPicture wheelPicture() const;

    // Lays the window out again at `factor` times its design size, fonts included, so
    // that it is drawn anew at that size rather than magnified.
    void setZoom(qreal factor);
    qreal zoom() const { return m_zoom; }

private:
    // The window's parts, built in this order by the constructor.
    void createCaptureHolder();
    void createInterpretationFrame(); // the interpretation text and its tabs
    void createPositionsFrame();
    void createPersonalFrame(); // the ten detail lines
    void createWheel();
    void createImageNameBoxes(); // the last saved image's folder and name, never seen
    void createOtherDetailsFrame();
    void writeDetails(const BirthData &birth);
    void buildInterpretationTabs(QWidget *frame);
    void placeInterpretationTabs(qreal factor);

    // A child's geometry and font size at the design scale.
    struct DesignGeometry {
        QWidget *widget;
        QRect rect;
        qreal points;
    };
    QList<DesignGeometry> m_design;
    qreal m_designPoints = 0;
    qreal m_zoom = 1.0;

    std::array<QLabel *, kPlanetLabelCount> m_planetValues{};
    std::array<QLabel *, kBodyCount> m_houseValues{};
    NatalWheel *m_wheel = nullptr;
    QTextEdit *m_text = nullptr;
    QWidget *m_positions = nullptr; // the positions table's frame
    QTabBar *m_tabs = nullptr;
    QGroupBox *m_interpretation = nullptr; // the frame whose title line the tabs share
    QString m_interpretationTitle;
    QTextEdit *m_degrees = nullptr;
    AspectGrid *m_grid = nullptr;
    QScrollArea *m_gridArea = nullptr; // holds the grid
    QLabel *m_lagna = nullptr;
    QLabel *m_rashi = nullptr;
    QLabel *m_captureHolder = nullptr;
    QLineEdit *m_imageFile = nullptr;
    QLineEdit *m_imageFolder = nullptr;
};

// Design size of the report window, in pixels (10515 x 8010 twips).
constexpr int kReportWidth = 701;
constexpr int kReportHeight = 534;

} // namespace starloom
