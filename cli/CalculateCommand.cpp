// wrgcalc calculate: the whole calculation from settings or JSON Lines.

#include "cli/CalculateCommand.h"

#include <istream>
#include <ostream>

#include "cli/CalculationJson.h"
#include "cli/CalculationReport.h"
#include "cli/CalculationRun.h"
#include "cli/JsonLines.h"
#include "cli/ProjectOption.h"

const char* const CalculateCommandHelp =
    R"(Runs the annual simulation and the economy for the inputs of the settings file
(the user's own, or --settings FILE, which must exist; the defaults of a first
start when the user has none yet) and prints the report: the monthly energies, the annual figures and
the costs, in the unit system and currency of the settings. --json prints one
object {"CalcInputs":{...},"AnnualResults":{...},"EconomyResults":{...}} with
lists of 12 for the monthly values and null for a value that does not exist
(no payback, no drive of a plate exchanger). --climate FILE.cli uses a user
climate file instead of the climate zone. --project FILE.wrg calculates a
project file instead: its inputs, unit system and climate (a built-in zone or
the embedded climate data set), with the currency and separators of the
settings; --batch lines then start from the project.

--batch reads JSON Lines on stdin: each line is a CalcInputs object by field
names (missing fields keep the values of the settings), plus "SIUnits"
(true/false) and an optional "ClimateFile" (a path); one JSON line answers each
line, {"error":"..."} when it cannot be calculated. "Project" (a path) takes
the inputs, unit system and climate of a project file before the line's
fields. Example:
  {"DeviceType":2,"PlateEdge":1000,"PlateSpacingCode":2,"SeriesCount":2}
The exit status is 0 when everything was calculated, 1 otherwise.)";

namespace {

// The project of a batch line's "Project" (a path) as the line's base.
void ApplyProjectOfLine(const nlohmann::json& line, RunBase& base, std::ostream& err, int number)
{
    const auto project = line.find("Project");
    if (project == line.end())
        return;
    if (!project->is_string())
        throw InputError("field \"Project\" must be a string");
    const std::string prefix = "wrgcalc calculate: line " + std::to_string(number) + ": ";
    if (const auto refused = ApplyProjectFile(project->get<std::string>(), base, err, prefix))
        throw InputError(refused->Text());
}

int RunSingle(const CalculateOptions& options, const RunBase& base, std::ostream& out, std::ostream& err)
{
    const ProgramSettings& settings = base.settings;
    Outcome<Calculation> result = RunBaseCalculation(base, options.climatePath, ProgressBar(err, "Calculating"));
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

std::string AnswerBatchLine(const nlohmann::json& line, const RunBase& defaults, const std::string& climateFile,
                            std::ostream& err, int number)
{
    RunBase base = defaults;
    ApplyProjectOfLine(line, base, err, number);
    ProgramSettings& settings = base.settings;
    ReadCalcInputs(line, settings.Inputs, {"SIUnits", "ClimateFile", "Project"});
    // A zone named in the line replaces a project's embedded climate.
    if (line.contains("ClimateZone"))
        base.climate.reset();
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
    const Outcome<Calculation> result = RunBaseCalculation(base, climatePath,
                                                           ProgressBar(err, "Line " + std::to_string(number)));
    ClearProgress(err);
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
    RunBase defaults{read.value(), std::nullopt};
    if (!options.projectPath.empty()) {
        if (const auto refused = ApplyProjectFile(options.projectPath, defaults, err, "wrgcalc calculate: ")) {
            err << "wrgcalc calculate: " << refused->Text() << '\n';
            return 1;
        }
    }
    if (!options.batch)
        return RunSingle(options, defaults, out, err);
    int number = 0;
    return RunJsonLines(in, out, [&](const nlohmann::json& line) {
        return AnswerBatchLine(line, defaults, options.climatePath, err, ++number);
    });
}
