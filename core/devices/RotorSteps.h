#pragma once
// The steps that both rotor models (the rotor model and model X) share.
// Symbols: stream 1 is the colder stream after orientation; T1, T2, x1, x2 are
// the inlet temperatures (°C) and humidity ratios (g/kg).

#include "core/devices/Regenerators.h"
#include "core/devices/StreamOrientation.h"

// Raises EMathError when a dimension of the wheel (diameter, depth, foil
// thickness, wave height) or a flow of an inlet is not positive: the models
// would turn such a wheel into numbers that look valid, such as a negative
// depth into efficiencies above 100 %.
void RequirePositiveRotorInputs(const TDatenREG& data);

// Result of the regenerator heat transfer of a rotor model.
struct RegeneratorEfficiency {
    double tempEff1;  // temperature efficiency of stream 1, %
    double ratio;     // R: stream 1 to stream 2 capacity per revolution
};

// The outlets a rotor model computed, with the water condensed out of stream 2
// in g/kg.
struct RotorOutlets {
    double To1, xo1, To2, xo2, condensate;
};

// Capacity flow of an inlet in W/K.
double CapacityFlow(const AirPort& inlet);

// Caps the temperature efficiency of stream 1 so that its outlet does not
// exceed OutletLimit1, when the limit is on, the streams were not swapped and
// the inlet temperatures differ. A limit below the inlet of stream 1 caps the
// efficiency at 0.
double LimitedTempEff1(const TDatenREG& data, bool swapped, double tempEff1);

// Where the dew point of stream 2 lies between the inlet temperatures: 0 at
// T1, 1 at T2; 0 for equal temperatures.
double DewPointPosition(double x2, double t1, double t2, double p);

// The humidity efficiency allowed by the outlet humidity bound xm1 of stream 1.
double HumidityLimit(double t1, double t2, double x1, double x2, double xm1);

// Sets TempEff1 (after the outlet limit) and TempEff2 from the regenerator
// efficiency; returns the outlets with the outlet temperatures set.
RotorOutlets ApplyTempEfficiency(TDatenREG& data, bool swapped, const RegeneratorEfficiency& efficiency);

// Sets HumEff1 as the moisture ratio r times TempEff1, cut by the flow limit
// and the humidity limit l1, then HumEff2 and the outlet humidity ratios.
void ApplyHumEfficiency(TDatenREG& data, double flowLimit, double humidityLimit, double moistureRatio,
                        RotorOutlets& outlets);

// The stream-2 efficiencies recomputed from its outlet after condensation.
void RecomputeStream2Efficiencies(TDatenREG& data, double t1, double t2, double x1, double x2,
                                  const RotorOutlets& outlets);

// Moisture and heat flows, the completed outlets and the efficiencies
// referred to the smaller dry-air flow.
void FinishRotorResults(TDatenREG& data, const RotorOutlets& outlets);
