// QM Starloom, the desktop program: one copy per user, the update reminder, then the
// birth-data form, from which every reading starts. `starloom FILE.act` opens a reading
// file as the form's Open button does; started while another copy runs, it hands the file
// to that copy.
#include "app/outside_open.h"
#include "app/table_check.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "shell/about_box.h"
#include "shell/core/file_io.h"
#include "shell/core/language.h"
#include "shell/instance_channel.h"
#include "shell/program_icon.h"
#include "shell/readable_colour.h"
#include "shell/shutdown.h"
#include "shell/single_instance.h"
#include "shell/start_up.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

int main(int argc, char *argv[]) {
    starloom::ReportFileSizeLimitAsError();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM Starloom"));
    QApplication::setApplicationVersion(QStringLiteral(STARLOOM_VERSION));
    QApplication::setOrganizationName(QStringLiteral("QM Starloom"));
    // Ties the windows to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("starloom"));
    QApplication::setWindowIcon(starloom::ProgramIcon());
    // The program ends through CloseAllAndEnd, not when its last window is hidden: the
    // form hides while a chart window is up.
    QApplication::setQuitOnLastWindowClosed(false);
    // The language first, so that every text from here on speaks it: the one chosen in
    // View > Language, else the system's.
    const std::unique_ptr<QSettings> settings = starloom::OpenProgramSettings();
    starloom::UseLanguage(starloom::StartLanguage(*settings));
    // For checking the windows on a dark palette on a desktop that offers none.
    if (qEnvironmentVariableIsSet("STARLOOM_DARK_PALETTE")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(starloom::DarkCheckingPalette());
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Main", "Natal charts and the pattern of the planets in them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("Main", "A reading file (.act) to open."),
        QCoreApplication::translate("Main", "[file]"));
    parser.process(app);
    const QString file = starloom::ReadingFileArgument(parser.positionalArguments());

    starloom::QtUserDialogs dialogs;
    // Charts may come from the built-in table of precise positions: the program does not
    // start on a damaged one.
    if (!starloom::ConfirmPreciseTable(starloom::PreciseTableStatus(), dialogs))
        return 2;
    starloom::DesktopLinkOpener links(&dialogs);
    starloom::SystemClock clock;
    const starloom::ShellServices services{&dialogs, &links, &clock, settings.get()};

    starloom::SingleInstance instance(starloom::SingleInstance::defaultLockFolder());
    starloom::InstanceChannel channel(
        starloom::InstanceChannel::serverNameFor(instance.lockFolder()));
    starloom::ReadingSession session(
        services, {[] { starloom::CloseAllAndEnd(); },
                   [&services](QWidget *parent) { starloom::ShowAboutBox(parent, services); }});
    // View > Precise Positions is remembered from one run to the next.
    session.setPositionMethod(starloom::LoadPositionMethod(*settings));
    session.onPositionMethodChosen([&settings, &dialogs](starloom::PositionMethod method) {
        starloom::ShowStatus(dialogs, nullptr, starloom::StorePositionMethod(*settings, method));
    });
    // So is View > House System.
    session.setHouseSystem(starloom::LoadHouseSystem(*settings));
    session.onHouseSystemChosen([&settings, &dialogs](starloom::HouseSystem system) {
        starloom::ShowStatus(dialogs, nullptr, starloom::StoreHouseSystem(*settings, system));
    });

    // Files wait until the form is up: the one named here, and any a later copy hands over
    // while the update reminder is still open.
    starloom::OutsideOpener opener(session);
    opener.open(file);
    QObject::connect(&channel, &starloom::InstanceChannel::pathReceived, &opener,
                     &starloom::OutsideOpener::open, Qt::QueuedConnection);

    const auto result = starloom::RunStartUp(
        instance, *settings, services, [&session] { session.form().show(); }, &channel, file);
    if (result != starloom::StartUpResult::Started)
        return 0;
    opener.start();
    return QApplication::exec();
}
