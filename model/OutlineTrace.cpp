// Outline tracing: marking the boundary band of a section raster and walking it once around.
#include "model/OutlineTrace.h"

#include <algorithm>
#include <cstring>

namespace kerf {

namespace {

// The marking reads every pixel twice per rebuild, so its loops are written for the compiler
// to vectorise: restrict-qualified pointers (byte-sized cells could otherwise alias the pixels)
// and blocks of a fixed length, which the compiler's cheapest vectorising mode accepts.
constexpr int Block = 16;

inline uint8_t IsWhite(Colour c) { return c == White; }

// cells[i] = whiteness of a[i] differs from that of b[i], for i = 0..n-1.
void MarkDifferences(const Colour* __restrict a, const Colour* __restrict b,
                     uint8_t* __restrict cells, int n) {
  int i = 0;
  for (; i + Block <= n; i += Block) {
    for (int j = 0; j < Block; ++j) cells[i + j] = IsWhite(a[i + j]) ^ IsWhite(b[i + j]);
  }
  for (; i < n; ++i) cells[i] = IsWhite(a[i]) ^ IsWhite(b[i]);
}

// cells[i] |= whiteness of a[i] differs from that of b[i], for i = 0..n-1. Along a row, a and b
// are the same row one pixel apart. At -O3 the compiler unrolls a block loop of this shape
// completely and then fails to vectorise the unrolled code; kept rolled, it vectorises at both
// -O2 and -O3.
void MarkMoreDifferences(const Colour* __restrict a, const Colour* __restrict b,
                         uint8_t* __restrict cells, int n) {
  int i = 0;
  for (; i + Block <= n; i += Block) {
#pragma GCC unroll 1
    for (int j = 0; j < Block; ++j)
      cells[i + j] = static_cast<uint8_t>(cells[i + j] | (IsWhite(a[i + j]) ^ IsWhite(b[i + j])));
  }
  for (; i < n; ++i) cells[i] = static_cast<uint8_t>(cells[i] | (IsWhite(a[i]) ^ IsWhite(b[i])));
}

// cells[i] = pixel i is not white: a row against the white outside the raster.
void MarkMaterial(const Colour* __restrict row, uint8_t* __restrict cells, int n) {
  int i = 0;
  for (; i + Block <= n; i += Block) {
    for (int j = 0; j < Block; ++j) cells[i + j] = IsWhite(row[i + j]) ^ 1;
  }
  for (; i < n; ++i) cells[i] = IsWhite(row[i]) ^ 1;
}

}  // namespace

void OutlineTracer::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = width_ + 2;
  marks_.assign(static_cast<size_t>(stride_) * static_cast<size_t>(height_ + 2), 0);
}

void OutlineTracer::SetMark(int x, int y, bool marked) {
  if (x >= 1 && x <= width_ && y >= 1 && y <= height_) marks_[Index(x, y)] = marked ? 1 : 0;
}

void OutlineTracer::MarkVertical(const Raster& picture) {
  if (picture.Width() != width_ || picture.Height() != height_) {
    Resize(picture.Width(), picture.Height());
  }
  const int w = width_;
  const int h = height_;
  if (w < 1 || h < 1) return;
  // Row by row rather than column by column: the same cells, visited in memory order.
  // Row 1 is the first of every column's pass: nothing before it to differ from.
  std::fill_n(&marks_[Index(1, 1)], w, uint8_t{0});
  for (int y = 2; y <= h; ++y) {
    // Cells 1..W-1 from their pixels; cell 0 is padding and stays clear.
    uint8_t* cells = &marks_[Index(0, y)];
    if (y < h) {
      MarkDifferences(picture.Row(y) + 1, picture.Row(y - 1) + 1, cells + 1, w - 1);
    } else {
      MarkMaterial(picture.Row(y - 1) + 1, cells + 1, w - 1);  // row H lies outside: white
    }
    cells[w] = 0;  // column W lies outside: white below white
  }
}

void OutlineTracer::MarkHorizontal(const Raster& picture) {
  if (picture.Width() != width_ || picture.Height() != height_) {
    Resize(picture.Width(), picture.Height());
  }
  const int w = width_;
  const int h = height_;
  // Row H lies outside the raster and is white throughout: nothing changes along it.
  for (int y = 1; y < h; ++y) {
    const Colour* row = picture.Row(y);
    uint8_t* cells = &marks_[Index(0, y)];
    if (w > 2) MarkMoreDifferences(row + 2, row + 1, cells + 2, w - 2);  // cells 2..W-1
    if (w >= 2) cells[w] |= static_cast<uint8_t>(row[w - 1] != White);   // white outside
  }
}

void OutlineTracer::ClearBorderRows() {
  if (height_ < 1) return;
  std::fill_n(&marks_[Index(1, 1)], width_, uint8_t{0});
  std::fill_n(&marks_[Index(1, height_)], width_, uint8_t{0});
}

void OutlineTracer::ClearBorderColumns() {
  for (int y = 2; y <= height_ - 1; ++y) {
    marks_[Index(1, y)] = 0;
    marks_[Index(width_, y)] = 0;
  }
}

void OutlineTracer::Mark(const Raster& picture) {
  MarkVertical(picture);
  MarkHorizontal(picture);
  ClearBorderRows();
  ClearBorderColumns();
}

bool OutlineTracer::FindStart(int& x, int& y) const {
  // Column order means the smallest x, and in that column the smallest y. Scanning the rows in
  // memory order and keeping the leftmost cell found (the first row to reach a column wins)
  // gives the same cell without striding through the grid column by column.
  int bestX = width_ + 1;
  int bestY = 0;
  for (int cy = 1; cy <= height_ && bestX > 1; ++cy) {
    const uint8_t* first = &marks_[Index(1, cy)];
    const void* hit = std::memchr(first, 1, static_cast<std::size_t>(bestX - 1));
    if (hit != nullptr) {
      bestX = static_cast<int>(static_cast<const uint8_t*>(hit) - first) + 1;
      bestY = cy;
    }
  }
  if (bestX > width_) return false;
  x = bestX;
  y = bestY;
  return true;
}

bool OutlineTracer::Trace(SectionOutline& outline) {
  ++outline.Generation;
  outline.Closed = false;
  walkLength_ = 0;
  int startX = 0;
  int startY = 0;
  if (!FindStart(startX, startY)) return false;

  walkX_.resize(MaxOutlinePoints + 1);
  walkY_.resize(MaxOutlinePoints + 1);
  walkX_[1] = startX;
  walkY_[1] = startY;
  int count = 1;
  long long sumX = startX;
  long long sumY = startY;
  int direction = 5;  // as if the walk had just come down into the start point
  bool closed = false;

  // Marked cells lie in 1..W x 1..H and the cells around them exist (clear), so the probes
  // need no bounds checks.
  while (!closed && count < MaxOutlinePoints) {
    const int fromX = walkX_[count];
    const int fromY = walkY_[count];
    direction = (direction + 4) & 7;  // back where the walk came from
    bool found = false;
    // A quarter turn left of the last step first, then clockwise round.
    for (int i = 1; i <= 8; ++i) {
      const int m = (direction + i + 1) & 7;
      const int x = fromX + DirectionDx[m];
      const int y = fromY + DirectionDy[m];
      if (marks_[Index(x, y)] != 0) {
        ++count;
        walkX_[count] = x;
        walkY_[count] = y;
        sumX += x;
        sumY += y;
        direction = m;
        found = true;
        break;
      }
    }
    // A lone marked cell: the walk cannot go on and the outline stays open.
    if (!found) break;
    closed = walkX_[count] == startX && walkY_[count] == startY;
  }
  walkLength_ = count;
  if (!closed) return false;

  if (outline.X.size() < static_cast<size_t>(count) + 1) outline.X.resize(count + 1);
  if (outline.Y.size() < static_cast<size_t>(count) + 1) outline.Y.resize(count + 1);
  std::copy_n(walkX_.begin() + 1, count, outline.X.begin() + 1);
  std::copy_n(walkY_.begin() + 1, count, outline.Y.begin() + 1);
  outline.Count = count;
  outline.CentreX = static_cast<int>(sumX / count);
  outline.CentreY = static_cast<int>(sumY / count);
  outline.Closed = true;
  return true;
}

}  // namespace kerf
