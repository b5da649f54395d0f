// QM Starloom, the desktop program: one copy per user, the update reminder, then the
// birth-data form, from which every reading starts.
#include "reading/birth_form.h"
#include "reading/reading_session.h"
#include "shell/about_box.h"
#include "shell/program_icon.h"
#include "shell/shutdown.h"
#include "shell/single_instance.h"
#include "shell/start_up.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QM Starloom"));
    QApplication::setOrganizationName(QStringLiteral("QM Starloom"));
    QApplication::setWindowIcon(starloom::ProgramIcon());
    // The program ends through CloseAllAndEnd, not when its last window is hidden: the
    // form hides while a chart window is up.
    QApplication::setQuitOnLastWindowClosed(false);

    starloom::QtUserDialogs dialogs;
    starloom::DesktopLinkOpener links;
    starloom::SystemClock clock;
    const starloom::ShellServices services{&dialogs, &links, &clock};

    starloom::SingleInstance instance(starloom::SingleInstance::defaultLockFolder());
    const std::unique_ptr<QSettings> settings = starloom::OpenProgramSettings();
    starloom::ReadingSession session(
        services, {[] { starloom::CloseAllAndEnd(); },
                   [&services](QWidget *parent) { starloom::ShowAboutBox(parent, services); }});
    const auto result =
        starloom::RunStartUp(instance, *settings, services, [&session] { session.form().show(); });
    if (result == starloom::StartUpResult::Refused)
        return 0;
    return QApplication::exec();
}
