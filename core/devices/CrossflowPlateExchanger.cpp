// The cross-flow plate heat exchanger's calculation data (TDatenPWT).

#include "core/devices/CrossflowPlateExchanger.h"

#include "core/devices/CrossflowPlateModel.h"

void TDatenPWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcPwt(*this); });
}

void TDatenPWT::CalculateAsSeriesUnit()
{
    if (!CompleteInlets())
        return;
    GuardedStep([this] { CalcSeriesUnit(*this); });
}
