// Transit events, progressions, directions and synastry as the tool prints them.
#include "cli/second_chart_output.h"

#include "cli/cli_text.h"

#include "engine/angles.h"
#include "engine/civil_days.h"
#include "engine/precise.h"
#include "engine/tables.h"
#include "reading/chart_words.h"

#include <QDateTime>

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

// "2024-04-01 22:15" as the chosen language writes a date and time, for the text forms.
std::string DateTimeText(const CivilDateTime &t) {
    // In UTC: a local time zone would move a time its clocks skipped.
    const QDateTime moment(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute), Qt::UTC);
    //: The format of a date and time of universal time in the text output (QDateTime::
    //: toString), e.g. "dd.MM.yyyy HH:mm" for "01.04.2024 22:15".
    return Utf8(NumberLocale().toString(moment, CliOutput::tr("yyyy-MM-dd HH:mm")));
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

// Degrees with two decimals (rounded half away from zero, never "-0.00"), as the chosen
// language writes them.
std::string Degrees(double value) {
    return Utf8(
        NumberLocale().toString(static_cast<double>(std::llround(value * 100.0)) / 100.0, 'f', 2));
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

// What the second chart's column is called in the text (synastry: the second person's name).
QString SecondLabel(const ChartPair &pair) {
    switch (pair.kind) {
    case SecondChartKind::Progressions:
        return CliOutput::tr("Progressed");
    case SecondChartKind::Directions:
        return CliOutput::tr("Directed");
    case SecondChartKind::Transits:
        return CliOutput::tr("Transiting");
    case SecondChartKind::Synastry:
        break;
    }
    return QString::fromStdString(pair.secondName);
}

// The heading of the cross aspects: whose point comes first, and the orbs.
QString AspectsHeading(const ChartPair &pair) {
    switch (pair.kind) {
    case SecondChartKind::Progressions:
        return CliOutput::tr("Aspects (natal point, then progressed point; orb 1 degree)");
    case SecondChartKind::Directions:
        return CliOutput::tr("Aspects (natal point, then directed point; orb 1 degree)");
    case SecondChartKind::Transits:
        return CliOutput::tr("Aspects (natal point, then transiting point; orb 1 degree)");
    case SecondChartKind::Synastry:
        break;
    }
    return CliOutput::tr("Aspects (%1's point, then %2's point; orbs 8, 8, 7, 7 and 5 degrees, "
                         "2 more for the Sun and the Moon)")
        .arg(QString::fromStdString(pair.firstName), QString::fromStdString(pair.secondName));
}

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

std::string PreciseSpanText() {
    // The first midnight in the table and the last day that ends in it (J2000.0 is a noon).
    const double first = std::ceil(PreciseFirstDay() - 0.5) + 0.5;
    const double last = std::floor(PreciseLastDay() - 0.5) + 0.5 - 1.0;
    const std::string from = MinuteText(NearestMinute(first), false);
    const std::string to = MinuteText(NearestMinute(last), false);
    return Utf8(CliOutput::tr("%1 to %2").arg(Text(from.substr(0, 10)), Text(to.substr(0, 10))));
}

bool ParseUniversalMoment(std::string_view text, bool endOfDay, double &day, std::string &error) {
    CivilDateTime t;
    const bool withTime = text.size() == 16 && text[10] == 'T' && text[13] == ':';
    const bool shaped = (text.size() == 10 || withTime) && text[4] == '-' && text[7] == '-';
    if (!shaped || !ReadNumber(text.substr(0, 4), 4, t.year) ||
        !ReadNumber(text.substr(5, 2), 2, t.month) || !ReadNumber(text.substr(8, 2), 2, t.day) ||
        (withTime && (!ReadNumber(text.substr(11, 2), 2, t.hour) ||
                      !ReadNumber(text.substr(14, 2), 2, t.minute)))) {
        error = Utf8(CliMessages::tr("'%1' is not a date YYYY-MM-DD or YYYY-MM-DDTHH:MM")
                         .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
        return false;
    }
    if (t.year < kFirstYear || t.year > kLastYear || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59) {
        error = Utf8(CliMessages::tr("'%1' is not a day of the calendar")
                         .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
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
        DateTimeText(t) + " UT  " + PaddedColumn(TransitBodyWord(event.Body), kBodyColumn);
    switch (event.Kind) {
    case TransitEventKind::Aspect:
        line += PaddedColumn(AspectWord(event.Aspect), kAspectColumn) +
                Utf8(CliOutput::tr("natal %1").arg(BodyWord(event.NatalPoint)));
        break;
    case TransitEventKind::Station:
        line +=
            Utf8(event.Direction == StationDirection::Retrograde ? CliOutput::tr("turns retrograde")
                                                                 : CliOutput::tr("turns direct"));
        break;
    case TransitEventKind::Ingress:
        line += Utf8(event.Sign >= 0 ? CliOutput::tr("enters %1").arg(SignWord(event.Sign))
                                     : CliOutput::tr("enters house %1").arg(event.House));
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
    const QString firstName = Text(first.name);
    const QString secondName = Text(second.name);
    const QString born = Text(DateTimeText(first.time));
    const QString secondTime = Text(DateTimeText(second.time));
    const QString date = Text(DateTimeText(NearestMinute(pair.targetDay)));
    const QString arc = Text(Degrees(pair.second.Arc));
    QString heading;
    switch (pair.kind) {
    case SecondChartKind::Progressions:
        heading = CliOutput::tr("Secondary progressions of %1 to %2 UT\n"
                                "Born %3 UT; progressed moment %4 UT, one day for each year of "
                                "life\n"
                                "Midheaven moved by the solar arc in right ascension: %5 degrees")
                      .arg(firstName, date, born, secondTime, arc);
        break;
    case SecondChartKind::Directions:
        heading = CliOutput::tr("Solar arc directions of %1 to %2 UT\n"
                                "Born %3 UT; solar arc %4 degrees, the progressed Sun's at %5 UT")
                      .arg(firstName, date, born, arc, secondTime);
        break;
    case SecondChartKind::Transits:
        heading = CliOutput::tr("Transits to %1 at %2 UT").arg(firstName, secondTime);
        break;
    case SecondChartKind::Synastry:
        heading = CliOutput::tr("Synastry of %1 and %2\n"
                                "%1: born %3 UT; %2: born %4 UT")
                      .arg(firstName, secondName, born, secondTime);
        break;
    }
    std::string text = Utf8(heading) + "\n";
    const bool synastry = pair.kind == SecondChartKind::Synastry;
    // A person's name is padded as it stands; the words of the chosen language by characters.
    const auto label = [synastry](const std::string &name, const QString &word) {
        return synastry ? Padded(name, kPositionColumn) : PaddedColumn(word, kPositionColumn);
    };
    text += "\n" + PaddedColumn(CliOutput::tr("Point"), kNameColumn) +
            label(first.name, CliOutput::tr("Natal")) + label(second.name, SecondLabel(pair)) +
            Utf8(synastry ? CliOutput::tr("in %1's house").arg(firstName)
                          : CliOutput::tr("in natal house")) +
            "\n";
    for (int point = 0; point < kAspectPointCount; ++point) {
        const auto position = [point](const Side &side) {
            return PositionWords(ChartPositionOf(side.longitude[point])) +
                   (side.retrograde[point] ? QStringLiteral(" R") : QString());
        };
        text += PaddedColumn(BodyWord(point), kNameColumn) +
                PaddedColumn(position(first), kPositionColumn) +
                PaddedColumn(position(second), kPositionColumn) +
                (second.house[point] > 0 ? std::to_string(second.house[point]) : "") + "\n";
    }
    text += "\n" + Utf8(AspectsHeading(pair)) + "\n";
    if (pair.aspects.empty())
        text += Utf8(CliOutput::tr("none", "no aspects")) + "\n";
    for (const Aspect &aspect : pair.aspects)
        text += PaddedColumn(BodyWord(aspect.A), kNameColumn) +
                PaddedColumn(AspectWord(aspect.Kind), kAspectColumn) +
                PaddedColumn(BodyWord(aspect.B), kNameColumn) + OrbText(aspect.Orb) +
                MotionText(aspect) + "\n";
    return text;
}

} // namespace starloom::cli
