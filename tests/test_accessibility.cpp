// What a screen reader and a keyboard user get from the windows: a name for every control
// that takes the focus, the chart read out in words, and colours that stay readable on
// the light and the dark palette.
#include "reading/driver.h"
#include "reading/gui/reading_session.h"
#include "shell/about_box.h"
#include "shell/readable_colour.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_colours.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"
#include "windows/second_chart_window.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QStandardPaths>

#include <cmath>
#include <functional>
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

// WCAG 2.1 contrast ratio, from its definitions of relative luminance and contrast ratio.
double Contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kText = 4.5; // WCAG AA, text
constexpr double kMark = 3.0; // WCAG AA, lines and marks

using Colours = std::function<QList<QColor>(const ChartColours &)>;

template <std::size_t N> QList<QColor> All(const std::array<QColor, N> &colours) {
    return QList<QColor>(colours.begin(), colours.end());
}

// The houses' shades, bare and under the empty arc's translucent shade.
QList<QColor> Houses(const ChartColours &c) {
    QList<QColor> houses = All(c.houseShade);
    const double a = c.emptyArc.alphaF();
    for (const QColor &shade : All(c.houseShade))
        houses << QColor::fromRgbF(shade.redF() * (1 - a) + c.emptyArc.redF() * a,
                                   shade.greenF() * (1 - a) + c.emptyArc.greenF() * a,
                                   shade.blueF() * (1 - a) + c.emptyArc.blueF() * a);
    return houses;
}

// What the wheel and the grid draw, on what they draw it, and the least contrast asked.
const struct {
    const char *what;
    Colours inks;
    Colours grounds;
    double least;
} kDrawn[] = {
    {"body names", [](auto &c) { return QList{c.names}; }, Houses, kText},
    {"house numbers", [](auto &c) { return QList{c.numbers}; },
     [](auto &c) { return All(c.bands) + Houses(c); }, kText},
    {"corner note", [](auto &c) { return QList{c.note}; },
     [](auto &c) { return QList{c.background}; }, kText},
    {"retrograde R", [](auto &c) { return All(c.planetText); },
     [](auto &c) { return QList{c.background}; }, kText},
    {"orbs", [](auto &c) { return QList{c.gridOrb}; }, [](auto &c) { return QList{c.background}; },
     kText},
    {"rings and sign lines", [](auto &c) { return QList{c.line}; },
     [](auto &c) {
         return All(c.bands) + Houses(c) + QList{c.scale, c.background};
     },
     kMark},
    {"degree ticks", [](auto &c) { return QList{c.tick}; }, [](auto &c) { return QList{c.scale}; },
     kMark},
    {"cusps",
     [](auto &c) {
         return QList{c.cusp, c.angularCusp};
     },
     [](auto &c) { return Houses(c) + QList{c.scale}; }, kMark},
    {"arrows", [](auto &c) { return QList{c.arrow}; }, Houses, kMark},
    {"planet marks", [](auto &c) { return All(c.planetMarks); },
     [](auto &c) {
         return Houses(c) + QList{c.scale, c.background};
     },
     kMark},
    {"sign glyphs", [](auto &c) { return All(c.signGlyphs); }, [](auto &c) { return All(c.bands); },
     kMark},
    {"aspect lines and glyphs", [](auto &c) { return All(c.aspects) + QList{c.aspectTick}; },
     [](auto &c) { return QList{c.aspectFace}; }, kMark},
    {"aspect glyphs on the grid", [](auto &c) { return All(c.aspects); },
     [](auto &c) { return QList{c.background}; }, kMark},
    {"grid lines and points",
     [](auto &c) {
         return QList{c.gridLine, c.gridPoint};
     },
     [](auto &c) {
         return QList{c.background, c.gridDiagonal};
     },
     kMark},
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFocusableControlIsNamed_data();
    void everyFocusableControlIsNamed();
    void wheelReadsTheChart();
    void contrastFormula();
    void chartColoursReadable_data();
    void chartColoursReadable();

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

// The formula the test measures with, against the ratios WCAG's examples give.
void TestAccessibility::contrastFormula() {
    QCOMPARE(Contrast(Qt::black, Qt::white), 21.0);
    QCOMPARE(Contrast(Qt::white, Qt::white), 1.0);
    QVERIFY(std::abs(Contrast(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
}

void TestAccessibility::chartColoursReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light palette") << QPalette(QColor(239, 239, 239), QColor(239, 239, 239));
    QTest::newRow("dark palette") << DarkCheckingPalette();
}

// Every text the wheel and the grid write and every line and mark they draw, in the colours
// their painting takes from the palette, against each surface it lies on.
void TestAccessibility::chartColoursReadable() {
    QFETCH(QPalette, palette);
    const ChartColours colours = ChartColoursFor(palette);
    QCOMPARE(colours.background, palette.color(QPalette::Base));
    for (const auto &drawn : kDrawn) {
        for (const QColor &ink : drawn.inks(colours)) {
            for (const QColor &ground : drawn.grounds(colours)) {
                const double ratio = Contrast(ink, ground);
                QVERIFY2(ratio >= drawn.least,
                         qPrintable(QStringLiteral("%1 %2 on %3: %4")
                                        .arg(QLatin1String(drawn.what), ink.name(), ground.name())
                                        .arg(ratio, 0, 'f', 2)));
            }
        }
    }
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
