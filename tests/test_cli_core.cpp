// starloom-cli's core library on its own: a reading in this process, which links nothing
// but the core, loads no GUI module; and the tool built from the core alone gives every
// command that does not draw byte for byte as starloom-cli does, while the drawing commands
// refuse cleanly.
#include "cli/commands.h"
#include "test_cli_support.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace starloom;
using namespace starloom::clitest;

class TestCliCore : public QObject {
    Q_OBJECT
private slots:
    void readingLoadsNoGuiModule();
    void commandsOnTheCore_data();
    void commandsOnTheCore();
};

void TestCliCore::readingLoadsNoGuiModule() {
    std::unique_ptr<cli::Reading> reading;
    const Status calculated = cli::CalculateReading(MaryAnn().values, reading);
    QVERIFY2(calculated.ok(), calculated.reason.c_str());
    // The Sun as tests/golden/cli/maryann.txt has it.
    QCOMPARE(reading->state.Chart.PositionText[0], std::string("10 Tau 51"));
    QVERIFY(!qApp->inherits("QGuiApplication"));
    // The libraries this process has mapped: a GUI module here came in through the core.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(mapped.contains("libQt6Core"));
    for (const char *module : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libQt6Svg"})
        QVERIFY2(!mapped.contains(module), module);
}

void TestCliCore::commandsOnTheCore_data() {
    QTest::addColumn<QStringList>("args"); // "@" stands for the output file's path
    QTest::addColumn<QString>("golden");   // of standard output, or of the file written
    QTest::addColumn<int>("exitCode");
    const QStringList mary = MaryAnn().options;
    const QStringList anna = Anna().options;
    const QStringList lucia = Lucia().options;
    QTest::newRow("reading as text") << (QStringList{"reading"} + mary) << "maryann.txt" << 0;
    QTest::newRow("reading as JSON")
        << (QStringList{"reading", "--json"} + anna) << "anna.json" << 0;
    QTest::newRow("reading beyond ASCII")
        << (QStringList{"reading", "--json"} + lucia) << "lucia.json" << 0;
    QTest::newRow("save") << (QStringList{"save", "@"} + mary) << "maryann.act" << 0;
    QTest::newRow("export") << (QStringList{"export", "@"} + anna) << "anna_export.txt" << 0;
    QTest::newRow("image refused") << (QStringList{"image", "@"} + mary) << "" << 2;
    QTest::newRow("pdf refused") << (QStringList{"pdf", "@"} + mary) << "" << 2;
    QTest::newRow("stats chart refused") << QStringList{"stats", "-", "--plot", "@"} << "" << 2;
}

void TestCliCore::commandsOnTheCore() {
    QFETCH(QStringList, args);
    QFETCH(QString, golden);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out"));
    args.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), path);
    const CliRun run = RunCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QFile written(path);
    if (exitCode != 0) {
        QVERIFY(run.err.startsWith("starloom-cli: "));
        QVERIFY(!written.exists()); // a refused command leaves nothing behind
        return;
    }
    QVERIFY(run.err.isEmpty());
    const bool toFile = written.exists();
    QByteArray actual = run.out;
    if (toFile) {
        QVERIFY(written.open(QIODevice::ReadOnly));
        actual = written.readAll();
    }
    QCOMPARE(actual, Golden(golden, actual));
}

QTEST_GUILESS_MAIN(TestCliCore)
#include "test_cli_core.moc"
