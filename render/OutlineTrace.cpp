// Outline tracing: marking the boundary band of a section raster and walking it once around.
#include "render/OutlineTrace.h"

#include <algorithm>

namespace kerf {

namespace {

// Whiteness of pixels 1..W of one pixel row into white[1..W]; pixels outside the raster
// (column W, and every pixel of a row outside it) read as white.
void RowWhiteness(const Raster& picture, int y, int width, uint8_t* white) {
  const int inside = std::min(width, picture.Width());
  if (y < 0 || y >= picture.Height()) {
    std::fill(white + 1, white + width + 1, uint8_t{1});
    return;
  }
  const Colour* row = picture.Row(y);
  for (int x = 1; x < inside; ++x) white[x] = row[x] == White ? 1 : 0;
  for (int x = std::max(inside, 1); x <= width; ++x) white[x] = 1;
}

}  // namespace

void OutlineTracer::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = width_ + 2;
  marks_.assign(static_cast<size_t>(stride_) * static_cast<size_t>(height_ + 2), 0);
  white_.assign(static_cast<size_t>(width_) + 2, 0);
  whiteNext_.assign(static_cast<size_t>(width_) + 2, 0);
}

void OutlineTracer::SetMark(int x, int y, bool marked) {
  if (x >= 1 && x <= width_ && y >= 1 && y <= height_) marks_[Index(x, y)] = marked ? 1 : 0;
}

void OutlineTracer::MarkVertical(const Raster& picture) {
  if (picture.Width() != width_ || picture.Height() != height_) {
    Resize(picture.Width(), picture.Height());
  }
  // Row by row rather than column by column: the same cells, visited in memory order.
  uint8_t* previous = white_.data();
  uint8_t* current = whiteNext_.data();
  RowWhiteness(picture, 1, width_, previous);
  // Row 1 is the first of every column's pass: nothing before it to differ from.
  if (height_ >= 1) std::fill_n(&marks_[Index(1, 1)], width_, uint8_t{0});
  for (int y = 2; y <= height_; ++y) {
    RowWhiteness(picture, y, width_, current);
    uint8_t* cells = &marks_[Index(0, y)];
    for (int x = 1; x <= width_; ++x) cells[x] = current[x] ^ previous[x];
    std::swap(previous, current);
  }
}

void OutlineTracer::MarkHorizontal(const Raster& picture) {
  if (picture.Width() != width_ || picture.Height() != height_) {
    Resize(picture.Width(), picture.Height());
  }
  uint8_t* white = white_.data();
  for (int y = 1; y <= height_; ++y) {
    RowWhiteness(picture, y, width_, white);
    uint8_t* cells = &marks_[Index(0, y)];
    for (int x = 2; x <= width_; ++x) cells[x] |= white[x] ^ white[x - 1];
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
    const uint8_t* last = &marks_[Index(bestX, cy)];
    const uint8_t* hit = std::find(first, last, uint8_t{1});
    if (hit != last) {
      bestX = static_cast<int>(hit - first) + 1;
      bestY = cy;
    }
  }
  if (bestX > width_) return false;
  x = bestX;
  y = bestY;
  return true;
}

bool OutlineTracer::Trace(SectionOutline& outline) {
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
