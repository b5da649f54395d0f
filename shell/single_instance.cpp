// The single-copy lock.
#include "shell/single_instance.h"

#include "shell/core/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace starloom {

namespace {
const QString kLockFileName = QStringLiteral("qm-starloom.lock");
} // namespace

SingleInstance::SingleInstance(QString lockFolder) : m_lockFolder(std::move(lockFolder)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::acquire() {
    if (holdsLock())
        return true;
    m_problem.clear();
    QDir().mkpath(m_lockFolder);
    const QByteArray path = QFile::encodeName(lockFilePath());
    // A few rounds at most: each one that fails below has removed what stood in the way.
    for (int round = 0; round < 4; ++round) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            const int error = errno;
            // Something no copy of the program makes stands where the lock goes: an empty
            // folder or a symbolic link is cleared away; anything else is left alone.
            if (error == EISDIR && ::rmdir(path.constData()) == 0)
                continue;
            if (error == ELOOP && ::unlink(path.constData()) == 0)
                continue;
            m_problem = lockFilePath() + QStringLiteral(": ") + SystemReason(error);
            return true;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return false;
            m_problem = lockFilePath() + QStringLiteral(": ") + SystemReason(error);
            return true;
        }
        // A copy that was ending may have removed the file between our open and our lock;
        // the lock then holds a file nobody else can find, and the next round makes a new one.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) != 0 || ::stat(path.constData(), &named) != 0 ||
            held.st_dev != named.st_dev || held.st_ino != named.st_ino) {
            ::close(fd);
            continue;
        }
        // Who holds it, for people who look; the lock works without it (a full disk).
        const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                  QFile::encodeName(QCoreApplication::applicationName()) + '\n';
        const bool noted = ::ftruncate(fd, 0) == 0 &&
                           ::pwrite(fd, holder.constData(), holder.size(), 0) == holder.size();
        static_cast<void>(noted);
        m_fd = fd;
        return true;
    }
    m_problem = lockFilePath() + QStringLiteral(": ") + SystemReason(EAGAIN);
    return true;
}

bool SingleInstance::holdsLock() const {
    return m_fd >= 0;
}

void SingleInstance::release() {
    if (m_fd < 0)
        return;
    // Removed while still locked: a copy that opened the old file meanwhile finds, once it
    // has the lock, that the name no longer leads to it, and tries again.
    ::unlink(QFile::encodeName(lockFilePath()).constData());
    ::close(m_fd);
    m_fd = -1;
}

QString SingleInstance::lockFilePath() const {
    return QDir(m_lockFolder).filePath(kLockFileName);
}

QString SingleInstance::defaultLockFolder() {
#if defined(Q_OS_LINUX)
    // Local to this machine even when the home folder is shared over the network, where a
    // lock of another machine's copy could never be recognised as stale.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
#endif
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

} // namespace starloom
