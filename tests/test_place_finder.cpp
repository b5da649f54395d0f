// Choosing a birthplace from the atlas on the birth-data form.
#include "reading/birth_form.h"
#include "reading/place_finder.h"
#include "support/scripted_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

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
    });
}

void SetDate(BirthForm &form, int year, int month, int day, int hour) {
    form.cboYear->setCurrentIndex(form.cboYear->findText(QString::number(year)));
    form.cboMonth->setCurrentIndex(month - 1);
    form.cboDate->setCurrentIndex(day - 1);
    form.cboHour->setCurrentIndex(hour);
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
    notice_ = new QLabel(form_);
    finder_ = new PlaceFinder(*form_, notice_, &atlas_);
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
    QCOMPARE(form_->txtCity->text(), QStringLiteral("Madrid"));
    QCOMPARE(form_->txtState->text(), QStringLiteral("Madrid"));
    QCOMPARE(form_->txtCountry->text(), QStringLiteral("Spain"));
    QCOMPARE(form_->txtLatD->text(), QStringLiteral("40"));
    QCOMPARE(form_->txtLatM->text(), QStringLiteral("25"));
    QCOMPARE(form_->txtLonD->text(), QStringLiteral("3"));
    QCOMPARE(form_->txtLonM->text(), QStringLiteral("42"));
    QVERIFY(form_->optLatSouth[1]->isChecked()); // North
    QVERIFY(form_->optLongEast[1]->isChecked()); // West
    QCOMPARE(form_->cboTimeZone->currentText(), QStringLiteral("Central European Time,CET,+1.0"));
    QVERIFY(form_->chkDST->isChecked());
    QVERIFY(notice_->text().isEmpty());
    QVERIFY(finder_->chosenPlace().has_value());
}

void TestPlaceFinder::zoneFollowsTheDate() {
    SetDate(*form_, 1990, 7, 1, 12);
    finder_->offerPlaces(QStringLiteral("Madrid"));
    finder_->choosePlace(0);
    QVERIFY(form_->chkDST->isChecked());
    SetDate(*form_, 1990, 1, 15, 12); // winter: the same zone, no daylight saving
    QCOMPARE(form_->cboTimeZone->currentIndex(), 20);
    QVERIFY(!form_->chkDST->isChecked());
    finder_->offerPlaces(QStringLiteral("New"));
    finder_->choosePlace(0);
    SetDate(*form_, 1976, 7, 4, 12);
    QCOMPARE(form_->cboTimeZone->currentText(), QStringLiteral("Eastern Standard Time,EST,-5.0"));
    QVERIFY(form_->chkDST->isChecked());
    // 2:30 on the morning the clocks went forward never happened in New York.
    SetDate(*form_, 1990, 4, 1, 2);
    form_->cboMinute->setCurrentIndex(30);
    QVERIFY2(notice_->text().contains(QStringLiteral("skipped")), qPrintable(notice_->text()));
}

void TestPlaceFinder::offsetMissingFromTheList() {
    form_->cboTimeZone->setCurrentIndex(3);
    SetDate(*form_, 2000, 6, 1, 12);
    finder_->offerPlaces(QStringLiteral("kath"));
    finder_->choosePlace(0);
    QCOMPARE(form_->cboTimeZone->currentIndex(), 3); // the list is left as it was
    QVERIFY2(notice_->text().contains(QStringLiteral("UTC+05:45")), qPrintable(notice_->text()));
}

void TestPlaceFinder::typingForgetsTheChoice() {
    finder_->offerPlaces(QStringLiteral("Madrid"));
    finder_->choosePlace(0);
    QVERIFY(finder_->chosenPlace().has_value());
    form_->txtCity->setText(QStringLiteral("Madrid del Norte"));
    QVERIFY(!finder_->chosenPlace().has_value());
    QVERIFY(!finder_->adviceForForm().has_value());
    finder_->offerPlaces(QStringLiteral("zzz"));
    QCOMPARE(finder_->completer()->model()->rowCount(), 0);
    finder_->choosePlace(0); // nothing offered: nothing happens
    QCOMPARE(form_->txtCity->text(), QStringLiteral("Madrid del Norte"));
}

void TestPlaceFinder::southernAndEasternPlace() {
    SetDate(*form_, 1990, 1, 10, 10);
    finder_->offerPlaces(QStringLiteral("syd"));
    finder_->choosePlace(0);
    QVERIFY(form_->optLatSouth[0]->isChecked()); // South
    QVERIFY(form_->optLongEast[0]->isChecked()); // East
    QCOMPARE(form_->txtLatD->text(), QStringLiteral("33"));
    QCOMPARE(form_->txtLatM->text(), QStringLiteral("52"));
    QCOMPARE(form_->cboTimeZone->currentText(),
             QStringLiteral("Australian Eastern Standard Time,AEST,+10.0"));
    QVERIFY(form_->chkDST->isChecked()); // January is summer in Sydney
}

QTEST_MAIN(TestPlaceFinder)
#include "test_place_finder.moc"
