// The shape by degrees in the report window: the planets' marks and the shaded empty arc on
// the wheel, and the "Degrees" tab beside the interpretation text.
#include "windows/natal_wheel.h"
#include "windows/planet_colours.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <cmath>

using namespace starloom;

namespace {

// The wheel's drawing frame: 200 units across the smaller side less two pixels, centred.
constexpr double kUnitsAcross = 200.0;
constexpr double kDotRadius = 79.8;    // units from the centre to a planet's dot
constexpr double kSectorMiddle = 55.0; // units: inside the houses, clear of the cells' text
constexpr int kColourTolerance = 40;   // sum of channel differences; the dot is antialiased

QPoint PixelAt(const QWidget &wheel, double screenAngle, double radius) {
    const double scale = (std::min(wheel.width(), wheel.height()) - 2.0) / kUnitsAcross;
    const double rad = screenAngle * M_PI / 180.0;
    return QPoint(
        static_cast<int>(std::lround(wheel.width() / 2.0 + radius * scale * std::cos(rad) - 0.5)),
        static_cast<int>(std::lround(wheel.height() / 2.0 - radius * scale * std::sin(rad) - 0.5)));
}

int Difference(const QColor &a, const QColor &b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The per-sign working labels show their names until a reading hides them; these tests look
// at the drawing under them.
void HideSignLabels(NatalWheel &wheel) {
    for (int sign = 0; sign < 12; ++sign)
        wheel.signLabel(sign)->hide();
}

QImage Render(QWidget &widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

} // namespace

class TestWindowsDegrees : public QObject {
    Q_OBJECT
private slots:
    void planetMarks_data();
    void planetMarks();
    void emptyArcShaded_data();
    void emptyArcShaded();
    void degreesTab();
};

// The ten planets 36 degrees apart from `first`; the first house's sign turns the ring, so
// that 0 degrees of that sign is the left point and longitude grows counter-clockwise: the
// screen angle is 180 + longitude - 30 x sign.
void TestWindowsDegrees::planetMarks_data() {
    QTest::addColumn<int>("risingSign");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("sunScreenAngle");
    QTest::newRow("aries rising, sun 5.5 aries") << 0 << 5.5 << 185.5;
    QTest::newRow("libra rising, sun 0.5 libra") << 6 << 180.5 << 180.5;
    QTest::newRow("cancer rising, sun 12.5 aries") << 3 << 12.5 << 102.5;
    QTest::newRow("pisces rising, sun 343.5") << 11 << 343.5 << 193.5;
}

void TestWindowsDegrees::planetMarks() {
    QFETCH(int, risingSign);
    QFETCH(double, first);
    QFETCH(double, sunScreenAngle);
    NatalWheel wheel;
    HideSignLabels(wheel);
    for (int slot = 0; slot < 12; ++slot)
        wheel.setGlyph(slot, (risingSign + slot) % 12);
    WheelDegreeMarks marks;
    for (int body = 0; body < kWheelPlanetMarks; ++body)
        marks.Longitude[body] = std::fmod(first + 36.0 * body, 360.0);
    marks.EmptyArcFrom = first + 330.0;
    marks.EmptyArcSize = 6.0;
    wheel.setDegreeMarks(marks);
    QCOMPARE(wheel.screenAngleOf(first), sunScreenAngle);
    const QImage image = Render(wheel);
    for (int body = 0; body < kWheelPlanetMarks; ++body) {
        const QPoint at = PixelAt(wheel, sunScreenAngle + 36.0 * body, kDotRadius);
        const QColor seen = image.pixelColor(at);
        QVERIFY2(Difference(seen, PlanetColour(body)) < kColourTolerance,
                 qPrintable(QStringLiteral("body %1 at %2,%3: %4")
                                .arg(body)
                                .arg(at.x())
                                .arg(at.y())
                                .arg(seen.name())));
    }
}

// A pixel in the middle of the houses inside the empty arc turns darker; one outside it, and
// every pixel once the marks are cleared, stays as the plain wheel draws it.
void TestWindowsDegrees::emptyArcShaded_data() {
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("inside");  // longitude inside the arc
    QTest::addColumn<double>("outside"); // longitude outside it
    QTest::newRow("within one half") << 40.0 << 130.0 << 100.0 << 200.0;
    QTest::newRow("across 0 aries") << 300.0 << 100.0 << 15.0 << 250.0;
    QTest::newRow("whole circle") << 123.0 << 360.0 << 10.0 << -1.0;
}

void TestWindowsDegrees::emptyArcShaded() {
    QFETCH(double, from);
    QFETCH(double, size);
    QFETCH(double, inside);
    QFETCH(double, outside);
    NatalWheel wheel;
    HideSignLabels(wheel);
    const QImage plain = Render(wheel);
    WheelDegreeMarks marks;
    marks.Longitude.fill(from); // all planets at the arc's edge, away from the probes
    marks.EmptyArcFrom = from;
    marks.EmptyArcSize = size;
    wheel.setDegreeMarks(marks);
    const QImage shaded = Render(wheel);
    // Probes half a degree off the sector lines.
    const QPoint in = PixelAt(wheel, wheel.screenAngleOf(inside + 0.5), kSectorMiddle);
    QVERIFY(shaded.pixelColor(in).lightness() < plain.pixelColor(in).lightness());
    if (outside >= 0) {
        const QPoint out = PixelAt(wheel, wheel.screenAngleOf(outside + 0.5), kSectorMiddle);
        QCOMPARE(shaded.pixelColor(out), plain.pixelColor(out));
    }
    wheel.clearDegreeMarks();
    QVERIFY(Render(wheel) == plain);
}

void TestWindowsDegrees::degreesTab() {
    ReportWindow report(BirthData{});
    report.writeReport({{QStringLiteral("Bowl\r\n"), QColor(0, 0, 255), true}});
    auto *rtb = report.findChild<QTextEdit *>(QStringLiteral("RTB"));
    auto *degrees = report.findChild<QTextEdit *>(QStringLiteral("rtbDegrees"));
    auto *tabs = report.findChild<QTabBar *>(QStringLiteral("tabInterpretation"));
    QVERIFY(rtb && degrees && tabs);
    const QString interpretation = rtb->toHtml();

    ShapeByDegreesView shape;
    shape.pattern = QStringLiteral("Bucket");
    shape.patternText = QStringLiteral("One planet stands apart.");
    shape.leading = {8, 9};
    shape.leadingNames = {QStringLiteral("Neptune"), QStringLiteral("Pluto")};
    shape.sentence = QStringLiteral("Neptune and Pluto stand together as the handle.");
    shape.emptyArc = QStringLiteral("85.0 degrees, from 05 Cap 00 to 00 Ari 00");
    report.showShapeByDegrees(shape);

    QCOMPARE(rtb->toHtml(), interpretation);
    QVERIFY(rtb->isVisibleTo(&report));
    QVERIFY(!degrees->isVisibleTo(&report));
    QCOMPARE(degrees->geometry(), rtb->geometry());
    QCOMPARE(degrees->toPlainText(),
             QStringLiteral("Pattern by Degrees\nBucket\nOne planet stands apart.\n\n"
                            "Leading Planets\nNeptune, Pluto\nNeptune and Pluto stand together "
                            "as the handle.\n\nEmpty Arc\n85.0 degrees, from 05 Cap 00 to 00 Ari "
                            "00"));
    // The tabs sit on the frame's title line, clear of its caption and of the text box.
    QVERIFY(tabs->geometry().bottom() < rtb->geometry().top());
    QVERIFY(tabs->geometry().right() < rtb->parentWidget()->width());

    report.showInterpretationTab(1);
    QVERIFY(!rtb->isVisibleTo(&report));
    QVERIFY(degrees->isVisibleTo(&report));
    tabs->setCurrentIndex(0);
    QVERIFY(rtb->isVisibleTo(&report));
    QVERIFY(!degrees->isVisibleTo(&report));
    // Alt+D from the keyboard shows the shape by degrees.
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QTest::keyClick(&report, Qt::Key_D, Qt::AltModifier);
    QVERIFY(degrees->isVisible());
}

QTEST_MAIN(TestWindowsDegrees)
#include "test_windows_degrees.moc"
