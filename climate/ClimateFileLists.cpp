#include "climate/ClimateFileLists.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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
    std::error_code ec;  // a path that cannot be examined counts as missing
    return !path.empty() && std::filesystem::exists(path, ec) && !ec;
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

void DropMissingClimateFiles(ClimateFileLists& lists)
{
    MatchLengths(lists);
    auto& files = lists.ClimateFileList;
    auto& names = lists.ClimateNameList;
    for (std::size_t i = files.size(); i-- > 0;) {
        if (names[i].empty() || !FileExists(files[i])) {
            files.erase(files.begin() + static_cast<std::ptrdiff_t>(i));
            names.erase(names.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}
