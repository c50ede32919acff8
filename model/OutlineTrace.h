// Outline tracing: marking the boundary band of a section raster and walking it once around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Raster.h"
#include "model/SectionOutline.h"

namespace kerf {

// Walk directions 0..7 in raster coordinates (x right, y down), from up-left clockwise.
inline constexpr int DirectionDx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
inline constexpr int DirectionDy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};

// Marks the boundary between material and white of a raster and traces it. Cell [x, y] of the
// marks belongs to the raster pixel (x, y) itself: x = 1..W and y = 1..H index the pixel columns
// and rows with the same numbers, pixel column 0 and row 0 have no cell, and the cells x = W and
// y = H lie just outside the raster. Only cells with 2 <= x <= W-1 and 2 <= y <= H-1 can end up
// marked: a cell is marked when its pixel differs in whiteness from the pixel above it or from
// the pixel to its left, so the band lies on the material side at the top and left of a region
// and on the white side at its bottom and right.
//
// One tracer is meant to be kept and reused: the marks and the walk keep their storage between
// rebuilds of the same size.
class OutlineTracer {
 public:
  // Sizes the marks to width x height and clears them; the storage is reused when it suffices.
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The four marking passes, in this order. A pass given a raster of another size than the
  // marks sizes them to it first (clearing them).
  // Vertical pass: every cell becomes true where its pixel differs from the one above it and
  // false elsewhere (columns x = 1..W, rows y = 1..H; pixels outside the raster read as white).
  void MarkVertical(const Raster& picture);
  // Horizontal pass: a cell becomes true where its pixel differs from the one to its left;
  // other cells keep what the vertical pass left.
  void MarkHorizontal(const Raster& picture);
  // Clears rows 1 and H for x = 1..W.
  void ClearBorderRows();
  // Clears columns 1 and W for y = 2..H-1.
  void ClearBorderColumns();

  // All four passes.
  void Mark(const Raster& picture);

  // The first marked cell in column order (smallest x, then smallest y). False when none.
  bool FindStart(int& x, int& y) const;

  // Walks the band from the start cell with the left-turn-first rule until it comes back to
  // the start, until MaxOutlinePoints points are stored, or until a step finds no marked
  // neighbour. A closed walk replaces outline's points and centre (the mean column and row,
  // the first point counted twice, truncated toward zero). A walk that does not close, and a
  // raster with nothing marked, leave the points, count and centre as they were; Closed is
  // false then. Returns outline.Closed.
  bool Trace(SectionOutline& outline);
  // Points the last Trace walked, closed or not; 0 when nothing was marked.
  int WalkLength() const { return walkLength_; }

  bool Marked(int x, int y) const {
    return x >= 1 && x <= width_ && y >= 1 && y <= height_ && marks_[Index(x, y)] != 0;
  }
  void SetMark(int x, int y, bool marked);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;              // cells per row: columns 0..W+1, so neighbours need no checks
  std::vector<uint8_t> marks_;  // rows 0..H+1; row and column 0 and W+1, H+1 stay clear
  std::vector<int> walkX_;      // the walk in progress, committed only when it closes
  std::vector<int> walkY_;
  int walkLength_ = 0;
};

}  // namespace kerf
