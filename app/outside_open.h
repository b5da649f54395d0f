// Reading files named from outside the program: on its command line (what a file manager
// runs on a double-click) or handed over by a second copy.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace starloom {

class ReadingSession;

// The reading file a command line names: the absolute path of the first argument after the
// options, also when it is given as a file:// address; empty when there is none.
QString ReadingFileArgument(const QStringList &positionalArguments);

// Opens reading files exactly as the form's Open Previously Saved Reading does, through
// ReadingSession::OpenReadingFileAt with its checks and messages, and brings the program to
// the front.
//
// A file is opened from the birth-data form, as if the user had chosen it there. When a
// chart window is up, the opener first goes Back to the form, as the chart window's Back
// does, and opens the file once that window has gone: the new reading gets a chart window
// of its own, and a refused file leaves the form in front with the field to correct.
//
// A file waits while
//   - the program is still starting (until start() is called),
//   - a modal window is open (a message, a file dialog, the About box): a command under way
//     must finish with the reading it started with. The modal window comes to the front
//     instead; and
//   - the chart window is closing.
// Waiting files are looked at again whenever the program is idle. Only the latest waiting
// file is kept: it is the one the user asked for last.
class OutsideOpener final : public QObject {
    Q_OBJECT
public:
    explicit OutsideOpener(ReadingSession &session, QObject *parent = nullptr);

    // The program has started and its form is shown: opens the waiting file, if any.
    void start();
    // The file waiting to be opened, or empty.
    const QString &waitingFile() const { return m_waiting; }

public slots:
    // Opens `path` now, or as soon as nothing holds it back.
    void open(const QString &path);

private:
    void openWaitingFile();
    bool mayOpenNow() const;
    void watchIdle(bool watch);
    // Goes Back from the chart window, when one is up, and lets the window go. True when no
    // chart window is left; also when it has no Back command, and the file is then opened
    // over it. False while the window is still on its way out.
    bool leaveChart();
    void openNow(const QString &path);

    ReadingSession &m_session;
    int m_baseLoopLevel;
    bool m_started = false;
    bool m_watchingIdle = false;
    QString m_waiting;
};

} // namespace starloom
