// The guard against floating-point faults of the numeric layer.

#include "core/thermo/FloatFault.h"

// Clearing and setting flags reloads the whole floating-point environment,
// which costs far more than reading it; the scopes sit in the innermost loops
// of the searches, so they touch the flags only when something is raised.
FpFaultScope::FpFaultScope() : savedRaised_(std::fetestexcept(FpFaultFlags))
{
    if (savedRaised_ != 0) {
        std::fegetexceptflag(&saved_, FpFaultFlags);
        std::feclearexcept(FpFaultFlags);
    }
}

FpFaultScope::~FpFaultScope()
{
    const int raised = std::fetestexcept(FpFaultFlags);
    if (raised == savedRaised_)
        return;
    std::feclearexcept(raised);
    if (savedRaised_ != 0)
        std::fesetexceptflag(&saved_, FpFaultFlags);
}

// Defined out of line on purpose: the results are arguments of a real call,
// so their arithmetic is finished before the flags are read.
bool FpFaultScope::Faulted(std::initializer_list<double> /*results*/) const
{
    return std::fetestexcept(FpFaultFlags) != 0;
}

std::string DescribeFpFlags(int flags)
{
    static constexpr struct {
        int flag;
        const char* name;
    } names[] = {
        {FE_INVALID, "invalid operation"},
        {FE_DIVBYZERO, "division by zero"},
        {FE_OVERFLOW, "overflow"},
    };
    std::string text;
    for (const auto& entry : names) {
        if ((flags & entry.flag) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += entry.name;
    }
    return text;
}
