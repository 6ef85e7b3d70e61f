// The cross-flow plate heat exchanger model: one unit, units in series, both
// stream orders, condensation and the inputs it refuses.

#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "PlateTestSupport.h"
#include "devices/CalcPwt.h"
#include "devices/PlateCondensation.h"
#include "devices/PwtTables.h"

namespace {

using namespace platetest;

TEST(CalcPwt, WinterExample)
{
    TDatenPWT d = Pwt();
    d.Calculate();
    ASSERT_EQ(d.Status, 0);
    EXPECT_EQ(d.ModuleEdge, 1000);
    EXPECT_EQ(d.PlateSpacing, 5.5);
    EXPECT_EQ(d.CondensationState, 1);
    EXPECT_NEAR(d.EffTemp1, 61.297, 0.001);
    EXPECT_NEAR(d.EffTemp2, 61.027, 0.001);
    EXPECT_NEAR(d.EffTemp1Wet, 67.664, 0.001);
    EXPECT_NEAR(d.HeatSens1, 32.923, 0.001);
    EXPECT_NEAR(d.Stream1.PressureDrop, 69.30, 0.01);
    EXPECT_NEAR(d.Stream1.Outlet.Temp, -10 + 32 * d.EffTemp1Wet / 100, 1e-9);
    EXPECT_EQ(d.HeatSens2, -d.HeatSens1);
    EXPECT_EQ(d.HeatTotal2, -d.HeatTotal1);
    EXPECT_EQ(d.Condensate1, 0);
    EXPECT_GT(d.Condensate2, 0);
    ExpectBalance(d, 1e-3, false);

    // Beyond the limit: the dew point of the extract air lies about 40 K
    // above the outdoor air, the limit at 90 % is 12.2 K.
    d = Pwt(Humid);
    d.Calculate();
    ASSERT_EQ(d.Status, 0);
    ASSERT_GT(d.Stream2.Inlet.DewPoint - d.Stream1.Inlet.Temp, CondensationLimit(90));
    EXPECT_EQ(d.CondensationState, 2);
    EXPECT_GT(d.EffTemp1Wet, d.EffTemp1);
    EXPECT_LE(d.Stream2.Outlet.RelHum, 100 + 1e-6);
    ExpectBalance(d, 1e-3, false);
}

TEST(CalcPwt, UnitsInSeries)
{
    TDatenPWT one = Pwt();
    one.Calculate();
    for (const auto& [units, eff1] : {std::pair{1, 61.297}, {2, 76.07}, {4, 86.49}}) {
        SCOPED_TRACE(units);
        TDatenPWT d = Pwt(Winter, units);
        d.Calculate();
        ASSERT_EQ(d.Status, 0);
        EXPECT_NEAR(d.EffTemp1, eff1, 0.01);
        EXPECT_GE(d.EffTemp1Wet, one.EffTemp1Wet);
        EXPECT_NEAR(d.Stream1.PressureDrop / one.Stream1.PressureDrop, units, 0.05 * units);
        EXPECT_NEAR(d.Stream2.PressureDrop / one.Stream2.PressureDrop, units, 0.05 * units);
        // The series run alone reproduces the outlets; one unit is the single unit.
        TDatenPWT again = d;
        const SeriesResult series = CalcSeries(again);
        EXPECT_LT(series.passes, units == 1 ? 3 : SeriesPassLimit);
        EXPECT_NEAR(series.outlets.t12, d.Stream1.Outlet.Temp, 1e-12);
        EXPECT_NEAR(series.outlets.x22, d.Stream2.Outlet.HumRatio, 1e-12);
        EXPECT_NEAR(again.HeatSens1, d.HeatSens1, 1e-12);
    }
}

TEST(CalcPwt, DryUnitsAgreeWithTheSeriesFormula)
{
    // Unequal flows: efficiencies from the outlets of the units in series and
    // from the closed series formula agree; heat is conserved.
    for (int units = 1; units <= 4; ++units) {
        SCOPED_TRACE(units);
        TDatenPWT d = Pwt(Dry, units, 5000, 3500);
        d.Calculate();
        ASSERT_EQ(d.Status, 0);
        EXPECT_EQ(d.CondensationState, 0);
        EXPECT_NEAR(d.EffTemp1Wet, d.EffTemp1, units == 1 ? 1e-9 : 0.05);
        EXPECT_NEAR(d.EffTemp2Wet, d.EffTemp2, units == 1 ? 1e-9 : 0.05);
        EXPECT_EQ(d.Condensate2, 0);
        EXPECT_EQ(d.Stream2.Outlet.HumRatio, d.Stream2.Inlet.HumRatio);
        ExpectBalance(d, units == 1 ? 1e-9 : 1e-3, true);
    }
}

TEST(CalcPwt, SummerPointAndStreamOrder)
{
    TDatenPWT d = Pwt(Summer);
    d.Calculate();
    ASSERT_EQ(d.Status, 0);
    EXPECT_LT(d.HeatSens1, 0);  // the outdoor air is cooled
    EXPECT_NEAR(d.Stream1.Outlet.Temp, 32 - 8 * d.EffTemp1 / 100, 1e-9);
    EXPECT_GT(d.Stream2.Outlet.Temp, 24);
    for (const TDatenPWT& given : {Pwt(Summer), Pwt(Summer, 1, 5000, 3500), Pwt(Winter, 3, 4000, 5000), Pwt(Humid, 2)}) {
        SCOPED_TRACE(testing::Message() << given.Stream1.Inlet.Temp << " °C, " << int{given.UnitCount} << " units");
        ExpectOrderIndependent(given);
    }
}

TEST(CalcPwt, WetEfficiencyOfAUnitStopsAt99)
{
    // Very small flows: the dry efficiency nears 100 %; with the full lift of
    // 23 % (humid extract air) the cap holds the unit at 99 %.
    for (const auto& [in, flow] : {std::pair{Humid, 5.0}, {Humid, 10.0}, {Winter, 5.0}, {Humid, 50.0}}) {
        SCOPED_TRACE(testing::Message() << in.phi2 << " %, " << flow << " m³/h");
        TDatenPWT d = Pwt(in, 1, flow, flow);
        d.Calculate();
        ASSERT_EQ(d.Status, 0);
        EXPECT_LE(d.EffTemp1Wet, 99 + 1e-9);
        EXPECT_GT(d.EffTemp1Wet, in.phi2 == Humid.phi2 && flow <= 10 ? 99 - 1e-9 : 97);
    }
}

TEST(CalcPwt, FacesAndModules)
{
    // 390 mm is built from 400 mm modules with a 400 mm face: all as for 400.
    TDatenPWT d = Pwt(), like = Pwt();
    d.EdgeLength = 390;
    like.EdgeLength = 400;
    d.SpacingIndex = like.SpacingIndex = 3;
    d.Calculate();
    like.Calculate();
    ASSERT_EQ(d.Status, 0);
    EXPECT_EQ(d.ModuleEdge, 400);
    EXPECT_NEAR(d.Stream1.FaceVelocity, d.Stream1.Inlet.VolFlow / 3600 / (0.4 * 1.0), 1e-12);
    like.EdgeLength = 390;
    devtest::ExpectSameFields(devtest::Fields(d), devtest::Fields(like), 1e-12);

    // The correlations and package lengths know these module edges only.
    const std::set<std::int32_t> known = {200, 300, 400, 500, 600, 700, 800, 1000, 1200};
    for (std::int32_t edge = 200; edge <= 8400; edge += 10) {
        for (std::uint8_t index = 1; index <= 6; ++index) {
            if (!IsCatalogueEdgeLength(edge) || PlateSpacingOf(edge, index) == 0)
                continue;
            TDatenPWT face = Pwt();
            face.EdgeLength = edge;
            face.SpacingIndex = index;
            face.Calculate();
            // The 5000 mm face of the spacing list has no module split.
            EXPECT_EQ(face.Status, edge == 5000 ? 100 : 0) << edge << " mm, index " << int{index};
            if (edge != 5000) {
                EXPECT_TRUE(known.contains(face.ModuleEdge))
                    << edge << " mm, index " << int{index} << ": " << face.ModuleEdge;
            }
        }
    }
}

TEST(CalcPwt, GivenSpacing)
{
    // A spacing outside the catalogue is used as given, without an index; a
    // catalogue spacing finds its index and computes like the index.
    TDatenPWT byIndex = Pwt(), given = Pwt();
    byIndex.EdgeLength = given.EdgeLength = 2400;
    byIndex.SpacingIndex = 3;
    byIndex.Calculate();
    given.SpacingGiven = 1;
    given.PlateSpacing = 7.0;
    given.Calculate();
    ASSERT_EQ(given.Status, 0);
    EXPECT_EQ(given.SpacingIndex, 0);
    EXPECT_EQ(given.PlateSpacing, 7.0);
    EXPECT_EQ(given.ModuleEdge, 1200);
    EXPECT_LT(given.EffTemp1, byIndex.EffTemp1);  // wider channels transfer less
    given.PlateSpacing = 6.5;
    given.Calculate();
    given.SpacingGiven = 0;
    devtest::ExpectSameFields(devtest::Fields(given), devtest::Fields(byIndex), 0);
}

TEST(CalcPwt, RefusedInputsEndWithStatus100)
{
    const std::pair<const char*, std::function<void(TDatenPWT&)>> cases[] = {
        {"no units", [](TDatenPWT& d) { d.UnitCount = 0; }},
        {"five units", [](TDatenPWT& d) { d.UnitCount = 5; }},
        {"edge not in the catalogue", [](TDatenPWT& d) { d.EdgeLength = 1234; }},
        {"index without spacing", [](TDatenPWT& d) { d.SpacingIndex = 1; }},
        {"index 0", [](TDatenPWT& d) { d.SpacingIndex = 0; }},
        {"no package width", [](TDatenPWT& d) { d.PackageWidth = 0; }},
        {"no plates", [](TDatenPWT& d) { d.PackageWidth = 10; }},
        {"too many packages", [](TDatenPWT& d) { d.PackageWidth = 2000000000; }},
        {"no flows", [](TDatenPWT& d) { d.Stream1.Inlet.StdVolFlow = d.Stream2.Inlet.StdVolFlow = 0; }},
        {"no spacing given", [](TDatenPWT& d) { d.SpacingGiven = 1; }},
    };
    for (const auto& [name, change] : cases) {
        for (int units : {1, 3}) {
            SCOPED_TRACE(testing::Message() << name << ", " << units << " units");
            TDatenPWT d = Pwt(Winter, units);
            change(d);
            EXPECT_NO_THROW(d.Calculate());
            EXPECT_EQ(d.Status, 100);
        }
    }
}

}  // namespace
