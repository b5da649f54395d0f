// The statistics as a bar chart: one panel per table, one horizontal bar per category,
// drawn with QPainter into an SVG document.
#include "cli/stats.h"

#include "cli/cli_text.h"

#include "reading/reading_file.h"
#include "windows/planet_colours.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace starloom::cli {

namespace {

// Layout, in SVG user units (pixels at 100%).
constexpr qreal kWidth = 760.0;
constexpr qreal kMargin = 24.0;
constexpr qreal kLabelColumn = 96.0; // category names, right-aligned against the bars
constexpr qreal kBarsLeft = kMargin + kLabelColumn + 10.0;
constexpr qreal kBarsWidth = 470.0;
constexpr qreal kRowHeight = 21.0;
constexpr qreal kBarHeight = 14.0;
constexpr qreal kTitleHeight = 58.0;
constexpr qreal kPanelHeading = 58.0; // title, note and the scale above the first bar
constexpr qreal kPanelGap = 22.0;

constexpr int kScreenDotsPerInch = 96; // so that the user units are the viewer's pixels

const QColor kInk(40, 40, 56);
const QColor kQuietInk(110, 110, 125);
const QColor kGrid(222, 224, 232);

struct Scale {
    double top;  // percent at the right end of the bars
    double step; // percent between grid lines
};

constexpr int kGridLines = 5; // about as many steps on a scale

// Each panel on its own scale, from 0 to a round top at or a little above its largest
// share (an average chart has several aspects of a kind, so a share may pass 100%): a step
// of 1, 2 or 5 times a power of ten, about five steps in all.
Scale ScaleFor(double largest) {
    if (!(largest > 0))
        return {100.0, 20.0};
    const double rough = largest / kGridLines;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    return {std::max(step, std::ceil(largest / step) * step), step};
}

// "20%", "2.5%", "0.05%": as many decimals as the step needs.
QString PercentLabel(double percent, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    return NumberLocale().toString(percent, 'f', decimals) + QLatin1Char('%');
}

// Leading planets in the colours the wheel marks them in; the other panels each in one
// colour of their own.
QColor BarColour(const StatsTable &table, std::size_t tableIndex, std::size_t row) {
    if (table.title == kLeadingPlanetsTitle)
        return row < 10 ? PlanetColour(static_cast<int>(row)) : QColor(170, 170, 180);
    const QColor panelColours[] = {QColor(70, 110, 180), QColor(24, 150, 136), QColor(214, 120, 40),
                                   QColor(130, 90, 170)};
    return panelColours[tableIndex % std::size(panelColours)];
}

QFont Font(qreal pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

qreal PanelHeight(const StatsTable &table) {
    return kPanelHeading + kRowHeight * static_cast<qreal>(table.labels.size());
}

void DrawPanel(QPainter &p, const StatsTable &table, std::size_t index, long long readings,
               qreal top) {
    p.setPen(kInk);
    p.setFont(Font(15, true));
    p.drawText(QPointF(kMargin, top + 14), Text(StatsTitle(table)));
    p.setPen(kQuietInk);
    p.setFont(Font(11));
    p.drawText(QPointF(kMargin, top + 29), Text(StatsNote(table)));

    double largest = 0;
    for (const long long count : table.counts)
        largest = std::max(largest, readings > 0 ? 100.0 * count / readings : 0.0);
    const Scale scale = ScaleFor(largest);
    const qreal barsTop = top + kPanelHeading;
    const qreal barsBottom = barsTop + kRowHeight * static_cast<qreal>(table.labels.size());
    const auto xOf = [&scale](double percent) {
        return kBarsLeft + kBarsWidth * percent / scale.top;
    };

    // Grid lines with their percentages above the bars.
    p.setFont(Font(10));
    for (double percent = 0; percent <= scale.top + 1e-9; percent += scale.step) {
        const qreal x = xOf(percent);
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(x, barsTop - 4), QPointF(x, barsBottom));
        p.setPen(kQuietInk);
        const QString label = PercentLabel(percent, scale.step);
        const qreal width = QFontMetricsF(p.font()).horizontalAdvance(label);
        p.drawText(QPointF(x - width / 2, barsTop - 7), label);
    }

    const QFontMetricsF labels(Font(12));
    for (std::size_t row = 0; row < table.labels.size(); ++row) {
        const qreal y = barsTop + kRowHeight * static_cast<qreal>(row);
        const QString name = Text(table.labels[row]);
        p.setFont(Font(12));
        p.setPen(kInk);
        p.drawText(QPointF(kBarsLeft - 10 - labels.horizontalAdvance(name), y + kBarHeight - 2),
                   name);
        const long long count = table.counts[row];
        const double percent = readings > 0 ? 100.0 * count / readings : 0.0;
        const qreal right = xOf(percent);
        p.setPen(Qt::NoPen);
        p.setBrush(BarColour(table, index, row));
        if (right > kBarsLeft)
            p.drawRoundedRect(QRectF(kBarsLeft, y + 1, right - kBarsLeft, kBarHeight), 2, 2);
        // The share after its bar, or, when that would run past the picture's edge, inside
        // the bar's end (a bar that long always has the room).
        const QFont valueFont = Font(11, count > 0 && percent >= largest);
        const QString value = Text(ShareText(count, readings)) + QStringLiteral("  (") +
                              NumberLocale().toString(count) + QLatin1Char(')');
        const qreal width = QFontMetricsF(valueFont).horizontalAdvance(value);
        const bool inside = right + 6 + width > kWidth - kMargin;
        p.setPen(inside ? QColor(Qt::white) : kInk);
        p.setFont(valueFont);
        p.drawText(QPointF(inside ? right - 6 - width : right + 6, y + kBarHeight - 2), value);
    }
    p.setPen(QPen(kQuietInk, 1));
    p.drawLine(QPointF(kBarsLeft, barsTop - 4), QPointF(kBarsLeft, barsBottom));
}

} // namespace

Status WriteStatsPlot(const StatsResult &result, const QString &path) {
    qreal height = kTitleHeight + kMargin;
    for (const StatsTable &table : result.tables)
        height += PanelHeight(table) + kPanelGap;

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(static_cast<int>(kWidth), static_cast<int>(height)));
    generator.setViewBox(QRectF(0, 0, kWidth, height));
    generator.setResolution(kScreenDotsPerInch);
    // The count of births with its thousands grouped, as the chosen language groups them.
    const QLocale grouping =
        NumberLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    const QString title =
        CliOutput::tr("Planetary patterns of %1 births").arg(grouping.toString(result.readings));
    generator.setTitle(title);
    generator.setDescription(CliOutput::tr("Made by starloom-cli stats"));
    {
        QPainter p(&generator);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRectF(0, 0, kWidth, height), Qt::white);
        p.setPen(kInk);
        p.setFont(Font(20, true));
        p.drawText(QPointF(kMargin, kMargin + 14), title);
        p.setPen(kQuietInk);
        p.setFont(Font(12));
        p.drawText(QPointF(kMargin, kMargin + 32),
                   CliOutput::tr("Share of the readings in each category; counts in brackets"));
        qreal top = kTitleHeight + kMargin;
        for (std::size_t i = 0; i < result.tables.size(); ++i) {
            DrawPanel(p, result.tables[i], i, result.readings, top);
            top += PanelHeight(result.tables[i]) + kPanelGap;
        }
    }
    return WriteWholeFile(path, svg.data());
}

} // namespace starloom::cli
