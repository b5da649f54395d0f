#include "windows/image_saving.h"

#include "shell/core/file_io.h"
#include "shell/user_dialogs.h"
#include "windows/report_window.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QLineEdit>
#include <QWidget>

namespace starloom {

namespace {

constexpr int kJpegQuality = 100;    // the writer's highest quality
constexpr int kLastCopyNumber = 999; // numbered variants run from _001 to _999

const QString kJpegExtension = QStringLiteral(".jpg");

// The image as JPEG bytes at the highest quality; empty, with `reason` set, on failure.
QByteArray EncodeJpeg(const QImage &image, QString &reason) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArrayLiteral("jpg"));
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        reason = writer.errorString();
        return {};
    }
    return bytes;
}

// The numbered variant `copy` of a file name: every dot becomes "_001." and so on.
QString NumberedName(const QString &file, int copy) {
    QString candidate = file;
    candidate.replace(QLatin1Char('.'), QStringLiteral("_%1.").arg(copy, 3, 10, QLatin1Char('0')));
    return candidate;
}

void ShowTooManyCopies(const QString &file, const ImageSaving &saving) {
    if (saving.dialogs != nullptr) {
        saving.dialogs->showMessage(
            saving.parent,
            QCoreApplication::translate("ImageSaving", " UNABLE  TO  CREATE  NEW  FILE") + file,
            QCoreApplication::translate("ImageSaving", "There are too many Copies of this file  ") +
                file,
            MessageIcon::Critical);
    }
}

// The folder with its trailing separator, and the file name with its ".jpg": an empty
// folder is the program's own, an empty name today's date stamp.
void NormalizeImageTarget(QString &folder, QString &file, const ImageSaving &saving) {
    const QString separator = QDir::separator();
    if (folder.isEmpty())
        folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(separator))
        folder += separator;
    folder.replace(separator + separator, separator);

    if (file.isEmpty())
        file = MakeDateStamp(true, saving.localTime) + kJpegExtension;
    else if (file.contains(QLatin1Char('.')))
        file.replace(QStringLiteral(".bmp"), kJpegExtension);
    else
        file += kJpegExtension;
}

// A chosen name cut at the first dot of its file-name part, with ".jpg" appended; a name
// without a dot there keeps its whole text (the unique-name step gives it ".jpg").
QString ImageNameFor(const QString &chosen) {
    // Dialogs hand back paths with '/' on every platform; the splitting works on the
    // platform's own separator.
    const QString path = QDir::toNativeSeparators(chosen);
    const qsizetype fileStart = path.lastIndexOf(QDir::separator()) + 1;
    const qsizetype dot = path.indexOf(QLatin1Char('.'), fileStart);
    return dot >= 0 ? path.left(dot) + kJpegExtension : path;
}

QString FileNameOf(const QString &path) {
    const QString native = QDir::toNativeSeparators(path);
    return native.mid(native.lastIndexOf(QDir::separator()) + 1);
}

} // namespace

QString JpegFilter() {
    return QCoreApplication::translate("ImageSaving", "JPEG Image (*.jpg)") +
           QStringLiteral("|*.jpg");
}

QDateTime SystemLocalTime() {
    return QDateTime::currentDateTime();
}

SavedImage SaveChartAsJpeg(ReportWindow &report, const ImageSaving &saving) {
    // The capture comes first, so the image shows the window as it was when the command
    // began, before the dialog.
    report.holdCapture(CaptureFormImage(report));
    if (saving.dialogs == nullptr)
        return {};
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.filter = JpegFilter();
    request.defaultSuffix = kJpegSuffix;
    // No overwrite question: the name is numbered instead of replacing a file.
    request.confirmOverwrite = false;
    request.proposedName = saving.proposedName;
    const QString name = saving.dialogs->chooseFile(saving.parent, request);
    if (name.isEmpty())
        return {};
    return {name, SaveImageAsJpeg(report, name, true, saving)};
}

QString SaveImageAsJpeg(ReportWindow &report, const QString &name, bool recordName,
                        const ImageSaving &saving) {
    const QString path = ImageNameFor(name);
    QString folder;
    QString file;
    SplitFolderAndFile(path, folder, file);
    const QString chosenFile = recordName ? file : report.lastImage().file;

    // The name is claimed when the file is made, not when it is found free: another
    // program saving into the same folder at the same moment may take a name in between,
    // and the next number is tried then.
    const QString chosenFolder = folder;
    NormalizeImageTarget(folder, file, saving);
    QString reason;
    const QByteArray bytes = EncodeJpeg(report.heldCapture().toImage(), reason);
    QString target = reason.isEmpty() ? QString() : folder + file;
    for (int copy = 0; copy <= kLastCopyNumber && reason.isEmpty(); ++copy) {
        const QString candidate = folder + (copy == 0 ? file : NumberedName(file, copy));
        if (FileExists(candidate))
            continue;
        target = candidate;
        const Status claim = WriteNewFile(candidate, bytes);
        if (claim.ok())
            break;
        if (claim.code == StatusCode::NameTaken)
            target.clear();
        else
            reason = QString::fromStdString(claim.reason);
    }
    if (target.isEmpty() && reason.isEmpty())
        ShowTooManyCopies(file, saving);
    QString writtenFolder = chosenFolder;
    QString writtenFile;
    SplitFolderAndFile(target, writtenFolder, writtenFile);
    report.rememberImage({writtenFolder, chosenFile});
    if (reason.isEmpty())
        return target; // empty when every numbered name was taken
    if (saving.dialogs != nullptr) {
        saving.dialogs->showMessage(
            saving.parent, kProgramTitle,
            QCoreApplication::translate("ImageSaving", "The image could not be saved as %1.\n\n%2")
                .arg(QDir::toNativeSeparators(target), reason),
            MessageIcon::Error);
    }
    return {};
}

QString ImageSavedNotice(const QString &chosen, const QString &written) {
    QString notice = QCoreApplication::translate("ImageSaving", "Saved %1")
                         .arg(QDir::toNativeSeparators(written));
    if (FileNameOf(chosen).isEmpty())
        return notice; // a name made from the date: nothing was chosen to differ from
    QString intended = FileNameOf(ImageNameFor(chosen));
    if (!intended.contains(QLatin1Char('.')))
        intended += kJpegExtension;
    // The extension's letter case is the dialog's doing (it adds "JPG"), not a change.
    if (intended.compare(FileNameOf(chosen), Qt::CaseInsensitive) != 0)
        notice = QCoreApplication::translate("ImageSaving", "%1 instead of %2")
                     .arg(notice, FileNameOf(chosen));
    if (FileNameOf(written) != intended)
        notice = QCoreApplication::translate("ImageSaving", "%1 (%2 already exists)")
                     .arg(notice, intended);
    return notice;
}

// One existence check per candidate: at most a thousand for a folder that already holds
// every numbered copy.
QString MakeUniqueImageName(QString folder, QString file, const ImageSaving &saving) {
    NormalizeImageTarget(folder, file, saving);
    if (!FileExists(folder + file))
        return folder + file;
    for (int copy = 1; copy <= kLastCopyNumber; ++copy) {
        const QString candidate = NumberedName(file, copy);
        if (!FileExists(folder + candidate))
            return folder + candidate;
    }
    ShowTooManyCopies(file, saving);
    return {};
}

QString MakeDateStamp(bool dateOnly, const LocalTimeSource &localTime) {
    const QDateTime now = localTime ? localTime() : SystemLocalTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const QLatin1Char zero('0');
    const QString day = QStringLiteral("%1%2%3")
                            .arg(date.year(), 4, 10, zero)
                            .arg(date.month(), 2, 10, zero)
                            .arg(date.day(), 2, 10, zero);
    if (dateOnly)
        return day;
    return day + QStringLiteral("%1%2%3%4")
                     .arg(time.hour(), 2, 10, zero)
                     .arg(time.minute(), 2, 10, zero)
                     .arg(time.second(), 2, 10, zero)
                     .arg(time.msec(), 3, 10, zero);
}

void SplitFolderAndFile(const QString &path, QString &folder, QString &file) {
    const qsizetype last = path.lastIndexOf(QDir::separator());
    if (last < 0)
        return;
    folder = path.left(last);
    file = path.mid(last + 1);
}

// A broken link counts as taken too: writing there would replace the link.
bool FileExists(const QString &path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QPixmap CaptureFormImage(QWidget &window) {
    // The image holds the reading, without the frame that shows where the keyboard is.
    QWidget *focused = window.focusWidget();
    const bool framed = focused != nullptr && focused->hasFocus();
    if (framed)
        focused->clearFocus();
    QPixmap image = window.grab();
    if (framed)
        focused->setFocus(Qt::OtherFocusReason);
    return image;
}

} // namespace starloom
