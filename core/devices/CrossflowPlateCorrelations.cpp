// Heat transfer and pressure drop of the cross-flow plate channels.

#include "core/devices/CrossflowPlateCorrelations.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/thermo/MoistAirProperties.h"

// Where the fits below are used: module edges 200 … 1200 mm with spacings
// 1.8 … 5 mm (modules below 500 mm) and 5.5 … 14 mm (from 500 mm), so
// hydraulic diameters of 3.6 … 28 mm; air at −35 … 80 °C. The face velocity
// limit of the plausibility check (5 m/s) gives channel velocities up to
// about 14 m/s and Reynolds numbers up to about 4·10³ (200 mm modules),
// 9·10³ (400 mm) and 2·10⁴ (1200 mm, 14 mm spacing) at 1013 mbar; the limit
// holds for the standard volume flow, so at 600 mbar both are 1.7 times as
// high. No check keeps a flow from being very small; the lower ends are
// named where a fit needs one.

namespace {

// Factor of the Nusselt number of the small modules (laminar-turbulent blend).
double SmallModuleFactor(std::int32_t e)
{
    switch (e) {
    case 200:
        return 0.447;
    case 300:
        return 0.516;
    case 400:
        return 0.695;
    default:
        return 1;
    }
}

// Factor C = a·s^b of the Nusselt number of the large modules, by module edge,
// with s = dh/2 the plate spacing (5.5 … 14 mm).
struct LargeModuleFactor {
    std::int32_t moduleEdge;
    double a;
    double b;
};

constexpr std::array<LargeModuleFactor, 6> LargeModuleFactors = {{
    {500, 0.84, 0.32},
    {600, 0.975, 0.27},
    {700, 1.12, 0.228},
    {800, 1.27, 0.19},
    {1000, 1.57, 0.12},
    {1200, 1.8, 0.085},
}};

double LargeModuleFactorOf(std::int32_t e, double spacing)
{
    for (const LargeModuleFactor& f : LargeModuleFactors) {
        if (f.moduleEdge == e)
            return f.a * std::pow(spacing, f.b);
    }
    return 1;
}

// Pressure drop factor F of the large modules, by module edge.
struct PressureDropFactor {
    std::int32_t moduleEdge;
    double factor;
};

constexpr std::array<PressureDropFactor, 6> PressureDropFactors = {{
    {500, 0.88 * 0.97},
    {600, 1.06 * 0.97},
    {700, 1.19 * 0.94},
    {800, 1.30 * 0.94},
    {1000, 1.43 * 0.94},
    {1200, 1.60 * 0.94},
}};

double PressureDropFactorOf(std::int32_t e)
{
    for (const PressureDropFactor& f : PressureDropFactors) {
        if (f.moduleEdge == e)
            return f.factor;
    }
    return 1;
}

}  // namespace

double ChannelVelocity(double volFlow, double freeArea, double tOwn, double tOther)
{
    return volFlow / freeArea / 3600 * (273 + 0.2 * (tOther - tOwn)) / 273;
}

PwtChannel PwtChannelOf(std::int32_t e, double dh)
{
    const double r = dh / e;
    const double factor = e < 500 ? SmallModuleFactor(e) : LargeModuleFactorOf(e, dh / 2);
    return {e, dh, r, 1 + std::pow(r, 2.0 / 3), factor};
}

PwtAir PwtAirOf(double prandtl)
{
    return {prandtl, std::pow(prandtl, 0.4)};
}

// A laminar (developing flow) and a turbulent term, blended as the root of
// their squares. The turbulent term is written for Reynolds numbers above
// about 210 (small modules) and 320 (large), where Re^0.86 and Re^0.8 exceed
// 100; below, the laminar term outweighs it.
double PwtNusselt(const PwtChannel& c, double re, const PwtAir& air)
{
    const double pr = air.prandtl;
    const double r = c.ratio;
    if (c.moduleEdge < 500) {
        const double laminar = std::cbrt(336 + 28.6 * re * pr * r);
        const double turbulent = 0.027 * (std::pow(re, 0.86) - 100) * air.prandtlFactor;
        return c.factor * std::sqrt(laminar * laminar + turbulent * turbulent) * c.shape;
    }
    const double laminar = std::cbrt(49 + 4.17 * re * pr * r);
    const double turbulent = 0.0214 * (std::pow(re, 0.8) - 100) * air.prandtlFactor * c.shape;
    return c.factor * std::sqrt(laminar * laminar + turbulent * turbulent);
}

double PwtPressureDrop(std::int32_t e, double w, double t, double density, double spacing)
{
    if (w <= 0)
        return 0;
    const double dh = 2 * spacing / 1000;
    const double length = e / 1000.0;
    const double re = w * dh / AirKinViscosity(t);
    const double q = density * w * w / 2;
    // Friction fits of the small modules. That of 200 and 300 mm has its pole
    // at Re ≈ 18 (channel velocities of a few cm/s): it holds for the flows
    // well above.
    if (e <= 300) {
        const double friction = 1 / std::pow(0.72 * std::log(re) - 2.08, 2);
        return q * (friction * length / dh + 1.15);
    }
    if (e < 500) {
        const double friction = 1 / std::pow(0.36 * std::log(re) + 0.15, 2);
        const double drop = q * (friction * length / dh + 1.15);
        return e == 400 ? drop * 1.13 : drop;
    }
    // Laminar plus Blasius friction, with losses of 1.25 each at entry and exit.
    // The sum bridges the laminar range and the Blasius range of smooth
    // channels (up to 10⁵); the factor F fits it to each module edge.
    return q * (2.5 + (64 / re + 0.3164 / std::pow(re, 0.25)) * length / dh) * PressureDropFactorOf(e);
}
