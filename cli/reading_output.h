// One finished reading as the tool prints it: as text, the way the result window shows it,
// or as a JSON object. Both are made from what RunReading left, never recomputed.
#pragma once

#include "cli/birth_options.h"
#include "cli/byte_buffer.h"
#include "cli/row_reading.h"
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

// The reading as one JSON object: name, universal_time, positions (the method's name), zone
// (index, name, offset_minutes, dst), bodies (name, position, sign, longitude, retrograde),
// ascendant_sign, moon_sign, house_cells, patterns, pattern_by_degrees (name, leading,
// empty_arc from and to), angles (asc, mc), nodes (north, south, kind) and aspects (a, b,
// aspect, orb, applying); then place (name, state, country, latitude, longitude,
// time_zone) when the atlas gave the birthplace and time_note when there is one.
Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone);

// Writes readings as JSON lines: the object ReadingJson makes for the same reading, at
// the pace a batch of a million rows needs. Keys, punctuation and texts are written in place;
// numbers in their shortest form that reads back as the same double (std::to_chars), so a
// number may have other digits than the library's dump of the tree, never another value.
class ReadingJsonWriter {
public:
    ReadingJsonWriter();
    ReadingJsonWriter(const ReadingJsonWriter &) = delete;
    ReadingJsonWriter &operator=(const ReadingJsonWriter &) = delete;

    // Appends the reading's object on one line, ended by LF.
    void appendLine(const RowReading &row, ByteBuffer &out);
    // Appends {"line":N,"error":"..."} and LF.
    void appendError(long long line, std::string_view reason, ByteBuffer &out);

private:
    std::vector<std::string> m_zoneNames; // by list position
    std::string m_utf8;                   // a QString's text in UTF-8
};

// Writes readings as a flat table for spreadsheets (RFC 4180, CR LF line ends): a header,
// then one record per row with its input line, the name, the universal time, the method,
// the zone (index, name, offset, dst), each of the Sun to Pluto's longitude, sign,
// retrograde flag and house, the ascendant and its sign, the midheaven, the nodes and their
// kind, the patterns by signs and the leading planets (each joined by "; "), the pattern by
// degrees, and an error column, filled (and every value column empty) for a refused row.
// Values are written as in the JSON lines.
class ReadingCsvWriter {
public:
    ReadingCsvWriter();
    ReadingCsvWriter(const ReadingCsvWriter &) = delete;
    ReadingCsvWriter &operator=(const ReadingCsvWriter &) = delete;

    void appendHeader(ByteBuffer &out);
    void appendRecord(const RowReading &row, ByteBuffer &out);
    void appendError(long long line, std::string_view reason, ByteBuffer &out);

private:
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

// " applying" or " separating", in the chosen language, after an aspect's orb.
std::string MotionText(const Aspect &aspect);

// "mean" or "true".
std::string_view NodeKindName(NodeKind kind);

} // namespace starloom::cli
