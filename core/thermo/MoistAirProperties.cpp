// The moist-air property functions.

#include "core/thermo/MoistAirProperties.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "core/thermo/Bisection.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/SaturationSigns.h"

namespace {

// What HumRatioOf and RelHumOf return when they caught a fault of their own:
// the value of dry air, the same they return for a non-positive input. The
// searches rely on it: a state without vapour never meets its target, so a
// search into a region where the functions fault walks on to its step limit
// and reports a failure instead of stopping on a made-up bracket.
constexpr double DryAirValue = 0;

// What StdDensity returns on a fault (its arguments are constants, so it
// cannot fault in practice): no number at all.
constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

// A relative humidity this far below 100 % (relative) belongs to air whose
// humidity ratio is below the saturation humidity ratio EnthalpyOf works out:
// the two differ from the exact relation by a few roundings (under 1e-14),
// and the humidity ratio rises with the vapour pressure.
constexpr double ClearlyUnsaturatedMargin = 1e-9;

// |t|³ and |t|⁴ as exp(n·ln|t|): positive for both signs of t. Both powers
// of one fit share the logarithm: it is the same number either way, and the
// saturation pressure is the most called function of the year.
struct PowersOfAbs {
    double cube, fourth;
};

PowersOfAbs PowersOfAbsOf(double t)
{
    const double logAbs = std::log(std::fabs(t));
    return {std::exp(3 * logAbs), std::exp(4 * logAbs)};
}

// Vapour pressure (Pa) of air with humidity ratio x at total pressure p (mbar).
double VapourPressure(double x, double p)
{
    return 100 * p * x / (MolarMassRatio + x);
}

// First guess of the dew point (°C) from L = ln(pd): fits by ranges of L.
// Against the inverse of SatPressure the guess is within 0.1 K for L −5 … 6
// (−93 … −5 °C), within 0.6 K for L 6 … 11 (−5 … 86 °C) and within 2 K for
// L 11 … 15 (86 … 239 °C). Above, the last branch is 100 K and more off; far
// below L = −5 the quartic turns back up.
// Only the start matters: the walk and the bisection find the dew point.
double DewPointEstimate(double logPd, double pd)
{
    const double L = logPd;
    if (L < 6)
        return -60.897 + 7.4071 * L + 0.2536 * L * L + 0.0093 * L * L * L + 0.0003 * L * L * L * L;
    if (L < 11)
        return 24.222 - 34.828 * L + 7.8319 * L * L - 0.5886 * L * L * L + 0.0192 * L * L * L * L;
    if (L < 15)
        return 348.01 - 137.45 * L + 19.728 * L * L - 1.178 * L * L * L + 0.0294 * L * L * L * L;
    return std::pow(100 * pd, 0.25);
}

}  // namespace

// Fits of ln(ps/611 Pa) as a quartic in t, one per range. Against the
// accepted saturation curve they are within 0.5 % from −20 to 0 °C (over ice),
// 2 % at −40 °C and 4 % at −60 °C; over water within 0.15 % from 0 to 200 °C
// and 2.4 % at 250 °C. The branches meet within 0.01 % at 100 °C and 0.6 % at
// 250 °C. Above 250 °C t⁴/1000 is no saturation curve any more: it only keeps
// rising so that the searches of the dew point end. The program's air stays
// within −35 … 80 °C (climate data and extract air).
double SatPressure(double t)
{
    if (t == 0)
        return SatPressureAtZero;
    const PowersOfAbs pw = PowersOfAbsOf(t);
    if (t < 250) {
        const SatPressureFit& c = t < 0 ? SatPressureOverIce : t < 100 ? SatPressureOverWater : SatPressureOfSteam;
        return SatPressureAtZero * std::exp(c.linear * t + c.square * t * t + c.cube * pw.cube + c.fourth * pw.fourth);
    }
    return pw.fourth / 1000;
}

double HumRatioOf(double t, double relHum, double p)
{
    FpFaultScope scope;
    if (relHum <= 0)
        return 0;
    const double pd = SatPressure(t) * relHum / 100;
    const double x = MolarMassRatio * pd / (100 * p - pd);
    return scope.Faulted({x}) ? DryAirValue : x;
}

double RelHumOf(double t, double x, double p)
{
    FpFaultScope scope;
    if (x <= 0)
        return 0;
    const double relHum = 100 * VapourPressure(x, p) / SatPressure(t);
    return scope.Faulted({relHum}) ? DryAirValue : relHum;
}

double DewPointOfVapourPressure(double pd)
{
    // Outside the guard on purpose: a non-positive pressure is the caller's
    // fault and must reach the caller's guard.
    const double logPd = std::log(pd);

    FpFaultScope scope;
    const double t0 = DewPointEstimate(logPd, pd);
    const auto exactResidual = [pd](double t) { return SatPressure(t) - pd; };
    // Far from the dew point the sign of the residual is known without it.
    const KnownSigns known = DewPointSigns(logPd, t0);
    const auto residual = [&](double t) {
        const double sign = known.SignAt(t);
        return sign != 0 ? sign : exactResidual(t);
    };

    // Walk from the estimate towards the root in steps of 0.1 K until the
    // residual changes sign.
    const double s = residual(t0) >= 0 ? 1 : -1;
    double b = t0;
    for (int steps = 0; residual(b) * s > 0; ++steps) {
        if (scope.Faulted({b}))
            return t0;
        if (steps == DewPointWalkStepLimit)
            throw EMathError("no dew point: the vapour pressure lies outside the range of the saturation curve");
        b -= 0.1 * s;
    }

    const BisectionResult found = Bisect(exactResidual, t0, b, 1e-6, DewPointHalvingLimit, scope, known);
    if (found.faulted || scope.Faulted({found.root}) || found.halvings >= DewPointHalvingLimit)
        return t0;
    return found.root;
}

double DewPointOf(double x, double p)
{
    if (x == 0)
        x = 0.01;
    return DewPointOfVapourPressure(VapourPressure(x, p));
}

double TempOfHumRatioRelHum(double x, double relHum, double p)
{
    return DewPointOfVapourPressure(100 * VapourPressure(x, p) / relHum);
}

// Constant specific heats: those of dry air and vapour are within 1 % of the
// real ones from −40 to 100 °C; at 250 °C dry air's is 2 % higher, so the
// enthalpy of hot air comes out a little low.
double EnthalpyOf(double t, double x, double p)
{
    // The saturation humidity ratio only decides whether there is fog: air
    // certainly below saturation does without it.
    if (t < 100 && CertainlyUnsaturated(t, x, p))
        return EnthalpyOfUnsaturated(t, x);
    return EnthalpyAtSaturation(t, x, t < 100 ? HumRatioOf(t, 100, p) : 0);
}

double EnthalpyOfKnownRelHum(double t, double x, double relHum, double p)
{
    // t < 100 raises for a NaN as EnthalpyOf does; the humidity is compared
    // quietly, as EnthalpyOf does not read it. A relHum of 0 may stand for a
    // fault of RelHumOf and proves nothing.
    const bool clearlyUnsaturated = std::isgreater(relHum, 0) &&
                                    std::isless(relHum, 100 * (1 - ClearlyUnsaturatedMargin));
    if (t < 100 && clearlyUnsaturated)
        return EnthalpyOfUnsaturated(t, x);
    return EnthalpyOf(t, x, p);
}

double EnthalpyOfUnsaturated(double t, double x)
{
    return CpDryAir * t + (CpVapour * t + EvaporationEnthalpy) * x / 1000;
}

double EnthalpyAtSaturation(double t, double x, double xs)
{
    const double sensible = CpDryAir * t;
    const auto vapourEnthalpy = [t](double humRatio) { return (CpVapour * t + EvaporationEnthalpy) * humRatio / 1000; };
    if (!(t < 100))
        return EnthalpyOfUnsaturated(t, x);
    // Between the boiling point at p and 100 degC the saturation pressure
    // exceeds the air pressure and xs is not positive: no amount of vapour
    // saturates such air, so it is unsaturated like air above 100 degC.
    if (!(xs > 0) || x <= xs)
        return EnthalpyOfUnsaturated(t, x);
    // Fog: the vapour beyond saturation is liquid water, below 0 °C ice.
    const double condensate = (x - xs) / 1000;
    if (t >= 0)
        return sensible + vapourEnthalpy(xs) + condensate * CpLiquidWater * t;
    return sensible + vapourEnthalpy(xs) + condensate * (CpIce * t + IceFogEnthalpyTerm);
}

double DensityOf(double t, double x, double p)
{
    return 100 * p * (1 + x / 1000) / ((GasConstantDryAir + GasConstantVapour * x / 1000) * (t + KelvinOffset));
}

double StdDensity()
{
    // A constant of the program, asked for by every pressure drop: worked out
    // once (a thread-safe initialisation; never written again).
    static const double density = [] {
        FpFaultScope scope;
        const double value = DensityOf(StdTemp, HumRatioOf(StdTemp, StdRelHum, StdPressure), StdPressure);
        return scope.Faulted({value}) ? NoValue : value;
    }();
    return density;
}

double ToStdVolFlow(double volFlow, double t, double x, double p)
{
    return volFlow * DensityOf(t, x, p) / StdDensity();
}

double FromStdVolFlow(double stdVolFlow, double t, double x, double p)
{
    return stdVolFlow * StdDensity() / DensityOf(t, x, p);
}

// The three transport properties are fits for dry air at about 1 bar. They
// stay within 4 % of tabulated values from −40 to 100 °C; the devices call
// them at the mean temperature of both streams, which the inputs keep within
// about −20 … 70 °C. The pressure of the site (600 … 1100 mbar) does not enter
// the kinematic viscosity, though it scales with 1/p.
double AirKinViscosity(double t)
{
    return (0.0933 * t + 13.748) * 1e-6;
}

double AirPrandtl(double t)
{
    return 7e-7 * t * t - 0.0002 * t + 0.718;
}

double AirConductivity(double t)
{
    return (0.0748 * t + 24.083) * 0.001;
}

double EffCounterflow(double r, double ntu)
{
    if (r == 1)
        return ntu / (1 + ntu);
    const double e = std::exp(-(1 - r) * ntu);
    return (1 - e) / (1 - r * e);
}

// Cross-flow with both streams unmixed, fitted as counterflow with a reduced
// transfer number. Against the exact series solution the effectiveness is
// within 0.3 percentage points for R 0.1 … 4 and NTU up to 12.
double EffCorrectedNtu(double r, double ntu)
{
    return EffCorrectedNtu(r, CorrectedNtuRatioFactor(r), ntu);
}

double CorrectedNtuRatioFactor(double r)
{
    return 0.6 * std::exp(0.5 * std::log(r)) + 0.8 * r / (1 + r);
}

double EffCorrectedNtu(double r, double ratioFactor, double ntu)
{
    const double y = ratioFactor * ntu;
    const double k = y <= 2 ? std::pow(1 + 0.9 * y * y, -0.15) : std::sqrt(std::numbers::pi * y) / (y - 0.0625) - 1 / y;
    return EffCounterflow(r, k * ntu);
}

double EffSeries(int n, double r, double eff1)
{
    if (std::fabs(r - 1) < 0.0001)
        r = 0.9999;
    const double q = std::pow((1 - r * eff1) / (1 - eff1), n);
    return 1 - (r - 1) / (r - q);
}

double MixSpecificHeat(double massDryAir, double massVapour)
{
    return (CpDryAir * massDryAir + CpVapour * massVapour) / (massDryAir + massVapour);
}

double TempOfEnthalpy(double h, double x)
{
    return (h - EvaporationEnthalpy / 1000 * x) / (CpVapour * x / 1000 + CpDryAir);
}

double HumRatioOfEnthalpy(double h, double t)
{
    return (h - CpDryAir * t) * 1000 / (CpVapour * t + EvaporationEnthalpy);
}

namespace {

// Steps 2 to 9 of IsenthalpicTemp, inside the caller's fault scope. A fault
// is answered by the caller; a walk without a root raises EMathError.
double IsenthalpicSearch(double t0, double x0, double p, double relHumTarget, const FpFaultScope& scope)
{
    // The relative humidity of a state is a pure function of it: each state
    // is asked once, however many tests read the answer.
    double rh = RelHumOf(t0, x0, p);
    if (std::fabs(rh - relHumTarget) < 1e-5)
        return t0;
    const double h = EnthalpyOfKnownRelHum(t0, x0, rh, p);
    if (relHumTarget == 0)
        return h / CpDryAir;  // dry air of the same enthalpy

    // Leave the fog region: dry the air along its isenthalp.
    double t = t0;
    double x = x0;
    while (rh > 100) {
        if (scope.Faulted({t, x}))
            return t0;
        x = 0.9 * x;
        t = TempOfEnthalpy(h, x);
        rh = RelHumOf(t, x, p);
    }

    // Walk along the isenthalp in steps of 5 K until the target is bracketed.
    const double s = rh > relHumTarget ? -1 : 1;
    double b = t;
    double xb = x;
    for (int steps = 0; (rh - relHumTarget) * s < 0; ++steps) {
        if (scope.Faulted({b, xb}))
            return t0;
        if (steps == IsenthalpicWalkStepLimit)
            throw EMathError("no isenthalpic state: the target humidity is not reached within the range of air states");
        b -= 5 * s;
        xb = HumRatioOfEnthalpy(h, b);
        rh = RelHumOf(b, xb, p);
    }

    // Supersaturation cannot be reached on the isenthalp; the bracket found
    // for it is searched for saturation instead.
    if (relHumTarget > 100)
        relHumTarget = 100;

    // No cap on the halvings: the bracket is a few steps of 5 K wide, so the
    // tolerance is reached after a few dozen.
    const auto residual = [h, p, relHumTarget](double tb) {
        return RelHumOf(tb, HumRatioOfEnthalpy(h, tb), p) - relHumTarget;
    };
    const KnownSigns known = IsenthalpicSigns(h, p, relHumTarget, t, b);
    const BisectionResult found = Bisect(residual, t, b, 1e-5, std::numeric_limits<int>::max(), scope, known);
    return found.faulted ? t0 : found.root;
}

}  // namespace

double IsenthalpicTemp(double t0, double x0, double p, double relHumTarget)
{
    if (t0 > 1000 || x0 < 0)
        throw EMathError();
    FpFaultScope scope;
    const double result = IsenthalpicSearch(t0, x0, p, relHumTarget, scope);
    return scope.Faulted({result}) ? t0 : result;
}
