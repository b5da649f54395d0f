// Checked writes and non-blocking reads on POSIX systems.
#include "shell/core/file_io.h"
#include "shell/core/file_io_calls.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace starloom {

namespace {

int SystemOpen(const char *path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

// Writes that bypass the file cache must start at an offset and an address that are
// multiples of the device's block size and cover whole blocks; 4096 bytes is a multiple of
// every block size in common use. A mebibyte a write keeps the calls few.
constexpr qint64 kBypassAlignment = 4096;
constexpr qint64 kBypassBlockBytes = qint64(1) << 20;

// Constant-initialised, so it holds the real calls before any code runs.
WriterCalls g_calls{SystemOpen, ::fsync, ::close, ::rename};

QByteArray Native(const QString &path) {
    return QFile::encodeName(path);
}

// What a node that is not a regular file is, for messages.
QString NodeKind(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}

QString NotRegular(mode_t mode) {
    return QStringLiteral("not a regular file but %1").arg(NodeKind(mode));
}

// Writes all of `size` bytes, resuming after interruptions and partial writes. 0, or the
// error number of the failing call.
int WriteAll(int fd, const char *data, qint64 size) {
    while (size > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (done == 0)
            return EIO;
        data += done;
        size -= done;
    }
    return 0;
}

// The folder part of a path, "." for a bare name.
QByteArray FolderOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

constexpr char kTemporaryMark[] = ".starloom-"; // between the target's name and the machine
constexpr char kTemporaryEnd[] = ".part";
constexpr qsizetype kHostTagLength = 32; // bytes of the machine's name kept, at most

// The machine's name as temporaries carry it: letters and digits, anything else as "_".
// A folder on a network file system is shared by several machines, and a process number
// means something only on the machine that gave it.
const QByteArray &HostTag() {
    static const QByteArray tag = [] {
        char name[HOST_NAME_MAX + 1] = {};
        QByteArray host = ::gethostname(name, HOST_NAME_MAX) == 0 ? QByteArray(name) : "";
        host.truncate(kHostTagLength);
        for (char &c : host) {
            const bool kept =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!kept)
                c = '_';
        }
        return host.isEmpty() ? QByteArrayLiteral("_") : host;
    }();
    return tag;
}

// A name for a temporary next to `target` that no one else picks: hidden, with the program's
// mark, the machine, the process and a running number: ".NAME.starloom-HOST-PID-N.part".
// The target's name is cut where the whole would be longer than a file name may be
// (NAME_MAX), at the start of a UTF-8 character.
QByteArray TemporaryName(const QByteArray &target) {
    static std::atomic<unsigned> counter{0};
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    const QByteArray ending = kTemporaryMark + HostTag() + '-' + QByteArray::number(::getpid()) +
                              '-' + QByteArray::number(counter.fetch_add(1)) + kTemporaryEnd;
    QByteArray file = target.mid(slash + 1);
    const qsizetype room = NAME_MAX - 1 - ending.size();
    if (file.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(file[cut]) & 0xC0) == 0x80)
            --cut;
        file.truncate(cut);
    }
    return folder + '.' + file + ending;
}

// The process of this machine that made the temporary `name` (a name TemporaryName gives),
// or 0 when the name does not have exactly that form or comes from another machine.
pid_t TemporaryOwner(std::string_view name) {
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 10 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!name.starts_with('.') || !name.ends_with(kTemporaryEnd))
        return 0;
    name.remove_suffix(std::strlen(kTemporaryEnd));
    const std::size_t dash = name.rfind('-');
    if (dash == std::string_view::npos || !digits(name.substr(dash + 1)))
        return 0;
    name = name.substr(0, dash);
    const std::size_t processDash = name.rfind('-');
    if (processDash == std::string_view::npos)
        return 0;
    const std::string_view process = name.substr(processDash + 1);
    name = name.substr(0, processDash);
    const std::string_view host(HostTag().constData(), HostTag().size());
    if (!name.ends_with(host))
        return 0;
    name.remove_suffix(host.size());
    // At least one byte of the target's name before the mark.
    if (name.size() < 2 + std::strlen(kTemporaryMark) || !name.ends_with(kTemporaryMark))
        return 0;
    long long pid = 0;
    if (!digits(process) ||
        std::from_chars(process.data(), process.data() + process.size(), pid).ec != std::errc{} ||
        pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return 0;
    return static_cast<pid_t>(pid);
}

// Removes from `folder` the temporaries of writers that no longer run: killed outright, or
// on a machine that went down. Only regular files of this user that have exactly the
// temporaries' form of name are touched; whatever fails is left for a later write.
void RemoveLeftoverTemporaries(const QByteArray &folder) {
    DIR *dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return;
    const int dirFd = ::dirfd(dir);
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(dir)) {
        const pid_t owner = TemporaryOwner(entry->d_name);
        // kill with no signal asks whether the process exists; EPERM: it does, another
        // user's.
        if (owner == 0 || owner == self || ::kill(owner, 0) == 0 || errno == EPERM)
            continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid())
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

// The named temporaries that exist now (or are about to), where a signal handler can find
// them: a fixed table, since the handler may neither allocate nor lock. A slot is taken
// and given back with atomic operations only; the handler claims each live slot before it
// removes its file, so a slot is never rewritten under it.
enum SlotState : int { kFree, kFilling, kLive, kRemoving };
struct LiveTemporary {
    std::atomic<int> state{kFree};
    pid_t owner = 0; // a child forked before exec must not remove its parent's files
    char path[PATH_MAX] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);
constexpr int kLiveTemporaries = 16; // more at once than a program writes; the rest go unlisted
LiveTemporary g_live[kLiveTemporaries];

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Removes the live temporaries, then ends the program by the same signal with its default
// action, so whoever started it sees how it ended. Only async-signal-safe calls.
void RemoveTemporariesAndEnd(int signal) {
    const pid_t self = ::getpid();
    for (LiveTemporary &slot : g_live) {
        int live = kLive;
        if (slot.state.compare_exchange_strong(live, kRemoving) && slot.owner == self)
            ::unlink(slot.path);
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    // Blocked while this handler runs; delivered, and ending the program, when it returns.
    ::raise(signal);
}

// Once, before the first named temporary. A signal the program was started ignoring
// (nohup, a background job) or that something else handles is left as it is.
void CatchEndingSignals() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndEnd;
        sigemptyset(&action.sa_mask);
        for (const int signal : kEndingSignals)
            sigaddset(&action.sa_mask, signal);
        for (const int signal : kEndingSignals) {
            struct sigaction old {};
            if (::sigaction(signal, nullptr, &old) == 0 && (old.sa_flags & SA_SIGINFO) == 0 &&
                old.sa_handler == SIG_DFL)
                ::sigaction(signal, &action, nullptr);
        }
    });
}

// Lists `path` (relative to the folder the program is in now) for removal by a signal; the
// slot, or -1 when the table is full or the path too long (a later write removes the file
// if it is left).
int RememberTemporary(const QByteArray &path) {
    CatchEndingSignals();
    QByteArray absolute = path;
    if (!path.startsWith('/')) {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here) == nullptr)
            return -1;
        absolute = QByteArray(here) + '/' + path;
    }
    if (absolute.size() >= PATH_MAX)
        return -1;
    for (int i = 0; i < kLiveTemporaries; ++i) {
        int unused = kFree;
        if (!g_live[i].state.compare_exchange_strong(unused, kFilling))
            continue;
        std::memcpy(g_live[i].path, absolute.constData(), absolute.size() + 1);
        g_live[i].owner = ::getpid();
        g_live[i].state.store(kLive);
        return i;
    }
    return -1;
}

// The file has its final name, or is gone: its slot is free again. A slot a handler has
// claimed stays claimed; the program is ending.
void ForgetTemporary(int &slot) {
    if (slot < 0)
        return;
    int live = kLive;
    g_live[std::exchange(slot, -1)].state.compare_exchange_strong(live, kFree);
}

// A new empty hidden temporary next to `target`, open for writing and listed for removal
// by a signal. The descriptor, or -1 with errno set.
int CreateTemporary(const QByteArray &target, QByteArray &name, int &slot) {
    for (int attempt = 0;; ++attempt) {
        name = TemporaryName(target);
        // Listed before it exists, so that no moment is left in which a signal would miss it.
        slot = RememberTemporary(name);
        const int fd =
            g_calls.open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        const int error = errno;
        ForgetTemporary(slot);
        name.clear();
        // Taken: a leftover of an ended process that had this process's number.
        if (error != EEXIST || attempt > 100) {
            errno = error;
            return -1;
        }
    }
}

// Unlinks the named temporary, if any, and gives back its slot.
void RemoveTemporary(QByteArray &name, int &slot) {
    if (!name.isEmpty())
        ::unlink(std::exchange(name, QByteArray()).constData());
    ForgetTemporary(slot);
}

// Gives the unnamed file `fd` the name `name`; fails with EEXIST when the name is taken.
int LinkUnnamed(int fd, const QByteArray &name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    const int viaProc = errno;
    if (viaProc == EEXIST)
        return EEXIST;
    // Without /proc, the same by the descriptor (needs more privileges).
    if (::linkat(fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0)
        return 0;
    return viaProc;
}

mode_t CurrentUmask() {
    // The only portable way to read it is to set it; it is put back at once.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace

WriterCalls SystemWriterCalls() {
    return {SystemOpen, ::fsync, ::close, ::rename};
}

void SetWriterCalls(const WriterCalls &calls) {
    g_calls = calls;
}

QString NotRegularFile(const QString &path) {
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    return NotRegular(st.st_mode);
}

QString SystemReason(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in the buffer.
    const char *text = ::strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

void ReportFileSizeLimitAsError() {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

WholeFileWriter::WholeFileWriter(QString path, NodeTarget nodes)
    : m_path(std::move(path)), m_nodes(nodes) {}

WholeFileWriter::~WholeFileWriter() {
    cancel();
}

Status FileFailure(StatusCode code, const QString &path, const QString &reason) {
    return Failure(code, path.toStdString(), reason.toStdString());
}

Status WholeFileWriter::fail(int error) {
    return failWith(SystemReason(error));
}

Status WholeFileWriter::failWith(const QString &reason) {
    if (m_status.ok())
        m_status = FileFailure(StatusCode::WriteFailed, m_path, reason);
    cancel();
    return m_status;
}

Status WholeFileWriter::open() {
    m_status = Success();
    if (m_path.isEmpty())
        return failWith(SystemReason(ENOENT));
    const QByteArray path = Native(m_path);
    QByteArray target = path;
    struct stat st {};
    const bool exists = ::stat(path.constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        const bool writable = S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode);
        if (m_nodes == NodeTarget::Refuse || !writable)
            return failWith(NotRegular(st.st_mode));
        // A device or pipe takes the bytes as they come; nothing is renamed over it.
        m_fd = g_calls.open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
        if (m_fd < 0)
            return fail(errno);
        m_direct = true;
        return Success();
    }
    if (exists) {
        // Through a symbolic link the file it points to is replaced, not the link.
        if (char *resolved = ::realpath(path.constData(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    } else {
        struct stat link {};
        if (::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
            // A link to a file yet to be made: the file is made where it points.
            char buffer[4096];
            const ssize_t size = ::readlink(path.constData(), buffer, sizeof buffer - 1);
            if (size > 0) {
                const QByteArray points(buffer, size);
                target = points.startsWith('/') ? points : FolderOf(path) + '/' + points;
            }
        }
    }
    if (exists) {
        // A file its owner may not write is kept from changes on purpose; renaming a new file
        // over it would change it all the same (only the folder's permission is asked), so
        // it is refused here as opening it for writing would be.
        if ((st.st_mode & S_IWUSR) == 0)
            return failWith(QStringLiteral("the file is read-only; it was not replaced"));
        // A file with other names (hard links) cannot be replaced by renaming: the name
        // given would get the new bytes and the other names keep the old ones. Writing the
        // bytes into the file itself would reach every name, but a failure part-way (a full
        // disk, a crash) would then leave the only copy cut short, which this writer never
        // does. Refusing keeps the file whole; the user can save under another name.
        if (st.st_nlink > 1)
            return failWith(
                QStringLiteral("the file has other names (hard links); it was not replaced"));
    }
    m_target = QFile::decodeName(target);
    const QByteArray folder = FolderOf(target);
    RemoveLeftoverTemporaries(folder);
    m_fd = g_calls.open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        const int unnamed = errno;
        if (unnamed != EOPNOTSUPP && unnamed != EISDIR && unnamed != EINVAL)
            return fail(unnamed);
        // A file system without unnamed files: a hidden temporary, removed on failure.
        m_fd = CreateTemporary(target, m_tempName, m_tempSlot);
        if (m_fd < 0)
            return fail(errno);
    }
    // A replaced file keeps its owner and group where the system lets us give them: root
    // may give the file to anyone, another user only to a group of their own. Where it may
    // not (EPERM), the file becomes the user's own, as any file they write does.
    if (exists && ::fchown(m_fd, st.st_uid, st.st_gid) != 0) {
        if (errno != EPERM)
            return fail(errno);
        if (::fchown(m_fd, static_cast<uid_t>(-1), st.st_gid) != 0 && errno != EPERM)
            return fail(errno);
    }
    // A replaced file keeps its permissions (set after the owner, whose change clears the
    // set-user-ID and set-group-ID bits); a new one gets what the user's mask allows.
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(m_fd, mode) != 0 && exists)
        return fail(errno);
    return Success();
}

Status WholeFileWriter::write(const char *data, qint64 size) {
    if (m_fd < 0)
        return fail(EBADF); // the first failure, when there was one, is kept
    if (m_block != nullptr)
        return writeGathered(data, size);
    if (const int error = WriteAll(m_fd, data, size))
        return fail(error);
    return Success();
}

void WholeFileWriter::bypassCache() {
    if (m_fd < 0 || m_direct || m_block != nullptr)
        return;
    // Such writes go to whole blocks of the file: from its start, or at a block's edge.
    if (::lseek(m_fd, 0, SEEK_CUR) % kBypassAlignment != 0)
        return;
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags | O_DIRECT) != 0)
        return; // a file system without them: the bytes go through the cache
    m_block.reset(static_cast<char *>(std::aligned_alloc(kBypassAlignment, kBypassBlockBytes)));
    if (m_block == nullptr)
        ::fcntl(m_fd, F_SETFL, flags);
    m_gathered = 0;
}

Status WholeFileWriter::writeGathered(const char *data, qint64 size) {
    while (size > 0 && m_block != nullptr) {
        const qint64 take = std::min(size, kBypassBlockBytes - m_gathered);
        std::memcpy(m_block.get() + m_gathered, data, static_cast<std::size_t>(take));
        m_gathered += take;
        data += take;
        size -= take;
        if (m_gathered == kBypassBlockBytes) {
            if (const int error = writeBlock())
                return fail(error);
        }
    }
    // What is left after the bypass ended goes through the cache.
    if (const int error = WriteAll(m_fd, data, size))
        return fail(error);
    return Success();
}

int WholeFileWriter::writeBlock() {
    const ssize_t done = ::write(m_fd, m_block.get(), static_cast<std::size_t>(m_gathered));
    if (done == m_gathered) {
        m_gathered = 0;
        return 0;
    }
    // Not taken whole (a size limit part-way through, an interruption, a block size larger
    // than ours): the bypass ends, and the rest of the block goes through the cache, which
    // also gives a failure its usual reason.
    return leaveBypass(done > 0 ? done : 0);
}

int WholeFileWriter::leaveBypass(qint64 written) {
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(m_fd, F_SETFL, flags & ~O_DIRECT);
    const std::unique_ptr<char, FreeBlock> block = std::move(m_block);
    const qint64 rest = m_gathered - written;
    m_gathered = 0;
    return WriteAll(m_fd, block.get() + written, rest);
}

Status WholeFileWriter::commit() {
    if (m_fd < 0)
        return fail(EBADF);
    if (m_direct) {
        const int fd = std::exchange(m_fd, -1);
        if (g_calls.close(fd) != 0 && errno != EINTR)
            return fail(errno);
        return Success();
    }
    // The last, partial block goes through the cache: writes past the cache cover whole
    // blocks only.
    if (m_block != nullptr) {
        if (const int error = leaveBypass(0))
            return fail(error);
    }
    // Delayed allocation reports a full disk only here.
    if (g_calls.fsync(m_fd) != 0 && errno != EINVAL)
        return fail(errno);
    const QByteArray target = Native(m_target);
    if (m_tempName.isEmpty()) {
        for (int attempt = 0;; ++attempt) {
            const QByteArray temporary = TemporaryName(target);
            // Listed before the name exists, as in CreateTemporary.
            m_tempSlot = RememberTemporary(temporary);
            const int error = LinkUnnamed(m_fd, temporary);
            if (error == 0) {
                m_tempName = temporary;
                break;
            }
            ForgetTemporary(m_tempSlot);
            if (error != EEXIST || attempt > 100)
                return fail(error);
        }
    }
    const int fd = std::exchange(m_fd, -1);
    if (g_calls.close(fd) != 0 && errno != EINTR)
        return fail(errno);
    if (g_calls.rename(m_tempName.constData(), target.constData()) != 0)
        return fail(errno);
    m_tempName.clear();
    ForgetTemporary(m_tempSlot);
    return Success();
}

void WholeFileWriter::cancel() {
    m_block.reset();
    m_gathered = 0;
    if (m_fd >= 0)
        g_calls.close(std::exchange(m_fd, -1));
    RemoveTemporary(m_tempName, m_tempSlot);
}

Status WriteWholeFile(const QString &path, const QByteArray &bytes, NodeTarget nodes) {
    WholeFileWriter file(path, nodes);
    if (file.open().ok() && file.write(bytes).ok() && file.commit().ok())
        return Success();
    return file.status();
}

Status WriteNewFile(const QString &path, const QByteArray &bytes) {
    const QByteArray name = Native(path);
    const Status taken = FileFailure(StatusCode::NameTaken, path, SystemReason(EEXIST));
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0)
        return taken;
    auto failed = [&path](int number) {
        return FileFailure(StatusCode::WriteFailed, path, SystemReason(number));
    };
    const QByteArray folder = FolderOf(name);
    RemoveLeftoverTemporaries(folder);
    int fd = g_calls.open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    QByteArray temporary;
    int slot = -1;
    if (fd < 0) {
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return failed(errno);
        fd = CreateTemporary(name, temporary, slot);
        if (fd < 0)
            return failed(errno);
    }
    auto drop = [&] {
        if (fd >= 0)
            g_calls.close(std::exchange(fd, -1));
        RemoveTemporary(temporary, slot);
    };
    int problem = ::fchmod(fd, 0666 & ~CurrentUmask()) == 0 ? 0 : errno;
    if (problem == 0)
        problem = WriteAll(fd, bytes.constData(), bytes.size());
    if (problem == 0 && g_calls.fsync(fd) != 0 && errno != EINVAL)
        problem = errno;
    if (problem != 0) {
        drop();
        return failed(problem);
    }
    // The name is claimed by a link, which never replaces: of two programs that picked the
    // same free name, one gets EEXIST and moves on to the next name.
    int linked = 0;
    if (temporary.isEmpty()) {
        linked = LinkUnnamed(fd, name);
    } else if (::link(temporary.constData(), name.constData()) != 0) {
        linked = errno;
        if (linked == EPERM || linked == EOPNOTSUPP)
            linked = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(),
                                 RENAME_NOREPLACE) == 0
                         ? 0
                         : errno;
    }
    const int closeError = g_calls.close(std::exchange(fd, -1)) == 0 || errno == EINTR ? 0 : errno;
    if (linked != 0) {
        drop();
        return linked == EEXIST ? taken : failed(linked);
    }
    drop(); // the temporary's own name, if any
    if (closeError != 0) {
        ::unlink(name.constData());
        return failed(closeError);
    }
    return Success();
}

Status ReadRegularFile(const QString &path, qint64 limit, QByteArray &bytes) {
    auto failed = [&path](const QString &reason) {
        return FileFailure(StatusCode::ReadFailed, path, reason);
    };
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(SystemReason(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int number = errno;
        ::close(fd);
        return failed(S_ISREG(st.st_mode) || st.st_mode == 0 ? SystemReason(number)
                                                             : NotRegular(st.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray result;
    char chunk[1 << 16];
    while (result.size() < limit) {
        const ssize_t got = ::read(
            fd, chunk, static_cast<size_t>(std::min<qint64>(sizeof chunk, limit - result.size())));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int number = errno;
            ::close(fd);
            return failed(SystemReason(number));
        }
        if (got == 0)
            break;
        result.append(chunk, got);
    }
    ::close(fd);
    bytes = std::move(result);
    return Success();
}

} // namespace starloom
