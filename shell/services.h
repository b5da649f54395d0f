// The outside world as the program's windows see it: dialogs, the browser and the clock.
// One instance lives for the whole run and is handed to every window.
#pragma once

#include "shell/clock.h"
#include "shell/links.h"
#include "shell/user_dialogs.h"

class QSettings;

namespace starloom {

struct ShellServices {
    UserDialogs *dialogs = nullptr;
    LinkOpener *links = nullptr;
    const Clock *clock = nullptr;
    // Where windows keep their size, place and view options between runs; none: not kept.
    QSettings *settings = nullptr;
};

} // namespace starloom
