// Condensation on the exhaust side of the plate heat exchangers.

#include "core/devices/PlateCondensation.h"

#include <algorithm>
#include <cmath>

#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"
#include "core/thermo/SaturationSigns.h"

// An empirical fit in the dew-point depth ΔTd (K) and the extract humidity φ
// (%), which the inputs keep within 0 … 100 %. It lifts the factor above 1
// only once ΔTd exceeds 0.0028·(100 − φ)² (0 K at 100 %, 2.5 K at 70 %, 7 K at
// 50 %). The callers cap it (1.23 cross-flow, 1.25 counterflow), and the
// condensation limit below marks the depths beyond which it is no longer
// trusted (CondensationState 2).
double CondensationFactor(double dewPointDepth, double relHum)
{
    const double f = 1 + (dewPointDepth - 0.0028 * (100 - relHum) * (100 - relHum)) * relHum *
                             (1.15 - 0.0025 * relHum) / 100 / 24;
    return std::max(f, 1.0);
}

double GsCondensationFactor(double dewPointDepth, double relHum)
{
    return std::min(CondensationFactor(dewPointDepth, relHum), 1.25);
}

// A parabola in φ from 30 K at 70 % to 10 K at 100 %, constant outside.
double CondensationLimit(double relHum)
{
    if (relHum <= 70)
        return 30;
    if (relHum < 100) {
        const double a = relHum / 30 - 10.0 / 3;
        return 20 * a * a + 10;
    }
    return 10;
}

std::uint8_t CondensationStateOf(double factor, double dewPointDepth, double relHum)
{
    if (factor == 1)
        return 0;
    return CondensationLimit(relHum) >= dewPointDepth ? 1 : 2;
}

// The lift fades as the dry efficiency e (0 … 1) nears 1, as (1 − e³), and
// never takes the wet efficiency above 99 %.
double WetEfficiencyFactor(double factor, double effTemp1)
{
    const double e = effTemp1 / 100;
    const double faded = (factor - 1) * (1 - e * e * e) + 1;
    return 0.99 / e <= faded ? 0.99 / e : faded;
}

namespace {

// Where the exhaust walk aims while the air is not saturated, and when it
// counts the air as saturated.
struct ExhaustWalk {
    double tEnd;               // tL
    double xEnd;               // xL
    bool saturationAtAnyTemp;  // else only below 100 °C
};

// The saturation humidity ratio at t where the walk reads it: below 100 °C
// (the enthalpy of fog and, for most walks, the saturation test) and, for a
// walk that counts saturation at any temperature, above as well. It is
// computed once per step and shared by both readers.
double SaturationHumRatio(double t, double p, bool atAnyTemp)
{
    return atAnyTemp || t < 100 ? HumRatioOf(t, 100, p) : 0;
}

// Steps of the exhaust walk that one look ahead covers.
constexpr int LookAheadSteps = 16;

// What one look ahead of the exhaust walk found: the steps up to k
// `unsaturated` are certainly unsaturated; up to `stepwise` the saturation
// comes near, so each step is looked at on its own. When the step that asked
// last found a run of certainly unsaturated steps, it is the run's first and
// (tLast, xLast) its last.
struct LookAhead {
    double unsaturated = -1;
    double stepwise = -1;
    bool runFromHere = false;
    double tLast = 0, xLast = 0;
};

// Whether the step at kStep (at t, x) is certainly unsaturated, looking
// LookAheadSteps steps ahead where that can pay. The k of the steps ahead are
// summed step by step as the walk sums them.
template <class OnLine>
bool CertainlyUnsaturatedStep(double kStep, double t, double x, double p, const OnLine& onLine, LookAhead& ahead)
{
    ahead.runFromHere = false;
    if (kStep <= ahead.unsaturated)
        return true;
    if (kStep > ahead.stepwise) {
        double kAhead = kStep;
        for (int i = 0; i < LookAheadSteps; ++i)
            kAhead += 0.01;
        double tAhead = 0, xAhead = 0;
        onLine(kAhead, tAhead, xAhead);
        if (CertainlyUnsaturatedAlong(t, x, tAhead, xAhead, p)) {
            ahead = {kAhead, ahead.stepwise, true, tAhead, xAhead};
            return true;
        }
        ahead.stepwise = kAhead;
    }
    return CertainlyUnsaturated(t, x, p);
}

// Whether a run of certainly unsaturated steps of the walk from 21, whose last
// step is at (tLast, xLast) with enthalpy hLast, lies above h22 at every step.
// Along a line that runs to lower temperature and humidity the enthalpy of
// unsaturated air falls steadily (while 1.86·t + 2501 and 1.007 + 1.86·x/1000
// stay positive), so every earlier step of the run lies higher than the last
// but for the roundings of the steps: below 1e-14 of the squared magnitudes,
// far inside the margin asked for. Compares quietly and works only with
// magnitudes that cannot overflow: it raises no flag the walk would not.
bool RunStaysAbove(double t21, double x21, const ExhaustWalk& walk, const LookAhead& run, double h22)
{
    const double scale = 1 + std::fabs(t21) + std::fabs(x21) + std::fabs(run.tLast) + std::fabs(run.xLast);
    if (!(std::islessequal(walk.tEnd, t21) && std::islessequal(walk.xEnd, x21) && std::isless(scale, 1e6) &&
          run.tLast > -1000 && run.xLast > -500))
        return false;
    const double hLast = EnthalpyOfUnsaturated(run.tLast, run.xLast);
    return hLast > h22 + 1e-9 * scale * scale;
}

double WalkExhaust(double t21, double x21, double h22, double p, const ExhaustWalk& walk)
{
    double xs = SaturationHumRatio(t21, p, false);
    bool sat = t21 < 100 && xs < x21;
    double k = 0;
    double t = t21;
    double x = x21;
    double h = EnthalpyAtSaturation(t, x, xs);
    int pass = 0;
    const auto onLine = [&](double at, double& tAt, double& xAt) {
        tAt = t21 - at * (t21 - walk.tEnd);
        xAt = x21 - at * (x21 - walk.xEnd);
    };
    // Straight towards the end point, then on beyond it, until the air
    // saturates. Where it is certainly unsaturated, its saturation humidity
    // ratio is not needed: its enthalpy is that of unsaturated air. A run of
    // such steps that certainly stays above h22 is gone in one go, to the
    // state its last step leaves.
    LookAhead ahead;
    for (; h > h22 && !sat; ++pass) {
        if (pass == ExhaustWalkPassLimit)
            throw EMathError("no exhaust outlet state: the heat taken exceeds what the extract air can give");
        onLine(k, t, x);
        const double kStep = k;
        k += 0.01;
        if (CertainlyUnsaturatedStep(kStep, t, x, p, onLine, ahead)) {
            if (ahead.runFromHere && pass + LookAheadSteps < ExhaustWalkPassLimit &&
                RunStaysAbove(t21, x21, walk, ahead, h22)) {
                t = ahead.tLast;
                x = ahead.xLast;
                k = ahead.unsaturated + 0.01;
                pass += LookAheadSteps;
            }
            h = EnthalpyOfUnsaturated(t, x);
            continue;
        }
        xs = SaturationHumRatio(t, p, walk.saturationAtAnyTemp);
        sat = (walk.saturationAtAnyTemp || t < 100) && xs <= x;
        h = EnthalpyAtSaturation(t, x, xs);
    }
    // Along the saturation line, where the enthalpy falls with every step:
    // the steps certainly above h22 need no saturation humidity ratio.
    const KnownSigns known = h > h22 ? SaturatedEnthalpySigns(h22, p, t) : KnownSigns{};
    for (; h > h22; ++pass) {
        if (pass == ExhaustWalkPassLimit)
            throw EMathError("no exhaust outlet state: the heat taken exceeds what the extract air can give");
        t -= 0.05;
        if (known.SignAt(t) > 0)
            continue;
        x = HumRatioOf(t, 100, p);
        xs = x;
        h = EnthalpyAtSaturation(t, x, xs);
    }
    if (sat && xs <= x)
        t = IsenthalpicTemp(t, x, p, 100);
    return t;
}

}  // namespace

double ExhaustOutletTemp(double t11, double t21, double x21, double h22, double p)
{
    const double tEnd = t11 + 0.3 * (t21 - t11);
    const double xEnd = std::min(x21, HumRatioOf(tEnd, 100, p));
    return WalkExhaust(t21, x21, h22, p, {tEnd, xEnd, false});
}

double GsExhaustOutletTemp(double t11, double t21, double x21, double h22, double p)
{
    return WalkExhaust(t21, x21, h22, p, {t11, HumRatioOf(t11, 100, p), true});
}

double ExhaustHumRatio(double h22, double t22, double p, bool limitAtAnyTemp)
{
    const double x22 = HumRatioOfEnthalpy(h22, t22);
    if (!limitAtAnyTemp && !(t22 < 100))
        return x22;
    return std::min(x22, HumRatioOf(t22, 100, p));
}
