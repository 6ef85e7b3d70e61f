// Project files in the calculation commands.

#include "cli/ProjectOption.h"

#include <ostream>

#include "core/project/ProjectFile.h"

std::optional<CoreMessage> ApplyProjectFile(const std::string& path, RunBase& base, std::ostream& err,
                                            const std::string& prefix)
{
    Outcome<ProjectRead> read = ReadProjectFile(path);
    if (!read.ok())
        return read.message();
    for (const CoreMessage& warning : read.value().warnings)
        err << prefix << "warning: " << warning.Text() << '\n';
    Project& project = read.value().project;
    base.settings.Inputs = project.Inputs;
    base.settings.SIUnits = project.SIUnits;
    base.climate = std::move(project.EmbeddedClimate);
    return std::nullopt;
}

Outcome<Calculation> RunBaseCalculation(const RunBase& base, ClimateSource source, const SimulationHooks& hooks)
{
    if (source.climatePath.empty() && source.weatherPath.empty())
        source.embedded = base.climate;
    return RunCalculation(base.settings.Inputs, base.settings, source, hooks);
}
