#include "devices/TDatenPWT.h"

#include "devices/CalcGs.h"
#include "devices/CalcPwt.h"
#include "devices/TDatenGS.h"

void TDatenPWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcPwt(*this); });
}

void TDatenGS::Calculate()
{
    if (!CompleteInlets())
        return;
    GuardedStep([this] { CalcGs(*this); });
}
