// SectionPictures: what the outline trace derives from a measured section, and the measuring
// pass's scratch.
#pragma once

#include "model/SectionOutline.h"
#include "model/TablePhysics.h"

namespace kerf {

inline constexpr int SectionSize = 500;  // the measured section is 500 x 500 pixels

// Owned by whoever draws (the desktop, each command that traces or measures) beside the
// Section the pass fills: the model holds only the set-up, and these follow from it. Kept from
// one rebuild to the next so that the rasters and lists are not allocated again.
struct SectionPictures {
  SectionOutline Outline;  // traced from the measured section's picture
  TableScratch Table;      // where the table's physics is judged
};

}  // namespace kerf
