// The update reminder and the one settings entry it keeps.
#pragma once

#include "shell/services.h"

#include <QDate>
#include <QLocale>
#include <QString>

class QSettings;

namespace starloom {

inline const QString kSettingsSection = QStringLiteral("Settings");
inline const QString kDurationEntry = QStringLiteral("Duration"); // date of the last reminder

// Days either side of the stored date within which no reminder is shown.
constexpr int kReminderQuietDays = 14;

// The stored date text as a date: ISO 8601 (as written now) or the locale's short date
// format (as older versions wrote it, in the system's locale). A two-digit year is put in the
// century nearest `today`. An invalid date when the text is neither.
QDate ReadReminderDate(const QString &text, QDate today, const QLocale &locale = QLocale::system());

// Runs once at start-up. On the first start it stores today's date and says nothing. Later,
// when the stored date is more than kReminderQuietDays away from today, in either direction,
// it asks whether to look for an update, stores today's date whatever the answer, and opens
// the download page on Yes. A stored value that is not a date is left as it is, silently.
void CheckUpdateReminder(QSettings &settings, const ShellServices &services);

} // namespace starloom
