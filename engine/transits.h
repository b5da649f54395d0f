// Transit events: the moments at which the moving sky meets a natal chart. A transiting body
// (the Sun to Pluto and the Moon's true node) makes an exact aspect to a natal point, a
// planet stands still before it turns, a body crosses into a sign or into a natal house.
//
// The moments are roots, not the days of a step: each body's longitude and its rate come
// from the precise table, the rate's sign changes bracket the stations, between stations the
// longitude is monotone so that each crossing of a target longitude is bracketed, and each
// root is polished by Newton's method kept inside its bracket. A retrograde loop over a
// target gives three events, one per pass.
#pragma once

#include "engine/aspects.h"
#include "engine/natal_chart.h"
#include "engine/time_scale.h"

#include <array>
#include <functional>
#include <string_view>

namespace starloom {

// The transiting bodies: the chart bodies Sun .. Pluto (chart indexes 0..9), then the Moon's
// true node.
constexpr int kTransitNodeBody = kPlutoBody + 1;
constexpr int kTransitBodyCount = kTransitNodeBody + 1;

// Their names, as the command line and its JSON write them.
constexpr std::array<std::string_view, kTransitBodyCount> kTransitBodyNames = {
    "Sun",    "Moon",   "Mercury", "Venus", "Mars",      "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "North Node"};

enum class TransitEventKind : int { Aspect = 0, Station, Ingress };

// "aspect", "station" and "ingress".
std::string_view TransitEventKindName(TransitEventKind kind);

// Which way a planet turns at a station: it stands still and then moves backwards (turns
// retrograde) or forwards again (turns direct).
enum class StationDirection : int { Retrograde = 0, Direct };

// "retrograde" and "direct".
std::string_view StationDirectionName(StationDirection direction);

struct TransitEvent {
    double Day = 0; // the exact moment: universal time, days from J2000.0 (to about a
                    // millisecond; NearestMinute gives the minute it is shown at)
    TransitEventKind Kind = TransitEventKind::Aspect;
    int Body = 0;         // the transiting body, 0..kTransitBodyCount - 1
    double Longitude = 0; // its longitude at that moment, degrees 0..360
    // An aspect: its kind and the natal aspect point (0..11: Sun .. Pluto, Asc, MC).
    AspectKind Aspect = AspectKind::Conjunction;
    int NatalPoint = -1;
    // A station (Mercury .. Pluto only).
    StationDirection Direction = StationDirection::Retrograde;
    // An ingress: the sign entered (0 = Aries .. 11 = Pisces) or -1, and the natal house
    // entered (1..12) or 0; exactly one of the two is set. A body moving backwards over a
    // sign's first degree enters the sign before it.
    int Sign = -1;
    int House = 0;
};

// What to look for. By default everything, for every transiting body.
struct TransitSearch {
    bool Aspects = true;
    bool Stations = true;
    bool SignIngresses = true;
    bool HouseIngresses = true;
    std::array<bool, kTransitBodyCount> Bodies = {true, true, true, true, true, true,
                                                  true, true, true, true, true};
};

// How a search ended.
enum class TransitStatus {
    Done,         // every event of the range was delivered
    Stopped,      // the receiver asked to stop
    OutsideTable, // the range does not lie within PreciseFirstDay() .. PreciseLastDay()
};

// Receives the events one at a time, in time order; returns false to end the search.
using TransitReceiver = std::function<bool(const TransitEvent &event)>;

// Every event of the transiting bodies against `natal` whose moment lies after `fromDay`
// and not after `toDay` (universal time, days from J2000.0; fromDay <= toDay), delivered in
// time order as they are found. The natal points are the chart's ten bodies, its ascendant
// and its midheaven (whatever method computed them; non-finite ones are skipped); the houses
// are its cusps. The range is worked through a month at a time, so memory stays the same
// for a range of any length. A range outside the precise table, or NaN, is refused with
// OutsideTable before anything is delivered.
TransitStatus FindTransitEvents(const NatalChart &natal, double fromDay, double toDay,
                                const TransitReceiver &receive, const TransitSearch &search = {});

// The universal date and time of a moment (days from J2000.0, any finite value within the
// Gregorian calendar) rounded to the nearest minute.
CivilDateTime NearestMinute(double utDays);

} // namespace starloom
