#pragma once
// The snapshot a datasheet is drawn from: the inputs, the results and every
// text exactly as the main window shows them, in the unit system, currency,
// separators and language of the moment. The page procedures read only this
// record, never a window, so the preview, the printer and the command line
// draw the same page.

#include <optional>
#include <string>

#include "climate/AnnualResults.h"
#include "climate/CalcInputs.h"
#include "economy/Economy.h"
#include "ui/NumberFormat.h"

// What the snapshot is formatted with.
struct SheetContext {
    bool siUnits = true;
    std::string currency = "EUR";
    NumberSeparators separators;
    int language = 2;               // language number of the texts (1 German, 2 English, …)
    std::string climateZoneText;    // the selected entry of the zone selector as shown
};

struct SheetData {
    CalcInputs inputs;              // calculation units
    AnnualResults annual;
    std::optional<EconomyResults> economy;  // absent when the cost page was not calculated
    SheetContext context;
    // The texts the pages show are filled by MakeSheetData with the same
    // formatting functions as the main window's result pages.
};

// Builds the snapshot of a completed calculation.
SheetData MakeSheetData(const CalcInputs& inputs, const AnnualResults& annual,
                        const std::optional<EconomyResults>& economy, const SheetContext& context);
