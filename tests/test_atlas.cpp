// The offline atlas and what the zone database says about a birth's clock time.
#include "reading/atlas.h"

#include <QFile>
#include <QTest>

#include <algorithm>

using namespace starloom;

Q_DECLARE_METATYPE(starloom::ZoneAdvice::LocalTime)

namespace {

int FirstNamed(const QString &label) {
    const std::vector<int> found = Atlas::shared().named(label);
    return found.empty() ? -1 : found.front();
}

} // namespace

class TestAtlas : public QObject {
    Q_OBJECT
private slots:
    void madrid();
    void prefixSearch();
    void zoneTableCompletesTheList_data();
    void zoneTableCompletesTheList();
    void everyZoneCityIsFound();
    void zoneListSortedInOneFormat_data();
    void zoneListSortedInOneFormat();
    void degreesAndMinutes_data();
    void degreesAndMinutes();
    void zoneAdvice_data();
    void zoneAdvice();
};

void TestAtlas::madrid() {
    const int index = FirstNamed(QStringLiteral("Madrid, Madrid, Spain"));
    QVERIFY(index >= 0);
    const AtlasPlace &madrid = Atlas::shared().place(index);
    QCOMPARE(madrid.label(), QStringLiteral("Madrid, Madrid, Spain"));
    QCOMPARE(madrid.timeZone, QStringLiteral("Europe/Madrid"));
    // 40 25 N, 3 42 W in the gazetteer, rounded to the minute.
    const DegreesMinutes lat = ToDegreesMinutes(madrid.latitude);
    const DegreesMinutes lon = ToDegreesMinutes(madrid.longitude);
    QCOMPARE(lat.degrees, 40);
    QCOMPARE(lat.minutes, 25);
    QVERIFY(lat.positive);
    QCOMPARE(lon.degrees, 3);
    QCOMPARE(lon.minutes, 42);
    QVERIFY(!lon.positive);
    // A bare name finds the most populous Madrid first.
    QCOMPARE(FirstNamed(QStringLiteral("madrid")), index);
    QVERIFY(Atlas::shared().named(QStringLiteral("Nowhere At All Town")).empty());
}

void TestAtlas::prefixSearch() {
    const Atlas &atlas = Atlas::shared();
    QVERIFY(atlas.size() > 20000);
    const std::vector<int> springs = atlas.startingWith(QStringLiteral("spring"), 8);
    QCOMPARE(int(springs.size()), 8);
    for (std::size_t i = 0; i < springs.size(); ++i) {
        QVERIFY(atlas.place(springs[i]).name.startsWith(QStringLiteral("Spring")));
        if (i > 0)
            QVERIFY(atlas.place(springs[i - 1]).population >= atlas.place(springs[i]).population);
    }
    // Accents and letter case do not matter.
    const std::vector<int> zurich = atlas.startingWith(QString::fromUtf8("ZÜR"), 3);
    QVERIFY(!zurich.empty());
    QCOMPARE(atlas.place(zurich.front()).name, QStringLiteral("Zurich"));
    QVERIFY(atlas.startingWith(QString(), 5).empty());
    QVERIFY(atlas.startingWith(QStringLiteral("qqqqq"), 5).empty());
}

// A list of three cities completed from five lines of a zone table, as tzdata writes them.
void TestAtlas::zoneTableCompletesTheList_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("label"); // of the one place found; empty: none
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("London is the list's own") << "London"
                                              << "London, England, United Kingdom"
                                              << "Europe/London" << 51.50853 << -0.12574;
    QTest::newRow("New York finds New York City") << "New York"
                                                  << "New York City, New York, United States"
                                                  << "America/New_York" << 40.71427 << -74.00597;
    // +0117+10351 and +3608-00521 in the zone table.
    QTest::newRow("Singapore added") << "singapore"
                                     << "Singapore, Singapore, Singapore"
                                     << "Asia/Singapore" << 1 + 17 / 60.0 << 103 + 51 / 60.0;
    QTest::newRow("Gibraltar added, country named by iso3166.tab")
        << "Gibraltar"
        << "Gibraltar, Gibraltar, Gibraltar"
        << "Europe/Gibraltar" << 36 + 8 / 60.0 << -(5 + 21 / 60.0);
    QTest::newRow("Paris added, its country named as the list names it")
        << "Paris"
        << "Paris, France, France"
        << "Europe/Paris" << 48 + 52 / 60.0 << 2 + 20 / 60.0;
    QTest::newRow("Calcutta, the link's former name, finds Kolkata")
        << "Calcutta"
        << "Kolkata, West Bengal, India"
        << "Asia/Kolkata" << 22.56263 << 88.36304;
    QTest::newRow("no former name without its zone's city") << "Saigon"
                                                            << ""
                                                            << "" << 0.0 << 0.0;
}

void TestAtlas::zoneTableCompletesTheList() {
    QFETCH(QString, search);
    QFETCH(QString, label);
    QFETCH(QString, zone);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    std::vector<AtlasPlace> places = {
        {"London", "England", "United Kingdom", "Europe/London", 51.50853, -0.12574, 7556900, "GB"},
        {"New York City", "New York", "United States", "America/New_York", 40.71427, -74.00597,
         8175133, "US"},
        {"Kolkata", "West Bengal", "India", "Asia/Kolkata", 22.56263, 88.36304, 4631392, "IN"},
        {"Nice", "Provence", "France", "Europe/Paris", 43.70313, 7.26608, 338620, "FR"}};
    const QByteArray zoneTable = "# comment line\n"
                                 "GB\t+513030-0000731\tEurope/London\n"
                                 "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                                 "SG,AQ,MY\t+0117+10351\tAsia/Singapore\tpeninsular Malaysia\n"
                                 "GI\t+3608-00521\tEurope/Gibraltar\n"
                                 "FR\t+4852+00220\tEurope/Paris\n"
                                 "IN\t+2232+08822\tAsia/Kolkata\n"
                                 "XX\tbad\tEtc/Nowhere\n";
    const QByteArray countries = "GI\tGibraltar\nSG\tSingapore\nFR\tFrance (ignored)\n";
    CompleteFromZoneTable(places, ParseZoneTable(zoneTable), ParseCountryNames(countries));
    QCOMPARE(int(places.size()), 7); // Singapore, Gibraltar and Paris added
    const Atlas atlas(places);
    const std::vector<int> found = atlas.named(search);
    QCOMPARE(int(found.size()), label.isEmpty() ? 0 : 1);
    if (label.isEmpty())
        return;
    const AtlasPlace &place = atlas.place(found.front());
    QCOMPARE(place.label(), label);
    QCOMPARE(place.timeZone, zone);
    QVERIFY(qAbs(place.latitude - latitude) < 1e-6 && qAbs(place.longitude - longitude) < 1e-6);
    // Typing the start of the name offers the place once.
    QCOMPARE(atlas.startingWith(search.left(4), 5), found);
}

// The main city of every zone in the system's own zone table is in the atlas.
void TestAtlas::everyZoneCityIsFound() {
    QFile table(QStringLiteral("/usr/share/zoneinfo/zone.tab"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    int zones = 0;
    while (!table.atEnd()) {
        const QByteArray line = table.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QString city = QString::fromUtf8(line.split('\t').value(2)).section(QLatin1Char('/'), -1);
        city.replace(QLatin1Char('_'), QLatin1Char(' '));
        QVERIFY2(!Atlas::shared().named(city).empty(), qPrintable(city));
        ++zones;
    }
    QVERIFY(zones > 300);
    const int singapore = FirstNamed(QStringLiteral("Singapore"));
    QVERIFY(singapore >= 0);
    QCOMPARE(Atlas::shared().place(singapore).timeZone, QStringLiteral("Asia/Singapore"));
    QCOMPARE(Atlas::shared().place(FirstNamed(QStringLiteral("Gibraltar"))).timeZone,
             QStringLiteral("Europe/Gibraltar"));
    QCOMPARE(Atlas::shared().place(FirstNamed(QStringLiteral("Calcutta"))).name,
             QStringLiteral("Kolkata"));
}

void TestAtlas::zoneListSortedInOneFormat_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("before"); // the entry shown just before it; empty: the first
    QTest::newRow("first") << 71 << "Addis Ababa Mean Time, ADMT, UTC+02:35"
                           << "";
    QTest::newRow("+5.3 is five and a half hours") << 34 << "Indian Time, IST, UTC+05:30"
                                                   << "Howrah Mean Time, HMT, UTC+05:53";
    QTest::newRow("Nepal among the N's, not after Yukon") << 132 << "Nepal Time, NPT, UTC+05:45"
                                                          << "Mountain War Time, MWT, UTC-06:00";
    QTest::newRow("Greenwich") << 29 << "Greenwich Mean Time, GMT, UTC"
                               << "Funchal Mean Time, FMT, UTC-01:08";
    QTest::newRow("zone numbers by their value") << 62 << "USSR Zone 10, UZ10, UTC+11:00"
                                                 << "USSR Zone 6, USZ6, UTC+07:00";
    QTest::newRow("USSR after Universal") << 63 << "USSR Zone 3, USZ3, UTC+04:00"
                                          << "Universal Time, UT, UTC";
    QTest::newRow("local mean time")
        << kLocalMeanTimePosition << "Local Mean Time, LMT, from the longitude"
        << "Line Islands Time, LINT, UTC+14:00";
}

void TestAtlas::zoneListSortedInOneFormat() {
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, before);
    const std::vector<int> &order = ZoneListOrder();
    QCOMPARE(int(order.size()), kZoneCount);
    QCOMPARE(ZoneListText(position), text);
    const auto at = std::find(order.begin(), order.end(), position);
    QVERIFY(at != order.end());
    QCOMPARE(at == order.begin() ? QString() : ZoneListText(*(at - 1)), before);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kZoneCount; ++i)
        QCOMPARE(sorted[i], i); // every position once
}

void TestAtlas::degreesAndMinutes_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("positive");
    QTest::newRow("rounds down") << 51.5074 << 51 << 30 << true;
    QTest::newRow("rounds up") << 40.4165 << 40 << 25 << true;
    QTest::newRow("carries into the degree") << 12.9999 << 13 << 0 << true;
    QTest::newRow("west") << -0.1278 << 0 << 8 << false;
}

void TestAtlas::degreesAndMinutes() {
    QFETCH(double, angle);
    QFETCH(int, degrees);
    QFETCH(int, minutes);
    QFETCH(bool, positive);
    const DegreesMinutes dm = ToDegreesMinutes(angle);
    QCOMPARE(dm.degrees, degrees);
    QCOMPARE(dm.minutes, minutes);
    QCOMPARE(dm.positive, positive);
}

void TestAtlas::zoneAdvice_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<int>("offset"); // minutes east, from the tz database's own tables
    QTest::addColumn<ZoneAdvice::LocalTime>("localTime");
    QTest::addColumn<QString>("notice");
    const auto normal = ZoneAdvice::LocalTime::Normal;
    // Positions in the zone list: 15 British Double Summer Time, 16 British Summer Time,
    // 20 Central European Time, 24 Eastern Daylight Time, 27 Eastern Standard Time,
    // 29 Greenwich Mean Time, 34 Indian Time, 87 Central European Midsummer Time,
    // 117 Local Mean Time, 132 Nepal Time. Offsets and abbreviations as zdump prints them.
    QTest::newRow("Madrid in summer: CEST is CET with the tick")
        << "Europe/Madrid" << QDate(1990, 7, 1) << QTime(12, 0) << 20 << true << 120 << normal
        << "";
    QTest::newRow("Madrid in winter") << "Europe/Madrid" << QDate(1990, 1, 15) << QTime(12, 0) << 20
                                      << false << 60 << normal << "";
    QTest::newRow("New York, 4 July 1976: EDT by name")
        << "America/New_York" << QDate(1976, 7, 4) << QTime(12, 0) << 24 << false << -240 << normal
        << "";
    QTest::newRow("London in summer: BST by name")
        << "Europe/London" << QDate(1990, 7, 1) << QTime(12, 0) << 16 << false << 60 << normal
        << "";
    QTest::newRow("London 1944: double summer time")
        << "Europe/London" << QDate(1944, 7, 16) << QTime(14, 45) << 15 << false << 120 << normal
        << "";
    QTest::newRow("London 1947: double summer time again")
        << "Europe/London" << QDate(1947, 6, 1) << QTime(12, 0) << 15 << false << 120 << normal
        << "";
    QTest::newRow("Berlin 1945: midsummer time")
        << "Europe/Berlin" << QDate(1945, 6, 1) << QTime(12, 0) << 87 << false << 180 << normal
        << "";
    QTest::newRow("Delhi") << "Asia/Kolkata" << QDate(1980, 3, 15) << QTime(7, 5) << 34 << false
                           << 330 << normal << "";
    QTest::newRow("Kathmandu: 5 h 45 min") << "Asia/Kathmandu" << QDate(2000, 6, 1) << QTime(12, 0)
                                           << 132 << false << 345 << normal << "";
    QTest::newRow("Kathmandu 1905: local mean time")
        << "Asia/Kathmandu" << QDate(1905, 6, 1) << QTime(12, 0) << 117 << false << 341 << normal
        << "";
    QTest::newRow("New York: hour skipped in spring, read with the offset before")
        << "America/New_York" << QDate(1990, 4, 1) << QTime(2, 30) << 27 << false << -300
        << ZoneAdvice::LocalTime::Skipped << "read as 03:30";
    QTest::newRow("Madrid: hour skipped in spring")
        << "Europe/Madrid" << QDate(1990, 3, 25) << QTime(2, 30) << 20 << false << 60
        << ZoneAdvice::LocalTime::Skipped << "read as 03:30";
    QTest::newRow("New York: hour repeated in autumn, the daylight one")
        << "America/New_York" << QDate(1990, 10, 28) << QTime(1, 30) << 24 << false << -240
        << ZoneAdvice::LocalTime::Repeated << "twice";
    QTest::newRow("Madrid: hour repeated in autumn")
        << "Europe/Madrid" << QDate(1990, 9, 30) << QTime(2, 30) << 20 << true << 120
        << ZoneAdvice::LocalTime::Repeated << "first (daylight-saving)";
}

void TestAtlas::zoneAdvice() {
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(int, position);
    QFETCH(bool, dst);
    QFETCH(int, offset);
    QFETCH(ZoneAdvice::LocalTime, localTime);
    QFETCH(QString, notice);
    const ZoneAdvice advice = AdviseZone(zone, date, time);
    QVERIFY(advice.valid);
    QCOMPARE(advice.zonePosition, position);
    QCOMPARE(advice.dstTick, dst);
    QCOMPARE(advice.offsetMinutes, offset);
    QCOMPARE(ZoneEntryOffsetMinutes(position, dst, 85, 19, true), offset);
    QCOMPARE(advice.localTime, localTime);
    if (notice.isEmpty())
        QVERIFY2(advice.notice.isEmpty(), qPrintable(advice.notice));
    else
        QVERIFY2(advice.notice.contains(notice), qPrintable(advice.notice));
}

QTEST_APPLESS_MAIN(TestAtlas)
#include "test_atlas.moc"
