#include "app/table_check.h"

#include "shell/user_dialogs.h"

#include <QCoreApplication>

namespace starloom {

bool ConfirmPreciseTable(const PreciseTableCheck &table, UserDialogs &dialogs) {
    if (table.intact)
        return true;
    dialogs.showMessage(nullptr, kProgramTitle,
                        QCoreApplication::translate("PreciseTable",
                                                    "The built-in table of precise positions is "
                                                    "damaged (%1). Please install QM Starloom "
                                                    "again.")
                            .arg(QString::fromStdString(table.reason)),
                        MessageIcon::Critical);
    return false;
}

} // namespace starloom
