// Aspects from hand-made longitudes, the midheaven and the mean lunar node.
#include "engine/aspects.h"
#include "engine/chart.h"

#include <QRandomGenerator>
#include <QTest>

#include <swephexp.h>

#include <cmath>
#include <limits>

using namespace starloom;

Q_DECLARE_METATYPE(AspectOrbs)

namespace {

constexpr double kArcsecond = 1.0 / 3600.0; // degrees
constexpr double kHundredthDegree = 0.01;   // degrees
constexpr double kNone = -1;                // no aspect expected
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Two points placed, every other point left out.
struct Pair {
    PointTable longitude;
    PointTable motion{};
};

Pair Place(int a, double lonA, double speedA, int b, double lonB, double speedB) {
    Pair pair;
    pair.longitude.fill(kNaN);
    pair.longitude[a] = lonA;
    pair.longitude[b] = lonB;
    pair.motion[a] = speedA;
    pair.motion[b] = speedB;
    return pair;
}

AspectOrbs WideOrbs() {
    AspectOrbs orbs;
    orbs.Orb.fill(30.0);
    return orbs;
}

} // namespace

class TestAspects : public QObject {
    Q_OBJECT
private slots:
    void pairs_data();
    void pairs();
    void everyPairOnceNeverItself();
    void nearestKindWithinItsOrb_data();
    void nearestKindWithinItsOrb();
    void midheavenAgainstReference_data();
    void midheavenAgainstReference();
    void chartMidheavenAndNodes();
    void meanNodeAgainstMeeus();
};

void TestAspects::pairs_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<double>("lonA");
    QTest::addColumn<double>("speedA");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("lonB");
    QTest::addColumn<double>("speedB");
    QTest::addColumn<AspectOrbs>("orbs");
    QTest::addColumn<int>("kind"); // AspectKind, or kNone
    QTest::addColumn<double>("orb");
    QTest::addColumn<bool>("applying");
    const AspectOrbs standard;
    const int conj = static_cast<int>(AspectKind::Conjunction);
    const int opp = static_cast<int>(AspectKind::Opposition);
    const int trine = static_cast<int>(AspectKind::Trine);
    const int square = static_cast<int>(AspectKind::Square);
    const int sextile = static_cast<int>(AspectKind::Sextile);
    const int none = static_cast<int>(kNone);
    // Mercury (2) and Mars (4): no luminary, so the plain orbs 8/8/7/7/5.
    QTest::newRow("conjunction 8 inside")
        << 2 << 10.0 << 0.0 << 4 << 18.0 << 0.0 << standard << conj << 8.0 << false;
    QTest::newRow("conjunction 8.001 outside")
        << 2 << 10.0 << 0.0 << 4 << 18.001 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("opposition 172 inside")
        << 2 << 0.0 << 0.0 << 4 << 172.0 << 0.0 << standard << opp << 8.0 << false;
    QTest::newRow("opposition 188 inside")
        << 2 << 0.0 << 0.0 << 4 << 188.0 << 0.0 << standard << opp << 8.0 << false;
    QTest::newRow("opposition 171.999 outside")
        << 2 << 0.0 << 0.0 << 4 << 171.999 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("trine 127 inside")
        << 2 << 0.0 << 0.0 << 4 << 127.0 << 0.0 << standard << trine << 7.0 << false;
    QTest::newRow("trine 113 inside")
        << 2 << 0.0 << 0.0 << 4 << 113.0 << 0.0 << standard << trine << 7.0 << false;
    QTest::newRow("trine 127.001 outside")
        << 2 << 0.0 << 0.0 << 4 << 127.001 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("square 97 inside")
        << 2 << 0.0 << 0.0 << 4 << 97.0 << 0.0 << standard << square << 7.0 << false;
    QTest::newRow("square 82.999 outside")
        << 2 << 0.0 << 0.0 << 4 << 82.999 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("sextile 55 inside")
        << 2 << 0.0 << 0.0 << 4 << 55.0 << 0.0 << standard << sextile << 5.0 << false;
    QTest::newRow("sextile 65.001 outside")
        << 2 << 0.0 << 0.0 << 4 << 65.001 << 0.0 << standard << none << 0.0 << false;
    // The luminaries' two extra degrees, for either side of the pair.
    QTest::newRow("Sun conjunction 10 inside")
        << 0 << 10.0 << 0.0 << 2 << 20.0 << 0.0 << standard << conj << 10.0 << false;
    QTest::newRow("Sun conjunction 10.001 outside")
        << 0 << 10.0 << 0.0 << 2 << 20.001 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("Moon as second, sextile 67")
        << 2 << 0.0 << 0.0 << 1 << 67.0 << 0.0 << standard << sextile << 7.0 << false;
    // Across 0 degrees Aries, both ways round.
    QTest::newRow("conjunction across 0 Aries")
        << 2 << 356.0 << 0.0 << 4 << 4.0 << 0.0 << standard << conj << 8.0 << false;
    QTest::newRow("trine across 0 Aries")
        << 2 << 250.5 << 0.0 << 4 << 10.0 << 0.0 << standard << trine << 0.5 << false;
    QTest::newRow("longitudes beyond a turn")
        << 2 << 720.0 << 0.0 << 4 << -90.0 << 0.0 << standard << square << 0.0 << false;
    // The horizon and the meridian are not a pair; either with a body is.
    QTest::newRow("Asc and MC never")
        << 10 << 0.0 << 0.0 << 11 << 0.0 << 0.0 << standard << none << 0.0 << false;
    QTest::newRow("MC with Pluto")
        << 9 << 30.0 << 0.0 << 11 << 90.0 << 0.0 << standard << sextile << 0.0 << false;
    // Applying and separating: the faster point closing on or leaving the exact angle.
    QTest::newRow("conjunction, faster behind: applying")
        << 2 << 10.0 << 1.0 << 4 << 15.0 << 0.5 << standard << conj << 5.0 << true;
    QTest::newRow("conjunction, faster ahead: separating")
        << 2 << 10.0 << 0.5 << 4 << 15.0 << 1.0 << standard << conj << 5.0 << false;
    QTest::newRow("across 0 Aries: applying")
        << 2 << 358.0 << 1.5 << 4 << 2.0 << 0.5 << standard << conj << 4.0 << true;
    QTest::newRow("retrograde into it: applying")
        << 2 << 358.0 << 0.0 << 4 << 2.0 << -1.0 << standard << conj << 4.0 << true;
    QTest::newRow("opposition widening to 180: applying")
        << 2 << 0.0 << 0.0 << 4 << 178.0 << 1.0 << standard << opp << 2.0 << true;
    QTest::newRow("square, retrograde away: separating")
        << 2 << 100.0 << 0.0 << 4 << 5.0 << -1.0 << standard << square << 5.0 << false;
    QTest::newRow("opposition widening past 180: separating")
        << 2 << 0.0 << 0.0 << 4 << 182.0 << 1.0 << standard << opp << 2.0 << false;
    QTest::newRow("square, the one behind catching up: applying")
        << 2 << 100.0 << 0.0 << 4 << 5.0 << 1.0 << standard << square << 5.0 << true;
    QTest::newRow("exact: separating")
        << 2 << 0.0 << 1.0 << 4 << 120.0 << 0.0 << standard << trine << 0.0 << false;
    // Orbs wide enough to overlap: the kind nearer exact wins.
    QTest::newRow("wide orbs, sextile nearer than square")
        << 2 << 0.0 << 0.0 << 4 << 70.0 << 0.0 << WideOrbs() << sextile << 10.0 << false;
}

void TestAspects::pairs() {
    QFETCH(int, a);
    QFETCH(double, lonA);
    QFETCH(double, speedA);
    QFETCH(int, b);
    QFETCH(double, lonB);
    QFETCH(double, speedB);
    QFETCH(AspectOrbs, orbs);
    QFETCH(int, kind);
    QFETCH(double, orb);
    QFETCH(bool, applying);
    const Pair pair = Place(a, lonA, speedA, b, lonB, speedB);
    const std::vector<Aspect> found = FindAspects(pair.longitude, pair.motion, orbs);
    if (kind == static_cast<int>(kNone)) {
        QCOMPARE(found.size(), std::size_t(0));
        return;
    }
    QCOMPARE(found.size(), std::size_t(1));
    QCOMPARE(found[0].A, std::min(a, b));
    QCOMPARE(found[0].B, std::max(a, b));
    QCOMPARE(static_cast<int>(found[0].Kind), kind);
    QVERIFY2(std::fabs(found[0].Orb - orb) < 1e-9, qPrintable(QString::number(found[0].Orb)));
    QCOMPARE(found[0].Applying, applying);
}

void TestAspects::everyPairOnceNeverItself() {
    PointTable longitude;
    longitude.fill(100.0);
    const std::vector<Aspect> found = FindAspects(longitude, PointTable{}, AspectOrbs{});
    // 12 points make 66 pairs; all but Asc-MC are conjunctions.
    QCOMPARE(found.size(), std::size_t(65));
    int previous = -1;
    for (const Aspect &aspect : found) {
        QVERIFY(aspect.A < aspect.B);
        QVERIFY(!(aspect.A == kAscBody && aspect.B == kMidheavenPoint));
        const int key = aspect.A * kAspectPointCount + aspect.B;
        QVERIFY2(key > previous, "pairs out of order or repeated");
        previous = key;
    }
    const std::array<int, kAspectKindCount> counts = CountAspectsByKind(found);
    QCOMPARE(counts[0], 65);
    QCOMPARE(counts[1] + counts[2] + counts[3] + counts[4], 0);
}

// Random charts against the rule read literally: every pair's separation the short way
// round, the kinds within their orbs, the nearest of them (the first of equals), orbs
// that cannot overlap, that just cannot, and wide ones.
void TestAspects::nearestKindWithinItsOrb_data() {
    QTest::addColumn<AspectOrbs>("orbs");
    QTest::newRow("default orbs") << AspectOrbs{};
    AspectOrbs justNarrow;
    justNarrow.Orb = {12.5, 12.5, 12.5, 12.5, 12.5};
    justNarrow.LuminaryExtra = 2.49;
    QTest::newRow("just below half the gap between angles") << justNarrow;
    AspectOrbs half = justNarrow;
    half.LuminaryExtra = 2.5;
    QTest::newRow("half the gap for the luminaries") << half;
    QTest::newRow("wide orbs") << WideOrbs();
}

void TestAspects::nearestKindWithinItsOrb() {
    QFETCH(AspectOrbs, orbs);
    QRandomGenerator random(4242);
    for (int chart = 0; chart < 3000; ++chart) {
        PointTable longitude{};
        PointTable motion{};
        for (int p = 0; p < kAspectPointCount; ++p) {
            // Whole and half degrees now and then, so that separations fall on the
            // boundaries between kinds.
            const double degrees = random.bounded(360.0);
            longitude[p] = p % 3 == 0 ? std::round(degrees * 2) / 2 : degrees;
            motion[p] = random.bounded(2.0) - 1.0;
        }
        const std::vector<Aspect> found = FindAspects(longitude, motion, orbs);
        std::size_t next = 0;
        for (int a = 0; a < kAspectPointCount; ++a) {
            for (int b = a + 1; b < kAspectPointCount; ++b) {
                if (a == kAscBody && b == kMidheavenPoint)
                    continue;
                const double separation =
                    std::fabs(std::remainder(longitude[b] - longitude[a], 360.0));
                int best = -1;
                for (int kind = 0; kind < kAspectKindCount; ++kind) {
                    const double orb = std::fabs(separation - kAspectAngles[kind]);
                    const bool luminary = a <= kMoonBody || b <= kMoonBody;
                    const double limit = orbs.Orb[kind] + (luminary ? orbs.LuminaryExtra : 0);
                    if (orb <= limit &&
                        (best < 0 || orb < std::fabs(separation - kAspectAngles[best])))
                        best = kind;
                }
                if (best < 0)
                    continue;
                QVERIFY(next < found.size());
                QCOMPARE(found[next].A, a);
                QCOMPARE(found[next].B, b);
                QCOMPARE(static_cast<int>(found[next].Kind), best);
                ++next;
            }
        }
        QCOMPARE(next, found.size());
    }
}

void TestAspects::midheavenAgainstReference_data() {
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<double>("obliquity");
    for (const double ramc :
         {0.0, 12.5, 45.0, 89.9, 90.0, 133.0, 180.0, 222.2, 270.0, 301.0, 359.9})
        QTest::addRow("RAMC %g", ramc) << ramc << 23.4392911;
    QTest::newRow("1900 obliquity") << 77.0 << 23.452294;
}

// The Swiss Ephemeris' house routine for a given sidereal angle and obliquity.
void TestAspects::midheavenAgainstReference() {
    QFETCH(double, sidereal);
    QFETCH(double, obliquity);
    double cusps[13];
    double ascmc[10];
    swe_houses_armc(sidereal, 51.5, obliquity, 'P', cusps, ascmc);
    const double mc = MidheavenFromSiderealTime(sidereal, obliquity);
    QVERIFY2(
        std::fabs(mc - ascmc[1]) < kArcsecond,
        qPrintable(QStringLiteral("%1 against %2").arg(mc, 0, 'f', 6).arg(ascmc[1], 0, 'f', 6)));
    // A negative sidereal angle, as the standard road may leave it, names the same point.
    const double wrapped = MidheavenFromSiderealTime(sidereal - 360.0, obliquity);
    QVERIFY(std::fabs(wrapped - mc) < 1e-9 || std::fabs(std::fabs(wrapped - mc) - 360.0) < 1e-9);
}

// A whole chart: the midheaven and mean node of the standard method against the Swiss
// Ephemeris for the same instant and place. The standard method's midheaven comes from
// mean sidereal time and mean obliquity, so a hundredth of a degree is its reach; the
// mean node agrees to the arcsecond.
void TestAspects::chartMidheavenAndNodes() {
    BirthData birth; // 1980-03-15 07:05 at New Delhi, zone 5 h 30 min east
    birth.BirthYear = 1980;
    birth.BirthMonth = 3;
    birth.BirthDay = 15;
    birth.BirthHour = 7;
    birth.BirthMinute = 5;
    birth.ZoneHoursText = "-5";
    birth.ZoneMinutesText = "-30";
    birth.LatDegrees = 28;
    birth.LatMinutes = 36;
    birth.LatDirFlag = true;
    birth.LonDegrees = 77;
    birth.LonMinutes = 12;
    birth.LonDirFlag = true;
    ChartPositions chart;
    CalculateChart(birth, chart);
    const double jdUt = swe_julday(1980, 3, 15, 1.0 + 35.0 / 60.0, SE_GREG_CAL);
    double cusps[13];
    double ascmc[10];
    swe_houses(jdUt, 28.6, 77.2, 'P', cusps, ascmc);
    QVERIFY2(std::fabs(chart.Midheaven - ascmc[1]) < kHundredthDegree,
             qPrintable(QString::number(chart.Midheaven - ascmc[1])));
    QVERIFY(std::fabs(chart.Longitude[kAscBody] - ascmc[0]) < kHundredthDegree);
    double node[6];
    char error[256];
    // The mean node on the mean equinox of date, as the polynomial gives it.
    swe_calc_ut(jdUt, SE_MEAN_NODE, SEFLG_MOSEPH | SEFLG_NONUT, node, error);
    QVERIFY2(std::fabs(chart.NorthNode - node[0]) < kArcsecond,
             qPrintable(QString::number(chart.NorthNode - node[0])));
    QCOMPARE(std::fmod(chart.SouthNode - chart.NorthNode + 360.0, 360.0), 180.0);
    QCOMPARE(chart.NorthNodeText, ChartPositionOf(chart.NorthNode));
    QVERIFY(chart.Nodes == NodeKind::Mean);
    // The mean node runs backwards about 0.053 degrees a day; the Moon forwards.
    QVERIFY(chart.DailyMotion[kMoonBody] > 11.0 && chart.DailyMotion[kMoonBody] < 16.0);
    QVERIFY(chart.DailyMotion[kSunBody] > 0.95 && chart.DailyMotion[kSunBody] < 1.03);
    // The angles turn once a sidereal day, the midheaven about 361 degrees a day on average.
    QVERIFY(chart.DailyMotion[kMidheavenPoint] > 300.0 &&
            chart.DailyMotion[kMidheavenPoint] < 420.0);
}

// J. Meeus, "Astronomical Algorithms", 2nd ed., example 22.a: 1987 April 10, 0h TD,
// T = -0.127296372348, gives the Moon's mean ascending node at 11.2531 degrees.
void TestAspects::meanNodeAgainstMeeus() {
    QVERIFY(std::fabs(MeanLunarNode(-0.127296372348) - 11.2531) < kArcsecond);
    // At J2000.0 the polynomial's constant term.
    QVERIFY(std::fabs(MeanLunarNode(0.0) - 125.0445479) < kArcsecond);
}

QTEST_GUILESS_MAIN(TestAspects)
#include "test_aspects.moc"
