// Retrograde station tables and the retrograde lookup. Rows are read here with Qt's own
// calendar (QDate, QDateTime), independently of the library's compiled-in reader.
#include "engine/tables.h"
#include "retrograde/retrograde.h"
#include "retrograde/station_tables.h"

#include <QDateTime>
#include <QStringList>
#include <QTest>
#include <QTimeZone>

#include <span>

using namespace starloom;

Q_DECLARE_METATYPE(starloom::BirthData)

namespace {

// A station row read field by field; valid only when it has five numbers each followed by
// a comma, with no leading zeros, naming a real date and time.
struct Station {
    QDate date;
    QTime time;
    bool valid = false;
};

Station ReadRow(std::string_view row) {
    const QString text = QString::fromLatin1(row.data(), qsizetype(row.size()));
    const QStringList fields = text.split(u',');
    Station s;
    if (fields.size() != 6 || !fields[5].isEmpty())
        return s;
    int n[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        n[i] = fields[i].toInt(&ok);
        if (!ok || QString::number(n[i]) != fields[i])
            return s;
    }
    s.date = QDate(n[2], n[0], n[1]);
    s.time = QTime(n[3], n[4]);
    s.valid = s.date.isValid() && s.time.isValid() && fields[2].size() == 4;
    return s;
}

struct Period {
    Station retrograde;
    Station direct;
};

// The compiled-in station rows of a planet; none for any other name.
std::span<const StationPeriod> RowsOf(const QString &planet) {
    using namespace stations;
    if (planet == u"Mercury")
        return kMercuryStations;
    if (planet == u"Venus")
        return kVenusStations;
    if (planet == u"Mars")
        return kMarsStations;
    if (planet == u"Jupiter")
        return kJupiterStations;
    if (planet == u"Saturn")
        return kSaturnStations;
    if (planet == u"Uranus")
        return kUranusStations;
    if (planet == u"Neptune")
        return kNeptuneStations;
    if (planet == u"Pluto")
        return kPlutoStations;
    return {};
}

QList<Period> ReadPeriods(const QString &planet) {
    QList<Period> periods;
    for (const StationPeriod &row : RowsOf(planet))
        periods.append({ReadRow(row.Retrograde), ReadRow(row.Direct)});
    return periods;
}

// The lookup done the plain way: rows in order, the first one whose retrograde station's
// date lies before the date and whose direct station's date lies after it.
bool ScanIsRetrograde(const QList<Period> &periods, QDate date) {
    for (const Period &p : periods) {
        const qint64 d1 = date.daysTo(p.retrograde.date);
        const qint64 d2 = date.daysTo(p.direct.date);
        if (d1 < 0 && d2 > 0)
            return true;
    }
    return false;
}

CivilDateTime Moment(QDate date, QTime time) {
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

// A birth with its zone: hours to add to the local clock for Universal Time.
BirthData Birth(int year, int month, int day, int hour, int minute, const char *zoneHours) {
    BirthData b;
    b.BirthYear = year;
    b.BirthMonth = month;
    b.BirthDay = day;
    b.BirthHour = hour;
    b.BirthMinute = minute;
    b.ZoneHoursText = zoneHours;
    b.ZoneMinutesText = "0";
    return b;
}

const QStringList kPlainNames = {"Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
                                 "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};

QStringList ToStringList(const BodyNameTable &names) {
    QStringList list;
    for (const std::string &name : names)
        list.append(QString::fromStdString(name));
    return list;
}

} // namespace

class TestRetrograde : public QObject {
    Q_OBJECT
private slots:
    void tableShape_data();
    void tableShape();
    void fixedPeriods_data();
    void fixedPeriods();
    void tableSanity_data();
    void tableSanity();
    void unknownNames_data();
    void unknownNames();
    void isRetrograde_data();
    void isRetrograde();
    void workedExample_data();
    void workedExample();
    void birthDateAsEntered_data();
    void birthDateAsEntered();
    void noStaleMarks();
    void fastLookupMatchesRowScan();
};

void TestRetrograde::tableShape_data() {
    QTest::addColumn<QString>("planet");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstRetrograde");
    QTest::addColumn<QString>("firstDirect");
    QTest::addColumn<QString>("lastRetrograde");
    QTest::addColumn<QString>("lastDirect");
    QTest::newRow("Mercury") << "Mercury" << 476 << "3,15,1900,13,19,"
                             << "4,7,1900,18,42,"
                             << "12,1,2050,17,17,"
                             << "12,21,2050,11,33,";
    QTest::newRow("Venus") << "Venus" << 95 << "6,16,1900,22,56,"
                           << "7,30,1900,2,44,"
                           << "9,25,2050,22,15,"
                           << "11,6,2050,19,4,";
    QTest::newRow("Mars") << "Mars" << 71 << "1,13,1901,6,16,"
                          << "4,4,1901,7,21,"
                          << "7,15,2050,5,50,"
                          << "9,13,2050,9,41,";
    QTest::newRow("Jupiter") << "Jupiter" << 139 << "3,27,1900,20,39,"
                             << "7,29,1900,1,35,"
                             << "12,21,2050,13,21,"
                             << "4,21,2051,23,46,";
    QTest::newRow("Saturn") << "Saturn" << 146 << "4,14,1900,6,2,"
                            << "9,2,1900,14,39,"
                            << "5,18,2050,13,6,"
                            << "10,6,2050,11,5,";
    QTest::newRow("Uranus") << "Uranus" << 150 << "3,17,1900,17,36,"
                            << "8,17,1900,15,27,"
                            << "12,30,2050,15,40,"
                            << "5,29,2051,6,22,";
    QTest::newRow("Neptune") << "Neptune" << 150 << "10,2,1900,13,58,"
                             << "3,8,1901,0,45,"
                             << "8,31,2050,13,52,"
                             << "2,4,2051,10,41,";
    QTest::newRow("Pluto") << "Pluto" << 151 << "9,16,1899,5,48,"
                           << "2,27,1900,7,36,"
                           << "6,10,2050,3,49,"
                           << "11,21,2050,16,16,";
}

void TestRetrograde::tableShape() {
    QFETCH(QString, planet);
    QFETCH(int, rows);
    QFETCH(QString, firstRetrograde);
    QFETCH(QString, firstDirect);
    QFETCH(QString, lastRetrograde);
    QFETCH(QString, lastDirect);
    const std::span<const StationPeriod> table = RowsOf(planet);
    QCOMPARE(int(table.size()), rows);
    QCOMPARE(QString::fromLatin1(table.front().Retrograde), firstRetrograde);
    QCOMPARE(QString::fromLatin1(table.front().Direct), firstDirect);
    QCOMPARE(QString::fromLatin1(table.back().Retrograde), lastRetrograde);
    QCOMPARE(QString::fromLatin1(table.back().Direct), lastDirect);
}

// Periods around 1990 and 2020 whose rows the tables carry exactly as given here.
void TestRetrograde::fixedPeriods_data() {
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QString>("retrograde");
    QTest::addColumn<QString>("direct");
    QTest::newRow("Mercury Feb 2020") << "Mercury"
                                      << "2,17,2020,0,41,"
                                      << "3,10,2020,3,37,";
    QTest::newRow("Mercury Jun 2020") << "Mercury"
                                      << "6,18,2020,4,47,"
                                      << "7,12,2020,8,25,";
    QTest::newRow("Mercury Oct 2020") << "Mercury"
                                      << "10,14,2020,0,56,"
                                      << "11,3,2020,17,58,";
    QTest::newRow("Venus 2020") << "Venus"
                                << "5,13,2020,7,3,"
                                << "6,25,2020,7,5,";
    QTest::newRow("Mars 2020") << "Mars"
                               << "9,9,2020,21,32,"
                               << "11,13,2020,23,6,";
    QTest::newRow("Jupiter 2020") << "Jupiter"
                                  << "5,14,2020,13,18,"
                                  << "9,12,2020,23,37,";
    QTest::newRow("Saturn 2020") << "Saturn"
                                 << "5,11,2020,1,48,"
                                 << "9,29,2020,3,52,";
    QTest::newRow("Uranus 2020") << "Uranus"
                                 << "8,15,2020,10,41,"
                                 << "1,14,2021,6,29,";
    QTest::newRow("Neptune 2020") << "Neptune"
                                  << "6,22,2020,23,26,"
                                  << "11,28,2020,21,16,";
    QTest::newRow("Pluto 2020") << "Pluto"
                                << "4,25,2020,14,15,"
                                << "10,4,2020,7,29,";
    QTest::newRow("Mercury 1990") << "Mercury"
                                  << "4,23,1990,6,40,"
                                  << "5,17,1990,2,2,";
    QTest::newRow("Uranus 1990") << "Uranus"
                                 << "4,13,1990,18,56,"
                                 << "9,14,1990,15,27,";
    QTest::newRow("Neptune 1990") << "Neptune"
                                  << "4,16,1990,7,25,"
                                  << "9,23,1990,14,50,";
    QTest::newRow("Pluto 1990") << "Pluto"
                                << "2,19,1990,1,4,"
                                << "7,25,1990,20,35,";
}

void TestRetrograde::fixedPeriods() {
    QFETCH(QString, planet);
    QFETCH(QString, retrograde);
    QFETCH(QString, direct);
    const std::span<const StationPeriod> table = RowsOf(planet);
    const auto row = std::find_if(table.begin(), table.end(), [&](const StationPeriod &p) {
        return QString::fromLatin1(p.Retrograde) == retrograde;
    });
    QVERIFY2(row != table.end(), "retrograde row missing");
    QCOMPARE(QString::fromLatin1(row->Direct), direct);
}

void TestRetrograde::tableSanity_data() {
    QTest::addColumn<QString>("planet");
    QTest::addColumn<int>("shortest"); // days from the retrograde date to the direct date
    QTest::addColumn<int>("longest");
    QTest::newRow("Mercury") << "Mercury" << 19 << 25;
    QTest::newRow("Venus") << "Venus" << 40 << 44;
    QTest::newRow("Mars") << "Mars" << 60 << 81;
    QTest::newRow("Jupiter") << "Jupiter" << 117 << 125;
    QTest::newRow("Saturn") << "Saturn" << 133 << 142;
    QTest::newRow("Uranus") << "Uranus" << 149 << 155;
    QTest::newRow("Neptune") << "Neptune" << 156 << 161;
    QTest::newRow("Pluto") << "Pluto" << 156 << 165;
}

void TestRetrograde::tableSanity() {
    QFETCH(QString, planet);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    const QList<Period> periods = ReadPeriods(planet);
    QVERIFY(!periods.isEmpty());
    QDateTime previousDirect;
    for (const Period &p : periods) {
        QVERIFY2(p.retrograde.valid && p.direct.valid, "row does not read as a date and time");
        const QDateTime retrograde(p.retrograde.date, p.retrograde.time, QTimeZone::utc());
        const QDateTime direct(p.direct.date, p.direct.time, QTimeZone::utc());
        const QString where = retrograde.toString(Qt::ISODate);
        QVERIFY2(!previousDirect.isValid() || previousDirect < retrograde, qPrintable(where));
        QVERIFY2(retrograde < direct, qPrintable(where));
        const qint64 length = p.retrograde.date.daysTo(p.direct.date);
        QVERIFY2(length >= shortest && length <= longest,
                 qPrintable(where + " lasts " + QString::number(length) + " days"));
        previousDirect = direct;
    }
}

void TestRetrograde::unknownNames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Sun") << "Sun";
    QTest::newRow("lower case") << "mercury";
    QTest::newRow("marked name") << "Mercury (R) ";
    QTest::newRow("empty") << "";
}

// Only the eight planets have tables: any other name never counts as retrograde, even on a
// day when Mercury is.
void TestRetrograde::unknownNames() {
    QFETCH(QString, name);
    QVERIFY(IsRetrograde({1990, 5, 1, 12, 0}, "Mercury"));
    QVERIFY(!IsRetrograde({1990, 5, 1, 12, 0}, name.toStdString()));
}

void TestRetrograde::isRetrograde_data() {
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("expected");
    // Mercury turned retrograde on 23 April 1990 at 06:40 UT and direct on 17 May at 02:02:
    // the station dates themselves are direct, whatever the time of day.
    QTest::newRow("Mercury on its retrograde date, before the station")
        << "Mercury" << QDate(1990, 4, 23) << QTime(1, 0) << false;
    QTest::newRow("Mercury on its retrograde date, after the station")
        << "Mercury" << QDate(1990, 4, 23) << QTime(23, 59) << false;
    QTest::newRow("Mercury the day after the retrograde station")
        << "Mercury" << QDate(1990, 4, 24) << QTime(0, 0) << true;
    QTest::newRow("Mercury on its direct date, before the station")
        << "Mercury" << QDate(1990, 5, 17) << QTime(1, 0) << false;
    QTest::newRow("Mercury 17 Feb 2020, retrograde date")
        << "Mercury" << QDate(2020, 2, 17) << QTime(12, 0) << false;
    QTest::newRow("Mercury 18 Feb 2020") << "Mercury" << QDate(2020, 2, 18) << QTime(12, 0) << true;
    // Uranus turned retrograde on 15 August 2020 and direct on 14 January 2021.
    QTest::newRow("Uranus 1 Jan 2021, across the turn of the year")
        << "Uranus" << QDate(2021, 1, 1) << QTime(0, 0) << true;
    QTest::newRow("Uranus 14 Jan 2021, direct date")
        << "Uranus" << QDate(2021, 1, 14) << QTime(12, 0) << false;
    // Venus turned retrograde on 29 December 1989 and direct on 8 February 1990 (UT dates
    // of the published almanacs).
    QTest::newRow("Venus 29 Dec 1989, retrograde date")
        << "Venus" << QDate(1989, 12, 29) << QTime(12, 0) << false;
    QTest::newRow("Venus 30 Dec 1989") << "Venus" << QDate(1989, 12, 30) << QTime(12, 0) << true;
    QTest::newRow("Venus 8 Feb 1990, direct date")
        << "Venus" << QDate(1990, 2, 8) << QTime(12, 0) << false;
    // The ends of the tables.
    QTest::newRow("Pluto 17 Sep 1899, first day of its table")
        << "Pluto" << QDate(1899, 9, 17) << QTime(0, 0) << true;
    QTest::newRow("Mercury 20 Dec 2050, last day of its table")
        << "Mercury" << QDate(2050, 12, 20) << QTime(23, 59) << true;
    QTest::newRow("Mercury 21 Dec 2050, last direct date")
        << "Mercury" << QDate(2050, 12, 21) << QTime(0, 0) << false;
    // Outside a table a planet counts as direct, even when it was retrograde in the sky
    // (Pluto from September 1898 to February 1899).
    QTest::newRow("Pluto 1 Jan 1899, before its table")
        << "Pluto" << QDate(1899, 1, 1) << QTime(12, 0) << false;
    QTest::newRow("Mercury in 2060") << "Mercury" << QDate(2060, 1, 1) << QTime(12, 0) << false;
    QTest::newRow("Uranus in 9999") << "Uranus" << QDate(9999, 12, 31) << QTime(12, 0) << false;
}

void TestRetrograde::isRetrograde() {
    QFETCH(QString, planet);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(bool, expected);
    QCOMPARE(IsRetrograde(Moment(date, time), planet.toStdString()), expected);
}

// A birth on 1 May 1990 at any time of day: Mercury, Uranus, Neptune and Pluto are
// retrograde, the other four planets direct.
void TestRetrograde::workedExample_data() {
    QTest::addColumn<BirthData>("birth");
    QTest::newRow("noon") << Birth(1990, 5, 1, 12, 0, "0");
    QTest::newRow("23:59, 10 h west") << Birth(1990, 5, 1, 23, 59, "10");
    QTest::newRow("00:30, 5 h east") << Birth(1990, 5, 1, 0, 30, "-5");
}

void TestRetrograde::workedExample() {
    QFETCH(BirthData, birth);
    RetrogradeState state;
    BodyNameTable names;
    MarkRetrogradePlanets(birth, state, names);
    const QStringList expected = {"Sun",          "Moon",       "Mercury (R) ", "Venus",
                                  "Mars",         "Jupiter",    "Saturn",       "Uranus (R) ",
                                  "Neptune (R) ", "Pluto (R) ", "Asc"};
    QCOMPARE(ToStringList(names), expected);
    const std::array<bool, 8> flags = {true, false, false, false, false, true, true, true};
    QVERIFY(state.RetroFlags == flags);
}

// The birth date is the local date as entered, even when the Universal Time date differs.
void TestRetrograde::birthDateAsEntered_data() {
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<int>("planet"); // 0 Mercury .. 7 Pluto
    QTest::addColumn<bool>("expected");
    QTest::newRow("Mercury station date 23 Apr 1990 22:30, 5 h west (UT 24 Apr)")
        << Birth(1990, 4, 23, 22, 30, "5") << 0 << false;
    QTest::newRow("24 Apr 1990 01:00, 10 h east (UT still 23 Apr)")
        << Birth(1990, 4, 24, 1, 0, "-10") << 0 << true;
    QTest::newRow("16 May 1990 23:00, 8 h west (UT 17 May, Mercury direct date)")
        << Birth(1990, 5, 16, 23, 0, "8") << 0 << true;
    QTest::newRow("Venus 30 Dec 1989") << Birth(1989, 12, 30, 8, 0, "0") << 1 << true;
    QTest::newRow("Uranus direct date 14 Jan 2021 08:00, 9 h east (UT 13 Jan)")
        << Birth(2021, 1, 14, 8, 0, "-9") << 5 << false;
}

void TestRetrograde::birthDateAsEntered() {
    QFETCH(BirthData, birth);
    QFETCH(int, planet);
    QFETCH(bool, expected);
    RetrogradeState state;
    BodyNameTable names;
    MarkRetrogradePlanets(birth, state, names);
    QCOMPARE(state.RetroFlags[planet], expected);
    const QStringList list = ToStringList(names);
    QCOMPARE(list[planet + 2], kPlainNames[planet + 2] + (expected ? " (R) " : ""));
    // The flags and the names tell the same story, and the Sun, the Moon and the ascendant
    // keep their plain names.
    for (int p = 0; p < 8; ++p)
        QCOMPARE(list[p + 2].endsWith(" (R) "), bool(state.RetroFlags[p]));
    QCOMPARE(list[0], QString("Sun"));
    QCOMPARE(list[1], QString("Moon"));
    QCOMPARE(list[10], QString("Asc"));
}

// Every calculation rewrites all eleven names, so the marks of an earlier one never stay.
void TestRetrograde::noStaleMarks() {
    RetrogradeState state;
    BodyNameTable names;
    for (std::string &name : names)
        name = "left over (R) ";
    MarkRetrogradePlanets(Birth(1990, 5, 1, 12, 0, "0"), state, names);
    QCOMPARE(names[2], std::string("Mercury (R) "));
    // 1 June 1990: Mercury direct again (its next period began in August).
    MarkRetrogradePlanets(Birth(1990, 6, 1, 12, 0, "0"), state, names);
    QCOMPARE(names[2], std::string("Mercury"));
    QVERIFY(!state.RetroFlags[0]);
    // Nothing of the first calculation or of the left-over texts remains: each name is the
    // plain one, with the mark only where this calculation found the planet retrograde.
    for (int i = 0; i < kBodyCount; ++i) {
        const bool marked = i >= 2 && i <= 9 && state.RetroFlags[i - 2];
        QCOMPARE(QString::fromStdString(names[i]), kPlainNames[i] + (marked ? " (R) " : ""));
    }
}

// The binary search over precomputed day numbers gives the answer of the plain row scan on
// every day from 1899 to 2052, for every planet.
void TestRetrograde::fastLookupMatchesRowScan() {
    for (const std::string_view name : kRetroPlanetNames) {
        const QString planet = QString::fromLatin1(name.data(), qsizetype(name.size()));
        const QList<Period> periods = ReadPeriods(planet);
        int retrogradeDays = 0;
        for (QDate date(1899, 1, 1); date <= QDate(2052, 12, 31); date = date.addDays(1)) {
            // Alternate the time of day, which must not matter.
            const QTime time = date.day() % 2 ? QTime(0, 0) : QTime(23, 59);
            const bool expected = ScanIsRetrograde(periods, date);
            if (IsRetrograde(Moment(date, time), name) != expected)
                QFAIL(qPrintable(planet + " differs on " + date.toString(Qt::ISODate)));
            retrogradeDays += expected ? 1 : 0;
        }
        // Each of the planet's periods contributes its inside days.
        qint64 insideDays = 0;
        for (const Period &p : periods)
            insideDays += p.retrograde.date.daysTo(p.direct.date) - 1;
        QCOMPARE(retrogradeDays, int(insideDays));
    }
}

QTEST_APPLESS_MAIN(TestRetrograde)
#include "test_retrograde.moc"
