// One finished reading as the tool prints it: as text, the way the result window shows it,
// or as a JSON object. Both are made from what RunReading left, never recomputed.
#pragma once

#include "cli/birth_options.h"
#include "reading/driver.h"
#include "reading/reading_state.h"

#include <nlohmann/json.hpp>

#include <QString>

#include <array>
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
//
// A batch writes a million of these, so the object is built once with every key in place
// and each reading only overwrites its values, which keeps the strings' storage. A line is
// the object's fixed text (its keys and punctuation, as the library writes them) with only
// the values written anew; values from short lists (body names, signs, flags, pattern
// lists) are written by the library once, when the writer is made.
class ReadingJsonWriter {
public:
    ReadingJsonWriter();
    ReadingJsonWriter(const ReadingJsonWriter &) = delete;
    ReadingJsonWriter &operator=(const ReadingJsonWriter &) = delete;

    // Puts the reading's values into the object; the place and the time note, which only
    // some readings have, are kept apart and written after the rest.
    const Json &fill(const ReadingState &state, const ReadingOutcome &outcome,
                     const ZoneUsed &zone);
    // The place and time note of the last fill, as members to add to the object.
    const Json &optionalMembers() const { return optional_; }

    // The same for appendLine alone: the aspect list, whose length varies, is only
    // written as text, not built as objects.
    void fillForLine(const ReadingState &state, const ReadingOutcome &outcome,
                     const ZoneUsed &zone);

    // Appends the object as filled, on one line ended by LF: the same bytes as
    // CompactJson(fill(...)) and a line end.
    void appendLine(std::string &out);

private:
    // The written text of a sign's full name or of the empty text; null for any other.
    const std::string *signText(const std::string &name) const;

    struct BodyValues {
        std::string *name;
        std::string *position;
        std::string *sign;
        double *longitude;
        bool *retrograde;
    };
    Json json_;
    std::string *name_;
    std::string *universalTime_;
    std::string *positions_;
    Json::number_integer_t *zoneIndex_;
    std::string *zoneName_;
    Json::number_integer_t *zoneOffset_;
    bool *zoneDst_;
    Json optional_ = Json::object();
    std::array<BodyValues, kBodyCount> bodies_;
    std::string *ascendantSign_;
    std::string *moonSign_;
    std::array<std::string *, kSignCount> houseCells_;
    Json *patterns_;
    double *asc_;
    double *mc_;
    double *northNode_;
    double *southNode_;
    std::string *nodeKind_;
    Json *aspects_;
    unsigned patternSet_ = 0; // the flags the pattern list holds, slot 0 lowest bit
    std::string *degreePattern_;
    Json *leading_;
    double *emptyArcFrom_;
    double *emptyArcTo_;

    // Every value of the object in the order it is written, and the fixed text around
    // them: fragments_[i] comes before values_[i], the last fragment after the last value.
    std::vector<const Json *> values_;
    std::vector<std::string> fragments_;
    // fill() points knownText_[i] at the text of value i when it is one of these; null
    // for the others, which are written each time.
    std::vector<const std::string *> knownText_;
    std::array<std::string, kBodyCount> bodyNameTexts_;
    std::array<std::string, kSignCount + 1> signTexts_; // the last for no sign
    std::array<std::string, 2> flagTexts_;
    std::vector<std::string> patternListTexts_; // by the set of flags
    struct BodyPlaces {
        std::size_t name;
        std::size_t sign;
        std::size_t retrograde;
    };
    std::array<BodyPlaces, kBodyCount> bodyPlaces_; // places in values_
    std::size_t ascendantSignAt_ = 0;
    std::size_t moonSignAt_ = 0;
    std::size_t patternsAt_ = 0;

    // The aspect list's text, written from pieces the library wrote once (names, kinds
    // and punctuation) and each orb written by the library into it.
    std::size_t aspectsAt_ = 0;
    std::string aspectsText_;
    std::array<std::string, kAspectPointCount> aspectFirstTexts_;  // {"a":"Sun","b":
    std::array<std::string, kAspectPointCount> aspectSecondTexts_; // "Moon","aspect":
    std::array<std::string, kAspectKindCount> aspectKindTexts_;    // "trine","orb":
    std::array<std::string, 2> aspectEndTexts_;                    // ,"applying":false}
    Json orb_;

    // The line being written, and the library's writer bound to it (made once: making
    // one reads the locale).
    std::string line_;
    nlohmann::detail::serializer<Json> writer_;
    nlohmann::detail::serializer<Json> orbWriter_; // bound to aspectsText_
};

Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone);

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
