// Text and JSON of one reading.
#include "cli/reading_output.h"

#include "cli/cli_text.h"

#include "engine/zodiac.h"
#include "patterns/classify.h"
#include "patterns/degree_pattern.h"
#include "patterns/report.h"
#include "reading/chart_words.h"
#include "retrograde/retrograde.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace starloom::cli {

namespace {

constexpr int kNameColumn = 9;    // characters of the name column in the positions table
constexpr int kAspectColumn = 12; // characters of the aspect's name in the aspect list

bool IsRetrogradeBody(const RetrogradeState &retro, int body) {
    const int planet = body - kFirstPlanetBody;
    return planet >= 0 && planet < kRetroPlanetCount && retro.RetroFlags[planet];
}

// "1990-05-01T12:00Z"; the engine's years are 1900 to 2051.
std::string IsoMinute(const CivilDateTime &t) {
    std::string text = "0000-00-00T00:00Z";
    const auto put = [&text](std::size_t at, std::size_t width, int value) {
        for (std::size_t i = at + width; i-- > at; value /= 10)
            text[i] = static_cast<char>('0' + value % 10);
    };
    put(0, 4, t.year);
    put(5, 2, t.month);
    put(8, 2, t.day);
    put(11, 2, t.hour);
    put(14, 2, t.minute);
    return text;
}

// CR LF (and a lone CR) to LF, for a terminal.
std::string UnixLineEnds(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The bodies of a house cell, one per line in the cell, joined by commas; a retrograde
// mark keeps its letters but not its closing blank.
std::string HouseBodies(const QString &cell) {
    std::string bodies;
    for (const QString &line : cell.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (!bodies.empty())
            bodies += ", ";
        QString body = line;
        while (body.endsWith(QLatin1Char(' ')))
            body.chop(1);
        bodies += MarkedBodyWord(body.toStdString()).toStdString();
    }
    return bodies;
}

// The full name of the sign a chart-form position text names, or the empty text.
std::string_view SignOfPosition(const std::string &positionText) {
    const int sign = SignOfPositionText(positionText);
    return sign >= 0 ? kSignFullNames[sign] : std::string_view();
}

// The eight lines of the person's details, as the text export words them (with the
// directions' letters) in English and in the chosen language's words otherwise; the date as
// that language writes it.
std::string DetailLines(const BirthData &birth) {
    const auto number = [](int value) { return QString::number(value); };
    const QDate date(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
    const QLocale locale = NumberLocale();
    //: The date of birth's format (QDate::toString): MMMM the month's name, d the day, yyyy
    //: the year, e.g. "d. MMMM yyyy" for "1. Mai 1990".
    const QString dateText = locale.toString(date, CliOutput::tr("MMMM d, yyyy"));
    const QString lines[] = {
        CliOutput::tr("Name: %1").arg(QString::fromStdString(birth.BirthName)),
        CliOutput::tr("Date of Birth: %1").arg(dateText),
        CliOutput::tr("Time of Birth: %1 Hour %2 Minute")
            .arg(number(birth.BirthHour), number(birth.BirthMinute)),
        CliOutput::tr("Latitude: %1 Degree %2 Minute %3")
            .arg(number(birth.LatDegrees), number(birth.LatMinutes),
                 birth.LatDirFlag ? CliOutput::tr("N", "north") : CliOutput::tr("S", "south")),
        CliOutput::tr("Longitude: %1 Degree %2 Minute %3")
            .arg(number(birth.LonDegrees), number(birth.LonMinutes),
                 birth.LonDirFlag ? CliOutput::tr("E", "east") : CliOutput::tr("W", "west")),
        CliOutput::tr("City: %1").arg(QString::fromStdString(birth.BirthCity)),
        CliOutput::tr("State: %1").arg(QString::fromStdString(birth.BirthState)),
        CliOutput::tr("Country: %1").arg(QString::fromStdString(birth.BirthCountry)),
    };
    std::string text;
    for (const QString &line : lines)
        text += Utf8(line) + '\n';
    return text;
}

// A note under a heading: "Note: ...".
std::string NoteLine(const std::string &note) {
    return Utf8(CliOutput::tr("Note: %1").arg(QString::fromStdString(note))) + '\n';
}

} // namespace

Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone) {
    const ChartPositions &chart = state.Chart;
    const BirthData &birth = state.Birth;
    Json bodies = Json::array();
    for (int body = 0; body < kBodyCount; ++body) {
        bodies.push_back(Json{{"name", chart.ChartBodyNames[body]},
                              {"position", chart.PositionText[body]},
                              {"sign", std::string(SignOfPosition(chart.PositionText[body]))},
                              {"longitude", chart.Longitude[body]},
                              {"retrograde", IsRetrogradeBody(state.Retro, body)},
                              {"house", outcome.Chart.Bodies[body].House}});
    }
    const HouseCusps &cusps = outcome.Chart.Houses;
    Json houses = {{"system", std::string(HouseSystemName(cusps.used))},
                   {"cusps", Json(cusps.cusps)}};
    if (const std::string note = HousesNote(outcome.Chart); !note.empty())
        houses["note"] = note;
    Json cells = Json::array();
    for (const QString &cell : outcome.Wheel.HouseCell)
        cells.push_back(cell.toStdString());
    Json patterns = Json::array();
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (outcome.Patterns.Work.PatternFlags[slot])
            patterns.push_back(std::string(PatternTable[slot].Name));
    }
    const DegreeShape &shape = outcome.PatternsByDegrees;
    Json leading = Json::array();
    for (int i = 0; i < shape.LeadingCount; ++i)
        leading.push_back(std::string(kPlainBodyNames[shape.Leading[i]]));
    Json aspects = Json::array();
    for (const Aspect &aspect : outcome.Aspects) {
        aspects.push_back(Json{{"a", std::string(kAspectPointNames[aspect.A])},
                               {"b", std::string(kAspectPointNames[aspect.B])},
                               {"aspect", std::string(kAspectNames[static_cast<int>(aspect.Kind)])},
                               {"orb", aspect.Orb},
                               {"applying", aspect.Applying}});
    }
    // clang-format off
    Json json = {
        {"name", birth.BirthName},
        {"universal_time", IsoMinute(chart.UniversalTime)},
        {"positions", std::string(PositionMethodName(chart.Method))},
        {"zone", Json{{"index", zone.position},
                      {"name", ZoneEntryName(zone.position).toStdString()},
                      {"offset_minutes", ZoneOffsetMinutesEast(birth)},
                      {"dst", birth.DstFlag}}},
        {"bodies", std::move(bodies)},
        {"ascendant_sign", std::string(SignNameOfText(chart.AscendantText))},
        {"moon_sign", chart.MoonSignName},
        {"house_cells", std::move(cells)},
        {"patterns", std::move(patterns)},
        {"houses", std::move(houses)},
        {"pattern_by_degrees", Json{{"name", std::string(DegreePatternName(shape.Pattern))},
                                    {"leading", std::move(leading)},
                                    {"empty_arc", Json{{"from", shape.EmptyArcFrom},
                                                       {"to", shape.EmptyArcTo}}}}},
        {"angles", Json{{"asc", chart.Longitude[kAscBody]}, {"mc", chart.Midheaven}}},
        {"nodes", Json{{"north", chart.NorthNode},
                       {"south", chart.SouthNode},
                       {"kind", std::string(NodeKindName(chart.Nodes))}}},
        {"aspects", std::move(aspects)}};
    // clang-format on
    if (const std::string note = PositionsNote(outcome.Chart); !note.empty())
        json["positions_note"] = note;
    if (zone.source != nullptr && zone.source->place) {
        const AtlasPlace &place = *zone.source->place;
        json["place"] = Json{
            {"name", place.name.toStdString()},       {"state", place.state.toStdString()},
            {"country", place.country.toStdString()}, {"latitude", place.latitude},
            {"longitude", place.longitude},           {"time_zone", place.timeZone.toStdString()}};
    }
    if (zone.source != nullptr && !zone.source->timeNote.isEmpty())
        json["time_note"] = zone.source->timeNote.toStdString();
    return json;
}

std::string CompactJson(const Json &json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string ReadingText(const ReadingState &state, const ReadingOutcome &outcome,
                        const ZoneUsed &zone) {
    std::string text = DetailLines(state.Birth);
    const bool fromAtlas =
        zone.source != nullptr && zone.source->place && zone.source->zoneFromAtlas;
    ZoneSource source;
    if (fromAtlas)
        source = {ZoneSource::Kind::Atlas, zone.source->place->timeZone};
    text += TimeUsedLine(state.Chart.UniversalTime, zone.position, state.Birth.DstFlag,
                         ZoneOffsetMinutesEast(state.Birth), source)
                .toStdString() +
            '\n';

    const NatalChart &natal = outcome.Chart;
    if (const QString note = PositionsNoteWords(natal); !note.isEmpty())
        text += NoteLine(note.toStdString());

    text += '\n' + Utf8(CliOutput::tr("Planetary Positions")) + '\n';
    for (int body = 0; body < kBodyCount; ++body) {
        text += PaddedColumn(BodyWord(body), kNameColumn) +
                PositionWords(state.Chart.PositionText[body]).toStdString() + "  " +
                Utf8(CliOutput::tr("house %1").arg(natal.Bodies[body].House)) + '\n';
    }

    const ChartPositions &chart = state.Chart;
    constexpr int kNodeColumn = 12; // characters of the angle's and nodes' names
    const std::string kind =
        " (" +
        Utf8(chart.Nodes == NodeKind::True ? CliOutput::tr("true", "the lunar nodes' kind")
                                           : CliOutput::tr("mean", "the lunar nodes' kind")) +
        ")";
    text += '\n' + Utf8(CliOutput::tr("Midheaven and Lunar Nodes")) + '\n';
    text += PaddedColumn(CliOutput::tr("MC", "midheaven"), kNodeColumn) +
            PositionWords(chart.MidheavenText).toStdString() + '\n';
    text += PaddedColumn(CliOutput::tr("North Node"), kNodeColumn) +
            PositionWords(chart.NorthNodeText).toStdString() + kind + '\n';
    text += PaddedColumn(CliOutput::tr("South Node"), kNodeColumn) +
            PositionWords(chart.SouthNodeText).toStdString() + kind + '\n';

    const QString houseSystem = HouseSystemWord(natal.Houses.used);
    text += '\n' + Utf8(CliOutput::tr("Houses (%1)").arg(houseSystem)) + '\n';
    if (const QString note = HousesNoteWords(natal); !note.isEmpty())
        text += NoteLine(note.toStdString());
    const WheelArrangement &wheel = outcome.Wheel;
    for (int house = 0; house < kSignCount; ++house) {
        // Whole-sign houses are named by their signs, the others by their cusps.
        const std::string cusp =
            natal.Houses.used == HouseSystem::WholeSign
                ? SignWord((wheel.AscSignIndex + house) % kSignCount).toStdString()
                : PositionWords(ChartPositionOf(natal.Houses.cusps[house])).toStdString();
        text += (house < 9 ? " " : "") + std::to_string(house + 1) + " " + cusp + ":";
        const std::string bodies = HouseBodies(wheel.HouseCell[house]);
        if (!bodies.empty())
            text += " " + bodies;
        text += '\n';
    }

    text += '\n' + Utf8(CliOutput::tr("Aspects")) + '\n';
    if (outcome.Aspects.empty())
        text += Utf8(CliOutput::tr("none", "no aspects")) + '\n';
    for (const Aspect &aspect : outcome.Aspects) {
        text += PaddedColumn(BodyWord(aspect.A), kNameColumn) +
                PaddedColumn(AspectWord(aspect.Kind), kAspectColumn) +
                PaddedColumn(BodyWord(aspect.B), kNameColumn) + OrbText(aspect.Orb) +
                MotionText(aspect) + '\n';
    }

    text += '\n' + Utf8(CliOutput::tr("Interpretation")) + '\n';
    text += UnixLineEnds(ReportPlainText(PatternReportWords(outcome.Patterns.Work.PatternFlags)));
    text += ShapeByDegreesLine(outcome.PatternsByDegrees) + '\n';
    return text;
}

std::string ShapeByDegreesLine(const DegreeShape &shape) {
    const auto position = [](double longitude) {
        return PositionWords(FormatChartPosition(FormatZodiacDMS(longitude))).toStdString();
    };
    const auto planet = [&shape](int i) { return BodyWord(shape.Leading[i]); };
    QString leading = CliOutput::tr("no leading planet");
    if (shape.LeadingCount == 1)
        leading = CliOutput::tr("led by %1").arg(planet(0));
    else if (shape.LeadingCount == 2)
        leading = CliOutput::tr("led by %1 and %2").arg(planet(0), planet(1));
    // Tenths of a degree, rounded as before the locale was asked: half away from zero.
    const QString size =
        NumberLocale().toString(std::llround(shape.EmptyArcSize * 10.0) / 10.0, 'f', 1);
    const QString pattern = DegreePatternWord(shape.Pattern);
    return Utf8(
        CliOutput::tr("Pattern by degrees: %1, %2 (largest empty arc %3 degrees, from %4 to "
                      "%5)")
            .arg(pattern, leading, size, QString::fromStdString(position(shape.EmptyArcFrom)),
                 QString::fromStdString(position(shape.EmptyArcTo))));
}

std::string OrbText(double orb) {
    const int minutes = static_cast<int>(std::floor(std::fabs(orb) * 60.0));
    const int part = minutes % 60;
    return std::to_string(minutes / 60) + "\u00b0" + (part < 10 ? "0" : "") + std::to_string(part) +
           "'";
}

std::string MotionText(const Aspect &aspect) {
    return ' ' + Utf8(aspect.Applying ? CliOutput::tr("applying") : CliOutput::tr("separating"));
}

std::string_view NodeKindName(NodeKind kind) {
    return kind == NodeKind::True ? "true" : "mean";
}

} // namespace starloom::cli
