#pragma once
// A project: everything that decides the result of one calculation, and
// nothing the program derives from it. The inputs, the unit system they were
// entered in, the climate (a built-in zone by number, or the user climate
// data set itself, so that the project calculates the same on a machine
// without its climate file), a title and a note. Kept in a project file
// (core/project/ProjectFile.h).
//
// How the windows use it:
// - Save: ProjectOf(inputs, siUnits, record) or ProjectOfZone(inputs,
//   siUnits, climateFiles), then Title, Note and the UnknownKeys of the
//   project that was opened, then WriteProjectFile.
// - Open: ReadProjectFile gives the project and its warnings; the inputs
//   go to the controls in the project's unit system (they are stored in
//   calculation units); a project with an EmbeddedClimate has
//   Inputs.ClimateZone == EmbeddedClimateZone and its climate is the record.
// - The "*" of unsaved changes: !SameDesign(saved, current), current built
//   from the window's state as for Save.

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/climate/CalcInputs.h"
#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateFileLists.h"
#include "core/climate/ClimateZones.h"
#include "core/text/Outcome.h"

inline constexpr std::string_view ProjectFormatName = "WRG project";
// The version this program writes; a file of a higher one opens with a warning.
inline constexpr int ProjectFormatVersion = 1;
inline constexpr std::string_view ProjectFileExtension = ".wrg";

// Inputs.ClimateZone of a project whose climate is embedded: the first zone
// of a user climate data set, so that the inputs stay valid for the
// simulation, which runs on the embedded record's year. It does not name a
// file of this machine's list: a window offers the embedded climate as a
// zone of its own, and loading zone 4 instead would calculate another
// climate.
inline constexpr int EmbeddedClimateZone = BuiltInZoneCount + 1;

// Keys of a project file that this version does not know (written by a later
// one), kept to be written back: each an object of the unknown keys at the
// top of the file, in "Inputs" and in "Climate", in the order they were read.
struct ProjectUnknownKeys {
    nlohmann::ordered_json Top = nlohmann::ordered_json::object();
    nlohmann::ordered_json Inputs = nlohmann::ordered_json::object();
    nlohmann::ordered_json Climate = nlohmann::ordered_json::object();
};

struct Project {
    std::string Title;
    std::string Note;
    // The unit system the inputs were entered in (SI or UK/US). The inputs
    // themselves are always in calculation units; the unit system decides
    // how the window shows them and the units of the economy's prices.
    bool SIUnits = true;
    // Every input. ClimateZone is the built-in zone 1 … 3, or
    // EmbeddedClimateZone when EmbeddedClimate holds the climate.
    CalcInputs Inputs;
    std::optional<ClimateRecord> EmbeddedClimate;
    ProjectUnknownKeys UnknownKeys;
};

// A project of the inputs with the climate `embeddedClimate` when given
// (Inputs.ClimateZone then becomes EmbeddedClimateZone), otherwise with the
// built-in zone of inputs.ClimateZone. Title and note are empty.
Project ProjectOf(const CalcInputs& inputs, bool siUnits, std::optional<ClimateRecord> embeddedClimate);

// A project of the inputs as the zone selector has them: a built-in zone
// stays a zone, a zone of a user climate file (4 … 9) embeds the file's
// record, read again from the file. The message of LoadClimateZone's rules
// when the zone has no file or the file cannot be read.
Outcome<Project> ProjectOfZone(const CalcInputs& inputs, bool siUnits, const ClimateFileLists& climateFiles);

// True when both projects give the same calculation and show the same:
// title, note, unit system, every input and the climate. Unknown keys are
// not compared.
bool SameDesign(const Project& a, const Project& b);

// The zone (4 … 9) of the first listed user climate file whose data set
// equals `climate` in its description and its five monthly lists, or 0 when
// none does; a file that cannot be read matches nothing. A window selects
// that zone for a project whose embedded climate is one of its own files.
int ListedZoneOfClimate(const ClimateFileLists& climateFiles, const ClimateRecord& climate);

// The name of the project's climate as the zone selector shows it: the
// embedded data set's name, or the built-in zone's name in `language`.
std::string ProjectClimateName(const Project& project, int language);
