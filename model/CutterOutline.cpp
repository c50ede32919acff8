// A cutter from a drawn half-profile: outlines in inches turned into a cutting edge.
#include "model/CutterOutline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include "model/NumberText.h"

namespace kerf {

namespace {

std::string Inches(double v) { return FixedText(v, 3) + "\""; }

// The rightmost crossing of the outline's sides with the level y; -infinity when none.
double RightmostAt(const std::vector<OutlinePolygon>& outline, double y) {
  double best = -std::numeric_limits<double>::infinity();
  for (const OutlinePolygon& polygon : outline) {
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
      const OutlinePoint& a = polygon[i];
      const OutlinePoint& b = polygon[(i + 1) % n];
      if (a.Y == b.Y) {
        if (a.Y == y) best = std::max({best, a.X, b.X});
        continue;
      }
      if (y < std::min(a.Y, b.Y) || y > std::max(a.Y, b.Y)) continue;
      best = std::max(best, a.X + (b.X - a.X) * (y - a.Y) / (b.Y - a.Y));
    }
  }
  return best;
}

}  // namespace

Result<CutterDesign> DesignFromOutline(const std::vector<OutlinePolygon>& outline,
                                       double bearingDiameter) {
  double left = std::numeric_limits<double>::infinity(), right = -left;
  double bottom = left, top = -left;
  for (const OutlinePolygon& polygon : outline)
    for (const OutlinePoint& p : polygon) {
      if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
        return Result<CutterDesign>::Fail("the drawing holds a point that is not a number");
      }
      left = std::min(left, p.X);
      right = std::max(right, p.X);
      bottom = std::min(bottom, p.Y);
      top = std::max(top, p.Y);
    }
  if (!std::isfinite(left)) {
    return Result<CutterDesign>::Fail("the drawing holds no line to read as a profile");
  }
  const double height = top - bottom, width = right - left;
  if (!std::isfinite(height * PixelsPerInch) || !std::isfinite(width * PixelsPerInch)) {
    return Result<CutterDesign>::Fail("the drawing's points lie too far apart to measure");
  }
  if (height * PixelsPerInch < 0.5) {
    return Result<CutterDesign>::Fail("the profile has no height (" + Inches(height) + ")");
  }
  if (!(height * PixelsPerInch < MaxProfileRows + 0.5)) {
    return Result<CutterDesign>::Fail("the profile is " + Inches(height) +
                                      " tall; a cutter is at most 5\"");
  }
  if (!(width * PixelsPerInch < MaxCutterRadius + 0.5)) {
    return Result<CutterDesign>::Fail("the profile is " + Inches(width) +
                                      " wide from the axis; a cutter reaches at most " +
                                      Inches(MaxCutterRadius / PixelsPerInch));
  }
  if (bearingDiameter / 2 > width) {
    return Result<CutterDesign>::Fail("the bearing (" + Inches(bearingDiameter) +
                                      " across) is larger than the cutter (" + Inches(2 * width) +
                                      " across)");
  }
  // The edge is looked up in pixels from the bottom; the outline is kept by the edge.
  auto shared = std::make_shared<const std::vector<OutlinePolygon>>(outline);
  const double rows = height * PixelsPerInch;
  CutterEdge edge;
  edge.Traced(rows, [shared, left, bottom](double z) {
    const double x = RightmostAt(*shared, bottom + z / PixelsPerInch);
    return std::isfinite(x) ? (x - left) * PixelsPerInch : 0.0;
  });
  CutterDesign design;
  design.Edge = edge;
  design.BearingRadius = bearingDiameter / 2 * PixelsPerInch;
  design.ShankRadius = (2 * width <= 0.25 ? 0.125 : 0.25) * PixelsPerInch;
  return design;
}

}  // namespace kerf
