// Completion of the flows of a stream from one given flow.

#include <gtest/gtest.h>

#include "core/thermo/AirFlows.h"
#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"

namespace {

constexpr double P0 = 1013;

AirFlowSet Complete(FlowInputMode mode, double AirFlowSet::*given, double value, double t, double relHum)
{
    MoistAirState s{.Temp = t, .RelHum = relHum};
    CompleteAirState(StateInputMode::TempRelHum, s, P0);
    AirFlowSet flows;
    flows.*given = value;
    CompleteAirFlows(mode, flows, s.Temp, s.HumRatio, s.Density, P0);
    return flows;
}

TEST(CompleteAirFlows, EveryModeFindsTheSameFlows)
{
    using Field = double AirFlowSet::*;
    EXPECT_NEAR(Complete(FlowInputMode::StdVolFlow, &AirFlowSet::StdVolFlow, 5000, 20, 50).VolFlow, 5000, 1e-9)
        << "the standard state";
    const AirFlowSet ref = Complete(FlowInputMode::StdVolFlow, &AirFlowSet::StdVolFlow, 5000, -10, 80);
    EXPECT_LT(ref.VolFlow, 5000);  // cold air is denser
    EXPECT_NEAR(ref.MassFlow, ref.DryMassFlow + ref.VapourMassFlow, 1e-9);
    const std::pair<FlowInputMode, Field> modes[] = {{FlowInputMode::VolFlow, &AirFlowSet::VolFlow},
                                                     {FlowInputMode::DryMassFlow, &AirFlowSet::DryMassFlow},
                                                     {FlowInputMode::MassFlow, &AirFlowSet::MassFlow}};
    for (const auto& [mode, given] : modes) {
        const AirFlowSet f = Complete(mode, given, ref.*given, -10, 80);
        for (Field out : {&AirFlowSet::StdVolFlow, &AirFlowSet::VolFlow, &AirFlowSet::DryMassFlow,
                          &AirFlowSet::VapourMassFlow, &AirFlowSet::MassFlow})
            EXPECT_NEAR(f.*out, ref.*out, out == &AirFlowSet::VapourMassFlow ? 1e-10 : 1e-8)
                << "FlowMode " << static_cast<int>(mode);
    }
}

TEST(CompleteAirFlows, UnknownModeSetsOnlyTheVapourFlowAndZeroDensityFaults)
{
    AirFlowSet f{.StdVolFlow = 1, .DryMassFlow = 1000};
    EXPECT_TRUE(CompleteAirFlows(std::uint8_t{4}, f, 20, 7, 1.2, P0));
    EXPECT_EQ(f.StdVolFlow, 1);
    EXPECT_EQ(f.VolFlow, 0);
    EXPECT_DOUBLE_EQ(f.VapourMassFlow, 7);

    AirFlowSet g{.MassFlow = 1000};
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirFlows(FlowInputMode::MassFlow, g, 20, 7, 0, P0); }));
}

}  // namespace
