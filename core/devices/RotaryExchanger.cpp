// The rotary heat exchanger of the rotor model (TDatenRWT).

#include "core/devices/RotaryExchanger.h"

#include "core/devices/HubPressureDrop.h"
#include "core/devices/RotorModel.h"
#include "core/devices/RotorModelX.h"

TDatenRWT::TDatenRWT()
{
    SetRotorDefaults();
}

void TDatenRWT::Update()
{
    TDatenII::Update();
    if (RotorType == RotorTypeX)
        HubPressureDrops(*this, 1);  // outside the guard: its faults reach the caller
    else
        Calculate();
}

void TDatenRWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    if (RotorType != RotorTypeX) {
        GuardedStep([this] { RotorModel(*this); });
        return;
    }
    // Model X, then the pressure drops of the face with the hub. The update
    // completes the inlets again under its own guard, which must not turn a
    // failed model into success.
    const bool modelOk = GuardedStep([this] { RotorModelX(*this); });
    const bool updateOk = RunGuardedPart([this] { Update(); });
    Status = modelOk && updateOk ? 0 : StatusFailed;
}
