// Command-line and batch values into the form's values.
#include "cli/birth_options.h"

#include "cli/cli_text.h"
#include "cli/place_index.h"
#include "engine/tables.h"

#include <algorithm>
#include <optional>

namespace starloom::cli {

namespace {

constexpr std::size_t kNumberDigits = 4; // digits taken in a list number

// A whole number of one to four digits (no sign, no blanks) within first..last.
std::optional<int> ListNumber(std::string_view text, int first, int last) {
    if (text.empty() || text.size() > kNumberDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < first || value > last)
        return std::nullopt;
    return value;
}

// An option's value out of its range, in the chosen language.
std::string OptionRange(const char *what, int first, int last) {
    return Utf8(QCoreApplication::translate("CliMessages", what).arg(first).arg(last));
}

// A refusal's text (marked for translation where it is written) in the words its reader
// reads: English for a batch's lines, else the chosen language.
QString Words(Wording wording, const char *text) {
    return wording == Wording::BatchRow ? QString::fromUtf8(text)
                                        : QCoreApplication::translate("CliMessages", text);
}

// What a place refusal names: the option or the row's column.
QString PlaceSubject(Wording wording) {
    return wording == Wording::Option ? QStringLiteral("--place") : QStringLiteral("place");
}

// A row's column out of its range.
std::string RangeReason(const char *column, int first, int last, Wording wording) {
    return Utf8(
        Words(wording, QT_TRANSLATE_NOOP("CliMessages", "%1 must be a whole number from %2 to %3"))
            .arg(QLatin1String(column))
            .arg(first)
            .arg(last));
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Splits "A:B" (exactly one colon) into its two parts.
bool SplitPair(std::string_view text, std::string_view &first, std::string_view &second) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos)
        return false;
    first = text.substr(0, colon);
    second = text.substr(colon + 1);
    return true;
}

bool AllDigits(std::string_view text, std::size_t minimum, std::size_t maximum) {
    if (text.size() < minimum || text.size() > maximum)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "D:M" followed by one of the two direction letters; `direction` gets 0 for the first
// letter and 1 for the second.
bool SetCoordinate(std::string_view text, char letter0, char letter1, QString &degrees,
                   QString &minutes, int &direction, std::string &error) {
    std::string_view deg;
    std::string_view min;
    const bool shaped = !text.empty() && (text.back() == letter0 || text.back() == letter1) &&
                        SplitPair(text.substr(0, text.size() - 1), deg, min) &&
                        AllDigits(deg, 1, kCoordinateDigits) &&
                        AllDigits(min, 1, kCoordinateDigits);
    if (!shaped) {
        error = Utf8(CliMessages::tr("must be degrees:minutes (one to three digits each) followed "
                                     "by %1 or %2")
                         .arg(QChar::fromLatin1(letter0), QChar::fromLatin1(letter1)));
        return false;
    }
    degrees = Text(deg);
    minutes = Text(min);
    direction = text.back() == letter0 ? 0 : 1;
    return true;
}

// One to three digits without a leading zero (or "0" itself).
bool CanonicalNumber(std::string_view text) {
    return AllDigits(text, 1, kCoordinateDigits) && (text.size() == 1 || text[0] != '0');
}

// A direction field of a batch row: empty for none chosen.
bool SetDirection(std::string_view text, char letter0, char letter1, int &direction) {
    if (text.empty()) {
        direction = -1;
        return true;
    }
    if (text.size() != 1 || (text[0] != letter0 && text[0] != letter1))
        return false;
    direction = text[0] == letter0 ? 0 : 1;
    return true;
}

} // namespace

bool SetDate(std::string_view text, FormValues &values, std::string &error) {
    const std::size_t dash1 = text.find('-');
    const std::size_t dash2 = dash1 == std::string_view::npos ? dash1 : text.find('-', dash1 + 1);
    if (dash2 == std::string_view::npos || text.find('-', dash2 + 1) != std::string_view::npos) {
        error = Utf8(CliMessages::tr("must be YYYY-MM-DD"));
        return false;
    }
    const auto year = ListNumber(text.substr(0, dash1), kFirstYear, kLastYear);
    const auto month = ListNumber(text.substr(dash1 + 1, dash2 - dash1 - 1), 1, 12);
    const auto day = ListNumber(text.substr(dash2 + 1), 1, 31);
    if (!year) {
        error = OptionRange(
            QT_TRANSLATE_NOOP("CliMessages", "the year must be a whole number from %1 to %2"),
            kFirstYear, kLastYear);
        return false;
    }
    if (!month) {
        error = OptionRange(
            QT_TRANSLATE_NOOP("CliMessages", "the month must be a whole number from %1 to %2"), 1,
            12);
        return false;
    }
    if (!day) {
        error = OptionRange(
            QT_TRANSLATE_NOOP("CliMessages", "the day must be a whole number from %1 to %2"), 1,
            31);
        return false;
    }
    values.yearText = QString::number(*year);
    values.monthPosition = *month - 1;
    values.dayText = QString::number(*day);
    return true;
}

bool SetTime(std::string_view text, FormValues &values, std::string &error) {
    std::string_view hourText;
    std::string_view minuteText;
    if (!SplitPair(text, hourText, minuteText) || !AllDigits(hourText, 1, 2) ||
        !AllDigits(minuteText, 1, 2)) {
        error = Utf8(CliMessages::tr("must be HH:MM"));
        return false;
    }
    const auto hour = ListNumber(hourText, 0, 23);
    const auto minute = ListNumber(minuteText, 0, 59);
    if (!hour) {
        error = OptionRange(
            QT_TRANSLATE_NOOP("CliMessages", "the hour must be a whole number from %1 to %2"), 0,
            23);
        return false;
    }
    if (!minute) {
        error = OptionRange(
            QT_TRANSLATE_NOOP("CliMessages", "the minute must be a whole number from %1 to %2"), 0,
            59);
        return false;
    }
    values.hourText = QString::number(*hour);
    values.minuteText = QString::number(*minute);
    return true;
}

bool SetZone(std::string_view text, FormValues &values, std::string &error) {
    const auto zone = ListNumber(text, 0, kZoneCount - 1);
    if (!zone) {
        error = OptionRange(QT_TRANSLATE_NOOP("CliMessages",
                                              "the zone must be a whole number from %1 to %2 (see "
                                              "the zones command)"),
                            0, kZoneCount - 1);
        return false;
    }
    values.zonePosition = *zone;
    return true;
}

bool SetLatitude(std::string_view text, FormValues &values, std::string &error) {
    // Direction 0 is South, 1 North, as the form's option pair.
    return SetCoordinate(text, 'S', 'N', values.latDegrees, values.latMinutes, values.latDirection,
                         error);
}

bool SetLongitude(std::string_view text, FormValues &values, std::string &error) {
    // Direction 0 is East, 1 West, as the form's option pair.
    return SetCoordinate(text, 'E', 'W', values.lonDegrees, values.lonMinutes, values.lonDirection,
                         error);
}

QString RowTexts::text(std::size_t column, const std::string &bytes) {
    if (column >= m_last.size())
        m_last.resize(column + 1);
    Last &last = m_last[column];
    if (last.bytes != bytes || last.text.isNull()) {
        last.bytes = bytes;
        // An ASCII text goes into the storage of the column's last text when nothing else
        // holds that any more (a name differs from row to row), else into a new string.
        const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii && last.text.isDetached()) {
            last.text.resize(static_cast<qsizetype>(bytes.size()));
            QChar *chars = last.text.data();
            for (std::size_t i = 0; i < bytes.size(); ++i)
                chars[i] = QLatin1Char(bytes[i]);
        } else {
            last.text = Text(bytes);
        }
    }
    return last.text;
}

RowTexts::RowTexts() {
    m_numbers.reserve(kLastNumber + 1);
    for (int n = 0; n <= kLastNumber; ++n)
        m_numbers.push_back(QString::number(n));
}

QString RowTexts::number(int value) const {
    return value >= 0 && value <= kLastNumber ? m_numbers[value] : QString::number(value);
}

const AtlasPlace *FindPlace(const std::string &name, std::string &error, Wording wording) {
    const Atlas &atlas = Atlas::shared();
    const std::vector<int> found = PlaceIndex::shared().named(QString::fromStdString(name));
    if (found.empty()) {
        error = Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages",
                                                      "%1: no place called \"%2\" in the atlas"))
                         .arg(PlaceSubject(wording), QString::fromStdString(name)));
        return nullptr;
    }
    const AtlasPlace &first = atlas.place(found.front());
    const bool fullLabel = name.find(',') != std::string::npos;
    std::vector<std::string> sameCountry;
    for (const int index : found) {
        if (atlas.place(index).country == first.country)
            sameCountry.push_back(atlas.place(index).label().toStdString());
    }
    if (!fullLabel && sameCountry.size() > 1) {
        std::string choices;
        for (std::size_t i = 0; i < sameCountry.size() && i < 5; ++i)
            choices += (i == 0 ? "\"" : ", \"") + sameCountry[i] + "\"";
        if (sameCountry.size() > 5)
            choices += ", ...";
        error = Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages",
                                                      "%1: \"%2\" is ambiguous; say which: %3"))
                         .arg(PlaceSubject(wording), QString::fromStdString(name),
                              QString::fromStdString(choices)));
        return nullptr;
    }
    return &first;
}

void SetPlaceCoordinates(const AtlasPlace &place, FormValues &values) {
    const DegreesMinutes lat = ToDegreesMinutes(place.latitude);
    const DegreesMinutes lon = ToDegreesMinutes(place.longitude);
    values.latDegrees = QString::number(lat.degrees);
    values.latMinutes = QString::number(lat.minutes);
    values.latDirection = lat.positive ? 1 : 0;
    values.lonDegrees = QString::number(lon.degrees);
    values.lonMinutes = QString::number(lon.minutes);
    values.lonDirection = lon.positive ? 0 : 1;
}

bool SetPlaceZone(const AtlasPlace &place, FormValues &values, TimeSource &source,
                  std::string &error, Wording wording) {
    const QDate date(values.yearText.toInt(), values.monthPosition + 1, values.dayText.toInt());
    if (!date.isValid())
        return true; // 30 February: the form's date check refuses it with its own message
    const ZoneAdvice advice =
        AdviseZone(place.timeZone, date, QTime(values.hourText.toInt(), values.minuteText.toInt()));
    if (advice.zonePosition < 0) {
        error =
            Utf8(wording == Wording::Option
                     ? CliMessages::tr("--place: %1 Give --zone.").arg(advice.notice)
                     : Words(wording, QT_TRANSLATE_NOOP("CliMessages", "place: %1 Give the zone."))
                           .arg(advice.notice));
        return false;
    }
    values.zonePosition = advice.zonePosition;
    values.dst = advice.dstTick;
    source.zoneFromAtlas = true;
    source.timeNote = advice.timeNote;
    return true;
}

const AtlasPlace *RowTexts::place(const std::string &name, std::string &error, Wording wording) {
    if (name != m_placeName || (m_place == nullptr && m_placeError.empty())) {
        m_placeName = name;
        m_placeError.clear();
        m_place = FindPlace(name, m_placeError, wording);
    }
    error = m_placeError;
    return m_place;
}

bool IsBatchHeader(const std::vector<std::string> &fields) {
    const auto columns = static_cast<std::size_t>(kBatchColumns);
    if (fields.size() != columns &&
        !(fields.size() == columns + 1 && fields.back() == kBatchPlaceColumn))
        return false;
    std::string text;
    for (std::size_t i = 0; i < columns; ++i)
        text += (i > 0 ? "," : "") + fields[i];
    return text == kBatchHeader;
}

bool FormValuesFromRow(const std::vector<std::string> &fields, FormValues &values,
                       std::string &error, RowTexts &texts, TimeSource *source, Wording wording) {
    const bool placeColumn = fields.size() == static_cast<std::size_t>(kBatchColumns) + 1;
    if (fields.size() != static_cast<std::size_t>(kBatchColumns) && !placeColumn) {
        error =
            Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages", "expected %1 fields, found %2"))
                     .arg(kBatchColumns)
                     .arg(fields.size()));
        return false;
    }
    const AtlasPlace *place = nullptr;
    if (placeColumn && !fields[kBatchColumns].empty()) {
        place = texts.place(fields[kBatchColumns], error, wording);
        if (place == nullptr)
            return false;
    }
    // With a place, these cells may stay empty for the place to fill.
    const auto fromPlace = [&fields, place](std::size_t column) {
        return place != nullptr && fields[column].empty();
    };
    struct ListColumn {
        const char *name;
        int first;
        int last;
    };
    constexpr ListColumn kLists[] = {{"year", kFirstYear, kLastYear},
                                     {"month", 1, 12},
                                     {"day", 1, 31},
                                     {"hour", 0, 23},
                                     {"minute", 0, 59},
                                     {"zone", 0, kZoneCount - 1},
                                     {"dst", 0, 1}};
    int numbers[std::size(kLists)] = {};
    constexpr std::size_t kZoneColumn = 6;
    constexpr std::size_t kDstColumn = 7;
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        if ((i + 1 == kZoneColumn || i + 1 == kDstColumn) && fromPlace(i + 1))
            continue;
        const auto number = ListNumber(fields[i + 1], kLists[i].first, kLists[i].last);
        if (!number) {
            error = RangeReason(kLists[i].name, kLists[i].first, kLists[i].last, wording);
            return false;
        }
        numbers[i] = *number;
    }
    // The reading file refuses control characters (a NUL, a tab, a line break) in any of
    // its lines; a name the file could not keep is refused here already. Rows are not held
    // to the letters-only rule of the form and --name: research files name people by codes
    // ("Person 12").
    for (const char c : fields[0]) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            error =
                Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages",
                                                      "name must not hold control characters")));
            return false;
        }
    }
    FormValues row;
    row.name = texts.text(0, fields[0]);
    row.yearText = texts.number(numbers[0]);
    row.monthPosition = numbers[1] - 1;
    row.dayText = texts.number(numbers[2]);
    row.hourText = texts.number(numbers[3]);
    row.minuteText = texts.number(numbers[4]);
    if (!fromPlace(kZoneColumn))
        row.zonePosition = numbers[5];
    if (!fromPlace(kDstColumn))
        row.dst = numbers[6] == 1;

    const struct {
        const char *name;
        QString *box;
    } coordinates[] = {{"lat_deg", &row.latDegrees},
                       {"lat_min", &row.latMinutes},
                       {"lon_deg", &row.lonDegrees},
                       {"lon_min", &row.lonMinutes}};
    const std::size_t coordinateColumns[] = {8, 9, 11, 12};
    if (place != nullptr)
        SetPlaceCoordinates(*place, row);
    for (std::size_t i = 0; i < std::size(coordinates); ++i) {
        if (fromPlace(coordinateColumns[i]))
            continue;
        const std::string &field = fields[coordinateColumns[i]];
        // The form's coordinate boxes take digits only, three at most; an empty one is the
        // form's own refusal.
        if (!field.empty() && !AllDigits(field, 1, kCoordinateDigits)) {
            error = Utf8(
                Words(wording, QT_TRANSLATE_NOOP("CliMessages", "%1 must be one to three digits"))
                    .arg(QLatin1String(coordinates[i].name)));
            return false;
        }
        const QString text = CanonicalNumber(field)
                                 ? texts.number(*ListNumber(field, 0, RowTexts::kLastNumber))
                                 : texts.text(coordinateColumns[i], field);
        *coordinates[i].box = text;
    }
    if (!fromPlace(10) && !SetDirection(fields[10], 'S', 'N', row.latDirection)) {
        error =
            Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages", "lat_dir must be N, S or empty")));
        return false;
    }
    if (!fromPlace(13) && !SetDirection(fields[13], 'E', 'W', row.lonDirection)) {
        error =
            Utf8(Words(wording, QT_TRANSLATE_NOOP("CliMessages", "lon_dir must be E, W or empty")));
        return false;
    }
    row.city = fromPlace(14) ? place->name : texts.text(14, fields[14]);
    row.state = fromPlace(15) ? place->state : texts.text(15, fields[15]);
    row.country = fromPlace(16) ? place->country : texts.text(16, fields[16]);
    TimeSource given;
    if (place != nullptr) {
        given.place = *place;
        if (fromPlace(kZoneColumn)) {
            if (!SetPlaceZone(*place, row, given, error, wording))
                return false;
        }
    }
    values = std::move(row);
    if (source != nullptr)
        *source = std::move(given);
    return true;
}

} // namespace starloom::cli
