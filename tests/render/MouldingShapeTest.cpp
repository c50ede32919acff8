// The moulding's shape: one winding in every walk direction, merged straight runs, side normals.
#include "render/MouldingShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "OutlineShapes.h"
#include "model/OutlineTrace.h"

namespace kerf::testing {
namespace {

// The same walk the other way round.
SectionOutline Reversed(const SectionOutline& o) {
  SectionOutline r = o;
  for (int i = 1; i <= o.Count; ++i) {
    r.X[i] = o.X[o.Count + 1 - i];
    r.Y[i] = o.Y[o.Count + 1 - i];
  }
  return r;
}

// Material painted by inside(x, y), traced as the rebuild does.
template <typename Inside>
SectionOutline Traced(Inside inside) {
  Raster picture(500, 500);
  picture.Fill(White);
  for (int y = 0; y < 499; ++y)
    for (int x = 0; x < 499; ++x)
      if (inside(x, y)) picture.SetPixel(x, y, Black);
  OutlineTracer tracer;
  tracer.Mark(picture);
  SectionOutline outline;
  EXPECT_TRUE(tracer.Trace(outline));
  return outline;
}

// A 200 x 150 block whose top-left corner is rounded over with the given radius: the walk
// starts on the curve and first goes down, so it runs anticlockwise.
SectionOutline RoundedBlock(int radius) {
  return Traced([radius](int x, int y) {
    if (x < 250 || x > 449 || y < 300 || y > 449) return false;
    const int cx = 250 + radius, cy = 300 + radius;
    return !(x < cx && y < cy) || (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  });
}

// A block with its top-left corner chamfered at a slope of 2 across to 3 down: steep enough
// against both neighbouring sides to keep crisp edges there.
SectionOutline ChamferedBlock() {
  return Traced([](int x, int y) { return x >= 250 && y >= 300 && 2 * x + 3 * y >= 1580; });
}

double SceneTwiceArea(const MouldingShape& s) {
  double sum = 0;
  for (size_t k = 0; k + 1 < s.FaceX.size(); ++k)
    sum += s.FaceX[k] * s.FaceY[k + 1] - s.FaceX[k + 1] * s.FaceY[k];
  return sum;
}

double AngleDegrees(double ax, double ay, double bx, double by) {
  return std::acos(std::clamp(ax * bx + ay * by, -1.0, 1.0)) * 180.0 / M_PI;
}

// Largest change of normal where one side segment meets the next.
double LargestJoinTurn(const MouldingShape& s) {
  double largest = 0;
  for (size_t k = 0; k + 1 < s.Sides.size(); ++k) {
    const SideEnd& a = s.Sides[k].B;
    const SideEnd& b = s.Sides[k + 1].A;
    largest = std::max(largest, AngleDegrees(a.Nx, a.Ny, b.Nx, b.Ny));
  }
  return largest;
}

struct WalkCase {
  std::string name;
  SectionOutline outline;
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class EveryWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(EveryWalk, RunsClockwiseClosedWithOutwardUnitNormals) {
  for (const SectionOutline& o : {GetParam().outline, Reversed(GetParam().outline)}) {
    for (bool merge : {true, false}) {
      const MouldingShape s = BuildMouldingShape(o, merge);
      ASSERT_GE(s.FaceX.size(), 4u);
      EXPECT_LT(SceneTwiceArea(s), 0) << "clockwise as seen from the +z eye";
      EXPECT_EQ(s.FaceX.front(), s.FaceX.back());
      EXPECT_EQ(s.FaceY.front(), s.FaceY.back());
      // The sides join up around the whole outline.
      ASSERT_FALSE(s.Sides.empty());
      EXPECT_EQ(s.Sides.front().A.X, s.FaceX.front());
      EXPECT_EQ(s.Sides.back().B.Y, s.FaceY.back());
      for (size_t k = 0; k + 1 < s.Sides.size(); ++k) {
        EXPECT_EQ(s.Sides[k].B.X, s.Sides[k + 1].A.X);
        EXPECT_EQ(s.Sides[k].B.Y, s.Sides[k + 1].A.Y);
      }
      // Normals are unit length and point away from the material: a step along the normal
      // from the middle of a long segment leaves the section.
      for (const SideSegment& side : s.Sides) {
        for (const SideEnd& e : {side.A, side.B}) EXPECT_NEAR(std::hypot(e.Nx, e.Ny), 1.0, 1e-9);
        const double dx = side.B.X - side.A.X, dy = side.B.Y - side.A.Y;
        // Outward is to the left of the direction of a clockwise walk.
        EXPECT_GT(-dy * side.A.Nx + dx * side.A.Ny, 0) << side.A.X << "," << side.A.Y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Walks, EveryWalk,
    ::testing::Values(WalkCase{"Rectangle", RectangleOutline(250, 300, 449, 449)},
                      WalkCase{"RoundedCorner", RoundedBlock(25)},
                      WalkCase{"Disc", Traced([](int x, int y) {
                                 return (x - 300) * (x - 300) + (y - 300) * (y - 300) <= 60 * 60;
                               })},
                      WalkCase{"Chamfer", ChamferedBlock()},
                      // A one-pixel line of material sticking out to the left.
                      WalkCase{"Spur", Traced([](int x, int y) {
                                 return (x >= 250 && y >= 300) || (y == 350 && x >= 200);
                               })}),
    [](const auto& info) { return info.param.name; });

TEST(MouldingShape, ReversedWalkGivesTheSameSolid) {
  const SectionOutline anticlockwise = RoundedBlock(25);
  const MouldingShape a = BuildMouldingShape(anticlockwise, true);
  const MouldingShape b = BuildMouldingShape(Reversed(anticlockwise), true);
  ASSERT_EQ(a.FaceX.size(), b.FaceX.size());
  EXPECT_EQ(a.FaceX, b.FaceX);
  EXPECT_EQ(a.FaceY, b.FaceY);
}

TEST(MouldingShape, StraightRunsMergeIntoOneSegmentWithOneNormal) {
  const SectionOutline block = RectangleOutline(250, 300, 449, 449);
  const MouldingShape merged = BuildMouldingShape(block, true);
  EXPECT_EQ(merged.FaceX.size(), 5u);  // four corners and the first again
  ASSERT_EQ(merged.Sides.size(), 4u);
  const MouldingShape unmerged = BuildMouldingShape(block, false);
  EXPECT_EQ(unmerged.Sides.size(), static_cast<size_t>(block.Count - 1));
  // Square corners stay crisp: each side keeps its own axis normal to its ends.
  for (const SideSegment& side : merged.Sides) {
    EXPECT_EQ(side.A.Nx, side.B.Nx);
    EXPECT_EQ(side.A.Ny, side.B.Ny);
    EXPECT_EQ(std::fabs(side.A.Nx) + std::fabs(side.A.Ny), 1.0);
  }
  EXPECT_NEAR(LargestJoinTurn(merged), 90.0, 1e-9);
  // A pixel staircase at a slope has no straight runs to merge but shares one normal.
  const SectionOutline chamferOutline = ChamferedBlock();
  const MouldingShape chamfer = BuildMouldingShape(chamferOutline, true);
  int onSlope = 0;
  for (const SideSegment& side : chamfer.Sides) {
    const double column = side.A.Y * 100 + chamferOutline.CentreX;
    const double row = side.A.X * 100 + chamferOutline.CentreY;
    // Well inside the slope from (340, 300) to (250, 360), away from its ends.
    if (std::fabs(2 * column + 3 * row - 1580) > 8 || row < 305 || row > 355) continue;
    ++onSlope;
    EXPECT_NEAR(AngleDegrees(side.A.Nx, side.A.Ny, -3 / std::sqrt(13.0), -2 / std::sqrt(13.0)), 0,
                3)
        << column << "," << row;
  }
  EXPECT_GT(onSlope, 20);
}

TEST(MouldingShape, CurvesShadeRoundAndSquareEdgesStayCrisp) {
  // Traced curves turn by whole pixel steps; their normals still change without a jump. Only
  // the block's three square corners (the trace cuts each by a pixel's diagonal) are crisp.
  for (int radius : {11, 25, 60}) {
    const SectionOutline block = RoundedBlock(radius);
    const MouldingShape rounded = BuildMouldingShape(block, true);
    int crisp = 0;
    for (size_t k = 0; k + 1 < rounded.Sides.size(); ++k) {
      const SideEnd& a = rounded.Sides[k].B;
      const SideEnd& b = rounded.Sides[k + 1].A;
      if (AngleDegrees(a.Nx, a.Ny, b.Nx, b.Ny) < 1e-6) continue;
      ++crisp;
      const double column = a.Y * 100 + block.CentreX, row = a.X * 100 + block.CentreY;
      bool nearCorner = false;
      for (const auto& [x, y] : {std::pair{449, 300}, {449, 449}, {250, 449}})
        nearCorner = nearCorner || std::hypot(column - x, row - y) <= 3;
      EXPECT_TRUE(nearCorner) << "a crisp edge at " << column << "," << row << ", radius "
                              << radius;
    }
    EXPECT_GE(crisp, 3) << "radius " << radius;
  }
}

}  // namespace
}  // namespace kerf::testing
