#pragma once
// One state of humid air. Every inlet and outlet of an air stream carries one.
// The air pressure is not part of the state: it is one value per calculation
// and is passed to every function that needs it.

#include <array>

struct MoistAirState {
    double Temp = 0;      // dry-bulb temperature, °C
    double RelHum = 0;    // relative humidity, % (above 100: supersaturated, fog)
    double HumRatio = 0;  // humidity ratio, g of water per kg of dry air
    double DewPoint = 0;  // dew point temperature, °C
    double WetBulb = 0;   // saturation temperature on the line of constant enthalpy, °C
    double Enthalpy = 0;  // specific enthalpy, kJ per kg of dry air
    double Density = 0;   // density of the moist air, kg/m³
};

// The fields of MoistAirState by name, in record order: the one table for
// every place that reads or writes a state field by field.
struct MoistAirField {
    const char* name;
    double MoistAirState::*member;
};

inline constexpr std::array<MoistAirField, 7> MoistAirFields = {{
    {"Temp", &MoistAirState::Temp},
    {"RelHum", &MoistAirState::RelHum},
    {"HumRatio", &MoistAirState::HumRatio},
    {"DewPoint", &MoistAirState::DewPoint},
    {"WetBulb", &MoistAirState::WetBulb},
    {"Enthalpy", &MoistAirState::Enthalpy},
    {"Density", &MoistAirState::Density},
}};
