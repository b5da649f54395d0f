// The birth-data form's contents as plain values, and the checks and conversions that work
// on them. The desktop form and the command-line tool both go through these, so a birth is
// judged and read the same way whichever way it was entered.
#pragma once

#include "engine/status.h"
#include "reading/reading_state.h"

#include <QString>

#include <string_view>

namespace starloom {

constexpr int kFirstYear = 1800;     // the years a birth may fall in
constexpr int kLastYear = 2199;      // (the year list of the form)
constexpr int kCoordinateDigits = 3; // characters a coordinate box takes

// Everything the user can enter, as the form holds it: texts as typed, list positions.
struct FormValues {
    QString name;
    int monthPosition = 0; // 0 = January
    QString dayText = QStringLiteral("1");
    QString yearText = QStringLiteral("1906");
    QString hourText = QStringLiteral("0");
    QString minuteText = QStringLiteral("0");
    int zonePosition = 0; // 0..163
    bool dst = false;     // ticked (or greyed)
    QString latDegrees;
    QString latMinutes;
    QString lonDegrees;
    QString lonMinutes;
    int latDirection = -1; // -1 none chosen, 0 South, 1 North
    int lonDirection = -1; // -1 none chosen, 0 East, 1 West
    QString city;
    QString state;
    QString country;
};

// The entry a refusal sends the user back to.
enum class FormField {
    None,
    Name,
    LatDegrees,
    LatMinutes,
    LonDegrees,
    LonMinutes,
    City,
    State,
    Country,
    LatDirection, // "South" gets chosen for the user
    LonDirection, // "East" gets chosen for the user
};

// The name a refusal gives the entry it concerns (Status::subject): "name", "latDegrees",
// ...; "date" for a day the month does not have, "moment" for a birth outside the
// universal times a chart can be cast for. Empty for None.
std::string_view FieldName(FormField field);

// The entry a refusal sends the user back to; None when its subject names no entry.
FormField FieldOfStatus(const Status &status);

// The checks that run before every calculation, in their fixed order; the first that
// fails is returned: StatusCode::Refused (the error icon) or Notice (a date the calendar
// does not have: the information icon), naming the entry and with the whole message as
// its reason. Success when the birth may be calculated.
Status CheckFormValues(const FormValues &values);

// Copies the values into state.Birth, field by field, from the zone tables in state.Zones.
// A field whose text is not a number (or does not fit in 16 bits), or a zone position
// outside the tables, leaves that field as it was. The clock time stays local: the engine
// applies the zone.
void ReadValuesIntoRecord(const FormValues &values, ReadingState &state);

} // namespace starloom
