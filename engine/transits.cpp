// Transit events by root finding on the precise positions.
#include "engine/transits.h"

#include "engine/civil_days.h"
#include "engine/precise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

namespace starloom {

namespace {

constexpr double kRootTolerance = 1e-8; // days, about a millisecond
constexpr double kWindowDays = 32.0;    // the stretch of time worked through at once
constexpr int kMostSteps = 200;         // of one root search; bisection alone needs ~40

// The spacing of the knots at which each body's longitude and rate are taken, days. Between
// two knots a body may turn at most once, so a station is bracketed by a change of the
// rate's sign; the spacing is therefore well below the shortest time between two stations
// of the body (over 1900-2051 by the precise table: Mercury 19.7 days, Venus 40.9, Mars 60,
// Jupiter 117, Saturn 133, Uranus 149, Neptune and Pluto 156). The Moon is never retrograde;
// its knots keep its arc between two of them (at most 62 degrees) well below half a turn, so
// that the arc is known from the two longitudes. The true node turns about fifty times a
// year, now and then twice within hours, when its rate only just touches zero; a pair of
// turns closer than its spacing is passed over as one stretch of motion, which can only merge
// crossings that lie within those hours and a few arcseconds of the turn. Each spacing
// divides kWindowDays.
constexpr std::array<double, kTransitBodyCount> kKnotDays = {16.0, 4.0,  4.0,  8.0,  8.0, 16.0,
                                                             16.0, 16.0, 16.0, 16.0, 0.25};

// The true node's rate is its longitude's change over a minute either side.
constexpr double kNodeRateStep = 1.0 / 1440.0; // days

constexpr int kFirstStationBody = kMercuryBody; // the planets that turn: Mercury .. Pluto

// Degrees into -180 < a <= 180.
double Wrap180(double a) {
    double r = std::remainder(a, 360.0); // -180 <= r <= 180
    return r == -180.0 ? 180.0 : r;
}

// Degrees into 0 <= a < 360.
double Wrap360(double a) {
    double r = std::fmod(a, 360.0);
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// A body's longitude (degrees) and rate (degrees per day) at one instant.
struct Sample {
    double day = 0;
    double longitude = 0;
    double rate = 0;
};

Sample Evaluate(int body, double day) {
    if (body == kTransitNodeBody) {
        // The table keeps the node's longitude only; its rate is the central difference,
        // one-sided at the table's ends.
        const double before = std::max(day - kNodeRateStep, PreciseFirstDay());
        const double after = std::min(day + kNodeRateStep, PreciseLastDay());
        const double change = Wrap180(TrueNodeLongitude(after) - TrueNodeLongitude(before));
        return {day, TrueNodeLongitude(day), change / (after - before)};
    }
    const LongitudeAndRate lr = PreciseLongitudeAndRate(body, day);
    return {day, lr.longitude, lr.rate};
}

bool Backward(double rate) {
    return rate < 0.0;
}

// The root of the rate between two samples whose rates have opposite signs: the station.
// Regula falsi with the Illinois modification (the end that stays has its value halved), so
// that both ends close in.
Sample StationBetween(int body, Sample lo, Sample hi) {
    double loRate = lo.rate;
    double hiRate = hi.rate;
    int kept = 0; // the end that stayed last: -1 low, +1 high
    Sample at = lo;
    for (int step = 0; step < kMostSteps && hi.day - lo.day > kRootTolerance; ++step) {
        double day = (lo.day * hiRate - hi.day * loRate) / (hiRate - loRate);
        if (!(day > lo.day && day < hi.day))
            day = 0.5 * (lo.day + hi.day);
        at = Evaluate(body, day);
        if (at.rate == 0.0)
            return at;
        if (Backward(at.rate) == Backward(hiRate)) {
            hi = at;
            hiRate = at.rate;
            if (kept == -1)
                loRate *= 0.5;
            kept = -1;
        } else {
            lo = at;
            loRate = at.rate;
            if (kept == 1)
                hiRate *= 0.5;
            kept = 1;
        }
    }
    return at;
}

// The moment between lo and hi at which the body's longitude passes `target`, the body
// moving one way all along: g = the longitude less the target (the short way round) goes
// from gLo to gHi through zero. Newton's method on the body's rate, falling back on
// bisection whenever a step would leave the bracket.
double CrossingDay(int body, double target, double lo, double gLo, double hi, double gHi) {
    if (gHi == 0.0)
        return hi;
    const bool rising = gLo < 0.0;
    double day = lo + (hi - lo) * gLo / (gLo - gHi);
    for (int step = 0; step < kMostSteps; ++step) {
        const Sample s = Evaluate(body, day);
        const double g = Wrap180(s.longitude - target);
        if (g == 0.0)
            return day;
        if ((g < 0.0) == rising)
            lo = day;
        else
            hi = day;
        double next = day - g / s.rate;
        if (!(next > lo && next < hi)) // also a rate of zero or NaN
            next = 0.5 * (lo + hi);
        if (std::fabs(next - day) < kRootTolerance || hi - lo < kRootTolerance)
            return next;
        day = next;
    }
    return day;
}

enum class TargetKind { Aspect, Sign, House };

// A longitude whose crossing is an event.
struct Target {
    double longitude = 0; // degrees 0..360
    TargetKind kind = TargetKind::Aspect;
    int index = 0; // the natal aspect point, the sign that starts there, or the house cusp
    AspectKind aspect = AspectKind::Conjunction;
};

std::vector<Target> TargetsOf(const NatalChart &natal, const TransitSearch &search) {
    std::vector<Target> targets;
    if (search.Aspects) {
        const PointTable points = AspectPointLongitudes(natal);
        for (int point = 0; point < kAspectPointCount; ++point) {
            if (!std::isfinite(points[point]))
                continue;
            for (int kind = 0; kind < kAspectKindCount; ++kind) {
                const double angle = kAspectAngles[kind];
                const auto aspect = static_cast<AspectKind>(kind);
                targets.push_back(
                    {Wrap360(points[point] + angle), TargetKind::Aspect, point, aspect});
                // The conjunction and the opposition have one exact place, the others two.
                if (angle != 0.0 && angle != 180.0)
                    targets.push_back(
                        {Wrap360(points[point] - angle), TargetKind::Aspect, point, aspect});
            }
        }
    }
    if (search.SignIngresses)
        for (int sign = 0; sign < kSignCount; ++sign)
            targets.push_back({30.0 * sign, TargetKind::Sign, sign, AspectKind::Conjunction});
    if (search.HouseIngresses)
        for (int cusp = 0; cusp < kHouseCount; ++cusp)
            if (std::isfinite(natal.Houses.cusps[cusp]))
                targets.push_back({Wrap360(natal.Houses.cusps[cusp]), TargetKind::House, cusp,
                                   AspectKind::Conjunction});
    return targets;
}

class Search {
public:
    Search(const NatalChart &natal, const TransitSearch &search)
        : m_search(search), m_targets(TargetsOf(natal, search)) {}

    // Finds the events in (from, to], to - from at most kWindowDays, into m_events in time
    // order. `knots` holds each body's sample at `from` and is moved on to `to`.
    void window(double from, double to, std::array<Sample, kTransitBodyCount> &knots);

    const std::vector<TransitEvent> &events() const { return m_events; }

private:
    void stretch(int body, const Sample &a, const Sample &b);
    void piece(int body, const Sample &a, const Sample &b, bool backward);

    const TransitSearch &m_search;
    std::vector<Target> m_targets;
    std::vector<TransitEvent> m_events;
};

void Search::window(double from, double to, std::array<Sample, kTransitBodyCount> &knots) {
    m_events.clear();
    for (int body = 0; body < kTransitBodyCount; ++body) {
        if (!m_search.Bodies[body])
            continue;
        Sample a = knots[body];
        // Whole steps from the window's start, so that the last knot is the window's end.
        const int steps = std::max(1, static_cast<int>(std::ceil((to - from) / kKnotDays[body])));
        for (int k = 1; k <= steps; ++k) {
            const double day = k == steps ? to : from + k * kKnotDays[body];
            const Sample b = Evaluate(body, day);
            stretch(body, a, b);
            a = b;
        }
        knots[body] = a;
    }
    std::sort(m_events.begin(), m_events.end(), [](const TransitEvent &x, const TransitEvent &y) {
        return std::tie(x.Day, x.Body, x.Kind, x.NatalPoint, x.Aspect, x.House, x.Sign) <
               std::tie(y.Day, y.Body, y.Kind, y.NatalPoint, y.Aspect, y.House, y.Sign);
    });
}

// The stretch (a, b] between two knots: one piece of motion one way, or two when the rate
// changes sign, split at the station.
void Search::stretch(int body, const Sample &a, const Sample &b) {
    if (Backward(a.rate) == Backward(b.rate)) {
        piece(body, a, b, Backward(b.rate));
        return;
    }
    const Sample station = StationBetween(body, a, b);
    if (m_search.Stations && body >= kFirstStationBody && body <= kPlutoBody) {
        TransitEvent event;
        event.Day = station.day;
        event.Kind = TransitEventKind::Station;
        event.Body = body;
        event.Longitude = station.longitude;
        event.Direction =
            Backward(b.rate) ? StationDirection::Retrograde : StationDirection::Direct;
        m_events.push_back(event);
    }
    piece(body, a, station, Backward(a.rate));
    piece(body, station, b, Backward(b.rate));
}

// The crossings in (a, b], the body moving one way all along (backwards when `backward`).
void Search::piece(int body, const Sample &a, const Sample &b, bool backward) {
    // The arc travelled, never against the motion: an end found at a station may lie a
    // rounding error behind the other end.
    double arc = Wrap180(b.longitude - a.longitude);
    arc = backward ? std::max(0.0, -arc) : std::max(0.0, arc);
    if (arc == 0.0)
        return;
    for (const Target &target : m_targets) {
        // How far the body travels from a to the target: crossed when within the arc. A
        // target exactly at a was crossed at the end of the piece before.
        const double ahead = backward ? Wrap360(a.longitude - target.longitude)
                                      : Wrap360(target.longitude - a.longitude);
        if (!(ahead > 0.0 && ahead <= arc))
            continue;
        const double gA = backward ? ahead : -ahead;
        const double gB = backward ? ahead - arc : arc - ahead;
        TransitEvent event;
        event.Day = CrossingDay(body, target.longitude, a.day, gA, b.day, gB);
        event.Body = body;
        event.Longitude = target.longitude;
        switch (target.kind) {
        case TargetKind::Aspect:
            event.Kind = TransitEventKind::Aspect;
            event.Aspect = target.aspect;
            event.NatalPoint = target.index;
            break;
        case TargetKind::Sign:
            event.Kind = TransitEventKind::Ingress;
            event.Sign = backward ? (target.index + kSignCount - 1) % kSignCount : target.index;
            break;
        case TargetKind::House:
            event.Kind = TransitEventKind::Ingress;
            event.House =
                backward ? (target.index + kHouseCount - 1) % kHouseCount + 1 : target.index + 1;
            break;
        }
        m_events.push_back(event);
    }
}

// Hinnant's civil_from_days (the inverse of DaysFromCivil): the Gregorian date of a day
// counted from 1970-01-01.
void CivilFromDays(std::int64_t z, int &year, int &month, int &day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153; // March = 0
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

std::string_view TransitEventKindName(TransitEventKind kind) {
    constexpr std::array<std::string_view, 3> kNames = {"aspect", "station", "ingress"};
    return kNames[static_cast<int>(kind)];
}

std::string_view StationDirectionName(StationDirection direction) {
    return direction == StationDirection::Retrograde ? "retrograde" : "direct";
}

TransitStatus FindTransitEvents(const NatalChart &natal, double fromDay, double toDay,
                                const TransitReceiver &receive, const TransitSearch &search) {
    if (!(fromDay >= PreciseFirstDay() && toDay <= PreciseLastDay()))
        return TransitStatus::OutsideTable;
    Search finder(natal, search);
    std::array<Sample, kTransitBodyCount> knots;
    for (int body = 0; body < kTransitBodyCount; ++body)
        if (search.Bodies[body])
            knots[body] = Evaluate(body, fromDay);
    for (double from = fromDay; from < toDay;) {
        const double to = std::min(toDay, from + kWindowDays);
        finder.window(from, to, knots);
        for (const TransitEvent &event : finder.events())
            if (!receive(event))
                return TransitStatus::Stopped;
        from = to;
    }
    return TransitStatus::Done;
}

CivilDateTime NearestMinute(double utDays) {
    constexpr std::int64_t kMinutesPerDay = 1440;
    // Minutes from 2000 January 1, 0 h: J2000.0 is its noon.
    const std::int64_t minutes = std::llround(utDays * kMinutesPerDay) + kMinutesPerDay / 2;
    std::int64_t days = minutes / kMinutesPerDay;
    std::int64_t minuteOfDay = minutes % kMinutesPerDay;
    if (minuteOfDay < 0) {
        minuteOfDay += kMinutesPerDay;
        --days;
    }
    CivilDateTime civil;
    CivilFromDays(days + DaysFromCivil(2000, 1, 1), civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(minuteOfDay / 60);
    civil.minute = static_cast<int>(minuteOfDay % 60);
    return civil;
}

} // namespace starloom
