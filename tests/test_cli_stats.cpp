// starloom-cli stats: the counts of a CSV file's readings against the same rows' JSON
// objects from the batch command, its refusals, and the bar chart.
#include "cli/stats.h"
#include "test_cli_support.h"

#include <nlohmann/json.hpp>

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace starloom::clitest;

namespace {

constexpr char kHeader[] = "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,"
                           "lon_deg,lon_min,lon_dir,city,state,country";
constexpr int kRows = 300;
constexpr int kRefusedEvery = 50; // rows: 31 April

QByteArray Rows() {
    QByteArray csv = QByteArray(kHeader) + "\n";
    quint32 seed = 18;
    const auto next = [&seed](int range) {
        seed = seed * 1664525U + 1013904223U; // Numerical Recipes' LCG
        return int((seed >> 8) % quint32(range));
    };
    for (int i = 0; i < kRows; ++i) {
        const bool refused = i % kRefusedEvery == 7;
        csv += QStringLiteral("P%1,%2,%3,%4,%5,%6,%7,0,%8,0,N,%9,0,E,City,State,Country\n")
                   .arg(i)
                   .arg(1901 + next(150))
                   .arg(refused ? 4 : 1 + next(12))
                   .arg(refused ? 31 : 1 + next(28))
                   .arg(next(24))
                   .arg(next(60))
                   .arg(next(71))
                   .arg(next(66))
                   .arg(next(180))
                   .toUtf8();
    }
    return csv;
}

// "Title/label" to count, from the text tables.
QMap<QString, long long> Counts(const QByteArray &out) {
    QMap<QString, long long> counts;
    QString title;
    for (const QByteArray &line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        if (!line.startsWith("  ")) {
            title = QString::fromUtf8(line.left(line.indexOf(" (")));
            continue;
        }
        const QList<QByteArray> cells = line.simplified().split(' ');
        if (cells.size() == 3 && cells[1] != "share")
            counts[title + '/' + QString::fromUtf8(cells[0])] = cells[1].toLongLong();
    }
    return counts;
}

} // namespace

class TestCliStats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void countsMatchTheReadings();
    void refusals_data();
    void refusals();
    void plot();
    void rowsReadAsTheBatchReadsThem();
    void plotHoldsItsData_data();
    void plotHoldsItsData();

private:
    QTemporaryDir m_dir;
    QString m_csv;
};

void TestCliStats::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_csv = m_dir.filePath(QStringLiteral("births.csv"));
    QFile file(m_csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Rows());
}

// Each reading's patterns and aspects as the batch writes them, tallied here, give the stats'
// counts.
void TestCliStats::countsMatchTheReadings() {
    const CliRun batch = RunCli({"batch", m_csv, "--threads", "1"});
    QMap<QString, long long> expected;
    long long readings = 0;
    for (const QByteArray &line : batch.out.split('\n')) {
        if (line.isEmpty())
            continue;
        const auto json = nlohmann::json::parse(line.toStdString());
        if (json.contains("error"))
            continue;
        ++readings;
        for (const auto &name : json["patterns"])
            ++expected["Patterns by signs/" + QString::fromStdString(name.get<std::string>())];
        const auto &shape = json["pattern_by_degrees"];
        ++expected["Patterns by degrees/" +
                   QString::fromStdString(shape["name"].get<std::string>())];
        for (const auto &name : shape["leading"])
            ++expected["Leading planets/" + QString::fromStdString(name.get<std::string>())];
        if (shape["leading"].empty())
            ++expected["Leading planets/none"];
        for (const auto &aspect : json["aspects"])
            ++expected["Aspects/" + QString::fromStdString(aspect["aspect"].get<std::string>())];
    }
    QCOMPARE(readings, kRows - kRows / kRefusedEvery);

    const CliRun stats = RunCli({"stats", m_csv});
    QCOMPARE(stats.exitCode, 1); // rows were skipped
    QVERIFY(stats.out.startsWith("Readings: " + QByteArray::number(readings) + "\nRows skipped: " +
                                 QByteArray::number(kRows / kRefusedEvery) + "\n"));
    QVERIFY(stats.err.contains("line 9: "));
    QMap<QString, long long> seen = Counts(stats.out);
    seen.removeIf([](const auto &entry) { return entry.value() == 0; });
    QCOMPARE(seen, expected);
}

void TestCliStats::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    const QByteArray one = QByteArray(kHeader) +
                           "\nMary Ann,1990,5,1,12,0,29,0,51,28,N,0,0,W,Greenwich,London,England\n";
    QTest::newRow("standard positions")
        << QStringList{"stats", "-", "--positions", "standard"} << one << 0 << QByteArray();
    QTest::newRow("unknown method") << QStringList{"stats", "-", "--positions", "exact"} << one << 2
                                    << QByteArray("--positions must be standard or precise");
    QTest::newRow("no header") << QStringList{"stats", "-"} << QByteArray("a,b\n") << 2
                               << QByteArray("the first line must be the header");
    QTest::newRow("plot into a missing folder")
        << QStringList{"stats", "-", "--plot", "/nonexistent/folder/chart.svg"} << one << 2
        << QByteArray("/nonexistent/folder/chart.svg: ");
    QTest::newRow("no input") << QStringList{"stats"} << one << 2 << QByteArray("missing IN.csv");
}

void TestCliStats::refusals() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    const CliRun run = RunCli(args, {}, input);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err);
    if (exitCode == 0)
        QVERIFY(run.out.contains("Patterns by degrees"));
    else
        QVERIFY(run.out.isEmpty());
}

// The chart is a well-formed SVG document that names every category it draws.
void TestCliStats::plot() {
    const QString svg = m_dir.filePath(QStringLiteral("chart.svg"));
    const CliRun run = RunCli({"stats", m_csv, "--plot", svg});
    QCOMPARE(run.exitCode, 1);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QXmlStreamReader xml(bytes);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
            texts << xml.text().toString().trimmed();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    for (const QString &key : Counts(run.out).keys())
        QVERIFY2(texts.contains(key.section('/', 1)), qPrintable(key));
    QVERIFY(texts.contains(QStringLiteral("Leading planets")));
}

// One pipeline for both commands: a refused row has the batch's reason, and the thread
// count changes nothing.
void TestCliStats::rowsReadAsTheBatchReadsThem() {
    QByteArray csv = Rows();
    csv += "Short Row,1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London\n"
           "Bad\"Quote,1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\n"
           ",1990,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\n"
           "Far North,1990,1,1,0,0,29,0,95,0,N,0,0,W,London,London,England\n"
           "Too Early,1799,1,1,0,0,29,0,51,28,N,0,0,W,London,London,England\n";
    const CliRun one = RunCli({"stats", "-", "--threads", "1"}, {}, csv);
    const CliRun three = RunCli({"stats", "-", "--threads", "3"}, {}, csv);
    QCOMPARE(one.exitCode, 1);
    QCOMPARE(three.out, one.out);
    QCOMPARE(three.err, one.err);
    const CliRun batch = RunCli({"batch", "-", "--threads", "2"}, {}, csv);
    QByteArray expected;
    for (const QByteArray &line : batch.out.split('\n')) {
        if (!line.startsWith("{\"line\""))
            continue;
        const auto json = nlohmann::json::parse(line.toStdString());
        expected += "starloom-cli: line " + QByteArray::number(json["line"].get<int>()) + ": " +
                    QByteArray::fromStdString(json["error"].get<std::string>()) +
                    " (row skipped)\n";
    }
    QCOMPARE(expected.count('\n'), 11); // six of 31 April, five others
    // The first ten reasons, in input order.
    QCOMPARE(one.err, expected.left(expected.lastIndexOf("starloom-cli: line")));
}

// Every bar and every label lies inside the picture, whatever the counts: the chart is
// drawn again into a larger transparent image, placed with a margin round it, and the
// margin must stay untouched.
void TestCliStats::plotHoldsItsData_data() {
    QTest::addColumn<long long>("readings");
    QTest::addColumn<long long>("perReading"); // of each category, in hundredths
    QTest::newRow("no births") << 0LL << 0LL;
    QTest::newRow("one birth, thirty aspects of a kind") << 1LL << 3000LL;
    QTest::newRow("seven births") << 7LL << 40LL;
    QTest::newRow("a trillion births") << 1000000000000LL << 2500LL;
}

void TestCliStats::plotHoldsItsData() {
    QFETCH(long long, readings);
    QFETCH(long long, perReading);
    starloom::cli::StatsResult result;
    result.readings = readings;
    for (const starloom::cli::StatsCounter &counter : starloom::cli::StatsCounters()) {
        std::vector<long long> counts;
        for (std::size_t i = 0; i < counter.labels.size(); ++i)
            counts.push_back(readings / 100 * perReading * static_cast<long long>(i + 1) /
                                 static_cast<long long>(counter.labels.size()) +
                             perReading * static_cast<long long>(i + 1) / 100);
        result.tables.push_back({counter.title, counter.note, counter.labels, counts});
    }
    const QString path = m_dir.filePath(QStringLiteral("held.svg"));
    const starloom::Status plotted = starloom::cli::WriteStatsPlot(result, path);
    QVERIFY2(plotted.ok(), plotted.reason.c_str());
    QSvgRenderer svg(path);
    QVERIFY(svg.isValid());
    const QSize size = svg.viewBox().size(); // the picture in its own units
    constexpr int kAround = 200;             // pixels of margin
    QImage image(size + QSize(2 * kAround, 2 * kAround), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        svg.render(&painter, QRectF(QPointF(kAround, kAround), size));
    }
    const QRect inside(QPoint(kAround, kAround), size);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y) && qAlpha(image.pixel(x, y)) != 0)
                QFAIL(qPrintable(
                    QStringLiteral("drawn outside at %1, %2").arg(x - kAround).arg(y - kAround)));
        }
    }
}

QTEST_MAIN(TestCliStats)
#include "test_cli_stats.moc"
