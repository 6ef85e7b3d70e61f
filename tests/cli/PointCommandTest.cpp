// wrgcalc point: one operating point per JSON line, every field by name.

#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "cli/PointCommand.h"

namespace {

using nlohmann::json;

// The worked example through a device of the given name (plates have no wheel).
json WorkedExample(const std::string& device, const json& fields = json::object())
{
    json input = json::parse(R"({"Pressure":1013,"RotorDiameter":1500,
        "Stream1":{"Inlet":{"StdVolFlow":5000,"Temp":-10,"RelHum":80}},
        "Stream2":{"Inlet":{"StdVolFlow":5000,"Temp":22,"RelHum":40}}})");
    input["Device"] = device;
    if (device == "PWT" || device == "GS")
        input.erase("RotorDiameter");
    input.merge_patch(fields);
    return input;
}

json Answer(const json& input)
{
    return json::parse(AnswerPointLine(input));
}

// Each device name reads its fields into its own class and answers its results.
TEST(PointCommand, WorkedExamplesOfEveryDevice)
{
    const struct {
        const char* device;
        json fields;
        const char* result;
        double value, tolerance;
    } rows[] = {
        {"RWT", {{"RotorType", 0}}, "/TempEff1", 80.1, 0.05},
        {"RWT", {{"RotorType", 0}}, "/HumEff1", 56.7, 0.05},
        {"RWT", {{"RotorType", 0}}, "/Stream1/PressureDrop", 47.1, 0.05},
        {"RWT", {{"RotorType", 0}}, "/Stream2/PressureDrop", 57.8, 0.05},
        {"RWT_X", {{"RotorType", 5}}, "/TempEff1", 85.9, 0.05},
        {"ZEPRA_2000",
         {{"RotorType", 5}, {"OperatingMode", 1}, {"RotorDepth", 250}, {"FoilThickness", 0.114}, {"WaveHeight", 2.0}},
         "/OperatingMode",
         1,
         0},
        {"PWT",
         {{"EdgeLength", 1000}, {"PackageWidth", 1000}, {"SpacingIndex", 2}, {"UnitCount", 2}},
         "/EffTemp1",
         76.07,
         0.01},
        {"PWT", {{"EdgeLength", 1000}, {"PackageWidth", 1000}, {"SpacingIndex", 2}}, "/PlateSpacing", 5.5, 0},
        {"GS", {{"GsSize", 2062}, {"PackageWidth", 1000}}, "/EffTemp1", 85, 15},
    };
    for (const auto& row : rows) {
        const json a = Answer(WorkedExample(row.device, row.fields));
        SCOPED_TRACE(a.dump());
        EXPECT_EQ(a["Status"], 0);
        EXPECT_NEAR(a[json::json_pointer(row.result)].get<double>(), row.value, row.tolerance) << row.result;
    }
    EXPECT_EQ(Answer(WorkedExample("RWT"))["WavePitch"], 5.2);  // the constructor default
    EXPECT_FALSE(Answer(WorkedExample("RWT_X")).contains("WavePitch"));
}

TEST(PointCommand, AnswersEveryFieldInClassOrder)
{
    const json a = Answer(WorkedExample("RWT"));
    // The parsed object sorts its keys; the text keeps the order written.
    const std::string text = AnswerPointLine(WorkedExample("RWT"));
    EXPECT_EQ(
        text.rfind(
            R"({"Device":"RWT","Status":0,"StateMode":0,"FlowMode":0,"Pressure":1013,"Stream1":{"Inlet":{"StdVolFlow":5000,)",
            0),
        0u);
    EXPECT_LT(text.find("\"RotorType\""), text.find("\"WavePitch\""));
    for (const char* stream : {"Stream1", "Stream2"}) {
        for (const char* part : {"Inlet", "Outlet", "PressureDrop", "PressureDropStd", "FaceVelocity", "Velocity"})
            EXPECT_TRUE(a[stream].contains(part)) << stream << '.' << part;
        EXPECT_EQ(a[stream]["Outlet"].size(), 12u);
    }
}

// A calculation that fails is an answer with Status 100, not an error.
TEST(PointCommand, AbsurdDevicesEndWithStatus100)
{
    const std::pair<const char*, json> rows[] = {
        {"RWT", {{"RotorDiameter", -1500}}},
        {"ZEPRA_2000", {{"RotorDiameter", 130}, {"OperatingMode", 1}}},
        {"GS", {{"GsSize", 40}, {"PackageWidth", 1000}}},
        {"RWT", {{"Stream1", {{"Inlet", {{"StdVolFlow", 1e308}}}}}}},
        {"RWT", {{"Stream2", {{"Inlet", {{"StdVolFlow", 0}}}}}}},
        {"RWT", {{"Stream1", {{"Inlet", {{"Temp", 5000}}}}}}},
    };
    for (const auto& [device, fields] : rows)
        EXPECT_EQ(Answer(WorkedExample(device, fields))["Status"], 100) << device << fields.dump();
    EXPECT_EQ(Answer(json{{"Device", "RWT"}})["Status"], 100) << "no streams at all: nothing flows";
}

TEST(PointCommand, BadFieldsAreNamed)
{
    const std::pair<json, const char*> rows[] = {
        {json{{"RotorType", 0}}, "missing field \"Device\""},
        {json{{"Device", 3}}, "field \"Device\" must be a string"},
        {json{{"Device", "XYZ"}}, "names no device: \"XYZ\""},
        {json{{"Device", "RWT"}, {"Bogus", 1}}, "unknown field \"Bogus\""},
        {json{{"Device", "RWT"}, {"UnitCount", 1}}, "field \"UnitCount\" is not a field of TDatenRWT"},
        {json{{"Device", "PWT"}, {"RotorDiameter", 1}}, "field \"RotorDiameter\" is not a field of TDatenPWT"},
        {json{{"Device", "RWT_X"}, {"WavePitch", 5}}, "field \"WavePitch\" is not a field of TDatenRWT_X"},
        {json{{"Device", "RWT"}, {"Stream1", {{"Inlet", {{"Tmp", 1}}}}}}, "unknown field \"Stream1.Inlet.Tmp\""},
        {json{{"Device", "RWT"}, {"Stream1", 5}}, "field \"Stream1\" must be an object"},
        {json{{"Device", "RWT"}, {"RotorType", 256}}, "field \"RotorType\" must be a whole number from 0 to 255"},
        {json{{"Device", "RWT"}, {"RotorType", 1.5}}, "field \"RotorType\" must be a whole number"},
        {json{{"Device", "RWT"}, {"RotorDiameter", 3e9}}, "field \"RotorDiameter\" must be a whole number"},
        {json{{"Device", "RWT"}, {"RotorSpeed", "fast"}}, "field \"RotorSpeed\" must be a number, not string"},
        {json{{"Device", "RWT"}, {"Stream2", {{"Inlet", {{"Temp", true}}}}}},
         "field \"Stream2.Inlet.Temp\" must be a number, not boolean"},
    };
    for (const auto& [input, message] : rows) {
        try {
            AnswerPointLine(input);
            ADD_FAILURE() << "no error for " << input.dump();
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

TEST(PointCommand, HelpListsTheFieldsOfEveryDevice)
{
    const std::string help = PointCommandHelp();
    for (const char* word : {"RWT (TDatenRWT)", "ZEPRA_2000 (TDatenZEPRA_2000)", "OperatingMode", "WavePitch",
                             "CondensationState", "StdVolFlow"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

}  // namespace
