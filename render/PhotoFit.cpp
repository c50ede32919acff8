// The catalogue view of a photograph: a three-quarter turn and the zoom that fills the picture.
#include "render/PhotoFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/Moulding.h"

namespace kerf {

namespace {

constexpr double FieldOfView = 50.0;  // degrees, as the scene's projection
constexpr double NearPlane = 0.1;
constexpr double Pi = 3.14159265358979323846;

struct Point3 {
  double X, Y, Z;
};

// The moulding's corners: every outline point at both ends, turned as the scene turns them: the
// moulding's own quarter turn about z that stands the section upright first, then the view's
// turns about z, y and x.
std::vector<Point3> TurnedMoulding(const SceneParams& view, const SectionOutline& outline) {
  std::vector<Point3> points;
  if (!outline.Closed || outline.Count < 3) return points;
  const double ax = view.RotateX * Pi / 180, ay = view.RotateY * Pi / 180,
               az = view.RotateZ * Pi / 180;
  for (int i = 1; i <= outline.Count; ++i) {
    for (double z : {-MouldingHalfLength, MouldingHalfLength}) {
      Point3 p{SceneY(outline, i), -SceneX(outline, i), z};
      p = {p.X * std::cos(az) - p.Y * std::sin(az), p.X * std::sin(az) + p.Y * std::cos(az), p.Z};
      p = {p.X * std::cos(ay) + p.Z * std::sin(ay), p.Y, -p.X * std::sin(ay) + p.Z * std::cos(ay)};
      p = {p.X, p.Y * std::cos(ax) - p.Z * std::sin(ax), p.Y * std::sin(ax) + p.Z * std::cos(ax)};
      points.push_back(p);
    }
  }
  return points;
}

// The extent of the turned points on the picture, in normalised device coordinates (-1..1).
struct Extent {
  double Left = 1e300, Right = -1e300, Bottom = 1e300, Top = -1e300;
  bool Behind = false;  // a point lies at or before the near plane
};

Extent Project(const std::vector<Point3>& points, double eye, double shiftX, double shiftY,
               double aspect) {
  const double f = 1 / std::tan(FieldOfView / 2 * Pi / 180);
  Extent e;
  for (const Point3& p : points) {
    const double depth = eye - p.Z;
    if (depth <= NearPlane) {
      e.Behind = true;
      continue;
    }
    const double x = f / aspect * (p.X + shiftX) / depth, y = f * (p.Y + shiftY) / depth;
    e.Left = std::min(e.Left, x), e.Right = std::max(e.Right, x);
    e.Bottom = std::min(e.Bottom, y), e.Top = std::max(e.Top, y);
  }
  return e;
}

double FillOf(const Extent& e) {
  if (e.Behind) return 1e300;
  return std::max(e.Right - e.Left, e.Top - e.Bottom) / 2;
}

// Shifts that put the extent's middle in the middle of the picture at this eye distance. Each
// point moves on the picture in proportion to the shift, so a few rounds settle it.
void Centre(const std::vector<Point3>& points, double eye, double aspect, double& shiftX,
            double& shiftY) {
  const double f = 1 / std::tan(FieldOfView / 2 * Pi / 180);
  for (int round = 0; round < 8; ++round) {
    const Extent e = Project(points, eye, shiftX, shiftY, aspect);
    if (e.Behind) return;
    shiftX -= (e.Left + e.Right) / 2 * eye * aspect / f;
    shiftY -= (e.Bottom + e.Top) / 2 * eye / f;
  }
}

}  // namespace

double ProjectedFill(const SceneParams& view, const SectionOutline& outline, int width,
                     int height) {
  const std::vector<Point3> points = TurnedMoulding(view, outline);
  if (points.empty() || width <= 0 || height <= 0) return 0;
  return FillOf(Project(points, view.EyeDistance, view.ShiftX, view.ShiftY,
                        static_cast<double>(width) / height));
}

SceneParams FitView(const SceneParams& view, const SectionOutline& outline, int width, int height,
                    double fill) {
  SceneParams fitted = view;
  fitted.RotateX = FitTurnX;
  fitted.RotateY = FitTurnY;
  fitted.RotateZ = 0;
  const std::vector<Point3> points = TurnedMoulding(fitted, outline);
  if (points.empty() || width <= 0 || height <= 0) return fitted;
  const double aspect = static_cast<double>(width) / height;

  // The nearest eye that sees everything, then halving between it and a far one: the farther
  // the eye, the less the moulding fills.
  double nearest = 0;
  for (const Point3& p : points) nearest = std::max(nearest, p.Z + 2 * NearPlane);
  double near = nearest, far = nearest + 1000;
  double shiftX = 0, shiftY = 0;
  for (int step = 0; step < 60; ++step) {
    const double eye = (near + far) / 2;
    Centre(points, eye, aspect, shiftX, shiftY);
    (FillOf(Project(points, eye, shiftX, shiftY, aspect)) > fill ? near : far) = eye;
  }
  const double eye = (near + far) / 2;
  Centre(points, eye, aspect, shiftX, shiftY);
  fitted.EyeDistance = static_cast<float>(eye);
  fitted.ShiftX = static_cast<float>(shiftX);
  fitted.ShiftY = static_cast<float>(shiftY);
  return fitted;
}

}  // namespace kerf
