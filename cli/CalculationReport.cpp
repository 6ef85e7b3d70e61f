#include "cli/CalculationReport.h"

#include <array>
#include <cstdio>

#include "settings/UUmrechnung.h"

namespace {

constexpr std::array<const char*, 12> MonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                    "July",    "August",   "September", "October", "November", "December"};

// kWh to kBTU for UK/US units.
constexpr double KbtuPerKwh = 3.412;

const char* DeviceName(int deviceType)
{
    switch (deviceType) {
    case DeviceKind::Rotary: return "rotary heat exchanger";
    case DeviceKind::CrossFlowPlate: return "cross-flow plate heat exchanger";
    default: return "counterflow plate heat exchanger";
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

class Report {
public:
    Report(const CalcInputs& in, const AnnualResults& r, const EconomyResults& e, const ReportSettings& s)
        : in_(in), r_(r), e_(e), s_(s), energyFactor_(s.siUnits ? 1 : KbtuPerKwh),
          energyUnit_(s.siUnits ? "kWh" : "kBTU"), waterUnit_(s.siUnits ? "kg" : "lb")
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
    std::string Number(double value, int decimals) const { return FormatFixed(value, decimals, s_.separators); }
    std::string Energy(double kwh, int decimals) const { return Number(kwh * energyFactor_, decimals); }
    std::string Water(double kg) const
    {
        const int code = s_.siUnits ? UnitCode::Kilogram : UnitCode::Pound;
        return Number(ConvertUnit(UnitKind::Mass, UnitCode::Kilogram, code, kg), 0);
    }
    void Line(const std::string& line) { text_ += line + '\n'; }
    void Figure(const std::string& caption, const std::string& value, const std::string& unit)
    {
        Line("  " + PadRight(caption, 44) + PadLeft(value, 14) + (unit.empty() ? "" : " " + unit));
    }

    void Header()
    {
        Line(std::string("Annual energy recovery of a ") + DeviceName(in_.DeviceType) + ", " + s_.climateName);
        Line(std::string("Units: ") + (s_.siUnits ? "SI" : "UK / US"));
        Line("");
    }

    void MonthlyTable()
    {
        const bool rotary = in_.DeviceType == DeviceKind::Rotary;
        Line(PadRight("", 12) + PadLeft("Heat recovery", 15) + PadLeft("", 15) + PadLeft("Cold recovery", 15) +
             PadLeft("", 15) + "  [" + energyUnit_ + "]");
        Line(PadRight("", 12) + PadLeft("sensible", 15) + PadLeft("latent", 15) + PadLeft("sensible", 15) +
             PadLeft("latent", 15));
        const auto cell = [&](bool shown, double kwh) { return PadLeft(shown ? Energy(kwh, 1) : "", 15); };
        for (int m = 0; m < 12; ++m) {
            const bool heating = r_.MonthSeason[m] == Season::Heating;
            Line(PadRight(MonthNames[m], 12) + cell(heating, r_.MonthSensible[m]) +
                 cell(heating && rotary, r_.MonthLatent[m]) + cell(!heating, -r_.MonthSensible[m]) +
                 cell(!heating && rotary, -r_.MonthLatent[m]));
        }
        Line(PadRight("Sum", 12) + cell(true, r_.WinterSensible) + cell(rotary, r_.WinterLatent) +
             cell(true, r_.SummerSensible) + cell(rotary, r_.SummerLatent));
        Line("");
    }

    void Seasons()
    {
        const std::string perYear = "/a";
        Line("Winter operation");
        Figure("Heat recovery", Energy(r_.WinterSensible + r_.WinterLatent, 0), energyUnit_ + perYear);
        Figure("Recovery of moisture", Water(r_.Humidification), waterUnit_ + perYear);
        Figure("Operating hours", Number(r_.WinterHours, 0), "h" + perYear);
        Line("Summer operation");
        Figure("Cold recovery", Energy(r_.SummerSensible + r_.SummerLatent, 0), energyUnit_ + perYear);
        Figure("Dehumidification", Water(-r_.Dehumidification), waterUnit_ + perYear);
        Figure("Operating hours", Number(r_.SummerHours, 0), "h" + perYear);
        Line("Pressure drop (largest)");
        Figure("Supply air, winter / summer",
               Number(r_.MaxDpSupplyWinter, 0) + " / " + Number(r_.MaxDpSupplySummer, 0), "Pa");
        Figure("Extract air, winter / summer",
               Number(r_.MaxDpExtractWinter, 0) + " / " + Number(r_.MaxDpExtractSummer, 0), "Pa");
        Figure("Additional fan energy", Energy(r_.FanEnergy, 0), energyUnit_ + perYear);
        Line("");
    }

    void Costs()
    {
        const std::string perYear = s_.currency + "/a";
        Line("Calculation of Economy according to VDI 2071");
        Figure("Investment cost", Number(e_.Investment, 0), s_.currency);
        Figure("Annuity (cost of capital)", Number(e_.CapitalCost, 0), perYear);
        Figure("Costs for maintenance and support", Number(e_.MaintenanceCost, 0), perYear);
        Figure("Costs for service", Number(e_.ServiceCost, 0), perYear);
        Figure("Energy consumption - by pressure loss", Number(e_.FanEnergyCost, 0), perYear);
        if (e_.DriveEnergyCost)
            Figure("Energy consumption - by drive motor", Number(*e_.DriveEnergyCost, 0), perYear);
        Figure("Total annual costs", Number(e_.TotalAnnualCosts, 0), perYear);
        Figure("Savings in heating costs", Number(e_.HeatSavings, 0), perYear);
        Figure("Savings in water costs", Number(e_.WaterSavings, 0), perYear);
        Figure("Savings in cooling costs", Number(e_.CoolingSavings, 0), perYear);
        Figure("Savings in operating costs", Number(e_.OperatingSavings, 0), perYear);
        Figure("Interest of savings in operating costs", Number(e_.InterestGain, 0), perYear);
        Figure("Annual savings in operating costs", Number(e_.AnnualSavings, 0), perYear);
        const NumberSeparators plain{s_.separators.decimal, '\0'};
        Figure("Benefit/cost factor", e_.BenefitCostFactor ? FormatFixed(*e_.BenefitCostFactor, 2, plain) : "-", "");
        Figure("Amortization time", e_.PaybackTime ? FormatFixed(*e_.PaybackTime, 2, plain) : "-", "a");
    }

    const CalcInputs& in_;
    const AnnualResults& r_;
    const EconomyResults& e_;
    const ReportSettings& s_;
    double energyFactor_;
    std::string energyUnit_;
    std::string waterUnit_;
    std::string text_;
};

}  // namespace

std::string CalculationReport(const CalcInputs& inputs, const AnnualResults& annual, const EconomyResults& economy,
                              const ReportSettings& settings)
{
    return Report(inputs, annual, economy, settings).Text();
}
