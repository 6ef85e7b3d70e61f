// The texts of the energy and cost result pages.

#include "core/forms/ResultsDisplay.h"

#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"

namespace ResultsDisplay {

namespace {

// Significant digits of the energy figures and the ratios (those of a double),
// of the single amounts (N0) and of the totals ("%n" takes all the digits the
// value has).
constexpr int EnergyPrecision = 15;
constexpr int AmountPrecision = 10;
constexpr int TotalPrecision = 18;
constexpr int RatioPrecision = 15;
constexpr std::size_t TotalWidth = 10;

}  // namespace

std::string FormatEnergy(double value, int decimals, const NumberSeparators& separators)
{
    return FormatFloat(value, FloatFormat::Number, EnergyPrecision, decimals, separators);
}

std::string FormatAmount(double value, const NumberSeparators& separators)
{
    return FormatFloat(value, FloatFormat::Number, AmountPrecision, 0, separators);
}

std::string FormatTotal(double value, const NumberSeparators& separators)
{
    std::string text = FormatFloat(value, FloatFormat::Number, TotalPrecision, 0, separators);
    if (text.size() < TotalWidth)
        text.insert(0, TotalWidth - text.size(), ' ');
    return text;
}

std::string FormatRatio(double value, const NumberSeparators& separators)
{
    return FormatFloat(value, FloatFormat::Fixed, RatioPrecision, 2, separators);
}

}  // namespace ResultsDisplay

EnergyResultsView EnergyResultsViewOf(const AnnualResults& annual, const CalcInputs& inputs, bool siUnits,
                                      const NumberSeparators& separators)
{
    using namespace ResultsDisplay;
    const bool rotary = inputs.DeviceType == DeviceKind::Rotary;
    const auto energy = [&](double kwh, int decimals) {
        return FormatEnergy(ShownValue(DisplayQuantity::Energy, siUnits, kwh), decimals, separators);
    };
    const auto water = [&](double kg) {
        return FormatEnergy(ShownValue(DisplayQuantity::WaterMass, siUnits, kg), 0, separators);
    };

    EnergyResultsView view;
    for (int m = 0; m < 12; ++m) {
        auto& row = view.Grid[static_cast<std::size_t>(m)];
        const auto i = static_cast<std::size_t>(m);
        // The seasons as the simulation sums them: a month that is not a
        // heating month belongs to the summer.
        if (annual.MonthSeason[i] == Season::Heating) {
            row[HeatSensible] = energy(annual.MonthSensible[i], 1);
            if (rotary)
                row[HeatLatent] = energy(annual.MonthLatent[i], 1);
        } else {
            row[ColdSensible] = energy(-annual.MonthSensible[i], 1);
            if (rotary)
                row[ColdLatent] = energy(-annual.MonthLatent[i], 1);
        }
    }
    auto& sums = view.Grid[GridSumRow];
    sums[HeatSensible] = energy(annual.WinterSensible, 1);
    sums[ColdSensible] = energy(annual.SummerSensible, 1);
    if (rotary) {
        sums[HeatLatent] = energy(annual.WinterLatent, 1);
        sums[ColdLatent] = energy(annual.SummerLatent, 1);
    }

    view.WinterRecovery = energy(annual.WinterSensible + annual.WinterLatent, 0);
    view.Humidification = water(annual.Humidification);
    view.WinterHours = FormatEnergy(annual.WinterHours, 0, separators);
    view.SummerRecovery = energy(annual.SummerSensible + annual.SummerLatent, 0);
    view.Dehumidification = water(-annual.Dehumidification);
    view.SummerHours = FormatEnergy(annual.SummerHours, 0, separators);

    const std::string perYear = "/" + CatalogueText(TextId::YearUnit);
    const std::string energyUnit = UnitLabel(DisplayQuantity::Energy, siUnits);
    view.GridUnit = "[" + energyUnit + "]";
    view.EnergyUnit = energyUnit + perYear;
    view.WaterUnit = UnitLabel(DisplayQuantity::WaterMass, siUnits) + perYear;
    view.HoursUnit = "h" + perYear;
    return view;
}

CostResultsView CostResultsViewOf(const EconomyResults& economy, DeviceKind deviceType, const std::string& currency,
                                  const NumberSeparators& separators)
{
    using namespace ResultsDisplay;
    const auto amount = [&](double value) { return FormatAmount(value, separators); };
    const auto total = [&](double value) { return FormatTotal(value, separators); };

    CostResultsView view;
    view.Investment = amount(economy.Investment);
    view.CapitalCost = amount(economy.CapitalCost);
    view.MaintenanceCost = amount(economy.MaintenanceCost);
    view.ServiceCost = amount(economy.ServiceCost);
    view.FanEnergyCost = amount(economy.FanEnergyCost);
    if (deviceType == DeviceKind::Rotary && economy.DriveEnergyCost)
        view.DriveEnergyCost = amount(*economy.DriveEnergyCost);
    view.TotalAnnualCosts = total(economy.TotalAnnualCosts);
    view.HeatSavings = amount(economy.HeatSavings);
    view.WaterSavings = amount(economy.WaterSavings);
    view.CoolingSavings = amount(economy.CoolingSavings);
    view.OperatingSavings = total(economy.OperatingSavings);
    view.InterestGain = amount(economy.InterestGain);
    view.AnnualSavings = total(economy.AnnualSavings);
    if (economy.BenefitCostFactor)
        view.BenefitCostFactor = FormatRatio(*economy.BenefitCostFactor, separators);
    if (economy.PaybackTime)
        view.PaybackTime = FormatRatio(*economy.PaybackTime, separators);

    const std::string year = CatalogueText(TextId::YearUnit);
    view.InvestmentUnit = currency;
    view.AmountUnit = currency + "/" + year;
    view.PaybackUnit = year;
    return view;
}
