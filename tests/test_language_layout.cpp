// Layout in every language: the windows under a pseudo-translation that makes every text 40%
// longer and accented, where no caption may be cut off or run into its neighbour. And the
// View > Language menu, which changes the form's language at once and keeps the choice for
// the next start.
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "shell/about_box.h"
#include "shell/core/language.h"
#include "support/scripted_services.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

using namespace starloom;
using namespace starloom::testing;

namespace {

bool Checked(const QWidget *widget) {
    return widget->isVisible() &&
           (qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
            qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget));
}

QString Describe(const QWidget *widget) {
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    return widget->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"');
}

// Every caption of `window` whole, and no two controls of one parent over each other.
QStringList LayoutFaults(const QWidget *window) {
    QStringList faults;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!Checked(widget))
            continue;
        const auto *label = qobject_cast<const QLabel *>(widget);
        const bool cut =
            label != nullptr && label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : (label != nullptr || qobject_cast<const QAbstractButton *>(widget)) &&
                      (widget->width() < widget->sizeHint().width() ||
                       widget->height() < widget->sizeHint().height());
        if (cut)
            faults << QStringLiteral("cut off: ") + Describe(widget);
        for (const QWidget *other : widgets) {
            if (other <= widget || !Checked(other) || other->parent() != widget->parent())
                continue;
            if (widget->geometry().intersects(other->geometry()))
                faults << QStringLiteral("overlap: ") + Describe(widget) + QStringLiteral(" / ") +
                              Describe(other);
        }
    }
    return faults;
}

// A birth-data form whose settings (the language chosen) go to a file of its own.
struct FormWithSettings {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ReadingState state;
    ScriptedShell shell;
    BirthForm form{state, WithSettings(shell.services(), settings)};

    static ShellServices WithSettings(ShellServices services, QSettings &settings) {
        services.settings = &settings;
        return services;
    }
};

// An atlas without the city the tests type, so that the form notes it is not the atlas's.
Atlas NoAtlas() {
    return Atlas({{"Madrid", "Madrid", "Spain", "Europe/Madrid", 40.4165, -3.70256, 3255944}});
}

// Types a city the atlas does not know and leaves the box: the form then says so.
void TypeUnknownCity(BirthForm &form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FIND_CHILD(QLineEdit, city, &form, "txtCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Atlantis"));
    QTest::keyClick(city, Qt::Key_Tab);
    QTRY_VERIFY(!city->hasFocus());
}

// What an object of the form shows as its text: a menu its title, a list its current entry,
// a box its hint.
QString ShownText(const QObject *object) {
    if (const auto *action = qobject_cast<const QAction *>(object))
        return action->text();
    if (const auto *menu = qobject_cast<const QMenu *>(object))
        return menu->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(object))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(object))
        return label->text();
    if (const auto *list = qobject_cast<const QComboBox *>(object))
        return list->currentText();
    if (const auto *box = qobject_cast<const QLineEdit *>(object))
        return box->placeholderText();
    return QStringLiteral("<no text>");
}

// The form's texts in English and German (translations/starloom_de.ts and core_de.ts), March
// and Central European Time chosen.
struct ShownTexts {
    const char *object;
    const char *english;
    const char *german;
};
const ShownTexts kFormTexts[] = {
    {"capBirthday", "Birthday:", "Geburtsdatum:"},
    {"chkDST", "Daylight Saving Time", "Sommerzeit"},
    {"cmdOpen", "&Open Previously Saved Reading", "&Gespeicherte Deutung öffnen"},
    {"mnuFile", "&File", "&Datei"},
    {"mnuCalculate", "Get My Natal &Chart", "Mein &Geburtshoroskop erstellen"},
    {"mnuLanguage", "Lan&guage", "&Sprache"},
    {"mnuLanguageSystem", "System Language", "Systemsprache"},
    {"cboMonth", "March", "März"},
    {"cboTimeZone", "Central European Time, CET, UTC+01:00",
     "Mitteleuropäische Zeit, CET, UTC+01:00"},
    {"txtCity", "Type a city to search the atlas", "Ort eingeben, um im Atlas zu suchen"},
    {"lblZoneNotice", "Not from the atlas: coordinates and zone are yours to set",
     "Nicht aus dem Atlas: Koordinaten und Zeitzone bitte selbst eingeben"},
};

} // namespace

class TestLanguageLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void birthFormHoldsLongerTexts();
    void formNotesHoldLongerTexts();
    void aboutBoxHoldsLongerTexts();
    void languageMenuKeepsTheChoice();
    void languageChangesTheOpenForm();

private:
    QTranslator pseudo_;
};

void TestLanguageLayout::initTestCase() {
    QVERIFY(pseudo_.load(QStringLiteral(STARLOOM_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo_);
}

void TestLanguageLayout::cleanupTestCase() {
    QCoreApplication::removeTranslator(&pseudo_);
}

void TestLanguageLayout::birthFormHoldsLongerTexts() {
    ReadingState state;
    ScriptedShell shell;
    BirthForm form(state, shell.services());
    // A zone notice of two lines' worth, so that the wrapped line is laid out too.
    form.showZoneNotice(QStringLiteral("[Ţĥé ţîmé žöñé îš ţĥé åţļåš'š ~~~~~~~~~~~~~~~~~~]"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FIND_CHILD(QAbstractButton, dst, &form, "chkDST");
    QVERIFY2(dst->text().startsWith(QLatin1Char('[')), qPrintable(dst->text()));
    const QStringList faults = LayoutFaults(&form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// The notes under the zone list, two of them at once so that the notice wraps.
void TestLanguageLayout::formNotesHoldLongerTexts() {
    ReadingState state;
    ScriptedShell shell;
    BirthForm form(state, shell.services());
    const Atlas atlas = NoAtlas();
    new PlaceFinder(form, &atlas);
    FIND_CHILD(QComboBox, zone, &form, "cboTimeZone");
    zone->setCurrentIndex(zone->findData(24)); // Eastern Daylight Time: ticked, counted twice
    FIND_CHILD(QAbstractButton, dst, &form, "chkDST");
    dst->click();
    TypeUnknownCity(form);
    FIND_CHILD(QLabel, notice, &form, "lblZoneNotice");
    // Two notes, the first with the zone's name in the language too.
    QVERIFY2(notice->text().count(QLatin1Char('[')) == 3, qPrintable(notice->text()));
    const QStringList faults = LayoutFaults(&form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLanguageLayout::aboutBoxHoldsLongerTexts() {
    ScriptedShell shell;
    frmAbout box(shell.links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QStringList faults = LayoutFaults(&box);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLanguageLayout::languageMenuKeepsTheChoice() {
    FormWithSettings made;
    BirthForm &form = made.form;
    ScriptedShell &shell = made.shell;
    QSettings &settings = made.settings;
    FIND_CHILD(QAction, system, &form, "mnuLanguageSystem");
    FIND_CHILD(QAction, german, &form, "mnuLanguage_de");
    QVERIFY(system->isChecked());
    QCOMPARE(german->text(), QStringLiteral("Deutsch"));
    german->trigger();
    QCOMPARE(ChosenLanguage(settings), QStringLiteral("de"));
    QCOMPARE(StartLanguage(settings), QStringLiteral("de"));
    QCOMPARE(shell.dialogs.messages.size(), 1);
    QCOMPARE(shell.dialogs.messages.at(0).icon, MessageIcon::Information);
    german->trigger(); // the same choice again: nothing to say
    QCOMPARE(shell.dialogs.messages.size(), 1);
    system->trigger();
    QCOMPARE(ChosenLanguage(settings), QString());
    QCOMPARE(shell.dialogs.messages.size(), 2);
}

// German from the menu while the form is open, then English again: every text of the form
// and its menus follows at once, the note says so in the new language, the month and zone
// chosen stay chosen, and the zone list is sorted by the names it shows.
void TestLanguageLayout::languageChangesTheOpenForm() {
    QCoreApplication::removeTranslator(&pseudo_); // the real languages alone
    struct PseudoBack {
        QTranslator &pseudo;
        ~PseudoBack() { QCoreApplication::installTranslator(&pseudo); }
    } pseudoBack{pseudo_};
    FormWithSettings made;
    BirthForm &form = made.form;
    ScriptedShell &shell = made.shell;
    QSettings &settings = made.settings;
    const Atlas atlas = NoAtlas();
    new PlaceFinder(form, &atlas);
    FIND_CHILD(QComboBox, month, &form, "cboMonth");
    month->setCurrentIndex(2);
    FIND_CHILD(QComboBox, zone, &form, "cboTimeZone");
    zone->setCurrentIndex(zone->findData(20)); // Central European Time
    TypeUnknownCity(form);
    FIND_CHILD(QAction, toGerman, &form, "mnuLanguage_de");
    FIND_CHILD(QAction, toEnglish, &form, "mnuLanguage_en");
    for (const auto &[choice, german] : {std::pair{toGerman, true}, std::pair{toEnglish, false}}) {
        choice->trigger();
        for (const ShownTexts &texts : kFormTexts) {
            const QObject *object = form.findChild<QObject *>(QLatin1String(texts.object));
            QVERIFY2(object != nullptr, texts.object);
            QTRY_COMPARE(ShownText(object),
                         QString::fromUtf8(german ? texts.german : texts.english));
        }
        QCOMPARE(month->accessibleName(),
                 german ? QStringLiteral("Geburtsmonat") : QStringLiteral("Month of birth"));
        QCOMPARE(form.values().monthPosition, 2);
        QCOMPARE(form.values().zonePosition, 20);
        QCOMPARE(zone->itemText(0), german
                                        ? QStringLiteral("Afghanistan-Zeit, AFT, UTC+04:30")
                                        : QStringLiteral("Addis Ababa Mean Time, ADMT, UTC+02:35"));
        QVERIFY2(shell.dialogs.takeOnlyMessage().startsWith(
                     german ? QStringLiteral("QM Starloom verwendet jetzt")
                            : QStringLiteral("QM Starloom now speaks")),
                 qPrintable(choice->text()));
    }
    QCOMPARE(ChosenLanguage(settings), QStringLiteral("en"));
}

QTEST_MAIN(TestLanguageLayout)
#include "test_language_layout.moc"
