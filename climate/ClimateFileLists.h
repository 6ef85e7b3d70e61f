#pragma once
// The remembered user climate files: their full paths and descriptions, two
// parallel lists of equal length, most recently used first.

#include <string>
#include <vector>

struct ClimateFileLists {
    std::vector<std::string> ClimateFileList;  // full paths
    std::vector<std::string> ClimateNameList;  // the Name of each file's record
};
