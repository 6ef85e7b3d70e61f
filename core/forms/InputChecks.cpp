// The checks that guard the main window's inputs, without Qt.

#include "core/forms/InputChecks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>

#include "core/climate/CalcInputsFields.h"
#include "core/devices/CounterflowPlateModel.h"
#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"

namespace {

// The fields the window checks when the user leaves them: those edited in a
// numeric edit that have limits with a message.
constexpr bool IsCheckedField(const CalcInputField& field)
{
    return IsEdit(field.control) && field.limits.textIndex != TextId::None;
}

// The window reads the inputs only after every checked field passed, so each
// edit of an input must be one: an edit left unchecked could hold a text that
// is no number when the inputs are read.
static_assert(std::all_of(CalcInputFields.begin(), CalcInputFields.end(),
                          [](const CalcInputField& field) { return !IsEdit(field.control) || IsCheckedField(field); }));

constexpr std::size_t CheckedFieldCount = static_cast<std::size_t>(
    std::count_if(CalcInputFields.begin(), CalcInputFields.end(), IsCheckedField));

// The control names of the checked fields in table order.
constexpr std::array<std::string_view, CheckedFieldCount> FieldNames = [] {
    std::array<std::string_view, CheckedFieldCount> names{};
    std::size_t next = 0;
    for (const CalcInputField& field : CalcInputFields)
        if (IsCheckedField(field))
            names[next++] = field.control.name;
    return names;
}();

const CalcInputField* CheckedFieldOf(std::string_view controlName)
{
    const CalcInputField* field = FieldOfControl(controlName);
    return field != nullptr && IsCheckedField(*field) ? field : nullptr;
}

// A limit in the unit the field shows.
double ShownLimit(const CalcInputField& field, double limit, bool siUnits)
{
    if (!std::isfinite(limit))
        return limit;
    return ShownValue(field.control.quantity, siUnits, limit);
}

// A number as C's "%g" prints it, with the program's decimal separator.
std::string GeneralNumber(double value)
{
    const double values[] = {value};
    return FormatWithG("%g", values, ProgramSeparators());
}

CoreMessage LimitsMessage(const FieldLimits& limits, double shownMin, double shownMax)
{
    CoreMessage message{limits.textIndex, limits.englishText, {}};
    if (limits.textIndex == TextId::NumberBetween)
        message.arguments = {GeneralNumber(shownMin), GeneralNumber(shownMax)};
    return message;
}

// The value a field takes for one outside its limits.
double ReplacementOf(const CalcInputField& field)
{
    const InputControl& control = field.control;
    if (control.kind == ControlKind::ListCode && control.fallbackEntry >= 0)
        return control.codes[static_cast<std::size_t>(control.fallbackEntry)];
    return NumberOf(CalcInputs{}, field.member);
}

constexpr double LowestRatio = 0.5;
constexpr double HighestRatio = 2.0;

// Whether supply / extract lies within the recommended ratio. An extract flow
// of zero or less, a negative supply flow or a value that is not a number
// leave no usable ratio and fail.
bool RatioInRange(double supply, double extract)
{
    if (!(extract > 0) || !(supply >= 0) || !std::isfinite(supply) || !std::isfinite(extract))
        return false;
    const double ratio = supply / extract;
    return ratio >= LowestRatio && ratio <= HighestRatio;
}

}  // namespace

std::span<const std::string_view> CheckedFieldNames()
{
    return std::span<const std::string_view>(FieldNames.data(), FieldNames.size());
}

std::optional<FieldRange> FieldRangeOf(std::string_view controlName, bool siUnits)
{
    const CalcInputField* field = CheckedFieldOf(controlName);
    if (field == nullptr)
        return std::nullopt;
    const double shownMin = ShownLimit(*field, field->limits.lowest, siUnits);
    const double shownMax = ShownLimit(*field, field->limits.highest, siUnits);
    return FieldRange{shownMin, shownMax, LimitsMessage(field->limits, shownMin, shownMax)};
}

std::optional<CoreMessage> CheckField(std::string_view controlName, double shownValue, bool siUnits)
{
    std::optional<FieldRange> range = FieldRangeOf(controlName, siUnits);
    if (!range)
        return std::nullopt;
    // Written so that a value that is not a number fails as well.
    if (shownValue >= range->minValue && shownValue <= range->maxValue)
        return std::nullopt;
    return std::move(range->message);
}

bool IsWithinFieldLimits(const CalcInputField& field, double value)
{
    const InputControl& control = field.control;
    if (control.kind == ControlKind::ListCode)
        return EntryOfCode(control, value) >= 0;
    // A radio group shows only the values of its buttons.
    if (control.kind == ControlKind::RadioGroup &&
        !(value == std::floor(value) && value >= 1 && value <= static_cast<double>(control.buttons.size())))
        return false;
    // Written so that a value that is not a number fails.
    return value >= field.limits.lowest && value <= field.limits.highest;
}

CalcInputs WithinFieldLimits(CalcInputs inputs)
{
    for (const CalcInputField& field : CalcInputFields) {
        if (!HoldsText(field.member) && !IsWithinFieldLimits(field, NumberOf(inputs, field.member)))
            SetNumber(inputs, field.member, ReplacementOf(field));
    }
    return inputs;
}

double FlowCrossSection3600(const CalcInputs& inputs)
{
    switch (inputs.DeviceType) {
    case DeviceKind::Rotary: {
        if (inputs.WheelDiameter <= 0)
            return 0;
        // One air stream passes half the wheel face.
        const double radius = inputs.WheelDiameter / 2000.0;
        return radius * radius * std::numbers::pi * 3600 / 2;
    }
    case DeviceKind::CrossFlowPlate:
        if (inputs.PlateEdge <= 0 || inputs.PlateWidth <= 0)
            return 0;
        return inputs.PlateEdge / 1000.0 * 3600 * (inputs.PlateWidth / 1000.0);
    case DeviceKind::CounterflowPlate: {
        std::int32_t a = 0, faceHeight = 0, c = 0;
        GsDimensions(inputs.GSSize, a, faceHeight, c);
        if (faceHeight <= 0 || inputs.GSWidth <= 0)
            return 0;
        return inputs.GSWidth / 1000.0 * 3600 * (faceHeight / 1000.0);
    }
    default:
        return 0;
    }
}

double PermittedFaceVelocity(DeviceKind deviceType)
{
    switch (deviceType) {
    case DeviceKind::Rotary:
        return 5.5;
    case DeviceKind::CrossFlowPlate:
        return 5.0;
    case DeviceKind::CounterflowPlate:
        return 2.5;
    default:
        return 0;
    }
}

std::optional<CoreMessage> CheckPlausibility(const CalcInputs& inputs, [[maybe_unused]] bool siUnits)
{
    // Each failing step replaces the pending message: the last one is shown.
    std::optional<CoreMessage> pending;

    // Face velocity of each of the four flows, stopping at the first one
    // above the limit. Without a cross-section no air can pass at all, which
    // is reported as a device too small rather than divided by.
    const double crossSection = FlowCrossSection3600(inputs);
    const double permitted = PermittedFaceVelocity(inputs.DeviceType);
    bool tooSmall = !(crossSection > 0) || !std::isfinite(crossSection);
    if (!tooSmall) {
        for (double flow :
             {inputs.SupplyVolWinter, inputs.ExtractVolWinter, inputs.SupplyVolSummer, inputs.ExtractVolSummer}) {
            // A velocity equal to the limit passes; one that is not a number fails.
            if (!(flow / crossSection <= permitted)) {
                tooSmall = true;
                break;
            }
        }
    }
    if (tooSmall)
        pending = CoreMessage{
            TextId::DeviceTooSmall, "The selected heat exchanger is for the given air quantities too small", {}};

    // Package width of the plate exchangers.
    if ((inputs.DeviceType == DeviceKind::CrossFlowPlate && inputs.PlateWidth < 100) ||
        (inputs.DeviceType == DeviceKind::CounterflowPlate && inputs.GSWidth < 100))
        pending = CoreMessage{TextId::PackageTooNarrow, "Package width must be >= 100 mm", {}};

    // Supply to exhaust ratio, winter and summer.
    if (!RatioInRange(inputs.SupplyVolWinter, inputs.ExtractVolWinter) ||
        !RatioInRange(inputs.SupplyVolSummer, inputs.ExtractVolSummer)) {
        const NumberSeparators& separators = ProgramSeparators();
        pending = CoreMessage{TextId::RatioOutOfRange,
                              "The ratio of the air quantities is not in the recommended range %s .. %s !",
                              {FormatFloat(LowestRatio, FloatFormat::Fixed, 15, 1, separators),
                               FormatFloat(HighestRatio, FloatFormat::Fixed, 15, 1, separators)}};
    }
    return pending;
}
