// Section: what a measuring pass finds in a set-up: the picture, each cut's figures and verdict.
#pragma once

#include <cstdint>
#include <vector>

#include "model/CutFigures.h"
#include "model/CutVerdict.h"
#include "model/Raster.h"
#include "model/SectionPictures.h"
#include "model/SectionPieces.h"

namespace kerf {

// The stock as it lies on the table: its size in hundredths of an inch and its orientation
// state 1..8 (0 before the first New).
struct StockSetup {
  int32_t Width = 200;
  int32_t Height = 200;
  int32_t FaceOnTable = 3;
};

// What the measuring pass finds out about one cut and how the cut is judged on a real table.
struct CutResult {
  CutFigures Figures;
  Verdict Judged = Verdict::CutOK;  // JudgeCutOnTable of the figures
};

// One measuring pass's result; kept from one pass to the next, its storage is used again.
// Nothing of it is written back into the set-up it was measured from.
struct Section {
  Raster Picture{SectionSize, SectionSize};  // the measured section, 500 x 500
  std::vector<CutResult> Cuts;               // cut #1 first
  SectionPieces Pieces;                      // the pieces of material of the finished section

  // What the pass found for the cut numbered n (from 1). A cut the pass did not measure (the
  // list grew since) has blank figures, as a cut has before its first measuring.
  const CutResult& ResultOfCut(int n) const {
    static const CutResult blank{CutFigures{}, JudgeCutOnTable(CutFigures{})};
    return n >= 1 && static_cast<size_t>(n) <= Cuts.size() ? Cuts[static_cast<size_t>(n - 1)]
                                                           : blank;
  }
};

}  // namespace kerf
