// The performance model of the aluminium rotary heat exchangers.

#include "core/devices/RotorModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/devices/DeviceCodes.h"
#include "core/devices/RotaryExchanger.h"
#include "core/devices/RotorSteps.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

// Aluminium matrix.
constexpr double AluminiumDensity = 2700;      // kg/m³
constexpr double AluminiumHeatCapacity = 920;  // J/(kg K)
constexpr double AluminiumConductivity = 220;  // W/(m K)
constexpr double CorrugationArcFactor = 1.03;  // developed length of the wave
constexpr double MatrixFaceShare = 0.93;       // face area that carries matrix
constexpr double TransferAreaShare = 0.95;     // foil area that transfers heat
constexpr double OutletHumidityBound = 95;     // %

// The internal rotor type of each code of CalculatedRotorCodes, in its order.
constexpr std::array<std::uint8_t, CalculatedRotorCodes.size()> RotorTypes = {0, 1, 3, 2, 4, 6, 5};

struct PitchStep {
    double fromHeight;
    double pitch;
};
// Descending by wave height; below the last step the pitch is 3.2 mm.
constexpr std::array<PitchStep, 3> WavePitchSteps = {{{2.5, 5.5}, {1.55, 5.2}, {1.45, 4.2}}};
constexpr double SmallestWavePitch = 3.2;

}  // namespace

std::uint8_t RotorTypeOfCode(int code)
{
    const int position = PositionOf(CalculatedRotorCodes, code);
    return position < 0 ? 0 : RotorTypes[static_cast<std::size_t>(position)];
}

int CodeOfRotorType(std::uint8_t rotorType)
{
    const auto found = std::find(RotorTypes.begin(), RotorTypes.end(), rotorType);
    return found == RotorTypes.end() ? 1 : CalculatedRotorCodes[static_cast<std::size_t>(found - RotorTypes.begin())];
}

double WavePitchOfHeight(double waveHeight)
{
    for (const PitchStep& step : WavePitchSteps) {
        if (waveHeight >= step.fromHeight)
            return step.pitch;
    }
    return SmallestWavePitch;
}

// Fits over the dew-point position v, clamped to 0 … 1. The temperature t
// enters through c2, which follows t only from −2.5 to 8.5 °C, and c3, only
// from −4 to 2 °C; outside those spans they are held at their bounds, so the
// fit extends to the whole range of outdoor air unchanged.
double RotorMoistureRatio(std::uint8_t rotorType, double t, double v)
{
    v = std::clamp(v, 0.0, 1.0);
    const double c2 = std::clamp(0.02 * t + 0.43, 0.38, 0.6);
    const double c3 = std::clamp(0.01 - 0.005 * t, 0.0, 0.03);
    const bool hygroscopic = rotorType == 0 || rotorType == 3;
    const double z = hygroscopic ? 5 * (v - c2) : 5.5 * (v - 0.38);
    const double th = v == 0 ? -1 : std::tanh(z);
    const double step = 0.5 * (1 + th);
    switch (rotorType) {
    case 0:
    case 3:
        return (0.8 + c3) * step;
    case 1:
        return 0.3 + 0.55 * step;
    case 4:
        return 0.5 + 0.45 * step;
    default:
        return 0;
    }
}

// The parabola in the channel velocity w (m/s) falls from 1.1 at 2.4 m/s to
// 1.05 at 7.4 m/s and is held at those values outside. The face velocity
// limit of 5.5 m/s gives channel velocities up to about 7 m/s at 1013 mbar
// and 12 m/s at 600 mbar; beyond 17 m/s the parabola would rise again.
double B16PressureDropFactor(double w)
{
    return std::min(std::max(0.0007 * w * w - 0.01704 * w + 1.1375, 1.05), 1.1);
}

// The speed corrections are straight lines above 10 1/min and do not correct
// below. The year runs the wheels at 10, 15 or 20 1/min; the code gives no
// other range.
double TransferSpeedFactor(double n)
{
    return n > 10 ? 0.96 + n / 250 : 1;
}

double MoistureSpeedFactor(double n)
{
    return n > 10 ? 1 + (n - 10) / 100 : 1;
}

double SCurve(double a, double b, double c, double hi, double lo, double d)
{
    FpFaultScope scope;
    double u = (d - lo) / (hi - lo);
    if (u >= 0) {
        FpFaultScope powerScope;
        const double shaped = std::exp(std::log(0.5) / std::log((c - lo) / (hi - lo)) * std::log(u));
        if (!powerScope.Faulted({shaped}))
            u = shaped;
    }
    const double result = a + (b - a) * (1 + std::tanh(3.14159 * (2 * u - 1))) / 2;
    return scope.Faulted({result}) ? 0 : result;
}

namespace {

// The share of the low-speed moisture ratio that a speed n reaches: a
// parabola up to 20 1/min that meets the constant above it.
double SpeedFactor(double n)
{
    return n <= 20 ? 0.094 * n - 0.002 * n * n : 1.08;
}

// Half-way dew-point excess of the S-curves of the rotor types 2 and 6,
// linear in the speed from 5 to 30 1/min and held constant outside.
double HalfWayDewPoint(double n)
{
    if (n < 5)
        return -6.5;
    if (n > 30)
        return -9;
    return -(0.1 * n + 6);
}

}  // namespace

// The S-curves run over dew-point excesses d from −15 K (type 2) or −30 K
// (type 6) to 10 K. Their low end a falls with the face velocity w to its
// floor of 0.1 at 6.6 m/s (type 2) and 8.2 m/s (type 6); the plausibility
// check keeps w at 5.5 m/s and below.
double MoistureRatioS2(double w, double n, double d)
{
    const double a = std::max(0.8 - 0.053 * w - 0.008 * w * w, 0.1) * SpeedFactor(n);
    const double b = 1.214 * std::exp(-0.055 * w) * std::pow(n / 15, 0.05);
    return SCurve(a, b, HalfWayDewPoint(n), 10, -15, d);
}

double MoistureRatioS6(double w, double n, double d)
{
    const double a = std::max(0.838 - 0.074 * w - 0.002 * w * w, 0.1) * SpeedFactor(n) * 1.06;
    const double b = 1.16 * std::exp(-0.03 * w) * std::pow(n / 15, 0.05);
    return SCurve(a, b, HalfWayDewPoint(n), 10, -30, d);
}

namespace {

// Wheel geometry, lengths in m unless named otherwise.
struct RotorGeometry {
    double hydraulicDiameter;  // dh
    double depth;              // L
    double foil;               // δ
    double exposure1;          // s per stream and revolution
    double exposure2;
    double faceArea;        // Af
    double freeAreaShare;   // Ao′ = 0.93·Ao
    double transferArea;    // A, m²
    double matrixCapacity;  // Mc, J/K
};

RotorGeometry Geometry(const TDatenRWT& d)
{
    const double diameter = d.RotorDiameter;
    const double hw = d.WaveHeight;
    const double pitch = d.WavePitch;
    RotorGeometry g{};
    const double developed = CorrugationArcFactor * 2 * std::sqrt((pitch / 2) * (pitch / 2) + hw * hw);
    g.hydraulicDiameter = 4 * (hw * pitch / 2) / (pitch + developed) / 1000;
    g.depth = d.RotorDepth / 1000.0;
    g.foil = d.FoilThickness / 1000;
    g.exposure1 = g.exposure2 = d.RotorSpeed <= 0 ? 3 : 60 / d.RotorSpeed / 2;

    const double layers = diameter / 2 / hw;
    const double flatLength = std::numbers::pi * (diameter / 1000) * layers / 2;
    const double corrugatedLength = flatLength * developed / pitch;
    g.faceArea = std::numbers::pi * (diameter / 2000) * (diameter / 2000);
    const double freeArea = g.faceArea - (flatLength + corrugatedLength) * g.foil;
    const double matrixFace = MatrixFaceShare * g.faceArea;
    g.freeAreaShare = MatrixFaceShare * freeArea;
    const double solidArea = matrixFace - g.freeAreaShare;
    g.transferArea = solidArea / g.foil * g.depth * 2 * TransferAreaShare;
    g.matrixCapacity = AluminiumHeatCapacity * solidArea * g.depth * AluminiumDensity;
    return g;
}

// Channel velocity at the mean temperature of the two streams.
double ChannelVelocity(double volFlow, double tOwn, double tOther, double freeArea)
{
    return (1 + (tOther - tOwn) * 0.5 / KelvinOffset) * volFlow / (freeArea / 2) / 3600;
}

// Laminar channel friction plus entry and exit losses. The channels stay
// laminar: wave heights of 1.4 … 3.1 mm give hydraulic diameters of about 1.2
// … 2.4 mm, and the face velocity limit of 5.5 m/s (of the standard volume
// flow) keeps the Reynolds number below about 1300 at 1013 mbar and 2200 at
// 600 mbar.
double ChannelPressureDrop(double w, double viscosity, double density, const RotorGeometry& g)
{
    const double re = w * g.hydraulicDiameter / viscosity;
    return w * w * (43 / re * g.depth / g.hydraulicDiameter + 1.5) * density / 2;
}

void StreamPressureDrops(AirStreamData& stream, const TDatenRWT& d, const RotorGeometry& g)
{
    const bool b16 = std::fabs(d.FoilThickness - 0.1) < 0.001 && std::fabs(d.WaveHeight - 1.6) < 0.001;
    const double typeFactor = d.RotorType != 6 ? 1 : d.WaveHeight <= 1.85 ? 1.09 : 1.06;

    const double w = stream.Inlet.VolFlow / (g.freeAreaShare / 2) / 3600;
    stream.PressureDrop = ChannelPressureDrop(w, AirKinViscosity(stream.Inlet.Temp), stream.Inlet.Density, g);
    const double wStd = stream.Inlet.StdVolFlow / (g.freeAreaShare / 2) / 3600;
    stream.PressureDropStd = ChannelPressureDrop(wStd, AirKinViscosity(StdTemp), 1.2, g);
    if (b16) {
        stream.PressureDrop *= B16PressureDropFactor(w);
        stream.PressureDropStd *= B16PressureDropFactor(wStd);
    }
    stream.PressureDrop *= typeFactor;
    stream.PressureDropStd *= typeFactor;
}

// Temperature efficiency of stream 1 by the regenerator heat transfer.
RegeneratorEfficiency RegeneratorTempEff(const TDatenRWT& d, const RotorGeometry& g)
{
    const double t1 = d.Stream1.Inlet.Temp;
    const double t2 = d.Stream2.Inlet.Temp;
    const double c1 = CapacityFlow(d.Stream1.Inlet);
    const double c2 = CapacityFlow(d.Stream2.Inlet);
    const double e1 = g.exposure1;
    const double e2 = g.exposure2;
    const double stored = (c1 * e1 + c2 * e2) / 2;
    const double ratio = c1 * e1 / (c2 * e2);

    const double tm = (t1 + t2) / 2;
    const double nu = AirKinViscosity(tm);
    const double pr = AirPrandtl(tm);
    const double lambda = AirConductivity(tm);
    // Laminar developing flow in the channels (Reynolds numbers as for the
    // pressure drop).
    const auto alpha = [&](double velocity) {
        const double re = velocity * g.hydraulicDiameter / nu;
        const double nusselt = std::cbrt(9 + 5 * re * pr * g.hydraulicDiameter / g.depth);
        return nusselt * lambda / g.hydraulicDiameter;
    };
    const double alpha1 = alpha(d.Stream1.Velocity);
    const double alpha2 = alpha(d.Stream2.Velocity);

    double k = 1 / ((e1 + e2) *
                    (1 / (alpha1 * e1) + 1 / (alpha2 * e2) + (1 / e1 + 1 / e2) * g.foil / AluminiumConductivity / 6));
    k *= TransferSpeedFactor(d.RotorSpeed);
    const double bigLambda = 6 * k * (e1 + e2) * g.transferArea / stored;
    const double bigPi = stored / g.matrixCapacity * bigLambda;
    // Empirical reduction of k for the finite heat capacity of the matrix;
    // the code gives no range of its own. The wheels it meets are those of
    // the profiles (foil 0.07 … 0.12 mm, wave height 1.4 … 3.1 mm, depth
    // 200 mm in the year) turning at 10 … 20 1/min.
    const double y = 0.1 * std::pow(bigPi, 1.5) / (bigLambda / 1.5 + 1);
    const double kReduced = k * (1 - 0.95 * std::tanh(y));
    const double ntu = kReduced * g.transferArea / c1;
    return {100 * EffCounterflow(ratio, ntu), ratio};
}

// Moisture ratio of the rotor at the outlet temperatures to1 and to2.
double MoistureRatio(const TDatenRWT& d, double to1, double to2)
{
    const double p = d.Pressure;
    const double t1 = d.Stream1.Inlet.Temp;
    const double t2 = d.Stream2.Inlet.Temp;
    const double x1 = d.Stream1.Inlet.HumRatio;
    const double x2 = d.Stream2.Inlet.HumRatio;
    const double n = d.RotorSpeed;
    if (d.RotorType == 2 || d.RotorType == 6) {
        const double w = std::max(d.Stream1.FaceVelocity, d.Stream2.FaceVelocity);
        const double excess = DewPointOf(std::max(x1, x2), p) - std::min({t1, to1, t2, to2});
        return d.RotorType == 2 ? MoistureRatioS2(w, n, excess) : MoistureRatioS6(w, n, excess);
    }
    const double r = RotorMoistureRatio(d.RotorType, t1, DewPointPosition(x2, t1, t2, p));
    return r > 0 ? r * MoistureSpeedFactor(n) : r;
}

// Outlet humidity bound: 95 % at the outlet temperature, or below 100 °C
// the whole vapour of the other stream.
double OutletHumidityBoundOf(double to, double x, const AirPort& other, const AirPort& own, double p)
{
    if (to < 100)
        return HumRatioOf(to, OutletHumidityBound, p);
    return x + 1000 * other.VapourMassFlow / own.DryMassFlow;
}

}  // namespace

void RotorModel(TDatenRWT& d)
{
    RequirePositiveRotorInputs(d);
    if (!(d.WavePitch > 0))
        throw EMathError("the wave pitch must be greater than 0");
    const ColderStreamFirst orientation(d);
    const double p = d.Pressure;
    const AirPort& in1 = d.Stream1.Inlet;
    const AirPort& in2 = d.Stream2.Inlet;
    const double t1 = in1.Temp;
    const double t2 = in2.Temp;
    const double x1 = in1.HumRatio;
    const double x2 = in2.HumRatio;

    const RotorGeometry g = Geometry(d);
    d.Stream1.FaceVelocity = in1.VolFlow / (g.faceArea / 2) / 3600;
    d.Stream2.FaceVelocity = in2.VolFlow / (g.faceArea / 2) / 3600;
    d.Stream1.Velocity = ChannelVelocity(in1.VolFlow, t1, t2, g.freeAreaShare);
    d.Stream2.Velocity = ChannelVelocity(in2.VolFlow, t2, t1, g.freeAreaShare);
    StreamPressureDrops(d.Stream1, d, g);
    StreamPressureDrops(d.Stream2, d, g);

    // Temperature efficiency and outlet temperatures.
    RotorOutlets o = ApplyTempEfficiency(d, orientation.Swapped(), RegeneratorTempEff(d, g));

    // Humidity efficiency and outlet humidity ratios.
    const double xm1 = OutletHumidityBoundOf(o.To1, x1, in2, in1, p);
    const double xm2 = OutletHumidityBoundOf(o.To2, x2, in1, in2, p);
    const double r = MoistureRatio(d, o.To1, o.To2);
    const double flowLimit = std::min(1.0, 0.98 * in2.DryMassFlow / in1.DryMassFlow);
    ApplyHumEfficiency(d, flowLimit, HumidityLimit(t1, t2, x1, x2, xm1), r, o);

    // Condensation on the side of stream 2: the enthalpy that stream 1 gains
    // is taken from stream 2, whose outlet ends at 95 %.
    d.Condensate1 = 0;
    o.condensate = t1 == t2 ? 0 : std::max(0.0, o.xo2 - xm2);
    if (o.condensate > 0) {
        const double gained = EnthalpyOf(o.To1, o.xo1, p) - in1.Enthalpy;
        const double ho2 = in2.Enthalpy - gained * in1.DryMassFlow / in2.DryMassFlow;
        o.To2 = IsenthalpicTemp(ho2 / CpDryAir, 0, p, OutletHumidityBound);
        o.xo2 = HumRatioOf(o.To2, OutletHumidityBound, p);
        o.condensate = std::max(0.0, x2 + (x1 - x2) * d.HumEff2 / 100 - o.xo2);
        RecomputeStream2Efficiencies(d, t1, t2, x1, x2, o);
    }

    // A wheel at standstill transfers nothing.
    if (d.RotorSpeed == 0) {
        o = {t1, x1, t2, x2, 0};
        d.TempEff1 = d.TempEff2 = d.HumEff1 = d.HumEff2 = 0;
        d.Condensate1 = 0;
    }

    FinishRotorResults(d, o);
}
