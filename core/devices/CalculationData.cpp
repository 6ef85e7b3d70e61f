// The base levels of the calculation data hierarchy (TDaten).

#include "core/devices/CalculationData.h"

#include <utility>

bool TDatenI::CompleteInlet1()
{
    return GuardedStep([this] { CompleteAirPort(Stream1.Inlet, StateMode, FlowMode, Pressure, CompletedStateFields); });
}

void TDatenI::Update()
{
    CompleteInlet1();
}

void TDatenI::Calculate()
{
    CompleteInlet1();
}

bool TDatenII::CompleteInlets()
{
    if (!CompleteInlet1())
        return false;  // a failed stream 1 leaves stream 2 untouched
    return GuardedStep([this] { CompleteAirPort(Stream2.Inlet, StateMode, FlowMode, Pressure, CompletedStateFields); });
}

void TDatenII::Update()
{
    CompleteInlets();
}

void TDatenII::Calculate()
{
    CompleteInlets();
}

void TDatenII::SwapInlets()
{
    std::swap(Stream1.Inlet, Stream2.Inlet);
}

void TDatenII::SwapStreams()
{
    SwapInlets();
    std::swap(Stream1.Outlet, Stream2.Outlet);
    std::swap(Stream1.PressureDrop, Stream2.PressureDrop);
    std::swap(Stream1.PressureDropStd, Stream2.PressureDropStd);
    std::swap(Stream1.FaceVelocity, Stream2.FaceVelocity);
    std::swap(Stream1.Velocity, Stream2.Velocity);
}
