// The batch's JSON lines, written in place from the chart of numbers.
#include "cli/reading_output.h"

#include "cli/line_writer.h"

#include "engine/houses.h"
#include "engine/tables.h"
#include "patterns/pattern_table.h"
#include "retrograde/retrograde.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace starloom::cli {

namespace {

constexpr std::size_t kEscapedBytesPerByte = 6; // "\u001f"

// A JSON line: the writer's parts, numbers (null for NaN and the infinities, the library's
// choice too) and JSON strings.
class Line : public LineWriter {
public:
    using LineWriter::LineWriter;
    using LineWriter::number;

    void number(double value) { LineWriter::number(value, "null"); }
    void finish() { LineWriter::finish("\n"); }

    // A number's text as written, to be written again: the pattern's empty arc runs from
    // and to planets' longitudes and the ascendant's is written twice, so those texts are
    // copied rather than worked out anew. Only the same double (bit for bit) is copied. The
    // place of the text in the buffer is kept, not its bytes: bytes read back right after
    // they were stored would wait for the stores.
    struct Kept {
        std::uint64_t bits = 0;
        std::size_t offset = 0;
        std::size_t size = 0;
    };
    void number(double value, Kept &kept) {
        char *const start = at();
        number(value);
        kept.bits = std::bit_cast<std::uint64_t>(value);
        kept.offset = static_cast<std::size_t>(start - base());
        kept.size = static_cast<std::size_t>(at() - start);
    }
    template <std::size_t N> void numberAgain(double value, const std::array<Kept, N> &kept) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (const Kept &k : kept) {
            if (k.bits == bits) {
                // Written with room for the longest number after it, and long before here.
                std::memcpy(at(), base() + k.offset, kShortestDoubleBytes);
                at() += k.size;
                return;
            }
        }
        number(value);
    }

    // A JSON string as the library writes it with its replacement of bad UTF-8: quotes,
    // backslashes and control characters escaped, everything else as it is. A part's room
    // is left after it.
    void text(std::string_view value) {
        need(kEscapedBytesPerByte * value.size() + 2 + kPartBytes);
        put('"');
        if (!Escape(value)) {
            // Not UTF-8: the library decides what replaces what.
            const std::string dumped =
                Json(std::string(value)).dump(-1, ' ', false, Json::error_handler_t::replace);
            need(dumped.size() + kPartBytes);
            put(dumped);
            return;
        }
        put('"');
    }

private:
    // Writes the text escaped; false, with nothing kept, when it is not valid UTF-8.
    bool Escape(std::string_view value) {
        char *&cursor = at();
        char *const start = cursor;
        const auto *bytes = reinterpret_cast<const unsigned char *>(value.data());
        const std::size_t size = value.size();
        for (std::size_t i = 0; i < size;) {
            const unsigned char c = bytes[i];
            if (c >= 0x80) {
                const std::size_t length = Utf8SequenceLength(bytes + i, size - i);
                if (length == 0) {
                    cursor = start - 1; // the opening quote too
                    return false;
                }
                std::memcpy(cursor, bytes + i, length);
                cursor += length;
                i += length;
                continue;
            }
            ++i;
            if (c >= 0x20 && c != '"' && c != '\\') {
                *cursor++ = static_cast<char>(c);
                continue;
            }
            *cursor++ = '\\';
            switch (c) {
            case '"':
            case '\\':
                *cursor++ = static_cast<char>(c);
                break;
            case '\b':
                *cursor++ = 'b';
                break;
            case '\f':
                *cursor++ = 'f';
                break;
            case '\n':
                *cursor++ = 'n';
                break;
            case '\r':
                *cursor++ = 'r';
                break;
            case '\t':
                *cursor++ = 't';
                break;
            default: {
                constexpr char kHex[] = "0123456789abcdef";
                put("u00");
                *cursor++ = kHex[c >> 4];
                *cursor++ = kHex[c & 0xF];
            }
            }
        }
        return true;
    }
};

// "1990-05-01T12:00Z"; years of four digits.
void IsoMinute(Line &line, const CivilDateTime &t) {
    char text[] = "\"0000-00-00T00:00Z\"";
    const auto put = [&text](std::size_t at, std::size_t width, int value) {
        for (std::size_t i = at + width; i-- > at; value /= 10)
            text[i] = static_cast<char>('0' + value % 10);
    };
    put(1, 4, t.year);
    put(6, 2, t.month);
    put(9, 2, t.day);
    put(12, 2, t.hour);
    put(15, 2, t.minute);
    line.put(std::string_view(text, sizeof text - 1));
}

// A text of ours (a name from a table): ASCII, nothing to escape.
void Plain(Line &line, std::string_view value) {
    line.put('"');
    line.put(value);
    line.put('"');
}

constexpr std::string_view SignName(int sign) {
    return sign >= 0 ? kSignFullNames[sign] : std::string_view();
}

// The parts of a line that depend only on which body, sign, pair of points or aspect they
// are for, set out once: each in a slot of fixed size, copied whole by a few wide moves
// (no call, no length to look at) into room the line has, the line then moving on by the
// part's own length.
template <std::size_t Bytes> struct Snippet {
    std::array<char, Bytes> bytes{};
    std::size_t size = 0;

    constexpr Snippet() = default;
    constexpr Snippet(std::initializer_list<std::string_view> parts) {
        for (const std::string_view part : parts) {
            if (size + part.size() > Bytes)
                throw "a snippet longer than its slot"; // stops the compilation
            for (const char c : part)
                bytes[size++] = c;
        }
    }
};
// Within the room a part of the line asked for (kPartBytes).
template <std::size_t Bytes> void Put(Line &line, const Snippet<Bytes> &snippet) {
    line.putWhole(snippet.bytes, snippet.size);
}

constexpr std::size_t kSnippetBytes = 48;
using Part = Snippet<kSnippetBytes>;

// {"name":"Sun","position":" .. ","sign":"Scorpio","longitude":
constexpr std::array<Part, kBodyCount> kBodyStarts = [] {
    std::array<Part, kBodyCount> parts;
    for (int body = 0; body < kBodyCount; ++body)
        parts[body] = Part{"{\"name\":\"", kPlainBodyNames[body], "\",\"position\":\""};
    return parts;
}();
constexpr std::array<Part, kSignCount + 1> kSignParts = [] { // no sign first
    std::array<Part, kSignCount + 1> parts;
    for (int sign = -1; sign < kSignCount; ++sign)
        parts[sign + 1] = Part{"\",\"sign\":\"", SignName(sign), "\",\"longitude\":"};
    return parts;
}();
// {"a":"Sun","b":"Moon","aspect":" by the pair's points, then conjunction","orb":
constexpr std::array<std::array<Part, kAspectPointCount>, kAspectPointCount> kPairParts = [] {
    std::array<std::array<Part, kAspectPointCount>, kAspectPointCount> parts;
    for (int a = 0; a < kAspectPointCount; ++a) {
        for (int b = 0; b < kAspectPointCount; ++b)
            parts[a][b] = Part{"{\"a\":\"", kAspectPointNames[a], "\",\"b\":\"",
                               kAspectPointNames[b], "\",\"aspect\":\""};
    }
    return parts;
}();
constexpr std::array<Part, kAspectKindCount> kKindParts = [] {
    std::array<Part, kAspectKindCount> parts;
    for (int kind = 0; kind < kAspectKindCount; ++kind)
        parts[kind] = Part{kAspectNames[kind], "\",\"orb\":"};
    return parts;
}();

using KeptLongitudes = std::array<Line::Kept, kBodyCount>;

void WriteBodies(Line &line, const NatalChart &chart, const ChartFacts &facts,
                 KeptLongitudes &longitudes) {
    line.put(",\"bodies\":[");
    for (int body = 0; body < kBodyCount; ++body) {
        line.need(kPartBytes);
        if (body > 0)
            line.put(',');
        Put(line, kBodyStarts[body]);
        const ChartPositionChars &position = facts.positions[body];
        line.putWhole(position.chars, position.size);
        Put(line, kSignParts[position.sign + 1]);
        line.number(chart.Bodies[body].Longitude, longitudes[body]);
        line.put(IsRetrogradePlanet(chart, body - kMercuryBody)
                     ? std::string_view(",\"retrograde\":true,\"house\":")
                     : std::string_view(",\"retrograde\":false,\"house\":"));
        line.integer(chart.Bodies[body].House);
        line.put('}');
    }
    line.put(']');
}

// A body's line in a wheel's cell: CR LF, its name, and its retrograde mark when it has one.
constexpr std::array<std::array<Part, 2>, kAscBody> kCellLines = [] {
    std::array<std::array<Part, 2>, kAscBody> parts;
    for (int body = 0; body < kAscBody; ++body) {
        parts[body][0] = Part{"\\r\\n", kPlainBodyNames[body]};
        parts[body][1] = Part{"\\r\\n", kPlainBodyNames[body], kRetrogradeMark};
    }
    return parts;
}();

// The wheel's cells, house 1 first, as ArrangeChartWheel fills them: in whole signs each
// house is a sign counted from the ascendant's, in any other system the bodies go by their
// houses and the ascendant into the first. A body's line starts with CR LF and carries
// its retrograde mark. Each body is put in its cell first (the cells' bodies as the bits
// of a word, in body order), so that no branch asks every cell about every body.
void WriteHouseCells(Line &line, const NatalChart &chart, const ChartFacts &facts) {
    const bool wholeSigns = chart.Houses.used == HouseSystem::WholeSign;
    const int ascSign = facts.positions[kAscBody].sign;
    const int firstSign = ascSign >= 0 ? ascSign : 0;
    std::array<unsigned, kHouseCount> bodiesIn{};
    for (int body = 0; body < kAscBody; ++body) {
        const int sign = facts.positions[body].sign;
        const int house = wholeSigns ? (sign - firstSign + kSignCount) % kSignCount
                                     : chart.Bodies[body].House - 1;
        const bool placed = (!wholeSigns || sign >= 0) && house >= 0 && house < kHouseCount;
        if (placed) [[likely]]
            bodiesIn[house] |= 1U << body;
    }
    const bool ascInFirst = !wholeSigns || ascSign >= 0;
    line.need(kPartBytes);
    line.put(",\"house_cells\":[");
    for (int house = 0; house < kHouseCount; ++house) {
        line.need(kPartBytes);
        line.put(house == 0 ? "\"" : ",\"");
        for (unsigned bodies = bodiesIn[house]; bodies != 0; bodies &= bodies - 1) {
            const int body = std::countr_zero(bodies);
            Put(line, kCellLines[body][IsRetrogradePlanet(chart, body - kMercuryBody) ? 1 : 0]);
        }
        if (house == 0 && ascInFirst)
            line.put("\\r\\nAsc");
        line.put('"');
    }
    line.put(']');
}

void WriteHouses(Line &line, const NatalChart &chart) {
    line.need(kPartBytes);
    line.put(",\"houses\":{\"system\":");
    Plain(line, HouseSystemName(chart.Houses.used));
    line.put(",\"cusps\":[");
    for (int house = 0; house < kHouseCount; ++house) {
        if (house > 0)
            line.put(',');
        line.number(chart.Houses.cusps[house]);
    }
    line.put(']');
    if (const std::string note = HousesNote(chart); !note.empty()) {
        line.put(",\"note\":");
        line.text(note);
    }
    line.put('}');
}

void WriteShapeAndAngles(Line &line, const NatalChart &chart, const DegreeShape &shape,
                         const KeptLongitudes &longitudes) {
    line.need(kPartBytes);
    line.put(",\"pattern_by_degrees\":{\"name\":");
    Plain(line, DegreePatternName(shape.Pattern));
    line.put(",\"leading\":[");
    for (int i = 0; i < shape.LeadingCount; ++i) {
        if (i > 0)
            line.put(',');
        Plain(line, kPlainBodyNames[shape.Leading[i]]);
    }
    line.put("],\"empty_arc\":{\"from\":");
    line.numberAgain(shape.EmptyArcFrom, longitudes);
    line.put(",\"to\":");
    line.numberAgain(shape.EmptyArcTo, longitudes);
    line.put("}},\"angles\":{\"asc\":");
    line.numberAgain(chart.Bodies[kAscBody].Longitude, longitudes);
    line.put(",\"mc\":");
    line.number(chart.Midheaven);
    line.put("},\"nodes\":{\"north\":");
    line.number(chart.NorthNode);
    line.put(",\"south\":");
    line.number(chart.SouthNode);
    line.put(",\"kind\":");
    Plain(line, NodeKindName(chart.Nodes));
    line.put('}');
}

void WriteAspects(Line &line, const std::vector<Aspect> &aspects) {
    line.put(",\"aspects\":[");
    bool first = true;
    for (const Aspect &aspect : aspects) {
        line.need(kPartBytes);
        if (!first)
            line.put(',');
        first = false;
        Put(line, kPairParts[aspect.A][aspect.B]);
        Put(line, kKindParts[static_cast<int>(aspect.Kind)]);
        line.number(aspect.Orb);
        line.put(aspect.Applying ? std::string_view(",\"applying\":true}")
                                 : std::string_view(",\"applying\":false}"));
    }
    line.put(']');
}

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

} // namespace

ReadingJsonWriter::ReadingJsonWriter() {
    m_zoneNames.reserve(kZoneCount);
    for (int position = 0; position < kZoneCount; ++position)
        m_zoneNames.push_back(ZoneEntryName(position).toStdString());
}

void ReadingJsonWriter::appendLine(const RowReading &row, ByteBuffer &out) {
    const NatalChart &chart = *row.chart;
    const ChartFacts &facts = *row.facts;
    const BirthData &birth = *row.birth;
    Line line(out);
    line.put("{\"name\":");
    line.text(birth.BirthName);
    line.need(kPartBytes);
    line.put(",\"universal_time\":");
    IsoMinute(line, chart.UniversalTime);
    line.put(",\"positions\":");
    Plain(line, PositionMethodName(chart.Method));
    line.put(",\"zone\":{\"index\":");
    line.integer(row.zone.position);
    line.put(",\"name\":");
    const bool listed = row.zone.position >= 0 && row.zone.position < kZoneCount;
    line.text(listed ? std::string_view(m_zoneNames[row.zone.position]) : std::string_view());
    line.need(kPartBytes);
    line.put(",\"offset_minutes\":");
    line.integer(ZoneOffsetMinutesEast(birth));
    line.put(",\"dst\":");
    line.flag(birth.DstFlag);
    line.put('}');
    KeptLongitudes longitudes;
    WriteBodies(line, chart, facts, longitudes);
    line.need(kPartBytes);
    line.put(",\"ascendant_sign\":");
    Plain(line, SignName(facts.ascendantSign));
    line.put(",\"moon_sign\":");
    Plain(line, SignName(facts.moonSign));
    WriteHouseCells(line, chart, facts);
    line.need(kPartBytes);
    line.put(",\"patterns\":[");
    bool first = true;
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (!facts.patterns[slot])
            continue;
        if (!first)
            line.put(',');
        first = false;
        Plain(line, PatternTable[slot].Name);
    }
    line.put(']');
    WriteHouses(line, chart);
    WriteShapeAndAngles(line, chart, facts.shape, longitudes);
    WriteAspects(line, chart.Aspects);
    if (const std::string note = PositionsNote(chart); !note.empty()) {
        line.put(",\"positions_note\":");
        line.text(note);
    }
    const TimeSource *source = row.zone.source;
    if (source != nullptr && source->place) {
        const AtlasPlace &place = *source->place;
        line.need(kPartBytes);
        line.put(",\"place\":{\"name\":");
        AssignUtf8(m_utf8, place.name);
        line.text(m_utf8);
        line.put(",\"state\":");
        AssignUtf8(m_utf8, place.state);
        line.text(m_utf8);
        line.put(",\"country\":");
        AssignUtf8(m_utf8, place.country);
        line.text(m_utf8);
        line.need(kPartBytes);
        line.put(",\"latitude\":");
        line.number(place.latitude);
        line.put(",\"longitude\":");
        line.number(place.longitude);
        line.put(",\"time_zone\":");
        AssignUtf8(m_utf8, place.timeZone);
        line.text(m_utf8);
        line.put('}');
    }
    if (source != nullptr && !source->timeNote.isEmpty()) {
        line.put(",\"time_note\":");
        AssignUtf8(m_utf8, source->timeNote);
        line.text(m_utf8);
    }
    line.need(2);
    line.put('}');
    line.finish();
}

void ReadingJsonWriter::appendError(long long line, std::string_view reason, ByteBuffer &out) {
    Line json(out);
    json.put("{\"line\":");
    json.integer(line);
    json.put(",\"error\":");
    json.text(reason);
    json.need(2);
    json.put('}');
    json.finish();
}

} // namespace starloom::cli
