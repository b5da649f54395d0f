// The desktop program's start on the built-in table of precise positions.
#pragma once

#include "engine/precise.h"

namespace starloom {

class UserDialogs;

// True when `table` (the check of the built-in table, PreciseTableStatus()) found it whole.
// Otherwise says in an error box that the table is damaged, with the check's reason, and
// returns false: the program must then end without showing anything else.
bool ConfirmPreciseTable(const PreciseTableCheck &table, UserDialogs &dialogs);

} // namespace starloom
