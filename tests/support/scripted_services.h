// Test doubles for the shell's services: dialogs that answer from a script and record
// what they were asked, a browser that records addresses, and a clock that tests set.
#pragma once

#include "shell/services.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <functional>

namespace starloom::testing {

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class ScriptedDialogs final : public UserDialogs {
public:
    QList<RecordedMessage> messages;
    QList<MessageAnswer> answers; // for Yes/No boxes, taken in order; No when none is left
    QList<FileDialogRequest> fileRequests;
    QStringList fileAnswers; // taken in order; an empty entry or none left cancels
    int printerRequests = 0;
    bool printerAnswer = false;
    bool hasPrinter = true; // whether the system offers a printer
    // Run on the printer when the dialog is accepted: a test may point it at a file.
    std::function<void(QPrinter &)> onPrinterChosen;

    MessageAnswer showMessage(QWidget *, const QString &title, const QString &text,
                              MessageIcon icon, MessageButtons buttons) override {
        messages.append({title, text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
    }
    QString chooseFile(QWidget *, const FileDialogRequest &request) override {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override {
        ++printerRequests;
        if (printerAnswer && onPrinterChosen)
            onPrinterChosen(printer);
        return printerAnswer;
    }
    bool printerInstalled() override { return hasPrinter; }
    // The text of the only message shown since the last call, or a failure marker.
    QString takeOnlyMessage() {
        if (messages.size() != 1)
            return QStringLiteral("<%1 messages>").arg(messages.size());
        return messages.takeFirst().text;
    }
};

class RecordingLinks final : public LinkOpener {
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

class FixedClock final : public Clock {
public:
    QDate date = QDate(2026, 12, 7);
    QDate today() const override { return date; }
};

// All three, wired into one ShellServices.
struct ScriptedShell {
    ScriptedDialogs dialogs;
    RecordingLinks links;
    FixedClock clock;
    ShellServices services() { return ShellServices{&dialogs, &links, &clock}; }
};

} // namespace starloom::testing

// Finds a child object by its object name, failing the test loudly when it is missing.
#define FIND_CHILD(Type, var, root, name)                                                          \
    auto *var = (root)->findChild<Type *>(QStringLiteral(name));                                   \
    QVERIFY2(var != nullptr, "no " #Type " named " name)
