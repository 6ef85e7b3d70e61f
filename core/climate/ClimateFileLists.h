#pragma once
// The remembered user climate files: their full paths and descriptions, two
// parallel lists of equal length, most recently used first; and the folder
// the user last took a weather file from to import, where the next import
// starts.

#include <string>
#include <vector>

struct ClimateFileLists {
    std::vector<std::string> ClimateFileList;  // full paths
    std::vector<std::string> ClimateNameList;  // the Name of each file's record
    // Empty: none yet. The initializer lets the two lists be given without it.
    std::string WeatherFolder{};
};

// Puts a file at the head of the lists after it was loaded or saved: a path
// already in the list (compared exactly; Linux file names distinguish case)
// keeps its place and gets the new name, a new path and its name go to
// position 0. Lists of unequal length (a damaged settings file) are first
// cut to the shorter one.
void RememberClimateFile(ClimateFileLists& lists, const std::string& path, const std::string& name);

// Removes every entry that cannot be offered: one whose file does not exist
// or whose name is empty, and one whose path is listed before it (the first
// stays, with its name). Lists of unequal length are first cut to the
// shorter one. Returns, for each entry as it was given, the position of its
// file in the lists afterwards, or -1 when its file is no longer listed, so
// that a zone naming an entry can be kept on the same file.
std::vector<int> DropMissingClimateFiles(ClimateFileLists& lists);

// The climate zone that names the same file as `zone` did before the lists
// changed as `positions` tells (a result of DropMissingClimateFiles, or of
// writing the lists): built-in zones and zones beyond the entries stay as
// they are, a zone whose file is no longer listed becomes zone 1.
int ZoneOfSameFile(int zone, const std::vector<int>& positions);
