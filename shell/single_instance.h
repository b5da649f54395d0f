// Only one copy of the program runs at a time for a user.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace starloom {

// A per-user lock file held for the whole run. The file records the holder's process, so a
// lock left behind by a copy that crashed is recognised as stale and taken over.
//
// A second copy started with a file name passes it to the running copy through an
// InstanceChannel whose socket lies in the same folder.
class SingleInstance {
public:
    // `lockFolder` is created when missing. Tests pass a temporary folder.
    explicit SingleInstance(QString lockFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Takes the lock. False only when another running copy holds it. When the lock cannot be
    // made at all (the folder cannot be written), this copy runs unguarded and the answer is
    // true, since a missing lock must not keep the user from the program.
    bool acquire();
    // Whether this object holds the lock now.
    bool holdsLock() const;
    // Gives the lock up; also done by the destructor.
    void release();

    const QString &lockFolder() const { return lockFolder_; }
    QString lockFilePath() const;

    // On Linux the user's runtime folder; elsewhere, or when there is none, the program's
    // per-user data folder.
    static QString defaultLockFolder();

private:
    QString lockFolder_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace starloom
