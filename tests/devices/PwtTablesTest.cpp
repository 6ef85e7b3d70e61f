// Catalogue tables, channel correlations and condensation rules of the plate
// heat exchangers.

#include <gtest/gtest.h>

#include "devices/PlateCondensation.h"
#include "devices/PwtCorrelations.h"
#include "devices/PwtTables.h"
#include "thermo/FloatFault.h"

namespace {

TEST(PwtTables, ModulesAndSpacings)
{
    const struct { std::int32_t edge; double spacing; int modules; } modules[] = {
        {1200, 2.0, 2}, {1200, 6.5, 1}, {2400, 5.5, 3}, {2400, 5.6, 2}, {1200, 5.54, 2}, {1200, 5.56, 1}, {1234, 5.5, 1}};
    for (const auto& r : modules)
        EXPECT_EQ(ModulesPerEdge(r.edge, r.spacing), r.modules) << r.edge << " mm, " << r.spacing << " mm";

    const struct { std::int32_t edge; int index; double spacing; } spacings[] = {
        {200, 1, 0},  {200, 2, 1.8},   {400, 3, 5.0},  {390, 1, 3.5}, {390, 2, 4.0}, {390, 3, 5.0},  {300, 4, 0},
        {500, 4, 9.0}, {3200, 2, 0},   {3200, 4, 9.0}, {1000, 6, 14}, {1000, 0, 0},  {1000, 7, 0},   {1234, 2, 0},
        {700, 1, 5.5}, {7000, 2, 0},   {7000, 5, 11.5}};
    for (const auto& r : spacings)
        EXPECT_EQ(PlateSpacingOf(r.edge, r.index), r.spacing) << r.edge << " mm, index " << r.index;

    EXPECT_EQ(SpacingIndexOf(2400, 7.0), 0);
    EXPECT_EQ(SpacingIndexOf(1000, 6.5), 3);
    EXPECT_EQ(SpacingIndexOf(1000, 0), 0);
    EXPECT_EQ(SpacingIndexOf(3200, 5.5), 0);  // only wide spacings on large faces
    for (std::int32_t edge : {200, 300, 390, 400, 500, 700, 1000, 1200, 2400, 3200, 5600, 8400}) {
        for (int index = 1; index <= 6; ++index) {
            const double s = PlateSpacingOf(edge, index);
            if (s > 0) {
                EXPECT_EQ(SpacingIndexOf(edge, s), index) << edge << " mm, " << s << " mm";
            }
        }
    }
}

TEST(PwtTables, PackagesPlatesAndFreeCrossSection)
{
    const std::pair<std::int32_t, int> longest[] = {{200, 600}, {300, 700}, {400, 800}, {500, 800},
                                                    {600, 900}, {1000, 1000}, {1200, 900}};
    for (const auto& [edge, length] : longest) {
        SCOPED_TRACE(edge);
        EXPECT_EQ(PackagesAcrossWidth(length, edge), 1);
        EXPECT_EQ(PackagesAcrossWidth(length + 1, edge), 2);
        EXPECT_EQ(PackagesAcrossWidth(255 * length, edge), 255);
        EXPECT_THROW(PackagesAcrossWidth(255 * length + 1, edge), EMathError);
    }
    EXPECT_THROW(PackagesAcrossWidth(2000000000, 600), EMathError);

    // 1.8 mm spacing: a pitch of 2 mm; package frames of 22 and 40 mm; halves
    // round to even.
    const struct { std::int32_t edge; double width, plates; } plates[] = {
        {200, 27, 2}, {200, 29, 4}, {499, 27, 2}, {500, 45, 2}, {500, 47, 4}, {1000, 1040, 500}};
    for (const auto& r : plates)
        EXPECT_EQ(PlatesPerPackage(r.edge, 1.8, r.width), r.plates) << r.edge << " mm, " << r.width << " mm";

    // n² modules · m packages · (e − frame) · s · N/2 channels per stream.
    EXPECT_NEAR(FreeCrossSection(2, 3, 400, 5, 100), 2 * 3 * 0.358 * 0.005 * 50, 1e-12);
    EXPECT_NEAR(FreeCrossSection(1, 1, 200, 2, 10), 0.158 * 0.002 * 5, 1e-12);
    EXPECT_NEAR(FreeCrossSection(1, 1, 300, 3, 10), 0.258 * 0.003 * 5, 1e-12);
    EXPECT_NEAR(FreeCrossSection(1, 2, 1000, 5.5, 168), 2 * 0.944 * 0.0055 * 84, 1e-12);
}

TEST(PwtCorrelations, PressureDropOfAModulePassage)
{
    EXPECT_EQ(PwtPressureDrop(1000, 0, 20, 1.2, 5.5), 0);
    EXPECT_EQ(PwtPressureDrop(1000, -1, 20, 1.2, 5.5), 0);
    for (std::int32_t e : {200, 300, 400, 500, 700, 1000, 1200}) {
        double previous = 0;
        for (double w : {0.5, 1.0, 2.0, 4.0}) {
            EXPECT_GT(PwtPressureDrop(e, w, 20, 1.2, 5), previous) << e << " mm, " << w << " m/s";
            previous = PwtPressureDrop(e, w, 20, 1.2, 5);
        }
    }
    // Between 300 and 500 mm the drop is linear in the module edge; 400 mm
    // modules have 13 % more.
    const double at390 = PwtPressureDrop(390, 2.5, 10, 1.2, 4);
    const double at401 = PwtPressureDrop(401, 2.5, 10, 1.2, 4);
    EXPECT_NEAR(PwtPressureDrop(400, 2.5, 10, 1.2, 4), 1.13 * (at390 + (at401 - at390) * 10 / 11), 1e-9);
}

TEST(PlateCondensation, FactorsLimitAndState)
{
    for (double depth : {-10.0, 0.0, 5.0, 20.0, 40.0}) {
        for (double phi : {0.0, 30.0, 60.0, 90.0, 100.0}) {
            EXPECT_GE(CondensationFactor(depth, phi), 1) << depth << " K, " << phi << " %";
            EXPECT_EQ(GsCondensationFactor(depth, phi), std::min(CondensationFactor(depth, phi), 1.25));
        }
    }
    EXPECT_GT(CondensationFactor(40, 90), 1.25);

    const std::pair<double, double> limits[] = {{0, 30}, {70, 30}, {70 + 1e-9, 30}, {85, 15},
                                                {100 - 1e-9, 10}, {100, 10}, {120, 10}};
    for (const auto& [phi, limit] : limits)
        EXPECT_NEAR(CondensationLimit(phi), limit, 1e-6) << phi;

    EXPECT_EQ(CondensationStateOf(1, 50, 90), 0);
    EXPECT_EQ(CondensationStateOf(1.1, CondensationLimit(90), 90), 1);
    EXPECT_EQ(CondensationStateOf(1.1, CondensationLimit(90) + 0.01, 90), 2);
    EXPECT_EQ(CondensationStateOf(1.1, 30.01, 60), 2);
}

TEST(PlateCondensation, WetEfficiencyFadesAndStopsAt99)
{
    EXPECT_NEAR(WetEfficiencyFactor(1.23, 98) * 98, 99, 1e-9);
    EXPECT_NEAR(WetEfficiencyFactor(1.2, 1), 1.2, 1e-6);  // low efficiency: the full lift
    for (double f : {1.0, 1.05, 1.23}) {
        double previous = f;
        for (double e = 5; e <= 99; e += 2) {
            SCOPED_TRACE(testing::Message() << f << ", " << e << " %");
            const double factor = WetEfficiencyFactor(f, e);
            EXPECT_LE(factor * e, 99 + 1e-9);
            EXPECT_GE(factor, 1);
            EXPECT_LE(factor, previous);
            previous = factor;
        }
    }
}

}  // namespace
