// The steps both rotor models share.

#include "core/devices/RotorSteps.h"

#include <algorithm>
#include <cmath>

#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

bool PositiveFlows(const AirPort& inlet)
{
    return inlet.StdVolFlow > 0 && inlet.VolFlow > 0 && inlet.DryMassFlow > 0 && inlet.MassFlow > 0;
}

}  // namespace

void RequirePositiveRotorInputs(const TDatenREG& d)
{
    if (!(d.RotorDiameter > 0 && d.RotorDepth > 0 && d.FoilThickness > 0 && d.WaveHeight > 0))
        throw EMathError("the rotor dimensions must be greater than 0");
    if (!PositiveFlows(d.Stream1.Inlet) || !PositiveFlows(d.Stream2.Inlet))
        throw EMathError("the air flows must be greater than 0");
}

double CapacityFlow(const AirPort& inlet)
{
    return MixSpecificHeat(inlet.DryMassFlow, inlet.VapourMassFlow) * inlet.MassFlow / 3.6;
}

double LimitedTempEff1(const TDatenREG& data, bool swapped, double tempEff1)
{
    const double t1 = data.Stream1.Inlet.Temp;
    const double t2 = data.Stream2.Inlet.Temp;
    if (swapped || data.LimitOutlet1 != 1 || t1 == t2)
        return tempEff1;
    // A limit on the far side of the inlet allows no recovery at all; a
    // passive exchanger cannot drive the outlet beyond its inlet.
    const double limit = std::max(0.0, (data.OutletLimit1 - t1) * 100 / (t2 - t1));
    return tempEff1 > limit ? limit : tempEff1;
}

double DewPointPosition(double x2, double t1, double t2, double p)
{
    return t1 != t2 ? (DewPointOf(x2, p) - t1) / (t2 - t1) : 0;
}

double HumidityLimit(double t1, double t2, double x1, double x2, double xm1)
{
    if (t1 == t2)
        return 1;
    if (x1 < x2)
        return std::fabs((xm1 - x1) / (x2 - x1));
    if (x1 > x2)
        return 1;
    return 0;
}

RotorOutlets ApplyTempEfficiency(TDatenREG& d, bool swapped, const RegeneratorEfficiency& efficiency)
{
    const double t1 = d.Stream1.Inlet.Temp;
    const double t2 = d.Stream2.Inlet.Temp;
    d.TempEff1 = LimitedTempEff1(d, swapped, efficiency.tempEff1);
    d.TempEff2 = efficiency.ratio * d.TempEff1;
    RotorOutlets o{};
    o.To1 = t1 + (t2 - t1) * d.TempEff1 / 100;
    o.To2 = t2 + (t1 - t2) * d.TempEff2 / 100;
    return o;
}

void ApplyHumEfficiency(TDatenREG& d, double flowLimit, double humidityLimit, double moistureRatio, RotorOutlets& o)
{
    const AirPort& in1 = d.Stream1.Inlet;
    const AirPort& in2 = d.Stream2.Inlet;
    d.HumEff1 = 100 * std::min(flowLimit, std::min(humidityLimit, moistureRatio * d.TempEff1 / 100));
    d.HumEff2 = d.HumEff1 * in1.DryMassFlow / in2.DryMassFlow;
    o.xo1 = in1.HumRatio + (in2.HumRatio - in1.HumRatio) * d.HumEff1 / 100;
    o.xo2 = in2.HumRatio + (in1.HumRatio - in2.HumRatio) * d.HumEff2 / 100;
}

void RecomputeStream2Efficiencies(TDatenREG& data, double t1, double t2, double x1, double x2,
                                  const RotorOutlets& outlets)
{
    data.TempEff2 = (outlets.To2 - t2) * 100 / (t1 - t2);
    data.HumEff2 = (outlets.xo2 - x2) * 100 / (x1 - x2);
}

namespace {

struct StreamHeat {
    double moisture, total, latent;
};

// Water (kg/h) and heat (kW) gained by a stream from its inlet to (to, xo).
StreamHeat HeatGained(const AirPort& inlet, double to, double xo, double p)
{
    StreamHeat heat{};
    heat.moisture = (xo - inlet.HumRatio) / 1000 * inlet.DryMassFlow;
    heat.total = (EnthalpyOf(to, xo, p) - EnthalpyOf(inlet.Temp, inlet.HumRatio, p)) * inlet.DryMassFlow / 3600;
    heat.latent = heat.moisture * EvaporationEnthalpy / 3600;
    return heat;
}

}  // namespace

void FinishRotorResults(TDatenREG& d, const RotorOutlets& o)
{
    const double p = d.Pressure;
    const StreamHeat heat1 = HeatGained(d.Stream1.Inlet, o.To1, o.xo1, p);
    const StreamHeat heat2 = HeatGained(d.Stream2.Inlet, o.To2, o.xo2, p);
    d.MoistureFlow1 = heat1.moisture;
    d.MoistureFlow2 = heat2.moisture;
    d.TotalHeat1 = heat1.total;
    d.LatentHeat1 = heat1.latent;
    d.SensibleHeat1 = heat1.total - heat1.latent;
    d.TotalHeat2 = heat2.total;
    d.LatentHeat2 = heat2.latent;
    d.SensibleHeat2 = heat2.total - heat2.latent;

    d.Condensate2 = o.condensate / 1000 * d.Stream2.Inlet.DryMassFlow;
    CompleteOutlet(d.Stream1, o.To1, o.xo1, p, d.CompletedStateFields);
    CompleteOutlet(d.Stream2, o.To2, o.xo2, p, d.CompletedStateFields);

    const double dry1 = d.Stream1.Inlet.DryMassFlow;
    const double dry2 = d.Stream2.Inlet.DryMassFlow;
    const double smaller = std::min(dry1, dry2);
    d.TempEffMin1 = dry1 / smaller * d.TempEff1;
    d.HumEffMin1 = dry1 / smaller * d.HumEff1;
    d.TempEffMin2 = dry2 / smaller * d.TempEff2;
    d.HumEffMin2 = dry2 / smaller * d.HumEff2;
}
