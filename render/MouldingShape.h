// The moulding's shape made from a traced outline: one winding, straight runs merged, side normals.
#pragma once

#include <vector>

#include "model/SectionOutline.h"

namespace kerf {

// One end of a side segment in scene units: position in the section's plane, the unit normal
// there (it lies in that plane) and the texture coordinate around the outline (before repeats).
struct SideEnd {
  double X = 0, Y = 0;
  double Nx = 0, Ny = 0;
  double T = 0;
};

struct SideSegment {
  SideEnd A, B;
};

struct MouldingShape {
  // The corners of the end faces in scene units, walked clockwise as seen from the +z eye
  // whatever the direction of the trace; the last point repeats the first.
  std::vector<double> FaceX, FaceY;
  // The long sides, segment by segment around the outline in the same direction.
  std::vector<SideSegment> Sides;
};

// Turns between neighbouring pieces of the outline up to this many degrees are shaded round;
// sharper turns stay crisp edges.
inline constexpr double CreaseAngleDegrees = 30.0;
// A traced curve of small radius turns by more than the crease angle from one fitted piece to
// the next, but its pieces are short: a turn of up to this many degrees still shades round
// where the shorter piece is no longer than a piece fitted to a curve with that turn would be.
inline constexpr double CurveTurnDegrees = 60.0;

// How far (in raster pixels) the pixel steps may stray from the straight piece whose normal
// they share: a straight edge at any slope is a staircase of pixels within this distance.
inline constexpr double StaircaseTolerance = 1.0;

// Builds the shape of a closed outline (points 1..Count, the last equal to the first). The
// walk is reversed where it ran anticlockwise on the raster, so the drawing's front faces face
// outwards in every orientation of the stock. With mergeStraightRuns, consecutive points on
// one exactly straight line become one segment (the shape is unchanged). Side normals come
// from straight pieces fitted to the pixel steps: each piece has its own normal, and where two
// pieces meet at a small turn (CreaseAngleDegrees, or CurveTurnDegrees between the short
// pieces of a tight curve) the normal blends into their average over half the shorter piece,
// so curves shade round and square edges stay crisp. Texture
// coordinates T run from 0 at the first point to 1 at the last, by the walk's steps.
MouldingShape BuildMouldingShape(const SectionOutline& outline, bool mergeStraightRuns);

}  // namespace kerf
