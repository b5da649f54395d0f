// Reading files from outside the form's Open button: `starloom FILE.act`, a file handed over
// by a second copy, and a file dropped on the birth-data form; and the start refused on a
// damaged built-in table.
#include "app/outside_open.h"
#include "app/table_check.h"
#include "engine/precise_coefficients.h"
#include "engine/precise_table_digest.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "reading/reading_file.h"
#include "shell/instance_channel.h"
#include "shell/single_instance.h"
#include "support/form_controls.h"
#include "support/scripted_services.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace starloom;
using namespace starloom::testing;

namespace {

// Upper bound for what should happen at once; only a failing test waits this long.
constexpr int kPatienceMs = 20000;
constexpr int kGreenwichZone = 29; // list position of Greenwich Mean Time

// A birth the form accepts: 1 May 1990, 12:00 GMT at Greenwich.
BirthData Birth(const std::string &name) {
    BirthData birth;
    birth.BirthName = name;
    birth.BirthMonth = 5;
    birth.BirthDay = 1;
    birth.BirthYear = 1990;
    birth.BirthHour = 12;
    birth.BirthMinute = 0;
    birth.LatDegrees = 51;
    birth.LatMinutes = 28;
    birth.LonDegrees = 0;
    birth.LonMinutes = 0;
    birth.LatDirFlag = true;
    birth.LonDirFlag = false;
    birth.BirthCity = "Greenwich";
    birth.BirthState = "London";
    birth.BirthCountry = "England";
    return birth;
}

QString NameOnChart(ReadingSession &session) {
    ChartWindow *chart = session.chartWindow();
    if (chart == nullptr || !chart->isVisible())
        return QStringLiteral("<no chart window>");
    auto *name = chart->report()->findChild<QLabel *>(QStringLiteral("lblName"));
    return name != nullptr ? name->text() : QStringLiteral("<no lblName>");
}

// Runs an event loop, as the program's own, until `done` holds while the program is idle.
// False when it never does.
bool RunUntilIdleWith(const std::function<bool()> &done) {
    QEventLoop loop;
    bool reached = false;
    QObject watcher;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &watcher, [&] {
                         if (!reached && done()) {
                             reached = true;
                             loop.quit();
                         }
                     });
    QTimer::singleShot(kPatienceMs, &loop, &QEventLoop::quit);
    loop.exec();
    return reached;
}

QMimeData *Urls(const QList<QUrl> &urls) {
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// Drags `data` over `target` and drops it there, as a file manager would; returns whether
// the form took the drag and the drop.
std::pair<bool, bool> DragAndDrop(QWidget *target, const QMimeData &data) {
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return {false, false};
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return {true, drop.isAccepted()};
}

} // namespace

class TestInstallOpen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readingFileArgument_data();
    void readingFileArgument();

    void commandLineFileWaitsForTheStart();
    void fileWhileAChartIsUpGoesBackFirst();
    void refusedFileLeavesTheFormInFront_data();
    void refusedFileLeavesTheFormInFront();
    void fileWaitsForAModalWindow();
    void fileWaitsUntilTheCommandHasReturned_data();
    void fileWaitsUntilTheCommandHasReturned();

    void droppedReadingFileOpens();
    void droppedOtherFileGetsTheOpenMessage();
    void dragsThatAreNotOneLocalFile_data();
    void dragsThatAreNotOneLocalFile();

    void secondProgramCopyHandsItsFileOver();

    void damagedTableStopsTheStart_data();
    void damagedTableStopsTheStart();

private:
    QString writeReading(const QString &fileName, const BirthData &birth);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedShell> shell_;
    std::unique_ptr<ReadingSession> session_;
};

void TestInstallOpen::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    shell_ = std::make_unique<ScriptedShell>();
    session_ = std::make_unique<ReadingSession>(shell_->services(), ReadingSession::Hooks{});
}

void TestInstallOpen::cleanup() {
    session_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell_.reset();
    dir_.reset();
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return w->isVisible() && !w->inherits("QMenu"); }),
             0);
}

QString TestInstallOpen::writeReading(const QString &fileName, const BirthData &birth) {
    const QString path = dir_->filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(EncodeReadingFile(birth, kGreenwichZone));
    return path;
}

void TestInstallOpen::readingFileArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("absolute") << QStringList{QStringLiteral("/home/ann/ann.act")}
                              << QStringLiteral("/home/ann/ann.act");
    QTest::newRow("relative: from the working folder")
        << QStringList{QStringLiteral("readings/ann.act")}
        << here + QStringLiteral("/readings/ann.act");
    QTest::newRow("dot-dot folded") << QStringList{QStringLiteral("/home/ann/x/../ann.act")}
                                    << QStringLiteral("/home/ann/ann.act");
    QTest::newRow("file address, escaped blank")
        << QStringList{QStringLiteral("file:///home/ann/my%20readings/ann.act")}
        << QStringLiteral("/home/ann/my readings/ann.act");
    QTest::newRow("only the first counts")
        << QStringList{QStringLiteral("/a/one.act"), QStringLiteral("/a/two.act")}
        << QStringLiteral("/a/one.act");
}

void TestInstallOpen::readingFileArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(ReadingFileArgument(arguments), file);
}

void TestInstallOpen::commandLineFileWaitsForTheStart() {
    const QString path = writeReading(QStringLiteral("ann.act"), Birth("Ann Lee"));
    OutsideOpener opener(*session_);
    opener.open(path);
    QCOMPARE(opener.waitingFile(), path);
    QVERIFY(session_->chartWindow() == nullptr);

    session_->form().show();
    opener.start();

    QVERIFY(opener.waitingFile().isEmpty());
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Ann Lee"));
    QVERIFY(!session_->form().isVisible());
    QCOMPARE(Controls(session_->form()).txtCity->text(), QStringLiteral("Greenwich"));
    QVERIFY(shell_->dialogs.messages.isEmpty());
}

void TestInstallOpen::fileWhileAChartIsUpGoesBackFirst() {
    OutsideOpener opener(*session_);
    session_->form().show();
    opener.start();
    opener.open(writeReading(QStringLiteral("ann.act"), Birth("Ann Lee")));
    QPointer<ChartWindow> first = session_->chartWindow();
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Ann Lee"));

    opener.open(writeReading(QStringLiteral("bob.act"), Birth("Bob Ray")));

    // Ann's chart window went Back and closed; Bob's reading has a window of its own.
    QVERIFY(opener.waitingFile().isEmpty());
    QVERIFY(first.isNull());
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Bob Ray"));
    QCOMPARE(Controls(session_->form()).txtName->text(), QStringLiteral("Bob Ray"));
    QVERIFY(!session_->form().isVisible());
    QVERIFY(shell_->dialogs.messages.isEmpty());
}

void TestInstallOpen::refusedFileLeavesTheFormInFront_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("message");
    QTest::newRow("not an act name") << QStringLiteral("bob.txt") << QStringLiteral("Greenwich")
                                     << QStringLiteral("Please Check The File.");
    QTest::newRow("the form refuses what it holds")
        << QStringLiteral("bob.act") << QString() << QStringLiteral("Please Enter Your City name");
}

void TestInstallOpen::refusedFileLeavesTheFormInFront() {
    QFETCH(QString, fileName);
    QFETCH(QString, city);
    QFETCH(QString, message);
    OutsideOpener opener(*session_);
    session_->form().show();
    opener.start();
    opener.open(writeReading(QStringLiteral("ann.act"), Birth("Ann Lee")));
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Ann Lee"));
    BirthData bob = Birth("Bob Ray");
    bob.BirthCity = city.toStdString();

    opener.open(writeReading(fileName, bob));
    QVERIFY(opener.waitingFile().isEmpty());

    QCOMPARE(shell_->dialogs.takeOnlyMessage(), message);
    QVERIFY(session_->form().isVisible());
    QVERIFY(session_->chartWindow() == nullptr);
}

void TestInstallOpen::fileWaitsForAModalWindow() {
    OutsideOpener opener(*session_);
    session_->form().show();
    opener.start();
    opener.open(writeReading(QStringLiteral("ann.act"), Birth("Ann Lee")));
    const QString bob = writeReading(QStringLiteral("bob.act"), Birth("Bob Ray"));
    const QString cy = writeReading(QStringLiteral("cy.act"), Birth("Cy Dunn"));

    QDialog modal;
    modal.setModal(true);
    modal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&modal));
    opener.open(bob);
    opener.open(cy);
    // The program goes idle with the modal window still open.
    QVERIFY(RunUntilIdleWith([] { return true; }));
    QCOMPARE(opener.waitingFile(), cy);
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Ann Lee"));

    modal.hide();
    QVERIFY(RunUntilIdleWith([&] { return opener.waitingFile().isEmpty(); }));
    // Only the latest file counts.
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Cy Dunn"));
    QVERIFY(shell_->dialogs.messages.isEmpty());
}

void TestInstallOpen::fileWaitsUntilTheCommandHasReturned_data() {
    QTest::addColumn<bool>("modal");
    QTest::newRow("About box over the chart window, closed by the user") << true;
    QTest::newRow("a command's own event loop, as a menu or a drag runs it") << false;
}

// A file that arrives while a command waits in an event loop of its own is not opened
// before that command has returned: going Back would delete the chart window under it.
void TestInstallOpen::fileWaitsUntilTheCommandHasReturned() {
    QFETCH(bool, modal);
    OutsideOpener opener(*session_);
    session_->form().show();
    opener.start();
    opener.open(writeReading(QStringLiteral("ann.act"), Birth("Ann Lee")));
    const QString bob = writeReading(QStringLiteral("bob.act"), Birth("Bob Ray"));
    auto *dispatcher = QAbstractEventDispatcher::instance();

    QEventLoop programLoop;
    QString waitingWhenReturned;
    QString chartWhenReturned;
    QTimer::singleShot(0, &programLoop, [&] {
        if (modal) {
            QDialog about(session_->chartWindow());
            about.setModal(true);
            // The file arrives while the box is open; the user closes the box.
            QTimer::singleShot(0, &about, [&] {
                opener.open(bob);
                about.accept();
            });
            about.exec();
        } else {
            QEventLoop commandLoop;
            // The file arrives; the program goes idle inside the command's loop.
            QTimer::singleShot(0, &commandLoop, [&] { opener.open(bob); });
            const QMetaObject::Connection idle =
                connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &commandLoop, [&] {
                    if (!opener.waitingFile().isEmpty() ||
                        NameOnChart(*session_) != QStringLiteral("Name: Ann Lee"))
                        commandLoop.quit();
                });
            commandLoop.exec();
            disconnect(idle);
        }
        waitingWhenReturned = opener.waitingFile();
        chartWhenReturned = NameOnChart(*session_);
    });
    const QMetaObject::Connection stop =
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &programLoop, [&] {
            if (!waitingWhenReturned.isEmpty() && opener.waitingFile().isEmpty())
                programLoop.quit();
        });
    QTimer::singleShot(kPatienceMs, &programLoop, &QEventLoop::quit);
    programLoop.exec();
    disconnect(stop);

    QCOMPARE(waitingWhenReturned, bob);
    QCOMPARE(chartWhenReturned, QStringLiteral("Name: Ann Lee"));
    QVERIFY(opener.waitingFile().isEmpty());
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Bob Ray"));
}

void TestInstallOpen::droppedReadingFileOpens() {
    const QString path = writeReading(QStringLiteral("ann.act"), Birth("Ann Lee"));
    BirthForm &form = session_->form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FIND_CHILD(QLabel, label, &form, "Label1");
    const std::unique_ptr<QMimeData> data(Urls({QUrl::fromLocalFile(path)}));

    const auto [entered, dropped] = DragAndDrop(label, *data);

    QVERIFY(entered);
    QVERIFY(dropped);
    // The drop finishes before anything opens.
    QVERIFY(session_->chartWindow() == nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(session_->chartWindow() != nullptr, kPatienceMs);
    QCOMPARE(NameOnChart(*session_), QStringLiteral("Name: Ann Lee"));
    QVERIFY(!form.isVisible());
    QVERIFY(shell_->dialogs.messages.isEmpty());
}

void TestInstallOpen::droppedOtherFileGetsTheOpenMessage() {
    const QString path = writeReading(QStringLiteral("ann.txt"), Birth("Ann Lee"));
    BirthForm &form = session_->form();
    form.show();
    const std::unique_ptr<QMimeData> data(Urls({QUrl::fromLocalFile(path)}));
    const auto [entered, dropped] = DragAndDrop(Controls(form).txtName, *data);
    QVERIFY(entered);
    QVERIFY(dropped);
    QTRY_COMPARE_WITH_TIMEOUT(shell_->dialogs.messages.size(), 1, kPatienceMs);
    QCOMPARE(shell_->dialogs.messages.constFirst().text, QStringLiteral("Please Check The File."));
    QCOMPARE(shell_->dialogs.messages.constFirst().icon, MessageIcon::Error);
    QVERIFY(Controls(form).txtName->text().isEmpty());
    QVERIFY(session_->chartWindow() == nullptr);
    form.hide();
}

void TestInstallOpen::dragsThatAreNotOneLocalFile_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::newRow("two files") << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/a/1.act")),
                                              QUrl::fromLocalFile(QStringLiteral("/a/2.act"))}
                               << QString();
    QTest::newRow("web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.act"))}
                                 << QString();
    QTest::newRow("text naming a file") << QList<QUrl>{} << QStringLiteral("/a/1.act");
}

void TestInstallOpen::dragsThatAreNotOneLocalFile() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    BirthForm &form = session_->form();
    form.show();
    QSignalSpy dropped(&form, &BirthForm::fileDropped);
    std::unique_ptr<QMimeData> data(Urls(urls));
    if (!text.isEmpty())
        data->setText(text);
    FIND_CHILD(QLabel, label, &form, "Label1");

    QCOMPARE(DragAndDrop(label, *data).first, false);
    QCoreApplication::processEvents();
    QCOMPARE(dropped.size(), 0);
    QVERIFY(session_->chartWindow() == nullptr);
    QVERIFY(shell_->dialogs.messages.isEmpty());
    form.hide();
}

// The real program, started with a relative file name while this test holds the
// single-copy lock and listens as the running copy would.
void TestInstallOpen::secondProgramCopyHandsItsFileOver() {
    const QString runtime = dir_->filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    SingleInstance running(runtime);
    QVERIFY(running.acquire());
    InstanceChannel channel(InstanceChannel::serverNameFor(runtime));
    QVERIFY(channel.listen());
    QSignalSpy received(&channel, &InstanceChannel::pathReceived);
    const QString readings = dir_->filePath(QStringLiteral("my readings"));
    QVERIFY(QDir().mkpath(readings));

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("HOME"), dir_->filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(readings);
    second.start(QStringLiteral(STARLOOM_PROGRAM), {QStringLiteral("ann.act")});
    QVERIFY2(second.waitForStarted(kPatienceMs), qPrintable(second.errorString()));
    QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, kPatienceMs));

    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, kPatienceMs));
    QCOMPARE(received.constFirst().constFirst().toString(),
             QDir(readings).filePath(QStringLiteral("ann.act")));
    // The second copy wrote no settings: it never got as far as the update reminder.
    QVERIFY(!QDir(dir_->filePath(QStringLiteral("config"))).exists());
}

void TestInstallOpen::damagedTableStopsTheStart_data() {
    QTest::addColumn<bool>("intact");
    QTest::newRow("intact: the program starts, nothing said") << true;
    QTest::newRow("damaged: an error box with the reason, no start") << false;
}

void TestInstallOpen::damagedTableStopsTheStart() {
    QFETCH(bool, intact);
    // The real check, of the built-in table or of its first 64 bytes alone.
    const PreciseTableCheck check =
        intact ? PreciseTableStatus() : CheckPreciseTable(EmbeddedPreciseTable().first(64));
    QCOMPARE(ConfirmPreciseTable(check, shell_->dialogs), intact);
    if (intact) {
        QVERIFY(shell_->dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    const RecordedMessage message = shell_->dialogs.messages.first();
    QCOMPARE(message.title, QStringLiteral("QM Starloom"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.text, QStringLiteral("The built-in table of precise positions is damaged (it "
                                          "has 64 bytes, not %1). Please install QM Starloom "
                                          "again.")
                               .arg(kPreciseTableBytes));
}

QTEST_MAIN(TestInstallOpen)
#include "test_install_open.moc"
