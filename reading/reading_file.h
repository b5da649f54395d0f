// The reading file (a person's birth data, scrambled line by line, so that a reading can be
// opened again later) and the text export (a readable summary of the data and positions).
#pragma once

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace starloom {

struct FormValues;

constexpr int kReadingFileLines = 17;
constexpr qsizetype kReadingFileLineLimit = 4096;    // bytes kept of one line
constexpr qsizetype kReadingFileByteLimit = 1 << 20; // bytes looked at in all

// The 17 fields of a reading file, unscrambled: the record's fields as plain text, with
// the zone list position at the moment of saving on line 7.
QStringList ReadingFileFields(const BirthData &birth, int zonePosition);

// The whole file: each field scrambled, each line ended by CR LF.
QByteArray EncodeReadingFile(const BirthData &birth, int zonePosition);

// Up to 17 lines of a reading file, unscrambled. A line ends at CR LF or a lone CR; a
// last line without an end counts. Whatever the file holds, at most 4 KiB of a line and
// 1 MiB in all are read; lines the file does not have are missing from the list.
QStringList ReadReadingFileLines(QIODevice &device);

// Why the bytes of a file are not a reading this program wrote: the first line that is
// wrong (0 for the file as a whole) and what is wrong with it, in the user's words.
struct ReadingFileFault {
    int line = 0;
    QString reason; // "year 2999 is outside 1800–2199"
};

// The 17 lines of a reading file, or nothing (with the first fault in `fault`) unless the
// file is whole and every line holds what this program writes there: text without control
// characters, whole numbers within their lists or ranges on lines 2 to 11, a flag word or
// number on lines 12 to 14. Lines after the 17th are not read. The line-by-line rule of
// ApplyReadingFile is for such files only: anything else is refused whole, so that a
// damaged file never shows as some other chart.
std::optional<QStringList> ParseReadingFile(const QByteArray &bytes,
                                            ReadingFileFault *fault = nullptr);

// A refused file as a StatusCode::BadContents: the file by `fileName` (the name without its
// folder) and the line, "anna.act, line 4", and the fault, "year 2999 is outside 1800–2199".
Status ReadingFileRefusal(const QString &fileName, const ReadingFileFault &fault);

// The 17 lines of the reading file at `path`, judged whole before anything of it is used.
// Refused ("Please Check The File.") unless the name ends in "act"; ReadFailed when it
// cannot be read (a pipe or device is refused without waiting on it); BadContents when it
// is not a whole reading (ParseReadingFile). `lines` is untouched on failure.
Status ReadReadingFile(const QString &path, QStringList &lines);

// Whether a flag line reads as true: the word True in any letter case or a non-zero
// number. False or zero read as false; anything else, a missing line included, as true.
bool ReadingFileFlag(const QString &line);

// Puts the lines back into the form's values. A text line fills its box as it stands (a
// missing one empties it; a coordinate box keeps its first three characters); a list line
// that is not a number or matches no entry leaves the list as it was.
void ApplyReadingFile(const QStringList &lines, FormValues &values);

// A person's name as the stem of a file name: each character no file name may hold (a
// slash, a backslash, : * ? " < > |, a control character) and each dot (which would start
// an extension) becomes '_', and blanks at both ends go. "reading" when nothing is left.
QString SafeFileStem(const QString &name);

// The 21 lines of the text export, each ended by CR LF, line 9 a lone CR.
QByteArray MakeTextExport(const BirthData &birth, const ChartPositions &chart);

// Writes the whole file or nothing: an earlier file of that name is left untouched when
// the write fails (StatusCode::WriteFailed, with the system's reason).
Status WriteWholeFile(const QString &path, const QByteArray &bytes);

} // namespace starloom
