// The checked writer when a system call fails the way a failing disk or a network file
// system makes it fail: each failure refuses the save with the system's reason, keeps the
// earlier file and leaves no temporary behind.
#include "shell/core/file_io.h"
#include "shell/core/file_io_calls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

using namespace starloom;

namespace {

// The one call made to fail, and how; the others are the system's own.
struct Fault {
    QString call;
    int error = 0;
    bool noUnnamedFiles = false; // as on a file system without O_TMPFILE
};
Fault g_fault;

int FaultyOpen(const char *path, int flags, mode_t mode) {
    if (g_fault.noUnnamedFiles && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ::open(path, flags, mode);
}

int FaultyFsync(int fd) {
    if (g_fault.call != QLatin1String("fsync"))
        return ::fsync(fd);
    errno = g_fault.error;
    return -1;
}

// As on Linux, the descriptor is gone even when close reports an error.
int FaultyClose(int fd) {
    const int result = ::close(fd);
    if (g_fault.call != QLatin1String("close"))
        return result;
    errno = g_fault.error;
    return -1;
}

int FaultyRename(const char *from, const char *to) {
    if (g_fault.call != QLatin1String("rename"))
        return ::rename(from, to);
    errno = g_fault.error;
    return -1;
}

QByteArray Content(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QStringList Entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestFileIo : public QObject {
    Q_OBJECT
private slots:
    void init() { SetWriterCalls({FaultyOpen, FaultyFsync, FaultyClose, FaultyRename}); }
    void cleanup() {
        g_fault = {};
        SetWriterCalls(SystemWriterCalls());
    }
    void failingCallRefusesTheSave_data();
    void failingCallRefusesTheSave();
    void leftoverOfEndedWriterRemoved_data();
    void leftoverOfEndedWriterRemoved();
    void longestNameWritten_data();
    void longestNameWritten();
    void largeFilePastTheCache_data();
    void largeFilePastTheCache();

private:
    static void CheckLeftOutOfCache(const QString &path, qsizetype size);
};

// The three ways to write: replacing, over an earlier file or not, and claiming a new name
// (as images are saved, never replacing).
enum class Way { New, OverEarlier, Claim };

void TestFileIo::failingCallRefusesTheSave_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("noUnnamedFiles");
    QTest::addColumn<Way>("way");
    const QList<QPair<const char *, int>> faults = {
        {"fsync", EIO},    {"fsync", ENOSPC}, {"fsync", EDQUOT}, {"close", EIO},
        {"close", ENOSPC}, {"rename", EIO},   {"rename", EXDEV},
    };
    for (const auto &[call, error] : faults) {
        for (const bool noUnnamedFiles : {false, true}) {
            const char *temporary = noUnnamedFiles ? "named" : "unnamed";
            const char *name = strerrorname_np(error);
            QTest::addRow("%s fails with %s, %s temporary, new file", call, name, temporary)
                << call << error << noUnnamedFiles << Way::New;
            QTest::addRow("%s fails with %s, %s temporary, over an earlier file", call, name,
                          temporary)
                << call << error << noUnnamedFiles << Way::OverEarlier;
            // A new name is claimed by a link, not by rename.
            if (std::strcmp(call, "rename") != 0)
                QTest::addRow("%s fails with %s, %s temporary, claiming a name", call, name,
                              temporary)
                    << call << error << noUnnamedFiles << Way::Claim;
        }
    }
}

void TestFileIo::failingCallRefusesTheSave() {
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(bool, noUnnamedFiles);
    QFETCH(Way, way);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anna.act"));
    if (way == Way::OverEarlier) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    g_fault = {call, error, noUnnamedFiles};
    const QByteArray bytes(5000, 'x');
    const Status written = way == Way::Claim ? WriteNewFile(path, bytes)
                                             : WriteWholeFile(path, bytes, NodeTarget::Refuse);
    // A failed write of that file, for the C library's reason, not one of our own.
    QCOMPARE(written.code, StatusCode::WriteFailed);
    QCOMPARE(QString::fromStdString(written.subject), path);
    QCOMPARE(QString::fromStdString(written.reason), QString::fromLocal8Bit(std::strerror(error)));
    const bool earlier = way == Way::OverEarlier;
    QCOMPARE(Content(path), earlier ? QByteArray("earlier") : QByteArray("<none>"));
    QCOMPARE(Entries(dir.path()), earlier ? QStringList{"anna.act"} : QStringList());
}

void TestFileIo::leftoverOfEndedWriterRemoved_data() {
    QTest::addColumn<QString>("name"); // %1: a process that has ended, %2: this one, %h: host
    QTest::addColumn<QString>("kind"); // file, folder, link, or foreign (another user's file)
    QTest::addColumn<bool>("claim");   // the next write claims a new name instead of replacing
    QTest::addColumn<bool>("removed");
    const auto row = [](const char *what, const char *name, const char *kind, bool removed) {
        QTest::newRow(what) << name << kind << false << removed;
    };
    row("leftover of the name written", ".anna.act.starloom-%h-%1-0.part", "file", true);
    row("leftover of another name", ".notes.txt.starloom-%h-%1-17.part", "file", true);
    row("name with dots and dashes", ".a-1.b.starloom-%h-%1-2.part", "file", true);
    QTest::newRow("leftover removed when claiming a name") << ".anna.act.starloom-%h-%1-0.part"
                                                           << "file" << true << true;
    row("of this process, which runs", ".anna.act.starloom-%h-%2-0.part", "file", false);
    row("of process 1, which runs", ".anna.act.starloom-%h-1-0.part", "file", false);
    row("of another machine", ".anna.act.starloom-elsewhere-%1-0.part", "file", false);
    row("no machine", ".anna.act.starloom-%1-0.part", "file", false);
    row("not hidden", "anna.act.starloom-%h-%1-0.part", "file", false);
    row("no name before the mark", ".starloom-%h-%1-0.part", "file", false);
    row("another ending", ".anna.act.starloom-%h-%1-0.part.bak", "file", false);
    row("process number with a letter", ".anna.act.starloom-%h-%1x-0.part", "file", false);
    row("no running number", ".anna.act.starloom-%h-%1.part", "file", false);
    row("without the program's mark", ".anna.act.%1-0.part", "file", false);
    row("a folder", ".d.starloom-%h-%1-0.part", "folder", false);
    row("a symbolic link", ".l.starloom-%h-%1-0.part", "link", false);
    row("another user's file", ".o.starloom-%h-%1-0.part", "foreign", false);
}

// A write removes the hidden temporaries that writers which have ended (killed, or on a
// machine that lost power) left in its folder, and nothing else.
void TestFileIo::leftoverOfEndedWriterRemoved() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, claim);
    QFETCH(bool, removed);
    if (kind == QLatin1String("foreign") && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    // A child that has ended and been waited for: its process number is free.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    QVERIFY(ended > 0);
    QCOMPARE(::waitpid(ended, nullptr, 0), ended);
    // The machine's name as temporaries carry it: letters and digits, the rest as "_".
    char host[256] = {};
    QCOMPARE(::gethostname(host, sizeof host - 1), 0);
    const QString hostTag = QString::fromLatin1(host).left(32).replace(
        QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    QTemporaryDir dir;
    const QString leftover =
        dir.filePath(QString(name)
                         .replace(QLatin1String("%1"), QString::number(ended))
                         .replace(QLatin1String("%2"), QString::number(::getpid()))
                         .replace(QLatin1String("%h"), hostTag));
    const QByteArray native = QFile::encodeName(leftover);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(leftover));
    } else if (kind == QLatin1String("link")) {
        QCOMPARE(::symlink("/nonexistent", native.constData()), 0);
    } else {
        QFile file(leftover);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("part of an earlier write");
        file.close();
        if (kind == QLatin1String("foreign"))
            QCOMPARE(::chown(native.constData(), 4321, 4321), 0);
    }
    const QString path = dir.filePath(QStringLiteral("anna.act"));
    const Status written =
        claim ? WriteNewFile(path, "new") : WriteWholeFile(path, "new", NodeTarget::Refuse);
    QVERIFY2(written.ok(), written.reason.c_str());
    struct stat info {};
    QCOMPARE(::lstat(native.constData(), &info) != 0, removed);
    QCOMPARE(Content(path), QByteArray("new"));
}

void TestFileIo::longestNameWritten_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("noUnnamedFiles");
    // 255 bytes, the longest name Linux file systems take (NAME_MAX).
    const QString ascii = QString(251, QLatin1Char('a')) + QStringLiteral(".act");
    const QString accented = QString(125, QChar(0xE9)) + QStringLiteral("a.act"); // é: 2 bytes
    QCOMPARE(ascii.toUtf8().size(), 255);
    QCOMPARE(accented.toUtf8().size(), 255);
    for (const bool noUnnamedFiles : {false, true}) {
        const char *temporary = noUnnamedFiles ? "named" : "unnamed";
        QTest::addRow("ASCII, %s temporary", temporary) << ascii << noUnnamedFiles;
        QTest::addRow("accented, %s temporary", temporary) << accented << noUnnamedFiles;
    }
}

// The temporary's name adds to the target's; it must still fit where the target's fits.
void TestFileIo::longestNameWritten() {
    QFETCH(QString, file);
    QFETCH(bool, noUnnamedFiles);
    g_fault.noUnnamedFiles = noUnnamedFiles;
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    for (const QByteArray &bytes : {QByteArray("first"), QByteArray("second")}) {
        const Status written = WriteWholeFile(path, bytes, NodeTarget::Refuse);
        QVERIFY2(written.ok(), written.reason.c_str());
        QCOMPARE(Content(path), bytes);
    }
    const QString claimed = dir.filePath(QStringLiteral("b") + file.mid(1));
    QVERIFY(WriteNewFile(claimed, "claimed").ok());
    QCOMPARE(WriteNewFile(claimed, "again").code, StatusCode::NameTaken);
    QCOMPARE(Entries(dir.path()).size(), 2);
}

void TestFileIo::largeFilePastTheCache_data() {
    QTest::addColumn<int>("piece");        // bytes handed to each write
    QTest::addColumn<qint64>("sizeLimit"); // RLIMIT_FSIZE in bytes, 0 for none
    QTest::addColumn<bool>("noUnnamedFiles");
    constexpr int kBlock = 1 << 20; // the writer's gathering block
    QTest::newRow("pieces smaller than a block") << 4093 << qint64(0) << false;
    QTest::newRow("pieces larger than a block") << kBlock + 4097 << qint64(0) << false;
    QTest::newRow("named temporary") << 65537 << qint64(0) << true;
    QTest::newRow("size limit inside a block")
        << 65537 << qint64(kBlock + kBlock / 2 + 100) << false;
    QTest::newRow("size limit at a block's edge") << 65537 << qint64(2 * kBlock) << false;
}

// A file written past the cache holds the bytes exactly, however they were cut into pieces
// and wherever a block ends; a size limit met part-way fails the save with the system's
// reason and leaves nothing behind. Where the file system takes such writes (tmpfs keeps
// every file in memory, so it is left out), at most the last partial block is in the cache.
void TestFileIo::largeFilePastTheCache() {
    QFETCH(int, piece);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, noUnnamedFiles);
    g_fault.noUnnamedFiles = noUnnamedFiles;
    QByteArray bytes(3 * (1 << 20) + 123, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rows.jsonl"));

    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (sizeLimit > 0) {
        const rlimit limited{static_cast<rlim_t>(sizeLimit), before.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    WholeFileWriter file(path, NodeTarget::Refuse);
    Status written = file.open();
    file.bypassCache();
    for (qsizetype at = 0; written.ok() && at < bytes.size(); at += piece)
        written = file.write(bytes.constData() + at, std::min<qsizetype>(piece, bytes.size() - at));
    if (written.ok())
        written = file.commit();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    if (sizeLimit > 0) {
        QCOMPARE(written.code, StatusCode::WriteFailed);
        QCOMPARE(QString::fromStdString(written.reason), QString::fromLocal8Bit(strerror(EFBIG)));
        QCOMPARE(Entries(dir.path()), QStringList());
        return;
    }
    QVERIFY2(written.ok(), written.reason.c_str());
    CheckLeftOutOfCache(path, bytes.size());
    QVERIFY(Content(path) == bytes);
}

// Before the file is read back.
void TestFileIo::CheckLeftOutOfCache(const QString &path, qsizetype size) {
    const QString folder = QFileInfo(path).path();
    struct statfs system {};
    QCOMPARE(statfs(QFile::encodeName(folder).constData(), &system), 0);
    const QByteArray probeName = QFile::encodeName(folder + QStringLiteral("/probe"));
    const int probe = ::open(probeName.constData(), O_WRONLY | O_CREAT | O_DIRECT, 0600);
    if (probe >= 0) {
        ::close(probe);
        ::unlink(probeName.constData());
    }
    if (system.f_type == TMPFS_MAGIC || probe < 0)
        return;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    QVERIFY(fd >= 0);
    const long page = sysconf(_SC_PAGESIZE);
    void *mapped = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    QVERIFY(mapped != MAP_FAILED);
    std::vector<unsigned char> resident((size + page - 1) / page);
    QCOMPARE(mincore(mapped, size, resident.data()), 0);
    munmap(mapped, size);
    const auto cached = std::count_if(resident.begin(), resident.end(),
                                      [](unsigned char flags) { return (flags & 1) != 0; });
    QVERIFY2(cached <= (1 << 20) / page, qPrintable(QString::number(cached)));
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "test_file_io.moc"
