// Values of a project that opening clips into range, so that a command can say which were changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/ProjectFile.h"

namespace kerf {

struct ClippedValue {
  int Line = 0;      // of the project file, 1-based
  std::string What;  // "the stock width"
  int32_t Stored = 0;
  int32_t Used = 0;  // what ApplyRecord makes of it
};

// The stock's sizes, the texture repeats and the selected cutter (with cutterCount cutters in
// the library) that ApplyRecord would change, in the order of the file's lines.
std::vector<ClippedValue> ClippedValues(const ProjectRecord& record, int cutterCount);

// "the stock width -75 is out of range; 50 is used"
std::string ClippedText(const ClippedValue& value);

}  // namespace kerf
