// Zodiac texts, the ascendant and the three entry operations.
#include "engine/angles.h"
#include "engine/chart.h"
#include "engine/precise.h"
#include "engine/zodiac.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace starloom;

namespace {
constexpr double kHundredthDegree = 0.01;

BirthData Greenwich(int year, int month, int day, int hour, int minute) {
    BirthData b;
    b.BirthYear = year;
    b.BirthMonth = month;
    b.BirthDay = day;
    b.BirthHour = hour;
    b.BirthMinute = minute;
    b.ZoneHoursText = "0";
    b.ZoneMinutesText = "0";
    b.LatDegrees = 51;
    b.LatMinutes = 29;
    b.LatDirFlag = true;
    return b;
}
} // namespace

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void zodiacTexts_data();
    void zodiacTexts();
    void ascendantReference_data();
    void ascendantReference();
    void ascendantRisesInTheEast();
    void positionTables();
    void moonSignKeptWhenTextNamesNoSign();
    void dstMovesEveryBodyTogether();
};

void TestChart::zodiacTexts_data() {
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("dms");
    QTest::addColumn<QString>("chart");
    QTest::newRow("45.5") << 45.5 << QString::fromUtf8("15° 30' 0\" Tau") << "15 Tau 30";
    QTest::newRow("0.25") << 0.25 << QString::fromUtf8("0° 15' 0\" Ari") << "00 Ari 15";
    QTest::newRow("300.125") << 300.125 << QString::fromUtf8("0° 7' 30\" Aqu") << "00 Aqu 07";
    QTest::newRow("seconds truncated")
        << 359.99999 << QString::fromUtf8("29° 59' 59\" Pis") << "29 Pis 59";
    QTest::newRow("exactly 360: no sign")
        << 360.0 << QString::fromUtf8("0° 0' 0\" ") << QString::fromUtf8("00 0\" 00");
    QTest::newRow("infinity: no text")
        << std::numeric_limits<double>::infinity() << QString() << QString("0  0");
    QTest::newRow("NaN: no text") << std::numeric_limits<double>::quiet_NaN() << QString()
                                  << QString("0  0");
    QTest::newRow("too large for whole degrees") << 1e300 << QString() << QString("0  0");
}

void TestChart::zodiacTexts() {
    QFETCH(double, longitude);
    QFETCH(QString, dms);
    QFETCH(QString, chart);
    const std::string text = FormatZodiacDMS(longitude);
    QCOMPARE(QString::fromStdString(text), dms);
    QCOMPARE(QString::fromStdString(FormatChartPosition(text)), chart);
}

void TestChart::ascendantReference_data() {
    QTest::addColumn<double>("sidereal");
    QTest::addColumn<double>("obliquity");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("expected");
    // At sidereal angle 0 the equator's rising point is the first point of Cancer.
    QTest::newRow("equator, angle 0") << 0.0 << 23.44 << 0.0 << 90.0;
    // 51.5 N with the obliquity fixed: the ecliptic rises steeply or shallowly.
    QTest::newRow("51.5 N, angle 0") << 0.0 << 23.44 << 51.5 << 116.57;
    QTest::newRow("51.5 N, angle 180") << 180.0 << 23.44 << 51.5 << 243.43;
}

void TestChart::ascendantReference() {
    QFETCH(double, sidereal);
    QFETCH(double, obliquity);
    QFETCH(double, latitude);
    QFETCH(double, expected);
    const double asc = AscendantFromSiderealTime(sidereal, obliquity, latitude);
    QVERIFY2(qAbs(asc - expected) < kHundredthDegree, qPrintable(QString::number(asc, 'f', 6)));
    if (expected == 90.0)
        QCOMPARE(QString::fromStdString(FormatZodiacDMS(asc)), QString::fromUtf8("0° 0' 0\" Can"));
}

// Whatever the sidereal angle and latitude, the ascendant is the ecliptic point on the
// eastern horizon: altitude zero, hour angle negative (rising). Inside the polar circles the
// plain arctangent gives the setting point for part of the day; both methods must not.
void TestChart::ascendantRisesInTheEast() {
    const auto check = [](double asc, double lst, double obliquity, double latitude,
                          const char *method) {
        const QString where = QString("%1: lat %2 lst %3").arg(method).arg(latitude).arg(lst);
        QVERIFY2(asc >= 0.0 && asc < 360.0, qPrintable(where));
        const double eps = obliquity * kDegToRad;
        const double lam = asc * kDegToRad;
        const double ra = std::atan2(std::sin(lam) * std::cos(eps), std::cos(lam));
        const double dec = std::asin(std::sin(eps) * std::sin(lam));
        const double ha = lst * kDegToRad - ra;
        const double phi = latitude * kDegToRad;
        const double altitude =
            std::asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(ha));
        QVERIFY2(qAbs(altitude) < 1e-9, qPrintable(where));
        QVERIFY2(std::sin(ha) < 0.0, qPrintable(where));
    };
    constexpr double kDay = 3456.5; // days from J2000.0, for the precise method's sky
    const double siderealAtGreenwich = ApparentSiderealDegrees(kDay);
    const double trueObliquity = TrueObliquity(kDay);
    for (double latitude : {-89.9, -80.0, -70.0, -66.6, -66.0, -45.0, -10.0, 0.0, 12.5, 51.5, 66.0,
                            66.6, 67.0, 70.0, 80.0, 89.0, 89.9}) {
        for (double lst = -170.0; lst < 360.0; lst += 2.5) {
            check(AscendantFromSiderealTime(lst, 23.44, latitude), lst, 23.44, latitude,
                  "standard");
            if (QTest::currentTestFailed())
                return;
            const double east = lst - siderealAtGreenwich;
            check(PreciseAscendant(kDay, east, latitude), siderealAtGreenwich + east, trueObliquity,
                  latitude, "precise");
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestChart::positionTables() {
    ChartPositions chart;
    CalculateChart(Greenwich(1990, 5, 1, 12, 0), chart);
    const char *names[] = {"Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
                           "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};
    for (int i = 0; i < kBodyCount; ++i) {
        QCOMPARE(chart.ChartBodyNames[i], std::string(names[i]));
        const std::string &text = chart.PositionText[i];
        QCOMPARE(text.size(), std::size_t(9));
        // The text and the number name the same sign, degree and minute.
        const double lon = chart.Longitude[i];
        const int sign = int(lon / 30.0);
        QCOMPARE(text.substr(3, 3), std::string(SignAbbreviations.substr(3 * sign, 3)));
        QCOMPARE(std::stoi(text.substr(0, 2)), int(lon - 30 * sign));
        QCOMPARE(std::stoi(text.substr(7, 2)), int(std::floor((lon - std::floor(lon)) * 60.0)));
    }
    QVERIFY(chart.ChartBodyNames[11].empty());
    QVERIFY(chart.PositionText[11].empty());
    QCOMPARE(chart.PositionText[kAscBody], FormatChartPosition(chart.AscendantText));
    QCOMPARE(chart.PositionText[kMoonBody], FormatChartPosition(chart.MoonLongitudeText));
    QCOMPARE(chart.MoonSignName, std::string(SignNameOfText(chart.MoonLongitudeText)));
    QVERIFY(!chart.MoonSignName.empty());
    // The Sun at noon on 1 May 1990 stands near 10 degrees 51 of Taurus (tropical, of
    // date), as any almanac for the year shows.
    QVERIFY2(qAbs(chart.Longitude[kSunBody] - 40.85) < 0.02,
             qPrintable(QString::number(chart.Longitude[kSunBody])));
}

void TestChart::moonSignKeptWhenTextNamesNoSign() {
    const auto name = [](const ChartPositions &c) {
        return QString::fromStdString(c.MoonSignName);
    };
    ChartPositions chart;
    chart.MoonSignName = "Pisces";
    // Eight days before the full Moon of 9 May 1990 in Scorpio: the Moon in Leo.
    CalculateMoonPosition(Greenwich(1990, 5, 1, 12, 0), chart);
    QCOMPARE(name(chart), QString("Leo"));
    // A Moon at exactly 360 degrees has a text without a sign: the last name stays.
    chart.MoonLongitudeText = FormatZodiacDMS(360.0);
    TakeMoonSignFromText(chart);
    QCOMPARE(name(chart), QString("Leo"));
    chart.MoonLongitudeText = FormatZodiacDMS(45.5);
    TakeMoonSignFromText(chart);
    QCOMPARE(name(chart), QString("Taurus"));
}

// A birth entered as 13:00 on daylight-saving time is the same instant as 12:00 on the
// standard time of the same zone: every body, the ascendant included, must agree.
void TestChart::dstMovesEveryBodyTogether() {
    BirthData summer = Greenwich(1985, 7, 20, 13, 0);
    summer.ZoneHoursText = "5";
    summer.LonDegrees = 74;
    summer.DstFlag = true;
    BirthData standard = summer;
    standard.BirthHour = 12;
    standard.DstFlag = false;
    ChartPositions a;
    ChartPositions b;
    CalculateChart(summer, a);
    CalculateChart(standard, b);
    for (int i = 0; i < kBodyCount; ++i)
        QCOMPARE(a.PositionText[i], b.PositionText[i]);
    QCOMPARE(a.AscendantText, b.AscendantText);
}

QTEST_APPLESS_MAIN(TestChart)
#include "test_chart.moc"
