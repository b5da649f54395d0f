// One finished reading as the tool prints it: as text, the way the result window shows it,
// or as a JSON object. Both are made from what RunReading left, never recomputed.
#pragma once

#include "cli/birth_options.h"
#include "reading/driver.h"
#include "reading/reading_state.h"

#include <nlohmann/json.hpp>

#include <QString>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace starloom::cli {

using Json = nlohmann::ordered_json;

// The zone a reading used: its list position (which the record does not keep) and where it
// came from (null: from the options or a file, by hand).
struct ZoneUsed {
    int position = 0;
    const TimeSource *source = nullptr;
};

// The reading as one JSON object: name, universal_time, positions (the method's name), zone
// (index, name, offset_minutes, dst), bodies (name, position, sign, longitude, retrograde),
// ascendant_sign, moon_sign, house_cells, patterns, pattern_by_degrees (name, leading,
// empty_arc from and to), angles (asc, mc), nodes (north, south, kind) and aspects (a, b,
// aspect, orb, applying); then place (name, state, country, latitude, longitude,
// time_zone) when the atlas gave the birthplace and time_note when there is one.
Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone);

// Writes readings as JSON lines: the bytes of CompactJson(ReadingJson(...)) and a line end,
// at the pace a batch of a million rows needs, where building and dumping the whole object
// for every row would cost more than the reading itself.
//
// The keys and punctuation are written here, in the object's order. The values that
// need the library (every number, and every text with anything to escape) are collected
// in one array per line, which the library writes in a single dump(); each element of
// that text then takes its place in the line. A text of printable ASCII without a quote
// or a backslash is its own JSON string and goes in directly.
class ReadingJsonWriter {
public:
    ReadingJsonWriter();
    ReadingJsonWriter(const ReadingJsonWriter &) = delete;
    ReadingJsonWriter &operator=(const ReadingJsonWriter &) = delete;

    // Appends the reading's object on one line, ended by LF, to `out`.
    void appendLine(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone,
                    std::string &out);

private:
    // The line's parts, in writing order.
    void writeBirth(const ReadingState &state, const ZoneUsed &zone);
    void writeBodies(const ReadingState &state, const NatalChart &natal);
    void writeHouses(const NatalChart &chart);
    void writeSigns(const ReadingState &state, const ReadingOutcome &outcome);
    void writeShapeAndAngles(const ChartPositions &chart, const DegreeShape &shape);
    void writeAspects(const std::vector<Aspect> &aspects);
    void writePlace(const ZoneUsed &zone);
    // The skeleton with the library's text of the values put in their places.
    void finishLine(std::string &out);

    void open(char bracket);
    void close(char bracket);
    void key(std::string_view name); // a key of ours: plain ASCII, nothing to escape
    void text(std::string_view value);
    void text(const QString &value);
    void number(double value);
    void integer(long long value);
    void flag(bool value);
    void slot(); // the next value is the library's

    // The skeleton is written in place: room for `bytes` more at its end, the comma before
    // a value or key unless it comes first, and the end of what was written.
    char *room(std::size_t bytes);
    char *separate(char *at);
    void put(char *end);

    std::string m_skeleton; // the line without the values the library writes: m_used bytes
    std::size_t m_used = 0;
    std::vector<std::size_t> m_slots;     // where in m_skeleton each of those values goes
    Json m_values = Json::array();        // those values, in the order of m_slots
    bool m_first = true;                  // nothing written yet in the open object or array
    std::string m_valuesText;             // m_values as the library wrote it
    std::string m_utf8;                   // a QString's text in UTF-8
    std::vector<std::string> m_zoneNames; // by list position
};

// The object on one line, strings in UTF-8 (anything else replaced).
std::string CompactJson(const Json &json);

// The reading as text, lines ended by LF: the details, the universal time and the zone
// used, the positions table, the midheaven and the lunar nodes, the twelve houses with their
// bodies and marks, the aspects, the interpretation report and one line on the shape by
// degrees.
std::string ReadingText(const ReadingState &state, const ReadingOutcome &outcome,
                        const ZoneUsed &zone);

// "Pattern by degrees: Bowl, led by Mars (largest empty arc 187.4 degrees, from 15 Tau 30 to
// 12 Sco 04)", without a line end.
std::string ShapeByDegreesLine(const DegreeShape &shape);

// An orb as whole degrees and minutes, minutes truncated: "2°05'".
std::string OrbText(double orb);

// "mean" or "true".
std::string_view NodeKindName(NodeKind kind);

} // namespace starloom::cli
