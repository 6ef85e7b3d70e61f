#pragma once
// Every field of AnnualResults by name, in declaration order, for reports.
// A visitor is called as v(name, field) with field an int&, double&,
// std::array<int, 12>& or std::array<double, 12>&.

#include "core/climate/AnnualResults.h"

template <class V>
void VisitAnnualResults(AnnualResults& r, V&& v)
{
    v("MonthSeason", r.MonthSeason);
    v("HeatingMonths", r.HeatingMonths);
    v("SummerMonths", r.SummerMonths);
    v("MonthSensible", r.MonthSensible);
    v("MonthLatent", r.MonthLatent);
    v("WinterSensible", r.WinterSensible);
    v("WinterLatent", r.WinterLatent);
    v("SummerSensible", r.SummerSensible);
    v("SummerLatent", r.SummerLatent);
    v("WinterHours", r.WinterHours);
    v("SummerHours", r.SummerHours);
    v("Humidification", r.Humidification);
    v("Dehumidification", r.Dehumidification);
    v("MaxDpSupplyWinter", r.MaxDpSupplyWinter);
    v("MaxDpExtractWinter", r.MaxDpExtractWinter);
    v("MaxDpSupplySummer", r.MaxDpSupplySummer);
    v("MaxDpExtractSummer", r.MaxDpExtractSummer);
    v("FanEnergy", r.FanEnergy);
    v("ChartMax", r.ChartMax);
    v("ChartMin", r.ChartMin);
}
