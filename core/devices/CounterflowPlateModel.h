#pragma once
// Counterflow plate heat exchanger model: an empirical efficiency of the
// channel velocity, a power-law pressure drop with a size factor, the
// catalogue sizes, and for the double units the pressure drop of their
// cross-flow sections.

#include <cstdint>

class TDatenGS;

// Three catalogue lengths A, B and C in mm of a size; for a size not in the
// list the outputs are left unchanged.
void GsDimensions(std::int32_t size, std::int32_t& a, std::int32_t& b, std::int32_t& c);

// Face area and free cross-section of either stream in m², and the pressure
// drop factor, of size `size` with package width W in mm. A size not in the
// catalogue gives areas of 0 and a factor of 1.
struct GsGeometry {
    double faceArea;
    double freeArea;
    double pressureDropFactor;
};
GsGeometry GsGeometryOf(std::int32_t size, std::int32_t packageWidth);

// Runs the model on the object; its faults reach the caller.
void CalcGs(TDatenGS& data);
