// A second copy started with a file name hands it to the running copy: the local channel
// beside the single-copy lock, and start-up with a file to open.
#include "shell/instance_channel.h"
#include "shell/single_instance.h"
#include "shell/start_up.h"
#include "support/scripted_services.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>

using namespace starloom;
using namespace starloom::testing;

Q_DECLARE_METATYPE(starloom::StartUpResult)

namespace {

// Upper bound for a second copy that should be answered at once; only a failing test waits
// this long.
constexpr int kPatienceMs = 20000;

// Runs `work` on a thread of its own, as a second copy runs beside the first, while this
// thread's event loop serves the first copy. False when the work did not finish.
bool RunBeside(std::function<void()> work) {
    std::unique_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start();
    const bool finished = QTest::qWaitFor([&] { return thread->isFinished(); }, kPatienceMs);
    thread->wait();
    return finished;
}

} // namespace

class TestInstallChannel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pathArrivesWhole_data();
    void pathArrivesWhole();
    void nothingListening();
    void socketLeftByACrashIsReplaced();

    void secondCopyWithFileHandsItOver();
    void secondCopyWithFileRefusedWhenNobodyTakesIt();
    void secondCopyWithoutFileIsRefused();
    void secondCopyWaitsForAFirstCopyStillStarting_data();
    void secondCopyWaitsForAFirstCopyStillStarting();
    void firstCopyListensOnlyOnceItHoldsTheLock();

private:
    QString lockFolder() const { return dir_->filePath(QStringLiteral("run")); }
    QString channelName() const { return InstanceChannel::serverNameFor(lockFolder()); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<ScriptedShell> shell_;
};

void TestInstallChannel::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestInstallChannel::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir().mkpath(lockFolder()));
    settings_ = std::make_unique<QSettings>(dir_->filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat);
    shell_ = std::make_unique<ScriptedShell>();
}

void TestInstallChannel::cleanup() {
    settings_.reset();
    shell_.reset();
    dir_.reset();
}

void TestInstallChannel::pathArrivesWhole_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << QStringLiteral("/home/ann/readings/ann.act");
    QTest::newRow("blanks") << QStringLiteral("/home/ann/my readings/ann smith.act");
    QTest::newRow("letters beyond ASCII") << QStringLiteral("/home/zoë/Ärger/ß ✶ 星.act");
    QTest::newRow("line break inside the name") << QStringLiteral("/tmp/two\nlines.act");
    QTest::newRow("long") << QStringLiteral("/") + QString(4000, QLatin1Char('x')) +
                                 QStringLiteral(".act");
}

void TestInstallChannel::pathArrivesWhole() {
    QFETCH(QString, path);
    InstanceChannel running(channelName());
    QVERIFY(running.listen());
    QSignalSpy received(&running, &InstanceChannel::pathReceived);

    std::atomic<bool> taken = false;
    QVERIFY(RunBeside([&] { taken = InstanceChannel(channelName()).sendPath(path); }));

    QVERIFY(taken);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, kPatienceMs));
    QCOMPARE(received.constFirst().constFirst().toString(), path);
}

void TestInstallChannel::nothingListening() {
    QVERIFY(!InstanceChannel(channelName()).sendPath(QStringLiteral("/tmp/a.act")));
}

void TestInstallChannel::socketLeftByACrashIsReplaced() {
    // What a copy that crashed leaves behind: the socket's file, with nobody listening.
    QFile left(channelName());
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.close();
    QVERIFY(!InstanceChannel(channelName()).sendPath(QStringLiteral("/tmp/a.act")));

    InstanceChannel running(channelName());
    QVERIFY(running.listen());
    QSignalSpy received(&running, &InstanceChannel::pathReceived);
    std::atomic<bool> taken = false;
    QVERIFY(RunBeside(
        [&] { taken = InstanceChannel(channelName()).sendPath(QStringLiteral("/tmp/a.act")); }));
    QVERIFY(taken);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, kPatienceMs));
}

void TestInstallChannel::secondCopyWithFileHandsItOver() {
    SingleInstance first(lockFolder());
    InstanceChannel firstChannel(channelName());
    int formsShown = 0;
    QCOMPARE(
        RunStartUp(
            first, *settings_, shell_->services(), [&] { ++formsShown; }, &firstChannel, QString()),
        StartUpResult::Started);
    QVERIFY(firstChannel.isListening());
    QSignalSpy received(&firstChannel, &InstanceChannel::pathReceived);
    const QList<RecordedMessage> firstMessages = shell_->dialogs.messages;

    // The second copy has services of its own: nothing it does may show a message.
    ScriptedShell secondShell;
    QSettings secondSettings(dir_->filePath(QStringLiteral("second.ini")), QSettings::IniFormat);
    std::atomic<StartUpResult> result = StartUpResult::Started;
    std::atomic<bool> secondFormShown = false;
    const QString file = QStringLiteral("/home/ann/ann.act");
    QVERIFY(RunBeside([&] {
        SingleInstance second(lockFolder());
        InstanceChannel secondChannel(channelName());
        result = RunStartUp(
            second, secondSettings, secondShell.services(), [&] { secondFormShown = true; },
            &secondChannel, file);
    }));

    QCOMPARE(result.load(), StartUpResult::HandedOver);
    QVERIFY(secondShell.dialogs.messages.isEmpty());
    QVERIFY(!secondFormShown);
    secondSettings.sync();
    QVERIFY(secondSettings.allKeys().isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, kPatienceMs));
    QCOMPARE(received.constFirst().constFirst().toString(), file);
    QCOMPARE(formsShown, 1);
    QCOMPARE(shell_->dialogs.messages.size(), firstMessages.size());
    QVERIFY(first.holdsLock());
}

void TestInstallChannel::secondCopyWithFileRefusedWhenNobodyTakesIt() {
    // A running copy that holds the lock but does not listen, as one that cannot make its
    // socket.
    SingleInstance first(lockFolder());
    QVERIFY(first.acquire());
    SingleInstance second(lockFolder());
    InstanceChannel secondChannel(channelName());
    int formsShown = 0;

    const StartUpResult result = RunStartUp(
        second, *settings_, shell_->services(), [&] { ++formsShown; }, &secondChannel,
        QStringLiteral("/home/ann/ann.act"));

    QCOMPARE(result, StartUpResult::Refused);
    QCOMPARE(shell_->dialogs.takeOnlyMessage(), QStringLiteral("Application is already running"));
    QCOMPARE(formsShown, 0);
    QVERIFY(!secondChannel.isListening());
}

void TestInstallChannel::secondCopyWithoutFileIsRefused() {
    SingleInstance first(lockFolder());
    InstanceChannel firstChannel(channelName());
    QCOMPARE(RunStartUp(first, *settings_, shell_->services(), {}, &firstChannel, QString()),
             StartUpResult::Started);
    QSignalSpy received(&firstChannel, &InstanceChannel::pathReceived);

    ScriptedShell secondShell;
    std::atomic<StartUpResult> result = StartUpResult::Started;
    QVERIFY(RunBeside([&] {
        SingleInstance second(lockFolder());
        InstanceChannel secondChannel(channelName());
        result =
            RunStartUp(second, *settings_, secondShell.services(), {}, &secondChannel, QString());
    }));

    QCOMPARE(result.load(), StartUpResult::Refused);
    QCOMPARE(secondShell.dialogs.takeOnlyMessage(),
             QStringLiteral("Application is already running"));
    QCoreApplication::processEvents();
    QCOMPARE(received.size(), 0);
}

void TestInstallChannel::secondCopyWaitsForAFirstCopyStillStarting_data() {
    QTest::addColumn<bool>("firstEnds"); // else it starts listening
    QTest::addColumn<StartUpResult>("expected");
    QTest::newRow("first copy listens late: handed over") << false << StartUpResult::HandedOver;
    QTest::newRow("first copy ends meanwhile: second starts") << true << StartUpResult::Started;
}

// Two copies started at the same moment: the first holds the lock but listens only a little
// later (or ends instead). The second copy's file is neither lost nor refused.
void TestInstallChannel::secondCopyWaitsForAFirstCopyStillStarting() {
    QFETCH(bool, firstEnds);
    QFETCH(StartUpResult, expected);
    SingleInstance first(lockFolder());
    QVERIFY(first.acquire());
    InstanceChannel firstChannel(channelName());
    QSignalSpy received(&firstChannel, &InstanceChannel::pathReceived);
    constexpr int kFirstCopyLateMs = 400;
    QTimer::singleShot(kFirstCopyLateMs, this, [&] {
        if (firstEnds)
            first.release();
        else
            QVERIFY(firstChannel.listen());
    });

    ScriptedShell secondShell;
    std::atomic<StartUpResult> result = StartUpResult::Refused;
    std::atomic<bool> secondFormShown = false;
    QVERIFY(RunBeside([&] {
        SingleInstance second(lockFolder());
        InstanceChannel secondChannel(channelName());
        result = RunStartUp(
            second, *settings_, secondShell.services(), [&] { secondFormShown = true; },
            &secondChannel, QStringLiteral("/home/ann/ann.act"));
    }));
    QCOMPARE(result.load(), expected);
    QVERIFY(secondShell.dialogs.messages.isEmpty());
    QCOMPARE(secondFormShown.load(), firstEnds);
    if (!firstEnds)
        QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, kPatienceMs));
}

void TestInstallChannel::firstCopyListensOnlyOnceItHoldsTheLock() {
    SingleInstance running(lockFolder());
    QVERIFY(running.acquire());
    // A copy refused the lock must not take the socket from the copy that holds it.
    InstanceChannel runningChannel(channelName());
    QVERIFY(runningChannel.listen());
    SingleInstance second(lockFolder());
    InstanceChannel secondChannel(channelName());
    QCOMPARE(RunStartUp(second, *settings_, shell_->services(), {}, &secondChannel, QString()),
             StartUpResult::Refused);
    QVERIFY(!secondChannel.isListening());
    QVERIFY(runningChannel.isListening());
    QVERIFY(QFile::exists(channelName()));
}

QTEST_GUILESS_MAIN(TestInstallChannel)
#include "test_install_channel.moc"
