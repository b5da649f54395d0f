// Starting the program.
#include "shell/start_up.h"

#include "shell/instance_channel.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

#include <sys/stat.h>

namespace starloom {

namespace {

struct PrivateFolder {
    QTemporaryDir folder;
};

// A store that lives for this run only, in a private temporary folder.
class RunOnlySettings final : private PrivateFolder, public QSettings {
public:
    RunOnlySettings()
        : QSettings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat) {}
};

} // namespace

QString ProgramSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kSettingsOrganisation + QLatin1Char('/') + kSettingsApplication +
           QStringLiteral(".ini");
}

std::unique_ptr<QSettings> OpenProgramSettings() {
    // The store reads its file when it is made and replaces it with a new file when it
    // writes. Where a device, pipe or folder stands in the file's place (directly or at the
    // end of a link), reading could wait for ever and writing would replace the node; the
    // settings are then kept for this run only and the node is left alone.
    struct stat info {};
    if (::stat(QFile::encodeName(ProgramSettingsPath()).constData(), &info) == 0 &&
        !S_ISREG(info.st_mode))
        return std::make_unique<RunOnlySettings>();
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       kSettingsOrganisation, kSettingsApplication);
}

StartUpResult RunStartUp(SingleInstance &instance, QSettings &settings,
                         const ShellServices &services,
                         const std::function<void()> &showBirthDataForm, InstanceChannel *channel,
                         const QString &fileToOpen) {
    if (!instance.acquire()) {
        // Two copies started together: the one with the lock may not be listening yet, or
        // may be ending. Until the hand-over time is up, try the hand-over again, and take
        // the lock when the other copy has let it go.
        bool started = false;
        if (channel != nullptr && !fileToOpen.isEmpty()) {
            const QDeadlineTimer deadline(kHandOverTimeoutMs);
            for (;;) {
                const int wait = std::max(kHandOverRetryMs, int(deadline.remainingTime()));
                if (channel->sendPath(fileToOpen, wait))
                    return StartUpResult::HandedOver;
                if (instance.acquire()) {
                    started = true;
                    break;
                }
                if (deadline.hasExpired())
                    break;
                QThread::msleep(kHandOverRetryMs);
            }
        }
        if (!started) {
            services.dialogs->showMessage(
                nullptr, kProgramTitle,
                QCoreApplication::translate("StartUp", "Application is already running"),
                MessageIcon::Information, MessageButtons::Ok);
            return StartUpResult::Refused;
        }
    }
    if (!instance.holdsLock() && !instance.lockProblem().isEmpty()) {
        // Starting is better than refusing, but the user should know that a second copy
        // is not kept out this time.
        services.dialogs->showMessage(
            nullptr, kProgramTitle,
            QCoreApplication::translate("StartUp",
                                        "QM Starloom could not make its lock against a second "
                                        "copy (%1). It starts anyway, but another copy started "
                                        "now would not be noticed.")
                .arg(instance.lockProblem()),
            MessageIcon::Information, MessageButtons::Ok);
    }
    if (channel != nullptr)
        channel->listen();
    CheckUpdateReminder(settings, services);
    if (showBirthDataForm)
        showBirthDataForm();
    return StartUpResult::Started;
}

} // namespace starloom
