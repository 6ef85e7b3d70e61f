// Project files: what is written reads back exactly, keys of later versions
// survive, missing fields are named, and every refusal names its field.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "core/climate/CalcInputsFields.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/project/ProjectFile.h"
#include "tests/core/project/ProjectSamples.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

Outcome<ProjectRead> Read(const Json& document)
{
    return ProjectOfText(document.dump(), "test.wrg");
}

Json SampleDocument()
{
    return Json::parse(ProjectText(SampleProject(true)));
}

TEST(ProjectFile, EveryFieldAndTheEmbeddedClimateReadBackExactly)
{
    // The sample must change every input, or a field that is not written
    // would go unnoticed; the zone is the climate's.
    const CalcInputs sample = SampleInputs();
    const CalcInputs first;
    for (const CalcInputField& field : CalcInputFields) {
        if (field.member == CalcInputMember(&CalcInputs::ClimateZone))
            continue;
        if (HoldsText(field.member)) {
            const auto text = std::get<std::string CalcInputs::*>(field.member);
            EXPECT_NE(sample.*text, first.*text) << field.name;
        } else {
            EXPECT_NE(NumberOf(sample, field.member), NumberOf(first, field.member)) << field.name;
        }
    }

    for (const bool embedded : {true, false}) {
        SCOPED_TRACE(embedded ? "embedded climate" : "built-in zone");
        const Project written = SampleProject(embedded);
        const std::string text = ProjectText(written);
        const Outcome<ProjectRead> read = ProjectOfText(text, "test.wrg");
        ASSERT_TRUE(read.ok()) << read.message().Text();
        EXPECT_TRUE(read.value().warnings.empty());
        const Project& project = read.value().project;
        EXPECT_TRUE(SameDesign(project, written));
        EXPECT_EQ(project.Inputs, written.Inputs);
        EXPECT_EQ(project.EmbeddedClimate, written.EmbeddedClimate);
        EXPECT_EQ(ProjectText(project), text) << "written again byte for byte";
        EXPECT_EQ(text.rfind("{\n  \"Format\": \"WRG project\",\n  \"Version\": 1,\n", 0), 0u) << text;
    }
}

// A climate name from an old file may hold bytes that are not UTF-8: the
// project is still written, with U+FFFD in their place.
TEST(ProjectFile, NameThatIsNotUtf8IsWrittenReadably)
{
    Project project = SampleProject(true);
    project.EmbeddedClimate->Name = "Caf\xe9 Nord";
    const Outcome<ProjectRead> read = ProjectOfText(ProjectText(project), "test.wrg");
    ASSERT_TRUE(read.ok()) << read.message().Text();
    EXPECT_EQ(read.value().project.EmbeddedClimate->Name, "Caf\uFFFD Nord");
}

TEST(ProjectFile, KeysOfALaterVersionAreKeptAndItOpensWithAWarning)
{
    Json document = SampleDocument();
    document["Version"] = 3;
    document["Rooms"] = Json::array({"OP 1", "OP 2"});
    document["Inputs"]["FanPower"] = 4.5;
    document["Climate"]["Source"] = Json{{"Station", 10685}};
    const Outcome<ProjectRead> read = Read(document);
    ASSERT_TRUE(read.ok()) << read.message().Text();
    ASSERT_EQ(read.value().warnings.size(), 1u);
    EXPECT_EQ(read.value().warnings[0].textIndex, TextId::ProjectLaterVersion);
    EXPECT_TRUE(SameDesign(read.value().project, SampleProject(true)));

    const Json again = Json::parse(ProjectText(read.value().project));
    EXPECT_EQ(again["Version"], 1);
    EXPECT_EQ(again["Rooms"], document["Rooms"]);
    EXPECT_EQ(again["Inputs"]["FanPower"], 4.5);
    EXPECT_EQ(again["Climate"]["Source"]["Station"], 10685);
    EXPECT_EQ(again.back(), document["Rooms"]) << "unknown keys after the known ones";
}

TEST(ProjectFile, MissingFieldsTakeTheirFirstStartValuesAndAreNamed)
{
    const Outcome<ProjectRead> read = Read(Json{{"Format", "WRG project"}, {"Inputs", {{"DeviceType", 2}}}});
    ASSERT_TRUE(read.ok()) << read.message().Text();
    CalcInputs expected;
    expected.DeviceType = DeviceKind::CrossFlowPlate;
    EXPECT_EQ(read.value().project.Inputs, expected);
    EXPECT_TRUE(read.value().project.SIUnits);
    ASSERT_EQ(read.value().warnings.size(), 1u);
    const std::string warning = read.value().warnings[0].Text();
    for (const char* name : {"Version", "Title", "UnitSystem", "Climate", "Inputs.WheelDiameter", "Inputs.ServiceMode"})
        EXPECT_NE(warning.find(name), std::string::npos) << name;
    EXPECT_EQ(warning.find("PlateEdge,"), std::string::npos) << "the edge follows its list position";
    EXPECT_EQ(warning.find("DeviceType"), std::string::npos);
}

TEST(ProjectFile, EachRefusalNamesItsField)
{
    const struct {
        const char* what;
        std::function<void(Json&)> change;
        TextId refusal;
        const char* named;
    } rows[] = {
        {"wrong format", [](Json& d) { d["Format"] = "WRG projekt"; }, TextId::ProjectWrongFormat, "\"Format\""},
        {"not an object", [](Json& d) { d = Json::array({d}); }, TextId::ProjectWrongFormat, "\"Format\""},
        {"version 0", [](Json& d) { d["Version"] = 0; }, TextId::ProjectFieldNotAllowed, "\"Version\""},
        {"title a number", [](Json& d) { d["Title"] = 3; }, TextId::ProjectFieldNotText, "\"Title\""},
        {"unit system", [](Json& d) { d["UnitSystem"] = "metric"; }, TextId::ProjectFieldNotAllowed, "metric"},
        {"inputs a list", [](Json& d) { d["Inputs"] = Json::array(); }, TextId::ProjectFieldNotObject, "\"Inputs\""},
        {"text for a number", [](Json& d) { d["Inputs"]["WheelDiameter"] = "big"; }, TextId::ProjectFieldNotNumber,
         "\"Inputs.WheelDiameter\""},
        {"number for a flag", [](Json& d) { d["Inputs"]["SupplyTempControl"] = 1; }, TextId::ProjectFieldNotBool,
         "\"Inputs.SupplyTempControl\""},
        {"fraction of units", [](Json& d) { d["Inputs"]["SeriesCount"] = 2.5; }, TextId::ProjectFieldNotWhole,
         "\"Inputs.SeriesCount\""},
        {"beyond an int", [](Json& d) { d["Inputs"]["DrivePower"] = 1e12; }, TextId::ProjectFieldNotWhole,
         "\"Inputs.DrivePower\""},
        {"humidity 150", [](Json& d) { d["Inputs"]["ExtractHumWinter"] = 150; }, TextId::ProjectFieldOutOfRange,
         "\"Inputs.ExtractHumWinter\" must lie between 0 and 100 (found: 150)"},
        {"negative price", [](Json& d) { d["Inputs"]["PriceHeat"] = -1; }, TextId::ProjectFieldTooLow,
         "\"Inputs.PriceHeat\" must be 0 or more"},
        {"size not listed", [](Json& d) { d["Inputs"]["GSSize"] = 31; }, TextId::ProjectFieldNotAllowed,
         "\"Inputs.GSSize\""},
        {"cost mode", [](Json& d) { d["Inputs"]["ServiceMode"] = 3; }, TextId::ProjectFieldNotAllowed,
         "\"Inputs.ServiceMode\""},
        {"edge of another position", [](Json& d) { d["Inputs"]["PlateEdge"] = PlateEdgeList[0]; },
         TextId::ProjectFieldNotAllowed, "\"Inputs.PlateEdge\""},
        {"profile of another rotor",
         [](Json& d) {
             d["Inputs"]["RotorTypeCode"] = 10;
             d["Inputs"]["StorageMassCode"] = "C22";
         },
         TextId::ProjectFieldNotAllowed, "\"Inputs.StorageMassCode\""},
        {"half a heating period", [](Json& d) { d["Inputs"]["HeatingMonthFrom"] = 10; }, TextId::ProjectFieldNotAllowed,
         "\"Inputs.HeatingMonthTo\""},
        {"zone of a user file",
         [](Json& d) {
             d["Climate"] = {{"Zone", 4}};
         },
         TextId::ProjectFieldOutOfRange, "\"Climate.Zone\""},
        {"zone and data", [](Json& d) { d["Climate"]["Zone"] = 1; }, TextId::ProjectClimateZoneAndData, "\"Zone\""},
        {"eleven months", [](Json& d) { d["Climate"]["MaxTemp"].erase(0); }, TextId::ProjectFieldNotMonths,
         "\"Climate.MaxTemp\""},
        {"no minimum times", [](Json& d) { d["Climate"].erase("MinTime"); }, TextId::ProjectFieldRequired,
         "\"Climate.MinTime\""},
        {"empty name", [](Json& d) { d["Climate"]["Name"] = ""; }, TextId::ProjectFieldEmpty, "\"Climate.Name\""},
        {"hot June", [](Json& d) { d["Climate"]["MinTemp"][5] = 51; }, TextId::ProjectClimateValue,
         "\"Climate.MinTemp\" in month 6"},
        {"same times", [](Json& d) { d["Climate"]["MaxTime"][0] = 6.5; }, TextId::ProjectClimateValue,
         "\"Climate.MaxTime\" in month 1"},
        {"runaway curve", [](Json& d) { d["Climate"]["MaxTime"][2] = 7; }, TextId::ProjectClimateTimes, "month 3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Json document = SampleDocument();
        row.change(document);
        const Outcome<ProjectRead> read = Read(document);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.message().textIndex, row.refusal);
        const std::string text = read.message().Text();
        EXPECT_EQ(text.rfind("test.wrg", 0), 0u) << text;
        EXPECT_NE(text.find(row.named), std::string::npos) << text;
    }
}

TEST(ProjectFile, TextThatIsNoProjectIsRefusedWithItsPlace)
{
    const Outcome<ProjectRead> truncated = ProjectOfText("{\n  \"Format\": \"WRG project\",\n  \"Inputs\": {", "a.wrg");
    ASSERT_FALSE(truncated.ok());
    EXPECT_EQ(truncated.message().textIndex, TextId::ProjectNotJson);
    EXPECT_NE(truncated.message().Text().find("line 3, column 14"), std::string::npos) << truncated.message().Text();

    for (const std::string& text : {std::string("{\"Format\": \"WRG \xff project\"}"), std::string("{\"a\": 1e999}"),
                                    std::string(""), std::string("\0{}", 3)}) {
        const Outcome<ProjectRead> read = ProjectOfText(text, "a.wrg");
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.message().textIndex, TextId::ProjectNotJson) << read.message().Text();
    }

    const std::string deep = "{\"Format\": \"WRG project\", \"x\": " + std::string(100000, '[') +
                             std::string(100000, ']') + "}";
    const Outcome<ProjectRead> nested = ProjectOfText(deep, "a.wrg");
    ASSERT_FALSE(nested.ok());
    EXPECT_EQ(nested.message().textIndex, TextId::ProjectNestedTooDeep);
}

// The example of the documentation is a project as this version writes it:
// complete, nothing to warn about, byte for byte.
TEST(ProjectFile, ExampleOfTheDocumentationIsCurrent)
{
    const Outcome<ProjectRead> read = ReadProjectFile(WRG_EXAMPLE_PROJECT);
    ASSERT_TRUE(read.ok()) << read.message().Text();
    EXPECT_TRUE(read.value().warnings.empty()) << read.value().warnings.at(0).Text();
    EXPECT_FALSE(read.value().project.Title.empty());
    std::ifstream file(WRG_EXAMPLE_PROJECT, std::ios::binary);
    EXPECT_EQ(ProjectText(read.value().project), std::string(std::istreambuf_iterator<char>(file), {}));
}

class ProjectFiles : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(testing::TempDir()) / ("wrg-project-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

TEST_F(ProjectFiles, WrittenReadAndRefusedByPath)
{
    const std::string path = PathOf("unit 3.wrg");
    ASSERT_FALSE(WriteProjectFile(path, SampleProject(true)));
    const Outcome<ProjectRead> read = ReadProjectFile(path);
    ASSERT_TRUE(read.ok()) << read.message().Text();
    EXPECT_TRUE(SameDesign(read.value().project, SampleProject(true)));

    // A folder in the way of the write: refused, the folder left as it is.
    const std::optional<CoreMessage> failed = WriteProjectFile(dir_.string(), SampleProject(false));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->textIndex, TextId::ProjectFileNotWritten);
    EXPECT_TRUE(fs::is_directory(dir_));

    std::ofstream(PathOf("huge.wrg")) << std::string(ProjectFileMaxSize + 1, ' ');
    const struct {
        std::string path;
        TextId refusal;
    } rows[] = {{PathOf("none.wrg"), TextId::ProjectFileNotFound},
                {dir_.string(), TextId::ProjectNotRegularFile},
                {PathOf("huge.wrg"), TextId::ProjectFileTooLarge}};
    for (const auto& row : rows) {
        const Outcome<ProjectRead> refused = ReadProjectFile(row.path);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.message().textIndex, row.refusal) << row.path;
        EXPECT_NE(refused.message().Text().find(row.path), std::string::npos);
    }
}

TEST_F(ProjectFiles, ZoneOfAUserFileIsEmbedded)
{
    const std::string cli = PathOf("hof.cli");
    ASSERT_FALSE(WriteClimateFile(cli, SampleClimate()));
    const ClimateFileLists lists{{PathOf("gone.cli"), cli}, {"Gone", "Hof"}};
    CalcInputs in = SampleInputs();

    in.ClimateZone = 3;
    const Outcome<Project> builtIn = ProjectOfZone(in, true, lists);
    ASSERT_TRUE(builtIn.ok());
    EXPECT_FALSE(builtIn.value().EmbeddedClimate);
    EXPECT_EQ(builtIn.value().Inputs, in);

    in.ClimateZone = 5;
    const Outcome<Project> user = ProjectOfZone(in, true, lists);
    ASSERT_TRUE(user.ok()) << user.message().Text();
    EXPECT_EQ(user.value().EmbeddedClimate, SampleClimate());
    EXPECT_EQ(user.value().Inputs.ClimateZone, EmbeddedClimateZone);
    EXPECT_EQ(ProjectClimateName(user.value(), 1), SampleClimate().Name);

    in.ClimateZone = 4;
    EXPECT_FALSE(ProjectOfZone(in, true, lists).ok()) << "a file that is gone";

    // The "*" of the window: any change of what is saved, not the unknown keys.
    Project changed = user.value();
    changed.UnknownKeys.Top["Later"] = 1;
    EXPECT_TRUE(SameDesign(changed, user.value()));
    const std::function<void(Project&)> changes[] = {[](Project& p) { p.Title = "x"; },
                                                     [](Project& p) { p.Note = "x"; },
                                                     [](Project& p) { p.SIUnits = false; },
                                                     [](Project& p) { p.Inputs.DaysPerWeek = 5.5000000000000009; },
                                                     [](Project& p) { p.EmbeddedClimate->MaxTemp[11] += 0.25; },
                                                     [](Project& p) { p.EmbeddedClimate.reset(); }};
    for (const auto& change : changes) {
        changed = user.value();
        change(changed);
        EXPECT_FALSE(SameDesign(changed, user.value()));
    }
}

}  // namespace
