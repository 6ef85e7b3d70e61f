// The wrgcalc program as scripts see it: the built executable is run with
// arguments and stdin, and its stdout, stderr and exit status are checked.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "core/settings/ProgramVersion.h"
#include "core/thermo/AirState.h"
#include "tests/cli/WrgcalcRun.h"

namespace {

const char* const DemoLine = R"({"StateMode":0,"Pressure":1013,"Temp":20,"RelHum":50})";

TEST(WrgcalcAir, DemoLineCarriesTheComputedStateBitForBit)
{
    const RunResult run = RunWrgcalc("air", "\n  \n" + std::string(DemoLine) + "\n\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u) << run.out;
    const nlohmann::json answer = nlohmann::json::parse(lines[0]);
    EXPECT_EQ(answer.size(), 7u) << lines[0];
    MoistAirState state{.Temp = 20, .RelHum = 50};
    CompleteAirState(StateInputMode::TempRelHum, state, 1013);
    for (const auto& [name, member] : MoistAirFields)
        EXPECT_EQ(answer.at(name).get<double>(), state.*member) << name;
    EXPECT_NE(lines[0].find("\"HumRatio\":" + FormatNumber(state.HumRatio) + ","), std::string::npos) << lines[0];
}

TEST(WrgcalcAir, MixedBatchIsAnsweredLineForLine)
{
    const struct {
        const char *input, *expected;
        bool error;
    } rows[] = {
        // expected: part of the answer
        {DemoLine, "\"HumRatio\":7.258", false},
        {"not json", "not valid JSON", true},
        {R"({"StateMode":0,"Temp":20})", "\"RelHum\"", true},
        {R"({"StateMode":0,"Temp":"20","RelHum":50})", "\"Temp\"", true},
        {R"({"StateMode":0,"Temp":20,"RelHum":50,"Foo":1})", "\"Foo\"", true},
        {R"({"StateMode":0,"Temp":1e400,"RelHum":50})", "1e400", true},
        {R"({"StateMode":0,"Pressure":0,"Temp":20,"RelHum":50})", "\"Pressure\"", true},
        {R"({"StateMode":0,"Pressure":10000,"Temp":20,"RelHum":50})", "\"Density\":", false},
        {R"({"StateMode":11,"WetBulb":-274,"RelHum":50})", "\"WetBulb\"", true},
        {R"({"StateMode":5,"HumRatio":5,"RelHum":0})", "\"RelHum\"", true},
        {R"({"StateMode":13,"Temp":20,"RelHum":50})", "\"StateMode\"", true},
        {R"({"StateMode":0,"Temp":2000,"RelHum":50})", "cannot be completed", true},
        {R"({"StateMode":1,"Temp":20,"HumRatio":7.258})", "\"RelHum\":49.99", false},
        // Once an endless search; the runner's time limit turns a hang into a failure.
        {R"({"StateMode":4,"Pressure":757,"Enthalpy":95.24,"RelHum":28.75})", "\"Temp\":42.3", false},
        {R"({"StateMode":4,"Pressure":757,"Enthalpy":-1000,"RelHum":28.75})", "cannot be completed", true},
        {DemoLine, "\"HumRatio\":7.258", false},
    };
    std::string input;
    for (const auto& row : rows)
        input += std::string(row.input) + "\n  \t\n";  // blank lines in between are skipped
    const RunResult run = RunWrgcalc("air", input);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), std::size(rows)) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i << ": " << rows[i].input << "\nanswer: " << lines[i]);
        const nlohmann::json answer = nlohmann::json::parse(lines[i]);
        // Error messages are compared unescaped, results as printed.
        const std::string text = rows[i].error ? answer.value("error", "") : lines[i];
        EXPECT_NE(text.find(rows[i].expected), std::string::npos);
        EXPECT_EQ(answer.size() == 1, rows[i].error);
    }
}

TEST(WrgcalcPoint, AnswersEachCaseAndFlagsBadLines)
{
    const std::string example = R"({"Device":"RWT","Pressure":1013,"RotorType":0,"RotorDiameter":1500,)"
                                R"("Stream1":{"Inlet":{"StdVolFlow":5000,"Temp":-10,"RelHum":80}},)"
                                R"("Stream2":{"Inlet":{"StdVolFlow":5000,"Temp":22,"RelHum":40}}})";
    const RunResult run = RunWrgcalc("point", example +
                                                  "\n"
                                                  R"({"Device":"ZEPRA_2000"})"
                                                  "\n"
                                                  R"({"Device":"RWT","Wheel":1})"
                                                  "\n");
    EXPECT_EQ(run.status, 1);  // a failed calculation is an answer, a bad line an input error
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_NEAR(nlohmann::json::parse(lines[0])["TempEff1"].get<double>(), 80.1, 0.05);
    EXPECT_EQ(nlohmann::json::parse(lines[1])["Status"], 100);
    EXPECT_NE(nlohmann::json::parse(lines[2]).value("error", "").find("\"Wheel\""), std::string::npos) << lines[2];
}

// An empty settings file: the inputs of a first start. One for all runs;
// it stays empty whoever makes it.
const std::string NoSettings = [] {
    const std::string path = testing::TempDir() + "wrgcalc-empty-settings.ini";
    std::ofstream(path, std::ios::binary).flush();
    return "--settings \"" + path + "\"";
}();

// A settings file named on the command line must be there and be readable:
// the defaults of a first start in its place would be a result for inputs
// nobody gave.
TEST(WrgcalcCalculate, NamedSettingsFileThatCannotBeReadIsAnError)
{
    const std::string folder = testing::TempDir() + "wrgcalc-settings-" + std::to_string(getpid());
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    const std::string fifo = folder + "/pipe.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* reason;
    } files[] = {
        {folder + "/missing.ini", "not found"},
        {folder + "/missing/Quorvane.ini", "not found"},
        {folder, "not a regular file"},
        {fifo, "not a regular file"},
    };
    for (const auto& file : files) {
        for (const char* command : {"calculate", "calculate --json", "calculate --batch"}) {
            SCOPED_TRACE(std::string(command) + " " + file.path);
            const RunResult run = RunWrgcalc(std::string(command) + " --settings \"" + file.path + "\"",
                                             "{\"DeviceType\":2}\n");
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(file.path), std::string::npos) << run.err;
            EXPECT_NE(run.err.find(file.reason), std::string::npos) << run.err;
        }
    }
    std::remove(fifo.c_str());
    ::rmdir(folder.c_str());
}

TEST(WrgcalcCalculate, DefaultsAsJsonAndReport)
{
    const RunResult json = RunWrgcalc("calculate --json " + NoSettings);
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json all = nlohmann::json::parse(json.out);
    EXPECT_EQ(all["CalcInputs"]["WheelDiameter"], 1920);
    EXPECT_EQ(all["AnnualResults"]["MonthSensible"].size(), 12u);
    EXPECT_GT(all["AnnualResults"]["WinterSensible"].get<double>(), 0);
    EXPECT_TRUE(all["EconomyResults"]["DriveEnergyCost"].is_number());  // a rotary exchanger

    const RunResult report = RunWrgcalc("calculate " + NoSettings);
    ASSERT_EQ(report.status, 0) << report.err;
    for (const char* text : {"Germany (Climate zone 2)", "January", "Winter operation", "Amortization time"})
        EXPECT_NE(report.out.find(text), std::string::npos) << text;
}

TEST(WrgcalcCalculate, BatchLinesAndUserClimate)
{
    const std::string climate = testing::TempDir() + "wrgcalc-test.cli";
    const std::string record =
        R"({"Name":"Test site","HumRatio":[3,3,4,5,6,8,9,9,8,6,4,3],)"
        R"("MinTemp":[-3,-2,1,4,8,11,13,13,10,6,2,-1],"MinTime":[7,7,7,6,6,5,5,6,6,7,7,7],)"
        R"("MaxTemp":[3,5,9,14,19,22,24,24,20,14,7,4],"MaxTime":[14,14,14,15,15,15,15,15,15,14,14,14]})";
    ASSERT_EQ(RunWrgcalc("climate write \"" + climate + "\"", record).status, 0);
    const RunResult shown = RunWrgcalc("climate show \"" + climate + "\"");
    EXPECT_EQ(nlohmann::json::parse(shown.out), nlohmann::json::parse(record));

    const std::string lines = R"({"DeviceType":2,"PlateEdge":1000,"PlateSpacingCode":2,"SeriesCount":2})"
                              "\n"
                              R"({"DeviceType":"rotary"})"
                              "\n"
                              R"({"SIUnits":false,"ClimateFile":")" +
                              climate + "\"}\n";
    const RunResult batch = RunWrgcalc("calculate --batch " + NoSettings, lines);
    EXPECT_EQ(batch.status, 1);
    const std::vector<std::string> answers = Lines(batch.out);
    ASSERT_EQ(answers.size(), 3u) << batch.out << batch.err;
    const nlohmann::json plate = nlohmann::json::parse(answers[0]);
    EXPECT_TRUE(plate["EconomyResults"]["DriveEnergyCost"].is_null());
    EXPECT_NE(nlohmann::json::parse(answers[1]).value("error", "").find("\"DeviceType\""), std::string::npos);
    const nlohmann::json user = nlohmann::json::parse(answers[2]);
    EXPECT_GT(user["AnnualResults"]["WinterSensible"].get<double>(), 0);

    // Several lines at once answer byte for byte the same, in the same order.
    const std::string more = lines + "not json\n\n" + R"({"DeviceType":3,"GSSize":2062,"GSWidth":1000})" + "\n{}\n";
    const RunResult one = RunWrgcalc("calculate --batch --jobs 1 " + NoSettings, more);
    const RunResult three = RunWrgcalc("calculate --batch --jobs 3 " + NoSettings, more);
    EXPECT_EQ(Lines(one.out).size(), 6u);
    EXPECT_EQ(three.out, one.out);
    EXPECT_EQ(three.status, 1);
    EXPECT_EQ(RunWrgcalc("calculate --batch --jobs 0 " + NoSettings, more).status, 2);
    std::remove(climate.c_str());
}

TEST(WrgcalcClimate, WriteRefusesARunawayDailyCurve)
{
    const std::string climate = TempFile() + ".cli";
    // August: maximum half an hour after the minimum.
    const std::string record = R"({"Name":"Close times","HumRatio":[3,3,4,5,6,8,9,9,8,6,4,3],)"
                               R"("MinTemp":[-3,-2,1,4,8,11,13,15.6,10,6,2,-1],"MinTime":[7,7,7,6,6,5,5,5,6,7,7,7],)"
                               R"("MaxTemp":[3,5,9,14,19,22,24,28.8,20,14,7,4],)"
                               R"("MaxTime":[14,14,14,15,15,15,15,5.5,15,14,14,14]})";
    const RunResult run = RunWrgcalc("climate write \"" + climate + "\"", record);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("times of August are too close for a daily course"), std::string::npos) << run.err;
    EXPECT_FALSE(std::ifstream(climate).good()) << "no file written";
}

TEST(WrgcalcClimate, ImportOfARefusedWeatherFileWritesNothing)
{
    const std::string climate = TempFile() + ".cli";
    const std::string weather = TempFile() + ".epw";  // not there
    const RunResult run = RunWrgcalc("climate import \"" + weather + "\" --out \"" + climate + "\"");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(weather), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::ifstream(climate).good()) << "no file written";
    EXPECT_EQ(RunWrgcalc("climate import \"" + weather + "\"").status, 2) << "--out is required";
}

// An EPW year with a daily and a yearly course; `dryBulb` may replace the
// dry-bulb text of an hour.
std::string EpwYear(const std::function<std::string(int month, int day, int hour)>& dryBulb = {})
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string text = "LOCATION,Sample Town,-,Neverland,TMY,000000,48.0,11.0,1.0,520.0\n";
    for (int line = 0; line < 7; ++line)
        text += "HEADER,-\n";
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= days[month - 1]; ++day)
            for (int hour = 1; hour <= 24; ++hour) {
                const double t = 10 - 8 * std::cos((month - 1) * 0.5236) + 5 * std::sin((hour - 9) * 0.2618);
                text += "2001," + std::to_string(month) + ',' + std::to_string(day) + ',' + std::to_string(hour) +
                        ",60,A7A7," + (dryBulb ? dryBulb(month, day, hour) : std::to_string(t)) + ",0,70,95000";
                for (int field = 11; field <= 35; ++field)
                    text += ",0";
                text += '\n';
            }
    return text;
}

TEST(WrgcalcCalculate, ActualWeatherYearAsReportJsonAndBatchLine)
{
    const std::string weather = TempFile() + ".epw";
    std::ofstream(weather, std::ios::binary) << EpwYear();
    const RunResult report = RunWrgcalc("calculate " + NoSettings + " --weather \"" + weather + "\"");
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find(weather + ", actual weather year (8760 hours)"), std::string::npos) << report.out;

    const RunResult json = RunWrgcalc("calculate --json " + NoSettings + " --weather \"" + weather + "\"");
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json year = nlohmann::json::parse(json.out);
    EXPECT_EQ(year.value("WeatherFile", ""), weather);
    EXPECT_FALSE(nlohmann::json::parse(RunWrgcalc("calculate --json " + NoSettings).out).contains("WeatherFile"));

    // A line's own file replaces the command's; both on one line is a fault.
    const std::string lines = R"({"WeatherFile":")" + weather + "\"}\n" + R"({"ClimateFile":"x.cli","WeatherFile":")" +
                              weather + "\"}\n" + R"({"WeatherFile":7})" + "\n";
    const RunResult batch = RunWrgcalc("calculate --batch " + NoSettings + " --climate none.cli", lines);
    EXPECT_EQ(batch.status, 1);
    const std::vector<std::string> answers = Lines(batch.out);
    ASSERT_EQ(answers.size(), 3u) << batch.out << batch.err;
    EXPECT_EQ(nlohmann::json::parse(answers[0]), year);
    EXPECT_NE(nlohmann::json::parse(answers[1]).value("error", "").find("not both"), std::string::npos);
    EXPECT_NE(nlohmann::json::parse(answers[2]).value("error", "").find("\"WeatherFile\""), std::string::npos);
    EXPECT_EQ(RunWrgcalc("calculate " + NoSettings + " --weather a.epw --climate b.cli").status, 2);
    std::remove(weather.c_str());
}

TEST(WrgcalcCalculate, RefusedWeatherFileNamesFileAndPlaceAndPrintsNothing)
{
    const std::string weather = TempFile() + ".epw";
    const struct {
        std::string contents, place;
    } files[] = {
        {EpwYear([](int m, int d, int h) { return m == 3 && d == 2 && h == 5 ? "4x" : "5"; }), "line 1453"},
        {EpwYear([](int m, int d, int h) { return m == 3 && d == 2 && h == 5 ? "99.9" : "5"; }),
         "month 3, day 2, hour 5"},
    };
    for (const auto& file : files) {
        std::ofstream(weather, std::ios::binary) << file.contents;
        for (const char* command : {"calculate", "calculate --json"}) {
            SCOPED_TRACE(std::string(command) + ", " + file.place);
            const RunResult run = RunWrgcalc(std::string(command) + " " + NoSettings + " --weather \"" + weather +
                                             "\"");
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(weather), std::string::npos) << run.err;
            EXPECT_NE(run.err.find(file.place), std::string::npos) << run.err;
        }
    }
    std::remove(weather.c_str());
}

TEST(WrgcalcCalculate, DamagedClimateFileIsReported)
{
    const std::string climate = testing::TempDir() + "wrgcalc-damaged.cli";
    std::ofstream(climate, std::ios::binary) << std::string(600, 'x');
    const RunResult run = RunWrgcalc("calculate " + NoSettings + " --climate \"" + climate + "\"");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Invalid file format"), std::string::npos) << run.err;
    EXPECT_NE(RunWrgcalc("climate show /nonexistent/none.cli").err.find("not found"), std::string::npos);
    std::remove(climate.c_str());
}

TEST(WrgcalcConvert, PrintsTheConvertedNumberOrExitsWithTwo)
{
    const struct {
        const char *args, *out;
        int status;
    } rows[] = {{"2 3 4 -40", "-40\n", 0},  {"2 4 3 212", "100\n", 0}, {"1 1 2 1000", "588.60000000000002\n", 0},
                {"7 15 14 1", "1013\n", 0}, {"1 1 5 7.5", "7.5\n", 0}, {"12 26 27 -3.25", "-3.25\n", 0},
                {"2 3 4 abc", "", 2},       {"2 3 4 inf", "", 2},      {"2 3 4 1e400", "", 2},
                {"2 3 4", "", 2},           {"x 3 4 1", "", 2}};
    for (const auto& row : rows) {
        const RunResult run = RunWrgcalc(std::string("convert ") + row.args);
        EXPECT_EQ(run.status, row.status) << row.args << run.err;
        EXPECT_EQ(run.out, row.out) << row.args;
        EXPECT_EQ(run.err.empty(), row.status == 0) << row.args << run.err;
    }
    EXPECT_EQ(RunWrgcalc("").status, 2) << "a subcommand is required";
}

TEST(WrgcalcHelp, NamesTheFieldsAndCodes)
{
    const std::pair<const char*, std::vector<const char*>> helps[] = {
        {"air", {"StateMode", "Pressure", "RelHum", "HumRatio", "DewPoint", "WetBulb", "Enthalpy", "Density", "error"}},
        {"convert", {"KIND", "FROM", "TO", "VALUE", "cfm", "degF", "in.W.G.", "BTU/h", "lb/ft3", "29"}}};
    for (const auto& [command, words] : helps) {
        const RunResult run = RunWrgcalc(std::string(command) + " --help");
        EXPECT_EQ(run.status, 0);
        for (const char* word : words)
            EXPECT_NE(run.out.find(word), std::string::npos) << command << ": " << word;
    }
    // The version, also without a command; the usage lines name the program
    // however it was started.
    const RunResult version = RunWrgcalc("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("wrgcalc ") + ProgramVersion + "\n");
    EXPECT_NE(RunWrgcalc("calculate --help").out.find("Usage: wrgcalc calculate"), std::string::npos);
}

TEST(CliFormatNumber, ReadsBackBitForBit)
{
    EXPECT_EQ(FormatNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(FormatNumber(20), "20");
    for (double value : {1.0 / 3, -40.0, 7.2580658427114217, -2.5e-308, 4.9406564584124654e-324, 1.7e308}) {
        const std::string text = FormatNumber(value);
        SCOPED_TRACE(text);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value);
        EXPECT_EQ(nlohmann::json::parse(text).get<double>(), value);
    }
}

}  // namespace
