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
template <class Residual>
BisectionResult Bisect(Residual f, double a, double b, double tolerance, int maxHalvings, const FpFaultScope& scope)
{
    double m = a;
    int halvings = 0;
    while (std::fabs(b - a) > tolerance && halvings < maxHalvings) {
        const double fb = f(b);
        m = (a + b) / 2;
        const double fm = f(m);
        if (fm * fb < 0) {
            a = b;
            b = m;
        } else {
            b = a;
            a = m;
        }
        ++halvings;
        if (scope.Faulted({m, fm, fb}))
            return {m, halvings, true};
    }
    return {m, halvings, false};
}
