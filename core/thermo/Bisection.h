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
    double SignAt(double t) const { return Contains(t) ? SignInDomain(t) : 0; }

    bool Contains(double t) const { return t >= domainLo && t <= domainHi; }
    // SignAt for a t the domain contains.
    double SignInDomain(double t) const
    {
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

// The state of a bisection between its halvings: the ends, their residuals
// once evaluated (or ±1 where the sign was known), the last midpoint.
struct BisectionState {
    double a, b;
    double fa = 0, fb = 0;
    bool faKnown = false, fbKnown = false;
    double m;
    int halvings = 0;

    bool Searching(double tolerance, int maxHalvings) const
    {
        return std::fabs(b - a) > tolerance && halvings < maxHalvings;
    }
    // Keeps the half of the bracket whose ends have residuals of opposite
    // sign, with m = (a + b) / 2 and its residual fm.
    void KeepHalf(double fm)
    {
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
    }
};

// Ends the search from s by comparisons alone when that is possible: when the
// residuals of both ends are known with strictly opposite signs and every
// midpoint still to come has a known sign. Each halving then replaces the end
// whose residual has the midpoint's sign, as KeepHalf does, and the end with
// the lower t keeps its sign throughout: the search is a plain bisection of
// the sorted bracket, and (a + b) / 2 is the same number in either order.
// Returns true with the last midpoint and the count of halvings in s (the ends
// are then of no further use); false, with s untouched, at the first midpoint
// whose residual is needed. Needs a domain of `known` that holds every midpoint.
bool FinishByComparisons(BisectionState& s, const KnownSigns& known, double tolerance, int maxHalvings);

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
    BisectionState s{a, b, 0, 0, false, false, a, 0};
    // Every midpoint lies between the ends of the first bracket: when the
    // domain of the known signs holds both, it holds them all.
    const bool inDomain = known.Contains(a) && known.Contains(b);
    // The search is tried to its end by comparisons once, as soon as both
    // ends are known; where a midpoint near the root needs its residual, the
    // halvings go on one at a time.
    bool finishTried = false;
    while (s.Searching(tolerance, maxHalvings)) {
        if (inDomain && !finishTried && s.faKnown && s.fbKnown) {
            finishTried = true;
            if (FinishByComparisons(s, known, tolerance, maxHalvings))
                break;
        }
        bool evaluated = false;
        const auto residual = [&](double t) {
            const double sign = known.SignAt(t);
            if (sign != 0)
                return sign;
            evaluated = true;
            return f(t);
        };
        if (!s.fbKnown)
            s.fb = residual(s.b);
        s.fbKnown = true;
        const double fbOfHalving = s.fb;
        const double m = (s.a + s.b) / 2;
        s.m = m;
        const double fm = residual(m);
        s.KeepHalf(fm);
        if (evaluated && scope.Faulted({m, fm, fbOfHalving}))
            return {m, s.halvings, true};
    }
    return {s.m, s.halvings, false};
}
