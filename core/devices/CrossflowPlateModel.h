#pragma once
// Cross-flow plate heat exchanger model: geometry from the catalogue, heat
// transfer from Nusselt correlations, efficiencies by the NTU method,
// condensation on the exhaust side, up to four units in counter-current
// series, outlet states and pressure drops.

#include <cstdint>

#include "core/devices/CrossflowPlateCorrelations.h"
#include "core/devices/PortCompletionMemo.h"
#include "core/thermo/LastResultMemo.h"

class TDatenPWT;

// Passes of the series iteration: it stops earlier when the supply air
// leaving the first unit changes by less than 0.001 K and 0.001 g/kg.
inline constexpr int SeriesPassLimit = 201;

// Outlet temperatures (°C) and humidity ratios (g/kg) of a plate exchanger.
struct PlateOutlets {
    double t12, x12, t22, x22;
};

struct SeriesResult {
    PlateOutlets outlets;
    int passes;
};

// Runs the model on the object; its faults reach the caller.
void CalcPwt(TDatenPWT& data);

// The geometry of one unit, from its description.
struct PwtGeometry {
    int modules;               // n per edge
    std::int32_t moduleEdge;   // e, mm
    double transferArea;       // A, m²
    double freeArea;           // Af of either stream, m²
    double hydraulicDiameter;  // dh, mm
    PwtChannel channel;        // of the Nusselt number
};

// What one unit of a series keeps from one pass to the next, each part
// reused only for bit-identical inputs: its geometry, the completions of its
// inlets (the outdoor air of the first unit and the extract air of the last
// never change), the dew point of its exhaust side (the same from pass to
// pass while the exhaust air does not condense) and the factors of the
// capacity ratios (the same while no stream changes its vapour). Kept for one
// CalcSeries.
struct SeriesUnitMemo {
    LastResultMemo<PwtGeometry, 5> geometry;
    PortCompletionMemo inlet1, inlet2;
    LastResultMemo<double, 2> exhaustDewPoint;             // DewPointOf(x21, p)
    LastResultMemo<double, 1> ratioFactor1, ratioFactor2;  // CorrectedNtuRatioFactor of W1/W2 and W2/W1
};

// One unit of a series pass, on completed inlets: the outlet temperatures and
// humidity ratios and HeatSens1 as CalcPwt leaves them; the other results are
// not computed. Its faults reach the caller.
void CalcSeriesUnit(TDatenPWT& unit, SeriesUnitMemo& memo);

// The UnitCount units in counter-current series: the supply air passes units
// 1 to k, the exhaust air k to 1. Sets HeatSens1 to the sum over the units and
// returns the outlets. A unit that fails raises EMathError.
SeriesResult CalcSeries(TDatenPWT& data);
