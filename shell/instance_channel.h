// The way a second copy of the program hands a reading file to the copy already running.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace starloom {

constexpr int kHandOverTimeoutMs = 5000; // milliseconds a second copy waits for the first
constexpr int kHandOverRetryMs = 100;    // milliseconds between its attempts

// A per-user local socket next to the single-copy lock. The running copy listens on it; a
// second copy started with a file name connects, sends the file's path and waits for the
// running copy to say it has taken it.
//
// On the wire: the path as a QDataStream QString (a length, then UTF-16), answered by one
// byte once the running copy has read it.
class InstanceChannel final : public QObject {
    Q_OBJECT
public:
    // `serverName` is a socket path on Unix and a pipe name elsewhere; serverNameFor() makes
    // one from the lock folder. Tests pass a name in a temporary folder.
    explicit InstanceChannel(QString serverName, QObject *parent = nullptr);
    ~InstanceChannel() override;
    InstanceChannel(const InstanceChannel &) = delete;
    InstanceChannel &operator=(const InstanceChannel &) = delete;

    // Starts listening, first removing a socket that a copy which crashed may have left.
    // Call it only while holding the single-copy lock: then no running copy can be using
    // the name. False when the socket cannot be made; the program then runs without it.
    bool listen();
    bool isListening() const;

    // The second copy's side: sends `path` to the copy listening on this name and waits up
    // to `timeoutMs` for its answer. True only when the running copy has taken the path;
    // false when nothing listens, the copy does not answer in time, or the path is empty.
    bool sendPath(const QString &path, int timeoutMs = kHandOverTimeoutMs) const;

    const QString &serverName() const { return m_serverName; }

    // The channel's name for the lock folder `lockFolder`: a socket inside it on Unix, where
    // that folder is private to the user; a pipe name derived from the folder elsewhere.
    static QString serverNameFor(const QString &lockFolder);

signals:
    // A second copy has handed over this path. Emitted after the answer has been sent, so a
    // slot that opens windows does not keep the second copy waiting.
    void pathReceived(const QString &path);

private:
    void takeConnections();
    void readFrom(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

} // namespace starloom
