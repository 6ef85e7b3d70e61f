// The counterflow plate heat exchanger model: catalogue sizes, the base
// efficiency, pressure drops of single and double units, condensation.

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "PlateTestSupport.h"
#include "core/devices/CounterflowPlateModel.h"

namespace {

using namespace platetest;

TEST(CalcGsTables, GeometryAndDimensions)
{
    const struct {
        std::int32_t size, width;
        double face, free, factor;
    } rows[] = {{62, 1000, 0.347, 0.45 * 1.0 * 0.534, 1.417},      {80, 1001, 0.447447, 0.45 * 0.986 * 0.674, 1.6},
                {18, 1000, 0.093, 0.45 * 0.980 * 0.172, 1.0},      {2062, 1000, 2 * 0.347, 0.9 * 0.994 * 0.534, 1.417},
                {2080, 1000, 2 * 0.447, 0.9 * 0.984 * 0.674, 1.6}, {40, 1000, 0, 0, 1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.size << ", " << r.width << " mm");
        const GsGeometry g = GsGeometryOf(r.size, r.width);
        EXPECT_NEAR(g.faceArea, r.face, 1e-12);
        EXPECT_NEAR(g.freeArea, r.free, 1e-12);
        EXPECT_EQ(g.pressureDropFactor, r.factor);
    }
    using Abc = std::array<std::int32_t, 3>;
    for (const auto& [size, abc] :
         {std::pair{41, Abc{-1, -1, -1}}, {62, {758, 533, 347}}, {2110, {2170, 1945, 1344}}}) {
        Abc got = {-1, -1, -1};
        GsDimensions(size, got[0], got[1], got[2]);
        EXPECT_EQ(got, abc) << size;
    }
}

TEST(CalcGs, BaseEfficiency)
{
    // Two equal streams at 1 m/s in the channels: ε0 = 0.86 · 0.978, 1 % less
    // for the smallest size.
    for (const auto& [size, eff] : {std::pair{62, 84.108}, {18, 83.26692}, {2062, 84.108}}) {
        SCOPED_TRACE(size);
        TDatenGS d = Gs(size, {20, 50, 20, 50});
        d.FlowMode = 1;
        d.Stream1.Inlet.VolFlow = d.Stream2.Inlet.VolFlow = GsGeometryOf(size, 1000).freeArea * 3600;
        d = Calculated(d);
        EXPECT_NEAR(d.Stream1.Velocity, 1, 1e-12);
        EXPECT_NEAR(d.EffTemp1, eff, 1e-9);
        EXPECT_NEAR(d.EffTemp2, eff, 1e-9);
    }
    // Equal capacity flows at different temperatures: ε0 at the velocity of stream 1.
    TDatenGS d = Gs(2080);
    d.StateMode = 1;
    d.FlowMode = 2;
    d.Stream1.Inlet.HumRatio = d.Stream2.Inlet.HumRatio = 1.0;
    d.Stream1.Inlet.DryMassFlow = d.Stream2.Inlet.DryMassFlow = 4000;
    d = Calculated(d);
    EXPECT_NEAR(d.EffTemp2, d.EffTemp1, 1e-9);
    EXPECT_NEAR(d.EffTemp1, 100 * 0.86 * 0.978 * std::pow(d.Stream1.Velocity, -0.06), 1e-9);
    // Unequal flows, dry: EffTemp2 = EffTemp1 · W1/W2.
    d = Gs(62, Dry, 5000, 3500);
    d = Calculated(d);
    EXPECT_EQ(d.CondensationState, 0);
    EXPECT_EQ(d.EffTemp1Wet, d.EffTemp1);
    EXPECT_EQ(d.Stream2.Outlet.HumRatio, d.Stream2.Inlet.HumRatio);
    EXPECT_NEAR(d.EffTemp2, d.EffTemp1 * PlateCapacityFlow(d.Stream1.Inlet) / PlateCapacityFlow(d.Stream2.Inlet), 1e-9);
    ExpectBalance(d, 1e-9, true);
}

TEST(CalcGs, PressureDrops)
{
    const auto counterflow = [](double velocity) { return 30 * std::pow(velocity, 1.4) * 1.417; };
    for (const Inlets& in : {Winter, Dry}) {
        SCOPED_TRACE(in.t1);
        TDatenGS single = Gs(62, in), twice = Gs(62, in), doubleUnit = Gs(2062, in);
        twice.UnitCount = 2;
        for (TDatenGS* d : {&single, &twice, &doubleUnit}) {
            d->Calculate();
            ASSERT_EQ(d->Status, 0);
        }
        const GsGeometry g = GsGeometryOf(62, 1000);
        EXPECT_NEAR(single.Stream2.FaceVelocity, single.Stream2.Inlet.VolFlow / 3600 / g.faceArea, 1e-12);
        const double wet2 = single.Condensate2 != 0 ? 1.1 : 1;  // condensate on stream 2 only
        EXPECT_NEAR(single.Stream1.PressureDrop, counterflow(single.Stream1.Velocity), 1e-9);
        EXPECT_NEAR(single.Stream2.PressureDrop, counterflow(single.Stream2.Velocity) * wet2, 1e-9);
        EXPECT_NEAR(single.Stream1.PressureDropStd, counterflow(5000 / g.freeArea / 3600), 1e-9);
        EXPECT_NEAR(twice.Stream1.PressureDrop, 2 * single.Stream1.PressureDrop, 1e-9);
        // The double unit adds its two cross-flow sections.
        EXPECT_GT(doubleUnit.Stream1.PressureDrop, counterflow(doubleUnit.Stream1.Velocity) * 1.01);
        EXPECT_GT(doubleUnit.Stream2.PressureDrop, counterflow(doubleUnit.Stream2.Velocity) * wet2 * 1.01);
    }
}

TEST(CalcGs, CondensationLiftIsAtMost25Percent)
{
    for (std::int32_t size : {18, 2110}) {
        for (const Inlets& in : {Winter, Humid, Inlets{-25, 90, 25, 80}}) {
            for (double flow : {500.0, 5000.0}) {
                SCOPED_TRACE(testing::Message() << size << ", " << in.t1 << " °C, " << flow << " m³/h");
                const TDatenGS d = Calculated(Gs(size, in, flow, flow));
                EXPECT_GE(d.EffTemp1Wet, d.EffTemp1);
                EXPECT_LE(d.EffTemp1Wet, std::min(1.25 * d.EffTemp1, 99.0) + 1e-9);
                ExpectBalance(d, 3e-3, false);  // saturated exhaust: steps of 0.05 K
            }
        }
    }
    TDatenGS d = Gs(62, Humid);
    d.Calculate();
    EXPECT_EQ(d.CondensationState, 2);
}

TEST(CalcGs, StreamOrderAndRefusedInputs)
{
    for (const TDatenGS& given : {Gs(62, Summer), Gs(2062, Summer, 5000, 3500), Gs(2080, Winter, 4000, 5000)})
        ExpectOrderIndependent(given);
    TDatenGS summer = Gs(62, Summer);
    summer.Calculate();
    EXPECT_LT(summer.HeatSens1, 0);

    for (const auto& [size, units, width] : {std::array{40, 1, 1000}, {62, 0, 1000}, {62, 5, 1000}, {62, 1, 0}}) {
        TDatenGS d = Gs(size);
        d.UnitCount = static_cast<std::uint8_t>(units);
        d.PackageWidth = width;
        EXPECT_NO_THROW(d.Calculate());
        EXPECT_EQ(d.Status, 100) << size << ", " << units << " units, " << width << " mm";
    }
}

}  // namespace
