// wrgcalc calculate: the whole calculation from settings or JSON Lines.

#include "cli/CalculateCommand.h"

#include <istream>
#include <optional>
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
climate file instead of the climate zone. --weather WEATHERFILE runs the
actual year of an hourly weather file (EnergyPlus weather file or German test
reference year) instead: every day of the file with its own hourly
temperatures and humidities; the JSON then names the file in "WeatherFile".

--batch reads JSON Lines on stdin: each line is a CalcInputs object by field
names (missing fields keep the values of the settings), plus "SIUnits"
(true/false) and an optional "ClimateFile" or "WeatherFile" (a path; a line's
own file replaces --climate and --weather); one JSON line answers each line,
{"error":"..."} when it cannot be calculated. Example:
  {"DeviceType":2,"PlateEdge":1000,"PlateSpacingCode":2,"SeriesCount":2}
--jobs N calculates N lines at once (default: one per processor core); the
answers keep the order of the lines and are the same with any N.
The exit status is 0 when everything was calculated, 1 otherwise.)";

namespace {

int RunSingle(const CalculateOptions& options, const ProgramSettings& settings, std::ostream& out, std::ostream& err)
{
    Outcome<Calculation> result = RunCalculation(settings.Inputs, settings, {options.climatePath, options.weatherPath},
                                                 ProgressBar(err, "Calculating"));
    ClearProgress(err);
    if (!result.ok()) {
        err << "wrgcalc calculate: " << result.message().Text() << '\n';
        return 1;
    }
    const Calculation& c = result.value();
    if (options.json) {
        out << CalculationJson(settings.Inputs, c.annual, c.economy, c.weatherFile) << '\n';
    } else {
        ReportSettings report{settings.SIUnits,
                              settings.Currency,
                              {settings.DecimalSeparator, settings.ThousandSeparator},
                              c.climateName};
        out << CalculationReport(settings.Inputs, c.annual, c.economy, report);
    }
    return 0;
}

// The path of the string field `name` of a line; nothing when it is absent.
std::optional<std::string> PathField(const nlohmann::json& line, const char* name)
{
    const auto file = line.find(name);
    if (file == line.end())
        return std::nullopt;
    if (!file->is_string())
        throw InputError(std::string("field \"") + name + "\" must be a string");
    return file->get<std::string>();
}

// The climate of a line: its own file if it names one, else the command's.
ClimateSource LineSource(const nlohmann::json& line, const ClimateSource& command)
{
    const std::optional<std::string> climate = PathField(line, "ClimateFile");
    const std::optional<std::string> weather = PathField(line, "WeatherFile");
    if (climate && weather)
        throw InputError("a line names either \"ClimateFile\" or \"WeatherFile\", not both");
    if (climate)
        return {*climate, {}};
    if (weather)
        return {{}, *weather};
    return command;
}

// The answer of one batch line; with barStream, the run shows its progress
// there as line `number`.
std::string AnswerBatchLine(const nlohmann::json& line, const ProgramSettings& defaults, const ClimateSource& source,
                            std::ostream* barStream, int number)
{
    ProgramSettings settings = defaults;
    ReadCalcInputs(line, settings.Inputs, {"SIUnits", "ClimateFile", "WeatherFile"});
    if (const auto si = line.find("SIUnits"); si != line.end()) {
        if (!si->is_boolean())
            throw InputError("field \"SIUnits\" must be true or false");
        settings.SIUnits = si->get<bool>();
    }
    const SimulationHooks hooks = barStream ? ProgressBar(*barStream, "Line " + std::to_string(number))
                                            : SimulationHooks{};
    const Outcome<Calculation> result = RunCalculation(settings.Inputs, settings, LineSource(line, source), hooks);
    if (barStream)
        ClearProgress(*barStream);
    if (!result.ok())
        throw InputError(result.message().Text());
    const Calculation& c = result.value();
    return CalculationJson(settings.Inputs, c.annual, c.economy, c.weatherFile);
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
    const ClimateSource source{options.climatePath, options.weatherPath};
    const int jobs = options.jobs > 0 ? options.jobs : DefaultJobCount();
    if (jobs == 1) {
        // One line at a time, each with its own progress bar.
        int number = 0;
        return RunJsonLines(in, out, [&](const nlohmann::json& line) {
            return AnswerBatchLine(line, defaults, source, &err, ++number);
        });
    }
    const int status = RunJsonLinesInParallel(
        in, out, jobs, [&](const nlohmann::json& line) { return AnswerBatchLine(line, defaults, source, nullptr, 0); },
        FinishedLinesCounter(err));
    ClearProgress(err);
    return status;
}
