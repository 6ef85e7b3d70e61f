#pragma once
// The flow quantities of one air stream and their completion from one given.

#include <array>
#include <cstdint>

struct AirFlowSet {
    double StdVolFlow = 0;      // m³/h the same mass would take at 20 °C, 50 %, 1013 mbar
    double VolFlow = 0;         // m³/h at the stream's own state
    double DryMassFlow = 0;     // kg/h of dry air
    double VapourMassFlow = 0;  // kg/h of water vapour
    double MassFlow = 0;        // kg/h of moist air
};

// Which flow quantity of an AirFlowSet is given.
enum class FlowInputMode : std::uint8_t {
    StdVolFlow = 0,
    VolFlow = 1,
    DryMassFlow = 2,
    MassFlow = 3,
};

// The given flow of each mode, in the order of the modes.
inline constexpr std::array<double AirFlowSet::*, 4> GivenFlowOfMode = {
    &AirFlowSet::StdVolFlow, &AirFlowSet::VolFlow, &AirFlowSet::DryMassFlow, &AirFlowSet::MassFlow};

// Fills the flows from the one given (named by mode). t, x and density are the
// Temp, HumRatio and Density of the stream's completed state, p the air
// pressure in mbar. The vapour mass flow is set last in every mode, also for a
// mode above 3, which changes nothing else. Returns true; faults (a zero
// density) reach the caller.
bool CompleteAirFlows(std::uint8_t mode, AirFlowSet& flows, double t, double x, double density, double p);
inline bool CompleteAirFlows(FlowInputMode mode, AirFlowSet& flows, double t, double x, double density, double p)
{
    return CompleteAirFlows(static_cast<std::uint8_t>(mode), flows, t, x, density, p);
}
