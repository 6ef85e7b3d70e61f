#pragma once
// wrgcalc air: completes air states given as JSON Lines.

#include <string>

#include <nlohmann/json.hpp>

// The answer line for one input object; throws InputError for bad input.
std::string AnswerAirLine(const nlohmann::json& input);

// The help text on the fields of an input line.
extern const char* const AirCommandHelp;
