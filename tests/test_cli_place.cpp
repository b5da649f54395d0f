// starloom-cli reading --place: the atlas on the command line.
#include "test_cli_support.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace starloom::clitest;

class TestCliPlace : public QObject {
    Q_OBJECT
private slots:
    void placeGivesCoordinatesAndZone();
    void refusals_data();
    void refusals();
};

void TestCliPlace::placeGivesCoordinatesAndZone() {
    // Madrid on 1 July 1990 at noon: Central European Time with summer time, so 10:00 UT.
    const CliRun run = RunCli(
        {"reading", "--json", "--date", "1990-07-01", "--time", "12:00", "--place", "Madrid"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject reading = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(reading.value("universal_time").toString(), QStringLiteral("1990-07-01T10:00Z"));
    const CliRun text = RunCli(
        {"reading", "--date", "1990-07-01", "--time", "12:00", "--place", "Madrid, Madrid, Spain"});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.contains("Latitude: 40 Degree 25 Minute"));
    QVERIFY(text.out.contains("Longitude: 3 Degree 42 Minute"));
    QVERIFY(text.out.contains("City: Madrid"));
    QVERIFY(text.out.contains("Country: Spain"));
    // A zone given on the command line wins over the atlas's.
    const CliRun own = RunCli({"reading", "--json", "--date", "1990-07-01", "--time", "12:00",
                               "--zone", "29", "--place", "Madrid"});
    QCOMPARE(QJsonDocument::fromJson(own.out).object().value("universal_time").toString(),
             QStringLiteral("1990-07-01T12:00Z"));
}

void TestCliPlace::refusals_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown place") << "Nowhere At All Town"
                                   << "1990-07-01"
                                   << "no place called";
    QTest::newRow("ambiguous within one country")
        << "Springfield"
        << "1990-07-01"
        << "Springfield, Missouri, United States of America";
    QTest::newRow("offset missing from the zone list") << "Kathmandu"
                                                       << "2000-06-01"
                                                       << "UTC+05:45";
}

void TestCliPlace::refusals() {
    QFETCH(QString, place);
    QFETCH(QString, date);
    QFETCH(QString, message);
    const CliRun run = RunCli({"reading", "--date", date, "--time", "12:00", "--place", place});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
}

QTEST_APPLESS_MAIN(TestCliPlace)
#include "test_cli_place.moc"
