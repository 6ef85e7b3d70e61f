#pragma once
// Every field of EconomyResults by name, in declaration order, for reports.
// A visitor is called as v(name, field) with field a double& or
// std::optional<double>&.

#include "core/economy/Economy.h"

template <class V>
void VisitEconomyResults(EconomyResults& r, V&& v)
{
    v("Investment", r.Investment);
    v("CapitalCost", r.CapitalCost);
    v("MaintenanceCost", r.MaintenanceCost);
    v("ServiceCost", r.ServiceCost);
    v("FanEnergyCost", r.FanEnergyCost);
    v("DriveEnergyCost", r.DriveEnergyCost);
    v("TotalAnnualCosts", r.TotalAnnualCosts);
    v("HeatSavings", r.HeatSavings);
    v("WaterSavings", r.WaterSavings);
    v("CoolingSavings", r.CoolingSavings);
    v("OperatingSavings", r.OperatingSavings);
    v("InterestGain", r.InterestGain);
    v("AnnualSavings", r.AnnualSavings);
    v("BenefitCostFactor", r.BenefitCostFactor);
    v("PaybackTime", r.PaybackTime);
}
