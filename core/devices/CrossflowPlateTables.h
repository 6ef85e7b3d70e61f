#pragma once
// Catalogue tables of the cross-flow plate heat exchangers: how a face of a
// given edge length is assembled from square plate modules, which plate
// spacings exist, and how a package width splits into packages.
// Lengths in mm.

#include <array>
#include <cstdint>

// The edge lengths the device page offers, in list order (item 1 first); the
// settings file stores the item number.
inline constexpr std::array<std::int32_t, 21> PlateEdgeList = {
    200,  300,  390,  400,  500,  600,  700,  800,  1000, 1200, 1400,
    1500, 1600, 1800, 2000, 2100, 2400, 2500, 2800, 3000, 3200,
};

// Number n of plate modules along one edge of a face of edge length E (the
// face has n × n modules); for some edges it depends on the plate spacing s.
std::uint8_t ModulesPerEdge(std::int32_t edgeLength, double spacing);

// Plate spacing in mm of index i (1 to 6) for the edge length E; 0 when the
// catalogue has none.
double PlateSpacingOf(std::int32_t edgeLength, int index);

// The first index 1 … 6 whose spacing equals s exactly; 0 when s is 0 or no
// index has it.
std::uint8_t SpacingIndexOf(std::int32_t edgeLength, double spacing);

// True for the edge lengths that the catalogue tables name.
bool IsCatalogueEdgeLength(std::int32_t edgeLength);

// True for the module edges that plates are made in (200 … 1200 mm); only
// these have heat transfer and pressure drop data.
bool IsPlateModuleEdge(std::int32_t moduleEdge);

// Longest package of a module edge e.
int LongestPackage(std::int32_t moduleEdge);

// Number of packages across the package width W: Ceil(W / longest package).
// Raises EMathError when that number does not fit the 0 … 255 of the field.
std::uint8_t PackagesAcrossWidth(std::int32_t packageWidth, std::int32_t moduleEdge);

// Plates in one package of width Wp (a whole number, rounded half to even).
double PlatesPerPackage(std::int32_t moduleEdge, double spacing, double packageWidth);

// Free flow cross-section of one stream in m², for n × n modules of edge e,
// m packages of N plates at spacing s.
double FreeCrossSection(int modules, int packages, std::int32_t moduleEdge, double spacing, double plates);
