// Cut: one cut of the cut list, its four settings and the figures its measuring found.
#pragma once

#include <cstdint>
#include <string>

namespace kerf {

// What a measuring pass of the section finds out about one cut.
struct CutFigures {
  // Bearing figures in percent: material along the fence and on the table before and after.
  float FenceBefore = 0;
  float TableBefore = 0;
  float FenceAfter = 0;
  float TableAfter = 0;

  // Whether a real table could make the cut: the bit's shank, rising from the table along the
  // cutter's axis to its lowest row, met material that the earlier cuts had left; and the
  // number of separate pieces of material in the section just before and just after the cut.
  bool ShankBlocked = false;
  int PiecesBefore = 1;
  int PiecesAfter = 1;

  // What the table's physics finds on a finer picture of the section (model/TablePhysics.h):
  // the stock trapped between cutter and fence, the bearing or the 1/4" shank overlapping wood,
  // the cutter raised beyond the table's reach, and the thickness in inches of a skin too thin
  // to survive (0 for none).
  bool TrapsStock = false;
  bool BearingInWood = false;
  bool ShankInWood = false;
  bool BeyondReach = false;
  float SkinInches = 0;
};

// The figures are those of the last measuring pass; they stay with the slot when cuts move.
struct Cut : CutFigures {
  // Settings, fixed when the cut is made (or loaded) and moved when cuts are reordered.
  int32_t Fence = 0;   // fence position in hundredths of an inch (the fence slider)
  int32_t Height = 0;  // cutter height in hundredths of an inch (the height slider)
  int32_t Face = 0;    // orientation state 1..8 in which the cut was made
  int32_t Cutter = 0;  // cutter number (1 is the first cutter); 0 when the cutter is missing
  // File name a project gave for the cutter. Kept so that a cut whose cutter is missing
  // from the library (Cutter 0) is written back with the same name; moves with Cutter.
  std::string CutterFileName;
};

}  // namespace kerf
