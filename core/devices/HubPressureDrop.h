#pragma once
// Face velocities and pressure drops of a rotor face without its hub, split
// between the streams in sectors.

#include "core/devices/Regenerators.h"

// Hub diameter in mm of a rotor of diameter d mm: 130 up to 1000 mm, 250 above.
double HubDiameter(double rotorDiameter);
// Face area in m² of a rotor without its hub.
double FaceAreaWithoutHub(double rotorDiameter);
// Pressure drop in Pa of a hub rotor at face velocity w (m/s) and density rho;
// 0 at w = 0.
double HubRotorPressureDrop(double w, double rho);

// Stream 1 flows through the share A/(1 + 1/d) of the face A, stream 2
// through A/(1 + d). Sets FaceVelocity (from VolFlow), PressureDropStd (from
// StdVolFlow at 1.2 kg/m³) and PressureDrop (at the inlet density) of both
// streams. Faults (a face area of 0) reach the caller.
void HubPressureDrops(TDatenREG& data, double sectorDivisor);
