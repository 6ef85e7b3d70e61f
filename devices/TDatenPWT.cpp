#include "devices/TDatenPWT.h"

#include "devices/CalcPwt.h"

void TDatenPWT::Calculate()
{
    if (!CompleteInlets())
        return;  // no model run on inlets that could not be completed
    GuardedStep([this] { CalcPwt(*this); });
}
