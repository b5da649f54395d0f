// Planetary pattern classification: the sign of a position text, occupancy, the Seesaw
// walk, the Bucket rule and the seven flags. Every expected value below was worked out by
// hand from the fixture's sign counts.
#include "test_patterns_fixtures.h"

#include <QTest>

#include <algorithm>
#include <random>

using namespace starloom;
using starloom_test::FlagNames;
using starloom_test::Positions;

class TestPatterns : public QObject {
    Q_OBJECT
private slots:
    void signOfPositionText_data();
    void signOfPositionText();
    void workedExample();
    void edgeCases_data();
    void edgeCases();
    void bucket_data();
    void bucket();
    void bodyOrderDoesNotMatter_data();
    void bodyOrderDoesNotMatter();
};

void TestPatterns::signOfPositionText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sign");
    QTest::newRow("15 Tau 30") << "15 Tau 30" << 1;
    QTest::newRow("first sign") << "00 Ari 15" << 0;
    QTest::newRow("last sign") << "29 Pis 59" << 11;
    QTest::newRow("six characters are enough") << "15 Aqu" << 10;
    QTest::newRow("five characters: no sign") << "5 Aqu" << -1;
    QTest::newRow("empty: no sign") << "" << -1;
    QTest::newRow("lower case names no sign") << "15 tau 30" << -1;
    QTest::newRow("sign out of place") << "Tau 15 30" << -1;
    QTest::newRow("longitude 360 has no abbreviation") << "00 0\" 00" << -1;
}

void TestPatterns::signOfPositionText() {
    QFETCH(QString, text);
    QFETCH(int, sign);
    QCOMPARE(SignOfPositionText(text.toStdString()), sign);
}

// Aries 2, Taurus 2, Gemini 1, Libra 2, Scorpio 2, Sagittarius 1, Pisces 1: two clusters
// facing each other across Cancer-Virgo and Capricorn-Aquarius.
void TestPatterns::workedExample() {
    const PatternReport report =
        ClassifyPlanetaryPattern(Positions("Ari Ari Tau Tau Gem Lib Lib Sco Sco Sag Pis"));
    const PatternWork &work = report.Work;
    const std::array<int, kSignCount> bodies = {2, 2, 1, 0, 0, 0, 2, 2, 1, 0, 0, 1};
    const std::array<bool, kSignCount> vacant = {false, false, false, true, true, true,
                                                 false, false, false, true, true, false};
    QVERIFY(work.BodiesInSign == bodies);
    QVERIFY(work.VacantSign == vacant);
    QCOMPARE(work.N, 5);
    QCOMPARE(work.BoundaryTally, std::string("1111"));
    QCOMPARE(work.GroupTotal[0], 6); // Pisces, Aries, Taurus, Gemini
    QCOMPARE(work.GroupTotal[1], 5); // Libra, Scorpio, Sagittarius
    QVERIFY(work.three);             // Cancer, Leo, Virgo
    QVERIFY(work.two);               // Capricorn, Aquarius
    // No sign holding one or two bodies has two vacant signs on both sides: no Bucket.
    QCOMPARE(FlagNames(work.PatternFlags), QString("Bundle Seesaw Locomotive"));
    QCOMPARE(report.Runs.size(), std::size_t(3 * 7));
}

void TestPatterns::edgeCases_data() {
    QTest::addColumn<QString>("bodies"); // signs of Sun .. Pluto, ascendant
    QTest::addColumn<int>("vacant");
    QTest::addColumn<QString>("tally");
    QTest::addColumn<int>("group0");
    QTest::addColumn<int>("group1");
    QTest::addColumn<bool>("three");
    QTest::addColumn<bool>("two");
    QTest::addColumn<QString>("patterns");
    // clang-format off
    QTest::newRow("N = 11: all in Leo, two boundaries")
        << "Leo Leo Leo Leo Leo Leo Leo Leo Leo Leo Leo"
        << 11 << "11" << 11 << 0 << true << false << "Bundle Bowl Locomotive";
    QTest::newRow("N = 1: only Leo vacant")
        << "Ari Tau Gem Can Vir Lib Sco Sag Cap Aqu Pis"
        << 1 << "11" << 4 << 7 << false << false << "Splash";
    QTest::newRow("three vacant signs, no two neighbours")
        << "Ari Ari Gem Can Leo Lib Sco Sco Sag Aqu Pis"
        << 3 << "111111" << 6 << 5 << false << false << "Splash";
    QTest::newRow("Aquarius and Pisces vacant")
        << "Ari Ari Tau Gem Can Leo Vir Lib Sco Sag Cap"
        << 2 << "11" << 11 << 0 << false << false << "Splay";
    QTest::newRow("Pisces and Aries vacant: neighbours across the seam")
        << "Tau Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu"
        << 2 << "11" << 11 << 0 << false << false << "Splay";
    QTest::newRow("four vacant signs, no two neighbours: eight boundaries")
        << "Tau Tau Gem Leo Leo Vir Sco Sco Sag Aqu Pis"
        << 4 << "11111111" << 6 << 5 << false << false << "Bundle Locomotive";
    QTest::newRow("two three-sign stretches: no two")
        << "Ari Ari Tau Tau Vir Vir Lib Lib Sco Pis Pis"
        << 6 << "1111" << 6 << 5 << true << false << "Bundle Locomotive";
    QTest::newRow("two-sign stretch starting at Aquarius is not scanned")
        << "Ari Ari Tau Tau Gem Lib Lib Sco Sco Sag Cap"
        << 5 << "1111" << 5 << 6 << true << false << "Bundle Locomotive";
    QTest::newRow("five-sign stretch counts as three and two")
        << "Ari Ari Lib Lib Sco Sco Sag Aqu Aqu Pis Pis"
        << 6 << "1111" << 6 << 5 << true << true << "Bundle Seesaw Locomotive";
    QTest::newRow("one-body cluster in Libra: no Seesaw, a Bucket")
        << "Ari Ari Tau Gem Lib Cap Cap Aqu Aqu Pis Pis"
        << 5 << "1111" << 10 << 1 << true << true << "Bundle Bucket Locomotive";
    QTest::newRow("Aquarius holds only the ascendant")
        << "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu"
        << 1 << "11" << 11 << 0 << false << false << "Splash";
    QTest::newRow("ascendant text of five characters is in no sign")
        << "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap 5_Aqu"
        << 2 << "11" << 10 << 0 << false << false << "Splay";
    QTest::newRow("no text names a sign")
        << "- - - - - - - - - - -"
        << 12 << "" << 0 << 0 << true << false << "Bundle Bowl Locomotive";
    // clang-format on
}

void TestPatterns::edgeCases() {
    QFETCH(QString, bodies);
    QFETCH(int, vacant);
    QFETCH(QString, tally);
    QFETCH(int, group0);
    QFETCH(int, group1);
    QFETCH(bool, three);
    QFETCH(bool, two);
    QFETCH(QString, patterns);
    const PatternWork work = ClassifyPositions(Positions(bodies));
    QCOMPARE(work.N, vacant);
    QCOMPARE(QString::fromStdString(work.BoundaryTally), tally);
    QCOMPARE(work.GroupTotal[0], group0);
    QCOMPARE(work.GroupTotal[1], group1);
    QCOMPARE(work.three, three);
    QCOMPARE(work.two, two);
    QCOMPARE(FlagNames(work.PatternFlags), patterns);
}

void TestPatterns::bucket_data() {
    QTest::addColumn<QString>("bodies");
    QTest::addColumn<QString>("patterns");
    // clang-format off
    QTest::newRow("one-body handle in Leo, rim Scorpio to Aries")
        << "Ari Leo Sco Sco Sag Sag Cap Cap Aqu Aqu Pis" << "Bundle Bucket Locomotive";
    QTest::newRow("two-body handle in Leo, also a Seesaw")
        << "Ari Leo Leo Sco Sco Sag Sag Cap Cap Aqu Pis" << "Bundle Bucket Seesaw Locomotive";
    QTest::newRow("three bodies in the handle's sign: no Bucket")
        << "Ari Leo Leo Leo Sco Sco Sag Sag Cap Aqu Pis" << "Bundle Seesaw Locomotive";
    QTest::newRow("two lone bodies in neighbouring signs: no Bucket")
        << "Leo Vir Sag Sag Cap Cap Aqu Aqu Pis Ari Tau" << "Bundle Locomotive";
    QTest::newRow("one vacant sign between handle and rim: no Bucket")
        << "Leo Lib Lib Sco Sco Sag Sag Cap Cap Aqu Pis" << "Bundle Locomotive";
    QTest::newRow("rim spanning seven signs: no Bucket")
        << "Ari Can Can Leo Vir Lib Lib Sco Sag Cap Cap" << "Bundle Locomotive";
    QTest::newRow("rim of six signs with a vacant sign inside")
        << "Ari Can Can Vir Vir Lib Lib Sco Sco Sag Sag" << "Bundle Bucket Locomotive";
    QTest::newRow("two-body handle in Aries, clear across the seam")
        << "Ari Ari Leo Leo Vir Vir Lib Sco Sco Sag Cap" << "Bundle Bucket Locomotive";
    QTest::newRow("rim straddling Pisces and Aries")
        << "Ari Ari Tau Tau Vir Aqu Aqu Aqu Pis Pis Pis" << "Bundle Bowl Bucket Locomotive";
    QTest::newRow("the ascendant alone is the handle")
        << "Cap Cap Aqu Aqu Pis Pis Ari Ari Tau Gem Lib" << "Bundle Bucket Locomotive";
    QTest::newRow("ten bodies in Aries, one in Libra")
        << "Ari Ari Ari Ari Ari Ari Ari Ari Ari Ari Lib" << "Bundle Bowl Bucket Locomotive";
    // clang-format on
}

void TestPatterns::bucket() {
    QFETCH(QString, bodies);
    QFETCH(QString, patterns);
    QCOMPARE(FlagNames(ClassifyPositions(Positions(bodies)).PatternFlags), patterns);
}

void TestPatterns::bodyOrderDoesNotMatter_data() {
    QTest::addColumn<QString>("bodies");
    QTest::addColumn<QString>("patterns");
    QTest::newRow("worked example") << "Ari Ari Tau Tau Gem Lib Lib Sco Sco Sag Pis"
                                    << "Bundle Seesaw Locomotive";
    QTest::newRow("Bucket and Seesaw") << "Ari Leo Leo Sco Sco Sag Sag Cap Cap Aqu Pis"
                                       << "Bundle Bucket Seesaw Locomotive";
    QTest::newRow("Splash") << "Ari Ari Gem Can Leo Lib Sco Sco Sag Aqu Pis"
                            << "Splash";
    QTest::newRow("Splay with an empty text") << "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap -"
                                              << "Splay";
}

// Only how many bodies each sign holds matters, not which body is where: every rotation
// of the body order and a run of shuffles give the same working values and report.
void TestPatterns::bodyOrderDoesNotMatter() {
    QFETCH(QString, bodies);
    QFETCH(QString, patterns);
    const PositionTable original = Positions(bodies);
    const PatternReport expected = ClassifyPlanetaryPattern(original);
    QCOMPARE(FlagNames(expected.Work.PatternFlags), patterns);

    std::mt19937 random(20240607);
    for (int round = 0; round < 60; ++round) {
        PositionTable table = original;
        if (round < kBodyCount)
            std::rotate(table.begin(), table.begin() + round, table.begin() + kBodyCount);
        else
            std::shuffle(table.begin(), table.begin() + kBodyCount, random);
        const PatternReport report = ClassifyPlanetaryPattern(table);
        QVERIFY2(report.Work.BodiesInSign == expected.Work.BodiesInSign, qPrintable(bodies));
        QCOMPARE(report.Work.BoundaryTally, expected.Work.BoundaryTally);
        QVERIFY(report.Work.GroupTotal == expected.Work.GroupTotal);
        QCOMPARE(FlagNames(report.Work.PatternFlags), patterns);
        QVERIFY(report.Runs == expected.Runs);
    }
}

QTEST_APPLESS_MAIN(TestPatterns)
#include "test_patterns.moc"
