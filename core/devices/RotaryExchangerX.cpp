// The rotary heat exchanger of model X (TDatenRWT_X).

#include "core/devices/RotaryExchangerX.h"

#include "core/devices/RotorModelX.h"

TDatenRWT_X::TDatenRWT_X()
{
    SetRotorDefaults();
}

void TDatenRWT_X::Update()
{
    TDatenII::Update();
    RotorPressureDropsX(*this);  // outside the guard: its faults reach the caller
}

void TDatenRWT_X::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { RotorModelX(*this); });
}
