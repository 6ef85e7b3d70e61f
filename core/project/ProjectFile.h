#pragma once
// Project files: a project as UTF-8 JSON, pretty-printed with a stable key
// order so that two versions of a project compare line by line:
//
//   {
//     "Format": "WRG project",
//     "Version": 1,
//     "Title": "…", "Note": "…",
//     "UnitSystem": "SI" or "UK/US",
//     "Climate": {"Zone": 1 … 3} or {"Name": "…", "HumRatio": [12 numbers], "MinTemp": …,
//                                   "MinTime": …, "MaxTemp": …, "MaxTime": …},
//     "Inputs": {every input but the zone, by the names of `wrgcalc calculate --json`,
//                in calculation units}
//   }
//
// Keys this version does not know are kept and written back after the known
// ones of their level. A missing field takes its first-start value and is
// named in a warning; a file of a later version opens with a warning.
// Everything else that is wrong refuses the whole file with a message naming
// the field (core/project/ProjectJson.h); nothing is half read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/project/Project.h"
#include "core/project/ProjectJson.h"
#include "core/text/Outcome.h"

// A project file is a few kilobytes; anything above this is no project file
// and is not read into memory.
inline constexpr std::size_t ProjectFileMaxSize = 1024 * 1024;
// How deep objects and lists may nest (the format itself needs three
// levels); deeper data is refused before it could exhaust the stack.
inline constexpr int ProjectMaxNesting = 64;

// Reads the project file at `path` with the size-limited reader of the
// program's own files: a missing file, one that is not a regular file, too
// large, unreadable, no JSON (the message carries the parser's line and
// column) or refused by ProjectOfJson gives the message naming the path.
Outcome<ProjectRead> ReadProjectFile(const std::string& path);

// The project of a file's text; `fileName` is named in the messages.
Outcome<ProjectRead> ProjectOfText(std::string_view text, const std::string& fileName);

// The text of a project file, ending with a line break. Bytes of a text field
// that are not UTF-8 (a climate name from an old file) are written as U+FFFD.
std::string ProjectText(const Project& project);

// Writes the project file in one rename (ReplaceFile): on failure the old
// file is untouched and the message names the path and the reason.
[[nodiscard]] std::optional<CoreMessage> WriteProjectFile(const std::string& path, const Project& project);
