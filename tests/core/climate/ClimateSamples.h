#pragma once
// A usable user climate data set for the tests: a mild continental site
// with its minimum at 06:30 and its maximum at 15:00 in every month.

#include "core/climate/ClimateFile.h"

inline ClimateRecord SampleClimateRecord()
{
    ClimateRecord r;
    r.Name = "Hof, Oberfranken";
    for (std::size_t m = 0; m < 12; ++m) {
        r.HumRatio[m] = 2.5 + 0.6 * static_cast<double>(m);
        r.MinTemp[m] = -4.25 + static_cast<double>(m);
        r.MinTime[m] = 6.5;
        r.MaxTemp[m] = 3.1 + 1.5 * static_cast<double>(m);
        r.MaxTime[m] = 15;
    }
    return r;
}
