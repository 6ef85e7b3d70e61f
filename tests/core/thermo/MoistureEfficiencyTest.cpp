// Moisture efficiency against the isenthalpic reference state.

#include <gtest/gtest.h>

#include "core/thermo/MoistAirProperties.h"
#include "core/thermo/MoistureEfficiency.h"

namespace {

constexpr double P0 = 1013;

TEST(MoistureEffIsenthalpic, ShareOfTheLargestPossibleChange)
{
    const double x1 = HumRatioOf(20, 50, P0);
    const double x2 = HumRatioOf(30, 30, P0);
    // The largest possible change brings stream 2 along its isenthalp to the
    // relative humidity of stream 1.
    const double tRef = IsenthalpicTemp(30, x2, P0, 50);
    const double xRef = HumRatioOf(tRef, 50, P0);
    ASSERT_GT(xRef, x2);  // humidified

    EXPECT_NEAR(MoistureEffIsenthalpic(20, x1, 30, x2, xRef, P0), 100, 1e-9);
    EXPECT_EQ(MoistureEffIsenthalpic(20, x1, 30, x2, x2, P0), 0);
    EXPECT_NEAR(MoistureEffIsenthalpic(20, x1, 30, x2, (x2 + xRef) / 2, P0), 50, 1e-9);
    // Both streams dry: the reference is stream 2 itself, no change possible.
    EXPECT_EQ(MoistureEffIsenthalpic(20, 0, 25, 0, 0, P0), 0);
}

}  // namespace
