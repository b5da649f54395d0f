#include "app/table_check.h"

#include "shell/user_dialogs.h"

namespace starloom {

bool ConfirmPreciseTable(const PreciseTableCheck &table, UserDialogs &dialogs) {
    const Status status = StatusOf(table);
    ShowStatus(dialogs, nullptr, status);
    return status.ok();
}

} // namespace starloom
