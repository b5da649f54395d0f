// Reading file and text export.
#include "reading/reading_file.h"

#include "reading/form_values.h"
#include "reading/number_text.h"
#include "shell/core/file_io.h"
#include "shell/core/setting_text.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>

namespace starloom {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString Flag(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

QString Number(int value) {
    return QString::number(value);
}

// The list entry equal to the line, when the list of `first`..`last` has one.
void SelectEntry(QString &entry, const QString &line, int first, int last) {
    bool ok = false;
    const int value = line.toInt(&ok);
    if (ok && value >= first && value <= last && QString::number(value) == line)
        entry = line;
}

// The list position `number - offset`, when the line is a number and the list has it.
void SelectPosition(int &position, const QString &line, int offset, int count) {
    const std::optional<std::int16_t> number = TextToInt16(line);
    if (!number)
        return;
    const int index = *number - offset;
    if (index >= 0 && index < count)
        position = index;
}

// The text of a scrambled line. A line cut at the length limit may end inside a
// character; the incomplete character is left out rather than read as something else.
QString DecodeLine(QByteArray line, bool cut) {
    if (cut) {
        auto plain = [&line](qsizetype i) {
            return static_cast<unsigned char>(static_cast<unsigned char>(line[i]) - kSettingShift);
        };
        qsizetype start = line.size();
        while (start > 0 && (plain(start - 1) & 0xC0) == 0x80 && line.size() - start < 3)
            --start;
        if (start > 0 && plain(start - 1) >= 0xC0) {
            const unsigned char lead = plain(start - 1);
            const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            if (line.size() - (start - 1) < length)
                line.truncate(start - 1);
        }
    }
    return DecodeSettingBytes(line);
}

bool IsFlagWord(const QString &text) {
    return text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 ||
           text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0;
}

// What each number line may hold: the lists' entries, and for the coordinates the ranges
// the form accepts.
struct NumberLine {
    const char *name;
    int first;
    int last;
};
constexpr NumberLine kNumberLines[] = {
    {"month", 1, 12},
    {"day", 1, 31},
    {"year", kFirstYear, kLastYear},
    {"hour", 0, 23},
    {"minute", 0, 59},
    {"time zone", 0, kZoneCount - 1},
    {"longitude degrees", 0, 180},
    {"longitude minutes", 0, 59},
    {"latitude degrees", 0, 90},
    {"latitude minutes", 0, 59},
};
constexpr int kFirstNumberLine = 2;
constexpr const char *kFlagNames[] = {"longitude direction", "latitude direction",
                                      "daylight saving"};
constexpr int kFirstFlagLine = 12;

// A line's text as a message quotes it: a long one is cut short.
QString Quoted(const QString &line) {
    constexpr qsizetype kQuotedLength = 24; // characters
    return QLatin1Char('"') +
           (line.size() > kQuotedLength ? line.left(kQuotedLength) + QChar(0x2026) : line) +
           QLatin1Char('"');
}

// Why a line of a reading file is not what this program writes there; empty when it is.
QString LineFault(int number, const QString &line) {
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("the line holds control characters");
    }
    const int numberIndex = number - kFirstNumberLine;
    if (numberIndex >= 0 && numberIndex < static_cast<int>(std::size(kNumberLines))) {
        const NumberLine &kind = kNumberLines[numberIndex];
        const QString name = QString::fromLatin1(kind.name);
        static const QRegularExpression kWhole(QStringLiteral("^-?[0-9]+$"));
        if (!kWhole.match(line).hasMatch())
            return QStringLiteral("%1 %2 is not a whole number").arg(name, Quoted(line));
        bool ok = false;
        const qlonglong value = line.toLongLong(&ok);
        if (!ok || value < kind.first || value > kind.last)
            return QStringLiteral("%1 %2 is outside %3\u2013%4")
                .arg(name, ok ? line : Quoted(line))
                .arg(kind.first)
                .arg(kind.last);
        return {};
    }
    const int flagIndex = number - kFirstFlagLine;
    if (flagIndex >= 0 && flagIndex < static_cast<int>(std::size(kFlagNames)) &&
        !IsFlagWord(line.trimmed()) && !IsPlainDecimal(line.trimmed()))
        return QStringLiteral("%1 %2 is neither True nor False")
            .arg(QString::fromLatin1(kFlagNames[flagIndex]), Quoted(line));
    return {};
}

} // namespace

QStringList ReadingFileFields(const BirthData &birth, int zonePosition) {
    QStringList fields = {
        Text(birth.BirthName),    Number(birth.BirthMonth), Number(birth.BirthDay),
        Number(birth.BirthYear),  Number(birth.BirthHour),  Number(birth.BirthMinute),
        Number(zonePosition),     Number(birth.LonDegrees), Number(birth.LonMinutes),
        Number(birth.LatDegrees), Number(birth.LatMinutes), Flag(birth.LonDirFlag),
        Flag(birth.LatDirFlag),   Flag(birth.DstFlag),      Text(birth.BirthCity),
        Text(birth.BirthState),   Text(birth.BirthCountry)};
    for (QString &field : fields)
        field = TrimmedBlanks(field);
    return fields;
}

QByteArray EncodeReadingFile(const BirthData &birth, int zonePosition) {
    QByteArray file;
    for (const QString &field : ReadingFileFields(birth, zonePosition))
        file += EncodeSettingBytes(field) + kLineEnd;
    return file;
}

QStringList ReadReadingFileLines(QIODevice &device) {
    QStringList lines;
    QByteArray line;
    bool lineOpen = false; // bytes (or a CR) seen since the last line end
    bool afterCr = false;  // the previous byte was a CR: an LF now belongs to it
    bool cut = false;      // the line is longer than the part kept of it
    qsizetype consumed = 0;
    char chunk[4096];
    while (lines.size() < kReadingFileLines && consumed < kReadingFileByteLimit) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got <= 0)
            break;
        for (qint64 i = 0; i < got && lines.size() < kReadingFileLines; ++i) {
            const char byte = chunk[i];
            if (afterCr) {
                afterCr = false;
                if (byte == '\n')
                    continue;
            }
            if (byte == '\r') {
                lines.append(DecodeLine(line, cut));
                line.clear();
                cut = false;
                lineOpen = false;
                afterCr = true;
                continue;
            }
            lineOpen = true;
            if (line.size() < kReadingFileLineLimit)
                line.append(byte);
            else
                cut = true;
        }
        consumed += got;
    }
    if (lineOpen && lines.size() < kReadingFileLines)
        lines.append(DecodeLine(line, cut));
    return lines;
}

std::optional<QStringList> ParseReadingFile(const QByteArray &bytes, ReadingFileFault *fault) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = ReadReadingFileLines(buffer);
    ReadingFileFault found;
    if (lines.isEmpty()) {
        found.reason = QStringLiteral("the file is empty");
    } else if (lines.size() < kReadingFileLines) {
        found.line = static_cast<int>(lines.size()) + 1;
        found.reason = QStringLiteral("the file ends before this line (a reading file has "
                                      "%1 lines)")
                           .arg(kReadingFileLines);
    } else {
        for (int number = 1; number <= kReadingFileLines && found.reason.isEmpty(); ++number) {
            found.reason = LineFault(number, lines[number - 1]);
            found.line = number;
        }
        if (found.reason.isEmpty())
            return lines;
    }
    if (fault != nullptr)
        *fault = found;
    return std::nullopt;
}

Status ReadingFileRefusal(const QString &fileName, const ReadingFileFault &fault) {
    const QString where =
        fault.line <= 0 ? fileName : QStringLiteral("%1, line %2").arg(fileName).arg(fault.line);
    return Failure(StatusCode::BadContents, where.toStdString(), fault.reason.toStdString());
}

Status ReadReadingFile(const QString &path, QStringList &lines) {
    // The name's last three characters, exactly, as the program has always judged it.
    if (!path.endsWith(QStringLiteral("act"), Qt::CaseSensitive))
        return Failure(StatusCode::Refused, path.toStdString(), "Please Check The File.");
    QByteArray bytes;
    if (Status read = ReadRegularFile(path, kReadingFileByteLimit, bytes); !read.ok())
        return read;
    ReadingFileFault fault;
    std::optional<QStringList> parsed = ParseReadingFile(bytes, &fault);
    if (!parsed)
        return ReadingFileRefusal(QFileInfo(path).fileName(), fault);
    lines = std::move(*parsed);
    return Success();
}

bool ReadingFileFlag(const QString &line) {
    const QString text = line.trimmed();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (IsPlainDecimal(text))
        return text.toDouble() != 0.0;
    return true;
}

void ApplyReadingFile(const QStringList &lines, FormValues &values) {
    auto line = [&lines](int number) { return lines.value(number - 1); };
    values.name = line(1);
    SelectPosition(values.monthPosition, line(2), 1, 12);
    SelectEntry(values.dayText, line(3), 1, 31);
    SelectEntry(values.yearText, line(4), kFirstYear, kLastYear);
    SelectEntry(values.hourText, line(5), 0, 23);
    SelectEntry(values.minuteText, line(6), 0, 59);
    SelectPosition(values.zonePosition, line(7), 0, kZoneCount);
    values.lonDegrees = line(8).left(kCoordinateDigits);
    values.lonMinutes = line(9).left(kCoordinateDigits);
    values.latDegrees = line(10).left(kCoordinateDigits);
    values.latMinutes = line(11).left(kCoordinateDigits);
    values.lonDirection = ReadingFileFlag(line(12)) ? 0 : 1; // East or West
    values.latDirection = ReadingFileFlag(line(13)) ? 1 : 0; // North or South
    values.dst = ReadingFileFlag(line(14));
    values.city = line(15);
    values.state = line(16);
    values.country = line(17);
}

QString SafeFileStem(const QString &name) {
    QString stem = TrimmedBlanks(name);
    for (QChar &c : stem) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|.").contains(c))
            c = QLatin1Char('_');
    }
    return stem.isEmpty() ? QStringLiteral("reading") : stem;
}

QByteArray MakeTextExport(const BirthData &birth, const ChartPositions &chart) {
    // A file reads the same on every machine, so its month names are English.
    std::array<std::string, 8> lines = BirthDetailLines(birth, EnglishMonthName(birth.BirthMonth));
    lines[3] += ' '; // the latitude and longitude lines end with a blank
    lines[4] += ' ';
    QByteArray file;
    for (const std::string &line : lines)
        file += Text(line).toUtf8() + kLineEnd;
    file += QByteArrayLiteral("\r") + kLineEnd;
    file += QByteArrayLiteral("Planetary Position") + kLineEnd;
    for (int i = 0; i < kBodyCount; ++i)
        file += QByteArray::fromStdString(chart.ChartBodyNames[i] + " " + chart.PositionText[i]) +
                kLineEnd;
    return file;
}

Status WriteWholeFile(const QString &path, const QByteArray &bytes) {
    // A reading or an export belongs in a file of its own: a device or pipe chosen as the
    // target is refused rather than written into or replaced.
    return WriteWholeFile(path, bytes, NodeTarget::Refuse);
}

} // namespace starloom
