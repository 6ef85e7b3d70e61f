#pragma once
// The guard of every device calculation step.

#include "core/thermo/FloatFault.h"

// Runs a step and reports whether it ended without a fault: no floating-point
// fault flag raised, no exception thrown. The caller's fault flags are left as
// they were. Nothing escapes: a device calculation reports its failures only
// through its Status.
template <class Step>
bool RunStatusGuarded(Step&& step) noexcept
{
    try {
        return RunFpGuarded(step);
    } catch (...) {
        return false;
    }
}
