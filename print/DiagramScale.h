#pragma once
// The scale of the monthly bar chart of the diagram datasheet, without any
// Qt: ten intervals of one step each, the step taken from a fixed list of
// round numbers, some of them below zero.

// The step of one interval (in the displayed energy unit) and the number of
// intervals below the zero line.
struct DiagramScale {
    double step = 0;
    int below = 0;
};

// The scale for monthly values between `minimum` (≤ 0) and `maximum` (≥ 0)
// in kWh, shown multiplied by `factor` (ShownFactor of the energy):
// the step is the first of the candidate list greater than a tenth of the
// shown range, 200000 when none is; below = −round(minimum × factor / step)
// (ties to even),
// at least 1 when the minimum is negative.
DiagramScale DiagramScaleOf(double maximum, double minimum, double factor);
