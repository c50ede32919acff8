// SectionPictures: what the measuring pass and the trace derive from a model's section.
#pragma once

#include <vector>

#include "model/Cut.h"
#include "model/Raster.h"
#include "model/SectionOutline.h"
#include "model/SectionPieces.h"
#include "model/TablePhysics.h"

namespace kerf {

inline constexpr int SectionSize = 500;  // the measured section is 500 x 500 pixels

// Owned by whoever draws (the desktop, each command that traces or measures): the model holds
// only the set-up, and these follow from it. Kept from one rebuild to the next so that the
// rasters and lists are not allocated again.
struct SectionPictures {
  Raster Measured{SectionSize, SectionSize};  // the measured section the outline is traced from
  SectionPieces Pieces;                       // the pieces of material of the measured section
  std::vector<CutFigures> Figures;            // the last measuring pass's figures, cut #1 first
  SectionOutline Outline;                     // traced from Measured
  TableScratch Table;                         // where the table's physics is judged
};

}  // namespace kerf
