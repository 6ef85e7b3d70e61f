#pragma once
// The climate data page: the two grids of the climate data window as text.

#include <array>
#include <string>

#include "print/PageProcedure.h"

struct ClimateSheetData {
    std::string description;                           // the data set's description
    std::array<std::string, 4> headings;               // the upper heading row (columns 0 … 3)
    std::array<std::array<std::string, 6>, 14> cells;  // [row][column]: quantity, unit, January … December
    int language = 2;                                  // language number of the texts
};

PageProcedure ClimateDataPage(const ClimateSheetData& data);
