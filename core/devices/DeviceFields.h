#pragma once
// Every field of the calculation data classes by name, in declaration order,
// level by level: the one table for every place that reads or writes a
// calculation data object field by field (the command line, reports).
//
// A visitor is called as v(name, field) with field a double&, std::int32_t&,
// std::uint8_t&, AirPort& or AirStreamData&; for the last two, VisitPortFields
// and VisitStreamFields name their parts. The overload for the most derived
// class of an object visits all its levels.

#include "core/devices/CounterflowPlateExchanger.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/Recuperators.h"
#include "core/devices/RotaryExchanger.h"
#include "core/devices/SorptionRotor.h"

template <class V>
void VisitPortFields(AirPort& p, V&& v)
{
    v("StdVolFlow", p.StdVolFlow);
    v("VolFlow", p.VolFlow);
    v("Temp", p.Temp);
    v("RelHum", p.RelHum);
    v("HumRatio", p.HumRatio);
    v("DewPoint", p.DewPoint);
    v("WetBulb", p.WetBulb);
    v("Enthalpy", p.Enthalpy);
    v("Density", p.Density);
    v("DryMassFlow", p.DryMassFlow);
    v("VapourMassFlow", p.VapourMassFlow);
    v("MassFlow", p.MassFlow);
}

template <class V>
void VisitStreamFields(AirStreamData& s, V&& v)
{
    v("Inlet", s.Inlet);
    v("Outlet", s.Outlet);
    v("PressureDrop", s.PressureDrop);
    v("PressureDropStd", s.PressureDropStd);
    v("FaceVelocity", s.FaceVelocity);
    v("Velocity", s.Velocity);
}

template <class V>
void VisitFields(TDaten& d, V&& v)
{
    v("Status", d.Status);
    v("StateMode", d.StateMode);
    v("FlowMode", d.FlowMode);
    v("Pressure", d.Pressure);
}

template <class V>
void VisitFields(TDatenI& d, V&& v)
{
    VisitFields(static_cast<TDaten&>(d), v);
    v("Stream1", d.Stream1);
}

template <class V>
void VisitFields(TDatenII& d, V&& v)
{
    VisitFields(static_cast<TDatenI&>(d), v);
    v("Stream2", d.Stream2);
}

template <class V>
void VisitFields(TDatenREK& d, V&& v)
{
    VisitFields(static_cast<TDatenII&>(d), v);
    v("UnitCount", d.UnitCount);
    v("EdgeLength", d.EdgeLength);
    v("GsSize", d.GsSize);
    v("ModuleEdge", d.ModuleEdge);
    v("PackageWidth", d.PackageWidth);
    v("SpacingIndex", d.SpacingIndex);
    v("PlateSpacing", d.PlateSpacing);
    v("SpacingGiven", d.SpacingGiven);
    v("EffTemp1", d.EffTemp1);
    v("EffTemp2", d.EffTemp2);
    v("EffTemp1Wet", d.EffTemp1Wet);
    v("EffTemp2Wet", d.EffTemp2Wet);
    v("HeatSens1", d.HeatSens1);
    v("HeatSens2", d.HeatSens2);
    v("HeatTotal1", d.HeatTotal1);
    v("HeatTotal2", d.HeatTotal2);
    v("EffMin1", d.EffMin1);
    v("EffMin1Wet", d.EffMin1Wet);
    v("EffMin2", d.EffMin2);
    v("EffMin2Wet", d.EffMin2Wet);
    v("Condensate1", d.Condensate1);
    v("Condensate2", d.Condensate2);
    v("CondensationState", d.CondensationState);
}

template <class V>
void VisitFields(TDatenREG& d, V&& v)
{
    VisitFields(static_cast<TDatenII&>(d), v);
    v("RotorType", d.RotorType);
    v("SensibleHeat1", d.SensibleHeat1);
    v("SensibleHeat2", d.SensibleHeat2);
    v("LatentHeat1", d.LatentHeat1);
    v("LatentHeat2", d.LatentHeat2);
    v("MoistureFlow1", d.MoistureFlow1);
    v("MoistureFlow2", d.MoistureFlow2);
    v("RotorDiameter", d.RotorDiameter);
    v("FoilThickness", d.FoilThickness);
    v("WaveHeight", d.WaveHeight);
    v("RotorSpeed", d.RotorSpeed);
    v("RotorDepth", d.RotorDepth);
    v("LimitOutlet1", d.LimitOutlet1);
    v("OutletLimit1", d.OutletLimit1);
    v("TempEff1", d.TempEff1);
    v("TempEff2", d.TempEff2);
    v("HumEff1", d.HumEff1);
    v("HumEff2", d.HumEff2);
    v("TempEffMin1", d.TempEffMin1);
    v("HumEffMin1", d.HumEffMin1);
    v("TempEffMin2", d.TempEffMin2);
    v("HumEffMin2", d.HumEffMin2);
    v("TotalHeat1", d.TotalHeat1);
    v("TotalHeat2", d.TotalHeat2);
    v("Condensate1", d.Condensate1);
    v("Condensate2", d.Condensate2);
}

template <class V>
void VisitFields(TDatenRWT& d, V&& v)
{
    VisitFields(static_cast<TDatenREG&>(d), v);
    v("WavePitch", d.WavePitch);
}

template <class V>
void VisitFields(TDatenZEPRA_2000& d, V&& v)
{
    VisitFields(static_cast<TDatenREG&>(d), v);
    v("OperatingMode", d.OperatingMode);
}
