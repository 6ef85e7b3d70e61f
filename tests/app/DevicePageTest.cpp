#include "app/DevicePage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "climate/CalcInputs.h"
#include "devices/PwtTables.h"
#include "devices/RotorModel.h"

namespace {

constexpr NumberSeparators Point{'.', ','};
constexpr NumberSeparators Comma{',', '.'};
constexpr int German = 1;
constexpr int English = 2;

// ---------------------------------------------------------------------------
// Enabling

struct EnablingCase {
    std::string_view control;
    std::array<bool, 3> enabled;  // rotary, cross-flow, counterflow
};

constexpr std::array<EnablingCase, 11> EnablingCases = {{
    {"Combo_Rotortyp", {true, false, false}},
    {"Edit_Rad", {true, false, false}},
    {"Combo_Speichermasse", {true, false, false}},
    {"Edit_Antrieb", {true, false, false}},
    {"Combo_Kantenmass", {false, true, false}},
    {"Combo_Plattenabstand", {false, true, false}},
    {"ComboBox_AnzahlReihe", {false, true, false}},
    {"Edit_PWTBreite", {false, true, false}},
    {"ComboBox11", {false, false, true}},
    {"Edit_GSBreite", {false, false, true}},
    {"RadioButton4", {true, false, false}},
}};

constexpr std::array<int, 3> Devices = {DeviceKind::Rotary, DeviceKind::CrossFlowPlate,
                                        DeviceKind::CounterflowPlate};

TEST(DevicePageEnabling, EachFamilyAppliesItsWholeRow)
{
    for (std::size_t d = 0; d < Devices.size(); ++d) {
        const DevicePageState state = DevicePageStateOf(Devices[d], 0, SummerOperation::TemperatureComparison);
        for (const EnablingCase& c : EnablingCases) {
            const ControlState* control = state.Find(c.control);
            ASSERT_NE(control, nullptr) << c.control;
            ASSERT_TRUE(control->enabled.has_value()) << c.control;
            EXPECT_EQ(*control->enabled, c.enabled[d]) << c.control << " device " << Devices[d];
        }
    }
}

TEST(DevicePageEnabling, LabelsAndUnknownControlsAreLeftAlone)
{
    const DevicePageState state = DevicePageStateOf(DeviceKind::CrossFlowPlate, 0, 1);
    ASSERT_NE(state.Find("L_Speichermasse"), nullptr);
    EXPECT_FALSE(state.Find("L_Speichermasse")->enabled.has_value());
    EXPECT_FALSE(state.Find("Button_Help_Rotorprofil")->enabled.has_value());
    EXPECT_FALSE(state.Find("Edit_Rad")->visible.has_value());
    EXPECT_EQ(state.Find("L_Rotortyp"), nullptr);
    EXPECT_EQ(state.Find("RadioButton3"), nullptr);
    EXPECT_TRUE(state.Enabled("L_Rotortyp", true));
}

TEST(DevicePageEnabling, UnknownFamilyIsTakenAsRotary)
{
    const DevicePageState state = DevicePageStateOf(0, 0, SummerOperation::EnthalpyComparison);
    EXPECT_TRUE(state.Enabled("Combo_Rotortyp"));
    EXPECT_FALSE(state.Enabled("Combo_Kantenmass", true));
    EXPECT_EQ(state.summerMode, SummerOperation::EnthalpyComparison);
}

TEST(DevicePageSummerMode, PlateExchangersReplaceEnthalpyComparison)
{
    for (const int device : {DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
        const DevicePageState state = DevicePageStateOf(device, 0, SummerOperation::EnthalpyComparison);
        EXPECT_EQ(state.summerMode, SummerOperation::TemperatureComparison) << device;
        EXPECT_FALSE(state.Enabled("RadioButton4", true)) << device;
    }
}

TEST(DevicePageSummerMode, OtherModesStayAndRotaryDoesNotCheckEnthalpy)
{
    constexpr std::array<int, 3> Kept = {SummerOperation::TemperatureComparison,
                                         SummerOperation::SwitchOverTemperature, SummerOperation::None};
    for (const int device : Devices)
        for (const int mode : Kept)
            EXPECT_EQ(SummerModeAfterDeviceChange(device, mode), mode) << device << " " << mode;
    // Back to the rotary exchanger: enthalpy comparison is offered, not chosen.
    const DevicePageState rotary = DevicePageStateOf(DeviceKind::Rotary, 0, SummerOperation::TemperatureComparison);
    EXPECT_TRUE(rotary.Enabled("RadioButton4"));
    EXPECT_EQ(rotary.summerMode, SummerOperation::TemperatureComparison);
    EXPECT_EQ(SummerModeAfterDeviceChange(DeviceKind::Rotary, SummerOperation::EnthalpyComparison),
              SummerOperation::EnthalpyComparison);
}

TEST(DevicePageVisibility, ZepraHidesTheProfileRow)
{
    constexpr std::array<std::string_view, 3> Row = {"Combo_Speichermasse", "L_Speichermasse",
                                                     "Button_Help_Rotorprofil"};
    for (const int device : Devices) {
        for (int item = -1; item < RotorItemCount; ++item) {
            const DevicePageState state = DevicePageStateOf(device, item, 1);
            for (const std::string_view name : Row) {
                ASSERT_NE(state.Find(name), nullptr);
                ASSERT_TRUE(state.Find(name)->visible.has_value());
                EXPECT_EQ(*state.Find(name)->visible, item != ZepraRotorItem) << name << " item " << item;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Rotor list

struct RotorCase {
    int item;
    int code;
    std::string_view profiles;
    std::string_view english;
    std::string_view german;
};

constexpr std::array<RotorCase, 5> RotorCases = {{
    {0, 1, "A25,B19,C19,D19,B16,D16", "Aluminium - Condensation rotor type RK", "Aluminium - Kondensationsrotor Typ RK"},
    {1, 3, "C19", "Aluminium - Epoxy-coated type RE", "Aluminium - Epoxidbeschichtet Typ RE"},
    {2, 2, "A25,B19,C19,D19,B16,D16", "Aluminium - Enthalpy rotor type RH", "Aluminium - Enthalpierotor Typ RH"},
    {3, 6, "D19,D17", "Aluminium - Sorption rotor type RS", "Aluminium - Sorptionsrotor Typ RS"},
    {4, 10, "D19,D17", "ZEPRA Enthalpy rotor", "ZEPRA Enthalpierotor"},
}};

TEST(DevicePageRotorList, EntriesCodesCaptionsAndProfiles)
{
    const std::vector<std::string> english = RotorItemCaptions(English);
    ASSERT_EQ(english.size(), RotorCases.size());
    for (const RotorCase& c : RotorCases) {
        EXPECT_EQ(RotorCodeOfItem(c.item), c.code);
        EXPECT_EQ(RotorItemOfCode(c.code), c.item);
        EXPECT_EQ(ProfileListOfRotorCode(c.code), c.profiles);
        EXPECT_EQ(english[static_cast<std::size_t>(c.item)], c.english);
        EXPECT_EQ(RotorItemCaption(c.item, German), c.german);
        // The code is one the rotor model knows: it maps back to itself.
        EXPECT_EQ(CodeOfRotorType(RotorTypeOfCode(c.code)), c.code);
    }
}

TEST(DevicePageRotorList, OutsideTheList)
{
    for (const int item : {-1, 5, 100})
        EXPECT_EQ(RotorCodeOfItem(item), 0) << item;
    for (const int code : {0, 4, 5, 7, 11})
        EXPECT_EQ(RotorItemOfCode(code), -1) << code;
    EXPECT_EQ(RotorItemCaption(5, English), "");
    EXPECT_EQ(ProfileListOfRotorCode(0), "C19");
    EXPECT_EQ(ProfilesOfRotorCode(0), std::vector<std::string>{"C19"});
    EXPECT_EQ(ProfilesOfRotorCode(6), (std::vector<std::string>{"D19", "D17"}));
}

// ---------------------------------------------------------------------------
// Profile memory

TEST(DevicePageProfile, B16ThroughEpoxyComesBackAsC19)
{
    const ProfileChoice epoxy = ProfileAfterRotorChange("B16", RotorCodeOfItem(1));
    EXPECT_EQ(epoxy.Text(), "C19");
    const ProfileChoice condensation = ProfileAfterRotorChange(epoxy.Text(), RotorCodeOfItem(0));
    EXPECT_EQ(condensation.Text(), "C19");
    EXPECT_EQ(condensation.selected, 2);
    EXPECT_EQ(condensation.profiles.size(), 6U);
}

TEST(DevicePageProfile, KeptWhenTheNewListHasIt)
{
    const ProfileChoice sorption = ProfileAfterRotorChange("D19", RotorCodeOfItem(3));
    EXPECT_EQ(sorption.Text(), "D19");
    EXPECT_EQ(sorption.selected, 0);
    EXPECT_EQ(ProfileAfterRotorChange("D16", 2).Text(), "D16");
    EXPECT_EQ(ProfileAfterRotorChange("D19", 10).Text(), "D19");
}

TEST(DevicePageProfile, OtherwiseThirdEntryOrLast)
{
    struct Case {
        std::string_view shown;
        int code;
        std::string_view expected;
    };
    constexpr std::array<Case, 6> Cases = {{
        {"B16", 6, "D17"},   // two entries: the last
        {"A25", 10, "D17"},
        {"D17", 1, "C19"},   // six entries: the third
        {"", 2, "C19"},
        {"D17", 3, "C19"},   // one entry
        {"A25", 0, "C19"},   // no rotor selected
    }};
    for (const Case& c : Cases)
        EXPECT_EQ(ProfileAfterRotorChange(c.shown, c.code).Text(), c.expected) << c.shown << " " << c.code;
}

// ---------------------------------------------------------------------------
// Plate distances

TEST(DevicePagePlateDistance, EveryEdgeOffersOnlyCalculableDistances)
{
    for (const int edge : PlateEdgeList) {
        const std::vector<PlateDistanceEntry> list = PlateDistanceList(edge, Point);
        ASSERT_FALSE(list.empty()) << edge;
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

struct DistanceCase {
    int edge;
    std::vector<std::string> texts;
    std::vector<int> indexes;
};

TEST(DevicePagePlateDistance, ListsOfSelectedEdges)
{
    const std::vector<DistanceCase> cases = {
        {200, {"1.8 mm", "2.0 mm"}, {2, 3}},
        {390, {"3.5 mm", "4.0 mm", "5.0 mm"}, {1, 2, 3}},
        {1000, {"5.5 mm", "6.5 mm", "9.0 mm", "11.5 mm", "14.0 mm"}, {2, 3, 4, 5, 6}},
        {1400, {"5.5 mm", "6.5 mm", "7.0 mm", "9.0 mm", "11.5 mm", "14.0 mm"}, {1, 2, 3, 4, 5, 6}},
        // The module edge (800 mm) has 7.0 mm, the full edge does not.
        {2400, {"5.5 mm", "6.5 mm", "9.0 mm", "11.5 mm", "14.0 mm"}, {2, 3, 4, 5, 6}},
        // Above 3000 mm only the wide spacings exist.
        {3200, {"9.0 mm", "11.5 mm", "14.0 mm"}, {4, 5, 6}},
    };
    for (const DistanceCase& c : cases) {
        const std::vector<PlateDistanceEntry> list = PlateDistanceList(c.edge, Point);
        std::vector<std::string> texts;
        std::vector<int> indexes;
        for (const PlateDistanceEntry& e : list) {
            texts.push_back(e.text);
            indexes.push_back(e.index);
        }
        EXPECT_EQ(texts, c.texts) << c.edge;
        EXPECT_EQ(indexes, c.indexes) << c.edge;
    }
}

TEST(DevicePagePlateDistance, UsesTheDecimalSeparator)
{
    const std::vector<PlateDistanceEntry> list = PlateDistanceList(1000, Comma);
    ASSERT_EQ(list.size(), 5U);
    EXPECT_EQ(list[0].text, "5,5 mm");
    EXPECT_EQ(list[4].text, "14,0 mm");
}

TEST(DevicePagePlateDistance, SelectionFallsBackToTheSecondEntry)
{
    // 1400 mm offers six distances, 200 mm two.
    const auto wide = PlateDistanceList(1400, Point);
    const auto narrow = PlateDistanceList(200, Point);
    const int count = static_cast<int>(narrow.size());
    EXPECT_EQ(PlateDistanceSelectionAfterChange(5, count), 1);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(2, count), 1);
    // Within the list the position is kept, not the value.
    EXPECT_EQ(PlateDistanceSelectionAfterChange(0, count), 0);
    EXPECT_EQ(wide[0].text, "5.5 mm");
    EXPECT_EQ(narrow[0].text, "1.8 mm");
    EXPECT_EQ(PlateDistanceSelectionAfterChange(1, count), 1);
    // Longer lists keep every position.
    for (int item = 0; item < 6; ++item)
        EXPECT_EQ(PlateDistanceSelectionAfterChange(item, 6), item);
}

TEST(DevicePagePlateDistance, SelectionWithoutSelectionOrEntries)
{
    EXPECT_EQ(PlateDistanceSelectionAfterChange(-1, 5), 1);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(3, 1), 0);
    EXPECT_EQ(PlateDistanceSelectionAfterChange(0, 0), -1);
}

TEST(DevicePagePlateDistance, ItemOfStoredIndex)
{
    const auto list = PlateDistanceList(2400, Point);
    EXPECT_EQ(PlateDistanceItemOfIndex(list, 2), 0);
    EXPECT_EQ(PlateDistanceItemOfIndex(list, 6), 4);
    EXPECT_EQ(PlateDistanceItemOfIndex(list, 1), -1);
    EXPECT_EQ(PlateDistanceItemOfIndex(PlateDistanceList(3200, Point), 2), -1);
}

// ---------------------------------------------------------------------------
// Profile explanation

TEST(DevicePageExplanation, EnglishTextLineByLine)
{
    const ProfileExplanation box = RotorProfileExplanation(English, Point);
    EXPECT_EQ(box.title, "Rotor profile");
    const std::string expected =
        "Heat storing matrix out of see water resistant \n\r"
        "aluminium alloy\n\r"
        "\n\r"
        "Thickness of the foil:\n\r"
        "A:       0.12 mm\n\r"
        "B:       0.10 mm\n\r"
        "C:       0.08 mm (standard)\n\r"
        "D:       0.07 mm\n\r"
        "\n\r"
        "Wave height:\n\r"
        "25:     2.50 mm\n\r"
        "19:     1.90 mm (standard)\n\r"
        "17:     1.70 mm\n\r"
        "16:     1.60 mm\n\r";
    EXPECT_EQ(box.message, expected);
}

TEST(DevicePageExplanation, GermanWithDecimalComma)
{
    const ProfileExplanation box = RotorProfileExplanation(German, Comma);
    EXPECT_EQ(box.title, "Rotorprofil");
    EXPECT_NE(box.message.find("C:       0,08 mm (Standard)\n\r"), std::string::npos);
    EXPECT_NE(box.message.find("Wellenhöhe:\n\r25:     2,50 mm\n\r"), std::string::npos);
    EXPECT_EQ(box.message.find('.'), std::string::npos);
}

}  // namespace
