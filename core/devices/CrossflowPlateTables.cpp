// The catalogue tables of the cross-flow plate heat exchangers.

#include "core/devices/CrossflowPlateTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

#include "core/thermo/FloatFault.h"

namespace {

// Modules per edge for narrow (up to 5.5 mm) and wide plate spacings.
struct ModulesRow {
    std::int32_t edge;
    std::uint8_t narrow;
    std::uint8_t wide;
};

constexpr std::array<ModulesRow, 30> ModulesTable = {{
    {200, 1, 1},  {300, 1, 1},  {390, 1, 1},  {400, 1, 1},  {500, 1, 1},  {600, 1, 1},   {700, 1, 1},  {800, 1, 1},
    {1000, 1, 1}, {1200, 2, 1}, {1400, 2, 2}, {1600, 2, 2}, {2000, 2, 2}, {1500, 3, 3},  {1800, 3, 3}, {2100, 3, 3},
    {3000, 3, 3}, {2400, 3, 2}, {2500, 5, 5}, {3500, 5, 5}, {2800, 4, 4}, {3200, 4, 4},  {4000, 4, 4}, {3600, 6, 3},
    {4800, 6, 4}, {5600, 7, 7}, {7000, 7, 7}, {6000, 6, 5}, {7200, 9, 6}, {8400, 14, 7},
}};

// Spacings of the indexes 1 to 3 by edge length.
struct SpacingRow {
    std::int32_t edge;
    std::array<double, 3> spacings;
};

constexpr std::array<double, 3> Spacings200 = {0, 1.8, 2.0};
constexpr std::array<double, 3> Spacings300 = {0, 2.5, 3.0};
constexpr std::array<double, 3> Spacings400 = {3.5, 4.0, 5.0};
constexpr std::array<double, 3> SpacingsWide = {0, 5.5, 6.5};
constexpr std::array<double, 3> SpacingsNarrow = {5.5, 6.5, 7.0};

constexpr std::array<SpacingRow, 30> SpacingTable = {{
    {200, Spacings200},     {300, Spacings300},     {390, Spacings400},     {400, Spacings400},
    {500, SpacingsWide},    {600, SpacingsWide},    {1000, SpacingsWide},   {1200, SpacingsWide},
    {1500, SpacingsWide},   {1800, SpacingsWide},   {2000, SpacingsWide},   {2400, SpacingsWide},
    {2500, SpacingsWide},   {3000, SpacingsWide},   {3600, SpacingsWide},   {4000, SpacingsWide},
    {4800, SpacingsWide},   {5000, SpacingsWide},   {6000, SpacingsWide},   {7200, SpacingsWide},
    {8400, SpacingsWide},   {700, SpacingsNarrow},  {800, SpacingsNarrow},  {1400, SpacingsNarrow},
    {1600, SpacingsNarrow}, {2100, SpacingsNarrow}, {2800, SpacingsNarrow}, {3200, SpacingsNarrow},
    {3500, SpacingsNarrow}, {5600, SpacingsNarrow},
}};

// The wide spacings of the indexes 4 to 6, for every edge from 500 mm.
constexpr std::array<double, 3> WideSpacings = {9.0, 11.5, 14.0};
constexpr std::int32_t SmallestEdgeWithWideSpacings = 500;
// Faces above 3000 mm are built only with spacings from 9.0 mm.
constexpr std::int32_t LargestEdgeWithNarrowSpacings = 3000;
constexpr double SmallestSpacingOfLargeFaces = 9.0;

template <class Table>
auto FindEdge(const Table& table, std::int32_t edge)
{
    return std::find_if(table.begin(), table.end(), [edge](const auto& row) { return row.edge == edge; });
}

constexpr std::array<std::int32_t, 9> PlateModuleEdges = {200, 300, 400, 500, 600, 700, 800, 1000, 1200};

struct LongestPackageRow {
    std::int32_t moduleEdge;
    int longest;
};

constexpr std::array<LongestPackageRow, 5> LongestPackageTable = {{
    {200, 600},
    {300, 700},
    {400, 800},
    {500, 800},
    {1000, 1000},
}};
constexpr int LongestPackageOtherwise = 900;

}  // namespace

std::uint8_t ModulesPerEdge(std::int32_t edgeLength, double spacing)
{
    const auto row = FindEdge(ModulesTable, edgeLength);
    if (row == ModulesTable.end())
        return 1;
    return std::nearbyint(10 * spacing) <= 55 ? row->narrow : row->wide;
}

double PlateSpacingOf(std::int32_t edgeLength, int index)
{
    double spacing = 0;
    if (index >= 1 && index <= 3) {
        const auto row = FindEdge(SpacingTable, edgeLength);
        if (row != SpacingTable.end())
            spacing = row->spacings[index - 1];
    } else if (index >= 4 && index <= 6 && edgeLength >= SmallestEdgeWithWideSpacings) {
        spacing = WideSpacings[index - 4];
    }
    if (edgeLength > LargestEdgeWithNarrowSpacings && spacing < SmallestSpacingOfLargeFaces)
        spacing = 0;
    return spacing;
}

std::uint8_t SpacingIndexOf(std::int32_t edgeLength, double spacing)
{
    if (spacing == 0)
        return 0;
    for (std::uint8_t index = 1; index <= 6; ++index) {
        if (PlateSpacingOf(edgeLength, index) == spacing)
            return index;
    }
    return 0;
}

bool IsCatalogueEdgeLength(std::int32_t edgeLength)
{
    return FindEdge(ModulesTable, edgeLength) != ModulesTable.end() ||
           FindEdge(SpacingTable, edgeLength) != SpacingTable.end();
}

bool IsPlateModuleEdge(std::int32_t moduleEdge)
{
    return std::find(PlateModuleEdges.begin(), PlateModuleEdges.end(), moduleEdge) != PlateModuleEdges.end();
}

int LongestPackage(std::int32_t moduleEdge)
{
    const auto row = std::find_if(LongestPackageTable.begin(), LongestPackageTable.end(),
                                  [moduleEdge](const LongestPackageRow& r) { return r.moduleEdge == moduleEdge; });
    return row == LongestPackageTable.end() ? LongestPackageOtherwise : row->longest;
}

std::uint8_t PackagesAcrossWidth(std::int32_t packageWidth, std::int32_t moduleEdge)
{
    const double packages = std::ceil(static_cast<double>(packageWidth) / LongestPackage(moduleEdge));
    if (!(packages >= 0 && packages <= 255))
        throw EMathError("the package width does not fit the number of packages");
    return static_cast<std::uint8_t>(packages);
}

double PlatesPerPackage(std::int32_t moduleEdge, double spacing, double packageWidth)
{
    const double frame = moduleEdge < 500 ? 22 : 40;  // mm of the package frame
    return std::nearbyint((packageWidth - frame) / (spacing + 0.2));
}

double FreeCrossSection(int modules, int packages, std::int32_t moduleEdge, double spacing, double plates)
{
    const bool smallModule = moduleEdge == 200 || moduleEdge == 300 || moduleEdge == 400;
    const double frame = smallModule ? 42 : 56;  // mm of the module edge without free flow
    return modules * packages * (moduleEdge - frame) / 1000 * spacing / 1000 * plates / 2;
}
