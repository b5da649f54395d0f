// Second charts as the tool prints them: the transit events one line each as they are found,
// and progressions, directions and synastry as two charts with their cross aspects, as text
// or in the reading JSON's shape.
#pragma once

#include "cli/reading_output.h"
#include "engine/natal_chart.h"
#include "engine/second_chart.h"
#include "engine/transits.h"

#include <string>
#include <string_view>
#include <vector>

namespace starloom::cli {

// The whole days of universal time the precise table covers, as refusals name them:
// "1900-11-01 to 2051-03-04".
std::string PreciseSpanText();

// A moment of universal time from "YYYY-MM-DD" (its midnight, or with `endOfDay` the
// midnight that ends it) or "YYYY-MM-DDTHH:MM", as days from J2000.0. Years 1600 to 2999 of
// the Gregorian calendar, a day that exists in its month, hour 0..23, minute 0..59. False,
// with `error` set to a short reason, for anything else.
bool ParseUniversalMoment(std::string_view text, bool endOfDay, double &day, std::string &error);

// One transit event on one line, ended by LF: as text ("2024-04-01 22:15 UT  Mercury
// turns retrograde") or as a JSON object ({"time": "2024-04-01T22:15Z", "kind": "station",
// "body": "Mercury", "direction": "retrograde"}).
std::string TransitEventLine(const TransitEvent &event, bool json);

// The events of a natal chart from `from` to `to` (days from J2000.0, within the precise
// table) written to standard output as they are found. False when a write failed; the
// search stops there.
bool PrintTransitEvents(const NatalChart &natal, double from, double to, bool json);

// A second chart over a natal chart, with what the tool says about it.
struct ChartPair {
    SecondChartKind kind = SecondChartKind::Progressions;
    std::string firstName;
    const NatalChart *first = nullptr;
    std::string secondName;
    SecondChart second;
    const NatalChart *secondNatal = nullptr; // synastry: the second person's chart
    double targetDay = 0;                    // progressions and directions: the date
    std::vector<Aspect> aspects;             // A of the first chart, B of the second
};

// {"kind", "date" (progressions and directions), "first" and "second" (each with name,
// universal_time, positions, bodies as the reading's, where the second chart's house is
// the first chart's house it falls in, and angles), "arc" (progressions and directions),
// "aspects" (a, b, aspect, orb, applying)}.
Json SecondChartJson(const ChartPair &pair);

// The same as text, lines ended by LF.
std::string SecondChartText(const ChartPair &pair);

} // namespace starloom::cli
