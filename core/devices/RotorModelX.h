#pragma once
// Rotary heat exchanger model X, for wheels described by wave height, foil
// thickness and depth without a wave pitch: rotor type 5 and the sorption
// rotor.

#include <cstdint>

class TDatenREG;

// Pressure drop in Pa of one stream at face velocity w (m/s, > 0), for a
// wheel of depth L and wave height hw in mm. The density does not enter.
double RotorPressureDropX(double depth, double waveHeight, double w);

// Moisture ratio of model X for the dew-point position v (0 … 1); 1 for
// rotor type 5.
double RotorMoistureRatioX(std::uint8_t rotorType, double v);

// Correction of the heat transfer coefficient for the speed n in 1/min:
// below 10 it falls, above 10 it rises.
double TransferSpeedFactorX(double n);

// Face velocities, channel velocities and pressure drops of both streams
// without the rest of the model. Faults (a zero flow) reach the caller.
void RotorPressureDropsX(TDatenREG& data);

// Runs model X on the object; needs a speed above 0. Faults reach the caller;
// a wheel or flow that is not positive raises EMathError.
void RotorModelX(TDatenREG& data);
