#pragma once
// Counterflow plate heat exchanger, single or double unit.

#include "core/devices/Recuperators.h"

class TDatenGS : public TDatenREK {
public:
    // Level II, then the counterflow plate model; a failed inlet ends with
    // Status 100.
    void Calculate() override;
};
