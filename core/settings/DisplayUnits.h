#pragma once
// The units every shown quantity has in SI and in UK/US: labels and factors.
//
// The program calculates in SI units (m³/h, °C, kWh, kg, …); a quantity is
// converted only where it is shown or typed in. Every place that chooses a
// unit label or factor by the unit system asks here, so that a window, a
// datasheet and the report never differ.

#include <array>
#include <string>

#include "core/text/TextId.h"

#include "core/settings/UnitConversion.h"

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

// A value shown in one unit system in the unit of the other (or the same),
// through the calculation unit as ConvertUnit goes and without rounding: how
// a window's unit switch converts the values it shows.
double SwitchedValue(DisplayQuantity quantity, bool fromSI, bool toSI, double shownValue);

// Shown value per calculation value of a quantity converted by a factor
// alone (Energy, PricedEnergy, WaterVolume; None gives 1): 1 in SI. NaN for
// the other quantities, whose conversion is no plain product.
double ShownFactor(DisplayQuantity quantity, bool siUnits);

// The unit of the quantity in the unit system, e.g. "m³/h", "cfm", "°C",
// "°F", "kWh", "kBTU"; empty for None.
std::string UnitLabel(DisplayQuantity quantity, bool siUnits);

// The unit as shown in `language`: the catalogue text where the unit is
// translated, otherwise UnitLabel.
std::string UnitLabelIn(int language, DisplayQuantity quantity, bool siUnits);

// A quantity's two units. Where the kind converts (ConvertUnit from siCode
// to ukCode), the UK/US value comes from there; a quantity of kind
// Unconverted is shown in UK/US as its calculation value times ukFactor.
struct DisplayUnit {
    DisplayQuantity quantity;
    TextId quantityText;  // the quantity's name, TextId::None for none
    TextId siUnitText;    // the SI unit where translated, or TextId::None
    const char* siUnit;   // the SI unit (English text where translated)
    TextId ukUnitText;    // the UK/US unit where translated, or TextId::None
    const char* ukUnit;   // the UK/US unit
    UnitKind kind;
    UnitCode siCode;
    UnitCode ukCode;
    double ukFactor;
    bool roundsBack;  // CalcValue in UK/US rounds to 1e-6
};

// The units of a quantity (those of None for a value without a name).
const DisplayUnit& DisplayUnitOf(DisplayQuantity quantity);

// The rows of the options window's units table, in their order.
inline constexpr std::array<DisplayQuantity, 10> UnitsTableQuantities = {
    DisplayQuantity::AirVolumeFlow,    DisplayQuantity::Temperature,        DisplayQuantity::HumidityRatio,
    DisplayQuantity::SpecificEnthalpy, DisplayQuantity::MassFlow,           DisplayQuantity::HeatFlow,
    DisplayQuantity::AirVelocity,      DisplayQuantity::PressureDifference, DisplayQuantity::AirPressure,
    DisplayQuantity::Length,
};
