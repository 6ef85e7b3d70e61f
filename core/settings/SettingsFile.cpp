// Loading and saving the settings kept between runs.

#include "core/settings/SettingsFile.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <limits>
#include <system_error>
#include <vector>

#include "core/climate/CalcInputsFields.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/forms/InputChecks.h"
#include "core/settings/Language.h"

namespace {

namespace Section {
const std::string Global = "GLOBAL";
const std::string Selection(SectionName(InputSection::Selection));
const std::string Options = "Options";
const std::string WrgOptions = "WRG_Options";
const std::string ClimateData = "WRG_ClimateData";
}  // namespace Section

constexpr int BuiltInClimateZones = 3;

// ---- The inputs ------------------------------------------------------------

// Calls f(section, key, value, defaultValue) for every field of the input
// table that is kept in the settings file, value a reference to the member
// of `in`.
template <class Inputs, class F>
void ForEachStoredField(Inputs& in, F&& f)
{
    static const CalcInputs defaults;
    for (const CalcInputField& field : CalcInputFields) {
        if (field.storedKey.empty())
            continue;
        const std::string section(SectionName(field.section));
        const std::string key(field.storedKey);
        std::visit([&](auto member) { f(section, key, in.*member, defaults.*member); }, field.member);
    }
}

// Reads every stored field; a missing or unreadable value keeps what `in`
// holds. A whole number too large for a small field takes the field's
// default rather than wrapping round.
void LoadInputs(const TIniDatei& file, CalcInputs& in)
{
    ForEachStoredField(
        in, [&file](const std::string& section, const std::string& key, auto& value, const auto& defaultValue) {
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, double>)
                value = file.ReadFloat(section, key, value);
            else if constexpr (std::is_same_v<Value, int>)
                value = file.ReadInteger(section, key, value);
            else if constexpr (std::is_same_v<Value, bool>)
                value = file.ReadBool(section, key, value);
            else if constexpr (std::is_same_v<Value, std::string>)
                value = file.ReadString(section, key, value);
            else if constexpr (std::is_enum_v<Value>)
                value = static_cast<Value>(file.ReadInteger(section, key, static_cast<int>(value)));
            else {
                const int stored = file.ReadInteger(section, key, value);
                value = stored >= 0 && stored <= std::numeric_limits<Value>::max() ? static_cast<Value>(stored)
                                                                                   : defaultValue;
            }
        });
}

void SaveInputs(TIniDatei& file, const CalcInputs& in)
{
    ForEachStoredField(in, [&file](const std::string& section, const std::string& key, const auto& value, const auto&) {
        using Value = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, double>)
            file.WriteFloat(section, key, value);
        else if constexpr (std::is_same_v<Value, bool>)
            file.WriteBool(section, key, value);
        else if constexpr (std::is_same_v<Value, std::string>)
            file.WriteString(section, key, value);
        else
            file.WriteInteger(section, key, static_cast<int>(value));
    });
}

// ---- Climate file paths as keys -----------------------------------------
//
// The parser ends a key at the first "=", trims blanks at both ends, takes a
// line starting with ";" or "#" for a comment and one starting with "[" for a
// section, and a line break ends the line. Such characters in a path are
// written as "%" and two hex digits ("%" itself as "%25"); every other byte,
// UTF-8 included, is written as it is, so ordinary paths stay readable.
//
// Keys are matched without regard to ASCII case, but file names are not: a
// path that differs from one already written only in case is written with
// every ASCII letter escaped as well, which makes its key distinct.

bool NeedsEscape(const std::string& path, std::size_t i, bool escapeLetters)
{
    const auto c = static_cast<unsigned char>(path[i]);
    if (c == '%' || c == '=' || c < 0x20 || c == 0x7F) {
        return true;
    }
    if (escapeLetters && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
        return true;
    }
    if (i == 0 && (c == ';' || c == '#' || c == '[' || c == ' ')) {
        return true;
    }
    return i + 1 == path.size() && c == ' ';
}

std::string EncodePathKey(const std::string& path, bool escapeLetters)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string key;
    key.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (NeedsEscape(path, i, escapeLetters)) {
            const auto c = static_cast<unsigned char>(path[i]);
            key += '%';
            key += Hex[c >> 4];
            key += Hex[c & 0x0F];
        } else {
            key += path[i];
        }
    }
    return key;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// A "%" not followed by two hex digits stands for itself.
std::string DecodePathKey(const std::string& key)
{
    std::string path;
    path.reserve(key.size());
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 2 < key.size() && HexValue(key[i + 1]) >= 0 && HexValue(key[i + 2]) >= 0) {
            path += static_cast<char>(HexValue(key[i + 1]) * 16 + HexValue(key[i + 2]));
            i += 2;
        } else {
            path += key[i];
        }
    }
    return path;
}

bool ClimateFileExists(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::exists(path, ec) && !ec;
}

// The lists of the file's keys, without the entries that cannot be offered;
// `positions` tells where each key's file went (DropMissingClimateFiles).
ClimateFileLists LoadClimateFiles(const TIniDatei& file, std::vector<int>& positions)
{
    ClimateFileLists lists;
    for (const std::string& key : file.ReadSection(Section::ClimateData)) {
        lists.ClimateFileList.push_back(DecodePathKey(key));
        lists.ClimateNameList.push_back(file.ReadString(Section::ClimateData, key, std::string()));
    }
    positions = DropMissingClimateFiles(lists);
    return lists;
}

// Writes the first six entries whose file exists, each path once. Returns
// for each entry of the lists its position among the written keys, or -1
// when it was not written.
std::vector<int> SaveClimateFiles(TIniDatei& file, const ClimateFileLists& lists)
{
    file.EraseSection(Section::ClimateData);
    std::vector<int> positions(lists.ClimateFileList.size(), -1);
    std::vector<std::string> written;
    const std::size_t count = std::min<std::size_t>(SavedClimateFiles, lists.ClimateFileList.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& path = lists.ClimateFileList[i];
        const auto earlier = std::find(written.begin(), written.end(), path);
        if (earlier != written.end()) {
            positions[i] = static_cast<int>(earlier - written.begin());  // the same path twice
            continue;
        }
        if (!ClimateFileExists(path)) {
            continue;
        }
        std::string key = EncodePathKey(path, false);
        if (file.ValueExists(Section::ClimateData, key)) {
            key = EncodePathKey(path, true);
            if (file.ValueExists(Section::ClimateData, key)) {
                continue;
            }
        }
        const std::string name = i < lists.ClimateNameList.size() ? lists.ClimateNameList[i] : std::string();
        file.WriteString(Section::ClimateData, key, name);
        positions[i] = static_cast<int>(written.size());
        written.push_back(path);
    }
    return positions;
}

// ---- Separators ------------------------------------------------------------

// A separator must be one printable ASCII character that cannot be part of
// a number itself.
bool UsableSeparator(char c)
{
    return c >= ' ' && c <= '~' && !(c >= '0' && c <= '9') && c != '-' && c != '+';
}

// The one-byte stand-in of a locale's separator text, or 0 when it has none.
char SeparatorOfLocaleText(std::string_view text)
{
    if (text.size() == 1 && UsableSeparator(text[0])) {
        return text[0];
    }
    if (text == "\u00A0" || text == "\u202F") {  // (narrow) no-break space
        return ' ';
    }
    if (text == "\u2019") {  // right single quotation mark
        return '\'';
    }
    return 0;
}

}  // namespace

SystemDefaults SystemDefaultsFromLocale(std::string_view decimalPoint, std::string_view thousandsSeparator,
                                        int language)
{
    SystemDefaults defaults;
    defaults.Language = language;
    const char decimal = SeparatorOfLocaleText(decimalPoint);
    defaults.DecimalSeparator = decimal != 0 ? decimal : '.';
    const char thousands = SeparatorOfLocaleText(thousandsSeparator);
    if (thousands != 0 && thousands != defaults.DecimalSeparator) {
        defaults.ThousandSeparator = thousands;
    } else {
        defaults.ThousandSeparator = defaults.DecimalSeparator == ',' ? '.' : ',';
    }
    return defaults;
}

SystemDefaults CurrentSystemDefaults()
{
    std::string decimalPoint;
    std::string thousandsSeparator;
    if (locale_t numeric = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr))) {
        decimalPoint = ::nl_langinfo_l(RADIXCHAR, numeric);
        thousandsSeparator = ::nl_langinfo_l(THOUSEP, numeric);
        ::freelocale(numeric);
    }
    return SystemDefaultsFromLocale(decimalPoint, thousandsSeparator, SystemLanguage());
}

ProgramSettings LoadSettings(TIniDatei& file, const SystemDefaults& system)
{
    ProgramSettings settings;
    const CalcInputs defaults;

    // The language is chosen at start-up before the settings are read, so a
    // language stored in a file of an old version still counts.
    settings.Language = ReadLanguage(file, Section::Global, "Language", system.Language);

    if (file.ReadInteger(Section::Global, "Version", 0) <= LastIncompatibleVersion) {
        file.EraseAll();
    }

    std::vector<int> climateFilePositions;
    settings.ClimateFiles = LoadClimateFiles(file, climateFilePositions);
    settings.ClimateFiles.WeatherFolder = file.ReadString(Section::WrgOptions, "WeatherFolder", std::string());

    CalcInputs& in = settings.Inputs;
    LoadInputs(file, in);
    in.ClimateZone = ZoneOfSameFile(in.ClimateZone, climateFilePositions);

    settings.Currency = file.ReadString(Section::Options, "Currency", settings.Currency);

    settings.SIUnits = file.ReadBool(Section::WrgOptions, "SI", settings.SIUnits);
    settings.DecimalSeparator = file.ReadChar(Section::WrgOptions, "DecimalSeparator", system.DecimalSeparator);
    settings.ThousandSeparator = file.ReadChar(Section::WrgOptions, "ThousandSeparator", system.ThousandSeparator);

    // Values outside their field's limits are put back to what the window
    // would show for them: a number of an edit outside the limits the field
    // check accepts (a negative wheel diameter, a humidity of 150 %) takes
    // its default, and so do an air pressure outside what the options window
    // accepts and a value no list entry stands for. Floats that are not
    // finite already took their defaults when read.
    in = WithinFieldLimits(in);

    // Zones 1..3 are built in, 4..9 the first six remembered files. Zone 0
    // or below takes the default; a zone above the selector's items (a file
    // not offered, or above 9) selects zone 1, as the zone selector does.
    if (in.ClimateZone < 1) {
        in.ClimateZone = defaults.ClimateZone;
    }
    const int offeredFiles = static_cast<int>(
        std::min<std::size_t>(SavedClimateFiles, settings.ClimateFiles.ClimateFileList.size()));
    if (in.ClimateZone > BuiltInClimateZones + offeredFiles) {
        in.ClimateZone = 1;
    }

    in.PlateEdge = PlateEdgeList[static_cast<std::size_t>(in.PlateEdgeItem - 1)];

    // The window keeps both ends of the heating period "-" or both months; a
    // pair of one month and "-" takes the default period.
    if ((in.HeatingMonthFrom == 0) != (in.HeatingMonthTo == 0)) {
        in.HeatingMonthFrom = defaults.HeatingMonthFrom;
        in.HeatingMonthTo = defaults.HeatingMonthTo;
    }

    // A separator that is not one printable character, or could be read as
    // part of a number, takes the system's; so do both when they coincide,
    // since numbers could no longer be read back.
    if (!UsableSeparator(settings.DecimalSeparator)) {
        settings.DecimalSeparator = system.DecimalSeparator;
    }
    if (!UsableSeparator(settings.ThousandSeparator)) {
        settings.ThousandSeparator = system.ThousandSeparator;
    }
    if (settings.DecimalSeparator == settings.ThousandSeparator) {
        settings.DecimalSeparator = system.DecimalSeparator;
        settings.ThousandSeparator = system.ThousandSeparator;
    }
    return settings;
}

std::optional<CoreMessage> SaveSettings(TIniDatei& file, const ProgramSettings& settings)
{
    const CalcInputs& in = settings.Inputs;

    file.WriteInteger(Section::Global, "Version", SettingsVersion);
    file.WriteInteger(Section::Global, "Language", settings.Language);

    SaveInputs(file, in);

    file.WriteString(Section::Options, "Currency", settings.Currency);

    file.WriteBool(Section::WrgOptions, "SI", settings.SIUnits);
    file.WriteChar(Section::WrgOptions, "DecimalSeparator", settings.DecimalSeparator);
    file.WriteChar(Section::WrgOptions, "ThousandSeparator", settings.ThousandSeparator);
    file.WriteString(Section::WrgOptions, "WeatherFolder", settings.ClimateFiles.WeatherFolder);

    // The zone names a file by its position: it follows its file when
    // entries before it were not written.
    const std::vector<int> climateFilePositions = SaveClimateFiles(file, settings.ClimateFiles);
    file.WriteInteger(Section::Selection, "ClimateZone", ZoneOfSameFile(in.ClimateZone, climateFilePositions));
    return file.Save();
}
