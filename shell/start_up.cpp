// Starting the program.
#include "shell/start_up.h"

#include "shell/instance_channel.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

#include <QSettings>

namespace starloom {

std::unique_ptr<QSettings> OpenProgramSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       kSettingsOrganisation, kSettingsApplication);
}

StartUpResult RunStartUp(SingleInstance &instance, QSettings &settings,
                         const ShellServices &services,
                         const std::function<void()> &showBirthDataForm, InstanceChannel *channel,
                         const QString &fileToOpen) {
    if (!instance.acquire()) {
        if (channel != nullptr && !fileToOpen.isEmpty() && channel->sendPath(fileToOpen))
            return StartUpResult::HandedOver;
        services.dialogs->showMessage(nullptr, kProgramTitle,
                                      QStringLiteral("Application is already running"),
                                      MessageIcon::Information, MessageButtons::Ok);
        return StartUpResult::Refused;
    }
    if (channel != nullptr)
        channel->listen();
    CheckUpdateReminder(settings, services);
    if (showBirthDataForm)
        showBirthDataForm();
    return StartUpResult::Started;
}

} // namespace starloom
