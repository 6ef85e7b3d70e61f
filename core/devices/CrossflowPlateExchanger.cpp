// The cross-flow plate heat exchanger's calculation data (TDatenPWT).

#include "core/devices/CrossflowPlateExchanger.h"

#include "core/devices/CrossflowPlateModel.h"

void TDatenPWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcPwt(*this); });
}

void TDatenPWT::CalculateAsSeriesUnit(SeriesUnitMemo& memo)
{
    if (!CompleteInlets(&memo.inlet1, &memo.inlet2))
        return;
    GuardedStep([&] { CalcSeriesUnit(*this, memo); });
}
