// The signs the searches take as known without evaluating: each must match
// the exact moist-air functions right outside its margin, over the whole
// range, and nothing may be claimed outside the trusted ranges.

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "core/thermo/Bisection.h"
#include "core/thermo/MoistAirProperties.h"
#include "core/thermo/SaturationSigns.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

// Every certain sign of `known` agrees with the exact residual f: just
// outside the margin on both sides and at the ends of the domain; the
// uncertain stretch is no wider than two margins.
template <class F>
void ExpectSignsOf(const KnownSigns& known, const F& f, const char* what, double where)
{
    ASSERT_NE(known.below, 0) << what << " knows nothing at " << where;
    EXPECT_LE(known.rootHi - known.rootLo, 2 * RootMargin + 1e-12);
    for (const double t : {std::nextafter(known.rootLo, -Inf), known.domainLo}) {
        ASSERT_EQ(known.SignAt(t), known.below) << what << " at " << where;
        EXPECT_GT(f(t) * known.below, 0) << what << " at " << where << ", t " << t;
    }
    for (const double t : {std::nextafter(known.rootHi, Inf), known.domainHi}) {
        ASSERT_EQ(known.SignAt(t), -known.below) << what << " at " << where;
        EXPECT_LT(f(t) * known.below, 0) << what << " at " << where << ", t " << t;
    }
    EXPECT_EQ(known.SignAt((known.rootLo + known.rootHi) / 2), 0);
}

TEST(SaturationSigns, DewPointSignsHoldAcrossTheRangeAndTheIceSeam)
{
    for (double t = -89; t <= 89; t += 0.37) {
        const double pd = SatPressure(t) * (1 + 1e-15);
        const auto residual = [pd](double tb) { return SatPressure(tb) - pd; };
        // The first guess of the dew point is within 0.6 K.
        for (const double guess : {t - 0.6, t + 0.6})
            ExpectSignsOf(DewPointSigns(std::log(pd), guess), residual, "dew point", t);
    }
    // At the seam of ice and water and beyond the trusted dew points.
    ExpectSignsOf(
        DewPointSigns(std::log(611.0), 0.3), [](double t) { return SatPressure(t) - 611; }, "dew point", 0);
    EXPECT_EQ(DewPointSigns(std::log(SatPressure(95)), 95).SignAt(20), 0);
    EXPECT_EQ(DewPointSigns(std::log(SatPressure(-95)), -95).SignAt(-20), 0);
}

TEST(SaturationSigns, IsenthalpicSignsHoldForWetBulbsAndOtherTargets)
{
    for (const double p : {700.0, 1013.0, 1100.0}) {
        for (double t0 = -30; t0 <= 60; t0 += 3.7) {
            for (const double target : {100.0, 80.0, 30.0}) {
                const double x0 = HumRatioOf(t0, 20, p);
                const double h = EnthalpyOf(t0, x0, p);
                const double tFound = IsenthalpicTemp(t0, x0, p, target);
                const auto residual = [&](double t) { return RelHumOf(t, HumRatioOfEnthalpy(h, t), p) - target; };
                // A bracket that ends where the air still holds vapour.
                const double a = std::floor(tFound) - 2, b = std::min((tFound + h / CpDryAir) / 2, 99.0);
                ExpectSignsOf(IsenthalpicSigns(h, p, target, a, b), residual, "isenthalpic", t0);
            }
        }
    }
    const double h = EnthalpyOf(20, 7, 1013);
    // Brackets without the root, beyond 99 °C, without vapour; targets out of range.
    EXPECT_EQ(IsenthalpicSigns(h, 1013, 100, 20, 25).below, 0);
    EXPECT_EQ(IsenthalpicSigns(h, 1013, 100, 10, 100).below, 0);
    EXPECT_EQ(IsenthalpicSigns(h, 1013, 100, 10, h / CpDryAir + 1).below, 0);
    EXPECT_EQ(IsenthalpicSigns(h, 1013, 120, 10, 15).below, 0);
    EXPECT_EQ(IsenthalpicSigns(h, 1013, 0, 10, 15).below, 0);
}

TEST(SaturationSigns, SaturatedEnthalpySignsHoldWellBelowBoiling)
{
    for (const double p : {700.0, 1013.0}) {
        for (double t = -60; t <= 62; t += 1.3) {
            const double xs = HumRatioOf(t, 100, p);
            const double h = EnthalpyAtSaturation(t, xs, xs);
            const auto residual = [&](double tb) {
                const double x = HumRatioOf(tb, 100, p);
                return EnthalpyAtSaturation(tb, x, x) - h;
            };
            ExpectSignsOf(SaturatedEnthalpySigns(h, p, t + 4), residual, "saturated enthalpy", t);
        }
    }
    // Near the boiling point the saturation humidity ratio is no longer trusted.
    EXPECT_EQ(SaturatedEnthalpySigns(500, 300, 85).below, 0);
}

TEST(SaturationSigns, CertainlyUnsaturatedOnlyBelowSaturation)
{
    for (const double p : {900.0, 1013.0}) {
        for (double t = -99; t <= 74; t += 0.7) {
            const double xs = HumRatioOf(t, 100, p);
            EXPECT_TRUE(CertainlyUnsaturated(t, xs * (1 - 1e-8), p)) << t;
            EXPECT_TRUE(CertainlyUnsaturated(t, -1, p)) << t;
            EXPECT_FALSE(CertainlyUnsaturated(t, xs * (1 - 1e-12), p)) << t;
            EXPECT_FALSE(CertainlyUnsaturated(t, xs, p)) << t;
            // A line is judged by its coldest temperature and its wettest air.
            EXPECT_TRUE(CertainlyUnsaturatedAlong(t, xs * 0.99, t + 1, xs * 0.5, p)) << t;
            EXPECT_FALSE(CertainlyUnsaturatedAlong(t, xs * 0.5, t + 1, xs * 1.01, p)) << t;
        }
    }
    // Outside −100 … 80 °C, and where the saturation pressure nears the air pressure.
    EXPECT_FALSE(CertainlyUnsaturated(81, 1, 1013));
    EXPECT_FALSE(CertainlyUnsaturated(-101, 0, 1013));
    EXPECT_FALSE(CertainlyUnsaturatedAlong(20, 1, 90, 1, 1013));
    EXPECT_FALSE(CertainlyUnsaturated(70, 1, 300));
}

TEST(SaturationSigns, BisectionEndedByComparisonsHalvesLikeThePlainOne)
{
    // Brackets in both orders, roots anywhere in them (also on a midpoint or
    // an end), residuals rising and falling, windows of unknown sign from
    // far narrower than the tolerance (the run of comparisons ends the search)
    // to wider (it stops at the first unknown midpoint and the plain halvings
    // go on), and halving limits that end the search first.
    FpFaultScope scope;
    std::mt19937_64 draw(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 4000; ++i) {
        const double a = -50 + 100 * unit(draw);
        const double b = a + (i % 2 ? 1 : -1) * (0.01 + 5 * unit(draw));
        const double root = i % 97 == 0 ? (a + b) / 2 : i % 89 == 0 ? b : a + (b - a) * unit(draw);
        const double slope = i % 3 ? 1.0 : -1.0;
        const auto f = [&](double t) { return slope * (t - root); };
        const double margin = std::pow(10, -9 + 7 * unit(draw));
        const KnownSigns known{-60, 60, root - margin, root + margin, -slope};
        const double tolerance = i % 5 ? 1e-6 : 1e-12;
        const int limit = i % 7 ? DewPointHalvingLimit : 1 + i % 30;
        const BisectionResult plain = Bisect(f, a, b, tolerance, limit, scope);
        const BisectionResult fast = Bisect(f, a, b, tolerance, limit, scope, known);
        ASSERT_EQ(fast.root, plain.root) << "case " << i;
        ASSERT_EQ(fast.halvings, plain.halvings) << "case " << i;
    }
}

TEST(SaturationSigns, BisectionWithKnownSignsFindsTheSameRootWithFewerEvaluations)
{
    FpFaultScope scope;
    int evaluations = 0;
    const auto line = [&evaluations](double t) {
        ++evaluations;
        return t - 1.2345;
    };
    const BisectionResult plain = Bisect(line, 0, 10, 1e-6, DewPointHalvingLimit, scope);
    const int plainEvaluations = evaluations;
    evaluations = 0;
    const KnownSigns known{-5, 20, 1.2345 - 1e-8, 1.2345 + 1e-8, -1};
    const BisectionResult fast = Bisect(line, 0, 10, 1e-6, DewPointHalvingLimit, scope, known);
    EXPECT_EQ(fast.root, plain.root);
    EXPECT_EQ(fast.halvings, plain.halvings);
    EXPECT_LT(evaluations, plainEvaluations / 4);

    // A fault raised where the residual is still evaluated ends the search.
    const auto faulting = [](double t) { return t < 1.2345 ? -1.0 : std::log(t - 2.0); };
    const BisectionResult ended = Bisect(faulting, 0, 10, 1e-12, DewPointHalvingLimit, scope, known);
    EXPECT_TRUE(ended.faulted);
}

}  // namespace
