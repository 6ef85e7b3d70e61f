// wrgcalc calculate: the whole calculation from settings or JSON Lines.

#include "cli/CalculateCommand.h"

#include <istream>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/CalculationJson.h"
#include "cli/CalculationReport.h"
#include "cli/CalculationRun.h"
#include "cli/JsonLines.h"
#include "cli/ParallelJsonLines.h"
#include "cli/ProjectOption.h"

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
--project FILE.wrg calculates a project file: its inputs, unit system and
climate (a built-in zone or the embedded climate data set; --weather runs the
weather file's year instead), with the currency and separators of the
settings; --batch lines then start from the project.

--batch reads JSON Lines on stdin: each line is a CalcInputs object by field
names (missing fields keep the values of the settings), plus "SIUnits"
(true/false) and an optional "ClimateFile" or "WeatherFile" (a path; a line's
own file replaces --climate and --weather); one JSON line answers each line,
{"error":"..."} when it cannot be calculated. "Project" (a path) takes the
inputs, unit system and climate of a project file before the line's fields.
Example:
  {"DeviceType":2,"PlateEdge":1000,"PlateSpacingCode":2,"SeriesCount":2}
--jobs N calculates N lines at once (default: one per processor core); the
answers keep the order of the lines and are the same with any N.
The exit status is 0 when everything was calculated, 1 otherwise.)";

namespace {

// The warnings of a line answered in parallel with others, written to `err`
// in one piece when the line is done (answered or refused), never mixed with
// another line's.
class LineWarnings {
public:
    explicit LineWarnings(std::ostream& err) : err_(err) {}
    LineWarnings(const LineWarnings&) = delete;
    LineWarnings& operator=(const LineWarnings&) = delete;
    ~LineWarnings()
    {
        if (text_.tellp() <= 0)
            return;
        static std::mutex errLock;
        const std::lock_guard<std::mutex> lock(errLock);
        err_ << text_.str();
    }
    std::ostream& Stream() { return text_; }

private:
    std::ostream& err_;
    std::ostringstream text_;
};

// The project of a batch line's "Project" (a path) as the line's base.
void ApplyProjectOfLine(const nlohmann::json& line, RunBase& base, std::ostream& err, int number)
{
    const auto project = line.find("Project");
    if (project == line.end())
        return;
    if (!project->is_string())
        throw InputError("field \"Project\" must be a string");
    const std::string prefix = number > 0 ? "wrgcalc calculate: line " + std::to_string(number) + ": "
                                          : "wrgcalc calculate: ";
    if (const auto refused = ApplyProjectFile(project->get<std::string>(), base, err, prefix))
        throw InputError(refused->Text());
}

int RunSingle(const CalculateOptions& options, const RunBase& base, std::ostream& out, std::ostream& err)
{
    const ProgramSettings& settings = base.settings;
    Outcome<Calculation> result = RunBaseCalculation(base, {options.climatePath, options.weatherPath, {}},
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
        return {*climate, {}, {}};
    if (weather)
        return {{}, *weather, {}};
    return command;
}

// The answer of one batch line; warnings of its project go to `err`. With
// barStream, the run shows its progress there as line `number` (lines
// answered in parallel have neither, and number 0).
std::string AnswerBatchLine(const nlohmann::json& line, const RunBase& defaults, const ClimateSource& source,
                            std::ostream& err, std::ostream* barStream, int number)
{
    RunBase base = defaults;
    ApplyProjectOfLine(line, base, err, number);
    ProgramSettings& settings = base.settings;
    ReadCalcInputs(line, settings.Inputs, {"SIUnits", "ClimateFile", "WeatherFile", "Project"});
    // A zone named in the line replaces a project's embedded climate.
    if (line.contains("ClimateZone"))
        base.climate.reset();
    if (const auto si = line.find("SIUnits"); si != line.end()) {
        if (!si->is_boolean())
            throw InputError("field \"SIUnits\" must be true or false");
        settings.SIUnits = si->get<bool>();
    }
    const SimulationHooks hooks = barStream ? ProgressBar(*barStream, "Line " + std::to_string(number))
                                            : SimulationHooks{};
    const Outcome<Calculation> result = RunBaseCalculation(base, LineSource(line, source), hooks);
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
    RunBase defaults{read.value(), std::nullopt};
    if (!options.projectPath.empty()) {
        if (const auto refused = ApplyProjectFile(options.projectPath, defaults, err, "wrgcalc calculate: ")) {
            err << "wrgcalc calculate: " << refused->Text() << '\n';
            return 1;
        }
    }
    if (!options.batch)
        return RunSingle(options, defaults, out, err);
    const ClimateSource source{options.climatePath, options.weatherPath, {}};
    const int jobs = options.jobs > 0 ? options.jobs : DefaultJobCount();
    if (jobs == 1) {
        // One line at a time, each with its own progress bar.
        int number = 0;
        return RunJsonLines(in, out, [&](const nlohmann::json& line) {
            return AnswerBatchLine(line, defaults, source, err, &err, ++number);
        });
    }
    const int status = RunJsonLinesInParallel(
        in, out, jobs,
        [&](const nlohmann::json& line) {
            LineWarnings warnings(err);
            return AnswerBatchLine(line, defaults, source, warnings.Stream(), nullptr, 0);
        },
        FinishedLinesCounter(err));
    ClearProgress(err);
    return status;
}
