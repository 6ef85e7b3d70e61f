// The fault guard: scopes that hide their own faults, guards that report them.

#include <cfenv>

#include <gtest/gtest.h>

#include "thermo/FloatFault.h"

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
}

TEST(FpFaultScope, UnderflowAndInexactAreNoFaults)
{
    FpFaultScope scope;
    const double tiny = Divide(1e-300, 1e300);
    const double third = Divide(1, 3);
    EXPECT_FALSE(scope.Faulted({tiny, third}));
}

TEST(RunFpGuarded, ReportsFlagsAndMathErrorsAndLeavesTheCallerClean)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    std::string message;
    double r = 0;
    EXPECT_TRUE(RunFpGuarded([&] { r = Divide(1, 4); }, &message));
    EXPECT_EQ(r, 0.25);

    EXPECT_FALSE(RunFpGuarded([&] { r = Divide(1, 0); }, &message));
    EXPECT_EQ(message, "division by zero");
    EXPECT_FALSE(RunFpGuarded([&] { r = Divide(0, 0); }, &message));
    EXPECT_EQ(message, "invalid operation");
    EXPECT_FALSE(RunFpGuarded([&] { r = Divide(1e300, 1e-300); }, &message));
    EXPECT_NE(message.find("overflow"), std::string::npos);

    EXPECT_FALSE(RunFpGuarded([] { throw EMathError("no root"); }, &message));
    EXPECT_EQ(message, "no root");

    EXPECT_EQ(std::fetestexcept(FpFaultFlags), 0) << "a guard must not leak the step's flags";
}

TEST(RunFpGuarded, LetsOtherExceptionsThrough)
{
    EXPECT_THROW(RunFpGuarded([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(DescribeFpFlags, JoinsTheNames)
{
    EXPECT_EQ(DescribeFpFlags(0), "");
    EXPECT_EQ(DescribeFpFlags(FE_INVALID | FE_OVERFLOW), "invalid operation, overflow");
    EXPECT_EQ(DescribeFpFlags(FE_INEXACT), "");
}

}  // namespace
