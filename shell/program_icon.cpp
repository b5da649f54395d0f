// The program's icon: drawn, not loaded, so it is sharp at every size.
#include "shell/program_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace starloom {

namespace {

constexpr double kFrame = 100.0;      // logical units across the drawing
constexpr double kRimRadius = 46.0;   // outer edge of the wheel
constexpr double kInnerRadius = 29.0; // circle inside the twelve house spokes
constexpr double kStarOuter = 23.0;   // star points
constexpr double kStarInner = 9.5;    // star notches
constexpr int kHouses = 12;
constexpr int kStarPoints = 5;

struct Palette {
    QColor sky;
    QColor gold;
};

void DrawWheel(QPainter &painter, const QRectF &rect, const Palette &colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center());
    const double side = std::min(rect.width(), rect.height());
    painter.scale(side / kFrame, side / kFrame);

    painter.setPen(QPen(colours.gold, 4.0));
    painter.setBrush(colours.sky);
    painter.drawEllipse(QPointF(0, 0), kRimRadius, kRimRadius);

    painter.setPen(QPen(colours.gold, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kInnerRadius, kInnerRadius);
    for (int house = 0; house < kHouses; ++house) {
        painter.save();
        painter.rotate(house * 360.0 / kHouses);
        painter.drawLine(QPointF(kInnerRadius, 0), QPointF(kRimRadius, 0));
        painter.restore();
    }

    // A five-pointed star, first point straight up.
    QPainterPath star;
    for (int corner = 0; corner < 2 * kStarPoints; ++corner) {
        const double radius = corner % 2 == 0 ? kStarOuter : kStarInner;
        const double angle = corner * std::numbers::pi / kStarPoints - std::numbers::pi / 2;
        const QPointF point(radius * std::cos(angle), radius * std::sin(angle));
        if (corner == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.gold);
    painter.drawPath(star);
    painter.restore();
}

class WheelIconEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override {
        const Palette colours = mode == QIcon::Disabled
                                    ? Palette{QColor(0x60, 0x60, 0x60), QColor(0xB0, 0xB0, 0xB0)}
                                    : Palette{QColor(0x1C, 0x2A, 0x5A), QColor(0xE8, 0xB9, 0x23)};
        DrawWheel(*painter, rect, colours);
    }

    // The base class leaves the pixmap's background undefined.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }

    QIconEngine *clone() const override { return new WheelIconEngine; }
    QString key() const override { return QStringLiteral("starloom-wheel"); }
};

} // namespace

QIcon ProgramIcon() {
    return QIcon(new WheelIconEngine);
}

} // namespace starloom
