// The energy datasheet: the design block, then the monthly recovery of heat
// and cold as the energy page of the main window shows it, and the annual
// totals.

#include <QPainter>

#include <array>

#include "print/Datasheets.h"
#include "print/PageFrame.h"

namespace {

constexpr int TitleRow = 34;
constexpr int FirstGridRow = 38;  // January; the sums are in row 51
constexpr int TotalRow = 53;

// The columns of the grid, right edges from XR: heat sensible, heat latent,
// cold sensible, cold latent (the order of the main window's grid).
constexpr std::array<int, 4> ColumnX = {1000, 750, 400, 150};
// The season headings are centred over their two columns, allowing for
// the width of a value left of each right edge.
constexpr int HalfValueWidth = 60;
constexpr int RuleOffset = 6;  // the rules stand this far above a row
// The room of the first column left of its right edge; each other column
// reaches to the one before it.
constexpr int FirstColumnWidth = 250;
// The room of a unit of the totals after its value.
constexpr int TotalUnitWidth = 150;

// The cell of column c in row y.
QRectF ColumnCell(const PageLayout& p, std::size_t c, int y)
{
    const int left = c == 0 ? p.R(ColumnX[0]) - FirstColumnWidth : p.R(ColumnX[c - 1]);
    return p.Cell(left + CellGap, p.R(ColumnX[c]), y);
}

void DrawHeadings(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const auto text = [language](TextId id) { return PageText(language, id); };
    const auto centre = [&](int sensible, int latent) { return (p.R(sensible) + p.R(latent)) / 2 - HalfValueWidth; };
    // The two season headings share the row evenly around their centres.
    const int heat = centre(ColumnX[0], ColumnX[1]);
    const int cold = centre(ColumnX[2], ColumnX[3]);
    const double half = (cold - heat - CellGap) / 2.0;
    const int y = p.Row(TitleRow + 1);

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.Cell(p.X0, p.XR, p.Row(TitleRow)), text(TextId::EnergyRecovery));
    TextCentre(canvas, p.Cell(heat - half, heat + half, y), text(TextId::HeatRecovery));
    TextCentre(canvas, p.Cell(cold - half, cold + half, y), text(TextId::ColdRecovery));
    SetPageFont(canvas, p.TextHeight());
    for (std::size_t c = 0; c < ColumnX.size(); ++c) {
        const bool latent = c % 2 == 1;
        if (latent && !data.Rotary())
            continue;
        TextRight(canvas, ColumnCell(p, c, p.Row(TitleRow + 2)), text(latent ? TextId::Latent : TextId::Sensible));
        TextRight(canvas, ColumnCell(p, c, p.Row(TitleRow + 3)), PageString(data.energy.GridUnit));
    }
}

void DrawGrid(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const double labelEnd = ColumnCell(p, 0, 0).left() - CellGap;
    for (int m = 0; m < 12; ++m)
        TextLeft(canvas, p.Cell(p.X0, labelEnd, p.Row(FirstGridRow + m)), PageText(language, MonthName(m + 1)));
    TextLeft(canvas, p.Cell(p.X0, labelEnd, p.Row(FirstGridRow + ResultsDisplay::GridSumRow)),
             PageText(language, TextId::AnnualSaving));

    for (int r = 0; r < ResultsDisplay::GridRows; ++r)
        for (std::size_t c = 0; c < ColumnX.size(); ++c)
            TextRight(canvas, ColumnCell(p, c, p.Row(FirstGridRow + r)),
                      PageString(data.energy.Grid[static_cast<std::size_t>(r)][c]));

    SetPagePen(canvas, 0, Qt::DotLine);
    for (int r = 0; r <= 12; r += 2) {
        const int y = p.Row(FirstGridRow + r) - RuleOffset;
        canvas.drawLine(p.X0, y, p.R(ColumnX.back()), y);
    }
    SetPagePen(canvas, HeavyPenWidth);
    const int sums = p.Row(FirstGridRow + ResultsDisplay::GridSumRow) - RuleOffset;
    canvas.drawLine(p.X0, sums, p.R(ColumnX.back()), sums);
    SetPagePen(canvas, 0);
}

// Rows 53 … 55: a bold label with the winter value and its unit and the
// summer value and its unit.
void DrawTotal(QPainter& canvas, const PageLayout& p, int row, const QString& label, const std::string& winter,
               const std::string& summer, const std::string& unit)
{
    const int winterX = p.R(ColumnX[1]);
    const int summerX = p.R(ColumnX[3]);
    const int y = p.Row(row);
    SetPageFont(canvas, p.TextHeight(), true);
    LabelledValue(canvas, p.Cell(p.X0, winterX + TotalUnitWidth, y), winterX, label, PageString(winter),
                  PageString(unit));
    if (!summer.empty())
        ValueWithUnit(canvas, p.Cell(winterX + TotalUnitWidth + CellGap, p.XR, y), summerX, PageString(summer),
                      PageString(unit));
}

void DrawTotals(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const EnergyResultsView& e = data.energy;
    DrawTotal(canvas, p, TotalRow, PageText(language, TextId::TotalRecovery), e.WinterRecovery, e.SummerRecovery,
              e.EnergyUnit);
    if (!data.Rotary())
        return;
    DrawTotal(canvas, p, TotalRow + 1, PageText(language, TextId::MoistureRecovery), e.Humidification, {}, e.WaterUnit);
    DrawTotal(canvas, p, TotalRow + 2, PageText(language, TextId::Dehumidification), {}, e.Dehumidification,
              e.WaterUnit);
}

void DrawEnergyPage(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDesignBlock(canvas, data);
    DrawHeadings(canvas, p, data);
    DrawGrid(canvas, p, data);
    DrawTotals(canvas, p, data);
}

}  // namespace

std::vector<PageProcedure> EnergySheetPages(const SheetData& data)
{
    return {[data](QPainter& canvas) { DrawEnergyPage(canvas, data); }};
}
