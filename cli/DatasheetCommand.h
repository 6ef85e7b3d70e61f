#pragma once
// wrgcalc datasheet: the datasheets of the calculation of a settings file as
// a PDF file, drawn exactly as the program prints them.

#include <iosfwd>
#include <optional>
#include <string>

struct DatasheetOptions {
    std::string sheet = "all";    // energy, diagram, cost or all
    std::string settingsPath;     // empty: the user's settings file
    std::string climatePath;      // a user climate file instead of the zone
    std::string projectPath;      // a project file instead of the settings' inputs
    std::string outPath;          // the PDF file to write
    std::optional<int> language;  // the language of the texts instead of the settings'
};

// The sheets the command knows, in the order "all" writes them.
inline constexpr const char* DatasheetNames[] = {"energy", "diagram", "cost", "all"};

// Calculates and writes the PDF. 0 when it was written, 1 when the
// calculation or the file failed, 2 for an unknown sheet or language.
int RunDatasheet(const DatasheetOptions& options, std::ostream& err);

extern const char* const DatasheetCommandHelp;
