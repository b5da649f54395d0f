// The pieces of one reading that are the driver's own logic: reading the form into the
// birth-data record, and placing the bodies into the twelve houses of the wheel.
#pragma once

#include "reading/reading_state.h"

#include <QString>

#include <array>
#include <string>

namespace starloom {

class BirthForm;

// Copies the form into state.Birth, field by field. A field whose text is not a number
// (or does not fit in 16 bits), or a zone position outside the tables, leaves that field
// as it was. The clock time stays local: the engine applies the zone.
void ReadFormIntoRecord(const BirthForm &form, ReadingState &state);

// Where the bodies go on the wheel: houses are whole signs counted from the ascendant's.
struct WheelArrangement {
    // Bodies per sign, Aries first: for each body in chart order a line break and its
    // display name (with its retrograde mark), the ascendant's sign ending with "Asc".
    std::array<QString, kSignCount> SignCellText;
    int AscSignIndex = 0; // the first sign whose cell holds "Asc"; 0 when none does
    // House i + 1 shows the sign AscSignIndex + i.
    std::array<QString, kSignCount> HouseCell;
    // The sign of the first house from the ascendant's position text, or -1 when the
    // text names no sign (the glyphs then stay as they are).
    int FirstHouseSign = -1;
};

WheelArrangement ArrangeWheel(const std::array<std::string, kBodyCount + 1> &PositionText,
                              const BodyNameTable &BodyNames);

// Full name of the sign whose abbreviation ends the trimmed ascendant text, or an empty
// text when it names none.
QString AscendantSignName(const std::string &AscendantText);

// Leading and trailing blanks removed (only blanks: a tab is part of the text).
QString TrimmedBlanks(const QString &text);

} // namespace starloom
