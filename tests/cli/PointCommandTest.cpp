// wrgcalc point: one operating point per JSON line, every field by name.

#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "cli/PointCommand.h"

namespace {

using nlohmann::json;

json WorkedExample(const std::string& device)
{
    json input = json::parse(R"({"Pressure":1013,"RotorDiameter":1500,
        "Stream1":{"Inlet":{"StdVolFlow":5000,"Temp":-10,"RelHum":80}},
        "Stream2":{"Inlet":{"StdVolFlow":5000,"Temp":22,"RelHum":40}}})");
    input["Device"] = device;
    return input;
}

json Answer(const json& input)
{
    return json::parse(AnswerPointLine(input));
}

TEST(PointCommand, WorkedExamplesOfTheRotaryExchangers)
{
    json rwt = WorkedExample("RWT");
    rwt["RotorType"] = 0;
    const json a = Answer(rwt);
    EXPECT_EQ(a["Status"], 0);
    EXPECT_NEAR(a["Stream1"]["FaceVelocity"].get<double>(), 1.41, 0.005);
    EXPECT_NEAR(a["Stream1"]["PressureDrop"].get<double>(), 47.1, 0.05);
    EXPECT_NEAR(a["Stream2"]["PressureDrop"].get<double>(), 57.8, 0.05);
    EXPECT_NEAR(a["TempEff1"].get<double>(), 80.1, 0.05);
    EXPECT_NEAR(a["HumEff1"].get<double>(), 56.7, 0.05);
    EXPECT_EQ(a["WavePitch"], 5.2);  // the constructor default

    json x = WorkedExample("RWT_X");
    x["RotorType"] = 5;
    const json b = Answer(x);
    EXPECT_EQ(b["Status"], 0);
    EXPECT_NEAR(b["Stream1"]["PressureDrop"].get<double>(), 41.8, 0.05);
    EXPECT_NEAR(b["TempEff1"].get<double>(), 85.9, 0.05);
    EXPECT_FALSE(b.contains("WavePitch"));

    json zepra = WorkedExample("ZEPRA_2000");
    zepra.update({{"RotorType", 5}, {"OperatingMode", 1}, {"RotorDepth", 250}, {"FoilThickness", 0.114},
                  {"WaveHeight", 2.0}});
    const json c = Answer(zepra);
    EXPECT_EQ(c["Status"], 0);
    EXPECT_EQ(c["OperatingMode"], 1);
}

TEST(PointCommand, AnswersEveryFieldInClassOrder)
{
    const json a = Answer(WorkedExample("RWT"));
    // The parsed object sorts its keys; the text keeps the order written.
    const std::string text = AnswerPointLine(WorkedExample("RWT"));
    EXPECT_EQ(text.rfind(R"({"Device":"RWT","Status":0,"StateMode":0,"FlowMode":0,"Pressure":1013,"Stream1":{"Inlet":{"StdVolFlow":5000,)", 0),
              0u);
    EXPECT_LT(text.find("\"RotorType\""), text.find("\"WavePitch\""));
    for (const char* stream : {"Stream1", "Stream2"}) {
        for (const char* part : {"Inlet", "Outlet", "PressureDrop", "PressureDropStd", "FaceVelocity", "Velocity"})
            EXPECT_TRUE(a[stream].contains(part)) << stream << '.' << part;
        EXPECT_EQ(a[stream]["Outlet"].size(), 12u);
    }
}

TEST(PointCommand, PlateExchangers)
{
    json pwt = WorkedExample("PWT");
    pwt.erase("RotorDiameter");
    pwt.update({{"EdgeLength", 1000}, {"PackageWidth", 1000}, {"SpacingIndex", 2}, {"UnitCount", 2}});
    const json a = Answer(pwt);
    EXPECT_EQ(a["Status"], 0);
    EXPECT_EQ(a["ModuleEdge"], 1000);
    EXPECT_EQ(a["PlateSpacing"], 5.5);
    EXPECT_NEAR(a["EffTemp1"].get<double>(), 76.07, 0.01);

    json gs = WorkedExample("GS");
    gs.erase("RotorDiameter");
    gs.update({{"GsSize", 2062}, {"PackageWidth", 1000}});
    const json b = Answer(gs);
    EXPECT_EQ(b["Status"], 0);
    EXPECT_GT(b["EffTemp1"].get<double>(), 70);
    EXPECT_EQ(b["HeatSens2"].get<double>(), -b["HeatSens1"].get<double>());
}

TEST(PointCommand, AbsurdDevicesEndWithStatus100)
{
    struct Row {
        const char* device;
        json fields;
    };
    const Row rows[] = {
        {"RWT", {{"RotorDiameter", -1500}}},
        {"RWT", {{"RotorDepth", -200}}},
        {"RWT", {{"RotorDiameter", 0}}},
        {"RWT", {{"WavePitch", 0}}},
        {"RWT_X", {{"RotorSpeed", 0}}},
        {"ZEPRA_2000", {{"RotorDiameter", 130}, {"OperatingMode", 1}}},
        {"PWT", {{"EdgeLength", 1234}, {"PackageWidth", 1000}, {"SpacingIndex", 4}}},
        {"PWT", {{"EdgeLength", 1000}, {"PackageWidth", 1000}, {"SpacingIndex", 2}, {"UnitCount", 9}}},
        {"GS", {{"GsSize", 40}, {"PackageWidth", 1000}}},
        {"RWT", {{"Stream1", {{"Inlet", {{"StdVolFlow", 1e308}}}}}}},
        {"RWT", {{"Stream2", {{"Inlet", {{"StdVolFlow", 0}}}}}}},
        {"RWT", {{"Stream1", {{"Inlet", {{"Temp", 5000}}}}}}},
    };
    for (const Row& row : rows) {
        json input = WorkedExample(row.device);
        if (input["Device"] == "PWT" || input["Device"] == "GS")
            input.erase("RotorDiameter");
        input.merge_patch(row.fields);
        SCOPED_TRACE(input.dump());
        EXPECT_EQ(Answer(input)["Status"], 100);
    }
    // No streams at all: nothing flows.
    EXPECT_EQ(Answer(json{{"Device", "RWT"}})["Status"], 100);
}

TEST(PointCommand, BadFieldsAreNamed)
{
    struct Row {
        json input;
        const char* message;
    };
    const Row rows[] = {
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
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input.dump());
        try {
            AnswerPointLine(row.input);
            ADD_FAILURE() << "no error";
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos) << error.what();
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
