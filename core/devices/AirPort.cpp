// One side of an air stream at the exchanger.

#include "core/devices/AirPort.h"

#include "core/thermo/AirFlows.h"
#include "core/thermo/AirState.h"

MoistAirState StateOf(const AirPort& port)
{
    return {port.Temp, port.RelHum, port.HumRatio, port.DewPoint, port.WetBulb, port.Enthalpy, port.Density};
}

void SetState(AirPort& port, const MoistAirState& state)
{
    port.Temp = state.Temp;
    port.RelHum = state.RelHum;
    port.HumRatio = state.HumRatio;
    port.DewPoint = state.DewPoint;
    port.WetBulb = state.WetBulb;
    port.Enthalpy = state.Enthalpy;
    port.Density = state.Density;
}

AirFlowSet FlowsOf(const AirPort& port)
{
    return {port.StdVolFlow, port.VolFlow, port.DryMassFlow, port.VapourMassFlow, port.MassFlow};
}

void SetFlows(AirPort& port, const AirFlowSet& flows)
{
    port.StdVolFlow = flows.StdVolFlow;
    port.VolFlow = flows.VolFlow;
    port.DryMassFlow = flows.DryMassFlow;
    port.VapourMassFlow = flows.VapourMassFlow;
    port.MassFlow = flows.MassFlow;
}

void CompleteAirPort(AirPort& port, std::uint8_t stateMode, std::uint8_t flowMode, double p, StateFields fields)
{
    MoistAirState state = StateOf(port);
    CompleteAirState(stateMode, state, p, fields);
    SetState(port, state);
    AirFlowSet flows = FlowsOf(port);
    CompleteAirFlows(flowMode, flows, port.Temp, port.HumRatio, port.Density, p);
    SetFlows(port, flows);
}

void CompleteOutlet(AirStreamData& stream, double temp, double humRatio, double p, StateFields fields)
{
    AirPort& outlet = stream.Outlet;
    outlet.DryMassFlow = stream.Inlet.DryMassFlow;
    outlet.Temp = temp;
    outlet.HumRatio = humRatio;
    CompleteAirPort(outlet, static_cast<std::uint8_t>(StateInputMode::TempHumRatio),
                    static_cast<std::uint8_t>(FlowInputMode::DryMassFlow), p, fields);
}
