// The device page's rules and lists, without Qt.

#include "core/forms/DevicePageRules.h"

#include <algorithm>
#include <cstddef>

#include "core/climate/CalcInputs.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/text/Catalogue.h"

namespace {

// ---------------------------------------------------------------------------
// Enabling

// The inputs that belong to one device family: enabled with it, disabled
// with the two others.
struct EnablingRow {
    std::string_view name;
    DeviceKind deviceType;
};

constexpr std::array<EnablingRow, 11> EnablingTable = {{
    {"Combo_Rotortyp", DeviceKind::Rotary},
    {"Edit_Rad", DeviceKind::Rotary},
    {"Combo_Speichermasse", DeviceKind::Rotary},
    {"Edit_Antrieb", DeviceKind::Rotary},
    {"RadioButton4", DeviceKind::Rotary},  // enthalpy comparison
    {"Combo_Kantenmass", DeviceKind::CrossFlowPlate},
    {"Combo_Plattenabstand", DeviceKind::CrossFlowPlate},
    {"ComboBox_AnzahlReihe", DeviceKind::CrossFlowPlate},
    {"Edit_PWTBreite", DeviceKind::CrossFlowPlate},
    {"ComboBox11", DeviceKind::CounterflowPlate},
    {"Edit_GSBreite", DeviceKind::CounterflowPlate},
}};

// The controls of the profile row, shown or hidden together.
constexpr std::array<std::string_view, 3> ProfileRow = {"Combo_Speichermasse", "L_Speichermasse",
                                                        "Button_Help_Rotorprofil"};

bool IsDeviceKind(DeviceKind deviceType)
{
    return deviceType == DeviceKind::Rotary || deviceType == DeviceKind::CrossFlowPlate ||
           deviceType == DeviceKind::CounterflowPlate;
}

// ---------------------------------------------------------------------------
// Rotor types

// A rotor of the list, at the position of its code in RotorCodes.
struct RotorRow {
    TextId materialIndex;          // catalogue text after "Aluminium - "
    std::string_view designation;  // the type designation code of the rotor line
    std::string_view profiles;
};

constexpr std::string_view AllProfiles = "A25,B19,C19,D19,B16,D16";
constexpr std::string_view SorptionProfiles = "D19,D17";
constexpr std::string_view StandardProfile = "C19";

constexpr std::array<RotorRow, RotorItemCount> RotorTable = {{
    {TextId::CondensationRotor, "RK", AllProfiles},
    {TextId::EpoxyCoated, "RE", "C19"},
    {TextId::EnthalpyRotor, "RH", AllProfiles},
    {TextId::SorptionRotor, "RS", SorptionProfiles},
    {TextId::EnthalpyRotor, "", SorptionProfiles},  // the sorption rotor
}};

constexpr std::string_view ZepraPrefix = "ZEPRA ";

// The word before the type designation, by language; English for the
// languages without their own.
struct TypeWordRow {
    int language;
    std::string_view word;
};
constexpr std::array<TypeWordRow, 2> TypeWords = {{{1, "Typ"}, {2, "type"}}};
constexpr std::string_view DefaultTypeWord = "type";

std::string_view TypeWordOf(int language)
{
    const auto row = std::find_if(TypeWords.begin(), TypeWords.end(),
                                  [language](const TypeWordRow& r) { return r.language == language; });
    return row == TypeWords.end() ? DefaultTypeWord : row->word;
}

std::vector<std::string> SplitList(std::string_view list)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        items.emplace_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

// ---------------------------------------------------------------------------
// Plate distances

// The list is built for the modules of an edge as they are at the narrowest
// usual spacing.
constexpr double ModuleReferenceSpacing = 2.0;
constexpr int FirstSpacingIndex = 1;
constexpr int LastSpacingIndex = 6;
constexpr int FallbackDistanceItem = 1;
// "d mm": one decimal, at most three significant digits.
constexpr int DistanceDigits = 3;
constexpr int DistanceDecimals = 1;

// ---------------------------------------------------------------------------
// Profile explanation

// A line feed alone: a carriage return after it would start the next line
// with a stray blank in the message box.
constexpr std::string_view LineEnd = "\n";
// Between a code and its value. The message box expands tabs, so the values
// of all codes start at the same tab stop whatever the width of the code in
// the box's proportional font; blanks would leave them ragged.
constexpr std::string_view ValueColumn = "\t";

struct ExplanationLine {
    std::string_view key;  // the code with its colon, e.g. "A:"
    double millimetres;
    bool standard;
};

constexpr std::array<ExplanationLine, 4> FoilLines = {{
    {"A:", 0.12, false},
    {"B:", 0.10, false},
    {"C:", 0.08, true},
    {"D:", 0.07, false},
}};

constexpr std::array<ExplanationLine, 4> WaveLines = {{
    {"25:", 2.50, false},
    {"19:", 1.90, true},
    {"17:", 1.70, false},
    {"16:", 1.60, false},
}};

void AppendLines(std::string& message, const std::array<ExplanationLine, 4>& lines, int language,
                 const NumberSeparators& separators)
{
    for (const ExplanationLine& line : lines) {
        message += line.key;
        message += ValueColumn;
        message += FormatFloat(line.millimetres, FloatFormat::Fixed, 15, 2, separators);
        message += " mm";
        if (line.standard)
            message += " (" + CatalogueTextIn(language, TextId::Standard) + ")";
        message += LineEnd;
    }
}

}  // namespace

// ---------------------------------------------------------------------------

const ControlState* DevicePageState::Find(std::string_view name) const
{
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [name](const ControlState& c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
}

bool DevicePageState::Enabled(std::string_view name, bool otherwise) const
{
    const ControlState* control = Find(name);
    return control != nullptr ? control->enabled.value_or(otherwise) : otherwise;
}

bool DevicePageState::Visible(std::string_view name, bool otherwise) const
{
    const ControlState* control = Find(name);
    return control != nullptr ? control->visible.value_or(otherwise) : otherwise;
}

SummerOperation SummerModeAfterDeviceChange(DeviceKind deviceType, SummerOperation summerMode)
{
    const bool plate = deviceType == DeviceKind::CrossFlowPlate || deviceType == DeviceKind::CounterflowPlate;
    if (plate && summerMode == SummerOperation::EnthalpyComparison)
        return SummerOperation::TemperatureComparison;
    return summerMode;
}

bool ProfileRowVisible(int rotorItem)
{
    return rotorItem != ZepraRotorItem;
}

DevicePageState DevicePageStateOf(DeviceKind deviceType, int rotorItem, SummerOperation summerMode)
{
    if (!IsDeviceKind(deviceType))
        deviceType = DeviceKind::Rotary;
    DevicePageState state;
    state.summerMode = SummerModeAfterDeviceChange(deviceType, summerMode);
    for (const EnablingRow& row : EnablingTable)
        state.controls.push_back({row.name, row.deviceType == deviceType, std::nullopt});

    const bool profileVisible = ProfileRowVisible(rotorItem);
    for (const std::string_view name : ProfileRow) {
        const auto it = std::find_if(state.controls.begin(), state.controls.end(),
                                     [name](const ControlState& c) { return c.name == name; });
        if (it != state.controls.end())
            it->visible = profileVisible;
        else
            state.controls.push_back({name, std::nullopt, profileVisible});
    }
    return state;
}

int RotorCodeOfItem(int item)
{
    if (item < 0 || item >= RotorItemCount)
        return 0;
    return RotorCodes[static_cast<std::size_t>(item)];
}

int RotorItemOfCode(int code)
{
    return PositionOf(RotorCodes, code);
}

std::string RotorItemCaption(int item, int language)
{
    if (item < 0 || item >= RotorItemCount)
        return {};
    const RotorRow& row = RotorTable[static_cast<std::size_t>(item)];
    if (item == ZepraRotorItem)
        return std::string(ZepraPrefix) + CatalogueTextIn(language, row.materialIndex);
    std::string caption = CatalogueTextIn(language, TextId::Aluminium) + " - " +
                          CatalogueTextIn(language, row.materialIndex);
    caption += ' ';
    caption += TypeWordOf(language);
    caption += ' ';
    caption += row.designation;
    return caption;
}

std::vector<std::string> RotorItemCaptions(int language)
{
    std::vector<std::string> captions;
    for (int item = 0; item < RotorItemCount; ++item)
        captions.push_back(RotorItemCaption(item, language));
    return captions;
}

std::string_view ProfileListOfRotorCode(int code)
{
    const int item = RotorItemOfCode(code);
    return item < 0 ? StandardProfile : RotorTable[static_cast<std::size_t>(item)].profiles;
}

std::vector<std::string> ProfilesOfRotorCode(int code)
{
    return SplitList(ProfileListOfRotorCode(code));
}

ProfileChoice ProfileAfterRotorChange(std::string_view shownProfile, int newRotorCode)
{
    ProfileChoice choice;
    choice.profiles = ProfilesOfRotorCode(newRotorCode);
    const auto kept = std::find(choice.profiles.begin(), choice.profiles.end(), shownProfile);
    if (kept != choice.profiles.end())
        choice.selected = static_cast<int>(kept - choice.profiles.begin());
    else
        choice.selected = std::min(2, static_cast<int>(choice.profiles.size()) - 1);
    return choice;
}

std::vector<PlateDistanceEntry> PlateDistanceList(int edge, const NumberSeparators& separators)
{
    std::vector<PlateDistanceEntry> list;
    const int modules = ModulesPerEdge(edge, ModuleReferenceSpacing);
    const int moduleEdge = edge / std::max(modules, 1);
    for (int i = FirstSpacingIndex; i <= LastSpacingIndex; ++i) {
        const double spacing = PlateSpacingOf(moduleEdge, i);
        if (spacing == 0)
            continue;
        // The calculation looks the spacing up on the full edge; a spacing
        // only the module has would reach it without an index.
        const int index = SpacingIndexOf(edge, spacing);
        if (index == 0)
            continue;
        list.push_back(
            {spacing, index,
             FormatFloat(spacing, FloatFormat::Number, DistanceDigits, DistanceDecimals, separators) + " mm"});
    }
    return list;
}

std::vector<PlateDistanceEntry> PlateDistanceList(int edge)
{
    return PlateDistanceList(edge, ProgramSeparators());
}

int PlateDistanceSelectionAfterChange(int previousItem, int newCount)
{
    if (newCount <= 0)
        return -1;
    if (previousItem >= 0 && previousItem <= newCount - 1)
        return previousItem;
    // Without a selection the calculation would get no spacing, so an empty
    // selection falls back as well.
    return std::min(FallbackDistanceItem, newCount - 1);
}

int PlateDistanceItemOfIndex(const std::vector<PlateDistanceEntry>& list, int index)
{
    const auto it = std::find_if(list.begin(), list.end(),
                                 [index](const PlateDistanceEntry& e) { return e.index == index; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

ProfileExplanation RotorProfileExplanation(int language, const NumberSeparators& separators)
{
    ProfileExplanation box;
    box.title = CatalogueTextIn(language, TextId::RotorProfile);
    std::string& m = box.message;
    m += CatalogueTextIn(language, TextId::SeawaterResistantMatrix);
    m += LineEnd;
    m += CatalogueTextIn(language, TextId::AluminiumAlloy);
    m += LineEnd;
    m += LineEnd;
    m += CatalogueTextIn(language, TextId::FoilThickness) + ":";
    m += LineEnd;
    AppendLines(m, FoilLines, language, separators);
    m += LineEnd;
    m += CatalogueTextIn(language, TextId::WaveHeight) + ":";
    m += LineEnd;
    AppendLines(m, WaveLines, language, separators);
    return box;
}
