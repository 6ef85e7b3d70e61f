// The cost datasheet: the device block under the title "Calculation of
// Economy … / Savings in costs", the energy and the prices the economy was
// calculated with, the annual costs and savings, the benefit/cost factor and
// the payback time, as the cost page of the main window shows them.

#include <QPainter>

#include <set>

#include "print/Datasheets.h"
#include "print/PageFrame.h"

namespace {

// The left column: labels at X0, values ending at x + 700; the right column:
// labels at x + 880, values ending at XR − 250. Units follow the values, up
// to the next column or the right margin.
constexpr int LeftValueX = 700;
constexpr int RightLabelX = 880;
constexpr int RightValueX = 250;

// One line of the page: a label, bold or not, with a value and its unit.
struct Line {
    int row;
    TextId text;  // the label
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
        LabelledValue(canvas, p.Cell(labelX, end, p.Row(line.row)), valueX, PageText(data.context.language, line.text),
                      line.value, line.unit, rows);
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
              {{15, TextId::EnergyRecovery, true, {}, {}},
               {17, TextId::Heating, true, {}, {}},
               {18, TextId::HeatRecovery, false, s(e.WinterRecovery), energyUnit},
               {19, TextId::MoistureRecovery, false, s(e.Humidification), waterUnit, true},
               {21, TextId::Cooling, true, {}, {}},
               {22, TextId::ColdRecovery, false, s(e.SummerRecovery), energyUnit},
               {23, TextId::Dehumidification, false, s(e.Dehumidification), waterUnit, true}},
              p.X0, p.X(LeftValueX), p.X(RightLabelX) - CellGap);
    const QString priceUnit = s(in.energyPriceUnit);
    DrawLines(canvas, p, data,
              {{15, TextId::EnergyCharges, true, {}, {}},
               {17, TextId::ElectricityPrice, false, s(in.priceElectric), priceUnit},
               {18, TextId::HeatPrice, false, s(in.priceHeat), priceUnit},
               {19, TextId::ColdPrice, false, s(in.priceCold), priceUnit},
               {20, TextId::WaterPrice, false, s(in.priceWater), s(in.waterPriceUnit), true},
               {22, TextId::InterestRate, false, s(in.interestRate), QStringLiteral("%")},
               {23, TextId::ServiceLife, false, s(in.lifetime), PageText(data.context.language, TextId::Years)}},
              p.X(RightLabelX), p.R(RightValueX), p.XR);
}

// Rows 26 … 56: costs, savings and the result.
void DrawEconomy(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const CostResultsView c = data.costs.value_or(CostResultsView{});
    const auto s = PageString;
    const QString perYear = s(c.AmountUnit);
    DrawLines(canvas, p, data,
              {{26, TextId::InvestmentCost, true, s(c.Investment), s(c.InvestmentUnit)},
               {29, TextId::CapitalCost, false, s(c.CapitalCost), perYear},
               {31, TextId::MaintenanceCosts, false, s(c.MaintenanceCost), perYear},
               {33, TextId::ServiceCosts, false, s(c.ServiceCost), perYear},
               {35, TextId::EnergyConsumption, false, {}, {}},
               {36, TextId::ByPressureLoss, false, s(c.FanEnergyCost), perYear},
               {37, TextId::ByDriveMotor, false, s(c.DriveEnergyCost), perYear},
               {39, TextId::TotalAnnualCosts, true, s(c.TotalAnnualCosts), perYear},
               {42, TextId::EnergyRecovery, true, {}, {}},
               {43, TextId::Heating, true, {}, {}},
               {44, TextId::HeatingCostSavings, false, s(c.HeatSavings), perYear},
               {45, TextId::WaterCostSavings, false, s(c.WaterSavings), perYear, true},
               {47, TextId::Cooling, true, {}, {}},
               {48, TextId::CoolingCostSavings, false, s(c.CoolingSavings), perYear},
               {50, TextId::OperatingCostSavings, false, s(c.OperatingSavings), perYear},
               {51, TextId::InterestOnSavings, false, s(c.InterestGain), perYear},
               {53, TextId::AnnualOperatingSavings, true, s(c.AnnualSavings), perYear},
               {55, TextId::BenefitCostFactor, true, s(c.BenefitCostFactor), {}},
               {56, TextId::AmortizationTime, true, s(c.PaybackTime), s(c.PaybackUnit)}},
              p.X0, p.X(LeftValueX), p.X(RightLabelX) - CellGap);
}

void DrawCostPage(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDeviceBlock(canvas, data, EconomyTitle(data.context.language, TextId::CostSavings));
    DrawInputs(canvas, p, data);
    DrawEconomy(canvas, p, data);
}

}  // namespace

std::vector<PageProcedure> CostSheetPages(const SheetData& data)
{
    return {[data](QPainter& canvas) { DrawCostPage(canvas, data); }};
}
