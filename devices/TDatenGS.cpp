#include "devices/TDatenGS.h"

#include "devices/CalcGs.h"

void TDatenGS::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcGs(*this); });
}
