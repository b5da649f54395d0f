// Layout in every language: the windows under a pseudo-translation that makes every text 40%
// longer and accented, where no caption may be cut off or run into its neighbour. And the
// View > Language menu, which keeps the choice for the next start.
#include "reading/gui/birth_form.h"
#include "shell/about_box.h"
#include "shell/core/language.h"
#include "support/scripted_services.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

class TestLanguageLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void birthFormHoldsLongerTexts();
    void aboutBoxHoldsLongerTexts();
    void languageMenuKeepsTheChoice();

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

void TestLanguageLayout::aboutBoxHoldsLongerTexts() {
    ScriptedShell shell;
    frmAbout box(shell.links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QStringList faults = LayoutFaults(&box);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLanguageLayout::languageMenuKeepsTheChoice() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ReadingState state;
    ScriptedShell shell;
    ShellServices services = shell.services();
    services.settings = &settings;
    BirthForm form(state, services);
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

QTEST_MAIN(TestLanguageLayout)
#include "test_language_layout.moc"
