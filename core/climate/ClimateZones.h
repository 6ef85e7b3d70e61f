#pragma once
// The climate zones the user chooses from: zones 1 … 3 are built in, zones
// 4 … 9 are the first six remembered user climate files (zone 4 the most
// recent). Further remembered files stay in the lists but are not offered.

#include <string>
#include <vector>

#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateFileLists.h"
#include "core/climate/ClimateYear.h"
#include "core/text/Outcome.h"

inline constexpr int BuiltInZoneCount = 3;
inline constexpr int OfferedUserFileCount = 6;
inline constexpr int HighestClimateZone = BuiltInZoneCount + OfferedUserFileCount;

constexpr bool IsBuiltInZone(int zone)
{
    return zone >= 1 && zone <= BuiltInZoneCount;
}

// The climate year of built-in zone 1 … 3; a message for any other zone.
Outcome<ClimateYear> LoadBuiltInClimate(int zone);

// The name of built-in zone 1 … 3: "Deutschland (Klimazone N)" in language 1
// (German), "Germany (Climate zone N)" in every other language. Empty for
// any other zone.
std::string BuiltInZoneName(int zone, int language);

// The items of the zone selector: the three built-in zone names, then the
// names of the first six remembered files. Item i (0-based) is zone i + 1.
std::vector<std::string> ClimateZoneItems(const ClimateFileLists& lists, int language);

// The climate year of zone 1 … 9: a built-in zone or the user climate file
// zone − 4 of the lists (LoadUserClimate). A message for any other zone and
// for a user zone without a file.
Outcome<ClimateYear> LoadClimateZone(const ClimateFileLists& lists, int zone);

// The record of the user climate file of zone 4 … 9 (ReadUserClimate); a
// message for any other zone and for a zone without a file.
Outcome<ClimateRecord> UserClimateOfZone(const ClimateFileLists& lists, int zone);
