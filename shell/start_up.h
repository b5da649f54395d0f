// Starting the program: one copy only, the update reminder, then the birth-data form.
//
// app/main.cpp, in outline:
//     QApplication app(argc, argv);
//     QtUserDialogs dialogs; DesktopLinkOpener links; SystemClock clock;
//     const ShellServices services{&dialogs, &links, &clock};
//     SingleInstance instance(SingleInstance::defaultLockFolder()); // held until main returns
//     const std::unique_ptr<QSettings> settings = OpenProgramSettings();
//     if (RunStartUp(instance, *settings, services, [&] { form.show(); }) ==
//         StartUpResult::Refused)
//         return 0;
//     return app.exec();
#pragma once

#include "shell/services.h"

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace starloom {

class SingleInstance;

inline const QString kSettingsOrganisation = QStringLiteral("QM Starloom");
inline const QString kSettingsApplication = QStringLiteral("QM Starloom");

// The user's own settings store, an INI file in the platform's per-user place.
std::unique_ptr<QSettings> OpenProgramSettings();

enum class StartUpResult {
    Started, // the birth-data form is shown; run the event loop
    Refused, // another copy runs; this one has said so and must end without an event loop
};

// In order: takes the single-copy lock, or tells the user that the program is already
// running and returns Refused without touching the settings; runs the update reminder; calls
// `showBirthDataForm`. `instance` must stay alive for the whole run, since it holds the lock.
StartUpResult RunStartUp(SingleInstance &instance, QSettings &settings,
                         const ShellServices &services,
                         const std::function<void()> &showBirthDataForm);

} // namespace starloom
