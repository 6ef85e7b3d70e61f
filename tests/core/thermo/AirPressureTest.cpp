// Air pressure and altitude.

#include <gtest/gtest.h>

#include "core/thermo/AirPressure.h"

namespace {

TEST(AirPressure, StandardAtmosphereAndItsInverse)
{
    EXPECT_DOUBLE_EQ(PressureOfAltitude(0), 1013);
    EXPECT_DOUBLE_EQ(AltitudeOfPressure(1013), 0);
    EXPECT_NEAR(PressureOfAltitude(1000), 898.4851631400988, 1e-9);
    for (double z : {-400.0, 250.0, 1500.0, 3000.0, 5500.0}) {
        SCOPED_TRACE(z);
        EXPECT_NEAR(AltitudeOfPressure(PressureOfAltitude(z)), z, 1e-7);
    }
}

}  // namespace
