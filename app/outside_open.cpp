// Reading files named from outside the program.
#include "app/outside_open.h"

#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QUrl>

#include <utility>

namespace starloom {

QString ReadingFileArgument(const QStringList &positionalArguments) {
    if (positionalArguments.isEmpty() || positionalArguments.constFirst().isEmpty())
        return {};
    QString path = positionalArguments.constFirst();
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (url.isLocalFile())
            path = url.toLocalFile();
    }
    return QFileInfo(path).absoluteFilePath();
}

OutsideOpener::OutsideOpener(ReadingSession &session, QObject *parent)
    : QObject(parent), m_session(session), m_baseLoopLevel(QThread::currentThread()->loopLevel()) {}

void OutsideOpener::start() {
    m_started = true;
    openWaitingFile();
}

void OutsideOpener::open(const QString &path) {
    if (path.isEmpty())
        return;
    m_waiting = path;
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
    openWaitingFile();
}

// Not inside a modal window's own event loop, even one whose window has just closed: the
// command that opened it has not yet finished.
bool OutsideOpener::mayOpenNow() const {
    return m_started && QApplication::activeModalWidget() == nullptr &&
           QThread::currentThread()->loopLevel() <= m_baseLoopLevel + 1;
}

void OutsideOpener::openWaitingFile() {
    if (m_waiting.isEmpty())
        return;
    if (mayOpenNow() && leaveChart()) {
        watchIdle(false);
        openNow(std::exchange(m_waiting, QString()));
        return;
    }
    watchIdle(true);
}

void OutsideOpener::watchIdle(bool watch) {
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (watch == m_watchingIdle || dispatcher == nullptr)
        return;
    if (watch)
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &OutsideOpener::openWaitingFile);
    else
        disconnect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                   &OutsideOpener::openWaitingFile);
    m_watchingIdle = watch;
}

bool OutsideOpener::leaveChart() {
    QPointer<ChartWindow> chart = m_session.chartWindow();
    if (chart == nullptr)
        return true;
    if (chart->isVisible()) {
        auto *back = chart->findChild<QAction *>(QStringLiteral("mnuBack"));
        if (back == nullptr)
            return true;
        back->trigger();
    }
    // Back closes the window and leaves its deletion to the event loop. None of its code is
    // running now, so it may go at once.
    QCoreApplication::sendPostedEvents(chart, QEvent::DeferredDelete);
    return chart == nullptr;
}

void OutsideOpener::openNow(const QString &path) {
    BirthForm &form = m_session.form();
    if (form.isMinimized())
        form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
    m_session.OpenReadingFileAt(path);
}

} // namespace starloom
