#pragma once
// Economy of the heat recovery by the annuity method of VDI 2071: the yearly
// costs the device causes (capital, maintenance, service, electric energy of
// the additional fan power and of the rotor drive), the yearly savings it
// brings (heat, water, cold and the interest on them), and from both the
// benefit/cost factor and the payback time.

#include <optional>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/text/Outcome.h"

// All amounts are in the currency of the prices, per year except Investment,
// BenefitCostFactor (a ratio) and PaybackTime (years).
//
// The single lines hold the unrounded amounts. TotalAnnualCosts,
// OperatingSavings and AnnualSavings are sums of the single lines each
// rounded to the nearest whole number, ties to even, so they are whole
// numbers and match the sum of the amounts as they are shown (0 decimals).
struct EconomyResults {
    double Investment = 0;   // I
    double CapitalCost = 0;  // annuity factor × I
    double MaintenanceCost = 0;
    double ServiceCost = 0;
    double FanEnergyCost = 0;               // electric energy of the additional fan power
    std::optional<double> DriveEnergyCost;  // rotor drive; absent for the plate exchangers
    double TotalAnnualCosts = 0;            // K
    double HeatSavings = 0;
    double WaterSavings = 0;
    double CoolingSavings = 0;
    double OperatingSavings = 0;              // heat + water + cold, rounded sum
    double InterestGain = 0;                  // interest on OperatingSavings
    double AnnualSavings = 0;                 // S = OperatingSavings + rounded InterestGain
    std::optional<double> BenefitCostFactor;  // S / K; absent when K = 0
    std::optional<double> PaybackTime;        // years; absent when the savings never repay I
};

// Computes the economy from the economic inputs and the annual energy of the
// last completed run. `siUnits` selects the units of the prices: per MWh and
// per m³ when true, per MBTU and per cu ft otherwise.
//
// An economic input that is not a finite number, a negative price, cost,
// rate or investment, a service life of 0 years or less, a cost mode other
// than 1 (percent of the investment) or 2 (amount per year), a negative
// drive power of a rotary exchanger, a non-finite annual result used here, or
// a result beyond the range of double gives a CoreMessage with one of the
// EconomyText texts. Its first argument is the label of the field as the
// page shows it in the current language (CatalogueText), then the value
// where one was entered. Only its English text (the command line's) also
// names the field of CalcInputs, AnnualResults or EconomyResults. The
// caller's floating-point exception flags and rounding mode are left as they
// were.
Outcome<EconomyResults> CalculateEconomy(const CalcInputs& inputs, const AnnualResults& annual, bool siUnits);
