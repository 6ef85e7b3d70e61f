// The diagram datasheet: the design block, then the monthly energy recovery
// as a bar chart, sensible and latent stacked, winter months outlined solid
// and summer months dashed.

#include <QPainter>

#include <array>

#include "core/settings/DisplayUnits.h"
#include "print/Datasheets.h"
#include "print/DiagramScale.h"
#include "print/PageFrame.h"

namespace {

// The month abbreviations; May has no abbreviation of its own.
constexpr std::array<TextId, 12> MonthAbbreviations = {TextId::Jan, TextId::Feb, TextId::Mar, TextId::Apr,
                                                       TextId::May, TextId::Jun, TextId::Jul, TextId::Aug,
                                                       TextId::Sep, TextId::Oct, TextId::Nov, TextId::Dec};

const QColor SensibleColour(30, 130, 230);
const QColor LatentColour(255, 255, 204);

// The plot area: ten intervals of 80 units from row 35 down, from x + 290
// to x + 1650; the axis labels end at x + 280.
constexpr int TopRow = 35;
constexpr int Intervals = 10;
constexpr int IntervalHeight = 80;
constexpr int PlotLeft = 290;
constexpr int PlotRight = 1650;
constexpr int AxisLabelX = 280;
constexpr int AxisTitleX = 20;    // from X0: the left edge of the turned title
constexpr int BarShare = 60;      // per cent of a month's width
constexpr int MonthLabelGap = 8;  // below the plot area
// The legend: two lines under the month labels, winter at x + 500 and
// summer at x + 1100, each text with a box left of it.
constexpr int WinterLegendX = 500;
constexpr int SummerLegendX = 1100;
constexpr int LegendBoxGap = 15;
constexpr int LegendBoxWidth = 45;
constexpr int LegendBoxHeight = 26;
constexpr int LegendBoxTop = 4;  // below the top of the text

struct Plot {
    QRectF area;
    DiagramScale scale;
    double factor;  // kWh to the displayed unit

    double ZeroY() const { return area.top() + IntervalHeight * (Intervals - scale.below); }
    double Y(double kwh) const { return ZeroY() - kwh * factor * IntervalHeight / scale.step; }
    double MonthWidth() const { return area.width() / 12.0; }
};

int Top(const Plot& plot)
{
    return static_cast<int>(plot.area.top());
}

int Bottom(const Plot& plot)
{
    return static_cast<int>(plot.area.bottom());
}

void DrawAxis(QPainter& canvas, const PageLayout& p, const Plot& plot, const SheetData& data)
{
    // The labels have the room right of the turned title, one interval high
    // each.
    const double labelLeft = p.X(AxisTitleX) + p.LH + CellGap;
    for (int i = 0; i <= Intervals; ++i) {
        const double value = (Intervals - i - plot.scale.below) * plot.scale.step;
        const QRectF cell(labelLeft, Top(plot) - p.LH / 2 + IntervalHeight * i, p.X(AxisLabelX) - labelLeft,
                          IntervalHeight);
        TextRight(canvas, cell, PageString(ResultsDisplay::FormatEnergy(value, 0, data.context.separators)));
    }
    SetPagePen(canvas, 0);
    for (int i = 1; i < Intervals; ++i) {
        const int y = Top(plot) + IntervalHeight * i;
        canvas.drawLine(QPointF(plot.area.left(), y), QPointF(plot.area.right(), y));
    }
    canvas.drawRect(plot.area);

    // The title turned by 90°, reading upwards and ending at the top of the
    // plot area; its cell is as long as the plot area is high and one row
    // wide.
    const QString unit = QStringLiteral(" [") +
                         QString::fromStdString(UnitLabel(DisplayQuantity::Energy, data.context.siUnits)) +
                         QStringLiteral("]");
    SetPageFont(canvas, p.TextHeight(), true);
    canvas.save();
    canvas.translate(p.X(AxisTitleX), Top(plot));
    canvas.rotate(-90);
    TextRight(canvas, QRectF(-Intervals * IntervalHeight, 0, Intervals * IntervalHeight, p.LH),
              PageText(data.context.language, TextId::EnergyRecovery) + unit);
    canvas.restore();
    SetPageFont(canvas, p.TextHeight());
}

// One month: sensible next to the zero line, latent stacked on it; parts
// above zero grow upwards, parts below zero downwards.
void DrawBar(QPainter& canvas, const Plot& plot, int month, double sensible, double latent, bool winter)
{
    const double width = plot.MonthWidth() * BarShare / 100.0;
    const double left = plot.area.left() + plot.MonthWidth() * (month + 0.5) - width / 2;
    double up = 0;
    double down = 0;
    const std::array<std::pair<double, QColor>, 2> parts = {{{sensible, SensibleColour}, {latent, LatentColour}}};
    SetPagePen(canvas, 0, winter ? Qt::SolidLine : Qt::DashLine);
    for (const auto& [value, colour] : parts) {
        if (value == 0)
            continue;
        double& base = value > 0 ? up : down;
        const double top = plot.Y(base + value);
        const double bottom = plot.Y(base);
        base += value;
        canvas.setBrush(colour);
        canvas.drawRect(QRectF(left, std::min(top, bottom), width, std::abs(bottom - top)));
    }
}

void DrawBars(QPainter& canvas, const PageLayout& p, const Plot& plot, const SheetData& data)
{
    // A bar beyond the scale is cut at the plot area rather than drawn over
    // the month labels and the legend.
    canvas.save();
    canvas.setClipRect(plot.area);
    for (int m = 0; m < 12; ++m) {
        const auto i = static_cast<std::size_t>(m);
        const bool winter = data.annual.MonthSeason[i] == Season::Heating;
        // The chart shows cold recovered in summer as positive, as the
        // energy page does.
        const double sign = winter ? 1.0 : -1.0;
        DrawBar(canvas, plot, m, sign * data.annual.MonthSensible[i], sign * data.annual.MonthLatent[i], winter);
    }
    canvas.restore();
    canvas.setBrush(Qt::white);
    SetPagePen(canvas, 0);

    const int labelY = Bottom(plot) + MonthLabelGap;
    const double half = (plot.MonthWidth() - CellGap) / 2;
    for (int m = 0; m < 12; ++m) {
        const int x = static_cast<int>(plot.area.left() + plot.MonthWidth() * (m + 0.5));
        TextCentre(canvas, QRectF(x - half, labelY, 2 * half, p.LH),
                   PageText(data.context.language, MonthAbbreviations[static_cast<std::size_t>(m)]));
    }
}

// An entry of the legend: its box left of x, its text from x to `end`.
void DrawLegendEntry(QPainter& canvas, const PageLayout& p, int x, int end, int y, const QColor& colour, bool winter,
                     const QString& text)
{
    SetPagePen(canvas, 0, winter ? Qt::SolidLine : Qt::DashLine);
    canvas.setBrush(colour);
    canvas.drawRect(x - LegendBoxGap - LegendBoxWidth, y + LegendBoxTop, LegendBoxWidth, LegendBoxHeight);
    canvas.setBrush(Qt::white);
    TextLeft(canvas, p.Cell(x, end, y), text);
}

void DrawLegend(QPainter& canvas, const PageLayout& p, const Plot& plot, const SheetData& data)
{
    const int language = data.context.language;
    const int first = Bottom(plot) + p.LH + MonthLabelGap;
    const int second = first + p.LH;
    const int winter = p.X(WinterLegendX);
    const int summer = p.X(SummerLegendX);
    const int winterEnd = summer - LegendBoxGap - LegendBoxWidth - CellGap;
    DrawLegendEntry(canvas, p, winter, winterEnd, first, LatentColour, true, PageText(language, TextId::LatentHeat));
    DrawLegendEntry(canvas, p, winter, winterEnd, second, SensibleColour, true,
                    PageText(language, TextId::SensibleHeat));
    DrawLegendEntry(canvas, p, summer, p.XR, first, LatentColour, false,
                    PageText(language, TextId::LatentColdRecovery));
    DrawLegendEntry(canvas, p, summer, p.XR, second, SensibleColour, false,
                    PageText(language, TextId::SensibleColdRecovery));
    SetPagePen(canvas, 0);
}

void DrawDiagramPage(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDesignBlock(canvas, data);
    Plot plot;
    plot.factor = ShownFactor(DisplayQuantity::Energy, data.context.siUnits);
    plot.scale = DiagramScaleOf(data.annual.ChartMax, data.annual.ChartMin, plot.factor);
    const int top = p.Row(TopRow);
    plot.area = QRectF(QPointF(p.X(PlotLeft), top), QPointF(p.X(PlotRight), top + Intervals * IntervalHeight));
    DrawAxis(canvas, p, plot, data);
    DrawBars(canvas, p, plot, data);
    DrawLegend(canvas, p, plot, data);
}

}  // namespace

std::vector<PageProcedure> DiagramSheetPages(const SheetData& data)
{
    return {[data](QPainter& canvas) { DrawDiagramPage(canvas, data); }};
}
