#include "windows/aspect_grid.h"

#include "reading/chart_words.h"
#include "windows/chart_colours.h"
#include "windows/chart_glyphs.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

#include <cmath>

namespace starloom {

namespace {

constexpr qreal kOrbPadding = 0.05;     // of a cell's side, either side of the orb
constexpr qreal kLeastGlyphShare = 0.4; // of a cell's height left for the glyph
// The widest orbs a cell is made for. Orbs run up to 10 degrees (8, and 2 more with a
// luminary): the cells hold any orb below that whole, and an orb of 10 degrees and
// minutes, the rare widest, reaches into the padding.
const QString kWidestWholeOrb = QStringLiteral("10\u00b0a");
const QString kWidestMinuteOrb = QStringLiteral("9\u00b059'a");

qreal CellSide(const QRectF &area) {
    return qMin(area.width(), area.height()) / kAspectPointCount;
}

QString OrbLabel(const Aspect &aspect, bool minutes) {
    const int total = static_cast<int>(std::floor(aspect.Orb * 60.0));
    const QString mark = aspect.Applying ? QStringLiteral("a") : QStringLiteral("s");
    if (!minutes)
        return QStringLiteral("%1\u00b0%2").arg(total / 60).arg(mark);
    return QStringLiteral("%1\u00b0%2'%3")
        .arg(total / 60)
        .arg(total % 60, 2, 10, QLatin1Char('0'))
        .arg(mark);
}

} // namespace

QRectF AspectGridCell(const QRectF &area, int row, int column) {
    const qreal side = CellSide(area);
    const qreal left = area.left() + (area.width() - side * kAspectPointCount) / 2.0;
    return QRectF(left + column * side, area.top() + row * side, side, side);
}

bool AspectGridCellAt(const QRectF &area, const QPointF &at, int &row, int &column) {
    const qreal side = CellSide(area);
    if (side <= 0)
        return false;
    const QRectF first = AspectGridCell(area, 0, 0);
    const int r = static_cast<int>(std::floor((at.y() - first.top()) / side));
    const int c = static_cast<int>(std::floor((at.x() - first.left()) / side));
    if (r < 0 || r >= kAspectPointCount || c < 0 || c > r)
        return false;
    row = r;
    column = c;
    return true;
}

void PaintAspectGrid(QPainter &painter, const QRectF &area, const std::vector<Aspect> &aspects) {
    PaintAspectGrid(painter, area, aspects, PaperChartColours());
}

void PaintAspectGrid(QPainter &painter, const QRectF &area, const std::vector<Aspect> &aspects,
                     const ChartColours &colours) {
    const qreal side = CellSide(area);
    if (side <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen line(colours.gridLine);
    line.setWidthF(qMax<qreal>(0.5, side / 40.0));
    const qreal inset = side * 0.14;
    for (int row = 0; row < kAspectPointCount; ++row) {
        for (int column = 0; column <= row; ++column) {
            const QRectF cell = AspectGridCell(area, row, column);
            painter.setPen(line);
            painter.setBrush(column == row ? QBrush(colours.gridDiagonal) : QBrush(Qt::NoBrush));
            painter.drawRect(cell);
        }
        const QRectF diagonal = AspectGridCell(area, row, row);
        PaintGlyph(painter, diagonal.adjusted(inset, inset, -inset, -inset), PointGlyphPath(row),
                   colours.gridPoint);
    }

    // The orbs in the painter's font, the text size of what the grid stands in; minutes
    // where the cells are wide enough for them.
    const QFontMetricsF metrics(painter.font(), painter.device());
    const bool minutes =
        metrics.horizontalAdvance(kWidestMinuteOrb) <= side * (1 - 2 * kOrbPadding);
    const qreal orbHeight = qMin(metrics.height(), side * (1 - kLeastGlyphShare));
    for (const Aspect &aspect : aspects) {
        if (aspect.A < 0 || aspect.B >= kAspectPointCount || aspect.A >= aspect.B)
            continue;
        const QRectF cell = AspectGridCell(area, aspect.B, aspect.A);
        const QRectF glyphBox(cell.left(), cell.top(), cell.width(), cell.height() - orbHeight);
        const qreal glyphInset = side * 0.1;
        PaintGlyph(painter, glyphBox.adjusted(glyphInset, glyphInset, -glyphInset, 0),
                   AspectGlyphPath(aspect.Kind), colours.aspects[static_cast<int>(aspect.Kind)]);
        painter.setPen(colours.gridOrb);
        const QRectF orbBox(cell.left(), glyphBox.bottom(), cell.width(),
                            cell.bottom() - glyphBox.bottom());
        painter.drawText(orbBox, Qt::AlignHCenter | Qt::AlignBottom, OrbLabel(aspect, minutes));
    }
    painter.restore();
}

qreal AspectGridCellSide(const QFont &orbFont, const QPaintDevice *device, bool withMinutes) {
    const QFontMetricsF metrics(orbFont, device);
    const qreal width = metrics.horizontalAdvance(withMinutes ? kWidestMinuteOrb : kWidestWholeOrb);
    return qMax(width / (1 - 2 * kOrbPadding), metrics.height() / (1 - kLeastGlyphShare));
}

QString DescribeAspect(const Aspect &aspect) {
    const int total = static_cast<int>(std::floor(aspect.Orb * 60.0));
    //: An aspect: the two points, the aspect's name between them, its orb and its phase.
    return QCoreApplication::translate("AspectGrid", "%1 %2 %3, orb %4\u00b0%5', %6")
        .arg(PointName(aspect.A), AspectWord(aspect.Kind), PointName(aspect.B))
        .arg(total / 60)
        .arg(total % 60, 2, 10, QLatin1Char('0'))
        .arg(aspect.Applying ? QCoreApplication::translate("AspectGrid", "applying")
                             : QCoreApplication::translate("AspectGrid", "separating"));
}

AspectGrid::AspectGrid(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize AspectGrid::minimumSizeHint() const {
    const int side = qCeil(AspectGridCellSide(font(), this, false) * kAspectPointCount) + 2;
    return QSize(side, side);
}

QSize AspectGrid::sizeHint() const {
    return minimumSizeHint();
}

void AspectGrid::setAspects(std::vector<Aspect> aspects) {
    m_aspects = std::move(aspects);
    update();
}

void AspectGrid::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const ChartColours colours = ChartColoursFor(palette());
    painter.fillRect(rect(), colours.background);
    PaintAspectGrid(painter, QRectF(rect()).adjusted(1, 1, -1, -1), m_aspects, colours);
}

bool AspectGrid::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    int row = 0;
    int column = 0;
    QString text;
    if (AspectGridCellAt(QRectF(rect()).adjusted(1, 1, -1, -1), help->pos(), row, column)) {
        if (row == column) {
            text = PointName(row);
        } else {
            for (const Aspect &aspect : m_aspects) {
                if (aspect.A == column && aspect.B == row)
                    text = DescribeAspect(aspect);
            }
        }
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

} // namespace starloom
