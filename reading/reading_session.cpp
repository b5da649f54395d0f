// The calculation driver and the file commands.
#include "reading/reading_session.h"

#include "reading/birth_form.h"
#include "reading/driver.h"
#include "reading/place_finder.h"
#include "reading/reading_file.h"
#include "reading/reading_sheet.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>

namespace starloom {

namespace {

const QString kReadingFilter = QStringLiteral("QM Astrology Chart Type (*.act)|*.act");

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

ReadingSession::ReadingSession(ShellServices services, Hooks hooks)
    : services_(services), hooks_(std::move(hooks)),
      form_(std::make_unique<BirthForm>(state_, services)) {
    places_ = new PlaceFinder(*form_, form_->lblZoneNotice);
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
    const ReadingOutcome outcome = RunReading(form_->values(), state_);

    // The report window is made with the chart window; making it writes the person's
    // details from the record just filled.
    if (chart_ == nullptr) {
        ChartCommands commands;
        commands.saveReading = [this] { SaveReadingFile(); };
        commands.exportText = [this] { ExportReadingText(); };
        commands.back = [this] { returnToForm(); };
        commands.newReading = [this] {
            state_.SavedReadingFile.clear();
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
        chart_ = new ChartWindow(new ReportWindow(state_.Birth), services_, std::move(commands));
    }
    fillReportWindow(*chart_->report(), outcome);
    chart_->setReadingSheet(MakeReadingSheet(state_, outcome, form_->values().zonePosition));
    showTimeUsed(form_->values());
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
    form_->hide();
}

void ReadingSession::fillReportWindow(ReportWindow &report, const ReadingOutcome &outcome) {
    for (int house = 0; house < kSignCount; ++house)
        report.natalCell(house)->clear();
    for (int sign = 0; sign < kSignCount; ++sign)
        report.signWorkingLabel(sign)->clear();
    for (int i = 0; i < kBodyCount; ++i)
        report.planetValue(i)->setText(QString::fromStdString(state_.Chart.PositionText[i]));
    const QString lagna = AscendantSignName(state_.Chart.AscendantText);
    if (!lagna.isEmpty())
        report.lagnaLabel()->setText(lagna);
    report.rashiLabel()->setText(QString::fromStdString(state_.Chart.MoonSignName));

    const WheelArrangement &wheel = outcome.Wheel;
    // The per-sign labels only carry the collected bodies to the houses; once the houses
    // are filled they stay hidden.
    for (int sign = 0; sign < kSignCount; ++sign) {
        report.signWorkingLabel(sign)->setText(wheel.SignCellText[sign]);
        report.signWorkingLabel(sign)->setVisible(false);
    }
    for (int house = 0; house < kSignCount; ++house)
        report.natalCell(house)->setText(wheel.HouseCell[house]);
    if (wheel.FirstHouseSign >= 0) {
        for (int slot = 0; slot < kSignCount; ++slot)
            report.setGlyph(slot, (wheel.FirstHouseSign + slot) % kSignCount);
    }
    report.writeReport(ReportTextRuns(outcome.Patterns.Runs));
}

// The chart window's status bar says which instant the chart was computed for, and warns
// when the zone or daylight saving differs from what the atlas gives for the chosen place.
void ReadingSession::showTimeUsed(const FormValues &values) {
    auto *label = chart_->findChild<QLabel *>(QStringLiteral("lblUniversalTime"));
    if (label == nullptr) {
        label = new QLabel(chart_);
        label->setObjectName(QStringLiteral("lblUniversalTime"));
        chart_->statusBar()->addWidget(label, 1);
    }
    const CivilDateTime &ut = state_.Chart.UniversalTime;
    QString text = QStringLiteral("Universal time %1-%2-%3 %4:%5")
                       .arg(ut.year, 4, 10, QLatin1Char('0'))
                       .arg(ut.month, 2, 10, QLatin1Char('0'))
                       .arg(ut.day, 2, 10, QLatin1Char('0'))
                       .arg(ut.hour, 2, 10, QLatin1Char('0'))
                       .arg(ut.minute, 2, 10, QLatin1Char('0'));
    if (const std::optional<ZoneAdvice> advice = places_->adviceForForm()) {
        const bool zoneDiffers =
            advice->zonePosition < 0 || advice->zonePosition != values.zonePosition;
        if (zoneDiffers || advice->daylightSaving != values.dst) {
            const QString zone =
                advice->zonePosition >= 0
                    ? QString::fromStdString(state_.Zones.ZoneNames[advice->zonePosition])
                    : FormatUtcOffset(advice->standardOffsetMinutes);
            text += QStringLiteral("   Warning: for %1 on this date the atlas gives %2 %3 "
                                   "daylight saving.")
                        .arg(places_->chosenPlace()->name, zone,
                             advice->daylightSaving ? QStringLiteral("with")
                                                    : QStringLiteral("without"));
        }
    }
    label->setText(text);
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
    QString reason;
    if (!WriteWholeFile(path, EncodeReadingFile(state_.Birth, form_->cboTimeZone->currentIndex()),
                        &reason)) {
        reportWriteFailure(path, reason);
        return;
    }
    state_.SavedReadingFile = path;
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
    if (!WriteWholeFile(path, MakeTextExport(state_.Birth, state_.Chart), &reason))
        reportWriteFailure(path, reason);
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        services_.dialogs->showMessage(form_.get(), kProgramTitle,
                                       QStringLiteral("The file %1 could not be opened.\n%2")
                                           .arg(QDir::toNativeSeparators(path), file.errorString()),
                                       MessageIcon::Error);
        return;
    }
    const QStringList lines = ReadReadingFileLines(file);
    file.close();
    FormValues values = form_->values();
    ApplyReadingFile(lines, values);
    form_->setValues(values);
    CalculateReading();
}

} // namespace starloom
