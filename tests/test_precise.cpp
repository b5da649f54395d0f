// The precise positions and the standard formulas, both against the Swiss Ephemeris with its
// JPL-derived data files (Debian's libswe-dev and swe-standard-data): the reference the
// precise table was fitted to, called here at instants the fit never saw. Then the table's
// own ends, the edges of its range, and its check against damage.
#include "engine/angles.h"
#include "engine/chart.h"
#include "engine/chebyshev.h"
#include "engine/hash64.h"
#include "engine/precise.h"
#include "engine/precise_coefficients.h"
#include "engine/precise_table_digest.h"
#include "engine/time_scale.h"
#include "engine/zodiac.h"
#include "retrograde/retrograde.h"

#include <swephexp.h>

#include <QFile>
#include <QTest>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <vector>

using namespace starloom;

namespace {

constexpr double kJ2000 = 2451545.0;            // Julian day of J2000.0
constexpr double kArcsecPerDegree = 3600.0;     // arcseconds per degree
constexpr double kOneArcsec = 1.0;              // arcseconds
constexpr double kHundredthArcsec = 0.01;       // arcseconds: the precise method's promise
constexpr int kInstants = 10000;                // random instants of the table's range
constexpr int kRecentInstants = 20000;          // and of 1901-2050
constexpr int kBirths = 2000;                   // random births for the standard formulas
constexpr double kMostLatitude = 66.0;          // degrees: the ascendant's promise holds within
constexpr double kStationWindow = 5.0 / 1440.0; // days: a rate's sign may differ this near
                                                // a station
constexpr double kMinute = 1.0 / 1440.0;        // days

// The first and last minutes of the table's range, 1800-01-01 00:00 and 2199-12-31 23:59
// UT, and of the standard formulas' years, 1901-01-01 00:00 and 2050-12-31 23:59 UT, days
// from J2000.0.
const double kFirstMinute = JulianDaysSinceJ2000({1800, 1, 1, 0, 0});
const double kLastMinute = JulianDaysSinceJ2000({2199, 12, 31, 23, 59});
const double kFirstStandardMinute = DaysSinceJ2000(1901, 1, 1, 0, 0);
const double kLastStandardMinute = DaysSinceJ2000(2050, 12, 31, 23, 59);

struct Instant {
    double day;           // days from J2000.0, UT
    double latitude;      // degrees, north positive
    double eastLongitude; // degrees, east positive
};

// `count` instants from `first` to `last`: the two ends, then random whole minutes of
// universal time, with random places; the same every run.
std::vector<Instant> RandomInstants(double first, double last, int count) {
    std::mt19937_64 random(20261207);
    const auto minutes = static_cast<long long>(std::llround((last - first) * 1440));
    std::uniform_int_distribution<long long> minute(0, minutes);
    std::uniform_real_distribution<double> latitude(-kMostLatitude, kMostLatitude);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    std::vector<Instant> list;
    list.push_back({first, 51.5, -0.1});
    list.push_back({last, -33.9, 151.2});
    while (list.size() < static_cast<std::size_t>(count))
        list.push_back({first + minute(random) / 1440.0, latitude(random), longitude(random)});
    return list;
}

// The precise method's instants: its whole range, the last instant before its end, and as
// many again as before over the years of most births, 1901-2050.
const std::vector<Instant> &Instants() {
    static const std::vector<Instant> instants = [] {
        std::vector<Instant> list = RandomInstants(kFirstMinute, kLastMinute, kInstants - 1);
        list.push_back({std::nextafter(PreciseLastDay(), 0.0), 64.0, -21.9}); // near Reykjavik
        const std::vector<Instant> recent =
            RandomInstants(kFirstStandardMinute, kLastStandardMinute, kRecentInstants);
        list.insert(list.end(), recent.begin(), recent.end());
        return list;
    }();
    return instants;
}

// The standard formulas' births, over the years their tolerances were measured on.
const std::vector<Instant> &Births() {
    static const std::vector<Instant> births =
        RandomInstants(kFirstStandardMinute, kLastStandardMinute, kBirths);
    return births;
}

// What a row compares: a chart body, or one of these.
enum Quantity : int {
    kTrueNode = 100,
    kAscendant,
    kMidheaven,
    kSiderealTime,
    kObliquity,
    kNutation,
};

struct LibraryValue {
    double value = 0.0; // degrees
    double rate = 0.0;  // degrees per day, for the bodies
    bool fromFiles = false;
    double midheaven = 0.0; // degrees, with the ascendant
};

// The library's value, with the data files (never its analytic fall-back).
// The library's data files for 1200-1800 and 1800-2400 overlap around 1800 January 1, and
// there its answer depends on which of the two the calls before left open (by 0.045" for
// the Moon at 1800-01-01 0h UT right after another body). There it is asked afresh, with no
// file open, as the table's generator asks it (JD 2378486.5 to 2378577.5, 1799-12-22 to
// 1800-03-23).
void AfreshWhereFilesOverlap(double jd) {
    if (jd >= 2378486.5 && jd <= 2378577.5) {
        swe_close();
        swe_set_ephe_path(SWE_DATA_DIR);
    }
}

LibraryValue FromLibrary(int quantity, const Instant &at) {
    const double jd = at.day + kJ2000;
    AfreshWhereFilesOverlap(jd);
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
        // The true obliquity and the nutation in longitude.
        const int flags = swe_calc_ut(jd, SE_ECL_NUT, SEFLG_SWIEPH, x, error);
        result = {x[quantity == kNutation ? 2 : 0], 0.0, flags >= 0};
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
    case kNutation:
        return NutationInLongitude(at.day);
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
std::vector<std::size_t> InTimeOrder(const std::vector<Instant> &instants) {
    std::vector<std::size_t> order(instants.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&instants](std::size_t a, std::size_t b) {
        return instants[a].day < instants[b].day;
    });
    return order;
}

constexpr std::array<int, 16> kPreciseQuantities = {
    kSunBody,    kMoonBody,     kMercuryBody, kVenusBody, kMarsBody, kJupiterBody,
    kSaturnBody, kUranusBody,   kNeptuneBody, kPlutoBody, kTrueNode, kAscendant,
    kMidheaven,  kSiderealTime, kObliquity,   kNutation};

// The precise method against the library: every quantity at every instant, made once.
const std::map<int, Agreement> &PreciseAgreements() {
    static const std::map<int, Agreement> agreements = [] {
        std::map<int, Agreement> result;
        for (const std::size_t index : InTimeOrder(Instants())) {
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
                agreement.inRange =
                    agreement.inRange && (quantity == kNutation || (value >= 0.0 && value < 360.0));
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
        for (const std::size_t index : InTimeOrder(Births())) {
            const BirthData birth = UniversalBirth(Births()[index]);
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

// The library's value of a table series at an instant (days from J2000.0, UT), degrees, as
// the table holds it: a body or the true node less the nutation in longitude; the nutation;
// the true obliquity; or mean sidereal time less its linear term, 280.46061837 degrees at
// J2000.0 UT and 360.98564736629 a day (IAU 1982, G. H. S. Aoki et al.), which is the
// apparent sidereal time less the equation of the equinoxes.
double SeriesFromLibrary(int series, double day) {
    const double jd = day + kJ2000;
    char error[AS_MAXCH] = "";
    AfreshWhereFilesOverlap(jd);
    double nutation[6] = {};
    swe_calc_ut(jd, SE_ECL_NUT, SEFLG_SWIEPH, nutation, error);
    const double dpsi = nutation[2];
    const double obliquity = nutation[0];
    if (series <= kTrueNodeSeries) {
        double x[6] = {};
        AfreshWhereFilesOverlap(jd);
        // Series Sun..Pluto are the library's bodies 0..9 in the same order.
        swe_calc_ut(jd, series == kTrueNodeSeries ? SE_TRUE_NODE : series, SEFLG_SWIEPH, x, error);
        return x[0] - dpsi;
    }
    if (series == kNutationLongitudeSeries)
        return dpsi;
    if (series == kTrueObliquitySeries)
        return obliquity;
    return swe_sidtime(jd) * 15.0 - dpsi * std::cos(obliquity * kDegToRad) -
           (280.46061837 + 360.98564736629 * day);
}

// A copy of the built-in table to damage, at an address that is a multiple of 8 as the
// reader needs.
class TableCopy {
public:
    TableCopy()
        : words_(EmbeddedPreciseTable().size() / 8 + 1), size_(EmbeddedPreciseTable().size()) {
        std::memcpy(words_.data(), EmbeddedPreciseTable().data(), size_);
    }
    unsigned char *Bytes() { return reinterpret_cast<unsigned char *>(words_.data()); }
    std::span<const unsigned char> Span() { return {Bytes(), size_}; }
    void Resize(std::size_t size) {
        words_.resize(size / 8 + 1);
        size_ = size;
    }
    // Where the directory starts: the first multiple of 64 after the text's closing NUL.
    std::size_t Directory() {
        const auto *nul = static_cast<const unsigned char *>(std::memchr(Bytes(), 0, size_));
        return (static_cast<std::size_t>(nul - Bytes()) / 64 + 1) * 64;
    }

private:
    std::vector<std::uint64_t> words_;
    std::size_t size_;
};

// The changes tableLayout makes to a copy.
enum LayoutChange : int {
    kNoChange,
    kShift, // read from `at` bytes on
    kByte,  // the byte `at` from the directory becomes `value`
    kText,  // the byte `at` from the start becomes `value`
    kU32,   // the u32, f64 or u64 `at` from the directory becomes `value`
    kF64,
    kU64,
    kU64Add,         // `value` added to the u64 `at` from the directory
    kTextEnd,        // the text's last line feed becomes a letter
    kLastFirstPiece, // `value` added to the last firstPiece entry of the record at `at`
    kPieceAtEnd,     // the second piece of the first cut segment of the record at `at`
                     // starts at `value`
};

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
    void dayCount_data();
    void dayCount();
    void rangeEdges_data();
    void rangeEdges();
    void partsAsSingles();
    void tableEnds_data();
    void tableEnds();
    void builtInTable();
    void damagedTable_data();
    void damagedTable();
    void tableLayout_data();
    void tableLayout();
    void hash64_data();
    void hash64();
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
    QTest::newRow("Sun") << int(kSunBody) << kHundredthArcsec;
    QTest::newRow("Moon") << int(kMoonBody) << kHundredthArcsec;
    QTest::newRow("Mercury") << int(kMercuryBody) << kHundredthArcsec;
    QTest::newRow("Venus") << int(kVenusBody) << kHundredthArcsec;
    QTest::newRow("Mars") << int(kMarsBody) << kHundredthArcsec;
    QTest::newRow("Jupiter") << int(kJupiterBody) << kHundredthArcsec;
    QTest::newRow("Saturn") << int(kSaturnBody) << kHundredthArcsec;
    QTest::newRow("Uranus") << int(kUranusBody) << kHundredthArcsec;
    QTest::newRow("Neptune") << int(kNeptuneBody) << kHundredthArcsec;
    QTest::newRow("Pluto") << int(kPlutoBody) << kHundredthArcsec;
    QTest::newRow("true node") << int(kTrueNode) << kHundredthArcsec;
    QTest::newRow("ascendant, |latitude| <= 66") << int(kAscendant) << kHundredthArcsec;
    QTest::newRow("midheaven") << int(kMidheaven) << kHundredthArcsec;
    QTest::newRow("apparent sidereal time") << int(kSiderealTime) << kHundredthArcsec;
    QTest::newRow("true obliquity") << int(kObliquity) << kHundredthArcsec;
    QTest::newRow("nutation in longitude") << int(kNutation) << kHundredthArcsec;
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
    qInfo("worst %.5f\" over %d instants of 1800-2199 and %d of 1901-2050", agreement.worst,
          kInstants, kRecentInstants);
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
    // 1800-01-01 0h and 2200-01-01 0h UT, from the library's calendar routine.
    QCOMPARE(PreciseFirstDay(), swe_julday(1800, 1, 1, 0.0, SE_GREG_CAL) - kJ2000);
    QCOMPARE(PreciseLastDay(), swe_julday(2200, 1, 1, 0.0, SE_GREG_CAL) - kJ2000);
    QVERIFY(std::isnan(PreciseLongitude(kSunBody, PreciseFirstDay() - 1.0)));
    QVERIFY(std::isnan(PreciseLongitude(kMoonBody, PreciseLastDay() + 1.0)));
    QVERIFY(std::isnan(PreciseLongitude(kAscBody, 0.0)));
    QVERIFY(std::isnan(ApparentSiderealDegrees(std::nan(""))));
    // A record outside the table's years leaves the chart as it was.
    BirthData birth = UniversalBirth({0.0, 10.0, 10.0});
    birth.BirthYear = 1799;
    ChartPositions chart;
    chart.AscendantText = "unchanged";
    QVERIFY(!CalculatePreciseChart(birth, chart));
    QCOMPARE(chart.AscendantText, std::string("unchanged"));
}

void TestPrecise::dayCount_data() {
    // Universal dates and times, the precise method's day count of each against the
    // library's Julian date, and whether the standard formulas' count agrees bit for bit.
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("minuteOfDay");
    QTest::addColumn<bool>("standardAgrees");
    QTest::newRow("1800-01-01 00:00") << 1800 << 1 << 1 << 0 << false;
    QTest::newRow("1800-02-28 23:59, 1800 no leap year") << 1800 << 2 << 28 << 1439 << false;
    QTest::newRow("1800-03-01 00:00") << 1800 << 3 << 1 << 0 << false;
    QTest::newRow("1900-02-28 12:00") << 1900 << 2 << 28 << 720 << false;
    QTest::newRow("1900-03-01 00:00") << 1900 << 3 << 1 << 0 << true;
    QTest::newRow("1990-05-01 12:07") << 1990 << 5 << 1 << 727 << true;
    QTest::newRow("2000-02-29 18:45, 2000 a leap year") << 2000 << 2 << 29 << 1125 << true;
    QTest::newRow("2100-02-28 23:59") << 2100 << 2 << 28 << 1439 << true;
    QTest::newRow("2100-03-01 00:00, 2100 no leap year") << 2100 << 3 << 1 << 0 << false;
    QTest::newRow("2199-12-31 23:59") << 2199 << 12 << 31 << 1439 << false;
}

void TestPrecise::dayCount() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, minuteOfDay);
    QFETCH(bool, standardAgrees);
    constexpr double kMillisecond = 1.0 / 86400000.0; // days
    const CivilDateTime ut{year, month, day, minuteOfDay / 60, minuteOfDay % 60};
    const double count = JulianDaysSinceJ2000(ut);
    const double library = swe_julday(year, month, day, minuteOfDay / 60.0, SE_GREG_CAL) - kJ2000;
    QVERIFY(std::fabs(count - library) < kMillisecond);
    QCOMPARE(count == DaysSinceJ2000(year, month, day, ut.hour, ut.minute), standardAgrees);
}

void TestPrecise::rangeEdges_data() {
    QTest::addColumn<double>("day");
    QTest::addColumn<bool>("served");
    QTest::addColumn<bool>("wholeMinute"); // also tried as a birth in universal time
    QTest::newRow("1799-12-31 23:59 refused")
        << JulianDaysSinceJ2000({1799, 12, 31, 23, 59}) << false << true;
    QTest::newRow("1800-01-01 00:00 served") << kFirstMinute << true << true;
    QTest::newRow("2199-12-31 23:59 served") << kLastMinute << true << true;
    QTest::newRow("last instant before 2200 served")
        << std::nextafter(PreciseLastDay(), 0.0) << true << false;
    QTest::newRow("2200-01-01 00:00 refused")
        << JulianDaysSinceJ2000({2200, 1, 1, 0, 0}) << false << true;
    QTest::newRow("not a number refused") << std::nan("") << false << false;
}

void TestPrecise::rangeEdges() {
    // Every function serves the first minute and the last, and refuses a minute beyond;
    // a chart's angles still get their daily motion at the very end. The values at the
    // served edges are among the instants of againstLibrary.
    QFETCH(double, day);
    QFETCH(bool, served);
    QFETCH(bool, wholeMinute);
    constexpr double kLatitude = 64.1;       // degrees: near Reykjavik, where the ascendant
    constexpr double kEastLongitude = -21.9; // moves fast
    PreciseChartValues values;
    values.longitude.fill(-1.0);
    QCOMPARE(PreciseChartAt(day, kEastLongitude, kLatitude, values), served);
    QCOMPARE(values.longitude[kSunBody] >= 0.0, served);
    const std::array<double, 8> singles = {PreciseLongitude(kMoonBody, day),
                                           PreciseLongitudeAndRate(kPlutoBody, day).longitude,
                                           PreciseLongitudeAndRate(kPlutoBody, day).rate,
                                           TrueNodeLongitude(day),
                                           NutationInLongitude(day),
                                           TrueObliquity(day),
                                           ApparentSiderealDegrees(day),
                                           PreciseAscendant(day, kEastLongitude, kLatitude)};
    for (const double value : singles)
        QCOMPARE(std::isfinite(value), served);
    if (!wholeMinute)
        return;
    ChartPositions chart;
    chart.AscendantText = "unchanged";
    QCOMPARE(CalculatePreciseChart(UniversalBirth({day, kLatitude, kEastLongitude}), chart),
             served);
    QCOMPARE(chart.AscendantText == "unchanged", !served);
    if (served) {
        QVERIFY(std::isfinite(chart.DailyMotion[kAscBody]));
        QVERIFY(std::isfinite(chart.DailyMotion[kMidheavenPoint]));
    }
}

void TestPrecise::partsAsSingles() {
    // What a chart takes from PreciseChartAt and PreciseAnglePartsAt is, bit for bit, what
    // the single functions give: at every instant of againstLibrary, at the table's edges
    // and a quarter of an hour on from them (the angles' motion), and beyond.
    const auto same = [](double a, double b) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    };
    std::vector<Instant> instants = Instants();
    for (const double day : {kFirstMinute, kLastMinute, kLastMinute + 0.25 / 24.0,
                             std::nextafter(PreciseLastDay(), 0.0), PreciseLastDay()})
        instants.push_back({day, 64.1, -21.9}); // near Reykjavik: a fast ascendant
    for (const Instant &at : instants) {
        const PreciseAngleParts parts = PreciseAnglePartsAt(at.day, at.eastLongitude, at.latitude);
        QVERIFY(same(parts.sidereal, ApparentSiderealDegrees(at.day)));
        QVERIFY(same(parts.obliquity, TrueObliquity(at.day)));
        QVERIFY(same(parts.ascendant, PreciseAscendant(at.day, at.eastLongitude, at.latitude)));
        PreciseChartValues values;
        if (!PreciseChartAt(at.day, at.eastLongitude, at.latitude, values))
            continue;
        QVERIFY(same(values.sidereal, ApparentSiderealDegrees(at.day)));
        QVERIFY(same(values.obliquity, TrueObliquity(at.day)));
        QVERIFY(same(values.trueNode, TrueNodeLongitude(at.day)));
        QVERIFY(same(values.longitude[kAscBody],
                     PreciseAscendant(at.day, at.eastLongitude, at.latitude)));
    }
}

void TestPrecise::tableEnds_data() {
    QTest::addColumn<int>("series");
    const std::array<const char *, kPreciseSeriesCount> names = {"Sun",
                                                                 "Moon",
                                                                 "Mercury",
                                                                 "Venus",
                                                                 "Mars",
                                                                 "Jupiter",
                                                                 "Saturn",
                                                                 "Uranus",
                                                                 "Neptune",
                                                                 "Pluto",
                                                                 "true node",
                                                                 "nutation",
                                                                 "true obliquity",
                                                                 "mean sidereal time's rest"};
    for (int series = 0; series < kPreciseSeriesCount; ++series)
        QTest::newRow(names[series]) << series;
}

void TestPrecise::tableEnds() {
    // Each series in its first and last segments, the table's very start and very end
    // included, against the library: the lookup must take the last segment's last piece
    // at the end, and read no coefficient beyond it. The table reaches a day beyond the
    // range on both sides.
    QFETCH(int, series);
    PreciseTable table;
    QCOMPARE(ReadPreciseTable(EmbeddedPreciseTable(), table), std::string());
    const ChebyshevSeries &s = table.series[series];
    const double length = s.segmentDays;
    const double end = s.firstDay + length * s.segmentCount;
    QVERIFY(s.firstDay <= PreciseFirstDay() - 1.0 && end >= PreciseLastDay() + 1.0);
    const double *pastLast =
        s.coefficients + static_cast<long>(s.firstPiece[s.segmentCount]) * s.coefficientCount;
    for (const double day :
         {s.firstDay, s.firstDay + kMinute, s.firstDay + 0.37 * length, s.firstDay + length,
          end - length, end - 0.37 * length, end - kMinute, std::nextafter(end, 0.0), end}) {
        ChebyshevPlace place{};
        QVERIFY(LocateInSeries(s, 1.0 / length, day, place));
        QVERIFY(place.coefficients >= s.coefficients &&
                place.coefficients + s.coefficientCount <= pastLast);
        QVERIFY(std::fabs(place.x) <= 1.0 + 1e-12);
        const double value = ClenshawSum(place.coefficients, s.coefficientCount, place.x);
        const double apart = ArcsecApart(value, SeriesFromLibrary(series, day));
        QVERIFY2(
            apart <= kHundredthArcsec,
            qPrintable(
                QStringLiteral("%1\" apart at JD %2").arg(apart).arg(day + kJ2000, 0, 'f', 6)));
    }
    ChebyshevPlace place;
    QVERIFY(!LocateInSeries(s, 1.0 / length, s.firstDay - kMinute, place));
    QVERIFY(!LocateInSeries(s, 1.0 / length, end + kMinute, place));
}

void TestPrecise::builtInTable() {
    const PreciseTableCheck &status = PreciseTableStatus();
    QVERIFY2(status.intact, status.reason.c_str());
    QCOMPARE(status.reason, std::string());
    const std::span<const unsigned char> table = EmbeddedPreciseTable();
    QCOMPARE(reinterpret_cast<std::uintptr_t>(table.data()) % kPreciseTableAlignment, 0u);
    // The program holds the committed file as it is, and that file says what it is and how
    // to make it again.
    QFile file(QStringLiteral(STARLOOM_SOURCE_DIR "/engine/precise_table.bin"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray committed = file.readAll();
    QVERIFY(committed == QByteArray::fromRawData(reinterpret_cast<const char *>(table.data()),
                                                 static_cast<qsizetype>(table.size())));
    QVERIFY(committed.startsWith("QM Starloom precise-position table, format 1"));
    QVERIFY(committed.left(4096).contains(
        "\n  build/bin/gen_positions engine/precise_table.bin --jobs 2\n"));
}

void TestPrecise::damagedTable_data() {
    QTest::addColumn<qsizetype>("at"); // the byte changed, or the size when `resize`
    QTest::addColumn<bool>("resize");
    QTest::addColumn<QString>("reason");
    const auto size = static_cast<qsizetype>(kPreciseTableBytes);
    QTest::newRow("untouched") << qsizetype(0) << false << QString();
    QTest::newRow("first text byte") << qsizetype(1) << false << "its hash is";
    QTest::newRow("a coefficient's byte") << size / 2 + 3 << false << "its hash is";
    QTest::newRow("last byte") << size << false << "its hash is";
    QTest::newRow("one byte short")
        << size - 1 << true << QStringLiteral("it has %1 bytes, not").arg(size - 1);
    QTest::newRow("one byte more")
        << size + 1 << true << QStringLiteral("it has %1 bytes, not").arg(size + 1);
}

void TestPrecise::damagedTable() {
    QFETCH(qsizetype, at);
    QFETCH(bool, resize);
    QFETCH(QString, reason);
    TableCopy copy;
    if (resize)
        copy.Resize(static_cast<std::size_t>(at));
    else if (at > 0)
        copy.Bytes()[at - 1] ^= 0x10; // one bit of the at-th byte
    const PreciseTableCheck check = CheckPreciseTable(copy.Span());
    QCOMPARE(check.intact, reason.isEmpty());
    QVERIFY2(QString::fromStdString(check.reason).startsWith(reason), check.reason.c_str());
}

void TestPrecise::tableLayout_data() {
    // What the reader finds wrong when the bytes hash right but are not laid out as a
    // table: the change, where (from the directory; a series' record is 64 + 64 * series
    // further), and the start of what is said. Series 2 is Mercury, with cut segments.
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("at");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("reason");
    const int mercury = kPreciseDirectoryBytes + 2 * kPreciseRecordBytes;
    QTest::newRow("sound") << int(kNoChange) << 0 << 0.0 << QString();
    QTest::newRow("not at a multiple of 8")
        << int(kShift) << 4 << 0.0 << "it lies at an address that is not";
    QTest::newRow("text not closed") << int(kTextEnd) << 0 << 0.0 << "its text is not closed";
    QTest::newRow("a control character in the text")
        << int(kText) << 5 << 7.0 << "its text holds a byte";
    QTest::newRow("no directory") << int(kByte) << 0 << 0.0 << "its directory is missing";
    QTest::newRow("format 2") << int(kU32) << 8 << 2.0 << "it is of format 2, not 1";
    QTest::newRow("13 series") << int(kU32) << 12 << 13.0 << "it holds 13 series, not 14";
    QTest::newRow("empty range") << int(kF64) << 24 << -73048.5 << "its range is empty";
    QTest::newRow("segments of 3 days")
        << int(kF64) << mercury + 8 << 3.0 << "series 2: its segments'";
    QTest::newRow("range not covered")
        << int(kF64) << mercury << -73048.0 << "series 2: it does not cover";
    QTest::newRow("coefficients past the end")
        << int(kU64) << mercury + 48 << double(kPreciseTableBytes) << "series 2: an array";
    QTest::newRow("coefficients off their alignment")
        << int(kU64Add) << mercury + 48 << 8.0 << "series 2: an array";
    QTest::newRow("a piece too many")
        << int(kLastFirstPiece) << mercury << 1.0 << "series 2: its pieces do not add up";
    QTest::newRow("a cut segment's second piece at its end")
        << int(kPieceAtEnd) << mercury << 1.0 << "series 2: a segment's pieces are out";
}

void TestPrecise::tableLayout() {
    QFETCH(int, change);
    QFETCH(int, at);
    QFETCH(double, value);
    QFETCH(QString, reason);
    TableCopy copy;
    unsigned char *bytes = copy.Bytes();
    const std::size_t directory = copy.Directory();
    unsigned char *field = bytes + directory + at;
    std::span<const unsigned char> span = copy.Span();
    switch (change) {
    case kShift: // the same bytes read from an address 4 past a multiple of 8
        span = {span.data() + at, span.size() - 8};
        break;
    case kByte:
        bytes[directory + at] = static_cast<unsigned char>(value);
        break;
    case kTextEnd: // the last line feed, before the closing NUL
        *(static_cast<unsigned char *>(std::memchr(bytes, 0, directory)) - 1) = 'x';
        break;
    case kText:
        bytes[at] = static_cast<unsigned char>(value);
        break;
    case kU32: {
        const auto v = static_cast<std::uint32_t>(value);
        std::memcpy(field, &v, sizeof v);
        break;
    }
    case kF64:
        std::memcpy(field, &value, sizeof value);
        break;
    case kU64: {
        const auto v = static_cast<std::uint64_t>(value);
        std::memcpy(field, &v, sizeof v);
        break;
    }
    case kU64Add: {
        std::uint64_t v;
        std::memcpy(&v, field, sizeof v);
        v += static_cast<std::uint64_t>(value);
        std::memcpy(field, &v, sizeof v);
        break;
    }
    case kLastFirstPiece:
    case kPieceAtEnd: {
        // The series' firstPiece and pieceStart arrays, from its record.
        std::uint32_t segments;
        std::uint64_t firstPieceAt;
        std::uint64_t pieceStartAt;
        std::memcpy(&segments, field + 20, sizeof segments);
        std::memcpy(&firstPieceAt, field + 32, sizeof firstPieceAt);
        std::memcpy(&pieceStartAt, field + 40, sizeof pieceStartAt);
        auto *firstPiece = reinterpret_cast<std::uint32_t *>(bytes + firstPieceAt);
        auto *pieceStart = reinterpret_cast<double *>(bytes + pieceStartAt);
        if (change == kLastFirstPiece) {
            firstPiece[segments] += static_cast<std::uint32_t>(value);
            break;
        }
        std::uint32_t s = 0;
        while (s < segments && firstPiece[s + 1] - firstPiece[s] < 2) // the first cut segment
            ++s;
        QVERIFY(s < segments);
        pieceStart[firstPiece[s] + 1] = value;
        break;
    }
    default:
        break;
    }
    PreciseTable table;
    const std::string problem = ReadPreciseTable(span, table);
    QVERIFY2(QString::fromStdString(problem).startsWith(reason), problem.c_str());
    QCOMPARE(table.series[0].coefficients != nullptr, reason.isEmpty());
}

void TestPrecise::hash64_data() {
    // XXH64 of the reference library, libxxhash 0.8.1 (Debian's libxxhash0): XXH64(data,
    // size, seed). The bytes are 0, 1, 2, ... modulo 256.
    QTest::addColumn<int>("size");
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<quint64>("expected");
    QTest::newRow("nothing") << 0 << quint64(0) << quint64(0xef46db3751d8e999ULL);
    QTest::newRow("45 bytes: a stripe, eights, a four, a byte")
        << 45 << quint64(0) << quint64(0x10fdd84d6409abdfULL);
    QTest::newRow("45 bytes, seed 2026") << 45 << quint64(2026) << quint64(0xc4df8b476cec1471ULL);
    QTest::newRow("1024 bytes") << 1024 << quint64(0) << quint64(0x6f3914f18fe4df57ULL);
}

void TestPrecise::hash64() {
    QFETCH(int, size);
    QFETCH(quint64, seed);
    QFETCH(quint64, expected);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    QCOMPARE(quint64(Hash64(bytes.data(), bytes.size(), seed)), expected);
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
