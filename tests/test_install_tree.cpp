// What an install holds, looked at from inside (the install itself and the checks with the
// desktop's own tools are made by test_install_tree.cmake, which runs first): the icon files
// are the program's icon at their sizes, the scalable icon looks like it, the desktop entry
// starts the program on a reading file, the reading-file type names *.act, the manual page
// of starloom-cli covers every command the tool has, the licence is the GNU GPL version 3,
// and the installed programs run.
#include "shell/program_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

using namespace starloom;

namespace {

const QString kPrefix = QStringLiteral(STARLOOM_INSTALL_PREFIX);
const QString kScratch = QStringLiteral(STARLOOM_INSTALL_PREFIX "-scratch");
const QString kSourceDir = QStringLiteral(STARLOOM_SOURCE_DIR);
const QString kReadingType = QStringLiteral("application/x-starloom-reading");
constexpr int kProgramPatienceMs = 30000; // an installed program answering --version
// Largest difference of a colour channel, out of 255, allowed between two renderers'
// pictures of the same drawing (see LargestCoarseDifference).
constexpr int kRendererTolerance = 32;

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The key=value lines of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString &path) {
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(ReadAll(path)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// Runs an installed program and returns its standard output; empty when it failed.
QString Run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kProgramPatienceMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The largest difference of one colour channel, out of 255, between two pictures seen at
// a quarter of their side: there two renderers' different anti-aliasing and half-pixel
// placing average out, while a part drawn differently does not.
int LargestCoarseDifference(const QImage &a, const QImage &b) {
    const auto coarse = [](const QImage &image) {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(image.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage left = coarse(a);
    const QImage right = coarse(b);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

class TestInstallTree : public QObject {
    Q_OBJECT
private slots:
    void iconFilesAreTheProgramIcon_data();
    void iconFilesAreTheProgramIcon();
    void scalableIconLooksLikeTheProgramIcon();
    void desktopEntryOpensReadingFiles();
    void readingTypeNamesActFiles();
    void cliManualPageCoversEveryCommand();
    void licenceIsTheGplVersion3();
    void installedProgramsRun_data();
    void installedProgramsRun();
};

void TestInstallTree::iconFilesAreTheProgramIcon_data() {
    QTest::addColumn<int>("side");
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d x %d", side, side) << side;
}

void TestInstallTree::iconFilesAreTheProgramIcon() {
    QFETCH(int, side);
    const QString path =
        kPrefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/starloom.png").arg(side);
    const QImage installed(path);
    QVERIFY2(!installed.isNull(), qPrintable(path));
    QCOMPARE(installed.size(), QSize(side, side));
    QVERIFY(installed.hasAlphaChannel());
    const QImage drawn = ProgramIcon().pixmap(QSize(side, side), 1.0).toImage();
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             drawn.convertToFormat(QImage::Format_ARGB32));
}

void TestInstallTree::scalableIconLooksLikeTheProgramIcon() {
    constexpr int kSide = 64; // pixels; the script renders the SVG at this size
    const QImage rendered(kScratch + QStringLiteral("/scalable-64.png"));
    QVERIFY(!rendered.isNull());
    QCOMPARE(rendered.size(), QSize(kSide, kSide));
    const QImage drawn = ProgramIcon().pixmap(QSize(kSide, kSide), 1.0).toImage();
    const int difference = LargestCoarseDifference(rendered, drawn);
    QVERIFY2(difference <= kRendererTolerance, qPrintable(QString::number(difference)));
    // The measure sees a missing star: the drawn icon with its star painted over.
    QImage starless = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&starless);
    painter.fillRect(QRect(24, 24, 16, 16), QColor(0x1c, 0x2a, 0x5a));
    painter.end();
    QVERIFY(LargestCoarseDifference(starless, drawn) > 2 * kRendererTolerance);
}

void TestInstallTree::desktopEntryOpensReadingFiles() {
    const QMap<QString, QString> entry =
        DesktopEntry(kPrefix + QStringLiteral("/share/applications/starloom.desktop"));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("QM Starloom"));
    // The program installed beside the entry, given one file at a time.
    const QStringList exec = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    QCOMPARE(exec, (QStringList{QStringLiteral("starloom"), QStringLiteral("%f")}));
    QVERIFY(QFileInfo(kPrefix + QStringLiteral("/bin/") + exec.constFirst()).isExecutable());
    QCOMPARE(entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts),
             QStringList{kReadingType});
    // The icon the entry names is the one installed in the theme.
    const QString icon = entry.value(QStringLiteral("Icon"));
    QCOMPARE(icon, QStringLiteral("starloom"));
    QVERIFY(QFile::exists(kPrefix + QStringLiteral("/share/icons/hicolor/48x48/apps/") + icon +
                          QStringLiteral(".png")));
    QVERIFY(QFile::exists(kPrefix + QStringLiteral("/share/icons/hicolor/scalable/apps/") + icon +
                          QStringLiteral(".svg")));
}

void TestInstallTree::readingTypeNamesActFiles() {
    QFile file(kPrefix + QStringLiteral("/share/mime/packages/qm-starloom.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList types;
    QStringList globs;
    QString comment;
    QString globCase;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QCOMPARE(xml.namespaceUri(),
                 QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
        if (xml.name() == QLatin1String("mime-type")) {
            types.append(xml.attributes().value(QLatin1String("type")).toString());
        } else if (xml.name() == QLatin1String("glob")) {
            globs.append(xml.attributes().value(QLatin1String("pattern")).toString());
            globCase = xml.attributes().value(QLatin1String("case-sensitive")).toString();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(types, QStringList{kReadingType});
    QCOMPARE(globs, QStringList{QStringLiteral("*.act")});
    // The program opens names ending in lower-case "act" only.
    QCOMPARE(globCase, QStringLiteral("true"));
    QCOMPARE(comment, QStringLiteral("QM Starloom reading"));
}

void TestInstallTree::cliManualPageCoversEveryCommand() {
    if (!STARLOOM_WITH_CLI)
        QSKIP("this build has no starloom-cli");
    const QString help =
        Run(kPrefix + QStringLiteral("/bin/starloom-cli"), {QStringLiteral("--help")});
    QVERIFY(!help.isEmpty());
    // The names listed under "Commands:", each on a line of its own after two blanks.
    const QString listed =
        help.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList commands;
    const QRegularExpression commandLine(QStringLiteral("^  ([a-z]+)\\s"),
                                         QRegularExpression::MultilineOption);
    for (auto match = commandLine.globalMatch(listed); match.hasNext();)
        commands.append(match.next().captured(1));
    QVERIFY2(commands.size() >= 6, qPrintable(help));

    const QString page =
        QString::fromUtf8(ReadAll(kPrefix + QStringLiteral("/share/man/man1/starloom-cli.1")));
    QVERIFY(page.contains(QStringLiteral(".TH STARLOOM-CLI 1 ")));
    for (const QString &command : commands) {
        // Each command opens an entry of the COMMANDS section.
        const QRegularExpression entry(QStringLiteral("^\\.TP\\n\\.BI? \"?%1[ \"\\n]").arg(command),
                                       QRegularExpression::MultilineOption);
        QVERIFY2(entry.match(page).hasMatch(), qPrintable(command));
    }
    for (const QString &option : {QStringLiteral("help"), QStringLiteral("version")})
        QVERIFY2(page.contains(QStringLiteral(".TP\n.B \\-\\-") + option), qPrintable(option));
}

void TestInstallTree::licenceIsTheGplVersion3() {
    const QByteArray installed =
        ReadAll(kPrefix + QStringLiteral("/share/doc/qm-starloom/LICENSE"));
    QCOMPARE(installed, ReadAll(kSourceDir + QStringLiteral("/LICENSE")));
    const QStringList head = QString::fromUtf8(installed.left(200)).split(QLatin1Char('\n'));
    QCOMPARE(head.value(0).trimmed(), QStringLiteral("GNU GENERAL PUBLIC LICENSE"));
    QCOMPARE(head.value(1).trimmed(), QStringLiteral("Version 3, 29 June 2007"));
    const QByteArray copyright =
        ReadAll(kPrefix + QStringLiteral("/share/doc/qm-starloom/copyright"));
    QVERIFY(copyright.contains("License: GPL-3+"));
}

void TestInstallTree::installedProgramsRun_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("version");
    QTest::newRow("desktop program")
        << QStringLiteral("starloom") << QStringLiteral("QM Starloom " STARLOOM_VERSION "\n");
    if (STARLOOM_WITH_CLI)
        QTest::newRow("command-line tool") << QStringLiteral("starloom-cli")
                                           << QStringLiteral("starloom-cli " STARLOOM_VERSION "\n");
}

void TestInstallTree::installedProgramsRun() {
    QFETCH(QString, program);
    QFETCH(QString, version);
    QCOMPARE(Run(kPrefix + QStringLiteral("/bin/") + program, {QStringLiteral("--version")}),
             version);
}

QTEST_MAIN(TestInstallTree)
#include "test_install_tree.moc"
