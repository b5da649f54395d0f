#include "windows/chart_window.h"

#include "shell/links.h"
#include "shell/program_icon.h"
#include "shell/shutdown.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/design_units.h"
#include "windows/image_saving.h"
#include "windows/link_label.h"
#include "windows/printing.h"
#include "windows/report_window.h"
#include "windows/toolbar_icons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace starloom {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLinkYellow(255, 255, 192);
constexpr qreal kHeadingPoints = 18.0;
const QString kLinkInvitation = QStringLiteral("For Analysis of this Natal chart log onto ");
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

// Room for a title bar and frame when deciding whether the window fits on the screen.
constexpr int kFrameAllowance = 48; // pixels

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

    QSize sizeHint() const override { return QSize(kReportWidth, kReportHeight); }

protected:
    bool viewportEvent(QEvent *event) override {
        const bool handled = QMdiArea::viewportEvent(event);
        if (event->type() == QEvent::Resize)
            placeReport();
        return handled;
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

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addEntry(file, "mnuNew", QStringLiteral("&New"), [this] { leaveWith(m_commands.newReading); });
    addSeparator(file, "mnuFileSep0");
    addEntry(file, "mnuSaveAsText", QStringLiteral("Save &As"),
             [this, run] { run(m_commands.saveReading); });
    addEntry(file, "mnuSaveAsJpeg", QStringLiteral("Save As &JPEG"), [this] { saveChartAsJpeg(); });
    addSeparator(file, "mnuFileSep1");
    addEntry(file, "mnuExport", QStringLiteral("&Export Chart As Text"),
             [this, run] { run(m_commands.exportText); });
    addSeparator(file, "mnuFilesep2");
    addEntry(file, "mnuPrint", QStringLiteral("&Print"), [this] { printChart(); });
    addSeparator(file, "mnuFileSep3");
    addEntry(file, "mnuBack", QStringLiteral("&Back"), [this] { leaveWith(m_commands.back); });
    addSeparator(file, "mnuFileSep4");
    addEntry(file, "mnuExit", QStringLiteral("E&xit"), [this] { exitProgram(); });

    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction *toolbar = view->addAction(QStringLiteral("&Toolbar"));
    toolbar->setObjectName(QStringLiteral("mnuToolBar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, this, [this](bool shown) { m_toolbar->setVisible(shown); });
    m_precisePositions = view->addAction(QStringLiteral("&Precise Positions"));
    m_precisePositions->setObjectName(QStringLiteral("mnuPrecisePositions"));
    m_precisePositions->setCheckable(true);
    connect(m_precisePositions, &QAction::toggled, this, [this](bool precise) {
        if (m_commands.precisePositions)
            m_commands.precisePositions(precise);
    });
    addSeparator(view, "mnuViewSep1");
    // Off by default, and on each new chart window, like the toolbar's check mark.
    QAction *lines = view->addAction(QStringLiteral("Aspect &Lines"));
    lines->setObjectName(QStringLiteral("mnuAspectLines"));
    lines->setCheckable(true);
    lines->setChecked(false);
    connect(lines, &QAction::toggled, this,
            [this](bool shown) { m_report->setAspectLinesShown(shown); });
    addEntry(view, "mnuAspectOrbs", QStringLiteral("Aspect &Orbs\u2026"),
             [this] { editAspectOrbs(); });

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addEntry(help, "mnuOnline", QStringLiteral("&Online Help"), [this] {
        if (m_services.links)
            OpenOnlineHelpPage(*m_services.links);
    });
    addEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online"), [this] { openHomePage(); });
    addSeparator(help, "mnuHelpSep1");
    addEntry(help, "mnuUpdate", QStringLiteral("Check for Software &Update"), [this] {
        if (m_services.links)
            OpenDownloadPage(*m_services.links);
    });
    addSeparator(help, "mnuHelpSep2");
    addEntry(help, "mnuAbout", QStringLiteral("&About Software"),
             [this, run] { run(m_commands.about); });
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

    auto *address = new LinkLabel(
        QStringLiteral("Visit the QM Starloom home page at %1").arg(kHomePageAddress), band);
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
        button->resize(TwipsToPixels(widthTwips), TwipsToPixels(kButtonHeight));
        // Return and Enter press a focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    };
    m_saveJpeg = makeButton("cmdSaveAsJPEG", QStringLiteral("Save As &JPEG"), kWideButtonWidth);
    m_back = makeButton("cmdBack", QStringLiteral("&Back"), kButtonWidth);
    m_exit = makeButton("cmdExit", QStringLiteral("E&xit"), kButtonWidth);
    connect(m_saveJpeg, &QPushButton::clicked, this, &ChartWindow::saveChartAsJpeg);
    connect(m_back, &QPushButton::clicked, this, [this] { leaveWith(m_commands.back); });
    connect(m_exit, &QPushButton::clicked, this, &ChartWindow::exitProgram);

    auto *link = new LinkLabel(kLinkInvitation + kHomePageAddress, band);
    link->setObjectName(QStringLiteral("Label1"));
    QFont boldUnderlined = ProgramFont(kSmallFontPoints, true);
    boldUnderlined.setUnderline(true);
    link->setFont(boldUnderlined);
    SetTextColour(link, Qt::white);
    // Two lines, the invitation above the address, so that the link stays clear of the
    // buttons at the window's opening width.
    link->setWordWrap(true);
    const QFontMetrics metrics(boldUnderlined);
    const int width = qMax(metrics.horizontalAdvance(kLinkInvitation.trimmed()),
                           metrics.horizontalAdvance(kHomePageAddress)) +
                      metrics.averageCharWidth();
    link->resize(width, link->heightForWidth(width));
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
    for (const char *name : {"tabInterpretation", "RTB", "rtbDegrees", "picAspects"}) {
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
        SaveChartAsJpeg(*m_report, ImageSaving{m_services.dialogs, this, SystemLocalTime});
    if (!saved.written.isEmpty())
        showNotice(ImageSavedNotice(saved.chosen, saved.written));
}

void ChartWindow::printChart() {
    if (m_services.dialogs)
        PrintWindowImage(*m_report, *m_services.dialogs, this);
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
    const int exitLeft = outer - kButtonWidth - kRightMargin;
    const int backLeft = exitLeft - kButtonWidth - kButtonGap;
    const int jpegLeft = backLeft - kWideButtonWidth - kButtonGap;
    const int top = TwipsToPixels(kButtonTop);
    m_exit->move(TwipsToPixels(exitLeft), top);
    m_back->move(TwipsToPixels(backLeft), top);
    m_saveJpeg->move(TwipsToPixels(jpegLeft), top);
    for (QLabel *label : {m_heading, m_address}) {
        const int left = (outer - PixelsToTwips(label->width())) / 2;
        label->move(TwipsToPixels(left), label->y());
    }
}

void ChartWindow::fitToScreen() {
    const QSize wanted = sizeHint().expandedTo(QSize(kReportWidth, 0));
    resize(wanted);
    const QScreen *screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    if (wanted.width() > available.width() ||
        wanted.height() + kFrameAllowance > available.height())
        setWindowState(windowState() | Qt::WindowMaximized);
}

} // namespace starloom
