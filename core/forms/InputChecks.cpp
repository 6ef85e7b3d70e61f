// The checks that guard the main window's inputs, without Qt.

#include "core/forms/InputChecks.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>

#include "core/devices/CounterflowPlateModel.h"
#include "core/settings/UnitConversion.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"

namespace {

constexpr double NoLimit = std::numeric_limits<double>::infinity();

// One group of fields sharing a rule. Limits are in the calculation unit;
// unitKind (0 for none) converts them into the UK/US unit of the screen.
struct FieldGroup {
    double minValue;
    double maxValue;
    TextId textIndex;
    const char* englishText;
    int unitKind;
    int siCode;
    int ukCode;
};

constexpr FieldGroup VolumeFlows{0, NoLimit, TextId::ValueNotNegative, "The Value must be > 0",
                                 UnitKind::AirVolumeFlow, UnitCode::CubicMetresPerHour, UnitCode::Cfm};
constexpr FieldGroup Temperatures{0, 80, TextId::NumberBetween, "Please enter a number between %s and %s",
                                  UnitKind::Temperature, UnitCode::Celsius, UnitCode::Fahrenheit};
constexpr FieldGroup Humidities{0, 100, TextId::NumberBetween, "Please enter a number between %s and %s", 0, 0, 0};
constexpr FieldGroup WheelDiameters{500, 6000, TextId::NumberBetween, "Please enter a number between %s and %s",
                                    0, 0, 0};
constexpr FieldGroup DrivePowers{0, 4000, TextId::NumberBetween, "Please enter a number between %s and %s", 0, 0,
                                 0};
constexpr FieldGroup DaysOfWeek{1, 7, TextId::NumberBetween, "Please enter a number between %s and %s", 0, 0, 0};
// Package widths are shown in mm in both unit systems.
constexpr FieldGroup PackageWidths{100, NoLimit, TextId::PackageTooNarrow, "Package width must be >= 100 mm", 0,
                                   0, 0};
// Economy values: amounts, years, rates and prices; none is converted.
constexpr FieldGroup EconomyValues{0, NoLimit, TextId::ValueNotNegative, "The Value must be > 0", 0, 0, 0};

// A checked field and the input it edits: a floating-point or a whole-number
// member of CalcInputs, in the calculation unit.
struct CheckedField {
    std::string_view name;
    const FieldGroup* group;
    double CalcInputs::* real;
    int CalcInputs::* whole;
};

constexpr std::array<CheckedField, 24> CheckedFields = {{
    {"Edit_VolZuWi", &VolumeFlows, &CalcInputs::SupplyVolWinter, nullptr},
    {"Edit_VolAbWi", &VolumeFlows, &CalcInputs::ExtractVolWinter, nullptr},
    {"Edit_VolZuSo", &VolumeFlows, &CalcInputs::SupplyVolSummer, nullptr},
    {"Edit_VolAbSo", &VolumeFlows, &CalcInputs::ExtractVolSummer, nullptr},
    {"Edit_TempWi", &Temperatures, &CalcInputs::ExtractTempWinter, nullptr},
    {"Edit_TempSo", &Temperatures, &CalcInputs::ExtractTempSummer, nullptr},
    {"Edit_MaxZuTemp", &Temperatures, &CalcInputs::MaxSupplyTemp, nullptr},
    {"Edit_SommerPunkt", &Temperatures, &CalcInputs::SummerSwitchTemp, nullptr},
    {"Edit_FeuchteWi", &Humidities, &CalcInputs::ExtractHumWinter, nullptr},
    {"Edit_FeuchteSo", &Humidities, &CalcInputs::ExtractHumSummer, nullptr},
    {"Edit_Rad", &WheelDiameters, nullptr, &CalcInputs::WheelDiameter},
    {"Edit_Antrieb", &DrivePowers, nullptr, &CalcInputs::DrivePower},
    {"Edit_TageWoche", &DaysOfWeek, &CalcInputs::DaysPerWeek, nullptr},
    {"Edit_PWTBreite", &PackageWidths, nullptr, &CalcInputs::PlateWidth},
    {"Edit_GSBreite", &PackageWidths, nullptr, &CalcInputs::GSWidth},
    {"Edit_Invest", &EconomyValues, &CalcInputs::Investment, nullptr},
    {"Edit_Nutzung", &EconomyValues, &CalcInputs::Lifetime, nullptr},
    {"Edit_Zins", &EconomyValues, &CalcInputs::InterestRate, nullptr},
    {"Edit_Elektro", &EconomyValues, &CalcInputs::PriceElectric, nullptr},
    {"Edit_Waerme", &EconomyValues, &CalcInputs::PriceHeat, nullptr},
    {"Edit_Kaelte", &EconomyValues, &CalcInputs::PriceCold, nullptr},
    {"Edit_Wasser", &EconomyValues, &CalcInputs::PriceWater, nullptr},
    {"Edit_Unterhalt", &EconomyValues, &CalcInputs::Maintenance, nullptr},
    {"Edit_Wartung", &EconomyValues, &CalcInputs::Service, nullptr},
}};

// The names as a plain list for callers that iterate the fields.
constexpr std::array<std::string_view, CheckedFields.size()> FieldNames = [] {
    std::array<std::string_view, CheckedFields.size()> names{};
    for (std::size_t i = 0; i < CheckedFields.size(); ++i)
        names[i] = CheckedFields[i].name;
    return names;
}();

const FieldGroup* GroupOf(std::string_view controlName)
{
    for (const CheckedField& field : CheckedFields)
        if (field.name == controlName)
            return field.group;
    return nullptr;
}

// A limit in the unit the field shows.
double ShownLimit(const FieldGroup& group, double limit, bool siUnits)
{
    if (siUnits || group.unitKind == 0 || !std::isfinite(limit))
        return limit;
    return ConvertUnit(group.unitKind, group.siCode, group.ukCode, limit);
}

// A number as C's "%g" prints it, with the program's decimal separator.
std::string GeneralNumber(double value)
{
    const double values[] = {value};
    return FormatWithG("%g", values, ProgramSeparators());
}

CoreMessage GroupMessage(const FieldGroup& group, double shownMin, double shownMax)
{
    CoreMessage message{group.textIndex, group.englishText, {}};
    if (group.textIndex == TextId::NumberBetween)
        message.arguments = {GeneralNumber(shownMin), GeneralNumber(shownMax)};
    return message;
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
    const FieldGroup* group = GroupOf(controlName);
    if (group == nullptr)
        return std::nullopt;
    const double shownMin = ShownLimit(*group, group->minValue, siUnits);
    const double shownMax = ShownLimit(*group, group->maxValue, siUnits);
    return FieldRange{shownMin, shownMax, GroupMessage(*group, shownMin, shownMax)};
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

CalcInputs WithinFieldLimits(CalcInputs inputs)
{
    const CalcInputs defaults;
    for (const CheckedField& field : CheckedFields) {
        const FieldGroup& group = *field.group;
        // Written so that a value that is not a number fails as well.
        const auto inRange = [&group](double value) { return value >= group.minValue && value <= group.maxValue; };
        if (field.real != nullptr && !inRange(inputs.*field.real))
            inputs.*field.real = defaults.*field.real;
        if (field.whole != nullptr && !inRange(inputs.*field.whole))
            inputs.*field.whole = defaults.*field.whole;
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

double PermittedFaceVelocity(int deviceType)
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
        for (double flow : {inputs.SupplyVolWinter, inputs.ExtractVolWinter, inputs.SupplyVolSummer,
                            inputs.ExtractVolSummer}) {
            // A velocity equal to the limit passes; one that is not a number fails.
            if (!(flow / crossSection <= permitted)) {
                tooSmall = true;
                break;
            }
        }
    }
    if (tooSmall)
        pending = CoreMessage{TextId::DeviceTooSmall,
                              "The selected heat exchanger is for the given air quantities too small", {}};

    // Package width of the plate exchangers.
    if ((inputs.DeviceType == DeviceKind::CrossFlowPlate && inputs.PlateWidth < 100)
        || (inputs.DeviceType == DeviceKind::CounterflowPlate && inputs.GSWidth < 100))
        pending = CoreMessage{TextId::PackageTooNarrow, "Package width must be >= 100 mm", {}};

    // Supply to exhaust ratio, winter and summer.
    if (!RatioInRange(inputs.SupplyVolWinter, inputs.ExtractVolWinter)
        || !RatioInRange(inputs.SupplyVolSummer, inputs.ExtractVolSummer)) {
        const NumberSeparators& separators = ProgramSeparators();
        pending = CoreMessage{TextId::RatioOutOfRange,
                              "The ratio of the air quantities is not in the recommended range %s .. %s !",
                              {FormatFloat(LowestRatio, FloatFormat::Fixed, 15, 1, separators), FormatFloat(HighestRatio, FloatFormat::Fixed, 15, 1, separators)}};
    }
    return pending;
}

