// The languages the program speaks and the one it speaks now. English is the source text;
// every other shipped language is a translation built into the program, which carries Qt's
// own texts (standard buttons, dialogs) where the system has them. Machine-readable output
// (JSON, reading files, batches, CSV) never passes through a translation.
#pragma once

#include "engine/status.h"

#include <QString>
#include <QStringList>

class QSettings;

namespace starloom {

// The codes of the shipped languages, English first: en, de, fr, es, pt_BR, it.
QStringList ShippedLanguageCodes();

// The shipped language a locale name asks for ("de_DE.UTF-8", "pt-BR", "fr", "C"): the
// language and country as they stand, else the language alone (Portuguese of Portugal gets
// the Brazilian texts, which its readers follow more easily than English). Empty when no
// shipped language matches.
QString ShippedLanguageFor(const QString &localeName);

// The first of the system's preferred languages that ships (on Unix LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG); English when none does.
QString SystemLanguage();

// Makes `code`, a shipped language, the language of every text from now on: the translators
// installed before are removed, the program's and Qt's own for `code` are installed, and the
// language becomes QLocale's default, so dates and numbers the program shows follow it.
// Needs the application object. A code that does not ship changes nothing: false.
bool UseLanguage(const QString &code);

// The language chosen in View > Language, kept under View/Language; empty: the system's.
QString ChosenLanguage(QSettings &settings);
// Writes the choice (empty: the system's) to the settings file, checked as every write is.
Status StoreChosenLanguage(const QSettings &settings, const QString &code);
// The language the desktop program starts in: the one chosen, else the system's.
QString StartLanguage(QSettings &settings);

} // namespace starloom
