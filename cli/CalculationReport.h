#pragma once
// The readable report of a calculation: the monthly table of the energy page,
// the annual figures and the cost lines, in the unit system and currency of
// the settings.

#include <string>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/economy/Economy.h"
#include "core/text/NumberFormat.h"

struct ReportSettings {
    bool siUnits = true;
    std::string currency = "EUR";
    NumberSeparators separators;
    std::string climateName;  // the zone or the climate file's description
};

std::string CalculationReport(const CalcInputs& inputs, const AnnualResults& annual, const EconomyResults& economy,
                              const ReportSettings& settings);
