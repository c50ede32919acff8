// A pass's settings in the terms a woodworker sets a table by, and how to split a deep pass.
#pragma once

#include <string>
#include <vector>

#include "model/Cut.h"
#include "model/Tool.h"
#include "project/SetupSheet.h"

namespace kerf {

// The most wood a pass takes at once in hardwood, in hundredths of an inch.
inline constexpr int32_t DeepestPassHundredths = 25;
// The light last pass a deep cut is finished with.
inline constexpr int32_t LightPassHundredths = 6;

// Fills card's measurements from the cutter laid out as the card draws it (the table below,
// the fence at the right): how far the lowest cutting edge stands above or below the table,
// how far the widest row above the table stands proud of the fence face, and whether the
// bearing is flush with the fence.
void FillGauge(SheetCard& card, const Tool& tool, const Cut& cut);

// How thick a layer of wood a pass takes at once, from the sections before and after it, and
// whether it is split by moving the fence (it reaches the fence face) or by raising the bit (it
// reaches the table face only); 0 when it takes none or reaches neither face.
struct PassDepth {
  bool FenceWise = true;
  int32_t Depth = 0;  // hundredths of an inch
};
PassDepth DepthOf(const SheetSection& before, const SheetSection& after);

// Where a pass takes more than DeepestPassHundredths at once, the lines that say how to take it
// in passes of rising depth, the last light ("Take it in 3 passes: fence at ..."); empty
// otherwise. proud is how far the cutter stands proud of the fence face at the full setting.
std::vector<std::string> SplitPassLines(const PassDepth& depth, const Cut& cut, int32_t proud);

}  // namespace kerf
