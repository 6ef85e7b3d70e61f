// The texts of the energy and cost result pages.

#include "core/forms/ResultsDisplay.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/text/Catalogue.h"

namespace {

using namespace ResultsDisplay;

const NumberSeparators English{'.', ','};
const NumberSeparators German{',', '.'};

// A year with October … April heating and May … September summer.
AnnualResults SampleYear()
{
    AnnualResults r{.WinterSensible = 7000,
                    .WinterLatent = 1400,
                    .SummerSensible = 500,
                    .SummerLatent = 250,
                    .WinterHours = 2345.6,
                    .SummerHours = 456.4,
                    .Humidification = 1000,
                    .Dehumidification = -500};
    for (std::size_t m = 0; m < 12; ++m) {
        const bool heating = m <= 3 || m >= 9;
        r.MonthSeason[m] = heating ? Season::Heating : Season::Summer;
        r.MonthSensible[m] = heating ? 1000.0 : -100.0;
        r.MonthLatent[m] = heating ? 200.0 : -50.0;
    }
    return r;
}

EnergyResultsView View(bool si, const NumberSeparators& separators = English, DeviceKind device = DeviceKind::Rotary,
                       const AnnualResults& annual = SampleYear())
{
    return EnergyResultsViewOf(annual, CalcInputs{.DeviceType = device}, si, separators);
}

// The year of the unit texts in the current language.
std::string Year()
{
    return CatalogueText(TextId::YearUnit);
}

TEST(ResultsDisplayEnergy, MonthlyEnergyAndSeasonSums)
{
    const auto uk = View(false);
    EXPECT_EQ(uk.Grid[0][HeatSensible], "3,412.0");
    EXPECT_EQ(uk.Grid[5][ColdLatent], "170.6");
    EXPECT_EQ(View(true).Grid[0][HeatSensible], "1,000.0");
    EXPECT_EQ(View(false, German).Grid[0][HeatSensible], "3.412,0");
    EXPECT_EQ(uk.Grid[12], (std::array<std::string, GridColumns>{}));
    // Row 13: the sums of the results, not added up from the cells.
    EXPECT_EQ(uk.Grid[GridSumRow], (std::array<std::string, GridColumns>{"23,884.0", "4,776.8", "1,706.0", "853.0"}));
    AnnualResults r = SampleYear();
    r.WinterSensible = 0.25;
    EXPECT_EQ(View(true, English, DeviceKind::Rotary, r).Grid[GridSumRow][HeatSensible], "0.3");
}

TEST(ResultsDisplayEnergy, PlateExchangersLeaveTheLatentColumnsEmpty)
{
    for (const DeviceKind kind : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        const auto view = View(true, English, kind);
        for (const auto& cells : view.Grid)
            EXPECT_EQ(cells[HeatLatent] + cells[ColdLatent], "") << "kind " << kind;
        EXPECT_EQ(view.Grid[GridSumRow][ColdSensible], "500.0");
    }
    EXPECT_EQ(View(true).Grid[GridSumRow][ColdLatent], "250.0");
}

TEST(ResultsDisplayEnergy, EachMonthShowsOnlyTheColumnsOfItsSeason)
{
    AnnualResults r = SampleYear();
    r.MonthSensible[1] = -321.0;  // a heating month in which the device cools
    r.MonthSensible[6] = 250.0;   // a summer month in which the device heats
    r.MonthLatent[6] = 30.0;
    r.MonthSensible[7] = 0.0;  // negated zero shows without a sign
    const auto view = View(true, English, DeviceKind::Rotary, r);
    for (std::size_t m = 0; m < 12; ++m) {
        const auto& cells = view.Grid[m];
        const bool heating = r.MonthSeason[m] == Season::Heating;
        EXPECT_EQ(!cells[HeatSensible].empty() + !cells[HeatLatent].empty(), heating ? 2 : 0) << "month " << m;
        EXPECT_EQ(!cells[ColdSensible].empty() + !cells[ColdLatent].empty(), heating ? 0 : 2) << "month " << m;
    }
    EXPECT_EQ(view.Grid[1][HeatSensible], "-321.0");
    EXPECT_EQ(view.Grid[6][ColdSensible], "-250.0");
    EXPECT_EQ(view.Grid[6][ColdLatent], "-30.0");
    EXPECT_EQ(view.Grid[7][ColdSensible], "0.0");
}

TEST(ResultsDisplayEnergy, SeasonLabelsWithoutDecimals)
{
    const auto si = View(true);
    EXPECT_EQ(si.WinterRecovery + "|" + si.SummerRecovery + "|" + si.Humidification + "|" + si.Dehumidification + "|" +
                  si.WinterHours + "|" + si.SummerHours,
              "8,400|750|1,000|500|2,346|456");
    EXPECT_EQ(si.GridUnit, "[kWh]");
    EXPECT_EQ(si.EnergyUnit + si.WaterUnit + si.HoursUnit, "kWh/" + Year() + "kg/" + Year() + "h/" + Year());
    const auto uk = View(false);
    // 8400 × 3.412 = 28660.8; 1000 kg = 2204.6 lb; 500 kg = 1102.3 lb; hours are no energy.
    EXPECT_EQ(uk.WinterRecovery + "|" + uk.Humidification + "|" + uk.Dehumidification + "|" + uk.WinterHours,
              "28,661|2,205|1,102|2,346");
    EXPECT_EQ(uk.GridUnit, "[kBTU]");
    EXPECT_EQ(uk.EnergyUnit + uk.WaterUnit, "kBTU/" + Year() + "lb/" + Year());
    EXPECT_EQ(View(false, German).Humidification, "2.205");
}

// Rounding and grouping in general are the number format's; EveryLabel
// covers the padded totals and the ratios with either separators.
TEST(ResultsDisplayFormats, AmountsTotalsAndRatios)
{
    EXPECT_EQ(FormatAmount(-0.4, English), "0");
    EXPECT_EQ(FormatAmount(9999999999.0, English), "9,999,999,999");
    EXPECT_EQ(FormatAmount(12345678901.0, English), "1.23456789E10");  // beyond ten digits
    EXPECT_EQ(FormatTotal(123456789.0, English), "123,456,789");       // longer: not cut
    EXPECT_EQ(FormatRatio(1234.567, English), "1234.57");              // no thousands separators
}

EconomyResults SampleEconomy()
{
    return {10000, 1490.29, 300,    2.5,  123.4,           35.6,  1951, 2940.5, 17.49,
            15,    2972,    237.76, 3210, 3210.0 / 1951.0, 4.4567};
}

std::vector<std::string> Labels(const CostResultsView& v)
{
    return {v.Investment,       v.CapitalCost,      v.MaintenanceCost, v.ServiceCost,       v.FanEnergyCost,
            v.DriveEnergyCost,  v.TotalAnnualCosts, v.HeatSavings,     v.WaterSavings,      v.CoolingSavings,
            v.OperatingSavings, v.InterestGain,     v.AnnualSavings,   v.BenefitCostFactor, v.PaybackTime};
}

TEST(ResultsDisplayCost, EveryLabel)
{
    const auto view = CostResultsViewOf(SampleEconomy(), DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(Labels(view), (std::vector<std::string>{"10,000", "1,490", "300", "3", "123", "36", "     1,951", "2,941",
                                                      "17", "15", "     2,972", "238", "     3,210", "1.65", "4.46"}));
    EXPECT_EQ(view.InvestmentUnit + "|" + view.AmountUnit + "|" + view.PaybackUnit, "EUR|EUR/" + Year() + "|" + Year());
    const auto de = CostResultsViewOf(SampleEconomy(), DeviceKind::Rotary, "€", German);
    EXPECT_EQ(de.AnnualSavings + "|" + de.PaybackTime + "|" + de.InvestmentUnit, "     3.210|4,46|€");
}

TEST(ResultsDisplayCost, AbsentValuesStayEmpty)
{
    for (const DeviceKind kind : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate})
        EXPECT_EQ(CostResultsViewOf(SampleEconomy(), kind, "EUR", English).DriveEnergyCost, "") << kind;
    EconomyResults e = SampleEconomy();
    e.DriveEnergyCost.reset();
    e.PaybackTime.reset();
    auto view = CostResultsViewOf(e, DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(view.DriveEnergyCost + view.PaybackTime, "");
    EXPECT_EQ(view.BenefitCostFactor, "1.65");
    e.BenefitCostFactor.reset();
    view = CostResultsViewOf(e, DeviceKind::Rotary, "EUR", English);
    EXPECT_EQ(view.BenefitCostFactor, "");
    EXPECT_EQ(view.AnnualSavings, "     3,210");
}

}  // namespace
