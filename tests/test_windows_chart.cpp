// The chart window: its controls and menus, the toolbar switch, the resizing rule, where
// the report window sits, and which command each button, menu entry and link runs.
#include "support/scripted_services.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace starloom;
using starloom::testing::ScriptedShell;

namespace {

const QString kHome = QStringLiteral("https://starloom.example.org/");
const QString kHelp = QStringLiteral("https://starloom.example.org/help/");
const QString kDownload = QStringLiteral("https://starloom.example.org/download/");

// The callbacks record their names in the order they ran.
struct Recorder {
    QStringList calls;
    std::function<void()> closeOnBack; // run by `back` after recording, when set
    std::function<void()> closeOnExit; // run by `exit` after recording, when set

    ChartCommands commands() {
        auto record = [this](const char *name) {
            return [this, name] { calls.append(QString::fromLatin1(name)); };
        };
        ChartCommands c;
        c.saveReading = record("saveReading");
        c.exportText = record("exportText");
        c.newReading = record("newReading");
        c.openReading = record("openReading");
        c.exit = [this] {
            calls.append(QStringLiteral("exit"));
            if (closeOnExit)
                closeOnExit();
        };
        c.about = record("about");
        c.back = [this] {
            calls.append(QStringLiteral("back"));
            if (closeOnBack)
                closeOnBack();
        };
        return c;
    }
};

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Shows the window in its normal state with the given outer size (frame included), and
// lets it lay out its scroll bars.
void ShowAtSize(QMainWindow *window, QSize outer) {
    window->setWindowState(Qt::WindowNoState);
    window->show();
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(outer - frame);
    QCoreApplication::sendPostedEvents();
}

QAction *ToolbarAction(QWidget *window, const QString &key) {
    auto *toolbar = window->findChild<QToolBar *>(QStringLiteral("TB"));
    return toolbar ? toolbar->findChild<QAction *>(key) : nullptr;
}

// Clicks the toolbar's button for a key, as the user does.
void ClickToolbar(QWidget *window, const QString &key) {
    auto *toolbar = window->findChild<QToolBar *>(QStringLiteral("TB"));
    QAction *action = ToolbarAction(window, key);
    QVERIFY2(toolbar && action, qPrintable(key));
    QWidget *button = toolbar->widgetForAction(action);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestWindowsChart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsAndCaptions();
    void bottomButtons_data();
    void bottomButtons();
    void menus_data();
    void menus();
    void menuBarHoldsFourMenus();
    void toolbarButtons();
    void viewToolbarTwiceRestoresIt();
    void freshWindowShowsToolbarAgain();
    void resizingRule_data();
    void resizingRule();
    void reportWindowPlacement();
    void openingSizeShowsWholeReport();
    void commands_data();
    void commands();
    void leavingDoesNotExit_data();
    void leavingDoesNotExit();
    void backCallbackMayCloseTheWindow();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
    void keysOnTheRealWidgets_data();
    void keysOnTheRealWidgets();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void zoomScalesTheWholeReport_data();
    void zoomScalesTheWholeReport();
    void fitToWindowFollowsTheWindow();
    void sizePlaceAndZoomAreRemembered();
    void linkKeepsClearOfButtons_data();
    void linkKeepsClearOfButtons();

private:
    ChartWindow *makeWindow();

    std::unique_ptr<ScriptedShell> m_shell;
    std::unique_ptr<Recorder> m_recorder;
    QPointer<ChartWindow> m_window;
};

ChartWindow *TestWindowsChart::makeWindow() {
    m_window =
        new ChartWindow(new ReportWindow(BirthData{}), m_shell->services(), m_recorder->commands());
    return m_window;
}

void TestWindowsChart::init() {
    m_shell = std::make_unique<ScriptedShell>();
    m_recorder = std::make_unique<Recorder>();
}

// Deletes what a test left and checks that no window stays on screen.
void TestWindowsChart::cleanup() {
    delete m_window; // without a close event, so no command runs
    DeleteClosedWindows();
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestWindowsChart::controlsAndCaptions() {
    ChartWindow *window = makeWindow();
    QCOMPARE(window->objectName(), QStringLiteral("MDI"));
    QCOMPARE(window->windowTitle(), QStringLiteral("QM Starloom v1.15"));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));

    FIND_CHILD(QWidget, top, window, "picTop");
    QCOMPARE(top->height(), 57); // 850 twips
    QCOMPARE(top->palette().color(QPalette::Window), QColor(0, 0, 128));
    FIND_CHILD(QLabel, heading, top, "lblHeading");
    QCOMPARE(heading->text(), QStringLiteral("QM Starloom"));
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pointSizeF(), 18.0);
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
    FIND_CHILD(QLabel, url, top, "lblURL");
    QVERIFY(url->text().contains(kHome));
    QVERIFY(url->font().underline());
    QCOMPARE(url->palette().color(QPalette::WindowText), QColor(255, 255, 192));
    QCOMPARE(url->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(heading->geometry().bottom() < url->geometry().top());
    QVERIFY(url->geometry().bottom() < top->height());

    FIND_CHILD(QWidget, bottom, window, "Picture1");
    QCOMPARE(bottom->height(), 41); // 615 twips
    QCOMPARE(bottom->palette().color(QPalette::Window), QColor(0, 0, 128));
    FIND_CHILD(QLabel, link, bottom, "Label1");
    QCOMPARE(link->text(), QStringLiteral("For Analysis of this Natal chart log onto ") + kHome);
    QVERIFY(link->font().bold() && link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link->x(), 8); // 120 twips

    // The bands frame the report window: heading above it, buttons below it.
    auto *area = window->findChild<QMdiArea *>();
    QVERIFY(area);
    QCOMPARE(area->subWindowList().size(), 1);
    QMdiSubWindow *sub = area->subWindowList().first();
    QCOMPARE(sub->widget(), window->report());
    QCOMPARE(window->report()->objectName(), QStringLiteral("frmDisplay"));
    QVERIFY(sub->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(sub->size(), QSize(701, 534));
    window->show();
    QVERIFY(top->mapTo(window, QPoint(0, top->height())).y() <= area->mapTo(window, QPoint()).y());
    QVERIFY(area->mapTo(window, QPoint(0, area->height())).y() <=
            bottom->mapTo(window, QPoint()).y());
}

void TestWindowsChart::bottomButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Save As JPEG") << "cmdSaveAsJPEG"
                                  << "Save As &JPEG" << QSize(105, 27);
    QTest::newRow("Back") << "cmdBack"
                          << "&Back" << QSize(73, 27); // 1095 x 400 twips
    QTest::newRow("Exit") << "cmdExit"
                          << "E&xit" << QSize(73, 27);
}

void TestWindowsChart::bottomButtons() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    ChartWindow *window = makeWindow();
    FIND_CHILD(QWidget, bottom, window, "Picture1");
    auto *button = bottom->findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->size(), size);
    QCOMPARE(button->y(), 5); // 77 twips
    QCOMPARE(button->font().pointSizeF(), 8.25);
}

void TestWindowsChart::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions"); // "-" for a separator
    QTest::addColumn<QStringList>("keys");     // each entry's shortcut, portable text
    QTest::newRow("File") << "mnuFile"
                          << "&File"
                          << QStringList{"mnuNew",      "mnuOpen",       "mnuCompareWith",
                                         "mnuFileSep0", "mnuSaveAsText", "mnuSaveAsJpeg",
                                         "mnuFileSep1", "mnuExport",     "mnuExportPdf",
                                         "mnuFilesep2", "mnuPrint",      "mnuFileSep3",
                                         "mnuBack",     "mnuFileSep4",   "mnuExit"}
                          << QStringList{"&New",
                                         QString::fromUtf8("&Open\u2026"),
                                         QString::fromUtf8("Compare &With\u2026"),
                                         "-",
                                         "Save &As",
                                         "Save As &JPEG",
                                         "-",
                                         "&Export Chart As Text",
                                         QString::fromUtf8("Export as P&DF\u2026"),
                                         "-",
                                         "&Print",
                                         "-",
                                         "&Back",
                                         "-",
                                         "E&xit"}
                          << QStringList{"", "Ctrl+O", "", "", "Ctrl+S", "",      "", "Ctrl+E", "",
                                         "", "Ctrl+P", "", "", "",       "Ctrl+Q"};
    QTest::newRow("View") << "mnuView"
                          << "&View"
                          << QStringList{"mnuToolBar",  "mnuPrecisePositions", "mnuHouseSystem",
                                         "mnuViewSep1", "mnuAspectLines",      "mnuAspectOrbs",
                                         "mnuZoom",     "mnuViewSep2",         "mnuLanguage"}
                          << QStringList{"&Toolbar",      "&Precise Positions",
                                         "&House System", "-",
                                         "Aspect &Lines", QString::fromUtf8("Aspect &Orbs…"),
                                         "&Zoom",         "-",
                                         "Lan&guage"}
                          << QStringList{"", "", "", "", "", "", "", "", ""};
    QTest::newRow("Chart")
        << "mnuChart"
        << "&Chart" << QStringList{"mnuTransits",  "mnuProgressions", "mnuDirections",
                                   "mnuChartSep1", "mnuStepForward",  "mnuStepBack",
                                   "mnuStepUnit",  "mnuChartSep2",    "mnuSecondChartOrbs"}
        << QStringList{"&Transits",
                       "Secondary &Progressions",
                       "Solar &Arc Directions",
                       "-",
                       "Step &Forward",
                       "Step &Back",
                       "Step &Unit",
                       "-",
                       QString::fromUtf8("Second Chart &Orbs\u2026")}
        << QStringList{
               "Ctrl+T", "Ctrl+Shift+P", "Ctrl+Shift+D", "", "Alt+Right", "Alt+Left", "", "", ""};
    QTest::newRow("Help")
        << "mnuHelp"
        << "&Help" << QStringList{"mnuOnline", "mnuVisit",    "mnuHelpSep1",
                                  "mnuUpdate", "mnuHelpSep2", "mnuAbout"}
        << QStringList{"&Online Help",   "&Visit Us Online", "-", "Check for Software &Update", "-",
                       "&About Software"}
        << QStringList{"", "", "", "", "", ""};
}

void TestWindowsChart::menus() {
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, keys);
    ChartWindow *window = makeWindow();
    auto *found = window->findChild<QMenu *>(menu);
    QVERIFY(found);
    QCOMPARE(found->title(), title);
    QStringList shownNames;
    QStringList shownCaptions;
    QStringList shownKeys;
    for (QAction *action : found->actions()) {
        shownNames.append(action->objectName());
        shownCaptions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        shownKeys.append(action->shortcut().toString(QKeySequence::PortableText));
        QVERIFY(action->isVisible() && action->isEnabled());
    }
    QCOMPARE(shownNames, names);
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(shownKeys, keys);
    // Each entry has a mnemonic of its own within the menu.
    QStringList mnemonics;
    for (const QString &caption : std::as_const(shownCaptions)) {
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < caption.size()) {
            const QString letter = caption.mid(amp + 1, 1).toLower();
            QVERIFY2(!mnemonics.contains(letter), qPrintable(letter + QStringLiteral(" twice")));
            mnemonics << letter;
        }
    }
}

void TestWindowsChart::menuBarHoldsFourMenus() {
    ChartWindow *window = makeWindow();
    QStringList titles;
    for (QAction *action : window->menuBar()->actions())
        titles.append(action->text());
    QCOMPARE(titles, (QStringList{"&File", "&View", "&Chart", "&Help"}));
    FIND_CHILD(QAction, toolbarEntry, window, "mnuToolBar");
    QVERIFY(toolbarEntry->isCheckable());
    QVERIFY(toolbarEntry->isChecked());
    QCOMPARE(window->createPopupMenu(), nullptr);
}

void TestWindowsChart::toolbarButtons() {
    ChartWindow *window = makeWindow();
    FIND_CHILD(QToolBar, toolbar, window, "TB");
    QCOMPARE(toolbar->iconSize(), QSize(16, 15));
    QStringList keys;
    for (QAction *action : toolbar->actions()) {
        keys.append(action->objectName());
        QVERIFY(action->text().isEmpty());
        QVERIFY(action->toolTip().isEmpty());
        // Drawn at twice the pixel density, the picture is twice as big and not blank.
        const QImage image = action->icon().pixmap(QSize(16, 15), 2.0).toImage();
        QCOMPARE(image.size(), QSize(32, 30));
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(painted > 150, qPrintable(action->objectName()));
    }
    QCOMPARE(keys, (QStringList{"New", "Save", "Print", "Help"}));
}

void TestWindowsChart::viewToolbarTwiceRestoresIt() {
    ChartWindow *window = makeWindow();
    window->show();
    FIND_CHILD(QToolBar, toolbar, window, "TB");
    FIND_CHILD(QAction, entry, window, "mnuToolBar");
    QVERIFY(toolbar->isVisible());
    entry->trigger();
    QVERIFY(!entry->isChecked());
    QVERIFY(!toolbar->isVisible());
    entry->trigger();
    QVERIFY(entry->isChecked());
    QVERIFY(toolbar->isVisible());
}

// Back, then a new reading: the new chart window starts with the toolbar shown.
void TestWindowsChart::freshWindowShowsToolbarAgain() {
    ChartWindow *first = makeWindow();
    first->show();
    FIND_CHILD(QAction, entry, first, "mnuToolBar");
    entry->trigger();
    FIND_CHILD(QPushButton, back, first, "cmdBack");
    QTest::mouseClick(back, Qt::LeftButton);
    DeleteClosedWindows();
    QVERIFY(m_window.isNull());

    ChartWindow *second = makeWindow();
    second->show();
    FIND_CHILD(QAction, again, second, "mnuToolBar");
    FIND_CHILD(QToolBar, toolbar, second, "TB");
    QVERIFY(again->isChecked());
    QVERIFY(toolbar->isVisible());
}

void TestWindowsChart::resizingRule_data() {
    QTest::addColumn<int>("width"); // outer width in pixels
    QTest::addColumn<int>("jpegLeft");
    QTest::addColumn<int>("backLeft");
    QTest::addColumn<int>("exitLeft");
    // In twips: Exit at W - 1095 - 300, Back 100 + 1095 before it, Save As JPEG 100 + 1575
    // before that; divided by 15 and rounded.
    QTest::newRow("wide, 1000 px") << 1000 << 716 << 827 << 907;
    QTest::newRow("design, 8880 twips") << 592 << 308 << 419 << 499;
    QTest::newRow("narrow, 200 px: negative left edge") << 200 << -84 << 27 << 107;
    QTest::newRow("narrow, 240 px") << 240 << -44 << 67 << 147;
}

void TestWindowsChart::resizingRule() {
    QFETCH(int, width);
    QFETCH(int, jpegLeft);
    QFETCH(int, backLeft);
    QFETCH(int, exitLeft);
    ChartWindow *window = makeWindow();
    ShowAtSize(window, QSize(width, 500));
    QCOMPARE(window->frameGeometry().width(), width);
    FIND_CHILD(QPushButton, jpeg, window, "cmdSaveAsJPEG");
    FIND_CHILD(QPushButton, back, window, "cmdBack");
    FIND_CHILD(QPushButton, exit, window, "cmdExit");
    QCOMPARE(jpeg->pos(), QPoint(jpegLeft, 5));
    QCOMPARE(back->pos(), QPoint(backLeft, 5));
    QCOMPARE(exit->pos(), QPoint(exitLeft, 5));
    QCOMPARE(jpeg->size(), QSize(105, 27)); // not squeezed when narrow
    for (const char *name : {"lblHeading", "lblURL"}) {
        auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY2(label, name);
        const int centred = (width - label->width()) / 2;
        QVERIFY2(qAbs(label->x() - centred) <= 1, name);
    }
}

// Centred in the client area when there is room, at the left edge with a scroll bar
// when there is not; always at the top.
void TestWindowsChart::reportWindowPlacement() {
    ChartWindow *window = makeWindow();
    auto *area = window->findChild<QMdiArea *>();
    QVERIFY(area);
    QMdiSubWindow *sub = area->subWindowList().first();

    ShowAtSize(window, QSize(1001, 900));
    QCOMPARE(area->viewport()->width(), window->width());
    const int wide = area->viewport()->width();
    QCOMPARE(sub->pos(), QPoint((wide - 701) / 2, 0));
    QVERIFY(!area->horizontalScrollBar()->isVisible());

    ShowAtSize(window, QSize(500, 900));
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QVERIFY(area->horizontalScrollBar()->isVisible());
    QCOMPARE(area->horizontalScrollBar()->maximum(), 701 - area->viewport()->width());

    // Scrolled to the right, then widened again: centred once more.
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    QVERIFY(sub->x() < 0);
    ShowAtSize(window, QSize(1201, 900));
    QCOMPARE(sub->pos(), QPoint((area->viewport()->width() - 701) / 2, 0));
    QVERIFY(sub->x() > 200);
}

// The window opens showing the whole report window, or maximised when the screen is too
// small for that.
void TestWindowsChart::openingSizeShowsWholeReport() {
    ChartWindow *window = makeWindow();
    auto *area = window->findChild<QMdiArea *>();
    QVERIFY(area);
    window->show();
    QCoreApplication::sendPostedEvents();
    const QSize needed = window->sizeHint();
    const QRect screen = window->screen()->availableGeometry();
    const bool fits = needed.width() <= screen.width() && needed.height() + 48 <= screen.height();
    QCOMPARE(window->isMaximized(), !fits);
    // At its preferred size the report window fits without scrolling.
    ShowAtSize(window, window->sizeHint() + (window->frameGeometry().size() - window->size()));
    QVERIFY(area->viewport()->width() >= 701);
    QVERIFY(area->viewport()->height() >= 534);
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
}

void TestWindowsChart::commands_data() {
    QTest::addColumn<QString>("kind"); // menu, toolbar, button or link
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("opened"); // address given to the browser, or empty
    QTest::addColumn<QString>("effect"); // "jpeg", "print" or nothing to check beyond
    QTest::newRow("File Save As") << "menu"
                                  << "mnuSaveAsText" << QStringList{"saveReading"} << ""
                                  << "";
    QTest::newRow("toolbar Save") << "toolbar"
                                  << "Save" << QStringList{"saveReading"} << ""
                                  << "";
    QTest::newRow("File Open") << "menu"
                               << "mnuOpen" << QStringList{"openReading"} << ""
                               << "";
    QTest::newRow("File Export") << "menu"
                                 << "mnuExport" << QStringList{"exportText"} << ""
                                 << "";
    QTest::newRow("Help About") << "menu"
                                << "mnuAbout" << QStringList{"about"} << ""
                                << "";
    QTest::newRow("Help Online Help") << "menu"
                                      << "mnuOnline" << QStringList{} << kHelp << "";
    QTest::newRow("toolbar Help") << "toolbar"
                                  << "Help" << QStringList{} << kHelp << "";
    QTest::newRow("Help Visit Us Online") << "menu"
                                          << "mnuVisit" << QStringList{} << kHome << "";
    QTest::newRow("Help Check for Update") << "menu"
                                           << "mnuUpdate" << QStringList{} << kDownload << "";
    QTest::newRow("link Label1") << "link"
                                 << "Label1" << QStringList{} << kHome << "";
    QTest::newRow("link lblURL") << "link"
                                 << "lblURL" << QStringList{} << kHome << "";
    // Saving the image and printing run inside the chart window: no command is called, and
    // the image or the printed pages come out.
    QTest::newRow("button Save As JPEG") << "button"
                                         << "cmdSaveAsJPEG" << QStringList{} << ""
                                         << "jpeg";
    QTest::newRow("File Save As JPEG") << "menu"
                                       << "mnuSaveAsJpeg" << QStringList{} << ""
                                       << "jpeg";
    QTest::newRow("File Print") << "menu"
                                << "mnuPrint" << QStringList{} << ""
                                << "print";
    QTest::newRow("toolbar Print") << "toolbar"
                                   << "Print" << QStringList{} << ""
                                   << "print";
}

void TestWindowsChart::commands() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, calls);
    QFETCH(QString, opened);
    QFETCH(QString, effect);
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("chart.jpg"));
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    m_shell->dialogs.fileAnswers = {image};
    m_shell->dialogs.printerAnswer = true;
    m_shell->dialogs.onPrinterChosen = [&printed](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
    };
    ChartWindow *window = makeWindow();
    window->show();
    if (kind == QLatin1String("menu")) {
        auto *action = window->findChild<QAction *>(name);
        QVERIFY(action);
        action->trigger();
    } else if (kind == QLatin1String("toolbar")) {
        ClickToolbar(window, name);
    } else {
        auto *widget = window->findChild<QWidget *>(name);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QCOMPARE(m_recorder->calls, calls);
    QList<QUrl> expectedLinks;
    if (!opened.isEmpty())
        expectedLinks.append(QUrl(opened));
    QCOMPARE(m_shell->links.opened, expectedLinks);
    QVERIFY(m_shell->dialogs.messages.isEmpty());
    QVERIFY(window->isVisible());
    // The image is a JPEG of the report window at its design size.
    QImageReader reader(image);
    QCOMPARE(reader.canRead(), effect == QLatin1String("jpeg"));
    if (effect == QLatin1String("jpeg")) {
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.read().size(), QSize(701, 534));
    }
    // The printer received pages: a PDF with one page object or more.
    QFile pdf(printed);
    QCOMPARE(pdf.exists(), effect == QLatin1String("print"));
    if (effect == QLatin1String("print")) {
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page\\b"));
        QVERIFY2(QString::fromLatin1(bytes).count(kPage) >= 1, "no page printed");
    }
}

void TestWindowsChart::leavingDoesNotExit_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("call");
    QTest::newRow("button Back") << "button"
                                 << "cmdBack"
                                 << "back";
    QTest::newRow("File Back") << "menu"
                               << "mnuBack"
                               << "back";
    QTest::newRow("File New") << "menu"
                              << "mnuNew"
                              << "newReading";
    QTest::newRow("toolbar New") << "toolbar"
                                 << "New"
                                 << "newReading";
}

// Back and New run their command, then close and delete the chart window and the report
// window with it, and the program goes on.
void TestWindowsChart::leavingDoesNotExit() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, call);
    ChartWindow *window = makeWindow();
    QPointer<ReportWindow> report = window->report();
    window->show();
    if (kind == QLatin1String("menu")) {
        auto *action = window->findChild<QAction *>(name);
        QVERIFY(action);
        action->trigger();
    } else if (kind == QLatin1String("toolbar")) {
        ClickToolbar(window, name);
    } else {
        auto *button = window->findChild<QPushButton *>(name);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(m_recorder->calls, QStringList{call});
    QVERIFY(!m_window.isNull() && !m_window->isVisible());
    DeleteClosedWindows();
    QVERIFY(m_window.isNull());
    QVERIFY(report.isNull());
    QCOMPARE(m_recorder->calls, QStringList{call});
}

// The owner may close the window from its Back command; that close does not end the
// program either.
void TestWindowsChart::backCallbackMayCloseTheWindow() {
    ChartWindow *window = makeWindow();
    window->show();
    m_recorder->closeOnBack = [this] { m_window->close(); };
    FIND_CHILD(QAction, back, window, "mnuBack");
    back->trigger();
    DeleteClosedWindows();
    QVERIFY(m_window.isNull());
    QCOMPARE(m_recorder->calls, QStringList{"back"});
}

void TestWindowsChart::closingEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("exitClosesAll"); // the exit command closes every window itself
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("button Exit") << "cmdExit" << false;
    QTest::newRow("File Exit") << "mnuExit" << false;
    QTest::newRow("close box, exit closes all") << "close" << true;
    QTest::newRow("button Exit, exit closes all") << "cmdExit" << true;
}

// Exit, whichever way, runs the exit command exactly once and closes the window.
void TestWindowsChart::closingEndsTheProgram() {
    QFETCH(QString, how);
    QFETCH(bool, exitClosesAll);
    if (exitClosesAll)
        m_recorder->closeOnExit = [] { QApplication::closeAllWindows(); };
    ChartWindow *window = makeWindow();
    window->show();
    if (how == QLatin1String("close")) {
        window->close();
    } else if (how == QLatin1String("cmdExit")) {
        FIND_CHILD(QPushButton, exit, window, "cmdExit");
        QTest::mouseClick(exit, Qt::LeftButton);
    } else {
        FIND_CHILD(QAction, exit, window, "mnuExit");
        exit->trigger();
    }
    DeleteClosedWindows();
    QVERIFY(m_window.isNull());
    QCOMPARE(m_recorder->calls, QStringList{"exit"});
}

void TestWindowsChart::keysOnTheRealWidgets_data() {
    QTest::addColumn<QString>("focus"); // the control that has the focus, by object name
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("outcome"); // what ran, in order
    const int ctrl = Qt::ControlModifier;
    const int none = Qt::NoModifier;
    QTest::newRow("Ctrl+S saves the reading")
        << "RTB" << int(Qt::Key_S) << ctrl << QStringList{"saveReading"};
    QTest::newRow("Ctrl+E exports the text")
        << "cmdBack" << int(Qt::Key_E) << ctrl << QStringList{"exportText"};
    QTest::newRow("Ctrl+P prints")
        << "RTB" << int(Qt::Key_P) << ctrl << QStringList{"printer dialog"};
    QTest::newRow("Ctrl+Q exits") << "cmdSaveAsJPEG" << int(Qt::Key_Q) << ctrl
                                  << QStringList{"exit"};
    QTest::newRow("Alt+J still saves the image")
        << "RTB" << int(Qt::Key_J) << int(Qt::AltModifier) << QStringList{"file dialog"};
    QTest::newRow("Return on Save As JPEG")
        << "cmdSaveAsJPEG" << int(Qt::Key_Return) << none << QStringList{"file dialog"};
    QTest::newRow("Return on Back")
        << "cmdBack" << int(Qt::Key_Return) << none << QStringList{"back"};
    QTest::newRow("Enter on Exit")
        << "cmdExit" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QStringList{"exit"};
    QTest::newRow("Return on the heading's link")
        << "lblURL" << int(Qt::Key_Return) << none << QStringList{kHome};
    QTest::newRow("Space on the bottom link")
        << "Label1" << int(Qt::Key_Space) << none << QStringList{kHome};
}

// Keys pressed on the shown, active window, as the user presses them.
void TestWindowsChart::keysOnTheRealWidgets() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, outcome);
    ChartWindow *window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *target = window->findChild<QWidget *>(focus);
    QVERIFY2(target, qPrintable(focus));
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    const auto happened = [this] {
        QStringList all = m_recorder->calls;
        if (m_shell->dialogs.printerRequests > 0)
            all.append(QStringLiteral("printer dialog"));
        for (int i = 0; i < m_shell->dialogs.fileRequests.size(); ++i)
            all.append(QStringLiteral("file dialog"));
        for (const QUrl &url : std::as_const(m_shell->links.opened))
            all.append(url.toString());
        return all;
    };
    // An Alt key clicks its button the way a mouse click looks, a moment later.
    QTRY_COMPARE(happened(), outcome);
}

void TestWindowsChart::tabReachesEveryControl_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("order"); // from the first control, one key press each
    const QStringList forward{"lblURL", "tabInterpretation", "RTB",     "picNatal",
                              "Label1", "cmdSaveAsJPEG",     "cmdBack", "cmdExit"};
    QStringList backward(forward.rbegin(), forward.rend() - 1);
    backward.prepend(forward.first());
    QTest::newRow("Tab, top to bottom") << int(Qt::Key_Tab) << (forward + QStringList{"lblURL"});
    QTest::newRow("Shift+Tab, the other way")
        << int(Qt::Key_Backtab) << (backward + QStringList{"lblURL"});
}

void TestWindowsChart::tabReachesEveryControl() {
    QFETCH(int, key);
    QFETCH(QStringList, order);
    ChartWindow *window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("RTB"));
    FIND_CHILD(QWidget, first, window, "lblURL");
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
    QVERIFY(m_recorder->calls.isEmpty());
}

void TestWindowsChart::zoomScalesTheWholeReport_data() {
    QTest::addColumn<QStringList>("entries"); // Zoom menu entries, in order
    QTest::addColumn<double>("zoom");
    QTest::newRow("in once") << QStringList{"mnuZoomIn"} << 1.1;
    QTest::newRow("in twice") << QStringList{"mnuZoomIn", "mnuZoomIn"} << 1.25;
    QTest::newRow("out once") << QStringList{"mnuZoomOut"} << 0.9;
    QTest::newRow("out to the smallest and beyond") << QStringList(8, "mnuZoomOut") << 0.5;
    QTest::newRow("in to the largest and beyond") << QStringList(9, "mnuZoomIn") << 3.0;
    QTest::newRow("back to actual size")
        << QStringList{"mnuZoomIn", "mnuZoomIn", "mnuActualSize"} << 1.0;
}

// The report window is laid out again at the new scale: its size, its text and the
// wheel's placement all follow, so it is drawn anew rather than magnified.
void TestWindowsChart::zoomScalesTheWholeReport() {
    QFETCH(QStringList, entries);
    QFETCH(double, zoom);
    ChartWindow *window = makeWindow();
    for (const QString &entry : entries) {
        auto *action = window->findChild<QAction *>(entry);
        QVERIFY2(action, qPrintable(entry));
        action->trigger();
    }
    QCOMPARE(window->zoom(), zoom);
    ReportWindow *report = window->report();
    QCOMPARE(report->size(), QSize(qRound(701 * zoom), qRound(534 * zoom)));
    FIND_CHILD(QLabel, name, report, "lblName");
    QCOMPARE(name->font().pointSizeF(), 8.25 * zoom);
    FIND_CHILD(QWidget, wheel, report, "picNatal");
    QVERIFY(qAbs(wheel->width() - 450 * zoom) <= 1);
    QVERIFY(qAbs(wheel->x() - 240 * zoom) <= 1); // 3600 twips
    FIND_CHILD(QWidget, glyph, wheel, "imgSign_0");
    // A glyph is 8 of the wheel's 200 units.
    const qreal unit = (qMin(wheel->width(), wheel->height()) - 2) / 200.0;
    QVERIFY(qAbs(glyph->width() - 8 * unit) <= 2);
    auto *area = window->findChild<QMdiArea *>();
    QCOMPARE(area->subWindowList().first()->size(), report->size());

    const QList<QKeySequence> in =
        window->findChild<QAction *>(QStringLiteral("mnuZoomIn"))->shortcuts();
    QVERIFY(in.contains(QKeySequence(QKeySequence::ZoomIn)));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuZoomOut"))->shortcut(),
             QKeySequence(QKeySequence::ZoomOut));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuActualSize"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+0")));
}

void TestWindowsChart::fitToWindowFollowsTheWindow() {
    ChartWindow *window = makeWindow();
    auto *area = window->findChild<QMdiArea *>();
    FIND_CHILD(QAction, fit, window, "mnuFitToWindow");
    QVERIFY(fit->isCheckable() && !fit->isChecked());
    for (const QSize outer : {QSize(1200, 1000), QSize(500, 500)}) {
        ShowAtSize(window, outer);
        fit->setChecked(true);
        QCoreApplication::sendPostedEvents();
        const QSize report = window->report()->size();
        const QSize room = area->size();
        QVERIFY2(report.width() <= room.width() && report.height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(report.width())
                                .arg(report.height())
                                .arg(room.width())
                                .arg(room.height())));
        QVERIFY(room.width() - report.width() <= 2 || room.height() - report.height() <= 2);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
    }
    // A step of its own ends following the window.
    window->findChild<QAction *>(QStringLiteral("mnuActualSize"))->trigger();
    QVERIFY(!fit->isChecked());
    QCOMPARE(window->report()->size(), QSize(701, 534));
}

// What the user left is what the next chart window opens with.
void TestWindowsChart::sizePlaceAndZoomAreRemembered() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ShellServices services = m_shell->services();
    services.settings = &settings;
    auto *first = new ChartWindow(new ReportWindow(BirthData{}), services, m_recorder->commands());
    ShowAtSize(first, QSize(720, 500));
    first->findChild<QAction *>(QStringLiteral("mnuZoomOut"))->trigger();
    const QSize size = first->size();
    first->close();
    DeleteClosedWindows();

    m_window = new ChartWindow(new ReportWindow(BirthData{}), services, m_recorder->commands());
    QCOMPARE(m_window->zoom(), 0.9);
    QCOMPARE(m_window->report()->size(), QSize(631, 481));
    QCOMPARE(m_window->size(), size);
    QVERIFY(!m_window->isMaximized());
}

void TestWindowsChart::linkKeepsClearOfButtons_data() {
    QTest::addColumn<int>("width"); // outer width in pixels
    for (const int width : {1000, 701, 560, 450, 320, 200})
        QTest::addRow("%d px", width) << width;
}

// The link narrows, its lines ending in an ellipsis, before it would reach the buttons.
void TestWindowsChart::linkKeepsClearOfButtons() {
    QFETCH(int, width);
    ChartWindow *window = makeWindow();
    ShowAtSize(window, QSize(width, 700));
    FIND_CHILD(QLabel, link, window, "Label1");
    FIND_CHILD(QPushButton, jpeg, window, "cmdSaveAsJPEG");
    QVERIFY2(link->width() == 0 || link->geometry().right() < jpeg->x(),
             qPrintable(QStringLiteral("link ends at %1, button starts at %2")
                            .arg(link->geometry().right())
                            .arg(jpeg->x())));
    QVERIFY(link->width() <= link->sizeHint().width());
}

QTEST_MAIN(TestWindowsChart)
#include "test_windows_chart.moc"
