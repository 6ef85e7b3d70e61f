// Project files on the command line: "project new" from a settings file, and
// "calculate --project" with the same numbers as the settings it came from,
// also where the climate file is gone.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/cli/WrgcalcRun.h"

namespace {

namespace fs = std::filesystem;

// A folder with a user climate file and a settings file that calculates a
// cross-flow plate exchanger in UK/US units on that file (zone 4), and an
// empty settings file.
class ProjectCommand : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::path(testing::TempDir()) / ("wrgcalc-project-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        climate_ = Path("site.cli");
        const std::string record =
            R"({"Name":"Test site","HumRatio":[3,3,4,5,6,8,9,9,8,6,4,3],)"
            R"("MinTemp":[-3,-2,1,4,8,11,13,13,10,6,2,-1],"MinTime":[7,7,7,6,6,5,5,6,6,7,7,7],)"
            R"("MaxTemp":[3,5,9,14,19,22,24,24,20,14,7,4],"MaxTime":[14,14,14,15,15,15,15,15,15,14,14,14]})";
        ASSERT_EQ(RunWrgcalc("climate write \"" + climate_ + "\"", record).status, 0);
        std::ofstream(Path("user.ini")) << "[GLOBAL]\nVersion=201101\n[WRG_Selection]\nClimateZone=4\nSVol11W=7000\n"
                                           "[WRG_Device]\nDeviceType=2\nSeries=2\n[WRG_Options]\nSI=0\n"
                                           "[WRG_ClimateData]\n"
                                        << climate_ << "=Test site\n";
        std::ofstream(Path("empty.ini")).flush();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Settings(const std::string& name) const { return " --settings \"" + Path(name) + "\""; }

    fs::path folder_;
    std::string climate_;
};

TEST_F(ProjectCommand, ProjectCalculatesAsItsSettingsAlsoWithoutTheClimateFile)
{
    const std::string project = Path("unit 3.wrg");
    const RunResult made = RunWrgcalc("project new" + Settings("user.ini") + " --out \"" + project + "\"");
    ASSERT_EQ(made.status, 0) << made.err;
    const RunResult json = RunWrgcalc("calculate --json" + Settings("user.ini"));
    const RunResult report = RunWrgcalc("calculate" + Settings("user.ini"));
    ASSERT_EQ(json.status, 0) << json.err;

    fs::remove(climate_);
    const std::string fromProject = Settings("empty.ini") + " --project \"" + project + "\"";
    const RunResult projectJson = RunWrgcalc("calculate --json" + fromProject);
    EXPECT_EQ(projectJson.status, 0) << projectJson.err;
    EXPECT_EQ(projectJson.out, json.out);
    EXPECT_EQ(RunWrgcalc("calculate" + fromProject).out, report.out);
    EXPECT_NE(report.out.find("Test site"), std::string::npos);

    // Batch lines start from the project, or from a project of their own.
    const std::string lines = "{}\n{\"DeviceType\":1}\n{\"Project\":\"" + project +
                              "\"}\n{\"Project\":\"none.wrg\"}\n{\"Project\":3}\n";
    const RunResult batch = RunWrgcalc("calculate --batch" + fromProject, lines);
    EXPECT_EQ(batch.status, 1);
    const std::vector<std::string> answers = Lines(batch.out);
    ASSERT_EQ(answers.size(), 5u) << batch.out << batch.err;
    EXPECT_EQ(answers[0] + "\n", json.out);
    EXPECT_NE(answers[1], answers[0]);
    EXPECT_EQ(nlohmann::json::parse(answers[1])["CalcInputs"]["DeviceType"], 1);
    EXPECT_EQ(answers[2], answers[0]);
    EXPECT_NE(answers[3].find("none.wrg was not found"), std::string::npos) << answers[3];
    EXPECT_NE(answers[4].find("field \\\"Project\\\" must be a string"), std::string::npos) << answers[4];
    const RunResult lineProject = RunWrgcalc("calculate --batch" + Settings("empty.ini"), lines);
    EXPECT_EQ(Lines(lineProject.out).at(2) + "\n", json.out);
}

TEST_F(ProjectCommand, RefusedProjectCalculatesNothingAndWarningsGoToStderr)
{
    const std::string project = Path("bad.wrg");
    std::ofstream(project) << R"({"Format":"WRG project","Inputs":{"ExtractHumWinter":150}})";
    const RunResult refused = RunWrgcalc("calculate --json" + Settings("empty.ini") + " --project \"" + project + "\"");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("\"Inputs.ExtractHumWinter\" must lie between 0 and 100"), std::string::npos)
        << refused.err;

    std::ofstream(project) << R"({"Format":"WRG project","Version":2,"Inputs":{"DeviceType":3}})";
    const RunResult warned = RunWrgcalc("calculate --json" + Settings("empty.ini") + " --project \"" + project + "\"");
    EXPECT_EQ(warned.status, 0) << warned.err;
    EXPECT_EQ(nlohmann::json::parse(warned.out)["CalcInputs"]["DeviceType"], 3);
    EXPECT_NE(warned.err.find("warning: " + project + " was written by a later version"), std::string::npos);
    EXPECT_NE(warned.err.find("Inputs.WheelDiameter"), std::string::npos) << "named as missing";

    EXPECT_EQ(RunWrgcalc("calculate --project x.wrg --climate x.cli").status, 2);
    EXPECT_EQ(RunWrgcalc("project new" + Settings("empty.ini")).status, 2) << "--out is required";
    const RunResult noSettings = RunWrgcalc("project new" + Settings("none.ini") + " --out \"" + project + "\"");
    EXPECT_EQ(noSettings.status, 1);
    EXPECT_NE(noSettings.err.find("not found"), std::string::npos);
}

}  // namespace
