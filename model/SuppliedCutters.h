// The cutters supplied with the program, described by their cutting edges.
#pragma once

#include <vector>

#include "model/CutterGeometry.h"

namespace kerf {

// The supplied set in the order the bitmaps are written, sized as such bits are sold.
std::vector<CutterDesign> SuppliedCutters();

}  // namespace kerf
