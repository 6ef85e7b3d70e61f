#pragma once
// Recuperators: the plate heat exchangers. Their models fill these fields.

#include <cstdint>

#include "core/devices/CalculationData.h"

class TDatenREK : public TDatenII {
public:
    std::uint8_t UnitCount = 1;     // exchangers in series, 1 to 4
    std::int32_t EdgeLength = 0;    // cross-flow plate exchanger edge, mm
    std::int32_t GsSize = 0;        // counterflow plate exchanger size number
    std::int32_t ModuleEdge = 0;    // edge of one plate module, mm (result)
    std::int32_t PackageWidth = 0;  // mm
    std::uint8_t SpacingIndex = 0;  // plate spacing index 1 to 6
    double PlateSpacing = 0;        // mm
    std::uint8_t SpacingGiven = 0;  // 0: spacing from the index; 1: index from the spacing
    double EffTemp1 = 0;            // dry temperature efficiency of stream 1, %
    double EffTemp2 = 0;
    double EffTemp1Wet = 0;  // temperature efficiency with condensation, %
    double EffTemp2Wet = 0;
    double HeatSens1 = 0;  // sensible heat flow, kW
    double HeatSens2 = 0;
    double HeatTotal1 = 0;  // total heat flow, kW
    double HeatTotal2 = 0;
    double EffMin1 = 0;  // EffTemp1 referred to the smaller dry-air flow, %
    double EffMin1Wet = 0;
    double EffMin2 = 0;
    double EffMin2Wet = 0;
    double Condensate1 = 0;  // kg/h
    double Condensate2 = 0;
    std::uint8_t CondensationState = 0;  // 0 dry, 1 within its limit, 2 beyond it

    // Level II, then the whole calculation of the class.
    void Update() override;
    void SwapStreams() override;
};
