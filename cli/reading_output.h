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
#include <vector>

namespace starloom::cli {

using Json = nlohmann::ordered_json;

// The report window's eight detail lines: name, date and time of birth, latitude,
// longitude, city, state and country.
std::array<QString, 8> DetailLines(const BirthData &birth);

// The zone a reading used: its list position (which the record does not keep) and where it
// came from (null: from the options or a file, by hand).
struct ZoneUsed {
    int position = 0;
    const TimeSource *source = nullptr;
};

// The reading as one JSON object: name, universal_time, zone (index, name, offset_minutes,
// dst), bodies (name, position, sign,
// longitude, retrograde), ascendant_sign, moon_sign, house_cells and patterns; then place
// (name, state, country, latitude, longitude, time_zone) when the atlas gave the birthplace
// and time_note when there is one.
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
    unsigned patternSet_ = 0; // the flags the pattern list holds, slot 0 lowest bit

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

    // The line being written, and the library's writer bound to it (made once: making
    // one reads the locale).
    std::string line_;
    nlohmann::detail::serializer<Json> writer_;
};

Json ReadingJson(const ReadingState &state, const ReadingOutcome &outcome, const ZoneUsed &zone);

// The object on one line, strings in UTF-8 (anything else replaced).
std::string CompactJson(const Json &json);

// The reading as text, lines ended by LF: the details, the universal time and the zone
// used, the positions table, the twelve houses with their bodies and marks, and the
// interpretation report.
std::string ReadingText(const ReadingState &state, const ReadingOutcome &outcome,
                        const ZoneUsed &zone);

} // namespace starloom::cli
