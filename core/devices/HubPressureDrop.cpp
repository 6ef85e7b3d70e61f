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

// A loss coefficient ζ = 122.49·w^−0.9301 fitted over the face velocity w
// (m/s) of the sector. The face velocity limit of the plausibility check
// (5.5 m/s on half the whole face) gives sector velocities up to about 6 m/s
// at 1013 mbar (the hub takes up to 7 % of a 500 mm face) for the equal
// sectors the year uses; other sector divisions of a sorption rotor and
// lower air pressures give more.
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
