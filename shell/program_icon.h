// The program's icon, shared by all its windows.
#pragma once

#include <QIcon>

namespace starloom {

// A small natal wheel with a star at its centre, drawn at whatever size is asked for.
QIcon ProgramIcon();

} // namespace starloom
