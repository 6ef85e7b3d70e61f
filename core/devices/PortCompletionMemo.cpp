// The last completion of an air port.

#include "core/devices/PortCompletionMemo.h"

#include "core/thermo/AirFlows.h"
#include "core/thermo/AirState.h"

void PortCompletionMemo::Complete(AirPort& port, std::uint8_t stateMode, std::uint8_t flowMode, double p,
                                  StateFields fields)
{
    if (stateMode >= StateInputModeCount || flowMode >= GivenFlowOfMode.size()) {
        CompleteAirPort(port, stateMode, flowMode, p, fields);
        return;
    }
    const MoistAirState state = StateOf(port);
    const AirFlowSet flows = FlowsOf(port);
    const GivenFieldPair& given = GivenFieldsOfMode[stateMode];
    const Key key = {state.*given[0],
                     state.*given[1],
                     flows.*GivenFlowOfMode[flowMode],
                     p,
                     static_cast<double>(stateMode),
                     static_cast<double>(flowMode),
                     static_cast<double>(fields)};
    if (const AirPort* kept = last_.Find(key)) {
        port = *kept;
        return;
    }
    // In place, as CompleteAirPort: a failure leaves the port as it does.
    CompleteAirPort(port, stateMode, flowMode, p, fields);
    last_.Keep(key, port);
}
