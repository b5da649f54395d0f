// The report window: its controls, the details written on load, the positions table, the
// natal wheel's cells and glyphs, and the interpretation text.
#include "support/report_labels.h"
#include "support/scripted_services.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

using namespace starloom;
using namespace starloom::testing;

namespace {

// 5 March 1980 at 7:05, latitude 28 36, longitude 77 12, the worked example of our
// requirements for the detail lines.
BirthData MarchBirth() {
    BirthData birth;
    birth.BirthName = "Anna Lindqvist";
    birth.BirthMonth = 3;
    birth.BirthDay = 5;
    birth.BirthYear = 1980;
    birth.BirthHour = 7;
    birth.BirthMinute = 5;
    birth.LatDegrees = 28;
    birth.LatMinutes = 36;
    birth.LonDegrees = 77;
    birth.LonMinutes = 12;
    birth.LatDirFlag = true; // north
    birth.LonDirFlag = true; // east
    birth.BirthCity = "New Delhi";
    birth.BirthState = "Delhi";
    birth.BirthCountry = "India";
    return birth;
}

QString LabelText(QWidget *root, const char *name) {
    auto *label = root->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

// Pixels of `image` inside `rect` for which `test` holds.
template <typename Test> int CountPixels(const QImage &image, const QRect &rect, Test test) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(QColor(image.pixel(x, y))))
                ++count;
    return count;
}

bool IsDark(const QColor &c) {
    return c.red() < 110 && c.green() < 110 && c.blue() < 140;
}

// Pixels of `widget` as painted inside `window`, at one pixel per device pixel.
QImage Render(QWidget *window) {
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image.scaled(window->size()); // no-op at a device pixel ratio of 1
}

QRect RectIn(QWidget *widget, QWidget *window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

} // namespace

class TestWindowsReport : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void controlsAndCaptions();
    void positionRows_data();
    void positionRows();
    void unusedPositionLabelsStayOutOfSight();
    void detailLines_data();
    void detailLines();
    void wheelLayout_data();
    void wheelLayout();
    void glyphArrangements_data();
    void glyphArrangements();
    void glyphIndicesOutsideRangeChangeNothing();
    void houseCellGrowsWithItsText();
    void timeUsedLines();
    void longDetailsShowWholeInTooltip_data();
    void longDetailsShowWholeInTooltip();
    void reportRunsKeepColourAndWeight();
    void writingTheReportReplacesIt();
    void renderingPaintsWheelGlyphsAndCells();
};

// No test leaves a window on screen.
void TestWindowsReport::cleanup() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestWindowsReport::controlsAndCaptions() {
    ReportWindow report(MarchBirth());
    QCOMPARE(report.objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(report.windowTitle(), QStringLiteral("QM Starloom v1.05"));
    QCOMPARE(report.size(), QSize(701, 534)); // 10515 x 8010 twips

    const struct {
        const char *name;
        const char *title;
        QRect rect;
        bool shown;
    } frames[] = {
        {"Frame2", "Interpretation", QRect(0, 0, 223, 261), true},            // 0, 0, 3350, 3915
        {"fraWestern", "Planetary Positions", QRect(0, 260, 223, 267), true}, // 0, 3900, 3350, 4005
        {"Frame1", "Personal Information", QRect(240, 0, 450, 108), true},    // 3600, 0, 6750, 1620
        {"fraVedic", "Other Details", QRect(), false},
    };
    for (const auto &frame : frames) {
        auto *box = report.findChild<QGroupBox *>(QString::fromLatin1(frame.name));
        QVERIFY2(box, frame.name);
        QCOMPARE(box->title(), QString::fromLatin1(frame.title));
        QCOMPARE(box->isVisibleTo(&report), frame.shown);
        if (frame.shown)
            QCOMPARE(box->geometry(), frame.rect);
    }
    FIND_CHILD(QGroupBox, vedic, &report, "fraVedic");
    QVERIFY(vedic->geometry().top() >= report.height());
    for (const char *name : {"lblLagna", "lblRashi", "lblNakshatra", "lblPada", "lblLord",
                             "lblAyanamsha", "lblLagnaPosition"})
        QVERIFY2(vedic->findChild<QLabel *>(QString::fromLatin1(name)), name);
    QCOMPARE(LagnaLabel(report), vedic->findChild<QLabel *>(QStringLiteral("lblLagna")));
    QCOMPARE(RashiLabel(report), vedic->findChild<QLabel *>(QStringLiteral("lblRashi")));

    FIND_CHILD(QTextEdit, rtb, &report, "RTB");
    QVERIFY(rtb->isReadOnly());
    QCOMPARE(rtb->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(rtb->geometry(), QRect(8, 16, 207, 240)); // 120, 240, 3100, 3600

    FIND_CHILD(QWidget, wheel, &report, "picNatal");
    QCOMPARE(wheel->geometry(), QRect(240, 117, 450, 410)); // 3600, 1760, 6750, 6145

    for (const char *name : {"txtFolder", "txtFile"}) {
        auto *edit = report.findChild<QLineEdit *>(QString::fromLatin1(name));
        QVERIFY2(edit && !edit->isVisibleTo(&report), name);
    }
    FIND_CHILD(QLabel, holder, &report, "Picture1");
    QCOMPARE(holder->geometry(), QRect(0, 0, 41, 49)); // 615 x 735 twips
    QVERIFY(!holder->isVisibleTo(&report));
}

void TestWindowsReport::positionRows_data() {
    QTest::addColumn<QString>("nameLabel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("valueIndex");
    QTest::addColumn<int>("top"); // pixels inside the frame
    // Rows start at 300 twips, 255 twips apart, so that fourteen fit in the frame.
    QTest::newRow("row 1 Sun") << "PlanetName_0"
                               << "Sun" << 0 << 20;
    QTest::newRow("row 2 Moon") << "PlanetName_1"
                                << "Moon" << 1 << 37;
    QTest::newRow("row 7 Saturn") << "PlanetName_6"
                                  << "Saturn" << 6 << 122; // 300 + 6 * 255
    QTest::newRow("row 8 Uranus from entry 13") << "PlanetName_13"
                                                << "Uranus" << 7 << 139;
    QTest::newRow("row 9 Neptune from entry 14") << "PlanetName_14"
                                                 << "Neptune" << 8 << 156;
    QTest::newRow("row 10 Pluto from entry 15") << "PlanetName_15"
                                                << "Pluto" << 9 << 173;
    // The ascendant's row has a label of its own; the midheaven and the nodes follow it.
    QTest::newRow("row 11 Asc") << "PlanetName_Asc"
                                << "Asc" << 10 << 190; // 2850
    QTest::newRow("row 12 MC") << "PlanetName_11"
                               << "MC" << 11 << 207; // 3105
    QTest::newRow("row 13 North Node") << "PlanetName_12"
                                       << "North Node" << 12 << 224;
    QTest::newRow("row 14 South Node from entry 10") << "PlanetName_10"
                                                     << "South Node" << 13 << 241; // 3615
}

void TestWindowsReport::positionRows() {
    QFETCH(QString, nameLabel);
    QFETCH(QString, caption);
    QFETCH(int, valueIndex);
    QFETCH(int, top);
    ReportWindow report(MarchBirth());
    FIND_CHILD(QWidget, frame, &report, "fraWestern");
    auto *name = frame->findChild<QLabel *>(nameLabel);
    QVERIFY(name);
    QCOMPARE(name->text(), caption);
    QCOMPARE(name->geometry(), QRect(8, top, 100, 19)); // left 120, width 1500, height 285
    QLabel *value = PlanetValue(report, valueIndex);
    QCOMPARE(value->parentWidget(), frame);
    QCOMPARE(value->geometry(), QRect(108, top, 107, 19)); // left 1620, width 1600
    QVERIFY(name->isVisibleTo(&report) && value->isVisibleTo(&report));
}

void TestWindowsReport::unusedPositionLabelsStayOutOfSight() {
    ReportWindow report(MarchBirth());
    QLabel *ascendant = PlanetValue(report, 10);
    QVERIFY(ascendant->isVisibleTo(&report));
    QCOMPARE(ascendant->y(), 190); // 2850 twips
    FIND_CHILD(QWidget, frame, &report, "fraWestern");
    const QStringList expected = {QStringLiteral("Uranus"), QStringLiteral("Neptune"),
                                  QStringLiteral("Pluto")};
    for (int i = 7; i <= 9; ++i) {
        auto *name = frame->findChild<QLabel *>(QStringLiteral("PlanetName_%1").arg(i));
        QVERIFY(name);
        QCOMPARE(name->text(), expected[i - 7]);
        QVERIFY(!name->isVisibleTo(&report));
    }
    for (int i = 14; i <= 15; ++i)
        QVERIFY(!PlanetValue(report, i)->isVisibleTo(&report));
    // Sixteen value labels, Planet_0 .. Planet_15, and no others.
    QVERIFY(!HasWidgetNamed(report, PlanetValueName(16)));
    QVERIFY(!HasWidgetNamed(report, PlanetValueName(-1)));
    QCOMPARE(report.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Planet_"))).size(),
             kPlanetLabelCount);
}

void TestWindowsReport::detailLines_data() {
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    const BirthData march = MarchBirth();
    QTest::newRow("name") << march << "lblName"
                          << "Name: Anna Lindqvist";
    // On screen the month is named in the user's language: "March" on an English system.
    QTest::newRow("date, month in words")
        << march << "lblDOB"
        << "Date of Birth: " + QLocale::system().monthName(3, QLocale::LongFormat) + " 5, 1980";
    QTest::newRow("time") << march << "lblTOB"
                          << "Time of Birth: 7 Hour 5 Minute";
    QTest::newRow("latitude north") << march << "lblLatitude"
                                    << "Latitude: 28 Degree 36 Minute N";
    QTest::newRow("longitude east") << march << "lblLongitude"
                                    << "Longitude: 77 Degree 12 Minute E";
    BirthData sydney = march; // 33 52 S, 151 12 E
    sydney.LatDegrees = 33;
    sydney.LatMinutes = 52;
    sydney.LatDirFlag = false;
    sydney.LonDegrees = 151;
    QTest::newRow("latitude south") << sydney << "lblLatitude"
                                    << "Latitude: 33 Degree 52 Minute S";
    BirthData lima = march; // 77 2 W
    lima.LonMinutes = 2;
    lima.LonDirFlag = false;
    QTest::newRow("longitude west") << lima << "lblLongitude"
                                    << "Longitude: 77 Degree 2 Minute W";
    QTest::newRow("zone before the session writes it") << march << "lblTimeZone"
                                                       << "Time zone: ";
    QTest::newRow("city") << march << "lblCity"
                          << "City: New Delhi";
    QTest::newRow("state") << march << "lblState"
                           << "State: Delhi";
    QTest::newRow("country") << march << "lblCountry"
                             << "Country: India";

    BirthData zeros = march;
    zeros.BirthMonth = 12;
    zeros.BirthDay = 31;
    zeros.BirthYear = 2050;
    zeros.BirthHour = 0;
    zeros.BirthMinute = 0;
    zeros.LatDegrees = 0;
    zeros.LatMinutes = 0;
    zeros.BirthCity.clear();
    zeros.BirthState.clear();
    zeros.BirthCountry.clear();
    QTest::newRow("minute 0 without leading zero") << zeros << "lblTOB"
                                                   << "Time of Birth: 0 Hour 0 Minute";
    QTest::newRow("latitude 0 0") << zeros << "lblLatitude"
                                  << "Latitude: 0 Degree 0 Minute N";
    QTest::newRow("December") << zeros << "lblDOB"
                              << "Date of Birth: December 31, 2050";
    QTest::newRow("empty city") << zeros << "lblCity"
                                << "City: ";
    QTest::newRow("empty state") << zeros << "lblState"
                                 << "State: ";
    QTest::newRow("empty country") << zeros << "lblCountry"
                                   << "Country: ";

    BirthData accented = march;
    accented.BirthName = "Zoë Ångström";
    accented.BirthCity = "Malmö";
    QTest::newRow("UTF-8 name") << accented << "lblName" << QStringLiteral("Name: Zoë Ångström");
    QTest::newRow("UTF-8 city") << accented << "lblCity" << QStringLiteral("City: Malmö");

    BirthData noMonth = march;
    noMonth.BirthMonth = 13;
    QTest::newRow("month 13 keeps the design text") << noMonth << "lblDOB"
                                                    << "Date of Birth: ";
}

void TestWindowsReport::detailLines() {
    QFETCH(BirthData, birth);
    QFETCH(QString, label);
    QFETCH(QString, text);
    ReportWindow report(birth);
    FIND_CHILD(QWidget, frame, &report, "Frame1");
    QCOMPARE(LabelText(frame, qPrintable(label)), text);
}

void TestWindowsReport::wheelLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // empty: not checked
    QTest::addColumn<QPoint>("corner");
    // House cells, house numbers and glyph slots are placed on the wheel by the label
    // placement (see test_windows_wheel_labels); here only their names and texts.
    const QPoint placed(-1, -1);
    QTest::newRow("cell house 1") << "lblNatal_0"
                                  << "" << placed;
    QTest::newRow("cell house 12") << "lblNatal_11"
                                   << "" << placed;
    // House numbers: index 0 reads 12.
    QTest::newRow("number 12") << "lblNatalPosition_0"
                               << "12" << placed;
    QTest::newRow("number 1") << "lblNatalPosition_1"
                              << "1" << placed;
    QTest::newRow("number 11") << "lblNatalPosition_11"
                               << "11" << placed;
    QTest::newRow("glyph house 1") << "imgSign_0"
                                   << "" << placed;
    // Per-sign labels 165 twips below the cell of their sign when Libra rises.
    QTest::newRow("Libra below house 1") << "lblNatalLibra"
                                         << "Libra" << QPoint(64, 227);
    QTest::newRow("Aries below house 7") << "lblNatalAries"
                                         << "Aries" << QPoint(344, 155);
    QTest::newRow("Virgo below house 12") << "lblNatalVirgo"
                                          << "Virgo" << QPoint(56, 155);
}

void TestWindowsReport::wheelLayout() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, corner);
    ReportWindow report(MarchBirth());
    FIND_CHILD(QWidget, wheel, &report, "picNatal");
    auto *widget = wheel->findChild<QWidget *>(name);
    QVERIFY(widget);
    if (corner != QPoint(-1, -1))
        QCOMPARE(widget->pos(), corner);
    QVERIFY(wheel->rect().contains(widget->geometry()));
    if (!text.isEmpty())
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), text);
}

void TestWindowsReport::glyphArrangements_data() {
    QTest::addColumn<int>("ascendantSign"); // -1: the design arrangement, untouched
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("design: Libra in house 1")
        << -1 << QList<int>{6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5};
    QTest::newRow("Aries rising") << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("Pisces rising") << 11 << QList<int>{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void TestWindowsReport::glyphArrangements() {
    QFETCH(int, ascendantSign);
    QFETCH(QList<int>, expected);
    ReportWindow report(MarchBirth());
    if (ascendantSign >= 0) {
        for (int slot = 0; slot < 12; ++slot)
            report.setGlyph(slot, (ascendantSign + slot) % 12);
    }
    QList<int> shown;
    for (int slot = 0; slot < 12; ++slot)
        shown.append(report.glyphSign(slot));
    QCOMPARE(shown, expected);
}

void TestWindowsReport::glyphIndicesOutsideRangeChangeNothing() {
    ReportWindow report(MarchBirth());
    report.setGlyph(0, 12);
    report.setGlyph(0, -1);
    report.setGlyph(12, 0);
    report.setGlyph(-1, 0);
    QCOMPARE(report.glyphSign(0), 6);
    QCOMPARE(report.glyphSign(11), 5);
    QCOMPARE(report.glyphSign(12), -1);
}

// A cell holding several bodies grows to show every name in full, and returns to its
// empty size when cleared.
void TestWindowsReport::houseCellGrowsWithItsText() {
    ReportWindow report(MarchBirth());
    QLabel *cell = HouseCell(report, 4);
    const QRect empty = cell->geometry();

    const QString text = QStringLiteral("\r\nSun\r\nMercury (R) \r\nVenus\r\nAsc");
    cell->setText(text);
    QCOMPARE(cell->text(), text); // the driver's text stays as written
    FIND_CHILD(QWidget, wheel, &report, "picNatal");
    QVERIFY(wheel->rect().contains(cell->geometry()));
    // Four names at the wheel's name size: more than three lines of it, or two columns.
    const QFontMetrics metrics(cell->font());
    QVERIFY2(cell->height() * cell->width() >
                 2 * metrics.height() * metrics.horizontalAdvance(QStringLiteral("Mercury (R)")),
             qPrintable(QStringLiteral("%1 x %2").arg(cell->width()).arg(cell->height())));

    cell->setText(QString());
    QCOMPARE(cell->geometry(), empty);

    // Twelve house cells and twelve sign labels, lblNatalAries .. lblNatalPisces.
    QVERIFY(!HasWidgetNamed(report, HouseCellName(12)));
    QCOMPARE(report.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lblNatal_"))).size(),
             12);
    QVERIFY(HasWidgetNamed(report, QStringLiteral("lblNatalPisces")));
    QCOMPARE(
        report.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lblNatal[A-Z][a-z]+$")))
            .size(),
        12);
}

// The zone and the universal time: two lines across the frame below the others, whole at
// the design size.
void TestWindowsReport::timeUsedLines() {
    ReportWindow report(MarchBirth());
    report.showTimeUsed(QStringLiteral("Central European Time with daylight saving, UTC+02:00"),
                        QStringLiteral("1944-07-16 12:45"));
    FIND_CHILD(QGroupBox, frame, &report, "Frame1");
    FIND_CHILD(QLabel, zone, frame, "lblTimeZone");
    FIND_CHILD(QLabel, universal, frame, "lblUniversal");
    FIND_CHILD(QLabel, country, frame, "lblCountry");
    QCOMPARE(zone->text(),
             QStringLiteral("Time zone: Central European Time with daylight saving, UTC+02:00"));
    QCOMPARE(universal->text(), QStringLiteral("Universal time: 1944-07-16 12:45"));
    QVERIFY(zone->y() > country->y() && universal->y() > zone->y());
    for (QLabel *line : {zone, universal}) {
        QVERIFY(frame->contentsRect().contains(line->geometry()));
        QVERIFY(line->toolTip().isEmpty()); // not cut
        QVERIFY(QFontMetrics(line->font()).horizontalAdvance(line->text()) <= line->width());
    }
    FIND_CHILD(QWidget, wheel, &report, "picNatal");
    QVERIFY(wheel->y() >= frame->geometry().bottom());
}

void TestWindowsReport::longDetailsShowWholeInTooltip_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short state") << "lblState"
                                 << "Delhi" << false;
    QTest::newRow("long state") << "lblState"
                                << "National Capital Territory of Delhi" << true;
    QTest::newRow("long state leaves the city alone")
        << "lblCity"
        << "National Capital Territory of Delhi" << false;
}

// A line too long for its box is cut with an ellipsis on screen and shown whole in its
// tool tip; the label's text stays whole. The Name line starts below the frame's caption.
void TestWindowsReport::longDetailsShowWholeInTooltip() {
    QFETCH(QString, label);
    QFETCH(QString, state);
    QFETCH(bool, cut);
    BirthData birth = MarchBirth();
    birth.BirthState = state.toStdString();
    ReportWindow report(birth);
    FIND_CHILD(QGroupBox, frame, &report, "Frame1");
    auto *line = frame->findChild<QLabel *>(label);
    QVERIFY(line);
    QCOMPARE(line->toolTip(), cut ? line->text() : QString());
    QVERIFY(line->text().endsWith(label == "lblState" ? state : QStringLiteral("New Delhi")));
    FIND_CHILD(QLabel, name, frame, "lblName");
    QVERIFY(name->y() > QFontMetrics(frame->font()).height());
    QVERIFY2(frame->rect().contains(name->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                      .arg(name->x())
                                                                      .arg(name->y())
                                                                      .arg(name->width())
                                                                      .arg(name->height())));
}

void TestWindowsReport::reportRunsKeepColourAndWeight() {
    ReportWindow report(MarchBirth());
    const QColor blue(0, 0, 255);
    const QColor cyan(0, 128, 128);
    const QColor red(128, 0, 0);
    report.writeReport({{QStringLiteral("Bundle"), blue, true},
                        {QStringLiteral("\r\nPattern\r\n"), cyan, true},
                        {QStringLiteral("All in one third."), cyan, false},
                        {QStringLiteral("\r\n\r\nPositive"), red, false}});
    FIND_CHILD(QTextEdit, rtb, &report, "RTB");
    const QTextDocument *document = rtb->document();
    QCOMPARE(document->toPlainText(),
             QStringLiteral("Bundle\nPattern\nAll in one third.\n\nPositive"));

    struct Piece {
        QString text;
        QColor colour;
        bool bold;
    };
    QList<Piece> pieces;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            pieces.append({fragment.text(), fragment.charFormat().foreground().color(),
                           fragment.charFormat().fontWeight() == QFont::Bold});
        }
    }
    QCOMPARE(pieces.size(), 4);
    const QList<Piece> expected = {{QStringLiteral("Bundle"), blue, true},
                                   {QStringLiteral("Pattern"), cyan, true},
                                   {QStringLiteral("All in one third."), cyan, false},
                                   {QStringLiteral("Positive"), red, false}};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(pieces[i].text, expected[i].text);
        QCOMPARE(pieces[i].colour, expected[i].colour);
        QCOMPARE(pieces[i].bold, expected[i].bold);
    }
}

void TestWindowsReport::writingTheReportReplacesIt() {
    ReportWindow report(MarchBirth());
    report.writeReport({{QStringLiteral("Splash\r\n"), QColor(0, 0, 255), true}});
    report.writeReport({{QStringLiteral("Bowl"), QColor(128, 0, 128), false}});
    FIND_CHILD(QTextEdit, rtb, &report, "RTB");
    QCOMPARE(rtb->toPlainText(), QStringLiteral("Bowl"));
    const QTextFragment only = rtb->document()->begin().begin().fragment();
    QCOMPARE(only.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(only.charFormat().foreground().color(), QColor(128, 0, 128));
    report.writeReport({});
    QVERIFY(rtb->document()->isEmpty());
}

// The wheel's drawing, the glyphs and the cell texts reach the screen.
void TestWindowsReport::renderingPaintsWheelGlyphsAndCells() {
    ReportWindow report(MarchBirth());
    for (int sign = 0; sign < 12; ++sign)
        SignLabel(report, sign)->hide();
    FIND_CHILD(QWidget, wheel, &report, "picNatal");
    FIND_CHILD(QWidget, slot, wheel, "imgSign_0");
    QLabel *cell = HouseCell(report, 3);
    const QRect wheelRect = RectIn(wheel, &report);
    const QPoint centre = wheelRect.center();

    for (int slotIndex = 0; slotIndex < 12; ++slotIndex)
        report.setGlyph(slotIndex, slotIndex); // Aries rising
    const QImage empty = Render(&report);

    // The central disc is dark, the outer ring coloured, the wheel's corners white.
    const QRect disc(centre - QPoint(20, 20), QSize(40, 40));
    auto navy = [](const QColor &c) { return c.blue() > c.red() + 40 && c.red() < 90; };
    auto gold = [](const QColor &c) { return c.red() > 200 && c.green() > 150 && c.blue() < 150; };
    const int navyCount = CountPixels(empty, disc, navy);
    const int goldCount = CountPixels(empty, disc, gold);
    QVERIFY2(navyCount > 400 && goldCount > 100,
             qPrintable(QStringLiteral("navy %1, gold %2").arg(navyCount).arg(goldCount)));
    const QRect band(wheelRect.left() + 225 - 4, wheelRect.top() + 2, 8, 14); // top of the rim
    QVERIFY(CountPixels(empty, band, [](const QColor &c) { return c != Qt::white; }) > 80);
    const QRect corner(wheelRect.topLeft(), QSize(12, 12));
    QCOMPARE(CountPixels(empty, corner, [](const QColor &c) { return c != Qt::white; }), 0);

    // Aries in house 1 is red (fire); Taurus there is green (earth), with no red left.
    const QRect glyph = RectIn(slot, &report);
    auto strongRed = [](const QColor &c) {
        return c.red() > 150 && c.green() < 110 && c.blue() < 110;
    };
    auto strongGreen = [](const QColor &c) {
        return c.green() > 90 && c.red() < 90 && c.blue() < 110;
    };
    QVERIFY(CountPixels(empty, glyph, strongRed) > 15);
    report.setGlyph(0, 1);
    const QImage taurus = Render(&report);
    QCOMPARE(CountPixels(taurus, glyph, strongRed), 0);
    QVERIFY(CountPixels(taurus, glyph, strongGreen) > 15);

    // A house cell with bodies shows dark text where it was blank before.
    cell->setText(QStringLiteral("\r\nSun\r\nMoon\r\nAsc"));
    const QImage filled = Render(&report);
    const QRect cellRect = RectIn(cell, &report);
    QVERIFY(!cellRect.isEmpty());
    const int before = CountPixels(empty, cellRect, IsDark);
    const int after = CountPixels(filled, cellRect, IsDark);
    QVERIFY2(after > before + 40, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
}

int main(int argc, char **argv) {
    // Month names come from the system's language; the expected texts are English.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    TestWindowsReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_windows_report.moc"
