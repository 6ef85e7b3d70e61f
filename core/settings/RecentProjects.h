#pragma once
// The list of recently used project files, most recent first, kept in its
// own section of the settings file ([WRG_Projects] File1 … File6) so that the
// main window's File menu can offer them again in the next run.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/text/CoreMessage.h"

class TIniDatei;

// How many projects the list keeps.
inline constexpr std::size_t RecentProjectCount = 6;

// The list with `path` at its head: a path already listed (compared exactly;
// Linux file names distinguish case) moves up rather than appearing twice,
// and the oldest entries beyond RecentProjectCount drop out.
std::vector<std::string> WithRecentProject(std::vector<std::string> recent, const std::string& path);

// The list without `path` (a file that is gone).
std::vector<std::string> WithoutRecentProject(std::vector<std::string> recent, const std::string& path);

// The list as the settings file holds it: at most RecentProjectCount paths in
// the order of their keys, empty values and repeated paths left out. A file
// without the section gives the empty list.
std::vector<std::string> ReadRecentProjects(const TIniDatei& file);

// Replaces the section by the list (at most RecentProjectCount entries) and
// saves the settings file at once, so that the list survives a run that ends
// without closing the window. The message when saving failed.
[[nodiscard]] std::optional<CoreMessage> WriteRecentProjects(TIniDatei& file, const std::vector<std::string>& recent);
