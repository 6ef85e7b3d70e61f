#pragma once
// Conversion between the SI units of calculation and the display units.
//
// Every quantity kind has a base code, the unit the program calculates in.
// ConvertUnit goes from the `from` unit to the base unit and from there to the
// `to` unit. A `from` code foreign to the kind counts as the base unit; a `to`
// code foreign to the kind returns the value unchanged; kinds 0, 12 and above
// 13 return the value unchanged. Stored settings and callers rely on these
// rules, so they stay as they are.

// Quantity kinds and unit codes keep their numbers: stored settings, the
// command line and the options window's units table use them, and any int
// may arrive as one (a kind or code without a name converts as described
// above).
enum class UnitKind : int {
    AirVolumeFlow = 1,
    Temperature = 2,
    HumidityRatio = 3,
    PressureDifference = 4,
    AirVelocity = 5,
    HeatFlow = 6,
    AirPressure = 7,
    Mass = 8,
    MassAlternative = 9,
    Length = 10,
    SpecificEnthalpy = 11,
    Unconverted = 12,
    Density = 13,
};

enum class UnitCode : int {
    None = 0,                // the base code of a kind that converts nothing
    CubicMetresPerHour = 1,  // base of AirVolumeFlow
    Cfm = 2,
    Celsius = 3,  // base of Temperature
    Fahrenheit = 4,
    GramsPerKilogram = 5,  // base of HumidityRatio
    GrainsPerPound = 6,
    Pascal = 7,  // base of PressureDifference
    InchesWaterGauge = 8,
    MetresPerSecond = 9,  // base of AirVelocity
    FeetPerMinute = 10,
    Watt = 11,  // base of HeatFlow
    Kilowatt = 12,
    BtuPerHour = 13,
    Millibar = 14,  // base of AirPressure
    Atmosphere = 15,
    Kilogram = 16,  // base of Mass
    Pound = 17,
    KilogramAlternative = 18,  // base of MassAlternative
    PoundAlternative = 19,
    Metre = 20,  // base of Length
    Millimetre = 21,
    Foot = 22,
    Inch = 23,
    KilojoulePerKilogram = 24,  // base of SpecificEnthalpy
    BtuPerPound = 25,
    UnconvertedA = 26,  // kind Unconverted: passed through
    UnconvertedB = 27,
    KilogramPerCubicMetre = 28,  // base of Density
    PoundPerCubicFoot = 29,
};

// The value converted from unit `from` to unit `to` of quantity kind `kind`.
double ConvertUnit(UnitKind kind, UnitCode from, UnitCode to, double value);

// The base code of a kind, UnitCode::None for a kind without conversion.
UnitCode BaseUnitCode(UnitKind kind);
