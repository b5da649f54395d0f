// starloom-cli reading --place: the atlas on the command line.
#include "cli/place_index.h"
#include "test_cli_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace starloom;
using namespace starloom::clitest;

class TestCliPlace : public QObject {
    Q_OBJECT
private slots:
    void placeGivesCoordinatesAndZone();
    void refusals_data();
    void refusals();
    void databaseTime_data();
    void databaseTime();
    void batchPlaceColumn();
    void indexFindsWhatTheAtlasFinds_data();
    void indexFindsWhatTheAtlasFinds();
    void indexFindsPlacesAcrossTheAtlas();
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
    QVERIFY(text.out.contains("Latitude: 40 Degree 25 Minute N\n"));
    QVERIFY(text.out.contains("Longitude: 3 Degree 42 Minute W\n"));
    QVERIFY(text.out.contains("City: Madrid"));
    QVERIFY(text.out.contains("Country: Spain"));
    // A former name the zone database keeps as a link finds the city of today.
    const CliRun calcutta = RunCli(
        {"reading", "--json", "--date", "1980-03-15", "--time", "07:05", "--place", "Calcutta"});
    QCOMPARE(calcutta.exitCode, 0);
    const QJsonObject kolkata = QJsonDocument::fromJson(calcutta.out).object();
    QCOMPARE(kolkata.value("place").toObject().value("name").toString(), QStringLiteral("Kolkata"));
    QCOMPARE(kolkata.value("universal_time").toString(), QStringLiteral("1980-03-15T01:35Z"));
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

void TestCliPlace::databaseTime_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("universal");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("note");
    // Offsets from the tz database as zdump prints them.
    QTest::newRow("London 1947, double summer time")
        << "London"
        << "1947-06-01"
        << "12:00"
        << "1947-06-01T10:00Z" << 15 << 120 << false << "";
    QTest::newRow("Berlin 1945, midsummer time") << "Berlin"
                                                 << "1945-06-01"
                                                 << "12:00"
                                                 << "1945-06-01T09:00Z" << 87 << 180 << false << "";
    QTest::newRow("Kathmandu 2000, 5 h 45 min") << "Kathmandu"
                                                << "2000-06-01"
                                                << "12:00"
                                                << "2000-06-01T06:15Z" << 132 << 345 << false << "";
    // 85 19 E: 341 minutes of time ahead of Greenwich (4 minutes a degree).
    QTest::newRow("Kathmandu 1905, before standard time: local mean time")
        << "Kathmandu"
        << "1905-06-01"
        << "12:00"
        << "1905-06-01T06:19Z" << 117 << 341 << false << "";
    // Cities the zone table gives the atlas: Singapore keeps UTC+08:00 since 1982, and
    // Gibraltar follows Central European Time with summer time.
    QTest::newRow("Singapore, from the zone table")
        << "Singapore"
        << "1990-07-01"
        << "12:00"
        << "1990-07-01T04:00Z" << 10 << 480 << false << "";
    QTest::newRow("Gibraltar, from the zone table")
        << "Gibraltar"
        << "1990-07-01"
        << "12:00"
        << "1990-07-01T10:00Z" << 20 << 120 << true << "";
    QTest::newRow("Madrid, skipped hour moved forward")
        << "Madrid"
        << "1990-03-25"
        << "02:30"
        << "1990-03-25T01:30Z" << 20 << 60 << false << "read as 03:30";
    QTest::newRow("Madrid, repeated hour taken the first time")
        << "Madrid"
        << "1990-09-30"
        << "02:30"
        << "1990-09-30T00:30Z" << 20 << 120 << true << "first (daylight-saving)";
}

void TestCliPlace::databaseTime() {
    QFETCH(QString, place);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, universal);
    QFETCH(int, zone);
    QFETCH(int, offset);
    QFETCH(bool, dst);
    QFETCH(QString, note);
    const CliRun run =
        RunCli({"reading", "--json", "--date", date, "--time", time, "--place", place});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject reading = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(reading.value("universal_time").toString(), universal);
    const QJsonObject used = reading.value("zone").toObject();
    QCOMPARE(used.value("index").toInt(), zone);
    QCOMPARE(used.value("offset_minutes").toInt(), offset);
    QCOMPARE(used.value("dst").toBool(), dst);
    QCOMPARE(reading.value("place").toObject().value("name").toString(), place);
    QCOMPARE(reading.value("time_note").toString().contains(note), true);
    QCOMPARE(reading.contains("time_note"), !note.isEmpty());
    // The note also goes to standard error, one line.
    QCOMPARE(run.err.isEmpty(), note.isEmpty());
    if (!note.isEmpty())
        QVERIFY2(run.err.startsWith("starloom-cli: note: ") && run.err.count('\n') == 1,
                 run.err.constData());
}

void TestCliPlace::batchPlaceColumn() {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("in.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,"
               "lon_dir,city,state,country,place\n"
               "Ann,1944,7,16,14,45,,,,,,,,,,,,London\n"
               "Bea,1944,7,16,14,45,29,0,,,,,,,,,,London\n"
               "Cy,1944,7,16,14,45,29,0,51,30,N,0,7,W,Soho,London,England,\n"
               "Di,1944,7,16,14,45,,,,,,,,,,,,Nowhere At All Town\n");
    file.close();
    const CliRun run = RunCli({"batch", csv, "--threads", "1"});
    QCOMPARE(run.exitCode, 1);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    const QJsonObject ann = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(ann.value("universal_time").toString(), QStringLiteral("1944-07-16T12:45Z"));
    QCOMPARE(ann.value("place").toObject().value("time_zone").toString(),
             QStringLiteral("Europe/London"));
    // A zone the row gives wins, as --zone does.
    const QJsonObject bea = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(bea.value("universal_time").toString(), QStringLiteral("1944-07-16T14:45Z"));
    QVERIFY(bea.contains("place"));
    // An empty place cell: the row's own fields, no place.
    const QJsonObject cy = QJsonDocument::fromJson(lines[2]).object();
    QCOMPARE(cy.value("universal_time").toString(), QStringLiteral("1944-07-16T14:45Z"));
    QVERIFY(!cy.contains("place"));
    QVERIFY(QJsonDocument::fromJson(lines[3]).object().value("error").toString().contains(
        QStringLiteral("no place called")));
}

// The batch's index of names against the atlas's own search, which folds every name of the
// atlas for each look-up.
void TestCliPlace::indexFindsWhatTheAtlasFinds_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("name") << "Madrid";
    QTest::newRow("other letter case, blanks around") << "  mADRID ";
    QTest::newRow("accents ignored") << "zurich";
    QTest::newRow("accents given") << QString::fromUtf8("Z\xc3\xbcrich");
    QTest::newRow("many places, one name") << "Springfield";
    QTest::newRow("label") << "Springfield, Missouri, United States of America";
    QTest::newRow("label, folded") << "springfield, missouri, united states of america";
    QTest::newRow("unknown") << "Nowhere At All Town";
    QTest::newRow("empty") << "";
}

void TestCliPlace::indexFindsWhatTheAtlasFinds() {
    QFETCH(QString, name);
    QCOMPARE(starloom::cli::PlaceIndex::shared().named(name), Atlas::shared().named(name));
}

void TestCliPlace::indexFindsPlacesAcrossTheAtlas() {
    const Atlas &atlas = Atlas::shared();
    QVERIFY(atlas.size() > 1000);
    // Every 1009th place, by its name and by its label.
    for (int i = 0; i < atlas.size(); i += 1009) {
        for (const QString &text : {atlas.place(i).name, atlas.place(i).label()})
            QCOMPARE(starloom::cli::PlaceIndex::shared().named(text), atlas.named(text));
    }
}

QTEST_APPLESS_MAIN(TestCliPlace)
#include "test_cli_place.moc"
