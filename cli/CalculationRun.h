#pragma once
// One whole calculation from a settings file, as the commands of wrgcalc run
// it: the settings, the climate year of the zone or of a user climate file,
// the annual simulation and the economy.

#include <iosfwd>
#include <string>

#include "core/climate/AnnualResults.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/ClimateFile.h"
#include "core/economy/Economy.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Outcome.h"

// The results of one calculation and the name of the climate they come from,
// as the zone selector shows it in the settings' language.
struct Calculation {
    AnnualResults annual;
    EconomyResults economy;
    std::string climateName;
};

// The settings of `path`; the user's own settings file when `path` is empty,
// where a missing file gives the defaults of a first start. A file named by
// `path` must be there and be a readable regular file: the message with the
// path otherwise.
Outcome<ProgramSettings> ReadSettings(const std::string& path);

// Runs the year and the economy for `inputs`, with the climate of
// `climatePath` when it is not empty; the message of the first step that
// fails.
Outcome<Calculation> RunCalculation(const CalcInputs& inputs, const ProgramSettings& settings,
                                    const std::string& climatePath, const SimulationHooks& hooks);

// The same on the climate data set `climate` (a user climate file's record
// or a project's embedded climate), named by its Name.
Outcome<Calculation> RunCalculationOn(const CalcInputs& inputs, const ProgramSettings& settings,
                                      const ClimateRecord& climate, const SimulationHooks& hooks);

// A progress bar on the terminal (nothing when stderr is not a terminal),
// and the line it leaves cleared again.
SimulationHooks ProgressBar(std::ostream& err, const std::string& label);
void ClearProgress(std::ostream& err);
