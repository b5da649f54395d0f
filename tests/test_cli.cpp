// starloom-cli end to end, one reading at a time: the tool is run as a process and its
// output compared with golden files, with the program's own file writers, and with the
// form's refusals.
#include "reading/driver.h"
#include "reading/reading_file.h"
#include "shell/core/setting_text.h"
#include "test_cli_support.h"

#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace starloom;
using namespace starloom::clitest;

namespace {

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A run that succeeded quietly.
#define QVERIFY_CLEAN(run)                                                                         \
    do {                                                                                           \
        QCOMPARE((run).exitCode, 0);                                                               \
        QCOMPARE((run).err, QByteArray());                                                         \
    } while (false)

// The same birth with one option's value replaced (or added when missing).
QStringList WithOption(QStringList options, const QString &name, const QString &value) {
    const qsizetype at = options.indexOf(name);
    if (at >= 0)
        options[at + 1] = value;
    else
        options << name << value;
    return options;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void readingText_data();
    void readingText();
    void readingJson_data();
    void readingJson();
    void saveWritesTheProgramsFile();
    void openGivesTheSameReading();
    void exportFromOptionsAndFromFile();
    void zones();
    void versionAndHelp();
    void refusals_data();
    void refusals();
    void namesOfEveryScript_data();
    void namesOfEveryScript();
    void damagedFileIsRefusedWhole_data();
    void damagedFileIsRefusedWhole();
    void positionsMethod_data();
    void positionsMethod();

private:
    QTemporaryDir dir_;
};

void TestCli::readingText_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("golden");
    for (const Birth &b : FixedBirths())
        QTest::newRow(qPrintable(b.key)) << b.options << b.key + QStringLiteral(".txt");
}

void TestCli::readingText() {
    QFETCH(QStringList, options);
    QFETCH(QString, golden);
    const CliRun run = RunCli(QStringList{"reading"} + options);
    QVERIFY_CLEAN(run);
    QCOMPARE(run.out, Golden(golden, run.out));
}

void TestCli::readingJson_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("golden");
    for (const Birth &b : FixedBirths())
        QTest::newRow(qPrintable(b.key)) << b.options << b.key + QStringLiteral(".json");
}

void TestCli::readingJson() {
    QFETCH(QStringList, options);
    QFETCH(QString, golden);
    const CliRun run = RunCli(QStringList{"reading", "--json"} + options);
    QVERIFY_CLEAN(run);
    QCOMPARE(run.out, Golden(golden, run.out));
    const auto json = nlohmann::json::parse(run.out.toStdString());
    QCOMPARE(json["bodies"].size(), std::size_t(11));
    QCOMPARE(json["house_cells"].size(), std::size_t(12));
    QVERIFY(!json["patterns"].empty());
}

// Byte for byte the file Save As writes after the same reading, zone position on line 7.
void TestCli::saveWritesTheProgramsFile() {
    for (const Birth &b : FixedBirths()) {
        const QString path = dir_.filePath(b.key + QStringLiteral(".act"));
        const CliRun run = RunCli(QStringList{"save", path} + b.options);
        QVERIFY_CLEAN(run);
        QCOMPARE(run.out, QByteArray());
        ReadingState state;
        RunReading(b.values, state);
        QCOMPARE(ReadAll(path), EncodeReadingFile(state.Birth, b.values.zonePosition));
    }
    const QString path = dir_.filePath(QStringLiteral("maryann.act"));
    QCOMPARE(ReadAll(path), Golden(QStringLiteral("maryann.act"), ReadAll(path)));
}

void TestCli::openGivesTheSameReading() {
    for (const Birth &b : FixedBirths()) {
        const QString path = dir_.filePath(b.key + QStringLiteral("_open.act"));
        QCOMPARE(RunCli(QStringList{"save", path} + b.options).exitCode, 0);
        const CliRun text = RunCli({"open", path});
        QVERIFY_CLEAN(text);
        QCOMPARE(text.out, RunCli(QStringList{"reading"} + b.options).out);
        const CliRun json = RunCli({"open", path, "--json"});
        QVERIFY_CLEAN(json);
        QCOMPARE(json.out, RunCli(QStringList{"reading", "--json"} + b.options).out);
    }
}

void TestCli::exportFromOptionsAndFromFile() {
    const Birth b = Anna();
    const QString fromOptions = dir_.filePath(QStringLiteral("anna_options.txt"));
    QVERIFY_CLEAN(RunCli(QStringList{"export", fromOptions} + b.options));
    ReadingState state;
    RunReading(b.values, state);
    QCOMPARE(ReadAll(fromOptions), MakeTextExport(state.Birth, state.Chart));
    QCOMPARE(ReadAll(fromOptions), Golden(QStringLiteral("anna_export.txt"), ReadAll(fromOptions)));

    const QString act = dir_.filePath(QStringLiteral("anna_export.act"));
    QCOMPARE(RunCli(QStringList{"save", act} + b.options).exitCode, 0);
    const QString fromFile = dir_.filePath(QStringLiteral("anna_file.txt"));
    QVERIFY_CLEAN(RunCli({"export", fromFile, "--from", act}));
    QCOMPARE(ReadAll(fromFile), ReadAll(fromOptions));
}

void TestCli::zones() {
    const CliRun run = RunCli({"zones"});
    QVERIFY_CLEAN(run);
    // Sorted by name as the form shows them, each after the position --zone takes.
    QCOMPARE(run.out.count('\n'), 164);
    QVERIFY(run.out.startsWith(" 71  Addis Ababa Mean Time, ADMT, UTC+02:35\n"));
    QVERIFY(run.out.contains("\n 34  Indian Time, IST, UTC+05:30\n"));
    QVERIFY(run.out.contains("\n117  Local Mean Time, LMT, from the longitude\n"));
    QVERIFY(run.out.endsWith("\n 70  Yukon War Time, YWT, UTC-08:00\n"));
}

void TestCli::versionAndHelp() {
    const CliRun version = RunCli({"--version"});
    QVERIFY_CLEAN(version);
    QCOMPARE(version.out, QByteArray("starloom-cli 1.15\n"));
    const CliRun usage = RunCli({"--help"});
    QVERIFY_CLEAN(usage);
    for (const char *command : {"reading", "open", "save", "export", "image", "batch", "zones"}) {
        QVERIFY2(usage.out.contains(QByteArray("\n  ") + command + " "), command);
        const CliRun help = RunCli({QString::fromLatin1(command), "--help"});
        QVERIFY_CLEAN(help);
        QVERIFY2(help.out.startsWith(QByteArray("Usage: starloom-cli ") + command), command);
    }
    // The birth options are documented wherever they are taken.
    QVERIFY(RunCli({"save", "--help"}).out.contains("--country TEXT"));
}

// Every refusal: the one-line message on standard error, status 2, nothing on standard
// output, no file written. "@OUT" in an argument stands for a file in a fresh folder.
void TestCli::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QStringList mary = MaryAnn().options;
    const auto reading = [](const QStringList &options) {
        return QStringList{"reading"} + options;
    };
    const auto save = [](const QStringList &options) {
        return QStringList{"save", "@OUT.act"} + options;
    };

    // A chart needs the precise table's span: a birth carried by its zone one minute past
    // either end is refused; a latitude of 90 degrees has no ascendant.
    QTest::newRow("one minute before 1800 UT")
        << reading(
               WithOption(WithOption(WithOption(mary, "--date", "1800-01-01"), "--time", "00:59"),
                          "--zone", "20"))
        << "This birth falls at 1799-12-31 23:59 universal time.";
    QTest::newRow("one minute after 2199 UT")
        << reading(
               WithOption(WithOption(WithOption(mary, "--date", "2199-12-31"), "--time", "14:00"),
                          "--zone", "1"))
        << "This birth falls at 2200-01-01 00:00 universal time.";
    QTest::newRow("north pole") << reading(WithOption(mary, "--lat", "90:00N"))
                                << "At a pole (latitude 90 degrees)";
    // The form's own checks, with its messages.
    QTest::newRow("empty name") << reading(WithOption(mary, "--name", ""))
                                << "Please Enter Your Name";
    QTest::newRow("name of blanks")
        << reading(WithOption(mary, "--name", "   ")) << "Please Enter Your Name";
    // The letters-only boxes' rule, with the form's message for a refused key.
    QTest::newRow("digit in name")
        << reading(WithOption(mary, "--name", "Person 12")) << "--name: Please enter only letters";
    QTest::newRow("symbol in city, save") << save(WithOption(mary, "--city", "Greenwich & Co"))
                                          << "--city: Please enter only letters";
    QTest::newRow("Arabic-Indic digit in country")
        << reading(WithOption(mary, "--country", QString::fromUtf8("مصر ٣")))
        << "--country: Please enter only letters";
    QTest::newRow("empty city, save")
        << save(WithOption(mary, "--city", "")) << "Please Enter Your City name";
    QTest::newRow("empty state, export")
        << QStringList{"export", "@OUT.txt"} + WithOption(mary, "--state", "")
        << "Please Enter Your State name";
    QTest::newRow("empty country, image")
        << QStringList{"image", "@OUT.jpg"} + WithOption(mary, "--country", "")
        << "Please Enter Your Country name";
    QTest::newRow("29 February 1901")
        << save(WithOption(mary, "--date", "1901-02-29")) << "Please Enter Correct Date Or Month!";
    QTest::newRow("30 February 2000") << reading(WithOption(mary, "--date", "2000-02-30"))
                                      << "Please Enter Correct Date Or Month!";
    QTest::newRow("31 April") << QStringList{"image", "@OUT.jpg"} +
                                     WithOption(mary, "--date", "1990-04-31")
                              << "Please Enter Correct Date Or Month !";
    QTest::newRow("latitude 91") << reading(WithOption(mary, "--lat", "91:00N"))
                                 << "Please Enter Correct Latitude";
    QTest::newRow("latitude 90 30")
        << save(WithOption(mary, "--lat", "90:30S")) << "Please Enter Correct Latitude";
    QTest::newRow("longitude minutes 60")
        << reading(WithOption(mary, "--lon", "10:60E")) << "Please Enter Correct Longitude";

    // Malformed arguments.
    QTest::newRow("month 13") << save(WithOption(mary, "--date", "1990-13-01"))
                              << "--date: the month must be a whole number from 1 to 12";
    QTest::newRow("year before the list") << reading(WithOption(mary, "--date", "1799-12-31"))
                                          << "--date: the year must be a whole number from 1800";
    QTest::newRow("date with slashes")
        << reading(WithOption(mary, "--date", "1990/05/01")) << "--date: must be YYYY-MM-DD";
    QTest::newRow("hour 24") << reading(WithOption(mary, "--time", "24:00"))
                             << "--time: the hour must be a whole number from 0 to 23";
    QTest::newRow("zone 164") << save(WithOption(mary, "--zone", "164"))
                              << "--zone: the zone must be a whole number from 0 to 163";
    QTest::newRow("latitude without direction")
        << reading(WithOption(mary, "--lat", "51:28")) << "--lat: must be degrees:minutes";
    QTest::newRow("latitude with E")
        << reading(WithOption(mary, "--lat", "51:28E")) << "--lat: must be degrees:minutes";
    QTest::newRow("four-digit degrees")
        << reading(WithOption(mary, "--lon", "1000:00W")) << "--lon: must be degrees:minutes";
    QTest::newRow("missing longitude")
        << reading(mary.mid(0, mary.indexOf("--lon")) + mary.mid(mary.indexOf("--lon") + 2))
        << "missing --lon";
    QTest::newRow("unknown option")
        << reading(mary + QStringList{"--colour", "red"}) << "unknown option '--colour'";
    QTest::newRow("option twice") << reading(mary + QStringList{"--date", "1990-05-02"})
                                  << "--date given twice";
    QTest::newRow("option without value")
        << QStringList{"reading", "--date"} << "--date needs a value";
    QTest::newRow("unknown command") << QStringList{"horoscope"} << "unknown command 'horoscope'";
    QTest::newRow("no command") << QStringList{} << "missing command";
    QTest::newRow("save without a file") << QStringList{"save"} + mary << "missing FILE.act";
    QTest::newRow("from and options")
        << QStringList{"export", "@OUT.txt", "--from", "x.act", "--date", "1990-05-01"}
        << "--from cannot be combined with birth details";
    QTest::newRow("from a name not ending in act")
        << QStringList{"export", "@OUT.txt", "--from", "anna.ACT"} << "Please Check The File.";
    QTest::newRow("open a name not ending in act")
        << QStringList{"open", "anna.txt"} << "Please Check The File.";
    QTest::newRow("open a missing file") << QStringList{"open", "@OUT.act"} << "@OUT.act: ";
    QTest::newRow("positions of another name")
        << reading(mary + QStringList{"--positions", "exact"})
        << "--positions must be standard or precise";
    QTest::newRow("positions in capitals, batch")
        << QStringList{"batch", "in.csv", "--positions", "Precise"}
        << "--positions must be standard or precise";
    QTest::newRow("threads 0") << QStringList{"batch", "in.csv", "--threads", "0"}
                               << "--threads must be a whole number from 1 to 64";
}

void TestCli::refusals() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out"));
    for (QString &arg : args)
        arg.replace(QStringLiteral("@OUT"), out);
    message.replace(QStringLiteral("@OUT"), out);
    const CliRun run = RunCli(args, folder.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.startsWith("starloom-cli: " + message.toUtf8()), run.err.constData());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestCli::namesOfEveryScript_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("city");
    QTest::newRow("Latin") << "José Müller-O’Brien"
                           << "Stratford-upon-Avon";
    QTest::newRow("Arabic") << "مُحَمَّد"
                            << "القاهرة";
    QTest::newRow("CJK") << "山田太郎"
                         << "京都市";
}

// Names with accents, hyphens and apostrophes, and in Arabic and CJK scripts, pass, and the
// reading keeps them as given.
void TestCli::namesOfEveryScript() {
    QFETCH(QString, name);
    QFETCH(QString, city);
    const CliRun run =
        RunCli(QStringList{"reading"} +
               WithOption(WithOption(MaryAnn().options, "--name", name), "--city", city));
    QVERIFY_CLEAN(run);
    const QString text = QString::fromUtf8(run.out);
    QVERIFY2(text.startsWith(QStringLiteral("Name: ") + name + QLatin1Char('\n')), run.out);
    QVERIFY2(text.contains(QStringLiteral("\nCity: ") + city + QLatin1Char('\n')), run.out);
}

void TestCli::damagedFileIsRefusedWhole_data() {
    QTest::addColumn<int>("line"); // the line of Mary Ann's file that is replaced, or cut
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("cut after line 10")
        << 11 << QByteArray()
        << QByteArray("bad.act, line 11: the file ends before this line (a reading file has 17 "
                      "lines)");
    QTest::newRow("year 2999")
        << 4 << QByteArray("2999")
        << QString::fromUtf8("bad.act, line 4: year 2999 is outside 1800\u20132199").toUtf8();
}

// A file this program did not write, open and --from alike: refused whole, naming the file
// and the line, and nothing written.
void TestCli::damagedFileIsRefusedWhole() {
    QFETCH(int, line);
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, message);
    const QString full = dir_.filePath(QStringLiteral("full.act"));
    QCOMPARE(RunCli(QStringList{"save", full} + MaryAnn().options).exitCode, 0);
    QList<QByteArray> lines = ReadAll(full).split('\n');
    if (plain.isEmpty()) {
        lines = lines.mid(0, line - 1);
        lines.append(QByteArray());
    } else {
        for (char &byte : plain)
            byte = char(byte + kSettingShift);
        lines[line - 1] = plain + '\r';
    }
    const QString bad = dir_.filePath(QStringLiteral("bad.act"));
    QVERIFY(WriteAll(bad, lines.join('\n')));
    const QString export_ = dir_.filePath(QStringLiteral("bad.txt"));
    for (const QStringList &args :
         {QStringList{"open", bad}, QStringList{"export", export_, "--from", bad}}) {
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, "starloom-cli: " + message + '\n');
    }
    QVERIFY(!QFile::exists(export_));
}

// --positions in each command that computes a reading: the JSON names the method, the export
// and batch carry the chosen method's positions, and the retrograde marks of 1 May 1990 come
// out the same from the planets' motion as from the station tables.
void TestCli::positionsMethod_data() {
    QTest::addColumn<QStringList>("option");
    QTest::addColumn<QString>("method");
    QTest::newRow("default") << QStringList{} << "standard";
    QTest::newRow("standard") << QStringList{"--positions", "standard"} << "standard";
    QTest::newRow("precise") << QStringList{"--positions=precise"} << "precise";
}

void TestCli::positionsMethod() {
    QFETCH(QStringList, option);
    QFETCH(QString, method);
    const Birth mary = MaryAnn();
    ReadingState expected;
    expected.Method =
        method == QStringLiteral("precise") ? PositionMethod::Precise : PositionMethod::Standard;
    RunReading(mary.values, expected);

    const CliRun run = RunCli(QStringList{"reading", "--json"} + option + mary.options);
    QVERIFY_CLEAN(run);
    const auto json = nlohmann::json::parse(run.out.toStdString());
    QCOMPARE(QString::fromStdString(json["positions"]), method);
    for (int body = 0; body < kBodyCount; ++body) {
        const auto &b = json["bodies"][body];
        QCOMPARE(b["position"].get<std::string>(), expected.Chart.PositionText[body]);
        const bool retrograde = body == 2 || (body >= 7 && body <= 9);
        QCOMPARE(b["retrograde"].get<bool>(), retrograde);
    }

    const QString text = dir_.filePath(QStringLiteral("positions_%1.txt").arg(method));
    QVERIFY_CLEAN(RunCli(QStringList{"export", text} + option + mary.options));
    QCOMPARE(ReadAll(text), MakeTextExport(expected.Birth, expected.Chart));

    const QString csv = dir_.filePath(QStringLiteral("positions.csv"));
    QVERIFY(WriteAll(csv, "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,"
                          "lon_deg,lon_min,lon_dir,city,state,country\n"
                          "Mary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n"));
    const CliRun batch = RunCli(QStringList{"batch", csv, "--threads", "1"} + option);
    QVERIFY_CLEAN(batch);
    const auto line = nlohmann::json::parse(batch.out.toStdString());
    QCOMPARE(QString::fromStdString(line["positions"]), method);
    QCOMPARE(line["bodies"][1]["position"].get<std::string>(), expected.Chart.PositionText[1]);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
