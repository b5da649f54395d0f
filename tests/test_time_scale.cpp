// Calendar, universal time and sidereal time.
#include "engine/tables.h"
#include "engine/time_scale.h"

#include <QTest>

#include <chrono>
#include <cstdlib>

using namespace starloom;

Q_DECLARE_METATYPE(starloom::BirthData)

namespace {

constexpr double kExact = 1e-9;              // days or hours: results that must agree exactly
constexpr double kSiderealTolerance = 0.005; // degrees (1.2 s of time)
constexpr double kJdnOfUnixEpoch = 2440588;  // Julian day number of 1970-01-01

BirthData Birth(int year, int month, int day, int hour, int minute, int zone, bool dst, int lonDeg,
                int lonMin, bool east) {
    TimeZoneTables zones;
    BuildTimeZoneTables(zones);
    BirthData b;
    b.BirthYear = year;
    b.BirthMonth = month;
    b.BirthDay = day;
    b.BirthHour = hour;
    b.BirthMinute = minute;
    b.ZoneHoursText = zones.ZoneHoursTable[zone];
    b.ZoneMinutesText = zones.ZoneMinutesTable[zone];
    b.DstFlag = dst;
    b.LonDegrees = lonDeg;
    b.LonMinutes = lonMin;
    b.LonDirFlag = east;
    b.LatDegrees = 45;
    b.LatDirFlag = true;
    return b;
}

} // namespace

class TestTimeScale : public QObject {
    Q_OBJECT
private slots:
    void monthNames_data();
    void monthNames();
    void julianDayNumber_data();
    void julianDayNumber();
    void daysSinceJ2000_data();
    void daysSinceJ2000();
    void calendarSweep();
    void universalTime_data();
    void universalTime();
    void siderealTime_data();
    void siderealTime();
    void zoneTables();
};

void TestTimeScale::julianDayNumber_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("expected");
    // Boundary dates of the day-number rule, including both sides of its 1582 switch.
    QTest::newRow("2000-01-01") << 2000 << 1 << 1 << 2451545.0;
    QTest::newRow("1900-01-01") << 1900 << 1 << 1 << 2415021.0;
    QTest::newRow("1950-06-15") << 1950 << 6 << 15 << 2433448.0;
    QTest::newRow("2050-12-31") << 2050 << 12 << 31 << 2470172.0;
    QTest::newRow("1582-10-15 still Julian") << 1582 << 10 << 15 << 2299171.0;
    QTest::newRow("1582-10-16 Gregorian") << 1582 << 10 << 16 << 2299162.0;
    // J. Meeus, Astronomical Algorithms, chapter 7 examples and table (JD at noon).
    QTest::newRow("Sputnik 1957-10-04") << 1957 << 10 << 4 << 2436116.0;
    QTest::newRow("1987-06-19") << 1987 << 6 << 19 << 2446966.0;
    QTest::newRow("1988-01-27") << 1988 << 1 << 27 << 2447188.0;
    QTest::newRow("leap day 2000-02-29") << 2000 << 2 << 29 << 2451604.0;
}

void TestTimeScale::julianDayNumber() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, expected);
    QCOMPARE(JulianDayNumber(month, day, year), expected);
}

void TestTimeScale::daysSinceJ2000_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<double>("expected");
    QTest::newRow("J2000.0") << 2000 << 1 << 1 << 12 << 0 << 0.0;
    // P. Schlyter's worked example date.
    QTest::newRow("1990-04-19 0h") << 1990 << 4 << 19 << 0 << 0 << -3544.5;
    QTest::newRow("minutes count") << 2000 << 1 << 1 << 18 << 36 << 0.275;
}

void TestTimeScale::daysSinceJ2000() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(double, expected);
    QVERIFY(qAbs(DaysSinceJ2000(year, month, day, hour, minute) - expected) < kExact);
}

// Every day of the form's years: the day number follows the standard library's own
// calendar, and the two day counts agree with each other.
void TestTimeScale::calendarSweep() {
    using namespace std::chrono;
    const sys_days first = year{1901} / January / 1;
    const sys_days last = year{2050} / December / 31;
    for (sys_days day = first; day <= last; day += days{1}) {
        const year_month_day ymd{day};
        const int y = int(ymd.year());
        const int m = int(unsigned(ymd.month()));
        const int d = int(unsigned(ymd.day()));
        const double jdn = JulianDayNumber(m, d, y);
        if (jdn != kJdnOfUnixEpoch + day.time_since_epoch().count())
            QFAIL(qPrintable(QString("JulianDayNumber off on %1-%2-%3").arg(y).arg(m).arg(d)));
        if (DaysSinceJ2000(y, m, d, 12, 0) != jdn - 2451545.0)
            QFAIL(qPrintable(QString("DaysSinceJ2000 off on %1-%2-%3").arg(y).arg(m).arg(d)));
    }
}

void TestTimeScale::universalTime_data() {
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<double>("universalHours");
    QTest::addColumn<QString>("utDate"); // yyyy-mm-dd hh:mm
    // London lies west of Greenwich but summer time is an hour ahead of it.
    QTest::newRow("London, British Summer Time")
        << Birth(1990, 7, 1, 12, 0, 16, false, 0, 7, false) << 11.0 << "1990-07-01 11:00";
    QTest::newRow("London, GMT with daylight saving ticked")
        << Birth(1990, 7, 1, 12, 0, 29, true, 0, 7, false) << 11.0 << "1990-07-01 11:00";
    QTest::newRow("Madrid, Central European Time")
        << Birth(1990, 1, 15, 12, 0, 20, false, 3, 42, false) << 11.0 << "1990-01-15 11:00";
    QTest::newRow("5 h 30 min east at 00:30: previous day")
        << Birth(2000, 3, 1, 0, 30, 34, false, 77, 12, true) << -5.0 << "2000-02-29 19:00";
    QTest::newRow("23:00 on 31 December 5 h west: next year")
        << Birth(1999, 12, 31, 23, 0, 27, false, 74, 0, false) << 28.0 << "2000-01-01 04:00";
    QTest::newRow("daylight saving west")
        << Birth(1990, 7, 4, 10, 0, 27, true, 74, 0, false) << 14.0 << "1990-07-04 14:00";
    QTest::newRow("daylight saving east")
        << Birth(1990, 1, 10, 10, 0, 8, true, 151, 12, true) << -1.0 << "1990-01-09 23:00";
    QTest::newRow("half-hour zone west")
        << Birth(1990, 6, 1, 20, 0, 32, false, 157, 50, false) << 30.5 << "1990-06-02 06:30";
    QTest::newRow("Greenwich at J2000.0")
        << Birth(2000, 1, 1, 12, 0, 29, false, 0, 0, false) << 12.0 << "2000-01-01 12:00";
}

void TestTimeScale::universalTime() {
    QFETCH(BirthData, birth);
    QFETCH(double, universalHours);
    QFETCH(QString, utDate);
    const UniversalMoment moment = UniversalMoment::OfBirth(birth);
    QCOMPARE(moment.HoursFromMidnight(), universalHours);
    QCOMPARE(moment.DayNumber(),
             JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear));
    const CivilDateTime ut = moment.Civil();
    QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d", ut.year, ut.month, ut.day, ut.hour,
                               ut.minute),
             utDate);
    // The ascendant and Moon (day number and hours) and the planets (calendar date) use
    // one and the same instant.
    const double fromClock = moment.CenturiesSinceJ2000() * 36525.0;
    const double fromCalendar = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
    QVERIFY2(qAbs(fromClock - fromCalendar) < kExact, qPrintable(QString::number(fromClock)));
    QCOMPARE(moment.DaysSinceJ2000(), fromCalendar);
    // The same moment from its universal date and time counts the same days.
    const UniversalMoment universal = UniversalMoment::OfUniversal(ut);
    QCOMPARE(universal.DaysSinceJ2000(), fromCalendar);
    QVERIFY(qAbs(universal.CenturiesSinceJ2000() * 36525.0 - fromCalendar) < kExact);
    // A day and a quarter of an hour later.
    const UniversalMoment later = moment.DaysLater(1).MinutesLater(15);
    QVERIFY(qAbs(later.DaysSinceJ2000() - (fromCalendar + 1.0 + 15.0 / 1440.0)) < kExact);
    QVERIFY(qAbs(later.CenturiesSinceJ2000() * 36525.0 - (fromClock + 1.0 + 15.0 / 1440.0)) <
            kExact);
    const UniversalMoment back = later.MinutesLater(-15).DaysLater(-1);
    QCOMPARE(back.Civil().day, ut.day);
    QCOMPARE(back.Civil().hour, ut.hour);
    QCOMPARE(back.Civil().minute, ut.minute);
}

void TestTimeScale::siderealTime_data() {
    QTest::addColumn<BirthData>("birth");
    QTest::addColumn<double>("expected");
    // Greenwich mean sidereal time 18h 41m 50.548s at 2000 January 1, 12h UT (the
    // Astronomical Almanac's expression at J2000.0).
    QTest::newRow("Greenwich J2000.0")
        << Birth(2000, 1, 1, 12, 0, 29, false, 0, 0, false) << 280.46061;
    // J. Meeus, example 12.a: 1987 April 10, 0h UT, 13h 10m 46.3668s.
    QTest::newRow("Meeus 12.a") << Birth(1987, 4, 10, 0, 0, 29, false, 0, 0, false) << 197.693195;
    // East longitudes raise the local sidereal angle: 90 degrees east at the same moment.
    QTest::newRow("90 E") << Birth(1987, 4, 10, 0, 0, 29, false, 90, 0, true) << 287.693195;
}

void TestTimeScale::siderealTime() {
    QFETCH(BirthData, birth);
    QFETCH(double, expected);
    const double lst = LocalSiderealDegrees(PrepareSiteAndClock(birth));
    QVERIFY2(qAbs(lst - expected) < kSiderealTolerance, qPrintable(QString::number(lst, 'f', 6)));
}

void TestTimeScale::zoneTables() {
    TimeZoneTables zones;
    BuildTimeZoneTables(zones);
    int filled = 0;
    for (const std::string &name : zones.ZoneNames)
        filled += name.empty() ? 0 : 1;
    QCOMPARE(filled, 164);
    QVERIFY(zones.ZoneNames[164].empty());
    QCOMPARE(zones.ZoneNames[0], std::string("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    // The first 71 positions keep their entries, so saved readings keep their zones.
    QCOMPARE(zones.ZoneNames[70], std::string("Yukon War Time,YWT,-8.0"));
    QCOMPARE(zones.ZoneNames[kLocalMeanTimePosition],
             std::string("Local Mean Time,LMT,longitude/15"));
    QCOMPARE(zones.ZoneNames[34], std::string("Indian Time, IST, +5.3"));
    QCOMPARE(zones.ZoneHoursTable[34], std::string("-5"));
    QCOMPARE(zones.ZoneMinutesTable[34], std::string("-30"));
    QCOMPARE(ParseZoneText(zones.ZoneHoursTable[34]).value_or(0), -5);
    QCOMPARE(ParseZoneText(zones.ZoneMinutesTable[34]).value_or(0), -30);
    QCOMPARE(ParseZoneText(" +5 ").value_or(0), 5);
    QVERIFY(!ParseZoneText("5.5"));
    QVERIFY(!ParseZoneText(""));
    QCOMPARE(zones.ZoneHoursTable[27], std::string("5"));
    QCOMPARE(zones.ZoneMinutesTable[27], std::string("0"));
    // Rebuilding gives the same tables.
    TimeZoneTables again = zones;
    BuildTimeZoneTables(again);
    QVERIFY(again.ZoneNames == zones.ZoneNames && again.ZoneHoursTable == zones.ZoneHoursTable &&
            again.ZoneMinutesTable == zones.ZoneMinutesTable);
}

QTEST_APPLESS_MAIN(TestTimeScale)
void TestTimeScale::monthNames_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("0 has none") << 0 << "";
    QTest::newRow("January") << 1 << "January";
    QTest::newRow("September") << 9 << "September";
    QTest::newRow("December") << 12 << "December";
    QTest::newRow("13 has none") << 13 << "";
}

// The names files carry, the same on every machine.
void TestTimeScale::monthNames() {
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(QString::fromUtf8(EnglishMonthName(month)), name);
}

#include "test_time_scale.moc"
