#include "app/ResultsDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "ui/Catalogue.h"

namespace {

const NumberSeparators English{'.', ','};
const NumberSeparators German{',', '.'};

// A year with October … April heating and May … September summer.
AnnualResults SampleYear()
{
    AnnualResults r;
    for (int m = 0; m < 12; ++m) {
        const bool heating = m <= 3 || m >= 9;
        r.MonthSeason[static_cast<std::size_t>(m)] = heating ? Season::Heating : Season::Summer;
        r.MonthSensible[static_cast<std::size_t>(m)] = heating ? 1000.0 : -100.0;
        r.MonthLatent[static_cast<std::size_t>(m)] = heating ? 200.0 : -50.0;
    }
    r.WinterSensible = 7000;
    r.WinterLatent = 1400;
    r.SummerSensible = 500;
    r.SummerLatent = 250;
    r.WinterHours = 2345.6;
    r.SummerHours = 456.4;
    r.Humidification = 1000;
    r.Dehumidification = -500;
    return r;
}

CalcInputs Device(int deviceType)
{
    CalcInputs in;
    in.DeviceType = deviceType;
    return in;
}

// The year of the unit texts in the current language.
std::string Year() { return CatalogueText(491); }

TEST(ResultsDisplayEnergy, MonthlyEnergyInKbtuWithOneDecimal)
{
    const auto uk = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), false, English);
    EXPECT_EQ(uk.Grid[0][ResultsDisplay::HeatSensible], "3,412.0");
    EXPECT_EQ(uk.Grid[0][ResultsDisplay::HeatLatent], "682.4");
    EXPECT_EQ(uk.Grid[5][ResultsDisplay::ColdSensible], "341.2");
    EXPECT_EQ(uk.Grid[5][ResultsDisplay::ColdLatent], "170.6");

    const auto si = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), true, English);
    EXPECT_EQ(si.Grid[0][ResultsDisplay::HeatSensible], "1,000.0");
    EXPECT_EQ(si.Grid[5][ResultsDisplay::ColdSensible], "100.0");

    const auto de = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), false, German);
    EXPECT_EQ(de.Grid[0][ResultsDisplay::HeatSensible], "3.412,0");
}

TEST(ResultsDisplayEnergy, PlateExchangersLeaveTheLatentColumnsEmpty)
{
    for (const int kind : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        const auto view = EnergyResultsViewOf(SampleYear(), Device(kind), true, English);
        for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
            const auto& cells = view.Grid[static_cast<std::size_t>(row)];
            EXPECT_EQ(cells[ResultsDisplay::HeatLatent], "") << "kind " << kind << " row " << row;
            EXPECT_EQ(cells[ResultsDisplay::ColdLatent], "") << "kind " << kind << " row " << row;
        }
        EXPECT_EQ(view.Grid[0][ResultsDisplay::HeatSensible], "1,000.0");
        EXPECT_EQ(view.Grid[ResultsDisplay::GridSumRow][ResultsDisplay::ColdSensible], "500.0");
    }
    const auto rotary = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), true, English);
    EXPECT_EQ(rotary.Grid[ResultsDisplay::GridSumRow][ResultsDisplay::HeatLatent], "1,400.0");
    EXPECT_EQ(rotary.Grid[ResultsDisplay::GridSumRow][ResultsDisplay::ColdLatent], "250.0");
}

TEST(ResultsDisplayEnergy, EachMonthShowsOnlyTheColumnsOfItsSeason)
{
    AnnualResults r = SampleYear();
    r.MonthSensible[1] = -321.0;  // a heating month in which the device cools
    r.MonthLatent[1] = -12.0;
    r.MonthSensible[6] = 250.0;   // a summer month in which the device heats
    r.MonthLatent[6] = 30.0;
    r.MonthSensible[7] = 0.0;     // a summer month without recovery
    r.MonthLatent[7] = 0.0;
    const auto view = EnergyResultsViewOf(r, Device(DeviceKind::Rotary), true, English);

    for (int m = 0; m < 12; ++m) {
        const auto& cells = view.Grid[static_cast<std::size_t>(m)];
        const bool heating = r.MonthSeason[static_cast<std::size_t>(m)] == Season::Heating;
        EXPECT_EQ(cells[ResultsDisplay::HeatSensible].empty(), !heating) << "month " << m;
        EXPECT_EQ(cells[ResultsDisplay::HeatLatent].empty(), !heating) << "month " << m;
        EXPECT_EQ(cells[ResultsDisplay::ColdSensible].empty(), heating) << "month " << m;
        EXPECT_EQ(cells[ResultsDisplay::ColdLatent].empty(), heating) << "month " << m;
    }
    EXPECT_EQ(view.Grid[1][ResultsDisplay::HeatSensible], "-321.0");
    EXPECT_EQ(view.Grid[1][ResultsDisplay::HeatLatent], "-12.0");
    EXPECT_EQ(view.Grid[6][ResultsDisplay::ColdSensible], "-250.0");
    EXPECT_EQ(view.Grid[6][ResultsDisplay::ColdLatent], "-30.0");
    // Negated zero shows without a sign.
    EXPECT_EQ(view.Grid[7][ResultsDisplay::ColdSensible], "0.0");
    EXPECT_EQ(view.Grid[7][ResultsDisplay::ColdLatent], "0.0");
}

TEST(ResultsDisplayEnergy, EmptyRowAndSeasonSums)
{
    const auto view = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), false, English);
    for (const auto& cell : view.Grid[12])
        EXPECT_EQ(cell, "");
    const auto& sums = view.Grid[ResultsDisplay::GridSumRow];
    EXPECT_EQ(sums[ResultsDisplay::HeatSensible], "23,884.0");
    EXPECT_EQ(sums[ResultsDisplay::HeatLatent], "4,776.8");
    EXPECT_EQ(sums[ResultsDisplay::ColdSensible], "1,706.0");
    EXPECT_EQ(sums[ResultsDisplay::ColdLatent], "853.0");

    // The sums are those of the results, not added up from the cells.
    AnnualResults r = SampleYear();
    r.WinterSensible = 0.25;
    const auto si = EnergyResultsViewOf(r, Device(DeviceKind::Rotary), true, English);
    EXPECT_EQ(si.Grid[ResultsDisplay::GridSumRow][ResultsDisplay::HeatSensible], "0.3");
}

TEST(ResultsDisplayEnergy, SeasonLabelsWithoutDecimals)
{
    const auto si = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), true, English);
    EXPECT_EQ(si.WinterRecovery, "8,400");
    EXPECT_EQ(si.SummerRecovery, "750");
    EXPECT_EQ(si.Humidification, "1,000");
    EXPECT_EQ(si.Dehumidification, "500");
    EXPECT_EQ(si.WinterHours, "2,346");
    EXPECT_EQ(si.SummerHours, "456");
    EXPECT_EQ(si.GridUnit, "[kWh]");
    EXPECT_EQ(si.EnergyUnit, "kWh/" + Year());
    EXPECT_EQ(si.WaterUnit, "kg/" + Year());
    EXPECT_EQ(si.HoursUnit, "h/" + Year());

    const auto uk = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), false, English);
    EXPECT_EQ(uk.WinterRecovery, "28,661");  // 8400 × 3.412 = 28660.8
    EXPECT_EQ(uk.SummerRecovery, "2,559");   // 750 × 3.412 = 2559
    EXPECT_EQ(uk.Humidification, "2,205");   // 1000 kg = 2204.6 lb
    EXPECT_EQ(uk.Dehumidification, "1,102"); // 500 kg = 1102.3 lb
    EXPECT_EQ(uk.WinterHours, "2,346");      // hours are no energy
    EXPECT_EQ(uk.GridUnit, "[kBTU]");
    EXPECT_EQ(uk.EnergyUnit, "kBTU/" + Year());
    EXPECT_EQ(uk.WaterUnit, "lb/" + Year());

    const auto de = EnergyResultsViewOf(SampleYear(), Device(DeviceKind::Rotary), false, German);
    EXPECT_EQ(de.WinterRecovery, "28.661");
    EXPECT_EQ(de.Humidification, "2.205");
}

// The number formats of the cost page.
TEST(ResultsDisplayFormats, AmountsAsN0)
{
    EXPECT_EQ(ResultsDisplay::FormatAmount(1490.29, English), "1,490");
    EXPECT_EQ(ResultsDisplay::FormatAmount(1490.29, German), "1.490");
    EXPECT_EQ(ResultsDisplay::FormatAmount(2.5, English), "3");  // half away from zero
    EXPECT_EQ(ResultsDisplay::FormatAmount(-0.4, English), "0");
    EXPECT_EQ(ResultsDisplay::FormatAmount(1234567.0, English), "1,234,567");
    EXPECT_EQ(ResultsDisplay::FormatAmount(9999999999.0, English), "9,999,999,999");
    // Beyond ten significant digits the runtime's number format turns scientific.
    EXPECT_EQ(ResultsDisplay::FormatAmount(12345678901.0, English), "1.23456789E10");
    EXPECT_EQ(ResultsDisplay::FormatAmount(1234.0, NumberSeparators{'.', '\0'}), "1234");
}

TEST(ResultsDisplayFormats, TotalsPaddedToTenCharacters)
{
    EXPECT_EQ(ResultsDisplay::FormatTotal(1490.0, English), "     1,490");
    EXPECT_EQ(ResultsDisplay::FormatTotal(0.0, English), "         0");
    EXPECT_EQ(ResultsDisplay::FormatTotal(1234567.0, German), " 1.234.567");
    EXPECT_EQ(ResultsDisplay::FormatTotal(123456789.0, English), "123,456,789");  // longer: not cut
    EXPECT_EQ(ResultsDisplay::FormatTotal(12345678901.0, English), "12,345,678,901");
}

TEST(ResultsDisplayFormats, RatiosAsF2)
{
    EXPECT_EQ(ResultsDisplay::FormatRatio(1.5, English), "1.50");
    EXPECT_EQ(ResultsDisplay::FormatRatio(1.5, German), "1,50");
    EXPECT_EQ(ResultsDisplay::FormatRatio(1234.567, English), "1234.57");  // no thousands separators
    EXPECT_EQ(ResultsDisplay::FormatRatio(0.125, English), "0.13");
}

EconomyResults SampleEconomy()
{
    EconomyResults e;
    e.Investment = 10000;
    e.CapitalCost = 1490.29;
    e.MaintenanceCost = 300;
    e.ServiceCost = 2.5;
    e.FanEnergyCost = 123.4;
    e.DriveEnergyCost = 35.6;
    e.TotalAnnualCosts = 1951;
    e.HeatSavings = 2940.5;
    e.WaterSavings = 17.49;
    e.CoolingSavings = 15;
    e.OperatingSavings = 2972;
    e.InterestGain = 237.76;
    e.AnnualSavings = 3210;
    e.BenefitCostFactor = 3210.0 / 1951.0;
    e.PaybackTime = 4.4567;
    return e;
}

TEST(ResultsDisplayCost, EveryLabelOfARotaryExchanger)
{
    const auto view = CostResultsViewOf(SampleEconomy(), DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(view.Investment, "10,000");
    EXPECT_EQ(view.CapitalCost, "1,490");
    EXPECT_EQ(view.MaintenanceCost, "300");
    EXPECT_EQ(view.ServiceCost, "3");
    EXPECT_EQ(view.FanEnergyCost, "123");
    EXPECT_EQ(view.DriveEnergyCost, "36");
    EXPECT_EQ(view.TotalAnnualCosts, "     1,951");
    EXPECT_EQ(view.HeatSavings, "2,941");
    EXPECT_EQ(view.WaterSavings, "17");
    EXPECT_EQ(view.CoolingSavings, "15");
    EXPECT_EQ(view.OperatingSavings, "     2,972");
    EXPECT_EQ(view.InterestGain, "238");
    EXPECT_EQ(view.AnnualSavings, "     3,210");
    EXPECT_EQ(view.BenefitCostFactor, "1.65");
    EXPECT_EQ(view.PaybackTime, "4.46");
    EXPECT_EQ(view.InvestmentUnit, "EUR");
    EXPECT_EQ(view.AmountUnit, "EUR/" + Year());
    EXPECT_EQ(view.PaybackUnit, Year());

    const auto de = CostResultsViewOf(SampleEconomy(), DeviceKind::Rotary, "€", German);
    EXPECT_EQ(de.CapitalCost, "1.490");
    EXPECT_EQ(de.AnnualSavings, "     3.210");
    EXPECT_EQ(de.PaybackTime, "4,46");
    EXPECT_EQ(de.InvestmentUnit, "€");
}

TEST(ResultsDisplayCost, DriveLineOnlyForTheRotaryExchanger)
{
    for (const int kind : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate})
        EXPECT_EQ(CostResultsViewOf(SampleEconomy(), kind, "EUR", English).DriveEnergyCost, "") << kind;
    EconomyResults e = SampleEconomy();
    e.DriveEnergyCost.reset();
    EXPECT_EQ(CostResultsViewOf(e, DeviceKind::Rotary, "EUR", English).DriveEnergyCost, "");
}

TEST(ResultsDisplayCost, AbsentFactorAndPaybackStayEmpty)
{
    EconomyResults e = SampleEconomy();
    e.PaybackTime.reset();
    auto view = CostResultsViewOf(e, DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(view.PaybackTime, "");
    EXPECT_EQ(view.BenefitCostFactor, "1.65");
    e.BenefitCostFactor.reset();
    view = CostResultsViewOf(e, DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(view.BenefitCostFactor, "");
    EXPECT_EQ(view.AnnualSavings, "     3,210");
}

TEST(ResultsDisplayCost, ShowsTheResultsOfTheEconomy)
{
    CalcInputs in;
    in.Investment = 10000;
    in.Lifetime = 10;
    in.InterestRate = 8;
    in.DeviceType = DeviceKind::CrossFlowPlate;
    const auto outcome = CalculateEconomy(in, AnnualResults{}, true);
    const auto* economy = std::get_if<EconomyResults>(&outcome);
    ASSERT_NE(economy, nullptr);
    const auto view = CostResultsViewOf(*economy, in.DeviceType, "EUR", English);
    EXPECT_EQ(view.CapitalCost, "1,490");
    EXPECT_EQ(view.DriveEnergyCost, "");
    // No savings: the investment is never repaid.
    EXPECT_EQ(view.PaybackTime, "");
}

}  // namespace
