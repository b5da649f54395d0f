// The chart window: the frame around the report window, with the heading band, the
// toolbar, the menus and the bottom band with its three buttons. It shows a finished
// reading; what it cannot do by itself (files, the birth-data form, ending the program,
// the About box) it asks of its owner through callbacks.
#pragma once

#include "engine/aspects.h"
#include "engine/houses.h"
#include "shell/services.h"
#include "windows/reading_document.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QToolBar;
class QMdiSubWindow;

namespace starloom {

// The report window's scales that Zoom In and Zoom Out step through.
inline constexpr qreal kZoomSteps[] = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                       1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

class ReportWindow;
class ReportArea;
class SecondChartWindow;
struct NatalChart;

struct ChartCommands {
    std::function<void()> saveReading; // File > Save As, toolbar Save
    std::function<void()> exportText;  // File > Export Chart As Text
    std::function<void()> openReading; // File > Open: a reading file, as the form opens one
    std::function<void()> compareWith; // File > Compare With: a second reading, for synastry
    std::function<void()> back;        // File > Back, button Back: show the birth-data form
    std::function<void()>
        newReading;              // File > New, toolbar New: forget the saved file, show the form
    std::function<void()> exit;  // File > Exit, button Exit, close box: end the program
    std::function<void()> about; // Help > About Software
    // View > Aspect Orbs…: the orbs the dialog opens with, and what to do with the orbs
    // the user accepts (keep them and find the aspects again).
    std::function<AspectOrbs()> orbs;
    std::function<void(const AspectOrbs &)> setOrbs;
    // View > Precise Positions, with the entry's new check state (true: precise).
    std::function<void(bool)> precisePositions;
    // View > House System, with the system picked.
    std::function<void(HouseSystem)> houseSystem;
    // The name the save dialogs propose, without its extension: each dialog adds that of
    // the kind of file it writes. None: the dialogs propose no name.
    std::function<QString()> documentName;
};

class ChartWindow final : public QMainWindow {
    Q_OBJECT
public:
    // Takes ownership of `report`, which becomes the only child window. The chart window
    // deletes itself, and the report window with it, when it is closed. It opens large
    // enough to show the whole report window, or maximised where the screen is smaller.
    //
    // Back and New run their callback and then close the window without running `exit`;
    // any other close runs `exit` once. A callback may close the window itself, or leave
    // that to the chart window; it must not delete it directly.
    ChartWindow(ReportWindow *report, ShellServices services, ChartCommands commands,
                QWidget *parent = nullptr);

    ReportWindow *report() const;

    // Sets the check mark of View > Precise Positions without running its command.
    void setPrecisePositionsChecked(bool checked);
    // Checks the entry of `system` in View > House System without running its command.
    void setHouseSystemChecked(HouseSystem system);
    // Names the reading file the shown reading was opened from or saved to: the title
    // becomes "anna.act — QM Starloom v1.15". An empty path brings back the plain caption.
    void setReadingFile(const QString &path);
    // Closes the window as Back does, without running `exit` nor any other command: the
    // owner shows another window in its place first.
    void leave();
    // A line in the status bar that goes away by itself after a few seconds, such as
    // where a file was just written.
    void showNotice(const QString &text);

    // What Print and Export as PDF put on paper. Until it is given, the document holds the
    // report window's name and wheel only.
    void setReadingSheet(ReadingSheet sheet);
    ReadingSheet readingSheet() const;

    // The chart shown, as numbers, for the second charts laid over it (the Chart menu and
    // File > Compare With): the person's name, the birth's longitude (degrees east) and the
    // orbs of its own aspects. Give it after the reading sheet, whose wheel it takes.
    void setNatalChart(const NatalChart &chart, const QString &name, double eastLongitude,
                       const AspectOrbs &orbs);
    // The window of the second chart, hidden until one is asked for.
    SecondChartWindow *secondChart() const;

    // The report window's scale: 1 is its design size. Zoom In and Zoom Out step through
    // kZoomSteps; Fit to Window follows the window's size.
    qreal zoom() const;
    bool fitsToWindow() const;

    // No context menu on the toolbar: the View menu's check mark alone says whether the
    // toolbar is shown.
    QMenu *createPopupMenu() override;

public slots:
    // File > Save As JPEG and the Save As JPEG button: the report window as a JPEG file
    // under a name that replaces no existing file.
    void saveChartAsJpeg();
    // File > Print and the toolbar's Print button: the printer dialog, then the printed
    // reading on the chosen printer's pages. Without any printer, the user is told so and
    // may save the PDF instead.
    void printChart();
    // View > Aspect Orbs…: the orbs dialog, window-modal; OK hands its orbs to the owner.
    void editAspectOrbs();
    // File > Export as PDF: the printed reading as a PDF file, written whole or not at all.
    void exportPdf();
    void setZoom(qreal factor);
    void zoomIn();
    void zoomOut();
    void setFitToWindow(bool fit);

protected:
    // Each time this window becomes active, the report window is captured afresh into
    // its picture holder.
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void assignShortcuts();
    void buildTabOrder();
    void buildToolbar();
    QWidget *buildHeadingBand();
    QWidget *buildButtonBand();
    void openToolbarKey(const QString &key);
    void leaveWith(const std::function<void()> &command);
    void exitProgram();
    void openHomePage();
    void applyResizingRule();
    // The outer width (frame included) at which the bottom band shows its link whole
    // beside the buttons.
    int bandOuterWidth() const;
    void fitToScreen();
    void placeOnScreen();
    void settleOnScreen();
    void saveWindowSettings();
    void applyZoom(qreal factor);
    void writePdfTo(const QString &path);
    // The document's name with the extension of the file a dialog writes, or nothing.
    QString proposedName(const QString &extension) const;

    ReportWindow *m_report = nullptr;
    ShellServices m_services;
    ChartCommands m_commands;
    QToolBar *m_toolbar = nullptr;
    QAction *m_precisePositions = nullptr;
    std::array<QAction *, kHouseSystemCount> m_houseSystems{};
    QLabel *m_heading = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_link = nullptr;
    QPushButton *m_saveJpeg = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_exit = nullptr;
    ReportArea *m_area = nullptr;
    SecondChartWindow *m_second = nullptr;
    QAction *m_fitAction = nullptr;
    std::optional<ReadingSheet> m_sheet;
    qreal m_zoom = 1.0;
    bool m_placed = false;   // the first show has chosen the window's size and place
    bool m_restored = false; // that size and place came from the settings
    QSize m_openingSize;     // the size chosen when the window opened
    bool m_ending = false;   // set once the window is on its way out, so `exit` runs at most once
};

} // namespace starloom
