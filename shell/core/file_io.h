// Files written whole or not at all, read without blocking, and claimed without replacing.
//
// Every step of a write is checked (each write, the flush to the disk, the close and the
// final rename), so a full disk or a size limit is reported with the system's reason
// instead of leaving an empty or cut-short file behind. The bytes go to an unnamed file in
// the target's folder first; the name appears only once everything is on the disk, so an
// earlier file stays as it was and a killed program leaves no half-written file.
//
// Where the file system has no unnamed files (network and FAT file systems), the bytes go
// to a hidden temporary ".NAME.starloom-HOST-PID-N.part" in the folder instead. SIGINT,
// SIGTERM and SIGHUP remove it before the program ends (by the same signal, as it would
// have without). What a harder end leaves (SIGKILL, a power cut) is removed by the next
// write into the folder: a regular file of the user's that has exactly that form of name,
// made on this machine by a process that no longer runs.
#pragma once

#include "engine/status.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <memory>

namespace starloom {

// What to do when the target exists and is not a regular file (a device, a pipe, a
// socket, a folder). Replacing such a node with a regular file is never done.
enum class NodeTarget {
    Refuse,    // the write fails with a message that names the kind of node
    WriteInto, // the bytes are written straight into a device or pipe (a folder is refused)
};

// A file written in one or more pieces and made visible by commit(). Each step's failure is
// a StatusCode::WriteFailed naming the path as given and the system's reason; after the
// first failure every later step fails with the same status.
class WholeFileWriter {
public:
    WholeFileWriter(QString path, NodeTarget nodes);
    ~WholeFileWriter(); // cancels an uncommitted write
    WholeFileWriter(const WholeFileWriter &) = delete;
    WholeFileWriter &operator=(const WholeFileWriter &) = delete;

    Status open();
    Status write(const char *data, qint64 size);
    Status write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // For a large file written once in many pieces and not read back soon (a batch's
    // output): after open(), the bytes go to the disk without passing through the system's
    // file cache, where the file system allows it (never into a device or pipe). Copying
    // gigabytes into the cache and writing them back from there costs the system more than
    // the writing itself, and pushes out what other programs keep cached. The pieces are
    // gathered into blocks of the size and alignment such writes need; a write the file
    // system will not take that way goes through the cache instead, as every write did.
    void bypassCache();
    // Flushes to the disk, closes and gives the file its name.
    Status commit();
    // Drops what was written; an earlier file of the name is untouched.
    void cancel();

    // The first failure, or success while there was none.
    const Status &status() const { return m_status; }

private:
    Status fail(int error);
    Status failWith(const QString &reason);
    Status writeGathered(const char *data, qint64 size);
    int writeBlock();
    int leaveBypass(qint64 written);

    struct FreeBlock {
        void operator()(char *block) const { std::free(block); }
    };

    QString m_path;
    QString m_target; // the path with symbolic links followed
    NodeTarget m_nodes;
    int m_fd = -1;
    bool m_direct = false; // writing straight into a device or pipe
    QByteArray m_tempName; // a named temporary, when the file system has no unnamed files
    int m_tempSlot = -1;   // its place among the temporaries a signal removes
    std::unique_ptr<char, FreeBlock> m_block; // bytes gathered while the cache is bypassed
    qint64 m_gathered = 0;
    Status m_status;
};

// The whole of `bytes` into `path`, replacing a regular file of that name.
Status WriteWholeFile(const QString &path, const QByteArray &bytes, NodeTarget nodes);

// Creates `path` holding `bytes`, but only when nothing of that name exists: two programs
// claiming the same name at once never both succeed. StatusCode::NameTaken when the name is
// already used; WriteFailed when the file could not be written.
Status WriteNewFile(const QString &path, const QByteArray &bytes);

// Reads at most `limit` bytes of a regular file into `bytes`. Refuses a pipe, device or
// folder without waiting on it: StatusCode::ReadFailed with the reason, `bytes` untouched.
Status ReadRegularFile(const QString &path, qint64 limit, QByteArray &bytes);

// A failure of `code` concerning the file `path`, for the reason given.
Status FileFailure(StatusCode code, const QString &path, const QString &reason);

// What stands at `path` when it is something else than a regular file ("not a regular file
// but a folder"); empty for a regular file or nothing. Links are followed.
QString NotRegularFile(const QString &path);

// The system's text for an error number ("No space left on device").
QString SystemReason(int error);

// A write past the file-size limit (ulimit -f) also raises SIGXFSZ, whose default action
// ends the program at once, without a word about which file failed. Called at the start of
// main, this catches the signal with a handler that does nothing, so the write fails with
// EFBIG "File too large" and is reported like any other failed write. A handler rather than
// ignoring it: programs started from this one get the default action back when they start.
void ReportFileSizeLimitAsError();

} // namespace starloom
