// The calculation data hierarchy: defaults, stream swaps, the status guard.

#include <cfenv>
#include <cmath>
#include <map>
#include <random>
#include <typeinfo>

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "PlateTestSupport.h"
#include "core/devices/RotaryExchangerX.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

using namespace devtest;

// Every field is 0 but those named.
template <class D>
void ExpectDefaults(std::map<std::string, double> nonZero)
{
    D d;
    for (const auto& [name, value] : Fields(d))
        EXPECT_EQ(value, nonZero[name]) << typeid(D).name() << ' ' << name;
}

TEST(TDatenDefaults, RotorAndPlateClasses)
{
    std::map<std::string, double> rotor = {
        {"RotorType", 1}, {"RotorDepth", 200}, {"FoilThickness", 0.08}, {"WaveHeight", 1.9}, {"RotorSpeed", 10}};
    ExpectDefaults<TDatenRWT_X>(rotor);
    ExpectDefaults<TDatenZEPRA_2000>(rotor);
    rotor["WavePitch"] = 5.2;
    ExpectDefaults<TDatenRWT>(rotor);
    ExpectDefaults<TDatenPWT>({{"UnitCount", 1}});
    ExpectDefaults<TDatenGS>({{"UnitCount", 1}});
}

// One swap exchanges every field of stream 1 with its stream-2 counterpart
// (the last stream digit of the name exchanged) and keeps the rest, the
// outlet limit included; a second swap restores the object exactly.
template <class D>
void CheckSwapStreams()
{
    SCOPED_TRACE(typeid(D).name());
    D d;
    int next = 0;
    const FieldList before = Fields(d, &next);
    std::map<std::string, double> old(before.begin(), before.end());
    d.SwapStreams();
    for (const auto& [field, value] : Fields(d)) {
        std::string other = field;
        const auto pos = field.find_last_of("12");
        if (pos != std::string::npos && field != "LimitOutlet1" && field != "OutletLimit1")
            other[pos] = field[pos] == '1' ? '2' : '1';
        EXPECT_EQ(value, old.count(other) ? old[other] : old[field]) << field;
    }
    d.SwapStreams();
    ExpectSameFields(Fields(d), before);
}

TEST(TDatenSwap, StreamsExchangeEveryStreamFieldAndTwiceRestores)
{
    CheckSwapStreams<TDatenRWT>();
    CheckSwapStreams<TDatenRWT_X>();
    CheckSwapStreams<TDatenZEPRA_2000>();
    CheckSwapStreams<TDatenPWT>();
}

// Calculate reports a fault only through Status 100: nothing thrown, the
// caller's fault flags untouched.
template <class D, class Change>
void ExpectFault(const char* name, std::uint8_t type, Change change)
{
    SCOPED_TRACE(name);
    D d = Example<D>(type);
    change(d);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_NO_THROW(d.Calculate());
    EXPECT_EQ(d.Status, StatusFailed);
    EXPECT_EQ(std::fetestexcept(FpFaultFlags), 0);
}

TEST(TDatenStatus, FaultsEndWithStatus100)
{
    const auto noDiameter = [](auto& d) { d.RotorDiameter = 0; };
    const auto noFlow = [](auto& d) { d.Stream1.Inlet.StdVolFlow = d.Stream2.Inlet.StdVolFlow = 0; };
    const auto standstill = [](auto& d) { d.RotorSpeed = 0; };
    ExpectFault<TDatenRWT>("rotor model, diameter 0", 0, noDiameter);
    ExpectFault<TDatenRWT_X>("model X, diameter 0", 5, noDiameter);
    ExpectFault<TDatenZEPRA_2000>("sorption rotor, diameter 0", 5, [](auto& d) {
        d.OperatingMode = 1;
        d.RotorDiameter = 0;
    });
    ExpectFault<TDatenRWT>("rotor model, negative depth", 0, [](auto& d) { d.RotorDepth = -200; });
    ExpectFault<TDatenRWT>("rotor model, wave pitch 0", 0, [](auto& d) { d.WavePitch = 0; });
    ExpectFault<TDatenRWT>("rotor model, zero flows", 0, noFlow);
    ExpectFault<TDatenRWT_X>("model X, zero flows", 5, noFlow);
    ExpectFault<TDatenRWT_X>("model X at standstill", 5, standstill);
    ExpectFault<TDatenRWT>("type 5 at standstill", 5, standstill);
    // Model X succeeds, but a 130 mm wheel is all hub: no face is left.
    ExpectFault<TDatenRWT>("type 5, hub-only wheel", 5, [](auto& d) { d.RotorDiameter = 130; });
    // An outside inlet that cannot be completed stops before the model.
    ExpectFault<TDatenRWT>("rotor model, 2000 °C", 0, [](auto& d) { d.Stream1.Inlet.Temp = 2000; });
    ExpectFault<TDatenRWT_X>("model X, 2000 °C", 5, [](auto& d) { d.Stream1.Inlet.Temp = 2000; });
}

TEST(TDatenStatus, FailedInletLeavesTheRestUntouchedAndTheObjectUsable)
{
    auto d = Example<TDatenRWT>(0);
    d.Stream1.Inlet.Temp = 2000;
    d.Calculate();
    EXPECT_EQ(d.Status, StatusFailed);
    EXPECT_EQ(d.Stream2.Inlet.HumRatio, 0);  // stream 2 not completed
    EXPECT_EQ(d.TempEff1, 0);
    EXPECT_EQ(d.Stream1.PressureDrop, 0);
    SetUpExample(d);  // corrected, the same object calculates again
    d.Calculate();
    EXPECT_EQ(d.Status, 0);
}

TEST(TDatenStatus, UnknownStateModeLeavesTheInletStatesAndSucceeds)
{
    TDatenII d;
    d.Pressure = 1013;
    d.Stream1.Inlet = {5000, 0, -10, 80};
    d.Stream2.Inlet = {5000, 0, 22, 40};
    d.StateMode = 13;
    d.Calculate();
    EXPECT_EQ(d.Status, 0);
    EXPECT_EQ(d.Stream1.Inlet.Temp, -10);
    EXPECT_EQ(d.Stream1.Inlet.HumRatio, 0);
    EXPECT_EQ(d.Stream2.Inlet.RelHum, 40);
}

TEST(TDatenStatus, ModelXUpdateLeavesFaultsToTheCallerAndNeedsNoTurningWheel)
{
    auto d = Example<TDatenRWT_X>(5);
    d.Stream1.Inlet.StdVolFlow = d.Stream2.Inlet.StdVolFlow = 0;
    EXPECT_FALSE(RunFpGuarded([&] { d.Update(); }));
    EXPECT_EQ(d.Status, 0);  // the inlets themselves were completed
    // Model X needs a turning wheel; its pressure drops do not.
    d = Example<TDatenRWT_X>(5);
    d.RotorSpeed = 0;
    EXPECT_TRUE(RunFpGuarded([&] { d.Update(); }));
    EXPECT_NEAR(d.Stream1.FaceVelocity, 1.406, 1e-3);
    EXPECT_NEAR(d.Stream1.PressureDrop, 41.8, 0.05);
}

// Skipping the dew point and wet bulb of the completed states changes
// nothing else: no model reads them.
template <class D>
void ExpectSameWithoutSearches(D full)
{
    D lean = full;
    lean.CompletedStateFields = StateFields::WithoutDewPointAndWetBulb;
    const FieldList a = Fields(full = Calculated(full)), b = Fields(lean = Calculated(lean));
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].first.ends_with("DewPoint") || a[i].first.ends_with("WetBulb"))
            EXPECT_TRUE(std::isnan(b[i].second)) << b[i].first;
        else
            EXPECT_EQ(a[i].second, b[i].second) << a[i].first;
    }
}

TEST(TDatenStateFields, SkippingTheSearchesChangesNoResult)
{
    ExpectSameWithoutSearches(Example<TDatenRWT>(1));
    auto zepra = Example<TDatenZEPRA_2000>(5);
    zepra.OperatingMode = 1;
    ExpectSameWithoutSearches(zepra);
    ExpectSameWithoutSearches(platetest::Pwt(platetest::Winter, 2));
    ExpectSameWithoutSearches(platetest::Gs(2062));
}

// Random operating points over the whole range of air states, hot streams
// beyond the boiling point at a low air pressure included: whether the dew
// point and wet bulb are computed changes neither the Status nor any other
// result, bit for bit.
template <class D, class Describe>
void ExpectSameStatusWithoutSearches(Describe describe, unsigned seed)
{
    std::mt19937 random(seed);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    int mismatches = 0;
    for (int point = 0; point < 300; ++point) {
        D full;
        describe(full, random);
        full.Pressure = uniform(700, 1100);
        full.StateMode = full.FlowMode = 0;
        // Also air that cannot exist (hot and humid at low pressure): it
        // must fail in both ways.
        const auto inlet = [&](double t) {
            return AirPort{.StdVolFlow = uniform(500, 20000), .Temp = t, .RelHum = uniform(0, 100)};
        };
        full.Stream1.Inlet = inlet(uniform(-30, 100));
        full.Stream2.Inlet = inlet(uniform(-30, 100));
        D lean = full;
        lean.CompletedStateFields = StateFields::WithoutDewPointAndWetBulb;
        full.Calculate();
        lean.Calculate();
        const FieldList a = Fields(full), b = Fields(lean);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size() && mismatches < 10; ++i) {
            if (a[i].first.ends_with("DewPoint") || a[i].first.ends_with("WetBulb"))
                continue;
            const bool same = a[i].second == b[i].second || (std::isnan(a[i].second) && std::isnan(b[i].second));
            if (!same) {
                ++mismatches;
                ADD_FAILURE() << typeid(D).name() << " point " << point << " at " << full.Pressure << " mbar, "
                              << full.Stream1.Inlet.Temp << " / " << full.Stream2.Inlet.Temp << " degC: " << a[i].first
                              << " " << a[i].second << " with the searches, " << b[i].second << " without";
            }
        }
    }
}

TEST(TDatenStateFields, RandomPointsGiveTheSameStatusWithAndWithoutTheSearches)
{
    using Random = std::mt19937;
    const auto wheel = [](TDatenREG& d, Random& r, std::uint8_t type) {
        d.RotorType = type;
        d.RotorDiameter = 800 + static_cast<std::int32_t>(r() % 4000);
        d.RotorDepth = 200;
        d.RotorSpeed = 1 + r() % 20;
    };
    ExpectSameStatusWithoutSearches<TDatenRWT>(
        [&](TDatenRWT& d, Random& r) { wheel(d, r, static_cast<std::uint8_t>(r() % 7)); }, 1);
    ExpectSameStatusWithoutSearches<TDatenRWT_X>([&](TDatenRWT_X& d, Random& r) { wheel(d, r, RotorTypeX); }, 2);
    ExpectSameStatusWithoutSearches<TDatenZEPRA_2000>(
        [&](TDatenZEPRA_2000& d, Random& r) {
            d.OperatingMode = static_cast<std::uint8_t>(1 + r() % 4);
            wheel(d, r, RotorTypeX);
        },
        3);
    ExpectSameStatusWithoutSearches<TDatenPWT>(
        [](TDatenPWT& d, Random& r) {
            d.PackageWidth = d.EdgeLength = 1000;
            d.SpacingIndex = 2;
            d.UnitCount = static_cast<std::uint8_t>(1 + r() % 4);
        },
        4);
    ExpectSameStatusWithoutSearches<TDatenGS>([](TDatenGS& d, Random&) { d.PackageWidth = 1000, d.GsSize = 2062; }, 5);
}

}  // namespace
