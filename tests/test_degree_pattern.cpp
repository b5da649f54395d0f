// The shape of a chart by degrees: hand-made charts at each rule's boundary, and the same
// charts turned round the circle.
#include "patterns/degree_pattern.h"

#include <QTest>

#include <cmath>

using namespace starloom;

namespace {

constexpr double kArcTolerance = 1e-9; // degrees

// Ten longitudes in chart order (Sun first) from blank-separated numbers.
PlanetLongitudes Longitudes(const QString &text) {
    const QStringList numbers = text.split(' ', Qt::SkipEmptyParts);
    if (numbers.size() != kPlanetCount)
        qFatal("fixture needs ten longitudes: %s", qPrintable(text));
    PlanetLongitudes longitudes{};
    for (int body = 0; body < kPlanetCount; ++body)
        longitudes[body] = numbers[body].toDouble();
    return longitudes;
}

// The angular distance between two longitudes, 0..180.
double Apart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

QString Name(DegreePattern pattern) {
    const std::string_view name = DegreePatternName(pattern);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

class TestDegreePattern : public QObject {
    Q_OBJECT
private slots:
    void classify_data();
    void classify();
    void turned_data() { classify_data(); }
    void turned();
};

// Each row: the planets' longitudes, and the pattern, leading planets and largest empty arc
// worked out by hand from the gaps (noted after each row where they decide it).
void TestDegreePattern::classify_data() {
    QTest::addColumn<QString>("longitudes");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("leading");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");

    // Sun Moon Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto
    QTest::newRow("bundle, gap exactly 240") << "30 40 50 60 0 70 80 90 100 120"
                                             << "Bundle"
                                             << "Mars" << 120.0 << 0.0;
    QTest::newRow("bowl, gap 239.5") << "30 40 50 60 0 70 80 90 100 120.5"
                                     << "Bowl"
                                     << "Mars" << 120.5 << 0.0;
    QTest::newRow("bundle across 0 Aries") << "300 310 320 330 340 350 0 20 40 60"
                                           << "Bundle"
                                           << "Sun" << 60.0 << 300.0;
    QTest::newRow("bowl, gap exactly 180") << "30 40 50 60 0 70 80 90 180 100"
                                           << "Bowl"
                                           << "Mars" << 180.0 << 0.0;
    // The rim planet at 180.5 leaves a gap of 179.5: no longer a bowl, but an empty trine.
    QTest::newRow("bowl with a planet just past its rim") << "20 40 60 80 0 100 120 140 180.5 160"
                                                          << "Locomotive"
                                                          << "Mars" << 180.5 << 0.0;
    // Nine planets over exactly 180 degrees, Saturn 90 from each end. The two gaps of 90
    // tie; the one leading to the Sun wins.
    QTest::newRow("bucket, rim exactly 180") << "0 22.5 45 67.5 90 112.5 270 135 157.5 180"
                                             << "Bucket"
                                             << "Saturn" << 270.0 << 0.0;
    // Gaps 89.5 and 90; no handle, two wide gaps but one group of a single planet, and only
    // two gaps of 30 or more.
    QTest::newRow("bucket rim 180.5 is a splash") << "0 22.5 45 67.5 90 112.5 270 135 157.5 180.5"
                                                  << "Splash"
                                                  << "none" << 270.0 << 0.0;
    QTest::newRow("bucket, handle clear by exactly 60")
        << "0 22.5 45 67.5 90 112.5 240 135 157.5 180"
        << "Bucket"
        << "Saturn" << 240.0 << 0.0;
    QTest::newRow("handle clear by 59.5 is a locomotive")
        << "0 22.5 45 67.5 90 112.5 239.5 135 157.5 180"
        << "Locomotive"
        << "Sun" << 239.5 << 0.0;
    QTest::newRow("bucket, handle pair exactly 10 apart") << "0 30 60 90 120 150 165 180 265 275"
                                                          << "Bucket"
                                                          << "Neptune, Pluto" << 275.0 << 0.0;
    QTest::newRow("handle pair listed by longitude") << "0 30 60 90 120 150 165 180 275 265"
                                                     << "Bucket"
                                                     << "Pluto, Neptune" << 275.0 << 0.0;
    // 10.5 apart the pair is no handle; its two gaps of 84.75 make a Seesaw of 2 and 8.
    QTest::newRow("handle pair 10.5 apart is a seesaw")
        << "0 30 60 90 120 150 165 180 264.75 275.25"
        << "Seesaw"
        << "none" << 275.25 << 0.0;
    QTest::newRow("bucket, handle pair across 0 Aries") << "90 120 150 180 210 240 255 270 355 5"
                                                        << "Bucket"
                                                        << "Neptune, Pluto" << 5.0 << 90.0;
    QTest::newRow("locomotive, gap exactly 120") << "30 60 90 120 150 0 180 210 225 240"
                                                 << "Locomotive"
                                                 << "Jupiter" << 240.0 << 0.0;
    // Gap 119.5, and eight gaps of 30 or more.
    QTest::newRow("gap 119.5 is a splash") << "30 60 90 120 150 0 180 210 225 240.5"
                                           << "Splash"
                                           << "none" << 240.5 << 0.0;
    QTest::newRow("seesaw") << "0 20 40 60 80 170 190 210 230 250"
                            << "Seesaw"
                            << "none" << 250.0 << 0.0;
    QTest::newRow("seesaw, second gap exactly 60") << "0 25 50 75 100 160 185 210 235 260"
                                                   << "Seesaw"
                                                   << "none" << 260.0 << 0.0;
    QTest::newRow("second gap 59.5 is a splash") << "0 25 50 75 100 159.5 184.5 209.5 234.5 259.5"
                                                 << "Splash"
                                                 << "none" << 259.5 << 0.0;
    // Three clusters; the gaps of 110 tie, the one leading to Venus wins over Saturn.
    QTest::newRow("splay, three clusters") << "0 5 10 120 125 130 240 245 250 255"
                                           << "Splay"
                                           << "none" << 10.0 << 120.0;
    // Gaps 80, 80, 80, 30 and 80: five of at least 30.
    QTest::newRow("five gaps of 30 or more is a splash") << "0 2 4 84 86 88 168 170 250 280"
                                                         << "Splash"
                                                         << "none" << 280.0 << 0.0;
    QTest::newRow("fifth gap 29.5 makes a splay") << "0 2 4 84 86 88 168 170 250 279.5"
                                                  << "Splay"
                                                  << "none" << 279.5 << 0.0;
    QTest::newRow("even splash") << "0 36 72 108 144 180 216 252 288 324"
                                 << "Splash"
                                 << "none" << 324.0 << 0.0;
    QTest::newRow("all at one longitude")
        << "123.4 123.4 123.4 123.4 123.4 123.4 123.4 123.4 123.4 123.4"
        << "Bundle"
        << "Sun" << 123.4 << 123.4;
    QTest::newRow("tie at the leading edge goes to the earlier planet")
        << "20 30 40 10 10 50 60 70 80 90"
        << "Bundle"
        << "Venus" << 90.0 << 10.0;
    QTest::newRow("two facing halves") << "0 0 0 0 0 180 180 180 180 180"
                                       << "Bowl"
                                       << "Sun" << 180.0 << 0.0;
    QTest::newRow("longitudes outside 0..360") << "390 400 410 420 360 430 440 450 460 -240"
                                               << "Bundle"
                                               << "Mars" << 120.0 << 0.0;
}

void TestDegreePattern::classify() {
    QFETCH(QString, longitudes);
    QFETCH(QString, pattern);
    QFETCH(QString, leading);
    QFETCH(double, from);
    QFETCH(double, to);
    const DegreeShape shape = ClassifyByDegrees(Longitudes(longitudes));
    QCOMPARE(Name(shape.Pattern), pattern);
    QCOMPARE(QString::fromStdString(LeadingPlanetNames(shape)), leading);
    QVERIFY2(Apart(shape.EmptyArcFrom, from) < kArcTolerance,
             qPrintable(QString::number(shape.EmptyArcFrom)));
    QVERIFY2(Apart(shape.EmptyArcTo, to) < kArcTolerance,
             qPrintable(QString::number(shape.EmptyArcTo)));
}

// Turning every planet by the same angle moves 0 Aries among them but changes nothing of
// the shape.
void TestDegreePattern::turned() {
    QFETCH(QString, longitudes);
    QFETCH(QString, pattern);
    QFETCH(QString, leading);
    QFETCH(double, from);
    QFETCH(double, to);
    for (const double angle : {0.1, 17.3, 95.05, 123.456, 200.0, 271.9, 333.333, 359.99}) {
        PlanetLongitudes turnedChart = Longitudes(longitudes);
        for (double &longitude : turnedChart)
            longitude = std::fmod(longitude + angle + 720.0, 360.0);
        const DegreeShape shape = ClassifyByDegrees(turnedChart);
        const QByteArray where = QByteArray::number(angle);
        QVERIFY2(Name(shape.Pattern) == pattern, where);
        QVERIFY2(QString::fromStdString(LeadingPlanetNames(shape)) == leading, where);
        QVERIFY2(Apart(shape.EmptyArcFrom, from + angle) < kArcTolerance, where);
        QVERIFY2(Apart(shape.EmptyArcTo, to + angle) < kArcTolerance, where);
    }
}

QTEST_APPLESS_MAIN(TestDegreePattern)
#include "test_degree_pattern.moc"
