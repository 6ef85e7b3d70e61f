// Moist-air property functions. Reference values are computed independently
// from the defining formulas, or are physical values where the fits should
// meet them.

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "core/thermo/Bisection.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr double P0 = 1013;

// Fault flags raised by a call, with the flags clean before it.
template <class F>
int FlagsRaisedBy(F call)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    call();
    const int flags = std::fetestexcept(FpFaultFlags);
    std::feclearexcept(FE_ALL_EXCEPT);
    return flags;
}

TEST(SatPressure, EachRangeOfTheFit)
{
    // t, expected, tolerance: over ice, over water and both sides of the seams at 100 and 250.
    const double rows[][3] = {{-40, 13.08435130351471, 1e-9},
                              {-10, 260.1392225821368, 1e-9},
                              {0, 611, 0},
                              {20, 2336.853859416233, 1e-8},
                              {50, 12333.70094877649, 1e-7},
                              {99.999, 101312.11750349378, 1e-6},
                              {100, 101319.98328787362, 1e-6},
                              {150, 475852.8642311906, 1e-5},
                              {249.999, 3882040.9851832804, 1e-4},
                              {250, 3906250, 1e-6}};
    for (const auto& [t, expected, tolerance] : rows)
        EXPECT_NEAR(SatPressure(t), expected, tolerance) << "t = " << t;
    // The fits meet the steam table near the boiling point and at 150 degC.
    EXPECT_NEAR(SatPressure(100), 101325, 101325 * 0.001);
    EXPECT_NEAR(SatPressure(150), 476000, 476000 * 0.002);
}

TEST(HumRatioOfAndRelHumOf, DryAirRoundTripAndSupersaturation)
{
    EXPECT_EQ(HumRatioOf(20, 0, P0), 0);
    EXPECT_EQ(HumRatioOf(20, -5, P0), 0);
    EXPECT_EQ(RelHumOf(20, 0, P0), 0);
    EXPECT_NEAR(RelHumOf(20, HumRatioOf(20, 50, P0), P0), 50, 1e-10);
    EXPECT_GT(RelHumOf(10, 12, P0), 100);
}

TEST(SelfGuardedFunctions, ReturnDryAirOnAFaultAndLeaveTheFlagsAlone)
{
    // Saturation pressure overflows far above any air temperature.
    EXPECT_EQ(FlagsRaisedBy([] { EXPECT_EQ(HumRatioOf(1e80, 50, P0), 0); }), 0);
    // Saturation pressure underflows to 0 far below absolute zero.
    EXPECT_EQ(FlagsRaisedBy([] { EXPECT_EQ(RelHumOf(-2000, 5, P0), 0); }), 0);

    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_INVALID);  // raised by the caller before
    HumRatioOf(1e80, 50, P0);
    EXPECT_TRUE(std::fetestexcept(FE_INVALID));
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(DewPoint, InvertsTheSaturationPressure)
{
    EXPECT_NEAR(DewPointOfVapourPressure(1000), 6.98, 0.005);
    for (double t = -40; t <= 60; t += 2.5) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(DewPointOfVapourPressure(SatPressure(t)), t, 1e-5);
    }
    // Above 100 degC and across the 0 degC seam.
    EXPECT_NEAR(DewPointOfVapourPressure(SatPressure(120)), 120, 1e-5);
    EXPECT_NEAR(DewPointOfVapourPressure(SatPressure(-0.05)), -0.05, 1e-5);
    EXPECT_EQ(DewPointOf(0, P0), DewPointOf(0.01, P0)) << "x = 0 counts as 0.01 g/kg";
}

TEST(DewPoint, BadVapourPressuresFaultForTheCaller)
{
    EXPECT_TRUE(FlagsRaisedBy([] { DewPointOfVapourPressure(0); }) & FE_DIVBYZERO);
    EXPECT_TRUE(FlagsRaisedBy([] { DewPointOfVapourPressure(-1); }) & FE_INVALID);
    // The estimate for such pressures lies thousands of kelvin from any root.
    EXPECT_THROW(DewPointOfVapourPressure(1e12), EMathError);
    EXPECT_THROW(DewPointOfVapourPressure(1e-300), EMathError);
}

TEST(Bisection, StopsAtTheToleranceOrTheHalvingCap)
{
    FpFaultScope scope;
    const auto line = [](double t) { return t - 1.2345; };
    const BisectionResult found = Bisect(line, 0, 10, 1e-6, DewPointHalvingLimit, scope);
    EXPECT_FALSE(found.faulted);
    EXPECT_LT(found.halvings, DewPointHalvingLimit);
    EXPECT_NEAR(found.root, 1.2345, 1e-6);

    // A bracket one unit in the last place wide at 1e10 is wider than the
    // tolerance and cannot shrink: the cap ends it (the dew point then falls
    // back to its estimate).
    const double a = 1e10;
    const double b = std::nextafter(a, 2e10);
    const auto step = [a](double t) { return t == a ? -1.0 : 1.0; };
    EXPECT_EQ(Bisect(step, a, b, 1e-6, DewPointHalvingLimit, scope).halvings, DewPointHalvingLimit);

    // A bracket of zero width returns its start.
    const BisectionResult none = Bisect(line, 3, 3, 1e-6, DewPointHalvingLimit, scope);
    EXPECT_EQ(none.root, 3);
    EXPECT_EQ(none.halvings, 0);
}

TEST(EnthalpyOf, UnsaturatedFogAndIceFog)
{
    EXPECT_NEAR(EnthalpyOf(20, 7.3, P0), 38.66886, 1e-9);
    // Saturation humidity ratio at 10 degC is about 7.63 g/kg: 12 g/kg is fog,
    // whose liquid water carries far less enthalpy than vapour would.
    EXPECT_NEAR(EnthalpyOf(10, 12, P0), 29.46984022397772, 1e-9);
    EXPECT_NEAR(EnthalpyOf(-10, 5, P0), -7.33479535951303, 1e-9);
    // Above 100 degC there is no fog test.
    EXPECT_NEAR(EnthalpyOf(120, 10, P0), 1.007 * 120 + (1.86 * 120 + 2501) * 0.01, 1e-9);
}

// The enthalpy that reads the saturation from a relative humidity belonging to
// the state: bit for bit EnthalpyOf's, also right at saturation (within a few
// roundings of it from either side), in fog, at the boiling point and above,
// and for a humidity of 0; and it raises the flags EnthalpyOf raises.
TEST(EnthalpyOf, FromAKnownRelativeHumidityTheSameBits)
{
    const auto expectSame = [](double t, double x, double relHum, double p) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(EnthalpyOfKnownRelHum(t, x, relHum, p)),
                  std::bit_cast<std::uint64_t>(EnthalpyOf(t, x, p)))
            << "t " << t << ", x " << x << ", relHum " << relHum << ", p " << p;
    };
    for (const double p : {700.0, 1013.0}) {
        for (double t = -40; t < 110; t += 0.37) {
            for (const double relHum :
                 {0.0, 1e-300, 50.0, 99.9999999, std::nextafter(100.0, 0.0), 100.0, 100.0000001, 130.0}) {
                expectSame(t, HumRatioOf(t, relHum, p), relHum, p);
            }
            const double xs = HumRatioOf(t, 100, p);
            for (int ulps = -40; ulps <= 40; ++ulps) {
                const double x = xs * (1 + ulps * 1e-16);
                expectSame(t, x, RelHumOf(t, x, p), p);
            }
            expectSame(t, 0, RelHumOf(t, 0, p), p);
        }
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FlagsRaisedBy([&] { EnthalpyOfKnownRelHum(20, 5, nan, P0); }), 0);
    EXPECT_EQ(FlagsRaisedBy([&] { EnthalpyOfKnownRelHum(nan, 5, 50, P0); }),
              FlagsRaisedBy([&] { EnthalpyOf(nan, 5, P0); }));
}

// Between the boiling point at the air pressure and 100 degC the saturation
// humidity ratio is negative: any amount of vapour is unsaturated there, so
// the enthalpy keeps rising with the temperature as it does on both sides,
// finely through 93 to 101 degC and coarser over the whole range of air.
TEST(EnthalpyOf, RisesSteadilyThroughTheBoilingPoint)
{
    const auto plain = [](double t, double x) { return 1.007 * t + (1.86 * t + 2501) * x / 1000; };
    EXPECT_NEAR(EnthalpyOf(99.995, 6.53, 1002.5), plain(99.995, 6.53), 1e-9);
    const struct {
        double from, step;
        int steps;
    } scans[] = {{93, 0.001, 8000}, {-40, 0.01, 29000}};
    for (const auto& [from, step, steps] : scans) {
        for (const double p : {700.0, 800.0, 1002.5, 1013.0, 1100.0}) {
            for (const double x : {0.0, 6.53, 50.0, 400.0}) {
                SCOPED_TRACE(testing::Message() << "p = " << p << " mbar, x = " << x << " g/kg");
                double previous = EnthalpyOf(from, x, p);
                for (int i = 1; i <= steps; ++i) {
                    const double t = from + i * step;
                    const double h = EnthalpyOf(t, x, p);
                    ASSERT_GT(h, previous) << "at " << t << " degC";
                    previous = h;
                }
            }
        }
    }
}

TEST(Effectiveness, CounterflowCorrectedAndSeries)
{
    EXPECT_DOUBLE_EQ(EffCounterflow(1, 2), 2.0 / 3);
    EXPECT_NEAR(EffCounterflow(0.5, 1), 0.5647334016064162, 1e-14);
    EXPECT_NEAR(EffCorrectedNtu(1, 1), 0.47594905469048887, 1e-14);  // y <= 2
    EXPECT_NEAR(EffCorrectedNtu(1, 3), 0.6810511380633717, 1e-14);   // y > 2
    EXPECT_NEAR(EffCorrectedNtu(0.5, 2), 0.7318747423278097, 1e-14);

    // One unit is the unit itself; equal capacity flows count as R = 0.9999,
    // close to the limit n·e/(1 + (n-1)·e) of two units.
    EXPECT_NEAR(EffSeries(1, 0.7, 0.6), 0.6, 1e-14);
    EXPECT_EQ(EffSeries(2, 1, 0.5), EffSeries(2, 0.9999, 0.5));
    EXPECT_NEAR(EffSeries(2, 1, 0.5), 2.0 / 3, 1e-4);
}

TEST(IsenthalpicTemp, WetBulbAndDryAirTargets)
{
    const double x = HumRatioOf(20, 50, P0);
    EXPECT_NEAR(IsenthalpicTemp(20, x, P0, 100), 13.73, 0.005);
    EXPECT_DOUBLE_EQ(IsenthalpicTemp(20, x, P0, 0), EnthalpyOf(20, x, P0) / 1.007);
    EXPECT_EQ(IsenthalpicTemp(20, 0, P0, 0), 20);
    // Humidification to 80 % ends warmer than the wet bulb, with 80 %.
    const double t80 = IsenthalpicTemp(20, x, P0, 80);
    EXPECT_NEAR(RelHumOf(t80, HumRatioOfEnthalpy(EnthalpyOf(20, x, P0), t80), P0), 80, 1e-3);
    // Fog is first dried along its isenthalp.
    const double tFog = IsenthalpicTemp(10, 12, P0, 100);
    EXPECT_NEAR(RelHumOf(tFog, HumRatioOfEnthalpy(EnthalpyOf(10, 12, P0), tFog), P0), 100, 1e-3);
    // A target above saturation is searched as saturation.
    EXPECT_NEAR(IsenthalpicTemp(20, x, P0, 120), IsenthalpicTemp(20, x, P0, 100), 1e-4);
}

TEST(IsenthalpicTemp, RaisesOutsideItsRangeAndFallsBackOnFaults)
{
    EXPECT_THROW(IsenthalpicTemp(1000.5, 5, P0, 100), EMathError);
    EXPECT_THROW(IsenthalpicTemp(20, -0.1, P0, 100), EMathError);
    // The enthalpy of this state overflows: the search faults, the result is
    // the start temperature, and the caller's flags stay clean.
    EXPECT_EQ(FlagsRaisedBy([] { EXPECT_EQ(IsenthalpicTemp(1000, 1e308, P0, 100), 1000); }), 0);
    // Far below any air state the isenthalp never reaches the target.
    EXPECT_THROW(IsenthalpicTemp(-1000 / 1.007, 0, 757, 28.75), EMathError);
    // Dry air of 94.6 degC lies above the boiling point at 757 mbar; its
    // isenthalp still meets 28.75 % near 42 degC.
    const double t = IsenthalpicTemp(95.24 / 1.007, 0, 757, 28.75);
    const double x = (95.24 - 1.007 * t) * 1000 / (1.86 * t + 2501);
    EXPECT_NEAR(t, 42.36, 0.01);
    EXPECT_NEAR(RelHumOf(t, x, 757), 28.75, 1e-3);
}

}  // namespace
