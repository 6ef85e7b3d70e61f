// Catalogue tables, channel correlations and condensation rules of the plate
// heat exchangers.

#include <gtest/gtest.h>

#include "core/devices/CrossflowPlateCorrelations.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/PlateCondensation.h"
#include "core/thermo/FloatFault.h"

namespace {

TEST(PwtTables, ModulesAndSpacings)
{
    const struct {
        std::int32_t edge;
        double spacing;
        int modules;
    } modules[] = {{1200, 2.0, 2},  {1200, 6.5, 1},  {2400, 5.5, 3}, {2400, 5.6, 2},
                   {1200, 5.54, 2}, {1200, 5.56, 1}, {1234, 5.5, 1}};
    for (const auto& r : modules)
        EXPECT_EQ(ModulesPerEdge(r.edge, r.spacing), r.modules) << r.edge << " mm, " << r.spacing << " mm";

    const struct {
        std::int32_t edge;
        int index;
        double spacing;
    } spacings[] = {{200, 1, 0},  {200, 2, 1.8},  {400, 3, 5.0}, {390, 1, 3.5}, {300, 4, 0},  {500, 4, 9.0},
                    {3200, 2, 0}, {3200, 4, 9.0}, {1000, 6, 14}, {1000, 0, 0},  {1000, 7, 0}, {1234, 2, 0}};
    for (const auto& r : spacings)
        EXPECT_EQ(PlateSpacingOf(r.edge, r.index), r.spacing) << r.edge << " mm, index " << r.index;

    EXPECT_EQ(SpacingIndexOf(2400, 7.0), 0);
    EXPECT_EQ(SpacingIndexOf(1000, 0), 0);
    EXPECT_EQ(SpacingIndexOf(3200, 5.5), 0);  // only wide spacings on large faces
    for (std::int32_t edge : {200, 390, 1000, 3200, 8400})
        for (int index = 1; index <= 6; ++index)
            EXPECT_TRUE(PlateSpacingOf(edge, index) == 0 || SpacingIndexOf(edge, PlateSpacingOf(edge, index)) == index)
                << edge << " mm, index " << index;
}

TEST(PwtTables, PackagesPlatesAndFreeCrossSection)
{
    for (const auto& [edge, length] : {std::pair{200, 600}, {600, 900}, {1000, 1000}, {1200, 900}}) {
        SCOPED_TRACE(edge);
        EXPECT_EQ(PackagesAcrossWidth(length, edge), 1);
        EXPECT_EQ(PackagesAcrossWidth(length + 1, edge), 2);
        EXPECT_EQ(PackagesAcrossWidth(255 * length, edge), 255);
        EXPECT_THROW(PackagesAcrossWidth(255 * length + 1, edge), EMathError);
    }
    EXPECT_EQ(PackagesAcrossWidth(1000, 600), 2);

    // 1.8 mm spacing: a pitch of 2 mm; package frames of 22 and 40 mm; halves
    // round to even.
    const struct {
        std::int32_t edge;
        double width, plates;
    } plates[] = {{200, 27, 2}, {200, 29, 4}, {499, 27, 2}, {500, 45, 2}, {1000, 1040, 500}};
    for (const auto& r : plates)
        EXPECT_EQ(PlatesPerPackage(r.edge, 1.8, r.width), r.plates) << r.edge << " mm, " << r.width << " mm";

    // n² modules · m packages · (e − frame) · s · N/2 channels per stream.
    EXPECT_NEAR(FreeCrossSection(2, 3, 400, 5, 100), 2 * 3 * 0.358 * 0.005 * 50, 1e-12);
    EXPECT_NEAR(FreeCrossSection(1, 1, 200, 2, 10), 0.158 * 0.002 * 5, 1e-12);
    EXPECT_NEAR(FreeCrossSection(1, 2, 1000, 5.5, 168), 2 * 0.944 * 0.0055 * 84, 1e-12);
}

TEST(PwtCorrelations, PressureDropOfAModulePassage)
{
    EXPECT_EQ(PwtPressureDrop(1000, 0, 20, 1.2, 5.5), 0);
    for (std::int32_t e : {200, 300, 500, 1200})
        EXPECT_GT(PwtPressureDrop(e, 2, 20, 1.2, 5), PwtPressureDrop(e, 1, 20, 1.2, 5)) << e << " mm";
    // Between 300 and 500 mm the drop is linear in the module edge; 400 mm
    // modules have 13 % more.
    const double at390 = PwtPressureDrop(390, 2.5, 10, 1.2, 4);
    const double at401 = PwtPressureDrop(401, 2.5, 10, 1.2, 4);
    EXPECT_NEAR(PwtPressureDrop(400, 2.5, 10, 1.2, 4), 1.13 * (at390 + (at401 - at390) * 10 / 11), 1e-9);
}

TEST(PlateCondensation, FactorsLimitAndState)
{
    for (double depth : {0.0, 5.0, 40.0})
        for (double phi : {0.0, 60.0, 100.0}) {
            EXPECT_GE(CondensationFactor(depth, phi), 1) << depth << " K, " << phi << " %";
            EXPECT_EQ(GsCondensationFactor(depth, phi), std::min(CondensationFactor(depth, phi), 1.25));
        }
    EXPECT_GT(CondensationFactor(40, 90), 1.25);

    for (const auto& [phi, limit] : {std::pair{0.0, 30.0}, {70.0, 30.0}, {85.0, 15.0}, {100.0, 10.0}, {120.0, 10.0}})
        EXPECT_NEAR(CondensationLimit(phi), limit, 1e-6) << phi;

    EXPECT_EQ(CondensationStateOf(1, 50, 90), 0);
    EXPECT_EQ(CondensationStateOf(1.1, CondensationLimit(90), 90), 1);
    EXPECT_EQ(CondensationStateOf(1.1, CondensationLimit(90) + 0.01, 90), 2);
}

TEST(PlateCondensation, WetEfficiencyFadesAndStopsAt99)
{
    EXPECT_NEAR(WetEfficiencyFactor(1.23, 98) * 98, 99, 1e-9);
    EXPECT_NEAR(WetEfficiencyFactor(1.2, 1), 1.2, 1e-6);  // low efficiency: the full lift
    for (double f : {1.0, 1.23}) {
        double previous = f;
        for (double e = 5; e <= 99; e += 2) {
            const double factor = WetEfficiencyFactor(f, e);
            EXPECT_TRUE(factor * e <= 99 + 1e-9 && factor >= 1 && factor <= previous) << f << ", " << e << " %";
            previous = factor;
        }
    }
}

}  // namespace
