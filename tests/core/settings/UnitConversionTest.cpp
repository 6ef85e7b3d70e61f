// Conversion between the calculation units and the display units. The unit
// codes of each kind are written out here rather than taken from the
// production tables, so a code moved to another kind or a wrong factor shows.

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings/DisplayUnits.h"
#include "core/settings/UnitConversion.h"

namespace {

using enum UnitKind;
using enum UnitCode;

constexpr int HighestCode = static_cast<int>(PoundPerCubicFoot);

// Kinds and codes by number in the messages.
int N(UnitKind kind)
{
    return static_cast<int>(kind);
}
int N(UnitCode code)
{
    return static_cast<int>(code);
}

// The codes of a converting kind, base code first.
struct KindCodes {
    UnitKind kind;
    std::vector<UnitCode> codes;

    UnitCode Base() const { return codes.front(); }
    bool Has(UnitCode code) const { return std::find(codes.begin(), codes.end(), code) != codes.end(); }
};

const std::vector<KindCodes> ConvertingKinds = {
    {AirVolumeFlow, {CubicMetresPerHour, Cfm}},
    {Temperature, {Celsius, Fahrenheit}},
    {HumidityRatio, {GramsPerKilogram, GrainsPerPound}},
    {PressureDifference, {Pascal, InchesWaterGauge}},
    {AirVelocity, {MetresPerSecond, FeetPerMinute}},
    {HeatFlow, {Watt, Kilowatt, BtuPerHour}},
    {AirPressure, {Millibar, Atmosphere}},
    {Mass, {Kilogram, Pound}},
    {MassAlternative, {KilogramAlternative, PoundAlternative}},
    {Length, {Metre, Millimetre, Foot, Inch}},
    {SpecificEnthalpy, {KilojoulePerKilogram, BtuPerPound}},
    {Density, {KilogramPerCubicMetre, PoundPerCubicFoot}},
};

// Values on both sides of the offsets of degF and BTU/lb, and large ones.
const double SampleValues[] = {-40, -1.5, 0, 0.1, 1, 20, 212, 1013, 123456.789};

double Tolerance(double expected)
{
    return 1e-12 * std::max(1.0, std::fabs(expected));
}

TEST(ConvertUnit, KnownValues)
{
    const struct {
        UnitKind kind;
        UnitCode from, to;
        double value, expected;
    } rows[] = {
        {Temperature, Fahrenheit, Celsius, 212, 100},
        {Temperature, Celsius, Fahrenheit, -40, -40},
        {Temperature, Celsius, Fahrenheit, 20, 68},
        {AirPressure, Atmosphere, Millibar, 1, 1013},
        {AirVolumeFlow, CubicMetresPerHour, Cfm, 1000, 588.6},
        {HeatFlow, Kilowatt, BtuPerHour, 1, 3412},
        {HeatFlow, Kilowatt, Watt, 2.5, 2500},
        {Length, Metre, Foot, 100, 328.08},
        {Length, Millimetre, Inch, 25.4, 1},
        {SpecificEnthalpy, BtuPerPound, KilojoulePerKilogram, 7.71, 0},
        {SpecificEnthalpy, BtuPerPound, KilojoulePerKilogram, 8.71, 2.3244},
        {Mass, Kilogram, Pound, 1, 2.2046},
        {MassAlternative, KilogramAlternative, PoundAlternative, 1, 2.2046},
        {PressureDifference, InchesWaterGauge, Pascal, 1, 249.08},
        {Density, PoundPerCubicFoot, KilogramPerCubicMetre, 1, 16.0185},
        {HumidityRatio, GrainsPerPound, GramsPerKilogram, 1, 1.0 / 7},
        {AirVelocity, FeetPerMinute, MetresPerSecond, 196.85, 1},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(ConvertUnit(row.kind, row.from, row.to, row.value), row.expected, Tolerance(row.expected))
            << "kind " << N(row.kind) << ", " << N(row.from) << " -> " << N(row.to);
}

TEST(ConvertUnit, EveryNonBaseCodeRoundTripsThroughTheBase)
{
    for (const KindCodes& kind : ConvertingKinds) {
        EXPECT_EQ(BaseUnitCode(kind.kind), kind.Base()) << "kind " << N(kind.kind);
        for (UnitCode code : kind.codes) {
            if (code == kind.Base())
                continue;
            EXPECT_NE(ConvertUnit(kind.kind, kind.Base(), code, 100), 100) << "code " << N(code) << " does not convert";
            for (double base : SampleValues)
                EXPECT_NEAR(ConvertUnit(kind.kind, code, kind.Base(), ConvertUnit(kind.kind, kind.Base(), code, base)),
                            base, 1e-11 * std::max(1.0, std::fabs(base)))
                    << "code " << N(code);
        }
    }
}

// Stored settings may carry a code of another kind: as `from` it counts as the
// base unit, as `to` the input comes back unchanged, not the base value.
TEST(ConvertUnit, ForeignCodesOfEveryKind)
{
    for (const KindCodes& kind : ConvertingKinds) {
        for (int number = -1; number <= HighestCode + 1; ++number) {
            const auto foreign = static_cast<UnitCode>(number);
            if (kind.Has(foreign))
                continue;
            for (UnitCode code : kind.codes) {
                EXPECT_EQ(ConvertUnit(kind.kind, foreign, code, 100), ConvertUnit(kind.kind, kind.Base(), code, 100))
                    << "code " << N(code) << ", foreign code " << number;
                EXPECT_EQ(ConvertUnit(kind.kind, code, foreign, 100), 100)
                    << "code " << N(code) << ", foreign code " << number;
            }
        }
    }
}

TEST(ConvertUnit, KindsWithoutConversionPassTheValueThrough)
{
    for (int number : {0, N(Unconverted), 14, 15, 100, -1, -100}) {
        const auto kind = static_cast<UnitKind>(number);
        EXPECT_EQ(N(BaseUnitCode(kind)), 0) << "kind " << number;
        EXPECT_EQ(ConvertUnit(kind, UnconvertedA, UnconvertedB, 7.25), 7.25) << "kind " << number;
        EXPECT_EQ(ConvertUnit(kind, Fahrenheit, Celsius, 212), 212) << "kind " << number;
    }
}

// Each row of the options window must name two codes of its own kind that
// differ; a code of another kind would silently show the base unit.
TEST(DisplayUnitTable, RowsNameCodesOfTheirKind)
{
    const auto convertsSomewhere = [](UnitKind kind, UnitCode from, UnitCode to) {
        const double probes[] = {1, 100, -3.5};
        return std::any_of(std::begin(probes), std::end(probes),
                           [&](double x) { return ConvertUnit(kind, from, to, x) != x; });
    };
    for (DisplayQuantity quantity : UnitsTableQuantities) {
        const DisplayUnit& row = DisplayUnitOf(quantity);
        SCOPED_TRACE(testing::Message() << "row of " << row.siUnit << " / " << row.ukUnit);
        const UnitCode base = BaseUnitCode(row.kind);
        ASSERT_NE(N(base), 0) << "the kind converts nothing";
        EXPECT_NE(row.siCode, row.ukCode);
        EXPECT_TRUE(row.siCode == base || convertsSomewhere(row.kind, row.siCode, base));
        EXPECT_NE(row.ukCode, base);
        EXPECT_TRUE(convertsSomewhere(row.kind, row.ukCode, base));
        EXPECT_TRUE(convertsSomewhere(row.kind, row.ukCode, row.siCode));
        EXPECT_TRUE(convertsSomewhere(row.kind, row.siCode, row.ukCode));
    }
}

}  // namespace
