#pragma once
// The calculation records as JSON: the inputs in both directions, the annual
// and economy results out. Field names are those of the records.

#include <string>

#include <nlohmann/json.hpp>

#include "core/climate/AnnualResults.h"
#include "core/climate/CalcInputs.h"
#include "core/economy/Economy.h"

// Sets the inputs named in `object` (other fields keep their values); the
// keys in `extraKeys` are left to the caller. Throws InputError naming an
// unknown field or a value of the wrong type.
void ReadCalcInputs(const nlohmann::json& object, CalcInputs& inputs,
                    std::initializer_list<std::string_view> extraKeys = {});

// {"CalcInputs": {...}, "AnnualResults": {...}, "EconomyResults": {...}};
// an absent economy value is null. A calculation on the actual year of a
// weather file adds "WeatherFile": its path.
std::string CalculationJson(CalcInputs inputs, AnnualResults annual, EconomyResults economy,
                            std::string_view weatherFile = {});
