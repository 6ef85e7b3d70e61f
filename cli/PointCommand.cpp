// wrgcalc point: one operating point of a device per JSON line.

#include "cli/PointCommand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string_view>
#include <vector>

#include "cli/JsonLines.h"
#include "core/devices/DeviceFields.h"

namespace {

using nlohmann::json;

// ---- reading fields -------------------------------------------------------

double ReadNumber(const json& value, const std::string& path)
{
    if (!value.is_number())
        throw InputError("field \"" + path + "\" must be a number, not " + value.type_name());
    return value.get<double>();
}

long long ReadWholeNumber(const json& value, const std::string& path, long long low, long long high)
{
    const double number = ReadNumber(value, path);
    if (number != std::floor(number) || number < static_cast<double>(low) || number > static_cast<double>(high)) {
        throw InputError("field \"" + path + "\" must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    }
    return static_cast<long long>(number);
}

template <class VisitAll>
void ReadObject(const json& object, const std::string& path, VisitAll visitAll);

void ReadValue(const json& value, const std::string& path, double& field)
{
    field = ReadNumber(value, path);
}

void ReadValue(const json& value, const std::string& path, std::int32_t& field)
{
    field = static_cast<std::int32_t>(ReadWholeNumber(value, path, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

void ReadValue(const json& value, const std::string& path, std::uint8_t& field)
{
    field = static_cast<std::uint8_t>(ReadWholeNumber(value, path, 0, 255));
}

void ReadValue(const json& value, const std::string& path, AirPort& port)
{
    ReadObject(value, path, [&port](auto&& visitor) { VisitPortFields(port, visitor); });
}

void ReadValue(const json& value, const std::string& path, AirStreamData& stream)
{
    ReadObject(value, path, [&stream](auto&& visitor) { VisitStreamFields(stream, visitor); });
}

// Sets the field named key, if visitAll knows it; returns whether it did.
template <class VisitAll>
bool ReadField(const std::string& key, const json& value, const std::string& path, VisitAll& visitAll)
{
    bool found = false;
    visitAll([&](const char* name, auto& field) {
        if (!found && key == name) {
            found = true;
            ReadValue(value, path, field);
        }
    });
    return found;
}

template <class VisitAll>
void ReadObject(const json& object, const std::string& path, VisitAll visitAll)
{
    if (!object.is_object())
        throw InputError("field \"" + path + "\" must be an object, not " + object.type_name());
    for (const auto& item : object.items()) {
        const std::string fieldPath = path + "." + item.key();
        if (!ReadField(item.key(), item.value(), fieldPath, visitAll))
            throw InputError("unknown field \"" + fieldPath + "\"");
    }
}

// ---- writing fields -------------------------------------------------------

void WriteValue(JsonObjectWriter& out, const char* name, double value)
{
    out.Number(name, value);
}

void WriteValue(JsonObjectWriter& out, const char* name, std::int32_t value)
{
    out.Number(name, value);
}

void WriteValue(JsonObjectWriter& out, const char* name, std::uint8_t value)
{
    out.Number(name, value);
}

struct FieldWriter {
    JsonObjectWriter& out;
    template <class Field>
    void operator()(const char* name, Field& field)
    {
        WriteValue(out, name, field);
    }
    void operator()(const char* name, AirPort& port)
    {
        JsonObjectWriter part;
        VisitPortFields(port, FieldWriter{part});
        out.Object(name, part);
    }
    void operator()(const char* name, AirStreamData& stream)
    {
        JsonObjectWriter part;
        VisitStreamFields(stream, FieldWriter{part});
        out.Object(name, part);
    }
};

// ---- the devices ----------------------------------------------------------

template <class Data>
std::vector<std::string> FieldNamesOf()
{
    Data data;
    std::vector<std::string> names;
    VisitFields(data, [&names](const char* name, auto&) { names.emplace_back(name); });
    return names;
}

struct Device {
    const char* name;       // the value of "Device"
    const char* className;  // the calculation data class
    std::string (*run)(const json& input, const Device& device);
    std::vector<std::string> (*fieldNames)();
};

template <class Data>
std::string RunDevice(const json& input, const Device& device);

constexpr std::array<Device, 5> Devices = {{
    {"RWT", "TDatenRWT", RunDevice<TDatenRWT>, FieldNamesOf<TDatenRWT>},
    {"RWT_X", "TDatenRWT_X", RunDevice<TDatenRWT_X>, FieldNamesOf<TDatenRWT_X>},
    {"ZEPRA_2000", "TDatenZEPRA_2000", RunDevice<TDatenZEPRA_2000>, FieldNamesOf<TDatenZEPRA_2000>},
    {"PWT", "TDatenPWT", RunDevice<TDatenPWT>, FieldNamesOf<TDatenPWT>},
    {"GS", "TDatenGS", RunDevice<TDatenGS>, FieldNamesOf<TDatenGS>},
}};

bool IsFieldOfAnyDevice(const std::string& key)
{
    return std::any_of(Devices.begin(), Devices.end(), [&key](const Device& device) {
        const std::vector<std::string> names = device.fieldNames();
        return std::find(names.begin(), names.end(), key) != names.end();
    });
}

template <class Data>
void ReadTopLevel(const json& input, Data& data, const Device& device)
{
    auto visitAll = [&data](auto&& visitor) { VisitFields(data, visitor); };
    for (const auto& item : input.items()) {
        if (item.key() == "Device" || ReadField(item.key(), item.value(), item.key(), visitAll))
            continue;
        if (IsFieldOfAnyDevice(item.key()))
            throw InputError("field \"" + item.key() + "\" is not a field of " + device.className);
        throw InputError("unknown field \"" + item.key() + "\"");
    }
}

template <class Data>
std::string RunDevice(const json& input, const Device& device)
{
    Data data;
    ReadTopLevel(input, data, device);
    data.Calculate();  // reports failure only through Status

    JsonObjectWriter out;
    out.String("Device", device.name);
    VisitFields(data, FieldWriter{out});
    return out.Text();
}

const Device& DeviceOf(const json& input)
{
    const auto found = input.find("Device");
    if (found == input.end())
        throw InputError("missing field \"Device\" (RWT, RWT_X, ZEPRA_2000, PWT or GS)");
    if (!found->is_string())
        throw InputError("field \"Device\" must be a string: RWT, RWT_X, ZEPRA_2000, PWT or GS");
    const std::string name = found->get<std::string>();
    for (const Device& device : Devices) {
        if (name == device.name)
            return device;
    }
    throw InputError("field \"Device\" names no device: \"" + name + "\" (RWT, RWT_X, ZEPRA_2000, PWT or GS)");
}

}  // namespace

std::string AnswerPointLine(const json& input)
{
    const Device& device = DeviceOf(input);
    return device.run(input, device);
}

std::string PointCommandHelp()
{
    std::string text = R"(Each input line is one JSON object naming the device and any of its fields:
  {"Device":"RWT","StateMode":0,"FlowMode":0,"Pressure":1013,
   "Stream1":{"Inlet":{"StdVolFlow":5000,"Temp":-10,"RelHum":80}},
   "Stream2":{"Inlet":{"StdVolFlow":5000,"Temp":22,"RelHum":40}},
   "RotorType":0,"RotorDiameter":1500,"WavePitch":5.2}
Fields not given keep the defaults of the device. StateMode (0-12) names the
two given quantities of both inlet states as in "wrgcalc air"; FlowMode names
the given flow: 0 StdVolFlow, 1 VolFlow, 2 DryMassFlow, 3 MassFlow.
Units: degC, %, g/kg, kJ/kg, kg/m3, m3/h, kg/h, mbar, Pa, m/s, kW, mm, 1/min.
The answer holds every field of the device after the calculation; Status 0
means the calculation succeeded, 100 that it failed.

Every device has: Status StateMode FlowMode Pressure Stream1 Stream2, each
stream with Inlet Outlet PressureDrop PressureDropStd FaceVelocity Velocity,
each inlet and outlet with StdVolFlow VolFlow Temp RelHum HumRatio DewPoint
WetBulb Enthalpy Density DryMassFlow VapourMassFlow MassFlow.
)";
    const std::vector<std::string> common = FieldNamesOf<TDatenII>();
    for (const Device& device : Devices) {
        text.append("\n").append(device.name).append(" (").append(device.className).append(") adds:");
        std::size_t column = 80;
        for (const std::string& name : device.fieldNames()) {
            if (std::find(common.begin(), common.end(), name) != common.end())
                continue;
            if (column + name.size() + 1 > 78) {
                text += "\n ";
                column = 1;
            }
            text.append(" ").append(name);
            column += name.size() + 1;
        }
        text += "\n";
    }
    return text;
}
