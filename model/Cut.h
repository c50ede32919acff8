// Cut: one cut of the cut list as the user set it: its four settings and its cutter's file name.
#pragma once

#include <cstdint>
#include <string>

namespace kerf {

// Fixed when the cut is made (or loaded) and moved when cuts are reordered. What a measuring
// pass finds out about the cut lives in its Section (model/Section.h), never here.
struct Cut {
  int32_t Fence = 0;   // fence position in hundredths of an inch (the fence slider)
  int32_t Height = 0;  // cutter height in hundredths of an inch (the height slider)
  int32_t Face = 0;    // orientation state 1..8 in which the cut was made
  int32_t Cutter = 0;  // cutter number (1 is the first cutter); 0 when the cutter is missing
  // File name a project gave for the cutter. Kept so that a cut whose cutter is missing
  // from the library (Cutter 0) is written back with the same name; moves with Cutter.
  std::string CutterFileName;
};

}  // namespace kerf
