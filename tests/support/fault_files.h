// Faults for file tests: a small file system that is full, device nodes and pipes made in a
// temporary folder (never in the system's /dev), and a limit on the size of files written.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace starloom::testing {

// A 64 KiB tmpfs mounted on `folder` and filled to the last byte, unmounted when the
// object goes. isFull() is false where the test may not mount (not root, no privilege).
class FullDisk {
public:
    explicit FullDisk(const QString &folder) : folder_(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=64k") != 0)
            return;
        mounted_ = true;
    }
    ~FullDisk() {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool mounted() const { return mounted_; }
    // Fills what is left with one file; the files already there stay.
    bool fill() {
        const QByteArray filler = folder_ + "/filler";
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), block.size()) > 0) {
        }
        // Byte by byte into the last partial block.
        while (::write(fd, "f", 1) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

// A character device that discards what is written (the same as the system's null device),
// made at `path`. False where the test may not make device nodes.
inline bool MakeNullDevice(const QString &path) {
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
}

inline bool MakePipe(const QString &path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// The file type at `path`, following links: S_IFREG, S_IFCHR, S_IFIFO..., or 0.
inline mode_t NodeType(const QString &path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// While it lives, files of this process may not grow beyond `bytes`; a write past it
// fails with "File too large" instead of raising the signal that would end the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    struct rlimit old_ {};
    void (*handler_)(int) = nullptr;
};

} // namespace starloom::testing
