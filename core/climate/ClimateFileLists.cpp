// The lists of remembered user climate files.

#include "core/climate/ClimateFileLists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

// Two lists of one length: a path without a name or a name without a path
// has no partner to be shown or loaded with.
void MatchLengths(ClimateFileLists& lists)
{
    const std::size_t n = std::min(lists.ClimateFileList.size(), lists.ClimateNameList.size());
    lists.ClimateFileList.resize(n);
    lists.ClimateNameList.resize(n);
}

bool FileExists(const std::string& path)
{
    // A path that cannot be examined counts as missing; so does one with a
    // zero byte, which the system would read as a shorter path.
    std::error_code ec;
    return !path.empty() && path.find('\0') == std::string::npos && std::filesystem::exists(path, ec) && !ec;
}

}  // namespace

void RememberClimateFile(ClimateFileLists& lists, const std::string& path, const std::string& name)
{
    MatchLengths(lists);
    auto& files = lists.ClimateFileList;
    auto& names = lists.ClimateNameList;
    const auto found = std::find(files.begin(), files.end(), path);
    if (found != files.end()) {
        names[static_cast<std::size_t>(found - files.begin())] = name;
        return;
    }
    files.insert(files.begin(), path);
    names.insert(names.begin(), name);
}

std::vector<int> DropMissingClimateFiles(ClimateFileLists& lists)
{
    MatchLengths(lists);
    ClimateFileLists kept;
    std::vector<int> positions(lists.ClimateFileList.size(), -1);
    for (std::size_t i = 0; i < lists.ClimateFileList.size(); ++i) {
        const std::string& path = lists.ClimateFileList[i];
        const auto earlier = std::find(kept.ClimateFileList.begin(), kept.ClimateFileList.end(), path);
        if (earlier != kept.ClimateFileList.end()) {
            positions[i] = static_cast<int>(earlier - kept.ClimateFileList.begin());
            continue;
        }
        if (lists.ClimateNameList[i].empty() || !FileExists(path))
            continue;
        positions[i] = static_cast<int>(kept.ClimateFileList.size());
        kept.ClimateFileList.push_back(path);
        kept.ClimateNameList.push_back(lists.ClimateNameList[i]);
    }
    lists = std::move(kept);
    return positions;
}

int ZoneOfSameFile(int zone, const std::vector<int>& positions)
{
    constexpr int builtInZones = 3;
    if (zone <= builtInZones || zone > builtInZones + static_cast<int>(positions.size()))
        return zone;
    const int position = positions[static_cast<std::size_t>(zone - builtInZones - 1)];
    return position >= 0 ? builtInZones + 1 + position : 1;
}
