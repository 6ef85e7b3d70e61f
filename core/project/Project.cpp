// A project made from the window's or the settings' inputs, and compared.

#include "core/project/Project.h"

#include <algorithm>
#include <utility>

#include "core/climate/ClimateZones.h"

Project ProjectOf(const CalcInputs& inputs, bool siUnits, std::optional<ClimateRecord> embeddedClimate)
{
    Project project;
    project.SIUnits = siUnits;
    project.Inputs = inputs;
    if (embeddedClimate)
        project.Inputs.ClimateZone = EmbeddedClimateZone;
    project.EmbeddedClimate = std::move(embeddedClimate);
    return project;
}

Outcome<Project> ProjectOfZone(const CalcInputs& inputs, bool siUnits, const ClimateFileLists& climateFiles)
{
    if (IsBuiltInZone(inputs.ClimateZone))
        return ProjectOf(inputs, siUnits, std::nullopt);
    Outcome<ClimateRecord> record = UserClimateOfZone(climateFiles, inputs.ClimateZone);
    if (!record.ok())
        return record.message();
    return ProjectOf(inputs, siUnits, std::move(record).value());
}

bool SameDesign(const Project& a, const Project& b)
{
    return a.Title == b.Title && a.Note == b.Note && a.SIUnits == b.SIUnits && a.Inputs == b.Inputs &&
           a.EmbeddedClimate == b.EmbeddedClimate;
}

int ListedZoneOfClimate(const ClimateFileLists& climateFiles, const ClimateRecord& climate)
{
    const int listed = static_cast<int>(climateFiles.ClimateFileList.size());
    const int last = std::min(HighestClimateZone, BuiltInZoneCount + listed);
    for (int zone = BuiltInZoneCount + 1; zone <= last; ++zone) {
        Outcome<ClimateRecord> file = UserClimateOfZone(climateFiles, zone);
        if (!file.ok())
            continue;
        // The signature is the file format's, not part of the data set.
        ClimateRecord data = std::move(file).value();
        data.Signature = climate.Signature;
        if (data == climate)
            return zone;
    }
    return 0;
}

std::string ProjectClimateName(const Project& project, int language)
{
    if (project.EmbeddedClimate)
        return project.EmbeddedClimate->Name;
    return BuiltInZoneName(project.Inputs.ClimateZone, language);
}
