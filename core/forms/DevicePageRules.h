#pragma once
// The rules of the device page of the main window, without any Qt: which
// inputs each device family enables, the rotor type list and its codes, the
// rotor profile lists, the plate distance list of an edge dimension and the
// explanation of the profile codes. The window only copies the results into
// its controls.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/CalcInputs.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/DeviceCodes.h"
#include "core/text/NumberFormat.h"

// ---------------------------------------------------------------------------
// Enabling and visibility

// What the page does to one control. A missing value leaves that property of
// the control as it is (labels, for instance, keep their enabled state).
struct ControlState {
    std::string_view name;  // object name of the control, e.g. "Edit_Rad"
    std::optional<bool> enabled;
    std::optional<bool> visible;
};

struct DevicePageState {
    // Apply `summerMode` (check its radio button) before the control states,
    // so that a checked enthalpy comparison is replaced before it is disabled.
    // No mode (0) when the window shows none checked.
    SummerOperation summerMode{};
    std::vector<ControlState> controls;

    // The entry of a control; nullptr when the page leaves it alone.
    const ControlState* Find(std::string_view name) const;
    // Shorthands for the tests and the window: the value the page sets, or
    // `otherwise` when it leaves that property unchanged.
    bool Enabled(std::string_view name, bool otherwise = false) const;
    bool Visible(std::string_view name, bool otherwise = false) const;
};

// The summer mode after the device family is chosen: the plate exchangers
// transfer no moisture, so enthalpy comparison becomes temperature
// comparison with them; every other mode stays.
SummerOperation SummerModeAfterDeviceChange(DeviceKind deviceType, SummerOperation summerMode);

// The rotor profile row (list, label, help button) is shown for every rotor
// entry but the last one, the sorption rotor of the ZEPRA line, whose profile
// is fixed. No selection (-1) shows it.
bool ProfileRowVisible(int rotorItem);

// The whole state of the page for a device family, the
// selected rotor entry (0 … 4, -1 for none) and the summer mode. An unknown device family is taken as the rotary
// exchanger, the family of a new window.
DevicePageState DevicePageStateOf(DeviceKind deviceType, int rotorItem, SummerOperation summerMode);

// ---------------------------------------------------------------------------
// Rotor types and profiles

inline constexpr int RotorItemCount = static_cast<int>(RotorCodes.size());
// The item of the ZEPRA rotor, the sorption rotor.
inline constexpr int ZepraRotorItem = PositionOf(RotorCodes, SorptionRotorCode);

// The rotor code that the calculation reads for a list entry, and back.
// An entry outside 0 … 4 gives 0; a code without an entry gives -1.
int RotorCodeOfItem(int item);
int RotorItemOfCode(int code);

// The caption of a list entry in a language (1 German, 2 English, …), built
// from the catalogue; empty for an entry outside 0 … 4.
std::string RotorItemCaption(int item, int language);
// All five captions in list order.
std::vector<std::string> RotorItemCaptions(int language);

// The comma-separated profile list of a rotor code; "C19" for a code without
// a list entry (nothing selected).
std::string_view ProfileListOfRotorCode(int code);
// The same list split into its profiles.
std::vector<std::string> ProfilesOfRotorCode(int code);

// The profile list after a change of the rotor type: the list of the new
// rotor and the entry to select.
struct ProfileChoice {
    std::vector<std::string> profiles;
    int selected = 0;
    const std::string& Text() const { return profiles[static_cast<std::size_t>(selected)]; }
};

// `shownProfile` is the text the profile list showed before the change; it is
// kept when the new list has it, otherwise entry min(2, count - 1) is
// selected (C19 in the six-entry lists, D17 in the two-entry lists).
ProfileChoice ProfileAfterRotorChange(std::string_view shownProfile, int newRotorCode);

// ---------------------------------------------------------------------------
// Plate distances


struct PlateDistanceEntry {
    double spacing = 0;  // mm
    int index = 0;       // spacing index 1 … 6 of the full edge, as the calculation reads it
    std::string text;    // "5.5 mm"
};

// The plate distances of an edge dimension in mm: the spacings of its module
// edge, each with the index that the calculation finds for it on the full
// edge. A spacing that the full edge does not have is left out, so every
// entry can be calculated.
std::vector<PlateDistanceEntry> PlateDistanceList(int edge, const NumberSeparators& separators);
std::vector<PlateDistanceEntry> PlateDistanceList(int edge);  // with the program's separators

// The entry to select after the list was rebuilt with `newCount` entries:
// the previous position when it still exists, otherwise the second entry
// (the last one of a shorter list; -1 for an empty list). No previous
// selection (-1) falls back too, so a list always has a selected spacing.
int PlateDistanceSelectionAfterChange(int previousItem, int newCount);

// The entry of a list that has the spacing index; -1 when none has it.
int PlateDistanceItemOfIndex(const std::vector<PlateDistanceEntry>& list, int index);

// ---------------------------------------------------------------------------
// Profile explanation

// Title and message of the explanation box of the rotor profile codes in a
// language; every line ends with a line feed, and a tab separates each code
// from its value so that the values line up in the box.
struct ProfileExplanation {
    std::string title;
    std::string message;
};
ProfileExplanation RotorProfileExplanation(int language, const NumberSeparators& separators);
