// A cutter from a drawn half-profile: outlines in inches turned into a cutting edge.
#pragma once

#include <string>
#include <vector>

#include "model/CutterGeometry.h"

namespace kerf {

struct OutlinePoint {
  double X = 0.0;  // inches, growing away from the axis
  double Y = 0.0;  // inches, growing upwards (away from the shank)
};
// One drawn line or shape; it is read as closed (the last point joined to the first).
using OutlinePolygon = std::vector<OutlinePoint>;

// The axis is the leftmost point of the drawing and the bottom of the cutting edge its lowest
// point. On every profile row the radius is the rightmost point of the drawing at the row's
// middle height, so a closed shape, an open edge drawn from the axis and back, or an edge alone
// all give the same cutter. bearingDiameter is in inches (0 for none). Fails with the reason
// for a drawing taller than 5", wider than a cutter can be, with no height, or with a bearing
// larger than the cutter.
Result<CutterDesign> DesignFromOutline(const std::vector<OutlinePolygon>& outline,
                                       double bearingDiameter);

}  // namespace kerf
