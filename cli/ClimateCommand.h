#pragma once
// wrgcalc climate show|write|import: user climate files as JSON, and from weather files.

#include <iosfwd>
#include <string>

// Prints the record of the file as one JSON object.
int ShowClimateFile(const std::string& path, std::ostream& out, std::ostream& err);
// Writes the file from one JSON object on `in` (the form `show` prints).
int WriteClimateFileFromJson(const std::string& path, std::istream& in, std::ostream& err);
// Writes the typical days of the weather file at `weatherPath` as the climate
// file at `path` and prints it as ShowClimateFile does; nothing is written
// when the weather file is refused.
int ImportWeatherFile(const std::string& weatherPath, const std::string& path, std::ostream& out, std::ostream& err);

extern const char* const ClimateCommandHelp;
