// Cheap, bounded approximations of the saturation curve for the searches.

#include "core/thermo/SaturationSigns.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

// ln 611: the saturation pressure at 0 °C in Pa.
constexpr double LogSatPressureAtZero = 6.4150969591715960;
// The ranges the approximations are trusted in (°C).
constexpr double LowestTemp = -100;
constexpr double HighestTemp = 99;
// Dew points and saturated states are only approximated this far into the
// range: their searches step a little beyond the root.
constexpr double LowestRoot = -90;
constexpr double HighestRoot = 90;
constexpr double HighestSaturatedTemp = 80;
// Up to this share of the air pressure the saturation humidity ratio
// 622·ps/(p − ps) at most doubles the relative difference of ps.
constexpr double MaxSatPressureShare = 0.5;
// Relative distance of humidity ratios beyond which a comparison is certain.
constexpr double HumRatioMargin = 1e-9;
// Newton steps end when they move less than this (K).
constexpr double NewtonTolerance = 1e-12;
constexpr int NewtonStepLimit = 100;

struct ValueSlope {
    double value, slope;
};

// ln(ps/611 Pa) below 100 °C and its slope per K.
ValueSlope LogSatRatio(double t)
{
    const SatPressureFit& c = t < 0 ? SatPressureOverIce : SatPressureOverWater;
    const double a = std::fabs(t);
    return {c.linear * t + c.square * t * t + c.cube * a * a * a + c.fourth * t * t * t * t,
            c.linear + 2 * c.square * t + 3 * c.cube * t * a + 4 * c.fourth * t * t * t};
}

// The saturation pressure (Pa) by the fit, and its slope.
ValueSlope SatPressureApprox(double t)
{
    const ValueSlope log = LogSatRatio(t);
    const double ps = SatPressureAtZero * std::exp(log.value);
    return {ps, ps * log.slope};
}

// The root of a monotone g between a and b, where g has opposite signs:
// Newton steps from start, halvings where a step would leave the bracket.
template <class G>
std::optional<double> RootInBracket(const G& g, double a, double b, double start)
{
    const double signA = g(a).value;
    if (!(signA * g(b).value < 0))
        return std::nullopt;
    double t = start;
    for (int step = 0; step < NewtonStepLimit; ++step) {
        const ValueSlope v = g(t);
        if (v.value == 0)
            return t;
        ((v.value < 0) == (signA < 0) ? a : b) = t;
        double next = t - v.value / v.slope;
        if (!(next > std::min(a, b) && next < std::max(a, b)))
            next = (a + b) / 2;
        if (std::fabs(next - t) < NewtonTolerance)
            return next;
        t = next;
    }
    return std::nullopt;
}

// The signs around an approximate root r once g shows them half a margin on
// either side: `below` under r − RootMargin, the opposite over r + RootMargin.
template <class G>
KnownSigns SignsAround(const G& g, std::optional<double> r, double below, double domainLo, double domainHi)
{
    if (!r)
        return {};
    const double under = g(*r - RootMargin / 2).value;
    const double over = g(*r + RootMargin / 2).value;
    if (!(under * below > 0 && over * below < 0))
        return {};
    return {domainLo, domainHi, *r - RootMargin, *r + RootMargin, below};
}

// Runs an approximation in a scope of its own: any flag it raises stays
// inside, and then nothing is known.
template <class Work>
KnownSigns Quietly(const Work& work)
{
    FpFaultScope scope;
    const KnownSigns known = work();
    return scope.Faulted({known.rootLo, known.rootHi}) ? KnownSigns{} : known;
}

}  // namespace

KnownSigns DewPointSigns(double logPd, double t0)
{
    if (!(t0 >= LowestRoot && t0 <= HighestRoot))
        return {};
    return Quietly([&] {
        const double target = logPd - LogSatPressureAtZero;
        const auto g = [target](double t) {
            const ValueSlope v = LogSatRatio(t);
            return ValueSlope{v.value - target, v.slope};
        };
        // The first guess is within 0.6 K of the dew point in this range.
        const std::optional<double> r = RootInBracket(g, t0 - 3, t0 + 3, t0);
        if (!r || !(*r >= LowestRoot && *r <= HighestRoot))
            return KnownSigns{};
        return SignsAround(g, r, -1, LowestTemp, HighestTemp);
    });
}

KnownSigns IsenthalpicSigns(double h, double p, double relHumTarget, double a, double b)
{
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    if (!(lo >= LowestTemp && hi <= HighestTemp && relHumTarget > 0 && relHumTarget <= 100 && p > 0))
        return {};
    if (!(HumRatioOfEnthalpy(h, hi) > 0 && HumRatioOfEnthalpy(h, lo) > 0))
        return {};
    return Quietly([&] {
        // ln of the relative humidity over the target along the isenthalp.
        const double offset = std::log(relHumTarget / 100) + LogSatPressureAtZero;
        const auto g = [&](double t) {
            const double x = HumRatioOfEnthalpy(h, t);
            const double vapourPressure = 100 * p * x / (MolarMassRatio + x);
            const double denominator = CpVapour * t + EvaporationEnthalpy;
            const double dx = 1000 * (-CpDryAir * EvaporationEnthalpy - CpVapour * h) / (denominator * denominator);
            const ValueSlope sat = LogSatRatio(t);
            return ValueSlope{std::log(vapourPressure) - offset - sat.value,
                              MolarMassRatio / (x * (MolarMassRatio + x)) * dx - sat.slope};
        };
        return SignsAround(g, RootInBracket(g, a, b, (a + b) / 2), 1, lo, hi);
    });
}

KnownSigns SaturatedEnthalpySigns(double h, double p, double tHigh)
{
    const double hi = std::min(tHigh, HighestSaturatedTemp);
    if (!(hi >= LowestRoot && p > 0 && SatPressureApprox(hi).value < MaxSatPressureShare * 100 * p))
        return {};
    return Quietly([&] {
        const double pa = 100 * p;
        const auto g = [&](double t) {
            const ValueSlope ps = SatPressureApprox(t);
            const double rest = pa - ps.value;
            const double xs = MolarMassRatio * ps.value / rest;
            const double dxs = MolarMassRatio * pa * ps.slope / (rest * rest);
            const double vapour = CpVapour * t + EvaporationEnthalpy;
            return ValueSlope{CpDryAir * t + vapour * xs / 1000 - h,
                              CpDryAir + CpVapour * xs / 1000 + vapour * dxs / 1000};
        };
        double lo = hi;
        do
            lo -= 10;
        while (lo >= LowestTemp && g(lo).value > 0);
        if (lo < LowestTemp)
            return KnownSigns{};
        return SignsAround(g, RootInBracket(g, lo, hi, hi), -1, LowestTemp, hi);
    });
}

bool CertainlyUnsaturated(double t, double x, double p)
{
    return CertainlyUnsaturatedAlong(t, x, t, x, p);
}

// On the line the temperature is at least the lower end's and the humidity
// ratio at most the higher end's; the saturation humidity ratio rises with t.
bool CertainlyUnsaturatedAlong(double tA, double xA, double tB, double xB, double p)
{
    const double tLow = std::min(tA, tB);
    if (!(tLow >= LowestTemp && std::max(tA, tB) <= HighestSaturatedTemp))
        return false;
    const double ps = SatPressureApprox(tLow).value;
    const double pa = 100 * p;
    if (!(ps < MaxSatPressureShare * pa))
        return false;
    return MolarMassRatio * ps / (pa - ps) > std::max(xA, xB) * (1 + HumRatioMargin);
}
