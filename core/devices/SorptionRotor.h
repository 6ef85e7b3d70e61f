#pragma once
// Sorption rotor: computed with model X, framed by a face with a hub that may
// be split unevenly between the two streams.

#include <cstdint>

#include "core/devices/RotaryExchangerX.h"

class TDatenZEPRA_2000 : public TDatenRWT_X {
public:
    // 1: rotary exchanger model X. Also sets the sector divisor of the face
    // split: 3 for mode 3, 2 for mode 4, 1 otherwise.
    std::uint8_t OperatingMode = 0;

    // Model X's update, then the pressure drops of the face without the hub.
    void Update() override;
    // Nothing while Status is above 0; otherwise Update, then the sorption
    // rotor calculation.
    void Calculate() override;

    double SectorDivisor() const;
};
