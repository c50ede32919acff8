// TriangleMesh: a solid as shared vertices and triangles, the form 3-D files are written from.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kerf {

struct MeshVertex {
  double X = 0, Y = 0, Z = 0;  // millimetres
};

struct TriangleMesh {
  std::vector<MeshVertex> Vertices;
  // Indices into Vertices, counter-clockwise as seen from outside the solid.
  std::vector<std::array<uint32_t, 3>> Triangles;
};

}  // namespace kerf
