// SectionPieces: the separate pieces of material in a section raster, kept as runs along rows.
#pragma once

#include <cstddef>
#include <vector>

#include "model/Raster.h"

namespace kerf {

// The material (every pixel that is not exactly white) of a rectangle of a raster, held as runs
// along its rows and joined into four-connected pieces: pixels that touch only at a corner are
// separate pieces, as wood joined along no width is. After a cut only the rows it painted are
// read again, and the storage is kept from one measuring pass to the next. Every run carries
// the piece it belongs to, so that after a cut the count is mostly settled from the rows
// around the cut alone; only when that cannot decide are all the rows joined again.
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
    int Piece = 0;  // the piece it belongs to, while known_
  };

  bool ReadRow(const Raster& raster, int y);
  bool RereadRow(const Raster& raster, int y, int firstColumn, int lastColumn);
  // Joins the runs of rows firstRow..lastRow (counted from top_) among themselves in parent_;
  // returns the number of pieces they make there.
  int Unite(size_t firstRow, size_t lastRow);
  // Counts all the pieces afresh and numbers every run with its piece.
  void Join();
  // Settles the count after rows firstRow..lastRow lost material, from those rows and the
  // ones around them; false when that cannot decide it.
  bool JoinAround(int firstRow, int lastRow);
  // Joins rows first..last and settles the count from them alone if it can (see JoinAround).
  bool SettledWithin(size_t first, size_t last);
  int Root(int run);

  int left_ = 0;  // the clipped rectangle, half-open
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
  std::vector<std::vector<Run>> rows_;  // runs of row top_ + i, left to right
  std::vector<Run> spliced_;            // a row being reread
  std::vector<int> parent_;             // union-find over the runs, numbered row by row
  std::vector<long long> area_;
  std::vector<int> touched_;  // pieces that had material in the columns reread
  std::vector<int> seen_;     // per touched piece: the first local root found
  int count_ = 0;
  // Whether count_ and every run's Piece are right (distinct pieces have distinct numbers),
  // and whether they come straight from Join (each piece numbered by its first run).
  bool known_ = false;
  bool joined_ = false;
};

}  // namespace kerf
