#pragma once
// The bisection shared by the two inverse moist-air functions (dew point and
// isenthalpic temperature). Internal to thermo/; exposed for its tests.

#include <cmath>

#include "core/thermo/FloatFault.h"

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
template <class Residual>
BisectionResult Bisect(Residual f, double a, double b, double tolerance, int maxHalvings, const FpFaultScope& scope)
{
    double m = a;
    int halvings = 0;
    // The residuals of the ends, once evaluated.
    double fa = 0, fb = 0;
    bool faKnown = false, fbKnown = false;
    while (std::fabs(b - a) > tolerance && halvings < maxHalvings) {
        if (!fbKnown)
            fb = f(b);
        const double fbOfHalving = fb;
        m = (a + b) / 2;
        const double fm = f(m);
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
        if (scope.Faulted({m, fm, fbOfHalving}))
            return {m, halvings, true};
    }
    return {m, halvings, false};
}
