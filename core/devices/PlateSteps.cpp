// The steps the cross-flow and the counterflow plate models share.

#include "core/devices/PlateSteps.h"

#include <algorithm>

#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

void RequireUnitCount(const TDatenREK& d)
{
    if (d.UnitCount < 1 || d.UnitCount > 4)
        throw EMathError("the number of units in series must be 1 to 4");
}

double NonZeroHumRatio(double x)
{
    return x == 0 ? 0.01 : x;
}

double PlateCapacityFlow(const AirPort& inlet)
{
    return (CpDryAir * inlet.DryMassFlow + CpVapour * inlet.VapourMassFlow) / 3.6;
}

void SetPlateBalances(TDatenREK& d, double x21, double x22)
{
    d.HeatSens2 = -d.HeatSens1;
    d.HeatTotal2 = -d.HeatTotal1;
    d.Condensate1 = 0;
    d.Condensate2 = (x21 - x22) * d.Stream2.Inlet.DryMassFlow / 1000;
}

void SetEfficienciesOfSmallerFlow(TDatenREK& d)
{
    const double dry1 = d.Stream1.Inlet.DryMassFlow;
    const double dry2 = d.Stream2.Inlet.DryMassFlow;
    const double smaller = std::min(dry1, dry2);
    d.EffMin1 = dry1 / smaller * d.EffTemp1;
    d.EffMin1Wet = dry1 / smaller * d.EffTemp1Wet;
    d.EffMin2 = dry2 / smaller * d.EffTemp2;
    d.EffMin2Wet = dry2 / smaller * d.EffTemp2Wet;
}
