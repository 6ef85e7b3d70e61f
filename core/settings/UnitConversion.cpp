// Conversion between the calculation units and the display units.

#include "core/settings/UnitConversion.h"

#include <array>

namespace {

using enum UnitKind;
using enum UnitCode;

// A unit other than the base unit of its kind, with the formulas to and from
// the base unit exactly as the factors are defined (1 atm = 1013 mbar,
// 1 kW = 3412 BTU/h, 1 g/kg = 7 gr/lb, 1 kg = 2.2046 lb, …).
struct NonBaseUnit {
    UnitKind kind;
    UnitCode code;
    double (*toBase)(double v);
    double (*fromBase)(double b);
};

constexpr NonBaseUnit NonBaseUnits[] = {
    {AirVolumeFlow, Cfm, [](double v) { return v / 0.5886; }, [](double b) { return 0.5886 * b; }},
    {Temperature, Fahrenheit, [](double v) { return (v - 32) / 180 * 100; },
     [](double b) { return b * 180 / 100 + 32; }},
    {HumidityRatio, GrainsPerPound, [](double v) { return v / 7; }, [](double b) { return b * 7; }},
    {PressureDifference, InchesWaterGauge, [](double v) { return 249.08 * v; }, [](double b) { return b / 249.08; }},
    {AirVelocity, FeetPerMinute, [](double v) { return v / 196.85; }, [](double b) { return 196.85 * b; }},
    {HeatFlow, Kilowatt, [](double v) { return 1000 * v; }, [](double b) { return b / 1000; }},
    {HeatFlow, BtuPerHour, [](double v) { return 1000 * v / 3412; }, [](double b) { return b / 1000 * 3412; }},
    {AirPressure, Atmosphere, [](double v) { return 1013 * v; }, [](double b) { return b / 1013; }},
    {Mass, Pound, [](double v) { return v / 2.2046; }, [](double b) { return 2.2046 * b; }},
    {MassAlternative, PoundAlternative, [](double v) { return v / 2.2046; }, [](double b) { return 2.2046 * b; }},
    {Length, Millimetre, [](double v) { return v / 1000; }, [](double b) { return 1000 * b; }},
    {Length, Foot, [](double v) { return v / 3.2808; }, [](double b) { return 3.2808 * b; }},
    {Length, Inch, [](double v) { return 0.0254 * v; }, [](double b) { return b / 0.0254; }},
    {SpecificEnthalpy, BtuPerPound, [](double v) { return (v - 7.71) * 2.3244; },
     [](double b) { return b / 2.3244 + 7.71; }},
    {Density, PoundPerCubicFoot, [](double v) { return 16.0185 * v; }, [](double b) { return b / 16.0185; }},
};

// Base code by kind (index); None where the kind converts nothing.
constexpr std::array<UnitCode, 14> BaseCodes = {
    UnitCode::None, CubicMetresPerHour,    Celsius, GramsPerKilogram,
    Pascal,         MetresPerSecond,       Watt,    Millibar,
    Kilogram,       KilogramAlternative,   Metre,   KilojoulePerKilogram,
    UnitCode::None, KilogramPerCubicMetre,
};

const NonBaseUnit* FindNonBaseUnit(UnitKind kind, UnitCode code)
{
    for (const NonBaseUnit& unit : NonBaseUnits) {
        if (unit.kind == kind && unit.code == code)
            return &unit;
    }
    return nullptr;
}

}  // namespace

UnitCode BaseUnitCode(UnitKind kind)
{
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= static_cast<int>(BaseCodes.size()))
        return UnitCode::None;
    return BaseCodes[static_cast<std::size_t>(index)];
}

double ConvertUnit(UnitKind kind, UnitCode from, UnitCode to, double value)
{
    const UnitCode baseCode = BaseUnitCode(kind);
    if (baseCode == UnitCode::None)
        return value;
    const NonBaseUnit* fromUnit = FindNonBaseUnit(kind, from);
    const double base = fromUnit ? fromUnit->toBase(value) : value;
    if (to == baseCode)
        return base;
    const NonBaseUnit* toUnit = FindNonBaseUnit(kind, to);
    return toUnit ? toUnit->fromBase(base) : value;
}
