// Ending the program.
#pragma once

namespace starloom {

// Closes every top-level window, each through its own close handling; a window that refuses
// to close does not stop the others. Then ends the event loop, whatever the windows said.
// A window's close handler may itself call this; the nested call does nothing.
void CloseAllAndEnd();

} // namespace starloom
