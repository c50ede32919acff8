// Cutter geometry: the cutting edge of a router bit, its profile rows and its bitmap.
#include "model/CutterGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kerf {

namespace {

double Sqrt(double v) { return std::sqrt(std::max(v, 0.0)); }

constexpr Colour BitWhite = MakeColour(255, 255, 255);
constexpr Colour BitBlack = MakeColour(0, 0, 0);
constexpr Colour BitRed = MakeColour(255, 0, 0);
constexpr Colour Steel = MakeColour(160, 160, 168);    // shank
constexpr Colour Bearing = MakeColour(112, 116, 128);  // ball bearing
constexpr Colour Screw = MakeColour(72, 72, 80);       // the cap screw that holds the bearing

constexpr int Margin = 3;        // white rows above and below, white columns at the right
constexpr int ShankRows = 60;    // shank shown under the cutting part
constexpr int BearingRows = 19;  // 3/16" thick bearing
constexpr int ScrewRows = 5;

int Pixels(double v) { return static_cast<int>(std::lround(v)); }

// Fills the run of a row from the axis out to radius (inclusive) with colour.
void Run(Raster& bitmap, int y, int radius, Colour colour) {
  for (int x = 0; x <= radius && x < bitmap.Width(); ++x) bitmap.SetPixel(x, y, colour);
}

}  // namespace

CutterEdge& CutterEdge::Straight(double height) {
  return Add(
      height, [r = radius_](double) { return r; }, radius_);
}

CutterEdge& CutterEdge::StepTo(double radius) {
  radius_ = radius;
  return *this;
}

CutterEdge& CutterEdge::Taper(double height, double change) {
  const double r0 = radius_;
  return Add(
      height, [r0, height, change](double t) { return r0 + change * t / height; }, r0 + change);
}

CutterEdge& CutterEdge::Round(double rho) {
  const double r0 = radius_;
  return Add(
      rho, [r0, rho](double t) { return r0 - Sqrt(rho * rho - (rho - t) * (rho - t)); }, r0 - rho);
}

CutterEdge& CutterEdge::Hollow(double rho) {
  const double r0 = radius_;
  return Add(
      rho, [r0, rho](double t) { return r0 - rho + Sqrt(rho * rho - t * t); }, r0 - rho);
}

CutterEdge& CutterEdge::Flare(double rho) {
  const double r0 = radius_;
  return Add(
      rho, [r0, rho](double t) { return r0 + rho - Sqrt(rho * rho - t * t); }, r0 + rho);
}

double CutterEdge::RadiusAt(double z) const {
  for (const Piece& piece : pieces_)
    if (z >= piece.z0 && z < piece.z1) return piece.Radius(z - piece.z0);
  if (pieces_.empty()) return 0.0;
  const Piece& top = pieces_.back();
  return top.Radius(top.z1 - top.z0);
}

CutterEdge& CutterEdge::Add(double height, std::function<double(double)> radius, double endRadius) {
  pieces_.push_back({height_, height_ + height, std::move(radius)});
  height_ += height;
  radius_ = endRadius;
  return *this;
}

CutterProfile ProfileOf(const CutterDesign& design) {
  CutterProfile profile;
  const int rows = Pixels(design.Edge.Height());
  for (int z = 0; z < rows; ++z) {
    const double r = std::floor(design.Edge.RadiusAt(z + 0.5) + 0.5);
    profile.Radii.push_back(std::max(0, static_cast<int>(r)));
  }
  profile.BearingWidth = std::max(0, Pixels(design.BearingRadius));
  return profile;
}

Result<Raster> DrawCutter(const CutterDesign& design) {
  const CutterProfile profile = ProfileOf(design);
  const std::vector<int>& radii = profile.Radii;
  if (radii.empty()) {
    return Result<Raster>::Fail("too short to cut: its cutting edge is less than 1/100\" tall");
  }
  if (*std::max_element(radii.begin(), radii.end()) == 0) {
    return Result<Raster>::Fail("too thin to cut: its cutting edge is less than 1/100\" across");
  }
  const int bearing = profile.BearingWidth;
  const int shank = std::max(0, Pixels(design.ShankRadius));
  const int widest = std::max({*std::max_element(radii.begin(), radii.end()), bearing, shank});
  const bool guided = bearing > 0;
  const int rows = static_cast<int>(radii.size());
  if (rows + (guided ? 1 : 0) > MaxProfileRows) {
    return Result<Raster>::Fail("too tall: " + std::to_string(rows) + " rows of cutting edge" +
                                (guided ? " and the bearing row" : "") +
                                ", and a cutter has at most " + std::to_string(MaxProfileRows) +
                                " profile rows (5\")");
  }
  if (widest > MaxCutterRadius) {
    return Result<Raster>::Fail("too wide (radius " + std::to_string(widest) + " pixels; at most " +
                                std::to_string(MaxCutterRadius) + ")");
  }
  // The parts that do not cut give way to a tall cutting edge, the shank first, so that the
  // bitmap stays within the rows the library reads.
  int shankRows = ShankRows, bearingRows = guided ? BearingRows : 0;
  int screwRows = guided ? ScrewRows : 0, topMargin = Margin, bottomMargin = Margin;
  int excess = topMargin + screwRows + bearingRows + (guided ? 1 : 0) + rows + shankRows +
               bottomMargin - MaxCutterBitmapRows;
  for (int* part : {&shankRows, &bearingRows, &screwRows, &bottomMargin, &topMargin}) {
    const int cut = std::min(std::max(excess, 0), *part);
    *part -= cut;
    excess -= cut;
  }
  const int height =
      topMargin + screwRows + bearingRows + (guided ? 1 : 0) + rows + shankRows + bottomMargin;

  Raster bitmap(widest + 1 + Margin, height);
  bitmap.Fill(BitWhite);
  int y = topMargin;
  if (guided) {
    for (int i = 0; i < screwRows; ++i) Run(bitmap, y++, std::min(10, bearing - 3), Screw);
    for (int i = 0; i < bearingRows; ++i) Run(bitmap, y++, bearing - 1, Bearing);
    Run(bitmap, y++, bearing - 1, BitRed);  // red run of bearing pixels: the bearing's radius
  }
  for (auto r = radii.rbegin(); r != radii.rend(); ++r) Run(bitmap, y++, *r, BitBlack);
  for (int i = 0; i < shankRows; ++i) Run(bitmap, y++, shank, Steel);
  return bitmap;
}

}  // namespace kerf
