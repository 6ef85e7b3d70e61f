// The device page's rules and lists.

#include "core/forms/DevicePageRules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/climate/CalcInputs.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/RotorModel.h"
#include "core/text/Catalogue.h"

namespace {

constexpr NumberSeparators Point{'.', ','};
constexpr NumberSeparators Comma{',', '.'};
constexpr int German = 1;
constexpr int English = 2;

constexpr std::array<DeviceKind, 3> Devices = {DeviceKind::Rotary, DeviceKind::CrossFlowPlate,
                                               DeviceKind::CounterflowPlate};

TEST(DevicePageEnabling, EachFamilyAppliesItsWholeRow)
{
    // The controls of each family, enabled for that family only.
    const std::pair<DeviceKind, std::vector<std::string_view>> rows[] = {
        {DeviceKind::Rotary, {"Combo_Rotortyp", "Edit_Rad", "Combo_Speichermasse", "Edit_Antrieb", "RadioButton4"}},
        {DeviceKind::CrossFlowPlate,
         {"Combo_Kantenmass", "Combo_Plattenabstand", "ComboBox_AnzahlReihe", "Edit_PWTBreite"}},
        {DeviceKind::CounterflowPlate, {"ComboBox11", "Edit_GSBreite"}}};
    for (const DeviceKind device : Devices) {
        const DevicePageState state = DevicePageStateOf(device, 0, SummerOperation::TemperatureComparison);
        for (const auto& [family, controls] : rows)
            for (const std::string_view name : controls) {
                const ControlState* control = state.Find(name);
                ASSERT_TRUE(control != nullptr && control->enabled.has_value()) << name;
                EXPECT_EQ(*control->enabled, family == device) << name << " device " << device;
            }
    }
    // Labels are left alone; an unknown family is taken as rotary.
    const DevicePageState plate = DevicePageStateOf(DeviceKind::CrossFlowPlate, 0,
                                                    SummerOperation::TemperatureComparison);
    EXPECT_FALSE(plate.Find("L_Speichermasse")->enabled.has_value());
    EXPECT_TRUE(plate.Enabled("L_Rotortyp", true));
    EXPECT_TRUE(DevicePageStateOf(static_cast<DeviceKind>(0), 0, SummerOperation::TemperatureComparison)
                    .Enabled("Combo_Rotortyp"));
}

TEST(DevicePageSummerMode, OnlyPlatesReplaceEnthalpyComparison)
{
    for (const DeviceKind device : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        const DevicePageState state = DevicePageStateOf(device, 0, SummerOperation::EnthalpyComparison);
        EXPECT_EQ(state.summerMode, SummerOperation::TemperatureComparison) << device;
        EXPECT_FALSE(state.Enabled("RadioButton4", true)) << device;
    }
    for (const DeviceKind device : Devices)
        EXPECT_EQ(SummerModeAfterDeviceChange(device, SummerOperation::SwitchOverTemperature),
                  SummerOperation::SwitchOverTemperature)
            << device;
    EXPECT_EQ(SummerModeAfterDeviceChange(DeviceKind::Rotary, SummerOperation::EnthalpyComparison),
              SummerOperation::EnthalpyComparison);
    EXPECT_EQ(DevicePageStateOf(DeviceKind::Rotary, 0, SummerOperation::TemperatureComparison).summerMode,
              SummerOperation::TemperatureComparison);
}

TEST(DevicePageVisibility, ZepraHidesTheProfileRow)
{
    for (const DeviceKind device : Devices) {
        for (int item = -1; item < RotorItemCount; ++item) {
            const DevicePageState state = DevicePageStateOf(device, item, SummerOperation::TemperatureComparison);
            for (const std::string_view name : {"Combo_Speichermasse", "L_Speichermasse", "Button_Help_Rotorprofil"}) {
                ASSERT_TRUE(state.Find(name) != nullptr && state.Find(name)->visible.has_value()) << name;
                EXPECT_EQ(*state.Find(name)->visible, item != ZepraRotorItem) << name << " item " << item;
            }
        }
    }
}

TEST(DevicePageRotorList, EntriesCodesCaptionsAndProfiles)
{
    struct Case {
        int code;
        std::string_view profiles;
        std::string_view english;
        std::string_view german;
    };
    constexpr std::array<Case, 5> Cases = {{
        {1, "A25,B19,C19,D19,B16,D16", "Aluminium - Condensation rotor type RK",
         "Aluminium - Kondensationsrotor Typ RK"},
        {3, "C19", "Aluminium - Epoxy-coated type RE", "Aluminium - Epoxidbeschichtet Typ RE"},
        {2, "A25,B19,C19,D19,B16,D16", "Aluminium - Enthalpy rotor type RH", "Aluminium - Enthalpierotor Typ RH"},
        {6, "D19,D17", "Aluminium - Sorption rotor type RS", "Aluminium - Sorptionsrotor Typ RS"},
        {10, "D19,D17", "ZEPRA Enthalpy rotor", "ZEPRA Enthalpierotor"},
    }};
    const std::vector<std::string> english = RotorItemCaptions(English);
    ASSERT_EQ(english.size(), Cases.size());
    for (int item = 0; item < RotorItemCount; ++item) {
        const Case& c = Cases[static_cast<std::size_t>(item)];
        EXPECT_EQ(RotorCodeOfItem(item), c.code);
        EXPECT_EQ(RotorItemOfCode(c.code), item);
        EXPECT_EQ(ProfileListOfRotorCode(c.code), c.profiles);
        EXPECT_EQ(english[static_cast<std::size_t>(item)], c.english);
        EXPECT_EQ(RotorItemCaption(item, German), c.german);
        EXPECT_EQ(CodeOfRotorType(RotorTypeOfCode(c.code)), c.code);
    }
    for (const int language : OfferedLanguages)
        for (const std::string& caption : RotorItemCaptions(language))
            EXPECT_FALSE(caption.empty()) << "language " << language;
    EXPECT_EQ(RotorCodeOfItem(5), 0);
    EXPECT_EQ(RotorItemOfCode(4), -1);
    EXPECT_EQ(ProfilesOfRotorCode(0), std::vector<std::string>{"C19"});
    EXPECT_EQ(ProfilesOfRotorCode(6), (std::vector<std::string>{"D19", "D17"}));
}

TEST(DevicePageProfile, KeptOtherwiseThirdEntryOrLast)
{
    // {profile before, rotor code, profile after}
    const std::tuple<const char*, int, const char*> cases[] = {
        {"B16", 3, "C19"}, {"C19", 1, "C19"}, {"D19", 6, "D19"}, {"B16", 6, "D17"},  // two entries: the last
        {"D17", 1, "C19"},                                                           // six entries: the third
        {"A25", 0, "C19"},                                                           // no rotor selected
    };
    for (const auto& [before, code, after] : cases)
        EXPECT_EQ(ProfileAfterRotorChange(before, code).Text(), after) << before << " code " << code;
    const ProfileChoice condensation = ProfileAfterRotorChange("C19", 1);
    EXPECT_EQ(condensation.selected, 2);
    EXPECT_EQ(condensation.profiles.size(), 6U);
    EXPECT_EQ(ProfileAfterRotorChange("D19", 6).selected, 0);
}

TEST(DevicePagePlateDistance, EveryEdgeOffersOnlyCalculableDistances)
{
    for (const int edge : PlateEdgeList) {
        const std::vector<PlateDistanceEntry> list = PlateDistanceList(edge, Point);
        EXPECT_GE(list.size(), 2U) << edge;  // the fallback entry exists
        for (const PlateDistanceEntry& entry : list) {
            EXPECT_NE(SpacingIndexOf(edge, entry.spacing), 0) << edge << " " << entry.spacing;
            EXPECT_EQ(entry.index, SpacingIndexOf(edge, entry.spacing)) << edge;
            EXPECT_EQ(PlateSpacingOf(edge, entry.index), entry.spacing) << edge;
        }
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_LT(list[i - 1].spacing, list[i].spacing) << edge;
    }
}

// The entries' indexes are checked by EveryEdgeOffersOnlyCalculableDistances.
TEST(DevicePagePlateDistance, ListsOfSelectedEdges)
{
    const std::pair<int, std::vector<std::string>> cases[] = {
        {200, {"1.8 mm", "2.0 mm"}},
        {1400, {"5.5 mm", "6.5 mm", "7.0 mm", "9.0 mm", "11.5 mm", "14.0 mm"}},
        // The module edge (800 mm) has 7.0 mm, the full edge does not.
        {2400, {"5.5 mm", "6.5 mm", "9.0 mm", "11.5 mm", "14.0 mm"}},
        {3200, {"9.0 mm", "11.5 mm", "14.0 mm"}},
    };
    for (const auto& [edge, expected] : cases) {
        std::vector<std::string> texts;
        for (const PlateDistanceEntry& e : PlateDistanceList(edge, Point))
            texts.push_back(e.text);
        EXPECT_EQ(texts, expected) << edge;
    }
    EXPECT_EQ(PlateDistanceList(1000, Comma)[4].text, "14,0 mm");
    EXPECT_EQ(PlateDistanceItemOfIndex(PlateDistanceList(2400, Point), 6), 4);
    EXPECT_EQ(PlateDistanceItemOfIndex(PlateDistanceList(2400, Point), 1), -1);
}

TEST(DevicePagePlateDistance, SelectionFallsBackToTheSecondEntry)
{
    EXPECT_EQ(PlateDistanceSelectionAfterChange(5, 2), 1);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(-1, 5), 1);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(0, 2), 0);  // the position is kept, not the value
    EXPECT_EQ(PlateDistanceSelectionAfterChange(5, 6), 5);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(3, 1), 0);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(0, 0), -1);
}

TEST(DevicePageExplanation, EnglishAndGermanTexts)
{
    const ProfileExplanation english = RotorProfileExplanation(English, Point);
    EXPECT_EQ(english.title, "Rotor profile");
    EXPECT_EQ(english.message,
              "Heat storing matrix out of see water resistant \naluminium alloy\n\nThickness of the foil:\n"
              "A:\t0.12 mm\nB:\t0.10 mm\nC:\t0.08 mm (standard)\nD:\t0.07 mm\n\n"
              "Wave height:\n25:\t2.50 mm\n19:\t1.90 mm (standard)\n17:\t1.70 mm\n16:\t1.60 mm\n");
    const ProfileExplanation german = RotorProfileExplanation(German, Comma);
    EXPECT_EQ(german.title, "Rotorprofil");
    EXPECT_NE(german.message.find("C:\t0,08 mm (Standard)\n"), std::string::npos);
    EXPECT_EQ(german.message.find('.'), std::string::npos);
}

}  // namespace
