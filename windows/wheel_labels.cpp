#include "windows/wheel_labels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QtMath>

#include <cmath>
#include <limits>

namespace starloom {

namespace {

constexpr qreal kReferencePixels = 100.0; // text is measured and drawn at this size, scaled
constexpr qreal kWidthSlack = 1.03;       // hinting may widen small screen text a little
constexpr qreal kBandMiddle = 94.0;       // radius of the glyphs' and numbers' centres
constexpr qreal kGlyphSide = 8.0;         // units
constexpr qreal kGlyphOffset = 9.0;       // degrees from the house's start to the glyph
constexpr qreal kNumberOffset = 22.0;     // degrees from the house's start to the number
constexpr qreal kClearance = 1.6;         // units kept free from lines, disc and border
constexpr qreal kSizeStep = 0.2;          // units between the text sizes tried
constexpr qreal kSliceWidth = 0.5;        // units; the sector is scanned in slices this wide
constexpr qreal kRowGap = 0.2;            // units between rows of names
constexpr qreal kNameGapEms = 0.7;        // space between two names on one row, in ems

struct Vec {
    qreal x;
    qreal y;
};

// The part of a house's sector that may hold names, in math coordinates (y upwards).
class SectorRegion {
public:
    SectorRegion(const HouseSector &sector, qreal innerRadius) {
        const qreal a1 = qDegreesToRadians(sector.start);
        const qreal a2 = qDegreesToRadians(sector.start + sector.span);
        m_start = {std::cos(a1), std::sin(a1)};
        m_end = {std::cos(a2), std::sin(a2)};
        m_inner = innerRadius + kClearance;
        m_outer = kWheelScaleInner - kClearance;
        m_left = m_bottom = std::numeric_limits<qreal>::max();
        m_right = m_top = std::numeric_limits<qreal>::lowest();
        // One step a degree or finer, so the bounds hold the arc's extreme points closely.
        const int steps = qMax(30, static_cast<int>(std::ceil(sector.span)));
        for (int step = 0; step <= steps; ++step) {
            const qreal a = a1 + (a2 - a1) * step / steps;
            for (const qreal r : {m_inner, m_outer}) {
                m_left = qMin(m_left, r * std::cos(a));
                m_right = qMax(m_right, r * std::cos(a));
                m_bottom = qMin(m_bottom, r * std::sin(a));
                m_top = qMax(m_top, r * std::sin(a));
            }
        }
        const qreal middle = (a1 + a2) / 2;
        const qreal r = (m_inner + m_outer) / 2;
        m_preferred = {r * std::cos(middle), r * std::sin(middle)};
    }

    // A point is inside when it is on the inner side of both sector lines by the clearance
    // and within the border. The sector is narrower than a half turn, so it is convex, and
    // so is the disc within the border: a rectangle whose corners are inside lies inside.
    bool inside(qreal x, qreal y) const {
        const qreal fromStart = m_start.x * y - m_start.y * x;
        const qreal fromEnd = x * m_end.y - y * m_end.x;
        return fromStart >= kClearance && fromEnd >= kClearance &&
               x * x + y * y <= m_outer * m_outer;
    }

    bool holds(qreal left, qreal right, qreal bottom, qreal top) const {
        if (!inside(left, bottom) || !inside(left, top) || !inside(right, bottom) ||
            !inside(right, top))
            return false;
        // The central disc is kept clear of the rectangle's nearest point.
        const qreal nx = qBound(left, 0.0, right);
        const qreal ny = qBound(bottom, 0.0, top);
        return nx * nx + ny * ny >= m_inner * m_inner;
    }

    // The stretches of x, left to right, over which the band between two heights is
    // inside the region.
    QList<std::pair<qreal, qreal>> runs(qreal bottom, qreal top) const {
        QList<std::pair<qreal, qreal>> found;
        bool open = false;
        qreal from = 0;
        qreal x = m_left;
        for (; x + kSliceWidth <= m_right + 1e-9; x += kSliceWidth) {
            const bool ok = holds(x, x + kSliceWidth, bottom, top);
            if (ok && !open) {
                from = x;
                open = true;
            } else if (!ok && open) {
                found.append({from, x});
                open = false;
            }
        }
        if (open)
            found.append({from, x});
        return found;
    }

    qreal top() const { return m_top; }
    qreal bottom() const { return m_bottom; }
    Vec preferred() const { return m_preferred; }

private:
    Vec m_start{};
    Vec m_end{};
    qreal m_inner = 0;
    qreal m_outer = 0;
    qreal m_left = 0;
    qreal m_right = 0;
    qreal m_bottom = 0;
    qreal m_top = 0;
    Vec m_preferred{};
};

// Fills rows from `firstTop` downwards with the names in order, as many on a row as its
// stretch holds, each row centred on the preferred point where the stretch allows. Math
// coordinates; returns false when the region ends before the names do.
bool FillRows(const SectorRegion &region, const QStringList &names, const QList<qreal> &widths,
              qreal textSize, qreal firstTop, QList<PlacedName> &placed) {
    const qreal lineHeight = WheelLineHeight(textSize);
    const qreal gap = kNameGapEms * textSize;
    placed.clear();
    int next = 0;
    for (qreal top = firstTop; next < names.size() && top - lineHeight >= region.bottom();
         top -= lineHeight + kRowGap) {
        for (const auto &[from, to] : region.runs(top - lineHeight, top)) {
            if (next >= names.size())
                break;
            qreal used = widths[next];
            if (used > to - from)
                continue;
            int last = next;
            while (last + 1 < names.size() && used + gap + widths[last + 1] <= to - from)
                used += gap + widths[++last];
            qreal x = qBound(from, region.preferred().x - used / 2, to - used);
            for (int i = next; i <= last; ++i) {
                // Screen coordinates: y downwards.
                placed.append({names[i], QRectF(x, -top, widths[i], lineHeight)});
                x += widths[i] + gap;
            }
            next = last + 1;
        }
    }
    return next == names.size();
}

} // namespace

QStringList CellNames(const QString &cellText) {
    QStringList names;
    for (const QString &line : cellText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

qreal HouseStartDegrees(int house) {
    return 180.0 + kHouseSectorDegrees * house;
}

HouseSector WholeSignSector(int house) {
    return {HouseStartDegrees(house), kHouseSectorDegrees};
}

namespace {

QPointF OnBand(int house, qreal offsetDegrees) {
    const qreal a = qDegreesToRadians(HouseStartDegrees(house) + offsetDegrees);
    return QPointF(kBandMiddle * std::cos(a), -kBandMiddle * std::sin(a));
}

} // namespace

QRectF GlyphBox(int house) {
    QRectF box(0, 0, kGlyphSide, kGlyphSide);
    box.moveCenter(OnBand(house, kGlyphOffset));
    return box;
}

QRectF HouseNumberBox(int house) {
    const QString number = QString::number(house + 1);
    QRectF box(0, 0, WheelTextWidth(number, kHouseNumberTextSize, true),
               WheelLineHeight(kHouseNumberTextSize));
    box.moveCenter(OnBand(house, kNumberOffset));
    return box;
}

QRectF CuspNumberBox(const HouseSector &sector, int house) {
    const QString number = QString::number(house + 1);
    const qreal a = qDegreesToRadians(sector.start + sector.span / 2);
    QRectF box(0, 0, WheelTextWidth(number, kCuspNumberTextSize, true),
               WheelLineHeight(kCuspNumberTextSize));
    box.moveCenter(QPointF(kCuspNumberRadius * std::cos(a), -kCuspNumberRadius * std::sin(a)));
    return box;
}

QFont WheelFont(bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(kReferencePixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal WheelTextWidth(const QString &text, qreal textSize, bool bold) {
    const QFontMetricsF metrics(WheelFont(bold));
    return metrics.horizontalAdvance(text) * textSize / kReferencePixels * kWidthSlack;
}

qreal WheelLineHeight(qreal textSize) {
    static const qreal height = QFontMetricsF(WheelFont(false)).height();
    return height * textSize / kReferencePixels;
}

HouseNames PlaceHouseNames(int house, const QStringList &names) {
    return PlaceSectorNames(WholeSignSector(house), names, kWheelDiscRadius);
}

HouseNames PlaceSectorNames(const HouseSector &sector, const QStringList &names,
                            qreal innerRadius) {
    HouseNames result;
    if (names.isEmpty())
        return result;
    const SectorRegion region(sector, innerRadius);
    for (qreal size = kLargestNameTextSize; size >= kSmallestNameTextSize - 1e-9;
         size -= kSizeStep) {
        QList<qreal> widths;
        for (const QString &name : names)
            widths.append(WheelTextWidth(name, size, false));
        const qreal lineHeight = WheelLineHeight(size);
        // Several starting heights; the block whose middle is nearest the sector's middle
        // wins.
        qreal bestScore = std::numeric_limits<qreal>::max();
        QList<PlacedName> best;
        QList<PlacedName> trial;
        for (qreal top = region.top(); top - lineHeight >= region.bottom(); top -= lineHeight / 2) {
            if (!FillRows(region, names, widths, size, top, trial))
                continue;
            QRectF block;
            for (const PlacedName &name : trial)
                block |= name.box;
            const qreal dx = block.center().x() - region.preferred().x;
            const qreal dy = block.center().y() + region.preferred().y;
            const qreal score = dx * dx + dy * dy;
            if (score < bestScore) {
                bestScore = score;
                best = trial;
            }
        }
        if (!best.isEmpty()) {
            result.names = best;
            result.textSize = size;
            return result;
        }
    }
    // Nothing keeps clear: the smallest size, one name a row down the middle.
    result.fitted = false;
    result.textSize = kSmallestNameTextSize;
    const qreal lineHeight = WheelLineHeight(kSmallestNameTextSize);
    qreal y = -region.preferred().y - names.size() * lineHeight / 2;
    for (const QString &name : names) {
        const qreal width = WheelTextWidth(name, kSmallestNameTextSize, false);
        result.names.append({name, QRectF(region.preferred().x - width / 2, y, width, lineHeight)});
        y += lineHeight;
    }
    return result;
}

QList<PlacedName> PlaceCornerNote(const QString &note, qreal halfWidth, qreal halfHeight) {
    constexpr qreal kMargin = 0.8; // units from the picture's edges
    constexpr qreal kRimGap = 1.5; // units kept free outside the rim
    constexpr int kMostLines = 8;
    const QStringList words = note.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const qreal lineHeight = WheelLineHeight(kNoteTextSize);
    const qreal space = WheelTextWidth(QStringLiteral(" "), kNoteTextSize, false);
    const qreal left = -halfWidth + kMargin;
    const qreal bottom = halfHeight - kMargin;
    const qreal clear = kWheelRimRadius + kRimGap;
    // The room of line k of n, counting from the top: from the left edge to the rim at the
    // line's upper edge, the nearer one to the centre.
    auto room = [&](int k, int n) {
        const qreal top = bottom - (n - k) * lineHeight;
        const qreal rimX = top >= clear ? 0.0 : -std::sqrt(clear * clear - top * top);
        return QRectF(left, top, qMax(0.0, rimX - left), lineHeight);
    };
    QList<PlacedName> placed;
    for (int lines = 1; lines <= kMostLines; ++lines) {
        placed.clear();
        int next = 0;
        for (int k = 0; k < lines && next < words.size(); ++k) {
            const QRectF box = room(k, lines);
            QString text;
            qreal width = 0.0;
            while (next < words.size()) {
                const qreal word = WheelTextWidth(words[next], kNoteTextSize, false);
                const qreal wider = text.isEmpty() ? word : width + space + word;
                if (wider > box.width())
                    break;
                text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + words[next++];
                width = wider;
            }
            if (!text.isEmpty())
                placed.append({text, QRectF(box.left(), box.top(), width, lineHeight)});
        }
        if (next == words.size())
            return placed;
    }
    return placed;
}

void PaintWheelText(QPainter &painter, const QRectF &box, const QString &text, qreal textSize,
                    bool bold) {
    const QFont font = WheelFont(bold);
    const qreal scale = textSize / kReferencePixels;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
    painter.restore();
}

} // namespace starloom
