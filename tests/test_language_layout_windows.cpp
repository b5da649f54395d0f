// Layout of the chart windows in other languages: the chart window with its report, the
// second chart and the aspect orbs dialog in every shipped language and under a
// pseudo-translation that makes every text 40% longer and accented, where no caption may be
// cut off or run into its neighbour.
#include "reading/gui/reading_session.h"
#include "shell/core/language.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_window.h"
#include "windows/elided_label.h"
#include "windows/natal_wheel.h"
#include "windows/second_chart_window.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTranslator>

using namespace starloom;
using namespace starloom::testing;

namespace {

const QDateTime kTransitMoment(QDate(2024, 1, 31), QTime(12, 0), QTimeZone::utc());

// The controls whose captions are checked. The wheel lays out and draws the texts of its
// own cells (test_windows_wheel_labels checks them).
bool Checked(const QWidget *widget) {
    return widget->isVisible() && !qobject_cast<const NatalWheel *>(widget->parentWidget()) &&
           (qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
            qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
            qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QTabBar *>(widget) ||
            qobject_cast<const QAbstractSpinBox *>(widget));
}

QString Caption(const QWidget *widget) {
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    return {};
}

// Where a group box draws its title.
QRect TitleRect(const QGroupBox *box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

// The status line gives way with an ellipsis at any width, and shows its text whole in its
// tool tip.
bool InStatusBar(const QWidget *widget) {
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const QStatusBar *>(w))
            return true;
    }
    return false;
}

// Whether `widget` shows less than its whole caption: a label smaller than its size hint (or
// drawn with an ellipsis), a button narrower than its text and the style's margin (a
// style's least width for buttons is no need of the text), a group box's title past its
// frame or under one of its controls. Under the pseudo-translation (`givingWay`) a line
// of the report's fixed frames may give way with an ellipsis, its tool tip holding it
// whole, as may the interpretation frame's title; in a shipped language nothing may.
bool CutOff(const QWidget *widget, bool givingWay) {
    const QString caption = Caption(widget);
    if (caption.isEmpty())
        return false;
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto *elided = qobject_cast<const ElidedLabel *>(widget))
        return elided->isCut() && !givingWay && !InStatusBar(widget);
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        return label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                 : label->width() < label->sizeHint().width() ||
                                       label->height() < label->sizeHint().height();
    }
    if (qobject_cast<const QAbstractButton *>(widget)) {
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        return widget->width() < metrics.horizontalAdvance(QString(caption).remove('&')) + margin ||
               widget->height() < metrics.height();
    }
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const QRect title = TitleRect(box);
    bool covered = title.right() >= box->width() ||
                   (caption.endsWith(QChar(0x2026)) && (!givingWay || box->toolTip().isEmpty()));
    for (const QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        covered = covered || (child->isVisible() && child->geometry().intersects(title));
    return covered;
}

// What a control draws, in its parent's coordinates: a label's text where its alignment
// puts it, a group box's title, any other control whole. The report window's fixed rows
// and frames meet edge to edge; only their texts must stay apart.
QRect Drawn(const QWidget *widget) {
    if (const auto *label = qobject_cast<const QLabel *>(widget);
        label != nullptr && !label->wordWrap() && !label->text().isEmpty()) {
        const QRect inside = label->contentsRect();
        const QSize text = label->fontMetrics().size(Qt::TextSingleLine, label->text());
        return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                   text.boundedTo(inside.size()), inside)
            .translated(label->pos());
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return TitleRect(box).translated(box->pos());
    return widget->geometry();
}

QString Describe(const QWidget *widget) {
    return widget->objectName() + QStringLiteral(" \"") + Caption(widget) + QLatin1Char('"');
}

// Every caption of `window` whole, and no two controls of one parent over each other.
QStringList LayoutFaults(const QWidget *window, bool givingWay) {
    QStringList faults;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!Checked(widget))
            continue;
        if (CutOff(widget, givingWay))
            faults << QStringLiteral("cut off: ") + Describe(widget);
        for (const QWidget *other : widgets) {
            if (other <= widget || !Checked(other) || other->parent() != widget->parent())
                continue;
            if (Drawn(widget).intersects(Drawn(other)))
                faults << QStringLiteral("overlap: ") + Describe(widget) + QStringLiteral(" / ") +
                              Describe(other);
        }
    }
    return faults;
}

} // namespace

class TestLanguageLayoutWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowHoldsItsTexts_data();
    void windowHoldsItsTexts();

private:
    QTranslator pseudo_;
    ScriptedShell *shell_ = nullptr;
    ReadingSession *session_ = nullptr;
};

void TestLanguageLayoutWindows::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(pseudo_.load(QStringLiteral(STARLOOM_PSEUDO_QM)));
}

void TestLanguageLayoutWindows::cleanup() {
    delete session_;
    session_ = nullptr;
    delete shell_;
    shell_ = nullptr;
    QCoreApplication::removeTranslator(&pseudo_);
    UseLanguage(QStringLiteral("en"));
}

// Each window under the pseudo-translation and in every shipped language.
void TestLanguageLayoutWindows::windowHoldsItsTexts_data() {
    QTest::addColumn<QString>("language"); // "pseudo" or a shipped language's code
    QTest::addColumn<QString>("window");
    for (const QString &language :
         {QStringLiteral("pseudo"), QStringLiteral("de"), QStringLiteral("fr"),
          QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("it")}) {
        for (const char *window : {"MDI", "rtbDegrees", "wndSecondChart", "dlgAspectOrbs"}) {
            QTest::addRow("%s, %s", qPrintable(language), window)
                << language << QString::fromLatin1(window);
        }
    }
}

// The reading of 1 May 1990 in its chart window, then the window of the row.
void TestLanguageLayoutWindows::windowHoldsItsTexts() {
    QFETCH(QString, language);
    QFETCH(QString, window);
    const bool pseudo = language == QLatin1String("pseudo");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (pseudo)
        QCoreApplication::installTranslator(&pseudo_);
    else
        QVERIFY(UseLanguage(language));
    shell_ = new ScriptedShell;
    session_ = new ReadingSession(shell_->services(), {[] {}, {}});
    FillMay1990(session_->form());
    QVERIFY(session_->CalculateReading());
    ChartWindow *chart = session_->chartWindow();
    QVERIFY(chart != nullptr);
    chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QWidget *shown = chart;
    if (window == QLatin1String("rtbDegrees")) {
        FIND_CHILD(QTabBar, tabs, chart, "tabInterpretation");
        tabs->setCurrentIndex(1);
    } else if (window == QLatin1String("wndSecondChart")) {
        FIND_CHILD(SecondChartWindow, second, chart, "wndSecondChart");
        QVERIFY(second->showTransits(DayOfDateTime(kTransitMoment)));
        second->show();
        shown = second;
    } else if (window == QLatin1String("dlgAspectOrbs")) {
        FIND_CHILD(QAction, orbs, chart, "mnuAspectOrbs");
        orbs->trigger();
        shown = chart->findChild<AspectOrbsDialog *>();
        QVERIFY(shown != nullptr);
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    FIND_CHILD(QPushButton, exit, chart, "cmdExit");
    QVERIFY2(exit->text() != QLatin1String("E&xit"), qPrintable(exit->text())); // translated
    const QStringList faults = LayoutFaults(shown, pseudo);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLanguageLayoutWindows)
#include "test_language_layout_windows.moc"
