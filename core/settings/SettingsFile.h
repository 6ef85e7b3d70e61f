#pragma once
// The program settings kept between runs: the inputs of the last
// calculation, the display options, the language and the remembered user
// climate files. LoadSettings reads them from the settings file once at
// start; SaveSettings writes them back once at the end of a run.

#include <optional>
#include <string>
#include <string_view>

#include "core/climate/CalcInputs.h"
#include "core/climate/ClimateFileLists.h"
#include "core/settings/IniFile.h"
#include "core/text/CoreMessage.h"

// What the system itself prefers where the file says nothing: the number
// separators and the language of the user's locale. Passed in so that
// loading depends on nothing but the file and these values.
struct SystemDefaults {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    int Language = 2;  // English
};

// The separators of the user's numeric locale (LC_ALL, LC_NUMERIC, LANG) and
// the language of SystemLanguage(). The locale is opened on its own with
// newlocale, so neither the process's C locale nor other threads are touched.
// A separator the locale does not give as one ASCII character is mapped as
// follows: a no-break space or narrow no-break space → ' ', a right single
// quotation mark → '\''; anything else (also an empty thousands separator, or
// one equal to the decimal separator) → '.' for the decimal separator and
// ',' for the thousands separator (or '.' when the decimal one is ',').
SystemDefaults CurrentSystemDefaults();

// The same mapping from the texts a locale gives for its decimal point and
// thousands separator.
SystemDefaults SystemDefaultsFromLocale(std::string_view decimalPoint, std::string_view thousandsSeparator,
                                        int language);

struct ProgramSettings {
    CalcInputs Inputs;
    std::string Currency = "EUR";
    bool SIUnits = true;
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    int Language = 2;
    ClimateFileLists ClimateFiles;
};

// The written format: a file with a lower version holds keys of another
// meaning and is emptied before reading.
inline constexpr int SettingsVersion = 201101;
inline constexpr int LastIncompatibleVersion = 200409;

// The remembered climate files written back at most.
inline constexpr int SavedClimateFiles = 6;


// Reads every setting, each value that is missing or unreadable taking its
// default. A file of version 200409 or lower (or without a version) is
// emptied in memory first. Values that would select nothing or break the
// calculation are put back to a usable value; see the rules in the source.
ProgramSettings LoadSettings(TIniDatei& file, const SystemDefaults& system);

// Writes every setting and the remembered climate files (the first six whose
// file exists), then saves the file. Returns the message when saving failed.
[[nodiscard]] std::optional<CoreMessage> SaveSettings(TIniDatei& file, const ProgramSettings& settings);
