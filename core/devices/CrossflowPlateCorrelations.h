#pragma once
// Heat transfer and pressure drop of the plate channels of a cross-flow plate
// heat exchanger. Module edge e and spacing s in mm.

#include <cstdint>

// Mean channel velocity in m/s of the volume flow V (m³/h) through the free
// cross-section A (m²), corrected to the mean temperature of both streams.
double ChannelVelocity(double volFlow, double freeArea, double tOwn, double tOther);

// Nusselt number of a plate channel at the Reynolds number Re, hydraulic
// diameter dh (mm) and Prandtl number Pr.
double PwtNusselt(std::int32_t moduleEdge, double reynolds, double hydraulicDiameter, double prandtl);

// Pressure drop in Pa of one module passage at the channel velocity w (m/s),
// temperature t (°C) and density ρ (kg/m³); 0 for w ≤ 0.
double PwtPressureDrop(std::int32_t moduleEdge, double w, double t, double density, double spacing);
