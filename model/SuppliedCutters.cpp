// The cutters supplied with the program, described by their cutting edges.
#include "model/SuppliedCutters.h"

#include <cmath>

namespace kerf {

namespace {

constexpr double Inch = PixelsPerInch;
constexpr double Pi = 3.14159265358979323846;

double Tan(double degrees) { return std::tan(degrees * Pi / 180.0); }

}  // namespace

// The supplied set, sized as such bits are sold. Bearing-guided bits carry a 1/2" bearing
// unless noted; the cutting diameter is the bearing's plus twice the profile's width.
std::vector<CutterDesign> SuppliedCutters() {
  const double halfBearing = 0.25 * Inch;    // radius of a 1/2" bearing
  const double smallBearing = 0.19 * Inch;   // radius of a 3/8" bearing, to the pixel
  const double shankQuarter = 0.125 * Inch;  // radius of a 1/4" shank
  const double shankHalf = 0.25 * Inch;      // radius of a 1/2" shank
  const double lip = 0.25 * Inch;            // upright part under a roundover's arc
  const double foot = 0.125 * Inch;          // short upright under other profiles

  std::vector<CutterDesign> bits;
  auto roundover = [&](const char* name, double rho) {
    bits.push_back(
        {name, CutterEdge(halfBearing + rho).Straight(lip).Round(rho), halfBearing, shankHalf});
  };
  roundover("1-8! Roundover.bmp", 0.125 * Inch);
  roundover("1-4! Roundover.bmp", 0.25 * Inch);
  roundover("3-8! Roundover.bmp", 0.375 * Inch);
  roundover("1-2! Roundover.bmp", 0.5 * Inch);

  // A quarter round that stands 1/16" proud of the edge with a 1/16" quirk above it.
  {
    const double rho = 0.25 * Inch, quirk = 0.0625 * Inch;
    bits.push_back(
        {"1-4! Beading.bmp",
         CutterEdge(smallBearing + quirk + rho).Straight(foot).Round(rho).Straight(quirk),
         smallBearing, shankHalf});
  }

  auto cove = [&](const char* name, double rho) {
    bits.push_back(
        {name, CutterEdge(halfBearing + rho).Straight(foot).Hollow(rho), halfBearing, shankHalf});
  };
  cove("1-4! Cove.bmp", 0.25 * Inch);
  cove("1-2! Cove.bmp", 0.5 * Inch);

  // Chamfers: the angle is the bevel's from the edge face, the cone's half angle.
  bits.push_back({"45% Chamfer.bmp", CutterEdge(0.6875 * Inch).Taper(0.5 * Inch, -0.5 * Inch),
                  halfBearing, shankHalf});
  {
    const double height = 0.75 * Inch, width = height * Tan(22.5);
    bits.push_back({"22@5% Chamfer.bmp", CutterEdge(halfBearing + width).Taper(height, -width),
                    halfBearing, shankHalf});
  }

  // Ogees: a quarter round and a cove of the same radius joined in an S.
  {
    const double rho = 0.15625 * Inch;
    bits.push_back({"5-32! Roman Ogee.bmp",
                    CutterEdge(halfBearing + 2 * rho).Straight(foot).Round(rho).Hollow(rho),
                    halfBearing, shankHalf});
  }
  {
    const double rho = 0.1875 * Inch, fillet = 0.0625 * Inch;
    bits.push_back({"Ogee with Fillet.bmp",
                    CutterEdge(halfBearing + fillet + 2 * rho)
                        .Straight(foot)
                        .Hollow(rho)
                        .Round(rho)
                        .Straight(0.125 * Inch),
                    halfBearing, shankHalf});
  }
  // Classical: a small quarter round, a shoulder and fillet, then a cove up to the bearing.
  {
    const double bead = 0.125 * Inch, shoulder = 0.0625 * Inch, coveRho = 0.1875 * Inch;
    bits.push_back({"Classical.bmp",
                    CutterEdge(halfBearing + bead + shoulder + coveRho)
                        .Straight(foot)
                        .Round(bead)
                        .StepTo(halfBearing + coveRho)
                        .Straight(0.125 * Inch)
                        .Hollow(coveRho),
                    halfBearing, shankHalf});
  }
  // Cove and bead: a cove at the face, a shoulder, a bead and a fillet at the edge.
  {
    const double coveRho = 0.25 * Inch, shoulder = 0.0625 * Inch, bead = 0.1875 * Inch,
                 fillet = 0.0625 * Inch;
    bits.push_back({"Cove and Bead.bmp",
                    CutterEdge(halfBearing + fillet + bead + shoulder + coveRho)
                        .Straight(foot)
                        .Hollow(coveRho)
                        .StepTo(halfBearing + fillet + bead)
                        .Round(bead)
                        .Straight(0.125 * Inch),
                    halfBearing, shankHalf});
  }

  // Straight bits, guided by the fence.
  bits.push_back(
      {"1-4! Straight.bmp", CutterEdge(0.125 * Inch).Straight(0.75 * Inch), 0, shankQuarter});
  bits.push_back({"1-2! Straight.bmp", CutterEdge(0.25 * Inch).Straight(1.0 * Inch), 0, shankHalf});
  bits.push_back(
      {"3-4! Straight.bmp", CutterEdge(0.375 * Inch).Straight(1.0 * Inch), 0, shankHalf});

  // Core box: upright sides under a half-round nose.
  bits.push_back({"1-2! Core Box.bmp",
                  CutterEdge(0.25 * Inch).Straight(0.25 * Inch).Hollow(0.25 * Inch), 0, shankHalf});

  // Rabbeting: 3/8" deep, 1/2" high. Flush trim: the bearing as large as the cutter.
  bits.push_back({"3-8! Rabbeting.bmp", CutterEdge(halfBearing + 0.375 * Inch).Straight(0.5 * Inch),
                  halfBearing, shankHalf});
  bits.push_back({"1-2! Flush Trim.bmp", CutterEdge(halfBearing).Straight(1.0 * Inch), halfBearing,
                  shankHalf});

  // V-grooves, 1/2" across: the angle is the included angle of the point.
  bits.push_back({"90% V Groove.bmp",
                  CutterEdge(0.25 * Inch).Taper(0.25 * Inch / Tan(45.0), -0.25 * Inch), 0,
                  shankHalf});
  bits.push_back({"60% V Groove.bmp",
                  CutterEdge(0.25 * Inch).Taper(0.25 * Inch / Tan(30.0), -0.25 * Inch), 0,
                  shankHalf});

  // Dovetail: 1/2" across at the tip, sides 14 degrees off the axis, 1/2" high.
  {
    const double height = 0.5 * Inch, narrowing = height * Tan(14.0);
    bits.push_back({"1-2! 14% Dovetail.bmp",
                    CutterEdge(0.25 * Inch - narrowing).Taper(height, narrowing), 0, shankHalf});
  }

  // Tongue and groove for 3/4" stock: a 1/4" groove 3/8" deep, and two cutters that leave a
  // matching 1/4" tongue with the bearing's arbor between them.
  {
    const double depth = 0.375 * Inch, third = 0.25 * Inch, arbor = 0.15 * Inch;
    bits.push_back({"T&G Groove.bmp", CutterEdge(halfBearing + depth).Straight(third), halfBearing,
                    shankHalf});
    bits.push_back({"T&G Tongue.bmp",
                    CutterEdge(halfBearing + depth)
                        .Straight(third)
                        .StepTo(arbor)
                        .Straight(third)
                        .StepTo(halfBearing + depth)
                        .Straight(third),
                    halfBearing, shankHalf});
  }

  // Finger pull: a narrow neck that flares to a rounded rim, undercutting a grip in the edge.
  bits.push_back({"Finger Pull.bmp",
                  CutterEdge(0.25 * Inch)
                      .Straight(0.125 * Inch)
                      .Flare(0.375 * Inch)
                      .Straight(0.0625 * Inch)
                      .Hollow(0.125 * Inch),
                  0, shankHalf});
  return bits;
}

}  // namespace kerf
