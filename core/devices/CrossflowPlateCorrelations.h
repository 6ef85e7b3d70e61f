#pragma once
// Heat transfer and pressure drop of the plate channels of a cross-flow plate
// heat exchanger. Module edge e and spacing s in mm.

#include <cstdint>

// Mean channel velocity in m/s of the volume flow V (m³/h) through the free
// cross-section A (m²), corrected to the mean temperature of both streams.
double ChannelVelocity(double volFlow, double freeArea, double tOwn, double tOther);

// A plate channel as its Nusselt number sees it: the module edge e, the
// hydraulic diameter dh (mm) and the factors of the correlation that depend
// on them alone, worked out once per geometry.
struct PwtChannel {
    std::int32_t moduleEdge;
    double hydraulicDiameter;  // mm
    double ratio;              // dh / e
    double shape;              // 1 + (dh / e)^(2/3)
    double factor;             // of the module size
};
PwtChannel PwtChannelOf(std::int32_t moduleEdge, double hydraulicDiameter);

// The air of a unit as its Nusselt numbers see it, the same for both
// streams: the Prandtl number Pr and Pr^0.4.
struct PwtAir {
    double prandtl;
    double prandtlFactor;
};
PwtAir PwtAirOf(double prandtl);

// Nusselt number of a plate channel at the Reynolds number Re.
double PwtNusselt(const PwtChannel& channel, double reynolds, const PwtAir& air);

// Pressure drop in Pa of one module passage at the channel velocity w (m/s),
// temperature t (°C) and density ρ (kg/m³); 0 for w ≤ 0.
double PwtPressureDrop(std::int32_t moduleEdge, double w, double t, double density, double spacing);
