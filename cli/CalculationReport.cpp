// The readable text report of a calculation.

#include "cli/CalculationReport.h"

#include <array>

#include "core/forms/ResultsDisplay.h"
#include "core/settings/DisplayUnits.h"

namespace {

constexpr std::array<const char*, 12> MonthNames = {"January",   "February", "March",    "April",
                                                    "May",       "June",     "July",     "August",
                                                    "September", "October",  "November", "December"};

const char* DeviceName(DeviceKind deviceType)
{
    switch (deviceType) {
    case DeviceKind::Rotary:
        return "rotary heat exchanger";
    case DeviceKind::CrossFlowPlate:
        return "cross-flow plate heat exchanger";
    default:
        return "counterflow plate heat exchanger";
    }
}

std::string PadLeft(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// The report takes every number as the window's result pages show it.
class Report {
public:
    Report(const CalcInputs& in, const AnnualResults& r, const EconomyResults& e, const ReportSettings& s)
        : in_(in),
          annual_(r),
          s_(s),
          energy_(EnergyResultsViewOf(r, in, s.siUnits, s.separators)),
          cost_(CostResultsViewOf(e, in.DeviceType, s.currency, s.separators))
    {
    }

    std::string Text()
    {
        Header();
        MonthlyTable();
        Seasons();
        Costs();
        return text_;
    }

private:
    void Line(const std::string& line) { text_ += line + '\n'; }
    void Figure(const std::string& caption, const std::string& value, const std::string& unit)
    {
        const std::string shown = value.empty() ? "-" : Trimmed(value);
        Line("  " + PadRight(caption, 44) + PadLeft(shown, 14) + (unit.empty() ? "" : " " + unit));
    }

    void Header()
    {
        Line(std::string("Annual energy recovery of a ") + DeviceName(in_.DeviceType) + ", " + s_.climateName);
        Line(std::string("Units: ") + (s_.siUnits ? "SI" : "UK / US"));
        Line("");
    }

    void MonthlyTable()
    {
        Line(PadRight("", 12) + PadLeft("Heat recovery", 15) + PadLeft("", 15) + PadLeft("Cold recovery", 15) +
             PadLeft("", 15) + "  " + energy_.GridUnit);
        Line(PadRight("", 12) + PadLeft("sensible", 15) + PadLeft("latent", 15) + PadLeft("sensible", 15) +
             PadLeft("latent", 15));
        for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
            if (row == ResultsDisplay::GridSumRow - 1)
                continue;  // the empty row before the sums
            std::string line = PadRight(row == ResultsDisplay::GridSumRow ? "Sum" : MonthNames[row], 12);
            for (const std::string& cell : energy_.Grid[row])
                line += PadLeft(cell, 15);
            Line(line);
        }
        Line("");
    }

    void Seasons()
    {
        Line("Winter operation");
        Figure("Heat recovery", energy_.WinterRecovery, energy_.EnergyUnit);
        Figure("Recovery of moisture", energy_.Humidification, energy_.WaterUnit);
        Figure("Operating hours", energy_.WinterHours, energy_.HoursUnit);
        Line("Summer operation");
        Figure("Cold recovery", energy_.SummerRecovery, energy_.EnergyUnit);
        Figure("Dehumidification", energy_.Dehumidification, energy_.WaterUnit);
        Figure("Operating hours", energy_.SummerHours, energy_.HoursUnit);
        Line("Pressure drop (largest)");
        Figure("Supply air, winter / summer",
               Whole(annual_.MaxDpSupplyWinter) + " / " + Whole(annual_.MaxDpSupplySummer), "Pa");
        Figure("Extract air, winter / summer",
               Whole(annual_.MaxDpExtractWinter) + " / " + Whole(annual_.MaxDpExtractSummer), "Pa");
        const double fanEnergy = ShownValue(DisplayQuantity::Energy, s_.siUnits, annual_.FanEnergy);
        Figure("Additional fan energy", ResultsDisplay::FormatEnergy(fanEnergy, 0, s_.separators), energy_.EnergyUnit);
        Line("");
    }

    std::string Whole(double value) const { return ResultsDisplay::FormatEnergy(value, 0, s_.separators); }

    void Costs()
    {
        const std::string& perYear = cost_.AmountUnit;
        Line("Calculation of Economy according to VDI 2071");
        Figure("Investment cost", cost_.Investment, cost_.InvestmentUnit);
        Figure("Annuity (cost of capital)", cost_.CapitalCost, perYear);
        Figure("Costs for maintenance and support", cost_.MaintenanceCost, perYear);
        Figure("Costs for service", cost_.ServiceCost, perYear);
        Figure("Energy consumption - by pressure loss", cost_.FanEnergyCost, perYear);
        if (!cost_.DriveEnergyCost.empty())
            Figure("Energy consumption - by drive motor", cost_.DriveEnergyCost, perYear);
        Figure("Total annual costs", cost_.TotalAnnualCosts, perYear);
        Figure("Savings in heating costs", cost_.HeatSavings, perYear);
        Figure("Savings in water costs", cost_.WaterSavings, perYear);
        Figure("Savings in cooling costs", cost_.CoolingSavings, perYear);
        Figure("Savings in operating costs", cost_.OperatingSavings, perYear);
        Figure("Interest of savings in operating costs", cost_.InterestGain, perYear);
        Figure("Annual savings in operating costs", cost_.AnnualSavings, perYear);
        Figure("Benefit/cost factor", cost_.BenefitCostFactor, "");
        Figure("Amortization time", cost_.PaybackTime, cost_.PaybackUnit);
    }

    const CalcInputs& in_;
    const AnnualResults& annual_;
    const ReportSettings& s_;
    EnergyResultsView energy_;
    CostResultsView cost_;
    std::string text_;
};

}  // namespace

std::string CalculationReport(const CalcInputs& inputs, const AnnualResults& annual, const EconomyResults& economy,
                              const ReportSettings& settings)
{
    return Report(inputs, annual, economy, settings).Text();
}
