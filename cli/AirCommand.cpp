// wrgcalc air: air states completed line by line.

#include "cli/AirCommand.h"

#include <algorithm>
#include <string>

#include "cli/JsonLines.h"
#include "core/thermo/AirState.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"
#include "core/thermo/MoistAirState.h"

const char* const AirCommandHelp = R"(Each input line is one JSON object:
  {"StateMode":0,"Pressure":1013,"Temp":20,"RelHum":50}
StateMode names the two given quantities:
   0 Temp, RelHum          7 WetBulb, Temp
   1 Temp, HumRatio        8 DewPoint, Enthalpy
   2 Temp, Enthalpy        9 DewPoint, WetBulb
   3 HumRatio, Enthalpy   10 DewPoint, RelHum
   4 Enthalpy, RelHum     11 WetBulb, RelHum
   5 HumRatio, RelHum     12 WetBulb, HumRatio
   6 DewPoint, Temp
Units: Temp, DewPoint, WetBulb in degC; RelHum in %; HumRatio in g/kg of dry
air; Enthalpy in kJ/kg of dry air; Pressure in mbar (optional, default 1013).
WetBulb is the saturation temperature on the line of constant enthalpy.
Each answer line holds Temp, RelHum, HumRatio, DewPoint, WetBulb, Enthalpy and
Density (kg/m3) with 17 significant digits; a value that cannot be computed is
null. A line that cannot be answered gets {"error":"..."}; the exit status is 1
when any line was an error.)";

namespace {

// Beyond 10 bar humid air is no longer the ideal gas the functions assume.
constexpr double MaxPressure = 10000;

const char* NameOf(double MoistAirState::*member)
{
    const auto field = std::find_if(MoistAirFields.begin(), MoistAirFields.end(),
                                    [member](const MoistAirField& f) { return f.member == member; });
    return field->name;
}

bool IsTemperature(double MoistAirState::*member)
{
    return member == &MoistAirState::Temp || member == &MoistAirState::DewPoint || member == &MoistAirState::WetBulb;
}

// Rejects values no air can have; everything else is left to the moist-air
// functions, whose faults are reported after the completion.
void CheckGivenValue(double MoistAirState::*member, double value)
{
    const std::string name = NameOf(member);
    if (IsTemperature(member) && value <= -KelvinOffset)
        throw InputError("field \"" + name + "\" lies at or below absolute zero (-273.15 degC)");
    if ((member == &MoistAirState::RelHum || member == &MoistAirState::HumRatio) && value < 0)
        throw InputError("field \"" + name + "\" must not be negative");
}

// Modes 5 and 10 find the temperature at which the vapour reaches the given
// relative humidity, which needs some humidity to aim at.
void CheckRelHumTarget(int mode, const MoistAirState& state)
{
    const bool searchesTemp = mode == static_cast<int>(StateInputMode::HumRatioRelHum) ||
                              mode == static_cast<int>(StateInputMode::DewPointRelHum);
    if (searchesTemp && state.RelHum <= 0)
        throw InputError("field \"RelHum\" must be greater than 0 in StateMode " + std::to_string(mode));
}

// Reads the two given fields of the mode; a state field that the mode does
// not take is an error, since it would be overwritten without notice.
MoistAirState ReadGivenState(const nlohmann::json& input, int mode)
{
    const GivenFieldPair& given = GivenFieldsOfMode[mode];
    MoistAirState state;
    for (const MoistAirField& field : MoistAirFields) {
        const bool isGiven = field.member == given[0] || field.member == given[1];
        if (isGiven) {
            state.*field.member = RequireNumber(input, field.name);
            CheckGivenValue(field.member, state.*field.member);
        } else if (input.contains(field.name)) {
            throw InputError("field \"" + std::string(field.name) + "\" is not an input of StateMode " +
                             std::to_string(mode) + ", which takes " + NameOf(given[0]) + " and " + NameOf(given[1]));
        }
    }
    return state;
}

}  // namespace

std::string AnswerAirLine(const nlohmann::json& input)
{
    RejectUnknownFields(
        input, {"StateMode", "Pressure", "Temp", "RelHum", "HumRatio", "DewPoint", "WetBulb", "Enthalpy", "Density"});
    const int mode = RequireInteger(input, "StateMode", 0, StateInputModeCount - 1);
    const double pressure = NumberOr(input, "Pressure", StdPressure);
    if (pressure <= 0 || pressure > MaxPressure)
        throw InputError("field \"Pressure\" must lie above 0 and at most 10000 mbar");
    MoistAirState state = ReadGivenState(input, mode);
    CheckRelHumTarget(mode, state);

    std::string fault;
    if (!RunFpGuarded([&] { CompleteAirState(static_cast<std::uint8_t>(mode), state, pressure); }, &fault)) {
        if (fault.empty())
            fault =
                "the state lies outside the range of the moist-air functions (a temperature above 1000 degC or a "
                "negative humidity ratio on the way)";
        throw InputError("the air state cannot be completed: " + fault);
    }

    JsonObjectWriter answer;
    for (const MoistAirField& field : MoistAirFields)
        answer.Number(field.name, state.*field.member);
    return answer.Text();
}
