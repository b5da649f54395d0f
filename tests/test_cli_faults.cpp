// starloom-cli when the system says no: output that cannot be written (a full disk, a size
// limit, a device, a lost standard output), files that may not be replaced (read-only, with
// hard links) or keep their owner, a batch ended by a signal, names that are no image file,
// reading files that are pipes or no reading, image commands running at once in one
// folder, and a damaged built-in table.
#include "engine/precise_table_digest.h"
#include "support/fault_files.h"
#include "test_cli_support.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace starloom;
using namespace starloom::clitest;
using namespace starloom::testing;

namespace {

const QStringList kBirth = {"--date", "1990-05-01", "--time",  "12:00",  "--zone",    "29",
                            "--lat",  "51:28N",     "--lon",   "0:00W",  "--name",    "Mary Ann",
                            "--city", "Greenwich",  "--state", "London", "--country", "England"};

constexpr char kOneRow[] = "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,"
                           "lon_deg,lon_min,lon_dir,city,state,country\n"
                           "Mary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n";

// Runs the tool through the shell, which first runs `setup` (redirections, limits).
CliRun RunShell(const QString &setup, const QStringList &args, const QString &folder = {}) {
    return RunProgram(QStringLiteral("/bin/sh"),
                      QStringList{"-c", setup + QStringLiteral(" exec \"$0\" \"$@\""),
                                  QStringLiteral(STARLOOM_CLI)} +
                          args,
                      folder);
}

// Runs the tool on an endless input, the header and the same row for ever (`rows`) or
// endless zero bytes, with its standard output sent by `redirect`. It can only end by
// giving up early; a tool that reads on is stopped after half a minute (exit status 124).
CliRun RunOnEndlessInput(bool rows, const QString &redirect, const QStringList &args) {
    const QList<QByteArray> lines = QByteArray(kOneRow).split('\n');
    const QString input = rows ? QStringLiteral("{ echo '%1'; yes '%2'; }")
                                     .arg(QString::fromUtf8(lines[0]), QString::fromUtf8(lines[1]))
                               : QStringLiteral("cat /dev/zero");
    return RunProgram(QStringLiteral("/bin/sh"),
                      QStringList{"-c", input + " | timeout 30 \"$0\" \"$@\" " + redirect,
                                  QStringLiteral(STARLOOM_CLI)} +
                          args);
}

QByteArray Content(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// A process started with posix_spawn, killed and waited for if the test ends before it does.
struct Child {
    pid_t pid = -1;
    int input = -1; // the write end of its standard input
    ~Child() {
        if (input >= 0)
            ::close(input);
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    // The status waitpid gives, or -1.
    int wait() {
        int status = -1;
        if (::waitpid(pid, &status, 0) != pid)
            return -1;
        pid = -1;
        return status;
    }
};

} // namespace

class TestCliFaults : public QObject {
    Q_OBJECT
private slots:
    void givesUpAtOnce_data();
    void givesUpAtOnce();
    void lostStandardOutput_data();
    void lostStandardOutput();
    void writeFails_data();
    void writeFails();
    void sizeLimitSignalDoesNotKill_data();
    void sizeLimitSignalDoesNotKill();
    void interruptedBatchLeavesNoTemporary_data();
    void interruptedBatchLeavesNoTemporary();
    void replacedFileKeepsItsOwnerAndMode_data();
    void replacedFileKeepsItsOwnerAndMode();
    void saveRefusesADevice_data();
    void saveRefusesADevice();
    void imageNameThatIsAFolder_data();
    void imageNameThatIsAFolder();
    void imagesAtOnceNeverReplace();
    void readingFileThatIsNoReading_data();
    void readingFileThatIsNoReading();
    void damagedTableRefusesToStart_data();
    void damagedTableRefusesToStart();
};

// What cannot work is said before any work, and the first failed write ends the run.
void TestCliFaults::givesUpAtOnce_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("rows"); // else endless zero bytes
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("batch into a full device")
        << QStringList{"batch", "-"} << true << ">/dev/full"
        << QByteArray("standard output: No space left on device");
    QTest::newRow("batch into a missing folder")
        << QStringList{"batch", "-", "--out", "/nonexistent/folder/out.jsonl"} << true
        << ">/dev/null" << QByteArray("/nonexistent/folder/out.jsonl: No such file or directory");
    QTest::newRow("stats drawing into a missing folder")
        << QStringList{"stats", "-", "--plot", "/nonexistent/folder/chart.svg"} << true << ""
        << QByteArray("/nonexistent/folder/chart.svg: No such file or directory");
    for (const char *command : {"batch", "stats"}) {
        QTest::addRow("%s reading zero bytes", command)
            << QStringList{command, "-"} << false << ">/dev/null"
            << QByteArray("the first line must be the header");
    }
}

void TestCliFaults::givesUpAtOnce() {
    QFETCH(QStringList, args);
    QFETCH(bool, rows);
    QFETCH(QString, redirect);
    QFETCH(QByteArray, message);
    const CliRun run = RunOnEndlessInput(rows, redirect, args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QCOMPARE(run.out, QByteArray());
}

void TestCliFaults::lostStandardOutput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QString>("reason");
    const QList<QPair<const char *, QStringList>> commands = {
        {"reading", QStringList{"reading"} + kBirth},
        {"reading --json", QStringList{"reading", "--json"} + kBirth},
        {"open", {"open", QStringLiteral(STARLOOM_CLI_GOLDEN_DIR "/maryann.act")}},
        {"zones", {"zones"}},
        {"--help", {"--help"}},
        {"batch", {"batch", "-"}},
    };
    for (const auto &[name, args] : commands) {
        QTest::addRow("%s into a full device", name) << args << ">/dev/full"
                                                     << "No space left on device";
        QTest::addRow("%s into a closed output", name) << args << ">&-"
                                                       << "Bad file descriptor";
    }
}

void TestCliFaults::lostStandardOutput() {
    QFETCH(QStringList, args);
    QFETCH(QString, redirect);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile csv(in);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(kOneRow);
    csv.close();
    if (args.last() == QLatin1String("-"))
        args.last() = in;
    const CliRun run = RunShell(QStringLiteral("exec %1;").arg(redirect), args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("standard output: " + reason.toUtf8()), run.err.constData());
}

void TestCliFaults::writeFails_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("fullDisk"); // else a file-size limit
    QTest::addColumn<bool>("earlier");  // a file of the name exists before
    for (const char *command : {"save", "export", "batch"}) {
        for (const bool fullDisk : {false, true}) {
            const char *fault = fullDisk ? "full disk" : "size limit";
            QTest::addRow("%s, %s, over an earlier file", command, fault)
                << command << fullDisk << true;
            QTest::addRow("%s, %s, new file", command, fault) << command << fullDisk << false;
        }
    }
}

// The earlier file stays as it was, a new one is not left behind, and the exit status and
// message say what happened.
void TestCliFaults::writeFails() {
    QFETCH(QString, command);
    QFETCH(bool, fullDisk);
    QFETCH(bool, earlier);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile csv(in);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(kOneRow);
    csv.close();
    const QString folder = dir.filePath(QStringLiteral("out"));
    FullDisk disk(folder);
    if (fullDisk && !disk.mounted())
        QSKIP("mounting a small tmpfs needs root (CAP_SYS_ADMIN); the size-limit rows cover it");
    const QString path = folder + QStringLiteral("/anna.out");
    if (earlier) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    if (fullDisk)
        QVERIFY(disk.fill());
    QStringList args = command == QLatin1String("batch") ? QStringList{"batch", in, "--out", path}
                                                         : QStringList{command, path} + kBirth;
    // Signals ignored at the exec stay ignored, so the limit fails the write instead of
    // killing the tool.
    const CliRun run =
        RunShell(fullDisk ? QString() : QStringLiteral("trap '' XFSZ; ulimit -f 0;"), args);
    QCOMPARE(run.exitCode, 2);
    const QByteArray reason = fullDisk ? "No space left on device" : "File too large";
    QVERIFY2(run.err.contains(path.toUtf8() + ": " + reason), run.err.constData());
    QCOMPARE(Content(path), earlier ? QByteArray("earlier") : QByteArray("<none>"));
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("filler"));
    QCOMPARE(left, earlier ? QStringList{"anna.out"} : QStringList());
}

void TestCliFaults::sizeLimitSignalDoesNotKill_data() {
    QTest::addColumn<QString>("command");
    for (const char *command : {"save", "export", "pdf", "image", "batch"})
        QTest::newRow(command) << command;
}

// Past the file-size limit the system also sends a signal whose default action ends the
// tool without a word; the tool reports the failed write instead, like any other.
void TestCliFaults::sizeLimitSignalDoesNotKill() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile csv(in);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(kOneRow);
    csv.close();
    const QString folder = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + (command == QLatin1String("image") ? "/anna.jpg" : "/anna.out");
    const QStringList args = command == QLatin1String("batch")
                                 ? QStringList{"batch", in, "--out", path}
                                 : QStringList{command, path} + kBirth;
    const CliRun run = RunShell(QStringLiteral("trap - XFSZ; ulimit -f 0;"), args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(path.toUtf8()), run.err.constData());
    QVERIFY2(run.err.contains("File too large"), run.err.constData());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestCliFaults::interruptedBatchLeavesNoTemporary_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// A batch ended by a signal part-way through writing its output on a file system without
// unnamed temporary files: the hidden temporary goes with it, and the tool still ends by
// the signal, so whoever started it sees how it ended.
void TestCliFaults::interruptedBatchLeavesNoTemporary() {
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anna.out"));
    int input[2];
    QCOMPARE(::pipe2(input, O_CLOEXEC), 0);
    Child child;
    child.input = input[1];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    // Signals ignored or blocked where the test was started would stay so in the tool.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t endings;
    sigemptyset(&endings);
    posix_spawnattr_setsigmask(&attributes, &endings);
    for (const int each : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&endings, each);
    posix_spawnattr_setsigdefault(&attributes, &endings);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const QByteArray out = QFile::encodeName(path);
    const char *argv[] = {STARLOOM_CLI_NAMED, "batch", "-", "--threads", "1", "--out",
                          out.constData(),    nullptr};
    const int spawned = ::posix_spawn(&child.pid, STARLOOM_CLI_NAMED, &actions, &attributes,
                                      const_cast<char *const *>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(input[0]);
    QCOMPARE(spawned, 0);
    // Rows enough for blocks of them to be read and written while the input stays open.
    const QByteArray header = QByteArray(kOneRow).left(QByteArray(kOneRow).indexOf('\n') + 1);
    const QByteArray row = QByteArray(kOneRow).mid(header.size());
    const QByteArray rows = header + row.repeated(5000);
    const auto oldPipe = std::signal(SIGPIPE, SIG_IGN); // the tool may be gone already
    const bool wrote = ::write(child.input, rows.constData(), rows.size()) == rows.size();
    std::signal(SIGPIPE, oldPipe);
    QVERIFY(wrote);
    // The temporary is there and being written to.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&dir] {
            const QFileInfoList files = QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden);
            return files.size() == 1 && files.first().size() > 0;
        }(),
        60000);
    QCOMPARE(::kill(child.pid, signal), 0);
    const int status = child.wait();
    QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(status)));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestCliFaults::replacedFileKeepsItsOwnerAndMode_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("otherOwner"); // the earlier file belongs to another user
    QTest::addColumn<bool>("hardLink");   // the earlier file has a second name
    QTest::addColumn<QString>("refusal"); // empty when the file is replaced
    const QString readOnly = QStringLiteral("the file is read-only; it was not replaced");
    const QString linked =
        QStringLiteral("the file has other names (hard links); it was not replaced");
    for (const char *command : {"save", "batch"}) {
        QTest::addRow("%s, 0444 refused", command) << command << 0444 << false << false << readOnly;
        QTest::addRow("%s, 0555 refused", command) << command << 0555 << false << false << readOnly;
        QTest::addRow("%s, 0640 kept", command) << command << 0640 << false << false << QString();
        QTest::addRow("%s, 0604 kept", command) << command << 0604 << false << false << QString();
        QTest::addRow("%s, another user's file keeps its owner", command)
            << command << 0644 << true << false << QString();
        QTest::addRow("%s, hard link refused", command)
            << command << 0644 << false << true << linked;
    }
}

// Replacing a file by renaming a new one over it would hand the name to a new file with
// the tool's owner and mode, and leave a second name of the old file with the old bytes.
void TestCliFaults::replacedFileKeepsItsOwnerAndMode() {
    QFETCH(QString, command);
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    QFETCH(bool, hardLink);
    QFETCH(QString, refusal);
    constexpr uid_t kOtherUser = 4321; // an id no account of the test machine needs to have
    if (otherOwner && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile csv(in);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(kOneRow);
    csv.close();
    const QString path = dir.filePath(QStringLiteral("anna.out"));
    const QString second = dir.filePath(QStringLiteral("second name"));
    const QByteArray native = QFile::encodeName(path);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    QCOMPARE(::chmod(native.constData(), mode_t(mode)), 0);
    if (otherOwner)
        QCOMPARE(::chown(native.constData(), kOtherUser, kOtherUser), 0);
    if (hardLink)
        QCOMPARE(::link(native.constData(), QFile::encodeName(second).constData()), 0);
    struct stat before {};
    QCOMPARE(::stat(native.constData(), &before), 0);
    const QStringList args = command == QLatin1String("batch")
                                 ? QStringList{"batch", in, "--out", path}
                                 : QStringList{command, path} + kBirth;
    const CliRun run = RunCli(args);
    struct stat after {};
    QCOMPARE(::stat(native.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    if (refusal.isEmpty()) {
        QCOMPARE(run.exitCode, 0);
        QVERIFY(Content(path) != QByteArray("earlier"));
    } else {
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains((path + QStringLiteral(": ") + refusal).toUtf8()),
                 run.err.constData());
        QCOMPARE(Content(path), QByteArray("earlier"));
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_nlink, before.st_nlink);
    }
    QStringList expected = {"anna.out", "in.csv"};
    if (hardLink)
        expected.append(QStringLiteral("second name"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             expected);
}

void TestCliFaults::saveRefusesADevice_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("save") << "save";
    QTest::newRow("export") << "export";
    QTest::newRow("pdf") << "pdf";
}

void TestCliFaults::saveRefusesADevice() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("null"));
    if (!MakeNullDevice(device))
        QSKIP("making a device node needs root (CAP_MKNOD)");
    const CliRun run = RunCli(QStringList{command, device} + kBirth);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("not a regular file but a device"), run.err.constData());
    QCOMPARE(NodeType(device), mode_t(S_IFCHR));
}

void TestCliFaults::imageNameThatIsAFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "the image's file name is empty";
    QTest::newRow("this folder") << "."
                                 << "names a folder";
    QTest::newRow("the parent folder") << ".."
                                       << "names a folder";
    QTest::newRow("ends in a slash") << "sub/"
                                     << "names a folder";
    QTest::newRow("an existing folder") << "sub"
                                        << "names a folder";
}

// Nothing is written, least of all in a folder above the one named.
void TestCliFaults::imageNameThatIsAFolder() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(work + QStringLiteral("/sub")));
    const CliRun run = RunCli(QStringList{"image", name} + kBirth, work);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"work"});
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"sub"});
}

// Four image commands with one name in one folder, twice over: eight images, none lost.
void TestCliFaults::imagesAtOnceNeverReplace() {
    constexpr int kAtOnce = 4;
    constexpr int kRounds = 2;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("chart.jpg"));
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < kAtOnce; ++i) {
            running.push_back(std::make_unique<QProcess>());
            running.back()->start(QStringLiteral(STARLOOM_CLI),
                                  QStringList{"image", name} + kBirth);
        }
        for (const auto &process : running) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
        }
    }
    const QStringList images = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(images.size(), kAtOnce * kRounds);
    QVERIFY(images.contains(QStringLiteral("chart.jpg")));
    QVERIFY(images.contains(QStringLiteral("chart_007.jpg")));
}

void TestCliFaults::readingFileThatIsNoReading_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("pipe") << "pipe"
                          << "not a regular file but a pipe";
    QTest::newRow("empty file") << "empty"
                                << "x.act: the file is empty";
    QTest::newRow("random bytes") << "random"
                                  << "x.act, line ";
}

// Refused at once, by open and by --from alike; a pipe is not waited on.
void TestCliFaults::readingFileThatIsNoReading() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.act"));
    if (kind == QLatin1String("pipe")) {
        QVERIFY(MakePipe(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("random")) {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes += char((i * 7919 + 13) % 256);
            file.write(bytes);
        }
    }
    for (const QStringList &args : {QStringList{"open", path},
                                    QStringList{"export", dir.filePath("x.txt"), "--from", path}}) {
        const CliRun run = RunShell(QString(), args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.txt"))));
}

void TestCliFaults::damagedTableRefusesToStart_data() {
    QTest::addColumn<bool>("damaged");
    QTest::newRow("an intact copy runs") << false;
    QTest::newRow("a copy with one bit of its table flipped is refused") << true;
}

void TestCliFaults::damagedTableRefusesToStart() {
    // A copy of the tool whose built-in table, found by its first line, has one bit flipped
    // half-way through.
    QFETCH(bool, damaged);
    QFile tool(QStringLiteral(STARLOOM_CLI));
    QVERIFY(tool.open(QIODevice::ReadOnly));
    QByteArray image = tool.readAll();
    const QByteArray firstLine = "QM Starloom precise-position table, format ";
    const qsizetype table = image.indexOf(firstLine);
    QVERIFY(table >= 0);
    QCOMPARE(image.indexOf(firstLine, table + 1), qsizetype(-1));
    if (damaged)
        image[table + static_cast<qsizetype>(kPreciseTableBytes / 2)] ^= 0x10;
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("starloom-cli"));
    QFile out(copy);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(image), image.size());
    out.close();
    QVERIFY(out.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcess process;
    process.start(copy, {QStringLiteral("zones")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), damaged ? 2 : 0);
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.readAllStandardOutput().isEmpty(), damaged);
    if (damaged) {
        QVERIFY2(err.startsWith("starloom-cli: the built-in table of precise positions is "
                                "damaged (its hash is ") &&
                     err.endsWith("); install the program again\n"),
                 err.constData());
    } else {
        QVERIFY2(err.isEmpty(), err.constData());
    }
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "test_cli_faults.moc"
