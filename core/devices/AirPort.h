#pragma once
// One side of an air stream at the exchanger: the flows and the state of the
// air entering or leaving it.

#include <cstdint>

#include "core/thermo/AirFlows.h"
#include "core/thermo/AirState.h"
#include "core/thermo/MoistAirState.h"

struct AirPort {
    double StdVolFlow = 0;      // m³/h at the standard state
    double VolFlow = 0;         // m³/h at the port's own state
    double Temp = 0;            // °C
    double RelHum = 0;          // %
    double HumRatio = 0;        // g/kg
    double DewPoint = 0;        // °C
    double WetBulb = 0;         // °C
    double Enthalpy = 0;        // kJ/kg
    double Density = 0;         // kg/m³
    double DryMassFlow = 0;     // kg/h
    double VapourMassFlow = 0;  // kg/h
    double MassFlow = 0;        // kg/h
};

MoistAirState StateOf(const AirPort& port);
void SetState(AirPort& port, const MoistAirState& state);
AirFlowSet FlowsOf(const AirPort& port);
void SetFlows(AirPort& port, const AirFlowSet& flows);

// Completes the state from its two given fields (stateMode), then the flows
// from the one given (flowMode), at the air pressure p in mbar. Faults reach
// the caller.
void CompleteAirPort(AirPort& port, std::uint8_t stateMode, std::uint8_t flowMode, double p,
                     StateFields fields = StateFields::All);

// One air stream through the exchanger.
struct AirStreamData {
    AirPort Inlet;
    AirPort Outlet;
    double PressureDrop = 0;     // Pa at the operating state
    double PressureDropStd = 0;  // Pa for the standard volume flow at standard density
    double FaceVelocity = 0;     // m/s in front of the exchanger
    double Velocity = 0;         // m/s in the channels
};

// Completes the outlet of a stream from its temperature and humidity ratio;
// the outlet carries the dry air of the inlet.
void CompleteOutlet(AirStreamData& stream, double temp, double humRatio, double p,
                    StateFields fields = StateFields::All);
