// CutFigures: what a measuring pass of the section finds out about one cut.
#pragma once

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

}  // namespace kerf
