// Only one copy of the program runs at a time for a user.
#pragma once

#include <QString>

namespace starloom {

// A per-user lock held for the whole run: a lock file on which the running copy holds the
// system's exclusive lock. The system lets the lock go when the process ends, however it
// ends, so a file left behind by a copy that crashed (with any content, or none) never
// keeps the next copy out. The file records the holder's process for people who look.
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
    // true, since a missing lock must not keep the user from the program; lockProblem() then
    // says why.
    bool acquire();
    // Why the last acquire() could make no lock, or empty.
    const QString &lockProblem() const { return m_problem; }
    // Whether this object holds the lock now.
    bool holdsLock() const;
    // Gives the lock up; also done by the destructor.
    void release();

    const QString &lockFolder() const { return m_lockFolder; }
    QString lockFilePath() const;

    // On Linux the user's runtime folder; elsewhere, or when there is none, the program's
    // per-user data folder.
    static QString defaultLockFolder();

private:
    QString m_lockFolder;
    int m_fd = -1; // the locked file, while held
    QString m_problem;
};

} // namespace starloom
