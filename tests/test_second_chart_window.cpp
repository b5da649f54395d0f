// The second chart over the open reading: stepping the moment, the bi-wheel's outer ring,
// synastry of a reading with itself, the transit event list and the printed section.
#include "engine/second_chart.h"
#include "engine/transits.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "support/form_controls.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/chart_glyphs.h"
#include "windows/chart_window.h"
#include "windows/second_chart_window.h"

#include <QAction>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <set>

using namespace starloom;
using namespace starloom::testing;

namespace {

constexpr double kMillisecond = 1.0 / 86400000.0; // days
constexpr double kExact = 1e-9;                   // degrees

// 2024-01-31 12:00 UT: a month on is 29 February (a leap year), a month back 31 December.
const QDateTime kStart(QDate(2024, 1, 31), QTime(12, 0), QTimeZone::utc());

} // namespace

class TestSecondChartWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stepsByTheUnit_data();
    void stepsByTheUnit();
    void outerRingHoldsTheSecondChart_data();
    void outerRingHoldsTheSecondChart();
    void synastryWithItselfIsExact();
    void eventListIsTheSearchs();
    void doubleClickMovesTheTransits();
    void pdfHasTheSecondChart();

private:
    SecondChartWindow *open();

    QTemporaryDir *dir_ = nullptr;
    ScriptedShell *shell_ = nullptr;
    ReadingSession *session_ = nullptr;
};

void TestSecondChartWindow::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStandardPaths::setTestModeEnabled(true);
    dir_ = new QTemporaryDir;
    shell_ = new ScriptedShell;
    session_ = new ReadingSession(shell_->services(), {[] {}, {}});
    session_->form().show();
}

void TestSecondChartWindow::cleanup() {
    delete session_;
    delete shell_;
    delete dir_;
}

// The reading of 1 May 1990 with transits of kStart open over it.
SecondChartWindow *TestSecondChartWindow::open() {
    FillMay1990(session_->form());
    if (!session_->CalculateReading())
        return nullptr;
    auto *second =
        session_->chartWindow()->findChild<SecondChartWindow *>(QStringLiteral("wndSecondChart"));
    if (second == nullptr || !second->showTransits(DayOfDateTime(kStart)))
        return nullptr;
    second->show();
    return second;
}

void TestSecondChartWindow::stepsByTheUnit_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("reverse"); // the button's step the other way, from there
    // Calendar differences counted by hand from 2024-01-31 12:00; a month back from 29
    // February is 29 January.
    QTest::newRow("hour forward") << "mnuStepHour" << int(Qt::Key_Right) << 1.0 / 24 << -1.0 / 24;
    QTest::newRow("day back") << "mnuStepDay" << int(Qt::Key_Left) << -1.0 << 1.0;
    QTest::newRow("week forward") << "mnuStepWeek" << int(Qt::Key_Right) << 7.0 << -7.0;
    QTest::newRow("month forward to 29 Feb")
        << "mnuStepMonth" << int(Qt::Key_Right) << 29.0 << -31.0;
    QTest::newRow("month back to 31 Dec") << "mnuStepMonth" << int(Qt::Key_Left) << -31.0 << 31.0;
    QTest::newRow("year forward over a leap day")
        << "mnuStepYear" << int(Qt::Key_Right) << 366.0 << -366.0;
    QTest::newRow("year back") << "mnuStepYear" << int(Qt::Key_Left) << -365.0 << 365.0;
}

void TestSecondChartWindow::stepsByTheUnit() {
    QFETCH(QString, unit);
    QFETCH(int, key);
    QFETCH(double, days);
    QFETCH(double, reverse);
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    auto *unitAction = second->findChild<QAction *>(unit);
    QVERIFY2(unitAction != nullptr, qPrintable(unit));
    unitAction->trigger();
    QVERIFY(QTest::qWaitForWindowActive(second));
    const double before = second->moment();
    QTest::keyClick(second, Qt::Key(key), Qt::AltModifier);
    QVERIFY(std::abs(second->moment() - before - days) < kMillisecond);
    QVERIFY(std::abs(second->chart().Day - second->moment()) < kMillisecond);
    const double after = second->moment();
    second
        ->findChild<QPushButton *>(key == Qt::Key_Right ? QStringLiteral("cmdStepBack")
                                                        : QStringLiteral("cmdStepForward"))
        ->click();
    QVERIFY(std::abs(second->moment() - after - reverse) < kMillisecond);
}

void TestSecondChartWindow::outerRingHoldsTheSecondChart_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("points");
    QTest::newRow("transits: the ten bodies") << int(SecondChartKind::Transits) << 10;
    QTest::newRow("progressions: bodies and angles") << int(SecondChartKind::Progressions) << 12;
    QTest::newRow("directions: bodies and angles") << int(SecondChartKind::Directions) << 12;
}

void TestSecondChartWindow::outerRingHoldsTheSecondChart() {
    QFETCH(int, kind);
    QFETCH(int, points);
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    const double day = DayOfDateTime(kStart);
    SecondChart expected;
    const NatalChart natal = CalculateNatalChart(session_->state().Birth, {});
    if (kind == int(SecondChartKind::Progressions)) {
        QVERIFY(second->showProgressions(day));
        QVERIFY(ProgressedChart(natal, day, expected));
    } else if (kind == int(SecondChartKind::Directions)) {
        QVERIFY(second->showDirections(day));
        QVERIFY(SolarArcChart(natal, day, expected));
    } else {
        QVERIFY(TransitChartAt(day, -81.38, 28.54, expected)); // Orlando, the sample's place
        second->setTransitPlace(-81.38, 28.54);
    }
    auto *wheel = second->findChild<BiWheel *>(QStringLiteral("picBiWheel"));
    QVERIFY(wheel != nullptr);
    const WheelPicture &picture = wheel->picture();
    QVERIFY(picture.hasOuterRing);
    QCOMPARE(int(picture.outerRing.size()), points);
    for (const WheelRingPoint &ring : picture.outerRing)
        QVERIFY2(std::abs(ring.longitude - expected.Longitude[ring.point]) < 1e-6,
                 qPrintable(ring.name));
    // Hovering finds every glyph's name, and nothing else.
    std::set<QString> names;
    for (int y = 0; y < wheel->height(); y += 2) {
        for (int x = 0; x < wheel->width(); x += 2) {
            const QString name = wheel->toolTipAt(QPoint(x, y));
            if (!name.isEmpty())
                names.insert(name);
        }
    }
    QCOMPARE(int(names.size()), points);
}

void TestSecondChartWindow::synastryWithItselfIsExact() {
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    const QString path = dir_->filePath(QStringLiteral("mary.act"));
    shell_->dialogs.fileAnswers = {path};
    session_->SaveReadingFile();
    shell_->dialogs.fileAnswers = {path};
    session_->chartWindow()->findChild<QAction *>(QStringLiteral("mnuCompareWith"))->trigger();
    QVERIFY(shell_->dialogs.messages.isEmpty());
    QCOMPARE(second->kind(), SecondChartKind::Synastry);
    std::set<int> twins;
    for (const Aspect &aspect : second->crossAspects()) {
        if (aspect.A == aspect.B) {
            QCOMPARE(aspect.Kind, AspectKind::Conjunction);
            QVERIFY(aspect.Orb < kExact);
            twins.insert(aspect.A);
        }
    }
    for (int body = 0; body < kWheelPlanetMarks; ++body)
        QVERIFY2(twins.count(body) == 1, qPrintable(PointName(body)));
    auto *list = second->findChild<QTreeWidget *>(QStringLiteral("lstCrossAspects"));
    QCOMPARE(list->topLevelItemCount(), int(second->crossAspects().size()));
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("0\u00b000'"));
}

void TestSecondChartWindow::eventListIsTheSearchs() {
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    second->refreshEvents();
    std::vector<TransitEvent> expected;
    const NatalChart natal = CalculateNatalChart(session_->state().Birth, {});
    FindTransitEvents(natal, DayOfDateTime(kStart), DayOfDateTime(kStart) + 366,
                      [&expected](const TransitEvent &event) {
                          expected.push_back(event);
                          return expected.size() < 200;
                      });
    auto *list = second->findChild<QTreeWidget *>(QStringLiteral("lstTransitEvents"));
    QCOMPARE(list->topLevelItemCount(), int(expected.size()));
    for (int row = 0; row < 20; ++row) {
        const TransitEvent &event = expected[std::size_t(row)];
        QTreeWidgetItem *item = list->topLevelItem(row);
        const CivilDateTime t = NearestMinute(event.Day);
        QCOMPARE(item->text(1), QDate(t.year, t.month, t.day).toString(Qt::ISODate) +
                                    QTime(t.hour, t.minute).toString(QStringLiteral(" HH:mm")));
        QCOMPARE(item->text(3), QString::fromLatin1(kTransitBodyNames[event.Body].data()));
        QCOMPARE(item->text(4), TransitEventText(event));
    }
}

void TestSecondChartWindow::doubleClickMovesTheTransits() {
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    second->refreshEvents();
    auto *list = second->findChild<QTreeWidget *>(QStringLiteral("lstTransitEvents"));
    second->findChild<QTabWidget *>(QStringLiteral("tabSecondChart"))->setCurrentWidget(list);
    QTreeWidgetItem *item = list->topLevelItem(5);
    QVERIFY(item != nullptr);
    const double day = second->events()[5].Day;
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(second->kind(), SecondChartKind::Transits);
    QVERIFY(std::abs(second->moment() - day) < kMillisecond);
    QVERIFY(std::abs(second->chart().Day - day) < kMillisecond);
}

void TestSecondChartWindow::pdfHasTheSecondChart() {
    SecondChartWindow *second = open();
    QVERIFY(second != nullptr);
    const QString pdf = dir_->filePath(QStringLiteral("mary.pdf"));
    shell_->dialogs.fileAnswers = {pdf};
    session_->chartWindow()->exportPdf();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(words.contains(QStringLiteral("Transits for Mary Ann")), qPrintable(words.right(800)));
    QVERIFY(words.contains(QStringLiteral("2024-01-31 12:00 UT")));
    QVERIFY(words.contains(QStringLiteral("Aspects Between the Charts")));
    for (const Aspect &aspect : second->crossAspects())
        QVERIFY(words.contains(
            QStringLiteral("Transiting %1 %2 natal %3")
                .arg(PointName(aspect.B),
                     QString::fromLatin1(kAspectNames[static_cast<int>(aspect.Kind)].data()),
                     PointName(aspect.A))));
}

QTEST_MAIN(TestSecondChartWindow)
#include "test_second_chart_window.moc"
