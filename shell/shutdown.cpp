// Ending the program.
#include "shell/shutdown.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace starloom {

void CloseAllAndEnd() {
    static bool closing = false;
    if (closing)
        return;
    closing = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::Desktop)
            windows.append(window);
    }
    // Closing one window may delete others, so each is checked before it is closed.
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
    closing = false;
    // exit() rather than quit(): quit() asks the windows again and gives up when one of them
    // refuses, and the program must end here.
    QCoreApplication::exit(0);
}

QList<QKeySequence> QuitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (keys.isEmpty())
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return keys;
}

} // namespace starloom
