// The local socket between the running copy and a second one.
#include "shell/instance_channel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace starloom {

namespace {

const QString kSocketFileName = QStringLiteral("qm-starloom.socket");
constexpr char kTaken = 'k';                         // the running copy's answer
constexpr qint64 kLargestMessage = 1 << 20;          // bytes; far beyond any path
constexpr auto kStreamVersion = QDataStream::Qt_6_0; // both copies are the same program

} // namespace

InstanceChannel::InstanceChannel(QString serverName, QObject *parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen() {
    if (isListening())
        return true;
    if (m_server == nullptr) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::takeConnections);
    }
    if (m_server->listen(m_serverName))
        return true;
    // Only a copy that ended without cleaning up leaves the name taken while we hold the lock.
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        return m_server->listen(m_serverName);
    }
    return false;
}

bool InstanceChannel::isListening() const {
    return m_server != nullptr && m_server->isListening();
}

void InstanceChannel::takeConnections() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        // The message may have arrived with the connection.
        readFrom(socket);
    }
}

void InstanceChannel::readFrom(QLocalSocket *socket) {
    if (socket->bytesAvailable() > kLargestMessage) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    QString path;
    in >> path;
    if (!in.commitTransaction())
        return; // not all there yet
    if (path.isEmpty()) {
        socket->disconnectFromServer();
        return;
    }
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit pathReceived(path);
}

bool InstanceChannel::sendPath(const QString &path, int timeoutMs) const {
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    {
        QDataStream out(&socket);
        out.setVersion(kStreamVersion);
        out << path;
    }
    socket.flush();
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

QString InstanceChannel::serverNameFor(const QString &lockFolder) {
#if defined(Q_OS_UNIX)
    return QDir(lockFolder).filePath(kSocketFileName);
#else
    // Pipe names are shared by every user of the machine; the folder is the user's own.
    const QByteArray folderHash =
        QCryptographicHash::hash(QDir::cleanPath(lockFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("qm-starloom-") + QString::fromLatin1(folderHash);
#endif
}

} // namespace starloom
