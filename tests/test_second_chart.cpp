// The second charts against the Swiss Ephemeris (linked into this test only): the transit
// chart, secondary progressions with the midheaven by the solar arc in right ascension,
// solar arc directions, and the cross aspects with their orbs and applying judgement.
#include "engine/natal_chart.h"
#include "engine/precise.h"
#include "engine/second_chart.h"
#include "support/utc_birth.h"

#include <swephexp.h>

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace starloom;

namespace {

constexpr double kJ2000 = 2451545.0;        // Julian day of J2000.0
constexpr double kOneArcsec = 1.0 / 3600.0; // degrees: the precise table's promise
constexpr double kSame = 1e-9;              // degrees: the same number by another road

double Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return JulianDaysSinceJ2000({year, month, day, hour, minute});
}

double Apart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

// The library's apparent longitude of a chart body (Sun .. Pluto are its bodies 0 .. 9), or
// with `equatorial` its right ascension.
double Library(int body, double day, bool equatorial = false) {
    double x[6] = {};
    char error[AS_MAXCH] = "";
    swe_calc_ut(day + kJ2000, body, SEFLG_SWIEPH | (equatorial ? SEFLG_EQUATORIAL : 0), x, error);
    return x[0];
}

// The library's ascendant and midheaven for a sidereal angle (RAMC), latitude and obliquity.
void LibraryAngles(double ramc, double latitude, double obliquity, double &asc, double &mc) {
    double cusps[13];
    double angles[10];
    swe_houses_armc(std::fmod(ramc + 720.0, 360.0), latitude, obliquity, 'E', cusps, angles);
    asc = angles[0];
    mc = angles[1];
}

NatalChart Natal(int year, int month, int day, int hour, int minute, int latDegrees, bool north,
                 int lonDegrees, bool east, PositionMethod method) {
    const BirthData b =
        UtcBirth(year, month, day, hour, minute, latDegrees, north, lonDegrees, east);
    ChartRequest request;
    request.Method = method;
    return CalculateNatalChart(b, request);
}

// Three births: Greenwich 1990 by the standard formulas, Sydney 1955 and Reykjavik 2001 by
// the precise table.
NatalChart Birth(int which) {
    switch (which) {
    case 0:
        return Natal(1990, 5, 1, 12, 0, 51, true, 0, false, PositionMethod::Standard);
    case 1:
        return Natal(1955, 11, 23, 19, 45, 33, false, 151, true, PositionMethod::Precise);
    default:
        return Natal(2001, 2, 2, 3, 7, 64, true, 21, false, PositionMethod::Precise);
    }
}

void AddBirthRows() {
    QTest::addColumn<int>("birth");
    QTest::addColumn<double>("years"); // from birth to the date the chart is made for
    QTest::newRow("Greenwich 1990, standard, at 30") << 0 << 30.0;
    QTest::newRow("Greenwich 1990, standard, 2 years before birth") << 0 << -2.0;
    QTest::newRow("Sydney 1955, precise, at 62.7") << 1 << 62.7;
    QTest::newRow("Reykjavik 2001, precise, at 0.4") << 2 << 0.4;
}

} // namespace

class TestSecondChart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void transitChart();
    void progressions_data() { AddBirthRows(); }
    void progressions();
    void directions_data() { AddBirthRows(); }
    void directions();
    void atBirthTheAnglesAreNatal();
    void outsideTheTable();
    void synastryWithItself_data();
    void synastryWithItself();
    void transitApplyingThenSeparating();
    void cleanupTestCase();
};

void TestSecondChart::initTestCase() {
    swe_set_ephe_path(SWE_DATA_DIR);
}

void TestSecondChart::cleanupTestCase() {
    swe_close();
}

void TestSecondChart::transitChart() {
    // 2024-10-17 06:30 UT over Quito (0.22 S, 78.5 W).
    const double day = Day(2024, 10, 17, 6, 30);
    SecondChart chart;
    QVERIFY(TransitChartAt(day, -78.5, -0.22, chart));
    QCOMPARE(chart.Kind, SecondChartKind::Transits);
    QCOMPARE(chart.UniversalTime.hour, 6);
    for (int body = kSunBody; body <= kPlutoBody; ++body)
        QVERIFY(Apart(chart.Longitude[body], Library(body, day)) < kOneArcsec);
    double cusps[13];
    double angles[10];
    swe_houses(day + kJ2000, -0.22, -78.5, 'E', cusps, angles);
    QVERIFY(Apart(chart.Longitude[kAscBody], angles[0]) < kOneArcsec);
    QVERIFY(Apart(chart.Longitude[kMidheavenPoint], angles[1]) < kOneArcsec);
    // The angles turn once a day, a little faster than the Sun.
    QVERIFY(chart.DailyMotion[kMidheavenPoint] > 300.0);
}

void TestSecondChart::progressions() {
    QFETCH(int, birth);
    QFETCH(double, years);
    const NatalChart natal = Birth(birth);
    const double born = JulianDaysSinceJ2000(natal.UniversalTime);
    SecondChart chart;
    QVERIFY(ProgressedChart(natal, born + years * kTropicalYearDays, chart));
    // One day after birth for each year of life.
    QVERIFY(std::fabs(chart.Day - (born + years)) < 1e-9);
    for (int body = kSunBody; body <= kPlutoBody; ++body)
        QVERIFY(Apart(chart.Longitude[body], Library(body, chart.Day)) < kOneArcsec);
    // The natal sidereal angle moved by the Sun's arc in right ascension, as the library
    // measures it; the angles by the library's house routine with the natal obliquity.
    const double arc =
        std::remainder(Library(kSunBody, chart.Day, true) - Library(kSunBody, born, true), 360.0);
    QVERIFY(std::fabs(chart.Arc - arc) < kOneArcsec);
    double asc = 0;
    double mc = 0;
    LibraryAngles(natal.LocalSidereal + arc, natal.Latitude, natal.Obliquity, asc, mc);
    QVERIFY(Apart(chart.Longitude[kMidheavenPoint], mc) < kOneArcsec);
    QVERIFY(Apart(chart.Longitude[kAscBody], asc) < 2 * kOneArcsec);
    // The progressed midheaven moves about a degree a progressed day, forwards.
    QVERIFY(chart.DailyMotion[kMidheavenPoint] > 0.8 && chart.DailyMotion[kMidheavenPoint] < 1.2);
}

void TestSecondChart::directions() {
    QFETCH(int, birth);
    QFETCH(double, years);
    const NatalChart natal = Birth(birth);
    const double born = JulianDaysSinceJ2000(natal.UniversalTime);
    SecondChart chart;
    QVERIFY(SolarArcChart(natal, born + years * kTropicalYearDays, chart));
    // The arc is the Sun's motion from birth to the progressed moment, about a degree a year.
    const double arc =
        std::remainder(Library(kSunBody, born + years) - Library(kSunBody, born), 360.0);
    QVERIFY(std::fabs(chart.Arc - arc) < kOneArcsec);
    QVERIFY(std::fabs(chart.Arc - years) < 0.05 * std::fabs(years) + 0.1);
    const PointTable points = AspectPointLongitudes(natal);
    for (int point = 0; point < kAspectPointCount; ++point) {
        QVERIFY(Apart(chart.Longitude[point], points[point] + arc) < kOneArcsec);
        QCOMPARE(chart.DailyMotion[point], chart.DailyMotion[kSunBody]);
    }
}

void TestSecondChart::atBirthTheAnglesAreNatal() {
    for (int birth = 0; birth < 3; ++birth) {
        const NatalChart natal = Birth(birth);
        const double born = JulianDaysSinceJ2000(natal.UniversalTime);
        SecondChart progressed;
        SecondChart directed;
        QVERIFY(ProgressedChart(natal, born, progressed));
        QVERIFY(SolarArcChart(natal, born, directed));
        QCOMPARE(progressed.Arc, 0.0);
        QCOMPARE(directed.Arc, 0.0);
        QVERIFY(Apart(progressed.Longitude[kMidheavenPoint], natal.Midheaven) < kSame);
        QVERIFY(Apart(progressed.Longitude[kAscBody], natal.Ascendant) < kSame);
        QVERIFY(Apart(directed.Longitude[kMoonBody], natal.Bodies[kMoonBody].Longitude) < kSame);
    }
}

void TestSecondChart::outsideTheTable() {
    const NatalChart natal = Birth(0);
    SecondChart chart;
    chart.Arc = 123.0;
    QVERIFY(!TransitChartAt(PreciseLastDay() + 1, 0.0, 0.0, chart));
    // A date whose progressed moment lies a day past the table's end.
    const double born = JulianDaysSinceJ2000(natal.UniversalTime);
    const double far = born + (PreciseLastDay() + 1 - born) * kTropicalYearDays;
    QVERIFY(!ProgressedChart(natal, far, chart));
    QVERIFY(!SolarArcChart(natal, far, chart));
    QCOMPARE(chart.Arc, 123.0); // untouched
}

void TestSecondChart::synastryWithItself_data() {
    QTest::addColumn<int>("birth");
    QTest::newRow("Greenwich 1990, standard") << 0;
    QTest::newRow("Sydney 1955, precise") << 1;
}

void TestSecondChart::synastryWithItself() {
    QFETCH(int, birth);
    const NatalChart natal = Birth(birth);
    const SecondChart twin = SynastryChart(natal);
    QCOMPARE(twin.Kind, SecondChartKind::Synastry);
    const std::vector<Aspect> aspects = CrossAspects(natal, twin, AspectOrbs{});
    // Every point conjunct its twin at 0 degrees, neither applying nor separating by motion
    // (both move alike), so reported as separating.
    int twins = 0;
    for (const Aspect &aspect : aspects) {
        if (aspect.A != aspect.B)
            continue;
        ++twins;
        QCOMPARE(aspect.Kind, AspectKind::Conjunction);
        QCOMPARE(aspect.Orb, 0.0);
        QVERIFY(!aspect.Applying);
    }
    QCOMPARE(twins, kAspectPointCount);
    // The pairs of different points are the chart's own aspects, seen from both sides (the
    // chart leaves out its ascendant and midheaven as a pair).
    const auto frame = [](const Aspect &a) {
        return (a.A == kAscBody && a.B == kMidheavenPoint) ||
               (a.A == kMidheavenPoint && a.B == kAscBody);
    };
    const auto others = std::count_if(aspects.begin(), aspects.end(), [&frame](const Aspect &a) {
        return a.A != a.B && !frame(a);
    });
    QCOMPARE(int(others), 2 * int(natal.Aspects.size()));
}

void TestSecondChart::transitApplyingThenSeparating() {
    // Saturn turns retrograde on 2024-06-29 at 19 deg 25' Pisces (349.42 deg): a natal Moon
    // half a degree further on is within the one-degree orb around the station, applying
    // before it and separating after it, and never exact.
    NatalChart natal;
    for (ChartPoint &body : natal.Bodies)
        body.Longitude = std::nan("");
    natal.Midheaven = std::nan("");
    const double station = Day(2024, 6, 29, 19, 6);
    natal.Bodies[kMoonBody].Longitude = PreciseLongitude(kSaturnBody, station) + 0.5;
    for (const double days : {-10.0, 10.0}) {
        SecondChart sky;
        QVERIFY(TransitChartAt(station + days, 0.0, 51.5, sky));
        const std::vector<Aspect> aspects = CrossAspects(natal, sky, kMovingChartOrbs);
        QCOMPARE(aspects.size(), std::size_t(1));
        QCOMPARE(aspects[0].A, int(kMoonBody));
        QCOMPARE(aspects[0].B, int(kSaturnBody));
        QCOMPARE(aspects[0].Kind, AspectKind::Conjunction);
        QVERIFY(aspects[0].Orb > 0.5 && aspects[0].Orb < 1.0);
        QCOMPARE(aspects[0].Applying, days < 0);
    }
}

QTEST_APPLESS_MAIN(TestSecondChart)
#include "test_second_chart.moc"
