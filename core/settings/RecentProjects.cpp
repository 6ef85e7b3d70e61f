// The recently used project files and their section of the settings file.

#include "core/settings/RecentProjects.h"

#include <algorithm>

#include "core/settings/IniFile.h"

namespace {

const std::string Section = "WRG_Projects";

std::string KeyOf(std::size_t position)
{
    return "File" + std::to_string(position + 1);
}

}  // namespace

std::vector<std::string> WithRecentProject(std::vector<std::string> recent, const std::string& path)
{
    recent = WithoutRecentProject(std::move(recent), path);
    recent.insert(recent.begin(), path);
    if (recent.size() > RecentProjectCount)
        recent.resize(RecentProjectCount);
    return recent;
}

std::vector<std::string> WithoutRecentProject(std::vector<std::string> recent, const std::string& path)
{
    std::erase(recent, path);
    return recent;
}

std::vector<std::string> ReadRecentProjects(const TIniDatei& file)
{
    std::vector<std::string> recent;
    for (const std::string& key : file.ReadSection(Section)) {
        const std::string path = file.ReadString(Section, key, std::string());
        if (path.empty() || std::find(recent.begin(), recent.end(), path) != recent.end())
            continue;
        recent.push_back(path);
        if (recent.size() == RecentProjectCount)
            break;
    }
    return recent;
}

std::optional<CoreMessage> WriteRecentProjects(TIniDatei& file, const std::vector<std::string>& recent)
{
    file.EraseSection(Section);
    for (std::size_t at = 0; at < recent.size() && at < RecentProjectCount; ++at)
        file.WriteString(Section, KeyOf(at), recent[at]);
    return file.Save();
}
