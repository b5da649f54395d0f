// The reading file and the text export: bytes on disk, reading back, and safe writing.
#include "reading/gui/birth_form.h"
#include "reading/reading_file.h"
#include "shell/core/status_text.h"
#include "support/form_controls.h"
#include "support/scripted_services.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace starloom;
using namespace starloom::testing;

namespace {

// 15 March 1980, 7:05, Indian Time, 28 36 N, 77 12 E, no daylight saving.
BirthData Anna() {
    BirthData b;
    b.BirthName = "Anna";
    b.BirthMonth = 3;
    b.BirthDay = 15;
    b.BirthYear = 1980;
    b.BirthHour = 7;
    b.BirthMinute = 5;
    b.LatDegrees = 28;
    b.LatMinutes = 36;
    b.LonDegrees = 77;
    b.LonMinutes = 12;
    b.LatDirFlag = true;
    b.LonDirFlag = true;
    b.DstFlag = false;
    b.BirthCity = "New Delhi";
    b.BirthState = "Delhi";
    b.BirthCountry = "India";
    return b;
}

QByteArray Shifted(const QByteArray &plain) {
    QByteArray out = plain;
    for (char &c : out)
        c = char((static_cast<unsigned char>(c) + 17) & 0xFF);
    return out;
}

QStringList ReadLines(const QByteArray &bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReadingFileLines(buffer);
}

// The committed golden file; with STARLOOM_UPDATE_GOLDEN=1 in the environment the actual
// bytes are written there first (then read the diff before committing it).
QByteArray Golden(const QString &name, const QByteArray &actual) {
    const QString path = QStringLiteral(STARLOOM_GOLDEN_DIR "/files/") + name;
    if (qEnvironmentVariableIsSet("STARLOOM_UPDATE_GOLDEN")) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing golden file>");
    return file.readAll();
}

} // namespace

class TestReadingFile : public QObject {
    Q_OBJECT
private slots:
    void fieldsOfTheFile();
    void bytesOnDisk();
    void lineEnds_data();
    void lineEnds();
    void limits_data();
    void limits();
    void flags_data();
    void flags();
    void roundTripThroughTheForm();
    void laterZonePositions_data();
    void laterZonePositions();
    void damagedFileIsRefusedWhole_data();
    void damagedFileIsRefusedWhole();
    void safeFileStem_data();
    void safeFileStem();
    void fileCutAfterLine10();
    void textExportGolden();
    void failedWriteKeepsEarlierFile();
};

void TestReadingFile::fieldsOfTheFile() {
    BirthData b = Anna();
    b.LonDirFlag = false; // West
    const QStringList fields = ReadingFileFields(b, 34);
    QCOMPARE(fields.size(), 17);
    QCOMPARE(fields[1], QStringLiteral("3"));
    QCOMPARE(fields[2], QStringLiteral("15"));
    QCOMPARE(fields[6], QStringLiteral("34"));
    QCOMPARE(fields[7], QStringLiteral("77")); // longitude comes before latitude
    QCOMPARE(fields[9], QStringLiteral("28"));
    QCOMPARE(fields[11], QStringLiteral("False"));
    QCOMPARE(fields[12], QStringLiteral("True"));
    QCOMPARE(fields[13], QStringLiteral("False"));
    QCOMPARE(fields[14], QStringLiteral("New Delhi"));
}

void TestReadingFile::bytesOnDisk() {
    const QByteArray file = EncodeReadingFile(Anna(), 34);
    // For plain ASCII every byte is the character's code raised by 17; lines end in CR LF.
    const QByteArray expected =
        Shifted("Anna") + "\r\n" + Shifted("3") + "\r\n" + Shifted("15") + "\r\n" +
        Shifted("1980") + "\r\n" + Shifted("7") + "\r\n" + Shifted("5") + "\r\n" + Shifted("34") +
        "\r\n" + Shifted("77") + "\r\n" + Shifted("12") + "\r\n" + Shifted("28") + "\r\n" +
        Shifted("36") + "\r\n" + Shifted("True") + "\r\n" + Shifted("True") + "\r\n" +
        Shifted("False") + "\r\n" + Shifted("New Delhi") + "\r\n" + Shifted("Delhi") + "\r\n" +
        Shifted("India") + "\r\n";
    QCOMPARE(file, expected);
    // A non-ASCII name keeps every character.
    BirthData b = Anna();
    b.BirthName = "G\xC3\xB3mez M\xC3\xBCller";
    const QStringList lines = ReadLines(EncodeReadingFile(b, 0));
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0], QString::fromUtf8("Gómez Müller"));
}

void TestReadingFile::lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QByteArray a = Shifted("Ann");
    const QByteArray b = Shifted("Bo");
    QTest::newRow("CR LF") << QByteArray(a + "\r\n" + b + "\r\n") << QStringList({"Ann", "Bo"});
    QTest::newRow("lone CR") << QByteArray(a + "\r" + b + "\r") << QStringList({"Ann", "Bo"});
    QTest::newRow("last line without end")
        << QByteArray(a + "\r\n" + b) << QStringList({"Ann", "Bo"});
    QTest::newRow("empty line kept")
        << QByteArray(a + "\r\n\r\n" + b) << QStringList({"Ann", "", "Bo"});
    // A lone LF is no line end: it is the scrambled form of a character of its own.
    QTest::newRow("lone LF inside a line")
        << QByteArray(a + "\n" + b) << QStringList({QString::fromUtf8("Annù") + "Bo"});
    QTest::newRow("empty file") << QByteArray() << QStringList();
    // 4096 bytes of a line are kept; a character those bytes end inside is left out whole.
    const QByteArray filler(4094, 'A');
    QTest::newRow("two-byte character cut at the limit")
        << Shifted(filler + "A\xC3\xA9z") << QStringList{QString(4095, QLatin1Char('A'))};
    QTest::newRow("three-byte character cut at the limit")
        << Shifted(filler + "\xE2\x82\xACz") << QStringList{QString(4094, QLatin1Char('A'))};
    QTest::newRow("character ending at the limit kept")
        << Shifted(filler + "\xC3\xA9z")
        << QStringList{QString(4094, QLatin1Char('A')) + QString::fromUtf8("\xC3\xA9")};
}

void TestReadingFile::lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(ReadLines(bytes), lines);
}

void TestReadingFile::limits_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("firstLineLength");
    QTest::newRow("10,000 lines") << QByteArray(10000, '\r') << 17 << 0;
    QTest::newRow("one huge line") << QByteArray(8 << 20, 'R') << 1 << 4096;
    QTest::newRow("huge first line then more")
        << QByteArray(QByteArray(100000, 'R') + "\r\n" + Shifted("x") + "\r\n") << 2 << 4096;
    QByteArray binary(70000, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) & 0xFF);
    QTest::newRow("binary") << binary << 17 << -1;
}

void TestReadingFile::limits() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, lineCount);
    QFETCH(int, firstLineLength);
    const QStringList lines = ReadLines(bytes);
    QCOMPARE(lines.size(), lineCount);
    for (const QString &line : lines)
        QVERIFY(line.toUtf8().size() <= 4 * 4096); // at most 4 KiB of bytes per line
    if (firstLineLength >= 0)
        QCOMPARE(lines.value(0).size(), firstLineLength);
}

void TestReadingFile::flags_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("expected");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("tRUE") << "tRUE" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("FALSE") << "FALSE" << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("minus one") << "-1" << true;
    QTest::newRow("two") << "2" << true;
    QTest::newRow("anything else") << "maybe" << true;
    QTest::newRow("missing line") << QString() << true;
}

void TestReadingFile::flags() {
    QFETCH(QString, line);
    QFETCH(bool, expected);
    QCOMPARE(ReadingFileFlag(line), expected);
}

void TestReadingFile::roundTripThroughTheForm() {
    ReadingState state;
    ScriptedShell shell;
    BirthForm form(state, shell.services());
    BirthData b = Anna();
    b.LonDirFlag = false;
    b.DstFlag = true;
    FormValues values = form.values();
    ApplyReadingFile(ReadLines(EncodeReadingFile(b, 16)), values);
    form.setValues(values);
    QCOMPARE(Controls(form).txtName->text(), QStringLiteral("Anna"));
    QCOMPARE(Controls(form).cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(Controls(form).cboDate->currentText(), QStringLiteral("15"));
    QCOMPARE(Controls(form).cboYear->currentText(), QStringLiteral("1980"));
    QCOMPARE(Controls(form).cboHour->currentText(), QStringLiteral("7"));
    QCOMPARE(Controls(form).cboMinute->currentText(), QStringLiteral("5"));
    QCOMPARE(ZonePosition(Controls(form).cboTimeZone), 16);
    QCOMPARE(Controls(form).txtLatD->text(), QStringLiteral("28"));
    QCOMPARE(Controls(form).txtLatM->text(), QStringLiteral("36"));
    QCOMPARE(Controls(form).txtLonD->text(), QStringLiteral("77"));
    QCOMPARE(Controls(form).txtLonM->text(), QStringLiteral("12"));
    QVERIFY(Controls(form).optLongEast[1]->isChecked()); // West
    QVERIFY(Controls(form).optLatSouth[1]->isChecked()); // North
    QVERIFY(Controls(form).chkDST->isChecked());
    QCOMPARE(Controls(form).txtCity->text(), QStringLiteral("New Delhi"));
    QCOMPARE(Controls(form).txtCountry->text(), QStringLiteral("India"));
    QVERIFY(form.ValidateInput());
}

void TestReadingFile::laterZonePositions_data() {
    QTest::addColumn<int>("saved");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("hours");   // to add to local time for universal time
    QTest::addColumn<QString>("minutes"); // the same sign as the hours
    // Nepal Time is 5 h 45 min east; local mean time at 77 12 E is 77.2 x 4 = 308.8, so
    // 309 minutes of time east (4 minutes per degree).
    QTest::newRow("Nepal Time") << 132 << 132 << "-5"
                                << "-45";
    QTest::newRow("Local Mean Time from the longitude") << 117 << 117 << "-5"
                                                        << "-9";
    QTest::newRow("the last entry") << 163 << 163 << "-8"
                                    << "-45";
}

void TestReadingFile::laterZonePositions() {
    QFETCH(int, saved);
    QFETCH(int, opened);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    BirthData b = Anna(); // 77 12 E
    FormValues values;
    const std::optional<QStringList> lines = ParseReadingFile(EncodeReadingFile(b, saved));
    QVERIFY(lines);
    ApplyReadingFile(*lines, values);
    QCOMPARE(values.zonePosition, opened);
    ReadingState state;
    BuildTimeZoneTables(state.Zones);
    ReadValuesIntoRecord(values, state);
    QCOMPARE(QString::fromStdString(state.Birth.ZoneHoursText), hours);
    QCOMPARE(QString::fromStdString(state.Birth.ZoneMinutesText), minutes);
}

void TestReadingFile::damagedFileIsRefusedWhole_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // empty: the file is a reading
    const auto with = [](int line, const QByteArray &plain) {
        QList<QByteArray> lines = EncodeReadingFile(Anna(), 34).split('\n');
        lines[line - 1] = Shifted(plain) + '\r';
        return lines.join('\n');
    };
    const QString range = QStringLiteral("anna.act, line %1: %2 is outside %3\u2013%4");
    QTest::newRow("year 2999") << with(4, "2999") << range.arg(4).arg("year 2999", "1800", "2199");
    QTest::newRow("year 1799") << with(4, "1799") << range.arg(4).arg("year 1799", "1800", "2199");
    QTest::newRow("month 13") << with(2, "13") << range.arg(2).arg("month 13", "1", "12");
    QTest::newRow("day 32") << with(3, "32") << range.arg(3).arg("day 32", "1", "31");
    QTest::newRow("hour 24") << with(5, "24") << range.arg(5).arg("hour 24", "0", "23");
    QTest::newRow("minute 60") << with(6, "60") << range.arg(6).arg("minute 60", "0", "59");
    for (const char *zone : {"999", "164", "-1", "65536"})
        QTest::newRow(qPrintable(QStringLiteral("zone %1").arg(zone)))
            << with(7, zone) << range.arg(7).arg(QStringLiteral("time zone ") + zone, "0", "163");
    QTest::newRow("latitude 95") << with(10, "95")
                                 << range.arg(10).arg("latitude degrees 95", "0", "90");
    QTest::newRow("month as a word")
        << with(2, "March") << "anna.act, line 2: month \"March\" is not a whole number";
    QTest::newRow("flag neither True nor False")
        << with(14, "maybe")
        << "anna.act, line 14: daylight saving \"maybe\" is neither True nor False";
    QTest::newRow("control character in the city")
        << with(15, "New\tDelhi") << "anna.act, line 15: the line holds control characters";
    QTest::newRow("cut after line 10")
        << EncodeReadingFile(Anna(), 34).left(EncodeReadingFile(Anna(), 34).indexOf(Shifted("36")))
        << "anna.act, line 11: the file ends before this line (a reading file has 17 lines)";
    QTest::newRow("empty") << QByteArray() << "anna.act: the file is empty";
    // What this program writes is read as it always was.
    QTest::newRow("the program's own file") << EncodeReadingFile(Anna(), 163) << QString();
    QFile golden(QStringLiteral(STARLOOM_GOLDEN_DIR "/cli/maryann.act"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QTest::newRow("golden file of the command-line tool") << golden.readAll() << QString();
    QTest::newRow("flags as numbers, lines after the 17th")
        << with(12, "0") + Shifted("more") + "\r\n"
        << QString();
}

void TestReadingFile::damagedFileIsRefusedWhole() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    ReadingFileFault fault;
    const std::optional<QStringList> lines = ParseReadingFile(bytes, &fault);
    QCOMPARE(lines ? QString()
                   : StatusMessage(ReadingFileRefusal(QStringLiteral("anna.act"), fault)),
             message);
    if (lines)
        QCOMPARE(lines->size(), 17);
}

void TestReadingFile::safeFileStem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stem");
    QTest::newRow("plain name") << "Ada Lovelace"
                                << "Ada Lovelace";
    QTest::newRow("blanks at the ends") << "  Ada "
                                        << "Ada";
    QTest::newRow("folders and an extension") << "../x/ada.act"
                                              << "___x_ada_act";
    QTest::newRow("forbidden characters") << "a:b*c?d\"e<f>g|h\\i\tj"
                                          << "a_b_c_d_e_f_g_h_i_j";
    QTest::newRow("nothing left") << "   "
                                  << "reading";
}

void TestReadingFile::safeFileStem() {
    QFETCH(QString, name);
    QFETCH(QString, stem);
    QCOMPARE(SafeFileStem(name), stem);
}

void TestReadingFile::fileCutAfterLine10() {
    ReadingState state;
    ScriptedShell shell;
    BirthForm form(state, shell.services());
    Controls(form).txtLatM->setText(QStringLiteral("44"));
    Controls(form).txtCity->setText(QStringLiteral("Old"));
    Controls(form).optLongEast[1]->setChecked(true);
    Controls(form).optLatSouth[0]->setChecked(true);
    QByteArray file = EncodeReadingFile(Anna(), 20);
    qsizetype cut = 0;
    for (int line = 0; line < 10; ++line)
        cut = file.indexOf("\r\n", cut) + 2;
    file.truncate(cut);
    // The opener refuses such a file whole; applied line by line, it fills what it has.
    QVERIFY(!ParseReadingFile(file));
    FormValues values = form.values();
    ApplyReadingFile(ReadLines(file), values);
    form.setValues(values);
    QCOMPARE(Controls(form).txtName->text(), QStringLiteral("Anna"));
    QCOMPARE(ZonePosition(Controls(form).cboTimeZone), 20);
    QCOMPARE(Controls(form).txtLatD->text(), QStringLiteral("28"));
    QVERIFY(Controls(form).txtLatM->text().isEmpty());
    QVERIFY(Controls(form).txtCity->text().isEmpty());
    QVERIFY(Controls(form).txtCountry->text().isEmpty());
    QVERIFY(Controls(form).optLongEast[0]->isChecked()); // missing flags act as true: East,
    QVERIFY(Controls(form).optLatSouth[1]->isChecked()); // North,
    QVERIFY(Controls(form).chkDST->isChecked());         // daylight saving ticked
    QVERIFY(!form.ValidateInput());
    QCOMPARE(shell.dialogs.takeOnlyMessage(), QStringLiteral("Please Enter Minutes of Latitude"));
}

void TestReadingFile::textExportGolden() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ChartPositions chart;
    BirthData b = Anna();
    b.ZoneHoursText = "-5";
    b.ZoneMinutesText = "-30";
    CalculateChart(b, chart);
    const QByteArray text = MakeTextExport(b, chart);
    QCOMPARE(text, Golden(QStringLiteral("anna_export.txt"), text));
    QVERIFY(text.contains("India\r\n\r\r\nPlanetary Position\r\n"));
    QVERIFY(text.endsWith("\r\n") && text.count("\r\n") == 21);
}

void TestReadingFile::failedWriteKeepsEarlierFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anna.act"));
    QVERIFY(WriteWholeFile(path, QByteArrayLiteral("first")).ok());
    auto content = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    };

    // A folder that is not there.
    const Status gone = WriteWholeFile(dir.filePath(QStringLiteral("gone/anna.act")), "x");
    QCOMPARE(gone.code, StatusCode::WriteFailed);
    QVERIFY(!gone.reason.empty());

    // A device that fills up half-way through the write: the file-size limit makes the
    // system refuse the bytes past 1 KiB, as a full disk would.
    struct rlimit old {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = WriteWholeFile(path, QByteArray(64 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(written.code, StatusCode::WriteFailed);
    QVERIFY(!written.reason.empty());
    QCOMPARE(content(), QByteArrayLiteral("first"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"anna.act"}));
}

QTEST_MAIN(TestReadingFile)
#include "test_reading_file.moc"
