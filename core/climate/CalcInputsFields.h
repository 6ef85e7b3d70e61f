#pragma once
// Every field of CalcInputs by name, in declaration order: the one table for
// every place that reads or writes the inputs field by field (the command
// line's JSON in both directions). A visitor is called as v(name, field) with
// field an int&, double&, std::uint8_t&, bool& or std::string&.

#include "core/climate/CalcInputs.h"

template <class V>
void VisitCalcInputs(CalcInputs& in, V&& v)
{
    v("ClimateZone", in.ClimateZone);
    v("AirPressure", in.AirPressure);
    v("SupplyVolWinter", in.SupplyVolWinter);
    v("ExtractVolWinter", in.ExtractVolWinter);
    v("ExtractTempWinter", in.ExtractTempWinter);
    v("ExtractHumWinter", in.ExtractHumWinter);
    v("SupplyVolSummer", in.SupplyVolSummer);
    v("ExtractVolSummer", in.ExtractVolSummer);
    v("ExtractTempSummer", in.ExtractTempSummer);
    v("ExtractHumSummer", in.ExtractHumSummer);
    v("DeviceType", in.DeviceType);
    v("RotorTypeCode", in.RotorTypeCode);
    v("WheelDiameter", in.WheelDiameter);
    v("DrivePower", in.DrivePower);
    v("StorageMassCode", in.StorageMassCode);
    v("PlateEdge", in.PlateEdge);
    v("PlateEdgeItem", in.PlateEdgeItem);
    v("PlateWidth", in.PlateWidth);
    v("PlateSpacingCode", in.PlateSpacingCode);
    v("SeriesCount", in.SeriesCount);
    v("GSSize", in.GSSize);
    v("GSWidth", in.GSWidth);
    v("OperatingFrom", in.OperatingFrom);
    v("OperatingTo", in.OperatingTo);
    v("DaysPerWeek", in.DaysPerWeek);
    v("HeatingMonthFrom", in.HeatingMonthFrom);
    v("HeatingMonthTo", in.HeatingMonthTo);
    v("SupplyTempControl", in.SupplyTempControl);
    v("MaxSupplyTemp", in.MaxSupplyTemp);
    v("SummerMode", in.SummerMode);
    v("SummerSwitchTemp", in.SummerSwitchTemp);
    v("Investment", in.Investment);
    v("Lifetime", in.Lifetime);
    v("InterestRate", in.InterestRate);
    v("PriceElectric", in.PriceElectric);
    v("PriceHeat", in.PriceHeat);
    v("PriceCold", in.PriceCold);
    v("PriceWater", in.PriceWater);
    v("Maintenance", in.Maintenance);
    v("MaintenanceMode", in.MaintenanceMode);
    v("Service", in.Service);
    v("ServiceMode", in.ServiceMode);
}
