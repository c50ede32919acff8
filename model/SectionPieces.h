// SectionPieces: the separate pieces of material in a section raster, kept as runs along rows.
#pragma once

#include <vector>

#include "model/Raster.h"

namespace kerf {

// The material (every pixel that is not exactly white) of a rectangle of a raster, held as runs
// along its rows and joined into four-connected pieces: pixels that touch only at a corner are
// separate pieces, as wood joined along no width is. After a cut only the rows it painted are
// read again, and the storage is kept from one measuring pass to the next.
class SectionPieces {
 public:
  // Reads every row of the rectangle [left, right) x [top, bottom), clipped to the raster.
  void Read(const Raster& raster, int left, int top, int right, int bottom);
  // Reads the box firstRow..lastRow x firstColumn..lastColumn of the rectangle again, after
  // pixels inside it were whitened and none outside it changed; returns whether a row changed.
  bool Reread(const Raster& raster, int firstRow, int lastRow, int firstColumn, int lastColumn);

  // The number of four-connected pieces of material; 0 when nothing is left.
  int Count();
  // Paints every piece but the largest (the most pixels; of equal ones the one reaching
  // highest) white on raster, which must hold the picture that was read.
  void KeepLargest(Raster& raster);

 private:
  struct Run {
    int From;  // first and last column of the run
    int To;
  };

  bool ReadRow(const Raster& raster, int y);
  bool RereadRow(const Raster& raster, int y, int firstColumn, int lastColumn);
  void Join();
  int Root(int run);

  int left_ = 0;  // the clipped rectangle, half-open
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
  std::vector<std::vector<Run>> rows_;  // runs of row top_ + i, left to right
  std::vector<Run> spliced_;            // a row being reread
  std::vector<int> parent_;             // union-find over the runs, numbered row by row
  std::vector<long long> area_;
  int count_ = 0;
  bool joined_ = false;
};

}  // namespace kerf
