// The calculation driver and the file commands.
#include "reading/gui/reading_session.h"

#include "engine/zodiac.h"
#include "reading/driver.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "reading/gui/reading_sheet.h"
#include "reading/reading_file.h"
#include "shell/core/file_io.h"
#include "shell/start_up.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

namespace starloom {

namespace {

// `Planet` labels of the midheaven and the two nodes.
constexpr int kMidheavenValue = 11;
constexpr int kNorthNodeValue = 12;
constexpr int kSouthNodeValue = 13;

const QString kReadingFilter = QStringLiteral("QM Astrology Chart Type (*.act)|*.act");
const QString kPrecisePositionsKey = QStringLiteral("View/PrecisePositions");

// The save dialogs of the reading file and the text export: both propose the name last
// chosen and ask before replacing a file.
FileDialogRequest SaveRequest(const QString &title, const QString &filter, const QString &suffix,
                              const QString &proposedName) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.proposedName = proposedName;
    request.confirmOverwrite = true;
    return request;
}

} // namespace

PositionMethod LoadPositionMethod(QSettings &settings) {
    return settings.value(kPrecisePositionsKey).toString() == QStringLiteral("true")
               ? PositionMethod::Precise
               : PositionMethod::Standard;
}

bool StorePositionMethod(QSettings &settings, PositionMethod method) {
    settings.setValue(kPrecisePositionsKey, method == PositionMethod::Precise);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

ReadingSession::ReadingSession(ShellServices services, Hooks hooks)
    : services_(services), hooks_(std::move(hooks)),
      form_(std::make_unique<BirthForm>(state_, services)) {
    places_ = new PlaceFinder(*form_);
    connect(form_.get(), &BirthForm::calculateRequested, this, &ReadingSession::CalculateReading);
    connect(form_.get(), &BirthForm::openRequested, this, &ReadingSession::OpenReadingFile);
    // Queued, so that the drop has finished before a message or the chart window appears.
    connect(form_.get(), &BirthForm::fileDropped, this, &ReadingSession::OpenReadingFileAt,
            Qt::QueuedConnection);
    connect(form_.get(), &BirthForm::aboutRequested, this, [this] {
        if (hooks_.showAbout)
            hooks_.showAbout(form_.get());
    });
    connect(form_.get(), &BirthForm::exitRequested, this, [this] {
        if (hooks_.endProgram)
            hooks_.endProgram();
    });
}

ReadingSession::~ReadingSession() {
    delete chart_.data();
}

void ReadingSession::CalculateReading() {
    if (!form_->ValidateInput())
        return;
    state_.Orbs = LoadAspectOrbs(*OpenProgramSettings());
    shownValues_ = form_->values();
    const ReadingOutcome outcome = RunReading(shownValues_, state_);

    // The report window is made with the chart window; making it writes the person's
    // details from the record just filled.
    if (chart_ == nullptr) {
        ChartCommands commands;
        commands.saveReading = [this] { SaveReadingFile(); };
        commands.exportText = [this] { ExportReadingText(); };
        commands.back = [this] { returnToForm(); };
        commands.newReading = [this] {
            state_.SavedReadingFile.clear();
            readingFile_.clear();
            returnToForm();
        };
        commands.exit = [this] {
            if (hooks_.endProgram)
                hooks_.endProgram();
        };
        commands.about = [this] {
            if (hooks_.showAbout)
                hooks_.showAbout(chart_);
        };
        commands.orbs = [this] { return state_.Orbs; };
        commands.setOrbs = [this](const AspectOrbs &orbs) { changeAspectOrbs(orbs); };
        commands.precisePositions = [this](bool precise) {
            const PositionMethod method =
                precise ? PositionMethod::Precise : PositionMethod::Standard;
            setPositionMethod(method);
            if (positionMethodChosen_)
                positionMethodChosen_(method);
        };
        chart_ = new ChartWindow(new ReportWindow(state_.Birth), services_, std::move(commands));
    }
    chart_->setPrecisePositionsChecked(state_.Method == PositionMethod::Precise);
    fillReportWindow(*chart_->report(), outcome);
    chart_->setReadingSheet(MakeReadingSheet(state_, outcome, form_->values().zonePosition));
    showTimeUsed(form_->values());
    showPositionMethod();
    followReadingFile(openingFile_);
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
    form_->hide();
}

void ReadingSession::fillReportWindow(ReportWindow &report, const ReadingOutcome &outcome) {
    for (int i = 0; i < kBodyCount; ++i)
        report.showPosition(i, QString::fromStdString(state_.Chart.PositionText[i]));
    report.showChartSigns(AscendantSignName(state_.Chart.AscendantText),
                          QString::fromStdString(state_.Chart.MoonSignName));

    const WheelArrangement &wheel = outcome.Wheel;
    report.showWheel(wheel.SignCellText, wheel.HouseCell);
    if (wheel.FirstHouseSign >= 0) {
        for (int slot = 0; slot < kSignCount; ++slot)
            report.setGlyph(slot, (wheel.FirstHouseSign + slot) % kSignCount);
    }
    report.writeReport(ReportTextRuns(outcome.Patterns.Runs));
    report.showShapeByDegrees(MakeShapeView(outcome.PatternsByDegrees, state_.Chart));
    showAspects(report, outcome.Aspects);
}

void ReadingSession::showAspects(ReportWindow &report, const std::vector<Aspect> &aspects) {
    const ChartPositions &chart = state_.Chart;
    report.showPosition(kMidheavenValue, QString::fromStdString(chart.MidheavenText));
    report.showPosition(kNorthNodeValue, QString::fromStdString(chart.NorthNodeText));
    report.showPosition(kSouthNodeValue, QString::fromStdString(chart.SouthNodeText));
    PointTable longitude{};
    for (int body = 0; body < kBodyCount; ++body)
        longitude[body] = chart.Longitude[body];
    longitude[kMidheavenPoint] = chart.Midheaven;
    report.showAspects(aspects, longitude, SignOfPositionText(chart.PositionText[kAscBody]));
}

void ReadingSession::changeAspectOrbs(const AspectOrbs &orbs) {
    state_.Orbs = orbs;
    StoreAspectOrbs(*OpenProgramSettings(), orbs);
    if (chart_ != nullptr)
        showAspects(*chart_->report(), FindChartAspects(state_.Chart, state_.Orbs));
}

// The chart window's status bar says which instant the chart was computed for, with which
// zone and offset and where they came from, and warns when the offset differs from what
// the atlas gives for the chosen place.
void ReadingSession::showTimeUsed(const FormValues &values) {
    auto *label = chart_->findChild<QLabel *>(QStringLiteral("lblUniversalTime"));
    if (label == nullptr) {
        label = new QLabel(chart_);
        label->setObjectName(QStringLiteral("lblUniversalTime"));
        chart_->statusBar()->addWidget(label, 1);
    }
    const int offset = ZoneOffsetMinutesEast(state_.Birth);
    const std::optional<AtlasPlace> place = places_->chosenPlace();
    QString text = TimeUsedLine(state_.Chart.UniversalTime, values.zonePosition, values.dst, offset,
                                places_->zoneFromAtlas() ? place->timeZone : QString());
    if (const std::optional<ZoneAdvice> advice = places_->adviceForForm()) {
        if (advice->zonePosition < 0 || advice->offsetMinutes != offset) {
            const QString zone =
                advice->zonePosition >= 0
                    ? DescribeZone(advice->zonePosition, advice->dstTick, advice->offsetMinutes)
                    : FormatUtcOffset(advice->offsetMinutes);
            text += QStringLiteral("   Warning: for %1 on this date the atlas gives %2.")
                        .arg(place->name, zone);
        }
    }
    label->setText(text);
}

void ReadingSession::setPositionMethod(PositionMethod method) {
    state_.Method = method;
    if (chart_ == nullptr)
        return;
    chart_->setPrecisePositionsChecked(method == PositionMethod::Precise);
    // The chart on the screen is computed again from the values it was made of, which
    // passed the form's checks then.
    const ReadingOutcome outcome = RunReading(shownValues_, state_);
    fillReportWindow(*chart_->report(), outcome);
    showTimeUsed(shownValues_);
    showPositionMethod();
}

// The status bar names the method the chart on the screen was computed by.
void ReadingSession::showPositionMethod() {
    auto *label = chart_->findChild<QLabel *>(QStringLiteral("lblPositionMethod"));
    if (label == nullptr) {
        label = new QLabel(chart_);
        label->setObjectName(QStringLiteral("lblPositionMethod"));
        chart_->statusBar()->addPermanentWidget(label);
    }
    label->setText(state_.Chart.Method == PositionMethod::Precise
                       ? QStringLiteral("Positions: precise, JPL-based")
                       : QStringLiteral("Positions: standard formulas"));
}

// A reading just opened takes the file's name; any other keeps the name of the file it was
// opened from or saved to only while its data are still that file's.
void ReadingSession::followReadingFile(const QString &opened) {
    const QByteArray contents = EncodeReadingFile(state_.Birth, form_->values().zonePosition);
    if (!opened.isEmpty()) {
        readingFile_ = opened;
        readingFileBytes_ = contents;
    } else if (contents != readingFileBytes_) {
        readingFile_.clear();
    }
    chart_->setReadingFile(readingFile_);
}

void ReadingSession::returnToForm() {
    form_->show();
    form_->raise();
    form_->activateWindow();
}

QWidget *ReadingSession::dialogParent() const {
    if (chart_ != nullptr && chart_->isVisible())
        return chart_;
    return form_.get();
}

void ReadingSession::reportWriteFailure(const QString &path, const QString &reason) {
    services_.dialogs->showMessage(dialogParent(), kProgramTitle,
                                   QStringLiteral("The file %1 could not be written.\n%2")
                                       .arg(QDir::toNativeSeparators(path), reason),
                                   MessageIcon::Error);
}

void ReadingSession::SaveReadingFile() {
    const QString path = services_.dialogs->chooseFile(
        dialogParent(),
        SaveRequest(kProgramTitle, kReadingFilter, QStringLiteral("act"), state_.ReadingFileName));
    if (path.isEmpty())
        return;
    state_.ReadingFileName = path;
    const QByteArray contents = EncodeReadingFile(state_.Birth, form_->values().zonePosition);
    QString reason;
    if (!WriteWholeFile(path, contents, &reason)) {
        reportWriteFailure(path, reason);
        return;
    }
    state_.SavedReadingFile = path;
    readingFile_ = path;
    readingFileBytes_ = contents;
    if (chart_ != nullptr) {
        chart_->setReadingFile(path);
        chart_->showNotice(QStringLiteral("Saved ") + QDir::toNativeSeparators(path));
    }
}

void ReadingSession::ExportReadingText() {
    const QString path = services_.dialogs->chooseFile(
        dialogParent(), SaveRequest(QStringLiteral("Select the destination text file "),
                                    QStringLiteral("Export Chart As Text (*.txt)|*.txt"),
                                    QStringLiteral("txt"), state_.ReadingFileName));
    if (path.isEmpty())
        return;
    state_.ReadingFileName = path;
    QString reason;
    if (!WriteWholeFile(path, MakeTextExport(state_.Birth, state_.Chart), &reason)) {
        reportWriteFailure(path, reason);
        return;
    }
    if (chart_ != nullptr)
        chart_->showNotice(QStringLiteral("Exported ") + QDir::toNativeSeparators(path));
}

void ReadingSession::OpenReadingFile() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = QStringLiteral("Select the source file");
    request.filter = kReadingFilter;
    request.defaultSuffix = QStringLiteral("act");
    request.mustExist = true;
    const QString path = services_.dialogs->chooseFile(form_.get(), request);
    if (!path.isEmpty())
        OpenReadingFileAt(path);
}

void ReadingSession::OpenReadingFileAt(const QString &path) {
    if (!path.endsWith(QStringLiteral("act"), Qt::CaseSensitive)) {
        services_.dialogs->showMessage(form_.get(), kProgramTitle,
                                       QStringLiteral("Please Check The File."),
                                       MessageIcon::Error);
        return;
    }
    // A pipe or device is refused before it is opened for reading, where it could wait for
    // ever; the whole file is judged before anything of it reaches the form, so a file that
    // is not a reading leaves the user's entries as they were.
    QByteArray bytes;
    QString reason;
    if (!ReadRegularFile(path, kReadingFileByteLimit, bytes, &reason)) {
        services_.dialogs->showMessage(form_.get(), kProgramTitle,
                                       QStringLiteral("The file %1 could not be opened.\n%2")
                                           .arg(QDir::toNativeSeparators(path), reason),
                                       MessageIcon::Error);
        return;
    }
    const std::optional<QStringList> lines = ParseReadingFile(bytes);
    if (!lines) {
        services_.dialogs->showMessage(form_.get(), kProgramTitle,
                                       QStringLiteral("Please Check The File."),
                                       MessageIcon::Error);
        return;
    }
    FormValues values = form_->values();
    ApplyReadingFile(*lines, values);
    form_->setValues(values);
    openingFile_ = path;
    CalculateReading();
    openingFile_.clear();
}

} // namespace starloom
