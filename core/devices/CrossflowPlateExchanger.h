#pragma once
// Cross-flow plate heat exchanger, one unit or up to four in series.

#include "core/devices/Recuperators.h"

struct SeriesUnitMemo;

class TDatenPWT : public TDatenREK {
public:
    // Level II, then the cross-flow plate model; a failed inlet ends with
    // Status 100.
    void Calculate() override;
    // One unit inside a series: completes the inlets and computes only what
    // the series passes on, the outlet temperatures and humidity ratios and
    // HeatSens1, with what the unit's memo kept from the last pass. Any
    // failure ends with Status 100; what was computed up to it is not
    // defined.
    void CalculateAsSeriesUnit(SeriesUnitMemo& memo);
};
