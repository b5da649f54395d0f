// Saving the report window as a JPEG image: the capture, the save dialog, and the choice
// of a file name that never replaces an existing file.
#pragma once

#include <QDateTime>
#include <QPixmap>
#include <QString>

#include <functional>

class QWidget;

namespace starloom {

class ReportWindow;
class UserDialogs;

// The local date and time, through a function that tests replace.
using LocalTimeSource = std::function<QDateTime()>;
QDateTime SystemLocalTime();

// What saving needs from outside: the dialogs and message boxes, the window they belong
// to, and the local time for names made from a date stamp.
struct ImageSaving {
    UserDialogs *dialogs = nullptr;
    QWidget *parent = nullptr;
    LocalTimeSource localTime = SystemLocalTime;
    QString proposedName{}; // what the save dialog offers; empty: nothing
};

// The chosen file's default suffix (without the dot) and the save dialog's filter, its
// name in the chosen language.
inline const QString kJpegSuffix = QStringLiteral("JPG");
QString JpegFilter();

// What one Save As JPEG did: the name the user chose, and the file written, empty when
// nothing was (a cancelled dialog, no free name, a failed write).
struct SavedImage {
    QString chosen;
    QString written;
};

// File > Save As JPEG: captures `report` into its picture holder, asks for a file name
// and saves the capture under it. Cancelling the dialog writes nothing.
SavedImage SaveChartAsJpeg(ReportWindow &report, const ImageSaving &saving);

// Saves the report window's held capture as a JPEG file at quality 100. The name is cut
// at the first dot of its file-name part and ".jpg" appended; when that file exists, the
// first free numbered variant is taken (see MakeUniqueImageName). With `recordName` the
// file name goes into `txtFile`; the folder written to always goes into `txtFolder`.
// A file is written whole or not at all; a failed write shows an error message that
// names the file and the reason. Returns the path written, or an empty string.
QString SaveImageAsJpeg(ReportWindow &report, const QString &name, bool recordName,
                        const ImageSaving &saving);

// The line that tells the user where an image went: "Saved <path>", and when the file's
// name is not the one chosen, what was chosen and why the name differs (cut at its first
// dot or given the .jpg extension; numbered because the name was taken).
QString ImageSavedNotice(const QString &chosen, const QString &written);

// The full path of a file that does not exist yet: folder + file, or else the first
// free variant "stem_001.jpg" .. "stem_999.jpg". An empty folder is the program's own
// folder; an empty file name becomes today's date stamp + ".jpg". When all 999 variants
// are taken, shows a message and returns an empty string.
QString MakeUniqueImageName(QString folder, QString file, const ImageSaving &saving);

// The local time as 17 digits, yyyyMMddhhmmsszzz, or with `dateOnly` as 8, yyyyMMdd.
QString MakeDateStamp(bool dateOnly, const LocalTimeSource &localTime);

// Splits a path at its last directory separator: the folder without that separator,
// and the file name after it. A path without a separator leaves both unchanged.
void SplitFolderAndFile(const QString &path, QString &folder, QString &file);

// True when something by exactly that name is there, so that a new file may not take
// the name.
bool FileExists(const QString &path);

// The window's own rendering, at the screen's pixel ratio; covering windows and the
// screen's edges do not matter.
QPixmap CaptureFormImage(QWidget &window);

} // namespace starloom
