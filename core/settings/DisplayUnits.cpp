// The units every shown quantity has in SI and in UK/US: labels and factors.

#include "core/settings/DisplayUnits.h"

#include <cmath>
#include <limits>

#include "core/text/Catalogue.h"

namespace {

using Q = DisplayQuantity;
using enum UnitCode;
// The kind of a quantity converted by its factor alone.
constexpr UnitKind ByFactor = UnitKind::Unconverted;

// Catalogue texts of the translated units.
constexpr int CubicMetresPerHourText = 410;
constexpr int CelsiusText = 411;
constexpr int FahrenheitText = 412;
constexpr int CubicMetreText = 420;

constexpr DisplayUnit DisplayUnits[] = {
    {Q::None, 0, 0, "", 0, "", ByFactor, None, None, 1, false},
    {Q::AirVolumeFlow, 39, CubicMetresPerHourText, "m³/h", 0, "cfm", UnitKind::AirVolumeFlow, CubicMetresPerHour, Cfm,
     0, true},
    {Q::Temperature, 12, CelsiusText, "°C", FahrenheitText, "°F", UnitKind::Temperature, Celsius, Fahrenheit, 0, true},
    {Q::Energy, 0, 0, "kWh", 0, "kBTU", ByFactor, None, None, KbtuPerKwh, false},
    {Q::PricedEnergy, 0, 0, "MWh", 0, "MBTU", ByFactor, None, None, KbtuPerKwh, false},
    {Q::WaterMass, 0, 0, "kg", 0, "lb", UnitKind::Mass, Kilogram, Pound, 0, false},
    {Q::WaterVolume, 0, CubicMetreText, "m³", 0, "cu ft", ByFactor, None, None, CubicFeetPerCubicMetre, false},
    {Q::HumidityRatio, 14, 0, "g/kg", 0, "gr/lb", UnitKind::HumidityRatio, GramsPerKilogram, GrainsPerPound, 0, false},
    {Q::SpecificEnthalpy, 25, 0, "kJ/kg", 0, "BTU/lb", UnitKind::SpecificEnthalpy, KilojoulePerKilogram, BtuPerPound, 0,
     false},
    {Q::MassFlow, 33, 0, "kg/h", 0, "lb/h", UnitKind::Mass, Kilogram, Pound, 0, false},
    {Q::HeatFlow, 26, 0, "kW", 0, "BTU/h", UnitKind::HeatFlow, Kilowatt, BtuPerHour, 0, false},
    {Q::AirVelocity, 38, 0, "m/s", 0, "fpm", UnitKind::AirVelocity, MetresPerSecond, FeetPerMinute, 0, false},
    {Q::PressureDifference, 22, 0, "Pa", 0, "in.W.G.", UnitKind::PressureDifference, Pascal, InchesWaterGauge, 0,
     false},
    {Q::AirPressure, 1, 0, "mbar", 0, "atm", UnitKind::AirPressure, Millibar, Atmosphere, 0, false},
    {Q::Length, 2, 0, "m", 0, "ft", UnitKind::Length, Metre, Foot, 0, false},
};

// The last-digit error of a conversion taken off (71.6 °F is 22 °C, not
// 21.999999999999996).
double WithoutConversionError(double value)
{
    return std::round(value * 1e6) / 1e6;
}

UnitCode CodeIn(const DisplayUnit& unit, bool siUnits)
{
    return siUnits ? unit.siCode : unit.ukCode;
}

}  // namespace

const DisplayUnit& DisplayUnitOf(DisplayQuantity quantity)
{
    for (const DisplayUnit& unit : DisplayUnits)
        if (unit.quantity == quantity)
            return unit;
    return DisplayUnits[0];
}

double ShownValue(DisplayQuantity quantity, bool siUnits, double calcValue)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    if (siUnits || unit.quantity == Q::None)
        return calcValue;
    if (unit.kind == ByFactor)
        return calcValue * unit.ukFactor;
    return ConvertUnit(unit.kind, unit.siCode, unit.ukCode, calcValue);
}

double CalcValue(DisplayQuantity quantity, bool siUnits, double shownValue)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    if (siUnits || unit.quantity == Q::None)
        return shownValue;
    if (unit.kind == ByFactor)
        return shownValue / unit.ukFactor;
    const double calcValue = ConvertUnit(unit.kind, unit.ukCode, unit.siCode, shownValue);
    return unit.roundsBack ? WithoutConversionError(calcValue) : calcValue;
}

double SwitchedValue(DisplayQuantity quantity, bool fromSI, bool toSI, double shownValue)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    if (unit.kind != ByFactor)
        return ConvertUnit(unit.kind, CodeIn(unit, fromSI), CodeIn(unit, toSI), shownValue);
    return ShownValue(quantity, toSI, CalcValue(quantity, fromSI, shownValue));
}

double ShownFactor(DisplayQuantity quantity, bool siUnits)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    if (unit.kind != ByFactor)
        return std::numeric_limits<double>::quiet_NaN();
    return siUnits ? 1.0 : unit.ukFactor;
}

std::string UnitLabel(DisplayQuantity quantity, bool siUnits)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    return siUnits ? unit.siUnit : unit.ukUnit;
}

std::string UnitLabelIn(int language, DisplayQuantity quantity, bool siUnits)
{
    const DisplayUnit& unit = DisplayUnitOf(quantity);
    const int text = siUnits ? unit.siUnitText : unit.ukUnitText;
    return text ? CatalogueTextIn(language, text) : UnitLabel(quantity, siUnits);
}
