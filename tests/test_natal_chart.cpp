// The chart of numbers: its houses, its method by date and the text forms made from it.
#include "engine/ephemeris.h"
#include "engine/natal_chart.h"
#include "engine/precise.h"
#include "retrograde/retrograde.h"
#include "support/utc_birth.h"

#include <swephexp.h>

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace starloom;

namespace {

BirthData Birth(int year, int month, int day, int hour, int minute, int latDegrees, bool north,
                int lonDegrees, bool east) {
    return UtcBirth(year, month, day, hour, minute, latDegrees, north, lonDegrees, east);
}

NatalChart Cast(const BirthData &birth, HouseSystem system,
                PositionMethod method = PositionMethod::Standard) {
    ChartRequest request;
    request.Method = method;
    request.Houses = system;
    request.Stations = &IsRetrograde;
    return CalculateNatalChart(birth, request);
}

constexpr double kHundredthArcsecond = 0.01 / 3600.0; // degrees

// The library's letter for each system, in HouseSystem order.
constexpr char kLibraryLetters[] = {'W', 'E', 'O', 'P', 'K', 'R', 'C', 'B', 'T', 'M'};

// The difference between two longitudes the short way round, degrees.
double Apart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

// Seeded random births across the standard formulas' years and all latitudes the
// ordinary systems are defined at.
BirthData RandomBirth(QRandomGenerator &random) {
    return Birth(1901 + random.bounded(150), 1 + random.bounded(12), 1 + random.bounded(28),
                 random.bounded(24), random.bounded(60), random.bounded(66), random.bounded(2),
                 random.bounded(180), random.bounded(2));
}

} // namespace

class TestNatalChart : public QObject {
    Q_OBJECT
private slots:
    void textsAreTheFormulasOwn();
    void preciseNumbersAreTheTablesOwn();
    void applyingChangesOnlyNearTies();
    void wholeSignHousesCountSignsFromTheAscendant();
    void everySystemPutsTheAscendantInHouseOne_data();
    void everySystemPutsTheAscendantInHouseOne();
    void preciseHousesMatchTheLibrary_data();
    void preciseHousesMatchTheLibrary();
    void methodFollowsTheDate_data();
    void methodFollowsTheDate();
};

// What the seed's program shows must not change: the texts made from the chart's numbers
// are those the three entry operations write, for any birth the standard method takes.
void TestNatalChart::textsAreTheFormulasOwn() {
    QRandomGenerator random(20261207);
    for (int i = 0; i < 2000; ++i) {
        const BirthData birth = RandomBirth(random);
        ChartPositions direct;
        CalculateChart(birth, direct);
        const ChartPositions made = PositionsOf(Cast(birth, HouseSystem::WholeSign));
        QCOMPARE(made.PositionText, direct.PositionText);
        QCOMPARE(made.AscendantText, direct.AscendantText);
        QCOMPARE(made.MidheavenText, direct.MidheavenText);
        QCOMPARE(made.NorthNodeText, direct.NorthNodeText);
        QCOMPARE(made.DailyMotion, direct.DailyMotion);
        QCOMPARE(made.Longitude, direct.Longitude);
        QCOMPARE(made.Midheaven, direct.Midheaven);
        QCOMPARE(made.NorthNode, direct.NorthNode);
    }
}

// The chart of numbers takes the precise table's values the way the table's own chart
// operation does, number for number.
void TestNatalChart::preciseNumbersAreTheTablesOwn() {
    QRandomGenerator random(2051);
    for (int i = 0; i < 2000; ++i) {
        const BirthData birth = RandomBirth(random);
        ChartPositions direct;
        QVERIFY(CalculatePreciseChart(birth, direct));
        const ChartPositions made =
            PositionsOf(Cast(birth, HouseSystem::WholeSign, PositionMethod::Precise));
        QCOMPARE(made.Longitude, direct.Longitude);
        QCOMPARE(made.DailyMotion, direct.DailyMotion);
        QCOMPARE(made.Midheaven, direct.Midheaven);
        QCOMPARE(made.NorthNode, direct.NorthNode);
        QCOMPARE(made.SouthNode, direct.SouthNode);
        QCOMPARE(made.PositionText, direct.PositionText);
    }
}

// The standard method judges applying and separating from the bodies' instantaneous
// motions. Judged instead from each body's longitude a day later (as the program once did),
// a flag comes out otherwise only where the two bodies' relative motion is nearly zero: the
// day-long difference is the motion half a day on, and half a day of Mercury's acceleration
// near its stations is below 0.1 degrees a day.
void TestNatalChart::applyingChangesOnlyNearTies() {
    constexpr double kTieMotion = 0.1; // degrees per day
    QRandomGenerator random(1999);
    int changed = 0;
    for (int i = 0; i < 3000; ++i) {
        const BirthData birth = RandomBirth(random);
        const NatalChart chart = Cast(birth, HouseSystem::WholeSign);
        PointTable dayLater = AspectPointMotions(chart);
        const double d = UniversalMoment::OfBirth(birth).DaysSinceJ2000();
        double later[kElementBodies];
        GeocentricLongitudes(d + 1.0, later);
        // The element table's body of each chart body (the Moon has none; the Sun is the
        // Earth's opposite).
        const int element[kAscBody] = {kEarth,   -1,      kMercury, kVenus,   kMars,
                                       kJupiter, kSaturn, kUranus,  kNeptune, kPluto};
        for (int body = 0; body < kAscBody; ++body) {
            const double then = body == kMoonBody
                                    ? MoonLongitude((d + 1.0) / 36525.0)
                                    : PrecessLongitudeToDate(later[element[body]], d + 1.0);
            dayLater[body] = std::remainder(then - chart.Bodies[body].Longitude, 360.0);
        }
        const std::vector<Aspect> before =
            FindAspects(AspectPointLongitudes(chart), dayLater, AspectOrbs{});
        QCOMPARE(before.size(), chart.Aspects.size());
        for (std::size_t k = 0; k < before.size(); ++k) {
            const Aspect &now = chart.Aspects[k];
            if (now.Applying == before[k].Applying)
                continue;
            ++changed;
            const PointTable motion = AspectPointMotions(chart);
            QVERIFY2(
                std::fabs(motion[now.B] - motion[now.A]) < kTieMotion,
                qPrintable(
                    QStringLiteral("birth %1: points %2 and %3").arg(i).arg(now.A).arg(now.B)));
        }
    }
    // Ties are rare: a few aspects in a thousand at most.
    QVERIFY2(changed < 3000 * 21 / 200, qPrintable(QString::number(changed)));
}

void TestNatalChart::wholeSignHousesCountSignsFromTheAscendant() {
    QRandomGenerator random(1879);
    for (int i = 0; i < 2000; ++i) {
        const NatalChart chart = Cast(RandomBirth(random), HouseSystem::WholeSign);
        const int ascSign = static_cast<int>(chart.Ascendant / 30.0);
        for (int body = 0; body < kBodyCount; ++body) {
            const int sign = static_cast<int>(chart.Bodies[body].Longitude / 30.0) % 12;
            QCOMPARE(chart.Bodies[body].House, (sign - ascSign + 12) % 12 + 1);
        }
        QCOMPARE(chart.Houses.cusps[0], ascSign * 30.0);
    }
}

void TestNatalChart::everySystemPutsTheAscendantInHouseOne_data() {
    QTest::addColumn<int>("system");
    for (const HouseSystem system : kHouseSystems)
        QTest::newRow(HouseSystemName(system).data()) << static_cast<int>(system);
}

// Each body lies between the cusps of its house; the ascendant is in house 1 in every
// system (Morinus's first cusp need not be the ascendant).
void TestNatalChart::everySystemPutsTheAscendantInHouseOne() {
    QFETCH(int, system);
    QRandomGenerator random(static_cast<quint32>(system) + 7);
    for (int i = 0; i < 300; ++i) {
        const NatalChart chart = Cast(RandomBirth(random), static_cast<HouseSystem>(system));
        QCOMPARE(chart.Bodies[kAscBody].House, 1);
        for (int body = 0; body < kAscBody; ++body) {
            const int house = chart.Bodies[body].House;
            const double from = chart.Houses.cusps[house - 1];
            const double to = chart.Houses.cusps[house % 12];
            const double span = std::fmod(to - from + 360.0, 360.0);
            const double into = std::fmod(chart.Bodies[body].Longitude - from + 360.0, 360.0);
            QVERIFY2(into < span,
                     qPrintable(QStringLiteral("body %1 house %2").arg(body).arg(house)));
        }
    }
}

void TestNatalChart::preciseHousesMatchTheLibrary_data() {
    everySystemPutsTheAscendantInHouseOne_data();
}

// Whole charts by the precise method, 1800 to 2199, against the library's houses for the
// same instant and place (apparent sidereal time and true obliquity of its own).
void TestNatalChart::preciseHousesMatchTheLibrary() {
    QFETCH(int, system);
    swe_set_ephe_path(SWE_DATA_DIR);
    QRandomGenerator random(static_cast<quint32>(system) + 1800);
    double worst = 0;
    for (int i = 0; i < 400; ++i) {
        const BirthData birth =
            Birth(1800 + random.bounded(400), 1 + random.bounded(12), 1 + random.bounded(28),
                  random.bounded(24), random.bounded(60), random.bounded(66), random.bounded(2),
                  random.bounded(180), random.bounded(2));
        const NatalChart chart =
            Cast(birth, static_cast<HouseSystem>(system), PositionMethod::Precise);
        if (chart.Houses.fallback != HouseFallback::None)
            continue; // the fallbacks are the house module's own test
        const CivilDateTime &t = chart.UniversalTime;
        const double jd = swe_julday(t.year, t.month, t.day, t.hour + t.minute / 60.0, SE_GREG_CAL);
        double cusps[13];
        double angles[10];
        swe_houses_ex(jd, 0, chart.Latitude, -PrepareSiteAndClock(birth).SiteLongitude,
                      kLibraryLetters[system], cusps, angles);
        for (int house = 0; house < kHouseCount; ++house)
            worst = std::max(worst, Apart(chart.Houses.cusps[house], cusps[house + 1]));
        worst = std::max(worst, Apart(chart.Ascendant, angles[SE_ASC]));
        worst = std::max(worst, Apart(chart.Midheaven, angles[SE_MC]));
    }
    qInfo("worst difference %.5f arcseconds", worst * 3600.0);
    QVERIFY(worst <= kHundredthArcsecond);
}

void TestNatalChart::methodFollowsTheDate_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("precise");
    QTest::newRow("1800: precise") << 1800 << true;
    QTest::newRow("1879: precise") << 1879 << true;
    QTest::newRow("1900: precise") << 1900 << true;
    QTest::newRow("1901: standard") << 1901 << false;
    QTest::newRow("2050: standard") << 2050 << false;
    QTest::newRow("2051: precise") << 2051 << true;
    QTest::newRow("2199: precise") << 2199 << true;
}

// Outside the formulas' years the chart comes from the precise table, says so, and marks
// retrograde planets by their motion.
void TestNatalChart::methodFollowsTheDate() {
    QFETCH(int, year);
    QFETCH(bool, precise);
    const NatalChart chart =
        Cast(Birth(year, 6, 15, 12, 0, 48, true, 10, true), HouseSystem::Placidus);
    QCOMPARE(chart.Method, precise ? PositionMethod::Precise : PositionMethod::Standard);
    QCOMPARE(chart.PreciseForDate, precise);
    QCOMPARE(PositionsNote(chart).empty(), !precise);
    QCOMPARE(chart.UniversalTime.year, year);
    if (precise) {
        for (int body = kMercuryBody; body <= kPlutoBody; ++body)
            QCOMPARE(chart.Bodies[body].Retrograde, chart.Bodies[body].DailyMotion < 0);
    }
}

QTEST_APPLESS_MAIN(TestNatalChart)
#include "test_natal_chart.moc"
