// wrgcalc calculate: the whole calculation from settings or JSON Lines.

#include "cli/CalculateCommand.h"

#include <istream>
#include <ostream>

#include "cli/CalculationJson.h"
#include "cli/CalculationReport.h"
#include "cli/CalculationRun.h"
#include "cli/JsonLines.h"
#include "cli/ParallelJsonLines.h"

const char* const CalculateCommandHelp =
    R"(Runs the annual simulation and the economy for the inputs of the settings file
(the user's own, or --settings FILE, which must exist; the defaults of a first
start when the user has none yet) and prints the report: the monthly energies, the annual figures and
the costs, in the unit system and currency of the settings. --json prints one
object {"CalcInputs":{...},"AnnualResults":{...},"EconomyResults":{...}} with
lists of 12 for the monthly values and null for a value that does not exist
(no payback, no drive of a plate exchanger). --climate FILE.cli uses a user
climate file instead of the climate zone.

--batch reads JSON Lines on stdin: each line is a CalcInputs object by field
names (missing fields keep the values of the settings), plus "SIUnits"
(true/false) and an optional "ClimateFile" (a path); one JSON line answers each
line, {"error":"..."} when it cannot be calculated. Example:
  {"DeviceType":2,"PlateEdge":1000,"PlateSpacingCode":2,"SeriesCount":2}
--jobs N calculates N lines at once (default: one per processor core); the
answers keep the order of the lines and are the same with any N.
The exit status is 0 when everything was calculated, 1 otherwise.)";

namespace {

int RunSingle(const CalculateOptions& options, const ProgramSettings& settings, std::ostream& out, std::ostream& err)
{
    Outcome<Calculation> result = RunCalculation(settings.Inputs, settings, options.climatePath,
                                                 ProgressBar(err, "Calculating"));
    ClearProgress(err);
    if (!result.ok()) {
        err << "wrgcalc calculate: " << result.message().Text() << '\n';
        return 1;
    }
    const Calculation& c = result.value();
    if (options.json) {
        out << CalculationJson(settings.Inputs, c.annual, c.economy) << '\n';
    } else {
        ReportSettings report{settings.SIUnits,
                              settings.Currency,
                              {settings.DecimalSeparator, settings.ThousandSeparator},
                              c.climateName};
        out << CalculationReport(settings.Inputs, c.annual, c.economy, report);
    }
    return 0;
}

// The answer of one batch line; with barStream, the run shows its progress
// there as line `number`.
std::string AnswerBatchLine(const nlohmann::json& line, const ProgramSettings& defaults, const std::string& climateFile,
                            std::ostream* barStream, int number)
{
    ProgramSettings settings = defaults;
    ReadCalcInputs(line, settings.Inputs, {"SIUnits", "ClimateFile"});
    std::string climatePath = climateFile;
    if (const auto si = line.find("SIUnits"); si != line.end()) {
        if (!si->is_boolean())
            throw InputError("field \"SIUnits\" must be true or false");
        settings.SIUnits = si->get<bool>();
    }
    if (const auto file = line.find("ClimateFile"); file != line.end()) {
        if (!file->is_string())
            throw InputError("field \"ClimateFile\" must be a string");
        climatePath = file->get<std::string>();
    }
    const SimulationHooks hooks = barStream ? ProgressBar(*barStream, "Line " + std::to_string(number))
                                            : SimulationHooks{};
    const Outcome<Calculation> result = RunCalculation(settings.Inputs, settings, climatePath, hooks);
    if (barStream)
        ClearProgress(*barStream);
    if (!result.ok())
        throw InputError(result.message().Text());
    const Calculation& c = result.value();
    return CalculationJson(settings.Inputs, c.annual, c.economy);
}

}  // namespace

int RunCalculate(const CalculateOptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    const Outcome<ProgramSettings> read = ReadSettings(options.settingsPath);
    if (!read.ok()) {
        err << "wrgcalc calculate: " << read.message().Text() << '\n';
        return 1;
    }
    const ProgramSettings& defaults = read.value();
    if (!options.batch)
        return RunSingle(options, defaults, out, err);
    const int jobs = options.jobs > 0 ? options.jobs : DefaultJobCount();
    if (jobs == 1) {
        // One line at a time, each with its own progress bar.
        int number = 0;
        return RunJsonLines(in, out, [&](const nlohmann::json& line) {
            return AnswerBatchLine(line, defaults, options.climatePath, &err, ++number);
        });
    }
    const int status = RunJsonLinesInParallel(
        in, out, jobs,
        [&](const nlohmann::json& line) { return AnswerBatchLine(line, defaults, options.climatePath, nullptr, 0); },
        FinishedLinesCounter(err));
    ClearProgress(err);
    return status;
}
