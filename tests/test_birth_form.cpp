// The birth-data form: lists, keystroke filters, validation, the coordinate search and
// the reading of the form into the birth-data record.
#include "reading/driver.h"
#include "reading/gui/birth_form.h"
#include "reading/name_text.h"
#include "reading/number_text.h"
#include "support/form_controls.h"
#include "support/scripted_services.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QUrlQuery>

#include <functional>

using namespace starloom;
using namespace starloom::testing;

Q_DECLARE_METATYPE(std::function<void(starloom::BirthForm &)>)

namespace {

using FormEdit = std::function<void(BirthForm &)>;

// A form that passes every check: 15 March 1980, 7:05, 28 36 N, 77 12 E.
void FillValid(BirthForm &form, bool directions = true) {
    Controls(form).txtName->setText(QStringLiteral("Anna"));
    Controls(form).cboMonth->setCurrentIndex(2);
    Controls(form).cboDate->setCurrentIndex(14);
    Controls(form).cboYear->setCurrentIndex(
        Controls(form).cboYear->findText(QStringLiteral("1980")));
    Controls(form).cboHour->setCurrentIndex(7);
    Controls(form).cboMinute->setCurrentIndex(5);
    Controls(form).txtLatD->setText(QStringLiteral("28"));
    Controls(form).txtLatM->setText(QStringLiteral("36"));
    Controls(form).txtLonD->setText(QStringLiteral("77"));
    Controls(form).txtLonM->setText(QStringLiteral("12"));
    if (directions) {
        Controls(form).optLatSouth[1]->setChecked(true);
        Controls(form).optLongEast[0]->setChecked(true);
    }
    Controls(form).txtCity->setText(QStringLiteral("New Delhi"));
    Controls(form).txtState->setText(QStringLiteral("Delhi"));
    Controls(form).txtCountry->setText(QStringLiteral("India"));
}

void SetDate(BirthForm &form, int day, int monthPosition, const QString &year) {
    Controls(form).cboDate->setCurrentIndex(day - 1);
    Controls(form).cboMonth->setCurrentIndex(monthPosition);
    Controls(form).cboYear->setCurrentIndex(Controls(form).cboYear->findText(year));
}

QStringList Captions(const QMenu *menu) {
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

} // namespace

class TestBirthForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void menus();
    void keystrokeFilters_data();
    void keystrokeFilters();
    void filtersHoldWithSuggestionsOpen_data();
    void filtersHoldWithSuggestionsOpen();
    void validation_data();
    void validation();
    void directionChoiceIsMadeForTheUser();
    void blankNameBecomesEmptyName();
    void nameRule_data();
    void nameRule();
    void coordinateSearch_data();
    void coordinateSearch();
    void numberRule_data();
    void numberRule();
    void recordFromForm();
    void arrangeWheel();
    void keysOnTheRealWidgets_data();
    void keysOnTheRealWidgets();
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();

private:
    ReadingState *state_ = nullptr;
    ScriptedShell *shell_ = nullptr;
    BirthForm *form_ = nullptr;
};

void TestBirthForm::init() {
    state_ = new ReadingState;
    shell_ = new ScriptedShell;
    form_ = new BirthForm(*state_, shell_->services());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void TestBirthForm::cleanup() {
    delete form_;
    delete shell_;
    delete state_;
}

void TestBirthForm::startState() {
    QCOMPARE(form_->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("QM Starloom v1.15"));
    QCOMPARE(Controls(*form_).cboDate->count(), 31);
    QCOMPARE(Controls(*form_).cboDate->itemText(30), QStringLiteral("31"));
    QCOMPARE(Controls(*form_).cboMonth->count(), 12);
    QCOMPARE(Controls(*form_).cboMonth->itemText(11), QStringLiteral("December"));
    QCOMPARE(Controls(*form_).cboYear->count(), 400);
    QCOMPARE(Controls(*form_).cboYear->itemText(0), QStringLiteral("1800"));
    QCOMPARE(Controls(*form_).cboYear->itemText(399), QStringLiteral("2199"));
    QCOMPARE(Controls(*form_).cboHour->count(), 24);
    QCOMPARE(Controls(*form_).cboMinute->count(), 60);
    // The zones sorted by name, offsets written one way; each keeps its list position.
    QComboBox *zones = Controls(*form_).cboTimeZone;
    QCOMPARE(zones->count(), 164);
    QCOMPARE(zones->itemText(0), QStringLiteral("Addis Ababa Mean Time, ADMT, UTC+02:35"));
    QCOMPARE(zones->itemText(163), QStringLiteral("Yukon War Time, YWT, UTC-08:00"));
    QCOMPARE(zones->itemData(163).toInt(), 70);
    QCOMPARE(zones->itemText(zones->findData(34)), QStringLiteral("Indian Time, IST, UTC+05:30"));
    // 1 January 1906, 0:00, the first zone.
    QCOMPARE(Controls(*form_).cboDate->currentText(), QStringLiteral("1"));
    QCOMPARE(Controls(*form_).cboMonth->currentText(), QStringLiteral("January"));
    QCOMPARE(Controls(*form_).cboYear->currentText(), QStringLiteral("1906"));
    QCOMPARE(Controls(*form_).cboHour->currentText(), QStringLiteral("0"));
    QCOMPARE(Controls(*form_).cboMinute->currentText(), QStringLiteral("0"));
    QCOMPARE(ZoneTableText(Controls(*form_).cboTimeZone),
             QStringLiteral("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    QVERIFY(!Controls(*form_).chkDST->isChecked());
    for (QRadioButton *option : {Controls(*form_).optLatSouth[0], Controls(*form_).optLatSouth[1],
                                 Controls(*form_).optLongEast[0], Controls(*form_).optLongEast[1]})
        QVERIFY(!option->isChecked());
    QCOMPARE(Controls(*form_).optLatSouth[0]->text(), QStringLiteral("South"));
    QCOMPARE(Controls(*form_).optLongEast[1]->text(), QStringLiteral("West"));
    QCOMPARE(Controls(*form_).txtLatD->maxLength(), 3);
    QCOMPARE(Controls(*form_).Command1->text(),
             QStringLiteral("Click here to find Latitude && Longitude"));
    QCOMPARE(state_->BodyNames[10], std::string("Asc"));
    // The offline atlas is found by typing into the city box; the box says so.
    QCOMPARE(Controls(*form_).txtCity->placeholderText(),
             QStringLiteral("Type a city to search the atlas"));
    QVERIFY(!zones->isEditable());
}

void TestBirthForm::menus() {
    QStringList titles;
    for (QAction *action : form_->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({"&File", "&View", "&Help"}));
    FIND_CHILD(QMenu, file, form_->menuBar(), "mnuFile");
    FIND_CHILD(QMenu, help, form_->menuBar(), "mnuHelp");
    QCOMPARE(Captions(file),
             QStringList({"Get My Natal &Chart", QString::fromUtf8("&Open\u2026"), "-", "&Exit"}));
    FIND_CHILD(QAction, open, form_, "mnuOpen");
    QCOMPARE(open->shortcut(), QKeySequence(QKeySequence::Open));
    QSignalSpy opened(form_, &BirthForm::openRequested);
    open->trigger();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(Captions(help), QStringList({"&Online Help", "&Visit Us Online", "-",
                                          "Check for Software &Update", "-", "&About Software"}));
    FIND_CHILD(QAction, update, form_, "mnuUpdate");
    update->trigger();
    QCOMPARE(shell_->links.opened, QList<QUrl>({QUrl(kDownloadPageAddress)}));
    QSignalSpy calculate(form_, &BirthForm::calculateRequested);
    FIND_CHILD(QAction, menuCalculate, form_, "mnuCalculate");
    menuCalculate->trigger();
    QTest::mouseClick(Controls(*form_).cmdCalculate, Qt::LeftButton);
    QCOMPARE(calculate.count(), 2);
}

void TestBirthForm::keystrokeFilters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("message");
    const QString letters = QStringLiteral("Please enter only letters");
    const QString numbers = QStringLiteral("Please enter only numbers");
    QTest::newRow("letter in name") << "txtName" << int(Qt::Key_A) << "a"
                                    << "a"
                                    << "";
    QTest::newRow("blank in city") << "txtCity" << int(Qt::Key_Space) << " "
                                   << " "
                                   << "";
    // Keys that are no characters are not typed: no message.
    QTest::newRow("Return in name") << "txtName" << int(Qt::Key_Return) << "\r"
                                    << ""
                                    << "";
    QTest::newRow("Escape in latitude") << "txtLatD" << int(Qt::Key_Escape) << "\x1b"
                                        << ""
                                        << "";
    QTest::newRow("hyphen in city") << "txtCity" << int(Qt::Key_Minus) << "-"
                                    << "-"
                                    << "";
    QTest::newRow("full stop in city") << "txtCity" << int(Qt::Key_Period) << "."
                                       << "."
                                       << "";
    QTest::newRow("apostrophe in state") << "txtState" << int(Qt::Key_Apostrophe) << "'"
                                         << "'"
                                         << "";
    QTest::newRow("accented letter in name")
        << "txtName" << int(Qt::Key_Eacute) << QString::fromUtf8("é") << QString::fromUtf8("é")
        << "";
    QTest::newRow("digit in country") << "txtCountry" << int(Qt::Key_1) << "1"
                                      << "" << letters;
    QTest::newRow("at sign in city") << "txtCity" << int(Qt::Key_At) << "@"
                                     << "" << letters;
    QTest::newRow("slash in name") << "txtName" << int(Qt::Key_Slash) << "/"
                                   << "" << letters;
    QTest::newRow("digit in latitude") << "txtLatD" << int(Qt::Key_4) << "4"
                                       << "4"
                                       << "";
    QTest::newRow("full stop in latitude") << "txtLatM" << int(Qt::Key_Period) << "."
                                           << "" << numbers;
    QTest::newRow("letter in longitude") << "txtLonD" << int(Qt::Key_X) << "x"
                                         << "" << numbers;
    QTest::newRow("minus in longitude") << "txtLonM" << int(Qt::Key_Minus) << "-"
                                        << "" << numbers;
}

void TestBirthForm::keystrokeFilters() {
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, expectedText);
    QFETCH(QString, message);
    auto *edit = form_->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    Controls(*form_).txtName->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
    QCOMPARE(edit->text(), expectedText);
    if (message.isEmpty()) {
        QVERIFY(shell_->dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    QCOMPARE(shell_->dialogs.messages[0].text, message);
    QCOMPARE(shell_->dialogs.messages[0].icon, MessageIcon::Error);
    QCOMPARE(shell_->dialogs.messages[0].title, QStringLiteral("QM Starloom"));
    // A refused letter puts the focus back on its box; a refused digit leaves it alone.
    if (message.contains(QStringLiteral("letters")))
        QCOMPARE(form_->focusWidget(), edit);
    else
        QCOMPARE(form_->focusWidget(), Controls(*form_).txtName);
}

void TestBirthForm::filtersHoldWithSuggestionsOpen_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed"); // before the list opens
    QTest::addColumn<QString>("key");   // typed while it is open
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("message");
    const QString letters = QStringLiteral("Please enter only letters");
    QTest::newRow("digit in city") << "txtCity"
                                   << "Lon"
                                   << "1"
                                   << "Lon" << letters;
    QTest::newRow("slash in city") << "txtCity"
                                   << "Lon"
                                   << "/"
                                   << "Lon" << letters;
    QTest::newRow("letter in city") << "txtCity"
                                    << "Lon"
                                    << "d"
                                    << "Lond"
                                    << "";
    QTest::newRow("letter in latitude") << "txtLatD"
                                        << "1"
                                        << "x"
                                        << "1" << QStringLiteral("Please enter only numbers");
}

// A suggestion list takes the keys while it is open and hands them to the box past the
// box's own filters; the filters must hold all the same.
void TestBirthForm::filtersHoldWithSuggestionsOpen() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(QString, expectedText);
    QFETCH(QString, message);
    auto *edit = form_->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    auto *completer = new QCompleter(QStringList{typed + QStringLiteral("don"), typed + "a"}, edit);
    completer->setWidget(edit);
    edit->setFocus();
    edit->setText(typed);
    completer->setCompletionPrefix(typed);
    completer->complete();
    QVERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), key.at(0).toLatin1());
    QCOMPARE(edit->text(), expectedText);
    QCOMPARE(shell_->dialogs.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(shell_->dialogs.messages[0].text, message);
        QVERIFY(!completer->popup()->isVisible());
    }
    completer->popup()->hide();
}

void TestBirthForm::validation_data() {
    QTest::addColumn<FormEdit>("edit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const int error = int(MessageIcon::Error);
    const int info = int(MessageIcon::Information);
    auto clear = [](QLineEdit *FormControls::*box) {
        return FormEdit([box](BirthForm &f) { (Controls(f).*box)->clear(); });
    };
    QTest::newRow("1 name empty") << clear(&FormControls::txtName) << "Please Enter Your Name"
                                  << error << "txtName";
    QTest::newRow("2 latitude degrees empty")
        << clear(&FormControls::txtLatD) << "Please Enter Degree of Latitude" << error << "txtLatD";
    QTest::newRow("3 latitude minutes empty")
        << clear(&FormControls::txtLatM) << "Please Enter Minutes of Latitude" << error
        << "txtLatM";
    QTest::newRow("4 longitude degrees empty")
        << clear(&FormControls::txtLonD) << "Please Enter Degree of Longitude" << error
        << "txtLonD";
    QTest::newRow("5 longitude minutes empty")
        << clear(&FormControls::txtLonM) << "Please Enter Minute of Longitude" << error
        << "txtLonM";
    QTest::newRow("6 city empty") << clear(&FormControls::txtCity) << "Please Enter Your City name"
                                  << error << "txtCity";
    QTest::newRow("7 state empty")
        << clear(&FormControls::txtState) << "Please Enter Your State name" << error << "txtState";
    QTest::newRow("8 country empty") << clear(&FormControls::txtCountry)
                                     << "Please Enter Your Country name" << error << "txtCountry";
    QTest::newRow("order: everything empty gives the name first") << FormEdit([](BirthForm &f) {
        for (QLineEdit *box : {Controls(f).txtName, Controls(f).txtLatD, Controls(f).txtLatM,
                               Controls(f).txtLonD, Controls(f).txtLonM, Controls(f).txtCity,
                               Controls(f).txtState, Controls(f).txtCountry})
            box->clear();
    }) << "Please Enter Your Name" << error << "txtName";
    QTest::newRow("11 29 February 1901")
        << FormEdit([](BirthForm &f) { SetDate(f, 29, 1, "1901"); })
        << "Please Enter Correct Date Or Month!" << info << "";
    QTest::newRow("11 30 February 2000 (leap year)")
        << FormEdit([](BirthForm &f) { SetDate(f, 30, 1, "2000"); })
        << "Please Enter Correct Date Or Month!" << info << "";
    QTest::newRow("12 31 April") << FormEdit([](BirthForm &f) { SetDate(f, 31, 3, "1990"); })
                                 << "Please Enter Correct Date Or Month !" << info << "";
    QTest::newRow("12 31 November") << FormEdit([](BirthForm &f) { SetDate(f, 31, 10, "2050"); })
                                    << "Please Enter Correct Date Or Month !" << info << "";
    QTest::newRow("29 February 2000 passes")
        << FormEdit([](BirthForm &f) { SetDate(f, 29, 1, "2000"); }) << "" << 0 << "";
    QTest::newRow("31 March passes")
        << FormEdit([](BirthForm &f) { SetDate(f, 31, 2, "1990"); }) << "" << 0 << "";
    QTest::newRow("1 name of blanks")
        << FormEdit([](BirthForm &f) { Controls(f).txtName->setText("   "); })
        << "Please Enter Your Name" << error << "txtName";
    // Pasted text that is no number, or no place on Earth, is refused after the twelve steps.
    QTest::newRow("pasted letters in latitude")
        << FormEdit([](BirthForm &f) { Controls(f).txtLatD->setText("abc"); })
        << "Please enter only numbers" << error << "txtLatD";
    // The boxes take three characters, so pasted "99999" arrives as 999 minutes.
    QTest::newRow("pasted 99999 in longitude minutes")
        << FormEdit([](BirthForm &f) { Controls(f).txtLonM->setText("99999"); })
        << "Please Enter Correct Longitude" << error << "txtLonM";
    QTest::newRow("pasted decimal in longitude")
        << FormEdit([](BirthForm &f) { Controls(f).txtLonD->setText("1.5"); }) << "" << 0 << "";
    QTest::newRow("pasted blank-only minutes")
        << FormEdit([](BirthForm &f) { Controls(f).txtLatM->setText("  "); })
        << "Please enter only numbers" << error << "txtLatM";
    QTest::newRow("latitude 95") << FormEdit(
                                        [](BirthForm &f) { Controls(f).txtLatD->setText("95"); })
                                 << "Please Enter Correct Latitude" << error << "txtLatD";
    QTest::newRow("latitude 90 with minutes") << FormEdit([](BirthForm &f) {
        Controls(f).txtLatD->setText("90");
        Controls(f).txtLatM->setText("1");
    }) << "Please Enter Correct Latitude" << error
                                              << "txtLatM";
    QTest::newRow("latitude 90 exactly: no ascendant")
        << FormEdit([](BirthForm &f) {
               Controls(f).txtLatD->setText("90");
               Controls(f).txtLatM->setText("0");
           })
        << "At a pole (latitude 90 degrees) no point of the zodiac rises in the east, so a chart "
           "has no ascendant. Please enter a latitude below 90 degrees."
        << error << "txtLatD";
    QTest::newRow("latitude 89:59 passes") << FormEdit([](BirthForm &f) {
        Controls(f).txtLatD->setText("89");
        Controls(f).txtLatM->setText("59");
    }) << "" << 0 << "";
    QTest::newRow("latitude minutes 75")
        << FormEdit([](BirthForm &f) { Controls(f).txtLatM->setText("75"); })
        << "Please Enter Correct Latitude" << error << "txtLatM";
    QTest::newRow("longitude 181")
        << FormEdit([](BirthForm &f) { Controls(f).txtLonD->setText("181"); })
        << "Please Enter Correct Longitude" << error << "txtLonD";
    QTest::newRow("longitude minutes 60")
        << FormEdit([](BirthForm &f) { Controls(f).txtLonM->setText("60"); })
        << "Please Enter Correct Longitude" << error << "txtLonM";
    QTest::newRow("longitude 180 exactly passes") << FormEdit([](BirthForm &f) {
        Controls(f).txtLonD->setText("180");
        Controls(f).txtLonM->setText("0");
    }) << "" << 0 << "";
    QTest::newRow("an empty box is reported before a bad number") << FormEdit([](BirthForm &f) {
        Controls(f).txtLatD->setText("abc");
        Controls(f).txtCountry->clear();
    }) << "Please Enter Your Country name" << error << "txtCountry";
}

void TestBirthForm::validation() {
    QFETCH(FormEdit, edit);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    FillValid(*form_);
    edit(*form_);
    Controls(*form_).cmdOpen->setFocus();
    const bool passed = form_->ValidateInput();
    if (message.isEmpty()) {
        QVERIFY(passed);
        QVERIFY(shell_->dialogs.messages.isEmpty());
        return;
    }
    QVERIFY(!passed);
    QCOMPARE(shell_->dialogs.messages.size(), 1);
    QCOMPARE(shell_->dialogs.messages[0].text, message);
    QCOMPARE(int(shell_->dialogs.messages[0].icon), icon);
    QCOMPARE(shell_->dialogs.messages[0].title, QStringLiteral("QM Starloom"));
    const QString expectedFocus = focus.isEmpty() ? QStringLiteral("cmdOpen") : focus;
    QCOMPARE(form_->focusWidget()->objectName(), expectedFocus);
}

void TestBirthForm::directionChoiceIsMadeForTheUser() {
    FillValid(*form_, false);
    QVERIFY(!form_->ValidateInput());
    QCOMPARE(shell_->dialogs.takeOnlyMessage(),
             QStringLiteral("Please Select Direction For The Latitude"));
    QVERIFY(Controls(*form_).optLatSouth[0]->isChecked());
    QVERIFY(!form_->ValidateInput());
    QCOMPARE(shell_->dialogs.takeOnlyMessage(),
             QStringLiteral("Please Select Direction For The Longitude"));
    QVERIFY(Controls(*form_).optLongEast[0]->isChecked());
    QVERIFY(form_->ValidateInput());
}

// A name of blanks is refused as an empty one; the blanks around a name or place are not
// kept.
void TestBirthForm::blankNameBecomesEmptyName() {
    FillValid(*form_);
    Controls(*form_).txtName->setText(QStringLiteral("   "));
    QVERIFY(!form_->ValidateInput());
    QCOMPARE(shell_->dialogs.takeOnlyMessage(), QStringLiteral("Please Enter Your Name"));
    Controls(*form_).txtName->setText(QStringLiteral(" Anna "));
    Controls(*form_).txtCity->setText(QStringLiteral("  Pune "));
    QVERIFY(form_->ValidateInput());
    ReadValuesIntoRecord(form_->values(), *state_);
    QCOMPARE(state_->Birth.BirthName, std::string("Anna"));
    QCOMPARE(state_->Birth.BirthCity, std::string("Pune"));
}

void TestBirthForm::nameRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("decomposed accent (e + U+0301)") << "Jose\u0301" << true;
    QTest::newRow("hyphens, apostrophes, full stop") << "Jean-Luc O'Brien O’Neil St. Ives" << true;
    QTest::newRow("typographic hyphen U+2010") << "Baden\u2010Baden" << true;
    QTest::newRow("Greek") << "Σωκράτης" << true;
    QTest::newRow("Cyrillic") << "Пётр Ильич" << true;
    QTest::newRow("Arabic with vowel signs") << "مُحَمَّد" << true;
    QTest::newRow("Hebrew with points") << "דָּוִד" << true;
    QTest::newRow("Japanese kana, kanji, long-vowel mark") << "やまだ ヤマダー 山田々" << true;
    QTest::newRow("ideograph beyond U+FFFF") << "\U00020BB7野家" << true;
    QTest::newRow("Hebrew maqaf") << "בן\u05BEגוריון" << true;
    QTest::newRow("katakana middle dot, ideographic space") << "ジョン・スミス\u3000様" << true;
    QTest::newRow("Persian zero-width non-joiner") << "علی\u200Cاکبر" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("ASCII digit") << "Person 12" << false;
    QTest::newRow("Arabic-Indic digit") << "محمد ٣" << false;
    QTest::newRow("full-width digit") << "山田１" << false;
    QTest::newRow("at sign") << "a@b" << false;
    QTest::newRow("comma") << "Paris, Texas" << false;
    QTest::newRow("no-break space") << "Anna\u00A0Maria" << false;
    QTest::newRow("Kangxi radical (a symbol)") << "\u2F2D" << false;
    QTest::newRow("emoji") << "Anna \U0001F600" << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << false;
}

// One rule for the form's letters-only boxes and the command line's name options.
void TestBirthForm::nameRule() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(IsNameText(text), accepted);
}

void TestBirthForm::coordinateSearch_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no city") << ""
                             << "NY"
                             << "USA"
                             << "Please Enter City"
                             << "txtCity";
    QTest::newRow("no state") << "New York"
                              << ""
                              << "USA"
                              << "Please Enter State"
                              << "txtState";
    QTest::newRow("no country") << "New York"
                                << "NY"
                                << ""
                                << "Please Enter Country"
                                << "txtCountry";
    QTest::newRow("search") << "New York"
                            << "NY"
                            << "USA"
                            << ""
                            << "";
    // Pasted text may hold anything: it must stay inside the query.
    QTest::newRow("hostile text") << "a&b=c#frag"
                                  << "../x?y"
                                  << "%41+ /evil.example"
                                  << ""
                                  << "";
}

void TestBirthForm::coordinateSearch() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Controls(*form_).txtCity->setText(city);
    Controls(*form_).txtState->setText(state);
    Controls(*form_).txtCountry->setText(country);
    QTest::mouseClick(Controls(*form_).Command1, Qt::LeftButton);
    if (!message.isEmpty()) {
        QCOMPARE(shell_->dialogs.takeOnlyMessage(), message);
        QCOMPARE(form_->focusWidget()->objectName(), focus);
        QVERIFY(shell_->links.opened.isEmpty());
        return;
    }
    QCOMPARE(shell_->links.opened.size(), 1);
    const QUrl url = shell_->links.opened[0];
    const QUrl search(kPlaceSearchAddress);
    QCOMPARE(url.scheme(), search.scheme());
    QCOMPARE(url.host(), search.host());
    QCOMPARE(url.path(), search.path());
    QVERIFY(!url.hasFragment());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
             city + " " + state + " " + country + " Latitude Longitude");
}

void TestBirthForm::numberRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999: not a number
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("blanks around") << "  7 " << 7;
    QTest::newRow("2.5 goes to even 2") << "2.5" << 2;
    QTest::newRow("3.5 goes to even 4") << "3.5" << 4;
    QTest::newRow("2.6 goes up") << "2.6" << 3;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("too large") << "32768" << -99999;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("letters") << "abc" << -99999;
    QTest::newRow("empty") << "" << -99999;
    QTest::newRow("blanks only") << "   " << -99999;
    QTest::newRow("digits then letters") << "12a" << -99999;
}

void TestBirthForm::numberRule() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<std::int16_t> value = TextToInt16(text);
    QCOMPARE(value ? int(*value) : -99999, expected);
}

void TestBirthForm::recordFromForm() {
    FillValid(*form_);
    SelectZone(Controls(*form_).cboTimeZone, 34); // "Indian Time, IST, +5.3"
    Controls(*form_).chkDST->setTristate(true);
    Controls(*form_).chkDST->setCheckState(Qt::PartiallyChecked);
    Controls(*form_).txtLatD->setText(QStringLiteral("2.5"));
    Controls(*form_).txtLatM->setText(QStringLiteral("3.5"));
    ReadValuesIntoRecord(form_->values(), *state_);
    const BirthData &b = state_->Birth;
    QCOMPARE(b.BirthName, std::string("Anna"));
    QCOMPARE(int(b.BirthMonth), 3);
    QCOMPARE(int(b.BirthDay), 15);
    QCOMPARE(int(b.BirthYear), 1980);
    QCOMPARE(int(b.BirthHour), 7);
    QCOMPARE(int(b.BirthMinute), 5);
    QCOMPARE(b.ZoneHoursText, std::string("-5"));
    QCOMPARE(b.ZoneMinutesText, std::string("-30"));
    QCOMPARE(int(b.LatDegrees), 2);
    QCOMPARE(int(b.LatMinutes), 4);
    QVERIFY(b.LatDirFlag);
    QVERIFY(b.LonDirFlag);
    QVERIFY(b.DstFlag); // greyed counts as ticked
    // Eastern Standard Time; a box that is no number keeps the previous reading's value.
    SelectZone(Controls(*form_).cboTimeZone, 27);
    Controls(*form_).txtLonD->setText(QStringLiteral("abc"));
    Controls(*form_).optLongEast[1]->setChecked(true);
    Controls(*form_).chkDST->setCheckState(Qt::Unchecked);
    ReadValuesIntoRecord(form_->values(), *state_);
    QCOMPARE(b.ZoneHoursText, std::string("5"));
    QCOMPARE(b.ZoneMinutesText, std::string("0"));
    QCOMPARE(int(b.LonDegrees), 77);
    QVERIFY(!b.LonDirFlag);
    QVERIFY(!b.DstFlag);
}

void TestBirthForm::arrangeWheel() {
    BodyNameTable names;
    FillBodyNames(names);
    names[2] += " (R) ";
    // Sun and Mercury in Aries, the Moon with the ascendant in Aries too.
    std::array<std::string, 12> aries = {"10 Ari 00", "03 Ari 10", "20 Ari 05", "01 Tau 00",
                                         "05 Gem 00", "06 Gem 00", "07 Leo 00", "08 Sco 00",
                                         "09 Sag 00", "10 Cap 00", "15 Ari 30", ""};
    WheelArrangement wheel = ArrangeWheel(aries, names);
    QCOMPARE(wheel.SignCellText[0], QStringLiteral("\r\nSun\r\nMoon\r\nMercury (R) \r\nAsc"));
    QCOMPARE(wheel.SignCellText[1], QStringLiteral("\r\nVenus"));
    QCOMPARE(wheel.SignCellText[2], QStringLiteral("\r\nMars\r\nJupiter"));
    QCOMPARE(wheel.SignCellText[3], QString()); // Cancer holds nothing
    QCOMPARE(wheel.AscSignIndex, 0);
    QCOMPARE(wheel.FirstHouseSign, 0);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(wheel.HouseCell[i], wheel.SignCellText[i]);
    // Pisces rising: house 1 is Pisces, house 2 Aries.
    std::array<std::string, 12> pisces = aries;
    pisces[10] = "29 Pis 59";
    pisces[1] = "12 Pis 00";
    wheel = ArrangeWheel(pisces, names);
    QCOMPARE(wheel.AscSignIndex, 11);
    QCOMPARE(wheel.FirstHouseSign, 11);
    QCOMPARE(wheel.HouseCell[0], QStringLiteral("\r\nMoon\r\nAsc"));
    QCOMPARE(wheel.HouseCell[1], QStringLiteral("\r\nSun\r\nMercury (R) "));
    QCOMPARE(wheel.HouseCell[11], QString()); // Aquarius
    // A text that names no sign is placed nowhere; without an ascendant house 1 is Aries.
    std::array<std::string, 12> broken = aries;
    broken[0] = "10 Xyz 00";
    broken[10] = "short";
    wheel = ArrangeWheel(broken, names);
    QCOMPARE(wheel.SignCellText[0], QStringLiteral("\r\nMoon\r\nMercury (R) "));
    QCOMPARE(wheel.AscSignIndex, 0);
    QCOMPARE(wheel.FirstHouseSign, -1);
}

void TestBirthForm::keysOnTheRealWidgets_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("outcome"); // the signal sent, or the message shown
    const int none = Qt::NoModifier;
    QTest::newRow("Ctrl+O in a text box opens")
        << "txtName" << int(Qt::Key_O) << int(Qt::ControlModifier) << "open";
    QTest::newRow("Ctrl+O on a list opens")
        << "cboYear" << int(Qt::Key_O) << int(Qt::ControlModifier) << "open";
    QTest::newRow("Ctrl+Q exits") << "txtCity" << int(Qt::Key_Q) << int(Qt::ControlModifier)
                                  << "exit";
    QTest::newRow("Return on Calculate")
        << "cmdCalculate" << int(Qt::Key_Return) << none << "calculate";
    QTest::newRow("Enter on Open")
        << "cmdOpen" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "open";
    QTest::newRow("Return on the coordinate search")
        << "Command1" << int(Qt::Key_Return) << none << "Please Enter City";
    QTest::newRow("Space on the forum link")
        << "Label8" << int(Qt::Key_Space) << none << "home page";
    // Return or Enter in any box of the form asks for the reading; Escape and the keys that
    // are no characters do nothing there, and no filter speaks up.
    const char *boxes[] = {"txtName",       "cboMonth",    "cboDate", "cboYear",       "cboHour",
                           "cboMinute",     "cboTimeZone", "chkDST",  "txtLatD",       "txtLatM",
                           "optLatSouth_0", "txtLonD",     "txtLonM", "optLongEast_0", "txtCity",
                           "txtState",      "txtCountry"};
    for (const char *box : boxes) {
        QTest::newRow(qPrintable(QStringLiteral("Return in %1").arg(box)))
            << box << int(Qt::Key_Return) << none << "calculate";
        QTest::newRow(qPrintable(QStringLiteral("Enter in %1").arg(box)))
            << box << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "calculate";
        QTest::newRow(qPrintable(QStringLiteral("Escape in %1").arg(box)))
            << box << int(Qt::Key_Escape) << none << "";
    }
    for (const int key : {int(Qt::Key_F2), int(Qt::Key_Up), int(Qt::Key_Home)}) {
        for (const char *box : {"txtName", "txtLatM"})
            QTest::newRow(
                qPrintable(QStringLiteral("%1 in %2").arg(QKeySequence(key).toString(), box)))
                << box << key << none << "";
    }
}

void TestBirthForm::keysOnTheRealWidgets() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, outcome);
    QVERIFY(QTest::qWaitForWindowActive(form_));
    QSignalSpy calculate(form_, &BirthForm::calculateRequested);
    QSignalSpy open(form_, &BirthForm::openRequested);
    QSignalSpy exit(form_, &BirthForm::exitRequested);
    auto *target = form_->findChild<QWidget *>(focus);
    QVERIFY2(target, qPrintable(focus));
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QStringList happened;
    if (!calculate.isEmpty())
        happened << QStringLiteral("calculate");
    if (!open.isEmpty())
        happened << QStringLiteral("open");
    if (!exit.isEmpty())
        happened << QStringLiteral("exit");
    for (const RecordedMessage &message : std::as_const(shell_->dialogs.messages))
        happened << message.text;
    if (shell_->links.opened == QList<QUrl>{QUrl(kHomePageAddress)})
        happened << QStringLiteral("home page");
    QCOMPARE(happened, outcome.isEmpty() ? QStringList() : QStringList{outcome});
}

void TestBirthForm::tabReachesEveryControl_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("order"); // from the name box, one key press each
    // Of each pair of direction buttons one is a stop; the arrow keys choose within it.
    const QStringList forward{
        "txtName",      "cboMonth",      "cboDate", "cboYear",  "cboHour",       "cboMinute",
        "cboTimeZone",  "chkDST",        "txtLatD", "txtLatM",  "optLatSouth_0", "txtLonD",
        "txtLonM",      "optLongEast_0", "txtCity", "txtState", "txtCountry",    "Command1",
        "cmdCalculate", "cmdOpen",       "Label8"};
    QStringList backward(forward.rbegin(), forward.rend() - 1);
    backward.prepend(forward.first());
    // Entered from behind, a pair where neither is chosen stops on its second button.
    backward.replaceInStrings(QStringLiteral("_0"), QStringLiteral("_1"));
    QTest::newRow("Tab") << int(Qt::Key_Tab) << (forward + QStringList{"txtName"});
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << (backward + QStringList{"txtName"});
}

void TestBirthForm::tabReachesEveryControl() {
    QFETCH(int, key);
    QFETCH(QStringList, order);
    QVERIFY(QTest::qWaitForWindowActive(form_));
    Controls(*form_).txtName->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);
}

QTEST_MAIN(TestBirthForm)
#include "test_birth_form.moc"
