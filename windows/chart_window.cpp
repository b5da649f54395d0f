#include "windows/chart_window.h"

#include "reading/chart_words.h"
#include "shell/core/settings_write.h"
#include "shell/language_menu.h"
#include "shell/link_label.h"
#include "shell/links.h"
#include "shell/program_icon.h"
#include "shell/shutdown.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/design_units.h"
#include "windows/image_saving.h"
#include "windows/printing.h"
#include "windows/report_window.h"
#include "windows/second_chart_window.h"
#include "windows/toolbar_icons.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

namespace starloom {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLinkYellow(255, 255, 192);
constexpr qreal kHeadingPoints = 18.0;
const QString kCaption = QStringLiteral("QM Starloom v1.15");
constexpr int kNoticeMilliseconds = 6000; // how long a notice stays in the status bar

constexpr int kHeadingBandHeight = 850; // twips
constexpr int kButtonBandHeight = 615;  // twips
constexpr int kButtonTop = 77;          // twips
constexpr int kButtonHeight = 400;      // twips
constexpr int kWideButtonWidth = 1575;  // twips, Save As JPEG
constexpr int kButtonWidth = 1095;      // twips, Back and Exit
constexpr int kButtonGap = 100;         // twips between buttons
constexpr int kRightMargin = 300;       // twips from the window's right edge
constexpr int kLinkLeft = 120;          // twips

// A window manager's frame before the real one is known: a title bar and thin borders.
// The window is placed again once the frame is known.
const QMargins kFrameEstimate(6, 30, 6, 6); // pixels
constexpr int kSettleDelay = 300;           // ms after the first show to check the frame

const QString kGeometryKey = QStringLiteral("ChartWindow/Geometry");
const QString kZoomKey = QStringLiteral("ChartWindow/Zoom");
const QString kFitKey = QStringLiteral("ChartWindow/FitToWindow");
constexpr qreal kPrintMargin = 15.0; // millimetres on every side of a printed page

// The bottom band's link: the invitation above the address. Where the band leaves it less
// than their width, each line is cut short with an ellipsis rather than running under
// the buttons.
class BandLink final : public LinkLabel {
public:
    BandLink(const QString &invitation, const QString &address, QWidget *parent)
        : LinkLabel(invitation + address, parent), m_lines{invitation.trimmed(), address} {}

    // The width that shows both lines whole.
    int naturalWidth() const {
        const QFontMetrics metrics(font());
        return qMax(metrics.horizontalAdvance(m_lines[0]), metrics.horizontalAdvance(m_lines[1])) +
               metrics.averageCharWidth();
    }
    QSize sizeHint() const override {
        return QSize(naturalWidth(), 2 * QFontMetrics(font()).height());
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics(font());
        const int top = (height() - 2 * metrics.height()) / 2;
        for (int i = 0; i < 2; ++i) {
            const QString shown = metrics.elidedText(m_lines[i], Qt::ElideRight, width());
            painter.drawText(QRect(0, top + i * metrics.height(), width(), metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, shown);
        }
    }

private:
    QString m_lines[2];
};

QWidget *NavyBand(const QString &name, int heightTwips, QWidget *parent) {
    auto *band = new QWidget(parent);
    band->setObjectName(name);
    band->setAutoFillBackground(true);
    QPalette navy = band->palette();
    navy.setColor(QPalette::Window, kNavy);
    band->setPalette(navy);
    band->setFixedHeight(TwipsToPixels(heightTwips));
    return band;
}

// The width a push button needs for its caption and the style's margins and frame, without
// the style's least width for buttons (the design's Back and Exit are narrower).
int CaptionWidth(const QPushButton *button) {
    const QStyle *style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const QString caption = QString(button->text()).remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(caption) + margins;
}

// A button's width in twips: its design width while it has it, so that the rule places it
// exactly as designed, else its own (widened for a longer caption).
int WidthTwips(const QWidget *button, int designTwips) {
    return button->width() == TwipsToPixels(designTwips) ? designTwips
                                                         : PixelsToTwips(button->width());
}

void SetTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

// The frame round the report window. A child window keeps Tab among its own controls; this
// one hands it on through the chart window's, in the chart window's order.
class ReportFrame final : public QMdiSubWindow {
protected:
    bool focusNextPrevChild(bool next) override {
        QWidget *from = QApplication::focusWidget();
        if (from == nullptr)
            return QMdiSubWindow::focusNextPrevChild(next);
        for (QWidget *w = step(from, next); w != nullptr && w != from; w = step(w, next)) {
            if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() &&
                w->isEnabled() && w->window() == window()) {
                w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    static QWidget *step(QWidget *w, bool next) {
        return next ? w->nextInFocusChain() : w->previousInFocusChain();
    }
};

// The client area between the bands. It holds the report window, centred horizontally
// and at the top; when the area is smaller than the report window it scrolls, with the
// report window's left edge at the start of the scrolled range.
class ReportArea final : public QMdiArea {
public:
    explicit ReportArea(QWidget *parent) : QMdiArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    void setReport(ReportWindow *report) {
        m_sub = new ReportFrame;
        m_sub->setWidget(report);
        addSubWindow(m_sub, Qt::FramelessWindowHint);
        m_sub->setSystemMenu(nullptr);
        // A child window that takes the focus itself keeps Tab among its own controls;
        // without it Tab runs on to the chart window's links and buttons.
        m_sub->setFocusPolicy(Qt::NoFocus);
        m_sub->show();
        placeReport();
    }

    QSize sizeHint() const override {
        return m_sub != nullptr ? m_sub->widget()->size() : QSize(kReportWidth, kReportHeight);
    }

    // After the report window changed its size: the child frame follows it.
    void reportResized() {
        if (m_sub == nullptr)
            return;
        m_sub->resize(m_sub->widget()->size());
        placeReport();
    }

    // The scale at which the report window fills the area without scroll bars.
    // One pixel to spare, so that rounding never calls up a scroll bar.
    qreal fitFactor() const {
        return qMin(qreal(width() - 1) / kReportWidth, qreal(height() - 1) / kReportHeight);
    }

    std::function<void()> resized; // run after the area has changed size

protected:
    bool viewportEvent(QEvent *event) override {
        const bool handled = QMdiArea::viewportEvent(event);
        if (event->type() == QEvent::Resize)
            placeReport();
        return handled;
    }
    void resizeEvent(QResizeEvent *event) override {
        QMdiArea::resizeEvent(event);
        if (resized)
            resized();
    }

private:
    // Positions are in viewport coordinates: a scrolled area has moved its children by the
    // scroll bars' values.
    void placeReport() {
        if (m_sub == nullptr)
            return;
        const int spare = viewport()->width() - m_sub->width();
        const int left = spare > 0 ? spare / 2 : -horizontalScrollBar()->value();
        const QPoint target(left, -verticalScrollBar()->value());
        if (m_sub->pos() != target)
            m_sub->move(target);
    }

    QMdiSubWindow *m_sub = nullptr;
};

ChartWindow::ChartWindow(ReportWindow *report, ShellServices services, ChartCommands commands,
                         QWidget *parent)
    : QMainWindow(parent), m_report(report), m_services(services), m_commands(std::move(commands)) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    m_second = new SecondChartWindow(this);
    buildMenus();
    assignShortcuts();
    buildToolbar();

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The bands become children of the client before the report area does, so that a
    // search for "Picture1" from the chart window finds the bottom band, not the report
    // window's picture holder of the same name.
    column->addWidget(buildHeadingBand());
    column->addWidget(buildButtonBand());
    m_area = new ReportArea(client);
    column->insertWidget(1, m_area, 1);
    setCentralWidget(client);
    m_area->setReport(m_report);
    buildTabOrder();
    // Made now, so that the opening size has room for it.
    statusBar()->setObjectName(QStringLiteral("statusBar"));

    if (QSettings *settings = m_services.settings) {
        const qreal zoom = settings->value(kZoomKey, 1.0).toDouble();
        applyZoom(zoom >= kZoomSteps[0] && zoom <= 4.0 ? zoom : 1.0);
        m_fitAction->setChecked(settings->value(kFitKey, false).toBool());
    }
    m_area->resized = [this] {
        if (fitsToWindow())
            applyZoom(m_area->fitFactor());
    };

    fitToScreen();
    applyResizingRule();
}

ReportWindow *ChartWindow::report() const {
    return m_report;
}

void ChartWindow::setPrecisePositionsChecked(bool checked) {
    const QSignalBlocker quiet(m_precisePositions);
    m_precisePositions->setChecked(checked);
}

void ChartWindow::setHouseSystemChecked(HouseSystem system) {
    QAction *entry = m_houseSystems[static_cast<int>(system)];
    const QSignalBlocker quiet(entry);
    entry->setChecked(true);
}

void ChartWindow::setReadingSheet(ReadingSheet sheet) {
    m_sheet = std::move(sheet);
}

ReadingSheet ChartWindow::readingSheet() const {
    ReadingSheet sheet;
    if (m_sheet)
        sheet = *m_sheet;
    else
        sheet.wheel = m_report->wheelPicture();
    // The aspects as the window shows them now, after any change of orbs, and on the wheel
    // as lines when the window shows them so.
    sheet.aspects = m_report->aspects();
    const WheelPicture shown = m_report->wheelPicture();
    sheet.wheel.aspectLinesShown = shown.aspectLinesShown;
    sheet.wheel.aspectLines = shown.aspectLines;
    sheet.wheel.aspectPointAngles = shown.aspectPointAngles;
    sheet.secondCharts = m_second->sheets();
    return sheet;
}

SecondChartWindow *ChartWindow::secondChart() const {
    return m_second;
}

void ChartWindow::setNatalChart(const NatalChart &chart, const QString &name, double eastLongitude,
                                const AspectOrbs &orbs) {
    m_report->describeChart(chart);
    m_second->setNatal(chart, readingSheet().wheel, name, eastLongitude, chart.Latitude, orbs);
}

qreal ChartWindow::zoom() const {
    return m_zoom;
}

bool ChartWindow::fitsToWindow() const {
    return m_fitAction != nullptr && m_fitAction->isChecked();
}

void ChartWindow::applyZoom(qreal factor) {
    if (!(factor > 0))
        return;
    m_zoom = factor;
    m_report->setZoom(factor);
    m_area->reportResized();
}

void ChartWindow::setZoom(qreal factor) {
    m_fitAction->setChecked(false);
    applyZoom(factor);
}

void ChartWindow::zoomIn() {
    for (const qreal step : kZoomSteps) {
        if (step > m_zoom + 1e-6) {
            setZoom(step);
            return;
        }
    }
    setZoom(m_zoom);
}

void ChartWindow::zoomOut() {
    qreal below = kZoomSteps[0];
    for (const qreal step : kZoomSteps) {
        if (step < m_zoom - 1e-6)
            below = step;
    }
    setZoom(below);
}

void ChartWindow::setFitToWindow(bool fit) {
    m_fitAction->setChecked(fit);
}

void ChartWindow::buildMenus() {
    auto addEntry = [this](QMenu *menu, const char *name, const QString &caption, auto &&slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto addSeparator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto run = [](const std::function<void()> &command) {
        if (command)
            command();
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addEntry(file, "mnuNew", tr("&New"), [this] { leaveWith(m_commands.newReading); });
    addEntry(file, "mnuOpen", tr("&Open\u2026"), [this, run] { run(m_commands.openReading); });
    addEntry(file, "mnuCompareWith", tr("Compare &With\u2026"),
             [this, run] { run(m_commands.compareWith); });
    addSeparator(file, "mnuFileSep0");
    addEntry(file, "mnuSaveAsText", tr("Save &As"), [this, run] { run(m_commands.saveReading); });
    addEntry(file, "mnuSaveAsJpeg", tr("Save As &JPEG"), [this] { saveChartAsJpeg(); });
    addSeparator(file, "mnuFileSep1");
    addEntry(file, "mnuExport", tr("&Export Chart As Text"),
             [this, run] { run(m_commands.exportText); });
    // D, as P is Print's.
    addEntry(file, "mnuExportPdf", tr("Export as P&DF\u2026"), [this] { exportPdf(); });
    addSeparator(file, "mnuFilesep2");
    addEntry(file, "mnuPrint", tr("&Print"), [this] { printChart(); });
    addSeparator(file, "mnuFileSep3");
    addEntry(file, "mnuBack", tr("&Back"), [this] { leaveWith(m_commands.back); });
    addSeparator(file, "mnuFileSep4");
    addEntry(file, "mnuExit", tr("E&xit"), [this] { exitProgram(); });

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction *toolbar = view->addAction(tr("&Toolbar"));
    toolbar->setObjectName(QStringLiteral("mnuToolBar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, this, [this](bool shown) { m_toolbar->setVisible(shown); });
    m_precisePositions = view->addAction(tr("&Precise Positions"));
    m_precisePositions->setObjectName(QStringLiteral("mnuPrecisePositions"));
    m_precisePositions->setCheckable(true);
    connect(m_precisePositions, &QAction::toggled, this, [this](bool precise) {
        if (m_commands.precisePositions)
            m_commands.precisePositions(precise);
    });
    // The house systems, one checked at a time; the chart is cast again at once.
    QMenu *houses = view->addMenu(tr("&House System"));
    houses->menuAction()->setObjectName(QStringLiteral("mnuHouseSystem"));
    auto *houseGroup = new QActionGroup(houses);
    houseGroup->setExclusive(true);
    for (const HouseSystem system : kHouseSystems) {
        QAction *entry = houses->addAction(HouseSystemWord(system));
        // "mnuHousesWholeSign", "mnuHousesPlacidus", ...
        entry->setObjectName(QStringLiteral("mnuHouses") +
                             QString::fromUtf8(HouseSystemTitle(system)).remove(QLatin1Char(' ')));
        entry->setCheckable(true);
        houseGroup->addAction(entry);
        m_houseSystems[static_cast<int>(system)] = entry;
        connect(entry, &QAction::triggered, this, [this, system] {
            if (m_commands.houseSystem)
                m_commands.houseSystem(system);
        });
    }
    m_houseSystems[static_cast<int>(HouseSystem::WholeSign)]->setChecked(true);
    addSeparator(view, "mnuViewSep1");
    // Off by default, and on each new chart window, like the toolbar's check mark.
    QAction *lines = view->addAction(tr("Aspect &Lines"));
    lines->setObjectName(QStringLiteral("mnuAspectLines"));
    lines->setCheckable(true);
    lines->setChecked(false);
    connect(lines, &QAction::toggled, this,
            [this](bool shown) { m_report->setAspectLinesShown(shown); });
    addEntry(view, "mnuAspectOrbs", tr("Aspect &Orbs\u2026"), [this] { editAspectOrbs(); });

    // The report window as a whole, larger or smaller: every part is laid out and drawn
    // again at the new scale, so text and wheel stay sharp.
    QMenu *zoom = view->addMenu(tr("&Zoom"));
    zoom->menuAction()->setObjectName(QStringLiteral("mnuZoom"));
    QAction *larger = addEntry(zoom, "mnuZoomIn", tr("Zoom &In"), [this] { zoomIn(); });
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addEntry(zoom, "mnuZoomOut", tr("Zoom &Out"), [this] {
        zoomOut();
    })->setShortcut(QKeySequence::ZoomOut);
    addEntry(zoom, "mnuActualSize", tr("&Actual Size"), [this] {
        setZoom(1.0);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    zoom->addSeparator();
    m_fitAction = zoom->addAction(tr("&Fit to Window"));
    m_fitAction->setObjectName(QStringLiteral("mnuFitToWindow"));
    m_fitAction->setCheckable(true);
    connect(m_fitAction, &QAction::toggled, this, [this](bool fit) {
        if (fit)
            applyZoom(m_area->fitFactor());
    });

    addSeparator(view, "mnuViewSep2");
    AddLanguageMenu(view, m_services, this);

    // The second charts over this one: transits, progressions, directions; synastry comes
    // from File > Compare With.
    QMenu *chart = menuBar()->addMenu(tr("&Chart"));
    chart->setObjectName(QStringLiteral("mnuChart"));
    m_second->fillMenu(chart);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addEntry(help, "mnuOnline", tr("&Online Help"), [this] {
        if (m_services.links)
            OpenOnlineHelpPage(*m_services.links);
    });
    addEntry(help, "mnuVisit", tr("&Visit Us Online"), [this] { openHomePage(); });
    addSeparator(help, "mnuHelpSep1");
    addEntry(help, "mnuUpdate", tr("Check for Software &Update"), [this] {
        if (m_services.links)
            OpenDownloadPage(*m_services.links);
    });
    addSeparator(help, "mnuHelpSep2");
    addEntry(help, "mnuAbout", tr("&About Software"), [this, run] { run(m_commands.about); });
}

void ChartWindow::buildToolbar() {
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("TB"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(kToolbarIconWidth, kToolbarIconHeight));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const struct {
        const char *key;
        ToolbarPicture picture;
    } buttons[] = {{"New", ToolbarPicture::New},
                   {"Save", ToolbarPicture::Save},
                   {"Print", ToolbarPicture::Print},
                   {"Help", ToolbarPicture::Help}};
    for (const auto &button : buttons) {
        // No text, so the buttons have neither captions nor tool tips.
        QAction *action = m_toolbar->addAction(ToolbarIcon(button.picture), QString());
        action->setObjectName(QString::fromLatin1(button.key));
    }
    connect(m_toolbar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { openToolbarKey(action->objectName()); });
    addToolBar(Qt::TopToolBarArea, m_toolbar);
}

QWidget *ChartWindow::buildHeadingBand() {
    QWidget *band = NavyBand(QStringLiteral("picTop"), kHeadingBandHeight, this);

    m_heading = new QLabel(QStringLiteral("QM Starloom"), band);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    m_heading->setFont(ProgramFont(kHeadingPoints, true));
    SetTextColour(m_heading, Qt::white);
    m_heading->adjustSize();
    m_heading->move(0, 2);

    auto *address =
        new LinkLabel(tr("Visit the QM Starloom home page at %1").arg(kHomePageAddress), band);
    address->setObjectName(QStringLiteral("lblURL"));
    QFont underlined = ProgramFont(kSmallFontPoints);
    underlined.setUnderline(true);
    address->setFont(underlined);
    SetTextColour(address, kLinkYellow);
    address->adjustSize();
    address->move(0, m_heading->geometry().bottom() + 1);
    connect(address, &LinkLabel::clicked, this, &ChartWindow::openHomePage);
    m_address = address;
    return band;
}

QWidget *ChartWindow::buildButtonBand() {
    QWidget *band = NavyBand(QStringLiteral("Picture1"), kButtonBandHeight, this);

    auto makeButton = [band](const char *name, const QString &caption, int widthTwips) {
        auto *button = new QPushButton(caption, band);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(ProgramFont(kSmallFontPoints));
        // The design width, or more where the caption (a longer language's) needs it.
        button->resize(qMax(TwipsToPixels(widthTwips), CaptionWidth(button)),
                       TwipsToPixels(kButtonHeight));
        // Return and Enter press a focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    };
    // The buttons' access keys share the window with the menu bar's and the report's tabs,
    // so they are translated apart from the File menu's entries of the same name.
    m_saveJpeg = makeButton("cmdSaveAsJPEG", tr("Save As &JPEG", "button"), kWideButtonWidth);
    m_back = makeButton("cmdBack", tr("&Back", "button"), kButtonWidth);
    m_exit = makeButton("cmdExit", tr("E&xit", "button"), kButtonWidth);
    connect(m_saveJpeg, &QPushButton::clicked, this, &ChartWindow::saveChartAsJpeg);
    connect(m_back, &QPushButton::clicked, this, [this] { leaveWith(m_commands.back); });
    connect(m_exit, &QPushButton::clicked, this, &ChartWindow::exitProgram);

    auto *link =
        new BandLink(tr("For Analysis of this Natal chart log onto "), kHomePageAddress, band);
    link->setObjectName(QStringLiteral("Label1"));
    QFont boldUnderlined = ProgramFont(kSmallFontPoints, true);
    boldUnderlined.setUnderline(true);
    link->setFont(boldUnderlined);
    SetTextColour(link, Qt::white);
    // Two lines, the invitation above the address, so that the link stays clear of the
    // buttons at the window's opening width; the resizing rule narrows it further.
    link->resize(link->sizeHint());
    link->move(TwipsToPixels(kLinkLeft), (band->height() - link->height()) / 2);
    connect(link, &LinkLabel::clicked, this, &ChartWindow::openHomePage);
    m_link = link;
    return band;
}

// The desktop's usual keys for the File commands that have them; the menus show them beside
// the captions, which keep their Alt letters.
void ChartWindow::assignShortcuts() {
    const struct {
        const char *entry;
        QList<QKeySequence> keys;
    } shortcuts[] = {
        {"mnuOpen", QKeySequence::keyBindings(QKeySequence::Open)},
        {"mnuSaveAsText", QKeySequence::keyBindings(QKeySequence::Save)},
        {"mnuExport", {QKeySequence(Qt::CTRL | Qt::Key_E)}},
        {"mnuPrint", QKeySequence::keyBindings(QKeySequence::Print)},
        {"mnuExit", QuitKeys()},
    };
    for (const auto &shortcut : shortcuts) {
        if (auto *action = findChild<QAction *>(QString::fromLatin1(shortcut.entry)))
            action->setShortcuts(shortcut.keys);
    }
}

// Top to bottom, left to right: the heading's link, the interpretation tabs, the page they
// show (the hidden pages are passed over), the bottom band's link, then the three buttons.
// The window opens with the focus in the text, so that the arrow keys scroll it and Return
// follows no link.
void ChartWindow::buildTabOrder() {
    QList<QWidget *> order{m_address};
    for (const char *name : {"tabInterpretation", "RTB", "rtbDegrees", "picAspects", "picNatal"}) {
        auto *part = m_report->findChild<QWidget *>(QString::fromLatin1(name));
        if (part != nullptr && (part->focusPolicy() & Qt::TabFocus) != 0)
            order.append(part);
    }
    order << m_link << m_saveJpeg << m_back << m_exit;
    order.removeAll(nullptr);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (auto *text = m_report->findChild<QWidget *>(QStringLiteral("RTB")))
        text->setFocus();
}

void ChartWindow::setReadingFile(const QString &path) {
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty()
                       ? kCaption
                       : QFileInfo(path).fileName() + QStringLiteral(" \u2014 ") + kCaption);
}

void ChartWindow::showNotice(const QString &text) {
    statusBar()->showMessage(text, kNoticeMilliseconds);
}

void ChartWindow::saveChartAsJpeg() {
    const SavedImage saved =
        SaveChartAsJpeg(*m_report, ImageSaving{m_services.dialogs, this, SystemLocalTime,
                                               proposedName(QStringLiteral("jpg"))});
    if (!saved.written.isEmpty())
        showNotice(ImageSavedNotice(saved.chosen, saved.written));
}

// The printer is asked for its page; the document is laid out on it. Without any printer
// the dialog would offer nothing to print on, so the PDF file is offered instead.
void ChartWindow::printChart() {
    if (m_services.dialogs == nullptr)
        return;
    UserDialogs &dialogs = *m_services.dialogs;
    if (!dialogs.printerInstalled()) {
        const MessageAnswer answer =
            dialogs.showMessage(this, kProgramTitle,
                                tr("No printer is installed on this computer.\n"
                                   "Do you want to save the reading as a PDF file instead?"),
                                MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes)
            exportPdf();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kProgramTitle);
    // The paper is the printer's own (A4, Letter, ...); the margins are the document's.
    printer.setPageMargins(QMarginsF(kPrintMargin, kPrintMargin, kPrintMargin, kPrintMargin),
                           QPageLayout::Millimeter);
    if (!dialogs.choosePrinter(this, printer))
        return;
    if (const Status printed = WriteReadingDocument(printer, readingSheet()); !printed.ok()) {
        dialogs.showMessage(this, kProgramTitle,
                            tr("The chart could not be sent to the printer.") + QLatin1Char('\n') +
                                QString::fromStdString(printed.reason),
                            MessageIcon::Error);
    }
}

void ChartWindow::exportPdf() {
    if (m_services.dialogs == nullptr)
        return;
    const QString path = m_services.dialogs->chooseFile(
        this,
        SaveFileRequest(tr("Export as PDF"), tr("PDF Document (*.pdf)") + QStringLiteral("|*.pdf"),
                        QStringLiteral("pdf"), proposedName(QStringLiteral("pdf"))));
    if (!path.isEmpty())
        writePdfTo(path);
}

QString ChartWindow::proposedName(const QString &extension) const {
    if (!m_commands.documentName)
        return {};
    const QString stem = m_commands.documentName();
    return stem.isEmpty() ? stem : stem + QLatin1Char('.') + extension;
}

void ChartWindow::writePdfTo(const QString &path) {
    ShowStatus(*m_services.dialogs, this, WriteReadingPdf(path, readingSheet()));
}

void ChartWindow::editAspectOrbs() {
    if (auto *open = findChild<AspectOrbsDialog *>(); open != nullptr && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *dialog = new AspectOrbsDialog(m_commands.orbs ? m_commands.orbs() : AspectOrbs{}, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (m_commands.setOrbs)
            m_commands.setOrbs(dialog->orbs());
    });
    dialog->open();
}

void ChartWindow::openToolbarKey(const QString &key) {
    if (key == QLatin1String("New")) {
        leaveWith(m_commands.newReading);
    } else if (key == QLatin1String("Save")) {
        if (m_commands.saveReading)
            m_commands.saveReading();
    } else if (key == QLatin1String("Print")) {
        printChart();
    } else if (key == QLatin1String("Help")) {
        if (m_services.links)
            OpenOnlineHelpPage(*m_services.links);
    }
}

// Back and New: the owner shows the birth-data form first, then this window closes.
// The other order would close the last visible window, which ends the application.
void ChartWindow::leaveWith(const std::function<void()> &command) {
    if (m_ending)
        return;
    m_ending = true;
    QPointer<ChartWindow> self(this);
    if (command)
        command();
    if (self)
        close();
}

void ChartWindow::leave() {
    leaveWith({});
}

void ChartWindow::exitProgram() {
    if (m_ending)
        return;
    m_ending = true;
    QPointer<ChartWindow> self(this);
    if (m_commands.exit)
        m_commands.exit();
    if (self)
        close();
}

void ChartWindow::openHomePage() {
    if (m_services.links)
        OpenHomePage(*m_services.links);
}

void ChartWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_report->holdCapture(CaptureFormImage(*m_report));
}

void ChartWindow::closeEvent(QCloseEvent *event) {
    saveWindowSettings();
    if (!m_ending) {
        m_ending = true;
        if (m_commands.exit)
            m_commands.exit();
    }
    event->accept();
}

void ChartWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    applyResizingRule();
}

QMenu *ChartWindow::createPopupMenu() {
    return nullptr;
}

// Buttons right-aligned from the window's outer right edge, heading labels centred. The
// rule works in twips from the outer width; a narrow window gives negative left edges.
void ChartWindow::applyResizingRule() {
    const int outer = PixelsToTwips(frameGeometry().width());
    const int exitLeft = outer - WidthTwips(m_exit, kButtonWidth) - kRightMargin;
    const int backLeft = exitLeft - WidthTwips(m_back, kButtonWidth) - kButtonGap;
    const int jpegLeft = backLeft - WidthTwips(m_saveJpeg, kWideButtonWidth) - kButtonGap;
    const int top = TwipsToPixels(kButtonTop);
    m_exit->move(TwipsToPixels(exitLeft), top);
    m_back->move(TwipsToPixels(backLeft), top);
    m_saveJpeg->move(TwipsToPixels(jpegLeft), top);
    // The link gives way first: it ends a small gap before the leftmost button.
    if (auto *link = static_cast<BandLink *>(m_link)) {
        const int room = TwipsToPixels(jpegLeft - kButtonGap) - link->x();
        link->resize(qBound(0, room, link->naturalWidth()), link->height());
    }
    for (QLabel *label : {m_heading, m_address}) {
        const int left = (outer - PixelsToTwips(label->width())) / 2;
        label->move(TwipsToPixels(left), label->y());
    }
}

int ChartWindow::bandOuterWidth() const {
    const int buttons = WidthTwips(m_saveJpeg, kWideButtonWidth) +
                        WidthTwips(m_back, kButtonWidth) + WidthTwips(m_exit, kButtonWidth);
    return TwipsToPixels(kLinkLeft + kRightMargin + 3 * kButtonGap + buttons) +
           static_cast<const BandLink *>(m_link)->naturalWidth();
}

// The opening size and place: as the user left it last time when that still fits the
// screen; otherwise large enough for the whole report window with its frame and bands,
// centred on the screen; maximised, with scroll bars, where the screen is smaller.
void ChartWindow::fitToScreen() {
    if (QSettings *settings = m_services.settings) {
        const QByteArray saved = settings->value(kGeometryKey).toByteArray();
        if (!saved.isEmpty() && restoreGeometry(saved)) {
            const QScreen *screen = this->screen();
            if (screen == nullptr || isMaximized()) {
                m_restored = true;
                return;
            }
            const QRect available = screen->availableGeometry();
            if (width() <= available.width() && height() <= available.height()) {
                // A place off this screen (another monitor, a smaller screen) is dropped.
                if (!available.contains(geometry()))
                    move(available.center() - rect().center());
                m_restored = true;
                return;
            }
        }
    }
    placeOnScreen();
}

void ChartWindow::placeOnScreen() {
    if (layout() != nullptr)
        layout()->activate();
    // Fit to Window follows the window; the opening size is that of the design scale.
    const QSize scaling =
        fitsToWindow() ? QSize(kReportWidth, kReportHeight) - m_report->size() : QSize(0, 0);
    QMargins frame = kFrameEstimate;
    if (windowHandle() != nullptr && isVisible())
        frame = windowHandle()->frameMargins();
    // Wide enough for the report window, and for the bottom band where a language's longer
    // captions need more (the frame, still unknown, left as room to spare).
    const int least = qMax(m_report->width(), bandOuterWidth());
    const QSize wanted = (sizeHint() + scaling).expandedTo(QSize(least, 0));
    resize(wanted);
    m_openingSize = wanted;
    const QScreen *screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QSize outer = wanted.grownBy(frame);
    if (outer.width() > available.width() || outer.height() > available.height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // A window's position is that of its frame's top-left corner.
    move(available.left() + (available.width() - outer.width()) / 2,
         available.top() + (available.height() - outer.height()) / 2);
}

void ChartWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // What was added after the window was made (the status line) may have grown it; the
    // size it is shown with is the one to keep.
    m_openingSize = size();
    // A window manager frames the window after it is shown; its real frame may differ from
    // the estimate, so the fit and the centring are checked again once it is there.
    QTimer::singleShot(0, this, &ChartWindow::settleOnScreen);
    QTimer::singleShot(kSettleDelay, this, &ChartWindow::settleOnScreen);
}

void ChartWindow::settleOnScreen() {
    // Only the size this window chose itself is corrected, never one the user has made.
    if (m_restored || isMaximized() || isFullScreen() || !isVisible() || size() != m_openingSize)
        return;
    const QScreen *screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QRect outer = frameGeometry();
    if (outer.width() > available.width() || outer.height() > available.height()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QPoint centred(available.left() + (available.width() - outer.width()) / 2,
                         available.top() + (available.height() - outer.height()) / 2);
    if (outer.topLeft() != centred)
        move(centred);
}

void ChartWindow::saveWindowSettings() {
    QSettings *settings = m_services.settings;
    if (settings == nullptr)
        return;
    const Status written = WriteSettings(*settings, [this](QSettings &store) {
        store.setValue(kGeometryKey, saveGeometry());
        store.setValue(kZoomKey, m_zoom);
        store.setValue(kFitKey, fitsToWindow());
    });
    if (m_services.dialogs != nullptr)
        ShowStatus(*m_services.dialogs, this, written);
}

} // namespace starloom
