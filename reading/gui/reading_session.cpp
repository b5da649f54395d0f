// The calculation driver and the file commands.
#include "reading/gui/reading_session.h"

#include "engine/zodiac.h"
#include "reading/chart_words.h"
#include "reading/driver.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "reading/gui/reading_sheet.h"
#include "reading/reading_file.h"
#include "shell/core/file_io.h"
#include "shell/core/settings_write.h"
#include "shell/start_up.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_window.h"
#include "windows/elided_label.h"
#include "windows/report_window.h"
#include "windows/second_chart_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

namespace starloom {

namespace {

// `Planet` labels of the midheaven and the two nodes.
constexpr int kMidheavenValue = 11;
constexpr int kNorthNodeValue = 12;
constexpr int kSouthNodeValue = 13;

const QString kPrecisePositionsKey = QStringLiteral("View/PrecisePositions");
const QString kHouseSystemKey = QStringLiteral("View/HouseSystem");

} // namespace

// A file dialog's filter: the kind of file in the program's language, its pattern as it is.
QString ReadingSession::readingFilter() {
    return tr("QM Astrology Chart Type") + QStringLiteral(" (*.act)|*.act");
}

PositionMethod LoadPositionMethod(QSettings &settings) {
    return settings.value(kPrecisePositionsKey).toString() == QStringLiteral("true")
               ? PositionMethod::Precise
               : PositionMethod::Standard;
}

HouseSystem LoadHouseSystem(QSettings &settings) {
    const std::optional<HouseSystem> stored =
        HouseSystemFromName(settings.value(kHouseSystemKey).toString().toStdString());
    return stored.value_or(HouseSystem::WholeSign);
}

Status StoreHouseSystem(QSettings &settings, HouseSystem system) {
    return WriteSettings(settings, [system](QSettings &store) {
        store.setValue(kHouseSystemKey, QString::fromUtf8(HouseSystemName(system)));
    });
}

Status StorePositionMethod(QSettings &settings, PositionMethod method) {
    return WriteSettings(settings, [method](QSettings &store) {
        store.setValue(kPrecisePositionsKey, method == PositionMethod::Precise);
    });
}

ReadingSession::ReadingSession(ShellServices services, Hooks hooks)
    : m_services(services), m_hooks(std::move(hooks)),
      m_form(std::make_unique<BirthForm>(m_state, services)) {
    m_places = new PlaceFinder(*m_form);
    connect(m_form.get(), &BirthForm::calculateRequested, this, &ReadingSession::CalculateReading);
    connect(m_form.get(), &BirthForm::openRequested, this, &ReadingSession::OpenReadingFile);
    // Queued, so that the drop has finished before a message or the chart window appears.
    connect(m_form.get(), &BirthForm::fileDropped, this, &ReadingSession::OpenReadingFileAt,
            Qt::QueuedConnection);
    connect(m_form.get(), &BirthForm::aboutRequested, this, [this] {
        if (m_hooks.showAbout)
            m_hooks.showAbout(m_form.get());
    });
    connect(m_form.get(), &BirthForm::exitRequested, this, [this] {
        if (m_hooks.endProgram)
            m_hooks.endProgram();
    });
}

ReadingSession::~ReadingSession() {
    delete m_chart.data();
}

bool ReadingSession::CalculateReading() {
    if (!m_form->ValidateInput())
        return false;
    m_state.Orbs = LoadAspectOrbs(*OpenProgramSettings());
    m_shownValues = m_form->values();
    const ReadingOutcome outcome = RunReading(m_shownValues, m_state);

    // The report window is made with the chart window; making it writes the person's
    // details from the record just filled.
    if (m_chart == nullptr) {
        ChartCommands commands;
        commands.saveReading = [this] { SaveReadingFile(); };
        commands.exportText = [this] { ExportReadingText(); };
        commands.openReading = [this] { OpenReadingFile(); };
        commands.compareWith = [this] { CompareWithReadingFile(); };
        commands.back = [this] { returnToForm(false); };
        commands.newReading = [this] {
            m_state.SavedReadingFile.clear();
            m_readingFile.clear();
            m_fileZone.reset();
            returnToForm(true);
        };
        commands.exit = [this] {
            if (m_hooks.endProgram)
                m_hooks.endProgram();
        };
        commands.about = [this] {
            if (m_hooks.showAbout)
                m_hooks.showAbout(m_chart);
        };
        commands.documentName = [this] { return proposedStem(); };
        commands.orbs = [this] { return m_state.Orbs; };
        commands.setOrbs = [this](const AspectOrbs &orbs) { changeAspectOrbs(orbs); };
        commands.precisePositions = [this](bool precise) {
            const PositionMethod method =
                precise ? PositionMethod::Precise : PositionMethod::Standard;
            setPositionMethod(method);
            if (m_positionMethodChosen)
                m_positionMethodChosen(method);
        };
        commands.houseSystem = [this](HouseSystem system) {
            setHouseSystem(system);
            if (m_houseSystemChosen)
                m_houseSystemChosen(system);
        };
        m_chart = new ChartWindow(new ReportWindow(m_state.Birth), m_services, std::move(commands));
    }
    showReading(outcome);
    followReadingFile(m_openingFile);
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
    m_form->hide();
    return true;
}

void ReadingSession::showReading(const ReadingOutcome &outcome) {
    m_chart->setPrecisePositionsChecked(m_state.Method == PositionMethod::Precise);
    m_chart->setHouseSystemChecked(m_state.Houses);
    fillReportWindow(*m_chart->report(), outcome);
    m_chart->setReadingSheet(
        MakeReadingSheet(m_state, outcome, m_shownValues.zonePosition, QLocale()));
    m_chart->setNatalChart(outcome.Chart, QString::fromStdString(m_state.Birth.BirthName),
                           BirthEastLongitude(m_state.Birth), m_state.Orbs);
    showTimeUsed(m_shownValues);
    showPositionMethod(outcome.Chart);
}

void ReadingSession::recalculateShownChart() {
    if (m_chart == nullptr)
        return;
    showReading(RunReading(m_shownValues, m_state));
}

void ReadingSession::fillReportWindow(ReportWindow &report, const ReadingOutcome &outcome) {
    for (int i = 0; i < kBodyCount; ++i)
        report.showPosition(i, PositionWords(m_state.Chart.PositionText[i]));
    report.showChartSigns(
        AstrologyWord(AscendantSignName(m_state.Chart.AscendantText).toStdString()),
        AstrologyWord(m_state.Chart.MoonSignName));

    const WheelArrangement &wheel = outcome.Wheel;
    report.showWheel(WheelCellWords(wheel.SignCellText), WheelCellWords(wheel.HouseCell));
    if (wheel.FirstHouseSign >= 0) {
        for (int slot = 0; slot < kSignCount; ++slot)
            report.setGlyph(slot, (wheel.FirstHouseSign + slot) % kSignCount);
    }
    std::array<int, kBodyCount> houses{};
    for (int body = 0; body < kBodyCount; ++body)
        houses[body] = outcome.Chart.Bodies[body].House;
    report.showHouses(houses);
    report.showWheelHouses(WheelHousesOf(outcome.Chart));
    report.writeReport(ReportTextRuns(PatternReportWords(outcome.Patterns.Work.PatternFlags)));
    report.showShapeByDegrees(MakeShapeView(outcome.PatternsByDegrees, m_state.Chart));
    showAspects(report, outcome.Aspects);
}

void ReadingSession::showAspects(ReportWindow &report, const std::vector<Aspect> &aspects) {
    const ChartPositions &chart = m_state.Chart;
    report.showPosition(kMidheavenValue, PositionWords(chart.MidheavenText));
    report.showPosition(kNorthNodeValue, PositionWords(chart.NorthNodeText));
    report.showPosition(kSouthNodeValue, PositionWords(chart.SouthNodeText));
    PointTable longitude{};
    for (int body = 0; body < kBodyCount; ++body)
        longitude[body] = chart.Longitude[body];
    longitude[kMidheavenPoint] = chart.Midheaven;
    report.showAspects(aspects, longitude, SignOfPositionText(chart.PositionText[kAscBody]));
}

void ReadingSession::changeAspectOrbs(const AspectOrbs &orbs) {
    m_state.Orbs = orbs;
    report(StoreAspectOrbs(*OpenProgramSettings(), orbs));
    if (m_chart != nullptr)
        showAspects(*m_chart->report(), FindChartAspects(m_state.Chart, m_state.Orbs));
}

// The chart window's status bar says which instant the chart was computed for, with which
// zone and offset and where they came from, and warns when the offset differs from what
// the atlas gives for the chosen place.
void ReadingSession::showTimeUsed(const FormValues &values) {
    ElidedLabel *label = statusLabel(QStringLiteral("lblUniversalTime"), false);
    const int offset = ZoneOffsetMinutesEast(m_state.Birth);
    const std::optional<AtlasPlace> place = m_places->chosenPlace();
    ZoneSource source;
    if (m_places->zoneFromAtlas())
        source = {ZoneSource::Kind::Atlas, place->timeZone};
    else if (m_fileZone && m_fileZone->position == values.zonePosition &&
             m_fileZone->dst == values.dst)
        source = {ZoneSource::Kind::ReadingFile, m_fileZone->file};
    QString text =
        TimeUsedLine(m_state.Chart.UniversalTime, values.zonePosition, values.dst, offset, source);
    if (const std::optional<ZoneAdvice> advice = m_places->adviceForForm()) {
        if (advice->zonePosition < 0 || advice->offsetMinutes != offset) {
            const QString zone =
                advice->zonePosition >= 0
                    ? DescribeZone(advice->zonePosition, advice->dstTick, advice->offsetMinutes)
                    : FormatUtcOffset(advice->offsetMinutes);
            text += QStringLiteral("   ") +
                    tr("Warning: for %1 on this date the atlas gives %2.").arg(place->name, zone);
        }
    }
    label->setText(text);
    m_chart->report()->showTimeUsed(DescribeZone(values.zonePosition, values.dst, offset),
                                    UniversalTimeText(m_state.Chart.UniversalTime));
}

void ReadingSession::setPositionMethod(PositionMethod method) {
    m_state.Method = method;
    recalculateShownChart();
}

void ReadingSession::setHouseSystem(HouseSystem system) {
    m_state.Houses = system;
    recalculateShownChart();
}

// The status bar names the method the chart on the screen was computed by and its house
// system; a note on either (a date outside the standard formulas' years, houses undefined
// at the place) is the labels' tooltip and the wheel's.
void ReadingSession::showPositionMethod(const NatalChart &chart) {
    ElidedLabel *method = statusLabel(QStringLiteral("lblPositionMethod"), true);
    QString text = chart.Method == PositionMethod::Precise ? tr("Positions: precise, JPL-based")
                                                           : tr("Positions: standard formulas");
    if (chart.PreciseForDate)
        text = tr("%1 (date outside %2\u2013%3)")
                   .arg(text)
                   .arg(kStandardFirstYear)
                   .arg(kStandardLastYear);
    method->setText(text);
    method->setNote(PositionsNoteWords(chart));
    ElidedLabel *houses = statusLabel(QStringLiteral("lblHouseSystem"), true);
    const QString used = HouseSystemWord(chart.Houses.used);
    text = chart.Houses.used == chart.Houses.requested
               ? tr("Houses: %1").arg(used)
               : tr("Houses: %1 (%2 undefined here)")
                     .arg(used, HouseSystemWord(chart.Houses.requested));
    houses->setText(text);
    houses->setNote(HousesNoteWords(chart));
}

// The status bar's texts share its width: a text too long for its share is cut with an
// ellipsis and shown whole in its tool tip, so that no text is cut off unseen at the
// window's opening size. The time line takes the room the other two leave.
ElidedLabel *ReadingSession::statusLabel(const QString &name, bool permanent) {
    auto *label = m_chart->statusBar()->findChild<ElidedLabel *>(name);
    if (label == nullptr) {
        label = new ElidedLabel(QString(), m_chart);
        label->setObjectName(name);
        if (permanent)
            m_chart->statusBar()->addPermanentWidget(label);
        else
            m_chart->statusBar()->addWidget(label, 1);
    }
    return label;
}

// A reading just opened takes the file's name; any other keeps the name of the file it was
// opened from or saved to only while its data are still that file's.
void ReadingSession::followReadingFile(const QString &opened) {
    const QByteArray contents = EncodeReadingFile(m_state.Birth, m_form->values().zonePosition);
    if (!opened.isEmpty()) {
        m_readingFile = opened;
        m_readingFileBytes = contents;
    } else if (contents != m_readingFileBytes) {
        m_readingFile.clear();
    }
    m_chart->setReadingFile(m_readingFile);
}

// A dialog never proposes a file of another kind: each adds its own extension to the
// reading file's name while the reading on the screen is that file's, and to the person's
// name, in the folder last chosen, otherwise.
QString ReadingSession::proposedStem() const {
    if (!m_readingFile.isEmpty()) {
        const QFileInfo file(m_readingFile);
        return QDir(file.path()).filePath(file.completeBaseName());
    }
    const QString stem = SafeFileStem(QString::fromStdString(m_state.Birth.BirthName));
    const QString folder = QFileInfo(m_state.ReadingFileName).path();
    return m_state.ReadingFileName.isEmpty() || folder == QLatin1String(".")
               ? stem
               : QDir(folder).filePath(stem);
}

void ReadingSession::returnToForm(bool afresh) {
    if (afresh) {
        m_places->forgetPlace();
        m_form->startAfresh();
    }
    m_form->showCentredOn(m_chart != nullptr ? m_chart->screen() : nullptr);
}

QWidget *ReadingSession::dialogParent() const {
    if (m_chart != nullptr && m_chart->isVisible())
        return m_chart;
    return m_form.get();
}

bool ReadingSession::report(const Status &status) {
    ShowStatus(*m_services.dialogs, dialogParent(), status);
    return status.ok();
}

void ReadingSession::SaveReadingFile() {
    const QString path = m_services.dialogs->chooseFile(
        dialogParent(), SaveFileRequest(kProgramTitle, readingFilter(), QStringLiteral("act"),
                                        proposedStem() + QStringLiteral(".act")));
    if (path.isEmpty())
        return;
    m_state.ReadingFileName = path;
    const QByteArray contents = EncodeReadingFile(m_state.Birth, m_form->values().zonePosition);
    if (!report(WriteWholeFile(path, contents)))
        return;
    m_state.SavedReadingFile = path;
    m_readingFile = path;
    m_readingFileBytes = contents;
    if (m_chart != nullptr) {
        m_chart->setReadingFile(path);
        m_chart->showNotice(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    }
}

void ReadingSession::ExportReadingText() {
    const QString path = m_services.dialogs->chooseFile(
        dialogParent(),
        SaveFileRequest(tr("Select the destination text file "),
                        tr("Export Chart As Text") + QStringLiteral(" (*.txt)|*.txt"),
                        QStringLiteral("txt"), proposedStem() + QStringLiteral(".txt")));
    if (path.isEmpty())
        return;
    m_state.ReadingFileName = path;
    if (!report(WriteWholeFile(path, MakeTextExport(m_state.Birth, m_state.Chart))))
        return;
    if (m_chart != nullptr)
        m_chart->showNotice(tr("Exported %1").arg(QDir::toNativeSeparators(path)));
}

void ReadingSession::OpenReadingFile() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Select the source file");
    request.filter = readingFilter();
    request.defaultSuffix = QStringLiteral("act");
    request.mustExist = true;
    const QString path = m_services.dialogs->chooseFile(dialogParent(), request);
    if (!path.isEmpty())
        OpenReadingFileAt(path);
}

std::optional<QStringList> ReadingSession::readReadingLines(const QString &path) {
    // The whole file is judged before anything of it reaches the form, so a file that is
    // not a reading leaves the user's entries as they were.
    QStringList lines;
    if (!report(ReadReadingFile(path, lines)))
        return std::nullopt;
    return lines;
}

void ReadingSession::OpenReadingFileAt(const QString &path) {
    const std::optional<QStringList> lines = readReadingLines(path);
    if (!lines)
        return;
    FormValues values = m_form->values();
    ApplyReadingFile(*lines, values);
    m_form->setValues(values);
    m_fileZone = FileZone{QFileInfo(path).fileName(), values.zonePosition, values.dst};
    // Opened from a chart window, the reading gets a window of its own (the report window
    // writes the person's details when it is made); the old one closes once the new one, or
    // the form with the refused field, is up.
    QPointer<ChartWindow> previous = m_chart;
    m_chart = nullptr;
    m_openingFile = path;
    const bool shown = CalculateReading();
    m_openingFile.clear();
    if (previous == nullptr)
        return;
    if (!shown)
        m_form->showCentredOn(previous->screen());
    previous->leave();
}

void ReadingSession::CompareWithReadingFile() {
    if (m_chart == nullptr)
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = tr("Compare With");
    request.filter = readingFilter();
    request.defaultSuffix = QStringLiteral("act");
    request.mustExist = true;
    const QString path = m_services.dialogs->chooseFile(dialogParent(), request);
    if (!path.isEmpty())
        CompareWithReadingFileAt(path);
}

// The second reading is checked as the form checks a birth and computed as a natal chart
// of its own, with the method and houses of the chart on the screen; the form and the
// chart on the screen stay as they are.
bool ReadingSession::CompareWithReadingFileAt(const QString &path) {
    if (m_chart == nullptr)
        return false;
    const std::optional<QStringList> lines = readReadingLines(path);
    if (!lines)
        return false;
    FormValues values;
    ApplyReadingFile(*lines, values);
    if (!report(CheckFormValues(values)))
        return false;
    ReadingState other;
    other.Method = m_state.Method;
    other.Houses = m_state.Houses;
    other.Orbs = m_state.Orbs;
    const ReadingOutcome outcome = RunReading(values, other);
    m_chart->secondChart()->showSynastry(outcome.Chart,
                                         QString::fromStdString(other.Birth.BirthName));
    return true;
}

double BirthEastLongitude(const BirthData &birth) {
    const double degrees = birth.LonDegrees + birth.LonMinutes / 60.0;
    return birth.LonDirFlag ? degrees : -degrees;
}

} // namespace starloom
