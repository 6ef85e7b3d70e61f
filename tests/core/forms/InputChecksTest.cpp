// The field check on leaving a numeric edit and the plausibility check before a calculation.

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/forms/InputChecks.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"

namespace {

// Puts the program's separators and language back after a test changes them.
struct ProgramStateGuard {
    NumberSeparators separators = ProgramSeparators();
    int language = CurrentLanguage();
    ~ProgramStateGuard()
    {
        SetProgramSeparators(separators);
        SetCurrentLanguage(language);
    }
};

std::string Describe(const std::optional<CoreMessage>& message)
{
    return message ? std::to_string(static_cast<int>(message->textIndex)) + " " + message->Text() : std::string("none");
}

TEST(InputCheckFields, EveryFieldHasAnOrderedRangeInBothUnitSystems)
{
    const auto names = CheckedFieldNames();
    EXPECT_EQ(names.size(), 24u);
    for (std::string_view name : names) {
        for (bool si : {true, false}) {
            SCOPED_TRACE(testing::Message() << name << (si ? " SI" : " UK/US"));
            const std::optional<FieldRange> range = FieldRangeOf(name, si);
            ASSERT_TRUE(range.has_value());
            EXPECT_LT(range->minValue, range->maxValue);
            // Both limits pass, just outside fails with the range's message.
            EXPECT_FALSE(CheckField(name, range->minValue, si).has_value());
            if (std::isfinite(range->maxValue)) {
                EXPECT_FALSE(CheckField(name, range->maxValue, si).has_value());
                EXPECT_TRUE(CheckField(name, range->maxValue + 1, si).has_value());
            }
            const std::optional<CoreMessage> below = CheckField(name, range->minValue - 1, si);
            ASSERT_TRUE(below.has_value());
            EXPECT_EQ(below->textIndex, range->message.textIndex);
            EXPECT_EQ(below->arguments, range->message.arguments);
            EXPECT_TRUE(CheckField(name, std::nan(""), si).has_value());
        }
    }
}

TEST(InputCheckFields, GroupsLimitsAndMessages)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        bool si;
        double min, max;
        TextId text;
    } rows[] = {
        {"Edit_VolZuWi", true, 0, inf, TextId::ValueNotNegative},
        {"Edit_TempWi", true, 0, 80, TextId::NumberBetween},
        {"Edit_TempWi", false, 32, 176, TextId::NumberBetween},
        {"Edit_Rad", false, 500, 6000, TextId::NumberBetween},
        {"Edit_Antrieb", true, 0, 4000, TextId::NumberBetween},
        {"Edit_TageWoche", false, 1, 7, TextId::NumberBetween},
        {"Edit_PWTBreite", true, 100, inf, TextId::PackageTooNarrow},
        {"Edit_GSBreite", false, 100, inf, TextId::PackageTooNarrow},
        {"Edit_Invest", true, 0, inf, TextId::ValueNotNegative},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.name << (r.si ? " SI" : " UK/US"));
        const std::optional<FieldRange> range = FieldRangeOf(r.name, r.si);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(range->minValue, r.min);
        EXPECT_EQ(range->maxValue, r.max);
        EXPECT_EQ(range->message.textIndex, r.text);
    }
    EXPECT_EQ(Describe(CheckField("Edit_TempWi", 177, false)), "105 Please enter a number between 32 and 176");
    EXPECT_EQ(Describe(CheckField("Edit_TempWi", 80.01, true)), "105 Please enter a number between 0 and 80");
    EXPECT_EQ(Describe(CheckField("Edit_PWTBreite", 99, true)), "324 Package width must be >= 100 mm");
    for (const char* name : {"", "edit_tempwi", "Combo_Kantenmass"}) {
        EXPECT_FALSE(FieldRangeOf(name, true).has_value()) << name;
        EXPECT_FALSE(CheckField(name, -1e9, true).has_value()) << name;
    }
}

TEST(InputCheckMessages, ShownTextTranslatesAndFillsEitherPlaceholder)
{
    ProgramStateGuard guard;
    SetCurrentLanguage(1);
    const std::optional<CoreMessage> range = CheckField("Edit_TempSo", 200, false);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(ShownText(*range), "Bitte geben Sie eine Zahl zwischen 32 und 176 ein");
    SetCurrentLanguage(2);
    EXPECT_EQ(ShownText(*range), "Please enter a number between 32 and 176");
    // A text outside the catalogue keeps its English form.
    EXPECT_EQ(ShownText(CoreMessage{TextId::None, "Flow %s too high", {"5"}}), "Flow 5 too high");
    // A text without a place for its argument shows it on a line above.
    EXPECT_EQ(ShownText(CoreMessage{TextId::InvalidFileFormat, "%s\n\r\n\rInvalid file format", {"/tmp/a.cli"}}),
              "/tmp/a.cli\n\nInvalid file format");
}

// Inputs of a device large enough for balanced flows of 1000 m³/h.
CalcInputs Balanced(DeviceKind device, double flow = 1000)
{
    CalcInputs in;
    in.DeviceType = device;
    in.WheelDiameter = 1920;
    in.PlateEdge = 1000;
    in.PlateWidth = 1200;
    in.GSSize = 110;
    in.GSWidth = 1000;
    in.SupplyVolWinter = in.ExtractVolWinter = in.SupplyVolSummer = in.ExtractVolSummer = flow;
    return in;
}

// The permitted velocities are checked at their limits by StepsAndPrecedence.
TEST(PlausibilityGeometry, CrossSections)
{
    CalcInputs rotor = Balanced(DeviceKind::Rotary);
    rotor.WheelDiameter = 500;
    EXPECT_NEAR(FlowCrossSection3600(rotor), 0.0625 * std::numbers::pi * 1800, 1e-9);
    EXPECT_DOUBLE_EQ(FlowCrossSection3600(Balanced(DeviceKind::CrossFlowPlate)), 1.0 * 3600 * 1.2);
    const struct {
        int size;
        double b;
    } sizes[] = {{18, 172}, {25, 230}, {30, 271}, {35, 312},  {45, 394},
                 {62, 533}, {80, 674}, {95, 815}, {110, 957}, {41, 0}};
    for (const auto& s : sizes) {
        CalcInputs gs = Balanced(DeviceKind::CounterflowPlate);
        gs.GSSize = s.size;
        gs.GSWidth = 500;
        EXPECT_DOUBLE_EQ(FlowCrossSection3600(gs), 0.5 * 3600 * (s.b / 1000)) << "GS " << s.size;
    }
    EXPECT_EQ(FlowCrossSection3600(Balanced(static_cast<DeviceKind>(7))), 0);
}

TEST(PlausibilityCheck, StepsAndPrecedence)
{
    const struct {
        const char* what;
        CalcInputs in;
        std::optional<TextId> text;
    } rows[] = {
        {"default inputs", CalcInputs{}, std::nullopt},
        {"rotor 500 mm, 1900 m³/h",
         [] {
             auto in = Balanced(DeviceKind::Rotary, 1900);
             in.WheelDiameter = 500;
             return in;
         }(),
         std::nullopt},
        {"rotor 500 mm, 2000 m³/h supply",
         [] {
             auto in = Balanced(DeviceKind::Rotary, 1900);
             in.WheelDiameter = 500;
             in.SupplyVolWinter = 2000;
             return in;
         }(),
         TextId::DeviceTooSmall},
        {"rotor 500 mm, 2000 m³/h summer exhaust",
         [] {
             auto in = Balanced(DeviceKind::Rotary, 1900);
             in.WheelDiameter = 500;
             in.ExtractVolSummer = 2000;
             return in;
         }(),
         TextId::DeviceTooSmall},
        // Cross-flow 1000 × 1000 mm: 5 m/s at 18000 m³/h.
        {"cross-flow above the limit",
         [] {
             auto in = Balanced(DeviceKind::CrossFlowPlate, 18000);
             in.PlateWidth = 1000;
             in.ExtractVolWinter = 18001;
             return in;
         }(),
         TextId::DeviceTooSmall},
        {"cross-flow width 100",
         [] {
             auto in = Balanced(DeviceKind::CrossFlowPlate, 1000);
             in.PlateWidth = 100;
             return in;
         }(),
         std::nullopt},
        {"cross-flow width 99",
         [] {
             auto in = Balanced(DeviceKind::CrossFlowPlate, 1000);
             in.PlateWidth = 99;
             return in;
         }(),
         TextId::PackageTooNarrow},
        {"cross-flow width 90, too small as well",
         [] {
             auto in = Balanced(DeviceKind::CrossFlowPlate, 10000);
             in.PlateWidth = 90;
             return in;
         }(),
         TextId::PackageTooNarrow},
        {"counterflow width 99",
         [] {
             auto in = Balanced(DeviceKind::CounterflowPlate);
             in.GSWidth = 99;
             return in;
         }(),
         TextId::PackageTooNarrow},
        {"counterflow width of a rotor ignored",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.GSWidth = 50;
             in.PlateWidth = 50;
             return in;
         }(),
         std::nullopt},
        // GS 30 × 500 mm: 487.8 m²·s/h, 2.5 m/s at 1219.5 m³/h.
        {"counterflow at 2.5 m/s",
         [] {
             auto in = Balanced(DeviceKind::CounterflowPlate, 1219.5);
             in.GSSize = 30;
             in.GSWidth = 500;
             return in;
         }(),
         std::nullopt},
        {"counterflow above 2.5 m/s",
         [] {
             auto in = Balanced(DeviceKind::CounterflowPlate, 1220);
             in.GSSize = 30;
             in.GSWidth = 500;
             return in;
         }(),
         TextId::DeviceTooSmall},
        {"winter ratio 3, device too small",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.WheelDiameter = 500;
             in.SupplyVolWinter = 3000;
             return in;
         }(),
         TextId::RatioOutOfRange},
        {"summer ratio 0.49",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.SupplyVolSummer = 490;
             return in;
         }(),
         TextId::RatioOutOfRange},
        {"ratios 0.5 and 2.0",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.SupplyVolWinter = 500;
             in.SupplyVolSummer = 2000;
             return in;
         }(),
         std::nullopt},
        {"ratio and width fail",
         [] {
             auto in = Balanced(DeviceKind::CrossFlowPlate);
             in.PlateWidth = 99;
             in.ExtractVolSummer = 100;
             return in;
         }(),
         TextId::RatioOutOfRange},
        {"zero exhaust in winter",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.ExtractVolWinter = 0;
             return in;
         }(),
         TextId::RatioOutOfRange},
        {"no air in summer",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.SupplyVolSummer = in.ExtractVolSummer = 0;
             return in;
         }(),
         TextId::RatioOutOfRange},
        {"flow not a number",
         [] {
             auto in = Balanced(DeviceKind::Rotary);
             in.SupplyVolSummer = std::nan("");
             return in;
         }(),
         TextId::RatioOutOfRange},
    };
    for (const auto& r : rows) {
        for (bool si : {true, false}) {
            SCOPED_TRACE(testing::Message() << r.what << (si ? " SI" : " UK/US"));
            const std::optional<CoreMessage> message = CheckPlausibility(r.in, si);
            ASSERT_EQ(message.has_value(), r.text.has_value()) << Describe(message);
            if (message) {
                EXPECT_EQ(message->textIndex, *r.text);
            }
        }
    }
}

TEST(PlausibilityCheck, MessageTexts)
{
    ProgramStateGuard guard;
    CalcInputs in = Balanced(DeviceKind::Rotary, 2000);
    in.WheelDiameter = 500;
    EXPECT_EQ(Describe(CheckPlausibility(in, true)),
              "323 The selected heat exchanger is for the given air quantities too small");
    in.SupplyVolWinter = 6000;
    EXPECT_EQ(Describe(CheckPlausibility(in, true)),
              "110 The ratio of the air quantities is not in the recommended range 0.5 .. 2.0 !");
    ASSERT_TRUE(SetProgramSeparators({',', '.'}));
    const std::optional<CoreMessage> message = CheckPlausibility(in, true);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->arguments, (std::vector<std::string>{"0,5", "2,0"}));
    SetCurrentLanguage(2);
    EXPECT_EQ(ShownText(*message), "The ratio of the air quantities is not in the recommended range 0,5 .. 2,0 !");
}

}  // namespace
