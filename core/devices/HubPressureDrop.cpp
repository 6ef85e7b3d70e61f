// Face velocities and pressure drops of a rotor face with its hub taken out.

#include "core/devices/HubPressureDrop.h"

#include <cmath>
#include <numbers>

double HubDiameter(double rotorDiameter)
{
    return rotorDiameter <= 1000 ? 130 : 250;
}

double FaceAreaWithoutHub(double rotorDiameter)
{
    const double hub = HubDiameter(rotorDiameter);
    return (rotorDiameter * rotorDiameter - hub * hub) * std::numbers::pi / 4 / 1e6;
}

double HubRotorPressureDrop(double w, double rho)
{
    if (w == 0)
        return 0;
    return 122.49 * std::pow(w, -0.9301) * rho / 2 * w * w;
}

namespace {

constexpr double StdAirDensity = 1.2;  // kg/m³ of the standard pressure drop

void SectorPressureDrops(AirStreamData& stream, double sectorArea)
{
    const double wStd = stream.Inlet.StdVolFlow / sectorArea / 3600;
    stream.FaceVelocity = wStd;
    stream.PressureDropStd = HubRotorPressureDrop(wStd, StdAirDensity);
    const double w = stream.Inlet.VolFlow / sectorArea / 3600;
    stream.FaceVelocity = w;
    stream.PressureDrop = HubRotorPressureDrop(w, stream.Inlet.Density);
}

}  // namespace

void HubPressureDrops(TDatenREG& data, double sectorDivisor)
{
    const double area = FaceAreaWithoutHub(data.RotorDiameter);
    SectorPressureDrops(data.Stream1, area / (1 + 1 / sectorDivisor));
    SectorPressureDrops(data.Stream2, area / (1 + sectorDivisor));
}
