// View > Language: the program's language, chosen by the user over the system's. The choice
// takes effect at once for the windows that say their texts again when the language changes
// (the form and its menus), and is kept in the settings for the next start.
#pragma once

#include "shell/services.h"

class QMenu;
class QWidget;

namespace starloom {

// Adds the submenu "Lan&guage" (object name mnuLanguage) to `view`: "System Language"
// (mnuLanguageSystem), then each shipped language under its own name (mnuLanguage_de, ...),
// one checked, the one the settings hold. Choosing another stores it, makes it the program's
// language (UseLanguage) and says so in a message box. The submenu's own texts follow the
// language.
QMenu *AddLanguageMenu(QMenu *view, const ShellServices &services, QWidget *parent);

} // namespace starloom
