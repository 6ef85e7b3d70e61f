// The climate zones: the built-in ones and the remembered user files.

#include "core/climate/ClimateZones.h"

#include <algorithm>

#include "core/climate/BuiltInClimateData.h"
#include "core/climate/UserClimate.h"

namespace {

constexpr int GermanLanguage = 1;
constexpr int FirstUserZone = BuiltInZoneCount + 1;

CoreMessage NoSuchZone(int zone)
{
    return CoreMessage{TextId::None, "The climate zone %s does not exist.", {std::to_string(zone)}};
}

}  // namespace

Outcome<ClimateYear> LoadBuiltInClimate(int zone)
{
    if (!IsBuiltInZone(zone))
        return NoSuchZone(zone);
    return BuiltInClimateZones[static_cast<std::size_t>(zone - 1)];
}

std::string BuiltInZoneName(int zone, int language)
{
    if (!IsBuiltInZone(zone))
        return {};
    const std::string number = std::to_string(zone);
    return language == GermanLanguage ? "Deutschland (Klimazone " + number + ")"
                                      : "Germany (Climate zone " + number + ")";
}

std::vector<std::string> ClimateZoneItems(const ClimateFileLists& lists, int language)
{
    std::vector<std::string> items;
    for (int zone = 1; zone <= BuiltInZoneCount; ++zone)
        items.push_back(BuiltInZoneName(zone, language));
    const std::size_t offered = std::min(
        {lists.ClimateNameList.size(), lists.ClimateFileList.size(), static_cast<std::size_t>(OfferedUserFileCount)});
    items.insert(items.end(), lists.ClimateNameList.begin(),
                 lists.ClimateNameList.begin() + static_cast<std::ptrdiff_t>(offered));
    return items;
}

Outcome<ClimateYear> LoadClimateZone(const ClimateFileLists& lists, int zone)
{
    if (IsBuiltInZone(zone))
        return LoadBuiltInClimate(zone);
    if (zone < FirstUserZone || zone > HighestClimateZone)
        return NoSuchZone(zone);
    return LoadUserClimate(lists, zone - FirstUserZone);
}

Outcome<ClimateRecord> UserClimateOfZone(const ClimateFileLists& lists, int zone)
{
    if (zone < FirstUserZone || zone > HighestClimateZone)
        return NoSuchZone(zone);
    return ReadUserClimate(lists, zone - FirstUserZone);
}
