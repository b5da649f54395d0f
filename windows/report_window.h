// The report window: one finished reading with the person's details, the planetary
// positions, the natal wheel and the interpretation text. It computes nothing; on
// construction it writes the details from the birth data, and the driver writes the rest.
#pragma once

#include "engine/birth_data.h"
#include "engine/tables.h"
#include "windows/natal_wheel.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPixmap;
class QTextEdit;

namespace starloom {

// One piece of the interpretation text, written after the previous piece. Line ends
// inside the text may be CR LF.
struct ReportTextRun {
    QString text;
    QColor colour;
    bool bold = false;
};

constexpr int kPlanetLabelCount = 16; // `PlanetName` and `Planet` arrays, 0..15

class ReportWindow final : public QWidget {
    Q_OBJECT
public:
    // Builds the window (object name "frmDisplay") and writes the eight detail labels
    // from `birth` as it is now.
    explicit ReportWindow(const BirthData &birth, QWidget *parent = nullptr);

    // Value label `Planet` i (0..15), or nullptr outside that range.
    QLabel *planetValue(int i);
    // House cell `lblNatal` of house index + 1 (0..11), or nullptr outside that range.
    QLabel *natalCell(int house);
    // Working label lblNatalAries .. lblNatalPisces (0 = Aries), or nullptr outside 0..11.
    QLabel *signWorkingLabel(int sign);
    // Shows image list entry signIndex + 1 (the glyph of sign signIndex, 0 = Aries) in glyph
    // slot `imgSign` slot (house slot + 1). Indices outside 0..11 leave the slots as they are.
    void setGlyph(int slot, int signIndex);
    // The sign whose glyph a slot shows, or -1 outside 0..11.
    int glyphSign(int slot) const;
    QLabel *lagnaLabel();
    QLabel *rashiLabel();

    // Replaces the whole interpretation text with the runs, in order, each in its colour
    // and weight. CR LF, and a lone CR or LF, start a new line.
    void writeReport(const QList<ReportTextRun> &runs);

    // The picture holder `Picture1`: the last image taken of this window, or a null
    // pixmap before the first.
    void holdCapture(const QPixmap &image);
    QPixmap heldCapture() const;
    // The hidden boxes `txtFile` and `txtFolder`, which receive the file name chosen for
    // the last saved image and the folder it was written to.
    QLineEdit *imageFileBox();
    QLineEdit *imageFolderBox();

    // What the wheel shows now.
    WheelPicture wheelPicture() const;

    // Lays the window out again at `factor` times its design size, fonts included, so
    // that it is drawn anew at that size rather than magnified.
    void setZoom(qreal factor);
    qreal zoom() const { return m_zoom; }

private:
    void writeDetails(const BirthData &birth);
    // Long detail lines show whole in their tool tips.
    void updateDetailTips();

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
    NatalWheel *m_wheel = nullptr;
    QTextEdit *m_text = nullptr;
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
