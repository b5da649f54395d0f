// The single-copy lock.
#include "shell/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace starloom {

namespace {
const QString kLockFileName = QStringLiteral("qm-starloom.lock");
} // namespace

SingleInstance::SingleInstance(QString lockFolder) : lockFolder_(std::move(lockFolder)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::acquire() {
    if (holdsLock())
        return true;
    QDir().mkpath(lockFolder_);
    auto lock = std::make_unique<QLockFile>(lockFilePath());
    // The lock lives as long as the program runs, so its age says nothing: only a holder that
    // is no longer running makes it stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return true;
    }
    return lock->error() != QLockFile::LockFailedError;
}

bool SingleInstance::holdsLock() const {
    return lock_ != nullptr && lock_->isLocked();
}

void SingleInstance::release() {
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

QString SingleInstance::lockFilePath() const {
    return QDir(lockFolder_).filePath(kLockFileName);
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
