// Every message box, file dialog and printer dialog of the program goes through this one
// small interface, so that tests can script the answers and no test ever waits on a modal
// window.
#pragma once

#include "engine/status.h"
#include "shell/core/messages.h"

#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

namespace starloom {

// What a file dialog must show and enforce.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;         // empty: the platform's own title
    QString filter;        // description and pattern separated by '|': "Text (*.txt)|*.txt"
    QString defaultSuffix; // without the dot: "act"
    QString proposedName;
    bool confirmOverwrite = false; // save: ask before replacing an existing file
    bool mustExist = false;        // open: the chosen file must exist
};

// A save dialog that proposes `proposedName`, adds `suffix` when the user types none and asks
// before replacing an existing file.
FileDialogRequest SaveFileRequest(const QString &title, const QString &filter,
                                  const QString &suffix, const QString &proposedName = QString());

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal message box. The answer is Ok for an Ok box, Yes or No for a Yes/No box.
    virtual MessageAnswer showMessage(QWidget *parent, const QString &title, const QString &text,
                                      MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // The chosen file's full path, or an empty string when the user cancelled.
    virtual QString chooseFile(QWidget *parent, const FileDialogRequest &request) = 0;

    // The printer dialog with page selection and print-to-file switched off; true when
    // the user pressed OK (the printer is then set up as chosen).
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // True when the system offers at least one printer.
    virtual bool printerInstalled();
};

// The real dialogs: QMessageBox, QFileDialog and QPrintDialog.
class QtUserDialogs final : public UserDialogs {
public:
    MessageAnswer showMessage(QWidget *parent, const QString &title, const QString &text,
                              MessageIcon icon, MessageButtons buttons) override;
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};

// Tells the user of a failed step: a message box titled with the program's title, with the
// status's text and icon (shell/core/status_text.h). Nothing for success.
void ShowStatus(UserDialogs &dialogs, QWidget *parent, const Status &status);

// The icon a message box shows for each kind of message.
QMessageBox::Icon ToQtIcon(MessageIcon icon);

} // namespace starloom
