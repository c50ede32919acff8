// MouldingMesh: the traced section extruded along a length into a closed triangle mesh.
#pragma once

#include <vector>

#include "model/Model.h"
#include "model/SectionOutline.h"
#include "model/SectionPictures.h"
#include "model/TriangleMesh.h"

namespace kerf {

inline constexpr double MillimetresPerUnit = 0.254;  // a unit is a hundredth of an inch

// Millimetres per pixel of the traced section, across (x) and up (y). The stock is drawn on the
// measured section at 500 pixels per 1100 units with its extents rounded to whole pixels, and
// the trace loses the border column and row, so each axis is scaled by the stock's true size
// over its traced extent in pixels: the exported section is exactly as wide and tall as the
// stock.
struct SectionScale {
  double X = MillimetresPerUnit, Y = MillimetresPerUnit;
};
SectionScale MeasuredSectionScale(const Model& model);

// One piece of the section in pixels, counter-clockwise with y pointing up (row numbers
// negated), each corner once: repeated points, points on a straight line between their
// neighbours and out-and-back spikes of no width are left out, as they add no area.
struct SectionPolygon {
  std::vector<long long> X, Y;
};
// The pieces of a closed outline: the walk split where it comes back to a point it passed and
// the loop in between is a piece of its own (two pieces touching at a corner). Empty when the
// outline is open or encloses no area.
std::vector<SectionPolygon> OutlinePolygons(const SectionOutline& outline);

// Leaves out corners with a zero turn (straight on, doubled back or repeated), also across the
// join of the end to the start, and turns the ring counter-clockwise. Empty when no area.
SectionPolygon CleanPolygon(const SectionPolygon& raw);

// Twice the signed area of a polygon (positive when counter-clockwise).
long long TwiceArea(const SectionPolygon& polygon);

// Triangles covering a simple counter-clockwise polygon, by ear clipping: n - 2 triangles of
// corner indices, each counter-clockwise. Empty when the polygon has fewer than three corners.
std::vector<std::array<uint32_t, 3>> TriangulatePolygon(const SectionPolygon& polygon);

// The section extruded from z = 0 to z = lengthMm: the long sides as two triangles per edge and
// both end faces triangulated, every triangle facing outwards, no edge used other than twice.
// x runs across the section's columns from 0, y up its rows from 0, each pixel scale's
// millimetres. Empty when the outline is open or encloses no area, or the length is not positive.
TriangleMesh BuildMouldingMesh(const SectionOutline& outline, double lengthMm,
                               SectionScale scale = {});
// The same for pieces already made (each simple and counter-clockwise, as CleanPolygon leaves
// them), each coordinate unit scale's millimetres.
TriangleMesh ExtrudePieces(const std::vector<SectionPolygon>& pieces, double lengthMm,
                           SectionScale scale);

}  // namespace kerf
