// One whole calculation from a settings file, as the commands run it.

#include "cli/CalculationRun.h"

#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <system_error>
#include <variant>

#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateZones.h"
#include "core/climate/UserClimate.h"
#include "core/settings/SafeFile.h"

namespace {

// The zone's name as the zone selector shows it.
std::string ClimateZoneName(int zone, const ClimateFileLists& files, int language)
{
    const std::vector<std::string> items = ClimateZoneItems(files, language);
    if (zone < 1 || zone > static_cast<int>(items.size()))
        return "climate zone " + std::to_string(zone);
    return items[zone - 1];
}

}  // namespace

Outcome<ProgramSettings> ReadSettings(const std::string& path)
{
    if (!path.empty()) {
        const FileReadResult read = ReadRegularFile(path, TIniDatei::MaxFileSize);
        std::error_code ec;
        switch (read.status) {
        case FileReadStatus::Read:
            break;
        case FileReadStatus::Missing:
            if (std::filesystem::exists(path, ec))
                return CoreMessage{TextId::None, "The settings file %s is not a regular file", {path}};
            return CoreMessage{TextId::None, "The settings file %s was not found", {path}};
        case FileReadStatus::TooLarge:
            return CoreMessage{TextId::None, "The settings file %s is too large to be a settings file", {path}};
        case FileReadStatus::Failed:
            return CoreMessage{
                TextId::None, "The settings file %s could not be read: %s", {path, ErrnoText(read.error)}};
        }
    }
    TIniDatei file(path.empty() ? DefaultSettingsPath() : std::filesystem::path(path));
    return LoadSettings(file, CurrentSystemDefaults());
}

namespace {

// The calculation of a simulated year: its results and the economy, or the
// message of the first step that failed.
Outcome<Calculation> CompleteCalculation(const CalcInputs& inputs, const ProgramSettings& settings,
                                         const SimulationOutcome& year, std::string climateName)
{
    Calculation c;
    c.climateName = std::move(climateName);
    if (const auto* message = std::get_if<CoreMessage>(&year))
        return *message;
    if (std::holds_alternative<SimulationCancelled>(year))
        return CoreMessage{TextId::None, "The calculation was cancelled.", {}};
    c.annual = std::get<AnnualResults>(year);

    const Outcome<EconomyResults> economy = CalculateEconomy(inputs, c.annual, settings.SIUnits);
    if (!economy.ok())
        return economy.message();
    c.economy = economy.value();
    return c;
}

}  // namespace

Outcome<Calculation> RunCalculation(const CalcInputs& inputs, const ProgramSettings& settings,
                                    const std::string& climatePath, const SimulationHooks& hooks)
{
    if (climatePath.empty()) {
        return CompleteCalculation(inputs, settings, RunAnnualSimulation(inputs, settings.ClimateFiles, hooks),
                                   ClimateZoneName(inputs.ClimateZone, settings.ClimateFiles, settings.Language));
    }
    const Outcome<ClimateRecord> record = ReadClimateFile(climatePath);
    if (!record.ok())
        return record.message();
    return RunCalculationOn(inputs, settings, record.value(), hooks);
}

Outcome<Calculation> RunCalculationOn(const CalcInputs& inputs, const ProgramSettings& settings,
                                      const ClimateRecord& climate, const SimulationHooks& hooks)
{
    return CompleteCalculation(inputs, settings, SimulateYear(inputs, ClimateYearOfRecord(climate), hooks),
                               climate.Name);
}

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
