// One status from the step that failed to what the user is told: real failures of the
// reading file, the file writer, the form's checks and the precise table's check, each
// carried as what failed, where and why, and worded by the window's message box and by
// the command-line tool's error line and exit status. The expected texts are the
// program's own messages, written out here.
#include "cli/status_line.h"
#include "engine/precise.h"
#include "reading/form_values.h"
#include "reading/reading_file.h"
#include "shell/core/file_io.h"
#include "shell/core/status_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace starloom;

namespace {

enum class Step {
    Nothing,
    WriteIntoMissingFolder,
    ReadMissingFile,
    OpenWrongExtension,
    OpenEmptyReading,
    LatitudeBeyondPole,
    ThirtiethOfFebruary,
    DamagedPreciseTable,
};

// The form's values of a birth every check accepts.
FormValues AcceptedBirth() {
    FormValues v;
    v.name = QStringLiteral("Anna");
    v.latDegrees = QStringLiteral("51");
    v.latMinutes = QStringLiteral("30");
    v.lonDegrees = QStringLiteral("0");
    v.lonMinutes = QStringLiteral("7");
    v.latDirection = 1;
    v.lonDirection = 1;
    v.city = QStringLiteral("London");
    v.state = QStringLiteral("-");
    v.country = QStringLiteral("England");
    return v;
}

// Runs the step in `dir`; paths in the expected texts are written as "%DIR%".
Status Run(Step step, const QTemporaryDir &dir) {
    FormValues values = AcceptedBirth();
    QStringList lines;
    switch (step) {
    case Step::Nothing:
        return CheckFormValues(values);
    case Step::WriteIntoMissingFolder:
        return WriteWholeFile(dir.filePath(QStringLiteral("gone/anna.act")), "x");
    case Step::ReadMissingFile:
        return ReadReadingFile(dir.filePath(QStringLiteral("none.act")), lines);
    case Step::OpenWrongExtension:
        return ReadReadingFile(dir.filePath(QStringLiteral("anna.txt")), lines);
    case Step::OpenEmptyReading: {
        QFile empty(dir.filePath(QStringLiteral("anna.act")));
        if (!empty.open(QIODevice::WriteOnly))
            return Failure(StatusCode::WriteFailed, "test set-up", "not made");
        empty.close();
        return ReadReadingFile(empty.fileName(), lines);
    }
    case Step::LatitudeBeyondPole:
        values.latDegrees = QStringLiteral("95");
        return CheckFormValues(values);
    case Step::ThirtiethOfFebruary:
        values.monthPosition = 1;
        values.dayText = QStringLiteral("30");
        return CheckFormValues(values);
    case Step::DamagedPreciseTable: {
        const std::vector<std::uint64_t> zeros(64, 0); // 8-byte aligned, as the check needs
        return StatusOf(CheckPreciseTable(
            {reinterpret_cast<const unsigned char *>(zeros.data()), zeros.size() * 8}));
    }
    }
    return Success();
}

} // namespace

class TestStatus : public QObject {
    Q_OBJECT
private slots:
    void carriedToBothViews_data();
    void carriedToBothViews();
};

void TestStatus::carriedToBothViews_data() {
    QTest::addColumn<Step>("step");
    QTest::addColumn<StatusCode>("code");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("window"); // the message box's text
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("line"); // the command-line tool's, after "starloom-cli: "
    QTest::addColumn<int>("exit");
    QTest::addColumn<FormField>("field"); // the entry the form's focus goes back to

    QTest::newRow("success") << Step::Nothing << StatusCode::Ok << ""
                             << "" << MessageIcon::Information << "" << 0 << FormField::None;
    QTest::newRow("write into a missing folder")
        << Step::WriteIntoMissingFolder << StatusCode::WriteFailed << "%DIR%/gone/anna.act"
        << "The file %DIR%/gone/anna.act could not be written.\nNo such file or directory"
        << MessageIcon::Error << "%DIR%/gone/anna.act: No such file or directory" << 2
        << FormField::None;
    QTest::newRow("read a missing file")
        << Step::ReadMissingFile << StatusCode::ReadFailed << "%DIR%/none.act"
        << "The file %DIR%/none.act could not be opened.\nNo such file or directory"
        << MessageIcon::Error << "%DIR%/none.act: No such file or directory" << 2
        << FormField::None;
    QTest::newRow("open a file not named .act")
        << Step::OpenWrongExtension << StatusCode::Refused << "%DIR%/anna.txt"
        << "Please Check The File." << MessageIcon::Error << "Please Check The File." << 2
        << FormField::None;
    QTest::newRow("open an empty reading file")
        << Step::OpenEmptyReading << StatusCode::BadContents << "anna.act"
        << "anna.act: the file is empty" << MessageIcon::Error << "anna.act: the file is empty" << 2
        << FormField::None;
    QTest::newRow("latitude 95 degrees")
        << Step::LatitudeBeyondPole << StatusCode::Refused << "latDegrees"
        << "Please Enter Correct Latitude" << MessageIcon::Error << "Please Enter Correct Latitude"
        << 2 << FormField::LatDegrees;
    QTest::newRow("30 February") << Step::ThirtiethOfFebruary << StatusCode::Notice << "date"
                                 << "Please Enter Correct Date Or Month!"
                                 << MessageIcon::Information
                                 << "Please Enter Correct Date Or Month!" << 2 << FormField::None;
    QTest::newRow("damaged precise table")
        << Step::DamagedPreciseTable << StatusCode::Damaged << "built-in table of precise positions"
        << "The built-in table of precise positions is damaged (%REASON%). Please install QM "
           "Starloom again."
        << MessageIcon::Critical
        << "the built-in table of precise positions is damaged (%REASON%); install the program "
           "again"
        << 2 << FormField::None;
}

void TestStatus::carriedToBothViews() {
    QFETCH(Step, step);
    QFETCH(StatusCode, code);
    QFETCH(QString, subject);
    QFETCH(QString, window);
    QFETCH(MessageIcon, icon);
    QFETCH(QString, line);
    QFETCH(int, exit);
    QFETCH(FormField, field);
    QTemporaryDir dir;
    const Status status = Run(step, dir);
    // The system's and the check's own words are the reason; the rest is the program's.
    const auto fill = [&dir, &status](QString text) {
        return text.replace(QStringLiteral("%DIR%"), dir.path())
            .replace(QStringLiteral("%REASON%"), QString::fromStdString(status.reason));
    };
    QCOMPARE(status.code, code);
    QCOMPARE(QString::fromStdString(status.subject), fill(subject));
    QCOMPARE(status.ok(), code == StatusCode::Ok);
    QVERIFY(status.ok() || !status.reason.empty());
    QCOMPARE(StatusMessage(status), fill(window));
    QCOMPARE(StatusIcon(status), icon);
    QCOMPARE(QString::fromStdString(cli::StatusLine(status)), fill(line));
    QCOMPARE(cli::ExitStatusOf(status), exit);
    QCOMPARE(FieldOfStatus(status), field);
}

QTEST_GUILESS_MAIN(TestStatus)
#include "test_status.moc"
