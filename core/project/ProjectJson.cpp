// A project as the JSON document of its file.

#include "core/project/ProjectJson.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>

#include "core/climate/CalcInputsFields.h"
#include "core/climate/ClimateZones.h"
#include "core/devices/CrossflowPlateTables.h"
#include "core/forms/ClimateEditorCells.h"
#include "core/forms/DevicePageRules.h"
#include "core/forms/InputChecks.h"

namespace {

using Json = nlohmann::ordered_json;
using Refusal = std::optional<CoreMessage>;

constexpr std::array<std::string_view, 7> TopKeys = {ProjectKey::Format, ProjectKey::Version,    ProjectKey::Title,
                                                     ProjectKey::Note,   ProjectKey::UnitSystem, ProjectKey::Climate,
                                                     ProjectKey::Inputs};

// The zone is not an input of the file: the climate is "Climate", since a
// zone number beyond the built-in ones names a file of one machine's list.
bool IsClimateZone(const CalcInputField& field)
{
    return field.member == CalcInputMember(&CalcInputs::ClimateZone);
}

// A field that follows from another (the plate edge from its list position).
bool IsDerived(const CalcInputField& field)
{
    return field.storedKey.empty();
}

std::vector<std::string_view> InputKeys()
{
    std::vector<std::string_view> keys;
    for (const CalcInputField& field : CalcInputFields)
        if (!IsClimateZone(field))
            keys.push_back(field.name);
    return keys;
}

// The keys of an embedded climate data set.
std::vector<std::string_view> ClimateDataKeys()
{
    std::vector<std::string_view> keys = {ProjectKey::ClimateName};
    const ClimateRecord lists;
    VisitMonthlyLists(lists, [&keys](const char* name, const auto&) { keys.push_back(name); });
    return keys;
}

const CalcInputField& FieldOf(const CalcInputMember& member)
{
    return *std::find_if(CalcInputFields.begin(), CalcInputFields.end(),
                         [&member](const CalcInputField& field) { return field.member == member; });
}

// The keys of `object` that are not among `known`, in their order.
Json UnknownKeysOf(const Json& object, const std::vector<std::string_view>& known)
{
    Json unknown = Json::object();
    for (const auto& item : object.items())
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            unknown[item.key()] = item.value();
    return unknown;
}

// The shortest text that reads back as the same double.
std::string NumberText(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

// Whether a JSON number fits the member: any number for a double, a whole
// number within the type's range for the others.
bool FitsMember(const CalcInputMember& member, double number)
{
    return std::visit(
        [number](auto field) {
            using Value = std::remove_cvref_t<decltype(std::declval<CalcInputs&>().*field)>;
            if constexpr (std::is_same_v<Value, double>) {
                return true;
            } else if constexpr (std::is_same_v<Value, std::string>) {
                return false;
            } else {
                using Whole = typename std::conditional_t<std::is_enum_v<Value>, std::underlying_type<Value>,
                                                          std::type_identity<Value>>::type;
                return number == std::floor(number) && number >= std::numeric_limits<Whole>::min() &&
                       number <= std::numeric_limits<Whole>::max();
            }
        },
        member);
}

class Reader {
public:
    explicit Reader(const std::string& fileName) : fileName_(fileName) {}

    Outcome<ProjectRead> Read(const Json& document)
    {
        const auto format = document.is_object() ? document.find(ProjectKey::Format) : document.end();
        if (!document.is_object() || format == document.end() || *format != ProjectFormatName)
            return Message(TextId::ProjectWrongFormat,
                           "%s is not a WRG project file: \"Format\" must be \"WRG project\".");
        ProjectRead read;
        Project& project = read.project;
        Refusal refusal = ReadVersion(document, read.warnings);
        if (!refusal)
            refusal = ReadText(document, ProjectKey::Title, project.Title);
        if (!refusal)
            refusal = ReadText(document, ProjectKey::Note, project.Note);
        if (!refusal)
            refusal = ReadUnitSystem(document, project.SIUnits);
        if (!refusal)
            refusal = ReadClimate(document, project);
        if (!refusal)
            refusal = ReadInputs(document, project);
        if (refusal)
            return *refusal;
        project.UnknownKeys.Top = UnknownKeysOf(document, {TopKeys.begin(), TopKeys.end()});
        if (!missing_.empty())
            read.warnings.push_back(Message(TextId::ProjectFieldsMissing,
                                            "%s: these fields are missing and take the values of a first start: %s",
                                            {JoinedMissing()}));
        return read;
    }

private:
    CoreMessage Message(TextId id, const char* english, std::vector<std::string> arguments = {}) const
    {
        arguments.insert(arguments.begin(), fileName_);
        return CoreMessage{id, english, std::move(arguments)};
    }
    CoreMessage NotNumber(const std::string& path) const
    {
        return Message(TextId::ProjectFieldNotNumber, "%s: the field \"%s\" must be a number.", {path});
    }
    CoreMessage NotWhole(const std::string& path) const
    {
        return Message(TextId::ProjectFieldNotWhole, "%s: the field \"%s\" must be a whole number.", {path});
    }
    CoreMessage NotText(const std::string& path) const
    {
        return Message(TextId::ProjectFieldNotText, "%s: the field \"%s\" must be a text.", {path});
    }
    CoreMessage NotObject(const std::string& path) const
    {
        return Message(TextId::ProjectFieldNotObject, "%s: the field \"%s\" must be an object of named fields.",
                       {path});
    }
    CoreMessage NotAllowed(const std::string& path, const Json& value) const
    {
        return Message(TextId::ProjectFieldNotAllowed, "%s: the field \"%s\" does not allow the value %s.",
                       {path, value.dump()});
    }
    CoreMessage OutOfRange(const std::string& path, double lowest, double highest, const Json& value) const
    {
        return Message(TextId::ProjectFieldOutOfRange, "%s: the field \"%s\" must lie between %s and %s (found: %s).",
                       {path, NumberText(lowest), NumberText(highest), value.dump()});
    }

    std::string JoinedMissing() const
    {
        std::string names;
        for (const std::string& name : missing_)
            names += (names.empty() ? "" : ", ") + name;
        return names;
    }

    // The value of `key` in `object`, or nullptr with the field noted as
    // missing.
    const Json* Find(const Json& object, std::string_view key, const std::string& path)
    {
        const auto found = object.find(key);
        if (found != object.end())
            return &*found;
        missing_.push_back(path);
        return nullptr;
    }

    // The object of `key`; nullptr when it is missing (noted as such) or no
    // object (`refusal` set).
    const Json* FindObject(const Json& document, std::string_view key, Refusal& refusal)
    {
        const std::string path(key);
        const Json* object = Find(document, key, path);
        if (object != nullptr && !object->is_object()) {
            refusal = NotObject(path);
            return nullptr;
        }
        return object;
    }

    // A whole number from `lowest` to `highest`.
    Refusal ReadWhole(const Json& value, const std::string& path, int lowest, int highest, int& number) const
    {
        if (!value.is_number())
            return NotNumber(path);
        const double read = value.get<double>();
        if (read != std::floor(read))
            return NotWhole(path);
        if (read < lowest || read > highest)
            return OutOfRange(path, lowest, highest, value);
        number = static_cast<int>(read);
        return std::nullopt;
    }

    Refusal ReadVersion(const Json& document, std::vector<CoreMessage>& warnings)
    {
        const std::string path(ProjectKey::Version);
        const Json* value = Find(document, ProjectKey::Version, path);
        if (value == nullptr)
            return std::nullopt;
        if (!value->is_number())
            return NotNumber(path);
        if (value->get<double>() != std::floor(value->get<double>()))
            return NotWhole(path);
        if (value->get<double>() < 1)
            return NotAllowed(path, *value);
        if (value->get<double>() > ProjectFormatVersion) {
            warnings.push_back(Message(TextId::ProjectLaterVersion,
                                       "%s was written by a later version of the program (file version %s). Fields "
                                       "this version does not know are kept when the project is saved.",
                                       {value->dump()}));
        }
        return std::nullopt;
    }

    Refusal ReadText(const Json& object, std::string_view key, std::string& text)
    {
        const std::string path(key);
        const Json* value = Find(object, key, path);
        if (value == nullptr)
            return std::nullopt;
        if (!value->is_string())
            return NotText(path);
        text = value->get<std::string>();
        return std::nullopt;
    }

    Refusal ReadUnitSystem(const Json& document, bool& siUnits)
    {
        std::string system(SIUnitSystem);
        if (Refusal refusal = ReadText(document, ProjectKey::UnitSystem, system))
            return refusal;
        if (system != SIUnitSystem && system != UKUSUnitSystem)
            return NotAllowed(std::string(ProjectKey::UnitSystem), document.at(ProjectKey::UnitSystem));
        siUnits = system == SIUnitSystem;
        return std::nullopt;
    }

    // ---- The climate -------------------------------------------------------

    Refusal ReadClimate(const Json& document, Project& project)
    {
        Refusal refusal;
        const Json* climate = FindObject(document, ProjectKey::Climate, refusal);
        if (climate == nullptr)
            return refusal;
        std::vector<std::string_view> keys = ClimateDataKeys();
        const bool embedded = std::any_of(keys.begin(), keys.end(),
                                          [climate](std::string_view key) { return climate->contains(key); });
        keys.push_back(ProjectKey::Zone);
        project.UnknownKeys.Climate = UnknownKeysOf(*climate, keys);
        const auto zone = climate->find(ProjectKey::Zone);
        if (embedded && zone != climate->end())
            return Message(TextId::ProjectClimateZoneAndData,
                           "%s: the field \"Climate\" must hold either \"Zone\" or an embedded climate, not both.");
        if (embedded)
            return ReadEmbeddedClimate(*climate, project);
        const std::string zonePath = ClimatePath(ProjectKey::Zone);
        if (zone == climate->end()) {
            missing_.push_back(zonePath);
            return std::nullopt;
        }
        return ReadWhole(*zone, zonePath, 1, BuiltInZoneCount, project.Inputs.ClimateZone);
    }

    Refusal ReadEmbeddedClimate(const Json& climate, Project& project) const
    {
        ClimateRecord record;
        const auto name = climate.find(ProjectKey::ClimateName);
        if (name == climate.end())
            return Required(ProjectKey::ClimateName);
        if (!name->is_string())
            return NotText(ClimatePath(ProjectKey::ClimateName));
        record.Name = name->get<std::string>();
        Refusal refusal;
        VisitMonthlyLists(record, [&](const char* key, std::array<double, 12>& values) {
            if (!refusal)
                refusal = ReadMonthlyList(climate, key, values);
        });
        if (refusal)
            return refusal;
        ClimateTextCheck check = CheckClimateRecord(record);
        if (!check.record)
            return ClimateRefusal(check);
        project.EmbeddedClimate = std::move(*check.record);
        project.Inputs.ClimateZone = EmbeddedClimateZone;
        return std::nullopt;
    }

    static std::string ClimatePath(std::string_view key)
    {
        return std::string(ProjectKey::Climate) + "." + std::string(key);
    }
    static std::string InputPath(std::string_view key)
    {
        return std::string(ProjectKey::Inputs) + "." + std::string(key);
    }

    CoreMessage Required(std::string_view key) const
    {
        return Message(TextId::ProjectFieldRequired, "%s: the field \"%s\" is missing.", {ClimatePath(key)});
    }

    Refusal ReadMonthlyList(const Json& climate, const char* key, std::array<double, 12>& values) const
    {
        const auto list = climate.find(key);
        if (list == climate.end())
            return Required(key);
        const bool twelveNumbers = list->is_array() && list->size() == values.size() &&
                                   std::all_of(list->begin(), list->end(), [](const Json& v) { return v.is_number(); });
        if (!twelveNumbers)
            return Message(TextId::ProjectFieldNotMonths, "%s: the field \"%s\" must be a list of 12 numbers.",
                           {ClimatePath(key)});
        for (std::size_t month = 0; month < values.size(); ++month)
            values[month] = (*list)[month].get<double>();
        return std::nullopt;
    }

    // The message of a fault of the climate editor's checks, naming the list
    // (in the order of the editor's columns) and the month.
    CoreMessage ClimateRefusal(const ClimateTextCheck& check) const
    {
        const std::string month = std::to_string(check.month + 1);
        switch (check.fault) {
        case ClimateTextFault::EmptyDescription:
            return Message(TextId::ProjectFieldEmpty, "%s: the field \"%s\" must not be empty.",
                           {ClimatePath(ProjectKey::ClimateName)});
        case ClimateTextFault::InvalidCell: {
            std::string list;
            int column = ClimateColumn::HumRatio;
            const ClimateRecord lists;
            VisitMonthlyLists(lists, [&](const char* key, const auto&) {
                if (column++ == check.column)
                    list = ClimatePath(key);
            });
            return Message(TextId::ProjectClimateValue,
                           "%s: the embedded climate is refused: the value of \"%s\" in month %s is not allowed.",
                           {list, month});
        }
        case ClimateTextFault::RunawayCurve:
            return Message(TextId::ProjectClimateTimes,
                           "%s: the embedded climate is refused: the minimum and maximum times of month %s are too "
                           "close for a daily course.",
                           {month});
        case ClimateTextFault::None:
        case ClimateTextFault::Unusable:
            break;
        }
        return Message(TextId::ProjectClimateUnusable,
                       "%s: the embedded climate is refused: it describes no daily temperature curve.");
    }

    // ---- The inputs --------------------------------------------------------

    Refusal ReadInputs(const Json& document, Project& project)
    {
        Refusal refusal;
        const Json* inputs = FindObject(document, ProjectKey::Inputs, refusal);
        if (inputs == nullptr)
            return refusal;
        project.UnknownKeys.Inputs = UnknownKeysOf(*inputs, InputKeys());
        CalcInputs& in = project.Inputs;
        for (const CalcInputField& field : CalcInputFields) {
            if (IsClimateZone(field))
                continue;
            const std::string fieldPath = InputPath(field.name);
            const auto value = inputs->find(field.name);
            if (value == inputs->end()) {
                if (!IsDerived(field))
                    missing_.push_back(fieldPath);
                continue;
            }
            if (Refusal refused = ReadInput(field, *value, fieldPath, in))
                return refused;
        }
        return CheckRulesBetweenFields(*inputs, in);
    }

    Refusal ReadInput(const CalcInputField& field, const Json& value, const std::string& path, CalcInputs& in) const
    {
        if (HoldsText(field.member)) {
            if (!value.is_string())
                return NotText(path);
            in.*std::get<std::string CalcInputs::*>(field.member) = value.get<std::string>();
            return std::nullopt;
        }
        if (std::holds_alternative<bool CalcInputs::*>(field.member)) {
            if (!value.is_boolean())
                return Message(TextId::ProjectFieldNotBool, "%s: the field \"%s\" must be true or false.", {path});
            in.*std::get<bool CalcInputs::*>(field.member) = value.get<bool>();
            return std::nullopt;
        }
        if (!value.is_number())
            return NotNumber(path);
        const double number = value.get<double>();
        if (!FitsMember(field.member, number))
            return NotWhole(path);
        if (!IsWithinFieldLimits(field, number))
            return LimitsRefusal(field, path, value);
        SetNumber(in, field.member, number);
        return std::nullopt;
    }

    // The refusal of a value outside the field's limits: the range where the
    // field has one, otherwise (a code list, a radio group) the value alone.
    CoreMessage LimitsRefusal(const CalcInputField& field, const std::string& path, const Json& value) const
    {
        const FieldLimits& limits = field.limits;
        const bool low = std::isfinite(limits.lowest);
        if (low && std::isfinite(limits.highest))
            return OutOfRange(path, limits.lowest, limits.highest, value);
        if (low)
            return Message(TextId::ProjectFieldTooLow, "%s: the field \"%s\" must be %s or more (found: %s).",
                           {path, NumberText(limits.lowest), value.dump()});
        return NotAllowed(path, value);
    }

    // The rules the window keeps between fields: the rotor profile is one of
    // its rotor's list (the window could show no other), the plate edge is the
    // one of its list position, and the heating period has both ends or none.
    Refusal CheckRulesBetweenFields(const Json& inputs, CalcInputs& in) const
    {
        const std::vector<std::string> profiles = ProfilesOfRotorCode(in.RotorTypeCode);
        if (std::find(profiles.begin(), profiles.end(), in.StorageMassCode) == profiles.end()) {
            const std::string_view profileName = FieldOf(&CalcInputs::StorageMassCode).name;
            return NotAllowed(InputPath(profileName), Json(in.StorageMassCode));
        }
        const std::string_view edgeName = FieldOf(&CalcInputs::PlateEdge).name;
        const int edge = PlateEdgeList[static_cast<std::size_t>(in.PlateEdgeItem - 1)];
        if (inputs.contains(edgeName) && in.PlateEdge != edge)
            return NotAllowed(InputPath(edgeName), inputs.at(edgeName));
        in.PlateEdge = edge;
        if ((in.HeatingMonthFrom == 0) != (in.HeatingMonthTo == 0)) {
            const CalcInputField& none = FieldOf(in.HeatingMonthFrom == 0 ? &CalcInputs::HeatingMonthFrom
                                                                          : &CalcInputs::HeatingMonthTo);
            return NotAllowed(InputPath(none.name), Json(0));
        }
        return std::nullopt;
    }

    std::string fileName_;
    std::vector<std::string> missing_;
};

// ---- Writing ---------------------------------------------------------------

// The fields of `unknown` that `object` does not have yet, appended.
void AppendUnknown(Json& object, const Json& unknown)
{
    if (!unknown.is_object())
        return;
    for (const auto& item : unknown.items())
        if (!object.contains(item.key()))
            object[item.key()] = item.value();
}

Json ClimateJson(const Project& project)
{
    Json climate = Json::object();
    if (const std::optional<ClimateRecord>& record = project.EmbeddedClimate) {
        climate[ProjectKey::ClimateName] = record->Name;
        VisitMonthlyLists(*record,
                          [&climate](const char* key, const std::array<double, 12>& values) { climate[key] = values; });
    } else {
        climate[ProjectKey::Zone] = project.Inputs.ClimateZone;
    }
    AppendUnknown(climate, project.UnknownKeys.Climate);
    return climate;
}

Json InputsJson(const Project& project)
{
    Json inputs = Json::object();
    for (const CalcInputField& field : CalcInputFields) {
        if (IsClimateZone(field))
            continue;
        std::visit(
            [&](auto member) {
                const auto& value = project.Inputs.*member;
                using Value = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_enum_v<Value> || std::is_same_v<Value, std::uint8_t>)
                    inputs[field.name] = static_cast<int>(value);
                else
                    inputs[field.name] = value;
            },
            field.member);
    }
    AppendUnknown(inputs, project.UnknownKeys.Inputs);
    return inputs;
}

}  // namespace

Outcome<ProjectRead> ProjectOfJson(const Json& document, const std::string& fileName)
{
    return Reader(fileName).Read(document);
}

Json JsonOfProject(const Project& project)
{
    Json document = Json::object();
    document[ProjectKey::Format] = ProjectFormatName;
    document[ProjectKey::Version] = ProjectFormatVersion;
    document[ProjectKey::Title] = project.Title;
    document[ProjectKey::Note] = project.Note;
    document[ProjectKey::UnitSystem] = project.SIUnits ? SIUnitSystem : UKUSUnitSystem;
    document[ProjectKey::Climate] = ClimateJson(project);
    document[ProjectKey::Inputs] = InputsJson(project);
    AppendUnknown(document, project.UnknownKeys.Top);
    return document;
}
