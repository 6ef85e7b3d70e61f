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

constexpr DisplayUnit DisplayUnits[] = {
    {Q::None, TextId::None, TextId::None, "", TextId::None, "", ByFactor, None, None, 1, false},
    {Q::AirVolumeFlow, TextId::AirQuantity, TextId::CubicMetresPerHour, "m³/h", TextId::None, "cfm",
     UnitKind::AirVolumeFlow, CubicMetresPerHour, Cfm, 0, true},
    {Q::Temperature, TextId::Temperature, TextId::Celsius, "°C", TextId::Fahrenheit, "°F", UnitKind::Temperature,
     Celsius, Fahrenheit, 0, true},
    {Q::Energy, TextId::None, TextId::None, "kWh", TextId::None, "kBTU", ByFactor, None, None, KbtuPerKwh, false},
    {Q::PricedEnergy, TextId::None, TextId::None, "MWh", TextId::None, "MBTU", ByFactor, None, None, KbtuPerKwh, false},
    {Q::WaterMass, TextId::None, TextId::None, "kg", TextId::None, "lb", UnitKind::Mass, Kilogram, Pound, 0, false},
    {Q::WaterVolume, TextId::None, TextId::CubicMetre, "m³", TextId::None, "cu ft", ByFactor, None, None,
     CubicFeetPerCubicMetre, false},
    {Q::HumidityRatio, TextId::AbsoluteHumidity, TextId::None, "g/kg", TextId::None, "gr/lb", UnitKind::HumidityRatio,
     GramsPerKilogram, GrainsPerPound, 0, false},
    {Q::SpecificEnthalpy, TextId::Enthalpy, TextId::None, "kJ/kg", TextId::None, "BTU/lb", UnitKind::SpecificEnthalpy,
     KilojoulePerKilogram, BtuPerPound, 0, false},
    {Q::MassFlow, TextId::MassFlow, TextId::None, "kg/h", TextId::None, "lb/h", UnitKind::Mass, Kilogram, Pound, 0,
     false},
    {Q::HeatFlow, TextId::HeatRecoveryQuantity, TextId::None, "kW", TextId::None, "BTU/h", UnitKind::HeatFlow, Kilowatt,
     BtuPerHour, 0, false},
    {Q::AirVelocity, TextId::AirVelocity, TextId::None, "m/s", TextId::None, "fpm", UnitKind::AirVelocity,
     MetresPerSecond, FeetPerMinute, 0, false},
    {Q::PressureDifference, TextId::PressureDrop, TextId::None, "Pa", TextId::None, "in.W.G.",
     UnitKind::PressureDifference, Pascal, InchesWaterGauge, 0, false},
    {Q::AirPressure, TextId::AirPressure, TextId::None, "mbar", TextId::None, "atm", UnitKind::AirPressure, Millibar,
     Atmosphere, 0, false},
    {Q::Length, TextId::Altitude, TextId::None, "m", TextId::None, "ft", UnitKind::Length, Metre, Foot, 0, false},
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
    const TextId text = siUnits ? unit.siUnitText : unit.ukUnitText;
    return text != TextId::None ? CatalogueTextIn(language, text) : UnitLabel(quantity, siUnits);
}
