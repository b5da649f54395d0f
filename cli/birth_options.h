// Birth details as the command line and batch rows give them, put into the form's values.
// Only the shape of each value is judged here (a number where a list entry is picked, a
// direction letter); whether the birth may be calculated is left to CheckFormValues, so
// the tool refuses exactly what the form refuses, with the form's messages.
#pragma once

#include "reading/atlas.h"
#include "reading/form_values.h"

#include <optional>

#include <string>
#include <string_view>
#include <vector>

namespace starloom::cli {

// What a person without a name or place given on the command line is called: words the
// form's letters-only boxes would take.
inline constexpr std::string_view kDefaultName = "Anonymous";
inline constexpr std::string_view kDefaultPlace = "Unknown";

// Each setter checks one value and writes it into `values`; on a malformed value it
// leaves `values` as it was, sets `error` to a short reason and returns false.

// "YYYY-MM-DD": a year of the form's list (1800..2199), month 1..12, day 1..31; leading
// zeros optional. February 30 passes here and is refused by the form's date check.
bool SetDate(std::string_view text, FormValues &values, std::string &error);
// "HH:MM", hour 0..23 and minute 0..59; leading zeros optional.
bool SetTime(std::string_view text, FormValues &values, std::string &error);
// Zone list position 0..163.
bool SetZone(std::string_view text, FormValues &values, std::string &error);
// "D:M" and a direction letter last: N or S for a latitude, E or W for a longitude. The
// degrees and minutes, one to three digits each, go into the boxes as typed; their range is
// the form's check.
bool SetLatitude(std::string_view text, FormValues &values, std::string &error);
bool SetLongitude(std::string_view text, FormValues &values, std::string &error);

// Where the zone of a birth came from, for what the tool prints besides the reading.
struct TimeSource {
    std::optional<AtlasPlace> place; // the atlas place that gave the birthplace, if one did
    bool zoneFromAtlas = false;      // the zone and daylight saving are the atlas's
    QString timeNote;                // a skipped or repeated clock time, said in one line
};

// Who reads a refusal of a birth detail: the user of an option (--place), in the chosen
// language; the reader of a batch's lines, in English, as the lines keep it whatever the
// language; the reader of the stats command's notes on skipped rows, in the chosen language.
// A row's refusal names its column ("place"), an option's the option.
enum class Wording { Option, BatchRow, StatsRow };

// The atlas place a name gives ("Madrid" or "Madrid, Madrid, Spain"): the most populous
// match, unless places of that name in the same country make a bare name ambiguous. Null,
// with `error` set, when none or several fit.
const AtlasPlace *FindPlace(const std::string &name, std::string &error,
                            Wording wording = Wording::Option);
// The place's latitude and longitude into the values, as the form's atlas puts them.
void SetPlaceCoordinates(const AtlasPlace &place, FormValues &values);
// The zone and daylight saving the time-zone database gives at the place for the values'
// date and time, and a note when the clocks skipped or repeated that time. False, with
// `error` set, when no entry of the zone list fits.
bool SetPlaceZone(const AtlasPlace &place, FormValues &values, TimeSource &source,
                  std::string &error, Wording wording = Wording::Option);

// The columns of a batch file, in order; a last column "place" may follow them.
inline constexpr std::string_view kBatchHeader =
    "name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,lon_dir,"
    "city,state,country";
inline constexpr int kBatchColumns = 17;
inline constexpr std::string_view kBatchPlaceColumn = "place";
// True when a batch file's first record is its header: the columns in order, and perhaps
// the place column after them.
bool IsBatchHeader(const std::vector<std::string> &fields);

// Makes the QStrings of batch rows with few allocations: a column that repeats the previous
// row's text shares its string, and small whole numbers share strings made once. Each
// worker thread has its own: a QString shared between threads would have its reference
// count written from several processor cores for every row, each write taking the count's
// cache line away from the other cores.
class RowTexts {
public:
    RowTexts();
    QString text(std::size_t column, const std::string &bytes);
    // The decimal text of 0..kLastNumber without leading zeros, made once.
    QString number(int value) const;
    static constexpr int kLastNumber = kLastYear;

private:
    std::vector<QString> m_numbers;

    struct Last {
        std::string bytes;
        QString text;
    };
    std::vector<Last> m_last;

public:
    // The place a batch row names, looked up once for a run of rows that name the same (the
    // refusal worded as `wording` says, the same for every call).
    const AtlasPlace *place(const std::string &name, std::string &error, Wording wording);

private:
    std::string m_placeName;
    const AtlasPlace *m_place = nullptr;
    std::string m_placeError;
};

// One batch row (kBatchColumns fields) into fresh form values. Year, month, day, hour,
// minute and zone are numbers in their lists' ranges; the name holds no control character
// (as in a reading file); dst is 0 or 1; a direction is N or S
// (E or W), or empty for none chosen; a coordinate field holds one to three digits (what
// the box lets through) or nothing. Texts go into their boxes as they stand, so an empty
// name, place or coordinate is the form's refusal.
//
// A row with the place column filled takes the place as --place does: its coordinates,
// city, state and country, and the zone and daylight saving of the time-zone database,
// wherever the row leaves those cells empty; a cell the row fills wins. `source`, when
// given, says what the place gave; `wording` who reads the refusal (a batch row or a stats
// row).
bool FormValuesFromRow(const std::vector<std::string> &fields, FormValues &values,
                       std::string &error, RowTexts &texts, TimeSource *source = nullptr,
                       Wording wording = Wording::BatchRow);

} // namespace starloom::cli
