#pragma once
// The texts of the result pages: every cell of the monthly energy grid, every
// value label of the winter, summer and cost panels and their unit labels.
// The window only puts these strings into its widgets; the datasheets and the
// command line report can take the same texts, so a result never reads
// differently in two places.
//
// Formats (all with the separators passed in, normally ProgramSeparators()):
// - energy and water: fixed point with thousands separators, 1 decimal in the
//   grid and 0 in the labels (FormatEnergy);
// - single amounts of the economy: N0, thousands separators, 0 decimals, ten
//   significant digits (FormatAmount);
// - the totals K, the operating savings and S: "%10.0n", thousands separators,
//   0 decimals, blanks in front up to 10 characters (FormatTotal);
// - benefit/cost factor and payback time: F2, 2 decimals, no thousands
//   separators (FormatRatio).
// All of them round half away from zero on the decimal digits, as the float
// formats of the numeric edits do (FormatFloat).

#include <array>
#include <string>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/economy/Economy.h"
#include "core/text/NumberFormat.h"

namespace ResultsDisplay {

// The grid of the monthly energy: rows 0 … 11 January … December, row 12
// empty, row 13 the sums of the seasons.
inline constexpr int GridColumns = 4;
inline constexpr int GridRows = 14;
inline constexpr int GridSumRow = 13;

// Columns of the grid.
inline constexpr int HeatSensible = 0;  // heat recovery, heating months
inline constexpr int HeatLatent = 1;    // moisture recovery, heating months, rotary only
inline constexpr int ColdSensible = 2;  // cold recovery, summer months
inline constexpr int ColdLatent = 3;    // dehumidification, summer months, rotary only

// An energy or water figure: fixed point, thousands grouped, `decimals`
// decimals (at most 15 significant digits).
std::string FormatEnergy(double value, int decimals, const NumberSeparators& separators);

// N0: a single amount of the economy, thousands grouped, no decimals, ten
// significant digits. An amount with more than ten integer digits is shown in
// scientific notation ("1.23456789E10"), since its last digits are not known
// to ten digits.
std::string FormatAmount(double value, const NumberSeparators& separators);

// "%10.0n": a total of the economy, thousands grouped, no decimals, blanks in
// front up to 10 characters; a longer text is not cut.
std::string FormatTotal(double value, const NumberSeparators& separators);

// F2: two decimals, no thousands separators.
std::string FormatRatio(double value, const NumberSeparators& separators);

}  // namespace ResultsDisplay

// The energy page: StringGrid1 and the labels of Panel8
// (winter) and Panel9 (summer).
struct EnergyResultsView {
    // Grid[row][column]; an empty text is an empty cell.
    std::array<std::array<std::string, ResultsDisplay::GridColumns>, ResultsDisplay::GridRows> Grid;

    std::string WinterRecovery;    // Label65: winter sensible + latent, per year
    std::string Humidification;    // Label120: water into the supply air, per year
    std::string WinterHours;       // Label123
    std::string SummerRecovery;    // Label67: summer sensible + latent, per year
    std::string Dehumidification;  // Label119: water taken from the supply air, per year
    std::string SummerHours;       // Label124

    std::string GridUnit;    // Label61, Label62, Label127, Label128: "[kWh]" or "[kBTU]"
    std::string EnergyUnit;  // Label66, Label68: "kWh/a" or "kBTU/a"
    std::string WaterUnit;   // Label121, Label122: "kg/a" or "lb/a"
    std::string HoursUnit;   // Label125, Label126: "h/a"
};

// The texts of the energy page for the results of a run with `inputs` (only
// the device type is used). A heating month fills only the heat recovery
// columns, a summer month only the cold recovery columns, with the monthly
// values negated (cold recovered counts positive), whatever direction the
// device transferred in that month; the latent columns are filled for the
// rotary exchanger only. Energies are shown in kWh (siUnits) or kBTU, water in
// kg or lb. The year in the unit texts is TextId::YearUnit of the current
// language.
EnergyResultsView EnergyResultsViewOf(const AnnualResults& annual, const CalcInputs& inputs, bool siUnits,
                                      const NumberSeparators& separators);

// The cost page (Tab_Kosteneinsparung).
struct CostResultsView {
    std::string Investment;         // Label102, N0
    std::string CapitalCost;        // Label103, N0
    std::string MaintenanceCost;    // Label104, N0
    std::string ServiceCost;        // Label105, N0
    std::string FanEnergyCost;      // Label107, N0
    std::string DriveEnergyCost;    // Label108, N0; empty for the plate exchangers
    std::string TotalAnnualCosts;   // Label109, "%10.0n"
    std::string HeatSavings;        // Label110, N0
    std::string WaterSavings;       // Label111, N0
    std::string CoolingSavings;     // Label112, N0
    std::string OperatingSavings;   // Label113, "%10.0n"
    std::string InterestGain;       // Label114, N0
    std::string AnnualSavings;      // Label115, "%10.0n"
    std::string BenefitCostFactor;  // Label116, F2; empty when there is none
    std::string PaybackTime;        // Label59, F2; empty when the savings never repay the investment

    std::string InvestmentUnit;  // Label80: the currency
    std::string AmountUnit;      // Label89 … Label101: currency + "/" + TextId::YearUnit
    std::string PaybackUnit;     // Label60: TextId::YearUnit
};

// The texts of the cost page. The drive line is shown for the rotary
// exchanger (DeviceKind::Rotary) only, and there only when the results carry
// a drive cost.
CostResultsView CostResultsViewOf(const EconomyResults& economy, DeviceKind deviceType, const std::string& currency,
                                  const NumberSeparators& separators);
