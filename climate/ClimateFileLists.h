#pragma once
// The remembered user climate files: their full paths and descriptions, two
// parallel lists of equal length, most recently used first.

#include <string>
#include <vector>

struct ClimateFileLists {
    std::vector<std::string> ClimateFileList;  // full paths
    std::vector<std::string> ClimateNameList;  // the Name of each file's record
};

// Puts a file at the head of the lists after it was loaded or saved: a path
// already in the list (compared exactly; Linux file names distinguish case)
// keeps its place and gets the new name, a new path and its name go to
// position 0. Lists of unequal length (a damaged settings file) are first
// cut to the shorter one.
void RememberClimateFile(ClimateFileLists& lists, const std::string& path, const std::string& name);

// Removes, walking from the last entry to the first, every entry whose file
// does not exist or whose name is empty. Lists of unequal length are first
// cut to the shorter one.
void DropMissingClimateFiles(ClimateFileLists& lists);
