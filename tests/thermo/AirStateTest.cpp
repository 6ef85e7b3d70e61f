// Completion of an air state from each pair of given quantities.

#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include "thermo/AirState.h"
#include "thermo/FloatFault.h"
#include "thermo/UThermo.h"

namespace {

constexpr double P0 = 1013;

MoistAirState FromTempRelHum(double t, double relHum, double p)
{
    MoistAirState state;
    state.Temp = t;
    state.RelHum = relHum;
    CompleteAirState(StateInputMode::TempRelHum, state, p);
    return state;
}

TEST(CompleteAirState, StandardState)
{
    const MoistAirState s = FromTempRelHum(20, 50, P0);
    EXPECT_NEAR(s.HumRatio, 7.258, 1e-3);
    EXPECT_NEAR(s.WetBulb, 13.73, 0.005);
    EXPECT_NEAR(s.DewPoint, 9.27, 0.01);
    EXPECT_NEAR(s.Enthalpy, 38.56, 0.01);
    EXPECT_NEAR(s.Density, 1.1988, 1e-4);

    MoistAirState back;
    back.Temp = s.Temp;
    back.Enthalpy = s.Enthalpy;
    CompleteAirState(StateInputMode::TempEnthalpy, back, P0);
    EXPECT_NEAR(back.HumRatio, s.HumRatio, 1e-12);
}

struct Reference {
    double t, relHum, p;
};

class EveryMode : public ::testing::TestWithParam<Reference> {};

// Each mode, given two fields of a completed state, finds the same state.
TEST_P(EveryMode, ReproducesTheStateOfTempAndRelHum)
{
    const Reference ref = GetParam();
    const MoistAirState expected = FromTempRelHum(ref.t, ref.relHum, ref.p);
    for (int mode = 1; mode < StateInputModeCount; ++mode) {
        SCOPED_TRACE("StateMode " + std::to_string(mode));
        MoistAirState state;
        for (double MoistAirState::*given : GivenFieldsOfMode[mode])
            state.*given = expected.*given;
        std::string fault;
        ASSERT_TRUE(RunFpGuarded([&] { CompleteAirState(static_cast<std::uint8_t>(mode), state, ref.p); }, &fault))
            << fault;
        EXPECT_NEAR(state.Temp, expected.Temp, 1e-4);
        EXPECT_NEAR(state.RelHum, expected.RelHum, 1e-3);
        EXPECT_NEAR(state.HumRatio, expected.HumRatio, 5e-5);
        EXPECT_NEAR(state.DewPoint, expected.DewPoint, 1e-4);
        EXPECT_NEAR(state.WetBulb, expected.WetBulb, 1e-4);
        EXPECT_NEAR(state.Enthalpy, expected.Enthalpy, 1e-4);
        EXPECT_NEAR(state.Density, expected.Density, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(VentilationRange, EveryMode,
                         ::testing::Values(Reference{20, 50, 1013}, Reference{-10, 80, 1013},
                                           Reference{-25, 95, 950}, Reference{35, 40, 1013},
                                           Reference{28, 65, 850}, Reference{5, 30, 1100}));

TEST(CompleteAirState, DryAirFromEnthalpyAndRelHum)
{
    MoistAirState s;
    s.Enthalpy = 30;
    s.RelHum = 0;
    CompleteAirState(StateInputMode::EnthalpyRelHum, s, P0);
    EXPECT_DOUBLE_EQ(s.Temp, 30 / 1.007);
    EXPECT_EQ(s.HumRatio, 0);
}

TEST(CompleteAirState, DewPointIsRecomputedOnlyWithTemp)
{
    const MoistAirState ref = FromTempRelHum(20, 50, P0);
    const double given = ref.DewPoint + 1e-9;  // not what the humidity ratio yields exactly

    MoistAirState six;
    six.DewPoint = given;
    six.Temp = ref.Temp;
    CompleteAirState(StateInputMode::DewPointTemp, six, P0);
    EXPECT_NE(six.DewPoint, given);

    for (StateInputMode mode : {StateInputMode::DewPointEnthalpy, StateInputMode::DewPointWetBulb,
                                StateInputMode::DewPointRelHum}) {
        MoistAirState s = ref;
        s.DewPoint = given;
        CompleteAirState(mode, s, P0);
        EXPECT_EQ(s.DewPoint, given) << "StateMode " << static_cast<int>(mode);
    }
}

TEST(CompleteAirState, UnknownModeChangesNothingAndSucceeds)
{
    MoistAirState s;
    s.Temp = 1;
    s.RelHum = 2;
    EXPECT_TRUE(CompleteAirState(std::uint8_t{13}, s, P0));
    EXPECT_TRUE(CompleteAirState(std::uint8_t{255}, s, P0));
    EXPECT_EQ(s.Temp, 1);
    EXPECT_EQ(s.RelHum, 2);
    EXPECT_EQ(s.HumRatio, 0);
}

TEST(CompleteAirState, FaultsReachTheCaller)
{
    // Relative humidity 0 is no target for the temperature search.
    MoistAirState s;
    s.HumRatio = 7;
    s.RelHum = 0;
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirState(StateInputMode::HumRatioRelHum, s, P0); }));

    MoistAirState hot;
    hot.Temp = 1500;
    hot.RelHum = 10;
    EXPECT_THROW(CompleteAirState(StateInputMode::TempRelHum, hot, P0), EMathError);
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(CompleteAirState, StateWithoutSolutionFailsAtOnceInsteadOfHanging)
{
    // Enthalpy/1.007 lies above the boiling point at 757 mbar.
    MoistAirState s;
    s.Enthalpy = 95.24;
    s.RelHum = 28.75;
    std::string fault;
    EXPECT_FALSE(RunFpGuarded([&] { CompleteAirState(StateInputMode::EnthalpyRelHum, s, 757); }, &fault));
    EXPECT_NE(fault.find("isenthalpic"), std::string::npos) << fault;
}

}  // namespace
