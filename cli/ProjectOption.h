#pragma once
// Project files in the calculation commands: `--project FILE.wrg` and the
// "Project" key of a batch line put a project's inputs, unit system and
// climate in place of those of the settings file. Currency, separators and
// language stay those of the settings.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CalculationRun.h"
#include "core/climate/ClimateFile.h"
#include "core/project/Project.h"

// What a command calculates before the options of one run are applied.
struct RunBase {
    ProgramSettings settings;  // settings.Inputs and settings.SIUnits are calculated
    // A project's embedded climate; none: the zone of settings.Inputs.
    std::optional<ClimateRecord> climate;
};

// Reads the project file at `path` and puts it into `base`; each warning is
// written to `err` after `prefix`. The message when the file is refused;
// `base` is then unchanged.
[[nodiscard]] std::optional<CoreMessage> ApplyProjectFile(const std::string& path, RunBase& base, std::ostream& err,
                                                          const std::string& prefix);

// Runs base.settings.Inputs on the file `source` names when it names one,
// otherwise on base.climate when there is one, otherwise on the zone.
Outcome<Calculation> RunBaseCalculation(const RunBase& base, ClimateSource source, const SimulationHooks& hooks);
