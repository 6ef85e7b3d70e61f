#pragma once
// The checks that guard the main window, free of any window code so that the
// window only wires them:
//
// - the field check when the user leaves a numeric edit (FieldRangeOf,
//   CheckField): each numeric field of the main window belongs to one group
//   with inclusive limits and a catalogue message;
// - the plausibility check before a calculation (CheckPlausibility): face
//   velocity of the exchanger, package width and supply/exhaust ratio.
//
// The field limits are those of the input field table
// (core/climate/CalcInputsFields.h), which serves the check on leaving a
// field, the check of every field before a calculation and the loading of
// stored inputs (WithinFieldLimits).
//
// Both return a CoreMessage rather than a finished text. Its englishText
// carries "%s" for every argument (as CoreMessage::Text expects), and its
// arguments are already formatted with the program's number separators, so
// the window only has to translate: ShownText() (core/text/CoreMessage.h) takes the catalogue text of
// the current language and puts the arguments in place of its "%g" or "%s".
// The window shows it in the message box with title 104 "Error" and the
// error icon, and for a field puts the focus back.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/climate/CalcInputs.h"
#include "core/text/CoreMessage.h"

struct CalcInputField;

// The limits of a field in the unit the field shows, both inclusive, and the
// message for a value outside them. A field with no upper limit has
// maxValue = +infinity.
struct FieldRange {
    double minValue;
    double maxValue;
    CoreMessage message;  // with the limits filled in as the user sees them
};

// The names of every checked numeric field of the main window, in table order.
std::span<const std::string_view> CheckedFieldNames();

// The range of a field; empty for a control that is not a checked field.
// siUnits selects the shown unit of temperatures and volume flows.
std::optional<FieldRange> FieldRangeOf(std::string_view controlName, bool siUnits);

// The field check: the message when shownValue (in the shown unit) lies
// outside the field's range or is not a number; empty when it passes or the
// control is not a checked field.
[[nodiscard]] std::optional<CoreMessage> CheckField(std::string_view controlName, double shownValue, bool siUnits);

// Whether `value` (in the calculation unit) is one the field may hold: within
// its limits, a code its list carries, one of the values of its radio
// buttons. False for a value that is not a number.
bool IsWithinFieldLimits(const CalcInputField& field, double value);

// The inputs with every value that lies outside its field's limits (in the
// calculation unit) put back to the default of CalcInputs, as for values read
// from the settings file: a stored negative wheel diameter, a humidity of
// 150 % or a device type the window does not offer does not come back. A
// code the field's list lacks takes the list's fallback entry where it has
// one (the rotor list's second entry).
CalcInputs WithinFieldLimits(CalcInputs inputs);

// Flow cross-section of one air stream multiplied by 3600, in m²·s/h, so that
// a volume flow in m³/h divided by it gives the face velocity in m/s. Zero for
// an unknown device or counterflow size, and for a non-positive dimension.
double FlowCrossSection3600(const CalcInputs& inputs);

// Highest face velocity in m/s the device is built for; 0 for an unknown
// device.
double PermittedFaceVelocity(DeviceKind deviceType);

// The plausibility check before a calculation. Empty when the calculation may
// run; otherwise the message of the last failing step (face velocity 323,
// package width 324, air ratio 110). Volume flows in inputs are in m³/h; siUnits
// does not change any limit and is taken only so the window passes what it
// has. A zero cross-section counts as a device too small (323); an exhaust
// flow of zero or less fails the ratio test (110); no division by zero
// happens in either case.
[[nodiscard]] std::optional<CoreMessage> CheckPlausibility(const CalcInputs& inputs, bool siUnits);
