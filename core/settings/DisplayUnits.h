#pragma once
// The units every shown quantity has in SI and in UK/US: labels and factors.
//
// The program calculates in SI units (m³/h, °C, kWh, kg, …); a quantity is
// converted only where it is shown or typed in. Every place that chooses a
// unit label or factor by the unit system asks here, so that a window, a
// datasheet and the report never differ.

#include <string>

// A quantity as the program shows it. The calculation unit is the SI one.
enum class DisplayQuantity {
    None,                // a plain number: no unit, never converted
    AirVolumeFlow,       // m³/h, cfm
    Temperature,         // °C, °F
    Energy,              // kWh, kBTU
    PricedEnergy,        // the energy of the prices: MWh, MBTU
    WaterMass,           // kg, lb
    WaterVolume,         // the water of the price: m³, cu ft
    HumidityRatio,       // g/kg, gr/lb
    SpecificEnthalpy,    // kJ/kg, BTU/lb
    MassFlow,            // kg/h, lb/h
    HeatFlow,            // kW, BTU/h
    AirVelocity,         // m/s, fpm
    PressureDifference,  // Pa, in.W.G.
    AirPressure,         // mbar, atm
    Length,              // m, ft
};

// kBTU per kWh (and MBTU per MWh) in the extended precision of the economy;
// the energies shown take it as double (KbtuPerKwh).
inline constexpr long double KbtuPerKwhExtended = 3.412L;
inline constexpr double KbtuPerKwh = static_cast<double>(KbtuPerKwhExtended);
// Cubic feet per cubic metre, the same way.
inline constexpr long double CubicFeetPerCubicMetreExtended = 35.315L;
inline constexpr double CubicFeetPerCubicMetre = static_cast<double>(CubicFeetPerCubicMetreExtended);

// A value in calculation units (m³/h, °C, kWh, kg, …) as shown in the unit
// system; in SI the value itself.
double ShownValue(DisplayQuantity quantity, bool siUnits, double calcValue);

// A shown value back in calculation units. For AirVolumeFlow and Temperature
// in UK/US the result is rounded to 1e-6, so that 71.6 °F gives exactly 22 °C
// and the simulation compares the same value as when it is typed in SI.
double CalcValue(DisplayQuantity quantity, bool siUnits, double shownValue);

// The unit of the quantity in the unit system, e.g. "m³/h", "cfm", "°C",
// "°F", "kWh", "kBTU"; empty for None.
std::string UnitLabel(DisplayQuantity quantity, bool siUnits);
