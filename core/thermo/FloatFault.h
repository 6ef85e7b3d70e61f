#pragma once
// Floating-point faults of the numeric layer.
//
// The moist-air functions and the device models see an arithmetic fault the
// way IEEE 754 arithmetic reports it: an invalid operation, a division by zero
// or an overflow raises a sticky exception flag of <cfenv>, and the value goes
// on as NaN or infinity. A calculation step has faulted when one of these three
// flags was raised during it, or when it threw EMathError.
//
// - A function that handles its own faults opens an FpFaultScope. The scope
//   clears the three flags, the function asks Faulted() whether its work raised
//   one, and the scope restores the caller's flags when it closes, so a fault
//   handled inside leaves no trace outside.
// - A function that lets its faults through does nothing special: the flags it
//   raised stay set for the guard of its caller.
// - A guard around a whole calculation step calls RunFpGuarded(), which reports
//   both kinds of fault as one failure.
//
// Underflow and inexact results are not faults: they happen in normal work
// (exp of a large negative number, every rounding).

#include <cfenv>
#include <initializer_list>
#include <stdexcept>
#include <string>

// The exception flags that count as a fault.
inline constexpr int FpFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// A numeric step that cannot go on. Raised explicitly by the moist-air
// functions (a start state outside their range, an iteration that found no
// root within its step limit); the message may be empty.
class EMathError : public std::runtime_error {
public:
    EMathError() : std::runtime_error("") {}
    explicit EMathError(const std::string& message) : std::runtime_error(message) {}
};

// Saves and clears the fault flags on construction, restores the saved fault
// flags on destruction (also when an exception passes through). Underflow and
// inexact flags are left as the work inside leaves them.
class FpFaultScope {
public:
    FpFaultScope();
    ~FpFaultScope();
    FpFaultScope(const FpFaultScope&) = delete;
    FpFaultScope& operator=(const FpFaultScope&) = delete;

    // True when a fault flag was raised since the scope opened. Pass the values
    // just computed: as arguments of a call the compiler cannot defer their
    // arithmetic past the flag test.
    bool Faulted(std::initializer_list<double> results = {}) const;

private:
    int savedRaised_;         // the fault flags raised when the scope opened
    std::fexcept_t saved_{};  // their saved state, read only when there were any
};

// The fault flags raised at this moment, as a readable text ("invalid
// operation", "division by zero", "overflow", joined by ", ").
std::string DescribeFpFlags(int flags);

// Runs one calculation step under a fault guard and restores the caller's
// flags afterwards. Returns true when the step ended without a fault. On a
// fault, *faultMessage (when given) receives the EMathError message or the
// names of the raised flags.
template <class Step>
bool RunFpGuarded(Step&& step, std::string* faultMessage = nullptr)
{
    FpFaultScope scope;
    try {
        step();
    } catch (const EMathError& error) {
        if (faultMessage)
            *faultMessage = error.what();
        return false;
    }
    if (!scope.Faulted())
        return true;
    if (faultMessage)
        *faultMessage = DescribeFpFlags(std::fetestexcept(FpFaultFlags));
    return false;
}
