#pragma once
// Inputs and field-by-field access shared by the device tests.

#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/devices/DeviceFields.h"

namespace devtest {

using FieldList = std::vector<std::pair<std::string, double>>;

// Visits every plain field under its dotted name: collects it into out, or,
// with next set, first gives it a value of its own so a mixed-up field shows.
struct FieldWalker {
    FieldList* out;
    int* next = nullptr;
    std::string prefix;

    template <class T>
    void operator()(const char* name, T& field) const
    {
        const FieldWalker inner{out, next, prefix + name + "."};
        if constexpr (std::is_same_v<T, AirPort>)
            VisitPortFields(field, inner);
        else if constexpr (std::is_same_v<T, AirStreamData>)
            VisitStreamFields(field, inner);
        else {
            if (next)
                field = static_cast<T>(++*next % 200 + (std::is_same_v<T, double> ? 0.25 : 1));
            out->emplace_back(prefix + name, static_cast<double>(field));
        }
    }
};

template <class D>
FieldList Fields(D& d, int* fillFrom = nullptr)
{
    FieldList out;
    VisitFields(d, FieldWalker{&out, fillFrom, ""});
    return out;
}

inline void ExpectSameFields(const FieldList& a, const FieldList& b, double relTol = 0)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(a[i].second, b[i].second, relTol * std::max(1.0, std::abs(a[i].second))) << a[i].first;
}

// The worked example: -10 °C 80 % outside air against 22 °C 40 % extract
// air, 5000 m³/h each, through a 1500 mm wheel 200 mm deep at 10 1/min;
// reversed gives the inlets in the other order.
template <class D>
void SetUpExample(D& d, bool reversed = false)
{
    d.Pressure = 1013;
    d.StateMode = d.FlowMode = 0;
    d.RotorDiameter = 1500;
    d.RotorDepth = 200;
    d.RotorSpeed = 10;
    AirPort cold{.StdVolFlow = 5000, .Temp = -10, .RelHum = 80};
    AirPort warm{.StdVolFlow = 5000, .Temp = 22, .RelHum = 40};
    d.Stream1.Inlet = reversed ? warm : cold;
    d.Stream2.Inlet = reversed ? cold : warm;
}

// The worked example on a wheel of the given rotor type.
template <class D>
D Example(std::uint8_t rotorType, bool reversed = false)
{
    D d;
    SetUpExample(d, reversed);
    d.RotorType = rotorType;
    return d;
}

// The device after its calculation, which must succeed.
template <class D>
D Calculated(D d)
{
    d.Calculate();
    EXPECT_EQ(d.Status, 0);
    return d;
}

// The inlets given in the other order give the same results, stream for stream.
template <class D>
void ExpectOrderIndependent(const D& given)
{
    D reversed = given;
    std::swap(reversed.Stream1.Inlet, reversed.Stream2.Inlet);
    D d = Calculated(given);
    reversed = Calculated(reversed);
    reversed.SwapStreams();
    ExpectSameFields(Fields(d), Fields(reversed), 1e-12);
}

}  // namespace devtest
