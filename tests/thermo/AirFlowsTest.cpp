// Completion of the flows of a stream from one given flow.

#include <cfenv>

#include <gtest/gtest.h>

#include "thermo/AirFlows.h"
#include "thermo/AirState.h"
#include "thermo/FloatFault.h"

namespace {

constexpr double P0 = 1013;

MoistAirState State(double t, double relHum)
{
    MoistAirState s;
    s.Temp = t;
    s.RelHum = relHum;
    CompleteAirState(StateInputMode::TempRelHum, s, P0);
    return s;
}

AirFlowSet Complete(FlowInputMode mode, AirFlowSet flows, const MoistAirState& s)
{
    CompleteAirFlows(mode, flows, s.Temp, s.HumRatio, s.Density, P0);
    return flows;
}

TEST(CompleteAirFlows, StandardFlowEqualsOperatingFlowAtTheStandardState)
{
    AirFlowSet f;
    f.StdVolFlow = 5000;
    f = Complete(FlowInputMode::StdVolFlow, f, State(20, 50));
    EXPECT_NEAR(f.VolFlow, 5000, 1e-9);
    EXPECT_NEAR(f.MassFlow, 5000 * 1.1988, 1);
}

TEST(CompleteAirFlows, EveryModeFindsTheSameFlows)
{
    const MoistAirState cold = State(-10, 80);
    AirFlowSet given;
    given.StdVolFlow = 5000;
    const AirFlowSet ref = Complete(FlowInputMode::StdVolFlow, given, cold);
    EXPECT_LT(ref.VolFlow, 5000);  // cold air is denser
    EXPECT_NEAR(ref.MassFlow, ref.DryMassFlow + ref.VapourMassFlow, 1e-9);

    struct Row {
        FlowInputMode mode;
        double AirFlowSet::*field;
    };
    for (const Row row : {Row{FlowInputMode::VolFlow, &AirFlowSet::VolFlow},
                          Row{FlowInputMode::DryMassFlow, &AirFlowSet::DryMassFlow},
                          Row{FlowInputMode::MassFlow, &AirFlowSet::MassFlow}}) {
        SCOPED_TRACE(static_cast<int>(row.mode));
        AirFlowSet f;
        f.*row.field = ref.*row.field;
        f = Complete(row.mode, f, cold);
        EXPECT_NEAR(f.StdVolFlow, ref.StdVolFlow, 1e-8);
        EXPECT_NEAR(f.VolFlow, ref.VolFlow, 1e-8);
        EXPECT_NEAR(f.DryMassFlow, ref.DryMassFlow, 1e-8);
        EXPECT_NEAR(f.VapourMassFlow, ref.VapourMassFlow, 1e-10);
        EXPECT_NEAR(f.MassFlow, ref.MassFlow, 1e-8);
    }
}

TEST(CompleteAirFlows, UnknownModeSetsOnlyTheVapourFlow)
{
    AirFlowSet f;
    f.StdVolFlow = 1;
    f.DryMassFlow = 1000;
    EXPECT_TRUE(CompleteAirFlows(std::uint8_t{4}, f, 20, 7, 1.2, P0));
    EXPECT_EQ(f.StdVolFlow, 1);
    EXPECT_EQ(f.VolFlow, 0);
    EXPECT_DOUBLE_EQ(f.VapourMassFlow, 7);
}

TEST(CompleteAirFlows, ZeroDensityFaultsForTheCaller)
{
    AirFlowSet f;
    f.MassFlow = 1000;
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirFlows(FlowInputMode::MassFlow, f, 20, 7, 0, P0); }));
}

}  // namespace
