#pragma once
// A project as the JSON document of its file, in both directions. The file's
// bytes, its size limit and the JSON syntax are ProjectFile's; here the
// document's fields are read one by one, each refusal naming its field.

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/project/Project.h"
#include "core/text/Outcome.h"

// The keys of the top of a project file, in the order they are written.
namespace ProjectKey {
inline constexpr std::string_view Format = "Format";
inline constexpr std::string_view Version = "Version";
inline constexpr std::string_view Title = "Title";
inline constexpr std::string_view Note = "Note";
inline constexpr std::string_view UnitSystem = "UnitSystem";
inline constexpr std::string_view Climate = "Climate";
inline constexpr std::string_view Inputs = "Inputs";
// In "Climate": a built-in zone; an embedded data set has "Name" and the
// monthly lists instead (VisitMonthlyLists).
inline constexpr std::string_view Zone = "Zone";
inline constexpr std::string_view ClimateName = "Name";
}  // namespace ProjectKey

// The values of "UnitSystem".
inline constexpr std::string_view SIUnitSystem = "SI";
inline constexpr std::string_view UKUSUnitSystem = "UK/US";

// A project read, and what the user should know about it: fields that were
// missing and took their first-start values, a file of a later version.
struct ProjectRead {
    Project project;
    std::vector<CoreMessage> warnings;
};

// The project of a parsed document. `fileName` is named at the start of
// every message. A refusal names the field ("Inputs.WheelDiameter",
// "Climate.MinTemp") and what it must be: not a project ("Format"), the
// wrong type, a value outside the field's limits (those of the input field
// table, as the window checks them) or an embedded climate the climate
// editor would refuse.
Outcome<ProjectRead> ProjectOfJson(const nlohmann::ordered_json& document, const std::string& fileName);

// The document of a project: the known keys in their order, each followed by
// the unknown keys of its level.
nlohmann::ordered_json JsonOfProject(const Project& project);
