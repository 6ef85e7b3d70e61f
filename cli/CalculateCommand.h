#pragma once
// wrgcalc calculate: the whole calculation, inputs to payback time, from the
// settings file or from JSON Lines.

#include <iosfwd>
#include <string>

struct CalculateOptions {
    std::string settingsPath;  // empty: the user's settings file
    std::string climatePath;   // a user climate file instead of the zone
    std::string weatherPath;   // a weather file's actual year instead of the zone
    std::string projectPath;   // a project file instead of the settings' inputs
    bool json = false;         // one JSON object instead of the report
    bool batch = false;        // JSON Lines of inputs on stdin
    int jobs = 0;              // lines of a batch calculated at once; 0: one per core
};

int RunCalculate(const CalculateOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

extern const char* const CalculateCommandHelp;
