#pragma once
// Completion of an air state from any two of its quantities.

#include <array>
#include <cstdint>

#include "core/thermo/MoistAirState.h"

// Which two fields of a MoistAirState are given.
enum class StateInputMode : std::uint8_t {
    TempRelHum = 0,
    TempHumRatio = 1,
    TempEnthalpy = 2,
    HumRatioEnthalpy = 3,
    EnthalpyRelHum = 4,
    HumRatioRelHum = 5,
    DewPointTemp = 6,
    WetBulbTemp = 7,
    DewPointEnthalpy = 8,
    DewPointWetBulb = 9,
    DewPointRelHum = 10,
    WetBulbRelHum = 11,
    WetBulbHumRatio = 12,
};
inline constexpr int StateInputModeCount = 13;

// Which fields a completion computes. The dew point and the wet bulb
// temperature are the two costly ones (each a search) and no device model
// reads them; a caller that needs neither, like the annual simulation, skips
// them and finds NaN there.
enum class StateFields : std::uint8_t {
    All,
    WithoutDewPointAndWetBulb,
};

// Fills every field of state from its two given fields (named by mode) at the
// air pressure p (mbar); the other fields are overwritten. A given wet bulb
// temperature is read as the saturation temperature on the line of constant
// enthalpy. Returns true; a mode above 12 leaves the state unchanged.
// Faults are not caught: EMathError and raised flags reach the caller. A
// state whose humidity ratio comes out negative (its vapour pressure at or
// above the air pressure) is no air: EMathError, whichever fields are
// computed, so that skipping the dew point and the wet bulb never turns a
// failure into a result.
bool CompleteAirState(std::uint8_t mode, MoistAirState& state, double p, StateFields fields = StateFields::All);
inline bool CompleteAirState(StateInputMode mode, MoistAirState& state, double p, StateFields fields = StateFields::All)
{
    return CompleteAirState(static_cast<std::uint8_t>(mode), state, p, fields);
}

// The two given fields of each mode, in the order the mode names them.
using GivenFieldPair = std::array<double MoistAirState::*, 2>;
inline constexpr std::array<GivenFieldPair, StateInputModeCount> GivenFieldsOfMode = {{
    {&MoistAirState::Temp, &MoistAirState::RelHum},
    {&MoistAirState::Temp, &MoistAirState::HumRatio},
    {&MoistAirState::Temp, &MoistAirState::Enthalpy},
    {&MoistAirState::HumRatio, &MoistAirState::Enthalpy},
    {&MoistAirState::Enthalpy, &MoistAirState::RelHum},
    {&MoistAirState::HumRatio, &MoistAirState::RelHum},
    {&MoistAirState::DewPoint, &MoistAirState::Temp},
    {&MoistAirState::WetBulb, &MoistAirState::Temp},
    {&MoistAirState::DewPoint, &MoistAirState::Enthalpy},
    {&MoistAirState::DewPoint, &MoistAirState::WetBulb},
    {&MoistAirState::DewPoint, &MoistAirState::RelHum},
    {&MoistAirState::WetBulb, &MoistAirState::RelHum},
    {&MoistAirState::WetBulb, &MoistAirState::HumRatio},
}};
