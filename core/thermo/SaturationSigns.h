#pragma once
// Cheap approximations of the saturation curve that tell, without evaluating
// the exact moist-air functions, on which side of their root a point lies.
//
// The exact functions reach the saturation pressure through three calls of
// exp and one of log. The approximations evaluate the same fit of
// ln(ps/611 Pa) (SatPressureFit) with the powers of t multiplied out, and
// find their roots by Newton steps. Against the exact SatPressure the fit
// differs by at most 1e-13 in ln ps between −100 and 99 °C (a test holds it to
// this), that is by at most 3e-12 K at the weakest slope of the curve (0.035
// per K near 99 °C). A root of an approximation is only trusted once the
// approximation has the expected signs RootMargin / 2 on either side of it,
// and a point counts as certain only when it lies more than RootMargin from
// that root: a margin 1500 times the proven difference. Everything else,
// and every point outside the ranges named below, is left to the exact
// functions.
//
// The approximations raise no floating-point flag that reaches the caller.

#include "core/thermo/Bisection.h"

// Distance (K) from an approximate root beyond which a sign counts as certain.
inline constexpr double RootMargin = 1e-8;

// Signs of SatPressure(t) − pd (negative below the dew point) for
// −100 ≤ t ≤ 99 °C, from the first guess t0 of the dew point and ln pd.
// Nothing is known for dew points outside −90 … 90 °C.
KnownSigns DewPointSigns(double logPd, double t0);

// Signs of RelHumOf(t, HumRatioOfEnthalpy(h, t), p) − relHumTarget (positive
// below the isenthalpic temperature) between the ends a and b of a bracket,
// for 0 < relHumTarget ≤ 100. Nothing is known unless the bracket lies within
// −100 … 99 °C with vapour at both ends and the approximation changes sign in it.
KnownSigns IsenthalpicSigns(double h, double p, double relHumTarget, double a, double b);

// Signs of the enthalpy of saturated air at t, EnthalpyAtSaturation(t, xs, xs)
// with xs = HumRatioOf(t, 100, p), minus h (negative below the root), for
// temperatures from −100 °C up to tHigh; nothing is known above 80 °C or where
// the saturation pressure exceeds half the air pressure.
KnownSigns SaturatedEnthalpySigns(double h, double p, double tHigh);

// True when air of humidity ratio x (g/kg) at t (°C) and p (mbar) is certainly
// below saturation: HumRatioOf(t, 100, p) > x. False means "not certain".
bool CertainlyUnsaturated(double t, double x, double p);
// The same for every state on the straight line between (tA, xA) and (tB, xB).
bool CertainlyUnsaturatedAlong(double tA, double xA, double tB, double xB, double p);
