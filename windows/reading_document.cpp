#include "windows/reading_document.h"

#include "shell/core/file_io.h"

#include "windows/aspect_grid.h"
#include "windows/design_units.h"
#include "windows/pdf_text_map.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCharFormat>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace starloom {

namespace {

const QColor kHeadingNavy(0, 0, 128);
const QColor kBodyText(0, 0, 0);
const QColor kRuleGrey(160, 160, 176);

constexpr qreal kHeadingPoints = 18.0;
constexpr qreal kSubheadingPoints = 11.0;
constexpr qreal kBodyPoints = 10.0;
constexpr qreal kFooterPoints = 8.0;
constexpr qreal kSectionGapPoints = 10.0;
constexpr qreal kWheelMillimetres = 105.0; // side of the printed wheel
constexpr qreal kPointsPerMillimetre = 72.0 / 25.4;
constexpr qreal kPdfMarginMillimetres = 15.0;
constexpr int kPdfResolution = 600;        // dots per inch of the PDF's coordinates
constexpr qreal kNoLigatureSpacing = 0.02; // device pixels, too little to see

// The height of `lines` lines of body text.
qreal BodyLines(PageWriter &writer, int lines) {
    return lines * QFontMetricsF(writer.font(kBodyPoints), writer.painter().device()).lineSpacing();
}

// A section's title in navy above a thin rule, on the same page as the first `keep` of
// what follows it (two lines of body text unless the section says more).
void WriteSectionTitle(PageWriter &writer, const QString &title, qreal keep = -1) {
    const QFont font = writer.font(kSubheadingPoints, true);
    const QFontMetricsF metrics(font, writer.painter().device());
    const qreal height = metrics.height() + writer.points(3);
    writer.keepTogether(height + (keep >= 0 ? keep : BodyLines(writer, 2)));
    const qreal top = writer.take(height);
    QPainter &p = writer.painter();
    p.setFont(font);
    p.setPen(kHeadingNavy);
    p.drawText(QPointF(writer.left(), top + metrics.ascent()), title);
    p.setPen(QPen(kRuleGrey, writer.points(0.5)));
    p.drawLine(QPointF(writer.left(), top + height - writer.points(1.5)),
               QPointF(writer.left() + writer.width(), top + height - writer.points(1.5)));
}

// The height of word-wrapped text in a column of `width`.
qreal WrappedHeight(QPainter &painter, const QString &text, const QFont &font, qreal width) {
    const QFontMetricsF metrics(font, painter.device());
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

} // namespace

QString SheetLine(SheetCaption caption, const QString &value) {
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("ReadingDocument", "Name: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "City: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "State: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "Country: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "Time zone: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "Universal time: %1"),
        QT_TRANSLATE_NOOP("ReadingDocument", "Houses: %1")};
    return QCoreApplication::translate("ReadingDocument", captions[static_cast<int>(caption)])
        .arg(value);
}

QString SheetDate(const QString &month, int day, int year) {
    //: The date of birth: the month's name, the day and the year.
    return QCoreApplication::translate("ReadingDocument", "Date of Birth: %1 %2, %3")
        .arg(month)
        .arg(day)
        .arg(year);
}

QString SheetTime(int hour, int minute) {
    return QCoreApplication::translate("ReadingDocument",
                                       "Time of Birth: %1 Hour %2 Minute local time")
        .arg(hour)
        .arg(minute);
}

namespace {

// Degrees and minutes with the direction's letter, as an atlas writes them: 28° 36' N.
QString SheetAngle(int degrees, int minutes, SheetDirection direction) {
    static const char *const letters[] = {
        QT_TRANSLATE_NOOP("ReadingDocument", "N"), QT_TRANSLATE_NOOP("ReadingDocument", "S"),
        QT_TRANSLATE_NOOP("ReadingDocument", "E"), QT_TRANSLATE_NOOP("ReadingDocument", "W")};
    return QStringLiteral("%1\u00B0 %2' %3")
        .arg(degrees)
        .arg(minutes)
        .arg(QCoreApplication::translate("ReadingDocument", letters[static_cast<int>(direction)]));
}

} // namespace

QString SheetLatitude(int degrees, int minutes, SheetDirection direction) {
    return QCoreApplication::translate("ReadingDocument", "Latitude: %1")
        .arg(SheetAngle(degrees, minutes, direction));
}

QString SheetLongitude(int degrees, int minutes, SheetDirection direction) {
    return QCoreApplication::translate("ReadingDocument", "Longitude: %1")
        .arg(SheetAngle(degrees, minutes, direction));
}

QString SheetHouse(int house) {
    return QCoreApplication::translate("ReadingDocument", "House %1").arg(house);
}

QString SheetPositions(bool precise) {
    return QCoreApplication::translate("ReadingDocument", "Positions: %1")
        .arg(precise ? QCoreApplication::translate("ReadingDocument", "precise, JPL-based")
                     : QCoreApplication::translate("ReadingDocument", "standard formulas"));
}

QString SheetEmptyArc(double degrees, const QString &from, const QString &to) {
    //: The empty arc of a chart: its size in degrees and the positions it runs between.
    return QCoreApplication::translate("ReadingDocument", "%1 degrees, from %2 to %3")
        .arg(QLocale().toString(degrees, 'f', 1), from, to);
}

PageWriter::PageWriter(QPainter &painter, QPagedPaintDevice &device)
    : m_painter(painter), m_device(device) {
    // The painter's origin is the top-left corner of the area inside the margins.
    m_body = QRectF(0, 0, device.width(), device.height());
    m_pixelsPerPoint = device.logicalDpiY() / 72.0;
    // Room at the foot of each page for its number.
    m_body.setHeight(m_body.height() - points(kFooterPoints) * 2.5);
    startPage();
}

QFont PageWriter::font(qreal pt, bool bold) const {
    QFont font = ProgramFont(pt, bold);
    // Any letter spacing at all turns ligatures off, so that "fi" stays two letters for
    // whoever searches or copies the document's text.
    font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
    return font;
}

void PageWriter::startPage() {
    ++m_page;
    m_y = m_body.top();
    writeFooter();
}

void PageWriter::writeFooter() {
    const QFont font = this->font(kFooterPoints);
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(kRuleGrey.darker(150));
    const QRectF foot(m_body.left(), m_body.bottom() + points(kFooterPoints), m_body.width(),
                      points(kFooterPoints) * 1.5);
    m_painter.drawText(foot, Qt::AlignHCenter | Qt::AlignTop,
                       QCoreApplication::translate("ReadingDocument", "Page %1").arg(m_page));
    m_painter.restore();
}

qreal PageWriter::take(qreal height) {
    keepTogether(height);
    const qreal top = m_y;
    m_y += height;
    return top;
}

void PageWriter::keepTogether(qreal height) {
    if (m_y + height > m_body.bottom() && m_y > m_body.top()) {
        if (!m_device.newPage())
            m_ok = false;
        startPage();
    }
}

void PageWriter::skip(qreal height) {
    if (m_y > m_body.top())
        m_y = qMax(m_body.top(), m_y + height);
}

void PageWriter::writeText(const QString &text, const QFont &font, const QColor &colour) {
    writeRuns({{text, colour, font.bold()}}, font);
}

void PageWriter::writeRuns(const QList<ReportTextRun> &runs, const QFont &font) {
    // Paragraphs with the ranges of each run in them.
    struct Paragraph {
        QString text;
        QList<QTextLayout::FormatRange> formats;
    };
    QList<Paragraph> paragraphs(1);
    for (const ReportTextRun &run : runs) {
        QString text = run.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList pieces = text.split(QLatin1Char('\n'));
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                paragraphs.append(Paragraph{});
            Paragraph &paragraph = paragraphs.last();
            QTextCharFormat format;
            format.setForeground(run.colour);
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(paragraph.text.size());
            range.length = static_cast<int>(pieces[i].size());
            range.format = format;
            paragraph.formats.append(range);
            paragraph.text += pieces[i];
        }
    }
    const QFontMetricsF metrics(font, m_painter.device());
    // Every paragraph laid out first, so that a heading can be kept with what follows it.
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    for (const Paragraph &paragraph : paragraphs) {
        if (paragraph.text.trimmed().isEmpty()) {
            layouts.push_back(nullptr); // a blank line
            continue;
        }
        auto layout = std::make_unique<QTextLayout>(paragraph.text, font, m_painter.device());
        layout->setFormats(paragraph.formats);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout->setTextOption(option);
        layout->beginLayout();
        qreal y = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(m_body.width());
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }
    // A heading is a paragraph written in bold only ("Positive Attributes").
    const auto heading = [&](std::size_t i) {
        if (layouts[i] == nullptr)
            return false;
        return std::all_of(paragraphs[i].formats.begin(), paragraphs[i].formats.end(),
                           [](const QTextLayout::FormatRange &range) {
                               return range.length == 0 || range.format.fontWeight() == QFont::Bold;
                           });
    };
    const auto height = [&](std::size_t i, int lines) {
        qreal total = 0;
        for (int k = 0; k < layouts[i]->lineCount() && k < lines; ++k)
            total += layouts[i]->lineAt(k).height();
        return total;
    };
    constexpr int kLinesKeptWithHeading = 2;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (layouts[i] == nullptr) {
            take(metrics.lineSpacing());
            continue;
        }
        if (heading(i) && (i == 0 || !heading(i - 1))) {
            // The headings in a row stay with the first lines of the text under them.
            qreal keep = 0;
            std::size_t next = i;
            for (; next < layouts.size() && heading(next); ++next)
                keep += height(next, layouts[next]->lineCount());
            if (next < layouts.size() && layouts[next] != nullptr)
                keep += height(next, kLinesKeptWithHeading);
            keepTogether(keep);
        }
        m_painter.setPen(kBodyText);
        for (int k = 0; k < layouts[i]->lineCount(); ++k) {
            const QTextLine line = layouts[i]->lineAt(k);
            const qreal top = take(line.height());
            line.draw(&m_painter, QPointF(m_body.left(), top - line.y()));
        }
    }
}

void WriteHeadingSection(PageWriter &writer, const ReadingSheet &sheet) {
    writer.writeText(QStringLiteral("QM Starloom"), writer.font(kHeadingPoints, true),
                     kHeadingNavy);
    writer.writeText(
        QCoreApplication::translate("ReadingDocument", "Natal chart of %1").arg(sheet.name),
        writer.font(kSubheadingPoints + 1, true), kBodyText);
    writer.skip(writer.points(kSectionGapPoints));
}

// Two columns, each line wrapped within its column.
void WriteDetailsSection(PageWriter &writer, const ReadingSheet &sheet) {
    WriteSectionTitle(writer,
                      QCoreApplication::translate("ReadingDocument", "Personal Information"));
    QPainter &p = writer.painter();
    const QFont font = writer.font(kBodyPoints);
    const qreal gap = writer.points(12);
    const qreal column = (writer.width() - gap) / 2;
    auto height = [&](const QStringList &lines) {
        qreal total = 0;
        for (const QString &line : lines)
            total += WrappedHeight(p, line, font, column);
        return total;
    };
    const qreal top = writer.take(qMax(height(sheet.leftDetails), height(sheet.rightDetails)));
    p.setFont(font);
    p.setPen(kBodyText);
    const QStringList *columns[] = {&sheet.leftDetails, &sheet.rightDetails};
    for (int c = 0; c < 2; ++c) {
        qreal y = top;
        for (const QString &line : *columns[c]) {
            const qreal h = WrappedHeight(p, line, font, column);
            p.drawText(QRectF(writer.left() + c * (column + gap), y, column, h), Qt::TextWordWrap,
                       line);
            y += h;
        }
    }
    writer.skip(writer.points(kSectionGapPoints));
}

void WriteWheelSection(PageWriter &writer, const ReadingSheet &sheet) {
    const qreal side =
        qMin(writer.width(), writer.points(kWheelMillimetres * kPointsPerMillimetre));
    const qreal top = writer.take(side);
    const QRectF target(writer.left() + (writer.width() - side) / 2, top, side, side);
    PaintNatalWheel(writer.painter(), target, sheet.wheel);
    writer.skip(writer.points(kSectionGapPoints));
}

void WritePositionsSection(PageWriter &writer, const ReadingSheet &sheet) {
    WriteSectionTitle(writer,
                      QCoreApplication::translate("ReadingDocument", "Planetary Positions"));
    QPainter &p = writer.painter();
    const QFont font = writer.font(kBodyPoints);
    const QFontMetricsF metrics(font, p.device());
    const qreal nameWidth = writer.points(110);
    for (const ReadingSheet::Position &row : sheet.positions) {
        const qreal top = writer.take(metrics.lineSpacing());
        p.setFont(font);
        p.setPen(kBodyText);
        p.drawText(QPointF(writer.left(), top + metrics.ascent()), row.body);
        p.drawText(QPointF(writer.left() + nameWidth, top + metrics.ascent()), row.position);
        if (!row.house.isEmpty())
            p.drawText(QPointF(writer.left() + 2 * nameWidth, top + metrics.ascent()), row.house);
    }
    writer.skip(writer.points(kSectionGapPoints));
}

void WriteSignsSection(PageWriter &writer, const ReadingSheet &sheet) {
    const QFont font = writer.font(kBodyPoints);
    writer.writeText(QCoreApplication::translate("ReadingDocument", "Ascendant sign: %1")
                         .arg(sheet.ascendantSign),
                     font, kBodyText);
    writer.writeText(
        QCoreApplication::translate("ReadingDocument", "Moon sign: %1").arg(sheet.moonSign), font,
        kBodyText);
    if (!sheet.houses.isEmpty())
        writer.writeText(sheet.houses, font, kBodyText);
    for (const QString &note : sheet.notes)
        writer.writeText(note, font, kBodyText);
    writer.skip(writer.points(kSectionGapPoints));
}

void WriteInterpretationSection(PageWriter &writer, const ReadingSheet &sheet) {
    // The title stays with the first pattern's name, its "Pattern" heading and the first
    // two lines under them.
    WriteSectionTitle(writer, QCoreApplication::translate("ReadingDocument", "Interpretation"),
                      BodyLines(writer, 4));
    writer.writeRuns(sheet.interpretation, writer.font(kBodyPoints));
}

// The shape by degrees, in the words of the report window's Degrees tab.
void WriteDegreesSection(PageWriter &writer, const ReadingSheet &sheet) {
    const ShapeByDegreesView &shape = sheet.degrees;
    if (shape.pattern.isEmpty())
        return;
    const QFont body = writer.font(kBodyPoints);
    const QFont bold = writer.font(kBodyPoints, true);
    // The heading stays with the pattern's name and the sentence on it.
    WriteSectionTitle(writer, QCoreApplication::translate("ReadingDocument", "Pattern by Degrees"),
                      QFontMetricsF(bold, writer.painter().device()).lineSpacing() +
                          WrappedHeight(writer.painter(), shape.patternText, body, writer.width()));
    writer.writeText(shape.pattern, bold, kHeadingNavy);
    writer.writeText(shape.patternText, body, kBodyText);
    const QString leading =
        shape.leading.size() > 1
            ? QCoreApplication::translate("ReadingDocument", "Leading Planets: %1")
            : QCoreApplication::translate("ReadingDocument", "Leading Planet: %1");
    writer.writeText(leading.arg(shape.leadingNames.isEmpty()
                                     ? QCoreApplication::translate("ReadingDocument", "none")
                                     : QStringList(shape.leadingNames).join(QStringLiteral(", "))),
                     bold, kBodyText);
    writer.writeText(shape.sentence, body, kBodyText);
    writer.writeText(
        QCoreApplication::translate("ReadingDocument", "Empty Arc: %1").arg(shape.emptyArc), body,
        kBodyText);
    writer.skip(writer.points(kSectionGapPoints));
}

// The aspect grid, as wide as the wheel; a sheet without aspects has none.
void WriteAspectGridSection(PageWriter &writer, const ReadingSheet &sheet) {
    if (sheet.aspects.empty())
        return;
    WriteSectionTitle(writer, QCoreApplication::translate("ReadingDocument", "Aspects"));
    // As wide as the wheel, or wider where the orbs at the body text's size need it.
    const QFont orbs = writer.font(kBodyPoints);
    QPainter &p = writer.painter();
    const qreal side =
        qMin(writer.width(), qMax(writer.points(kWheelMillimetres * kPointsPerMillimetre),
                                  AspectGridCellSide(orbs, p.device(), true) * kAspectPointCount));
    const qreal top = writer.take(side);
    p.setFont(orbs);
    PaintAspectGrid(p, QRectF(writer.left() + (writer.width() - side) / 2, top, side, side),
                    sheet.aspects);
    writer.skip(writer.points(kSectionGapPoints));
}

void WriteSecondChartSections(PageWriter &writer, const ReadingSheet &sheet) {
    QPainter &p = writer.painter();
    for (const SecondChartSheet &second : sheet.secondCharts) {
        // The title, the moment and the bi-wheel as one block, on one page.
        const QFont titleFont = writer.font(kSubheadingPoints, true);
        const QFont bodyFont = writer.font(kBodyPoints);
        const QFontMetricsF titleMetrics(titleFont, p.device());
        const QFontMetricsF bodyMetrics(bodyFont, p.device());
        const qreal titleHeight = titleMetrics.height() + writer.points(3);
        const qreal momentHeight = bodyMetrics.lineSpacing() + writer.points(kSectionGapPoints);
        const qreal side =
            qMin(writer.width(), writer.points(kWheelMillimetres * kPointsPerMillimetre));
        const qreal top = writer.take(titleHeight + momentHeight + side);
        p.setFont(titleFont);
        p.setPen(kHeadingNavy);
        p.drawText(QPointF(writer.left(), top + titleMetrics.ascent()), second.title);
        p.setPen(QPen(kRuleGrey, writer.points(0.5)));
        p.drawLine(QPointF(writer.left(), top + titleHeight - writer.points(1.5)),
                   QPointF(writer.left() + writer.width(), top + titleHeight - writer.points(1.5)));
        p.setFont(bodyFont);
        p.setPen(kBodyText);
        p.drawText(QPointF(writer.left(), top + titleHeight + bodyMetrics.ascent()), second.moment);
        const QRectF target(writer.left() + (writer.width() - side) / 2,
                            top + titleHeight + momentHeight, side, side);
        PaintNatalWheel(p, target, second.wheel);
        writer.skip(writer.points(kSectionGapPoints));
        WriteSectionTitle(
            writer, QCoreApplication::translate("ReadingDocument", "Aspects Between the Charts"));
        if (second.aspects.isEmpty())
            writer.writeText(
                QCoreApplication::translate("ReadingDocument", "No aspects within the orbs."),
                writer.font(kBodyPoints), kBodyText);
        for (const QString &line : second.aspects)
            writer.writeText(line, writer.font(kBodyPoints), kBodyText);
        writer.skip(writer.points(kSectionGapPoints));
    }
}

std::vector<DocumentSection> ReadingSections() {
    return {WriteHeadingSection,    WriteDetailsSection,        WriteWheelSection,
            WritePositionsSection,  WriteSignsSection,          WriteDegreesSection,
            WriteAspectGridSection, WriteInterpretationSection, WriteSecondChartSections};
}

Status WriteReadingDocument(QPagedPaintDevice &device, const ReadingSheet &sheet) {
    QPainter painter;
    if (!painter.begin(&device))
        return Failure(
            StatusCode::WriteFailed, {},
            QCoreApplication::translate("ReadingDocument", "The document could not be started.")
                .toStdString());
    painter.setRenderHint(QPainter::Antialiasing);
    PageWriter writer(painter, device);
    for (const DocumentSection &section : ReadingSections())
        section(writer, sheet);
    const bool ok = writer.ok();
    if (!painter.end() || !ok)
        return Failure(
            StatusCode::WriteFailed, {},
            QCoreApplication::translate("ReadingDocument", "The document could not be completed.")
                .toStdString());
    return Success();
}

// The document is made in memory, then written to the file unbuffered, one call after
// another until all bytes are out: a device that takes only part of them answers the next
// call with the system's own reason ("File too large", "No space left on device").
Status WriteReadingPdf(const QString &path, const ReadingSheet &sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("QM Starloom - ") + sheet.name);
        pdf.setCreator(QStringLiteral("QM Starloom"));
        pdf.setResolution(kPdfResolution);
        const bool imperial = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(imperial ? QPageSize::Letter : QPageSize::A4),
                                      QPageLayout::Portrait,
                                      QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                                kPdfMarginMillimetres, kPdfMarginMillimetres),
                                      QPageLayout::Millimeter));
        if (Status drawn = WriteReadingDocument(pdf, sheet); !drawn.ok()) {
            drawn.subject = path.toStdString();
            return drawn;
        }
    }
    buffer.close();
    RepairGlyphTextMaps(bytes);

    // A device or pipe given as the name is refused rather than replaced by a file.
    return WriteWholeFile(path, bytes, NodeTarget::Refuse);
}

} // namespace starloom
