// The image command: the desktop program's windows, driven without a screen.
#include "cli/image_command.h"

#include "cli/cli_text.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "shell/services.h"
#include "windows/chart_window.h"
#include "windows/image_saving.h"
#include "windows/report_window.h"

#include <QFileInfo>
#include <QStringList>

namespace starloom::cli {

namespace {

// The program's dialogs, answered from the command line: every file dialog returns the
// name given, every message is kept to be reported.
class CommandLineDialogs final : public UserDialogs {
public:
    explicit CommandLineDialogs(QString fileName) : m_fileName(std::move(fileName)) {}

    MessageAnswer showMessage(QWidget *, const QString &, const QString &text, MessageIcon,
                              MessageButtons buttons) override {
        messages.append(text);
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    QString chooseFile(QWidget *, const FileDialogRequest &) override { return m_fileName; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }

    QStringList messages;

private:
    QString m_fileName;
};

class NoLinks final : public LinkOpener {
public:
    void open(const QUrl &) override {}
};

// A message box's text on one line.
std::string OneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified().toStdString();
}

} // namespace

Status SaveReadingImage(const FormValues &values, const std::string &path, ChartChoice choice) {
    // A dialog hands back a full path; a name without a folder would otherwise go to the
    // program's own folder.
    CommandLineDialogs dialogs(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    NoLinks links;
    SystemClock clock;
    ReadingSession session(ShellServices{&dialogs, &links, &clock}, {});
    session.setPositionMethod(choice.Method);
    session.setHouseSystem(choice.Houses);
    session.form().setValues(values);
    session.CalculateReading();
    ChartWindow *chart = session.chartWindow();
    if (!dialogs.messages.isEmpty() || chart == nullptr)
        return Failure(StatusCode::Refused, path,
                       dialogs.messages.isEmpty()
                           ? Utf8(CliMessages::tr("the reading could not be shown"))
                           : OneLine(dialogs.messages.first()));
    ImageSaving saving;
    saving.dialogs = &dialogs;
    saving.parent = chart;
    SaveChartAsJpeg(*chart->report(), saving);
    if (!dialogs.messages.isEmpty())
        return Failure(StatusCode::Refused, path, OneLine(dialogs.messages.first()));
    return Success();
}

} // namespace starloom::cli
