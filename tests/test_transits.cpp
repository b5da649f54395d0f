// Transit events against the Swiss Ephemeris (Debian's libswe-dev and swe-standard-data),
// linked into this test only: hand-made cases first, then every event of a year for random
// births against a reference search that steps the library by the hour.
#include "engine/natal_chart.h"
#include "engine/precise.h"
#include "engine/transits.h"

#include <swephexp.h>

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

using namespace starloom;

namespace {

constexpr double kJ2000 = 2451545.0;               // Julian day of J2000.0
constexpr double kHour = 1.0 / 24.0;               // days
constexpr double kOneMinute = 1.0 / 1440.0;        // days: how close every event must be
constexpr double kOneSecond = 1.0 / 86400.0;       // days
constexpr double kBisectedTo = 2.0 * kOneSecond;   // days: where the reference's bisection stops
constexpr double kFirstGuessSpan = 4 * kOneSecond; // days: the bracket tried around a guess

double Wrap180(double a) {
    return std::remainder(a, 360.0);
}

double Wrap360(double a) {
    const double r = std::fmod(a, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

double Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return JulianDaysSinceJ2000({year, month, day, hour, minute});
}

// The library's apparent geocentric longitude of a transiting body (chart bodies Sun .. Pluto
// are the library's bodies 0 .. 9), and its rate when asked for.
double Library(int body, double day, double *rate = nullptr) {
    double x[6] = {};
    char error[AS_MAXCH] = "";
    const int se = body == kTransitNodeBody ? SE_TRUE_NODE : body;
    swe_calc_ut(day + kJ2000, se, SEFLG_SWIEPH | (rate != nullptr ? SEFLG_SPEED : 0), x, error);
    if (rate != nullptr)
        *rate = x[3];
    return x[0];
}

// ---- The reference search ----

struct Knot {
    double day;
    double longitude;
};

// One body's motion over a range by the library: a knot every hour, and a knot at each
// station, where the hourly steps change direction. The station is where the longitude turns:
// the root, found by bisection, of its change over the hour around an instant. (The
// library's own rate is not used: for Neptune and Pluto it strays by some 1e-5 degrees a day
// from the change of its longitudes, which moves a station by minutes.)
struct Track {
    int body = 0;
    std::vector<Knot> knots;
    std::vector<TransitEvent> stations;
};

bool TurnedBack(int body, double day) {
    return Wrap180(Library(body, day + kHour / 2) - Library(body, day - kHour / 2)) < 0;
}

Track LibraryTrack(int body, double from, double to) {
    Track track;
    track.body = body;
    const int hours = static_cast<int>(std::ceil((to - from) / kHour));
    std::vector<Knot> hourly;
    for (int k = 0; k <= hours; ++k) {
        const double day = std::min(to, from + k * kHour);
        hourly.push_back({day, Library(body, day)});
    }
    track.knots = hourly;
    for (int k = 1; k + 1 < static_cast<int>(hourly.size()); ++k) {
        const bool backBefore = Wrap180(hourly[k].longitude - hourly[k - 1].longitude) < 0;
        const bool backAfter = Wrap180(hourly[k + 1].longitude - hourly[k].longitude) < 0;
        if (backBefore == backAfter)
            continue;
        double lo = hourly[k - 1].day;
        double hi = hourly[k + 1].day;
        while (hi - lo > kBisectedTo) {
            const double mid = 0.5 * (lo + hi);
            (TurnedBack(body, mid) == backBefore ? lo : hi) = mid;
        }
        const double day = 0.5 * (lo + hi);
        track.knots.push_back({day, Library(body, day)});
        if (body >= kMercuryBody && body <= kPlutoBody) {
            TransitEvent station;
            station.Day = day;
            station.Kind = TransitEventKind::Station;
            station.Body = body;
            station.Direction = backAfter ? StationDirection::Retrograde : StationDirection::Direct;
            track.stations.push_back(station);
        }
    }
    std::sort(track.knots.begin(), track.knots.end(),
              [](const Knot &a, const Knot &b) { return a.day < b.day; });
    return track;
}

// A longitude whose crossing is an event, and the event it makes (the ingress's sign or
// house is the one after the cusp; moving backwards the body enters the one before).
struct Target {
    double longitude;
    TransitEvent event;
};

std::vector<Target> Targets(const NatalChart &natal) {
    std::vector<Target> targets;
    const PointTable points = AspectPointLongitudes(natal);
    for (int point = 0; point < kAspectPointCount; ++point) {
        for (int kind = 0; kind < kAspectKindCount; ++kind) {
            TransitEvent event;
            event.Kind = TransitEventKind::Aspect;
            event.Aspect = static_cast<AspectKind>(kind);
            event.NatalPoint = point;
            for (const double side : {1.0, -1.0}) {
                targets.push_back({Wrap360(points[point] + side * kAspectAngles[kind]), event});
                if (kAspectAngles[kind] == 0.0 || kAspectAngles[kind] == 180.0)
                    break;
            }
        }
    }
    for (int sign = 0; sign < kSignCount; ++sign) {
        TransitEvent event;
        event.Kind = TransitEventKind::Ingress;
        event.Sign = sign;
        targets.push_back({30.0 * sign, event});
    }
    for (int house = 1; house <= kHouseCount; ++house) {
        TransitEvent event;
        event.Kind = TransitEventKind::Ingress;
        event.House = house;
        targets.push_back({natal.Houses.cusps[house - 1], event});
    }
    return targets;
}

// The sign of the longitude less the target, the short way round (zero counts as ahead).
bool Behind(int body, double day, double target) {
    return Wrap180(Library(body, day) - target) < 0;
}

// Every crossing of a target between two knots of the track, refined by bisection: first
// within a bracket of a minute around the straight-line guess, or, when the root is not in
// it, within the whole step.
void LibraryCrossings(const Track &track, const std::vector<Target> &targets,
                      std::vector<TransitEvent> &out) {
    // The targets by whole degree, so that a step of the track looks at only those near it.
    std::array<std::vector<const Target *>, 360> byDegree;
    for (const Target &target : targets)
        byDegree[static_cast<int>(Wrap360(target.longitude)) % 360].push_back(&target);
    for (std::size_t k = 0; k + 1 < track.knots.size(); ++k) {
        const Knot &p = track.knots[k];
        const Knot &q = track.knots[k + 1];
        const double step = Wrap180(q.longitude - p.longitude);
        const double low = step >= 0 ? p.longitude : q.longitude;
        for (int degree = static_cast<int>(std::floor(low)) - 1;
             degree <= static_cast<int>(std::floor(low + std::fabs(step))) + 1; ++degree) {
            for (const Target *target : byDegree[(degree % 360 + 360) % 360]) {
                const double gp = Wrap180(p.longitude - target->longitude);
                const double gq = Wrap180(q.longitude - target->longitude);
                if ((gp < 0) == (gq < 0) || std::fabs(gp) > 90 || std::fabs(gq) > 90)
                    continue;
                const bool pBehind = gp < 0;
                double lo = p.day;
                double hi = q.day;
                const double guess = p.day + (q.day - p.day) * gp / (gp - gq);
                const double a = std::max(lo, guess - kFirstGuessSpan);
                const double b = std::min(hi, guess + kFirstGuessSpan);
                if (Behind(track.body, a, target->longitude) == pBehind &&
                    Behind(track.body, b, target->longitude) != pBehind) {
                    lo = a;
                    hi = b;
                }
                while (hi - lo > kBisectedTo) {
                    const double mid = 0.5 * (lo + hi);
                    (Behind(track.body, mid, target->longitude) == pBehind ? lo : hi) = mid;
                }
                TransitEvent event = target->event;
                event.Day = 0.5 * (lo + hi);
                event.Body = track.body;
                if (!pBehind && event.Sign >= 0) // moving backwards into the sign before
                    event.Sign = (event.Sign + kSignCount - 1) % kSignCount;
                if (!pBehind && event.House > 0)
                    event.House = (event.House + kHouseCount - 2) % kHouseCount + 1;
                out.push_back(event);
            }
        }
    }
}

// ---- Comparing two lists of events ----

using EventKey = std::tuple<int, int, int, int, int, int, int>;

EventKey KeyOf(const TransitEvent &e) {
    return {int(e.Kind),
            e.Body,
            e.NatalPoint,
            int(e.Aspect),
            int(e.Direction) * (e.Kind == TransitEventKind::Station),
            e.Sign,
            e.House};
}

QString Describe(const TransitEvent &e) {
    const CivilDateTime t = NearestMinute(e.Day);
    return QStringLiteral("%1-%2-%3 %4:%5 %6 %7 point %8 aspect %9 sign %10 house %11")
        .arg(t.year)
        .arg(t.month)
        .arg(t.day)
        .arg(t.hour)
        .arg(t.minute)
        .arg(QString::fromUtf8(kTransitBodyNames[e.Body].data()))
        .arg(QString::fromUtf8(TransitEventKindName(e.Kind).data()))
        .arg(e.NatalPoint)
        .arg(int(e.Aspect))
        .arg(e.Sign)
        .arg(e.House);
}

struct Comparison {
    int matched = 0;
    double worst = 0; // days
    QString worstEvent;
    QStringList unmatched; // events of one list the other lacks
};

// Pairs the events of both lists with the same key in time order; events within `margin` of
// either end of the range are left out of both (the reference brackets stations from the
// hour on either side).
void Compare(std::vector<TransitEvent> ours, std::vector<TransitEvent> reference, double from,
             double to, double margin, Comparison &result) {
    std::map<EventKey, std::vector<const TransitEvent *>> a;
    std::map<EventKey, std::vector<const TransitEvent *>> b;
    for (const TransitEvent &e : ours)
        if (e.Day > from + margin && e.Day < to - margin)
            a[KeyOf(e)].push_back(&e);
    for (const TransitEvent &e : reference)
        if (e.Day > from + margin && e.Day < to - margin)
            b[KeyOf(e)].push_back(&e);
    const auto byDay = [](const TransitEvent *x, const TransitEvent *y) { return x->Day < y->Day; };
    for (auto &[key, list] : a) {
        std::vector<const TransitEvent *> &other = b[key];
        std::sort(list.begin(), list.end(), byDay);
        std::sort(other.begin(), other.end(), byDay);
        if (list.size() != other.size()) {
            for (const TransitEvent *e : list)
                result.unmatched << "ours " + Describe(*e);
            for (const TransitEvent *e : other)
                result.unmatched << "library " + Describe(*e);
            continue;
        }
        for (std::size_t i = 0; i < list.size(); ++i) {
            const double apart = std::fabs(list[i]->Day - other[i]->Day);
            ++result.matched;
            if (apart > result.worst) {
                result.worst = apart;
                result.worstEvent = Describe(*list[i]);
            }
        }
    }
    for (const auto &[key, list] : b)
        if (a.count(key) == 0)
            for (const TransitEvent *e : list)
                result.unmatched << "library " + Describe(*e);
}

std::vector<TransitEvent> Ours(const NatalChart &natal, double from, double to,
                               const TransitSearch &search = {}) {
    std::vector<TransitEvent> events;
    const TransitStatus status = FindTransitEvents(
        natal, from, to,
        [&events](const TransitEvent &e) {
            events.push_back(e);
            return true;
        },
        search);
    if (status != TransitStatus::Done)
        events.clear();
    return events;
}

// A chart with no points but the one given (and no house cusps), so that a search finds the
// events of that point alone.
NatalChart OnePoint(int point, double longitude) {
    NatalChart natal;
    for (ChartPoint &body : natal.Bodies)
        body.Longitude = std::nan("");
    natal.Midheaven = std::nan("");
    natal.Houses.cusps.fill(std::nan(""));
    if (point == kMidheavenPoint)
        natal.Midheaven = longitude;
    else
        natal.Bodies[point].Longitude = longitude;
    return natal;
}

TransitSearch Only(int body) {
    TransitSearch search;
    search.Bodies.fill(false);
    search.Bodies[body] = true;
    return search;
}

// A birth in universal time at a place, as the form would hold it.
BirthData UniversalBirth(const CivilDateTime &t, int latDegrees, bool north, int lonDegrees,
                         bool east) {
    BirthData b;
    b.BirthYear = static_cast<std::int16_t>(t.year);
    b.BirthMonth = static_cast<std::int16_t>(t.month);
    b.BirthDay = static_cast<std::int16_t>(t.day);
    b.BirthHour = static_cast<std::int16_t>(t.hour);
    b.BirthMinute = static_cast<std::int16_t>(t.minute);
    b.ZoneHoursText = "0";
    b.ZoneMinutesText = "0";
    b.LatDegrees = static_cast<std::int16_t>(latDegrees);
    b.LatDirFlag = north;
    b.LonDegrees = static_cast<std::int16_t>(lonDegrees);
    b.LonDirFlag = east;
    return b;
}

} // namespace

class TestTransits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exactAtChosenMinute_data();
    void exactAtChosenMinute();
    void threePassesAroundAStation_data();
    void threePassesAroundAStation();
    void ingressIntoAries_data();
    void ingressIntoAries();
    void stationInsideTheOrb_data();
    void stationInsideTheOrb();
    void outsideTheTable();
    void nearestMinute_data();
    void nearestMinute();
    void randomBirthsAgainstLibrary();
    void cleanupTestCase();
};

void TestTransits::initTestCase() {
    swe_set_ephe_path(SWE_DATA_DIR);
}

void TestTransits::cleanupTestCase() {
    swe_close();
}

void TestTransits::exactAtChosenMinute_data() {
    QTest::addColumn<int>("body");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::newRow("Mars square the Sun, 2024-03-10 14:37")
        << int(kMarsBody) << int(AspectKind::Square) << int(kSunBody) << 2024 << 3 << 10 << 14
        << 37;
    QTest::newRow("Moon trine the ascendant, 1955-07-04 03:21")
        << int(kMoonBody) << int(AspectKind::Trine) << int(kAscBody) << 1955 << 7 << 4 << 3 << 21;
    QTest::newRow("Pluto opposite the midheaven, 2010-01-01 00:00")
        << int(kPlutoBody) << int(AspectKind::Opposition) << int(kMidheavenPoint) << 2010 << 1 << 1
        << 0 << 0;
    QTest::newRow("node sextile Venus, 1987-11-30 23:59")
        << int(kTransitNodeBody) << int(AspectKind::Sextile) << int(kVenusBody) << 1987 << 11 << 30
        << 23 << 59;
    QTest::newRow("Mercury conjunct Saturn, 1999-02-28 12:00")
        << int(kMercuryBody) << int(AspectKind::Conjunction) << int(kSaturnBody) << 1999 << 2 << 28
        << 12 << 0;
}

void TestTransits::exactAtChosenMinute() {
    QFETCH(int, body);
    QFETCH(int, aspect);
    QFETCH(int, point);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    const double at = Day(year, month, day, hour, minute);
    // The natal point placed so that the body, where the precise table has it at that minute,
    // is exactly in the aspect (on the side the angle is added).
    const double transiting =
        body == kTransitNodeBody ? TrueNodeLongitude(at) : PreciseLongitude(body, at);
    const NatalChart natal = OnePoint(point, Wrap360(transiting - kAspectAngles[aspect]));
    TransitSearch search = Only(body);
    search.SignIngresses = search.HouseIngresses = false;
    const std::vector<TransitEvent> events = Ours(natal, at - 0.1, at + 0.1, search);
    QCOMPARE(events.size(), std::size_t(1));
    const TransitEvent &event = events[0];
    QCOMPARE(event.Kind, TransitEventKind::Aspect);
    QCOMPARE(int(event.Aspect), aspect);
    QCOMPARE(event.NatalPoint, point);
    QVERIFY2(std::fabs(event.Day - at) < kOneSecond, qPrintable(Describe(event)));
    const CivilDateTime shown = NearestMinute(event.Day);
    QCOMPARE(std::make_tuple(shown.year, shown.month, shown.day, shown.hour, shown.minute),
             std::make_tuple(year, month, day, hour, minute));
    // The library puts the body at the same place within a minute's motion of that moment.
    double rate = 0;
    const double library = Library(body, at, &rate);
    QVERIFY(std::fabs(Wrap180(library - transiting)) < std::fabs(rate) * kOneMinute);
}

void TestTransits::threePassesAroundAStation_data() {
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("from"); // a range holding one retrograde loop
    QTest::addColumn<double>("to");
    QTest::newRow("Saturn 2024") << int(kSaturnBody) << Day(2024, 3, 1) << Day(2025, 3, 1);
    QTest::newRow("Pluto 1990") << int(kPlutoBody) << Day(1989, 11, 1) << Day(1990, 12, 31);
    QTest::newRow("Jupiter 1969") << int(kJupiterBody) << Day(1968, 10, 1) << Day(1969, 9, 1);
}

void TestTransits::threePassesAroundAStation() {
    QFETCH(int, body);
    QFETCH(double, from);
    QFETCH(double, to);
    // The library's loop: the natal point halfway between where the planet turns retrograde
    // and where it turns direct, crossed forwards, backwards and forwards again.
    const Track track = LibraryTrack(body, from, to);
    QCOMPARE(track.stations.size(), std::size_t(2));
    const double turnBack = Library(body, track.stations[0].Day);
    const double turnOn = Library(body, track.stations[1].Day);
    const double middle = Wrap360(turnOn + 0.5 * Wrap360(turnBack - turnOn));
    const NatalChart natal = OnePoint(kMoonBody, middle);
    TransitSearch search = Only(body);
    search.SignIngresses = search.HouseIngresses = false;
    std::vector<TransitEvent> ours = Ours(natal, from, to, search);
    std::vector<TransitEvent> conjunctions;
    QString sequence;
    for (const TransitEvent &e : ours) {
        if (e.Kind == TransitEventKind::Station)
            sequence += e.Direction == StationDirection::Retrograde ? "R" : "D";
        if (e.Kind == TransitEventKind::Aspect && e.Aspect == AspectKind::Conjunction) {
            sequence += "c";
            conjunctions.push_back(e);
        }
    }
    QCOMPARE(sequence, QStringLiteral("cRcDc"));
    Target pass{middle, {}};
    pass.event.NatalPoint = kMoonBody; // a conjunction
    std::vector<TransitEvent> reference = track.stations;
    LibraryCrossings(track, {pass}, reference);
    Comparison comparison;
    Compare(ours, reference, from, to, 0.0, comparison);
    QVERIFY2(comparison.unmatched.isEmpty(), qPrintable(comparison.unmatched.join("; ")));
    QCOMPARE(comparison.matched, 5);
    QVERIFY2(comparison.worst < kOneMinute, qPrintable(comparison.worstEvent));
}

void TestTransits::ingressIntoAries_data() {
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<QString>("signs");    // the signs entered, in order: A Aries, P Pisces
    QTest::addColumn<double>("published"); // the first ingress, UT, or 0 for none published
    // March equinoxes, to the minute of universal time, as the almanacs publish them.
    QTest::newRow("Sun, equinox 2000")
        << int(kSunBody) << Day(2000, 3, 1) << Day(2000, 4, 1) << "A" << Day(2000, 3, 20, 7, 35);
    QTest::newRow("Sun, equinox 2024")
        << int(kSunBody) << Day(2024, 3, 1) << Day(2024, 4, 1) << "A" << Day(2024, 3, 20, 3, 6);
    QTest::newRow("Sun, equinox 2025")
        << int(kSunBody) << Day(2025, 3, 1) << Day(2025, 4, 1) << "A" << Day(2025, 3, 20, 9, 1);
    // Neptune crosses into Aries and back into Pisces in 2025: checked against the library.
    QTest::newRow("Neptune 2025") << int(kNeptuneBody) << Day(2025, 1, 1) << Day(2026, 1, 1) << "AP"
                                  << 0.0;
}

void TestTransits::ingressIntoAries() {
    QFETCH(int, body);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(QString, signs);
    QFETCH(double, published);
    TransitSearch search = Only(body);
    search.Aspects = search.HouseIngresses = search.Stations = false;
    const std::vector<TransitEvent> ours = Ours(NatalChart{}, from, to, search);
    QString entered;
    for (const TransitEvent &e : ours)
        entered += e.Sign == 0 ? "A" : e.Sign == 11 ? "P" : "?";
    QCOMPARE(entered, signs);
    if (published > 0)
        QVERIFY(std::fabs(ours[0].Day - published) <= kOneMinute);
    Target aries{0.0, {}};
    aries.event.Kind = TransitEventKind::Ingress;
    aries.event.Sign = 0;
    std::vector<TransitEvent> reference;
    LibraryCrossings(LibraryTrack(body, from, to), {aries}, reference);
    Comparison comparison;
    Compare(ours, reference, from, to, 0.0, comparison);
    QVERIFY2(comparison.unmatched.isEmpty(), qPrintable(comparison.unmatched.join("; ")));
    QVERIFY2(comparison.worst < kOneMinute, qPrintable(comparison.worstEvent));
}

void TestTransits::stationInsideTheOrb_data() {
    QTest::addColumn<int>("body");
    QTest::addColumn<double>("from"); // a range holding one station
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("beyond"); // degrees past the turning point
    QTest::newRow("Saturn turns retrograde 2024, 0.5 degrees short")
        << int(kSaturnBody) << Day(2024, 5, 1) << Day(2024, 9, 1) << 0.5;
    QTest::newRow("Mercury turns direct 2024, 0.3 degrees short")
        << int(kMercuryBody) << Day(2024, 4, 15) << Day(2024, 5, 10) << 0.3;
}

void TestTransits::stationInsideTheOrb() {
    QFETCH(int, body);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, beyond);
    // The natal point lies just past where the planet turns: within the one-degree orb at the
    // station, never exact.
    const Track track = LibraryTrack(body, from, to);
    QCOMPARE(track.stations.size(), std::size_t(1));
    const TransitEvent &station = track.stations[0];
    const double turn = Library(body, station.Day);
    const double sign = station.Direction == StationDirection::Retrograde ? 1.0 : -1.0;
    const NatalChart natal = OnePoint(kSunBody, Wrap360(turn + sign * beyond));
    TransitSearch search = Only(body);
    search.SignIngresses = search.HouseIngresses = false;
    const std::vector<TransitEvent> ours = Ours(natal, from, to, search);
    QCOMPARE(ours.size(), std::size_t(1)); // the station alone
    QCOMPARE(ours[0].Kind, TransitEventKind::Station);
    QCOMPARE(ours[0].Direction, station.Direction);
    QVERIFY(std::fabs(ours[0].Day - station.Day) < kOneMinute);
}

void TestTransits::outsideTheTable() {
    const auto never = [](const TransitEvent &) { return true; };
    const NatalChart natal;
    QCOMPARE(FindTransitEvents(natal, PreciseFirstDay() - 1, PreciseFirstDay() + 10, never),
             TransitStatus::OutsideTable);
    QCOMPARE(FindTransitEvents(natal, PreciseLastDay() - 10, PreciseLastDay() + 1, never),
             TransitStatus::OutsideTable);
    QCOMPARE(FindTransitEvents(natal, std::nan(""), 0.0, never), TransitStatus::OutsideTable);
    // Stopping after the first event.
    int seen = 0;
    QCOMPARE(
        FindTransitEvents(natal, 0.0, 30.0, [&seen](const TransitEvent &) { return ++seen < 1; }),
        TransitStatus::Stopped);
    QCOMPARE(seen, 1);
}

void TestTransits::nearestMinute_data() {
    QTest::addColumn<double>("day");
    QTest::addColumn<QString>("shown");
    QTest::newRow("J2000.0") << 0.0 << "2000-01-01 12:00";
    QTest::newRow("29 seconds past rounds down")
        << Day(1999, 12, 31, 23, 59) + 29 * kOneSecond << "1999-12-31 23:59";
    QTest::newRow("31 seconds to midnight rounds up")
        << Day(2023, 12, 31, 23, 59) + 31 * kOneSecond << "2024-01-01 00:00";
    QTest::newRow("leap day 1904") << Day(1904, 2, 29, 6, 30) << "1904-02-29 06:30";
    QTest::newRow("no leap day 1900")
        << Day(1900, 2, 28, 23, 59) + 60 * kOneSecond << "1900-03-01 00:00";
    QTest::newRow("2100 ends February on the 28th")
        << Day(2100, 2, 28, 23, 59) + 60 * kOneSecond << "2100-03-01 00:00";
}

void TestTransits::nearestMinute() {
    QFETCH(double, day);
    QFETCH(QString, shown);
    const CivilDateTime t = NearestMinute(day);
    QCOMPARE(
        QString::asprintf("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute),
        shown);
}

// 200 random births (random places and house systems), each with a year of transits, every
// event against the reference search. Stepping the library by the hour through a year costs
// about 96,000 of its calls, as much as refining the events of some thirty births, so the
// births share ten random years: twenty births meet the same hourly sky. Events within two
// hours of a year's ends are left out, where the reference cannot bracket a station.
void TestTransits::randomBirthsAgainstLibrary() {
    constexpr int kBirths = 200;
    constexpr int kYears = 10;
    constexpr double kYearDays = 365.25;
    QRandomGenerator random(27);
    const double first = PreciseFirstDay() + 1;
    const double last = PreciseLastDay() - kYearDays - 1;
    std::vector<std::pair<double, std::vector<Track>>> years;
    for (int y = 0; y < kYears; ++y) {
        const double from = std::floor(first + random.generateDouble() * (last - first)) + 0.5;
        std::vector<Track> tracks;
        for (int body = 0; body < kTransitBodyCount; ++body)
            tracks.push_back(LibraryTrack(body, from, from + kYearDays));
        years.emplace_back(from, std::move(tracks));
    }
    Comparison comparison;
    for (int b = 0; b < kBirths; ++b) {
        const CivilDateTime born = NearestMinute(first + random.generateDouble() * (last - first));
        const BirthData birth = UniversalBirth(born, random.bounded(66), random.bounded(2),
                                               random.bounded(180), random.bounded(2));
        ChartRequest request;
        request.Method = PositionMethod::Precise;
        request.Houses = kHouseSystems[random.bounded(kHouseSystemCount)];
        const NatalChart natal = CalculateNatalChart(birth, request);
        const auto &[from, tracks] = years[b % kYears];
        std::vector<TransitEvent> reference;
        const std::vector<Target> targets = Targets(natal);
        for (const Track &track : tracks) {
            reference.insert(reference.end(), track.stations.begin(), track.stations.end());
            LibraryCrossings(track, targets, reference);
        }
        const std::vector<TransitEvent> ours = Ours(natal, from, from + kYearDays);
        QVERIFY(std::is_sorted(
            ours.begin(), ours.end(),
            [](const TransitEvent &x, const TransitEvent &y) { return x.Day < y.Day; }));
        Compare(ours, reference, from, from + kYearDays, 2 * kHour, comparison);
        QVERIFY2(comparison.unmatched.isEmpty(),
                 qPrintable(QStringLiteral("birth %1: ").arg(b) + comparison.unmatched.join("\n")));
    }
    qInfo("%d events, worst %.2f s apart (%s)", comparison.matched, comparison.worst * 86400.0,
          qPrintable(comparison.worstEvent));
    QVERIFY2(comparison.worst <= kOneMinute, qPrintable(comparison.worstEvent));
}

QTEST_APPLESS_MAIN(TestTransits)
#include "test_transits.moc"
