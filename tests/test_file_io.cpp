// Checked writes: a full disk, a size limit, device nodes and pipes as targets, files
// claimed by several processes at once, and reads that must not wait on a pipe.
#include "shell/file_io.h"
#include "support/fault_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <thread>

using namespace starloom;
using namespace starloom::testing;

namespace {

QByteArray Content(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class TestFileIo : public QObject {
    Q_OBJECT
private slots:
    void failedWrite_data();
    void failedWrite();
    void nodeTarget_data();
    void nodeTarget();
    void claimsOfSeveralProcesses();
    void pipeIsNotRead();
};

void TestFileIo::failedWrite_data() {
    QTest::addColumn<bool>("fullDisk"); // else a file-size limit of 16 bytes
    QTest::addColumn<bool>("earlier");  // a file of the name exists before
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("reason");
    // Small writes used to sit in a buffer whose failed flush went unnoticed: the old file
    // was replaced by an empty one and the write reported success.
    QTest::newRow("full disk, small file over an earlier one")
        << true << true << 100 << "No space left on device";
    QTest::newRow("full disk, small new file") << true << false << 100 << "No space left on device";
    QTest::newRow("full disk, large new file")
        << true << false << 300000 << "No space left on device";
    QTest::newRow("size limit, small file over an earlier one")
        << false << true << 100 << "File too large";
    QTest::newRow("size limit, small new file") << false << false << 100 << "File too large";
}

void TestFileIo::failedWrite() {
    QFETCH(bool, fullDisk);
    QFETCH(bool, earlier);
    QFETCH(int, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("disk"));
    FullDisk disk(folder);
    if (fullDisk && !disk.mounted())
        QSKIP("mounting a small tmpfs needs root (CAP_SYS_ADMIN); the size-limit rows cover it");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/anna.act");
    if (earlier)
        QVERIFY(WriteWholeFile(path, "earlier", NodeTarget::Refuse, nullptr));
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (fullDisk)
        QVERIFY(disk.fill());

    QString error;
    bool written = false;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!fullDisk)
            limit = std::make_unique<FileSizeLimit>(16);
        written = WriteWholeFile(path, QByteArray(size, 'x'), NodeTarget::Refuse, &error);
    }
    QVERIFY(!written);
    QCOMPARE(error, reason);
    QCOMPARE(Content(path), earlier ? QByteArray("earlier") : QByteArray("<none>"));
    QStringList after = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    after.removeAll(QStringLiteral("filler"));
    QCOMPARE(after, before);
}

void TestFileIo::nodeTarget_data() {
    QTest::addColumn<QString>("node"); // device, pipe, or a link to a device
    QTest::addColumn<bool>("writeInto");
    for (const char *node : {"device", "pipe", "link to a device"}) {
        QTest::addRow("%s refused", node) << node << false;
        QTest::addRow("%s written into", node) << node << true;
    }
}

// A node is never replaced by a regular file: it is refused, or takes the bytes itself.
void TestFileIo::nodeTarget() {
    QFETCH(QString, node);
    QFETCH(bool, writeInto);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out"));
    const bool pipe = node == QLatin1String("pipe");
    const QString made = node.startsWith(QLatin1String("link")) ? dir.filePath("null") : target;
    if (!(pipe ? MakePipe(made) : MakeNullDevice(made)))
        QSKIP("making a device node needs root (CAP_MKNOD)");
    if (made != target)
        QVERIFY(QFile::link(made, target));
    const mode_t type = NodeType(target);

    QByteArray received;
    std::thread reader;
    if (pipe && writeInto) {
        reader = std::thread([&] {
            QFile in(target);
            if (in.open(QIODevice::ReadOnly))
                received = in.readAll();
        });
    }
    QString error;
    const bool written = WriteWholeFile(
        target, "bytes", writeInto ? NodeTarget::WriteInto : NodeTarget::Refuse, &error);
    if (reader.joinable())
        reader.join();
    QCOMPARE(written, writeInto);
    if (!writeInto)
        QVERIFY2(error.startsWith(QLatin1String("not a regular file")), qPrintable(error));
    if (pipe && writeInto)
        QCOMPARE(received, QByteArray("bytes"));
    QCOMPARE(NodeType(target), type);
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDir::Name),
             made == target ? QStringList{"out"} : QStringList({"null", "out"}));
}

// Four processes claim names from one list at once, each taking the first name it finds
// free and moving on when another process got there first: every name ends up with
// exactly one owner's bytes, and no claim is lost.
void TestFileIo::claimsOfSeveralProcesses() {
    constexpr int kProcesses = 4;
    constexpr int kClaimsEach = 25;
    QTemporaryDir dir;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            int next = 0;
            for (int claim = 0; claim < kClaimsEach; ++claim) {
                const QByteArray mine = QByteArray::number(p) + ':' + QByteArray::number(claim);
                for (;; ++next) {
                    const QString name = dir.filePath(QStringLiteral("chart_%1.jpg").arg(next));
                    const ClaimResult result = WriteNewFile(name, mine, nullptr);
                    if (result == ClaimResult::Failed)
                        ::_exit(1);
                    if (result == ClaimResult::Written)
                        break;
                }
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files.size(), kProcesses * kClaimsEach);
    QSet<QByteArray> contents;
    for (const QString &file : files)
        contents.insert(Content(dir.filePath(file)));
    QCOMPARE(contents.size(), kProcesses * kClaimsEach);
}

void TestFileIo::pipeIsNotRead() {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("x.act"));
    QVERIFY(MakePipe(pipe));
    QByteArray bytes;
    QString error;
    QVERIFY(!ReadRegularFile(pipe, 1024, bytes, &error));
    QCOMPARE(error, QStringLiteral("not a regular file but a pipe"));
    QVERIFY(!ReadRegularFile(dir.path(), 1024, bytes, &error));
    QCOMPARE(error, QStringLiteral("not a regular file but a folder"));
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "test_file_io.moc"
