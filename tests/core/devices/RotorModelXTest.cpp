// Model X, rotor type 5 with its hub, and the sorption rotor.

#include <cmath>

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "core/devices/HubPressureDrop.h"
#include "core/devices/RotaryExchangerX.h"
#include "core/devices/RotorModelX.h"
#include "core/thermo/FloatFault.h"

namespace {

using namespace devtest;

TEST(ModelXCharacteristics, PressureDropMoistureRatioAndSpeed)
{
    EXPECT_NEAR(RotorPressureDropX(200, 1.9, 1), 28.782 * 1.03, 1e-9);
    // Proportional to the depth, to 1/hw² and to w^1.01.
    EXPECT_NEAR(RotorPressureDropX(400, 0.95, 2), 8 * std::pow(2, 1.01) * RotorPressureDropX(200, 1.9, 1), 1e-9);
    for (double v : {-1.0, 0.0, 0.5, 2.0})
        EXPECT_EQ(RotorMoistureRatioX(5, v), 1) << v;
    EXPECT_EQ(RotorMoistureRatioX(0, 0), 0);
    EXPECT_EQ(RotorMoistureRatioX(3, -0.2), 0);
    EXPECT_DOUBLE_EQ(RotorMoistureRatioX(0, 1.4), RotorMoistureRatioX(0, 1));
    EXPECT_DOUBLE_EQ(TransferSpeedFactorX(5), 0.875);
    EXPECT_EQ(TransferSpeedFactorX(10), 1);
    EXPECT_DOUBLE_EQ(TransferSpeedFactorX(20), 1.04);
}

TEST(ModelX, WorkedExampleAndTheRotorModelClassWithHub)
{
    const auto x = Calculated(Example<TDatenRWT_X>(RotorTypeX));
    const auto rwt = Calculated(Example<TDatenRWT>(RotorTypeX));
    EXPECT_NEAR(x.Stream1.FaceVelocity, 1.406, 1e-3);
    EXPECT_NEAR(x.Stream1.PressureDrop, 41.82, 0.01);
    EXPECT_NEAR(x.Stream2.PressureDrop, 47.11, 0.01);
    EXPECT_NEAR(x.TempEff1, 85.91, 0.01);
    EXPECT_EQ(x.HumEff1, x.TempEff1);  // type 5 moves moisture like heat
    EXPECT_NEAR(x.TotalHeat1, -x.TotalHeat2, 0.03 * x.TotalHeat1);
    EXPECT_GT(x.SensibleHeat1, 0);
    EXPECT_GT(x.MoistureFlow1, 0);
    // The channels are narrowed by the flat plus 1.33 corrugated foil per
    // layer of wave height.
    const double sigma = 1 - (1 + 32 * 0.5 / 273.15) * x.Stream1.FaceVelocity / x.Stream1.Velocity;
    EXPECT_NEAR(sigma, 2.33 * 0.08 / 1.9, 1e-9);

    // The same model, with the face velocities and pressure drops of the
    // face around the hub.
    EXPECT_EQ(rwt.TempEff1, x.TempEff1);
    EXPECT_EQ(rwt.HumEff2, x.HumEff2);
    EXPECT_EQ(rwt.Stream2.Outlet.Temp, x.Stream2.Outlet.Temp);
    EXPECT_NEAR(rwt.Stream1.FaceVelocity, 1.446, 1e-3);
    EXPECT_NEAR(rwt.Stream1.PressureDrop, 121.81, 0.01);
    EXPECT_NEAR(rwt.Stream2.PressureDrop, 122.82, 0.01);
}

TEST(Hub, DiameterAreaAndPressureDrop)
{
    for (const auto& [wheel, hub] : {std::pair{1000, 130}, {1001, 250}, {1200, 250}})
        EXPECT_EQ(HubDiameter(wheel), hub) << wheel;
    EXPECT_NEAR(FaceAreaWithoutHub(1000), 0.7721, 1e-4);
    EXPECT_EQ(FaceAreaWithoutHub(130), 0);
    double dp = -1;
    EXPECT_TRUE(RunFpGuarded([&] { dp = HubRotorPressureDrop(0, 1.2); }));
    EXPECT_EQ(dp, 0);
    EXPECT_NEAR(HubRotorPressureDrop(2, 1.2), 2 * HubRotorPressureDrop(2, 0.6), 1e-12);
}

TDatenZEPRA_2000 SorptionRotor(std::uint8_t mode)
{
    auto z = Example<TDatenZEPRA_2000>(5);
    z.RotorDepth = 250;
    z.FoilThickness = 0.114;
    z.WaveHeight = 2.0;
    z.OperatingMode = mode;
    return z;
}

TEST(SorptionRotor, ModelXWithHubPressureDropsThenBlockedByFailedStatus)
{
    auto z = Calculated(SorptionRotor(1));
    EXPECT_EQ(z.SectorDivisor(), 1);
    for (double eff : {z.TempEff1, z.TempEff2, z.HumEff1, z.HumEff2}) {
        EXPECT_GT(eff, 70);
        EXPECT_LT(eff, 95);
    }
    EXPECT_NEAR(z.Stream1.FaceVelocity, z.Stream1.Inlet.VolFlow / (FaceAreaWithoutHub(1500) / 2) / 3600, 1e-12);

    // A failed status blocks the calculation: nothing changes.
    z.Status = StatusFailed;
    z.RotorSpeed = 20;
    const FieldList before = Fields(z);
    EXPECT_NO_THROW(z.Calculate());
    ExpectSameFields(Fields(z), before);
}

// Without a model (modes other than 1) the face around the hub is split in
// sectors: stream 1 through A/(1 + 1/d), stream 2 through A/(1 + d).
TEST(SorptionRotor, SectorsOfTheOperatingMode)
{
    const double area = FaceAreaWithoutHub(1500);
    const struct {
        std::uint8_t mode;
        double divisor, share1;
    } table[] = {{0, 1, 0.5}, {2, 1, 0.5}, {3, 3, 0.75}, {4, 2, 2.0 / 3}};
    for (const auto& row : table) {
        SCOPED_TRACE(int{row.mode});
        auto z = SorptionRotor(row.mode);
        z.Stream2.Inlet.StdVolFlow = 3000;
        z = Calculated(z);
        EXPECT_EQ(z.SectorDivisor(), row.divisor);
        EXPECT_EQ(z.TempEff1, 0);
        EXPECT_NEAR(z.Stream1.FaceVelocity, z.Stream1.Inlet.VolFlow / (row.share1 * area) / 3600, 1e-12);
        EXPECT_NEAR(z.Stream2.FaceVelocity, z.Stream2.Inlet.VolFlow / ((1 - row.share1) * area) / 3600, 1e-12);
        EXPECT_NEAR(z.Stream1.PressureDrop, HubRotorPressureDrop(z.Stream1.FaceVelocity, z.Stream1.Inlet.Density),
                    1e-9);
        const double wStd = z.Stream2.Inlet.StdVolFlow / ((1 - row.share1) * area) / 3600;
        EXPECT_NEAR(z.Stream2.PressureDropStd, HubRotorPressureDrop(wStd, 1.2), 1e-9);
    }
}

}  // namespace
