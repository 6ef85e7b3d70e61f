// Rotary heat exchanger model X.

#include "core/devices/RotorModelX.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/devices/RotaryExchanger.h"
#include "core/devices/RotorSteps.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr double AluminiumDensity = 2700;      // kg/m³
constexpr double AluminiumHeatCapacity = 920;  // J/(kg K)
constexpr double FoilConductivity = 221;       // W/(m K)
constexpr double CorrugatedPerFlat = 1.33;     // length of corrugated to flat foil
constexpr double TransferAreaShare = 0.95;
constexpr double OutletHumidityBound = 95;  // %

// Wheel geometry, lengths in m.
struct GeometryX {
    double waveHeight;      // hw
    double depth;           // L
    double foil;            // δ
    double transferArea;    // A, m²
    double matrixCapacity;  // Mc, J/K
    double solidFraction;   // σ
    double halfFaceArea;    // Ah, m²
};

GeometryX Geometry(const TDatenREG& d)
{
    GeometryX g{};
    const double diameter = d.RotorDiameter / 1000.0;
    g.waveHeight = d.WaveHeight / 1000;
    g.depth = d.RotorDepth / 1000.0;
    g.foil = d.FoilThickness / 1000;

    const double layers = diameter / 2 / g.waveHeight;
    const double flatLength = diameter / 4 * layers * 2 * std::numbers::pi;
    const double totalLength = flatLength + CorrugatedPerFlat * flatLength;
    g.transferArea = totalLength * TransferAreaShare * g.depth * 2;
    const double mass = totalLength * g.depth * g.foil * AluminiumDensity;
    g.matrixCapacity = AluminiumHeatCapacity * mass;
    g.solidFraction = (mass / AluminiumDensity) / (std::numbers::pi * (diameter / 2) * (diameter / 2) * g.depth);
    g.halfFaceArea = std::numbers::pi * diameter * diameter / 4 / 2;
    return g;
}

void StreamPressureDrops(AirStreamData& stream, const TDatenREG& d, const GeometryX& g)
{
    stream.FaceVelocity = stream.Inlet.StdVolFlow / (3600 * g.halfFaceArea);
    stream.PressureDropStd = RotorPressureDropX(d.RotorDepth, d.WaveHeight, stream.FaceVelocity);
    stream.FaceVelocity = stream.Inlet.VolFlow / (3600 * g.halfFaceArea);
    stream.PressureDrop = RotorPressureDropX(d.RotorDepth, d.WaveHeight, stream.FaceVelocity);
}

// Channel velocity at the mean temperature of the two streams.
double ChannelVelocity(double faceVelocity, double tOwn, double tOther, double solidFraction)
{
    return (1 + (tOther - tOwn) * 0.5 / KelvinOffset) * faceVelocity / (1 - solidFraction);
}

void VelocitiesAndPressureDrops(TDatenREG& d, const GeometryX& g)
{
    StreamPressureDrops(d.Stream1, d, g);
    StreamPressureDrops(d.Stream2, d, g);
    const double t1 = d.Stream1.Inlet.Temp;
    const double t2 = d.Stream2.Inlet.Temp;
    d.Stream1.Velocity = ChannelVelocity(d.Stream1.FaceVelocity, t1, t2, g.solidFraction);
    d.Stream2.Velocity = ChannelVelocity(d.Stream2.FaceVelocity, t2, t1, g.solidFraction);
}

RegeneratorEfficiency RegeneratorTempEff(const TDatenREG& d, const GeometryX& g)
{
    const double c1 = CapacityFlow(d.Stream1.Inlet);
    const double c2 = CapacityFlow(d.Stream2.Inlet);
    const double n = d.RotorSpeed;
    // Exposure time per stream and revolution; the pressure drops do not need
    // it, so a wheel at standstill still has them.
    const double e1 = 60 / n / 2;
    const double e2 = e1;
    const double hw = g.waveHeight;

    const double tm = (d.Stream1.Inlet.Temp + d.Stream2.Inlet.Temp) / 2;
    const double nu = AirKinViscosity(tm);
    const double pr = AirPrandtl(tm);
    const double lambda = AirConductivity(tm);
    // The wave height is the characteristic length. Laminar developing flow:
    // wave heights of about 2 mm (1.9 mm of type 5, 2.0 mm of the sorption
    // rotor) at the face velocity limit of 5.5 m/s give Reynolds numbers below
    // about 1100 at 1013 mbar.
    const auto alpha = [&](double velocity) {
        const double re = hw * velocity / nu;
        return 2 * std::cbrt(49 + 4.17 * re * pr * hw / g.depth) * lambda / hw;
    };
    const double alpha1 = alpha(d.Stream1.Velocity);
    const double alpha2 = alpha(d.Stream2.Velocity);

    // Conduction in the foil; the divisor is 2·221/(2700·920).
    const double conduction = 1.0 / 6 - hw * hw / 0.00017793880837359098 * (1 / e1 + 1 / e2) * 0.00556;
    double k = 1 / ((e1 + e2) * (1 / (alpha1 * e1) + 1 / (alpha2 * e2) +
                                 (1 / e1 + 1 / e2) * g.foil / FoilConductivity * conduction));
    k *= TransferSpeedFactorX(n);

    const double bigLambda = 2 * k * (e1 + e2) * g.transferArea / g.matrixCapacity;
    const double bigPi = ((c1 * e1 + c2 * e2) / 2) / g.matrixCapacity * bigLambda;
    const double y = 0.1 * std::pow(bigPi, 1.5) / (bigLambda / 1.5 + 1);
    const double kReduced = k * (1 - 0.95 * std::tanh(y));
    const double ntu = kReduced * g.transferArea / (2 * c1);
    const double ratio = c1 / c2;
    return {100 * EffCounterflow(ratio, ntu), ratio};
}

}  // namespace

// A power law in the face velocity, referred to a wheel of 200 mm depth and
// 1.9 mm wave height and scaled from it with L/200 and (1.9/hw)². The wheels
// of model X are 200 mm (type 5) and 250 mm (sorption rotor) deep with wave
// heights of 1.9 and 2.0 mm; the face velocity limit of 5.5 m/s (of the
// standard volume flow) bounds w.
double RotorPressureDropX(double depth, double waveHeight, double w)
{
    const double profile = 1.9 / waveHeight;
    return profile * profile * (depth / 200) * 28.782 * 1.03 * std::exp(1.01 * std::log(w));
}

// Two straight lines that meet at 10 1/min, the speed the year runs these
// wheels at: 0.75 at standstill, 1.04 at 20 1/min.
double TransferSpeedFactorX(double n)
{
    if (n < 10)
        return n / 40 + 0.75;
    if (n > 10)
        return n / 250 + 0.96;
    return 1;
}

// Fits over the dew-point position v, clamped to 0 … 1.
double RotorMoistureRatioX(std::uint8_t rotorType, double v)
{
    if (rotorType == RotorTypeX)
        return 1;
    v = std::clamp(v, 0.0, 1.0);
    const double th = v == 0 ? -1 : std::tanh(5 * (v - 0.6));
    if (rotorType == 0 || rotorType == 3)
        return 0.45 * (1 + th);
    return 0.9 + 0.05 * (1 + th);
}

void RotorPressureDropsX(TDatenREG& d)
{
    VelocitiesAndPressureDrops(d, Geometry(d));
}

void RotorModelX(TDatenREG& d)
{
    RequirePositiveRotorInputs(d);
    const ColderStreamFirst orientation(d);
    const double p = d.Pressure;
    const AirPort& in1 = d.Stream1.Inlet;
    const AirPort& in2 = d.Stream2.Inlet;
    const double t1 = in1.Temp;
    const double t2 = in2.Temp;
    const double x1 = in1.HumRatio;
    const double x2 = in2.HumRatio;

    const GeometryX g = Geometry(d);
    VelocitiesAndPressureDrops(d, g);

    RotorOutlets o = ApplyTempEfficiency(d, orientation.Swapped(), RegeneratorTempEff(d, g));

    const double xm1 = HumRatioOf(o.To1, OutletHumidityBound, p);
    const double xm2 = HumRatioOf(o.To2, OutletHumidityBound, p);
    const double r = RotorMoistureRatioX(d.RotorType, DewPointPosition(x2, t1, t2, p));
    const double flowLimit = std::min(1.0, in2.DryMassFlow / in1.DryMassFlow);
    ApplyHumEfficiency(d, flowLimit, HumidityLimit(t1, t2, x1, x2, xm1), r, o);

    // Condensation on the side of stream 2: its computed outlet moves along
    // its own line of constant enthalpy to 95 %.
    d.Condensate1 = 0;
    o.condensate = t1 == t2 ? 0 : std::max(0.0, o.xo2 - xm2);
    if (o.condensate > 0) {
        o.To2 = IsenthalpicTemp(o.To2, o.xo2, p, OutletHumidityBound);
        o.xo2 = HumRatioOf(o.To2, OutletHumidityBound, p);
        o.condensate = std::max(0.0, x2 + (x1 - x2) * d.HumEff2 / 100 - o.xo2);
        RecomputeStream2Efficiencies(d, t1, t2, x1, x2, o);
    }

    FinishRotorResults(d, o);
}
