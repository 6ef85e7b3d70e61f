#pragma once
// Cross-flow plate heat exchanger, one unit or up to four in series.

#include "core/devices/Recuperators.h"

class TDatenPWT : public TDatenREK {
public:
    // Level II, then the cross-flow plate model; a failed inlet ends with
    // Status 100.
    void Calculate() override;
};
