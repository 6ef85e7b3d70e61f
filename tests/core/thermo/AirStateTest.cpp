// Completion of an air state from each pair of given quantities.

#include <cfenv>

#include <gtest/gtest.h>

#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr double P0 = 1013;

MoistAirState Completed(StateInputMode mode, MoistAirState given, double p = P0)
{
    CompleteAirState(mode, given, p);
    return given;
}

TEST(CompleteAirState, StandardState)
{
    const MoistAirState s = Completed(StateInputMode::TempRelHum, {.Temp = 20, .RelHum = 50});
    EXPECT_NEAR(s.HumRatio, 7.258, 1e-3);
    EXPECT_NEAR(s.WetBulb, 13.73, 0.005);
    EXPECT_NEAR(s.DewPoint, 9.27, 0.01);
    EXPECT_NEAR(s.Enthalpy, 38.56, 0.01);
    EXPECT_NEAR(s.Density, 1.1988, 1e-4);
    EXPECT_NEAR(Completed(StateInputMode::TempEnthalpy, {.Temp = 20, .Enthalpy = s.Enthalpy}).HumRatio, s.HumRatio,
                1e-12);
}

struct Reference {
    double t, relHum, p;
};

class EveryMode : public ::testing::TestWithParam<Reference> {};

// Each mode, given two fields of a completed state, finds the same state.
TEST_P(EveryMode, ReproducesTheStateOfTempAndRelHum)
{
    const Reference ref = GetParam();
    const MoistAirState expected = Completed(StateInputMode::TempRelHum, {.Temp = ref.t, .RelHum = ref.relHum}, ref.p);
    constexpr double tolerance[] = {1e-4, 1e-3, 5e-5, 1e-4, 1e-4, 1e-4, 1e-6};  // in MoistAirFields order
    for (int mode = 1; mode < StateInputModeCount; ++mode) {
        SCOPED_TRACE("StateMode " + std::to_string(mode));
        MoistAirState state;
        for (double MoistAirState::*given : GivenFieldsOfMode[mode])
            state.*given = expected.*given;
        std::string fault;
        ASSERT_TRUE(RunFpGuarded([&] { CompleteAirState(static_cast<std::uint8_t>(mode), state, ref.p); }, &fault))
            << fault;
        for (std::size_t i = 0; i < MoistAirFields.size(); ++i)
            EXPECT_NEAR(state.*MoistAirFields[i].member, expected.*MoistAirFields[i].member, tolerance[i])
                << MoistAirFields[i].name;
    }
}

INSTANTIATE_TEST_SUITE_P(VentilationRange, EveryMode,
                         ::testing::Values(Reference{20, 50, 1013}, Reference{-10, 80, 1013}, Reference{-25, 95, 950},
                                           Reference{35, 40, 1013}, Reference{28, 65, 850}, Reference{5, 30, 1100}));

TEST(CompleteAirState, DryAirFromEnthalpyAndRelHum)
{
    const MoistAirState s = Completed(StateInputMode::EnthalpyRelHum, {.RelHum = 0, .Enthalpy = 30});
    EXPECT_DOUBLE_EQ(s.Temp, 30 / 1.007);
    EXPECT_EQ(s.HumRatio, 0);
}

TEST(CompleteAirState, DewPointIsRecomputedOnlyWithTemp)
{
    const MoistAirState ref = Completed(StateInputMode::TempRelHum, {.Temp = 20, .RelHum = 50});
    const double given = ref.DewPoint + 1e-9;  // not what the humidity ratio yields exactly
    EXPECT_NE(Completed(StateInputMode::DewPointTemp, {.Temp = ref.Temp, .DewPoint = given}).DewPoint, given);
    for (StateInputMode mode :
         {StateInputMode::DewPointEnthalpy, StateInputMode::DewPointWetBulb, StateInputMode::DewPointRelHum}) {
        MoistAirState s = ref;
        s.DewPoint = given;
        EXPECT_EQ(Completed(mode, s).DewPoint, given) << "StateMode " << static_cast<int>(mode);
    }
}

TEST(CompleteAirState, UnknownModeChangesNothingAndSucceeds)
{
    MoistAirState s{.Temp = 1, .RelHum = 2};
    EXPECT_TRUE(CompleteAirState(std::uint8_t{13}, s, P0));
    EXPECT_TRUE(CompleteAirState(std::uint8_t{255}, s, P0));
    EXPECT_EQ(s.Temp, 1);
    EXPECT_EQ(s.RelHum, 2);
    EXPECT_EQ(s.HumRatio, 0);
}

TEST(CompleteAirState, FaultsReachTheCaller)
{
    // Relative humidity 0 is no target for the temperature search.
    MoistAirState s{.RelHum = 0, .HumRatio = 7};
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirState(StateInputMode::HumRatioRelHum, s, P0); }));

    MoistAirState hot{.Temp = 1500, .RelHum = 10};
    EXPECT_THROW(CompleteAirState(StateInputMode::TempRelHum, hot, P0), EMathError);
    std::feclearexcept(FE_ALL_EXCEPT);

    // No solution (an enthalpy far below any air state): the search fails at
    // once instead of hanging.
    MoistAirState none{.RelHum = 28.75, .Enthalpy = -1000};
    std::string fault;
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirState(StateInputMode::EnthalpyRelHum, none, 757); }, &fault));
    EXPECT_NE(fault.find("isenthalpic"), std::string::npos) << fault;
}

}  // namespace
