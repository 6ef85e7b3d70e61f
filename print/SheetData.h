#pragma once
// The snapshot a datasheet is drawn from: the inputs, the results and every
// text exactly as the main window shows them, in the unit system, currency,
// separators and language of the moment. The page procedures read only this
// record, never a window, so the preview, the printer and the command line
// draw the same page.

#include <optional>
#include <string>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/economy/Economy.h"
#include "core/forms/ResultsDisplay.h"
#include "core/text/NumberFormat.h"

// What the snapshot is formatted with.
struct SheetContext {
    bool siUnits = true;
    std::string currency = "EUR";
    NumberSeparators separators;
    int language = 2;             // language number of the texts (1 German, 2 English, …)
    std::string climateZoneText;  // the selected entry of the zone selector as shown
};

// The device description of rows 10 … 13 of every datasheet.
struct DeviceTexts {
    std::string heading;         // row 10, bold: the maker's prefix and the device
    std::string rotorType;       // row 10 at x + 900: the selected rotor type entry
    int diameterRow = 0;         // the row of the rotor diameter; 0 without one
    std::string diameter;        // mm, as typed
    bool profileLabels = false;  // the labels of foil thickness and wave height are shown
    std::string foilThickness;   // mm, two decimals; empty when not shown
    std::string waveHeight;      // mm, two decimals; empty when not shown
    std::string plateSize;       // row 12 at x + 900: "PWT …" or "GS …"
    std::string seriesText;      // row 13 at x + 900: units in series, when more than one
};

// The design and operation data of the energy datasheets, as the main
// window's controls show them in the display units. The summer texts are
// empty without summer operation.
struct DesignTexts {
    std::string supplyVolWinter, extractVolWinter, extractTempWinter, extractHumWinter;
    std::string supplyVolSummer, extractVolSummer, extractTempSummer, extractHumSummer;
    std::string volumeUnit;        // "m³/h" or "cfm"
    std::string temperatureUnit;   // "°C" or "°F"
    std::string operatingTime;     // "Operating time  from 06:00 hour until 22:00 hour"
    std::string operatingDays;     // "at 6 days per week"
    std::string season;            // "Winter operation from October until May"
    std::string maxSupplyTemp;     // empty without supply temperature control
    std::string summerModeText;    // the summer control; empty without summer operation
    std::string summerSwitchTemp;  // with the switch-over mode only
};

// The economic inputs of the cost datasheet as the economy page shows them.
struct EconomyInputTexts {
    std::string priceElectric, priceHeat, priceCold, priceWater;
    std::string energyPriceUnit;  // currency + "/MWh" or "/MBTU"
    std::string waterPriceUnit;   // currency + "/m³" or "/cu ft"
    std::string interestRate;     // two decimals
    std::string lifetime;         // years
};

struct SheetData {
    CalcInputs inputs;  // calculation units
    AnnualResults annual;
    std::optional<EconomyResults> economy;  // absent when the cost page was not calculated
    SheetContext context;

    // The texts the pages show, filled by MakeSheetData with the same
    // formatting functions as the main window's pages; the units carry the
    // year of the sheet's language.
    DeviceTexts device;
    DesignTexts design;
    EnergyResultsView energy;              // without summer operation the summer cells are empty
    std::optional<CostResultsView> costs;  // with the economy only
    EconomyInputTexts economyInputs;

    bool Rotary() const { return inputs.DeviceType == DeviceKind::Rotary; }
    bool HasSummerOperation() const { return inputs.SummerMode != SummerOperation::None; }
};

// Builds the snapshot of a completed calculation.
SheetData MakeSheetData(const CalcInputs& inputs, const AnnualResults& annual,
                        const std::optional<EconomyResults>& economy, const SheetContext& context);

// The device description of `inputs` in a language.
DeviceTexts DeviceTextsOf(const CalcInputs& inputs, int language, const NumberSeparators& separators);
