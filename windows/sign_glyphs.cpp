#include "windows/sign_glyphs.h"

#include "engine/tables.h"

#include <QPainter>
#include <QPen>

namespace starloom {

namespace {

constexpr qreal kStrokeUnits = 9.0; // pen width in glyph units

// The two horns of the ram rising from one stem.
QPainterPath AriesPath() {
    QPainterPath p;
    p.moveTo(50, 92);
    p.lineTo(50, 36);
    p.cubicTo(50, 6, 10, 4, 10, 32);
    p.cubicTo(10, 44, 17, 50, 25, 50);
    p.moveTo(50, 36);
    p.cubicTo(50, 6, 90, 4, 90, 32);
    p.cubicTo(90, 44, 83, 50, 75, 50);
    return p;
}

// A circle carrying a crescent.
QPainterPath TaurusPath() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 66), 24, 24);
    p.moveTo(10, 10);
    p.quadTo(50, 74, 90, 10);
    return p;
}

// Two pillars joined by a bowed beam at the top and at the foot.
QPainterPath GeminiPath() {
    QPainterPath p;
    p.moveTo(14, 12);
    p.quadTo(50, 30, 86, 12);
    p.moveTo(14, 88);
    p.quadTo(50, 70, 86, 88);
    p.moveTo(35, 21);
    p.lineTo(35, 79);
    p.moveTo(65, 21);
    p.lineTo(65, 79);
    return p;
}

// Two small circles with tails curling round each other.
QPainterPath CancerPath() {
    QPainterPath p;
    p.addEllipse(QPointF(27, 38), 13, 13);
    p.moveTo(27, 25);
    p.cubicTo(46, 10, 76, 12, 92, 32);
    p.addEllipse(QPointF(73, 62), 13, 13);
    p.moveTo(73, 75);
    p.cubicTo(54, 90, 24, 88, 8, 68);
    return p;
}

// The lion's mane: a small circle, a high loop and a tail ending in a hook.
QPainterPath LeoPath() {
    QPainterPath p;
    p.addEllipse(QPointF(26, 64), 14, 14);
    p.moveTo(37, 55);
    p.cubicTo(24, 34, 32, 8, 56, 8);
    p.cubicTo(82, 8, 86, 34, 70, 56);
    p.cubicTo(58, 72, 62, 90, 78, 90);
    p.cubicTo(86, 90, 92, 84, 92, 76);
    return p;
}

// The three stems of an "m"; shared by Virgo and Scorpio.
void AddThreeStems(QPainterPath &p, qreal left, qreal step, qreal bottom) {
    p.moveTo(left, 22);
    p.lineTo(left, bottom);
    for (int i = 0; i < 2; ++i) {
        const qreal x = left + i * step;
        p.moveTo(x, 38);
        p.cubicTo(x, 16, x + step, 16, x + step, 38);
        if (i == 0)
            p.lineTo(x + step, bottom);
    }
}

// An "m" whose last stem loops back across itself.
QPainterPath VirgoPath() {
    QPainterPath p;
    AddThreeStems(p, 10, 22, 84);
    p.lineTo(54, 70);
    p.cubicTo(54, 90, 74, 92, 84, 74);
    p.cubicTo(94, 56, 80, 42, 68, 54);
    p.cubicTo(58, 64, 56, 82, 60, 96);
    return p;
}

// The scales: a beam over a raised arch.
QPainterPath LibraPath() {
    QPainterPath p;
    p.moveTo(8, 82);
    p.lineTo(92, 82);
    p.moveTo(8, 64);
    p.lineTo(31, 64);
    p.cubicTo(20, 52, 28, 24, 50, 24);
    p.cubicTo(72, 24, 80, 52, 69, 64);
    p.lineTo(92, 64);
    return p;
}

// An "m" whose last stem ends in a sting.
QPainterPath ScorpioPath() {
    QPainterPath p;
    AddThreeStems(p, 8, 22, 80);
    p.lineTo(52, 74);
    p.quadTo(52, 86, 66, 86);
    p.lineTo(92, 86);
    p.moveTo(82, 76);
    p.lineTo(92, 86);
    p.lineTo(82, 96);
    return p;
}

// The archer's arrow with a cross-bar.
QPainterPath SagittariusPath() {
    QPainterPath p;
    p.moveTo(12, 88);
    p.lineTo(88, 12);
    p.moveTo(52, 12);
    p.lineTo(88, 12);
    p.lineTo(88, 48);
    p.moveTo(28, 50);
    p.lineTo(50, 72);
    return p;
}

// A "V" whose right arm runs into a loop and a tail.
QPainterPath CapricornPath() {
    QPainterPath p;
    p.moveTo(6, 26);
    p.lineTo(14, 26);
    p.lineTo(28, 76);
    p.lineTo(42, 30);
    p.cubicTo(46, 20, 56, 20, 58, 32);
    p.lineTo(60, 64);
    p.cubicTo(62, 88, 94, 88, 92, 66);
    p.cubicTo(90, 50, 68, 52, 64, 70);
    p.cubicTo(60, 86, 48, 94, 36, 94);
    return p;
}

// Two waves, one above the other.
QPainterPath AquariusPath() {
    QPainterPath p;
    for (const qreal base : {44.0, 74.0}) {
        p.moveTo(8, base);
        for (int i = 1; i <= 6; ++i)
            p.lineTo(8 + i * 14, i % 2 ? base - 16 : base);
    }
    return p;
}

// Two arcs back to back, bound by a bar.
QPainterPath PiscesPath() {
    QPainterPath p;
    p.moveTo(18, 10);
    p.cubicTo(42, 34, 42, 66, 18, 90);
    p.moveTo(82, 10);
    p.cubicTo(58, 34, 58, 66, 82, 90);
    p.moveTo(22, 50);
    p.lineTo(78, 50);
    return p;
}

enum class Element { Fire, Earth, Air, Water };

} // namespace

QPainterPath SignGlyphPath(int sign) {
    switch (sign) {
    case 0:
        return AriesPath();
    case 1:
        return TaurusPath();
    case 2:
        return GeminiPath();
    case 3:
        return CancerPath();
    case 4:
        return LeoPath();
    case 5:
        return VirgoPath();
    case 6:
        return LibraPath();
    case 7:
        return ScorpioPath();
    case 8:
        return SagittariusPath();
    case 9:
        return CapricornPath();
    case 10:
        return AquariusPath();
    case 11:
        return PiscesPath();
    default:
        return {};
    }
}

QColor SignElementColour(int sign) {
    if (sign < 0 || sign >= kSignCount)
        return Qt::black;
    // The elements follow each other in the order fire, earth, air, water round the zodiac.
    switch (static_cast<Element>(sign % 4)) {
    case Element::Fire:
        return QColor(204, 32, 32);
    case Element::Earth:
        return QColor(24, 128, 48);
    case Element::Air:
        return QColor(168, 116, 0);
    case Element::Water:
        return QColor(32, 80, 208);
    }
    return Qt::black;
}

void PaintSignGlyph(QPainter &painter, const QRectF &box, int sign) {
    PaintSignGlyph(painter, box, sign, SignElementColour(sign));
}

void PaintSignGlyph(QPainter &painter, const QRectF &box, int sign, const QColor &colour) {
    if (sign < 0 || sign >= kSignCount || box.isEmpty())
        return;
    const QPainterPath path = SignGlyphPath(sign);
    // Fit the strokes, not the unit box: the pen reaches half its width beyond the path.
    const QRectF inked = path.boundingRect().adjusted(-kStrokeUnits / 2, -kStrokeUnits / 2,
                                                      kStrokeUnits / 2, kStrokeUnits / 2);
    const qreal side = qMax(inked.width(), inked.height());
    const qreal scale = qMin(box.width(), box.height()) / side;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-inked.center());
    painter.setPen(QPen(colour, kStrokeUnits, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

} // namespace starloom
