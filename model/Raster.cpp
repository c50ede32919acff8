// Raster: pixel access, fill, end-exclusive lines and a scanline border-mode flood fill.
#include "model/Raster.h"

#include <algorithm>
#include <cstdlib>

namespace kerf {

namespace {

// Colours use the low 24 bits; the top byte marks pixels during a flood fill whose fill
// colour differs from its border colour, and is never left in the picture.
constexpr Colour ColourMask = 0xFFFFFF;
constexpr Colour FillMark = 0xFF000000;

}  // namespace

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), White) {}

Colour Raster::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return White;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Raster::SetPixel(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c & ColourMask;
}

void Raster::Fill(Colour c) { Fill(c, width_, height_); }

// Rows are filled in blocks of a fixed length: the compiler's cheapest vectorising mode (that of
// -O2) leaves a loop of unknown length scalar, four times slower.
void Raster::Fill(Colour c, int width, int height) {
  c &= ColourMask;
  width = std::clamp(width, 0, width_);
  height = std::clamp(height, 0, height_);
  if (width == 0) return;
  constexpr int Block = 16;
  for (int y = 0; y < height; ++y) {
    Colour* __restrict row = Row(y);
    int x = 0;
    for (; x + Block <= width; x += Block) {
      for (int j = 0; j < Block; ++j) row[x + j] = c;
    }
    for (; x < width; ++x) row[x] = c;
  }
}

void Raster::Line(int x0, int y0, int x1, int y1, Colour c) {
  c &= ColourMask;
  if (x0 == x1 && y0 == y1) return;  // nothing lies before the end point

  if (y0 == y1) {  // horizontal: the cutter rows in their upright and upside-down cases
    if (y0 < 0 || y0 >= height_) return;
    // Painted columns: x0 up to x1 exclusive, in either direction.
    long long from = x0 < x1 ? x0 : static_cast<long long>(x1) + 1;
    long long to = x0 < x1 ? static_cast<long long>(x1) - 1 : x0;
    from = std::max<long long>(from, 0);
    to = std::min<long long>(to, width_ - 1);
    if (from > to) return;
    Colour* row = Row(y0);
    std::fill(row + from, row + to + 1, c);
    return;
  }
  if (x0 == x1) {  // vertical: the cutter rows in the quarter-turned cases
    if (x0 < 0 || x0 >= width_) return;
    long long from = y0 < y1 ? y0 : static_cast<long long>(y1) + 1;
    long long to = y0 < y1 ? static_cast<long long>(y1) - 1 : y0;
    from = std::max<long long>(from, 0);
    to = std::min<long long>(to, height_ - 1);
    for (long long y = from; y <= to; ++y) pixels_[static_cast<size_t>(y) * width_ + x0] = c;
    return;
  }

  // Any other direction: one pixel per step along the major axis (Bresenham). Step i sits
  // at major offset i and minor offset round(i * minor / major), halves away from the start,
  // so only the steps whose major coordinate lies on the raster need to be visited.
  const long long dx = static_cast<long long>(x1) - x0;
  const long long dy = static_cast<long long>(y1) - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
  const long long majorStart = xMajor ? x0 : y0;
  const long long minorStart = xMajor ? y0 : x0;
  const long long majorSize = xMajor ? width_ : height_;

  // Steps i in [first, last] keep the major coordinate inside 0..majorSize-1.
  long long first = 0;
  long long last = major - 1;
  if (majorStep > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorSize - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (majorSize - 1));
    last = std::min(last, majorStart);
  }
  for (long long i = first; i <= last; ++i) {
    const long long m = majorStart + majorStep * i;
    // The rounded quotient lies in 0..minor, so it fits back into 64 bits.
    const long long rounded = static_cast<long long>(
        (2 * static_cast<__int128>(i) * minor + major) / (2 * static_cast<__int128>(major)));
    const long long n = minorStart + minorStep * rounded;
    if (xMajor) {
      if (n >= 0 && n < height_) pixels_[static_cast<size_t>(n) * width_ + m] = c;
    } else {
      if (n >= 0 && n < width_) pixels_[static_cast<size_t>(m) * width_ + n] = c;
    }
  }
}

void Raster::FloodFillBorder(int x, int y, Colour border, Colour fill) {
  border &= ColourMask;
  fill &= ColourMask;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (pixels_[static_cast<size_t>(y) * width_ + x] == border) return;

  // While filling, a pixel is painted with `paint`, which must itself stop the fill. When
  // the fill colour is the border colour it does; otherwise pixels are first marked and
  // given the fill colour afterwards, so a region that already holds the fill colour is
  // still filled through.
  const bool marked = fill != border;
  const Colour paint = marked ? FillMark : border;
  auto open = [&](Colour p) { return p != border && p != paint; };

  fillStack_.clear();
  fillStack_.push_back(y * width_ + x);
  int markTop = y, markBottom = y;
  while (!fillStack_.empty()) {
    const int seed = fillStack_.back();
    fillStack_.pop_back();
    const int sy = seed / width_;
    const int sx = seed % width_;
    Colour* row = Row(sy);
    if (!open(row[sx])) continue;
    int xl = sx;
    while (xl > 0 && open(row[xl - 1])) --xl;
    int xr = sx;
    while (xr + 1 < width_ && open(row[xr + 1])) ++xr;
    std::fill(row + xl, row + xr + 1, paint);
    markTop = std::min(markTop, sy);
    markBottom = std::max(markBottom, sy);
    // One seed for every open run of the rows above and below the span.
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= height_) continue;
      const Colour* next = Row(ny);
      int i = xl;
      while (i <= xr) {
        while (i <= xr && !open(next[i])) ++i;
        if (i > xr) break;
        fillStack_.push_back(ny * width_ + i);
        while (i <= xr && open(next[i])) ++i;
      }
    }
  }

  if (marked) {
    for (int row = markTop; row <= markBottom; ++row) {
      Colour* p = Row(row);
      for (int i = 0; i < width_; ++i)
        if (p[i] == FillMark) p[i] = fill;
    }
  }
}

}  // namespace kerf
