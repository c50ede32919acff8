// The extruded moulding mesh: closed, facing outwards, the section's area and size, on outlines
// with straight runs, staircases, pinches and spikes of no width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "model/MouldingMesh.h"

namespace kerf {
namespace {

struct OutlineCase {
  const char* Name;
  std::vector<std::pair<int, int>> Points;  // walk order on the raster, last = first
  long long TwiceArea;                      // of the section in pixels, doubled
  int Width, Height;                        // extent in pixels
};

SectionOutline MakeOutline(const std::vector<std::pair<int, int>>& points) {
  SectionOutline o;
  o.Count = static_cast<int>(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    o.X[i + 1] = points[i].first;
    o.Y[i + 1] = points[i].second;
  }
  o.Closed = true;
  return o;
}

// A staircase walk of unit steps from (x0, y0) right and down n times, then back around a box.
std::vector<std::pair<int, int>> Staircase(int n) {
  std::vector<std::pair<int, int>> p;
  for (int k = 0; k < n; ++k) {
    p.push_back({10 + k, 10 + k});
    p.push_back({11 + k, 10 + k});
  }
  p.push_back({10 + n, 10 + n});
  p.push_back({10, 10 + n});
  p.push_back({10, 10});
  return p;
}

const OutlineCase Cases[] = {
    // Clockwise on the raster with every pixel of the straight runs walked.
    {"SquareClockwise",
     {{5, 5}, {6, 5}, {7, 5}, {7, 6}, {7, 7}, {6, 7}, {5, 7}, {5, 6}, {5, 5}},
     8,
     2,
     2},
    {"SquareAnticlockwise",
     {{5, 5}, {5, 6}, {5, 7}, {6, 7}, {7, 7}, {7, 6}, {7, 5}, {6, 5}, {5, 5}},
     8,
     2,
     2},
    // An L: the corner at (20, 20) turns inwards.
    {"LShape",
     {{10, 10}, {20, 10}, {20, 20}, {30, 20}, {30, 30}, {10, 30}, {10, 10}},
     2 * 300,
     20,
     20},
    // A spike out and back along the top adds no area and must not leave flat triangles.
    {"Spike",
     {{10, 10}, {15, 10}, {15, 4}, {15, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}},
     2 * 100,
     10,
     10},
    // Two squares touching at one corner: the walk passes (20, 20) twice.
    {"Pinch",
     {{10, 10}, {20, 10}, {20, 20}, {30, 20}, {30, 30}, {20, 30}, {20, 20}, {10, 20}, {10, 10}},
     2 * 200,
     20,
     20},
    {"Staircase", Staircase(40), 40 * 40 + 40, 40, 40},
};

class MouldingMeshTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(MouldingMeshTest, ClosedOutwardAndTrueToSize) {
  const OutlineCase& c = GetParam();
  const double length = 101.6;
  const TriangleMesh mesh = BuildMouldingMesh(MakeOutline(c.Points), length);
  ASSERT_FALSE(mesh.Triangles.empty());

  // Every edge is used once in each direction: closed and consistently wound.
  std::map<std::pair<uint32_t, uint32_t>, int> edges;
  double volume = 0;
  for (const auto& t : mesh.Triangles) {
    for (int k = 0; k < 3; ++k)
      ++edges[{t[static_cast<size_t>(k)], t[static_cast<size_t>((k + 1) % 3)]}];
    const MeshVertex &a = mesh.Vertices[t[0]], &b = mesh.Vertices[t[1]], &p = mesh.Vertices[t[2]];
    const double nx = (b.Y - a.Y) * (p.Z - a.Z) - (b.Z - a.Z) * (p.Y - a.Y);
    const double ny = (b.Z - a.Z) * (p.X - a.X) - (b.X - a.X) * (p.Z - a.Z);
    const double nz = (b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X);
    EXPECT_GT(std::sqrt(nx * nx + ny * ny + nz * nz), 1e-9) << "a flat triangle";
    volume += (a.X * (b.Y * p.Z - b.Z * p.Y) - a.Y * (b.X * p.Z - b.Z * p.X) +
               a.Z * (b.X * p.Y - b.Y * p.X)) /
              6;
  }
  for (const auto& [edge, count] : edges) {
    EXPECT_EQ(count, 1) << "edge " << edge.first << "-" << edge.second;
    EXPECT_EQ(edges.count({edge.second, edge.first}), 1u)
        << "open edge " << edge.first << "-" << edge.second;
  }

  const double pixelArea = MillimetresPerUnit * MillimetresPerUnit;
  EXPECT_NEAR(volume, static_cast<double>(c.TwiceArea) / 2 * pixelArea * length, 1e-6 * length);

  double maxX = 0, maxY = 0, maxZ = 0, minX = 1e9, minY = 1e9, minZ = 1e9;
  for (const MeshVertex& v : mesh.Vertices) {
    minX = std::min(minX, v.X), maxX = std::max(maxX, v.X);
    minY = std::min(minY, v.Y), maxY = std::max(maxY, v.Y);
    minZ = std::min(minZ, v.Z), maxZ = std::max(maxZ, v.Z);
  }
  EXPECT_DOUBLE_EQ(minX, 0);
  EXPECT_DOUBLE_EQ(minY, 0);
  EXPECT_DOUBLE_EQ(minZ, 0);
  EXPECT_NEAR(maxX, c.Width * MillimetresPerUnit, 1e-9);
  EXPECT_NEAR(maxY, c.Height * MillimetresPerUnit, 1e-9);
  EXPECT_DOUBLE_EQ(maxZ, length);
}

INSTANTIATE_TEST_SUITE_P(Outlines, MouldingMeshTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(MouldingMesh, NothingFromAnOpenOrFlatOutlineOrNoLength) {
  SectionOutline open = MakeOutline({{1, 1}, {5, 1}, {5, 5}, {1, 1}});
  open.Closed = false;
  EXPECT_TRUE(BuildMouldingMesh(open, 10).Triangles.empty());
  EXPECT_TRUE(
      BuildMouldingMesh(MakeOutline({{1, 1}, {5, 1}, {9, 1}, {1, 1}}), 10).Triangles.empty());
  EXPECT_TRUE(
      BuildMouldingMesh(MakeOutline({{1, 1}, {5, 1}, {5, 5}, {1, 1}}), 0).Triangles.empty());
}

TEST(MouldingMesh, StraightRunsBecomeOneEdge) {
  const std::vector<SectionPolygon> p = OutlinePolygons(
      MakeOutline({{5, 5}, {6, 5}, {7, 5}, {7, 6}, {7, 7}, {6, 7}, {5, 7}, {5, 6}, {5, 5}}));
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].X.size(), 4u);
  EXPECT_GT(TwiceArea(p[0]), 0);
}

TEST(MouldingMesh, PiecesTouchingAtACornerComeApart) {
  const std::vector<SectionPolygon> p = OutlinePolygons(MakeOutline(
      {{10, 10}, {20, 10}, {20, 20}, {30, 20}, {30, 30}, {20, 30}, {20, 20}, {10, 20}, {10, 10}}));
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(TwiceArea(p[0]), 200);
  EXPECT_EQ(TwiceArea(p[1]), 200);
}

}  // namespace
}  // namespace kerf
