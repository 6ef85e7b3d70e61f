#pragma once
// Performance model of the aluminium rotary heat exchangers: a wheel wound
// from a flat and a corrugated foil turns between the two streams, stores heat
// from the warm one and, by rotor type, also moisture.

#include <cstdint>

class TDatenRWT;

// Rotor type codes of the device page and the internal rotor types.
// Codes 1→0, 2→1, 3→3, 4→2, 5→4, 6→6, 10→5; any other code → 0.
std::uint8_t RotorTypeOfCode(int code);
// The inverse; any other type → code 1.
int CodeOfRotorType(std::uint8_t rotorType);

// Width of one corrugation in mm for a wave height in mm.
double WavePitchOfHeight(double waveHeight);

// Moisture ratio (humidity efficiency per temperature efficiency) of the
// rotor types 0, 1, 3 and 4 at the colder inlet temperature t (°C) and the
// dew-point position v (0 … 1); 0 for the other types.
double RotorMoistureRatio(std::uint8_t rotorType, double t, double v);
// Moisture ratios of the rotor types 2 and 6 at the larger face velocity w
// (m/s), the speed n (1/min) and the dew point d (K) of the more humid stream
// above the coldest temperature in the wheel.
double MoistureRatioS2(double w, double n, double d);
double MoistureRatioS6(double w, double n, double d);
// A smooth step from a (small d) to b (large d) over [lo, hi] that is half
// way at d = c. Handles its own faults: 0 on a fault.
double SCurve(double a, double b, double c, double hi, double lo, double d);

// Factor on the pressure drops of the B16 profile (foil 0.10 mm, wave
// 1.6 mm) at the channel velocity w in m/s: 1.05 … 1.1.
double B16PressureDropFactor(double w);
// Corrections of the heat transfer coefficient and of the moisture ratio
// (rotor types 0, 1, 3, 4) for speeds n above 10 1/min.
double TransferSpeedFactor(double n);
double MoistureSpeedFactor(double n);

// Runs the rotor model on the object; its faults reach the caller. A wheel
// or flow that is not positive raises EMathError.
void RotorModel(TDatenRWT& data);
