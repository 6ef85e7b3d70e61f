// The sorption rotor's calculation data (TDatenZEPRA_2000).

#include "core/devices/SorptionRotor.h"

#include "core/devices/HubPressureDrop.h"
#include "core/devices/RotorModelX.h"

namespace {

// The operating mode that computes the rotor with model X.
constexpr std::uint8_t ModeRotorModelX = 1;

}  // namespace

double TDatenZEPRA_2000::SectorDivisor() const
{
    switch (OperatingMode) {
    case 3:
        return 3;
    case 4:
        return 2;
    default:
        return 1;
    }
}

void TDatenZEPRA_2000::Update()
{
    TDatenRWT_X::Update();
    HubPressureDrops(*this, SectorDivisor());  // outside the guard, as above
}

void TDatenZEPRA_2000::Calculate()
{
    if (Status > 0)
        return;
    if (!RunGuardedPart([this] { Update(); })) {
        Status = StatusFailed;
        return;
    }
    // Face velocities of the sectors; model X and the final pressure drops
    // replace them, but they stand for an operating mode without a model.
    bool ok = RunStatusGuarded([this] {
        const double area = FaceAreaWithoutHub(RotorDiameter);
        const double d = SectorDivisor();
        Stream1.FaceVelocity = (1 / d + 1) * Stream1.Inlet.VolFlow / area / 3600;
        Stream2.FaceVelocity = (d + 1) * Stream2.Inlet.VolFlow / area / 3600;
    });
    if (OperatingMode == ModeRotorModelX)
        ok = GuardedStep([this] { RotorModelX(*this); }) && ok;
    ok = RunStatusGuarded([this] { HubPressureDrops(*this, SectorDivisor()); }) && ok;
    Status = ok ? 0 : StatusFailed;
}
