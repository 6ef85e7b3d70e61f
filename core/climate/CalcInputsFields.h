#pragma once
// The one table of the input fields: for every field of CalcInputs its name in
// JSON, its key in the settings file, the main window's control that edits it,
// the quantity it is shown in and the limits it must keep. Loading and saving
// the settings, the window's read and write, the field checks and the JSON all
// loop over this table, so that a new input is one member of CalcInputs and
// one row here (docs/ARCHITECTURE.md, "How to add an input field").

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/climate/CalcInputs.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/DeviceCodes.h"
#include "core/settings/DisplayUnits.h"
#include "core/text/TextId.h"
#include "core/thermo/AirPressure.h"

// A member of CalcInputs, of one of the types an input has.
using CalcInputMember =
    std::variant<double CalcInputs::*, int CalcInputs::*, std::uint8_t CalcInputs::*, bool CalcInputs::*,
                 std::string CalcInputs::*, DeviceKind CalcInputs::*, SummerOperation CalcInputs::*>;

// The settings file's section of a field. The economy fields are also the
// ones whose change leaves the energy results valid and only the costs to be
// calculated again.
enum class InputSection { Selection, Device, Control, Economy };

constexpr std::string_view SectionName(InputSection section)
{
    switch (section) {
    case InputSection::Selection:
        return "WRG_Selection";
    case InputSection::Device:
        return "WRG_Device";
    case InputSection::Control:
        return "WRG_Control";
    case InputSection::Economy:
        return "WRG_Economy";
    }
    return {};
}

// How the main window shows a field.
enum class ControlKind {
    None,        // not edited in the main window
    NumberEdit,  // a numeric edit with decimals
    WholeEdit,   // a numeric edit of whole numbers
    ListIndex,   // a list whose entry n stands for the value firstValue + n
    ListCode,    // a list whose entry n stands for codes[n]
    ListNumber,  // a list whose entries' texts are the numbers
    ListText,    // a list whose entries' texts are the values
    ListData,    // a list whose entries carry their values as item data
    RadioGroup,  // buttons[n] checked stands for the value n + 1
    CheckBox,
};

struct InputControl {
    ControlKind kind = ControlKind::None;
    std::string_view name;                             // object name; empty for a radio group
    DisplayQuantity quantity = DisplayQuantity::None;  // the edits: the unit shown in SI and UK/US
    int firstValue = 0;                                // ListIndex
    std::span<const int> codes;                        // ListCode
    // ListCode: the entry a code the list lacks selects; -1 for the default
    // of CalcInputs.
    int fallbackEntry = -1;
    std::span<const std::string_view> buttons;  // RadioGroup
};

// Whether the control is a numeric edit (with decimals or of whole numbers).
constexpr bool IsEdit(const InputControl& control)
{
    return control.kind == ControlKind::NumberEdit || control.kind == ControlKind::WholeEdit;
}

// The limits a field's value must keep, both inclusive, in calculation units,
// and the catalogue message for a value outside them. A field the window
// offers only as a list has no message (TextId::None): its limits are the
// values the list can show, and a stored value outside them takes its default.
struct FieldLimits {
    double lowest;
    double highest;
    TextId textIndex;
    const char* englishText;
};

namespace FieldLimit {
inline constexpr double NoLimit = std::numeric_limits<double>::infinity();
// A field without limits: every number passes.
inline constexpr FieldLimits None{-NoLimit, NoLimit, TextId::None, ""};
inline constexpr const char* Between = "Please enter a number between %s and %s";
inline constexpr const char* NotNegative = "The Value must be > 0";  // the rule is value >= 0

inline constexpr FieldLimits AirPressure{LowestAirPressure, HighestAirPressure, TextId::NumberBetween, Between};
inline constexpr FieldLimits VolumeFlow{0, NoLimit, TextId::ValueNotNegative, NotNegative};
inline constexpr FieldLimits Temperature{0, 80, TextId::NumberBetween, Between};
inline constexpr FieldLimits Humidity{0, 100, TextId::NumberBetween, Between};
inline constexpr FieldLimits WheelDiameter{500, 6000, TextId::NumberBetween, Between};
inline constexpr FieldLimits DrivePower{0, 4000, TextId::NumberBetween, Between};
inline constexpr FieldLimits DaysPerWeek{1, 7, TextId::NumberBetween, Between};
// Package widths are shown in mm in both unit systems.
inline constexpr FieldLimits PackageWidth{100, NoLimit, TextId::PackageTooNarrow, "Package width must be >= 100 mm"};
// Economy values: amounts, years, rates and prices; none is converted.
inline constexpr FieldLimits EconomyValue{0, NoLimit, TextId::ValueNotNegative, NotNegative};

// The values the lists offer.
inline constexpr FieldLimits DeviceType{1, 3, TextId::None, ""};
inline constexpr FieldLimits PlateEdgeItem{1, PlateEdgeList.size(), TextId::None, ""};
// Six plate distances at most; 0 (no distance) has no list entry.
inline constexpr FieldLimits PlateSpacing{1, 6, TextId::None, ""};
inline constexpr FieldLimits SeriesCount{1, 4, TextId::None, ""};
inline constexpr FieldLimits FullHour{0, 24, TextId::None, ""};
inline constexpr FieldLimits MonthOrNone{0, 12, TextId::None, ""};
inline constexpr FieldLimits SummerMode{1, 4, TextId::None, ""};
}  // namespace FieldLimit

struct CalcInputField {
    std::string_view name;  // in JSON and in messages; a literal, so data() ends with a NUL
    CalcInputMember member;
    InputSection section;
    std::string_view storedKey;  // key in the settings file; empty for a field derived from another
    InputControl control;
    FieldLimits limits;

    constexpr CalcInputField(std::string_view name, CalcInputMember member, InputSection section,
                             std::string_view storedKey, InputControl control,
                             const FieldLimits& limits = FieldLimit::None)
        : name(name), member(member), section(section), storedKey(storedKey), control(control), limits(limits)
    {
    }
};

namespace InputControls {
constexpr InputControl Other(ControlKind kind, std::string_view name)
{
    InputControl control;
    control.kind = kind;
    control.name = name;
    return control;
}
constexpr InputControl NumberEdit(std::string_view name, DisplayQuantity quantity = DisplayQuantity::None)
{
    InputControl control = Other(ControlKind::NumberEdit, name);
    control.quantity = quantity;
    return control;
}
constexpr InputControl WholeEdit(std::string_view name)
{
    return Other(ControlKind::WholeEdit, name);
}
constexpr InputControl ListIndex(std::string_view name, int firstValue)
{
    InputControl control = Other(ControlKind::ListIndex, name);
    control.firstValue = firstValue;
    return control;
}
constexpr InputControl ListCode(std::string_view name, std::span<const int> codes, int fallbackEntry = -1)
{
    InputControl control = Other(ControlKind::ListCode, name);
    control.codes = codes;
    control.fallbackEntry = fallbackEntry;
    return control;
}
constexpr InputControl RadioGroup(std::span<const std::string_view> buttons)
{
    InputControl control;
    control.kind = ControlKind::RadioGroup;
    control.buttons = buttons;
    return control;
}

inline constexpr std::string_view DeviceButtons[] = {"RadioButton_RWT", "RadioButton_PWT", "RadioButton_GS"};
inline constexpr std::string_view SummerModeButtons[] = {"RadioButton3", "RadioButton4", "RadioButton5",
                                                         "RadioButton6"};
inline constexpr std::string_view MaintenanceModeButtons[] = {"RadioButton7", "RadioButton8"};
inline constexpr std::string_view ServiceModeButtons[] = {"RadioButton9", "RadioButton10"};
}  // namespace InputControls

// Every field of CalcInputs in declaration order (the order of the JSON).
inline constexpr std::array CalcInputFields = [] {
    using namespace InputControls;
    using enum InputSection;
    using Q = DisplayQuantity;
    using C = CalcInputs;
    namespace L = FieldLimit;
    return std::array{
        // The zone list is filled at run time, so its limits are checked where it is filled.
        CalcInputField{"ClimateZone", &C::ClimateZone, Selection, "ClimateZone", ListIndex("Combo_Klimazone", 1)},
        CalcInputField{"AirPressure", &C::AirPressure, Selection, "pbar", {}, L::AirPressure},
        CalcInputField{"SupplyVolWinter", &C::SupplyVolWinter, Selection, "SVol11W",
                       NumberEdit("Edit_VolZuWi", Q::AirVolumeFlow), L::VolumeFlow},
        CalcInputField{"ExtractVolWinter", &C::ExtractVolWinter, Selection, "SVol21W",
                       NumberEdit("Edit_VolAbWi", Q::AirVolumeFlow), L::VolumeFlow},
        CalcInputField{"ExtractTempWinter", &C::ExtractTempWinter, Selection, "Temp21W",
                       NumberEdit("Edit_TempWi", Q::Temperature), L::Temperature},
        CalcInputField{"ExtractHumWinter", &C::ExtractHumWinter, Selection, "Humidity21W", NumberEdit("Edit_FeuchteWi"),
                       L::Humidity},
        CalcInputField{"SupplyVolSummer", &C::SupplyVolSummer, Selection, "SVol11S",
                       NumberEdit("Edit_VolZuSo", Q::AirVolumeFlow), L::VolumeFlow},
        CalcInputField{"ExtractVolSummer", &C::ExtractVolSummer, Selection, "SVol21S",
                       NumberEdit("Edit_VolAbSo", Q::AirVolumeFlow), L::VolumeFlow},
        CalcInputField{"ExtractTempSummer", &C::ExtractTempSummer, Selection, "Temp21S",
                       NumberEdit("Edit_TempSo", Q::Temperature), L::Temperature},
        CalcInputField{"ExtractHumSummer", &C::ExtractHumSummer, Selection, "Humidity21S", NumberEdit("Edit_FeuchteSo"),
                       L::Humidity},

        CalcInputField{"DeviceType", &C::DeviceType, Device, "DeviceType", RadioGroup(DeviceButtons), L::DeviceType},
        // A rotor code the list lacks selects the second entry, as the list does.
        CalcInputField{"RotorTypeCode", &C::RotorTypeCode, Device, "Rotortype",
                       ListCode("Combo_Rotortyp", RotorCodes, 1)},
        CalcInputField{"WheelDiameter", &C::WheelDiameter, Device, "Diameter", WholeEdit("Edit_Rad"), L::WheelDiameter},
        CalcInputField{"DrivePower", &C::DrivePower, Device, "Drive", WholeEdit("Edit_Antrieb"), L::DrivePower},
        CalcInputField{"StorageMassCode", &C::StorageMassCode, Device, "Rotorprofile",
                       Other(ControlKind::ListText, "Combo_Speichermasse")},
        // The edge is stored as its position in the list and follows from it.
        CalcInputField{"PlateEdge", &C::PlateEdge, Device, "", Other(ControlKind::ListNumber, "Combo_Kantenmass")},
        CalcInputField{"PlateEdgeItem", &C::PlateEdgeItem, Device, "PWTEdge", ListIndex("Combo_Kantenmass", 1),
                       L::PlateEdgeItem},
        CalcInputField{"PlateWidth", &C::PlateWidth, Device, "PWTWidth", WholeEdit("Edit_PWTBreite"), L::PackageWidth},
        CalcInputField{"PlateSpacingCode", &C::PlateSpacingCode, Device, "PlateType",
                       Other(ControlKind::ListData, "Combo_Plattenabstand"), L::PlateSpacing},
        CalcInputField{"SeriesCount", &C::SeriesCount, Device, "Series", ListIndex("ComboBox_AnzahlReihe", 1),
                       L::SeriesCount},
        CalcInputField{"GSSize", &C::GSSize, Device, "GSType", ListCode("ComboBox11", CounterflowSizes)},
        CalcInputField{"GSWidth", &C::GSWidth, Device, "GSWidth", WholeEdit("Edit_GSBreite"), L::PackageWidth},

        CalcInputField{"OperatingFrom", &C::OperatingFrom, Control, "Time1", ListIndex("ComboBox_Betriebzeit_von", 0),
                       L::FullHour},
        CalcInputField{"OperatingTo", &C::OperatingTo, Control, "Time2", ListIndex("ComboBox_Betriebzeit_bis", 0),
                       L::FullHour},
        CalcInputField{"DaysPerWeek", &C::DaysPerWeek, Control, "DaysWeek", NumberEdit("Edit_TageWoche"),
                       L::DaysPerWeek},
        CalcInputField{"HeatingMonthFrom", &C::HeatingMonthFrom, Control, "Month1", ListIndex("ComboBox_Monat_von", 0),
                       L::MonthOrNone},
        CalcInputField{"HeatingMonthTo", &C::HeatingMonthTo, Control, "Month2", ListIndex("ComboBox_Monat_bis", 0),
                       L::MonthOrNone},
        CalcInputField{"SupplyTempControl", &C::SupplyTempControl, Control, "SupplyContr",
                       Other(ControlKind::CheckBox, "CheckBox1")},
        CalcInputField{"MaxSupplyTemp", &C::MaxSupplyTemp, Control, "MaxSupplyTemp",
                       NumberEdit("Edit_MaxZuTemp", Q::Temperature), L::Temperature},
        CalcInputField{"SummerMode", &C::SummerMode, Control, "SOperation", RadioGroup(SummerModeButtons),
                       L::SummerMode},
        CalcInputField{"SummerSwitchTemp", &C::SummerSwitchTemp, Control, "SSwTemp",
                       NumberEdit("Edit_SommerPunkt", Q::Temperature), L::Temperature},

        CalcInputField{"Investment", &C::Investment, Economy, "Investment", NumberEdit("Edit_Invest"), L::EconomyValue},
        CalcInputField{"Lifetime", &C::Lifetime, Economy, "Lifetime", NumberEdit("Edit_Nutzung"), L::EconomyValue},
        CalcInputField{"InterestRate", &C::InterestRate, Economy, "Rate", NumberEdit("Edit_Zins"), L::EconomyValue},
        CalcInputField{"PriceElectric", &C::PriceElectric, Economy, "Electric", NumberEdit("Edit_Elektro"),
                       L::EconomyValue},
        CalcInputField{"PriceHeat", &C::PriceHeat, Economy, "Heat", NumberEdit("Edit_Waerme"), L::EconomyValue},
        CalcInputField{"PriceCold", &C::PriceCold, Economy, "Cold", NumberEdit("Edit_Kaelte"), L::EconomyValue},
        CalcInputField{"PriceWater", &C::PriceWater, Economy, "Water", NumberEdit("Edit_Wasser"), L::EconomyValue},
        CalcInputField{"Maintenance", &C::Maintenance, Economy, "Maintenance", NumberEdit("Edit_Unterhalt"),
                       L::EconomyValue},
        CalcInputField{"MaintenanceMode", &C::MaintenanceMode, Economy, "Maintenance1",
                       RadioGroup(MaintenanceModeButtons)},
        CalcInputField{"Service", &C::Service, Economy, "Service", NumberEdit("Edit_Wartung"), L::EconomyValue},
        CalcInputField{"ServiceMode", &C::ServiceMode, Economy, "Service1", RadioGroup(ServiceModeButtons)},
    };
}();

// ---- Access to a field's value ------------------------------------------

// The value of a field that holds a number (every type but text) as a double.
double NumberOf(const CalcInputs& inputs, const CalcInputMember& member);

// Sets a field that holds a number; a whole-number field takes the value
// truncated toward zero, a flag true for anything but zero.
void SetNumber(CalcInputs& inputs, const CalcInputMember& member, double value);

// The entry of a code list (ListCode) that stands for `code`, or -1.
int EntryOfCode(const InputControl& control, double code);

// Whether the field holds text.
bool HoldsText(const CalcInputMember& member);

// The field named `name` (JSON name), or nullptr.
const CalcInputField* FieldNamed(std::string_view name);

// The field whose control in the main window is `controlName`, or nullptr.
// For a control that serves two fields (the edge list) the first one.
const CalcInputField* FieldOfControl(std::string_view controlName);

// Calls v(name, field) for every field in table order, with field a reference
// to the member (double, int, std::uint8_t, bool, std::string or one of the
// enumerations).
template <class Inputs, class V>
requires std::is_same_v<std::remove_const_t<Inputs>, CalcInputs>
void VisitCalcInputs(Inputs& inputs, V&& v)
{
    for (const CalcInputField& field : CalcInputFields)
        std::visit([&](auto member) { v(field.name.data(), inputs.*member); }, field.member);
}
