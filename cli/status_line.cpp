#include "cli/status_line.h"

#include "cli/cli_text.h"
#include "cli/row_pipeline.h"

#include <cstdio>

namespace starloom::cli {

std::string StatusLine(const Status &status) {
    switch (status.code) {
    case StatusCode::Ok:
        return std::string();
    case StatusCode::Refused:
    case StatusCode::Notice:
        // The form's checks word their refusals in English, for the batch and the JSON
        // output, and are shown here in the chosen language; the tool's own refusals are
        // worded in it already.
        return Utf8(QCoreApplication::translate("FormValues", status.reason.c_str()));
    case StatusCode::ReadFailed:
    case StatusCode::BadContents:
    case StatusCode::WriteFailed:
    case StatusCode::NameTaken:
        return status.subject + ": " + status.reason;
    case StatusCode::Damaged:
        // The built-in table of precise positions is the one part checked for damage.
        return Utf8(CliMessages::tr("the built-in table of precise positions is damaged (%1); "
                                    "install the program again")
                        .arg(QString::fromStdString(status.reason)));
    }
    return status.reason;
}

int ExitStatusOf(const Status &status) {
    return status.ok() ? kExitOk : kExitRefused;
}

int Report(const Status &status) {
    if (!status.ok()) {
        const std::string line = "starloom-cli: " + StatusLine(status) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    return ExitStatusOf(status);
}

} // namespace starloom::cli
