// The update reminder, the single-copy lock and the order of start-up.
#include "shell/core/setting_text.h"
#include "shell/single_instance.h"
#include "shell/start_up.h"
#include "shell/update_reminder.h"
#include "support/fault_files.h"
#include "support/scripted_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace starloom;
using namespace starloom::testing;

Q_DECLARE_METATYPE(starloom::MessageAnswer)

namespace {

const QDate kToday(2026, 12, 7);
// "Settings/" and "Duration" with every character code raised by 17, worked out by hand.
const QString kScrambledKey =
    QStringLiteral("Settings/") + QString::fromLatin1("\x55\x86\x83\x72\x85\x7A\x80\x7F");
// A process number above the largest the system ever hands out (2^22 on Linux).
constexpr qint64 kDeadProcess = 999999999;

} // namespace

class TestShellStartUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reminder_data();
    void reminder();
    void readReminderDate_data();
    void readReminderDate();
    void storedNameAndValueAreScrambled();

    void secondCopyRefusedWhileFirstHoldsLock();
    void staleLockOfADeadCopyIsTakenOver();
    void unwritableLockFolderDoesNotStopTheProgram();
    void leftoverLockIsStale_data();
    void leftoverLockIsStale();
    void lockHoldsOnAFullDisk();
    void noLockIsSaidAndStartGoesOn();
    void settingsNodeIsNeverReplaced();
    void failedSettingsWriteIsReported_data();
    void failedSettingsWriteIsReported();

    void refusedStartTouchesNothing();
    void acceptedStartRunsReminderThenForm();

private:
    QString settingsPath() const { return home_->filePath(QStringLiteral("settings.ini")); }
    QString lockFolder() const { return home_->filePath(QStringLiteral("run")); }
    void storeRaw(const QString &scrambledValue);
    QString rawStoredValue();

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<ScriptedShell> shell_;
};

void TestShellStartUp::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestShellStartUp::init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    qputenv("HOME", QFile::encodeName(home_->path()));
    settings_ = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
    shell_ = std::make_unique<ScriptedShell>();
    shell_->clock.date = kToday;
}

void TestShellStartUp::cleanup() {
    settings_.reset();
    shell_.reset();
    home_.reset();
}

void TestShellStartUp::storeRaw(const QString &scrambledValue) {
    settings_->setValue(kScrambledKey, scrambledValue);
    settings_->sync();
}

QString TestShellStartUp::rawStoredValue() {
    settings_->sync();
    return QSettings(settingsPath(), QSettings::IniFormat).value(kScrambledKey).toString();
}

void TestShellStartUp::reminder_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("stored"); // plain text, scrambled before it is stored
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("reminds");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("pagesOpened");

    const auto iso = [](int days) { return kToday.addDays(days).toString(Qt::ISODate); };
    const QString today = QStringLiteral("2026-12-07");
    const auto No = MessageAnswer::No;
    const auto Yes = MessageAnswer::Yes;
    QTest::newRow("first start: today stored, silent")
        << false << QString() << No << false << today << 0;
    QTest::newRow("empty value: as first start") << true << QString() << No << false << today << 0;
    QTest::newRow("14 days ago: silent, date kept")
        << true << iso(-14) << No << false << iso(-14) << 0;
    QTest::newRow("15 days ago, No: reminder, new date, no page")
        << true << iso(-15) << No << true << today << 0;
    QTest::newRow("15 days ago, Yes: reminder, new date, download page")
        << true << iso(-15) << Yes << true << today << 1;
    QTest::newRow("14 days ahead: silent") << true << iso(14) << No << false << iso(14) << 0;
    QTest::newRow("15 days ahead: reminder") << true << iso(15) << No << true << today << 0;
    QTest::newRow("20 days ahead, clock set back: reminder")
        << true << iso(20) << Yes << true << today << 1;
    QTest::newRow("not a date: kept, silent") << true << QStringLiteral("next Tuesday") << Yes
                                              << false << QStringLiteral("next Tuesday") << 0;
    QTest::newRow("impossible date: kept, silent") << true << QStringLiteral("2026-02-30") << Yes
                                                   << false << QStringLiteral("2026-02-30") << 0;
}

void TestShellStartUp::reminder() {
    QFETCH(bool, present);
    QFETCH(QString, stored);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, reminds);
    QFETCH(QString, storedAfter);
    QFETCH(int, pagesOpened);
    if (present)
        storeRaw(EncodeSettingText(stored));
    shell_->dialogs.answers = {answer};

    CheckUpdateReminder(*settings_, shell_->services());

    if (reminds) {
        QCOMPARE(shell_->dialogs.messages.size(), 1);
        const RecordedMessage message = shell_->dialogs.messages.constFirst();
        QCOMPARE(message.title, QStringLiteral("QM Starloom"));
        QCOMPARE(message.text, QStringLiteral("There maybe an update to this software available\r"
                                              "Do you want to check for an update?"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::YesNo);
    } else {
        QCOMPARE(shell_->dialogs.messages.size(), 0);
    }
    QCOMPARE(DecodeSettingText(rawStoredValue()), storedAfter);
    QCOMPARE(shell_->links.opened.size(), pagesOpened);
    if (pagesOpened > 0)
        QCOMPARE(shell_->links.opened.constFirst(), QUrl(kDownloadPageAddress));
}

void TestShellStartUp::readReminderDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    const QDate date(2026, 11, 27);
    QTest::newRow("ISO") << "2026-11-27"
                         << "C" << date;
    QTest::newRow("ISO with blanks around") << " 2026-11-27 "
                                            << "en_US" << date;
    QTest::newRow("C short, four-digit year") << "27 Nov 2026"
                                              << "C" << date;
    QTest::newRow("US short, two-digit year in this century") << "11/27/26"
                                                              << "en_US" << date;
    QTest::newRow("US short, 99 is the century before") << "12/31/99"
                                                        << "en_US" << QDate(1999, 12, 31);
    QTest::newRow("German short") << "27.11.26"
                                  << "de_DE" << date;
    QTest::newRow("US text in German locale") << "11/27/26"
                                              << "de_DE" << QDate();
    QTest::newRow("words") << "next Tuesday"
                           << "en_US" << QDate();
    QTest::newRow("30 February") << "2026-02-30"
                                 << "C" << QDate();
}

void TestShellStartUp::readReminderDate() {
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QCOMPARE(ReadReminderDate(text, kToday, QLocale(locale)), date);
}

void TestShellStartUp::storedNameAndValueAreScrambled() {
    CheckUpdateReminder(*settings_, shell_->services());
    settings_.reset();

    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QVERIFY2(raw.contains("[Settings]"), raw.constData());
    QVERIFY2(!raw.contains("Duration"), raw.constData());
    QVERIFY2(!raw.contains("2026-12-07"), raw.constData());
    QVERIFY2(raw.contains("CACG>BC>AH"), raw.constData()); // "2026-12-07", each code + 17

    const QSettings reread(settingsPath(), QSettings::IniFormat);
    QCOMPARE(reread.allKeys(), QStringList{kScrambledKey});
}

void TestShellStartUp::secondCopyRefusedWhileFirstHoldsLock() {
    SingleInstance first(lockFolder());
    SingleInstance second(lockFolder());
    QVERIFY(first.acquire());
    QVERIFY(first.holdsLock());
    QVERIFY(!second.acquire());
    QVERIFY(!second.holdsLock());
    first.release();
    QVERIFY(second.acquire());
    QVERIFY(second.holdsLock());
}

void TestShellStartUp::staleLockOfADeadCopyIsTakenOver() {
    // Make a genuine lock file, then let it name a process that does not exist, as a copy
    // that crashed would leave it.
    QByteArray content;
    QString path;
    {
        SingleInstance crashed(lockFolder());
        QVERIFY(crashed.acquire());
        path = crashed.lockFilePath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        content = file.readAll();
    }
    QVERIFY(!QFile::exists(path));
    QList<QByteArray> lines = content.split('\n');
    QCOMPARE(lines.first(), QByteArray::number(QCoreApplication::applicationPid()));
    lines.first() = QByteArray::number(kDeadProcess);
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(lines.join('\n'));
    stale.close();

    SingleInstance next(lockFolder());
    QVERIFY(next.acquire());
    QVERIFY(next.holdsLock());
}

void TestShellStartUp::unwritableLockFolderDoesNotStopTheProgram() {
    // A plain file where the folder should be: no lock can ever be made there.
    QFile blocker(lockFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instance(lockFolder() + QStringLiteral("/inner"));
    QVERIFY(instance.acquire());
    QVERIFY(!instance.holdsLock());
}

void TestShellStartUp::leftoverLockIsStale_data() {
    QTest::addColumn<QString>("leftover");
    QTest::newRow("empty file") << "empty";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("empty folder") << "folder";
    QTest::newRow("a live process of the same name") << "namesake";
}

// Whatever a crashed or foreign program left at the lock's place, no running copy holds
// the lock, so the next copy starts.
void TestShellStartUp::leftoverLockIsStale() {
    QFETCH(QString, leftover);
    SingleInstance probe(lockFolder());
    const QString path = probe.lockFilePath();
    QVERIFY(QDir().mkpath(lockFolder()));
    QProcess namesake;
    QFile file(path);
    if (leftover == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (leftover == QLatin1String("random")) {
            QByteArray bytes(200, Qt::Uninitialized);
            QRandomGenerator random(1207);
            for (char &byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            file.write(bytes);
        } else if (leftover == QLatin1String("namesake")) {
            // Another program that happens to be called like ours, still running.
            const QString copy = home_->filePath(QStringLiteral("starloom"));
            QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), copy));
            namesake.start(copy, {QStringLiteral("30")});
            QVERIFY(namesake.waitForStarted());
            file.write(QByteArray::number(namesake.processId()) + "\nstarloom\n");
        }
        file.close();
    }
    SingleInstance next(lockFolder());
    QVERIFY(next.acquire());
    QVERIFY(next.holdsLock());
    QVERIFY(next.lockProblem().isEmpty());
    SingleInstance second(lockFolder());
    QVERIFY(!second.acquire());
    namesake.kill();
    namesake.waitForFinished();
}

// With no byte free where the lock lives, the lock still keeps a second copy out.
void TestShellStartUp::lockHoldsOnAFullDisk() {
    FullDisk disk(lockFolder());
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root (CAP_SYS_ADMIN)");
    QVERIFY(disk.fill());
    SingleInstance first(lockFolder());
    SingleInstance second(lockFolder());
    QVERIFY(first.acquire());
    QVERIFY(first.holdsLock());
    QVERIFY(!second.acquire());
}

void TestShellStartUp::noLockIsSaidAndStartGoesOn() {
    QFile blocker(lockFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstance instance(lockFolder() + QStringLiteral("/inner"));
    int formsShown = 0;
    QCOMPARE(RunStartUp(instance, *settings_, shell_->services(), [&] { ++formsShown; }),
             StartUpResult::Started);
    QCOMPARE(formsShown, 1);
    const QString said = shell_->dialogs.takeOnlyMessage();
    QVERIFY2(said.contains(QLatin1String("could not make its lock")) &&
                 said.contains(QLatin1String("Not a directory")),
             qPrintable(said));
}

// The store's file is a link to a device: the start reads nothing from it, writes nothing
// over it, and the link and the device stay as they were.
void TestShellStartUp::settingsNodeIsNeverReplaced() {
    const QString path = ProgramSettingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile::remove(path);
    const QString device = home_->filePath(QStringLiteral("null"));
    if (!MakeNullDevice(device))
        QSKIP("making a device node needs root (CAP_MKNOD)");
    QVERIFY(QFile::link(device, path));
    {
        const std::unique_ptr<QSettings> settings = OpenProgramSettings();
        CheckUpdateReminder(*settings, shell_->services());
        settings->sync();
        QCOMPARE(settings->status(), QSettings::NoError);
    }
    QCOMPARE(QFileInfo(path).symLinkTarget(), device);
    QCOMPARE(NodeType(device), mode_t(S_IFCHR));
    QFile::remove(path);
}

void TestShellStartUp::failedSettingsWriteIsReported_data() {
    QTest::addColumn<QString>("file");     // the settings file, under the home folder
    QTest::addColumn<QString>("obstacle"); // made after the store, where the system refuses
    QTest::addColumn<QString>("reason");
    QTest::newRow("file replaced by a folder") << "settings.ini"
                                               << "settings.ini/"
                                               << "not a regular file but a folder";
    QTest::newRow("folder replaced by a file") << "conf/settings.ini"
                                               << "conf"
                                               << "Not a directory";
}

// The reminder's date is the first write of a run. A settings file that cannot be written
// is said once, as any other file is; the date is kept for the run, and a later write that
// succeeds says nothing.
void TestShellStartUp::failedSettingsWriteIsReported() {
    QFETCH(QString, file);
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    const QString path = home_->filePath(file);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QSettings settings(path, QSettings::IniFormat);
    const QString blocked = home_->filePath(obstacle);
    QDir(QFileInfo(path).path()).removeRecursively();
    if (obstacle.endsWith(QLatin1Char('/'))) {
        QVERIFY(QDir().mkpath(blocked));
    } else {
        QFile node(blocked);
        QVERIFY(node.open(QIODevice::WriteOnly));
    }

    CheckUpdateReminder(settings, shell_->services());
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    const RecordedMessage said = shell_->dialogs.messages.takeFirst();
    QCOMPARE(said.title, QStringLiteral("QM Starloom"));
    QCOMPARE(said.icon, MessageIcon::Error);
    QCOMPARE(said.text, QStringLiteral("The file %1 could not be written.\n%2").arg(path, reason));
    QCOMPARE(settings.value(kScrambledKey).toString(), QStringLiteral("CACG>BC>AH"));

    // Nothing more while nothing is written; the next write, with the way clear, is silent.
    CheckUpdateReminder(settings, shell_->services());
    QCOMPARE(shell_->dialogs.messages.size(), 0);
    if (obstacle.endsWith(QLatin1Char('/')))
        QVERIFY(QDir(blocked).removeRecursively());
    else
        QVERIFY(QFile::remove(blocked) && QDir().mkpath(QFileInfo(path).path()));
    shell_->clock.date = kToday.addYears(1);
    CheckUpdateReminder(settings, shell_->services());
    QCOMPARE(shell_->dialogs.messages.size(), 1); // the reminder itself, a year on
    QVERIFY(shell_->dialogs.messages.first().text.startsWith(QStringLiteral("There maybe")));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(kScrambledKey).toString().isEmpty(),
             false);
}

void TestShellStartUp::refusedStartTouchesNothing() {
    SingleInstance running(lockFolder());
    QVERIFY(running.acquire());
    SingleInstance second(lockFolder());
    int formsShown = 0;

    const StartUpResult result =
        RunStartUp(second, *settings_, shell_->services(), [&] { ++formsShown; });

    QCOMPARE(result, StartUpResult::Refused);
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    const RecordedMessage message = shell_->dialogs.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("Application is already running"));
    QCOMPARE(message.title, QStringLiteral("QM Starloom"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(formsShown, 0);
    settings_->sync();
    QVERIFY(!QFile::exists(settingsPath()));
    QVERIFY(running.holdsLock());
}

void TestShellStartUp::acceptedStartRunsReminderThenForm() {
    storeRaw(EncodeSettingText(QStringLiteral("2026-11-01"))); // 36 days ago: reminder due
    SingleInstance instance(lockFolder());
    qsizetype messagesBeforeForm = -1;

    const StartUpResult result = RunStartUp(instance, *settings_, shell_->services(), [&] {
        messagesBeforeForm = shell_->dialogs.messages.size();
    });

    QCOMPARE(result, StartUpResult::Started);
    QCOMPARE(messagesBeforeForm, 1);
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    QVERIFY(instance.holdsLock());
    QCOMPARE(DecodeSettingText(rawStoredValue()), QStringLiteral("2026-12-07"));
}

QTEST_GUILESS_MAIN(TestShellStartUp)
#include "test_shell_startup.moc"
