// The cutter library: every "*.bmp" of the tools directory read into Tool records.
#pragma once

#include <string>
#include <vector>

#include "model/Progress.h"
#include "model/Tool.h"

namespace kerf {

struct SkippedCutter {
  std::string FileName;  // without directory
  std::string Reason;    // why it was not loaded
};

struct CutterLibrary {
  std::vector<Tool> Tools;             // in file-name order, case-insensitive
  std::vector<SkippedCutter> Skipped;  // bitmaps that could not be loaded; loading went on
  bool DirectoryFound = false;
  std::vector<std::string> UserFiles;  // file names of the tools read from the user's folder
};

// Names in the order of a sorted list: without regard to case, and names that differ only in
// case by their bytes, so that the order never depends on how the directory lists them.
bool CutterFileListsBefore(const std::string& a, const std::string& b);

// Reads the directory (progress label "Setup Tools....", one step per bitmap). A bitmap that
// cannot be decoded is skipped and listed; the library holds only the loaded ones.
CutterLibrary LoadCutterLibrary(const std::string& directory, ProgressSink& progress);

}  // namespace kerf
