// The settings file: value formats, damaged files, atomic saving, the keys
// with their defaults and rules, and the language; replacing a file safely:
// what stands at the target path, links to it, and temporary files left
// behind by a write that was killed. Each test has its own folder.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <clocale>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings/IniFile.h"
#include "core/settings/Language.h"
#include "core/settings/SafeFile.h"
#include "core/settings/SettingsFile.h"

namespace fs = std::filesystem;

namespace {

const SystemDefaults GermanSystem{',', '.', LanguageNumber::German};

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "wrg-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        ini_ = folder_ / "Quorvane.ini";
    }
    void TearDown() override { fs::remove_all(folder_); }

    void WriteText(const std::string& text, const fs::path& path) const
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    void WriteText(const std::string& text) const { WriteText(text, ini_); }
    std::string ReadText() const { return ReadText(ini_); }
    static std::string ReadText(const fs::path& path)
    {
        std::stringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    ProgramSettings Load() const
    {
        TIniDatei file(ini_);
        return LoadSettings(file, GermanSystem);
    }
    void Save(const ProgramSettings& settings) const
    {
        TIniDatei file(ini_);
        ASSERT_FALSE(SaveSettings(file, settings));
    }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // An existing file standing in for a user climate file.
    std::string ClimateFile(const std::string& name) const
    {
        WriteText("climate", folder_ / name);
        return (folder_ / name).string();
    }

    fs::path folder_;
    fs::path ini_;
};

using IniFile = TempFolder;
using Settings = TempFolder;
using LanguageFile = TempFolder;
using SafeFile = TempFolder;

TEST_F(IniFile, FloatsHaveTenDecimalsAndAPointWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            break;
    }
    {
        TIniDatei file(ini_);
        file.WriteFloat("S", "pbar", 1013);
        file.WriteFloat("S", "neg", -0.25);
        file.WriteFloat("S", "days", 5.5);
        ASSERT_FALSE(file.Save());
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(ReadText(), "[S]\npbar=1013.0000000000\nneg=-0.2500000000\ndays=5.5000000000\n");
    EXPECT_EQ(TIniDatei(ini_).ReadFloat("S", "days", 0), 5.5);
}

TEST_F(IniFile, UnreadableValuesGiveTheDefault)
{
    // Value, then float and integer read with default -1.
    const struct {
        const char* text;
        double asFloat;
        int asInt;
    } rows[] = {
        {"abc", -1, -1},  {"1,5", -1, -1},  {"nan", -1, -1}, {"1e999", -1, -1}, {"", -1, -1},
        {"0x10", -1, -1}, {"1.5", 1.5, -1}, {"+7", 7, 7},    {"-12", -12, -12}, {"99999999999", 99999999999.0, -1},
    };
    std::string text = "[V]\n";
    for (std::size_t i = 0; i < std::size(rows); ++i)
        text += "k" + std::to_string(i) + "=" + rows[i].text + "\n";
    WriteText(text);
    TIniDatei file(ini_);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        EXPECT_EQ(file.ReadFloat("V", "k" + std::to_string(i), -1), rows[i].asFloat);
        EXPECT_EQ(file.ReadInteger("V", "k" + std::to_string(i), -1), rows[i].asInt);
    }
}

TEST_F(IniFile, DamagedFilesLoadWithoutCrashOrHang)
{
    std::mt19937 random(20110101);
    std::string bytes(200000, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    const std::string version = "[GLOBAL]\nVersion=201101\n";
    const std::pair<std::string, std::string> rows[] = {
        {bytes, "C19"},
        {version + "[WRG_Device]\nDiameter=7\n" + bytes, "C19"},
        {version + "[WRG_Device]\nRotorprofile=" + std::string(10 << 20, 'x'), "C19"},
        {version + "[WRG_Device\n=5\n[\n]\n[WRG_Device]\nRotorprofile=B16\n", "B16"},
    };
    for (const auto& [text, profile] : rows) {
        WriteText(text);
        EXPECT_EQ(Load().Inputs.StorageMassCode, profile);
    }
    // Not a regular file, or larger than any settings file: read as empty.
    fs::remove(ini_);
    ASSERT_EQ(::mkfifo(ini_.c_str(), 0600), 0);
    EXPECT_FALSE(TIniDatei(ini_).ValueExists("A", "b"));
    fs::remove(ini_);
    WriteText("[A]\nb=1\n" + std::string(TIniDatei::MaxFileSize, ';'));
    EXPECT_FALSE(TIniDatei(ini_).ValueExists("A", "b"));
}

TEST_F(IniFile, SaveIsAtomicCreatesTheFolderAndReportsFailure)
{
    const fs::path nested = folder_ / "a" / "b" / "Quorvane.ini";
    TIniDatei file(nested);
    file.WriteString("S", "k", "first");
    ASSERT_FALSE(file.Save());
    file.WriteString("S", "k", "second");
    ASSERT_FALSE(file.Save());
    EXPECT_EQ(TIniDatei(nested).ReadString("S", "k", ""), "second");
    std::vector<fs::path> entries(fs::directory_iterator(nested.parent_path()), fs::directory_iterator());
    EXPECT_EQ(entries, std::vector<fs::path>{nested}) << "a temporary file was left behind";

    WriteText("not a folder", folder_ / "blocker");
    TIniDatei blocked(folder_ / "blocker" / "Quorvane.ini");
    blocked.WriteInteger("S", "k", 1);
    const auto failure = blocked.Save();
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->Text().find((folder_ / "blocker" / "Quorvane.ini").string()), std::string::npos);
}

// The first-start values, written out here so that a changed default shows.
ProgramSettings FirstStart(int language)
{
    ProgramSettings s;
    CalcInputs& in = s.Inputs;
    in.AirPressure = 1013;
    in.SupplyVolWinter = in.ExtractVolWinter = in.SupplyVolSummer = in.ExtractVolSummer = 10000;
    in.ExtractTempWinter = in.ExtractTempSummer = in.MaxSupplyTemp = in.SummerSwitchTemp = 22;
    in.ExtractHumWinter = in.ExtractHumSummer = 40;
    in.ClimateZone = in.RotorTypeCode = in.PlateSpacingCode = 2;
    in.DeviceType = DeviceKind::Rotary;
    in.SeriesCount = 1;
    in.SummerMode = SummerOperation::TemperatureComparison;
    in.MaintenanceMode = in.ServiceMode = 1;
    in.WheelDiameter = 1920;
    in.DrivePower = 180;
    in.PlateEdgeItem = 9;
    in.PlateEdge = 1000;
    in.PlateWidth = 1200;
    in.GSSize = 30;
    in.GSWidth = 300;
    in.OperatingFrom = 6;
    in.OperatingTo = 22;
    in.DaysPerWeek = 6;
    in.HeatingMonthFrom = 10;
    in.HeatingMonthTo = 5;
    in.SupplyTempControl = true;
    in.Investment = 10000;
    in.Lifetime = 15;
    in.InterestRate = 8;
    in.PriceElectric = 60;
    in.PriceHeat = 35;
    in.PriceCold = 20;
    in.PriceWater = 4;
    in.Maintenance = in.Service = 3;
    in.StorageMassCode = "C19";
    s.Currency = "EUR";
    s.SIUnits = true;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = '.';
    s.Language = language;
    return s;
}

// Every value differs from its default.
ProgramSettings ChangedSettings()
{
    ProgramSettings s;
    CalcInputs& in = s.Inputs;
    in.AirPressure = 950.25;
    in.SupplyVolWinter = 1234.5;
    in.ExtractVolWinter = 2345.5;
    in.ExtractTempWinter = 19.5;
    in.ExtractHumWinter = 35.25;
    in.SupplyVolSummer = 3456;
    in.ExtractVolSummer = 4567;
    in.ExtractTempSummer = 26;
    in.ExtractHumSummer = 55;
    in.ClimateZone = 4;
    in.DeviceType = DeviceKind::CounterflowPlate;
    in.RotorTypeCode = 10;
    in.WheelDiameter = 2500;
    in.StorageMassCode = "D17";
    in.DrivePower = 370;
    in.PlateEdgeItem = 12;
    in.PlateEdge = 1500;
    in.PlateWidth = 800;
    in.PlateSpacingCode = 5;
    in.SeriesCount = 3;
    in.GSSize = 110;
    in.GSWidth = 450;
    in.OperatingFrom = 0;
    in.OperatingTo = 24;
    in.DaysPerWeek = 5.5;
    in.HeatingMonthFrom = 12;
    in.HeatingMonthTo = 1;
    in.SummerMode = SummerOperation::None;
    in.SupplyTempControl = false;
    in.MaxSupplyTemp = 18.75;
    in.SummerSwitchTemp = 3.5;
    in.Investment = 123456.78;
    in.Lifetime = 20;
    in.InterestRate = 4.5;
    in.PriceElectric = 150;
    in.PriceHeat = 80;
    in.PriceCold = 45;
    in.PriceWater = 2.5;
    in.Maintenance = 250;
    in.MaintenanceMode = 2;
    in.Service = 125;
    in.ServiceMode = 2;
    s.Currency = " zł ";
    s.SIUnits = false;
    s.DecimalSeparator = '.';
    s.ThousandSeparator = ' ';
    s.Language = LanguageNumber::Russian;
    return s;
}

// Every setting, for comparing two of them as a whole.
auto Fields(const ProgramSettings& s)
{
    const CalcInputs& i = s.Inputs;
    return std::tie(i.AirPressure, i.SupplyVolWinter, i.ExtractVolWinter, i.ExtractTempWinter, i.ExtractHumWinter,
                    i.SupplyVolSummer, i.ExtractVolSummer, i.ExtractTempSummer, i.ExtractHumSummer, i.ClimateZone,
                    i.DeviceType, i.RotorTypeCode, i.WheelDiameter, i.StorageMassCode, i.DrivePower, i.PlateEdgeItem,
                    i.PlateEdge, i.PlateWidth, i.PlateSpacingCode, i.SeriesCount, i.GSSize, i.GSWidth, i.OperatingFrom,
                    i.OperatingTo, i.DaysPerWeek, i.HeatingMonthFrom, i.HeatingMonthTo, i.SummerMode,
                    i.SupplyTempControl, i.MaxSupplyTemp, i.SummerSwitchTemp, i.Investment, i.Lifetime, i.InterestRate,
                    i.PriceElectric, i.PriceHeat, i.PriceCold, i.PriceWater, i.Maintenance, i.MaintenanceMode,
                    i.Service, i.ServiceMode, s.Currency, s.SIUnits, s.DecimalSeparator, s.ThousandSeparator,
                    s.Language, s.ClimateFiles.ClimateFileList, s.ClimateFiles.ClimateNameList,
                    s.ClimateFiles.WeatherFolder);
}

TEST_F(Settings, EveryKeyAndAwkwardClimatePathsSurviveARoundTrip)
{
    ProgramSettings saved = ChangedSettings();
    saved.ClimateFiles.ClimateFileList = {ClimateFile("a=b;c#d.cli"), ClimateFile("100%25 Köln Süd "),
                                          ClimateFile("Case.cli"), ClimateFile("case.cli")};
    saved.ClimateFiles.ClimateNameList = {"With = and ;", " padded ", "Upper", "\"quoted\""};
    saved.ClimateFiles.WeatherFolder = ClimateFile(" Wetter; a=b #1 ");
    Save(saved);
    EXPECT_NE(ReadText().find("SVol11W=1234.5000000000\n"), std::string::npos);
    EXPECT_NE(ReadText().find("Version=201101\n"), std::string::npos);
    const ProgramSettings loaded = Load();
    EXPECT_EQ(Fields(loaded), Fields(saved));
}

// Without a file, or with one of an old or no version, every value takes its
// first-start default; the language is read before the version is looked at.
// Reading never creates the file.
TEST_F(Settings, FirstStartAndOldOrMissingVersionGiveTheDefaults)
{
    using namespace LanguageNumber;
    ProgramSettings changed = ChangedSettings();
    changed.ClimateFiles = {{ClimateFile("one.cli")}, {"One"}};
    const struct {
        bool written;
        const char* version;
        int language;
    } rows[] = {
        {false, nullptr, German}, {true, "200409", French}, {true, nullptr, French}};  // version nullptr: no key
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version != nullptr ? row.version : row.written ? "(no version key)" : "(no file)");
        if (row.written) {
            TIniDatei file(ini_);
            ASSERT_FALSE(SaveSettings(file, changed));
            row.version != nullptr ? file.WriteString("GLOBAL", "Version", row.version) : file.EraseSection("GLOBAL");
            file.WriteInteger("Global", "Language", French);
            ASSERT_FALSE(file.Save());
        }
        TIniDatei file(ini_);
        EXPECT_EQ(Fields(LoadSettings(file, GermanSystem)), Fields(FirstStart(row.language)));
        EXPECT_EQ(fs::exists(ini_), row.written);
    }
    TIniDatei file(ini_);
    file.WriteInteger("GLOBAL", "Version", 200410);
    EXPECT_EQ(LoadSettings(file, GermanSystem).Inputs.WheelDiameter, 2500);
}

TEST_F(Settings, KeepsTheFirstSixExistingClimateFiles)
{
    ProgramSettings settings;
    for (int i = 1; i <= 7; ++i) {
        settings.ClimateFiles.ClimateFileList.push_back(ClimateFile("c" + std::to_string(i) + ".cli"));
        settings.ClimateFiles.ClimateNameList.push_back("Name " + std::to_string(i));
    }
    const auto& all = settings.ClimateFiles.ClimateFileList;
    TIniDatei file(ini_);
    ASSERT_FALSE(SaveSettings(file, settings));
    EXPECT_EQ(file.ReadSection("WRG_ClimateData").size(), 6u);
    EXPECT_FALSE(file.ValueExists("WRG_ClimateData", all[6]));
    // A file gone before loading drops out; the order of the rest stays.
    fs::remove(all[3]);
    const ClimateFileLists loaded = LoadSettings(file, GermanSystem).ClimateFiles;
    EXPECT_EQ(loaded.ClimateFileList, (std::vector<std::string>{all[0], all[1], all[2], all[4], all[5]}));
    EXPECT_EQ(loaded.ClimateNameList, (std::vector<std::string>{"Name 1", "Name 2", "Name 3", "Name 5", "Name 6"}));
}

// The climate zone names a file by its position in the lists. Entries that
// drop out when loading (a path listed twice, also under another spelling of
// its key, or a file gone) or when saving (a file gone since) must not move
// the zone to another file; a zone whose own file dropped out becomes zone 1.
TEST_F(Settings, ClimateZoneStaysOnItsFileWhenEntriesDropOut)
{
    const std::string a = ClimateFile("a.cli"), b = ClimateFile("b.cli"), c = ClimateFile("c.cli");
    const std::string gone = (folder_ / "gone.cli").string();
    const std::string aAgain = "%2F" + a.substr(1);  // the same path, its first "/" escaped
    const struct {
        std::vector<std::string> keys;
        int zone;
        std::vector<std::string> files;
        int expected;
    } rows[] = {
        {{a, aAgain, b}, 6, {a, b}, 5},       {{a, aAgain, b}, 5, {a, b}, 4},  // the second entry of a names a
        {{a, b, aAgain, c}, 7, {a, b, c}, 6}, {{a, b, aAgain, c}, 6, {a, b, c}, 4},
        {{gone, a, b}, 6, {a, b}, 5},         {{a, gone, b}, 5, {a, b}, 1},
        {{a, aAgain, b}, 2, {a, b}, 2},       {{a + "%00.old", b}, 5, {b}, 4},  // a zero byte names no file, not a
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "zone " << row.zone << " of " << testing::PrintToString(row.keys));
        std::string text = "[GLOBAL]\nVersion=201101\n[WRG_Selection]\nClimateZone=" + std::to_string(row.zone) +
                           "\n[WRG_ClimateData]\n";
        for (std::size_t i = 0; i < row.keys.size(); ++i)
            text += row.keys[i] + "=Name " + std::to_string(i) + "\n";
        WriteText(text);
        // Loaded, and saved and loaded again: the zone names the same file.
        for (int pass = 0; pass < 2; ++pass) {
            const ProgramSettings loaded = Load();
            EXPECT_EQ(loaded.ClimateFiles.ClimateFileList, row.files);
            EXPECT_EQ(loaded.Inputs.ClimateZone, row.expected);
            Save(loaded);
        }
    }

    // Lists held by the program: a file deleted while it ran, or a path twice.
    const struct {
        std::vector<std::string> files;
        int zone;
        std::vector<std::string> saved;
        int expected;
    } held[] = {
        {{a, b, c}, 6, {b, c}, 5},
        {{a, b, c}, 4, {b, c}, 1},
        {{a, a, c}, 6, {a, c}, 5},
        {{a, b, c}, 3, {b, c}, 3},
    };
    for (const auto& row : held) {
        SCOPED_TRACE(testing::Message() << "zone " << row.zone << " of " << testing::PrintToString(row.files));
        WriteText("back again", a);
        ProgramSettings settings;
        settings.ClimateFiles.ClimateFileList = row.files;
        settings.ClimateFiles.ClimateNameList.assign(row.files.size(), "Name");
        settings.Inputs.ClimateZone = row.zone;
        if (row.saved.front() != a)
            fs::remove(a);
        Save(settings);
        const ProgramSettings loaded = Load();
        EXPECT_EQ(loaded.ClimateFiles.ClimateFileList, row.saved);
        EXPECT_EQ(loaded.Inputs.ClimateZone, row.expected);
    }
}

TEST_F(Settings, ValuesOutsideTheirDomainArePutRight)
{
    const std::string one = ClimateFile("one.cli"), two = ClimateFile("two.cli");
    using S = const ProgramSettings&;
    const struct {
        const char* section;
        const char* key;
        const char* text;
        int (*get)(S);
        int expected;
    } rows[] = {
        {"WRG_Selection", "ClimateZone", "5", [](S s) { return s.Inputs.ClimateZone; }, 5},  // second user file
        {"WRG_Selection", "ClimateZone", "9", [](S s) { return s.Inputs.ClimateZone; }, 1},
        {"WRG_Device", "Rotortype", "4", [](S s) { return s.Inputs.RotorTypeCode; }, 3},
        {"WRG_Device", "PWTEdge", "22", [](S s) { return s.Inputs.PlateEdge * 100 + s.Inputs.PlateEdgeItem; }, 100009},
        {"WRG_Control", "DaysWeek", "5.5", [](S s) { return static_cast<int>(s.Inputs.DaysPerWeek * 10); }, 55},
        {"WRG_Control", "DaysWeek", "1,5", [](S s) { return static_cast<int>(s.Inputs.DaysPerWeek * 10); }, 60},
        {"WRG_Selection", "pbar", "nan", [](S s) { return static_cast<int>(s.Inputs.AirPressure); }, 1013},
        {"WRG_Economy", "Heat", "abc", [](S s) { return static_cast<int>(s.Inputs.PriceHeat); }, 35},
        {"WRG_Options", "SI", "abc", [](S s) { return int{s.SIUnits}; }, 1},
        {"WRG_Options", "DecimalSeparator", "7", [](S s) { return int{s.DecimalSeparator}; }, ','},
        {"WRG_Options", "DecimalSeparator", ",", [](S s) { return int{s.ThousandSeparator}; }, '.'},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.text);
        {
            TIniDatei file(ini_);
            ProgramSettings base;
            base.ClimateFiles = {{one, two}, {"One", "Two"}};
            ASSERT_FALSE(SaveSettings(file, base));
            file.WriteString(row.section, row.key, row.text);
            ASSERT_FALSE(file.Save());
        }
        TIniDatei file(ini_);
        EXPECT_EQ(row.get(LoadSettings(file, GermanSystem)), row.expected);
    }
}

// A stored value that its control cannot show, or that the field check
// rejects, comes back as its default; values on a limit stay. Each key is
// checked as it is saved again after loading.
TEST_F(Settings, ValuesTheFieldsRejectTakeTheirDefaults)
{
    struct Key {
        const char* section;
        const char* key;
        const char* text;
        double loaded;
    };
    const struct {
        const char* name;
        std::vector<Key> keys;
    } rows[] = {
        {"heating months 13 and 0", {{"WRG_Control", "Month1", "13", 10}, {"WRG_Control", "Month2", "0", 5}}},
        {"one end of the heating period none", {{"WRG_Control", "Month1", "0", 10}, {"WRG_Control", "Month2", "3", 5}}},
        {"no heating period", {{"WRG_Control", "Month1", "0", 0}, {"WRG_Control", "Month2", "0", 0}}},
        {"negative wheel diameter", {{"WRG_Device", "Diameter", "-1920", 1920}}},
        {"wheel diameter on the limit", {{"WRG_Device", "Diameter", "6000", 6000}}},
        {"narrow packages", {{"WRG_Device", "PWTWidth", "99", 1200}, {"WRG_Device", "GSWidth", "0", 300}}},
        {"humidities 150 and 120",
         {{"WRG_Selection", "Humidity21W", "150", 40}, {"WRG_Selection", "Humidity21S", "120", 40}}},
        {"negative flow", {{"WRG_Selection", "SVol21S", "-10", 10000}}},
        {"days per week 0 and temperature 81",
         {{"WRG_Control", "DaysWeek", "0", 6}, {"WRG_Control", "SSwTemp", "81", 22}}},
        {"negative price and drive", {{"WRG_Economy", "Water", "-4", 4}, {"WRG_Device", "Drive", "4001", 180}}},
        {"air pressure", {{"WRG_Selection", "pbar", "5000", 1013}}},
        {"cost modes no button stands for",
         {{"WRG_Economy", "Maintenance1", "3", 1}, {"WRG_Economy", "Service1", "1.5", 1}}},
        {"values on their limits",
         {{"WRG_Selection", "Humidity21W", "100", 100},
          {"WRG_Control", "DaysWeek", "7", 7},
          {"WRG_Selection", "pbar", "600", 600}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        {
            TIniDatei file(ini_);
            ASSERT_FALSE(SaveSettings(file, ProgramSettings{}));
            for (const Key& key : row.keys)
                file.WriteString(key.section, key.key, key.text);
            ASSERT_FALSE(file.Save());
        }
        TIniDatei file(ini_);
        ASSERT_FALSE(SaveSettings(file, LoadSettings(file, GermanSystem)));
        for (const Key& key : row.keys)
            EXPECT_EQ(file.ReadFloat(key.section, key.key, -1), key.loaded) << key.key;
    }
}

TEST_F(Settings, SystemSeparatorsFromLocaleTexts)
{
    const struct {
        const char* decimal;
        const char* thousands;
        char d, t;
    } rows[] = {{".", ",", '.', ','},
                {",", "\u202F", ',', ' '},
                {".", "\u2019", '.', '\''},
                {",", ",", ',', '.'},
                {"", "", '.', ','}};
    for (const auto& row : rows) {
        const SystemDefaults d = SystemDefaultsFromLocale(row.decimal, row.thousands, 8);
        EXPECT_EQ(std::string() + d.DecimalSeparator + d.ThousandSeparator, std::string() + row.d + row.t);
    }
}

TEST_F(LanguageFile, ReadLanguageFallsBackToSystemThenEnglish)
{
    using namespace LanguageNumber;
    const struct {
        const char* stored;
        int system, expected;
    } rows[] = {
        // stored nullptr: no key
        {"4", German, German},  {"5", German, German},    {nullptr, Russian, Russian}, {"0", Polish, Polish},
        {"3", Russian, French}, {"263", English, Polish}, {nullptr, 4, English},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored != nullptr ? row.stored : "(none)");
        TIniDatei file(folder_ / "none.ini");
        if (row.stored != nullptr)
            file.WriteString("GLOBAL", "Language", row.stored);
        EXPECT_EQ(ReadLanguage(file, "GLOBAL", "Language", row.system), row.expected);
    }
}

TEST_F(LanguageFile, WrittenUnderGlobalIsFoundUnderGLOBAL)
{
    {
        TIniDatei file(ini_);
        ASSERT_FALSE(WriteLanguage(file, LanguageNumber::Chinese));
    }
    EXPECT_EQ(ReadText(), "[Global]\nLanguage=8\n");
    TIniDatei file(ini_);
    EXPECT_EQ(ReadLanguage(file, "GLOBAL", "Language", LanguageNumber::English), LanguageNumber::Chinese);
    EXPECT_EQ(LoadSettings(file, GermanSystem).Language, LanguageNumber::Chinese);
}

TEST_F(LanguageFile, LocaleNamesGiveTheLanguage)
{
    const std::pair<const char*, int> rows[] = {{"de_DE.UTF-8", 1},  {"DE_at", 1}, {"fr_CA", 3}, {"pl_PL", 7},
                                                {"zh_CN.GB2312", 8}, {"ru", 9},    {"C", 2},     {"deu_DE", 2}};
    for (const auto& [name, language] : rows)
        EXPECT_EQ(LanguageOfLocaleName(name), language) << name;
}

// The id of a process that has ended: a child that exits at once, reaped.
pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// A target that is there but is no regular file is refused and stays what it
// was; nothing is left beside it.
TEST_F(SafeFile, RefusesATargetThatIsNoRegularFile)
{
    const fs::path fifo = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = folder_ / "folder";
    fs::create_directory(folder);
    const fs::path linkToFifo = folder_ / "link-to-pipe";
    fs::create_symlink(fifo, linkToFifo);

    struct {
        fs::path path;
        fs::file_type stays;
    } rows[] = {
        {fifo, fs::file_type::fifo},
        {folder, fs::file_type::directory},
        {linkToFifo, fs::file_type::fifo},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.string());
        const auto failure = ReplaceFile(row.path, "text", NewFileAccess::Usual, false);
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->find("not a regular file"), std::string::npos) << *failure;
        EXPECT_EQ(fs::status(row.path).type(), row.stays);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "link-to-pipe", "pipe"}));

    // A device node of its own, where the test may make one (as root).
    const fs::path device = folder_ / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
        EXPECT_TRUE(ReplaceFile(device, "text", NewFileAccess::Usual, false));
        EXPECT_TRUE(fs::is_character_file(device));
    }
}

// A link stays a link: the file it names is written, whether it is there
// yet or not, also through a chain of links and relative link texts.
TEST_F(SafeFile, WritesThroughLinksEvenToAFileNotThereYet)
{
    fs::create_directory(folder_ / "data");
    const struct {
        const char* link;
        const char* points;
        const char* file;
        bool exists;
    } rows[] = {
        {"existing", "data/a.ini", "data/a.ini", true},
        {"dangling", "data/b.ini", "data/b.ini", false},
        {"absolute", "", "data/c.ini", false},  // link text: the absolute path of file
        {"chain", "dangling", "data/b.ini", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        const fs::path link = folder_ / row.link, file = folder_ / row.file;
        if (row.exists)
            WriteText("old", file);
        fs::create_symlink(*row.points ? fs::path(row.points) : file, link);
        ASSERT_FALSE(ReplaceFile(link, std::string("new ") + row.link, NewFileAccess::Usual, false));
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadText(file), std::string("new ") + row.link);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"absolute", "chain", "dangling", "data", "existing"}));

    // A loop of links names no file.
    fs::create_symlink("loop-b", folder_ / "loop-a");
    fs::create_symlink("loop-a", folder_ / "loop-b");
    EXPECT_TRUE(ReplaceFile(folder_ / "loop-a", "text", NewFileAccess::Usual, false));
    EXPECT_TRUE(fs::is_symlink(folder_ / "loop-a"));
}

// Temporary files of writes that were killed before their rename go with the
// next write of the same file. Those of a process still running (it may be
// writing right now), of other files and of other names stay.
TEST_F(SafeFile, ANewWriteRemovesTheLeftoversOfKilledWrites)
{
    const fs::path target = folder_ / "Quorvane.ini";
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    const std::vector<std::string> removed = {"Quorvane.ini.tmp" + ended + "-0", "Quorvane.ini.tmp" + ended + "-17"};
    const std::vector<std::string> kept = {
        "Quorvane.ini.tmp" + running + "-3",  // a running writer
        "Other.ini.tmp" + ended + "-0",       // another file's
        "Quorvane.ini.tmp" + ended,           // not a name the writer gives
        "Quorvane.ini.tmp" + ended + "-1x",  "Quorvane.ini.tmpx-1",
    };
    for (const auto& names : {removed, kept})
        for (const std::string& name : names)
            WriteText("half", folder_ / name);
    fs::create_directory(folder_ / ("Quorvane.ini.tmp" + ended + "-5"));  // not a file

    ASSERT_FALSE(ReplaceFile(target, "whole", NewFileAccess::Usual, false));
    EXPECT_EQ(ReadText(target), "whole");
    std::vector<std::string> expected = kept;
    expected.push_back("Quorvane.ini");
    expected.push_back("Quorvane.ini.tmp" + ended + "-5");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

// Writers killed at random moments: after one more write only the file is
// left, whole.
TEST_F(SafeFile, KilledWritersLeaveNothingBehindAfterTheNextWrite)
{
    const fs::path target = folder_ / "climate.cli";
    const std::string big(2 << 20, 'x');
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;)
                ReplaceFile(target, big, NewFileAccess::Usual, false);
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
    }
    ASSERT_FALSE(ReplaceFile(target, "whole", NewFileAccess::Usual, false));
    EXPECT_EQ(Names(), std::vector<std::string>{"climate.cli"});
    EXPECT_EQ(ReadText(target), "whole");
}

}  // namespace
