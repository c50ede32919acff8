// Outlines for the rendering tests, made as the outline trace would store them.
#pragma once

#include <utility>
#include <vector>

#include "model/SectionOutline.h"

namespace kerf::testing {

// A closed outline through the given raster points (first point repeated at the end), with
// the centre as the trace computes it (the first point counted twice, truncating division).
inline SectionOutline OutlineThrough(const std::vector<std::pair<int, int>>& points) {
  SectionOutline o;
  long sumX = 0, sumY = 0;
  int count = 0;
  auto add = [&](int x, int y) {
    ++count;
    o.X[count] = x;
    o.Y[count] = y;
    sumX += x;
    sumY += y;
  };
  for (const auto& [x, y] : points) add(x, y);
  add(points.front().first, points.front().second);
  o.Count = count;
  o.Closed = true;
  o.CentreX = static_cast<int>(sumX / count);
  o.CentreY = static_cast<int>(sumY / count);
  return o;
}

// The pixel walk around a rectangle of the raster, clockwise from its top-left pixel.
inline SectionOutline RectangleOutline(int left, int top, int right, int bottom) {
  std::vector<std::pair<int, int>> points;
  for (int x = left; x < right; ++x) points.emplace_back(x, top);
  for (int y = top; y < bottom; ++y) points.emplace_back(right, y);
  for (int x = right; x > left; --x) points.emplace_back(x, bottom);
  for (int y = bottom; y > top; --y) points.emplace_back(left, y);
  return OutlineThrough(points);
}

// The stock of a new workpiece as it lies in the section raster: 91 x 91 pixels in the
// bottom-right corner of the 500 x 500 raster.
inline SectionOutline PlainStockOutline() { return RectangleOutline(408, 408, 498, 498); }

}  // namespace kerf::testing
