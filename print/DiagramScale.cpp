// The scale of the diagram datasheet's monthly bar chart.

#include "print/DiagramScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Intervals = 10;

// The candidates in the order they are tried. The last two are smaller than
// the one before them, so they are reached only for ranges that no earlier
// step covers either, and never chosen.
constexpr std::array<double, 30> StepCandidates = {
    10,   20,    25,    50,    100,   125,   200,   250,    500,    1000,   1250,   1500,   2000,   2500,   5000,
    7500, 10000, 12500, 15000, 20000, 25000, 50000, 100000, 125000, 150000, 200000, 250000, 500000, 100000, 200000,
};
constexpr double FallbackStep = 200000;
constexpr double MaxBelow = 1e6;

}  // namespace

DiagramScale DiagramScaleOf(double maximum, double minimum, double factor)
{
    DiagramScale scale;
    scale.step = FallbackStep;
    const double interval = (maximum - minimum) * factor / Intervals;
    for (const double candidate : StepCandidates) {
        if (candidate > interval) {
            scale.step = candidate;
            break;
        }
    }
    // A value that is not finite or beyond any chart gives no intervals
    // below zero rather than an undefined conversion.
    // Rounded to the nearest whole number with ties to even, as every
    // rounding of the program.
    const double below = -minimum * factor / scale.step;
    scale.below = std::isfinite(below) ? static_cast<int>(std::nearbyint(std::clamp(below, -MaxBelow, MaxBelow))) : 0;
    if (minimum < 0 && scale.below < 1)
        scale.below = 1;
    return scale;
}
