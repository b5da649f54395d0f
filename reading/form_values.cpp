// Validation and the birth-data record.
#include "reading/form_values.h"

#include "reading/number_text.h"

#include "engine/precise.h"

#include <QCoreApplication>

namespace starloom {

namespace {

constexpr int kFebruary = 1; // month list positions
constexpr int kApril = 3;
constexpr int kJune = 5;
constexpr int kSeptember = 8;
constexpr int kNovember = 10;

Status Refuse(const char *message, FormField field) {
    return Failure(StatusCode::Refused, std::string(FieldName(field)), message);
}

constexpr std::string_view kDateSubject = "date";
constexpr std::string_view kMomentSubject = "moment";

// The entries by name, in FormField's order.
constexpr std::string_view kFieldNames[] = {
    "",     "name",  "latDegrees", "latMinutes",   "lonDegrees",  "lonMinutes",
    "city", "state", "country",    "latDirection", "lonDirection"};
static_assert(std::size(kFieldNames) == static_cast<std::size_t>(FormField::LonDirection) + 1);

// Pasted text or a reading file can put anything into the coordinate boxes; a chart for a
// place that does not exist, or for the previous reading's place, must not come of it.
Status CheckCoordinates(const FormValues &v) {
    const std::optional<std::int16_t> latDeg = TextToInt16(v.latDegrees);
    if (!latDeg)
        return Refuse("Please enter only numbers", FormField::LatDegrees);
    const std::optional<std::int16_t> latMin = TextToInt16(v.latMinutes);
    if (!latMin)
        return Refuse("Please enter only numbers", FormField::LatMinutes);
    const std::optional<std::int16_t> lonDeg = TextToInt16(v.lonDegrees);
    if (!lonDeg)
        return Refuse("Please enter only numbers", FormField::LonDegrees);
    const std::optional<std::int16_t> lonMin = TextToInt16(v.lonMinutes);
    if (!lonMin)
        return Refuse("Please enter only numbers", FormField::LonMinutes);
    if (*latDeg < 0 || *latDeg > 90)
        return Refuse("Please Enter Correct Latitude", FormField::LatDegrees);
    if (*latMin < 0 || *latMin > 59 || (*latDeg == 90 && *latMin > 0))
        return Refuse("Please Enter Correct Latitude", FormField::LatMinutes);
    if (*lonDeg < 0 || *lonDeg > 180)
        return Refuse("Please Enter Correct Longitude", FormField::LonDegrees);
    if (*lonMin < 0 || *lonMin > 59 || (*lonDeg == 180 && *lonMin > 0))
        return Refuse("Please Enter Correct Longitude", FormField::LonMinutes);
    // At a pole the horizon and the equator coincide: no point of the ecliptic rises in the
    // east, so there is neither an ascendant nor houses.
    if (*latDeg == 90)
        return Refuse("At a pole (latitude 90 degrees) no point of the zodiac rises in the east, "
                      "so a chart has no ascendant. Please enter a latitude below 90 degrees.",
                      FormField::LatDegrees);
    return Success();
}

// Charts can be cast for universal times the precise table holds. Only a birth in the first
// or the last year of the list can fall outside it, carried across New Year by its zone.
Status CheckUniversalMoment(const FormValues &v) {
    const int year = TextToInt(v.yearText);
    if (year != kFirstYear && year != kLastYear)
        return Success();
    ReadingState state;
    BuildTimeZoneTables(state.Zones);
    ReadValuesIntoRecord(v, state);
    const CivilDateTime ut = UniversalDateTime(state.Birth);
    const double days = JulianDaysSinceJ2000(ut);
    if (days >= PreciseFirstDay() && days < PreciseLastDay())
        return Success();
    const QString when = QStringLiteral("%1-%2-%3 %4:%5")
                             .arg(ut.year, 4, 10, QLatin1Char('0'))
                             .arg(ut.month, 2, 10, QLatin1Char('0'))
                             .arg(ut.day, 2, 10, QLatin1Char('0'))
                             .arg(ut.hour, 2, 10, QLatin1Char('0'))
                             .arg(ut.minute, 2, 10, QLatin1Char('0'));
    return Failure(StatusCode::Refused, std::string(kMomentSubject),
                   QStringLiteral("This birth falls at %1 universal time. Charts can be cast "
                                  "from 1 January %2 00:00 to 31 December %3 23:59 universal "
                                  "time.")
                       .arg(when)
                       .arg(kFirstYear)
                       .arg(kLastYear)
                       .toStdString());
}

// The text without its leading and trailing blanks, in UTF-8, into `out`: an ASCII text
// (nearly every one) is copied into the storage `out` already has, without a temporary.
void AssignTrimmed(std::string &out, const QString &text) {
    const QStringView trimmed = TrimBlanks(QStringView(text));
    out.resize(static_cast<std::size_t>(trimmed.size()));
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c >= 0x80) {
            out = trimmed.toUtf8().toStdString();
            return;
        }
        out[static_cast<std::size_t>(i)] = static_cast<char>(c);
    }
}

void SetNumber(std::int16_t &field, const QString &text) {
    if (const std::optional<std::int16_t> value = TextToInt16(text))
        field = *value;
}

} // namespace

std::string_view FieldName(FormField field) {
    return kFieldNames[static_cast<std::size_t>(field)];
}

FormField FieldOfStatus(const Status &status) {
    for (std::size_t i = 1; i < std::size(kFieldNames); ++i) {
        if (status.subject == kFieldNames[i])
            return static_cast<FormField>(i);
    }
    return FormField::None;
}

Status CheckFormValues(const FormValues &v) {
    // A name of blanks alone would be stored as no name at all; the other boxes count
    // blanks as text.
    if (TrimBlanks(QStringView(v.name)).isEmpty())
        return Refuse("Please Enter Your Name", FormField::Name);
    if (v.latDegrees.isEmpty())
        return Refuse("Please Enter Degree of Latitude", FormField::LatDegrees);
    if (v.latMinutes.isEmpty())
        return Refuse("Please Enter Minutes of Latitude", FormField::LatMinutes);
    if (v.lonDegrees.isEmpty())
        return Refuse("Please Enter Degree of Longitude", FormField::LonDegrees);
    if (v.lonMinutes.isEmpty())
        return Refuse("Please Enter Minute of Longitude", FormField::LonMinutes);
    if (v.city.isEmpty())
        return Refuse("Please Enter Your City name", FormField::City);
    if (v.state.isEmpty())
        return Refuse("Please Enter Your State name", FormField::State);
    if (v.country.isEmpty())
        return Refuse("Please Enter Your Country name", FormField::Country);
    if (v.latDirection < 0)
        return Refuse("Please Select Direction For The Latitude", FormField::LatDirection);
    if (v.lonDirection < 0)
        return Refuse("Please Select Direction For The Longitude", FormField::LonDirection);
    // The Gregorian rule: 1800, 1900 and 2100 have no 29 February.
    const int day = TextToInt(v.dayText);
    const int year = TextToInt(v.yearText);
    const bool leapYear = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (v.monthPosition == kFebruary && (leapYear ? day >= 30 : day >= 29))
        return Failure(StatusCode::Notice, std::string(kDateSubject),
                       "Please Enter Correct Date Or Month!");
    const int m = v.monthPosition;
    if ((m == kApril || m == kJune || m == kSeptember || m == kNovember) && day == 31)
        return Failure(StatusCode::Notice, std::string(kDateSubject),
                       "Please Enter Correct Date Or Month !");
    if (Status refused = CheckCoordinates(v); !refused.ok())
        return refused;
    return CheckUniversalMoment(v);
}

void ReadValuesIntoRecord(const FormValues &v, ReadingState &state) {
    BirthData &birth = state.Birth;
    AssignTrimmed(birth.BirthName, v.name);
    if (v.monthPosition >= 0 && v.monthPosition < 12)
        birth.BirthMonth = static_cast<std::int16_t>(v.monthPosition + 1);
    SetNumber(birth.BirthDay, v.dayText);
    SetNumber(birth.BirthYear, v.yearText);
    SetNumber(birth.BirthHour, v.hourText);
    SetNumber(birth.BirthMinute, v.minuteText);
    const int zone = v.zonePosition;
    if (zone >= 0 && zone < kZoneSlots) {
        birth.ZoneHoursText = state.Zones.ZoneHoursTable[zone];
        birth.ZoneMinutesText = state.Zones.ZoneMinutesTable[zone];
    }
    SetNumber(birth.LonDegrees, v.lonDegrees);
    SetNumber(birth.LonMinutes, v.lonMinutes);
    SetNumber(birth.LatDegrees, v.latDegrees);
    SetNumber(birth.LatMinutes, v.latMinutes);
    birth.LonDirFlag = v.lonDirection == 0;
    birth.LatDirFlag = v.latDirection == 1;
    if (zone == kLocalMeanTimePosition) {
        // Local mean time has no fixed offset: the birthplace's longitude gives it.
        LocalMeanTimeTexts(birth.LonDegrees, birth.LonMinutes, birth.LonDirFlag,
                           birth.ZoneHoursText, birth.ZoneMinutesText);
    }
    birth.DstFlag = v.dst;
    AssignTrimmed(birth.BirthCity, v.city);
    AssignTrimmed(birth.BirthState, v.state);
    AssignTrimmed(birth.BirthCountry, v.country);
}

// The checks' messages, and the reading file's refusal, as lupdate finds them. The checks
// keep their messages in English, as the batch and the JSON output carry them; a window
// shows them translated (StatusMessage).
[[maybe_unused]] constexpr const char *kRefusalMessages[] = {
    QT_TRANSLATE_NOOP("FormValues", "Please enter only numbers"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Correct Latitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Correct Longitude"),
    QT_TRANSLATE_NOOP("FormValues",
                      "At a pole (latitude 90 degrees) no point of the zodiac rises in the east, "
                      "so a chart has no ascendant. Please enter a latitude below 90 degrees."),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Your Name"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Degree of Latitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Minutes of Latitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Degree of Longitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Minute of Longitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Your City name"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Your State name"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Your Country name"),
    QT_TRANSLATE_NOOP("FormValues", "Please Select Direction For The Latitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Select Direction For The Longitude"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("FormValues", "Please Enter Correct Date Or Month !"),
    QT_TRANSLATE_NOOP("FormValues", "Please Check The File."),
};

} // namespace starloom
