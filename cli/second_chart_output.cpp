// Transit events, progressions, directions and synastry as the tool prints them.
#include "cli/second_chart_output.h"

#include "engine/angles.h"
#include "engine/civil_days.h"
#include "engine/precise.h"
#include "engine/tables.h"
#include "reading/chart_words.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace starloom::cli {

namespace {

constexpr int kFirstYear = 1600; // the years a date may name
constexpr int kLastYear = 2999;
constexpr int kNameColumn = 9;    // characters of a point's name in the tables
constexpr int kBodyColumn = 12;   // characters of a transiting body's name in the event lines
constexpr int kAspectColumn = 12; // characters of an aspect's name
constexpr int kPositionColumn = 12;

// "YYYY-MM-DD HH:MM" (the text forms) or "YYYY-MM-DDTHH:MMZ" (JSON).
std::string MinuteText(const CivilDateTime &t, bool iso) {
    char text[24];
    std::snprintf(text, sizeof text, iso ? "%04d-%02d-%02dT%02d:%02dZ" : "%04d-%02d-%02d %02d:%02d",
                  t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width)
        padded.resize(width, ' ');
    return padded + (padded.size() > width ? " " : "");
}

// Digits only, at least one and at most `most`.
bool ReadNumber(std::string_view text, std::size_t most, int &value) {
    if (text.empty() || text.size() > most)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// Degrees with two decimals, written by hand: the C library's formatting follows the locale.
std::string Degrees(double value) {
    const long long hundredths = std::llround(std::fabs(value) * 100.0);
    const long long part = hundredths % 100;
    return (value < 0 && hundredths > 0 ? "-" : "") + std::to_string(hundredths / 100) + "." +
           (part < 10 ? "0" : "") + std::to_string(part);
}

int SignOf(double longitude) {
    return std::isfinite(longitude) ? static_cast<int>(ReduceDegrees(longitude) / 30.0) % 12 : -1;
}

// One chart's points for the output: longitudes, retrograde marks and houses.
struct Side {
    std::string name;
    CivilDateTime time;
    PositionMethod method = PositionMethod::Precise;
    PointTable longitude{};
    std::array<bool, kAspectPointCount> retrograde{};
    std::array<int, kAspectPointCount> house{}; // in the first chart's houses
};

Side FirstSide(const ChartPair &pair) {
    const NatalChart &natal = *pair.first;
    Side side;
    side.name = pair.firstName;
    side.time = natal.UniversalTime;
    side.method = natal.Method;
    side.longitude = AspectPointLongitudes(natal);
    for (int body = 0; body < kBodyCount; ++body) {
        side.retrograde[body] = natal.Bodies[body].Retrograde;
        side.house[body] = natal.Bodies[body].House;
    }
    side.house[kMidheavenPoint] = HouseOfLongitude(natal.Midheaven, natal.Houses.cusps);
    return side;
}

Side SecondSide(const ChartPair &pair) {
    Side side;
    side.name = pair.secondName;
    side.time = pair.second.UniversalTime;
    side.longitude = pair.second.Longitude;
    if (pair.secondNatal != nullptr) {
        side.method = pair.secondNatal->Method;
        for (int body = 0; body < kBodyCount; ++body)
            side.retrograde[body] = pair.secondNatal->Bodies[body].Retrograde;
    } else if (pair.kind == SecondChartKind::Progressions) {
        for (int body = kMercuryBody; body <= kPlutoBody; ++body)
            side.retrograde[body] = pair.second.DailyMotion[body] < 0;
    }
    for (int point = 0; point < kAspectPointCount; ++point)
        side.house[point] = std::isfinite(side.longitude[point])
                                ? HouseOfLongitude(side.longitude[point], pair.first->Houses.cusps)
                                : 0;
    return side;
}

Json SideJson(const Side &side) {
    Json bodies = Json::array();
    for (int body = 0; body < kBodyCount; ++body) {
        const double longitude = side.longitude[body];
        const int sign = SignOf(longitude);
        bodies.push_back(Json{{"name", std::string(kPlainBodyNames[body])},
                              {"position", ChartPositionOf(longitude)},
                              {"sign", sign >= 0 ? std::string(kSignFullNames[sign]) : ""},
                              {"longitude", longitude},
                              {"retrograde", side.retrograde[body]},
                              {"house", side.house[body]}});
    }
    return Json{{"name", side.name},
                {"universal_time", MinuteText(side.time, true)},
                {"positions", std::string(PositionMethodName(side.method))},
                {"bodies", std::move(bodies)},
                {"angles",
                 Json{{"asc", side.longitude[kAscBody]}, {"mc", side.longitude[kMidheavenPoint]}}}};
}

std::string_view KindName(SecondChartKind kind) {
    switch (kind) {
    case SecondChartKind::Transits:
        return "transits";
    case SecondChartKind::Progressions:
        return "progressions";
    case SecondChartKind::Directions:
        return "directions";
    case SecondChartKind::Synastry:
        return "synastry";
    }
    return {};
}

// What the second chart's column is called in the text.
std::string SecondLabel(const ChartPair &pair) {
    switch (pair.kind) {
    case SecondChartKind::Progressions:
        return "Progressed";
    case SecondChartKind::Directions:
        return "Directed";
    case SecondChartKind::Transits:
        return "Transiting";
    case SecondChartKind::Synastry:
        break;
    }
    return pair.secondName;
}

} // namespace

std::string PreciseSpanText() {
    // The first midnight in the table and the last day that ends in it (J2000.0 is a noon).
    const double first = std::ceil(PreciseFirstDay() - 0.5) + 0.5;
    const double last = std::floor(PreciseLastDay() - 0.5) + 0.5 - 1.0;
    const std::string from = MinuteText(NearestMinute(first), false);
    const std::string to = MinuteText(NearestMinute(last), false);
    return from.substr(0, 10) + " to " + to.substr(0, 10);
}

bool ParseUniversalMoment(std::string_view text, bool endOfDay, double &day, std::string &error) {
    CivilDateTime t;
    const bool withTime = text.size() == 16 && text[10] == 'T' && text[13] == ':';
    const bool shaped = (text.size() == 10 || withTime) && text[4] == '-' && text[7] == '-';
    if (!shaped || !ReadNumber(text.substr(0, 4), 4, t.year) ||
        !ReadNumber(text.substr(5, 2), 2, t.month) || !ReadNumber(text.substr(8, 2), 2, t.day) ||
        (withTime && (!ReadNumber(text.substr(11, 2), 2, t.hour) ||
                      !ReadNumber(text.substr(14, 2), 2, t.minute)))) {
        error = "'" + std::string(text) + "' is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM";
        return false;
    }
    if (t.year < kFirstYear || t.year > kLastYear || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59) {
        error = "'" + std::string(text) + "' is not a day of the calendar";
        return false;
    }
    day = JulianDaysSinceJ2000(t) + (endOfDay && !withTime ? 1.0 : 0.0);
    return true;
}

std::string TransitEventLine(const TransitEvent &event, bool json) {
    const CivilDateTime t = NearestMinute(event.Day);
    const std::string_view body = kTransitBodyNames[event.Body];
    if (json) {
        std::string line = "{\"time\":\"" + MinuteText(t, true) + "\",\"kind\":\"" +
                           std::string(TransitEventKindName(event.Kind)) + "\",\"body\":\"" +
                           std::string(body) + "\",";
        switch (event.Kind) {
        case TransitEventKind::Aspect:
            line += "\"aspect\":\"" + std::string(kAspectNames[int(event.Aspect)]) +
                    "\",\"natal\":\"" + std::string(kAspectPointNames[event.NatalPoint]) + "\"}";
            break;
        case TransitEventKind::Station:
            line += "\"direction\":\"" + std::string(StationDirectionName(event.Direction)) + "\"}";
            break;
        case TransitEventKind::Ingress:
            line += event.Sign >= 0
                        ? "\"sign\":\"" + std::string(kSignFullNames[event.Sign]) + "\"}"
                        : "\"house\":" + std::to_string(event.House) + "}";
            break;
        }
        return line + "\n";
    }
    std::string line =
        MinuteText(t, false) + " UT  " + PaddedWord(TransitBodyWord(event.Body), kBodyColumn);
    switch (event.Kind) {
    case TransitEventKind::Aspect:
        line += PaddedWord(AspectWord(event.Aspect), kAspectColumn) + "natal " +
                BodyWord(event.NatalPoint).toStdString();
        break;
    case TransitEventKind::Station:
        line += "turns " + std::string(StationDirectionName(event.Direction));
        break;
    case TransitEventKind::Ingress:
        line += event.Sign >= 0 ? "enters " + SignWord(event.Sign).toStdString()
                                : "enters house " + std::to_string(event.House);
        break;
    }
    return line + "\n";
}

bool PrintTransitEvents(const NatalChart &natal, double from, double to, bool json) {
    bool written = true;
    FindTransitEvents(natal, from, to, [json, &written](const TransitEvent &event) {
        const std::string line = TransitEventLine(event, json);
        written =
            std::fwrite(line.data(), 1, line.size(), stdout) == line.size() && !std::ferror(stdout);
        return written;
    });
    return written;
}

Json SecondChartJson(const ChartPair &pair) {
    Json json = {{"kind", std::string(KindName(pair.kind))}};
    const bool dated =
        pair.kind == SecondChartKind::Progressions || pair.kind == SecondChartKind::Directions;
    if (dated)
        json["date"] = MinuteText(NearestMinute(pair.targetDay), true);
    json["first"] = SideJson(FirstSide(pair));
    json["second"] = SideJson(SecondSide(pair));
    if (dated)
        json["arc"] = pair.second.Arc;
    Json aspects = Json::array();
    for (const Aspect &aspect : pair.aspects)
        aspects.push_back(Json{{"a", std::string(kAspectPointNames[aspect.A])},
                               {"b", std::string(kAspectPointNames[aspect.B])},
                               {"aspect", std::string(kAspectNames[int(aspect.Kind)])},
                               {"orb", aspect.Orb},
                               {"applying", aspect.Applying}});
    json["aspects"] = std::move(aspects);
    return json;
}

std::string SecondChartText(const ChartPair &pair) {
    const Side first = FirstSide(pair);
    const Side second = SecondSide(pair);
    const std::string secondLabel = SecondLabel(pair);
    std::string text;
    const std::string date = MinuteText(NearestMinute(pair.targetDay), false) + " UT";
    switch (pair.kind) {
    case SecondChartKind::Progressions:
        text += "Secondary progressions of " + first.name + " to " + date + "\n";
        text += "Born " + MinuteText(first.time, false) + " UT; progressed moment " +
                MinuteText(second.time, false) + " UT, one day for each year of life\n";
        text += "Midheaven moved by the solar arc in right ascension: " + Degrees(pair.second.Arc) +
                " degrees\n";
        break;
    case SecondChartKind::Directions:
        text += "Solar arc directions of " + first.name + " to " + date + "\n";
        text += "Born " + MinuteText(first.time, false) + " UT; solar arc " +
                Degrees(pair.second.Arc) + " degrees, the progressed Sun's at " +
                MinuteText(second.time, false) + " UT\n";
        break;
    case SecondChartKind::Transits:
        text += "Transits to " + first.name + " at " + MinuteText(second.time, false) + " UT\n";
        break;
    case SecondChartKind::Synastry:
        text += "Synastry of " + first.name + " and " + second.name + "\n";
        text += first.name + ": born " + MinuteText(first.time, false) + " UT; " + second.name +
                ": born " + MinuteText(second.time, false) + " UT\n";
        break;
    }
    const bool synastry = pair.kind == SecondChartKind::Synastry;
    const std::string firstLabel = synastry ? first.name : "Natal";
    text += "\n" + Padded("Point", kNameColumn) + Padded(firstLabel, kPositionColumn) +
            Padded(secondLabel, kPositionColumn) + "in " +
            (synastry ? first.name + "'s" : "natal") + " house\n";
    for (int point = 0; point < kAspectPointCount; ++point) {
        const auto position = [point](const Side &side) {
            return PositionWords(ChartPositionOf(side.longitude[point])) +
                   (side.retrograde[point] ? QStringLiteral(" R") : QString());
        };
        text += PaddedWord(BodyWord(point), kNameColumn) +
                PaddedWord(position(first), kPositionColumn) +
                PaddedWord(position(second), kPositionColumn) +
                (second.house[point] > 0 ? std::to_string(second.house[point]) : "") + "\n";
    }
    const auto whose = [synastry](const std::string &label) {
        return synastry ? label + "'s"
                        : std::string(1, char(std::tolower(label[0]))) + label.substr(1);
    };
    text += "\nAspects (" + whose(firstLabel) + " point, then " + whose(secondLabel) + " point; " +
            (synastry ? "orbs 8, 8, 7, 7 and 5 degrees, 2 more for the Sun and the Moon)\n"
                      : "orb 1 degree)\n");
    if (pair.aspects.empty())
        text += "none\n";
    for (const Aspect &aspect : pair.aspects)
        text += PaddedWord(BodyWord(aspect.A), kNameColumn) +
                PaddedWord(AspectWord(aspect.Kind), kAspectColumn) +
                PaddedWord(BodyWord(aspect.B), kNameColumn) + OrbText(aspect.Orb) +
                (aspect.Applying ? " applying\n" : " separating\n");
    return text;
}

} // namespace starloom::cli
