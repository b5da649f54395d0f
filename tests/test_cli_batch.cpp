// starloom-cli batch: CSV rows to JSON Lines in input order, bad rows reported in their
// place, the same bytes whatever the thread count; and the CSV reader on its own.
#include "cli/csv_reader.h"
#include "cli/reading_output.h"
#include "cli/shortest_double.h"
#include "support/fault_files.h"
#include "test_cli_support.h"

#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <thread>

using namespace starloom;
using namespace starloom::cli;
using namespace starloom::clitest;
using namespace starloom::testing;

namespace {

constexpr char kHeader[] = "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,"
                           "lon_deg,lon_min,lon_dir,city,state,country";

// Good rows around bad ones; the quoted fields hold a comma, doubled quotes and a line
// break, so the line numbers of the rows after them count the break.
const QByteArray kMixedRows =
    QByteArray(kHeader) + "\r\n" +
    "Mary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\r\n"
    "\"Smith, John\",1975,8,23,17,45,34,0,28,36,N,77,12,E,New Delhi,Delhi,India\r\n"
    "\"The "
    "\"\"Kid\"\"\",2000,2,29,23,45,8,1,33,52,S,151,12,E,\"Sydney\r\nHarbour\",NSW,Australia\r\n"
    "Late Feb,1999,2,30,10,0,29,0,51,28,N,0,0,W,London,London,England\r\n"
    "Too Early,1799,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\r\n"
    "Short Row,1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London\r\n"
    "\r\n"
    "Bad\"Quote,1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\r\n"
    ",1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\r\n"
    "Far North,1990,1,1,0,0,29,0,95,0,N,0,0,W,London,London,England\r\n"
    "No Direction,1990,1,1,0,0,29,0,51,28,,0,0,W,London,London,England\r\n"
    "Buenos Aires,1955,7,9,6,30,14,0,34,36,S,58,22,W,Buenos Aires,CABA,Argentina\n";

constexpr int kRefusedEvery = 97; // rows

// Deterministic rows over the whole range of every column, with a refused one now and then.
QByteArray GeneratedRows(int count) {
    QByteArray csv = QByteArray(kHeader) + "\n";
    quint32 seed = 20261207;
    const auto next = [&seed](int range) {
        seed = seed * 1664525U + 1013904223U; // Numerical Recipes' LCG
        return int((seed >> 8) % quint32(range));
    };
    for (int i = 0; i < count; ++i) {
        const bool refused = i % kRefusedEvery == 0; // 31 April
        csv += QStringLiteral("Person %1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,City,State,"
                              "Country\n")
                   .arg(i)
                   .arg(1901 + next(150))
                   .arg(refused ? 4 : 1 + next(12))
                   .arg(refused ? 31 : 1 + next(28))
                   .arg(next(24))
                   .arg(next(60))
                   .arg(next(71))
                   .arg(next(2))
                   .arg(next(90))
                   .arg(next(60))
                   .arg(next(2) ? "N" : "S")
                   .arg(next(180))
                   .arg(next(60))
                   .arg(next(2) ? "E" : "W")
                   .toUtf8();
    }
    return csv;
}

// The significant digits of a decimal text ("212.5", "1e-05", "-0.0012") and the power of
// ten of the first of them; "" for zero.
std::pair<std::string, int> Significant(std::string_view text) {
    if (!text.empty() && text[0] == '-')
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    int exponent = e == std::string_view::npos ? 0 : std::stoi(std::string(text.substr(e + 1)));
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string digits;
    for (const char c : mantissa) {
        if (c != '.')
            digits += c;
    }
    exponent += static_cast<int>(point) - 1;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {"", 0};
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits.substr(first), exponent - static_cast<int>(first)};
}

// Our text of a double against the library's shortest form: the same digits at the same
// place, and a text that reads as a floating-point number and back as the same double.
QString ShortestMismatch(double value) {
    char ours[kShortestDoubleBytes];
    const std::string_view text(ours, WriteShortestDouble(ours, value) - ours);
    char theirs[kShortestDoubleBytes];
    const std::string_view library(
        theirs, std::to_chars(theirs, theirs + sizeof theirs, value).ptr - theirs);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    const bool looksFloating = text.find_first_of(".e") != std::string_view::npos;
    if (Significant(text) == Significant(library) && looksFloating &&
        std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(value))
        return {};
    return QStringLiteral("%1: ours %2, library's %3")
        .arg(value, 0, 'g', 17)
        .arg(QString::fromUtf8(text.data(), qsizetype(text.size())))
        .arg(QString::fromUtf8(library.data(), qsizetype(library.size())));
}

// Runs the tool with a terminal (a pseudo-terminal made by script(1)) for its standard
// output and error; what the terminal received.
QByteArray RunInTerminal(const QStringList &args) {
    QString command = QStringLiteral("'" STARLOOM_CLI "'");
    for (const QString &arg : args)
        command += QStringLiteral(" '") + arg + QLatin1Char('\'');
    QProcess process;
    process.start(QStringLiteral("script"), {"-qec", command, "/dev/null"});
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    return process.readAllStandardOutput();
}

// tests/support/batch_check.py run by Python 3 on `args`; its standard output, or
// "<python3 not run>" when it could not be.
QByteArray BatchCheck(const QStringList &args) {
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList{STARLOOM_BATCH_CHECK} + args);
    if (!python.waitForFinished(120000) || python.exitCode() != 0)
        return "<python3 not run> " + python.readAllStandardError();
    return python.readAllStandardOutput();
}

bool WriteAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The records of a CSV text as "line: field|field|..." or "line: error", one per record.
QStringList Records(const QByteArray &csv) {
    QStringList records;
    std::FILE *input = fmemopen(const_cast<char *>(csv.constData()), csv.size(), "rb");
    if (input == nullptr)
        return {QStringLiteral("<fmemopen failed>")};
    CsvReader reader(input);
    CsvRecord record;
    while (reader.next(record)) {
        QStringList fields;
        for (const std::string &field : record.fields)
            fields << QString::fromStdString(field);
        records << QStringLiteral("%1: %2")
                       .arg(record.line)
                       .arg(record.error.empty() ? fields.join(QLatin1Char('|'))
                                                 : QString::fromStdString(record.error));
    }
    std::fclose(input);
    return records;
}

} // namespace

class TestCliBatch : public QObject {
    Q_OBJECT
private slots:
    void csvRecords_data();
    void csvRecords();
    void mixedRowsGolden();
    void goodRowsAreTheReadingsObjects();
    void writerLineIsTheCompactObject_data();
    void writerLineIsTheCompactObject();
    void writerLineIsTheDriversReading();
    void shortestNumbers_data();
    void shortestNumbers();
    void shortestNumbersAtRandom();
    void threadCountDoesNotChangeTheOutput();
    void outputFileAndStandardInput();
    void refusedInputWritesNothing_data();
    void refusedInputWritesNothing();
    void coordinatesAsTheBoxesTakeThem_data();
    void coordinatesAsTheBoxesTakeThem();
    void namesAsTheReadingFileTakesThem_data();
    void namesAsTheReadingFileTakesThem();
    void numbersAsTheyWere_data();
    void numbersAsTheyWere();
    void csvTableHoldsTheLinesValues();
    void progressOnATerminalOnly_data();
    void progressOnATerminalOnly();
    void inputThatCannotBeRead_data();
    void inputThatCannotBeRead();
    void outputIntoDeviceOrPipe_data();
    void outputIntoDeviceOrPipe();

private:
    QTemporaryDir dir_;
};

void TestCliBatch::csvRecords_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("CR LF, LF and a last line without end")
        << QByteArray("a,b\r\nc,d\ne,f") << QStringList{"1: a|b", "2: c|d", "3: e|f"};
    QTest::newRow("empty fields") << QByteArray(",,\n") << QStringList{"1: ||"};
    QTest::newRow("comma and doubled quote inside quotes")
        << QByteArray("\"x, y\",\"say \"\"hi\"\"\"\n") << QStringList{"1: x, y|say \"hi\""};
    QTest::newRow("line break inside quotes counts a line")
        << QByteArray("\"one\r\ntwo\",z\nnext\n") << QStringList{"1: one\r\ntwo|z", "3: next"};
    QTest::newRow("empty lines skipped")
        << QByteArray("a\n\n\r\nb\n") << QStringList{"1: a", "4: b"};
    QTest::newRow("quoted empty field is a record") << QByteArray("\"\"\n") << QStringList{"1: "};
    QTest::newRow("quote inside an unquoted field")
        << QByteArray("ab\"c,d\nok\n")
        << QStringList{"1: a quote inside a field that does not start with one", "2: ok"};
    QTest::newRow("text after a closing quote")
        << QByteArray("\"ab\"c,d\nok\n") << QStringList{"1: text after a closing quote", "2: ok"};
    QTest::newRow("quote left open at the end")
        << QByteArray("ok\n\"never closed,\nstill\n")
        << QStringList{"1: ok", "2: a quoted field is not closed at the end of the input"};
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF"
                                                           "a,b\n")
                                             << QStringList{"1: a|b"};
    QTest::newRow("nothing") << QByteArray() << QStringList{};
    // Past a limit a record is an error line of its own, its bytes not kept; the record after
    // it is read as usual, on its own line number.
    QTest::newRow("field over 64 KiB") << QByteArray(70000, 'x') + ",b\nok\n"
                                       << QStringList{"1: a field is longer than 64 KiB", "2: ok"};
    QTest::newRow("record over 1 MiB")
        << QByteArray(60000, 'y').append(',').repeated(20) + "\nok\n"
        << QStringList{"1: the record is longer than 1 MiB", "2: ok"};
    QTest::newRow("1024 fields") << QByteArray(1023, ',') + "\nok\n"
                                 << QStringList{"1: " + QString(1023, QLatin1Char('|')), "2: ok"};
    QTest::newRow("1025 fields") << QByteArray(1024, ',') + "\nok\n"
                                 << QStringList{"1: more than 1024 fields in the record", "2: ok"};
    QTest::newRow("2000 fields") << QByteArray(2000, ',') + "\nok\n"
                                 << QStringList{"1: more than 1024 fields in the record", "2: ok"};
    QTest::newRow("quoted lines over 1 MiB keep the count")
        << "\"" + QByteArray("a\n").repeated(600000) + "\"\nok\n"
        << QStringList{"1: a field is longer than 64 KiB", "600002: ok"};
    QTest::newRow("quote left open for 2 MiB")
        << "\"" + QByteArray(2 << 20, 'z') << QStringList{"1: a field is longer than 64 KiB"};
}

void TestCliBatch::csvRecords() {
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, records);
    QCOMPARE(Records(csv), records);
}

void TestCliBatch::mixedRowsGolden() {
    const QString in = dir_.filePath(QStringLiteral("mixed.csv"));
    QVERIFY(WriteAll(in, kMixedRows));
    const CliRun run = RunCli({"batch", in, "--threads", "2"});
    QCOMPARE(run.exitCode, 1); // some rows were refused
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, Golden(QStringLiteral("batch_mixed.jsonl"), run.out));
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 12); // 11 rows and the empty text after the last line end
    QCOMPARE(lines[3],
             QByteArray("{\"line\":6,\"error\":\"Please Enter Correct Date Or Month!\"}"));
    QCOMPARE(lines[4], QByteArray("{\"line\":7,\"error\":\"year must be a whole number from 1800 "
                                  "to 2199\"}"));
    QCOMPARE(lines[5], QByteArray("{\"line\":8,\"error\":\"expected 17 fields, found 16\"}"));
    QCOMPARE(lines[7], QByteArray("{\"line\":11,\"error\":\"Please Enter Your Name\"}"));
    QCOMPARE(lines[8], QByteArray("{\"line\":12,\"error\":\"Please Enter Correct Latitude\"}"));
    QCOMPARE(lines[9],
             QByteArray("{\"line\":13,\"error\":\"Please Select Direction For The Latitude\"}"));
    const auto kid = nlohmann::json::parse(lines[2].toStdString());
    QCOMPARE(kid["name"].get<std::string>(), std::string("The \"Kid\""));
}

// A batch line holds the same object as `reading --json` for that birth.
void TestCliBatch::goodRowsAreTheReadingsObjects() {
    const QString in = dir_.filePath(QStringLiteral("good.csv"));
    QVERIFY(WriteAll(in, QByteArray(kHeader) + "\n" +
                             "Mary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n"
                             "Anna,1980,3,15,7,5,34,0,28,36,N,77,12,E,New Delhi,Delhi,India\n" +
                             QString::fromUtf8("Lucía Pérez,2000,2,29,23,45,8,1,33,52,S,151,12,E,"
                                               "Sydney,New South Wales,Australia\n")
                                 .toUtf8()));
    const CliRun run = RunCli({"batch", in});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    const QList<Birth> births = FixedBirths();
    QCOMPARE(lines.size(), births.size() + 1);
    for (int i = 0; i < births.size(); ++i) {
        const CliRun reading = RunCli(QStringList{"reading", "--json"} + births[i].options);
        QCOMPARE(reading.exitCode, 0);
        // (QCOMPARE cannot print a JSON value.)
        QVERIFY2(nlohmann::json::parse(lines[i].toStdString()) ==
                     nlohmann::json::parse(reading.out.toStdString()),
                 lines[i].constData());
    }
}

// The batch's line writer puts together what the library writes for the values; the whole
// object dumped by the library is the reference. One writer serves every row, so a row
// cannot keep anything of the one before it (a place, a longer aspect list).
void TestCliBatch::writerLineIsTheCompactObject_data() {
    QTest::addColumn<int>("birth");       // in FixedBirths()
    QTest::addColumn<QByteArray>("name"); // bytes put into the record after the reading
    QTest::addColumn<bool>("place");
    QTest::addColumn<QString>("note");
    QTest::newRow("plain") << 0 << QByteArray("Mary Ann") << false << QString();
    QTest::newRow("quote and backslash")
        << 1 << QByteArray("The \"Kid\" \\o/") << false << QString();
    QTest::newRow("control characters")
        << 2 << QByteArray("Tab\there\x01\x1f\x7f") << false << QString();
    QTest::newRow("beyond ASCII") << 2
                                  << QByteArray("Luc\xc3\xad"
                                                "a \xe2\x9c\x93")
                                  << true
                                  << QString::fromUtf8("Clocks went forward at 02:00 \xe2\x86\x92");
    QTest::newRow("not UTF-8, replaced")
        << 0 << QByteArray("Bad \xff\xfe end") << false << QString();
    QTest::newRow("empty, after a place") << 1 << QByteArray() << false << QString();
}

void TestCliBatch::writerLineIsTheCompactObject() {
    QFETCH(int, birth);
    QFETCH(QByteArray, name);
    QFETCH(bool, place);
    QFETCH(QString, note);
    static ReadingJsonWriter writer;
    ReadingState state;
    const ReadingOutcome outcome = RunReading(FixedBirths()[birth].values, state);
    state.Birth.BirthName = name.toStdString();
    TimeSource source;
    if (place) {
        source.place = AtlasPlace{QString::fromUtf8("Z\xc3\xbcrich \"Altstadt\""),
                                  QStringLiteral("Z\u00fcrich"),
                                  QStringLiteral("Switzerland"),
                                  QStringLiteral("Europe/Zurich"),
                                  47.36667,
                                  8.55,
                                  0};
    }
    source.timeNote = note;
    const ZoneUsed zone{FixedBirths()[birth].values.zonePosition, &source};
    ByteBuffer line;
    line.append("kept|");
    ChartFacts facts;
    DescribeChart(outcome.Chart, facts);
    writer.appendLine({7, &state.Birth, &outcome.Chart, &facts, zone}, line);
    const std::string_view written = line.view();
    QVERIFY(written.starts_with("kept|") && written.ends_with("}\n"));
    // The same object; a number may have other digits than the library's, never another value.
    const auto object = nlohmann::json::parse(written.substr(5));
    QVERIFY2(object == nlohmann::json::parse(CompactJson(ReadingJson(state, outcome, zone))),
             written.data());
}

// The line made from the chart of numbers holds what the reading driver makes of the same
// chart through its text tables, for births of every kind, both methods and several house
// systems.
void TestCliBatch::writerLineIsTheDriversReading() {
    QRandomGenerator random(20261208);
    ReadingJsonWriter writer;
    ByteBuffer line;
    ChartFacts facts;
    for (int i = 0; i < 1500; ++i) {
        FormValues values = FixedBirths()[0].values;
        values.yearText = QString::number(kFirstYear + random.bounded(kLastYear - kFirstYear + 1));
        values.monthPosition = random.bounded(12);
        values.dayText = QString::number(1 + random.bounded(28));
        values.hourText = QString::number(random.bounded(24));
        values.minuteText = QString::number(random.bounded(60));
        values.zonePosition = random.bounded(kZoneCount);
        values.latDegrees = QString::number(random.bounded(90));
        values.lonDegrees = QString::number(random.bounded(181));
        values.latDirection = random.bounded(2);
        values.lonDirection = random.bounded(2);
        if (!CheckFormValues(values).ok())
            continue;
        ReadingState state;
        state.Method = i % 2 == 0 ? PositionMethod::Standard : PositionMethod::Precise;
        state.Houses = kHouseSystems[i % kHouseSystemCount];
        const ReadingOutcome outcome = RunReading(values, state);
        const ZoneUsed zone{values.zonePosition, nullptr};
        line.clear();
        DescribeChart(outcome.Chart, facts);
        writer.appendLine({1, &state.Birth, &outcome.Chart, &facts, zone}, line);
        const std::string expected = CompactJson(ReadingJson(state, outcome, zone));
        QVERIFY2(nlohmann::json::parse(line.view()) == nlohmann::json::parse(expected),
                 expected.c_str());
    }
}

void TestCliBatch::shortestNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("one") << 1.0;
    QTest::newRow("a tenth") << 0.1;
    QTest::newRow("tenths that do not add up") << 0.1 + 0.2;
    QTest::newRow("two thirds") << 2.0 / 3.0;
    QTest::newRow("a cusp") << 330.0;
    QTest::newRow("below a full turn") << std::nextafter(360.0, 0.0);
    QTest::newRow("a power of two") << 256.0;
    QTest::newRow("below a power of two") << std::nextafter(256.0, 0.0);
    QTest::newRow("above a power of two") << std::nextafter(256.0, 512.0);
    QTest::newRow("smallest written by hand") << std::ldexp(1.0, -10);
    QTest::newRow("just below that") << std::nextafter(std::ldexp(1.0, -10), 0.0);
    QTest::newRow("largest written by hand") << std::nextafter(std::ldexp(1.0, 21), 0.0);
    QTest::newRow("just above that") << std::ldexp(1.0, 21);
    QTest::newRow("just below a whole degree") << std::nextafter(30.0, 0.0);
    QTest::newRow("just above a whole degree") << std::nextafter(100.0, 200.0);
    QTest::newRow("zeros after the point") << 1.0000000000000002;
    // Exactly halfway between the two nearest shortest texts: the even one, found with no
    // digit (1.00000762939453125) or one digit (10.0000152587890625) taken off the
    // seventeen or eighteen first worked out.
    QTest::newRow("halfway at seventeen digits") << 1.0 + std::ldexp(1.0, -17);
    QTest::newRow("halfway at one digit fewer") << 10.0 + std::ldexp(1.0, -16);
    QTest::newRow("zeros past eighteen digits") << std::nextafter(std::ldexp(1.0, -10), 1.0);
    QTest::newRow("an orb of a few seconds") << 0.0012345678901234567;
    QTest::newRow("seventeen digits below a tenth") << 0.029943827054428596;
    QTest::newRow("a small orb") << 1e-5;
    QTest::newRow("negative") << -123.456;
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
}

void TestCliBatch::shortestNumbers() {
    QFETCH(double, value);
    const QString mismatch = ShortestMismatch(value);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// Doubles of every exponent the hand-made path takes, and longitudes; and at every power of
// two there, where the doubles below lie closer together than those above, its first
// neighbours on both sides and the last double before the next power.
void TestCliBatch::shortestNumbersAtRandom() {
    for (int exponent = -12; exponent <= 22; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        for (const double value : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e9),
                                   std::nextafter(2 * power, 0.0)}) {
            const QString mismatch = ShortestMismatch(value);
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<std::uint64_t> exponent(1010, 1046);
    std::uniform_int_distribution<std::uint64_t> fraction(0, (1ULL << 52) - 1);
    std::uniform_real_distribution<double> longitude(0.0, 360.0);
    for (int i = 0; i < 1000000; ++i) {
        const double value = i % 2 == 0
                                 ? longitude(random)
                                 : std::bit_cast<double>(exponent(random) << 52 | fraction(random));
        const QString mismatch = ShortestMismatch(value);
        if (!mismatch.isEmpty())
            QFAIL(qPrintable(mismatch));
    }
}

void TestCliBatch::threadCountDoesNotChangeTheOutput() {
    constexpr int kRows = 3000;
    const QString in = dir_.filePath(QStringLiteral("many.csv"));
    QVERIFY(WriteAll(in, GeneratedRows(kRows)));
    const CliRun one = RunCli({"batch", in, "--threads", "1"});
    QCOMPARE(one.exitCode, 1);
    QCOMPARE(one.out.count('\n'), kRows);
    QCOMPARE(one.out.count("{\"line\":"), (kRows - 1) / kRefusedEvery + 1);
    for (const char *threads : {"2", "7"}) {
        const CliRun many = RunCli({"batch", in, "--threads", threads});
        QCOMPARE(many.exitCode, 1);
        QVERIFY2(many.out == one.out, threads);
    }
}

void TestCliBatch::outputFileAndStandardInput() {
    const QByteArray csv = QByteArray(kHeader) +
                           "\nMary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n";
    const QString in = dir_.filePath(QStringLiteral("one.csv"));
    QVERIFY(WriteAll(in, csv));
    const CliRun toStdout = RunCli({"batch", in});
    QCOMPARE(toStdout.exitCode, 0);
    const QString out = dir_.filePath(QStringLiteral("one.jsonl"));
    const CliRun toFile = RunCli({"batch", in, "--out", out});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(toFile.out, QByteArray());
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), toStdout.out);
    const CliRun fromStdin = RunCli({"batch", "-"}, {}, csv);
    QCOMPARE(fromStdin.exitCode, 0);
    QCOMPARE(fromStdin.out, toStdout.out);
}

void TestCliBatch::refusedInputWritesNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    QTest::newRow("no header") << QByteArray("Mary,1990,5,1,12,0,29,0,51,28,N,0,0,W,G,L,E\n")
                               << "the first line must be the header";
    QTest::newRow("header with a column missing")
        << QByteArray("name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,"
                      "lon_deg,lon_min,lon_dir,city,state\n")
        << "the first line must be the header";
    QTest::newRow("empty file") << QByteArray() << "the first line must be the header";
}

void TestCliBatch::refusedInputWritesNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.csv"));
    QVERIFY(WriteAll(in, csv));
    const QString out = folder.filePath(QStringLiteral("out.jsonl"));
    for (const QStringList &args :
         {QStringList{"batch", in}, QStringList{"batch", in, "--out", out}}) {
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"in.csv"});
    const CliRun missing = RunCli({"batch", folder.filePath(QStringLiteral("none.csv"))});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.err.contains("none.csv: No such file or directory"));
}

void TestCliBatch::coordinatesAsTheBoxesTakeThem_data() {
    QTest::addColumn<QByteArray>("latitude"); // the lat_deg field
    QTest::addColumn<QByteArray>("result");   // the batch line, or the start of a reading
    QTest::newRow("digits") << QByteArray("51") << QByteArray("{\"name\"");
    QTest::newRow("decimal point") << QByteArray("1.5")
                                   << QByteArray("{\"line\":2,\"error\":\"lat_deg must be one to "
                                                 "three digits\"}");
    QTest::newRow("blanks around") << QByteArray(" 5 ")
                                   << QByteArray("{\"line\":2,\"error\":\"lat_deg must be one to "
                                                 "three digits\"}");
    QTest::newRow("sign") << QByteArray("-5")
                          << QByteArray("{\"line\":2,\"error\":\"lat_deg must be one to three "
                                        "digits\"}");
    QTest::newRow("empty: the form's refusal")
        << QByteArray() << QByteArray("{\"line\":2,\"error\":\"Please Enter Degree of Latitude\"}");
}

void TestCliBatch::coordinatesAsTheBoxesTakeThem() {
    QFETCH(QByteArray, latitude);
    QFETCH(QByteArray, result);
    const QByteArray csv = QByteArray(kHeader) + "\nMary Ann,1990,5,1,12,0,29,0," + latitude +
                           ",28,N,0,0,W,Greenwich,London,England\n";
    const CliRun run = RunCli({"batch", "-"}, {}, csv);
    QVERIFY2(run.out.startsWith(result), run.out.left(200).constData());
}

// A name the reading file would refuse is refused in its row, by both commands.
void TestCliBatch::namesAsTheReadingFileTakesThem_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("NUL") << QByteArray("Ann\0Lee", 7) << false;
    QTest::newRow("tab") << QByteArray("Ann\tLee") << false;
    QTest::newRow("line break in quotes") << QByteArray("\"Ann\nLee\"") << false;
    QTest::newRow("escape") << QByteArray("Ann\x1b") << false;
    QTest::newRow("delete") << QByteArray("Ann\x7f") << false;
    QTest::newRow("letters beyond ASCII") << QByteArray("Zo\xc3\xab") << true;
}

void TestCliBatch::namesAsTheReadingFileTakesThem() {
    QFETCH(QByteArray, name);
    QFETCH(bool, taken);
    const QByteArray csv =
        QByteArray(kHeader) + "\n" + name + ",1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,L,E\n";
    const CliRun batch = RunCli({"batch", "-"}, {}, csv);
    const CliRun stats = RunCli({"stats", "-"}, {}, csv);
    QCOMPARE(batch.exitCode, taken ? 0 : 1);
    QCOMPARE(stats.exitCode, taken ? 0 : 1);
    if (!taken) {
        constexpr char kReason[] = "name must not hold control characters";
        QCOMPARE(batch.out, QByteArray("{\"line\":2,\"error\":\"") + kReason + "\"}\n");
        QCOMPARE(stats.err, QByteArray("starloom-cli: line 2: ") + kReason + " (row skipped)\n");
    }
}

// Every value of 2,000 generated rows, read back by Python, as the batch gave it before
// its numbers were printed by our own shortest printer and before the standard method
// judged applying from instantaneous motions: one digest of the objects without their
// applying flags, written again by Python (so digits do not matter, only the doubles). The
// digests were made with the earlier program (with its eastern ascendant, houses and
// 1800-2199 table); the applying rule has its own test (test_natal_chart).
void TestCliBatch::numbersAsTheyWere_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("standard") << "standard"
                              << QByteArray("0e16c983af890af7741a3439dd909232b3bcf24461d2dc57"
                                            "c74ec84c8336b106");
    QTest::newRow("precise") << "precise"
                             << QByteArray("3d8c7d5f127363cfae12fc8b64787ab1ed91572ee4f630a1"
                                           "ec196dfb160d581b");
}

void TestCliBatch::numbersAsTheyWere() {
    QFETCH(QString, method);
    QFETCH(QByteArray, digest);
    const QString in = dir_.filePath(QStringLiteral("two-thousand.csv"));
    QVERIFY(WriteAll(in, GeneratedRows(2000)));
    const QString out = dir_.filePath(QStringLiteral("two-thousand.jsonl"));
    const CliRun run = RunCli({"batch", in, "--positions", method, "--out", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(BatchCheck({"digest", out}).trimmed(), digest);
}

// The CSV table read back by Python's csv module holds the JSON lines' values, value by
// value: generated rows, refused ones among them, and names that need quoting, are beyond
// ASCII or are not UTF-8 at all.
void TestCliBatch::csvTableHoldsTheLinesValues() {
    const QString in = dir_.filePath(QStringLiteral("table.csv"));
    QVERIFY(WriteAll(in, GeneratedRows(500) +
                             "\"Smith, \"\"John\"\"\",1990,5,1,12,0,29,0,51,28,N,0,0,W,G,L,E\n"
                             "Luc\xc3\xad"
                             "a,1990,5,1,12,0,29,0,51,28,N,0,0,W,G,L,E\n"
                             "Bad \xff"
                             " end,1990,5,1,12,0,29,0,51,28,N,0,0,W,G,L,E\n"));
    const QString lines = dir_.filePath(QStringLiteral("table.jsonl"));
    const QString table = dir_.filePath(QStringLiteral("table.out.csv"));
    QCOMPARE(RunCli({"batch", in, "--houses", "equal", "--out", lines}).exitCode, 1);
    QCOMPARE(RunCli({"batch", in, "--houses", "equal", "--format", "csv", "--out", table}).exitCode,
             1);
    QCOMPARE(BatchCheck({"csv", lines, table}), QByteArray());
    QFile written(table);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray header = written.readLine();
    QVERIFY(header.startsWith("line,name,universal_time,") && header.endsWith(",error\r\n"));
}

void TestCliBatch::progressOnATerminalOnly_data() {
    QTest::addColumn<QStringList>("args"); // IN.csv and OUT in place of "in" and "out"
    QTest::addColumn<bool>("shown");
    QTest::newRow("batch into a file") << QStringList{"batch", "in", "--out", "out"} << true;
    QTest::newRow("batch, quiet") << QStringList{"batch", "in", "--out", "out", "--quiet"} << false;
    QTest::newRow("batch onto the terminal") << QStringList{"batch", "in"} << false;
    QTest::newRow("stats") << QStringList{"stats", "in"} << true;
    QTest::newRow("stats, quiet") << QStringList{"stats", "in", "--quiet"} << false;
}

// The line says how far the rows are, and is cleared at the end; away from a terminal there
// is none.
void TestCliBatch::progressOnATerminalOnly() {
    QFETCH(QStringList, args);
    QFETCH(bool, shown);
    const QString in = dir_.filePath(QStringLiteral("progress.csv"));
    QVERIFY(WriteAll(in, GeneratedRows(600)));
    args.replace(args.indexOf("in"), in);
    if (args.contains("out"))
        args.replace(args.indexOf("out"), dir_.filePath(QStringLiteral("progress.jsonl")));
    const QByteArray terminal = RunInTerminal(args);
    const QRegularExpression line(
        QStringLiteral("\r\\d+ rows, \\d+ rows a second, \\d+:\\d\\d left\x1b\\[K"));
    QCOMPARE(line.match(QString::fromUtf8(terminal)).hasMatch(), shown);
    if (shown)
        QVERIFY(terminal.contains("\r\x1b[K"));
    const CliRun piped = RunCli(args);
    QCOMPARE(piped.err.contains("rows a second"), false);
}

void TestCliBatch::inputThatCannotBeRead_data() {
    QTest::addColumn<QString>("input"); // "same" writes the output over the input
    QTest::addColumn<QString>("message");
    QTest::newRow("output named as the input") << "same"
                                               << "is the input file";
    QTest::newRow("output is the input by another path") << "same/."
                                                         << "is the input file";
    QTest::newRow("a folder") << "folder"
                              << "folder: Is a directory";
    QTest::newRow("standard input closed") << "closed"
                                           << "standard input: Bad file descriptor";
}

void TestCliBatch::inputThatCannotBeRead() {
    QFETCH(QString, input);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.csv"));
    const QByteArray csv = QByteArray(kHeader) +
                           "\nMary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n";
    QVERIFY(WriteAll(in, csv));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    CliRun run;
    if (input == QLatin1String("closed")) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {"-c", "exec \"$0\" batch - <&-", QStringLiteral(STARLOOM_CLI)});
        QVERIFY(shell.waitForFinished());
        run.exitCode = shell.exitCode();
        run.err = shell.readAllStandardError();
    } else if (input.startsWith(QLatin1String("same"))) {
        const QString out = input == QLatin1String("same")
                                ? in
                                : folder.filePath(QStringLiteral("folder/../in.csv"));
        run = RunCli({"batch", in, "--out", out});
    } else {
        run = RunCli({"batch", folder.filePath(input)});
    }
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QFile kept(in);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), csv);
}

void TestCliBatch::outputIntoDeviceOrPipe_data() {
    QTest::addColumn<QString>("output");
    QTest::newRow("device") << "device";
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("/dev/stdout into a pipe") << "/dev/stdout";
}

// A node named as the output takes the lines; it is never replaced by a regular file.
void TestCliBatch::outputIntoDeviceOrPipe() {
    QFETCH(QString, output);
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.csv"));
    QVERIFY(WriteAll(in, QByteArray(kHeader) + "\nMary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,"
                                               "Greenwich,London,England\n"));
    QString out = output;
    QByteArray received;
    std::thread reader;
    if (output == QLatin1String("device")) {
        out = folder.filePath(QStringLiteral("null"));
        if (!MakeNullDevice(out))
            QSKIP("making a device node needs root (CAP_MKNOD)");
    } else if (output == QLatin1String("pipe")) {
        out = folder.filePath(QStringLiteral("fifo"));
        QVERIFY(MakePipe(out));
        reader = std::thread([&] {
            QFile pipe(out);
            if (pipe.open(QIODevice::ReadOnly))
                received = pipe.readAll();
        });
    }
    const mode_t type = NodeType(out);
    const CliRun run = RunCli({"batch", in, "--out", out});
    if (reader.joinable())
        reader.join();
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(NodeType(out), type);
    if (output == QLatin1String("pipe"))
        QVERIFY(received.startsWith("{\"name\":\"Mary Ann\""));
    if (output == QLatin1String("/dev/stdout"))
        QVERIFY(run.out.startsWith("{\"name\":\"Mary Ann\""));
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             output == QLatin1String("/dev/stdout") ? 1 : 2);
}

QTEST_GUILESS_MAIN(TestCliBatch)
#include "test_cli_batch.moc"
