// Choosing a birthplace from the atlas on the birth-data form.
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "support/form_controls.h"
#include "support/scripted_services.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace starloom;
using namespace starloom::testing;

namespace {

// A small atlas of our own: the places and zones the cases need, nothing else.
Atlas SmallAtlas() {
    return Atlas({
        {"Madrid", "Madrid", "Spain", "Europe/Madrid", 40.4165, -3.70256, 3255944},
        {"Madrid", "Cundinamarca", "Colombia", "America/Bogota", 4.73245, -74.26419, 50437},
        {"New York City", "New York", "United States of America", "America/New_York", 40.71427,
         -74.00597, 8175133},
        {"Kathmandu", "Central Region", "Nepal", "Asia/Kathmandu", 27.70169, 85.3206, 1442271},
        {"Sydney", "New South Wales", "Australia", "Australia/Sydney", -33.86785, 151.20732,
         4627345},
        {"London", "England", "United Kingdom", "Europe/London", 51.50853, -0.12574, 7556900},
    });
}

void SetDate(BirthForm &form, int year, int month, int day, int hour) {
    Controls(form).cboYear->setCurrentIndex(
        Controls(form).cboYear->findText(QString::number(year)));
    Controls(form).cboMonth->setCurrentIndex(month - 1);
    Controls(form).cboDate->setCurrentIndex(day - 1);
    Controls(form).cboHour->setCurrentIndex(hour);
}

} // namespace

class TestPlaceFinder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choosingFillsThePlace();
    void zoneFollowsTheDate();
    void offsetMissingFromTheList();
    void typingForgetsTheChoice();
    void southernAndEasternPlace();
    void keyTakesTheOffer_data();
    void keyTakesTheOffer();
    void leavingWithAnUnknownCity();
    void handChoiceWins();
    void daylightCountedTwice();

private:
    Atlas atlas_ = SmallAtlas();
    ReadingState *state_ = nullptr;
    ScriptedShell *shell_ = nullptr;
    BirthForm *form_ = nullptr;
    QLabel *notice_ = nullptr;
    PlaceFinder *finder_ = nullptr;
};

void TestPlaceFinder::init() {
    state_ = new ReadingState;
    shell_ = new ScriptedShell;
    form_ = new BirthForm(*state_, shell_->services());
    notice_ = Controls(*form_).lblZoneNotice;
    finder_ = new PlaceFinder(*form_, &atlas_);
}

void TestPlaceFinder::cleanup() {
    delete form_;
    delete shell_;
    delete state_;
}

void TestPlaceFinder::choosingFillsThePlace() {
    SetDate(*form_, 1990, 7, 1, 12);
    finder_->offerPlaces(QStringLiteral("mad"));
    const QAbstractItemModel *offer = finder_->completer()->model();
    QCOMPARE(offer->rowCount(), 2);
    QCOMPARE(offer->index(0, 0).data().toString(), QStringLiteral("Madrid, Madrid, Spain"));
    QCOMPARE(offer->index(1, 0).data().toString(),
             QStringLiteral("Madrid, Cundinamarca, Colombia"));
    finder_->choosePlace(0);
    QCOMPARE(Controls(*form_).txtCity->text(), QStringLiteral("Madrid"));
    QCOMPARE(Controls(*form_).txtState->text(), QStringLiteral("Madrid"));
    QCOMPARE(Controls(*form_).txtCountry->text(), QStringLiteral("Spain"));
    QCOMPARE(Controls(*form_).txtLatD->text(), QStringLiteral("40"));
    QCOMPARE(Controls(*form_).txtLatM->text(), QStringLiteral("25"));
    QCOMPARE(Controls(*form_).txtLonD->text(), QStringLiteral("3"));
    QCOMPARE(Controls(*form_).txtLonM->text(), QStringLiteral("42"));
    QVERIFY(Controls(*form_).optLatSouth[1]->isChecked()); // North
    QVERIFY(Controls(*form_).optLongEast[1]->isChecked()); // West
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone),
             QStringLiteral("Central European Time,CET,+1.0"));
    QVERIFY(Controls(*form_).chkDST->isChecked());
    QVERIFY(notice_->text().isEmpty());
    QVERIFY(finder_->chosenPlace().has_value());
}

void TestPlaceFinder::zoneFollowsTheDate() {
    SetDate(*form_, 1990, 7, 1, 12);
    finder_->offerPlaces(QStringLiteral("Madrid"));
    finder_->choosePlace(0);
    QVERIFY(Controls(*form_).chkDST->isChecked());
    SetDate(*form_, 1990, 1, 15, 12); // winter: the same zone, no daylight saving
    QCOMPARE(ZonePosition(Controls(*form_).cboTimeZone), 20);
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    finder_->offerPlaces(QStringLiteral("New"));
    finder_->choosePlace(0);
    SetDate(*form_, 1976, 7, 4, 12);
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone),
             QStringLiteral("Eastern Daylight Time,EDT,-4.0"));
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    // 2:30 on the morning the clocks went forward never happened in New York.
    SetDate(*form_, 1990, 4, 1, 2);
    Controls(*form_).cboMinute->setCurrentIndex(30);
    QVERIFY2(notice_->text().contains(QStringLiteral("skipped")), qPrintable(notice_->text()));
}

void TestPlaceFinder::offsetMissingFromTheList() {
    // 5 h 45 min east was missing from the first 71 entries; the list has it now.
    SelectZone(Controls(*form_).cboTimeZone, 3);
    Controls(*form_).chkDST->setChecked(true);
    SetDate(*form_, 2000, 6, 1, 12);
    finder_->offerPlaces(QStringLiteral("kath"));
    finder_->choosePlace(0);
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone), QStringLiteral("Nepal Time,NPT,+5:45"));
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    QVERIFY2(notice_->text().isEmpty(), qPrintable(notice_->text()));
}

void TestPlaceFinder::typingForgetsTheChoice() {
    finder_->offerPlaces(QStringLiteral("Madrid"));
    finder_->choosePlace(0);
    QVERIFY(finder_->chosenPlace().has_value());
    Controls(*form_).txtCity->setText(QStringLiteral("Madrid del Norte"));
    QVERIFY(!finder_->chosenPlace().has_value());
    QVERIFY(!finder_->adviceForForm().has_value());
    finder_->offerPlaces(QStringLiteral("zzz"));
    QCOMPARE(finder_->completer()->model()->rowCount(), 0);
    finder_->choosePlace(0); // nothing offered: nothing happens
    QCOMPARE(Controls(*form_).txtCity->text(), QStringLiteral("Madrid del Norte"));
}

void TestPlaceFinder::southernAndEasternPlace() {
    SetDate(*form_, 1990, 1, 10, 10);
    finder_->offerPlaces(QStringLiteral("syd"));
    finder_->choosePlace(0);
    QVERIFY(Controls(*form_).optLatSouth[0]->isChecked()); // South
    QVERIFY(Controls(*form_).optLongEast[0]->isChecked()); // East
    QCOMPARE(Controls(*form_).txtLatD->text(), QStringLiteral("33"));
    QCOMPARE(Controls(*form_).txtLatM->text(), QStringLiteral("52"));
    // January is summer in Sydney.
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone),
             QStringLiteral("Australian Eastern Daylight Time,AEDT,+11.0"));
    QVERIFY(!Controls(*form_).chkDST->isChecked());
}

void TestPlaceFinder::keyTakesTheOffer_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Tab") << int(Qt::Key_Tab);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void TestPlaceFinder::keyTakesTheOffer() {
    QFETCH(int, key);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    SetDate(*form_, 1944, 7, 16, 14);
    Controls(*form_).txtCity->setFocus();
    QTest::keyClicks(Controls(*form_).txtCity, QStringLiteral("London"));
    QWidget *popup = finder_->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key(key));
    QVERIFY(!popup->isVisible());
    QCOMPARE(Controls(*form_).txtCountry->text(), QStringLiteral("United Kingdom"));
    QCOMPARE(Controls(*form_).txtLatD->text(), QStringLiteral("51"));
    QVERIFY(Controls(*form_).optLongEast[1]->isChecked()); // West
    // Summer 1944: British Double Summer Time, two hours ahead.
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone),
             QStringLiteral("British Double Summer Time,BDST,+2.0"));
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    QVERIFY(finder_->zoneFromAtlas());
}

void TestPlaceFinder::leavingWithAnUnknownCity() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    Controls(*form_).txtCity->setFocus();
    QTest::keyClicks(Controls(*form_).txtCity, QStringLiteral("Atlantis"));
    QTest::keyClick(Controls(*form_).txtCity, Qt::Key_Tab);
    QTRY_VERIFY(!Controls(*form_).txtCity->hasFocus());
    QVERIFY2(notice_->text().contains(
                 QStringLiteral("Not from the atlas: coordinates and zone are yours to set")),
             qPrintable(notice_->text()));
    QVERIFY(!finder_->zoneFromAtlas());
}

void TestPlaceFinder::handChoiceWins() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
    SetDate(*form_, 1990, 7, 15, 12);
    Controls(*form_).txtCity->setFocus();
    QTest::keyClicks(Controls(*form_).txtCity, QStringLiteral("Madrid"));
    QTRY_VERIFY(finder_->completer()->popup()->isVisible());
    QTest::keyClick(finder_->completer()->popup(), Qt::Key_Return);
    QCOMPARE(ZonePosition(Controls(*form_).cboTimeZone), 20); // Central European Time, ticked
    QVERIFY(Controls(*form_).chkDST->isChecked());

    // Greenwich Mean Time chosen by hand from the keyboard stays when the day changes; the
    // atlas only says what it would give.
    Controls(*form_).cboTimeZone->setFocus();
    QTest::keyClicks(Controls(*form_).cboTimeZone, QStringLiteral("Greenwich"));
    QCOMPARE(ZonePosition(Controls(*form_).cboTimeZone), 29);
    Controls(*form_).cboDate->setCurrentIndex(15);
    QCOMPARE(ZonePosition(Controls(*form_).cboTimeZone), 29);
    QVERIFY2(notice_->text().contains(QStringLiteral(
                 "the atlas gives Central European Time with daylight saving, UTC+02:00")),
             qPrintable(notice_->text()));
    QVERIFY(!finder_->zoneFromAtlas());

    // The tick cleared by a click stays cleared when the minute changes.
    QTest::mouseClick(Controls(*form_).chkDST, Qt::LeftButton);
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    Controls(*form_).cboMinute->setCurrentIndex(5);
    QVERIFY(!Controls(*form_).chkDST->isChecked());

    // Choosing the place again gives the zone back to the atlas.
    Controls(*form_).txtCity->setFocus();
    Controls(*form_).txtCity->clear();
    QTest::keyClicks(Controls(*form_).txtCity, QStringLiteral("Madrid"));
    QTRY_VERIFY(finder_->completer()->popup()->isVisible());
    QTest::keyClick(finder_->completer()->popup(), Qt::Key_Tab);
    QCOMPARE(ZonePosition(Controls(*form_).cboTimeZone), 20);
    QVERIFY(Controls(*form_).chkDST->isChecked());
    QVERIFY(finder_->zoneFromAtlas());
}

void TestPlaceFinder::daylightCountedTwice() {
    SelectZone(Controls(*form_).cboTimeZone, 24); // Eastern Daylight Time
    QVERIFY(notice_->text().isEmpty());
    Controls(*form_).chkDST->click();
    QVERIFY2(notice_->text().contains(QStringLiteral("daylight time counted twice?")),
             qPrintable(notice_->text()));
    SelectZone(Controls(*form_).cboTimeZone, 27); // Eastern Standard Time: ticking it is plain
    QVERIFY2(notice_->text().isEmpty(), qPrintable(notice_->text()));
}

QTEST_MAIN(TestPlaceFinder)
#include "test_place_finder.moc"
