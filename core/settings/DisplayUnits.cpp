// The units every shown quantity has in SI and in UK/US: labels and factors.

#include "core/settings/DisplayUnits.h"

#include <cmath>

#include "core/settings/UnitConversion.h"

namespace {

// A quantity's two units. Where the quantity kind converts (ConvertUnit),
// the UK/US value comes from there; otherwise it is the calculation value
// times ukFactor.
struct DisplayUnit {
    DisplayQuantity quantity;
    const char* siUnit;
    const char* ukUnit;
    int kind;
    int siCode;
    int ukCode;
    double ukFactor;
    bool roundsBack;  // CalcValue in UK/US rounds to 1e-6
};

using namespace UnitKind;
using namespace UnitCode;

constexpr DisplayUnit DisplayUnits[] = {
    {DisplayQuantity::None, "", "", Unconverted, 0, 0, 1, false},
    {DisplayQuantity::AirVolumeFlow, "m³/h", "cfm", AirVolumeFlow, CubicMetresPerHour, Cfm, 0, true},
    {DisplayQuantity::Temperature, "°C", "°F", Temperature, Celsius, Fahrenheit, 0, true},
    {DisplayQuantity::Energy, "kWh", "kBTU", Unconverted, 0, 0, KbtuPerKwh, false},
    {DisplayQuantity::PricedEnergy, "MWh", "MBTU", Unconverted, 0, 0, KbtuPerKwh, false},
    {DisplayQuantity::WaterMass, "kg", "lb", Mass, Kilogram, Pound, 0, false},
    {DisplayQuantity::WaterVolume, "m³", "cu ft", Unconverted, 0, 0, CubicFeetPerCubicMetre, false},
    {DisplayQuantity::HumidityRatio, "g/kg", "gr/lb", HumidityRatio, GramsPerKilogram, GrainsPerPound, 0, false},
    {DisplayQuantity::SpecificEnthalpy, "kJ/kg", "BTU/lb", SpecificEnthalpy, KilojoulePerKilogram, BtuPerPound, 0,
     false},
    {DisplayQuantity::MassFlow, "kg/h", "lb/h", Mass, Kilogram, Pound, 0, false},
    {DisplayQuantity::HeatFlow, "kW", "BTU/h", HeatFlow, Kilowatt, BtuPerHour, 0, false},
    {DisplayQuantity::AirVelocity, "m/s", "fpm", AirVelocity, MetresPerSecond, FeetPerMinute, 0, false},
    {DisplayQuantity::PressureDifference, "Pa", "in.W.G.", PressureDifference, Pascal, InchesWaterGauge, 0, false},
    {DisplayQuantity::AirPressure, "mbar", "atm", AirPressure, Millibar, Atmosphere, 0, false},
    {DisplayQuantity::Length, "m", "ft", Length, Metre, Foot, 0, false},
};

const DisplayUnit& UnitOf(DisplayQuantity quantity)
{
    for (const DisplayUnit& unit : DisplayUnits)
        if (unit.quantity == quantity)
            return unit;
    return DisplayUnits[0];
}

// The last-digit error of a conversion taken off (71.6 °F is 22 °C, not
// 21.999999999999996).
double WithoutConversionError(double value)
{
    return std::round(value * 1e6) / 1e6;
}

}  // namespace

double ShownValue(DisplayQuantity quantity, bool siUnits, double calcValue)
{
    const DisplayUnit& unit = UnitOf(quantity);
    if (siUnits)
        return calcValue;
    if (unit.kind == Unconverted)
        return calcValue * unit.ukFactor;
    return ConvertUnit(unit.kind, unit.siCode, unit.ukCode, calcValue);
}

double CalcValue(DisplayQuantity quantity, bool siUnits, double shownValue)
{
    const DisplayUnit& unit = UnitOf(quantity);
    if (siUnits)
        return shownValue;
    if (unit.kind == Unconverted)
        return shownValue / unit.ukFactor;
    const double calcValue = ConvertUnit(unit.kind, unit.ukCode, unit.siCode, shownValue);
    return unit.roundsBack ? WithoutConversionError(calcValue) : calcValue;
}

std::string UnitLabel(DisplayQuantity quantity, bool siUnits)
{
    const DisplayUnit& unit = UnitOf(quantity);
    return siUnits ? unit.siUnit : unit.ukUnit;
}
