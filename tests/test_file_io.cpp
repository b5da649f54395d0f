// The checked writer when a system call fails the way a failing disk or a network file
// system makes it fail: each failure refuses the save with the system's reason, keeps the
// earlier file and leaves no temporary behind.
#include "shell/core/file_io.h"
#include "shell/core/file_io_calls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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
    QString reason;
    const QByteArray bytes(5000, 'x');
    if (way == Way::Claim)
        QCOMPARE(WriteNewFile(path, bytes, &reason), ClaimResult::Failed);
    else
        QVERIFY(!WriteWholeFile(path, bytes, NodeTarget::Refuse, &reason));
    // The reason is the C library's text for the error number, not one of our own.
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(error)));
    const bool earlier = way == Way::OverEarlier;
    QCOMPARE(Content(path), earlier ? QByteArray("earlier") : QByteArray("<none>"));
    QCOMPARE(Entries(dir.path()), earlier ? QStringList{"anna.act"} : QStringList());
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "test_file_io.moc"
