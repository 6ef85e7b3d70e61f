// Barometric air pressure and altitude above sea level.

#include "core/thermo/AirPressure.h"

#include <cmath>

// The standard atmosphere of the troposphere, valid up to 11 km. The air
// pressures the program takes (600 … 1100 mbar) lie between about 4200 m and
// −700 m.
double PressureOfAltitude(double z)
{
    return 1013 * std::pow(1 - 6.5 * z / 288000, 5.255);
}

double AltitudeOfPressure(double p)
{
    // 0.19029… is 1/5.255 and 44307.69… is 288000/6.5: the exact inverse.
    return (1 - std::pow(p / 1013, 0.19029495718363462)) * 44307.692307692305;
}
