#pragma once
// wrgcalc climate show|write: user climate files as JSON.

#include <iosfwd>
#include <string>

// Prints the record of the file as one JSON object.
int ShowClimateFile(const std::string& path, std::ostream& out, std::ostream& err);
// Writes the file from one JSON object on `in` (the form `show` prints).
int WriteClimateFileFromJson(const std::string& path, std::istream& in, std::ostream& err);

extern const char* const ClimateCommandHelp;
