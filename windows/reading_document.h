// The printed reading: a paged document with the heading, the person's details, the
// wheel, the positions, the ascendant and Moon signs and the whole interpretation, laid
// out for the printer's page and written the same way to a PDF file.
#pragma once

#include "engine/status.h"
#include "windows/natal_wheel.h"
#include "windows/report_window.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace starloom {

// A second chart laid over the natal one (transits, progressions, directions, synastry):
// its title, its moment, the bi-wheel and the aspects between the two charts, one a line.
struct SecondChartSheet {
    QString title;
    QString moment;
    WheelPicture wheel;
    QStringList aspects;
};

// Everything the document shows of one finished reading.
struct ReadingSheet {
    QString name;
    QStringList leftDetails;  // name, city, state, country
    QStringList rightDetails; // date, local time, zone entry, universal time, latitude, longitude
    struct Position {
        QString body;     // display name with its retrograde mark, "Asc" for the ascendant
        QString position; // chart form, "15 Tau 30"
        QString house;    // "House 7"; empty for the midheaven and the nodes
    };
    QList<Position> positions;
    QString ascendantSign;
    QString moonSign;
    QString houses;    // "Houses: Placidus", the system the cusps are of
    QStringList notes; // how the chart was computed, when not as asked
    WheelPicture wheel;
    QList<ReportTextRun> interpretation;
    ShapeByDegreesView degrees;
    std::vector<Aspect> aspects;
    QList<SecondChartSheet> secondCharts; // in the order they were made
};

// The texts of the sheet's lines, in the chosen language. In English: "Name: Anna",
// "Date of Birth: March 15, 1980" (the month's name as given), "Time of Birth: 7 Hour 5
// Minute local time", "Latitude: 28° 36' N", "House 7", "Positions: standard formulas",
// "187.5 degrees, from 15 Tau 30 to 22 Sco 00".
enum class SheetCaption { Name, City, State, Country, TimeZone, UniversalTime, Houses };
enum class SheetDirection { North, South, East, West };
QString SheetLine(SheetCaption caption, const QString &value);
QString SheetDate(const QString &month, int day, int year);
QString SheetTime(int hour, int minute);
QString SheetLatitude(int degrees, int minutes, SheetDirection direction);
QString SheetLongitude(int degrees, int minutes, SheetDirection direction);
QString SheetHouse(int house);
QString SheetPositions(bool precise);
QString SheetEmptyArc(double degrees, const QString &from, const QString &to);

// Lays sections out one below the other on the pages of a paged device. Lengths are in the
// device's pixels; `points` converts from typographic points.
class PageWriter {
public:
    PageWriter(QPainter &painter, QPagedPaintDevice &device);

    QPainter &painter() { return m_painter; }
    qreal width() const { return m_body.width(); }
    qreal height() const { return m_body.height(); } // of the body of one page
    qreal left() const { return m_body.left(); }
    qreal points(qreal pt) const { return pt * m_pixelsPerPoint; }
    // The font at `pt` points, measured for this device.
    QFont font(qreal pt, bool bold = false) const;

    // Reserves `height` on the page, on a new page when the rest of this one is too short
    // (a block taller than a whole page starts a page of its own). Returns its top.
    qreal take(qreal height);
    // Starts a new page unless `height` still fits on this one (or the page has just begun),
    // so that what is written next stays together.
    void keepTogether(qreal height);
    // Leaves a blank of `height`, unless the page has just begun.
    void skip(qreal height);
    int pageCount() const { return m_page; }
    // False once a new page could not be started.
    bool ok() const { return m_ok; }

    // Writes word-wrapped text across the body's width, line by line, each line whole on
    // one page.
    void writeText(const QString &text, const QFont &font, const QColor &colour);
    // The same for runs, each in its colour and weight; CR LF, CR or LF start a new line.
    // A paragraph all in bold is a heading: it stays on the page of the headings after it
    // and of the first two lines of the text under them.
    void writeRuns(const QList<ReportTextRun> &runs, const QFont &font);

private:
    void startPage();
    void writeFooter();

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    QRectF m_body;
    qreal m_pixelsPerPoint = 1.0;
    qreal m_y = 0;
    int m_page = 0;
    bool m_ok = true;
};

// One section of the document: draws its part of the sheet where the writer stands.
using DocumentSection = std::function<void(PageWriter &, const ReadingSheet &)>;

// The sections, in their order on paper.
void WriteHeadingSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteDetailsSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteWheelSection(PageWriter &writer, const ReadingSheet &sheet);
void WritePositionsSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteSignsSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteInterpretationSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteDegreesSection(PageWriter &writer, const ReadingSheet &sheet);
void WriteAspectGridSection(PageWriter &writer, const ReadingSheet &sheet);
// A section per second chart: its title and moment, the bi-wheel and the aspects
// between the two charts.
void WriteSecondChartSections(PageWriter &writer, const ReadingSheet &sheet);
std::vector<DocumentSection> ReadingSections();

// Draws the whole document on a printer or PDF writer that is set up (page size, margins)
// but not yet painted on. A WriteFailed status without a subject when painting could not
// start or finish (the device is a printer or a file only its caller can name).
Status WriteReadingDocument(QPagedPaintDevice &device, const ReadingSheet &sheet);

// Writes the document to a PDF file on the page size usual for the system's locale (Letter
// where measures are imperial, A4 elsewhere). The file appears whole or not at all; an
// earlier file of that name stays as it was on failure, which names the path.
Status WriteReadingPdf(const QString &path, const ReadingSheet &sheet);

} // namespace starloom
