#pragma once
// One whole calculation from a settings file, as the commands of wrgcalc run
// it: the settings, the climate year of the zone or of a user climate file
// (or the actual year of a weather file), the annual simulation and the
// economy.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/climate/AnnualResults.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/ClimateFile.h"
#include "core/economy/Economy.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Outcome.h"

// The results of one calculation and the name of the climate they come from,
// as the zone selector shows it in the settings' language (for a weather file
// its path and "actual weather year (N hours)").
struct Calculation {
    AnnualResults annual;
    EconomyResults economy;
    std::string climateName;
    std::string weatherFile;  // the weather file whose actual year was run; empty for a climate year
};

// Where the climate of a calculation comes from: the zone of the inputs
// unless a file or a data set of its own is named. At most one of the two
// files may be named.
struct ClimateSource {
    std::string climatePath;  // a user climate file (.cli)
    std::string weatherPath;  // an hourly weather file, run as its actual year
    // A climate data set of its own (a project's embedded climate), used when
    // no file is named.
    std::optional<ClimateRecord> embedded;
};

// The settings of `path`; the user's own settings file when `path` is empty,
// where a missing file gives the defaults of a first start. A file named by
// `path` must be there and be a readable regular file: the message with the
// path otherwise.
Outcome<ProgramSettings> ReadSettings(const std::string& path);

// Runs the year and the economy for `inputs` on the climate of `source`; the
// message of the first step that fails.
Outcome<Calculation> RunCalculation(const CalcInputs& inputs, const ProgramSettings& settings,
                                    const ClimateSource& source, const SimulationHooks& hooks);

// A progress bar on the terminal (nothing when stderr is not a terminal),
// and the line it leaves cleared again.
SimulationHooks ProgressBar(std::ostream& err, const std::string& label);
// The count of the finished lines of a batch, on standard error when it is a
// terminal (empty otherwise).
std::function<void(int)> FinishedLinesCounter(std::ostream& err);
void ClearProgress(std::ostream& err);
