// The cross-flow plate heat exchanger's calculation data (TDatenPWT).

#include "core/devices/CrossflowPlateExchanger.h"

#include "core/devices/CrossflowPlateModel.h"

void TDatenPWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcPwt(*this); });
}

// One guard for the inlets and the model: the series ends at the first
// failure of a unit, whichever part it is in, and reads nothing else of it.
void TDatenPWT::CalculateAsSeriesUnit(SeriesUnitMemo& memo)
{
    GuardedStep([&] {
        memo.inlet1.Complete(Stream1.Inlet, StateMode, FlowMode, Pressure, CompletedStateFields);
        memo.inlet2.Complete(Stream2.Inlet, StateMode, FlowMode, Pressure, CompletedStateFields);
        CalcSeriesUnit(*this, memo);
    });
}
