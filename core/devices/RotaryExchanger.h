#pragma once
// Rotary heat exchanger computed by the rotor model; rotor type 5 is computed
// by model X with the pressure drops of a face with a hub.

#include "core/devices/Regenerators.h"

// The rotor type computed by model X.
inline constexpr std::uint8_t RotorTypeX = 5;

class TDatenRWT : public TDatenREG {
public:
    double WavePitch = 5.2;  // mm, the width of one corrugation

    TDatenRWT();

    // Level II; for rotor type 5 the pressure drops of the face with the hub
    // (a fault there is left to the caller), otherwise the whole calculation.
    void Update() override;
    // Level II, then model X followed by Update for rotor type 5, the rotor
    // model otherwise. A failed inlet ends with Status 100.
    void Calculate() override;
};
