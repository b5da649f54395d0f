// starloom-cli against the desktop program: for the same birth, the tool's text and JSON
// hold what the result window shows, and its image is the window's own capture.
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "support/report_labels.h"
#include "support/scripted_services.h"
#include "test_cli_support.h"
#include "windows/chart_window.h"
#include "windows/image_saving.h"
#include "windows/report_window.h"

#include <nlohmann/json.hpp>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace starloom;
using namespace starloom::clitest;
using namespace starloom::testing;

namespace {

constexpr int kJpegQuality = 100; // the program's Save As JPEG

QString Text(const nlohmann::json &value) {
    return QString::fromStdString(value.get<std::string>());
}

} // namespace

class TestCliDesktop : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sameAsTheResultWindow_data();
    void sameAsTheResultWindow();
    void imageIsTheWindowsCapture();
    void imageNamesReplaceNoFile();

private:
    // Runs the desktop reading of `values`; the chart window, or null on a refusal.
    ChartWindow *desktopReading(const FormValues &values);

    ScriptedShell *shell_ = nullptr;
    ReadingSession *session_ = nullptr;
};

void TestCliDesktop::init() {
    shell_ = new ScriptedShell;
    session_ = new ReadingSession(shell_->services(), {});
}

void TestCliDesktop::cleanup() {
    delete session_;
    delete shell_;
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return w->isVisible() && !w->inherits("QMenu"); }),
             0);
}

ChartWindow *TestCliDesktop::desktopReading(const FormValues &values) {
    session_->form().setValues(values);
    session_->CalculateReading();
    return shell_->dialogs.messages.isEmpty() ? session_->chartWindow() : nullptr;
}

void TestCliDesktop::sameAsTheResultWindow_data() {
    QTest::addColumn<int>("birth");
    const QList<Birth> births = FixedBirths();
    for (int i = 0; i < births.size(); ++i)
        QTest::newRow(qPrintable(births[i].key)) << i;
}

void TestCliDesktop::sameAsTheResultWindow() {
    QFETCH(int, birth);
    const Birth b = FixedBirths()[birth];
    ChartWindow *chart = desktopReading(b.values);
    QVERIFY(chart != nullptr);
    ReportWindow *report = chart->report();

    const CliRun jsonRun = RunCli(QStringList{"reading", "--json"} + b.options);
    QCOMPARE(jsonRun.exitCode, 0);
    const auto json = nlohmann::json::parse(jsonRun.out.toStdString());
    QCOMPARE(Text(json["name"]), b.values.name);
    for (int house = 0; house < 12; ++house)
        QCOMPARE(Text(json["house_cells"][house]), HouseCell(*report, house)->text());
    const ReadingState &state = session_->state();
    for (int i = 0; i < 11; ++i) {
        const auto &body = json["bodies"][i];
        QCOMPARE(Text(body["position"]), PlanetValue(*report, i)->text());
        QCOMPARE(body["longitude"].get<double>(), state.Chart.Longitude[i]);
        // The wheel shows the retrograde mark after the name.
        QCOMPARE(body["retrograde"].get<bool>(),
                 QString::fromStdString(state.BodyNames[i]).endsWith(QStringLiteral(" (R) ")));
    }
    // The midheaven and the nodes: the positions table's rows after the ascendant.
    const auto position = [](const nlohmann::json &value) {
        return QString::fromStdString(ChartPositionOf(value.get<double>()));
    };
    QCOMPARE(position(json["angles"]["mc"]), PlanetValue(*report, 11)->text());
    QCOMPARE(position(json["nodes"]["north"]), PlanetValue(*report, 12)->text());
    QCOMPARE(position(json["nodes"]["south"]), PlanetValue(*report, 13)->text());
    QCOMPARE(json["angles"]["asc"].get<double>(), state.Chart.Longitude[kAscBody]);
    QCOMPARE(Text(json["ascendant_sign"]), LagnaLabel(*report)->text());
    QCOMPARE(Text(json["moon_sign"]), RashiLabel(*report)->text());
    const CivilDateTime &ut = state.Chart.UniversalTime;
    QCOMPARE(Text(json["universal_time"]), QStringLiteral("%1-%2-%3T%4:%5Z")
                                               .arg(ut.year, 4, 10, QLatin1Char('0'))
                                               .arg(ut.month, 2, 10, QLatin1Char('0'))
                                               .arg(ut.day, 2, 10, QLatin1Char('0'))
                                               .arg(ut.hour, 2, 10, QLatin1Char('0'))
                                               .arg(ut.minute, 2, 10, QLatin1Char('0')));

    // The text: the eight detail labels first, the interpretation last, as the window has them.
    const CliRun textRun = RunCli(QStringList{"reading"} + b.options);
    QCOMPARE(textRun.exitCode, 0);
    const QString text = QString::fromUtf8(textRun.out);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const char *details[] = {"lblName",      "lblDOB",  "lblTOB",   "lblLatitude",
                             "lblLongitude", "lblCity", "lblState", "lblCountry"};
    // The window names the month in the user's language, the tool always in English.
    const int month = b.values.monthPosition + 1;
    for (int i = 0; i < 8; ++i) {
        auto *label = report->findChild<QLabel *>(QString::fromLatin1(details[i]));
        QVERIFY2(label != nullptr, details[i]);
        QCOMPARE(lines[i],
                 QString(label->text())
                     .replace(QLocale::system().monthName(month), QLocale::c().monthName(month)));
    }
    auto *rtb = report->findChild<QTextEdit *>(QStringLiteral("RTB"));
    QVERIFY(rtb != nullptr);
    const QString interpretation = QStringLiteral("\nInterpretation\n");
    QVERIFY(text.contains(interpretation));
    // The interpretation as the window has it, then one line on the shape by degrees that
    // names the pattern of the window's Degrees tab.
    const QString tail = text.mid(text.indexOf(interpretation) + interpretation.size());
    const qsizetype lastLine = tail.lastIndexOf(QLatin1Char('\n'), -2) + 1;
    QCOMPARE(tail.left(lastLine), rtb->toPlainText());
    auto *degrees = report->findChild<QTextEdit *>(QStringLiteral("rtbDegrees"));
    QVERIFY(degrees != nullptr);
    const QString pattern = degrees->toPlainText().section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(tail.mid(lastLine).startsWith(QStringLiteral("Pattern by degrees: ") + pattern + ", "),
             qPrintable(tail.mid(lastLine)));
}

// The file is the capture of the desktop's result window, written as Save As JPEG writes it.
void TestCliDesktop::imageIsTheWindowsCapture() {
    const Birth b = Lucia();
    ChartWindow *chart = desktopReading(b.values);
    QVERIFY(chart != nullptr);
    QByteArray expected;
    QBuffer buffer(&expected);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QImageWriter writer(&buffer, QByteArrayLiteral("jpg"));
    writer.setQuality(kJpegQuality);
    QVERIFY(writer.write(CaptureFormImage(*chart->report()).toImage()));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lucia.jpg"));
    const CliRun run = RunCli(QStringList{"image", path} + b.options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == expected);
}

void TestCliDesktop::imageNamesReplaceNoFile() {
    QTemporaryDir folder;
    const QStringList options = MaryAnn().options;
    // A relative name is taken in the current folder, not the program's.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(RunCli(QStringList{"image", "chart.jpg"} + options, folder.path()).exitCode, 0);
    QCOMPARE(RunCli(QStringList{"image", "my.chart.JPG"} + options, folder.path()).exitCode, 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{"chart.jpg", "chart_001.jpg", "chart_002.jpg", "my.jpg"}));
}

QTEST_MAIN(TestCliDesktop)
#include "test_cli_desktop.moc"
