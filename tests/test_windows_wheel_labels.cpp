// The wheel's words and glyphs keep clear of each other: glyphs and house numbers on the
// outer ring, body names inside their house's sector, clear of the sector lines, the
// central disc and the graduated border, for crowded and awkward arrangements.
#include "windows/natal_wheel.h"
#include "windows/wheel_labels.h"

#include <QApplication>
#include <QLabel>
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

// Counter-clockwise angle of a screen point (y downwards) from a screen angle, 0..360.
qreal AngleFrom(const QPointF &point, qreal start) {
    const qreal degrees = qRadiansToDegrees(std::atan2(-point.y(), point.x()));
    return std::fmod(degrees - start + 720.0, 360.0);
}

// Bodies per house for the wheels with houses: house 6 runs across 0 degrees of Aries.
const std::array<QString, 12> kHouseCells = {"\r\nPluto (R) \r\nAsc",
                                             "",
                                             "\r\nSaturn (R) \r\nUranus (R) \r\nNeptune (R) ",
                                             "",
                                             "",
                                             "\r\nMars",
                                             "\r\nVenus",
                                             "\r\nSun\r\nMoon\r\nMercury",
                                             "\r\nJupiter",
                                             "",
                                             "",
                                             ""};

using Cusps = QList<double>;

} // namespace

class TestWindowsWheelLabels : public QObject {
    Q_OBJECT
private slots:
    void ringLabelsKeepClear();
    void namesKeepClear_data();
    void namesKeepClear();
    void cellNames_data();
    void cellNames();
    void housesOnTheWheel_data();
    void housesOnTheWheel();
    void cornerNote_data();
    void cornerNote();
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

void TestWindowsWheelLabels::housesOnTheWheel_data() {
    QTest::addColumn<int>("firstSign");
    QTest::addColumn<bool>("hasHouses");
    QTest::addColumn<bool>("cuspsShown");
    QTest::addColumn<double>("ascendant");
    QTest::addColumn<double>("midheaven");
    QTest::addColumn<Cusps>("cusps");
    QTest::addColumn<double>("ascendantAngle"); // screen angles, worked by hand
    QTest::addColumn<double>("midheavenAngle");
    // London, 1990-06-21 14:30 UT: Asc 25 Lib 57, MC 4 Leo 34; Porphyry trisects the
    // quadrants, and 0 degrees of Libra on the left point turns no longitude.
    const Cusps porphyry = {205.956, 238.827, 271.698, 304.569, 331.698, 358.827,
                            25.956,  58.827,  91.698,  124.569, 151.698, 178.827};
    QTest::newRow("Porphyry, Libra rising")
        << 6 << true << true << 205.956 << 124.569 << porphyry << 205.956 << 124.569;
    // Equal houses from 14 Cap 30 with Capricorn in house 1: 180 + 284.5 - 270.
    Cusps equal;
    for (int house = 0; house < 12; ++house)
        equal.append(std::fmod(284.5 + 30.0 * house, 360.0));
    QTest::newRow("Equal, Capricorn rising")
        << 9 << true << true << 284.5 << 200.0 << equal << 194.5 << 110.0;
    Cusps wholeSigns;
    for (int house = 0; house < 12; ++house)
        wholeSigns.append(180.0 + 30.0 * house - (house >= 6 ? 360.0 : 0.0));
    QTest::newRow("whole signs, Libra rising")
        << 6 << true << false << 205.956 << 124.569 << wholeSigns << 205.956 << 124.569;
    QTest::newRow("no houses given")
        << 6 << false << false << 205.956 << 124.569 << wholeSigns << 180.0 << 90.0;
}

// The arrows point at the angles' degrees and the cusps divide the houses where the ring
// shows the cusps' degrees; each house's names and its cell stand between its own cusps.
// Whole signs keep the fixed sectors and places of the wheel without houses.
void TestWindowsWheelLabels::housesOnTheWheel() {
    QFETCH(int, firstSign);
    QFETCH(bool, hasHouses);
    QFETCH(bool, cuspsShown);
    QFETCH(double, ascendant);
    QFETCH(double, midheaven);
    QFETCH(Cusps, cusps);
    QFETCH(double, ascendantAngle);
    QFETCH(double, midheavenAngle);
    WheelHouses houses;
    houses.ascendant = ascendant;
    houses.midheaven = midheaven;
    houses.cuspsShown = cuspsShown;
    for (int house = 0; house < 12; ++house)
        houses.cusps[house] = cusps[house];
    NatalWheel wheel;
    for (int slot = 0; slot < 12; ++slot) {
        wheel.setGlyph(slot, (firstSign + slot) % 12);
        wheel.houseCell(slot)->setText(kHouseCells[slot]);
    }
    if (hasHouses)
        wheel.setHouses(houses);
    const WheelPicture shown = wheel.picture();
    const WheelHouseLayout layout = WheelHouseLayoutOf(shown);
    QVERIFY(qAbs(layout.ascendantAngle - ascendantAngle) < kTolerance);
    QVERIFY(qAbs(layout.midheavenAngle - midheavenAngle) < kTolerance);
    QCOMPARE(layout.cuspsShown, cuspsShown);
    const WheelPicture printed = hasHouses ? MakeWheelPicture(firstSign, kHouseCells, houses)
                                           : MakeWheelPicture(firstSign, kHouseCells);
    const WheelPicture withoutHouses = MakeWheelPicture(firstSign, kHouseCells);
    const QPointF centre(wheel.width() / 2.0, wheel.height() / 2.0);
    qreal spans = 0.0;
    for (int house = 0; house < 12; ++house) {
        const QString where = QStringLiteral("house %1").arg(house + 1);
        const HouseNames &names = shown.houseNames[house];
        // The printed wheel places the names as the screen does.
        QCOMPARE(printed.houseNames[house].names.size(), names.names.size());
        for (int i = 0; i < names.names.size(); ++i)
            QCOMPARE(printed.houseNames[house].names[i].box, names.names[i].box);
        const HouseSector sector = layout.sectors[house];
        if (!cuspsShown) {
            QCOMPARE(sector.start, WholeSignSector(house).start);
            QCOMPARE(sector.span, WholeSignSector(house).span);
            QCOMPARE(names.names.size(), withoutHouses.houseNames[house].names.size());
            for (int i = 0; i < names.names.size(); ++i)
                QCOMPARE(names.names[i].box, withoutHouses.houseNames[house].names[i].box);
            continue;
        }
        QVERIFY2(qAbs(sector.start - wheel.screenAngleOf(cusps[house])) < kTolerance,
                 qPrintable(where));
        spans += sector.span;
        for (const PlacedName &name : names.names) {
            for (const QPointF &corner : Corners(name.box)) {
                const qreal angle = AngleFrom(corner, sector.start);
                QVERIFY2(angle > 0.0 && angle < sector.span, qPrintable(where + " " + name.text));
                QVERIFY2(std::hypot(corner.x(), corner.y()) <= kScaleInner, qPrintable(where));
            }
            QVERIFY2(!name.box.intersects(CuspNumberBox(sector, house)), qPrintable(where));
        }
        const QPointF number = CuspNumberBox(sector, house).center();
        QVERIFY2(qAbs(AngleFrom(number, sector.start) - sector.span / 2) < 1e-3, qPrintable(where));
        const QPointF cell = QRectF(wheel.houseCell(house)->geometry()).center() - centre;
        const qreal cellAngle = AngleFrom(QPointF(cell.x(), cell.y()), sector.start);
        QVERIFY2(cellAngle > 0.0 && cellAngle < sector.span, qPrintable(where));
    }
    if (cuspsShown)
        QVERIFY(qAbs(spans - 360.0) < kTolerance);
}

void TestWindowsWheelLabels::cornerNote_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<qreal>("halfWidth");
    QTest::addColumn<qreal>("halfHeight");
    const QString fallback = "Placidus houses are not available yet; Porphyry houses are shown "
                             "instead.";
    QTest::newRow("screen wheel, 450 x 431 pixels") << fallback << 104.9 << 100.5;
    QTest::newRow("printed wheel, square") << fallback << 101.0 << 101.0;
    QTest::newRow("no note") << "" << 101.0 << 101.0;
}

// The note keeps every word, in the picture's lower left corner, clear of the rim.
void TestWindowsWheelLabels::cornerNote() {
    QFETCH(QString, note);
    QFETCH(qreal, halfWidth);
    QFETCH(qreal, halfHeight);
    const QList<PlacedName> lines = PlaceCornerNote(note, halfWidth, halfHeight);
    QStringList words;
    for (const PlacedName &line : lines) {
        words.append(line.text);
        QVERIFY(line.box.width() >= WheelTextWidth(line.text, kNoteTextSize, false) - kTolerance);
        for (const QPointF &corner : Corners(line.box)) {
            QVERIFY2(std::hypot(corner.x(), corner.y()) > kRim, qPrintable(line.text));
            QVERIFY(qAbs(corner.x()) <= halfWidth && qAbs(corner.y()) <= halfHeight);
        }
    }
    QCOMPARE(words.join(' '), note);
}

QTEST_MAIN(TestWindowsWheelLabels)
#include "test_windows_wheel_labels.moc"
