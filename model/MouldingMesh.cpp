// MouldingMesh: the traced section extruded along a length into a closed triangle mesh.
#include "model/MouldingMesh.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace kerf {

namespace {

struct Corner {
  long long X = 0, Y = 0;
};

// Twice the signed area of the triangle a, b, c: positive when it turns left.
long long Cross(const Corner& a, const Corner& b, const Corner& c) {
  return (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
}

bool Same(const Corner& a, const Corner& b) { return a.X == b.X && a.Y == b.Y; }

// Whether p lies inside the counter-clockwise triangle a, b, c or on its border.
bool InTriangle(const Corner& p, const Corner& a, const Corner& b, const Corner& c) {
  return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

}  // namespace

namespace {

SectionPolygon ToPolygon(const std::vector<Corner>& ring, size_t from) {
  SectionPolygon polygon;
  for (size_t i = from; i < ring.size(); ++i) {
    polygon.X.push_back(ring[i].X);
    polygon.Y.push_back(ring[i].Y);
  }
  return polygon;
}

long long RingTwiceArea(const std::vector<Corner>& ring, size_t from) {
  long long sum = 0;
  const size_t n = ring.size() - from;
  for (size_t i = 0; i < n; ++i) {
    const Corner& a = ring[from + i];
    const Corner& b = ring[from + (i + 1) % n];
    sum += a.X * b.Y - b.X * a.Y;
  }
  return sum;
}

}  // namespace

SectionPolygon CleanPolygon(const SectionPolygon& raw) {
  std::vector<Corner> ring(raw.X.size());
  for (size_t i = 0; i < ring.size(); ++i) ring[i] = {raw.X[i], raw.Y[i]};
  std::vector<Corner> kept;
  kept.reserve(ring.size());
  for (const Corner& c : ring) {
    kept.push_back(c);
    while (kept.size() >= 3 &&
           Cross(kept[kept.size() - 3], kept[kept.size() - 2], kept.back()) == 0) {
      kept.erase(kept.end() - 2);
    }
  }
  for (bool changed = true; changed && kept.size() >= 3;) {
    changed = false;
    const size_t n = kept.size();
    if (Cross(kept[n - 2], kept[n - 1], kept[0]) == 0) {
      kept.pop_back();
      changed = true;
    } else if (Cross(kept[n - 1], kept[0], kept[1]) == 0) {
      kept.erase(kept.begin());
      changed = true;
    }
  }
  SectionPolygon polygon;
  if (kept.size() < 3) return polygon;
  for (const Corner& c : kept) {
    polygon.X.push_back(c.X);
    polygon.Y.push_back(c.Y);
  }
  const long long area = TwiceArea(polygon);
  if (area == 0) return {};
  if (area < 0) {
    std::reverse(polygon.X.begin(), polygon.X.end());
    std::reverse(polygon.Y.begin(), polygon.Y.end());
  }
  return polygon;
}

std::vector<SectionPolygon> OutlinePolygons(const SectionOutline& outline) {
  std::vector<SectionPolygon> pieces;
  if (!outline.Closed || outline.Count < 4) return pieces;
  std::vector<Corner> walk;
  walk.reserve(static_cast<size_t>(outline.Count));
  for (int i = 1; i < outline.Count; ++i) {
    walk.push_back({outline.X[static_cast<size_t>(i)],
                    -static_cast<long long>(outline.Y[static_cast<size_t>(i)])});
  }
  const long long whole = RingTwiceArea(walk, 0);

  // Where the walk comes back to a point it passed (two pieces touching at a corner), the loop
  // walked in between is a piece of its own when it turns the same way as the whole walk; a
  // loop of no area goes. A loop turning the other way encloses a hole and stays in the walk.
  std::vector<Corner> rest;
  std::map<std::pair<long long, long long>, size_t> seen;  // point -> its index in rest
  rest.reserve(walk.size());
  for (const Corner& c : walk) {
    const auto found = seen.find({c.X, c.Y});
    if (found != seen.end()) {
      const size_t from = found->second;
      const long long area = RingTwiceArea(rest, from);
      if (area == 0 || (area > 0) == (whole > 0)) {
        if (area != 0) pieces.push_back(CleanPolygon(ToPolygon(rest, from)));
        for (size_t k = from; k < rest.size(); ++k) seen.erase({rest[k].X, rest[k].Y});
        rest.resize(from);
      }
    }
    seen[{c.X, c.Y}] = rest.size();
    rest.push_back(c);
  }
  pieces.push_back(CleanPolygon(ToPolygon(rest, 0)));
  pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                              [](const SectionPolygon& p) { return p.X.empty(); }),
               pieces.end());
  return pieces;
}

long long TwiceArea(const SectionPolygon& polygon) {
  long long sum = 0;
  const size_t n = polygon.X.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    sum += polygon.X[i] * polygon.Y[j] - polygon.X[j] * polygon.Y[i];
  }
  return sum;
}

std::vector<std::array<uint32_t, 3>> TriangulatePolygon(const SectionPolygon& polygon) {
  std::vector<std::array<uint32_t, 3>> triangles;
  const size_t n = polygon.X.size();
  if (n < 3) return triangles;
  std::vector<Corner> corner(n);
  for (size_t i = 0; i < n; ++i) corner[i] = {polygon.X[i], polygon.Y[i]};
  // The corners still to be cut off, as a ring.
  std::vector<uint32_t> next(n), prev(n);
  for (size_t i = 0; i < n; ++i) {
    next[i] = static_cast<uint32_t>((i + 1) % n);
    prev[i] = static_cast<uint32_t>((i + n - 1) % n);
  }

  auto isEar = [&](uint32_t b) {
    const uint32_t a = prev[b], c = next[b];
    if (Cross(corner[a], corner[b], corner[c]) <= 0) return false;
    for (uint32_t p = next[c]; p != a; p = next[p]) {
      // A corner where the walk touches itself shares a position with a, b or c and does not
      // block the ear.
      if (Same(corner[p], corner[a]) || Same(corner[p], corner[b]) || Same(corner[p], corner[c]))
        continue;
      // Only a corner that turns right can reach into an ear of a simple polygon.
      if (Cross(corner[prev[p]], corner[p], corner[next[p]]) > 0) continue;
      if (InTriangle(corner[p], corner[a], corner[b], corner[c])) return false;
    }
    return true;
  };

  size_t remaining = n;
  uint32_t at = 0;
  size_t sinceLastCut = 0;
  while (remaining > 3) {
    bool cut = isEar(at);
    if (!cut && sinceLastCut > remaining) {
      // No ear in a whole round: the ring is not simple (it crosses itself). Cut the next
      // corner that turns left at all so the loop ends, or drop one that adds no area.
      if (Cross(corner[prev[at]], corner[at], corner[next[at]]) > 0) {
        cut = true;
      } else if (Cross(corner[prev[at]], corner[at], corner[next[at]]) == 0) {
        const uint32_t a = prev[at], c = next[at];
        next[a] = c, prev[c] = a, --remaining;
        at = c;
        sinceLastCut = 0;
        continue;
      }
    }
    if (cut) {
      const uint32_t a = prev[at], c = next[at];
      triangles.push_back({a, at, c});
      next[a] = c, prev[c] = a, --remaining;
      at = c;
      sinceLastCut = 0;
    } else {
      at = next[at];
      ++sinceLastCut;
    }
  }
  const uint32_t a = prev[at], c = next[at];
  if (Cross(corner[a], corner[at], corner[c]) > 0) triangles.push_back({a, at, c});
  return triangles;
}

SectionScale MeasuredSectionScale(const Model& model) {
  // The stock's extents on the measured section, rounded as the section drawing rounds them.
  const bool oddState =
      model.FaceOnTable() >= 1 && model.FaceOnTable() <= 8 && model.FaceOnTable() % 2;
  const int32_t across = oddState ? model.StockHeight() : model.StockWidth();
  const int32_t upright = oddState ? model.StockWidth() : model.StockHeight();
  // The stock lies against the right and bottom edges, whose last column and row the outline
  // rebuild whitens, so the traced section is one pixel short of the stock on each axis.
  auto traced = [](int32_t units) {
    return std::nearbyint(static_cast<double>(SectionSize) * units / 1100.0) - 1;
  };
  SectionScale scale;
  if (traced(across) > 0) scale.X = across * MillimetresPerUnit / traced(across);
  if (traced(upright) > 0) scale.Y = upright * MillimetresPerUnit / traced(upright);
  return scale;
}

TriangleMesh BuildMouldingMesh(const SectionOutline& outline, double lengthMm, SectionScale scale) {
  return ExtrudePieces(OutlinePolygons(outline), lengthMm, scale);
}

TriangleMesh ExtrudePieces(const std::vector<SectionPolygon>& pieces, double lengthMm,
                           SectionScale scale) {
  TriangleMesh mesh;
  if (!(lengthMm > 0) || pieces.empty()) return mesh;

  long long minX = pieces[0].X[0], minY = pieces[0].Y[0];
  for (const SectionPolygon& p : pieces) {
    minX = std::min(minX, *std::min_element(p.X.begin(), p.X.end()));
    minY = std::min(minY, *std::min_element(p.Y.begin(), p.Y.end()));
  }
  for (const SectionPolygon& polygon : pieces) {
    const size_t n = polygon.X.size();
    const uint32_t first = static_cast<uint32_t>(mesh.Vertices.size());
    for (double z : {0.0, lengthMm}) {
      for (size_t i = 0; i < n; ++i) {
        mesh.Vertices.push_back({static_cast<double>(polygon.X[i] - minX) * scale.X,
                                 static_cast<double>(polygon.Y[i] - minY) * scale.Y, z});
      }
    }
    const uint32_t bottom = first, top = first + static_cast<uint32_t>(n);
    for (const auto& t : TriangulatePolygon(polygon)) {
      mesh.Triangles.push_back({t[0] + top, t[1] + top, t[2] + top});  // far end, facing +z
      mesh.Triangles.push_back(
          {t[0] + bottom, t[2] + bottom, t[1] + bottom});  // near end, facing -z
    }
    // The polygon runs counter-clockwise, so the side quads face outwards in this order.
    for (uint32_t i = 0; i < n; ++i) {
      const uint32_t j = (i + 1) % static_cast<uint32_t>(n);
      mesh.Triangles.push_back({bottom + i, bottom + j, top + j});
      mesh.Triangles.push_back({bottom + i, top + j, top + i});
    }
  }
  return mesh;
}

}  // namespace kerf
