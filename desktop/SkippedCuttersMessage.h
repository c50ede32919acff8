// The desktop's start-up warning about cutter bitmaps that could not be loaded: short, then in
// full.
#pragma once

#include <string>
#include <vector>

#include "project/CutterLibrary.h"

namespace kerf {

struct SkippedCuttersMessage {
  std::string Summary;  // how many, and in which folders: a few lines whatever the number
  std::string Details;  // every file with its folder and the reason, one a line
};

// skipped as LoadCutterLibraries gives it: names without a folder are in suppliedDir, the
// user's own carry theirs.
SkippedCuttersMessage DescribeSkippedCutters(const std::vector<SkippedCutter>& skipped,
                                             const std::string& suppliedDir);

}  // namespace kerf
