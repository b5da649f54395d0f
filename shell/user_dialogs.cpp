// The real message boxes and dialogs.
#include "shell/user_dialogs.h"

#include "shell/core/status_text.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace starloom {

FileDialogRequest SaveFileRequest(const QString &title, const QString &filter,
                                  const QString &suffix, const QString &proposedName) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.proposedName = proposedName;
    request.confirmOverwrite = true;
    return request;
}

void ShowStatus(UserDialogs &dialogs, QWidget *parent, const Status &status) {
    if (!status.ok())
        dialogs.showMessage(parent, kProgramTitle, StatusMessage(status), StatusIcon(status));
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Error: // refused input shows the stop sign, as every error does
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

namespace {

// "Description (*.ext)|*.ext" to the dialog's "Description (*.ext)".
QString ToQtFilter(const QString &filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    return bar < 0 ? filter : filter.left(bar);
}

} // namespace

MessageAnswer QtUserDialogs::showMessage(QWidget *parent, const QString &title, const QString &text,
                                         MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), title, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    parent);
    // The text can be selected and copied: an address to visit by hand, a path, a reason.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtUserDialogs::chooseFile(QWidget *parent, const FileDialogRequest &request) {
    QFileDialog dialog(parent, request.title);
    dialog.setNameFilter(ToQtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtUserDialogs::choosePrinter(QWidget *parent, QPrinter &printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

bool UserDialogs::printerInstalled() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

} // namespace starloom
