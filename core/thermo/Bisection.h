#pragma once
// The bisection shared by the inverse moist-air functions (dew point and
// isenthalpic temperature). Internal to thermo/; exposed for its tests.

#include <cmath>

#include "core/thermo/FloatFault.h"

// What is certain about the sign of a monotone residual without evaluating
// it: within [domainLo, domainHi] the residual has the sign `below` at every
// point under rootLo and the opposite sign at every point over rootHi. The
// default knows nothing. A search asks SignAt and evaluates the residual only
// where it answers 0; as only the signs of residuals steer a bisection or a
// walk, it then visits the same points and ends with the same result.
struct KnownSigns {
    double domainLo = 0, domainHi = -1;
    double rootLo = 0, rootHi = 0;
    double below = 0;  // -1 or 1

    // -1 or 1 where the sign is certain, 0 where the residual must be evaluated.
    double SignAt(double t) const
    {
        if (!(t >= domainLo && t <= domainHi))
            return 0;
        if (t < rootLo)
            return below;
        if (t > rootHi)
            return -below;
        return 0;
    }
};

struct BisectionResult {
    double root;   // the last midpoint; the start a when no halving was made
    int halvings;  // halvings made
    bool faulted;  // a floating-point fault ended the search early
};

// Halves the bracket between a and b until it is no wider than tolerance or
// maxHalvings halvings were made. Each halving keeps the half whose ends have
// residuals of opposite sign: if f(m)·f(b) < 0 the new bracket is (b, m),
// otherwise (a, m). A fault raised in the scope ends the search at once, as an
// exception would.
//
// f is evaluated once per point: an end kept from the last halving keeps its
// residual (f is pure, so the value and any flag it raises are those of the
// first evaluation). The start a is evaluated only once it becomes the end b.
// Where `known` is certain of a sign, ±1 stands in for the residual: the
// product's sign, all the search reads, is the same. A halving that evaluated
// nothing cannot have raised a flag and is not checked.
template <class Residual>
BisectionResult Bisect(Residual f, double a, double b, double tolerance, int maxHalvings, const FpFaultScope& scope,
                       const KnownSigns& known = {})
{
    double m = a;
    int halvings = 0;
    // The residuals of the ends, once evaluated.
    double fa = 0, fb = 0;
    bool faKnown = false, fbKnown = false;
    bool evaluated = false;
    const auto residual = [&](double t) {
        const double sign = known.SignAt(t);
        if (sign != 0)
            return sign;
        evaluated = true;
        return f(t);
    };
    while (std::fabs(b - a) > tolerance && halvings < maxHalvings) {
        evaluated = false;
        if (!fbKnown)
            fb = residual(b);
        const double fbOfHalving = fb;
        m = (a + b) / 2;
        const double fm = residual(m);
        if (fm * fb < 0) {
            a = b;
            fa = fb;
            faKnown = true;
            b = m;
            fb = fm;
            fbKnown = true;
        } else {
            b = a;
            fb = fa;
            fbKnown = faKnown;
            a = m;
            fa = fm;
            faKnown = true;
        }
        ++halvings;
        if (evaluated && scope.Faulted({m, fm, fbOfHalving}))
            return {m, halvings, true};
    }
    return {m, halvings, false};
}
