// Writing the per-user settings (the view choices, the house system, the orbs, the chart
// window's size and zoom, the date of the update reminder), checked as every other write of
// the program is: a settings file that cannot be written is reported like any other file,
// and the program goes on with the values it holds in memory.
#pragma once

#include "engine/status.h"

#include <QString>

#include <functional>

class QSettings;

namespace starloom {

// Runs `write` on a store of the same file as `store`, then writes the file out and checks
// that it was written. Every store of a file in this program shares that file's values, so
// `store` reads what `write` set, whether or not it reached the disk. A failure is a
// StatusCode::WriteFailed naming the settings file, once for each write that fails (a store
// keeps the first error it meets for as long as it lives, so the check is made on a store
// of its own).
Status WriteSettings(const QSettings &store, const std::function<void(QSettings &)> &write);

// Why the settings file `path` could not be written, as near to the system's words as the
// file and its folder tell: QSettings says only that access failed.
QString SettingsWriteReason(const QString &path);

} // namespace starloom
