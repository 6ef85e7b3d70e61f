#pragma once
// wrgcalc project new: the last calculation of a settings file as a project
// file.

#include <iosfwd>
#include <string>

// Writes the inputs, unit system and climate of the settings at
// `settingsPath` (the user's own when empty) as the project file `outPath`;
// a zone of a user climate file is embedded from that file. 0 when written,
// 1 when the settings, the climate file or the project file failed.
int RunProjectNew(const std::string& settingsPath, const std::string& outPath, std::ostream& err);

extern const char* const ProjectCommandHelp;
