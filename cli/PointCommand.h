#pragma once
// wrgcalc point: one operating point of a device per JSON line.

#include <string>

#include <nlohmann/json.hpp>

// The answer line for one input object; throws InputError for bad input.
std::string AnswerPointLine(const nlohmann::json& input);

// The help text: the input form, the devices and their fields.
std::string PointCommandHelp();
