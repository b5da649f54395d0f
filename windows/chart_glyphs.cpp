#include "windows/chart_glyphs.h"

#include "reading/chart_words.h"
#include "windows/sign_glyphs.h"

#include <QPainter>
#include <QPen>

namespace starloom {

namespace {

constexpr qreal kStrokeUnits = 8.0;    // pen width in glyph units
constexpr qreal kThinnestStroke = 1.3; // pixels: small glyphs keep strokes that read

// A circle with its centre marked.
QPainterPath SunPath() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 50), 38, 38);
    p.addEllipse(QPointF(50, 50), 4, 4);
    return p;
}

// A waxing crescent, open to the right.
QPainterPath MoonPath() {
    QPainterPath p;
    const QRectF outer(14, 10, 80, 80);
    const QRectF inner(34, 16, 68, 68);
    p.arcMoveTo(outer, 70);
    p.arcTo(outer, 70, 220);
    p.arcTo(inner, 290, -220);
    p.closeSubpath();
    return p;
}

// The horns over the circle over the cross.
QPainterPath MercuryPath() {
    QPainterPath p;
    p.moveTo(30, 6);
    p.quadTo(50, 34, 70, 6);
    p.addEllipse(QPointF(50, 44), 18, 18);
    p.moveTo(50, 62);
    p.lineTo(50, 94);
    p.moveTo(36, 80);
    p.lineTo(64, 80);
    return p;
}

// The circle over the cross.
QPainterPath VenusPath() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 34), 24, 24);
    p.moveTo(50, 58);
    p.lineTo(50, 94);
    p.moveTo(34, 78);
    p.lineTo(66, 78);
    return p;
}

// The circle with an arrow out to the upper right.
QPainterPath MarsPath() {
    QPainterPath p;
    p.addEllipse(QPointF(40, 60), 26, 26);
    p.moveTo(58.4, 41.6);
    p.lineTo(88, 12);
    p.moveTo(62, 12);
    p.lineTo(88, 12);
    p.lineTo(88, 38);
    return p;
}

// A crescent on a crossbar that runs into an upright on the right.
QPainterPath JupiterPath() {
    QPainterPath p;
    p.moveTo(16, 28);
    p.cubicTo(20, 6, 52, 6, 48, 30);
    p.lineTo(18, 66);
    p.lineTo(88, 66);
    p.moveTo(70, 14);
    p.lineTo(70, 94);
    return p;
}

// A cross whose stem bends into a hooked tail.
QPainterPath SaturnPath() {
    QPainterPath p;
    p.moveTo(32, 6);
    p.lineTo(32, 76);
    p.moveTo(16, 22);
    p.lineTo(50, 22);
    p.moveTo(32, 50);
    p.cubicTo(42, 32, 74, 34, 72, 56);
    p.cubicTo(70, 72, 54, 78, 64, 94);
    return p;
}

// Two uprights joined by a bar, a middle stem and a small circle at its foot.
QPainterPath UranusPath() {
    QPainterPath p;
    p.moveTo(22, 12);
    p.lineTo(22, 58);
    p.moveTo(78, 12);
    p.lineTo(78, 58);
    p.moveTo(22, 35);
    p.lineTo(78, 35);
    p.moveTo(50, 10);
    p.lineTo(50, 66);
    p.addEllipse(QPointF(50, 78), 10, 10);
    return p;
}

// The trident.
QPainterPath NeptunePath() {
    QPainterPath p;
    p.moveTo(18, 12);
    p.cubicTo(18, 62, 82, 62, 82, 12);
    p.moveTo(50, 8);
    p.lineTo(50, 94);
    p.moveTo(34, 78);
    p.lineTo(66, 78);
    return p;
}

// A circle in a cup over a cross.
QPainterPath PlutoPath() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 24), 12, 12);
    p.moveTo(22, 14);
    p.cubicTo(22, 58, 78, 58, 78, 14);
    p.moveTo(50, 47);
    p.lineTo(50, 94);
    p.moveTo(34, 76);
    p.lineTo(66, 76);
    return p;
}

// Two capitals in single strokes: A or M, then C.
QPainterPath AnglePath(bool midheaven) {
    QPainterPath p;
    if (midheaven) {
        p.moveTo(4, 80);
        p.lineTo(4, 20);
        p.lineTo(24, 60);
        p.lineTo(44, 20);
        p.lineTo(44, 80);
    } else {
        p.moveTo(4, 80);
        p.lineTo(24, 20);
        p.lineTo(44, 80);
        p.moveTo(11, 59);
        p.lineTo(37, 59);
    }
    const QRectF c(56, 20, 44, 60);
    p.arcMoveTo(c, 50);
    p.arcTo(c, 50, 260);
    return p;
}

} // namespace

QPainterPath PointGlyphPath(int point) {
    switch (point) {
    case kSunBody:
        return SunPath();
    case kMoonBody:
        return MoonPath();
    case kMercuryBody:
        return MercuryPath();
    case kVenusBody:
        return VenusPath();
    case kMarsBody:
        return MarsPath();
    case kJupiterBody:
        return JupiterPath();
    case kSaturnBody:
        return SaturnPath();
    case kUranusBody:
        return UranusPath();
    case kNeptuneBody:
        return NeptunePath();
    case kPlutoBody:
        return PlutoPath();
    case kAscBody:
        return AnglePath(false);
    case kMidheavenPoint:
        return AnglePath(true);
    default:
        return QPainterPath();
    }
}

QPainterPath AspectGlyphPath(AspectKind kind) {
    QPainterPath p;
    switch (kind) {
    case AspectKind::Conjunction: // a circle with a stroke off it
        p.addEllipse(QPointF(40, 60), 24, 24);
        p.moveTo(57, 43);
        p.lineTo(88, 12);
        break;
    case AspectKind::Opposition: // two circles joined across
        p.addEllipse(QPointF(22, 78), 14, 14);
        p.addEllipse(QPointF(78, 22), 14, 14);
        p.moveTo(32, 68);
        p.lineTo(68, 32);
        break;
    case AspectKind::Trine: // the triangle
        p.moveTo(50, 12);
        p.lineTo(92, 84);
        p.lineTo(8, 84);
        p.closeSubpath();
        break;
    case AspectKind::Square:
        p.addRect(QRectF(16, 16, 68, 68));
        break;
    case AspectKind::Sextile: // a six-rayed star
        p.moveTo(50, 8);
        p.lineTo(50, 92);
        p.moveTo(13.6, 29);
        p.lineTo(86.4, 71);
        p.moveTo(13.6, 71);
        p.lineTo(86.4, 29);
        break;
    }
    return p;
}

QColor AspectColour(AspectKind kind) {
    switch (kind) {
    case AspectKind::Conjunction:
        return QColor(0, 128, 48);
    case AspectKind::Opposition:
        return QColor(176, 0, 32);
    case AspectKind::Square:
        return QColor(224, 64, 0);
    case AspectKind::Trine:
        return QColor(0, 72, 208);
    case AspectKind::Sextile:
        return QColor(0, 144, 176);
    }
    return Qt::black;
}

void PaintGlyph(QPainter &painter, const QRectF &box, const QPainterPath &glyph,
                const QColor &colour) {
    if (glyph.isEmpty() || box.isEmpty())
        return;
    // The whole unit square is fitted, so glyphs of one set share one size.
    const qreal scale = qMin(box.width(), box.height()) / (kGlyphUnits + kStrokeUnits);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-kGlyphUnits / 2, -kGlyphUnits / 2);
    const qreal width = qMax(kStrokeUnits, kThinnestStroke / scale);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glyph);
    painter.restore();
}

QString PointName(int point) {
    return BodyWord(point);
}

} // namespace starloom
