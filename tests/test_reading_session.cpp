// One reading from the form to the chart window, the way back, and the file commands.
#include "reading/driver.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "reading/gui/reading_session.h"
#include "reading/reading_file.h"
#include "shell/core/setting_text.h"
#include "shell/start_up.h"
#include "support/form_controls.h"
#include "support/report_labels.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>

using namespace starloom;
using namespace starloom::testing;

namespace {

// Everything the form holds, for comparing.
QStringList Contents(const FormValues &v) {
    return {v.name,
            v.dayText,
            v.yearText,
            v.hourText,
            v.minuteText,
            v.latDegrees,
            v.latMinutes,
            v.lonDegrees,
            v.lonMinutes,
            v.city,
            v.state,
            v.country,
            QString::number(v.monthPosition),
            QString::number(v.zonePosition),
            QString::number(v.latDirection),
            QString::number(v.lonDirection),
            QString::number(v.dst)};
}

QString ReadFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// Types `text` into `box` as a keyboard layout of the script sends it, one key a character,
// or, with `inputMethod`, as an input method commits a converted word (kana and kanji).
void TypeInto(QLineEdit *box, const QString &text, bool inputMethod) {
    box->clear();
    box->setFocus();
    if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
        return;
    }
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
}

} // namespace

class TestReadingSession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readingFillsTheWindows();
    void aspectOrbsAreKeptAndApplied();
    void statusBarShowsTheTimeUsed();
    void statusBarReadableAtOpeningSize();
    void placeTypedGivesTheDatabaseTime_data();
    void placeTypedGivesTheDatabaseTime();
    void refusedValidationChangesNothing();
    void zoneNoteKeepsTheFormsHeight();
    void backAndASecondReading();
    void newForgetsTheSavedFile();
    void formComesBackWhole_data();
    void formComesBackWhole();
    void saveThenOpen();
    void namesOfEveryScript_data();
    void namesOfEveryScript();
    void dialogsProposeTheirOwnKind_data();
    void dialogsProposeTheirOwnKind();
    void openRefusesOtherNames();
    void openFromTheChartWindow_data();
    void openFromTheChartWindow();
    void cancelledDialogsWriteNothing();
    void failedSaveIsReported();
    void precisePositionsFromTheViewMenu();
    void printedSheetFollowsTheWindow_data();
    void printedSheetFollowsTheWindow();
    void positionMethodSetting_data();
    void positionMethodSetting();
    void fileCommandsByKey_data();
    void fileCommandsByKey();
    void titleFollowsTheReadingFile();

private:
    QTemporaryDir *dir_ = nullptr;
    ScriptedShell *shell_ = nullptr;
    ReadingSession *session_ = nullptr;
    int endRequests_ = 0;
};

void TestReadingSession::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStandardPaths::setTestModeEnabled(true); // the orbs go to a test profile
    dir_ = new QTemporaryDir;
    shell_ = new ScriptedShell;
    endRequests_ = 0;
    session_ = new ReadingSession(shell_->services(), {[this] { ++endRequests_; }, {}});
    session_->form().show();
}

void TestReadingSession::cleanup() {
    delete session_;
    delete shell_;
    delete dir_;
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return w->isVisible() && !w->inherits("QMenu"); }),
             0);
}

void TestReadingSession::readingFillsTheWindows() {
    FillMay1990(session_->form());
    QTest::mouseClick(Controls(session_->form()).cmdCalculate, Qt::LeftButton);
    QVERIFY(shell_->dialogs.messages.isEmpty());
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(chart != nullptr);
    QVERIFY(chart->isVisible());
    QVERIFY(!session_->form().isVisible());
    ReportWindow *report = chart->report();
    const ReadingState &state = session_->state();
    for (int i = 0; i < 11; ++i)
        QCOMPARE(PlanetValue(*report, i)->text(),
                 QString::fromStdString(state.Chart.PositionText[i]));
    // The retrograde marks of the day reach the wheel: Mercury, Uranus, Neptune, Pluto.
    QCOMPARE(state.BodyNames[2], std::string("Mercury (R) "));
    QCOMPARE(state.BodyNames[3], std::string("Venus"));
    QCOMPARE(state.BodyNames[9], std::string("Pluto (R) "));
    const WheelArrangement wheel = ArrangeWheel(state.Chart.PositionText, state.BodyNames);
    int bodies = 0;
    for (int house = 0; house < 12; ++house) {
        QCOMPARE(HouseCell(*report, house)->text(), wheel.HouseCell[house]);
        QCOMPARE(HouseCell(*report, house)->text(),
                 wheel.SignCellText[(wheel.AscSignIndex + house) % 12]);
        bodies += HouseCell(*report, house)->text().count(QStringLiteral("\r\n"));
        QVERIFY(!SignLabel(*report, house)->isVisible());
        QCOMPARE(report->glyphSign(house), (wheel.AscSignIndex + house) % 12);
    }
    QCOMPARE(bodies, 11);
    QVERIFY(HouseCell(*report, 0)->text().endsWith(QStringLiteral("Asc")));
    QVERIFY(HouseCell(*report, 0)->text().contains(QStringLiteral("Asc")));
    QVERIFY(std::string(state.Chart.AscendantText)
                .ends_with(std::string(SignAbbrevTable[wheel.AscSignIndex])));
    QCOMPARE(LagnaLabel(*report)->text(), QString::fromUtf8(kSignFullNames[wheel.AscSignIndex]));
    QCOMPARE(RashiLabel(*report)->text(), QString::fromStdString(state.Chart.MoonSignName));
    FIND_CHILD(QTextEdit, rtb, report, "RTB");
    QVERIFY(!rtb->toPlainText().isEmpty());
    FIND_CHILD(QLabel, name, report, "lblName");
    QCOMPARE(name->text(), QStringLiteral("Name: Mary Ann"));
}

// View > Aspect Orbs…: the accepted orbs give the aspects at once and are kept for the next
// reading.
void TestReadingSession::aspectOrbsAreKeptAndApplied() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(chart != nullptr);
    ReportWindow *report = chart->report();
    const ChartPositions &positions = session_->state().Chart;
    QCOMPARE(PlanetValue(*report, 11)->text(), QString::fromStdString(positions.MidheavenText));
    QCOMPARE(PlanetValue(*report, 12)->text(), QString::fromStdString(positions.NorthNodeText));
    QCOMPARE(PlanetValue(*report, 13)->text(), QString::fromStdString(positions.SouthNodeText));
    const std::size_t usual = report->aspects().size();
    QVERIFY(usual > 0);
    // The printed wheel marks the planets' degrees, and draws the aspect lines once the
    // window shows them.
    QVERIFY(chart->readingSheet().wheel.hasDegreeMarks);
    QCOMPARE(chart->readingSheet().wheel.degreeMarks.Longitude[kMarsBody],
             positions.Longitude[kMarsBody]);
    QVERIFY(!chart->readingSheet().wheel.aspectLinesShown);
    FIND_CHILD(QAction, lines, chart, "mnuAspectLines");
    lines->trigger();
    QVERIFY(chart->readingSheet().wheel.aspectLinesShown);
    QVERIFY(!chart->readingSheet().wheel.aspectLines.empty());

    FIND_CHILD(QAction, entry, chart, "mnuAspectOrbs");
    entry->trigger();
    FIND_CHILD(AspectOrbsDialog, dialog, chart, "dlgAspectOrbs");
    AspectOrbs narrow;
    narrow.Orb.fill(1.0);
    narrow.LuminaryExtra = 0.0;
    dialog->setOrbs(narrow);
    dialog->accept();
    const std::size_t fewer = report->aspects().size();
    QVERIFY(fewer < usual);
    for (const Aspect &aspect : report->aspects())
        QVERIFY(aspect.Orb <= 1.0);

    // Back and a new reading: the narrow orbs hold.
    FIND_CHILD(QAction, back, chart, "mnuBack");
    back->trigger();
    session_->CalculateReading();
    QVERIFY(session_->chartWindow() != nullptr);
    QCOMPARE(session_->chartWindow()->report()->aspects().size(), fewer);
    QCOMPARE(session_->state().Orbs.Orb[0], 1.0);
    QVERIFY(StoreAspectOrbs(*OpenProgramSettings(), AspectOrbs{}).ok());
}

void TestReadingSession::statusBarShowsTheTimeUsed() {
    BirthForm &form = session_->form();
    FillMay1990(form);
    Controls(form).cboMonth->setCurrentIndex(6); // 1 July 1990, 12:00
    PlaceFinder &places = session_->places();
    // The atlas is read in the background; the offer stays empty until it is there.
    QTRY_VERIFY_WITH_TIMEOUT(
        (places.offerPlaces(QStringLiteral("Madrid")), places.completer()->model()->rowCount() > 0),
        10000);
    places.choosePlace(0);
    QCOMPARE(ZonePosition(Controls(form).cboTimeZone), 20); // Central European Time
    QVERIFY(Controls(form).chkDST->isChecked());
    session_->CalculateReading();
    FIND_CHILD(QLabel, status, session_->chartWindow(), "lblUniversalTime");
    QCOMPARE(status->text(),
             QString::fromUtf8("Universal time 1990-07-01 10:00 \u00b7 Central European Time with "
                               "daylight saving, UTC+02:00 \u00b7 from the atlas (Europe/Madrid)"));

    // Daylight saving cleared by hand: the chart is for 11:00 and the bar says why.
    session_->chartWindow()->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(session_->chartWindow() == nullptr);
    Controls(form).chkDST->click();
    session_->CalculateReading();
    FIND_CHILD(QLabel, warned, session_->chartWindow(), "lblUniversalTime");
    QCOMPARE(warned->text(),
             QString::fromUtf8("Universal time 1990-07-01 11:00 \u00b7 Central European Time, "
                               "UTC+01:00 \u00b7 by hand   Warning: for Madrid on this date the "
                               "atlas gives Central European Time with daylight saving, "
                               "UTC+02:00."));

    // The same offset by another road is no mismatch: Eastern European Time, UTC+02:00.
    session_->chartWindow()->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(session_->chartWindow() == nullptr);
    SelectZone(Controls(form).cboTimeZone, 26);
    session_->CalculateReading();
    FIND_CHILD(QLabel, same, session_->chartWindow(), "lblUniversalTime");
    QCOMPARE(same->text(),
             QString::fromUtf8("Universal time 1990-07-01 10:00 \u00b7 Eastern European Time, "
                               "UTC+02:00 \u00b7 by hand"));
}

// At the chart window's opening size each text of the status bar is whole, or cut with an
// ellipsis and whole in its tool tip; none runs past the window's edge, and the time line
// keeps room to be read.
void TestReadingSession::statusBarReadableAtOpeningSize() {
    BirthForm &form = session_->form();
    FillMay1990(form);
    SelectZone(Controls(form).cboTimeZone, 137); // Newfoundland Standard Time (until 1935)
    Controls(form).chkDST->setChecked(true);
    session_->CalculateReading();
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QStatusBar *bar = chart->statusBar();
    int shown = 0;
    for (QLabel *label : bar->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        ++shown;
        const QString name = label->objectName();
        QVERIFY2(bar->rect().contains(label->geometry()), qPrintable(name));
        const bool whole = QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                           label->contentsRect().width();
        QVERIFY2(whole || label->toolTip().startsWith(label->text()), qPrintable(name));
    }
    QCOMPARE(shown, 3);
    FIND_CHILD(QLabel, time, chart, "lblUniversalTime");
    QVERIFY(time->width() >= bar->width() / 3);
}

void TestReadingSession::placeTypedGivesTheDatabaseTime_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<QString>("expected");
    // Offsets from the tz database (zdump): BDST +2 in London in the summers of 1944 and
    // 1947, CEMT +3 in Berlin in June 1945, +0545 in Kathmandu since 1986.
    QTest::newRow("London 1944") << "London" << QDateTime(QDate(1944, 7, 16), QTime(14, 45))
                                 << "Universal time 1944-07-16 12:45 \u00b7 British Double Summer "
                                    "Time, UTC+02:00 \u00b7 from the atlas (Europe/London)";
    QTest::newRow("London 1947") << "London" << QDateTime(QDate(1947, 6, 1), QTime(12, 0))
                                 << "Universal time 1947-06-01 10:00 \u00b7 British Double Summer "
                                    "Time, UTC+02:00 \u00b7 from the atlas (Europe/London)";
    QTest::newRow("Berlin 1945") << "Berlin" << QDateTime(QDate(1945, 6, 1), QTime(12, 0))
                                 << "Universal time 1945-06-01 09:00 \u00b7 Central European "
                                    "Midsummer Time, UTC+03:00 \u00b7 from the atlas "
                                    "(Europe/Berlin)";
    QTest::newRow("Kathmandu 2000") << "Kathmandu" << QDateTime(QDate(2000, 6, 1), QTime(12, 0))
                                    << "Universal time 2000-06-01 06:15 \u00b7 Nepal Time, "
                                       "UTC+05:45 \u00b7 from the atlas (Asia/Kathmandu)";
}

void TestReadingSession::placeTypedGivesTheDatabaseTime() {
    QFETCH(QString, city);
    QFETCH(QDateTime, local);
    QFETCH(QString, expected);
    BirthForm &form = session_->form();
    FillMay1990(form);
    Controls(form).cboYear->setCurrentIndex(
        Controls(form).cboYear->findText(QString::number(local.date().year())));
    Controls(form).cboMonth->setCurrentIndex(local.date().month() - 1);
    Controls(form).cboDate->setCurrentIndex(local.date().day() - 1);
    Controls(form).cboHour->setCurrentIndex(local.time().hour());
    Controls(form).cboMinute->setCurrentIndex(local.time().minute());
    PlaceFinder &places = session_->places();
    QTRY_VERIFY_WITH_TIMEOUT(
        (places.offerPlaces(city), places.completer()->model()->rowCount() > 0), 10000);
    Controls(form).txtCity->clear();
    Controls(form).txtCity->setFocus();
    QTest::keyClicks(Controls(form).txtCity, city);
    QTRY_VERIFY(places.completer()->popup()->isVisible());
    QTest::keyClick(places.completer()->popup(), Qt::Key_Return);
    session_->CalculateReading();
    FIND_CHILD(QLabel, status, session_->chartWindow(), "lblUniversalTime");
    QCOMPARE(status->text(), QString::fromUtf8(expected.toUtf8()));
}

void TestReadingSession::refusedValidationChangesNothing() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(chart != nullptr);
    const QString sun = PlanetValue(*chart->report(), 0)->text();
    const BirthData before = session_->state().Birth;
    Controls(session_->form()).cboMonth->setCurrentIndex(7);
    Controls(session_->form()).txtCity->clear();
    session_->CalculateReading();
    QCOMPARE(shell_->dialogs.takeOnlyMessage(), QStringLiteral("Please Enter Your City name"));
    QCOMPARE(session_->chartWindow(), chart);
    QCOMPARE(PlanetValue(*chart->report(), 0)->text(), sun);
    QCOMPARE(session_->state().Birth.BirthMonth, before.BirthMonth);
}

// A note under the zone list takes the room it needs and no more: the form keeps its height
// while the note stays, however often the date changes, and gives the room back after.
void TestReadingSession::zoneNoteKeepsTheFormsHeight() {
    BirthForm &form = session_->form();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto height = [&form] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        return form.height();
    };
    const int plain = height();
    SelectZone(Controls(form).cboTimeZone, 16); // British Summer Time, ticked again:
    Controls(form).chkDST->setChecked(true);    // daylight time counted twice
    QVERIFY(Controls(form).lblZoneNotice->isVisible());
    const int withNote = height();
    QVERIFY(withNote > plain);
    for (int change = 1; change <= 35; ++change) {
        Controls(form).cboDate->setCurrentIndex(change % 28);
        QCOMPARE(height(), withNote);
    }
    Controls(form).chkDST->setChecked(false);
    QVERIFY(!Controls(form).lblZoneNotice->isVisible());
    QCOMPARE(height(), plain);
}

void TestReadingSession::backAndASecondReading() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    QPointer<ChartWindow> first = session_->chartWindow();
    FIND_CHILD(QToolBar, toolbar, first.data(), "TB");
    FIND_CHILD(QAction, toolbarToggle, first.data(), "mnuToolBar");
    toolbarToggle->trigger();
    QVERIFY(!toolbar->isVisibleTo(first));
    FIND_CHILD(QPushButton, back, first.data(), "cmdBack");
    QTest::mouseClick(back, Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    QVERIFY(session_->form().isVisible());
    QCOMPARE(endRequests_, 0);
    // The form kept its contents; a month later Mercury is direct again.
    QCOMPARE(Controls(session_->form()).txtName->text(), QStringLiteral("Mary Ann"));
    Controls(session_->form()).cboMonth->setCurrentIndex(5);
    Controls(session_->form()).cboDate->setCurrentIndex(14);
    QTest::mouseClick(Controls(session_->form()).cmdCalculate, Qt::LeftButton);
    ChartWindow *second = session_->chartWindow();
    QVERIFY(second != nullptr);
    FIND_CHILD(QToolBar, toolbar2, second, "TB");
    QVERIFY(toolbar2->isVisibleTo(second));
    QCOMPARE(session_->state().BodyNames[2], std::string("Mercury"));
    QString allCells;
    for (int house = 0; house < 12; ++house)
        allCells += HouseCell(*second->report(), house)->text();
    QVERIFY(!allCells.contains(QStringLiteral("Mercury (R)")));
    QCOMPARE(allCells.count(QStringLiteral("\r\n")), 11);
    FIND_CHILD(QLabel, dob, second->report(), "lblDOB");
    // On screen the month is named in the user's language ("June" on an English system).
    QCOMPARE(dob->text(), "Date of Birth: " + QLocale::system().monthName(6) + " 15, 1990");
}

void TestReadingSession::newForgetsTheSavedFile() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    const QString path = dir_->filePath(QStringLiteral("mary.act"));
    shell_->dialogs.fileAnswers = {path};
    session_->SaveReadingFile();
    QCOMPARE(session_->state().SavedReadingFile, path);
    QPointer<ChartWindow> chart = session_->chartWindow();
    FIND_CHILD(QAction, newAction, chart.data(), "mnuNew");
    newAction->trigger();
    QTRY_VERIFY(chart.isNull());
    QVERIFY(session_->state().SavedReadingFile.isEmpty());
    QCOMPARE(session_->state().ReadingFileName, path);
    QVERIFY(session_->form().isVisible());
}

void TestReadingSession::formComesBackWhole_data() {
    QTest::addColumn<QString>("entry"); // of the chart window's File menu
    QTest::addColumn<bool>("afresh");   // the form as it started, or as the user left it
    QTest::newRow("Back keeps the birth") << "mnuBack" << false;
    QTest::newRow("New starts afresh") << "mnuNew" << true;
}

// After Back or New the form comes back whole on the chart window's screen, centred, wherever
// it was before.
void TestReadingSession::formComesBackWhole() {
    QFETCH(QString, entry);
    QFETCH(bool, afresh);
    BirthForm &form = session_->form();
    FillMay1990(form);
    const QStringList typed = Contents(form.values());
    form.move(form.screen()->availableGeometry().bottomRight() - QPoint(40, 40));
    session_->CalculateReading();
    QPointer<ChartWindow> chart = session_->chartWindow();
    const QRect screen = chart->screen()->availableGeometry();
    auto *action = chart->findChild<QAction *>(entry);
    QVERIFY(action);
    action->trigger();
    QTRY_VERIFY(chart.isNull());
    QVERIFY(form.isVisible());
    const QRect frame = form.frameGeometry();
    QVERIFY(screen.contains(frame));
    QVERIFY((frame.center() - screen.center()).manhattanLength() <= 2);
    QCOMPARE(Contents(form.values()), afresh ? Contents(FormValues{}) : typed);
    QCOMPARE(Controls(form).lblZoneNotice->isVisible(), false);
}

void TestReadingSession::saveThenOpen() {
    FillMay1990(session_->form());
    SelectZone(Controls(session_->form()).cboTimeZone, 16);
    Controls(session_->form()).chkDST->setChecked(true);
    session_->CalculateReading();
    const QString path = dir_->filePath(QStringLiteral("mary.act"));
    shell_->dialogs.fileAnswers = {path};
    session_->SaveReadingFile();
    QCOMPARE(shell_->dialogs.fileRequests.size(), 1);
    const FileDialogRequest save = shell_->dialogs.fileRequests.takeFirst();
    QCOMPARE(save.title, QStringLiteral("QM Starloom"));
    QCOMPARE(save.filter, QStringLiteral("QM Astrology Chart Type (*.act)|*.act"));
    QCOMPARE(save.defaultSuffix, QStringLiteral("act"));
    QVERIFY(save.confirmOverwrite);
    QCOMPARE(ReadFile(path).count(QStringLiteral("\r\n")), 17);
    // The export proposes the name just saved with its own extension, never the reading file.
    shell_->dialogs.fileAnswers = {dir_->filePath(QStringLiteral("mary.txt"))};
    session_->ExportReadingText();
    const FileDialogRequest exportRequest = shell_->dialogs.fileRequests.takeFirst();
    QCOMPARE(exportRequest.proposedName, dir_->filePath(QStringLiteral("mary.txt")));
    QCOMPARE(exportRequest.title, QStringLiteral("Select the destination text file "));
    QCOMPARE(exportRequest.filter, QStringLiteral("Export Chart As Text (*.txt)|*.txt"));
    QVERIFY(exportRequest.confirmOverwrite);
    QVERIFY(ReadFile(dir_->filePath(QStringLiteral("mary.txt")))
                .startsWith(QStringLiteral("Name: Mary Ann\r\nDate of Birth: May 1, 1990\r\n")));

    QPointer<ChartWindow> chart = session_->chartWindow();
    chart->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(chart.isNull());
    BirthForm &form = session_->form();
    Controls(form).txtName->setText(QStringLiteral("Someone Else"));
    SelectZone(Controls(form).cboTimeZone, 3);
    Controls(form).chkDST->setChecked(false);
    Controls(form).optLatSouth[0]->setChecked(true);
    shell_->dialogs.fileAnswers = {path};
    QTest::mouseClick(Controls(form).cmdOpen, Qt::LeftButton);
    const FileDialogRequest open = shell_->dialogs.fileRequests.takeFirst();
    QCOMPARE(open.title, QStringLiteral("Select the source file"));
    QVERIFY(open.mustExist);
    QVERIFY(open.proposedName.isEmpty());
    QCOMPARE(Controls(form).txtName->text(), QStringLiteral("Mary Ann"));
    QCOMPARE(ZonePosition(Controls(form).cboTimeZone), 16);
    QVERIFY(Controls(form).chkDST->isChecked());
    QVERIFY(Controls(form).optLatSouth[1]->isChecked());
    QVERIFY(Controls(form).optLongEast[1]->isChecked());
    QVERIFY(session_->chartWindow() != nullptr);
    QVERIFY(!form.isVisible());
    QCOMPARE(session_->state().Birth.BirthName, std::string("Mary Ann"));
    // The zone came from the file, and the status bar says so.
    FIND_CHILD(QLabel, time, session_->chartWindow(), "lblUniversalTime");
    QVERIFY2(time->text().endsWith(QStringLiteral("\u00b7 from the reading file mary.act")),
             qPrintable(time->text()));
}

void TestReadingSession::namesOfEveryScript_data() {
    QTest::addColumn<QStringList>("texts"); // name, city, state, country
    QTest::addColumn<bool>("inputMethod");
    QTest::newRow("Latin") << QStringList{"José Müller-O’Brien", "St. Jean-d'Angély",
                                          "Baden-Württemberg", "Deutschland"}
                           << false;
    QTest::newRow("Greek") << QStringList{"Σωκράτης Παπαδόπουλος", "Αθήνα", "Αττική", "Ελλάδα"}
                           << false;
    QTest::newRow("Cyrillic") << QStringList{"Пётр Ильич Чайковский", "Воткинск", "Удмуртия",
                                             "Россия"}
                              << false;
    QTest::newRow("Arabic") << QStringList{"محمد عبد الله", "القاهرة", "الجيزة", "مصر"} << false;
    QTest::newRow("Hebrew") << QStringList{"דוד גרין", "תל אביב", "המרכז", "ישראל"} << false;
    // 山, 田 and 日 are also Kangxi radicals, which a PDF's text map can confuse them with.
    QTest::newRow("CJK") << QStringList{"山田太郎", "京都市", "京都府", "日本"} << true;
}

// Typed into the form, calculated, saved, reopened, exported as text and as PDF: every
// name comes back as it was typed.
void TestReadingSession::namesOfEveryScript() {
    QFETCH(QStringList, texts);
    QFETCH(bool, inputMethod);
    BirthForm &form = session_->form();
    FillMay1990(form);
    QLineEdit *const boxes[] = {Controls(form).txtName, Controls(form).txtCity,
                                Controls(form).txtState, Controls(form).txtCountry};
    for (int i = 0; i < texts.size(); ++i) {
        TypeInto(boxes[i], texts[i], inputMethod);
        QCOMPARE(boxes[i]->text(), texts[i]);
    }
    QVERIFY(shell_->dialogs.messages.isEmpty());
    session_->CalculateReading();
    QVERIFY(session_->chartWindow() != nullptr);
    const QString act = dir_->filePath(QStringLiteral("names.act"));
    shell_->dialogs.fileAnswers = {act};
    session_->SaveReadingFile();
    QPointer<ChartWindow> chart = session_->chartWindow();
    chart->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(chart.isNull());
    Controls(form).txtName->setText(QStringLiteral("Someone Else"));
    shell_->dialogs.fileAnswers = {act};
    QTest::mouseClick(Controls(form).cmdOpen, Qt::LeftButton);
    QCOMPARE(Controls(form).txtName->text(), texts[0]);
    QCOMPARE(Controls(form).txtCountry->text(), texts[3]);

    const QString txt = dir_->filePath(QStringLiteral("names.txt"));
    const QString pdf = dir_->filePath(QStringLiteral("names.pdf"));
    shell_->dialogs.fileAnswers = {txt, pdf};
    session_->ExportReadingText();
    session_->chartWindow()->exportPdf();
    QVERIFY(shell_->dialogs.messages.isEmpty());
    QFile file(txt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString exported = QString::fromUtf8(file.readAll());
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    // pdftotext wraps right-to-left runs in embedding marks.
    const QString printed =
        QString::fromUtf8(pdftotext.readAllStandardOutput())
            .remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
    const QStringList captions = {"Name: ", "City: ", "State: ", "Country: "};
    for (int i = 0; i < captions.size(); ++i) {
        QVERIFY2(exported.contains(captions[i] + texts[i] + QStringLiteral("\r\n")),
                 qPrintable(exported));
        QVERIFY2(printed.contains(captions[i] + texts[i] + QLatin1Char('\n')),
                 qPrintable(printed.left(400)));
    }
}

void TestReadingSession::dialogsProposeTheirOwnKind_data() {
    QTest::addColumn<bool>("saved"); // as mary.act first
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("proposed"); // @ stands for the test's folder
    QTest::newRow("Save As: the person's name") << false << "mnuSaveAsText"
                                                << "Mary Ann.act";
    QTest::newRow("Export: the person's name") << false << "mnuExport"
                                               << "Mary Ann.txt";
    QTest::newRow("Save As after saving") << true << "mnuSaveAsText"
                                          << "@/mary.act";
    QTest::newRow("Export after saving") << true << "mnuExport"
                                         << "@/mary.txt";
    QTest::newRow("JPEG after saving") << true << "mnuSaveAsJpeg"
                                       << "@/mary.jpg";
    QTest::newRow("PDF after saving") << true << "mnuExportPdf"
                                      << "@/mary.pdf";
}

// Each save dialog proposes a file of its own kind, so that Return never replaces a file of
// another kind.
void TestReadingSession::dialogsProposeTheirOwnKind() {
    QFETCH(bool, saved);
    QFETCH(QString, entry);
    QFETCH(QString, proposed);
    FillMay1990(session_->form());
    session_->CalculateReading();
    if (saved) {
        shell_->dialogs.fileAnswers = {dir_->filePath(QStringLiteral("mary.act"))};
        session_->SaveReadingFile();
        shell_->dialogs.fileRequests.clear();
    }
    auto *action = session_->chartWindow()->findChild<QAction *>(entry);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(shell_->dialogs.fileRequests.size(), 1);
    QCOMPARE(shell_->dialogs.fileRequests[0].proposedName,
             proposed.replace(QLatin1Char('@'), dir_->path()));
}

void TestReadingSession::openFromTheChartWindow_data() {
    QTest::addColumn<QByteArray>("year"); // of the reading in the file
    QTest::addColumn<QByteArray>("city");
    QTest::addColumn<QString>("message"); // shown, or empty
    QTest::addColumn<QString>("shown");   // "chart" of the file's reading, "old chart", "form"
    QTest::newRow("a reading: its chart in place of the old")
        << QByteArray("1980") << QByteArray("Pune") << ""
        << "chart";
    QTest::newRow("a damaged file: the old chart and the form stay")
        << QByteArray("2999") << QByteArray("Pune")
        << QString::fromUtf8("anna.act, line 4: year 2999 is outside 1800\u20132199")
        << "old chart";
    QTest::newRow("a reading the form refuses: the form comes back")
        << QByteArray("1980") << QByteArray() << "Please Enter Your City name"
        << "form";
}

// File > Open (Ctrl+O) in the chart window opens a reading file as the form's Open does.
void TestReadingSession::openFromTheChartWindow() {
    QFETCH(QByteArray, year);
    QFETCH(QByteArray, city);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QByteArray bytes;
    for (const QByteArray &field :
         {QByteArray("Anna"), QByteArray("3"), QByteArray("15"), year, QByteArray("7"),
          QByteArray("5"), QByteArray("34"), QByteArray("73"), QByteArray("51"), QByteArray("18"),
          QByteArray("31"), QByteArray("True"), QByteArray("True"), QByteArray("False"), city,
          QByteArray("MH"), QByteArray("India")})
        bytes += EncodeSettingBytes(QString::fromLatin1(field)) + "\r\n";
    const QString path = dir_->filePath(QStringLiteral("anna.act"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    FillMay1990(session_->form());
    const QStringList typed = Contents(session_->form().values());
    session_->CalculateReading();
    QPointer<ChartWindow> old = session_->chartWindow();
    QVERIFY(QTest::qWaitForWindowActive(old));
    shell_->dialogs.fileAnswers = {path};
    QTest::keyClick(old, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(shell_->dialogs.fileRequests.size(), 1);
    QCOMPARE(shell_->dialogs.fileRequests[0].title, QStringLiteral("Select the source file"));
    QCOMPARE(shell_->dialogs.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(shell_->dialogs.messages[0].text, message);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(session_->form().isVisible(), shown == QLatin1String("form"));
    QCOMPARE(old.isNull(), shown != QLatin1String("old chart"));
    if (shown == QLatin1String("old chart"))
        QCOMPARE(Contents(session_->form().values()), typed);
    else
        QCOMPARE(Controls(session_->form()).txtName->text(), QStringLiteral("Anna"));
    if (shown == QLatin1String("chart")) {
        FIND_CHILD(QLabel, label, session_->chartWindow()->report(), "lblName");
        QCOMPARE(label->text(), QStringLiteral("Name: Anna"));
        QCOMPARE(session_->chartWindow()->windowFilePath(), path);
    }
    QCOMPARE(endRequests_, 0);
}

void TestReadingSession::openRefusesOtherNames() {
    const QString path = dir_->filePath(QStringLiteral("mary.ACT"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(EncodeReadingFile(BirthData{}, 0));
    file.close();
    shell_->dialogs.fileAnswers = {path};
    session_->OpenReadingFile();
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    QCOMPARE(shell_->dialogs.messages[0].text, QStringLiteral("Please Check The File."));
    QCOMPARE(shell_->dialogs.messages[0].icon, MessageIcon::Error);
    QVERIFY(Controls(session_->form()).txtName->text().isEmpty());
    QVERIFY(session_->chartWindow() == nullptr);
}

void TestReadingSession::cancelledDialogsWriteNothing() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    session_->state().ReadingFileName = QStringLiteral("kept.act");
    session_->SaveReadingFile();
    session_->ExportReadingText();
    session_->OpenReadingFile();
    QVERIFY(shell_->dialogs.messages.isEmpty());
    QCOMPARE(shell_->dialogs.fileRequests.size(), 3);
    QCOMPARE(session_->state().ReadingFileName, QStringLiteral("kept.act"));
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
}

void TestReadingSession::failedSaveIsReported() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    const QString path = dir_->filePath(QStringLiteral("no-such-folder/mary.act"));
    shell_->dialogs.fileAnswers = {path};
    session_->SaveReadingFile();
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    QCOMPARE(shell_->dialogs.messages[0].icon, MessageIcon::Error);
    QCOMPARE(shell_->dialogs.messages[0].title, QStringLiteral("QM Starloom"));
    QVERIFY(shell_->dialogs.messages[0].text.contains(QStringLiteral("mary.act")));
    QVERIFY(session_->state().SavedReadingFile.isEmpty());
}

// View > Precise Positions computes the open chart again by the other method, names it in
// the status bar, hands the choice on to be remembered and keeps it for the next chart.
void TestReadingSession::precisePositionsFromTheViewMenu() {
    QList<PositionMethod> chosen;
    session_->onPositionMethodChosen([&chosen](PositionMethod method) { chosen.append(method); });
    FillMay1990(session_->form());
    session_->CalculateReading();
    QPointer<ChartWindow> chart = session_->chartWindow();
    FIND_CHILD(QAction, precise, chart.data(), "mnuPrecisePositions");
    FIND_CHILD(QLabel, method, chart.data(), "lblPositionMethod");
    QVERIFY(precise->isCheckable());
    QVERIFY(!precise->isChecked());
    QCOMPARE(precise->text(), QStringLiteral("&Precise Positions"));
    QCOMPARE(method->text(), QStringLiteral("Positions: standard formulas"));
    const ReadingState &state = session_->state();
    const auto standardTexts = state.Chart.PositionText;
    const double standardSun = state.Chart.Longitude[0];

    precise->trigger();
    QCOMPARE(chosen, QList<PositionMethod>{PositionMethod::Precise});
    QCOMPARE(state.Chart.Method, PositionMethod::Precise);
    QCOMPARE(method->text(), QStringLiteral("Positions: precise, JPL-based"));
    QVERIFY(state.Chart.Longitude[0] != standardSun);
    ReportWindow *report = chart->report();
    for (int i = 0; i < 11; ++i)
        QCOMPARE(PlanetValue(*report, i)->text(),
                 QString::fromStdString(state.Chart.PositionText[i]));
    const WheelArrangement wheel = ArrangeWheel(state.Chart.PositionText, state.BodyNames);
    for (int house = 0; house < 12; ++house)
        QCOMPARE(HouseCell(*report, house)->text(), wheel.HouseCell[house]);
    // The marks now come from the planets' motion; on this date they are the same four.
    QCOMPARE(state.BodyNames[2], std::string("Mercury (R) "));
    QCOMPARE(state.BodyNames[3], std::string("Venus"));
    QCOMPARE(state.BodyNames[9], std::string("Pluto (R) "));

    // The next chart is precise from the start, with the entry checked.
    FIND_CHILD(QPushButton, back, chart.data(), "cmdBack");
    QTest::mouseClick(back, Qt::LeftButton);
    QTRY_VERIFY(chart.isNull());
    session_->CalculateReading();
    FIND_CHILD(QAction, again, session_->chartWindow(), "mnuPrecisePositions");
    QVERIFY(again->isChecked());
    QCOMPARE(state.Chart.Method, PositionMethod::Precise);

    // Unchecked, the standard method gives exactly its texts of before.
    again->trigger();
    QCOMPARE(chosen, (QList<PositionMethod>{PositionMethod::Precise, PositionMethod::Standard}));
    QCOMPARE(state.Chart.PositionText, standardTexts);
    FIND_CHILD(QLabel, label, session_->chartWindow(), "lblPositionMethod");
    QCOMPARE(label->text(), QStringLiteral("Positions: standard formulas"));
}

void TestReadingSession::printedSheetFollowsTheWindow_data() {
    QTest::addColumn<QString>("entry"); // of the View menu
    QTest::newRow("Precise Positions") << "mnuPrecisePositions";
    QTest::newRow("House System: Equal") << "mnuHousesEqual";
}

// What Print and Export as PDF put on paper is the chart on the screen, also after the chart
// was cast again by another method or house system.
void TestReadingSession::printedSheetFollowsTheWindow() {
    QFETCH(QString, entry);
    FillMay1990(session_->form());
    session_->CalculateReading();
    ChartWindow *chart = session_->chartWindow();
    auto *action = chart->findChild<QAction *>(entry);
    QVERIFY(action);
    const auto shown = [chart] {
        QStringList texts{chart->findChild<QLabel *>(QStringLiteral("lblHouseSystem"))->text()};
        for (int i = 0; i < 11; ++i)
            texts << PlanetValue(*chart->report(), i)->text();
        return texts;
    };
    const auto printed = [chart] {
        const ReadingSheet sheet = chart->readingSheet();
        QStringList texts{sheet.houses};
        for (int i = 0; i < 11; ++i)
            texts << sheet.positions.value(i).position;
        return texts;
    };
    const QStringList before = shown();
    QCOMPARE(printed(), before);
    action->trigger();
    QVERIFY(shown() != before);
    QCOMPARE(printed(), shown());
}

void TestReadingSession::positionMethodSetting_data() {
    QTest::addColumn<QString>("stored"); // what the settings file holds, empty for nothing
    QTest::addColumn<bool>("precise");
    QTest::newRow("nothing stored") << QString() << false;
    QTest::newRow("precise") << QStringLiteral("true") << true;
    QTest::newRow("standard") << QStringLiteral("false") << false;
    QTest::newRow("something else") << QStringLiteral("yes") << false;
}

void TestReadingSession::positionMethodSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, precise);
    const QString path = dir_->filePath(QStringLiteral("settings.ini"));
    QFile::remove(path);
    {
        QSettings settings(path, QSettings::IniFormat);
        if (!stored.isEmpty())
            settings.setValue(QStringLiteral("View/PrecisePositions"), stored);
    }
    QSettings settings(path, QSettings::IniFormat);
    const PositionMethod expected = precise ? PositionMethod::Precise : PositionMethod::Standard;
    QCOMPARE(LoadPositionMethod(settings), expected);
    // Stored and read back in a fresh store, each way.
    for (const PositionMethod method : {PositionMethod::Precise, PositionMethod::Standard}) {
        QVERIFY(StorePositionMethod(settings, method).ok());
        QSettings reread(path, QSettings::IniFormat);
        QCOMPARE(LoadPositionMethod(reread), method);
    }
}

void TestReadingSession::fileCommandsByKey_data() {
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("notice"); // %1: the file's full path
    QTest::addColumn<QString>("title");
    QTest::newRow("Ctrl+S, Save As")
        << int(Qt::Key_S) << "mary.act"
        << "Saved %1" << QString::fromUtf8("mary.act \u2014 QM Starloom v1.15");
    QTest::newRow("Ctrl+E, Export Chart As Text")
        << int(Qt::Key_E) << "mary.txt"
        << "Exported %1" << QStringLiteral("QM Starloom v1.15");
    QTest::newRow("Ctrl+S into a missing folder") << int(Qt::Key_S) << "missing/mary.act"
                                                  << "" << QStringLiteral("QM Starloom v1.15");
}

// The keys on the chart window run the commands through the dialogs; the status bar then
// says what was written where, and a saved reading file names the window.
void TestReadingSession::fileCommandsByKey() {
    QFETCH(int, key);
    QFETCH(QString, file);
    QFETCH(QString, notice);
    QFETCH(QString, title);
    FillMay1990(session_->form());
    session_->CalculateReading();
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    const QString path = QDir::toNativeSeparators(dir_->filePath(file));
    shell_->dialogs.fileAnswers = {path};
    QTest::keyClick(chart, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(shell_->dialogs.fileRequests.size(), 1);
    QCOMPARE(chart->statusBar()->currentMessage(), notice.isEmpty() ? notice : notice.arg(path));
    QCOMPARE(chart->windowTitle(), title);
    QCOMPARE(QFile::exists(path), !notice.isEmpty());
}

// Saved or opened, the reading names its file; changed and calculated again, it no longer
// does; New forgets the file.
void TestReadingSession::titleFollowsTheReadingFile() {
    const QString plain = QStringLiteral("QM Starloom v1.15");
    const QString named = QString::fromUtf8("mary.act \u2014 QM Starloom v1.15");
    BirthForm &form = session_->form();
    FillMay1990(form);
    session_->CalculateReading();
    QCOMPARE(session_->chartWindow()->windowTitle(), plain);
    const QString path = dir_->filePath(QStringLiteral("mary.act"));
    shell_->dialogs.fileAnswers = {path};
    session_->SaveReadingFile();
    QCOMPARE(session_->chartWindow()->windowTitle(), named);

    // Back and the same reading again: still the file's.
    QPointer<ChartWindow> chart = session_->chartWindow();
    chart->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(chart.isNull());
    session_->CalculateReading();
    QCOMPARE(session_->chartWindow()->windowTitle(), named);

    // Back, another zone: no longer the file's data.
    chart = session_->chartWindow();
    chart->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(chart.isNull());
    SelectZone(Controls(form).cboTimeZone, 20);
    session_->CalculateReading();
    QCOMPARE(session_->chartWindow()->windowTitle(), plain);

    // Opened from the form (Ctrl+O), the file names the window again.
    chart = session_->chartWindow();
    chart->findChild<QPushButton *>(QStringLiteral("cmdBack"))->click();
    QTRY_VERIFY(chart.isNull());
    QVERIFY(QTest::qWaitForWindowActive(&form));
    shell_->dialogs.fileAnswers = {path};
    QTest::keyClick(Controls(form).txtName, Qt::Key_O, Qt::ControlModifier);
    QVERIFY(session_->chartWindow() != nullptr);
    QCOMPARE(session_->chartWindow()->windowTitle(), named);
    QCOMPARE(session_->chartWindow()->windowFilePath(), path);

    chart = session_->chartWindow();
    FIND_CHILD(QAction, newAction, chart.data(), "mnuNew");
    newAction->trigger();
    QTRY_VERIFY(chart.isNull());
    FillMay1990(form); // New starts from a blank form
    session_->CalculateReading();
    QCOMPARE(session_->chartWindow()->windowTitle(), plain);
}

QTEST_MAIN(TestReadingSession)
#include "test_reading_session.moc"
