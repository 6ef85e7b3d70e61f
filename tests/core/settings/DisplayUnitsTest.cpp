// The display units: values as the windows and sheets show them, and labels.

#include <cmath>

#include <gtest/gtest.h>

#include "core/settings/DisplayUnits.h"
#include "core/settings/UnitConversion.h"

namespace {

// The factors the results and the economy share must be the decimal numbers
// they stand for in either precision.
static_assert(KbtuPerKwh == 3.412);
static_assert(CubicFeetPerCubicMetre == 35.315);

const double SampleValues[] = {-40, -12.5, 0, 0.1, 21.7, 22, 71.6, 588.6, 1000, 12345.678};

// Flows and temperatures are shown bit for bit as the unit conversion gives
// them, in both directions, and read back without the last-digit error.
TEST(DisplayUnits, FlowAndTemperatureAsTheUnitConversion)
{
    using enum UnitCode;
    for (double v : SampleValues) {
        EXPECT_EQ(ShownValue(DisplayQuantity::AirVolumeFlow, false, v),
                  ConvertUnit(UnitKind::AirVolumeFlow, CubicMetresPerHour, Cfm, v))
            << v;
        EXPECT_EQ(ShownValue(DisplayQuantity::Temperature, false, v),
                  ConvertUnit(UnitKind::Temperature, Celsius, Fahrenheit, v))
            << v;
        EXPECT_EQ(CalcValue(DisplayQuantity::AirVolumeFlow, false, v),
                  std::round(ConvertUnit(UnitKind::AirVolumeFlow, Cfm, CubicMetresPerHour, v) * 1e6) / 1e6)
            << v;
        EXPECT_EQ(CalcValue(DisplayQuantity::Temperature, false, v),
                  std::round(ConvertUnit(UnitKind::Temperature, Fahrenheit, Celsius, v) * 1e6) / 1e6)
            << v;
        // A window's unit switch converts without rounding.
        EXPECT_EQ(SwitchedValue(DisplayQuantity::Temperature, false, true, v),
                  ConvertUnit(UnitKind::Temperature, Fahrenheit, Celsius, v))
            << v;
        EXPECT_EQ(SwitchedValue(DisplayQuantity::AirVolumeFlow, true, false, v),
                  ConvertUnit(UnitKind::AirVolumeFlow, CubicMetresPerHour, Cfm, v))
            << v;
        for (auto q : {DisplayQuantity::AirVolumeFlow, DisplayQuantity::Temperature, DisplayQuantity::Energy}) {
            EXPECT_EQ(ShownValue(q, true, v), v);
            EXPECT_EQ(CalcValue(q, true, v), v);
        }
    }
    EXPECT_EQ(CalcValue(DisplayQuantity::Temperature, false, 71.6), 22.0);
    EXPECT_EQ(CalcValue(DisplayQuantity::AirVolumeFlow, false, 588.6), 1000.0);
}

TEST(DisplayUnits, FactorsWithoutAConversionKind)
{
    EXPECT_EQ(ShownValue(DisplayQuantity::Energy, false, 8400), 8400 * 3.412);
    EXPECT_EQ(ShownValue(DisplayQuantity::WaterVolume, false, 2), 2 * 35.315);
    EXPECT_EQ(ShownValue(DisplayQuantity::WaterMass, false, 1000), 2204.6);
    EXPECT_EQ(CalcValue(DisplayQuantity::Energy, false, 3.412), 1.0);
    EXPECT_EQ(ShownFactor(DisplayQuantity::Energy, false), 3.412);
    EXPECT_EQ(ShownFactor(DisplayQuantity::Energy, true), 1.0);
    EXPECT_TRUE(std::isnan(ShownFactor(DisplayQuantity::Temperature, false)));
    EXPECT_EQ(SwitchedValue(DisplayQuantity::Energy, false, true, 3.412), 1.0);
    EXPECT_EQ(ShownValue(DisplayQuantity::None, false, 7.25), 7.25);
    EXPECT_EQ(CalcValue(DisplayQuantity::None, false, 7.25), 7.25);
}

TEST(DisplayUnits, Labels)
{
    const struct {
        DisplayQuantity quantity;
        const char* si;
        const char* uk;
    } rows[] = {
        {DisplayQuantity::None, "", ""},
        {DisplayQuantity::AirVolumeFlow, "m³/h", "cfm"},
        {DisplayQuantity::Temperature, "°C", "°F"},
        {DisplayQuantity::Energy, "kWh", "kBTU"},
        {DisplayQuantity::PricedEnergy, "MWh", "MBTU"},
        {DisplayQuantity::WaterMass, "kg", "lb"},
        {DisplayQuantity::WaterVolume, "m³", "cu ft"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UnitLabel(row.quantity, true), row.si);
        EXPECT_EQ(UnitLabel(row.quantity, false), row.uk);
    }
}

}  // namespace
