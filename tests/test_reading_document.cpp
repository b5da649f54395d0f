// The printed reading as a PDF file, read back with poppler's pdftotext and pdftoppm: every
// sentence of the interpretation, the ascendant's row, the zone and universal time, no
// line running off its page, no blank page; the same from starloom-cli pdf; and a file
// that cannot be written leaves nothing behind.
#include "patterns/report.h"
#include "reading/driver.h"
#include "reading/gui/reading_sheet.h"
#include "test_cli_support.h"
#include "windows/reading_document.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace starloom;
using namespace starloom::clitest;

namespace {

constexpr qreal kMarginPoints = 15.0 * 72.0 / 25.4; // the PDF's margins, 15 mm
constexpr qreal kEdgeTolerance = 1.0;               // points a glyph's box may stray
constexpr double kLeastInk = 0.002;                 // share of non-white pixels on a page

// Runs a poppler tool and returns its standard output; empty when it failed.
QByteArray Poppler(const QString &tool, const QStringList &args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The document's words in reading order (or, with `layout`, row by row across columns),
// whitespace collapsed, page numbers dropped.
QString DocumentText(const QString &pdf, bool layout = false) {
    const QStringList args = layout ? QStringList{"-layout", pdf, "-"} : QStringList{pdf, "-"};
    QString text = QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), args));
    text.remove(QRegularExpression(QStringLiteral("(^|\\n)Page \\d+(\\n|$)")));
    return text.simplified();
}

struct Reading {
    ReadingState state;
    ReadingOutcome outcome;
    FormValues values;
};

Reading Calculate(const FormValues &values) {
    Reading reading;
    reading.values = values;
    reading.outcome = RunReading(values, reading.state);
    return reading;
}

// The interpretation's sentences: each line of text cut after its full stops.
QStringList Sentences(const QList<ReportTextRun> &runs) {
    QString plain;
    for (const ReportTextRun &run : runs)
        plain += run.text;
    QStringList sentences;
    for (const QString &line : plain.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        for (const QString &piece :
             line.split(QRegularExpression(QStringLiteral("(?<=\\.)\\s+")), Qt::SkipEmptyParts))
            sentences.append(piece.simplified());
    }
    sentences.removeAll(QString());
    return sentences;
}

} // namespace

Q_DECLARE_METATYPE(starloom::ReadingSheet)

class TestReadingDocument : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfHoldsTheWholeReading_data();
    void pdfHoldsTheWholeReading();
    void headingsStayWithTheirText();
    void commandLineWritesTheSameDocument();
    void unwritableFileLeavesNothing();

private:
    QTemporaryDir m_dir;
};

void TestReadingDocument::initTestCase() {
    QVERIFY(m_dir.isValid());
    for (const char *tool : {"pdftotext", "pdftoppm"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
}

void TestReadingDocument::pdfHoldsTheWholeReading_data() {
    QTest::addColumn<ReadingSheet>("sheet");
    QTest::addColumn<QStringList>("expected"); // besides the interpretation's sentences

    // Anna's real reading, with three pattern blocks in its interpretation.
    const Reading anna = Calculate(Anna().values);
    ReadingSheet three =
        MakeReadingSheet(anna.state, anna.outcome, anna.values.zonePosition, QLocale::c());
    std::array<bool, kPatternCount> flags{};
    flags[kBundleSlot] = flags[kSeesawSlot] = flags[kSplaySlot] = true;
    three.interpretation = ReportTextRuns(BuildPatternReport(flags));
    // Zone 34 is "Indian Time, IST, +5.3", five and a half hours: 7:05 there is 1:35
    // universal time. The zone is named as the window names it.
    const QStringList annaLines = {"Time zone: Indian Time, UTC+05:30",
                                   "Universal time: 1980-03-15 01:35",
                                   "Latitude: 28\u00B0 36' N",
                                   "Longitude: 77\u00B0 12' E",
                                   "Ascendant sign: Aries",
                                   "Moon sign: Pisces",
                                   "Bundle",
                                   "Seesaw",
                                   "Splay",
                                   "Pattern by Degrees",
                                   "Leading Planet: none",
                                   "Empty Arc: 109.8 degrees, from 09 Tau 13 to 29 Leo 02",
                                   "Aspects",
                                   "8\u00B012'a"}; // an orb in the aspect grid
    QTest::newRow("three pattern blocks") << three << annaLines;

    // Long names wrap within their column instead of being cut.
    FormValues longValues = Lucia().values;
    longValues.name = QStringLiteral("Maximiliana Theodora Wilhelmina Josephine Augusta "
                                     "von Hohenberg-Lichtenstein");
    longValues.state = QStringLiteral("National Capital Territory of Delhi and Surroundings");
    longValues.city = QStringLiteral("Llanfairpwllgwyngyll near the Menai Strait");
    const Reading lucia = Calculate(longValues);
    QTest::newRow("long names") << MakeReadingSheet(lucia.state, lucia.outcome,
                                                    lucia.values.zonePosition, QLocale::c())
                                << QStringList{QStringLiteral("Name: ") + longValues.name,
                                               QStringLiteral("State: ") + longValues.state,
                                               QStringLiteral("City: ") + longValues.city,
                                               "Time zone: Australian Eastern Standard Time "
                                               "with daylight saving, UTC+11:00"};

    // Eleven bodies in one sign: the wheel crowded into house 5.
    ReadingSheet crowded =
        MakeReadingSheet(anna.state, anna.outcome, anna.values.zonePosition, QLocale::c());
    std::array<QString, kSignCount> cells;
    for (const ReadingSheet::Position &row : crowded.positions)
        cells[4] += QStringLiteral("\r\n") + row.body;
    crowded.wheel = MakeWheelPicture(0, cells);
    QTest::newRow("eleven bodies in one sign") << crowded << QStringList{"Asc", "Mercury (R)"};
}

void TestReadingDocument::pdfHoldsTheWholeReading() {
    QFETCH(ReadingSheet, sheet);
    QFETCH(QStringList, expected);
    const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    const Status written = WriteReadingPdf(pdf, sheet);
    QVERIFY2(written.ok(), written.reason.c_str());

    const QString text = DocumentText(pdf);
    QVERIFY(!text.isEmpty());
    const QStringList sentences = Sentences(sheet.interpretation);
    QVERIFY(sentences.size() > 5);
    for (const QString &sentence : sentences + expected)
        QVERIFY2(text.contains(sentence.simplified()), qPrintable(sentence));
    // The positions table, row by row: the ascendant's row is labelled.
    const QString rows = DocumentText(pdf, true);
    for (const ReadingSheet::Position &row : sheet.positions)
        QVERIFY2(rows.contains(row.body + QLatin1Char(' ') + row.position), qPrintable(row.body));
    QVERIFY(rows.contains(QRegularExpression(QStringLiteral("Asc \\d\\d [A-Z][a-z][a-z] \\d\\d"))));

    // Every word lies inside the page's margins: no line is cut at a page's edge.
    QXmlStreamReader xml(Poppler(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    qreal width = 0;
    qreal height = 0;
    int pages = 0;
    int words = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++pages;
            width = a.value("width").toDouble();
            height = a.value("height").toDouble();
        } else if (xml.name() == QLatin1String("word")) {
            ++words;
            const QRectF box(QPointF(a.value("xMin").toDouble(), a.value("yMin").toDouble()),
                             QPointF(a.value("xMax").toDouble(), a.value("yMax").toDouble()));
            const QRectF body =
                QRectF(0, 0, width, height)
                    .adjusted(kMarginPoints, kMarginPoints, -kMarginPoints, -kMarginPoints)
                    .adjusted(-kEdgeTolerance, -kEdgeTolerance, kEdgeTolerance, kEdgeTolerance);
            QVERIFY2(
                body.contains(box),
                qPrintable(QStringLiteral("page %1: %2").arg(pages).arg(xml.readElementText())));
        }
    }
    QVERIFY(pages >= 2);
    QVERIFY(words > 200);

    // Every page carries ink.
    const QString prefix = m_dir.filePath(QTest::currentDataTag());
    Poppler(QStringLiteral("pdftoppm"), {"-r", "20", "-png", pdf, prefix});
    const QStringList images =
        QDir(m_dir.path()).entryList({QStringLiteral("%1-*.png").arg(QTest::currentDataTag())});
    QCOMPARE(images.size(), pages);
    for (const QString &name : images) {
        const QImage image(m_dir.filePath(name));
        QVERIFY(!image.isNull());
        qint64 ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += QColor(image.pixel(x, y)).lightness() < 240;
        QVERIFY2(ink > kLeastInk * image.width() * image.height(), qPrintable(name));
    }
}

// Wherever the page ends, no heading is left at its foot: "Pattern by Degrees" keeps the
// pattern's name and sentence, and each heading of the interpretation keeps the first
// lines of its text.
void TestReadingDocument::headingsStayWithTheirText() {
    const Reading anna = Calculate(Anna().values);
    ReadingSheet sheet =
        MakeReadingSheet(anna.state, anna.outcome, anna.values.zonePosition, QLocale::c());
    std::array<bool, kPatternCount> flags{};
    flags[kBundleSlot] = flags[kSeesawSlot] = flags[kSplaySlot] = true;
    sheet.interpretation = ReportTextRuns(BuildPatternReport(flags));
    const QStringList headings = {
        "Pattern by Degrees",  "Interpretation",     "Bundle", "Seesaw", "Splay", "Pattern",
        "Positive Attributes", "Negative Attributes"};
    const QString pdf = m_dir.filePath(QStringLiteral("headings.pdf"));
    constexpr int kSteps = 24; // the Degrees section starts 7 points further down each time
    for (int step = 0; step < kSteps; ++step) {
        {
            QPdfWriter writer(pdf);
            writer.setResolution(600);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
            QPainter painter(&writer);
            PageWriter pages(painter, writer);
            pages.take(pages.height() - pages.points(12 + 7 * step));
            WriteDegreesSection(pages, sheet);
            WriteInterpretationSection(pages, sheet);
        }
        const QStringList pageTexts =
            QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {pdf, "-"})).split('\f');
        QVERIFY(pageTexts.size() >= 3);
        for (int page = 0; page < pageTexts.size(); ++page) {
            QStringList lines = pageTexts[page].split('\n', Qt::SkipEmptyParts);
            lines.removeIf([](const QString &line) {
                return line.trimmed().isEmpty() || line.startsWith(QStringLiteral("Page "));
            });
            if (lines.isEmpty())
                continue;
            const QString where = QStringLiteral("step %1, page %2").arg(step).arg(page + 1);
            QVERIFY2(!headings.contains(lines.last().trimmed()),
                     qPrintable(where + QLatin1Char(' ') + lines.last()));
            if (pageTexts[page].contains(QStringLiteral("Pattern by Degrees")))
                QVERIFY2(pageTexts[page].simplified().contains(sheet.degrees.patternText),
                         qPrintable(where));
        }
    }
}

void TestReadingDocument::commandLineWritesTheSameDocument() {
    const QString pdf = m_dir.filePath(QStringLiteral("cli.pdf"));
    const CliRun run = RunCli(QStringList{"pdf", pdf} + Anna().options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const Reading anna = Calculate(Anna().values);
    const QString text = DocumentText(pdf);
    for (const QString &sentence : Sentences(ReportTextRuns(anna.outcome.Patterns.Runs)))
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
    QVERIFY(text.contains(QStringLiteral("Universal time: 1980-03-15 01:35")));
    // The precise method is chosen as with the other commands.
    QCOMPARE(RunCli(QStringList{"pdf", pdf, "--positions", "precise"} + Anna().options).exitCode,
             0);

    const CliRun refused =
        RunCli({"pdf", m_dir.filePath(QStringLiteral("none/x.pdf")), "--date", "1980-03-15",
                "--time", "7:05", "--zone", "34", "--lat", "28:36N", "--lon", "77:12E"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.startsWith("starloom-cli: "));
}

// A folder that is not there: an error that says why, and no file of either name.
void TestReadingDocument::unwritableFileLeavesNothing() {
    const QString folder = m_dir.filePath(QStringLiteral("missing"));
    const QString path = folder + QStringLiteral("/reading.pdf");
    const Status written = WriteReadingPdf(path, ReadingSheet{});
    QCOMPARE(written,
             Failure(StatusCode::WriteFailed, path.toStdString(), "No such file or directory"));
    QVERIFY(!QFileInfo::exists(folder));
}

QTEST_MAIN(TestReadingDocument)
#include "test_reading_document.moc"
