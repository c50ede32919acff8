// The moulding's shape: the outline's winding made one way, straight runs merged, side normals.
#include "render/MouldingShape.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/Moulding.h"

namespace kerf {

namespace {

struct Point {
  double X = 0, Y = 0;
};

// Twice the signed area of the walk on the raster (x right, y down): positive when the walk
// runs clockwise as the raster is shown.
long long RasterTwiceArea(const SectionOutline& o) {
  long long sum = 0;
  for (int i = 1; i < o.Count; ++i) {
    sum +=
        static_cast<long long>(o.X[i]) * o.Y[i + 1] - static_cast<long long>(o.X[i + 1]) * o.Y[i];
  }
  return sum;
}

// Distance of p from the line through a and b (from a when they coincide).
double DistanceFromLine(const Point& p, const Point& a, const Point& b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return std::hypot(p.X - a.X, p.Y - a.Y);
  return std::fabs((p.X - a.X) * dy - (p.Y - a.Y) * dx) / length;
}

// Indices (into corners) of straight pieces fitted to the closed run of corners, within
// tolerance: the first and last corner (the same point) and the corner farthest from it are
// always kept, the rest split where a corner strays too far from the piece's chord.
std::vector<int> FitStraightPieces(const std::vector<Point>& corners, double tolerance) {
  const int last = static_cast<int>(corners.size()) - 1;
  int farthest = 0;
  double farthestDistance = -1;
  for (int k = 1; k < last; ++k) {
    const double d = std::hypot(corners[k].X - corners[0].X, corners[k].Y - corners[0].Y);
    if (d > farthestDistance) farthestDistance = d, farthest = k;
  }
  std::vector<char> kept(corners.size(), 0);
  kept[0] = kept[last] = 1;
  if (farthest > 0) kept[farthest] = 1;
  std::vector<std::pair<int, int>> pending;
  if (farthest > 0) pending = {{0, farthest}, {farthest, last}};
  while (!pending.empty()) {
    const auto [from, to] = pending.back();
    pending.pop_back();
    int worst = -1;
    double worstDistance = tolerance;
    for (int k = from + 1; k < to; ++k) {
      const double d = DistanceFromLine(corners[k], corners[from], corners[to]);
      if (d > worstDistance) worstDistance = d, worst = k;
    }
    if (worst < 0) continue;
    kept[worst] = 1;
    pending.push_back({from, worst});
    pending.push_back({worst, to});
  }
  std::vector<int> pieces;
  for (int k = 0; k <= last; ++k)
    if (kept[k]) pieces.push_back(k);
  return pieces;
}

// A fitted piece of the outline between two walk points, with what its normals need.
struct Piece {
  int First = 0, Last = 0;  // walk indices
  double Nx = 0, Ny = 0;    // its own outward normal
  double Length = 0;        // along the walk
  // Blending into the neighbour's normal at either end: over how far (0: a crisp edge) and
  // towards which normal.
  double StartBlend = 0, EndBlend = 0;
  double StartNx = 0, StartNy = 0, EndNx = 0, EndNy = 0;
};

void Normalise(double& x, double& y) {
  const double length = std::hypot(x, y);
  if (length > 0) x /= length, y /= length;
}

// The normal at distance a along the piece.
void PieceNormal(const Piece& p, double a, double& nx, double& ny) {
  nx = p.Nx;
  ny = p.Ny;
  if (p.StartBlend > 0 && a < p.StartBlend) {
    const double w = 1.0 - a / p.StartBlend;
    nx += w * (p.StartNx - p.Nx);
    ny += w * (p.StartNy - p.Ny);
  }
  const double fromEnd = p.Length - a;
  if (p.EndBlend > 0 && fromEnd < p.EndBlend) {
    const double w = 1.0 - fromEnd / p.EndBlend;
    nx += w * (p.EndNx - p.Nx);
    ny += w * (p.EndNy - p.Ny);
  }
  Normalise(nx, ny);
}

// Whether the join of two neighbouring pieces shades round. On a circle, pieces fitted within
// a tolerance t turn by about 8 t / L radians after a piece of length L.
bool RoundTurn(const Piece& before, const Piece& after) {
  const double cosine = std::clamp(before.Nx * after.Nx + before.Ny * after.Ny, -1.0, 1.0);
  const double turn = std::acos(cosine);
  if (turn <= CreaseAngleDegrees * M_PI / 180.0) return true;
  if (turn > CurveTurnDegrees * M_PI / 180.0) return false;
  const double shorter = std::min(before.Length, after.Length);
  return shorter * turn <= 1.5 * 8 * StaircaseTolerance / PixelsPerSceneUnit;
}

std::vector<Piece> MakePieces(const std::vector<Point>& walk, const std::vector<double>& along,
                              const std::vector<int>& fitted) {
  std::vector<Piece> pieces;
  for (size_t k = 0; k + 1 < fitted.size(); ++k) {
    Piece p;
    p.First = fitted[k];
    p.Last = fitted[k + 1];
    // Outward for a walk that runs clockwise as seen from the +z eye. A piece that comes back
    // to where it began (out to the tip of a one-pixel spur and back) takes its first step.
    const bool returns = walk[p.Last].X == walk[p.First].X && walk[p.Last].Y == walk[p.First].Y;
    const Point& to = returns ? walk[p.First + 1] : walk[p.Last];
    p.Nx = -(to.Y - walk[p.First].Y);
    p.Ny = to.X - walk[p.First].X;
    Normalise(p.Nx, p.Ny);
    p.Length = along[p.Last] - along[p.First];
    pieces.push_back(p);
  }
  const size_t n = pieces.size();
  for (size_t k = 0; k < n && n > 1; ++k) {
    Piece& before = pieces[(k + n - 1) % n];
    Piece& after = pieces[k];
    if (!RoundTurn(before, after)) continue;
    double ax = before.Nx + after.Nx, ay = before.Ny + after.Ny;
    Normalise(ax, ay);
    const double blend = std::min(before.Length, after.Length) / 2;
    before.EndBlend = after.StartBlend = blend;
    before.EndNx = after.StartNx = ax;
    before.EndNy = after.StartNy = ay;
  }
  return pieces;
}

}  // namespace

MouldingShape BuildMouldingShape(const SectionOutline& o, bool mergeStraightRuns) {
  MouldingShape shape;
  const int count = o.Count;
  if (count < 2) return shape;
  // The walk in scene units, index 0 for point 1, clockwise as seen from the +z eye (that is
  // clockwise on the raster: scene x runs down the rows, scene y along the columns).
  const bool reverse = RasterTwiceArea(o) < 0;
  std::vector<Point> walk(static_cast<size_t>(count));
  for (int j = 0; j < count; ++j) {
    const int i = reverse ? count - j : j + 1;
    walk[j] = {SceneX(o, i), SceneY(o, i)};
  }
  std::vector<double> along(walk.size(), 0.0);
  for (int j = 1; j < count; ++j)
    along[j] = along[j - 1] + std::hypot(walk[j].X - walk[j - 1].X, walk[j].Y - walk[j - 1].Y);

  // Corners: points where the walk changes direction, besides the first and last.
  std::vector<int> corners{0};
  for (int j = 1; j + 1 < count; ++j) {
    const double ax = walk[j].X - walk[j - 1].X, ay = walk[j].Y - walk[j - 1].Y;
    const double bx = walk[j + 1].X - walk[j].X, by = walk[j + 1].Y - walk[j].Y;
    // Raster steps are whole pixels, so the products are exact.
    const bool straight = ax * by - ay * bx == 0 && ax * bx + ay * by > 0;
    if (!straight) corners.push_back(j);
  }
  corners.push_back(count - 1);

  std::vector<Point> cornerPoints;
  cornerPoints.reserve(corners.size());
  for (int j : corners) cornerPoints.push_back(walk[j]);
  std::vector<int> fitted;
  for (int k : FitStraightPieces(cornerPoints, StaircaseTolerance / PixelsPerSceneUnit))
    fitted.push_back(corners[k]);
  const std::vector<Piece> pieces = MakePieces(walk, along, fitted);

  std::vector<int> points;
  if (mergeStraightRuns) {
    points = corners;
  } else {
    for (int j = 0; j < count; ++j) points.push_back(j);
  }
  for (int j : points) {
    shape.FaceX.push_back(walk[j].X);
    shape.FaceY.push_back(walk[j].Y);
  }

  size_t piece = 0;
  auto endAt = [&](const Piece& p, int j0, int j1, double a) {
    const double a0 = along[j0] - along[p.First], a1 = along[j1] - along[p.First];
    const double u = a1 > a0 ? (a - a0) / (a1 - a0) : 0.0;
    SideEnd e;
    // The segment's own ends exactly, so that neighbouring segments meet.
    const Point& from = walk[j0];
    const Point& to = walk[j1];
    e.X = u <= 0 ? from.X : u >= 1 ? to.X : from.X + u * (to.X - from.X);
    e.Y = u <= 0 ? from.Y : u >= 1 ? to.Y : from.Y + u * (to.Y - from.Y);
    e.T = (j0 + 1 + u * (j1 - j0)) / static_cast<double>(count);
    PieceNormal(p, a, e.Nx, e.Ny);
    return e;
  };
  for (size_t k = 0; k + 1 < points.size(); ++k) {
    const int j0 = points[k], j1 = points[k + 1];
    while (piece + 1 < pieces.size() && pieces[piece].Last <= j0) ++piece;
    if (pieces.empty()) break;
    const Piece& p = pieces[piece];
    const double a0 = along[j0] - along[p.First], a1 = along[j1] - along[p.First];
    // Where a blend into the neighbour's normal ends inside this segment it is split there,
    // so the rest of a long straight side keeps its own normal.
    std::vector<double> stops{a0};
    for (double a : {p.StartBlend, p.Length - p.EndBlend}) {
      if (a > a0 + 1e-9 && a < a1 - 1e-9 && a > stops.back()) stops.push_back(a);
    }
    stops.push_back(a1);
    for (size_t s = 0; s + 1 < stops.size(); ++s) {
      shape.Sides.push_back({endAt(p, j0, j1, stops[s]), endAt(p, j0, j1, stops[s + 1])});
    }
  }
  return shape;
}

}  // namespace kerf
