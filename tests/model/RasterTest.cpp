// Raster: end-exclusive lines in every direction, clipping, and the border-mode flood fill.
#include "model/Raster.h"

#include <gtest/gtest.h>

#include <queue>
#include <random>
#include <set>
#include <utility>

#include "support/PictureCompare.h"

namespace kerf {
namespace {

using Points = std::set<std::pair<int, int>>;

Points PaintedPixels(const Raster& raster) {
  Points points;
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x)
      if (raster.Pixel(x, y) != White) points.insert({x, y});
  return points;
}

struct LineCase {
  const char* name;
  int x0, y0, x1, y1;
  Points painted;
};

class RasterLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(RasterLine, PaintsFirstPointAndStopsBeforeLast) {
  const LineCase& c = GetParam();
  Raster raster(8, 8);
  raster.Line(c.x0, c.y0, c.x1, c.y1, Black);
  EXPECT_EQ(PaintedPixels(raster), c.painted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RasterLine,
    ::testing::Values(
        LineCase{"Rightwards", 2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        LineCase{"Leftwards", 6, 5, 2, 5, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        LineCase{"Downwards", 1, 1, 1, 4, {{1, 1}, {1, 2}, {1, 3}}},
        LineCase{"SinglePixel", 3, 3, 4, 3, {{3, 3}}}, LineCase{"ZeroLength", 3, 3, 3, 3, {}},
        LineCase{"Diagonal", 0, 0, 4, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        LineCase{"ShallowSlope", 0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        LineCase{"ClippedRow",
                 -20,
                 7,
                 300,
                 7,
                 {{0, 7}, {1, 7}, {2, 7}, {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}}},
        LineCase{"EndsJustPastEdge", 5, 0, 8, 0, {{5, 0}, {6, 0}, {7, 0}}},
        LineCase{"ClippedColumn",
                 7,
                 1000,
                 7,
                 -1000,
                 {{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}}},
        LineCase{"RowBelowRaster", 0, 8, 8, 8, {}},
        LineCase{"DiagonalFromFarOutside", -1000000, -1000000, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        LineCase{"HugeCoordinates",
                 -2147483647,
                 2,
                 2147483647,
                 2,
                 {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Raster, OutsidePixelsReadWhiteAndIgnoreWrites) {
  Raster raster(4, 3);
  raster.Fill(Black);
  for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 3}}) {
    raster.SetPixel(x, y, Black);
    EXPECT_EQ(raster.Pixel(x, y), White) << x << "," << y;
  }
}

// Reference: breadth-first fill of the four-connected region of pixels that are not border.
Raster ReferenceFill(Raster raster, int x, int y, Colour border, Colour fill) {
  if (raster.Pixel(x, y) == border || x < 0 || y < 0 || x >= raster.Width() || y >= raster.Height())
    return raster;
  std::vector<bool> seen(static_cast<size_t>(raster.Width() * raster.Height()));
  std::queue<std::pair<int, int>> queue;
  queue.push({x, y});
  seen[static_cast<size_t>(y * raster.Width() + x)] = true;
  while (!queue.empty()) {
    auto [px, py] = queue.front();
    queue.pop();
    raster.SetPixel(px, py, fill);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = px + dx, ny = py + dy;
      if (nx < 0 || ny < 0 || nx >= raster.Width() || ny >= raster.Height()) continue;
      const size_t i = static_cast<size_t>(ny * raster.Width() + nx);
      if (seen[i] || raster.Pixel(nx, ny) == border) continue;
      seen[i] = true;
      queue.push({nx, ny});
    }
  }
  return raster;
}

void ExpectSamePicture(const Raster& a, const Raster& b) { EXPECT_TRUE(test::SamePicture(a, b)); }

TEST(RasterFloodFill, MatchesBreadthFirstFillOnRandomMazes) {
  // Border colour 1, fill either the border colour (as the section does) or another colour
  // that already occurs inside the region, which must not stop the fill.
  const Colour border = 1;
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + static_cast<int>(random() % 40);
    const int h = 1 + static_cast<int>(random() % 40);
    const Colour fill = round % 2 ? border : 0x00FF00;
    Raster raster(w, h);
    const unsigned density = 2 + random() % 4;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned pick = random() % 10;
        if (pick < density)
          raster.SetPixel(x, y, border);
        else if (pick == 9)
          raster.SetPixel(x, y, 0x00FF00);
      }
    const int sx = static_cast<int>(random() % w);
    const int sy = static_cast<int>(random() % h);
    Raster expected = ReferenceFill(raster, sx, sy, border, fill);
    raster.FloodFillBorder(sx, sy, border, fill);
    SCOPED_TRACE(::testing::Message() << "round " << round << " " << w << "x" << h);
    ExpectSamePicture(raster, expected);
  }
}

TEST(RasterFloodFill, DoesNotLeakThroughDiagonalGaps) {
  Raster raster(10, 10);
  raster.Line(0, 9, 10, -1, Black);  // anti-diagonal: pixels touch only at corners
  raster.FloodFillBorder(9, 9, Black, Black);
  EXPECT_EQ(raster.Pixel(0, 0), White);
  EXPECT_EQ(raster.Pixel(8, 8), Black);
  EXPECT_EQ(PaintedPixels(raster).size(), 55u);  // 10 line pixels + 45 below it
}

}  // namespace
}  // namespace kerf
