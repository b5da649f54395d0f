// The aspect grid: the usual triangle with the twelve points' glyphs on its diagonal and,
// in the cell where a point's column meets another's row, the glyph of their aspect and
// its orb. One painting function serves the screen, the printed page and the PDF.
#pragma once

#include "engine/aspects.h"

#include <QRectF>
#include <QWidget>

#include <vector>

class QPainter;

namespace starloom {

// Cell (row, column) of the grid fitted into `area`: square cells, the grid centred
// horizontally and at the top. Row r holds point r; its diagonal cell (r, r) the point's
// glyph, and (r, c) for c < r the aspect between points c and r.
QRectF AspectGridCell(const QRectF &area, int row, int column);

// The cell under a point of `area`, or false when it is outside the triangle.
bool AspectGridCellAt(const QRectF &area, const QPointF &at, int &row, int &column);

// Paints the grid into `area` with the painter's current transformation: glyphs, the
// cells' lines and, under each aspect's glyph, its orb in the painter's font with "a" for
// applying or "s" for separating ("2°15'a"; whole degrees only where the cells are too
// narrow for minutes). The painter's state is left as it was.
void PaintAspectGrid(QPainter &painter, const QRectF &area, const std::vector<Aspect> &aspects);
// The same in the colours given (those of the palette it is shown on); the one above
// paints in the paper's.
struct ChartColours;
void PaintAspectGrid(QPainter &painter, const QRectF &area, const std::vector<Aspect> &aspects,
                     const ChartColours &colours);

// The smallest cell side, in pixels of `device`, at which every orb fits under its glyph
// in `orbFont`: in whole degrees, or with minutes.
qreal AspectGridCellSide(const QFont &orbFont, const QPaintDevice *device, bool withMinutes);

// One line about an aspect, e.g. "Sun trine Moon, orb 2°15', applying".
QString DescribeAspect(const Aspect &aspect);

// The grid as a widget, with each cell's aspect in full as its tool tip. Its orbs are in
// its own font; it asks for room enough for them, and a smaller place shows it in part
// (a scroll area around it shows the rest).
class AspectGrid final : public QWidget {
    Q_OBJECT
public:
    explicit AspectGrid(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    void setAspects(std::vector<Aspect> aspects);
    const std::vector<Aspect> &aspects() const { return m_aspects; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::vector<Aspect> m_aspects;
};

} // namespace starloom
