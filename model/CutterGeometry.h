// Cutter geometry: the cutting edge of a router bit, its profile rows and its bitmap.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/Raster.h"
#include "model/Result.h"
#include "model/Tool.h"

namespace kerf {

// Pixels (hundredths of an inch) per inch: one bitmap pixel is one length unit.
inline constexpr double PixelsPerInch = 100.0;
// The tallest cutter bitmap the library reads (MaxProfileRows: the most profile rows).
inline constexpr int MaxCutterBitmapRows = 501;
// The widest radius a cutter may have: its run of pixels fits the 500-pixel section it cuts.
inline constexpr int MaxCutterRadius = 499;

// The cutting edge as radius against height, in pixels, from the bottom of the cutting part
// upwards: a run of pieces, each over [z0, z1).
class CutterEdge {
 public:
  explicit CutterEdge(double startRadius = 0.0) : radius_(startRadius) {}

  // Upright: the same radius over a height.
  CutterEdge& Straight(double height);
  // A flat shoulder: the radius changes with no height.
  CutterEdge& StepTo(double radius);
  // A cone: the radius changes evenly by change over the height.
  CutterEdge& Taper(double height, double change);
  // Quarter arcs of radius rho that take the radius in by rho. A Round leaves a convex
  // quarter round on the stock (flat at its foot, upright at its top, like a roundover); a
  // Hollow leaves a cove (upright at its foot, flat at its top).
  CutterEdge& Round(double rho);
  CutterEdge& Hollow(double rho);
  // A quarter arc that takes the radius out by rho, upright at its foot and flat at its top:
  // the flare of a bit that widens towards its tip.
  CutterEdge& Flare(double rho);
  // A straight line from the current radius to radius over a height (a side of a traced
  // profile); the same as Taper(height, radius - current radius).
  CutterEdge& LineTo(double height, double radius) { return Taper(height, radius - radius_); }
  // Any shape over a height: radius(t) for t from 0 to height (a drawn profile).
  CutterEdge& Traced(double height, std::function<double(double)> radius) {
    const double end = radius(height);
    return Add(height, std::move(radius), end);
  }

  double Height() const { return height_; }
  // The radius where the edge ends now (at its top).
  double EndRadius() const { return radius_; }
  // Radius of the cutting edge at height z (0 at the bottom of the cutting part); above the
  // top, the radius at the top, for the last row of an edge that ends within a pixel.
  double RadiusAt(double z) const;

 private:
  struct Piece {
    double z0, z1;
    std::function<double(double)> Radius;  // of the height above z0
  };

  CutterEdge& Add(double height, std::function<double(double)> radius, double endRadius);

  double radius_;
  double height_ = 0.0;
  std::vector<Piece> pieces_;
};

// A whole bit: its cutting edge and the parts that guide and hold it (radii in pixels).
struct CutterDesign {
  std::string FileName;  // encoded display name with ".bmp"
  CutterEdge Edge;
  double BearingRadius = 0.0;  // 0 for a bit guided by the fence alone
  double ShankRadius = 0.0;
};

// What the library reads back from a cutter's bitmap.
struct CutterProfile {
  std::vector<int> Radii;  // radius of each profile row, lowest row first
  int BearingWidth = 0;    // length of the red bearing row; 0 without a bearing
};

// The profile rows: each row is sampled at its middle height and rounded to the pixel.
CutterProfile ProfileOf(const CutterDesign& design);

// Draws the bitmap: a half-silhouette with the axis in column 0, one black row per profile
// row, one red row as wide as the bearing's radius directly above the cutting edge of a
// bearing-guided bit, and in grey the parts that do not cut (bearing, screw, shank), which
// end the profile above and below (they give way to a tall edge). Fails with the reason when
// the bit does not fit a cutter bitmap (more than 5" tall, too wide, no cutting height).
Result<Raster> DrawCutter(const CutterDesign& design);

}  // namespace kerf
