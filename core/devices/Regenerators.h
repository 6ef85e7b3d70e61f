#pragma once
// Regenerators: the rotary heat exchangers, with the rotor description and
// the results of the rotor models.

#include <cstdint>

#include "core/devices/CalculationData.h"

class TDatenREG : public TDatenII {
public:
    std::uint8_t RotorType = 0;  // internal rotor type 0 to 6
    double SensibleHeat1 = 0;    // kW gained by stream 1 (negative when given off)
    double SensibleHeat2 = 0;
    double LatentHeat1 = 0;  // kW
    double LatentHeat2 = 0;
    double MoistureFlow1 = 0;  // kg/h of water gained
    double MoistureFlow2 = 0;
    std::int32_t RotorDiameter = 0;  // mm
    double FoilThickness = 0;        // mm
    double WaveHeight = 0;           // mm
    double RotorSpeed = 0;           // 1/min
    std::int32_t RotorDepth = 0;     // mm in the direction of flow
    std::uint8_t LimitOutlet1 = 0;   // 1: limit the outlet temperature of stream 1
    double OutletLimit1 = 0;         // °C
    double TempEff1 = 0;             // %
    double TempEff2 = 0;
    double HumEff1 = 0;  // %
    double HumEff2 = 0;
    double TempEffMin1 = 0;  // referred to the smaller dry-air mass flow, %
    double HumEffMin1 = 0;
    double TempEffMin2 = 0;
    double HumEffMin2 = 0;
    double TotalHeat1 = 0;  // kW
    double TotalHeat2 = 0;
    double Condensate1 = 0;  // kg/h condensed out of the stream
    double Condensate2 = 0;

    // The device description and the outlet limit stay with the object.
    void SwapStreams() override;

protected:
    // Sets the rotor defaults shared by the rotary exchanger classes.
    void SetRotorDefaults();
};
