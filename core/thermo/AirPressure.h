#pragma once
// Barometric air pressure and altitude above sea level, inverse to each other
// (standard atmosphere: 1013 mbar and 288 K at sea level, 6.5 K per km).

// Air pressure in mbar at altitude z in m.
double PressureOfAltitude(double z);
// Altitude in m of the air pressure p in mbar.
double AltitudeOfPressure(double p);

// The air pressures the program calculates with, in mbar: what the options
// window accepts and what a stored setting may hold.
inline constexpr double LowestAirPressure = 600;
inline constexpr double HighestAirPressure = 1100;
