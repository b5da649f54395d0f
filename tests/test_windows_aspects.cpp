// The aspect grid, its tab in the report window, the wheel's aspect lines and the orbs
// dialog with its settings.
#include "support/scripted_services.h"
#include "windows/aspect_grid.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_glyphs.h"
#include "windows/chart_window.h"
#include "windows/natal_wheel.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QtMath>

using namespace starloom;
using namespace starloom::testing;

namespace {

// Pixels of `rect` close to `colour`.
int CountNear(const QImage &image, const QRectF &rect, const QColor &colour) {
    int count = 0;
    const QRect r = rect.toAlignedRect().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
                qAbs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    }
    return count;
}

// Sun trine Moon applying, Mars square MC separating.
std::vector<Aspect> TwoAspects() {
    return {{kSunBody, kMoonBody, AspectKind::Trine, 2.25, true},
            {kMarsBody, kMidheavenPoint, AspectKind::Square, 0.5, false}};
}

} // namespace

class TestWindowsAspects : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void gridCellsRoundTrip_data();
    void gridCellsRoundTrip();
    void gridPaintsEachAspectInItsCell_data();
    void gridPaintsEachAspectInItsCell();
    void describeAspect();
    void aspectsTabKeepsTheText();
    void orbsReadableOnScreen();
    void wheelLinesOnlyWhenShown();
    void orbSettings_data();
    void orbSettings();
    void orbsDialogFromTheViewMenu();

private:
    QTemporaryDir m_home;
};

void TestWindowsAspects::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
}

void TestWindowsAspects::cleanup() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestWindowsAspects::gridCellsRoundTrip_data() {
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("screen, top-left glyph") << QRectF(0, 0, 207, 240) << 0 << 0;
    QTest::newRow("screen, MC with Sun") << QRectF(0, 0, 207, 240) << 11 << 0;
    QTest::newRow("page, MC glyph") << QRectF(100, 50, 600, 900) << 11 << 11;
    QTest::newRow("page, Pluto with Mars") << QRectF(100, 50, 600, 900) << 9 << 4;
}

void TestWindowsAspects::gridCellsRoundTrip() {
    QFETCH(QRectF, area);
    QFETCH(int, row);
    QFETCH(int, column);
    const QRectF cell = AspectGridCell(area, row, column);
    QVERIFY(area.contains(cell));
    int foundRow = -1;
    int foundColumn = -1;
    QVERIFY(AspectGridCellAt(area, cell.center(), foundRow, foundColumn));
    QCOMPARE(foundRow, row);
    QCOMPARE(foundColumn, column);
    // Above the diagonal is outside the triangle.
    if (row < kAspectPointCount - 1)
        QVERIFY(!AspectGridCellAt(area, AspectGridCell(area, row, row + 1).center(), foundRow,
                                  foundColumn));
}

void TestWindowsAspects::gridPaintsEachAspectInItsCell_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("on screen") << QSize(207, 240);
    QTest::newRow("on a page") << QSize(900, 900);
}

void TestWindowsAspects::gridPaintsEachAspectInItsCell() {
    QFETCH(QSize, size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    PaintAspectGrid(painter, area, TwoAspects());
    painter.end();
    const QColor trine = AspectColour(AspectKind::Trine);
    const QColor square = AspectColour(AspectKind::Square);
    QVERIFY(CountNear(image, AspectGridCell(area, kMoonBody, kSunBody), trine) > 3);
    QVERIFY(CountNear(image, AspectGridCell(area, kMidheavenPoint, kMarsBody), square) > 3);
    // The same cells are empty of the other kind, and a cell with no aspect holds neither.
    QCOMPARE(CountNear(image, AspectGridCell(area, kMoonBody, kSunBody), square), 0);
    const QRectF empty = AspectGridCell(area, kPlutoBody, kVenusBody);
    QCOMPARE(CountNear(image, empty, trine) + CountNear(image, empty, square), 0);
}

void TestWindowsAspects::describeAspect() {
    QCOMPARE(DescribeAspect(TwoAspects()[0]),
             QString::fromUtf8("Sun trine Moon, orb 2°15', applying"));
    QCOMPARE(DescribeAspect(TwoAspects()[1]),
             QString::fromUtf8("Mars square MC, orb 0°30', separating"));
}

void TestWindowsAspects::aspectsTabKeepsTheText() {
    ReportWindow report(BirthData{});
    report.writeReport({{QStringLiteral("Bundle"), Qt::black, true}});
    FIND_CHILD(QTabBar, tabs, &report, "tabInterpretation");
    FIND_CHILD(QTextEdit, rtb, &report, "RTB");
    FIND_CHILD(AspectGrid, grid, &report, "picAspects");
    FIND_CHILD(QWidget, area, &report, "scrAspects"); // scrolls the grid where it is larger
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("&Aspects"));
    QVERIFY(rtb->isVisibleTo(&report) && !grid->isVisibleTo(&report));
    QCOMPARE(area->geometry(), rtb->geometry());

    report.showAspects(TwoAspects(), PointTable{}, 0);
    tabs->setCurrentIndex(2);
    QVERIFY(!rtb->isVisibleTo(&report) && grid->isVisibleTo(&report));
    QCOMPARE(grid->aspects().size(), std::size_t(2));
    QCOMPARE(report.aspects().size(), std::size_t(2));
    tabs->setCurrentIndex(0);
    QVERIFY(rtb->isVisibleTo(&report));
    QCOMPARE(rtb->toPlainText(), QStringLiteral("Bundle"));
}

// The orbs in the window's grid are drawn at least as tall as the interpretation's text.
void TestWindowsAspects::orbsReadableOnScreen() {
    ReportWindow report(BirthData{});
    report.showAspects({{kSunBody, kMoonBody, AspectKind::Trine, 8.2, true}}, PointTable{}, 0);
    report.showInterpretationTab(2);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    FIND_CHILD(AspectGrid, grid, &report, "picAspects");
    FIND_CHILD(QTextEdit, rtb, &report, "RTB");
    const QImage image = grid->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRectF cell = AspectGridCell(QRectF(grid->rect()).adjusted(1, 1, -1, -1), 1, 0);
    // Rows of the cell holding ink of the orb's colour (48, 48, 64).
    int top = image.height();
    int bottom = -1;
    for (int y = qFloor(cell.top()); y < qCeil(cell.bottom()); ++y) {
        if (CountNear(image, QRectF(cell.left(), y, cell.width(), 1), QColor(48, 48, 64)) > 0) {
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    // "8°12'a": the digit 8 is the tallest glyph of the orb.
    const int digit = QFontMetrics(rtb->font()).tightBoundingRect(QStringLiteral("8")).height();
    QVERIFY2(
        bottom - top + 1 >= digit,
        qPrintable(QStringLiteral("orb %1 px, text digit %2 px").arg(bottom - top + 1).arg(digit)));
    report.hide();
}

void TestWindowsAspects::wheelLinesOnlyWhenShown() {
    NatalWheel wheel;
    PointTable longitude;
    longitude.fill(0.0);
    longitude[kSunBody] = 10.0;
    longitude[kMoonBody] = 190.0;
    const std::vector<Aspect> aspects = {
        {kSunBody, kMoonBody, AspectKind::Opposition, 0.0, false},
        {kMercuryBody, kVenusBody, AspectKind::Conjunction, 0.0, false}};
    wheel.setAspectLines(longitude, aspects, 0);
    QCOMPARE(wheel.aspectLineCount(), 1); // a conjunction has no chord
    QVERIFY(!wheel.aspectLinesShown());
    const QColor opposition = AspectColour(AspectKind::Opposition);
    // The central disc: radius 28 of the wheel's 100 around the centre.
    const qreal side = qMin(wheel.width(), wheel.height()) - 2.0;
    const qreal discRadius = side * 0.28 / 2.0 * 0.9;
    const QPointF centre(wheel.width() / 2.0, wheel.height() / 2.0);
    const QRectF disc(centre - QPointF(discRadius, discRadius), QSizeF(2, 2) * discRadius);
    QCOMPARE(CountNear(wheel.grab().toImage(), disc, opposition), 0);
    wheel.setAspectLinesShown(true);
    QVERIFY(CountNear(wheel.grab().toImage(), disc, opposition) > 10);
    // No first-house sign: nothing to place the points by.
    wheel.setAspectLines(longitude, aspects, -1);
    QCOMPARE(wheel.aspectLineCount(), 0);
}

void TestWindowsAspects::orbSettings_data() {
    QTest::addColumn<QString>("stored");  // the conjunction's stored text
    QTest::addColumn<double>("expected"); // what is read back
    QTest::newRow("a half degree") << "6.5" << 6.5;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("not a number gives the default") << "wide" << 8.0;
    QTest::newRow("negative gives the default") << "-1" << 8.0;
    QTest::newRow("beyond 15 gives the default") << "15.5" << 8.0;
    QTest::newRow("missing gives the default") << "" << 8.0;
}

void TestWindowsAspects::orbSettings() {
    QFETCH(QString, stored);
    QFETCH(double, expected);
    QSettings settings(m_home.filePath(QStringLiteral("orbs.ini")), QSettings::IniFormat);
    settings.clear();
    if (!stored.isEmpty())
        settings.setValue(QStringLiteral("Aspects/Conjunction"), stored);
    const AspectOrbs read = LoadAspectOrbs(settings);
    QCOMPARE(read.Orb[0], expected);
    QCOMPARE(read.Orb[2], 7.0);
    QCOMPARE(read.LuminaryExtra, 2.0);
    // What is stored is read back as it was.
    AspectOrbs changed = read;
    changed.Orb[4] = 3.5;
    changed.LuminaryExtra = 0.0;
    QVERIFY(StoreAspectOrbs(settings, changed).ok());
    const AspectOrbs again = LoadAspectOrbs(settings);
    QCOMPARE(again.Orb, changed.Orb);
    QCOMPARE(again.LuminaryExtra, 0.0);
}

void TestWindowsAspects::orbsDialogFromTheViewMenu() {
    ScriptedShell shell;
    std::vector<AspectOrbs> accepted;
    ChartCommands commands;
    commands.orbs = [] {
        AspectOrbs orbs;
        orbs.Orb[1] = 6.0;
        return orbs;
    };
    commands.setOrbs = [&accepted](const AspectOrbs &orbs) { accepted.push_back(orbs); };
    auto *window = new ChartWindow(new ReportWindow(BirthData{}), shell.services(), commands);
    window->show();
    FIND_CHILD(QAction, entry, window, "mnuAspectOrbs");
    entry->trigger();
    FIND_CHILD(AspectOrbsDialog, dialog, window, "dlgAspectOrbs");
    QVERIFY(dialog->isVisible());
    FIND_CHILD(QDoubleSpinBox, opposition, dialog, "spnOpposition");
    QCOMPARE(opposition->value(), 6.0); // opens with the owner's orbs
    FIND_CHILD(QDoubleSpinBox, conjunction, dialog, "spnConjunction");
    conjunction->setValue(3.5);
    FIND_CHILD(QDialogButtonBox, buttons, dialog, "buttons");
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(accepted.size(), std::size_t(1));
    QCOMPARE(accepted[0].Orb[0], 3.5);
    QCOMPARE(accepted[0].Orb[1], 6.0);

    // Cancel hands nothing over; Restore Defaults puts the common set back.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window->findChild<AspectOrbsDialog *>() == nullptr); // gone once closed
    entry->trigger();
    auto *second = window->findChild<AspectOrbsDialog *>(QStringLiteral("dlgAspectOrbs"));
    QVERIFY(second);
    second->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::RestoreDefaults)->click();
    QCOMPARE(second->orbs().Orb[1], 8.0);
    second->reject();
    QCOMPARE(accepted.size(), std::size_t(1));

    FIND_CHILD(QAction, lines, window, "mnuAspectLines");
    QVERIFY(lines->isCheckable() && !lines->isChecked());
    lines->trigger();
    QVERIFY(window->report()->aspectLinesShown());
    window->hide();
    delete window; // without a close event, so no command runs
}

QTEST_MAIN(TestWindowsAspects)
#include "test_windows_aspects.moc"
