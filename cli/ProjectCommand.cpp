// wrgcalc project new: a settings file's last calculation as a project file.

#include "cli/ProjectCommand.h"

#include <ostream>

#include "cli/CalculationRun.h"
#include "core/project/ProjectFile.h"

const char* const ProjectCommandHelp =
    R"("new" writes the inputs of the settings file (the user's own, or --settings
FILE, which must exist) as a project file (--out FILE.wrg): every input in
calculation units, the unit system they were entered in and the climate, a
built-in zone by its number or a user climate file's data set embedded, so that
the project calculates the same where that file is missing. Title and note are
empty. "wrgcalc calculate --project FILE.wrg" and "wrgcalc datasheet ...
--project FILE.wrg" calculate it with the same numbers as the settings. An
existing file is replaced only when the new one was written completely.)";

int RunProjectNew(const std::string& settingsPath, const std::string& outPath, std::ostream& err)
{
    const Outcome<ProgramSettings> read = ReadSettings(settingsPath);
    if (!read.ok()) {
        err << "wrgcalc project: " << read.message().Text() << '\n';
        return 1;
    }
    const ProgramSettings& settings = read.value();
    const Outcome<Project> project = ProjectOfZone(settings.Inputs, settings.SIUnits, settings.ClimateFiles);
    if (!project.ok()) {
        err << "wrgcalc project: " << project.message().Text() << '\n';
        return 1;
    }
    if (const std::optional<CoreMessage> failure = WriteProjectFile(outPath, project.value())) {
        err << "wrgcalc project: " << failure->Text() << '\n';
        return 1;
    }
    return 0;
}
