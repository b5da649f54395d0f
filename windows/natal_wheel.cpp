#include "windows/natal_wheel.h"

#include "reading/chart_words.h"
#include "shell/readable_colour.h"
#include "windows/chart_colours.h"
#include "windows/chart_glyphs.h"
#include "windows/design_units.h"
#include "windows/planet_colours.h"
#include "windows/sign_glyphs.h"

#include <QLabel>
#include <QLayout>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QWidgetItem>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace starloom {

namespace {

struct TwipPoint {
    int left;
    int top;
};

// Top-left corners of the house cells, index 0 = house 1; houses run counter-clockwise
// from just below the left horizon.
constexpr std::array<TwipPoint, kSignCount> kHouseCellCorners = {{{960, 3240},
                                                                  {1680, 4080},
                                                                  {2535, 4440},
                                                                  {3480, 4560},
                                                                  {4440, 3960},
                                                                  {5055, 3240},
                                                                  {5160, 2160},
                                                                  {4695, 1080},
                                                                  {3480, 480},
                                                                  {2400, 600},
                                                                  {1440, 1200},
                                                                  {840, 2160}}};
constexpr int kHouseCellWidth = 435;  // twips
constexpr int kHouseCellHeight = 195; // twips, one line

// House numbers on the outer ring; index 0 reads "12", index k reads k.
constexpr std::array<TwipPoint, kSignCount> kHouseNumberCorners = {{{360, 2040},
                                                                    {345, 3720},
                                                                    {960, 4920},
                                                                    {2160, 5760},
                                                                    {3960, 6000},
                                                                    {5160, 5400},
                                                                    {6120, 4080},
                                                                    {6240, 2400},
                                                                    {5640, 1200},
                                                                    {4320, 240},
                                                                    {2520, 120},
                                                                    {1320, 720}}};

// Sign-glyph slots, index 0 = house 1, each beside the number of its house.
constexpr std::array<TwipPoint, kSignCount> kGlyphSlotCorners = {{{280, 3720},
                                                                  {880, 4920},
                                                                  {2040, 5800},
                                                                  {3840, 5975},
                                                                  {5100, 5400},
                                                                  {6060, 4080},
                                                                  {6200, 2400},
                                                                  {5640, 1200},
                                                                  {4320, 240},
                                                                  {2520, 120},
                                                                  {1320, 720},
                                                                  {380, 2040}}};
constexpr int kGlyphSlotSide = 300; // twips

constexpr int kDesignAscendantSign = 6;  // Libra rises in the design arrangement
constexpr int kSignLabelDrop = 165;      // twips between a house cell and its sign's label
constexpr int kSignLabelHeight = 195;    // twips
constexpr qreal kCellFontPoints = 7.0;   // house cells and per-sign labels
constexpr qreal kNumberFontPoints = 6.0; // house numbers

// The wheel is drawn in a square frame of 200 units centred on the picture, so that the
// outer rim is at radius 100 whatever the widget's size.
constexpr qreal kRimRadius = 100.0;
constexpr qreal kBandInnerRadius = 88.0;  // outer ring of coloured bands: 88..100
constexpr qreal kScaleInnerRadius = 82.0; // graduated border: 82..88
constexpr qreal kDiscRadius = 28.0;       // central disc
constexpr qreal kArrowTail = 68.0;        // the horizon and meridian arrows run outwards
constexpr qreal kArrowTip = 81.0;         // from tail to tip
constexpr qreal kSectorDegrees = 30.0;    // one sign, one house
// The bi-wheel's outer ring lies outside the rim: a tick at each point's degree, then its
// glyph, spread round the ring where glyphs would touch.
constexpr qreal kOuterRingRadius = 128.0; // outer edge of the ring
constexpr qreal kOuterTickEnd = 104.0;    // ticks run from the rim to here
constexpr qreal kOuterGlyphRadius = 115.0;
constexpr qreal kOuterGlyphSide = 11.0;
constexpr qreal kOuterGlyphGap = 6.0; // degrees between two glyphs' centres at least

// A path for the part of an annulus between two radii that spans the first sector,
// counter-clockwise from the positive x axis.
QPainterPath SectorPath(qreal inner, qreal outer) {
    QPainterPath path;
    path.arcMoveTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), 0);
    path.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), 0, kSectorDegrees);
    path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), kSectorDegrees, -kSectorDegrees);
    path.closeSubpath();
    return path;
}

// Qt's rotate() turns clockwise on screen; house angles run counter-clockwise from the
// left point, so house h (1..12) starts at 180 + 30 (h - 1) degrees counter-clockwise.
qreal HouseStartRotation(int houseIndex) {
    return -(180.0 + kSectorDegrees * houseIndex);
}

// The part of an annulus between two radii from `start` through `span` degrees, counter-
// clockwise on screen from the right-hand point.
QPainterPath AnnulusPath(qreal inner, qreal outer, qreal start, qreal span) {
    const QRectF outerBox(-outer, -outer, 2 * outer, 2 * outer);
    QPainterPath path;
    path.arcMoveTo(outerBox, start);
    path.arcTo(outerBox, start, span);
    path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), start + span, -span);
    path.closeSubpath();
    return path;
}

// The coloured bands of the signs, and the houses' sectors shaded in turn: the signs' own
// sectors for whole signs, from cusp to cusp otherwise.
void DrawBandsAndSectors(QPainter &p, const WheelHouseLayout &layout, const ChartColours &c) {
    const QPainterPath band = SectorPath(kBandInnerRadius, kRimRadius);
    const QPainterPath sector = SectorPath(kDiscRadius, kScaleInnerRadius);
    for (int house = 0; house < kSignCount; ++house) {
        p.save();
        p.rotate(HouseStartRotation(house));
        p.setPen(Qt::NoPen);
        p.setBrush(c.bands[house]);
        p.drawPath(band);
        const QColor shade = c.houseShade[house % 2];
        p.setBrush(shade);
        if (!layout.cuspsShown)
            p.drawPath(sector);
        p.restore();
        if (layout.cuspsShown) {
            const HouseSector &own = layout.sectors[house];
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawPath(AnnulusPath(kDiscRadius, kScaleInnerRadius, own.start, own.span));
        }
    }
}

void DrawScale(QPainter &p, const ChartColours &c) {
    p.setBrush(c.scale);
    p.setPen(Qt::NoPen);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), kBandInnerRadius, kBandInnerRadius);
    ring.addEllipse(QPointF(0, 0), kScaleInnerRadius, kScaleInnerRadius);
    p.drawPath(ring);

    QPen tick(c.tick);
    tick.setCosmetic(true);
    tick.setWidthF(0.8);
    p.setPen(tick);
    for (int degree = 0; degree < 360; ++degree) {
        if (degree % 30 == 0)
            continue; // the sector lines mark these
        const qreal length = degree % 10 == 0 ? 4.0 : degree % 5 == 0 ? 2.8 : 1.6;
        p.save();
        p.rotate(degree);
        p.drawLine(QPointF(kBandInnerRadius - length, 0), QPointF(kBandInnerRadius, 0));
        p.restore();
    }
}

// The rings, and the lines between the signs. With cusps shown, the sign lines cross only
// the zodiac's rings and the cusps divide the houses: each cusp line runs from the disc
// across the graduated ring to its degree, those of the angular houses (1, 4, 7, 10)
// heavier.
void DrawCirclesAndSectorLines(QPainter &p, const WheelHouseLayout &layout, const ChartColours &c) {
    QPen line(c.line);
    line.setCosmetic(true);
    line.setWidthF(1.0);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    for (const qreal radius : {kRimRadius, kBandInnerRadius, kScaleInnerRadius})
        p.drawEllipse(QPointF(0, 0), radius, radius);
    const qreal signLineFrom = layout.cuspsShown ? kScaleInnerRadius : kDiscRadius;
    for (int house = 0; house < kSignCount; ++house) {
        p.save();
        p.rotate(HouseStartRotation(house));
        p.drawLine(QPointF(signLineFrom, 0), QPointF(kRimRadius, 0));
        p.restore();
    }
    if (!layout.cuspsShown)
        return;
    for (int house = 0; house < kSignCount; ++house) {
        const bool angular = house % 3 == 0;
        QPen cusp(angular ? c.angularCusp : c.cusp);
        cusp.setCosmetic(true);
        cusp.setWidthF(angular ? 2.0 : 1.0);
        cusp.setCapStyle(Qt::FlatCap);
        p.setPen(cusp);
        p.save();
        p.rotate(-layout.sectors[house].start);
        p.drawLine(QPointF(kDiscRadius, 0), QPointF(kBandInnerRadius, 0));
        p.restore();
    }
}

// The central disc and our mark: an eight-rayed star, long rays on the axes.
void DrawDisc(QPainter &p) {
    QRadialGradient shade(QPointF(-8, -8), kDiscRadius * 1.4);
    shade.setColorAt(0, QColor(40, 56, 168));
    shade.setColorAt(1, QColor(0, 0, 96));
    QPen rim(QColor(212, 176, 64));
    rim.setWidthF(1.6);
    p.setPen(rim);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), kDiscRadius, kDiscRadius);

    const QColor gold(240, 204, 96);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int ray = 0; ray < 8; ++ray) {
        const qreal length = ray % 2 ? 13.0 : 21.0;
        QPainterPath spike;
        spike.moveTo(0, -3.2);
        spike.lineTo(length, 0);
        spike.lineTo(0, 3.2);
        spike.closeSubpath();
        p.save();
        p.rotate(ray * 45.0);
        p.drawPath(spike);
        p.restore();
    }
    p.setBrush(QColor(0, 0, 96));
    p.drawEllipse(QPointF(0, 0), 3.6, 3.6);
    p.setBrush(gold);
    p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
}

// The largest empty arc, faintly shaded across the houses and the graduated ring so the
// shape of the chart shows at a glance. Angles as QPainterPath takes them: counter-clockwise
// on screen from the right-hand point.
void ShadeEmptyArc(QPainter &p, double startAngle, double sweep, const QColor &shade) {
    if (sweep <= 0.0)
        return;
    QPainterPath arc;
    const QRectF outer(-kBandInnerRadius, -kBandInnerRadius, 2 * kBandInnerRadius,
                       2 * kBandInnerRadius);
    const QRectF inner(-kDiscRadius, -kDiscRadius, 2 * kDiscRadius, 2 * kDiscRadius);
    if (sweep >= 360.0) {
        arc.addEllipse(outer);
        arc.addEllipse(inner);
    } else {
        arc.arcMoveTo(outer, startAngle);
        arc.arcTo(outer, startAngle, sweep);
        arc.arcTo(inner, startAngle + sweep, -sweep);
        arc.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(arc);
}

// A planet's exact degree: a tick across the graduated ring and a dot just inside it, in the
// planet's colour, with an edge of the background's colour so that neighbouring marks stay
// apart.
void DrawDegreeMark(QPainter &p, double screenAngle, const QColor &colour,
                    const QColor &edgeColour) {
    constexpr qreal kDotRadius = 1.5;
    constexpr qreal kDotCentre = kScaleInnerRadius - 2.2;
    p.save();
    p.rotate(-screenAngle);
    QPen tick(colour);
    tick.setWidthF(1.0);
    tick.setCapStyle(Qt::FlatCap);
    p.setPen(tick);
    p.drawLine(QPointF(kScaleInnerRadius, 0), QPointF(kBandInnerRadius, 0));
    QPen edge(edgeColour);
    edge.setWidthF(0.5);
    p.setPen(edge);
    p.setBrush(colour);
    p.drawEllipse(QPointF(kDotCentre, 0), kDotRadius, kDotRadius);
    p.restore();
}

// Short arrows at the ascendant (the horizon) and the midheaven (the meridian), pointing
// at their degrees on the graduated ring.
void DrawAxisArrows(QPainter &p, const WheelHouseLayout &layout, const QColor &arrowColour) {
    for (const double towards : {layout.ascendantAngle, layout.midheavenAngle}) {
        p.save();
        p.rotate(-towards);
        QPen shaft(arrowColour);
        shaft.setWidthF(1.2);
        p.setPen(shaft);
        p.drawLine(QPointF(kArrowTail, 0), QPointF(kArrowTip - 3.0, 0));
        QPainterPath head;
        head.moveTo(kArrowTip, 0);
        head.lineTo(kArrowTip - 5.0, -2.0);
        head.lineTo(kArrowTip - 5.0, 2.0);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(arrowColour);
        p.drawPath(head);
        p.restore();
    }
}

// The disc with the aspects in place of the emblem: a pale face, a tick for each point on
// its rim and a chord for each aspect.
void DrawAspectDisc(QPainter &p, const std::vector<qreal> &points,
                    const std::vector<std::pair<QLineF, QColor>> &chords, const ChartColours &c) {
    QPen rim(QColor(212, 176, 64));
    rim.setWidthF(1.6);
    p.setPen(rim);
    p.setBrush(c.aspectFace);
    p.drawEllipse(QPointF(0, 0), kDiscRadius, kDiscRadius);
    for (const auto &[chord, colour] : chords) {
        QPen pen(colour);
        pen.setWidthF(0.9);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(chord);
    }
    QPen tick(c.aspectTick);
    tick.setWidthF(1.0);
    p.setPen(tick);
    for (const qreal angle : points) {
        p.save();
        p.rotate(-angle);
        p.drawLine(QPointF(kDiscRadius - 2.5, 0), QPointF(kDiscRadius, 0));
        p.restore();
    }
}

constexpr qreal kChordRadius = kDiscRadius - 2.5; // where the chords end, inside the ticks

QPointF OnChordCircle(qreal degrees) {
    const qreal radians = qDegreesToRadians(degrees);
    // Counter-clockwise on screen, where y grows downwards.
    return QPointF(kChordRadius * std::cos(radians), -kChordRadius * std::sin(radians));
}

// The glyph of each sign on the outer ring; the number of each house beside its sign's
// glyph for whole signs, round the disc between the cusps otherwise; and the bodies' names
// inside the houses, each in the box the placement gave it.
void DrawLabels(QPainter &p, const WheelPicture &picture, const WheelHouseLayout &layout,
                const ChartColours &c) {
    p.setPen(c.numbers);
    for (int house = 0; house < kSignCount; ++house) {
        const int sign = picture.houseSign[house];
        if (sign >= 0 && sign < kSignCount)
            PaintSignGlyph(p, GlyphBox(house), sign, c.signGlyphs[sign]);
        if (layout.cuspsShown)
            PaintWheelText(p, CuspNumberBox(layout.sectors[house], house),
                           QString::number(house + 1), kCuspNumberTextSize, true);
        else
            PaintWheelText(p, HouseNumberBox(house), QString::number(house + 1),
                           kHouseNumberTextSize, true);
    }
    p.setPen(c.names);
    for (const HouseNames &house : picture.houseNames) {
        for (const PlacedName &name : house.names)
            PaintWheelText(p, name.box, name.text, house.textSize, false);
    }
}

// A place on the wheel's circle of `radius` at a screen angle (counter-clockwise, y down).
QPointF OnCircle(qreal radius, qreal degrees) {
    const qreal radians = qDegreesToRadians(degrees);
    return QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

// The ring, a tick at each point's exact degree, a leader to its glyph and the glyph in
// the point's colour; a retrograde point has a small R beside its glyph.
void DrawOuterRing(QPainter &p, const WheelPicture &picture, const ChartColours &c) {
    QPen circle(c.line);
    circle.setWidthF(0.6);
    p.setPen(circle);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), kOuterRingRadius, kOuterRingRadius);
    const std::vector<double> glyphAngles = OuterRingGlyphAngles(picture);
    for (std::size_t i = 0; i < picture.outerRing.size(); ++i) {
        const WheelRingPoint &point = picture.outerRing[i];
        if (!std::isfinite(point.longitude))
            continue;
        const bool planet = point.point >= 0 && point.point < kWheelPlanetMarks;
        const QColor colour = planet ? c.planetMarks[point.point] : c.numbers;
        const double exact = WheelScreenAngle(picture.houseSign[0], point.longitude);
        QPen tick(colour);
        tick.setWidthF(1.0);
        p.setPen(tick);
        p.drawLine(OnCircle(kRimRadius, exact), OnCircle(kOuterTickEnd, exact));
        QPen leader(colour);
        leader.setWidthF(0.4);
        p.setPen(leader);
        p.drawLine(OnCircle(kOuterTickEnd, exact),
                   OnCircle(kOuterGlyphRadius - kOuterGlyphSide / 2, glyphAngles[i]));
        const QPointF centre = OnCircle(kOuterGlyphRadius, glyphAngles[i]);
        const QRectF box(centre.x() - kOuterGlyphSide / 2, centre.y() - kOuterGlyphSide / 2,
                         kOuterGlyphSide, kOuterGlyphSide);
        PaintGlyph(p, box, PointGlyphPath(point.point), colour);
        if (point.retrograde) {
            p.setPen(planet ? c.planetText[point.point] : c.numbers);
            const QPointF mark = OnCircle(kOuterGlyphRadius + kOuterGlyphSide * 0.75,
                                          glyphAngles[i] - kOuterGlyphGap * 0.45);
            PaintWheelText(p, QRectF(mark.x() - 3, mark.y() - 3, 6, 6), QStringLiteral("R"),
                           kCuspNumberTextSize, true);
        }
    }
}

} // namespace

// Keeps each managed label at its design top-left corner and gives it at least its design
// size, more when its text needs it. A label's setText() invalidates this layout at once,
// so a house cell has its new size as soon as the driver has written it, shown or not.
class FittingLayout final : public QLayout {
public:
    explicit FittingLayout(QWidget *parent) : QLayout(parent) {
        setSizeConstraint(QLayout::SetNoConstraint);
        setContentsMargins(0, 0, 0, 0);
    }
    ~FittingLayout() override {
        while (QLayoutItem *item = takeAt(0))
            delete item;
    }

    void addLabel(QLabel *label, const QRect &designRect) {
        addChildWidget(label);
        m_entries.append({new QWidgetItem(label), designRect});
        place(m_entries.last());
    }

    void addItem(QLayoutItem *item) override { m_entries.append({item, QRect()}); }
    int count() const override { return static_cast<int>(m_entries.size()); }
    QLayoutItem *itemAt(int index) const override {
        return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
    }
    QLayoutItem *takeAt(int index) override {
        return index >= 0 && index < m_entries.size() ? m_entries.takeAt(index).item : nullptr;
    }
    QSize sizeHint() const override { return QSize(kWheelWidth, kWheelHeight); }

    void setGeometry(const QRect &rect) override {
        QLayout::setGeometry(rect);
        placeAll();
    }
    void invalidate() override {
        QLayout::invalidate();
        placeAll();
        if (m_changed)
            m_changed();
    }
    // Run whenever a managed label's text or size hint changes.
    void onChange(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    struct Entry {
        QLayoutItem *item;
        QRect designRect;
    };

    static void place(const Entry &entry) {
        QWidget *widget = entry.item->widget();
        if (widget == nullptr || entry.designRect.isNull())
            return;
        const QSize size = widget->sizeHint().expandedTo(entry.designRect.size());
        if (widget->geometry() != QRect(entry.designRect.topLeft(), size))
            widget->setGeometry(QRect(entry.designRect.topLeft(), size));
    }
    void placeAll() {
        for (const Entry &entry : m_entries)
            place(entry);
    }

    QList<Entry> m_entries;
    std::function<void()> m_changed;
};

// One image of the sign-glyph array: paints the glyph of its sign as vector strokes, so
// it is sharp at the screen's device pixel ratio.
class SignGlyphSlot final : public QWidget {
public:
    SignGlyphSlot(int sign, QWidget *parent) : QWidget(parent), m_sign(sign) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    int sign() const { return m_sign; }
    void setSign(int sign) {
        if (sign == m_sign)
            return;
        m_sign = sign;
        update();
    }

protected:
    // The wheel draws the glyph in the slot's box, together with everything else on it.
    void paintEvent(QPaintEvent *) override {}

private:
    int m_sign;
};

// A house number, and a house cell: the wheel writes their texts in their boxes, clear
// of each other, so the labels themselves paint nothing.
class HouseNumberLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {}
};

class HouseCellLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {}
};

NatalWheel::NatalWheel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picNatal"));
    // Tab stops here, so that a screen reader reads the chart the wheel shows.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Natal wheel"));
    resize(kWheelWidth, kWheelHeight);
    m_layout = new FittingLayout(this);

    QFont numberFont = ProgramFont(kNumberFontPoints, true);
    const ChartColours colours = ChartColoursFor(palette());
    QPalette numberPalette = palette();
    numberPalette.setColor(QPalette::WindowText, colours.numbers);
    QPalette cellPalette = palette();
    cellPalette.setColor(QPalette::WindowText, colours.names);

    for (int i = 0; i < kSignCount; ++i) {
        auto *slot = new SignGlyphSlot((kDesignAscendantSign + i) % kSignCount, this);
        slot->setObjectName(QStringLiteral("imgSign_%1").arg(i));
        slot->setGeometry(TwipsRect(kGlyphSlotCorners[i].left, kGlyphSlotCorners[i].top,
                                    kGlyphSlotSide, kGlyphSlotSide));
        m_slots[i] = slot;
    }

    for (int i = 0; i < kSignCount; ++i) {
        auto *number = new HouseNumberLabel(QString::number(i == 0 ? 12 : i), this);
        number->setObjectName(QStringLiteral("lblNatalPosition_%1").arg(i));
        number->setFont(numberFont);
        number->setPalette(numberPalette);
        number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        number->setGeometry(TwipsRect(kHouseNumberCorners[i].left, kHouseNumberCorners[i].top,
                                      kGlyphSlotSide, kHouseCellHeight));
        m_numbers[i] = number;
    }

    const QFont cellFont = ProgramFont(kCellFontPoints);
    auto makeFittingLabel = [&](const QString &name, const QString &text, const QRect &design) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(cellFont);
        label->setPalette(cellPalette);
        m_layout->addLabel(label, design);
        return label;
    };
    for (int i = 0; i < kSignCount; ++i) {
        auto *cell = new HouseCellLabel(this);
        cell->setObjectName(QStringLiteral("lblNatal_%1").arg(i));
        cell->setTextFormat(Qt::PlainText);
        cell->setFont(cellFont);
        cell->setPalette(cellPalette);
        // The wheel places the cell itself; the layout only reports its text changes.
        m_layout->addLabel(cell, QRect());
        m_cells[i] = cell;
    }
    for (int sign = 0; sign < kSignCount; ++sign) {
        const QString name = QString::fromUtf8(kSignFullNames[sign].data(),
                                               static_cast<qsizetype>(kSignFullNames[sign].size()));
        const TwipPoint cell =
            kHouseCellCorners[(sign - kDesignAscendantSign + kSignCount) % kSignCount];
        m_signLabels[sign] = makeFittingLabel(
            QStringLiteral("lblNatal") + name, SignWord(sign),
            TwipsRect(cell.left, cell.top + kSignLabelDrop, kHouseCellWidth, kSignLabelHeight));
    }
    m_layout->onChange([this] { placeLabels(); });
    placeLabels();
}

QLabel *NatalWheel::houseCell(int index) const {
    return index >= 0 && index < kSignCount ? m_cells[index] : nullptr;
}

QLabel *NatalWheel::signLabel(int sign) const {
    return sign >= 0 && sign < kSignCount ? m_signLabels[sign] : nullptr;
}

void NatalWheel::setGlyph(int slot, int sign) {
    if (slot < 0 || slot >= kSignCount || sign < 0 || sign >= kSignCount)
        return;
    m_slots[slot]->setSign(sign);
    // The cusps stand where the ring shows their degrees, which turns with house 1's sign.
    if (slot == 0 && m_hasHouses)
        placeLabels();
    update();
}

int NatalWheel::glyphSign(int slot) const {
    return slot >= 0 && slot < kSignCount ? m_slots[slot]->sign() : -1;
}

void NatalWheel::setDegreeMarks(const WheelDegreeMarks &marks) {
    m_marks = marks;
    m_hasMarks = true;
    update();
}

void NatalWheel::setHouses(const WheelHouses &houses) {
    m_houses = houses;
    m_hasHouses = true;
    setToolTip(houses.note);
    placeLabels();
}

void NatalWheel::clearDegreeMarks() {
    m_hasMarks = false;
    update();
}

// House 1 starts at the left point with 0 degrees of the sign in the first glyph slot, and
// the signs follow counter-clockwise, so a longitude is turned by the first house's sign.
double NatalWheel::screenAngleOf(double longitude) const {
    return WheelScreenAngle(glyphSign(0), longitude);
}

void NatalWheel::setAspectLines(const PointTable &longitude, const std::vector<Aspect> &aspects,
                                int firstHouseSign) {
    m_lines.clear();
    m_pointAngles.clear();
    if (firstHouseSign >= 0 && firstHouseSign < kSignCount) {
        // House 1 starts at the left horizon (180 degrees) with 0 degrees of its sign, and
        // the signs follow counter-clockwise.
        auto place = [firstHouseSign](double lon) {
            return static_cast<qreal>(180.0 + lon - 30.0 * firstHouseSign);
        };
        for (const double lon : longitude) {
            if (std::isfinite(lon))
                m_pointAngles.push_back(place(lon));
        }
        for (const Aspect &aspect : aspects) {
            if (aspect.Kind == AspectKind::Conjunction || aspect.A < 0 ||
                aspect.B >= kAspectPointCount)
                continue;
            m_lines.push_back(
                {place(longitude[aspect.A]), place(longitude[aspect.B]), aspect.Kind});
        }
    }
    if (m_linesShown)
        update();
}

void NatalWheel::setAspectLinesShown(bool shown) {
    if (shown == m_linesShown)
        return;
    m_linesShown = shown;
    update();
}

WheelPicture NatalWheel::picture() const {
    WheelPicture shown;
    for (int house = 0; house < kSignCount; ++house)
        shown.houseSign[house] = m_slots[house]->sign();
    shown.hasHouses = m_hasHouses;
    shown.houses = m_houses;
    const WheelHouseLayout layout = WheelHouseLayoutOf(shown);
    for (int house = 0; house < kSignCount; ++house) {
        const QString text = m_cells[house]->text();
        const HouseSector &sector = layout.sectors[house];
        HouseSector &placedIn = m_placedSectors[house];
        if (text != m_placedText[house] || sector.start != placedIn.start ||
            sector.span != placedIn.span || layout.cuspsShown != m_placedByCusps[house]) {
            m_placedText[house] = text;
            placedIn = sector;
            m_placedByCusps[house] = layout.cuspsShown;
            m_placedNames[house] = layout.cuspsShown
                                       ? PlaceSectorNames(sector, CellNames(text), kCuspNamesInner)
                                       : PlaceHouseNames(house, CellNames(text));
        }
        shown.houseNames[house] = m_placedNames[house];
    }
    shown.hasDegreeMarks = m_hasMarks;
    shown.degreeMarks = m_marks;
    shown.aspectLinesShown = m_linesShown;
    shown.aspectLines = m_lines;
    shown.aspectPointAngles = m_pointAngles;
    return shown;
}

// The pixel box of a box in wheel units, as paintEvent maps the units.
QRect NatalWheel::toPixels(const QRectF &units) const {
    const qreal scale = (qMin(width(), height()) - 2.0) / (2 * kRimRadius);
    const QPointF centre(width() / 2.0, height() / 2.0);
    return QRectF(centre + units.topLeft() * scale, units.size() * scale).toAlignedRect();
}

void NatalWheel::placeLabels() {
    const WheelPicture shown = picture();
    const WheelHouseLayout layout = WheelHouseLayoutOf(shown);
    for (int house = 0; house < kSignCount; ++house) {
        m_slots[house]->setGeometry(toPixels(GlyphBox(house)));
        // Number label i reads i, and label 0 reads 12.
        m_numbers[(house + 1) % kSignCount]->setGeometry(
            toPixels(layout.cuspsShown ? CuspNumberBox(layout.sectors[house], house)
                                       : HouseNumberBox(house)));
        QRectF block;
        for (const PlacedName &name : shown.houseNames[house].names)
            block |= name.box;
        if (block.isNull()) {
            // An empty cell keeps a one-line box in the middle of its sector.
            const HouseSector &sector = layout.sectors[house];
            const qreal middle = qDegreesToRadians(sector.start + sector.span / 2);
            const qreal inner = layout.cuspsShown ? kCuspNamesInner : kDiscRadius;
            const qreal radius = (inner + kScaleInnerRadius) / 2;
            block = QRectF(0, 0, 12, WheelLineHeight(kLargestNameTextSize));
            block.moveCenter(QPointF(radius * std::cos(middle), -radius * std::sin(middle)));
        }
        const QRect cell = toPixels(block);
        if (m_cells[house]->geometry() != cell)
            m_cells[house]->setGeometry(cell);
    }
    update();
}

void NatalWheel::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    placeLabels();
}

void NatalWheel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const ChartColours colours = ChartColoursFor(palette());
    p.fillRect(rect(), colours.background);
    PaintNatalWheel(p, rect(), picture(), colours);
    PaintFocusFrame(p, *this, colours.background);
}

void PaintFocusFrame(QPainter &painter, const QWidget &widget, const QColor &background) {
    if (!widget.hasFocus())
        return;
    // The styles' own focus frames are faint on a picture this large: a two-pixel line in
    // the palette's highlight, as strong as a mark must be on the background.
    constexpr int kFrameWidth = 2; // pixels
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen frame(ReadableOn(widget.palette().color(QPalette::Highlight), {background}, kMarkContrast),
               kFrameWidth);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
    painter.restore();
}

WheelPicture MakeWheelPicture(int firstHouseSign, const std::array<QString, kSignCount> &cells) {
    WheelPicture picture;
    for (int house = 0; house < kSignCount; ++house) {
        picture.houseSign[house] = firstHouseSign >= 0 && firstHouseSign < kSignCount
                                       ? (firstHouseSign + house) % kSignCount
                                       : -1;
        picture.houseNames[house] = PlaceHouseNames(house, CellNames(cells[house]));
    }
    return picture;
}

WheelPicture MakeWheelPicture(int firstHouseSign, const std::array<QString, kSignCount> &cells,
                              const WheelHouses &houses) {
    WheelPicture picture = MakeWheelPicture(firstHouseSign, cells);
    picture.hasHouses = true;
    picture.houses = houses;
    const WheelHouseLayout layout = WheelHouseLayoutOf(picture);
    if (layout.cuspsShown) {
        for (int house = 0; house < kSignCount; ++house)
            picture.houseNames[house] =
                PlaceSectorNames(layout.sectors[house], CellNames(cells[house]), kCuspNamesInner);
    }
    return picture;
}

double WheelScreenAngle(int firstHouseSign, double longitude) {
    const double angle = std::fmod(180.0 + longitude - kSectorDegrees * firstHouseSign, 360.0);
    return angle < 0.0 ? angle + 360.0 : angle;
}

WheelHouseLayout WheelHouseLayoutOf(const WheelPicture &picture) {
    WheelHouseLayout layout;
    for (int house = 0; house < kSignCount; ++house)
        layout.sectors[house] = WholeSignSector(house);
    if (!picture.hasHouses)
        return layout;
    const int first = picture.houseSign[0];
    const WheelHouses &houses = picture.houses;
    layout.ascendantAngle = WheelScreenAngle(first, houses.ascendant);
    layout.midheavenAngle = WheelScreenAngle(first, houses.midheaven);
    layout.cuspsShown = houses.cuspsShown;
    if (layout.cuspsShown) {
        for (int house = 0; house < kSignCount; ++house) {
            const double from = houses.cusps[house];
            const double span =
                std::fmod(houses.cusps[(house + 1) % kSignCount] - from + 720.0, 360.0);
            layout.sectors[house] = {WheelScreenAngle(first, from), span};
        }
    }
    return layout;
}

std::vector<double> OuterRingGlyphAngles(const WheelPicture &picture) {
    const std::size_t count = picture.outerRing.size();
    std::vector<double> angles(count, 0.0);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(picture.outerRing[i].longitude))
            continue;
        angles[i] = WheelScreenAngle(picture.houseSign[0], picture.outerRing[i].longitude);
        order.push_back(i);
    }
    if (order.size() < 2)
        return angles;
    std::sort(order.begin(), order.end(),
              [&angles](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
    // Neighbours closer than the gap push each other apart, half the shortfall each, until
    // every gap is wide enough or the passes run out; the ring is too wide for twelve
    // glyphs ever to need more than the whole circle.
    std::vector<double> placed;
    for (const std::size_t i : order)
        placed.push_back(angles[i]);
    const std::size_t n = placed.size();
    constexpr int kPasses = 60;
    for (int pass = 0; pass < kPasses; ++pass) {
        bool moved = false;
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t next = (k + 1) % n;
            double gap = placed[next] - placed[k];
            if (next == 0)
                gap += 360.0;
            if (gap < kOuterGlyphGap - 1e-9) {
                const double push = (kOuterGlyphGap - gap) / 2;
                placed[k] -= push;
                placed[next] += push;
                moved = true;
            }
        }
        if (!moved)
            break;
    }
    for (std::size_t k = 0; k < n; ++k)
        angles[order[k]] = placed[k];
    return angles;
}

namespace {

// The wheel's scale: units of the 200-unit frame per pixel of `target`'s shorter side, with
// the outer ring's room when the picture has one.
qreal WheelUnitsExtent(const WheelPicture &picture) {
    return picture.hasOuterRing ? kOuterRingRadius : kRimRadius;
}

} // namespace

int OuterRingPointAt(const QRectF &target, const WheelPicture &picture, const QPointF &position) {
    if (!picture.hasOuterRing)
        return -1;
    const qreal side = qMin(target.width(), target.height()) - 2.0;
    if (side <= 0)
        return -1;
    const qreal units = 2 * WheelUnitsExtent(picture) / side;
    const QPointF at = (position - target.center()) * units;
    const std::vector<double> angles = OuterRingGlyphAngles(picture);
    for (std::size_t i = 0; i < angles.size(); ++i) {
        if (!std::isfinite(picture.outerRing[i].longitude))
            continue;
        const QPointF centre = OnCircle(kOuterGlyphRadius, angles[i]);
        if (std::abs(at.x() - centre.x()) <= kOuterGlyphSide / 2 &&
            std::abs(at.y() - centre.y()) <= kOuterGlyphSide / 2)
            return static_cast<int>(i);
    }
    return -1;
}

void PaintNatalWheel(QPainter &p, const QRectF &target, const WheelPicture &picture) {
    PaintNatalWheel(p, target, picture, PaperChartColours());
}

void PaintNatalWheel(QPainter &p, const QRectF &target, const WheelPicture &picture,
                     const ChartColours &c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(target.center());
    // One pixel of margin keeps the rim's line inside the picture.
    const qreal side = qMin(target.width(), target.height()) - 2.0;
    const qreal extent = WheelUnitsExtent(picture);
    p.scale(side / (2 * extent), side / (2 * extent));
    if (picture.hasOuterRing)
        DrawOuterRing(p, picture, c);
    const WheelHouseLayout layout = WheelHouseLayoutOf(picture);
    DrawBandsAndSectors(p, layout, c);
    DrawScale(p, c);
    // 0 degrees of the sign of house 1 lies on the left point, the signs following
    // counter-clockwise.
    const auto screenAngleOf = [&picture](double longitude) {
        return WheelScreenAngle(picture.houseSign[0], longitude);
    };
    const WheelDegreeMarks &marks = picture.degreeMarks;
    if (picture.hasDegreeMarks)
        ShadeEmptyArc(p, screenAngleOf(marks.EmptyArcFrom), marks.EmptyArcSize, c.emptyArc);
    DrawCirclesAndSectorLines(p, layout, c);
    if (picture.aspectLinesShown) {
        std::vector<std::pair<QLineF, QColor>> chords;
        for (const WheelChord &chord : picture.aspectLines)
            chords.emplace_back(QLineF(OnChordCircle(chord.from), OnChordCircle(chord.to)),
                                c.aspects[static_cast<int>(chord.kind)]);
        DrawAspectDisc(p, picture.aspectPointAngles, chords, c);
    } else {
        DrawDisc(p);
    }
    DrawAxisArrows(p, layout, c.arrow);
    if (picture.hasDegreeMarks) {
        for (int body = 0; body < kWheelPlanetMarks; ++body)
            DrawDegreeMark(p, screenAngleOf(marks.Longitude[body]), c.planetMarks[body],
                           c.background);
    }
    DrawLabels(p, picture, layout, c);
    if (picture.hasHouses && !picture.houses.note.isEmpty()) {
        const qreal unitsPerPixel = 2 * extent / side;
        p.setPen(c.note);
        for (const PlacedName &line :
             PlaceCornerNote(picture.houses.note, target.width() / 2 * unitsPerPixel,
                             target.height() / 2 * unitsPerPixel))
            PaintWheelText(p, line.box, line.text, kNoteTextSize, false);
    }
    p.restore();
}

} // namespace starloom
