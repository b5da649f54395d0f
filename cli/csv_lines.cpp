// The batch's flat table: one CSV record per row, written in place from the chart of
// numbers.
#include "cli/reading_output.h"

#include "cli/line_writer.h"
#include "engine/tables.h"
#include "patterns/pattern_table.h"

#include <array>
#include <span>

namespace starloom::cli {

namespace {

constexpr std::string_view kRecordEnd = "\r\n"; // RFC 4180

// The column names of the bodies' four values each, in chart order Sun to Pluto.
constexpr std::array<std::string_view, kAscBody> kBodyColumns = {
    "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};
constexpr std::array<std::string_view, 4> kBodyValues = {"longitude", "sign", "retrograde",
                                                         "house"};

// A CSV record: fields separated by commas, a field quoted (its quotes doubled) when it
// holds a comma, a quote or a line break.
class Record : public LineWriter {
public:
    using LineWriter::LineWriter;

    void next() { put(','); }
    void number(double value) { LineWriter::number(value, ""); }
    void finish() { LineWriter::finish(kRecordEnd); }

    // A text as it stands, or quoted. Text that is not UTF-8 is first given the
    // replacement characters the JSON lines give it, so both say the same.
    void text(std::string_view value) {
        bool valid = true;
        bool quoted = false;
        const auto *bytes = reinterpret_cast<const unsigned char *>(value.data());
        for (std::size_t i = 0; i < value.size() && valid;) {
            const unsigned char c = bytes[i];
            if (c >= 0x80) {
                const std::size_t length = Utf8SequenceLength(bytes + i, value.size() - i);
                valid = length > 0;
                i += length;
                continue;
            }
            quoted = quoted || c == ',' || c == '"' || c == '\r' || c == '\n';
            ++i;
        }
        if (!valid) {
            const std::string replaced = Json::parse(
                Json(std::string(value)).dump(-1, ' ', false, Json::error_handler_t::replace));
            text(replaced);
            return;
        }
        need(2 * value.size() + 2 + kPartBytes);
        if (!quoted) {
            put(value);
            return;
        }
        put('"');
        for (const char c : value) {
            if (c == '"')
                put('"');
            put(c);
        }
        put('"');
    }
};

// Names joined by "; " ("Bundle; Locomotive").
template <typename Names> void Joined(Record &record, const Names &names) {
    bool first = true;
    for (const std::string_view name : names) {
        if (!first)
            record.put("; ");
        first = false;
        record.put(name);
    }
}

} // namespace

ReadingCsvWriter::ReadingCsvWriter() {
    m_zoneNames.reserve(kZoneCount);
    for (int position = 0; position < kZoneCount; ++position)
        m_zoneNames.push_back(ZoneEntryName(position).toStdString());
}

void ReadingCsvWriter::appendHeader(ByteBuffer &out) {
    Record record(out);
    record.put("line,name,universal_time,positions,zone_index,zone_name,zone_offset_minutes,"
               "zone_dst");
    for (const std::string_view body : kBodyColumns) {
        for (const std::string_view value : kBodyValues) {
            record.need(kPartBytes);
            record.next();
            record.put(body);
            record.put('_');
            record.put(value);
        }
    }
    record.need(kPartBytes);
    record.put(",asc,asc_sign,mc,north_node,south_node,nodes,patterns,pattern_by_degrees,"
               "leading,error");
    record.finish();
}

void ReadingCsvWriter::appendRecord(const RowReading &row, ByteBuffer &out) {
    const NatalChart &chart = *row.chart;
    const ChartFacts &facts = *row.facts;
    Record record(out);
    record.integer(row.line);
    record.next();
    record.text(row.birth->BirthName);
    record.next();
    const CivilDateTime &t = chart.UniversalTime;
    char time[] = "0000-00-00T00:00Z";
    const auto digits = [&time](std::size_t at, std::size_t width, int value) {
        for (std::size_t i = at + width; i-- > at; value /= 10)
            time[i] = static_cast<char>('0' + value % 10);
    };
    digits(0, 4, t.year);
    digits(5, 2, t.month);
    digits(8, 2, t.day);
    digits(11, 2, t.hour);
    digits(14, 2, t.minute);
    record.put(std::string_view(time, sizeof time - 1));
    record.next();
    record.put(PositionMethodName(chart.Method));
    record.next();
    record.integer(row.zone.position);
    record.next();
    const bool listed = row.zone.position >= 0 && row.zone.position < kZoneCount;
    record.text(listed ? std::string_view(m_zoneNames[row.zone.position]) : std::string_view());
    record.next();
    record.integer(ZoneOffsetMinutesEast(*row.birth));
    record.next();
    record.flag(row.birth->DstFlag);
    for (int body = 0; body < kAscBody; ++body) {
        record.need(kPartBytes);
        record.next();
        record.number(chart.Bodies[body].Longitude);
        record.next();
        const int sign = facts.positions[body].sign;
        record.put(sign >= 0 ? kSignFullNames[sign] : std::string_view());
        record.next();
        record.flag(IsRetrogradePlanet(chart, body - kMercuryBody));
        record.next();
        record.integer(chart.Bodies[body].House);
    }
    record.need(kPartBytes);
    record.next();
    record.number(chart.Bodies[kAscBody].Longitude);
    record.next();
    const int ascSign = facts.positions[kAscBody].sign;
    record.put(ascSign >= 0 ? kSignFullNames[ascSign] : std::string_view());
    record.next();
    record.number(chart.Midheaven);
    record.next();
    record.number(chart.NorthNode);
    record.next();
    record.number(chart.SouthNode);
    record.next();
    record.put(NodeKindName(chart.Nodes));
    record.next();
    std::array<std::string_view, kPatternCount> patterns{};
    std::size_t found = 0;
    for (int slot = 0; slot < kPatternCount; ++slot) {
        if (facts.patterns[slot])
            patterns[found++] = PatternTable[slot].Name;
    }
    Joined(record, std::span(patterns.data(), found));
    record.next();
    record.put(DegreePatternName(facts.shape.Pattern));
    record.next();
    std::array<std::string_view, 2> leading{};
    for (int i = 0; i < facts.shape.LeadingCount; ++i)
        leading[static_cast<std::size_t>(i)] = kPlainBodyNames[facts.shape.Leading[i]];
    Joined(record, std::span(leading.data(), static_cast<std::size_t>(facts.shape.LeadingCount)));
    record.next(); // no error
    record.finish();
}

void ReadingCsvWriter::appendError(long long line, std::string_view reason, ByteBuffer &out) {
    Record record(out);
    record.integer(line);
    // Every column but the first and the last empty: the line's and the body columns'
    // counts as in the header.
    constexpr std::size_t kColumns = 8 + kBodyValues.size() * kBodyColumns.size() + 9 + 1;
    for (std::size_t i = 1; i < kColumns; ++i)
        record.next();
    record.text(reason);
    record.finish();
}

} // namespace starloom::cli
