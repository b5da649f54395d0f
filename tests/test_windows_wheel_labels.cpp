// The wheel's words and glyphs keep clear of each other: glyphs and house numbers on the
// outer ring, body names inside their house's sector, clear of the sector lines, the
// central disc and the graduated border, for crowded and awkward arrangements.
#include "windows/natal_wheel.h"
#include "windows/wheel_labels.h"

#include <QGuiApplication>
#include <QTest>
#include <QtMath>

#include <cmath>

using namespace starloom;

namespace {

// The wheel's rings in units (rim at 100), as the drawing lays them out.
constexpr qreal kDisc = 28.0;
constexpr qreal kScaleInner = 82.0;
constexpr qreal kBandInner = 88.0;
constexpr qreal kRim = 100.0;
constexpr qreal kTolerance = 1e-6;

const QStringList kAllBodies = {"Sun",          "Moon",         "Mercury (R) ", "Venus (R) ",
                                "Mars (R) ",    "Jupiter (R) ", "Saturn (R) ",  "Uranus (R) ",
                                "Neptune (R) ", "Pluto (R) ",   "Asc"};

// The corners of a box in screen units (y downwards).
QList<QPointF> Corners(const QRectF &box) {
    return {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
}

// Counter-clockwise angle of a screen point from the house's start line, in degrees.
qreal AngleInHouse(const QPointF &point, int house) {
    const qreal degrees = qRadiansToDegrees(std::atan2(-point.y(), point.x()));
    return std::fmod(degrees - (180.0 + 30.0 * house) + 720.0, 360.0);
}

// True when the box lies between the house's two sector lines and the radii given; the
// box's nearest point to the centre is checked against the inner radius.
bool InsideSector(const QRectF &box, int house, qreal inner, qreal outer) {
    for (const QPointF &corner : Corners(box)) {
        const qreal angle = AngleInHouse(corner, house);
        if (angle <= 0.0 || angle >= 30.0)
            return false;
        if (std::hypot(corner.x(), corner.y()) > outer + kTolerance)
            return false;
    }
    const qreal nx = qBound(box.left(), 0.0, box.right());
    const qreal ny = qBound(box.top(), 0.0, box.bottom());
    return std::hypot(nx, ny) >= inner - kTolerance;
}

QString Describe(const QRectF &box) {
    return QStringLiteral("(%1, %2, %3 x %4)")
        .arg(box.x(), 0, 'f', 1)
        .arg(box.y(), 0, 'f', 1)
        .arg(box.width(), 0, 'f', 1)
        .arg(box.height(), 0, 'f', 1);
}

// A house cell as the driver writes it: a line break before each body.
QString Cell(const QStringList &bodies) {
    QString text;
    for (const QString &body : bodies)
        text += QStringLiteral("\r\n") + body;
    return text;
}

} // namespace

class TestWindowsWheelLabels : public QObject {
    Q_OBJECT
private slots:
    void ringLabelsKeepClear();
    void namesKeepClear_data();
    void namesKeepClear();
    void cellNames_data();
    void cellNames();
};

// Each glyph and number sits in its own house on the band, off the sector lines, and no
// two overlap.
void TestWindowsWheelLabels::ringLabelsKeepClear() {
    QList<QRectF> boxes;
    for (int house = 0; house < 12; ++house) {
        for (const QRectF &box : {GlyphBox(house), HouseNumberBox(house)}) {
            QVERIFY2(InsideSector(box, house, kBandInner, kRim),
                     qPrintable(QStringLiteral("house %1 %2").arg(house + 1).arg(Describe(box))));
            boxes.append(box);
        }
    }
    for (int i = 0; i < boxes.size(); ++i)
        for (int j = i + 1; j < boxes.size(); ++j)
            QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(Describe(boxes[i])));
}

void TestWindowsWheelLabels::namesKeepClear_data() {
    QTest::addColumn<QList<QStringList>>("houses"); // bodies per house, house 1 first
    // Eleven bodies, retrograde marks included, crowded into each house in turn.
    for (int crowded = 0; crowded < 12; ++crowded) {
        QList<QStringList> houses(12);
        houses[crowded] = kAllBodies;
        QTest::addRow("eleven bodies in house %d", crowded + 1) << houses;
    }
    // Every house holds names, long "(R)" names beside short ones.
    QList<QStringList> spread(12);
    for (int i = 0; i < kAllBodies.size(); ++i)
        spread[i].append(kAllBodies[i]);
    spread[11] = {"Jupiter (R) ", "Neptune (R) ", "Saturn (R) "};
    QTest::newRow("one house each, three in house 12") << spread;
    // Six and five bodies on opposite sides of the horizon.
    QList<QStringList> halves(12);
    halves[0] = kAllBodies.mid(0, 6);
    halves[6] = kAllBodies.mid(6);
    QTest::newRow("six in house 1, five in house 7") << halves;
}

void TestWindowsWheelLabels::namesKeepClear() {
    QFETCH(QList<QStringList>, houses);
    std::array<QString, 12> cells;
    for (int house = 0; house < 12; ++house)
        cells[house] = Cell(houses[house]);
    QList<QRectF> taken;
    for (int house = 0; house < 12; ++house) {
        taken.append(GlyphBox(house));
        taken.append(HouseNumberBox(house));
    }
    // Every sign in house 1 in turn: the glyphs change, the boxes must not.
    for (int firstSign = 0; firstSign < 12; ++firstSign) {
        const WheelPicture picture = MakeWheelPicture(firstSign, cells);
        QCOMPARE(picture.houseSign[0], firstSign);
        QList<QRectF> names;
        for (int house = 0; house < 12; ++house) {
            const HouseNames &placed = picture.houseNames[house];
            QVERIFY(placed.fitted);
            QCOMPARE(placed.names.size(), CellNames(cells[house]).size());
            for (const PlacedName &name : placed.names) {
                const QString where = QStringLiteral("%1 in house %2 %3")
                                          .arg(name.text)
                                          .arg(house + 1)
                                          .arg(Describe(name.box));
                QVERIFY2(InsideSector(name.box, house, kDisc, kScaleInner), qPrintable(where));
                // The box holds the whole word at the size it is written in.
                QVERIFY2(name.box.width() >=
                             WheelTextWidth(name.text, placed.textSize, false) / 1.05,
                         qPrintable(where));
                QVERIFY2(placed.textSize >= kSmallestNameTextSize, qPrintable(where));
                for (const QRectF &other : taken + names)
                    QVERIFY2(!name.box.intersects(other),
                             qPrintable(where + " meets " + Describe(other)));
                names.append(name.box);
            }
        }
    }
}

void TestWindowsWheelLabels::cellNames_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("driver's form")
        << "\r\nSun\r\nMercury (R) \r\nAsc" << QStringList{"Sun", "Mercury (R)", "Asc"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("lone line ends") << "Moon\nMars\rVenus" << QStringList{"Moon", "Mars", "Venus"};
}

void TestWindowsWheelLabels::cellNames() {
    QFETCH(QString, cell);
    QFETCH(QStringList, names);
    QCOMPARE(CellNames(cell), names);
}

QTEST_MAIN(TestWindowsWheelLabels)
#include "test_windows_wheel_labels.moc"
