#include "cli/CalculateCommand.h"

#include <unistd.h>

#include <istream>
#include <ostream>
#include <variant>

#include "cli/CalculationJson.h"
#include "cli/CalculationReport.h"
#include "cli/JsonLines.h"
#include "climate/AnnualSimulation.h"
#include "climate/ClimateFile.h"
#include "climate/ClimateZones.h"
#include "climate/UserClimate.h"
#include "economy/Economy.h"
#include "settings/SettingsFile.h"

const char* const CalculateCommandHelp = R"(Runs the annual simulation and the economy for the inputs of the settings file
(the user's own, or --settings FILE; the defaults of a first start when there
is none) and prints the report: the monthly energies, the annual figures and
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
The exit status is 0 when everything was calculated, 1 otherwise.)";

namespace {

// The zone's name as the zone selector shows it.
std::string ClimateZoneName(int zone, const ClimateFileLists& files, int language)
{
    const std::vector<std::string> items = ClimateZoneItems(files, language);
    if (zone < 1 || zone > static_cast<int>(items.size()))
        return "climate zone " + std::to_string(zone);
    return items[zone - 1];
}

// One calculation: where the climate comes from and the results.
struct Calculation {
    AnnualResults annual;
    EconomyResults economy;
    std::string climateName;
};

// Runs the year and the economy; the message of the first step that fails.
Outcome<Calculation> Calculate(const CalcInputs& inputs, const ProgramSettings& settings,
                               const std::string& climatePath, const SimulationHooks& hooks)
{
    Calculation c;
    SimulationOutcome year = SimulationCancelled{};
    if (climatePath.empty()) {
        c.climateName = ClimateZoneName(inputs.ClimateZone, settings.ClimateFiles, settings.Language);
        year = RunAnnualSimulation(inputs, settings.ClimateFiles, hooks);
    } else {
        Outcome<ClimateRecord> record = ReadClimateFile(climatePath);
        if (const auto* message = std::get_if<CoreMessage>(&record))
            return *message;
        const ClimateRecord& climate = std::get<ClimateRecord>(record);
        c.climateName = climate.Name;
        year = SimulateYear(inputs, ClimateYearOfRecord(climate), hooks);
    }
    if (const auto* message = std::get_if<CoreMessage>(&year))
        return *message;
    if (std::holds_alternative<SimulationCancelled>(year))
        return CoreMessage{0, "The calculation was cancelled.", {}};
    c.annual = std::get<AnnualResults>(year);

    Outcome<EconomyResults> economy = CalculateEconomy(inputs, c.annual, settings.SIUnits);
    if (const auto* message = std::get_if<CoreMessage>(&economy))
        return *message;
    c.economy = std::get<EconomyResults>(economy);
    return c;
}

ProgramSettings ReadSettings(const std::string& path)
{
    TIniDatei file(path.empty() ? DefaultSettingsPath() : std::filesystem::path(path));
    return LoadSettings(file, CurrentSystemDefaults());
}

// A progress bar on the terminal, redrawn in place.
SimulationHooks ProgressBar(std::ostream& err, const std::string& label)
{
    SimulationHooks hooks;
    if (!isatty(STDERR_FILENO))
        return hooks;
    hooks.progress = [&err, label](int percent) {
        const int filled = percent * 40 / 100;
        err << '\r' << label << " [" << std::string(filled, '#') << std::string(40 - filled, ' ') << "] " << percent
            << " %" << std::flush;
    };
    return hooks;
}

void ClearProgress(std::ostream& err)
{
    if (isatty(STDERR_FILENO))
        err << '\r' << std::string(60, ' ') << '\r' << std::flush;
}

int RunSingle(const CalculateOptions& options, std::ostream& out, std::ostream& err)
{
    const ProgramSettings settings = ReadSettings(options.settingsPath);
    Outcome<Calculation> result = Calculate(settings.Inputs, settings, options.climatePath, ProgressBar(err, "Calculating"));
    ClearProgress(err);
    if (const auto* message = std::get_if<CoreMessage>(&result)) {
        err << "wrgcalc calculate: " << message->Text() << '\n';
        return 1;
    }
    const Calculation& c = std::get<Calculation>(result);
    if (options.json) {
        out << CalculationJson(settings.Inputs, c.annual, c.economy) << '\n';
    } else {
        ReportSettings report{settings.SIUnits, settings.Currency,
                              {settings.DecimalSeparator, settings.ThousandSeparator}, c.climateName};
        out << CalculationReport(settings.Inputs, c.annual, c.economy, report);
    }
    return 0;
}

std::string AnswerBatchLine(const nlohmann::json& line, const ProgramSettings& defaults, const std::string& climateFile,
                            std::ostream& err, int number)
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
    Outcome<Calculation> result =
        Calculate(settings.Inputs, settings, climatePath, ProgressBar(err, "Line " + std::to_string(number)));
    ClearProgress(err);
    if (const auto* message = std::get_if<CoreMessage>(&result))
        throw InputError(message->Text());
    const Calculation& c = std::get<Calculation>(result);
    return CalculationJson(settings.Inputs, c.annual, c.economy);
}

}  // namespace

int RunCalculate(const CalculateOptions& options, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (!options.batch)
        return RunSingle(options, out, err);
    const ProgramSettings defaults = ReadSettings(options.settingsPath);
    int number = 0;
    return RunJsonLines(in, out, [&](const nlohmann::json& line) {
        return AnswerBatchLine(line, defaults, options.climatePath, err, ++number);
    });
}
