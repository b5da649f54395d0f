// View > Language: the program's language, chosen by the user over the system's. The choice
// is kept in the settings and takes effect when the program starts again, as every window
// builds its texts once.
#pragma once

#include "shell/services.h"

class QMenu;
class QWidget;

namespace starloom {

// Adds the submenu "Lan&guage" (object name mnuLanguage) to `view`: "System Language"
// (mnuLanguageSystem), then each shipped language under its own name (mnuLanguage_de, ...),
// one checked, the one the settings hold. Choosing another stores it and says in a message
// box that the program speaks it from its next start.
QMenu *AddLanguageMenu(QMenu *view, const ShellServices &services, QWidget *parent);

} // namespace starloom
