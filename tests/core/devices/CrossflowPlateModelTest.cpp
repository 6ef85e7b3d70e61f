// The cross-flow plate heat exchanger model: one unit, units in series, both
// stream orders, condensation and the inputs it refuses.

#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "PlateTestSupport.h"
#include "core/devices/CrossflowPlateModel.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/PlateCondensation.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

using namespace platetest;

TEST(CalcPwt, WinterExample)
{
    TDatenPWT d = Calculated(Pwt());
    EXPECT_EQ(d.ModuleEdge, 1000);
    EXPECT_EQ(d.CondensationState, 1);
    EXPECT_NEAR(d.EffTemp1, 61.297, 0.001);
    EXPECT_NEAR(d.EffTemp1Wet, 67.664, 0.001);
    EXPECT_NEAR(d.HeatSens1, 32.923, 0.001);
    EXPECT_NEAR(d.Stream1.PressureDrop, 69.30, 0.01);
    EXPECT_NEAR(d.Stream1.Outlet.Temp, -10 + 32 * d.EffTemp1Wet / 100, 1e-9);
    EXPECT_GT(d.Condensate2, 0);
    ExpectBalance(d, 1e-3, false);

    // Beyond the limit: the extract dew point lies about 40 K above the
    // outdoor air, the limit at 90 % is 12.2 K.
    d = Calculated(Pwt(Humid));
    ASSERT_GT(d.Stream2.Inlet.DewPoint - d.Stream1.Inlet.Temp, CondensationLimit(90));
    EXPECT_EQ(d.CondensationState, 2);
    EXPECT_LE(d.Stream2.Outlet.RelHum, 100 + 1e-6);
    ExpectBalance(d, 1e-3, false);
}

TEST(CalcPwt, UnitsInSeries)
{
    const TDatenPWT one = Calculated(Pwt());
    for (const auto& [units, eff1] : {std::pair{1, 61.297}, {2, 76.07}, {4, 86.49}}) {
        SCOPED_TRACE(units);
        const TDatenPWT d = Calculated(Pwt(Winter, units));
        EXPECT_NEAR(d.EffTemp1, eff1, 0.01);
        EXPECT_GE(d.EffTemp1Wet, one.EffTemp1Wet);
        EXPECT_NEAR(d.Stream1.PressureDrop / one.Stream1.PressureDrop, units, 0.05 * units);
        // The series run alone reproduces the outlets; one unit is the single unit.
        TDatenPWT again = d;
        const SeriesResult series = CalcSeries(again);
        EXPECT_LT(series.passes, units == 1 ? 3 : SeriesPassLimit);
        EXPECT_NEAR(series.outlets.t12, d.Stream1.Outlet.Temp, 1e-12);
        EXPECT_NEAR(series.outlets.x22, d.Stream2.Outlet.HumRatio, 1e-12);
    }
    // Dry, unequal flows: the units in series agree with the closed formula.
    for (int units : {1, 3}) {
        SCOPED_TRACE(units);
        const TDatenPWT d = Calculated(Pwt(Dry, units, 5000, 3500));
        EXPECT_EQ(d.CondensationState, 0);
        EXPECT_NEAR(d.EffTemp1Wet, d.EffTemp1, units == 1 ? 1e-9 : 0.05);
        EXPECT_EQ(d.Stream2.Outlet.HumRatio, d.Stream2.Inlet.HumRatio);
        ExpectBalance(d, units == 1 ? 1e-9 : 1e-3, true);
    }
}

TEST(CalcPwt, SummerPointAndStreamOrder)
{
    const TDatenPWT d = Calculated(Pwt(Summer));
    EXPECT_LT(d.HeatSens1, 0);  // the outdoor air is cooled
    EXPECT_NEAR(d.Stream1.Outlet.Temp, 32 - 8 * d.EffTemp1 / 100, 1e-9);
    for (const TDatenPWT& given : {Pwt(Summer, 1, 5000, 3500), Pwt(Winter, 3, 4000, 5000), Pwt(Humid, 2)}) {
        SCOPED_TRACE(testing::Message() << given.Stream1.Inlet.Temp << " °C, " << int{given.UnitCount} << " units");
        ExpectOrderIndependent(given);
    }
}

TEST(CalcPwt, WetEfficiencyOfAUnitStopsAt99)
{
    // Very small flows: the dry efficiency nears 100 %; with the full lift of
    // humid extract air the cap holds the unit at 99 %.
    for (const auto& [in, flow] : {std::pair{Humid, 5.0}, {Winter, 5.0}, {Humid, 50.0}}) {
        SCOPED_TRACE(testing::Message() << in.phi2 << " %, " << flow << " m³/h");
        const TDatenPWT d = Calculated(Pwt(in, 1, flow, flow));
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
    d = Calculated(d);
    like = Calculated(like);
    EXPECT_EQ(d.ModuleEdge, 400);
    EXPECT_NEAR(d.Stream1.FaceVelocity, d.Stream1.Inlet.VolFlow / 3600 / (0.4 * 1.0), 1e-12);
    like.EdgeLength = 390;
    devtest::ExpectSameFields(devtest::Fields(d), devtest::Fields(like), 1e-12);

    // Every catalogue face is split into modules the correlations know; the
    // 5000 mm face of the spacing list has no split.
    const std::set<std::int32_t> known = {200, 300, 400, 500, 600, 700, 800, 1000, 1200};
    for (std::int32_t edge = 200; edge <= 8400; edge += 10)
        for (std::uint8_t index = 1; index <= 6; ++index)
            if (IsCatalogueEdgeLength(edge) && PlateSpacingOf(edge, index) != 0) {
                TDatenPWT face = Pwt();
                face.EdgeLength = edge;
                face.SpacingIndex = index;
                face.Calculate();
                EXPECT_EQ(face.Status, edge == 5000 ? 100 : 0) << edge << " mm, index " << int{index};
                EXPECT_TRUE(edge == 5000 || known.contains(face.ModuleEdge)) << edge << " mm: " << face.ModuleEdge;
            }
}

TEST(CalcPwt, GivenSpacing)
{
    // A spacing outside the catalogue is used as given; a catalogue spacing
    // finds its index and computes like the index.
    TDatenPWT byIndex = Pwt(), given = Pwt();
    byIndex.SpacingIndex = 3;
    byIndex = Calculated(byIndex);
    given.SpacingGiven = 1;
    given.PlateSpacing = 7.0;
    EXPECT_LT(Calculated(given).EffTemp1, byIndex.EffTemp1);  // wider channels transfer less
    given.PlateSpacing = 6.5;
    given = Calculated(given);
    given.SpacingGiven = 0;
    devtest::ExpectSameFields(devtest::Fields(given), devtest::Fields(byIndex), 0);
}

// The exhaust walk in unsaturated air goes by runs of steps where it can; it
// must end on the very step a walk of single steps ends on: h22 right at the
// enthalpy of each of the first 70 steps (the run boundaries among them) and
// one bit above and below it, for the walks of both plate exchangers.
TEST(ExhaustWalk, RunsOfUnsaturatedStepsEndOnTheStepOfTheSingleSteps)
{
    struct Walk {
        double t11, t21, x21, tEnd, xEnd;
        double (*outlet)(double, double, double, double, double);
    };
    const Walk walks[] = {{-10, 22, 2, -10 + 0.3 * 32, 2, ExhaustOutletTemp},
                          {10, 30, 8, 10, HumRatioOf(10, 100, 1013), GsExhaustOutletTemp}};
    for (const Walk& w : walks) {
        // Step n sits at k = n·0.01, summed as the walk sums it.
        std::vector<double> t, h;
        double k = 0;
        for (int n = 0; n < 90; ++n, k += 0.01) {
            t.push_back(w.t21 - k * (w.t21 - w.tEnd));
            h.push_back(EnthalpyOfUnsaturated(t.back(), w.x21 - k * (w.x21 - w.xEnd)));
        }
        for (std::size_t n = 1; n <= 70; ++n) {
            for (const double h22 : {std::nextafter(h[n], -1e9), h[n], std::nextafter(h[n], 1e9)}) {
                // The first step at or below h22 ends the walk.
                std::size_t end = 0;
                while (h[end] > h22)
                    ++end;
                ASSERT_EQ(w.outlet(w.t11, w.t21, w.x21, h22, 1013), t[end]) << "step " << n << ", h22 " << h22;
            }
        }
    }
}

TEST(CalcPwt, RefusedInputsEndWithStatus100)
{
    const std::function<void(TDatenPWT&)> cases[] = {
        [](TDatenPWT& d) { d.UnitCount = 5; },
        [](TDatenPWT& d) { d.EdgeLength = 1234; },  // not in the catalogue
        [](TDatenPWT& d) { d.SpacingIndex = 1; },   // no spacing for this index
        [](TDatenPWT& d) { d.SpacingIndex = 0; },
        [](TDatenPWT& d) { d.PackageWidth = 10; },  // no plates
        [](TDatenPWT& d) { d.PackageWidth = 2000000000; },
        [](TDatenPWT& d) { d.Stream1.Inlet.StdVolFlow = d.Stream2.Inlet.StdVolFlow = 0; },
        [](TDatenPWT& d) { d.SpacingGiven = 1; },  // a given spacing of 0
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        for (int units : {1, 3}) {
            TDatenPWT d = Pwt(Winter, units);
            cases[i](d);
            EXPECT_NO_THROW(d.Calculate());
            EXPECT_EQ(d.Status, 100) << "case " << i << ", " << units << " units";
        }
    }
}

}  // namespace
