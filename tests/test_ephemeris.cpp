// Keplerian planets, the lunar series and their helpers.
#include "engine/angles.h"
#include "engine/ephemeris.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace starloom;

namespace {
constexpr double kHundredthDegree = 0.01;
constexpr double kTwentiethDegree = 0.05;
constexpr double kTight = 1e-12; // radians

// One body's longitude from the engine's entry point for all nine.
double Longitude(int index, double d) {
    double all[kElementBodies];
    GeocentricLongitudes(d, all);
    return all[index];
}
} // namespace

class TestEphemeris : public QObject {
    Q_OBJECT
private slots:
    void longitudesAtJ2000_data();
    void longitudesAtJ2000();
    void sunIsEarthPlusHalfTurn();
    void allBodiesAtOnce();
    void againstPublishedPositions_data();
    void againstPublishedPositions();
    void moonAtJ2000();
    void moonNeverNegative();
    void ratesAreTheLongitudesSlope();
    void loadOrbitalElements();
    void arcTan2_data();
    void arcTan2();
    void reduceRadians_data();
    void reduceRadians();
    void reduceDegrees_data();
    void reduceDegrees();
    void solveKepler_data();
    void solveKepler();
    void solveKeplerStops();
    void precession();
};

void TestEphemeris::longitudesAtJ2000_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");
    // The element table's base column evaluated at d = 0, J2000 ecliptic and equinox.
    QTest::newRow("Sun") << int(kEarth) << 280.38;
    QTest::newRow("Mercury") << int(kMercury) << 271.91;
    QTest::newRow("Venus") << int(kVenus) << 241.58;
    QTest::newRow("Mars") << int(kMars) << 327.98;
    QTest::newRow("Jupiter") << int(kJupiter) << 25.36;
    QTest::newRow("Saturn") << int(kSaturn) << 40.21;
    QTest::newRow("Uranus") << int(kUranus) << 314.79;
    QTest::newRow("Neptune") << int(kNeptune) << 303.19;
    QTest::newRow("Pluto") << int(kPluto) << 251.45;
}

void TestEphemeris::longitudesAtJ2000() {
    QFETCH(int, index);
    QFETCH(double, expected);
    const double lambda = Longitude(index, 0.0);
    QVERIFY2(qAbs(lambda - expected) < kHundredthDegree, qPrintable(QString::number(lambda)));
    // At d = 0 there is no precession to add.
    QCOMPARE(PrecessLongitudeToDate(lambda, 0.0), lambda);
}

void TestEphemeris::sunIsEarthPlusHalfTurn() {
    for (double d : {-36500.0, -3544.5, 0.0, 1234.25, 18262.0}) {
        const std::optional<OrbitalElements> earth = LoadOrbitalElements(kEarth, d);
        QVERIFY(earth);
        const double nu = SolveKepler(ReduceRadians(earth->L - earth->peri), earth->e);
        const double helio = std::fmod((nu + earth->peri) * kRadToDeg + 720.0, 360.0);
        const double sun = Longitude(kEarth, d);
        const double diff = std::remainder(sun - helio - 180.0, 360.0);
        QVERIFY2(qAbs(diff) < 1e-9, qPrintable(QString::number(d)));
    }
}

// Every body's longitude stays within a turn over the whole range of birth years.
void TestEphemeris::allBodiesAtOnce() {
    for (double d = -36000.0; d <= 18262.5; d += 97.25) {
        double all[kElementBodies];
        GeocentricLongitudes(d, all);
        for (int index = 0; index < kElementBodies; ++index)
            QVERIFY2(all[index] >= 0.0 && all[index] <= 360.0, qPrintable(QString::number(d)));
    }
}

void TestEphemeris::againstPublishedPositions_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    // J. Meeus, Astronomical Algorithms, example 25.a: 1992 October 13, 0h TD, the Sun's
    // true geometric longitude of date 199.90988 degrees.
    QTest::newRow("Sun 1992-10-13") << int(kEarth) << -2636.5 << 199.90988 << kHundredthDegree;
    // Meeus example 33.a: Venus 1992 December 20, 0h TD, apparent longitude 313.08102
    // (light-time, aberration and nutation together move it by well under 0.02 degree).
    QTest::newRow("Venus 1992-12-20") << int(kVenus) << -2568.5 << 313.08102 << kTwentiethDegree;
}

void TestEphemeris::againstPublishedPositions() {
    QFETCH(int, index);
    QFETCH(double, d);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double lambda = PrecessLongitudeToDate(Longitude(index, d), d);
    QVERIFY2(qAbs(lambda - expected) < tolerance, qPrintable(QString::number(lambda, 'f', 5)));
}

void TestEphemeris::moonAtJ2000() {
    const double lambda = MoonLongitude(0.0);
    QVERIFY2(qAbs(lambda - 223.32) < kHundredthDegree, qPrintable(QString::number(lambda)));
    // Meeus example 45.a (first edition): 1992 April 12, 0h TD, 133.162655 degrees from
    // the full series; the 25 largest terms leave a few hundredths of a degree out.
    const double T = (-2820.5) / 36525.0;
    const double april = MoonLongitude(T);
    QVERIFY2(qAbs(april - 133.162655) < kTwentiethDegree, qPrintable(QString::number(april)));
}

void TestEphemeris::moonNeverNegative() {
    for (double T = -1.0; T <= 0.5; T += 0.0007) {
        const double lambda = MoonLongitude(T);
        if (!(lambda >= 0.0 && lambda <= 360.0))
            QFAIL(qPrintable(QString("T=%1 gives %2").arg(T).arg(lambda)));
    }
}

// The analytic daily motions against the slope of the longitudes themselves, a central
// difference over a thousandth of a day (its own error is far below the tolerance), across
// the formulas' years, retrograde stretches included.
void TestEphemeris::ratesAreTheLongitudesSlope() {
    constexpr double kStep = 0.001;              // days
    constexpr double kMillionthDegreeDay = 1e-6; // degrees per day
    const auto slope = [](double before, double after) {
        return std::remainder(after - before, 360.0) / (2 * kStep);
    };
    for (double d = -36500.0; d <= 18250.0; d += 97.3) {
        double longitudes[kElementBodies];
        double rates[kElementBodies];
        GeocentricLongitudesAndRates(d, longitudes, rates);
        double before[kElementBodies];
        double after[kElementBodies];
        GeocentricLongitudes(d - kStep, before);
        GeocentricLongitudes(d + kStep, after);
        for (int body = 0; body < kElementBodies; ++body) {
            QCOMPARE(longitudes[body], Longitude(body, d));
            const double rate = rates[body] + PrecessionRate(d);
            const double expected = slope(PrecessLongitudeToDate(before[body], d - kStep),
                                          PrecessLongitudeToDate(after[body], d + kStep));
            QVERIFY2(std::fabs(rate - expected) < kMillionthDegreeDay,
                     qPrintable(QStringLiteral("body %1, day %2: %3 against %4")
                                    .arg(body)
                                    .arg(d)
                                    .arg(rate, 0, 'g', 12)
                                    .arg(expected, 0, 'g', 12)));
        }
        const double T = d / 36525.0;
        const double moon = MoonLongitudeRate(T);
        const double moonSlope =
            slope(MoonLongitude((d - kStep) / 36525.0), MoonLongitude((d + kStep) / 36525.0));
        QVERIFY2(std::fabs(moon - moonSlope) < kMillionthDegreeDay,
                 qPrintable(QStringLiteral("Moon, day %1: %2 against %3")
                                .arg(d)
                                .arg(moon, 0, 'g', 12)
                                .arg(moonSlope, 0, 'g', 12)));
    }
}

void TestEphemeris::loadOrbitalElements() {
    std::optional<OrbitalElements> el = LoadOrbitalElements(kMars, 0.0);
    QVERIFY(el);
    QCOMPARE(el->a, 1.52366231);
    QCOMPARE(el->e, 0.09341233);
    QVERIFY(qAbs(el->L - 355.45332 * kDegToRad) < kTight);
    // One century later the rates have been added, angles in arcseconds per century.
    el = LoadOrbitalElements(kMars, 36525.0);
    QVERIFY(el);
    QVERIFY(qAbs(el->a - (1.52366231 - 0.00007221)) < kTight);
    QVERIFY(qAbs(el->node - (49.57854 - 1020.19 / 3600.0) * kDegToRad) < kTight);
    QVERIFY(el->L >= 0.0 && el->L < kTwoPi);
    QVERIFY(!LoadOrbitalElements(9, 0.0));
    QVERIFY(!LoadOrbitalElements(-1, 0.0));
}

void TestEphemeris::arcTan2_data() {
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("negative x axis gives 0") << 0.0 << -1.0 << 0.0;
    QTest::newRow("positive y axis") << 1.0 << 0.0 << kPi / 2;
    QTest::newRow("negative y axis") << -1.0 << 0.0 << -kPi / 2;
    QTest::newRow("origin") << 0.0 << 0.0 << 0.0;
    QTest::newRow("first quadrant") << 1.0 << 1.0 << kPi / 4;
    QTest::newRow("second quadrant") << 1.0 << -1.0 << 3 * kPi / 4;
    QTest::newRow("third quadrant") << -1.0 << -1.0 << -3 * kPi / 4;
    QTest::newRow("fourth quadrant") << -1.0 << 1.0 << -kPi / 4;
}

void TestEphemeris::arcTan2() {
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(double, expected);
    QVERIFY(qAbs(ArcTan2(y, x) - expected) < kTight);
}

void TestEphemeris::reduceRadians_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("-2 pi") << -kTwoPi << 0.0;
    QTest::newRow("7 pi") << 7 * kPi << kPi;
    QTest::newRow("-pi/2") << -kPi / 2 << 3 * kPi / 2;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("many turns") << 1000 * kTwoPi + 1.0 << 1.0;
}

void TestEphemeris::reduceRadians() {
    QFETCH(double, x);
    QFETCH(double, expected);
    const double r = ReduceRadians(x);
    QVERIFY2(qAbs(r - expected) < 1e-9, qPrintable(QString::number(r, 'g', 17)));
    QVERIFY(r >= 0.0 && r < kTwoPi);
}

// The three ways the engine brings degrees into range: fully into [0, 360), keeping a
// positive whole turn as 360, and only from above. Non-finite input must come back as NaN
// instead of looping for ever.
void TestEphemeris::reduceDegrees_data() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("full");
    QTest::addColumn<double>("keepTurn");
    QTest::addColumn<double>("fromAbove");
    QTest::newRow("zero") << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("inside") << 123.25 << 123.25 << 123.25 << 123.25;
    QTest::newRow("exactly 360") << 360.0 << 0.0 << 360.0 << 0.0;
    QTest::newRow("two turns") << 720.0 << 0.0 << 360.0 << 0.0;
    QTest::newRow("minus one turn") << -360.0 << 0.0 << 0.0 << -360.0;
    QTest::newRow("just below zero") << -0.5 << 359.5 << 359.5 << -0.5;
    QTest::newRow("many turns up") << 3600000.25 << 0.25 << 0.25 << 0.25;
    QTest::newRow("many turns down") << -3599999.75 << 0.25 << 0.25 << -3599999.75;
    QTest::newRow("+inf") << inf << nan << nan << nan;
    QTest::newRow("-inf") << -inf << nan << nan << nan;
    QTest::newRow("NaN") << nan << nan << nan << nan;
}

void TestEphemeris::reduceDegrees() {
    QFETCH(double, a);
    const auto same = [](double got, double want) {
        return std::isnan(want) ? std::isnan(got) : got == want;
    };
    QFETCH(double, full);
    QFETCH(double, keepTurn);
    QFETCH(double, fromAbove);
    QVERIFY(same(ReduceDegrees(a), full));
    QVERIFY(same(ReduceDegreesKeepingFullTurn(a), keepTurn));
    QVERIFY(same(ReduceDegreesFromAbove(a), fromAbove));
}

void TestEphemeris::solveKepler_data() {
    QTest::addColumn<double>("M");
    QTest::addColumn<double>("e");
    QTest::newRow("Earth-like") << 1.0 << 0.0167;
    QTest::newRow("Mercury-like") << 0.3 << 0.2056;
    QTest::newRow("Pluto-like near perihelion") << 0.05 << 0.2488;
    QTest::newRow("beyond pi") << 4.0 << 0.0934;
    QTest::newRow("eccentric") << 2.5 << 0.7;
}

// Kepler's equation M = E - e sin E must hold for the eccentric anomaly that belongs to the
// returned true anomaly.
void TestEphemeris::solveKepler() {
    QFETCH(double, M);
    QFETCH(double, e);
    const double nu = SolveKepler(M, e);
    QVERIFY(nu >= 0.0 && nu < kTwoPi);
    const double E = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(nu / 2.0));
    const double back = ReduceRadians(E - e * std::sin(E));
    QVERIFY2(qAbs(back - M) < 1e-10, qPrintable(QString::number(back, 'g', 17)));
}

void TestEphemeris::solveKeplerStops() {
    // e = 0: the first Newton step already lands on E = M, and nu = M.
    QVERIFY(qAbs(SolveKepler(1.234, 0.0) - 1.234) < kTight);
    // Inputs no planet produces must still return.
    QVERIFY(std::isnan(SolveKepler(std::nan(""), 0.1)));
    SolveKepler(3.0, 0.9999999);
    SolveKepler(1e300, 0.5);
}

void TestEphemeris::precession() {
    // Fifty Julian years of general precession: 2514.83 arcseconds (IAU 1976 rate).
    const double d = 18262.5;
    QVERIFY(qAbs(PrecessLongitudeToDate(100.0, d) - (100.0 + 0.698563)) < 1e-5);
    QVERIFY(qAbs(PrecessLongitudeToDate(359.9, d) - 0.598563) < 1e-5);
    QVERIFY(qAbs(PrecessLongitudeToDate(0.2, -d) - (0.2 - 0.698408 + 360.0)) < 1e-5);
}

QTEST_APPLESS_MAIN(TestEphemeris)
#include "test_ephemeris.moc"
