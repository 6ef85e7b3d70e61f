#pragma once
// Conversion between the SI units of calculation and the display units.
//
// Every quantity kind has a base code, the unit the program calculates in.
// ConvertUnit goes from the `from` unit to the base unit and from there to the
// `to` unit. A `from` code foreign to the kind counts as the base unit; a `to`
// code foreign to the kind returns the value unchanged; kinds 0, 12 and above
// 13 return the value unchanged. Stored settings and callers rely on these
// rules, so they stay as they are.

#include <array>

#include "core/text/TextId.h"

namespace UnitKind {
inline constexpr int AirVolumeFlow = 1;
inline constexpr int Temperature = 2;
inline constexpr int HumidityRatio = 3;
inline constexpr int PressureDifference = 4;
inline constexpr int AirVelocity = 5;
inline constexpr int HeatFlow = 6;
inline constexpr int AirPressure = 7;
inline constexpr int Mass = 8;
inline constexpr int MassAlternative = 9;
inline constexpr int Length = 10;
inline constexpr int SpecificEnthalpy = 11;
inline constexpr int Unconverted = 12;
inline constexpr int Density = 13;
}  // namespace UnitKind

namespace UnitCode {
inline constexpr int CubicMetresPerHour = 1;   // base of AirVolumeFlow
inline constexpr int Cfm = 2;
inline constexpr int Celsius = 3;              // base of Temperature
inline constexpr int Fahrenheit = 4;
inline constexpr int GramsPerKilogram = 5;     // base of HumidityRatio
inline constexpr int GrainsPerPound = 6;
inline constexpr int Pascal = 7;               // base of PressureDifference
inline constexpr int InchesWaterGauge = 8;
inline constexpr int MetresPerSecond = 9;      // base of AirVelocity
inline constexpr int FeetPerMinute = 10;
inline constexpr int Watt = 11;                // base of HeatFlow
inline constexpr int Kilowatt = 12;
inline constexpr int BtuPerHour = 13;
inline constexpr int Millibar = 14;            // base of AirPressure
inline constexpr int Atmosphere = 15;
inline constexpr int Kilogram = 16;            // base of Mass
inline constexpr int Pound = 17;
inline constexpr int KilogramAlternative = 18; // base of MassAlternative
inline constexpr int PoundAlternative = 19;
inline constexpr int Metre = 20;               // base of Length
inline constexpr int Millimetre = 21;
inline constexpr int Foot = 22;
inline constexpr int Inch = 23;
inline constexpr int KilojoulePerKilogram = 24; // base of SpecificEnthalpy
inline constexpr int BtuPerPound = 25;
inline constexpr int UnconvertedA = 26;        // kind Unconverted: passed through
inline constexpr int UnconvertedB = 27;
inline constexpr int KilogramPerCubicMetre = 28; // base of Density
inline constexpr int PoundPerCubicFoot = 29;
}  // namespace UnitCode

// The value converted from unit `from` to unit `to` of quantity kind `kind`.
double ConvertUnit(int kind, int from, int to, double value);

// The base code of a kind, or 0 for a kind without conversion.
int BaseUnitCode(int kind);

// One row of the units table of the options window: a quantity with its SI
// and UK/US display units. A unit text is a catalogue text where the unit is
// translated, otherwise None with the literal in the unit string.
struct DisplayUnitPair {
    TextId quantityText;   // the quantity name
    TextId siUnitText;     // the SI unit, or None
    const char* siUnit;    // the SI unit (English text where translated)
    TextId ukUnitText;     // the UK/US unit, or None
    const char* ukUnit;    // the UK/US unit
    int kind;
    int siCode;
    int ukCode;
};

inline constexpr std::array<DisplayUnitPair, 10> DisplayUnitTable = {{
    {TextId::AirQuantity, TextId::CubicMetresPerHour, "m³/h", TextId::None, "cfm", UnitKind::AirVolumeFlow,
     UnitCode::CubicMetresPerHour, UnitCode::Cfm},
    {TextId::Temperature, TextId::Celsius, "°C", TextId::Fahrenheit, "°F", UnitKind::Temperature, UnitCode::Celsius,
     UnitCode::Fahrenheit},
    {TextId::AbsoluteHumidity, TextId::None, "g/kg", TextId::None, "gr/lb", UnitKind::HumidityRatio,
     UnitCode::GramsPerKilogram, UnitCode::GrainsPerPound},
    {TextId::Enthalpy, TextId::None, "kJ/kg", TextId::None, "BTU/lb", UnitKind::SpecificEnthalpy,
     UnitCode::KilojoulePerKilogram, UnitCode::BtuPerPound},
    {TextId::MassFlow, TextId::None, "kg/h", TextId::None, "lb/h", UnitKind::Mass, UnitCode::Kilogram, UnitCode::Pound},
    {TextId::HeatRecoveryQuantity, TextId::None, "kW", TextId::None, "BTU/h", UnitKind::HeatFlow, UnitCode::Kilowatt,
     UnitCode::BtuPerHour},
    {TextId::AirVelocity, TextId::None, "m/s", TextId::None, "fpm", UnitKind::AirVelocity, UnitCode::MetresPerSecond,
     UnitCode::FeetPerMinute},
    {TextId::PressureDrop, TextId::None, "Pa", TextId::None, "in.W.G.", UnitKind::PressureDifference, UnitCode::Pascal,
     UnitCode::InchesWaterGauge},
    {TextId::AirPressure, TextId::None, "mbar", TextId::None, "atm", UnitKind::AirPressure, UnitCode::Millibar,
     UnitCode::Atmosphere},
    {TextId::Altitude, TextId::None, "m", TextId::None, "ft", UnitKind::Length, UnitCode::Metre, UnitCode::Foot},
}};
