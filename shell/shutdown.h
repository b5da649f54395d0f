// Ending the program.
#pragma once

#include <QKeySequence>
#include <QList>

namespace starloom {

// Closes every top-level window, each through its own close handling; a window that refuses
// to close does not stop the others. Then ends the event loop, whatever the windows said.
// A window's close handler may itself call this; the nested call does nothing.
void CloseAllAndEnd();

// The keys of an Exit menu entry: the platform's own Quit keys, or Ctrl+Q where the
// platform has none (there the window manager's close key ends the program as well).
QList<QKeySequence> QuitKeys();

} // namespace starloom
