// The settings file: value formats, robustness against damaged files, atomic
// saving, the settings keys with their defaults and rules, and the language.
// Every test works in a temporary folder of its own.

#include <sys/stat.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Language.h"
#include "settings/SettingsFile.h"
#include "settings/TIniDatei.h"

namespace fs = std::filesystem;

namespace {

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
    std::string ReadText() const
    {
        std::ifstream in(ini_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
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

const SystemDefaults GermanSystem{',', '.', LanguageNumber::German};

using IniFile = TempFolder;
using Settings = TempFolder;
using LanguageFile = TempFolder;

TEST_F(IniFile, FloatsHaveTenDecimalsAndAPointWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool german = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        german = german || std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    {
        TIniDatei file(ini_);
        file.WriteFloat("S", "pbar", 1013);
        file.WriteFloat("S", "neg", -0.25);
        file.WriteFloat("S", "days", 5.5);
        ASSERT_FALSE(file.Save());
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!german) {
        std::cout << "No German locale installed; the float format was checked in the C locale only\n";
    }
    EXPECT_EQ(ReadText(), "[S]\npbar=1013.0000000000\nneg=-0.2500000000\ndays=5.5000000000\n");
    TIniDatei file(ini_);
    EXPECT_EQ(file.ReadFloat("S", "days", 0), 5.5);
}

TEST_F(IniFile, UnreadableValuesGiveTheDefault)
{
    struct Row {
        const char* text;
        bool floatOk;
        double asFloat;
        bool intOk;
        int asInt;
    };
    const Row rows[] = {
        {"abc", false, 0, false, 0},      {"1,5", false, 0, false, 0},   {"nan", false, 0, false, 0},
        {"1e999", false, 0, false, 0},    {"inf", false, 0, false, 0},   {"-inf", false, 0, false, 0},
        {"", false, 0, false, 0},         {"1.5x", false, 0, false, 0},  {"0x10", false, 0, false, 0},
        {"99999999999", true, 99999999999.0, false, 0},                 {"1.5", true, 1.5, false, 0},
        {"+7", true, 7, true, 7},         {"-12", true, -12, true, -12}, {"\"3\"", true, 3, true, 3},
        {"2.5e1", true, 25, false, 0},    {".5", true, 0.5, false, 0},
    };
    std::string text = "[V]\n";
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        text += "k" + std::to_string(i) + "=" + rows[i].text + "\n";
    }
    WriteText(text);
    TIniDatei file(ini_);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        const std::string key = "k" + std::to_string(i);
        EXPECT_EQ(file.ReadFloat("V", key, -1), rows[i].floatOk ? rows[i].asFloat : -1);
        EXPECT_EQ(file.ReadInteger("V", key, -1), rows[i].intOk ? rows[i].asInt : -1);
        EXPECT_EQ(file.ReadBool("V", key, true), rows[i].intOk ? rows[i].asInt != 0 : true);
    }
    EXPECT_EQ(file.ReadChar("V", "k6", 'x'), 'x');  // empty counts as missing
    EXPECT_EQ(file.ReadChar("V", "k0", 'x'), 'a');
}

TEST_F(IniFile, StringsComeBackAsWritten)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {" ", " "},           {"  lead", "  lead"},  {"trail\t", "trail\t"}, {"\"quoted\"", "\"quoted\""},
        {"a=b;c#d", "a=b;c#d"}, {"", ""},            {"Zürich €", "Zürich €"}, {"two\nlines", "two lines"},
    };
    {
        TIniDatei file(ini_);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            file.WriteString("T", "k" + std::to_string(i), rows[i].first);
        }
        ASSERT_FALSE(file.Save());
    }
    TIniDatei file(ini_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].first);
        EXPECT_EQ(file.ReadString("T", "k" + std::to_string(i), "missing"), rows[i].second);
    }
}

TEST_F(IniFile, NamesIgnoreCaseAndKeysKeepFileOrder)
{
    WriteText("[GLOBAL]\nVersion=1\n[Sec]\nzeta=1\nAlpha=2\nmid=3\n");
    TIniDatei file(ini_);
    file.WriteInteger("Global", "language", 3);
    EXPECT_EQ(file.ReadInteger("global", "LANGUAGE", 0), 3);
    EXPECT_EQ(file.ReadInteger("sec", "ALPHA", 0), 2);
    file.WriteInteger("SEC", "new", 4);
    EXPECT_EQ(file.ReadSection("Sec"), (std::vector<std::string>{"zeta", "Alpha", "mid", "new"}));

    file.EraseSection("sec");
    EXPECT_TRUE(file.ReadSection("Sec").empty());
    EXPECT_EQ(file.ReadInteger("GLOBAL", "Version", 0), 1);
    file.EraseAll();
    EXPECT_FALSE(file.ValueExists("GLOBAL", "Version"));
}

TEST_F(IniFile, DamagedFilesLoadWithoutCrashOrHang)
{
    std::mt19937 random(20110101);
    std::string bytes(200000, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    const std::string version = "[GLOBAL]\nVersion=201101\n";
    struct Row {
        const char* what;
        std::string text;
        std::string profile;
    };
    const Row rows[] = {
        {"random bytes", bytes, "C19"},
        {"random bytes after valid lines", version + "[WRG_Device]\nDiameter=7\n" + bytes, "C19"},
        {"10 MB line", version + "[WRG_Device]\nRotorprofile=" + std::string(10 << 20, 'x'), "C19"},
        {"invalid UTF-8 passes through", version + "[WRG_Device]\nRotorprofile=\xC3\x28\xFF\n", "\xC3\x28\xFF"},
        {"unclosed section, empty key", version + "[WRG_Device\n=5\n[\n]\n[WRG_Device]\nRotorprofile=B16\n", "B16"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WriteText(row.text);
        TIniDatei file(ini_);
        EXPECT_EQ(LoadSettings(file, GermanSystem).Inputs.StorageMassCode, row.profile);
    }

    // A long line within the size limit is read whole.
    const std::string longValue(TIniDatei::MaxFileSize - 100, 'y');
    WriteText("[A]\nb=" + longValue + "\n");
    EXPECT_EQ(TIniDatei(ini_).ReadString("A", "b", ""), longValue);

    // Not a regular file, or larger than any settings file: read as empty.
    fs::remove(ini_);
    ASSERT_EQ(::mkfifo(ini_.c_str(), 0600), 0);
    EXPECT_FALSE(TIniDatei(ini_).ValueExists("A", "b"));
    fs::remove(ini_);
    fs::create_directory(ini_);
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

    // A link to the settings file stays a link; the file it points to is replaced.
    const fs::path link = folder_ / "link.ini";
    fs::create_symlink(nested, link);
    TIniDatei linked(link);
    linked.WriteString("S", "k", "third");
    ASSERT_FALSE(linked.Save());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TIniDatei(nested).ReadString("S", "k", ""), "third");

    WriteText("not a folder", folder_ / "blocker");
    TIniDatei blocked(folder_ / "blocker" / "Quorvane.ini");
    blocked.WriteInteger("S", "k", 1);
    const auto failure = blocked.Save();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->textIndex, 0);
    EXPECT_NE(failure->Text().find((folder_ / "blocker" / "Quorvane.ini").string()), std::string::npos);
}

TEST_F(IniFile, DefaultPathFollowsXdgConfigHome)
{
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = oldXdg != nullptr ? oldXdg : "";
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";

    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    EXPECT_EQ(DefaultSettingsPath(), folder_ / "Quorvane" / "Quorvane.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
    ::setenv("HOME", folder_.c_str(), 1);
    EXPECT_EQ(DefaultSettingsPath(), folder_ / ".config" / "Quorvane" / "Quorvane.ini");

    oldXdg != nullptr ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    oldHome != nullptr ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
}

// The first-start values, written out here so that a changed default shows.
void ExpectFirstStartValues(const ProgramSettings& s)
{
    const CalcInputs& in = s.Inputs;
    EXPECT_EQ(in.AirPressure, 1013);
    for (double v : {in.SupplyVolWinter, in.ExtractVolWinter, in.SupplyVolSummer, in.ExtractVolSummer}) {
        EXPECT_EQ(v, 10000);
    }
    for (double v : {in.ExtractTempWinter, in.ExtractTempSummer, in.MaxSupplyTemp, in.SummerSwitchTemp}) {
        EXPECT_EQ(v, 22);
    }
    EXPECT_EQ(in.ExtractHumWinter, 40);
    EXPECT_EQ(in.ExtractHumSummer, 40);
    EXPECT_EQ(in.ClimateZone, 2);
    EXPECT_EQ(in.DeviceType, 1);
    EXPECT_EQ(in.RotorTypeCode, 2);
    EXPECT_EQ(in.WheelDiameter, 1920);
    EXPECT_EQ(in.StorageMassCode, "C19");
    EXPECT_EQ(in.DrivePower, 180);
    EXPECT_EQ(in.PlateEdgeItem, 9);
    EXPECT_EQ(in.PlateEdge, 1000);
    EXPECT_EQ(in.PlateWidth, 1200);
    EXPECT_EQ(in.PlateSpacingCode, 2);
    EXPECT_EQ(in.SeriesCount, 1);
    EXPECT_EQ(in.GSSize, 30);
    EXPECT_EQ(in.GSWidth, 300);
    EXPECT_EQ(in.OperatingFrom, 6);
    EXPECT_EQ(in.OperatingTo, 22);
    EXPECT_EQ(in.DaysPerWeek, 6);
    EXPECT_EQ(in.HeatingMonthFrom, 10);
    EXPECT_EQ(in.HeatingMonthTo, 5);
    EXPECT_EQ(in.SummerMode, 1);
    EXPECT_TRUE(in.SupplyTempControl);
    EXPECT_EQ(in.Investment, 10000);
    EXPECT_EQ(in.Lifetime, 15);
    EXPECT_EQ(in.InterestRate, 8);
    EXPECT_EQ(in.PriceElectric, 60);
    EXPECT_EQ(in.PriceHeat, 35);
    EXPECT_EQ(in.PriceCold, 20);
    EXPECT_EQ(in.PriceWater, 4);
    EXPECT_EQ(in.Maintenance, 3);
    EXPECT_EQ(in.MaintenanceMode, 1);
    EXPECT_EQ(in.Service, 3);
    EXPECT_EQ(in.ServiceMode, 1);
    EXPECT_EQ(s.Currency, "EUR");
    EXPECT_TRUE(s.SIUnits);
    EXPECT_EQ(s.DecimalSeparator, ',');  // the system's (GermanSystem)
    EXPECT_EQ(s.ThousandSeparator, '.');
    EXPECT_TRUE(s.ClimateFiles.ClimateFileList.empty());
    EXPECT_TRUE(s.ClimateFiles.ClimateNameList.empty());
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
    in.DeviceType = 3;
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
    in.HeatingMonthFrom = 0;
    in.HeatingMonthTo = 12;
    in.SummerMode = 4;
    in.SupplyTempControl = false;
    in.MaxSupplyTemp = 18.75;
    in.SummerSwitchTemp = -3.5;
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

void ExpectSameSettings(const ProgramSettings& a, const ProgramSettings& b)
{
    const CalcInputs& x = a.Inputs;
    const CalcInputs& y = b.Inputs;
    const std::vector<std::pair<double, double>> numbers = {
        {x.AirPressure, y.AirPressure},           {x.SupplyVolWinter, y.SupplyVolWinter},
        {x.ExtractVolWinter, y.ExtractVolWinter}, {x.ExtractTempWinter, y.ExtractTempWinter},
        {x.ExtractHumWinter, y.ExtractHumWinter}, {x.SupplyVolSummer, y.SupplyVolSummer},
        {x.ExtractVolSummer, y.ExtractVolSummer}, {x.ExtractTempSummer, y.ExtractTempSummer},
        {x.ExtractHumSummer, y.ExtractHumSummer}, {x.ClimateZone, y.ClimateZone},
        {x.DeviceType, y.DeviceType},             {x.RotorTypeCode, y.RotorTypeCode},
        {x.WheelDiameter, y.WheelDiameter},       {x.DrivePower, y.DrivePower},
        {x.PlateEdge, y.PlateEdge},               {x.PlateEdgeItem, y.PlateEdgeItem},
        {x.PlateWidth, y.PlateWidth},             {x.PlateSpacingCode, y.PlateSpacingCode},
        {x.SeriesCount, y.SeriesCount},           {x.GSSize, y.GSSize},
        {x.GSWidth, y.GSWidth},                   {x.OperatingFrom, y.OperatingFrom},
        {x.OperatingTo, y.OperatingTo},           {x.DaysPerWeek, y.DaysPerWeek},
        {x.HeatingMonthFrom, y.HeatingMonthFrom}, {x.HeatingMonthTo, y.HeatingMonthTo},
        {x.SupplyTempControl, y.SupplyTempControl}, {x.MaxSupplyTemp, y.MaxSupplyTemp},
        {x.SummerMode, y.SummerMode},             {x.SummerSwitchTemp, y.SummerSwitchTemp},
        {x.Investment, y.Investment},             {x.Lifetime, y.Lifetime},
        {x.InterestRate, y.InterestRate},         {x.PriceElectric, y.PriceElectric},
        {x.PriceHeat, y.PriceHeat},               {x.PriceCold, y.PriceCold},
        {x.PriceWater, y.PriceWater},             {x.Maintenance, y.Maintenance},
        {x.MaintenanceMode, y.MaintenanceMode},   {x.Service, y.Service},
        {x.ServiceMode, y.ServiceMode},
    };
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i].first, numbers[i].second) << "number " << i << " of the list";
    }
    EXPECT_EQ(x.StorageMassCode, y.StorageMassCode);
    EXPECT_EQ(a.Currency, b.Currency);
    EXPECT_EQ(a.SIUnits, b.SIUnits);
    EXPECT_EQ(a.DecimalSeparator, b.DecimalSeparator);
    EXPECT_EQ(a.ThousandSeparator, b.ThousandSeparator);
    EXPECT_EQ(a.Language, b.Language);
    EXPECT_EQ(a.ClimateFiles.ClimateFileList, b.ClimateFiles.ClimateFileList);
    EXPECT_EQ(a.ClimateFiles.ClimateNameList, b.ClimateFiles.ClimateNameList);
}

TEST_F(Settings, FirstStartGivesTheDefaults)
{
    TIniDatei file(ini_);
    const ProgramSettings settings = LoadSettings(file, GermanSystem);
    ExpectFirstStartValues(settings);
    EXPECT_EQ(settings.Language, LanguageNumber::German);
    EXPECT_FALSE(fs::exists(ini_)) << "reading must not create the file";
}

TEST_F(Settings, EveryKeyAndAwkwardClimatePathsSurviveARoundTrip)
{
    // Relative paths can start with what the parser takes for a comment or a
    // section, so the test works in its own folder.
    struct WorkIn {
        fs::path previous = fs::current_path();
        explicit WorkIn(const fs::path& folder) { fs::current_path(folder); }
        ~WorkIn() { fs::current_path(previous); }
    } workIn(folder_);
    ProgramSettings saved = ChangedSettings();
    saved.ClimateFiles.ClimateFileList = {ClimateFile("a=b;c#d.cli"), ClimateFile("100%25 Köln Süd "),
                                          ClimateFile("two\nlines"),  ";start", "[x]", " lead"};
    for (const char* relative : {";start", "[x]", " lead"}) {
        WriteText("climate", relative);
    }
    saved.ClimateFiles.ClimateNameList = {"With = and ;", " padded ", "Köln", "\"quoted\"", "x", "y"};
    {
        TIniDatei file(ini_);
        ASSERT_FALSE(SaveSettings(file, saved));
    }
    EXPECT_NE(ReadText().find("SVol11W=1234.5000000000\n"), std::string::npos);
    EXPECT_NE(ReadText().find("Version=201101\n"), std::string::npos);
    TIniDatei fresh(ini_);
    ExpectSameSettings(LoadSettings(fresh, GermanSystem), saved);
}

TEST_F(Settings, OldOrMissingVersionEmptiesTheFile)
{
    ProgramSettings changed = ChangedSettings();
    changed.ClimateFiles = {{ClimateFile("one.cli")}, {"One"}};
    for (const char* version : std::initializer_list<const char*>{"200409", "1", "", "abc", nullptr}) {
        SCOPED_TRACE(version != nullptr ? version : "(no version key)");
        {
            TIniDatei file(ini_);
            ASSERT_FALSE(SaveSettings(file, changed));
            version != nullptr ? file.WriteString("GLOBAL", "Version", version) : file.EraseSection("GLOBAL");
            file.WriteInteger("Global", "Language", LanguageNumber::French);
            ASSERT_FALSE(file.Save());
        }
        TIniDatei file(ini_);
        const ProgramSettings settings = LoadSettings(file, GermanSystem);
        ExpectFirstStartValues(settings);
        // The language is chosen before the version is looked at.
        EXPECT_EQ(settings.Language, LanguageNumber::French);
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
    TIniDatei file(ini_);
    ASSERT_FALSE(SaveSettings(file, settings));
    EXPECT_EQ(file.ReadSection("WRG_ClimateData").size(), 6u);
    EXPECT_FALSE(file.ValueExists("WRG_ClimateData", settings.ClimateFiles.ClimateFileList[6]));

    // Missing second file: only five written; on load a vanished file and an
    // empty name drop out and the order of the rest stays.
    fs::remove(settings.ClimateFiles.ClimateFileList[1]);
    ASSERT_FALSE(SaveSettings(file, settings));
    EXPECT_EQ(file.ReadSection("WRG_ClimateData").size(), 5u);
    fs::remove(settings.ClimateFiles.ClimateFileList[3]);
    file.WriteString("WRG_ClimateData", settings.ClimateFiles.ClimateFileList[4], "");
    const ClimateFileLists loaded = LoadSettings(file, GermanSystem).ClimateFiles;
    const auto& all = settings.ClimateFiles.ClimateFileList;
    EXPECT_EQ(loaded.ClimateFileList, (std::vector<std::string>{all[0], all[2], all[5]}));
    EXPECT_EQ(loaded.ClimateNameList, (std::vector<std::string>{"Name 1", "Name 3", "Name 6"}));

    // Keys ignore case, file names do not: paths differing only in case
    // all come back.
    settings.ClimateFiles = {{ClimateFile("Case.cli"), ClimateFile("case.cli"), ClimateFile("CASE.cli")},
                             {"Upper", "Lower", "All"}};
    ASSERT_FALSE(SaveSettings(file, settings));
    TIniDatei fresh(ini_);
    const ClimateFileLists cased = LoadSettings(fresh, GermanSystem).ClimateFiles;
    EXPECT_EQ(cased.ClimateFileList, settings.ClimateFiles.ClimateFileList);
    EXPECT_EQ(cased.ClimateNameList, settings.ClimateFiles.ClimateNameList);
}

TEST_F(Settings, ValuesOutsideTheirDomainArePutRight)
{
    const std::string one = ClimateFile("one.cli");
    const std::string two = ClimateFile("two.cli");
    struct Row {
        const char* section;
        const char* key;
        const char* text;
        int (*get)(const ProgramSettings&);
        int expected;
    };
    using S = const ProgramSettings&;
    auto zone = [](S s) { return s.Inputs.ClimateZone; };
    auto rotor = [](S s) { return s.Inputs.RotorTypeCode; };
    auto edge = [](S s) { return s.Inputs.PlateEdge * 100 + s.Inputs.PlateEdgeItem; };
    auto spacing = [](S s) { return int{s.Inputs.PlateSpacingCode}; };
    auto series = [](S s) { return int{s.Inputs.SeriesCount}; };
    auto days10 = [](S s) { return static_cast<int>(s.Inputs.DaysPerWeek * 10); };
    auto si = [](S s) { return int{s.SIUnits}; };
    auto decimal = [](S s) { return int{s.DecimalSeparator}; };
    auto thousands = [](S s) { return int{s.ThousandSeparator}; };
    const Row rows[] = {
        {"WRG_Selection", "ClimateZone", "5", zone, 5},  // the second user file
        {"WRG_Selection", "ClimateZone", "9", zone, 1},  // only two user files offered
        {"WRG_Selection", "ClimateZone", "0", zone, 2},
        {"WRG_Device", "Rotortype", "6", rotor, 6},
        {"WRG_Device", "Rotortype", "4", rotor, 3},  // the rotor list's second entry
        {"WRG_Device", "PWTEdge", "21", edge, 3200 * 100 + 21},
        {"WRG_Device", "PWTEdge", "22", edge, 1000 * 100 + 9},
        {"WRG_Device", "PWTEdge", "0", edge, 1000 * 100 + 9},
        {"WRG_Device", "PlateType", "300", spacing, 2},
        {"WRG_Device", "Series", "5", series, 1},
        {"WRG_Device", "GSType", "31", [](S s) { return s.Inputs.GSSize; }, 30},
        {"WRG_Device", "DeviceType", "4", [](S s) { return s.Inputs.DeviceType; }, 1},
        {"WRG_Control", "Time2", "25", [](S s) { return s.Inputs.OperatingTo; }, 22},
        {"WRG_Control", "Month1", "13", [](S s) { return s.Inputs.HeatingMonthFrom; }, 10},
        {"WRG_Control", "SOperation", "0", [](S s) { return s.Inputs.SummerMode; }, 1},
        {"WRG_Control", "DaysWeek", "5.5", days10, 55},
        {"WRG_Control", "DaysWeek", "1,5", days10, 60},
        {"WRG_Selection", "pbar", "nan", [](S s) { return static_cast<int>(s.Inputs.AirPressure); }, 1013},
        {"WRG_Economy", "Rate", "1e999", [](S s) { return static_cast<int>(s.Inputs.InterestRate); }, 8},
        {"WRG_Economy", "Heat", "abc", [](S s) { return static_cast<int>(s.Inputs.PriceHeat); }, 35},
        {"WRG_Options", "SI", "abc", si, 1},
        {"WRG_Options", "SI", "-1", si, 1},
        {"WRG_Options", "SI", "0", si, 0},
        // Separators: empty, unusable or clashing → the system's (',' and '.').
        {"WRG_Options", "DecimalSeparator", "", decimal, ','},
        {"WRG_Options", "DecimalSeparator", "7", decimal, ','},
        {"WRG_Options", "DecimalSeparator", ";x", decimal, ';'},
        {"WRG_Options", "DecimalSeparator", ",", thousands, '.'},
        {"WRG_Options", "ThousandSeparator", "'", thousands, '\''},
    };
    for (const Row& row : rows) {
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

TEST_F(Settings, SystemSeparatorsFromLocaleTexts)
{
    struct Row {
        const char* decimal;
        const char* thousands;
        char expectedDecimal;
        char expectedThousands;
    };
    const Row rows[] = {
        {".", ",", '.', ','},          {",", ".", ',', '.'},
        {",", "\u202F", ',', ' '},     {".", "\u2019", '.', '\''},
        {",", "", ',', '.'},           {"", "", '.', ','},
        {",", ",", ',', '.'},          {"\u066B", "\u066C", '.', ','},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.decimal) + " | " + row.thousands);
        const SystemDefaults d = SystemDefaultsFromLocale(row.decimal, row.thousands, 8);
        EXPECT_EQ(d.DecimalSeparator, row.expectedDecimal);
        EXPECT_EQ(d.ThousandSeparator, row.expectedThousands);
        EXPECT_EQ(d.Language, 8);
    }
}

TEST_F(LanguageFile, ReadLanguageFallsBackToSystemThenEnglish)
{
    struct Row {
        const char* stored;  // nullptr: no key
        int system;
        int expected;
    };
    const Row rows[] = {
        {"4", LanguageNumber::German, LanguageNumber::German},
        {"4", LanguageNumber::English, LanguageNumber::English},
        {"5", LanguageNumber::German, LanguageNumber::German},
        {nullptr, LanguageNumber::Russian, LanguageNumber::Russian},
        {"0", LanguageNumber::Polish, LanguageNumber::Polish},
        {"3", LanguageNumber::Russian, LanguageNumber::French},
        {"263", LanguageNumber::English, LanguageNumber::Polish},  // low byte 7
        {"abc", LanguageNumber::Chinese, LanguageNumber::Chinese},
        {nullptr, 4, LanguageNumber::English},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored != nullptr ? row.stored : "(none)");
        TIniDatei file(folder_ / "none.ini");
        if (row.stored != nullptr) {
            file.WriteString("GLOBAL", "Language", row.stored);
        }
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
    const std::pair<const char*, int> rows[] = {
        {"de_DE.UTF-8", 1}, {"DE_at", 1},       {"fr_CA.UTF-8", 3}, {"pl_PL", 7}, {"zh_CN.GB2312", 8},
        {"ru_RU.UTF-8", 9}, {"ru", 9},          {"en_GB.UTF-8", 2}, {"C", 2},     {"", 2},
        {"deu_DE", 2},      {"es_ES@euro", 2},  {"de@euro", 1},
    };
    for (const auto& [name, language] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LanguageOfLocaleName(name), language);
    }
}

}  // namespace
