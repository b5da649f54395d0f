// Hostile input at the program's edges: reading files that are damaged in every way a file
// can be, opened through the whole open path of a session; a settings store holding garbage
// where the reminder date should be; and a save folder that goes away while the user picks
// a name.
#include "engine/birth_data.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "reading/reading_file.h"
#include "shell/core/setting_text.h"
#include "shell/update_reminder.h"
#include "support/fault_files.h"
#include "support/form_controls.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>

using namespace starloom;
using namespace starloom::testing;

namespace {

// Every message the form's checks can give; a damaged file must end in one of them or in a
// reading.
const QStringList kFormRefusals = {
    "Please Enter Your Name",
    "Please Enter Degree of Latitude",
    "Please Enter Minutes of Latitude",
    "Please Enter Degree of Longitude",
    "Please Enter Minute of Longitude",
    "Please Enter Your City name",
    "Please Enter Your State name",
    "Please Enter Your Country name",
    "Please Select Direction For The Latitude",
    "Please Select Direction For The Longitude",
    "Please Enter Correct Date Or Month!",
    "Please Enter Correct Date Or Month !",
    "Please enter only numbers",
    "Please Enter Correct Latitude",
    "Please Enter Correct Longitude",
};

// Marks a row whose file may end in any of the form's refusals.
const QString kAnyRefusal = QStringLiteral("<any refusal>");
// The opener's answer to a file that is not a whole reading names the file and the line;
// the form is then left as it was. Marks a row refused at a line that depends on its bytes.
const QString kRefusedFile = QStringLiteral("damaged.act");
const QString kEndsAt = QStringLiteral(
    "damaged.act, line %1: the file ends before this line (a reading file has 17 lines)");

// Everything the form holds, for comparing before and after.
QStringList FormContents(const BirthForm &form) {
    const FormValues v = form.values();
    return {v.name,
            QString::number(v.monthPosition),
            v.dayText,
            v.yearText,
            v.hourText,
            v.minuteText,
            QString::number(v.zonePosition),
            QString::number(v.dst),
            v.latDegrees,
            v.latMinutes,
            v.lonDegrees,
            v.lonMinutes,
            QString::number(v.latDirection),
            QString::number(v.lonDirection),
            v.city,
            v.state,
            v.country};
}

// 15 March 1980, 7:05 in London: a birth every check passes.
BirthData Anna() {
    BirthData birth;
    birth.BirthName = "Anna";
    birth.BirthMonth = 3;
    birth.BirthDay = 15;
    birth.BirthYear = 1980;
    birth.BirthHour = 7;
    birth.BirthMinute = 5;
    birth.LatDegrees = 51;
    birth.LatMinutes = 30;
    birth.LonDegrees = 0;
    birth.LonMinutes = 7;
    birth.LatDirFlag = true;
    birth.LonDirFlag = false;
    birth.BirthCity = "London";
    birth.BirthState = "England";
    birth.BirthCountry = "UK";
    return birth;
}

constexpr int kGreenwichZone = 29; // zone list position of Greenwich Mean Time

QByteArray AnnaFile() {
    return EncodeReadingFile(Anna(), kGreenwichZone);
}

// Anna's fields with every byte raised by `shift` instead of the program's own.
QByteArray ScrambledWithShift(int shift) {
    QByteArray file;
    for (const QString &field : ReadingFileFields(Anna(), kGreenwichZone)) {
        QByteArray line = field.toUtf8();
        for (char &byte : line)
            byte = static_cast<char>((static_cast<unsigned char>(byte) + shift) % 256);
        file += line + "\r\n";
    }
    return file;
}

// Bytes as the program would scramble them, for lines that are not text.
QByteArray ScrambledBytes(const QByteArray &plain) {
    QByteArray line = plain;
    for (char &byte : line)
        byte = static_cast<char>((static_cast<unsigned char>(byte) + kSettingShift) % 256);
    return line;
}

// The first `count` lines of Anna's file, each with its line end.
QByteArray FirstLines(int count) {
    const QList<QByteArray> lines = AnnaFile().split('\n');
    QByteArray file;
    for (int i = 0; i < count; ++i)
        file += lines[i] + '\n';
    return file;
}

QByteArray RandomBytes(quint32 seed, int size) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

bool WriteBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Passes every call to the script, and runs a hook after the file dialog has answered
// and before the caller goes on with the answer.
class HookedDialogs final : public UserDialogs {
public:
    explicit HookedDialogs(ScriptedDialogs &script) : script_(script) {}
    std::function<void()> afterChoice;

    MessageAnswer showMessage(QWidget *parent, const QString &title, const QString &text,
                              MessageIcon icon, MessageButtons buttons) override {
        return script_.showMessage(parent, title, text, icon, buttons);
    }
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override {
        const QString answer = script_.chooseFile(parent, request);
        if (afterChoice)
            afterChoice();
        return answer;
    }
    bool choosePrinter(QWidget *parent, QPrinter &printer) override {
        return script_.choosePrinter(parent, printer);
    }

private:
    ScriptedDialogs &script_;
};

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void damagedReadingFile_data();
    void damagedReadingFile();
    void garbageInSettings_data();
    void garbageInSettings();
    void saveFolderGoneBeforeWrite_data();
    void saveFolderGoneBeforeWrite();
    void openSomethingNotAFile_data();
    void openSomethingNotAFile();
    void failedSaveKeepsTheFile_data();
    void failedSaveKeepsTheFile();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedShell> shell_;
};

void TestRobustness::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestRobustness::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    shell_ = std::make_unique<ScriptedShell>();
}

void TestRobustness::cleanup() {
    shell_.reset();
    dir_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible() || widget->inherits("QMenu"),
                 qPrintable(widget->objectName()));
}

void TestRobustness::damagedReadingFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // empty when the file ends in a reading
    QTest::addColumn<QString>("name");    // the name box afterwards, when a reading is shown

    QTest::newRow("sound file: a reading") << AnnaFile() << QString() << "Anna";
    QTest::newRow("empty file: refused")
        << QByteArray() << "damaged.act: the file is empty" << QString();
    QTest::newRow("random binary: refused")
        << RandomBytes(20261207, 64 * 1024) << kRefusedFile << QString();
    QTest::newRow("binary without line ends: refused")
        << QByteArray(RandomBytes(7, 4096)).replace('\r', 'x').replace('\n', 'y') << kRefusedFile
        << QString();
    QTest::newRow("letters where the month goes: refused")
        << QByteArray(AnnaFile())
               .replace("\r\n" + ScrambledBytes("3") + "\r\n",
                        "\r\n" + ScrambledBytes("March") + "\r\n")
        << "damaged.act, line 2: month \"March\" is not a whole number" << QString();
    QTest::newRow("year past the list: refused")
        << QByteArray(AnnaFile()).replace(ScrambledBytes("1980"), ScrambledBytes("2999"))
        << QString::fromUtf8("damaged.act, line 4: year 2999 is outside 1800\u20132199")
        << QString();
    QTest::newRow("zone past the list: refused")
        << QByteArray(AnnaFile())
               .replace("\r\n" + ScrambledBytes("29") + "\r\n",
                        "\r\n" + ScrambledBytes("999") + "\r\n")
        << QString::fromUtf8("damaged.act, line 7: time zone 999 is outside 0\u2013163")
        << QString();
    // 'R' lowered by 17 is 'A': one name of 4 KiB, and nothing else.
    QTest::newRow("one 8 MiB line: refused at line 2")
        << QByteArray(8 << 20, 'R') << kEndsAt.arg(2) << QString();
    QTest::newRow("10,000 lines: the first 17 count")
        << AnnaFile() + ScrambledBytes("more").append("\r\n").repeated(10000 - 17) << QString()
        << "Anna";
    // Read with the program's shift, the digits of a file scrambled with 30 come out 13
    // codes too high, as "=" to "F": the month is not a number.
    QTest::newRow("scrambled with another shift: refused")
        << ScrambledWithShift(30) << "damaged.act, line 2: month \"@\" is not a whole number"
        << QString();
    // A lone lead byte and a stray continuation byte: the line is read as Windows-1252.
    QByteArray badName = AnnaFile();
    badName.replace(0, badName.indexOf('\r'),
                    ScrambledBytes("An\xE9"
                                   "a\x80"));
    QTest::newRow("invalid UTF-8 in the name: a reading")
        << badName << QString() << QStringLiteral("An\u00E9a\u20AC");
    QTest::newRow("three lines: refused at line 4") << FirstLines(3) << kEndsAt.arg(4) << QString();
    // Cut inside the city's line: that line counts, the state's and country's do not.
    QTest::newRow("cut inside line 15: refused at line 16")
        << AnnaFile().left(AnnaFile().indexOf(ScrambledBytes("London")) + 3) << kEndsAt.arg(16)
        << QString();
    QTest::newRow("NUL bytes instead of line ends: refused at line 2")
        << QByteArray(AnnaFile()).replace('\r', '\0').replace('\n', '\0') << kEndsAt.arg(2)
        << QString();
}

// Each file goes the whole way: the name rule, the decoder, the form, the checks and, when
// they pass, the reading and its windows.
void TestRobustness::damagedReadingFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, name);
    const QString path = dir_->filePath(QStringLiteral("damaged.act"));
    QVERIFY(WriteBytes(path, bytes));

    int endRequests = 0;
    ReadingSession session(shell_->services(), {[&endRequests] { ++endRequests; }, {}});
    session.form().show();
    // What the user had typed before choosing the file.
    FillMay1990(session.form());
    Controls(session.form()).txtCity->clear();
    const QStringList typed = FormContents(session.form());
    session.OpenReadingFileAt(path);

    if (message.isEmpty()) {
        QCOMPARE(shell_->dialogs.messages.size(), 0);
        QVERIFY(session.chartWindow() != nullptr);
        QVERIFY(session.chartWindow()->isVisible());
        QCOMPARE(Controls(session.form()).txtName->text(), name);
    } else {
        QCOMPARE(shell_->dialogs.messages.size(), 1);
        const RecordedMessage shown = shell_->dialogs.messages.constFirst();
        if (message == kAnyRefusal)
            QVERIFY2(kFormRefusals.contains(shown.text), qPrintable(shown.text));
        else if (message == kRefusedFile)
            QVERIFY2(shown.text.startsWith(kRefusedFile + QStringLiteral(", line ")),
                     qPrintable(shown.text));
        else
            QCOMPARE(shown.text, message);
        QVERIFY(session.chartWindow() == nullptr);
        QVERIFY(session.form().isVisible());
        if (message.startsWith(kRefusedFile)) {
            QCOMPARE(shown.icon, MessageIcon::Error);
            QCOMPARE(FormContents(session.form()), typed);
        }
    }
    QCOMPARE(endRequests, 0);
    QVERIFY(shell_->dialogs.fileRequests.isEmpty());
    session.form().hide();
}

void TestRobustness::garbageInSettings_data() {
    QTest::addColumn<QByteArray>("value"); // as it stands in the settings file, after '='

    QByteArray random = RandomBytes(1207, 200);
    random.replace('\n', ' ').replace('\r', ' ');
    QTest::newRow("random bytes") << random;
    QTest::newRow("random bytes, percent-escaped")
        << RandomBytes(99, 60).toPercentEncoding().prepend('"').append('"');
    QTest::newRow("a number") << QByteArray("42");
    QTest::newRow("a list") << QByteArray("a, b, c");
    QTest::newRow("a rectangle") << QByteArray("@Rect(1 2 3 4)");
    QTest::newRow("a variant that does not decode") << QByteArray("@Variant(\\0\\0\\0\\x7f\\xff)");
    QTest::newRow("bytes that are not one") << QByteArray("@ByteArray(\\xff\\xfe\\0)");
}

// Whatever stands where the reminder's date should be, the start is silent and the store
// is left byte for byte as it was.
void TestRobustness::garbageInSettings() {
    QFETCH(QByteArray, value);
    const QString path = dir_->filePath(QStringLiteral("settings.ini"));
    {
        // The entry's name as the program scrambles it, written by QSettings itself.
        QSettings writer(path, QSettings::IniFormat);
        writer.setValue(kSettingsSection + QLatin1Char('/') + EncodeSettingText(kDurationEntry),
                        QStringLiteral("PLACEHOLDER"));
    }
    QByteArray file = ReadBytes(path);
    QVERIFY(file.contains("PLACEHOLDER"));
    file.replace("PLACEHOLDER", value);
    QVERIFY(WriteBytes(path, file));

    {
        QSettings settings(path, QSettings::IniFormat);
        CheckUpdateReminder(settings, shell_->services());
    }
    QCOMPARE(shell_->dialogs.messages.size(), 0);
    QCOMPARE(shell_->links.opened.size(), 0);
    QCOMPARE(ReadBytes(path), file);
}

void TestRobustness::saveFolderGoneBeforeWrite_data() {
    QTest::addColumn<bool>("replacedByFile");
    QTest::newRow("folder removed") << false;
    QTest::newRow("folder replaced by a file") << true;
}

// The user picks a name in a folder that exists; before the image is written, the folder
// goes away. The save reports an error naming the file and writes nothing anywhere.
void TestRobustness::saveFolderGoneBeforeWrite() {
    QFETCH(bool, replacedByFile);
    const QString folder = dir_->filePath(QStringLiteral("charts"));
    QVERIFY(QDir().mkdir(folder));
    const QString chosen = folder + QStringLiteral("/anna.jpg");

    HookedDialogs dialogs(shell_->dialogs);
    dialogs.afterChoice = [&] {
        QVERIFY(QDir(folder).removeRecursively());
        if (replacedByFile)
            QVERIFY(WriteBytes(folder, "not a folder"));
    };
    shell_->dialogs.fileAnswers = {chosen};
    ShellServices services = shell_->services();
    services.dialogs = &dialogs;
    auto *window = new ChartWindow(new ReportWindow(Anna()), services, ChartCommands{});
    window->show();
    FIND_CHILD(QPushButton, button, window, "cmdSaveAsJPEG");
    QTest::mouseClick(button, Qt::LeftButton);
    delete window;

    QCOMPARE(shell_->dialogs.fileRequests.size(), 1);
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    const RecordedMessage shown = shell_->dialogs.messages.constFirst();
    QCOMPARE(shown.icon, MessageIcon::Error);
    QVERIFY2(shown.text.contains(QDir::toNativeSeparators(chosen)), qPrintable(shown.text));
    QCOMPARE(QFileInfo(folder).isDir(), false);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             replacedByFile ? QStringList{QStringLiteral("charts")} : QStringList());
    if (replacedByFile)
        QCOMPARE(ReadBytes(folder), QByteArray("not a folder"));
}

void TestRobustness::openSomethingNotAFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pipe: no wait for a writer") << "pipe"
                                                << "not a regular file but a pipe";
    QTest::newRow("folder") << "folder"
                            << "not a regular file but a folder";
}

void TestRobustness::openSomethingNotAFile() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = dir_->filePath(QStringLiteral("x.act"));
    QVERIFY(kind == QLatin1String("pipe") ? MakePipe(path) : QDir().mkdir(path));
    ReadingSession session(shell_->services(), {});
    session.form().show();
    FillMay1990(session.form());
    const QStringList typed = FormContents(session.form());
    session.OpenReadingFileAt(path);
    QCOMPARE(shell_->dialogs.takeOnlyMessage(),
             QStringLiteral("The file %1 could not be opened.\n%2").arg(path, reason));
    QCOMPARE(FormContents(session.form()), typed);
    session.form().hide();
}

void TestRobustness::failedSaveKeepsTheFile_data() {
    QTest::addColumn<bool>("exportText"); // else Save As
    QTest::addColumn<QString>("target");  // an earlier file under a size limit, or a device
    QTest::addColumn<QString>("reason");
    for (const bool exportText : {false, true}) {
        const char *command = exportText ? "export" : "save as";
        QTest::addRow("%s, file-size limit", command) << exportText << "limit"
                                                      << "File too large";
        QTest::addRow("%s, device", command) << exportText << "device"
                                             << "not a regular file but a device";
    }
}

// Writing fails part-way: the user is told which file and why, and the earlier file (or
// the device node) is as it was.
void TestRobustness::failedSaveKeepsTheFile() {
    QFETCH(bool, exportText);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    const QString path = dir_->filePath(QStringLiteral("anna.act"));
    if (target == QLatin1String("device")) {
        if (!MakeNullDevice(path))
            QSKIP("making a device node needs root (CAP_MKNOD)");
    } else {
        QVERIFY(WriteBytes(path, "earlier"));
    }
    ReadingSession session(shell_->services(), {});
    FillMay1990(session.form());
    session.CalculateReading();
    QVERIFY(session.chartWindow() != nullptr);
    shell_->dialogs.fileAnswers = {path};
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (target == QLatin1String("limit"))
            limit = std::make_unique<FileSizeLimit>(4);
        if (exportText)
            session.ExportReadingText();
        else
            session.SaveReadingFile();
    }
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    const RecordedMessage shown = shell_->dialogs.messages.constFirst();
    QCOMPARE(shown.icon, MessageIcon::Error);
    QCOMPARE(shown.text, QStringLiteral("The file %1 could not be written.\n%2").arg(path, reason));
    if (target == QLatin1String("device"))
        QCOMPARE(NodeType(path), mode_t(S_IFCHR));
    else
        QCOMPARE(ReadBytes(path), QByteArray("earlier"));
    QCOMPARE(QDir(dir_->path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("anna.act")});
    QVERIFY(session.state().SavedReadingFile.isEmpty());
    delete session.chartWindow();
}

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
