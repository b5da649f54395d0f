// Starting the program: one copy only, the update reminder, then the birth-data form.
//
// app/main.cpp, in outline:
//     QApplication app(argc, argv);
//     QtUserDialogs dialogs; DesktopLinkOpener links(&dialogs); SystemClock clock;
//     const ShellServices services{&dialogs, &links, &clock};
//     SingleInstance instance(SingleInstance::defaultLockFolder()); // held until main returns
//     InstanceChannel channel(InstanceChannel::serverNameFor(instance.lockFolder()));
//     const std::unique_ptr<QSettings> settings = OpenProgramSettings();
//     if (RunStartUp(instance, *settings, services, [&] { form.show(); }, &channel, file) !=
//         StartUpResult::Started)
//         return 0;
//     return app.exec();
#pragma once

#include "shell/services.h"

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace starloom {

class InstanceChannel;
class SingleInstance;

inline const QString kSettingsOrganisation = QStringLiteral("QM Starloom");
inline const QString kSettingsApplication = QStringLiteral("QM Starloom");

// The user's own settings store, an INI file in the platform's per-user place. When
// something other than a file stands at that place, a store for this run only.
std::unique_ptr<QSettings> OpenProgramSettings();
// Where the settings store keeps its file.
QString ProgramSettingsPath();

enum class StartUpResult {
    Started,    // the birth-data form is shown; run the event loop
    Refused,    // another copy runs; this one has said so and must end without an event loop
    HandedOver, // another copy runs and has taken the file to open; this one ends quietly
};

// In order: takes the single-copy lock; when another copy holds it, hands `fileToOpen` (an
// absolute path, or empty) to that copy through `channel` and returns HandedOver, trying
// again for up to kHandOverTimeoutMs while that copy is still starting (and taking the lock
// if it ends meanwhile), or, when there is no file or the other copy does not take it,
// tells the user that the program is already running and returns Refused, without touching
// the settings either way. When no lock can be made at all it says so and starts anyway. Holding
// the lock, it starts listening on `channel` for later copies, runs the update reminder and calls
// `showBirthDataForm`. Opening `fileToOpen` in this copy is left to the caller, once the form
// is shown. `instance` and `channel` must stay alive for the whole run; `channel` may be null.
StartUpResult RunStartUp(SingleInstance &instance, QSettings &settings,
                         const ShellServices &services,
                         const std::function<void()> &showBirthDataForm,
                         InstanceChannel *channel = nullptr, const QString &fileToOpen = {});

} // namespace starloom
