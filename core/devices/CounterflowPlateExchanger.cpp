// The counterflow plate heat exchanger's calculation data (TDatenGS).

#include "core/devices/CounterflowPlateExchanger.h"

#include "core/devices/CounterflowPlateModel.h"

void TDatenGS::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcGs(*this); });
}
