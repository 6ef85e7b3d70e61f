#pragma once
// The datasheets of a calculation, each a list of page procedures drawing
// from a SheetData snapshot (the snapshot is copied into the procedures).

#include <vector>

#include "print/PageProcedure.h"
#include "print/SheetData.h"

std::vector<PageProcedure> EnergySheetPages(const SheetData& data);
std::vector<PageProcedure> DiagramSheetPages(const SheetData& data);
std::vector<PageProcedure> CostSheetPages(const SheetData& data);
