// The fault guard: scopes that hide their own faults, guards that report them.

#include <cfenv>
#include <functional>

#include <gtest/gtest.h>

#include "core/thermo/FloatFault.h"

namespace {

// Arithmetic the compiler cannot fold away at compile time.
double Divide(double a, double b)
{
    volatile double x = a;
    volatile double y = b;
    return x / y;
}

TEST(FpFaultScope, SeesOnlyItsOwnFaultsAndRestoresTheCallers)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW);  // the caller's earlier fault
    {
        FpFaultScope scope;
        EXPECT_FALSE(scope.Faulted());
        const double r = Divide(1, 0);
        EXPECT_TRUE(scope.Faulted({r}));
    }
    EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO));
    std::feclearexcept(FE_ALL_EXCEPT);

    FpFaultScope scope;  // underflow and inexact are no faults
    EXPECT_FALSE(scope.Faulted({Divide(1e-300, 1e300), Divide(1, 3)}));
}

TEST(RunFpGuarded, ReportsFlagsAndMathErrorsAndLeavesTheCallerClean)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::string message;
    double r = 0;
    EXPECT_TRUE(RunFpGuarded([&] { r = Divide(1, 4); }, &message));
    EXPECT_EQ(r, 0.25);
    const std::pair<std::function<void()>, const char*> faults[] = {{[&] { r = Divide(1, 0); }, "division by zero"},
                                                                    {[&] { r = Divide(0, 0); }, "invalid operation"},
                                                                    {[&] { r = Divide(1e300, 1e-300); }, "overflow"},
                                                                    {[] { throw EMathError("no root"); }, "no root"}};
    for (const auto& [step, expected] : faults) {
        EXPECT_FALSE(RunFpGuarded(step, &message));
        EXPECT_EQ(message, expected);
    }
    EXPECT_EQ(std::fetestexcept(FpFaultFlags), 0) << "a guard must not leak the step's flags";
    EXPECT_THROW(RunFpGuarded([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(DescribeFpFlags, JoinsTheNames)
{
    EXPECT_EQ(DescribeFpFlags(0), "");
    EXPECT_EQ(DescribeFpFlags(FE_INVALID | FE_OVERFLOW), "invalid operation, overflow");
    EXPECT_EQ(DescribeFpFlags(FE_INEXACT), "");
}

}  // namespace
