// The moisture efficiency of a transfer between the streams.

#include "core/thermo/MoistureEfficiency.h"

#include <cmath>

#include "core/thermo/MoistAirProperties.h"

double MoistureEffIsenthalpic(double t1, double x1, double t2, double x2, double xOut, double p)
{
    const double relHum1 = RelHumOf(t1, x1, p);
    const double tRef = IsenthalpicTemp(t2, x2, p, relHum1);
    const double xRef = HumRatioOf(tRef, relHum1, p);
    if (std::fabs(xRef - x2) > 0)
        return (x2 - xOut) / (x2 - xRef) * 100;
    return 0;
}
