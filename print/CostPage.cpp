// The cost datasheet: the device block under the title "Calculation of
// Economy … / Savings in costs", the energy and the prices the economy was
// calculated with, the annual costs and savings, the benefit/cost factor and
// the payback time, as the cost page of the main window shows them.

#include <QPainter>

#include <set>

#include "print/Datasheets.h"
#include "print/PageFrame.h"

namespace {

constexpr int SavingsTitleText = 271;

// The left column: labels at X0, values ending at x + 700; the right column:
// labels at x + 880, values ending at XR − 250. Units follow the values, up
// to the next column or the right margin.
constexpr int LeftValueX = 700;
constexpr int RightLabelX = 880;
constexpr int RightValueX = 250;

// One line of the page: a label, bold or not, with a value and its unit.
struct Line {
    int row;
    TextId text;    // the label
    bool bold;
    QString value;
    QString unit;
    bool rotaryOnly = false;
};

// The lines of one column, from labelX to the column's right edge `end`,
// with the values ending at valueX. A long label may wrap into the row below
// it when that row of the column is free.
void DrawLines(QPainter& canvas, const PageLayout& p, const SheetData& data, std::initializer_list<Line> lines,
               int labelX, int valueX, int end)
{
    std::set<int> used;
    for (const Line& line : lines)
        if (!line.rotaryOnly || data.Rotary())
            used.insert(line.row);
    for (const Line& line : lines) {
        if (line.rotaryOnly && !data.Rotary())
            continue;
        const int rows = used.count(line.row + 1) == 0 ? 2 : 1;
        SetPageFont(canvas, p.TextHeight(), line.bold);
        LabelledValue(canvas, p.Cell(labelX, end, p.Row(line.row)), valueX,
                      PageText(data.context.language, line.text), line.value, line.unit, rows);
    }
}

// Rows 15 … 23: the energy recovered and the charges of energy.
void DrawInputs(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const EnergyResultsView& e = data.energy;
    const EconomyInputTexts& in = data.economyInputs;
    const auto s = PageString;
    const QString energyUnit = s(e.EnergyUnit);
    const QString waterUnit = s(e.WaterUnit);
    DrawLines(canvas, p, data,
              {{15, 235, true, {}, {}},
               {17, 272, true, {}, {}},
               {18, 240, false, s(e.WinterRecovery), energyUnit},
               {19, 237, false, s(e.Humidification), waterUnit, true},
               {21, 273, true, {}, {}},
               {22, 241, false, s(e.SummerRecovery), energyUnit},
               {23, 238, false, s(e.Dehumidification), waterUnit, true}},
              p.X0, p.X(LeftValueX), p.X(RightLabelX) - CellGap);
    const QString priceUnit = s(in.energyPriceUnit);
    DrawLines(canvas, p, data,
              {{15, 274, true, {}, {}},
               {17, 275, false, s(in.priceElectric), priceUnit},
               {18, 276, false, s(in.priceHeat), priceUnit},
               {19, 277, false, s(in.priceCold), priceUnit},
               {20, 278, false, s(in.priceWater), s(in.waterPriceUnit), true},
               {22, 279, false, s(in.interestRate), QStringLiteral("%")},
               {23, 280, false, s(in.lifetime), PageText(data.context.language, 281)}},
              p.X(RightLabelX), p.R(RightValueX), p.XR);
}

// Rows 26 … 56: costs, savings and the result.
void DrawEconomy(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const CostResultsView c = data.costs.value_or(CostResultsView{});
    const auto s = PageString;
    const QString perYear = s(c.AmountUnit);
    DrawLines(canvas, p, data,
              {{26, 283, true, s(c.Investment), s(c.InvestmentUnit)},
               {29, 282, false, s(c.CapitalCost), perYear},
               {31, 284, false, s(c.MaintenanceCost), perYear},
               {33, 285, false, s(c.ServiceCost), perYear},
               {35, 288, false, {}, {}},
               {36, 297, false, s(c.FanEnergyCost), perYear},
               {37, 298, false, s(c.DriveEnergyCost), perYear},
               {39, 302, true, s(c.TotalAnnualCosts), perYear},
               {42, 235, true, {}, {}},
               {43, 272, true, {}, {}},
               {44, 286, false, s(c.HeatSavings), perYear},
               {45, 287, false, s(c.WaterSavings), perYear, true},
               {47, 273, true, {}, {}},
               {48, 299, false, s(c.CoolingSavings), perYear},
               {50, 300, false, s(c.OperatingSavings), perYear},
               {51, 301, false, s(c.InterestGain), perYear},
               {53, 303, true, s(c.AnnualSavings), perYear},
               {55, 304, true, s(c.BenefitCostFactor), {}},
               {56, 305, true, s(c.PaybackTime), s(c.PaybackUnit)}},
              p.X0, p.X(LeftValueX), p.X(RightLabelX) - CellGap);
}

void DrawCostPage(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDeviceBlock(canvas, data, EconomyTitle(data.context.language, SavingsTitleText));
    DrawInputs(canvas, p, data);
    DrawEconomy(canvas, p, data);
}

}  // namespace

std::vector<PageProcedure> CostSheetPages(const SheetData& data)
{
    return {[data](QPainter& canvas) { DrawCostPage(canvas, data); }};
}
