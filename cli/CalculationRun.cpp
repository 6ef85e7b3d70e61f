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
#include "core/climate/WeatherYear.h"
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

// The year of a climate data set, named by its Name.
SimulationOutcome SimulateRecord(const CalcInputs& inputs, const ClimateRecord& climate, const SimulationHooks& hooks,
                                 Calculation& c)
{
    c.climateName = climate.Name;
    return SimulateYear(inputs, ClimateYearOfRecord(climate), hooks);
}

// The year of the source: the zone, the user climate file, the embedded
// climate or the weather file's actual year; `c` gets the name of the climate.
SimulationOutcome SimulateSource(const CalcInputs& inputs, const ProgramSettings& settings, const ClimateSource& source,
                                 const SimulationHooks& hooks, Calculation& c)
{
    if (!source.weatherPath.empty()) {
        const Outcome<WeatherYear> weather = ReadWeatherYear(source.weatherPath);
        if (!weather.ok())
            return weather.message();
        c.weatherFile = source.weatherPath;
        c.climateName = ShownTextIn(settings.Language,
                                    CoreMessage{TextId::ActualWeatherYear,
                                                "%s, actual weather year (%s hours)",
                                                {source.weatherPath, std::to_string(weather.value().Hours())}});
        return SimulateYear(inputs, weather.value(), hooks);
    }
    if (!source.climatePath.empty()) {
        const Outcome<ClimateRecord> record = ReadClimateFile(source.climatePath);
        if (!record.ok())
            return record.message();
        return SimulateRecord(inputs, record.value(), hooks, c);
    }
    if (source.embedded)
        return SimulateRecord(inputs, *source.embedded, hooks, c);
    c.climateName = ClimateZoneName(inputs.ClimateZone, settings.ClimateFiles, settings.Language);
    return RunAnnualSimulation(inputs, settings.ClimateFiles, hooks);
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

Outcome<Calculation> RunCalculation(const CalcInputs& inputs, const ProgramSettings& settings,
                                    const ClimateSource& source, const SimulationHooks& hooks)
{
    Calculation c;
    const SimulationOutcome year = SimulateSource(inputs, settings, source, hooks, c);
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

std::function<void(int)> FinishedLinesCounter(std::ostream& err)
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [&err](int finished) { err << "\rLines calculated: " << finished << std::flush; };
}

void ClearProgress(std::ostream& err)
{
    if (isatty(STDERR_FILENO))
        err << '\r' << std::string(60, ' ') << '\r' << std::flush;
}
