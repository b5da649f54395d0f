// The interpretation report: golden files of the coloured runs and of the plain text for
// a few charts, and the Splay rule over many random charts.
#include "test_patterns_fixtures.h"

#include <QFile>
#include <QTest>

#include <random>

using namespace starloom;
using starloom_test::FlagNames;
using starloom_test::Positions;

namespace {

constexpr int kRandomCharts = 20000;

QByteArray ReadGolden(const QString &name) {
    QFile file(QStringLiteral(STARLOOM_PATTERN_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(file.fileName()));
    return file.readAll();
}

// One line per run: colour, "b" for bold or "-", and the text in double quotes with CR,
// LF, double quote and backslash escaped.
QByteArray SerializeRuns(const ReportRuns &runs) {
    QByteArray out;
    for (const ReportRun &run : runs) {
        out += QStringLiteral("#%1%2%3 ")
                   .arg(run.Colour.Red, 2, 16, QChar('0'))
                   .arg(run.Colour.Green, 2, 16, QChar('0'))
                   .arg(run.Colour.Blue, 2, 16, QChar('0'))
                   .toUpper()
                   .toLatin1();
        out += run.Bold ? "b \"" : "- \"";
        for (char c : run.Text) {
            switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
            }
        }
        out += "\"\n";
    }
    return out;
}

} // namespace

class TestPatternsReport : public QObject {
    Q_OBJECT
private slots:
    void golden_data();
    void golden();
    void splayExactlyWhenNothingElse();
};

void TestPatternsReport::golden_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("bodies");
    QTest::newRow("worked example: Bundle, Seesaw, Locomotive")
        << "worked_example"
        << "Ari Ari Tau Tau Gem Lib Lib Sco Sco Sag Pis";
    QTest::newRow("Splash alone") << "splash"
                                  << "Ari Tau Gem Can Vir Lib Sco Sag Cap Aqu Pis";
    QTest::newRow("Splay alone") << "splay"
                                 << "Ari Ari Tau Gem Can Leo Vir Lib Sco Sag Cap";
    QTest::newRow("Bundle, Bowl, Bucket, Locomotive")
        << "bucket"
        << "Ari Ari Ari Ari Ari Ari Ari Ari Ari Ari Lib";
}

void TestPatternsReport::golden() {
    QFETCH(QString, fixture);
    QFETCH(QString, bodies);
    const PatternReport report = ClassifyPlanetaryPattern(Positions(bodies));
    QCOMPARE(SerializeRuns(report.Runs), ReadGolden(fixture + ".runs"));
    QCOMPARE(QByteArray::fromStdString(ReportPlainText(report.Runs)), ReadGolden(fixture + ".txt"));
}

// Charts whose bodies fall in one or two random arcs of the zodiac, some with a text that
// names no sign. Splay is reported exactly when nothing else is, every set flag gives one
// block of seven runs, and the thresholds shared by several patterns stay consistent.
void TestPatternsReport::splayExactlyWhenNothingElse() {
    std::mt19937 random(7);
    std::array<int, kPatternCount> seen{};
    for (int chart = 0; chart < kRandomCharts; ++chart) {
        const int arcs = 1 + int(random() % 2);
        std::array<int, 2> start{}, length{};
        for (int arc = 0; arc < arcs; ++arc) {
            start[arc] = int(random() % kSignCount);
            length[arc] = 1 + int(random() % kSignCount);
        }
        PositionTable table;
        for (int body = 0; body < kBodyCount; ++body) {
            if (random() % 30 == 0)
                continue;
            const int arc = int(random() % arcs);
            const int sign = (start[arc] + int(random() % length[arc])) % kSignCount;
            table[body] = "10 " + std::string(SignAbbrevTable[sign]) + " 20";
        }
        const PatternReport report = ClassifyPlanetaryPattern(table);
        const auto &flags = report.Work.PatternFlags;
        int others = 0;
        for (int slot = 0; slot < kSplaySlot; ++slot)
            others += flags[slot] ? 1 : 0;
        const QString context = FlagNames(flags);
        QVERIFY2(flags[kSplaySlot] == (others == 0), qPrintable(context));
        const int blocks = others + (flags[kSplaySlot] ? 1 : 0);
        QCOMPARE(report.Runs.size(), std::size_t(7 * blocks));
        QVERIFY2(flags[kBundleSlot] == flags[kLocomotiveSlot], qPrintable(context));
        QVERIFY2(!flags[kBowlSlot] || flags[kBundleSlot], qPrintable(context));
        QVERIFY2(!(flags[kSplashSlot] && flags[kBundleSlot]), qPrintable(context));
        QVERIFY(ReportPlainText(report.Runs).ends_with("\r\n\r\n"));
        for (int slot = 0; slot < kPatternCount; ++slot)
            seen[slot] += flags[slot] ? 1 : 0;
    }
    // The sweep is only worth something if every pattern turned up in it.
    for (int slot = 0; slot < kPatternCount; ++slot)
        QVERIFY2(seen[slot] > 0, PatternTable[slot].Name.data());
}

QTEST_APPLESS_MAIN(TestPatternsReport)
#include "test_patterns_report.moc"
