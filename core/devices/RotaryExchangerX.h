#pragma once
// Rotary heat exchanger computed by model X: a matrix described by wave
// height, foil thickness and depth only.

#include "core/devices/Regenerators.h"

class TDatenRWT_X : public TDatenREG {
public:
    TDatenRWT_X();

    // Level II, then the face velocities and pressure drops of model X. A
    // fault of the pressure drops (a zero flow) is left to the caller.
    void Update() override;
    // Level II, then model X; a failed inlet ends with Status 100.
    void Calculate() override;
};
