// Text and JSON of one reading.
#include "cli/reading_output.h"

#include "engine/zodiac.h"
#include "patterns/classify.h"
#include "patterns/degree_pattern.h"
#include "patterns/report.h"
#include "retrograde/retrograde.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace starloom::cli {

namespace {

constexpr int kNameColumn = 9;    // characters of the name column in the positions table
constexpr int kAspectColumn = 12; // characters of the aspect's name in the aspect list

// The text in UTF-8, into storage the string already has where it can.
void AssignUtf8(std::string &out, const QString &text) {
    out.clear();
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            const QByteArray utf8 = text.toUtf8();
            out.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
            return;
        }
        out += static_cast<char>(c.unicode());
    }
}

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
        bodies += body.toStdString();
    }
    return bodies;
}

// A mark for a value while the object's fixed text is taken: a control character, which
// no key holds.
constexpr const char *kValueMark = "\x01";

// Calls `visit` on every value of the object in the order the library writes them: plain
// values, and arrays that are empty (the pattern list, whose length varies).
template <typename Visit> void ForEachValue(Json &node, Visit &&visit) {
    if (node.is_object() || (node.is_array() && !node.empty())) {
        for (Json &child : node)
            ForEachValue(child, visit);
    } else {
        visit(node);
    }
}

} // namespace

ReadingJsonWriter::ReadingJsonWriter()
    : orb_(0.0),
      writer_(nlohmann::detail::output_adapter<char>(line_), ' ', Json::error_handler_t::replace),
      orbWriter_(nlohmann::detail::output_adapter<char>(aspectsText_), ' ',
                 Json::error_handler_t::replace) {
    Json bodies = Json::array();
    for (int body = 0; body < kBodyCount; ++body) {
        bodies.push_back(Json{{"name", ""},
                              {"position", ""},
                              {"sign", ""},
                              {"longitude", 0.0},
                              {"retrograde", false}});
    }
    Json cells = Json::array();
    for (int house = 0; house < kSignCount; ++house)
        cells.push_back("");
    // clang-format off
    json_ = Json{{"name", ""},
                 {"universal_time", ""},
                 {"positions", ""},
                 {"zone", Json{{"index", 0}, {"name", ""}, {"offset_minutes", 0}, {"dst", false}}},
                 {"bodies", bodies},
                 {"ascendant_sign", ""},
                 {"moon_sign", ""},
                 {"house_cells", cells},
                 {"patterns", Json::array()},
                 {"pattern_by_degrees", Json{{"name", ""},
                                             {"leading", Json::array()},
                                             {"empty_arc", Json{{"from", 0.0}, {"to", 0.0}}}}},
                 {"angles", Json{{"asc", 0.0}, {"mc", 0.0}}},
                 {"nodes", Json{{"north", 0.0}, {"south", 0.0}, {"kind", "mean"}}},
                 {"aspects", Json::array()}};
    // clang-format on
    // The object's shape never changes after this, so the places of its values hold.
    name_ = json_["name"].get_ptr<std::string *>();
    universalTime_ = json_["universal_time"].get_ptr<std::string *>();
    positions_ = json_["positions"].get_ptr<std::string *>();
    Json &zone = json_["zone"];
    zoneIndex_ = zone["index"].get_ptr<Json::number_integer_t *>();
    zoneName_ = zone["name"].get_ptr<std::string *>();
    zoneOffset_ = zone["offset_minutes"].get_ptr<Json::number_integer_t *>();
    zoneDst_ = zone["dst"].get_ptr<bool *>();
    for (int body = 0; body < kBodyCount; ++body) {
        Json &b = json_["bodies"][body];
        bodies_[body] = {b["name"].get_ptr<std::string *>(), b["position"].get_ptr<std::string *>(),
                         b["sign"].get_ptr<std::string *>(), b["longitude"].get_ptr<double *>(),
                         b["retrograde"].get_ptr<bool *>()};
    }
    ascendantSign_ = json_["ascendant_sign"].get_ptr<std::string *>();
    moonSign_ = json_["moon_sign"].get_ptr<std::string *>();
    for (int house = 0; house < kSignCount; ++house)
        houseCells_[house] = json_["house_cells"][house].get_ptr<std::string *>();
    patterns_ = &json_["patterns"];
    Json &byDegrees = json_["pattern_by_degrees"];
    degreePattern_ = byDegrees["name"].get_ptr<std::string *>();
    leading_ = &byDegrees["leading"];
    emptyArcFrom_ = byDegrees["empty_arc"]["from"].get_ptr<double *>();
    emptyArcTo_ = byDegrees["empty_arc"]["to"].get_ptr<double *>();
    asc_ = json_["angles"]["asc"].get_ptr<double *>();
    mc_ = json_["angles"]["mc"].get_ptr<double *>();
    northNode_ = json_["nodes"]["north"].get_ptr<double *>();
    southNode_ = json_["nodes"]["south"].get_ptr<double *>();
    nodeKind_ = json_["nodes"]["kind"].get_ptr<std::string *>();
    aspects_ = &json_["aspects"];

    // The fixed text: the object written with every value replaced by a mark that no key
    // holds, cut at the marks.
    ForEachValue(json_, [this](Json &value) { values_.push_back(&value); });
    Json shape = json_;
    ForEachValue(shape, [](Json &value) { value = kValueMark; });
    const std::string text = CompactJson(shape);
    const std::string mark = CompactJson(Json(kValueMark));
    std::size_t from = 0;
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, from)) {
        fragments_.push_back(text.substr(from, at - from));
        from = at + mark.size();
    }
    fragments_.push_back(text.substr(from));
    if (fragments_.size() != values_.size() + 1)
        throw std::logic_error("JSON writer: the object's text does not match its values");

    const auto placeOf = [this](const Json &value) {
        return static_cast<std::size_t>(std::find(values_.begin(), values_.end(), &value) -
                                        values_.begin());
    };
    for (int body = 0; body < kBodyCount; ++body) {
        Json &b = json_["bodies"][body];
        bodyPlaces_[body] = {placeOf(b["name"]), placeOf(b["sign"]), placeOf(b["retrograde"])};
        bodyNameTexts_[body] = CompactJson(Json(std::string(kPlainBodyNames[body])));
    }
    ascendantSignAt_ = placeOf(json_["ascendant_sign"]);
    moonSignAt_ = placeOf(json_["moon_sign"]);
    patternsAt_ = placeOf(json_["patterns"]);
    aspectsAt_ = placeOf(json_["aspects"]);
    // One aspect's object cut before each value that is not from a short list: the second
    // point, the kind, the orb and the flag.
    {
        const Json sample = Json::array({Json{{"a", kValueMark},
                                              {"b", kValueMark},
                                              {"aspect", kValueMark},
                                              {"orb", kValueMark},
                                              {"applying", kValueMark}}});
        const std::string mark = CompactJson(Json(kValueMark));
        std::vector<std::string> pieces;
        const std::string text = CompactJson(sample).substr(1); // without the list's "["
        std::size_t from = 0;
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, from)) {
            pieces.push_back(text.substr(from, at - from));
            from = at + mark.size();
        }
        pieces.push_back(text.substr(from, text.size() - from - 1)); // without the "]"
        if (pieces.size() != 6)
            throw std::logic_error("JSON writer: an aspect's text does not match its values");
        for (int point = 0; point < kAspectPointCount; ++point) {
            const std::string name = CompactJson(Json(std::string(kAspectPointNames[point])));
            aspectFirstTexts_[point] = pieces[0] + name + pieces[1];
            aspectSecondTexts_[point] = name + pieces[2];
        }
        for (int kind = 0; kind < kAspectKindCount; ++kind)
            aspectKindTexts_[kind] = CompactJson(Json(std::string(kAspectNames[kind]))) + pieces[3];
        for (const bool flag : {false, true})
            aspectEndTexts_[flag ? 1 : 0] = pieces[4] + CompactJson(Json(flag)) + pieces[5];
    }
    for (int sign = 0; sign < kSignCount; ++sign)
        signTexts_[sign] = CompactJson(Json(std::string(kSignFullNames[sign])));
    signTexts_[kSignCount] = CompactJson(Json(std::string()));
    flagTexts_ = {CompactJson(Json(false)), CompactJson(Json(true))};
    knownText_.assign(values_.size(), nullptr);
    for (unsigned set = 0; set < (1U << kPatternCount); ++set) {
        Json list = Json::array();
        for (int slot = 0; slot < kPatternCount; ++slot) {
            if ((set & (1U << slot)) != 0)
                list.push_back(std::string(PatternTable[slot].Name));
        }
        patternListTexts_.push_back(CompactJson(list));
    }
}

void ReadingJsonWriter::appendLine(std::string &out) {
    line_.clear();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        line_ += fragments_[i];
        if (knownText_[i] != nullptr)
            line_ += *knownText_[i];
        else
            writer_.dump(*values_[i], false, false, 0);
    }
    // The object's last fragment closes it; the optional members go in before that.
    const std::string &last = fragments_.back();
    line_.append(last, 0, last.size() - 1);
    for (const auto &[key, value] : optional_.items()) {
        line_ += ',';
        writer_.dump(Json(key), false, false, 0);
        line_ += ':';
        writer_.dump(value, false, false, 0);
    }
    line_ += last.back();
    line_ += '\n';
    out += line_;
}

const std::string *ReadingJsonWriter::signText(const std::string &name) const {
    if (name.empty())
        return &signTexts_[kSignCount];
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (name == kSignFullNames[sign])
            return &signTexts_[sign];
    }
    return nullptr;
}

const Json &ReadingJsonWriter::fill(const ReadingState &state, const ReadingOutcome &outcome,
                                    const ZoneUsed &zone) {
    fillForLine(state, outcome, zone);
    aspects_->clear();
    for (const Aspect &aspect : outcome.Aspects) {
        aspects_->push_back(
            Json{{"a", std::string(kAspectPointNames[aspect.A])},
                 {"b", std::string(kAspectPointNames[aspect.B])},
                 {"aspect", std::string(kAspectNames[static_cast<int>(aspect.Kind)])},
                 {"orb", aspect.Orb},
                 {"applying", aspect.Applying}});
    }
    return json_;
}

void ReadingJsonWriter::fillForLine(const ReadingState &state, const ReadingOutcome &outcome,
                                    const ZoneUsed &zone) {
    const ChartPositions &chart = state.Chart;
    *name_ = state.Birth.BirthName;
    *universalTime_ = IsoMinute(chart.UniversalTime);
    positions_->assign(PositionMethodName(chart.Method));
    *zoneIndex_ = zone.position;
    AssignUtf8(*zoneName_, ZoneEntryName(zone.position));
    *zoneOffset_ = ZoneOffsetMinutesEast(state.Birth);
    *zoneDst_ = state.Birth.DstFlag;
    optional_.clear();
    if (zone.source != nullptr && zone.source->place) {
        const AtlasPlace &place = *zone.source->place;
        optional_["place"] = Json{
            {"name", place.name.toStdString()},       {"state", place.state.toStdString()},
            {"country", place.country.toStdString()}, {"latitude", place.latitude},
            {"longitude", place.longitude},           {"time_zone", place.timeZone.toStdString()}};
    }
    if (zone.source != nullptr && !zone.source->timeNote.isEmpty())
        optional_["time_note"] = zone.source->timeNote.toStdString();
    for (int body = 0; body < kBodyCount; ++body) {
        const BodyValues &b = bodies_[body];
        const BodyPlaces &at = bodyPlaces_[body];
        *b.name = chart.ChartBodyNames[body];
        knownText_[at.name] = *b.name == kPlainBodyNames[body] ? &bodyNameTexts_[body] : nullptr;
        *b.position = chart.PositionText[body];
        const int sign = SignOfPositionText(chart.PositionText[body]);
        b.sign->assign(sign >= 0 ? kSignFullNames[sign] : std::string_view());
        knownText_[at.sign] = &signTexts_[sign >= 0 ? sign : kSignCount];
        *b.longitude = chart.Longitude[body];
        *b.retrograde = IsRetrogradeBody(state.Retro, body);
        knownText_[at.retrograde] = &flagTexts_[*b.retrograde ? 1 : 0];
    }
    // The report window's hidden labels: the ascendant's sign (empty on a fresh window when
    // the text names none) and the Moon's.
    AssignUtf8(*ascendantSign_, AscendantSignName(chart.AscendantText));
    knownText_[ascendantSignAt_] = signText(*ascendantSign_);
    *moonSign_ = chart.MoonSignName;
    knownText_[moonSignAt_] = signText(*moonSign_);
    for (int house = 0; house < kSignCount; ++house)
        AssignUtf8(*houseCells_[house], outcome.Wheel.HouseCell[house]);
    unsigned set = 0;
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (outcome.Patterns.Work.PatternFlags[slot])
            set |= 1U << slot;
    }
    if (set != patternSet_ || patterns_->empty()) {
        patterns_->clear();
        for (int slot = 0; slot < kPatternCount; ++slot) {
            if ((set & (1U << slot)) != 0)
                patterns_->push_back(std::string(PatternTable[slot].Name));
        }
        patternSet_ = set;
    }
    knownText_[patternsAt_] = &patternListTexts_[set];

    const DegreeShape &shape = outcome.PatternsByDegrees;
    degreePattern_->assign(DegreePatternName(shape.Pattern));
    leading_->clear();
    for (int i = 0; i < shape.LeadingCount; ++i)
        leading_->push_back(std::string(kPlainBodyNames[shape.Leading[i]]));
    *emptyArcFrom_ = shape.EmptyArcFrom;
    *emptyArcTo_ = shape.EmptyArcTo;
    *asc_ = chart.Longitude[kAscBody];
    *mc_ = chart.Midheaven;
    *northNode_ = chart.NorthNode;
    *southNode_ = chart.SouthNode;
    nodeKind_->assign(NodeKindName(chart.Nodes));
    aspectsText_.assign(1, '[');
    for (const Aspect &aspect : outcome.Aspects) {
        if (aspectsText_.size() > 1)
            aspectsText_ += ',';
        aspectsText_ += aspectFirstTexts_[aspect.A];
        aspectsText_ += aspectSecondTexts_[aspect.B];
        aspectsText_ += aspectKindTexts_[static_cast<int>(aspect.Kind)];
        orb_ = aspect.Orb;
        orbWriter_.dump(orb_, false, false, 0);
        aspectsText_ += aspectEndTexts_[aspect.Applying ? 1 : 0];
    }
    aspectsText_ += ']';
    knownText_[aspectsAt_] = &aspectsText_;
}

Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone) {
    ReadingJsonWriter writer;
    Json json = writer.fill(state, outcome, zone);
    for (const auto &[key, value] : writer.optionalMembers().items())
        json[key] = value;
    return json;
}

std::string CompactJson(const Json &json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string ReadingText(const ReadingState &state, const ReadingOutcome &outcome,
                        const ZoneUsed &zone) {
    std::string text;
    for (const std::string &line :
         BirthDetailLines(state.Birth, EnglishMonthName(state.Birth.BirthMonth)))
        text += line + '\n';
    const bool fromAtlas =
        zone.source != nullptr && zone.source->place && zone.source->zoneFromAtlas;
    text += TimeUsedLine(state.Chart.UniversalTime, zone.position, state.Birth.DstFlag,
                         ZoneOffsetMinutesEast(state.Birth),
                         fromAtlas ? zone.source->place->timeZone : QString())
                .toStdString() +
            '\n';

    text += "\nPlanetary Positions\n";
    for (int body = 0; body < kBodyCount; ++body) {
        std::string name(kPlainBodyNames[body]);
        name.resize(kNameColumn, ' ');
        text += name + state.Chart.PositionText[body] + '\n';
    }

    const ChartPositions &chart = state.Chart;
    const std::string kind = " (" + std::string(NodeKindName(chart.Nodes)) + ")";
    text += "\nMidheaven and Lunar Nodes\n";
    text += "MC          " + chart.MidheavenText + '\n';
    text += "North Node  " + chart.NorthNodeText + kind + '\n';
    text += "South Node  " + chart.SouthNodeText + kind + '\n';

    text += "\nHouses\n";
    const WheelArrangement &wheel = outcome.Wheel;
    for (int house = 0; house < kSignCount; ++house) {
        const int sign = (wheel.AscSignIndex + house) % kSignCount;
        text += (house < 9 ? " " : "") + std::to_string(house + 1) + " " +
                std::string(kSignFullNames[sign]) + ":";
        const std::string bodies = HouseBodies(wheel.HouseCell[house]);
        if (!bodies.empty())
            text += " " + bodies;
        text += '\n';
    }

    text += "\nAspects\n";
    if (outcome.Aspects.empty())
        text += "none\n";
    for (const Aspect &aspect : outcome.Aspects) {
        std::string first(kAspectPointNames[aspect.A]);
        first.resize(kNameColumn, ' ');
        std::string kindName(kAspectNames[static_cast<int>(aspect.Kind)]);
        kindName.resize(kAspectColumn, ' ');
        std::string second(kAspectPointNames[aspect.B]);
        second.resize(kNameColumn, ' ');
        text += first + kindName + second + OrbText(aspect.Orb) +
                (aspect.Applying ? " applying\n" : " separating\n");
    }

    text += "\nInterpretation\n";
    text += UnixLineEnds(ReportPlainText(outcome.Patterns.Runs));
    text += ShapeByDegreesLine(outcome.PatternsByDegrees) + '\n';
    return text;
}

std::string ShapeByDegreesLine(const DegreeShape &shape) {
    const auto position = [](double longitude) {
        return FormatChartPosition(FormatZodiacDMS(longitude));
    };
    std::string leading = "no leading planet";
    if (shape.LeadingCount > 0) {
        leading = "led by " + std::string(kPlainBodyNames[shape.Leading[0]]);
        if (shape.LeadingCount == 2)
            leading += " and " + std::string(kPlainBodyNames[shape.Leading[1]]);
    }
    // Tenths of a degree written by hand: the C library's formatting follows the locale.
    const long long tenths = std::llround(shape.EmptyArcSize * 10.0);
    const std::string size = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return "Pattern by degrees: " + std::string(DegreePatternName(shape.Pattern)) + ", " + leading +
           " (largest empty arc " + size + " degrees, from " + position(shape.EmptyArcFrom) +
           " to " + position(shape.EmptyArcTo) + ")";
}

std::string OrbText(double orb) {
    const int minutes = static_cast<int>(std::floor(std::fabs(orb) * 60.0));
    const int part = minutes % 60;
    return std::to_string(minutes / 60) + "\u00b0" + (part < 10 ? "0" : "") + std::to_string(part) +
           "'";
}

std::string_view NodeKindName(NodeKind kind) {
    return kind == NodeKind::True ? "true" : "mean";
}

} // namespace starloom::cli
