#include "windows/toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace starloom {

namespace {

// Each picture is drawn in a 16 x 15 unit frame; the engine scales that frame to the
// requested size.
constexpr qreal kFrameWidth = kToolbarIconWidth;
constexpr qreal kFrameHeight = kToolbarIconHeight;

const QColor kOutline(40, 40, 56);

// A sheet of paper with its top-right corner folded over.
void DrawNewSheet(QPainter &p) {
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 13.5);
    sheet.lineTo(3.5, 13.5);
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(12.5, 4.5);
    p.setBrush(QColor(208, 208, 216));
    p.drawPath(fold);
    p.setPen(QPen(QColor(150, 160, 190), 0.8));
    for (const qreal y : {7.0, 9.0, 11.0})
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
}

// A diskette: dark body, white label, metal shutter.
void DrawDiskette(QPainter &p) {
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(12.5, 1.5);
    body.lineTo(14.5, 3.5);
    body.lineTo(14.5, 13.5);
    body.lineTo(1.5, 13.5);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(32, 56, 140));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor(190, 196, 206));
    p.drawRect(QRectF(4.5, 9, 7, 4.5));
    p.setBrush(QColor(32, 56, 140));
    p.drawRect(QRectF(9, 10, 1.6, 2.8));
}

// A printer with a sheet coming out of the top.
void DrawPrinter(QPainter &p) {
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(176, 180, 190));
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 6.5, 13, 5), 1.2, 1.2);
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 60));
    p.drawEllipse(QPointF(12.3, 8.5), 0.9, 0.9);
}

// A question mark in a blue disc.
void DrawHelpMark(QPainter &p) {
    p.setPen(QPen(QColor(16, 48, 128), 1.0));
    p.setBrush(QColor(48, 96, 208));
    p.drawEllipse(QPointF(8, 7.5), 6.5, 6.5);
    QPainterPath hook;
    hook.moveTo(5.8, 5.6);
    hook.cubicTo(5.8, 3.2, 10.2, 3.2, 10.2, 5.6);
    hook.cubicTo(10.2, 7.2, 8.0, 7.2, 8.0, 9.0);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 11.4), 1.0, 1.0);
}

class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(ToolbarPicture picture) : m_picture(picture) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal scale = qMin(rect.width() / kFrameWidth, rect.height() / kFrameHeight);
        painter->translate(rect.center().x() + 0.5 - kFrameWidth * scale / 2,
                           rect.center().y() + 0.5 - kFrameHeight * scale / 2);
        painter->scale(scale, scale);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        switch (m_picture) {
        case ToolbarPicture::New:
            DrawNewSheet(*painter);
            break;
        case ToolbarPicture::Save:
            DrawDiskette(*painter);
            break;
        case ToolbarPicture::Print:
            DrawPrinter(*painter);
            break;
        case ToolbarPicture::Help:
            DrawHelpMark(*painter);
            break;
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Drawn afresh for each request. QIcon asks with the size in device pixels and the
    // device pixel ratio of the screen that will show the picture.
    QPixmap scaledPixmap(const QSize &deviceSize, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(deviceSize);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize()), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QIconEngine *clone() const override { return new DrawnIconEngine(m_picture); }

private:
    ToolbarPicture m_picture;
};

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture) {
    return QIcon(new DrawnIconEngine(picture));
}

} // namespace starloom
