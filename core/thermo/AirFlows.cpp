// The flow quantities of one air stream, completed from one given.

#include "core/thermo/AirFlows.h"

#include "core/thermo/MoistAirProperties.h"

bool CompleteAirFlows(std::uint8_t mode, AirFlowSet& flows, double t, double x, double density, double p)
{
    const double moistPerDry = 1 + x / 1000;
    switch (static_cast<FlowInputMode>(mode)) {
    case FlowInputMode::StdVolFlow:
        flows.VolFlow = FromStdVolFlow(flows.StdVolFlow, t, x, p);
        flows.MassFlow = flows.VolFlow * density;
        flows.DryMassFlow = flows.MassFlow / moistPerDry;
        break;
    case FlowInputMode::VolFlow:
        flows.StdVolFlow = ToStdVolFlow(flows.VolFlow, t, x, p);
        flows.MassFlow = flows.VolFlow * density;
        flows.DryMassFlow = flows.MassFlow / moistPerDry;
        break;
    case FlowInputMode::DryMassFlow:
        flows.MassFlow = moistPerDry * flows.DryMassFlow;
        flows.VolFlow = flows.MassFlow / density;
        flows.StdVolFlow = ToStdVolFlow(flows.VolFlow, t, x, p);
        break;
    case FlowInputMode::MassFlow:
        flows.DryMassFlow = flows.MassFlow / moistPerDry;
        flows.VolFlow = flows.MassFlow / density;
        flows.StdVolFlow = ToStdVolFlow(flows.VolFlow, t, x, p);
        break;
    }
    flows.VapourMassFlow = flows.DryMassFlow * x / 1000;
    return true;
}
