#pragma once
// Operating points and checks shared by the plate heat exchanger tests.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "core/devices/CounterflowPlateExchanger.h"
#include "core/devices/CrossflowPlateExchanger.h"
#include "core/devices/PlateSteps.h"

namespace platetest {

using devtest::Calculated;
using devtest::ExpectOrderIndependent;

// Inlet temperatures (°C) and relative humidities (%) of both streams.
struct Inlets {
    double t1, phi1, t2, phi2;
};

inline constexpr Inlets Winter{-10, 80, 22, 40};
inline constexpr Inlets Summer{32, 40, 24, 50};  // stream 1 the warmer one
inline constexpr Inlets Dry{15, 50, 22, 30};     // extract dew point far below 15 °C
inline constexpr Inlets Humid{-20, 80, 22, 90};  // condensation beyond its limit

template <class D>
D Plate(const Inlets& in, double flow1, double flow2)
{
    D d;
    d.Pressure = 1013;
    d.Stream1.Inlet = AirPort{.StdVolFlow = flow1, .Temp = in.t1, .RelHum = in.phi1};
    d.Stream2.Inlet = AirPort{.StdVolFlow = flow2, .Temp = in.t2, .RelHum = in.phi2};
    d.PackageWidth = 1000;
    return d;
}

// A 1000 mm face with spacing index 2 (5.5 mm).
inline TDatenPWT Pwt(const Inlets& in = Winter, int units = 1, double flow1 = 5000, double flow2 = 5000)
{
    auto d = Plate<TDatenPWT>(in, flow1, flow2);
    d.EdgeLength = 1000;
    d.SpacingIndex = 2;
    d.UnitCount = static_cast<std::uint8_t>(units);
    return d;
}

inline TDatenGS Gs(std::int32_t size, const Inlets& in = Winter, double flow1 = 5000, double flow2 = 5000)
{
    auto d = Plate<TDatenGS>(in, flow1, flow2);
    d.GsSize = size;
    return d;
}

// What stream 1 takes up, stream 2 gives off: sensibly, W1·(t12 − t11) =
// W2·(t21 − t22), or as enthalpy flows.
inline void ExpectBalance(const TDatenREK& d, double relTol, bool sensible)
{
    const AirPort &in1 = d.Stream1.Inlet, &out1 = d.Stream1.Outlet, &in2 = d.Stream2.Inlet, &out2 = d.Stream2.Outlet;
    const double q1 = sensible ? PlateCapacityFlow(in1) * (out1.Temp - in1.Temp)
                               : in1.DryMassFlow * (out1.Enthalpy - in1.Enthalpy);
    const double q2 = sensible ? PlateCapacityFlow(in2) * (in2.Temp - out2.Temp)
                               : in2.DryMassFlow * (in2.Enthalpy - out2.Enthalpy);
    EXPECT_NEAR(q1, q2, relTol * std::abs(q1)) << (sensible ? "sensible" : "enthalpy");
}

}  // namespace platetest
