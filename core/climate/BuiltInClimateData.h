#pragma once
// The climate years of the three built-in climate zones, element z − 1 for
// zone z. The values live in core/climate/BuiltInClimateData.cpp, which
// scripts/generate_climate.py writes; read them through LoadBuiltInClimate.

#include <array>

#include "core/climate/ClimateYear.h"

extern const std::array<ClimateYear, 3> BuiltInClimateZones;
