// A Status in the windows' words: the text and the icon of the message box that reports it.
// The box itself is shown through UserDialogs (ShowStatus in shell/user_dialogs.h); the
// command-line tool words a Status its own way (cli/status_line.h).
#pragma once

#include "engine/status.h"
#include "shell/core/messages.h"

#include <QString>

namespace starloom {

// The message a failed step gives in a window, e.g. "The file /home/anna/anna.act could not
// be written.\nNo space left on device". Empty for success.
QString StatusMessage(const Status &status);

// Refusals and failures get the error icon, a notice the information icon, a damaged
// program the critical one.
MessageIcon StatusIcon(const Status &status);

} // namespace starloom
