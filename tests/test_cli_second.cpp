// starloom-cli transits, progressions, directions and synastry, run as a process.
#include "test_cli_support.h"

#include <nlohmann/json.hpp>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <set>

using namespace starloom::clitest;
using nlohmann::json;

namespace {

// The birth options with the date of birth as --birth-date, as progressions and directions
// take it.
QStringList WithBirthDate(QStringList options) {
    options[options.indexOf("--date")] = "--birth-date";
    return options;
}

QList<QByteArray> Lines(const QByteArray &out) {
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestCliSecond : public QObject {
    Q_OBJECT
private slots:
    void transitsJsonLines();
    void transitsRefused_data();
    void transitsRefused();
    void progressions();
    void directions();
    void synastryWithItself();
};

void TestCliSecond::transitsJsonLines() {
    const QStringList range = {"transits", "--start", "2024-03-01", "--end", "2024-03-31"};
    const CliRun run = RunCli(range + MaryAnn().options + QStringList{"--json"});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = Lines(run.out);
    const QRegularExpression minute(QStringLiteral("^2024-03-\\d\\dT\\d\\d:\\d\\dZ$"));
    std::set<std::string> kinds;
    std::string last;
    bool equinox = false;
    for (const QByteArray &line : lines) {
        const json event = json::parse(line.toStdString());
        const std::string time = event.at("time");
        QVERIFY2(minute.match(QString::fromStdString(time)).hasMatch(), line.constData());
        QVERIFY(time >= last); // in time order
        last = time;
        const std::string kind = event.at("kind");
        kinds.insert(kind);
        QVERIFY(event.at("body").is_string());
        if (kind == "aspect") {
            QVERIFY(event.at("aspect").is_string() && event.at("natal").is_string());
            QCOMPARE(event.size(), std::size_t(5));
        } else if (kind == "station") {
            QVERIFY(event.at("direction") == "retrograde" || event.at("direction") == "direct");
        } else {
            QCOMPARE(kind, std::string("ingress"));
            QVERIFY(event.contains("sign") != event.contains("house"));
        }
        // The March equinox of 2024 as the almanacs publish it: 20 March, 03:06 UT.
        equinox =
            equinox ||
            line == R"({"time":"2024-03-20T03:06Z","kind":"ingress","body":"Sun","sign":"Aries"})";
    }
    QVERIFY(equinox);
    QCOMPARE(kinds, (std::set<std::string>{"aspect", "ingress"})); // no station in March 2024
    // The text form has the same events, one a line.
    const CliRun text = RunCli(range + MaryAnn().options);
    QCOMPARE(Lines(text.out).size(), lines.size());
    QVERIFY(text.out.contains("2024-03-20 03:06 UT  Sun         enters Aries\n"));
}

void TestCliSecond::transitsRefused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("before the precise table")
        << QStringList{"--start", "1799-06-01", "--end", "1799-12-31"} << "must lie within";
    QTest::newRow("no such day") << QStringList{"--start", "2023-02-29", "--end", "2023-03-31"}
                                 << "--start: '2023-02-29' is not a day of the calendar";
    QTest::newRow("end before start") << QStringList{"--start", "2024-03-01", "--end", "2024-02-01"}
                                      << "--end lies before --start";
    QTest::newRow("no end") << QStringList{"--start", "2024-03-01"} << "missing --end";
}

void TestCliSecond::transitsRefused() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun run = RunCli(QStringList{"transits"} + args + MaryAnn().options);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
}

void TestCliSecond::progressions() {
    // Thirty years and a few hours of life (10957.5 days) are 30.00064 progressed days after
    // the birth at 12:00 UT: 12:01 on 31 May 1990.
    const CliRun run = RunCli(QStringList{"progressions", "--date", "2020-05-01", "--json"} +
                              WithBirthDate(MaryAnn().options));
    QCOMPARE(run.exitCode, 0);
    const json chart = json::parse(run.out.toStdString());
    QCOMPARE(chart.at("kind").get<std::string>(), std::string("progressions"));
    QCOMPARE(chart.at("date").get<std::string>(), std::string("2020-05-01T00:00Z"));
    QCOMPARE(chart.at("second").at("universal_time").get<std::string>(),
             std::string("1990-05-31T12:01Z"));
    QCOMPARE(chart.at("second").at("positions").get<std::string>(), std::string("precise"));
    // The natal side is the reading's own bodies.
    const json reading =
        json::parse(RunCli(QStringList{"reading", "--json"} + MaryAnn().options).out.toStdString());
    QVERIFY(chart.at("first").at("bodies") == reading.at("bodies"));
    QCOMPARE(chart.at("second").at("bodies").size(), std::size_t(11));
    for (const json &aspect : chart.at("aspects"))
        QVERIFY(aspect.at("orb").get<double>() <= 1.0);
    // The progressed Sun a month on, the midheaven moved by about as much.
    const double arc = chart.at("arc");
    QVERIFY(arc > 28.0 && arc < 31.0);
}

void TestCliSecond::directions() {
    const CliRun run = RunCli(QStringList{"directions", "--date", "2020-05-01", "--json"} +
                              WithBirthDate(MaryAnn().options));
    QCOMPARE(run.exitCode, 0);
    const json chart = json::parse(run.out.toStdString());
    const double arc = chart.at("arc");
    const json &natal = chart.at("first").at("bodies");
    const json &directed = chart.at("second").at("bodies");
    for (std::size_t i = 0; i < natal.size(); ++i) {
        const double moved =
            directed[i].at("longitude").get<double>() - natal[i].at("longitude").get<double>();
        QVERIFY(std::fabs(std::remainder(moved - arc, 360.0)) < 1e-9);
    }
}

void TestCliSecond::synastryWithItself() {
    QTemporaryDir folder;
    const QString file = folder.filePath("maryann.act");
    QCOMPARE(RunCli(QStringList{"save", file} + MaryAnn().options).exitCode, 0);
    const CliRun run = RunCli({"synastry", file, file, "--json"});
    QCOMPARE(run.exitCode, 0);
    const json chart = json::parse(run.out.toStdString());
    QVERIFY(chart.at("first").at("bodies") == chart.at("second").at("bodies"));
    int twins = 0;
    for (const json &aspect : chart.at("aspects")) {
        if (aspect.at("a") != aspect.at("b"))
            continue;
        ++twins;
        QCOMPARE(aspect.at("aspect").get<std::string>(), std::string("conjunction"));
        QCOMPARE(aspect.at("orb").get<double>(), 0.0);
    }
    QCOMPARE(twins, 12);
}

QTEST_GUILESS_MAIN(TestCliSecond)
#include "test_cli_second.moc"
