// The precise positions and the standard formulas, both against the Swiss Ephemeris with its
// JPL-derived data files (Debian's libswe-dev and swe-standard-data): the reference the
// precise table was fitted to, called here at instants the fit never saw.
#include "engine/chart.h"
#include "engine/chebyshev.h"
#include "engine/precise.h"
#include "engine/time_scale.h"
#include "engine/zodiac.h"
#include "retrograde/retrograde.h"

#include <swephexp.h>

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <vector>

using namespace starloom;

namespace {

constexpr double kJ2000 = 2451545.0;            // Julian day of J2000.0
constexpr double kArcsecPerDegree = 3600.0;     // arcseconds per degree
constexpr double kOneArcsec = 1.0;              // arcseconds: the precise method's promise
constexpr double kHundredthArcsec = 0.01;       // arcseconds: sidereal time and obliquity
constexpr int kInstants = 20000;                // random instants per body
constexpr int kBirths = 2000;                   // random births for the standard formulas
constexpr double kMostLatitude = 66.0;          // degrees: the ascendant's promise holds within
constexpr double kStationWindow = 5.0 / 1440.0; // days: a rate's sign may differ this near
                                                // a station

// 1901-01-01 00:00 and 2050-12-31 23:59 UT, days from J2000.0.
const double kFirstMinute = DaysSinceJ2000(1901, 1, 1, 0, 0);
const double kLastMinute = DaysSinceJ2000(2050, 12, 31, 23, 59);

// Random instants on whole minutes of universal time over the form's years, the two ends
// first, and random places; the same every run.
struct Instant {
    double day;           // days from J2000.0, UT
    double latitude;      // degrees, north positive
    double eastLongitude; // degrees, east positive
};

const std::vector<Instant> &Instants() {
    static const std::vector<Instant> instants = [] {
        std::mt19937_64 random(20261207);
        const auto minutes =
            static_cast<long long>(std::llround((kLastMinute - kFirstMinute) * 1440));
        std::uniform_int_distribution<long long> minute(0, minutes);
        std::uniform_real_distribution<double> latitude(-kMostLatitude, kMostLatitude);
        std::uniform_real_distribution<double> longitude(-180.0, 180.0);
        std::vector<Instant> list;
        list.push_back({kFirstMinute, 51.5, -0.1});
        list.push_back({kLastMinute, -33.9, 151.2});
        while (list.size() < static_cast<std::size_t>(kInstants))
            list.push_back(
                {kFirstMinute + minute(random) / 1440.0, latitude(random), longitude(random)});
        return list;
    }();
    return instants;
}

// What a row compares: a chart body, or one of these.
enum Quantity : int {
    kTrueNode = 100,
    kAscendant,
    kMidheaven,
    kSiderealTime,
    kObliquity,
};

struct LibraryValue {
    double value = 0.0; // degrees
    double rate = 0.0;  // degrees per day, for the bodies
    bool fromFiles = false;
    double midheaven = 0.0; // degrees, with the ascendant
};

// The library's value, with the data files (never its analytic fall-back).
LibraryValue FromLibrary(int quantity, const Instant &at) {
    const double jd = at.day + kJ2000;
    char error[AS_MAXCH] = "";
    double x[6] = {};
    LibraryValue result;
    if (quantity <= kPlutoBody || quantity == kTrueNode) {
        // Chart bodies Sun..Pluto are the library's bodies 0..9 in the same order.
        const int body = quantity == kTrueNode ? SE_TRUE_NODE : quantity;
        const int flags = swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, x, error);
        result = {x[0], x[3], flags >= 0 && (flags & SEFLG_SWIEPH) != 0};
    } else if (quantity == kAscendant || quantity == kMidheaven) {
        double cusps[13];
        double angles[10];
        result.fromFiles = swe_houses(jd, at.latitude, at.eastLongitude, 'P', cusps, angles) == OK;
        result.value = angles[quantity == kAscendant ? 0 : 1];
        result.midheaven = angles[1];
    } else if (quantity == kSiderealTime) {
        result = {swe_sidtime(jd) * 15.0, 0.0, true};
    } else {
        const int flags = swe_calc_ut(jd, SE_ECL_NUT, SEFLG_SWIEPH, x, error);
        result = {x[0], 0.0, flags >= 0};
    }
    return result;
}

// The bodies and the ascendant as a chart gets them (`chart`, made at the instant); the
// single-body functions are held to the chart's values in preciseChart().
double FromTable(int quantity, const Instant &at, const PreciseChartValues &chart, double &rate) {
    rate = 0.0;
    if (quantity <= kPlutoBody || quantity == kAscendant) {
        const int body = quantity == kAscendant ? int(kAscBody) : quantity;
        rate = chart.dailyMotion[body];
        return chart.longitude[body];
    }
    switch (quantity) {
    case kTrueNode:
        return TrueNodeLongitude(at.day);
    case kMidheaven: // as a precise chart takes it
        return MidheavenFromSiderealTime(ApparentSiderealDegrees(at.day) + at.eastLongitude,
                                         TrueObliquity(at.day));
    case kSiderealTime:
        return ApparentSiderealDegrees(at.day);
    default:
        return TrueObliquity(at.day);
    }
}

double ArcsecApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0)) * kArcsecPerDegree;
}

// True when the library's rate changes sign within kStationWindow of the instant.
bool NearStation(int body, const Instant &at) {
    const Instant before{at.day - kStationWindow, at.latitude, at.eastLongitude};
    const Instant after{at.day + kStationWindow, at.latitude, at.eastLongitude};
    return (FromLibrary(body, before).rate < 0) != (FromLibrary(body, after).rate < 0);
}

// A birth given in universal time (zone 0, no daylight saving) at a place.
BirthData UniversalBirth(const Instant &at) {
    const double jd = at.day + kJ2000 + 0.5 / 1440.0; // half a minute, against rounding down
    int year, month, day;
    double hours;
    swe_revjul(jd, SE_GREG_CAL, &year, &month, &day, &hours);
    const int minuteOfDay = static_cast<int>(hours * 60.0);
    BirthData birth;
    birth.BirthYear = static_cast<std::int16_t>(year);
    birth.BirthMonth = static_cast<std::int16_t>(month);
    birth.BirthDay = static_cast<std::int16_t>(day);
    birth.BirthHour = static_cast<std::int16_t>(minuteOfDay / 60);
    birth.BirthMinute = static_cast<std::int16_t>(minuteOfDay % 60);
    birth.ZoneHoursText = "0";
    birth.ZoneMinutesText = "0";
    const double lat = std::fabs(at.latitude);
    const double lon = std::fabs(at.eastLongitude);
    birth.LatDegrees = static_cast<std::int16_t>(lat);
    birth.LatMinutes = static_cast<std::int16_t>((lat - birth.LatDegrees) * 60.0);
    birth.LatDirFlag = at.latitude >= 0;
    birth.LonDegrees = static_cast<std::int16_t>(lon);
    birth.LonMinutes = static_cast<std::int16_t>((lon - birth.LonDegrees) * 60.0);
    birth.LonDirFlag = at.eastLongitude >= 0;
    return birth;
}

// The place as the birth record holds it (whole minutes of arc).
Instant AsRecorded(const BirthData &birth) {
    const double lat = birth.LatDegrees + birth.LatMinutes / 60.0;
    const double lon = birth.LonDegrees + birth.LonMinutes / 60.0;
    return {DaysSinceJ2000(birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                           birth.BirthMinute),
            birth.LatDirFlag ? lat : -lat, birth.LonDirFlag ? lon : -lon};
}

// How one quantity agreed with the library over all instants (or births).
struct Agreement {
    double worst = 0.0; // arcseconds, or arcminutes for the standard formulas
    double worstDay = 0.0;
    bool fromFiles = true; // the library used its data files every time
    bool inRange = true;   // every value of ours in 0 <= v < 360
    QString wrongSign;     // the first rate of ours of the wrong sign away from a station
};

void Note(Agreement &agreement, double apart, double day) {
    if (!(apart <= agreement.worst)) { // a NaN is the worst of all
        agreement.worst = apart;
        agreement.worstDay = day;
    }
}

// The instants' indices in time order. The library keeps what it made for one instant (the
// nutation, the Earth, the file pieces it read) for its next call at the same or a nearby
// instant, so the comparisons ask it for every quantity at one instant before going on to
// the next, in time order: the same comparisons at a fraction of the cost.
std::vector<std::size_t> InTimeOrder(std::size_t count) {
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return Instants()[a].day < Instants()[b].day;
    });
    return order;
}

constexpr std::array<int, 15> kPreciseQuantities = {
    kSunBody,     kMoonBody,   kMercuryBody, kVenusBody,    kMarsBody,
    kJupiterBody, kSaturnBody, kUranusBody,  kNeptuneBody,  kPlutoBody,
    kTrueNode,    kAscendant,  kMidheaven,   kSiderealTime, kObliquity};

// The precise method against the library: every quantity at every instant, made once.
const std::map<int, Agreement> &PreciseAgreements() {
    static const std::map<int, Agreement> agreements = [] {
        std::map<int, Agreement> result;
        for (const std::size_t index : InTimeOrder(Instants().size())) {
            const Instant &at = Instants()[index];
            PreciseChartValues chart;
            const bool inTable = PreciseChartAt(at.day, at.eastLongitude, at.latitude, chart);
            LibraryValue ascendant; // the house routine gives the midheaven with it
            for (const int quantity : kPreciseQuantities) {
                Agreement &agreement = result[quantity];
                LibraryValue library;
                if (quantity == kMidheaven) {
                    library = ascendant;
                    library.value = ascendant.midheaven;
                } else {
                    library = FromLibrary(quantity, at);
                }
                if (quantity == kAscendant)
                    ascendant = library;
                agreement.fromFiles = agreement.fromFiles && library.fromFiles;
                double rate = 0.0;
                const double value = inTable ? FromTable(quantity, at, chart, rate) : std::nan("");
                Note(agreement, ArcsecApart(value, library.value), at.day);
                agreement.inRange = agreement.inRange && value >= 0.0 && value < 360.0;
                if (quantity <= kPlutoBody && (rate < 0) != (library.rate < 0) &&
                    agreement.wrongSign.isEmpty() && !NearStation(quantity, at))
                    agreement.wrongSign = QStringLiteral("rate %1 against %2 at JD %3")
                                              .arg(rate)
                                              .arg(library.rate)
                                              .arg(at.day + kJ2000, 0, 'f', 6);
            }
        }
        return result;
    }();
    return agreements;
}

// The standard formulas against the library at the first kBirths instants as births, in
// arcminutes, each chart made once.
const std::map<int, Agreement> &StandardAgreements() {
    static const std::map<int, Agreement> agreements = [] {
        std::map<int, Agreement> result;
        for (const std::size_t index : InTimeOrder(kBirths)) {
            const BirthData birth = UniversalBirth(Instants()[index]);
            const Instant at = AsRecorded(birth);
            ChartPositions chart;
            CalculateChart(birth, chart);
            for (int body = kSunBody; body <= kAscBody; ++body) {
                const LibraryValue library =
                    FromLibrary(body == kAscBody ? int(kAscendant) : body, at);
                result[body].fromFiles = result[body].fromFiles && library.fromFiles;
                Note(result[body], ArcsecApart(chart.Longitude[body], library.value) / 60.0,
                     at.day);
            }
        }
        return result;
    }();
    return agreements;
}

} // namespace

class TestPrecise : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void againstLibrary_data();
    void againstLibrary();
    void standardAgainstLibrary_data();
    void standardAgainstLibrary();
    void preciseChart();
    void sumsSideBySide_data();
    void sumsSideBySide();
    void retrogradeFromMotion();
    void outsideTheTable();
    void methodNames();
    void cleanupTestCase();
};

void TestPrecise::initTestCase() {
    swe_set_ephe_path(SWE_DATA_DIR);
}

void TestPrecise::cleanupTestCase() {
    swe_close();
}

void TestPrecise::againstLibrary_data() {
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("tolerance"); // arcseconds
    QTest::newRow("Sun") << int(kSunBody) << kOneArcsec;
    QTest::newRow("Moon") << int(kMoonBody) << kOneArcsec;
    QTest::newRow("Mercury") << int(kMercuryBody) << kOneArcsec;
    QTest::newRow("Venus") << int(kVenusBody) << kOneArcsec;
    QTest::newRow("Mars") << int(kMarsBody) << kOneArcsec;
    QTest::newRow("Jupiter") << int(kJupiterBody) << kOneArcsec;
    QTest::newRow("Saturn") << int(kSaturnBody) << kOneArcsec;
    QTest::newRow("Uranus") << int(kUranusBody) << kOneArcsec;
    QTest::newRow("Neptune") << int(kNeptuneBody) << kOneArcsec;
    QTest::newRow("Pluto") << int(kPlutoBody) << kOneArcsec;
    QTest::newRow("true node") << int(kTrueNode) << kOneArcsec;
    QTest::newRow("ascendant, |latitude| <= 66") << int(kAscendant) << kOneArcsec;
    QTest::newRow("midheaven") << int(kMidheaven) << kOneArcsec;
    QTest::newRow("apparent sidereal time") << int(kSiderealTime) << kHundredthArcsec;
    QTest::newRow("true obliquity") << int(kObliquity) << kHundredthArcsec;
}

void TestPrecise::againstLibrary() {
    QFETCH(int, quantity);
    QFETCH(double, tolerance);
    const Agreement &agreement = PreciseAgreements().at(quantity);
    QVERIFY2(agreement.fromFiles, "the library did not use its data files");
    QVERIFY2(agreement.worst <= tolerance,
             qPrintable(QStringLiteral("%1\" apart at JD %2")
                            .arg(agreement.worst)
                            .arg(agreement.worstDay + kJ2000, 0, 'f', 6)));
    QVERIFY(agreement.inRange);
    QVERIFY2(agreement.wrongSign.isEmpty(), qPrintable(agreement.wrongSign));
    qInfo("worst %.5f\" over %d instants", agreement.worst, kInstants);
}

void TestPrecise::standardAgainstLibrary_data() {
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("tolerance"); // arcminutes
    // About one and a half times the largest error of these births (Sun 0.98', Moon 2.43',
    // Mercury 1.43', Venus 1.39', Mars 4.92', Jupiter 10.5', Saturn 11.8', Uranus 2.73',
    // Neptune 1.59', Pluto 1.28', ascendant 2.89'), so that a wrong digit in a body's
    // elements or series shows at once.
    QTest::newRow("Sun") << int(kSunBody) << 1.5;
    QTest::newRow("Moon") << int(kMoonBody) << 4.0;
    QTest::newRow("Mercury") << int(kMercuryBody) << 2.5;
    QTest::newRow("Venus") << int(kVenusBody) << 2.5;
    QTest::newRow("Mars") << int(kMarsBody) << 7.5;
    QTest::newRow("Jupiter") << int(kJupiterBody) << 15.0;
    QTest::newRow("Saturn") << int(kSaturnBody) << 15.0;
    QTest::newRow("Uranus") << int(kUranusBody) << 4.0;
    QTest::newRow("Neptune") << int(kNeptuneBody) << 2.5;
    QTest::newRow("Pluto") << int(kPlutoBody) << 2.0;
    QTest::newRow("ascendant, |latitude| <= 66") << int(kAscBody) << 4.5;
}

void TestPrecise::standardAgainstLibrary() {
    QFETCH(int, body);
    QFETCH(double, tolerance);
    const Agreement &agreement = StandardAgreements().at(body);
    QVERIFY2(agreement.fromFiles, "the library did not use its data files");
    QVERIFY2(agreement.worst <= tolerance,
             qPrintable(QStringLiteral("%1' apart at JD %2")
                            .arg(agreement.worst)
                            .arg(agreement.worstDay + kJ2000, 0, 'f', 6)));
    qInfo("worst %.2f' over %d births", agreement.worst, kBirths);
}

void TestPrecise::preciseChart() {
    // 1990-05-01 12:00 UT at 51 deg 30' N, 0 deg 7' W.
    const Instant london{DaysSinceJ2000(1990, 5, 1, 12, 0), 51.5, -7.0 / 60.0};
    BirthData birth = UniversalBirth(london);
    ChartPositions chart;
    chart.MoonSignName = "before";
    QVERIFY(CalculatePreciseChart(birth, chart));
    QCOMPARE(chart.Method, PositionMethod::Precise);
    QCOMPARE(chart.UniversalTime.hour, 12);
    const Instant at = AsRecorded(birth);
    for (int body = kSunBody; body <= kPlutoBody; ++body) {
        const LibraryValue library = FromLibrary(body, at);
        QVERIFY(ArcsecApart(chart.Longitude[body], library.value) <= kOneArcsec);
        QVERIFY(std::fabs(chart.DailyMotion[body] - library.rate) < 1e-4);
        QCOMPARE(chart.ChartBodyNames[body], std::string(kPlainBodyNames[body]));
    }
    QVERIFY(ArcsecApart(chart.Longitude[kAscBody], FromLibrary(kAscendant, at).value) <=
            kOneArcsec);
    QVERIFY(ArcsecApart(chart.Midheaven, FromLibrary(kMidheaven, at).value) <= kOneArcsec);
    QVERIFY(ArcsecApart(chart.NorthNode, FromLibrary(kTrueNode, at).value) <= kOneArcsec);
    QCOMPARE(chart.Nodes, NodeKind::True);
    // The single-body functions give the chart's own values.
    constexpr double kSame = 1e-9; // degrees
    for (int body = kSunBody; body <= kPlutoBody; ++body) {
        const LongitudeAndRate lr = PreciseLongitudeAndRate(body, at.day);
        QVERIFY(std::fabs(lr.longitude - chart.Longitude[body]) < kSame);
        QVERIFY(std::fabs(lr.rate - chart.DailyMotion[body]) < kSame);
        QVERIFY(std::fabs(PreciseLongitude(body, at.day) - chart.Longitude[body]) < kSame);
    }
    QVERIFY(std::fabs(PreciseAscendant(at.day, at.eastLongitude, at.latitude) -
                      chart.Longitude[kAscBody]) < kSame);
    // The texts are made from the longitudes as the standard method makes them.
    QCOMPARE(chart.AscendantText, FormatZodiacDMS(chart.Longitude[kAscBody]));
    QCOMPARE(chart.PositionText[kMoonBody], FormatChartPosition(chart.MoonLongitudeText));
    QVERIFY(chart.MoonSignName != "before");

    // The standard method run afterwards on the same chart says it is the standard one, and
    // its one-day difference agrees with the exact rate for the slowly changing Sun.
    const double sunRate = chart.DailyMotion[kSunBody];
    CalculateChart(birth, chart);
    QCOMPARE(chart.Method, PositionMethod::Standard);
    QVERIFY(std::fabs(chart.DailyMotion[kSunBody] - sunRate) < 0.01);
}

void TestPrecise::sumsSideBySide_data() {
    QTest::addColumn<int>("firstCount");
    QTest::addColumn<int>("secondCount");
    QTest::newRow("equal lengths") << 8 << 8;
    QTest::newRow("first longer") << 9 << 4;
    QTest::newRow("second longer") << 3 << 12;
    QTest::newRow("one coefficient") << 1 << 6;
}

void TestPrecise::sumsSideBySide() {
    // Two series summed side by side, each against the closed forms at x = cos t:
    // T_k(x) = cos kt and T_k'(x) = k sin kt / sin t.
    QFETCH(int, firstCount);
    QFETCH(int, secondCount);
    const auto coefficients = [](int n, double scale) {
        std::vector<double> c;
        for (int k = 0; k < n; ++k)
            c.push_back(scale * (k % 2 == 0 ? 1.0 : -1.0) / (k + 1.0));
        return c;
    };
    const auto closedForm = [](const std::vector<double> &c, double t, double &derivative) {
        double value = 0.0;
        derivative = 0.0;
        for (std::size_t k = 0; k < c.size(); ++k) {
            value += c[k] * std::cos(k * t);
            derivative += c[k] * k * std::sin(k * t) / std::sin(t);
        }
        return value;
    };
    const std::vector<double> a = coefficients(firstCount, 3.0);
    const std::vector<double> b = coefficients(secondCount, -0.5);
    constexpr double kTa = 1.1; // radians: x = cos t
    constexpr double kTb = 2.3;
    constexpr double kClose = 1e-12;
    double va = 0.0, da = 0.0, vb = 0.0, db = 0.0;
    ClenshawTwoSumsAndDerivatives(a.data(), firstCount, std::cos(kTa), b.data(), secondCount,
                                  std::cos(kTb), va, da, vb, db);
    double expectedDa = 0.0;
    double expectedDb = 0.0;
    QVERIFY(std::fabs(va - closedForm(a, kTa, expectedDa)) < kClose);
    QVERIFY(std::fabs(vb - closedForm(b, kTb, expectedDb)) < kClose);
    QVERIFY(std::fabs(da - expectedDa) < kClose);
    QVERIFY(std::fabs(db - expectedDb) < kClose);
}

void TestPrecise::retrogradeFromMotion() {
    // On 1990-05-01 Mercury, Uranus, Neptune and Pluto were retrograde, the other four
    // planets direct (the station table's worked example for that date).
    BirthData birth = UniversalBirth({DaysSinceJ2000(1990, 5, 1, 12, 0), 51.5, 0.0});
    ChartPositions chart;
    QVERIFY(CalculatePreciseChart(birth, chart));
    RetrogradeState state;
    BodyNameTable names;
    names[kSunBody] = "stale";
    MarkRetrogradeFromMotion(chart.DailyMotion, state, names);
    const std::array<bool, kRetroPlanetCount> expected = {true,  false, false, false,
                                                          false, true,  true,  true};
    QCOMPARE(state.RetroFlags, expected);
    QCOMPARE(names[kSunBody], std::string("Sun"));
    QCOMPARE(names[kMercuryBody], std::string("Mercury (R) "));
    QCOMPARE(names[kVenusBody], std::string("Venus"));
}

void TestPrecise::outsideTheTable() {
    QVERIFY(PreciseFirstDay() < kFirstMinute - 1.0);
    QVERIFY(PreciseLastDay() > kLastMinute + 1.0);
    QVERIFY(std::isnan(PreciseLongitude(kSunBody, PreciseFirstDay() - 1.0)));
    QVERIFY(std::isnan(PreciseLongitude(kMoonBody, PreciseLastDay() + 1.0)));
    QVERIFY(std::isnan(PreciseLongitude(kAscBody, 0.0)));
    QVERIFY(std::isnan(ApparentSiderealDegrees(std::nan(""))));
    // A record outside the form's years leaves the chart as it was.
    BirthData birth = UniversalBirth({0.0, 10.0, 10.0});
    birth.BirthYear = 1800;
    ChartPositions chart;
    chart.AscendantText = "unchanged";
    QVERIFY(!CalculatePreciseChart(birth, chart));
    QCOMPARE(chart.AscendantText, std::string("unchanged"));
}

void TestPrecise::methodNames() {
    QCOMPARE(PositionMethodName(PositionMethod::Standard), std::string_view("standard"));
    QCOMPARE(PositionMethodName(PositionMethod::Precise), std::string_view("precise"));
    QCOMPARE(PositionMethodFromName("precise"), std::optional(PositionMethod::Precise));
    QCOMPARE(PositionMethodFromName("standard"), std::optional(PositionMethod::Standard));
    QVERIFY(!PositionMethodFromName("Precise").has_value());
    QVERIFY(!PositionMethodFromName("").has_value());
}

QTEST_APPLESS_MAIN(TestPrecise)
#include "test_precise.moc"
