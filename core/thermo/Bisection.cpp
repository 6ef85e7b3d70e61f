// The halvings of a bisection that only compare.

#include "core/thermo/Bisection.h"

#include <algorithm>

// Out of line on purpose: in the search itself the numbers live across calls
// of the residual and so in memory; here they stay in registers.
bool FinishByComparisons(BisectionState& s, const KnownSigns& known, double tolerance, int maxHalvings)
{
    const bool opposite = (s.fa < 0 && s.fb > 0) || (s.fa > 0 && s.fb < 0);
    if (!(s.faKnown && s.fbKnown && opposite && (known.below == 1 || known.below == -1)))
        return false;
    double lo = std::min(s.a, s.b);
    double hi = std::max(s.a, s.b);
    const double signAtLo = (s.a < s.b) == (s.fa > 0) ? 1 : -1;
    // A midpoint under the root has the sign `below`, one over it the other.
    const bool underReplacesLo = known.below == signAtLo;
    const double rootLo = known.rootLo;
    const double rootHi = known.rootHi;
    double m = s.m;
    int halvings = s.halvings;
    // hi − lo is |b − a| exactly: a difference only changes sign when its
    // operands swap.
    while (hi - lo > tolerance && halvings < maxHalvings) {
        m = (lo + hi) / 2;
        bool replacesLo;
        if (m < rootLo)
            replacesLo = underReplacesLo;
        else if (m > rootHi)
            replacesLo = !underReplacesLo;
        else
            return false;
        (replacesLo ? lo : hi) = m;
        ++halvings;
    }
    s.m = m;
    s.halvings = halvings;
    return true;
}
