// One run of the program's readings: the birth-data form, the shared state, and the chart
// window of the latest reading. CalculateReading turns the form into a finished reading
// on the screen; the file commands save, export and reopen readings.
#pragma once

#include "reading/driver.h"
#include "reading/reading_state.h"
#include "shell/services.h"
#include "windows/chart_window.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QSettings;

namespace starloom {

// The per-user choice of View > Precise Positions in the settings store; the standard
// method when nothing (or something else) is stored.
PositionMethod LoadPositionMethod(QSettings &settings);
// Written at once (WriteSettings); WriteFailed when the settings file could not be written.
Status StorePositionMethod(QSettings &settings, PositionMethod method);
// The per-user choice of View > House System; whole signs when nothing (or something
// unknown) is stored.
HouseSystem LoadHouseSystem(QSettings &settings);
Status StoreHouseSystem(QSettings &settings, HouseSystem system);

// The birth place's longitude from the record, degrees east positive.
double BirthEastLongitude(const BirthData &birth);

class BirthForm;
class ElidedLabel;
class PlaceFinder;
class ReportWindow;

class ReadingSession final : public QObject {
    Q_OBJECT
public:
    // What the session asks of the shell.
    struct Hooks {
        std::function<void()> endProgram;         // every window closes, the program ends
        std::function<void(QWidget *)> showAbout; // the About box, modal over the window
    };

    ReadingSession(ShellServices services, Hooks hooks);
    ~ReadingSession() override;

    BirthForm &form() const { return *m_form; }
    ReadingState &state() { return m_state; }
    PlaceFinder &places() const { return *m_places; }
    // The chart window of the latest reading, or null after Back, New or before the first.
    ChartWindow *chartWindow() const { return m_chart; }

    // Validates the form and, when it passes, computes the reading, fills the report
    // window and shows the chart window in place of the form. False when the form refused.
    bool CalculateReading();
    // How readings are computed from now on; an open chart is computed again at once.
    void setPositionMethod(PositionMethod method);
    PositionMethod positionMethod() const { return m_state.Method; }
    // Called when the user picks a method in the chart window's View menu, to remember it.
    void onPositionMethodChosen(std::function<void(PositionMethod)> remember) {
        m_positionMethodChosen = std::move(remember);
    }
    // The house system of readings from now on; an open chart is cast again at once.
    void setHouseSystem(HouseSystem system);
    HouseSystem houseSystem() const { return m_state.Houses; }
    // Called when the user picks a system in the chart window's View menu, to remember it.
    void onHouseSystemChosen(std::function<void(HouseSystem)> remember) {
        m_houseSystemChosen = std::move(remember);
    }
    // The chart window's File commands.
    void SaveReadingFile();
    void ExportReadingText();
    // The form's Open Previously Saved Reading and the chart window's File > Open: refills
    // the form from a reading file and calculates it.
    void OpenReadingFile();
    // The same for a file named from outside the dialog (the command line, a dropped
    // file): the same name rule, messages and calculation.
    void OpenReadingFileAt(const QString &path);
    // File > Compare With: a second reading file, checked as the form checks a birth and
    // shown as synastry over the chart on the screen. False, after saying why, when the
    // file is refused.
    void CompareWithReadingFile();
    bool CompareWithReadingFileAt(const QString &path);

private:
    void fillReportWindow(ReportWindow &report, const ReadingOutcome &outcome);
    // The chart on the screen computed again from the values it was made of (which passed
    // the form's checks then), with the method and houses now chosen: the window, the
    // printed reading and the status bar all show the new chart.
    void recalculateShownChart();
    void showReading(const ReadingOutcome &outcome);
    // The midheaven and node rows, the aspect grid and the wheel's aspect lines.
    void showAspects(ReportWindow &report, const std::vector<Aspect> &aspects);
    // View > Aspect Orbs… accepted: keep the orbs and show the aspects they give.
    void changeAspectOrbs(const AspectOrbs &orbs);
    // Back and New: the form in place of the chart window, on its screen; New empties it.
    void returnToForm(bool afresh);
    QWidget *dialogParent() const;
    // A reading file's lines, or nothing after a message saying why it was refused.
    std::optional<QStringList> readReadingLines(const QString &path);
    // A failed step in a message box over the window on top; false for a failure.
    bool report(const Status &status);
    void showTimeUsed(const FormValues &values);
    void showPositionMethod(const NatalChart &chart);
    // The status bar's label of that name, made at its first use; a permanent one stays
    // at the bar's right end.
    ElidedLabel *statusLabel(const QString &name, bool permanent);
    void followReadingFile(const QString &opened);
    // Where the save dialogs start, without an extension (see documentName).
    QString proposedStem() const;
    static QString readingFilter();

    ReadingState m_state;
    ShellServices m_services;
    Hooks m_hooks;
    std::function<void(PositionMethod)> m_positionMethodChosen;
    std::function<void(HouseSystem)> m_houseSystemChosen;
    std::unique_ptr<BirthForm> m_form;
    PlaceFinder *m_places = nullptr; // owned by the form
    QPointer<ChartWindow> m_chart;
    FormValues m_shownValues; // the form's values the chart on the screen was made from
    // The reading file the chart window names in its title, and that file's contents as
    // this program writes them: a reading whose data would give other contents is no
    // longer that file's, and the title drops the name.
    QString m_readingFile;
    QByteArray m_readingFileBytes;
    QString m_openingFile; // set while a reading file's data are being calculated
    // The zone and tick of the reading file opened last, so that a chart made with them
    // says where its zone came from.
    struct FileZone {
        QString file; // its name without the folder
        int position = 0;
        bool dst = false;
    };
    std::optional<FileZone> m_fileZone;
};

} // namespace starloom
