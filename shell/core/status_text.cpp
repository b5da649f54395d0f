#include "shell/core/status_text.h"

#include <QCoreApplication>
#include <QDir>

namespace starloom {

namespace {

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// A path as the user's system writes it.
QString PathText(const std::string &path) {
    return QDir::toNativeSeparators(Text(path));
}

} // namespace

QString StatusMessage(const Status &status) {
    switch (status.code) {
    case StatusCode::Ok:
        return QString();
    case StatusCode::Refused:
    case StatusCode::Notice:
        // The checks word their refusals in English, for the batch and the JSON output;
        // the reader sees them in the program's language.
        return QCoreApplication::translate("FormValues", status.reason.c_str());
    case StatusCode::ReadFailed:
        return QCoreApplication::translate("StatusText", "The file %1 could not be opened.\n%2")
            .arg(PathText(status.subject), Text(status.reason));
    case StatusCode::BadContents:
        return QStringLiteral("%1: %2").arg(Text(status.subject), Text(status.reason));
    case StatusCode::WriteFailed:
    case StatusCode::NameTaken:
        return QCoreApplication::translate("StatusText", "The file %1 could not be written.\n%2")
            .arg(PathText(status.subject), Text(status.reason));
    case StatusCode::Damaged:
        // The built-in table of precise positions is the one part of the program checked
        // for damage at start.
        return QCoreApplication::translate("PreciseTable",
                                           "The built-in table of precise positions is "
                                           "damaged (%1). Please install QM Starloom "
                                           "again.")
            .arg(Text(status.reason));
    }
    return Text(status.reason);
}

MessageIcon StatusIcon(const Status &status) {
    switch (status.code) {
    case StatusCode::Ok:
    case StatusCode::Notice:
        return MessageIcon::Information;
    case StatusCode::Damaged:
        return MessageIcon::Critical;
    default:
        return MessageIcon::Error;
    }
}

} // namespace starloom
