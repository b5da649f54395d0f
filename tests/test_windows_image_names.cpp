// Names for saved images: the date stamp, splitting a path, and the numbered name that
// never replaces a file.
#include "support/scripted_services.h"
#include "windows/image_saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace starloom;
using starloom::testing::ScriptedDialogs;

namespace {

const QString kSep = QDir::separator();

// 1 May 2007, 16:58:01.234 local time.
QDateTime FirstOfMay() {
    return QDateTime(QDate(2007, 5, 1), QTime(16, 58, 1, 234));
}

bool Touch(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class TestWindowsImageNames : public QObject {
    Q_OBJECT
private slots:
    void dateStamp_data();
    void dateStamp();
    void splitFolderAndFile_data();
    void splitFolderAndFile();
    void uniqueName_data();
    void uniqueName();
    void folderSeparators_data();
    void folderSeparators();
    void emptyFolderIsTheProgramsFolder();
    void directoryTakesTheName();
};

void TestWindowsImageNames::dateStamp_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("dateOnly");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("1 May 2007 16:58:01.234")
        << FirstOfMay() << false << QStringLiteral("20070501165801234");
    QTest::newRow("1 May 2007 date only") << FirstOfMay() << true << QStringLiteral("20070501");
    QTest::newRow("midnight, 5 ms, padded") << QDateTime(QDate(2026, 1, 9), QTime(0, 0, 0, 5))
                                            << false << QStringLiteral("20260109000000005");
}

void TestWindowsImageNames::dateStamp() {
    QFETCH(QDateTime, now);
    QFETCH(bool, dateOnly);
    QFETCH(QString, stamp);
    QCOMPARE(MakeDateStamp(dateOnly, [now] { return now; }), stamp);
}

void TestWindowsImageNames::splitFolderAndFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    const QString s = kSep;
    QTest::newRow("folder and file") << s + "charts" + s + "anna.jpg" << s + "charts"
                                     << "anna.jpg";
    QTest::newRow("dotted folder stays whole") << s + "my.charts" + s + "anna" << s + "my.charts"
                                               << "anna";
    QTest::newRow("file in the root") << s + "anna.jpg"
                                      << ""
                                      << "anna.jpg";
    QTest::newRow("trailing separator, no file") << s + "charts" + s << s + "charts"
                                                 << "";
    // Without a separator, both outputs keep what they held before.
    QTest::newRow("no separator leaves both") << "anna.jpg"
                                              << "before-folder"
                                              << "before-file";
}

void TestWindowsImageNames::splitFolderAndFile() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QString gotFolder = QStringLiteral("before-folder");
    QString gotFile = QStringLiteral("before-file");
    SplitFolderAndFile(path, gotFolder, gotFile);
    QCOMPARE(gotFolder, folder);
    QCOMPARE(gotFile, file);
}

void TestWindowsImageNames::uniqueName_data() {
    QTest::addColumn<QStringList>("present"); // files already in the folder
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("taken once") << QStringList{"anna.jpg"} << "anna.jpg"
                                << "anna_001.jpg";
    QTest::newRow("taken twice") << QStringList{"anna.jpg", "anna_001.jpg"} << "anna.jpg"
                                 << "anna_002.jpg";
    QTest::newRow("first free number, not the next")
        << QStringList{"anna.jpg", "anna_002.jpg"} << "anna.jpg"
        << "anna_001.jpg";
    QTest::newRow("tenth copy has three digits")
        << QStringList{"anna.jpg",     "anna_001.jpg", "anna_002.jpg", "anna_003.jpg",
                       "anna_004.jpg", "anna_005.jpg", "anna_006.jpg", "anna_007.jpg",
                       "anna_008.jpg", "anna_009.jpg"}
        << "anna.jpg"
        << "anna_010.jpg";
    QTest::newRow("no dot gets .jpg") << QStringList{} << "anna"
                                      << "anna.jpg";
    QTest::newRow(".bmp becomes .jpg") << QStringList{} << "anna.bmp"
                                       << "anna.jpg";
    QTest::newRow("empty name is the date") << QStringList{} << ""
                                            << "20070501.jpg";
    QTest::newRow("date name taken") << QStringList{"20070501.jpg"} << ""
                                     << "20070501_001.jpg";
}

void TestWindowsImageNames::uniqueName() {
    QFETCH(QStringList, present);
    QFETCH(QString, file);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = QDir::toNativeSeparators(dir.path());
    for (const QString &name : present)
        QVERIFY(Touch(folder + kSep + name));
    ScriptedDialogs dialogs;
    const ImageSaving saving{&dialogs, nullptr, FirstOfMay};
    QCOMPARE(MakeUniqueImageName(folder, file, saving), folder + kSep + chosen);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestWindowsImageNames::folderSeparators_data() {
    QTest::addColumn<QString>("suffix"); // added to the temporary folder's path
    QTest::newRow("no trailing separator") << "";
    QTest::newRow("doubled trailing separator") << kSep + kSep;
}

void TestWindowsImageNames::folderSeparators() {
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = QDir::toNativeSeparators(dir.path());
    const ImageSaving saving{nullptr, nullptr, FirstOfMay};
    QCOMPARE(MakeUniqueImageName(folder + suffix, QStringLiteral("anna.jpg"), saving),
             folder + kSep + QStringLiteral("anna.jpg"));
}

void TestWindowsImageNames::emptyFolderIsTheProgramsFolder() {
    const ImageSaving saving{nullptr, nullptr, FirstOfMay};
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    // The test program's folder holds no image of this name.
    QCOMPARE(MakeUniqueImageName(QString(), QStringLiteral("no-such-chart.jpg"), saving),
             folder + kSep + QStringLiteral("no-such-chart.jpg"));
}

// A folder of that name would make the write fail; it takes the name like a file does.
void TestWindowsImageNames::directoryTakesTheName() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("anna.jpg")));
    const QString folder = QDir::toNativeSeparators(dir.path());
    const ImageSaving saving{nullptr, nullptr, FirstOfMay};
    QCOMPARE(MakeUniqueImageName(folder, QStringLiteral("anna.jpg"), saving),
             folder + kSep + QStringLiteral("anna_001.jpg"));
}

QTEST_GUILESS_MAIN(TestWindowsImageNames)
#include "test_windows_image_names.moc"
