// Draws the supplied router-bit bitmaps into <data dir>/tools from their cutting-edge geometry.
//
// Each bit is described by its cutting edge from the bottom of the cutting part upwards, as the
// radius from the bit's axis in hundredths of an inch (one pixel each): straight runs, tapers,
// steps and quarter arcs. The bitmap is a half-silhouette with the axis in column 0: one black
// row per hundredth of cutting height whose black run reaches the radius, one red row as wide
// as the bearing's radius directly above the cutting edge of a bearing-guided bit, and in grey
// the parts that do not cut (bearing, screw, shank), which end the profile above and below.
//
// Usage: make_cutters <data dir>
#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double Inch = 100.0;  // pixels (hundredths of an inch) per inch
constexpr double Pi = 3.14159265358979323846;
constexpr int MaxRows = 501;     // tallest bitmap the library reads
constexpr int MaxProfile = 500;  // most profile rows a cutter can have

double Tan(double degrees) { return std::tan(degrees * Pi / 180.0); }

// The cutting edge as radius against height: a run of pieces, each over [z0, z1).
class Edge {
 public:
  explicit Edge(double startRadius) : radius_(startRadius) {}

  // Upright: the same radius over a height.
  Edge& Straight(double height) {
    return Add(height, [r = radius_](double) { return r; }, radius_);
  }
  // A flat shoulder: the radius changes with no height.
  Edge& StepTo(double radius) {
    radius_ = radius;
    return *this;
  }
  // A cone: the radius changes evenly by change over the height.
  Edge& Taper(double height, double change) {
    const double r0 = radius_;
    return Add(height, [r0, height, change](double t) { return r0 + change * t / height; },
               r0 + change);
  }
  // Quarter arcs of radius rho that take the radius in by rho. A Round leaves a convex
  // quarter round on the stock (flat at its foot, upright at its top, like a roundover); a
  // Hollow leaves a cove (upright at its foot, flat at its top).
  Edge& Round(double rho) {
    const double r0 = radius_;
    return Add(rho, [r0, rho](double t) { return r0 - Sqrt(rho * rho - (rho - t) * (rho - t)); },
               r0 - rho);
  }
  Edge& Hollow(double rho) {
    const double r0 = radius_;
    return Add(rho, [r0, rho](double t) { return r0 - rho + Sqrt(rho * rho - t * t); }, r0 - rho);
  }
  // A quarter arc that takes the radius out by rho, upright at its foot and flat at its top:
  // the flare of a bit that widens towards its tip.
  Edge& Flare(double rho) {
    const double r0 = radius_;
    return Add(rho, [r0, rho](double t) { return r0 + rho - Sqrt(rho * rho - t * t); }, r0 + rho);
  }

  double Height() const { return height_; }

  // Radius of the cutting edge at height z (0 at the bottom of the cutting part); above the
  // top, the radius at the top, for the last row of an edge that ends within a pixel.
  double RadiusAt(double z) const {
    for (const Piece& piece : pieces_)
      if (z >= piece.z0 && z < piece.z1) return piece.radius(z - piece.z0);
    if (pieces_.empty()) return 0.0;
    const Piece& top = pieces_.back();
    return top.radius(top.z1 - top.z0);
  }

 private:
  struct Piece {
    double z0, z1;
    std::function<double(double)> radius;  // of the height above z0
  };

  static double Sqrt(double v) { return std::sqrt(std::max(v, 0.0)); }

  template <typename F>
  Edge& Add(double height, F radius, double endRadius) {
    pieces_.push_back({height_, height_ + height, radius});
    height_ += height;
    radius_ = endRadius;
    return *this;
  }

  double radius_;
  double height_ = 0.0;
  std::vector<Piece> pieces_;
};

struct Bit {
  std::string fileName;   // encoded display name: '-' '/', '!' '"', '%' degree, '@' '.'
  Edge edge;
  double bearingRadius;   // 0 for a bit guided by the fence alone
  double shankRadius;
};

// Radii of the profile rows from the lowest up: each row is sampled at its middle height.
std::vector<int> ProfileRows(const Edge& edge) {
  const int rows = static_cast<int>(std::lround(edge.Height()));
  std::vector<int> radii;
  for (int z = 0; z < rows; ++z)
    radii.push_back(std::max(0, static_cast<int>(std::floor(edge.RadiusAt(z + 0.5) + 0.5))));
  return radii;
}

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Steel = qRgb(160, 160, 168);     // shank
const QRgb Bearing = qRgb(112, 116, 128);   // ball bearing
const QRgb Screw = qRgb(72, 72, 80);        // the cap screw that holds the bearing

constexpr int Margin = 3;        // white rows above and below, white columns at the right
constexpr int ShankRows = 60;    // shank shown under the cutting part
constexpr int BearingRows = 19;  // 3/16" thick bearing
constexpr int ScrewRows = 5;

// Fills the run of a row from the axis out to radius (inclusive) with colour.
void Run(QImage& image, int y, int radius, QRgb colour) {
  for (int x = 0; x <= radius && x < image.width(); ++x) image.setPixel(x, y, colour);
}

bool WriteBit(const Bit& bit, const QString& folder) {
  const std::vector<int> radii = ProfileRows(bit.edge);
  const int bearing = static_cast<int>(std::lround(bit.bearingRadius));
  const int shank = static_cast<int>(std::lround(bit.shankRadius));
  const int widest = std::max({*std::max_element(radii.begin(), radii.end()), bearing, shank});
  const bool guided = bearing > 0;
  const int topRows = guided ? 1 + BearingRows + ScrewRows : 0;
  const int height = Margin + topRows + static_cast<int>(radii.size()) + ShankRows + Margin;
  if (radii.size() + (guided ? 1 : 0) > MaxProfile || height > MaxRows) {
    std::fprintf(stderr, "%s: too tall (%d rows)\n", bit.fileName.c_str(), height);
    return false;
  }

  QImage image(widest + 1 + Margin, height, QImage::Format_RGB888);
  image.fill(White);
  int y = Margin;
  if (guided) {
    for (int i = 0; i < ScrewRows; ++i) Run(image, y++, std::min(10, bearing - 3), Screw);
    for (int i = 0; i < BearingRows; ++i) Run(image, y++, bearing - 1, Bearing);
    Run(image, y++, bearing - 1, Red);  // red run of bearing pixels: the bearing's radius
  }
  for (auto r = radii.rbegin(); r != radii.rend(); ++r) Run(image, y++, *r, Black);
  for (int i = 0; i < ShankRows; ++i) Run(image, y++, shank, Steel);

  const QString path = folder + "/" + QString::fromStdString(bit.fileName);
  if (!image.save(path, "BMP")) {
    std::fprintf(stderr, "%s: cannot write\n", path.toLocal8Bit().constData());
    return false;
  }
  const int cutting = *std::max_element(radii.begin(), radii.end());
  std::printf("%-28s %3zu rows  diameter %5.3f\"  height %5.3f\"  bearing %5.3f\"\n",
              bit.fileName.c_str(), radii.size(), 2 * cutting / Inch, radii.size() / Inch,
              2 * bearing / Inch);
  return true;
}

// The supplied set, sized as such bits are sold. Bearing-guided bits carry a 1/2" bearing
// unless noted; the cutting diameter is the bearing's plus twice the profile's width.
std::vector<Bit> SuppliedBits() {
  const double halfBearing = 0.25 * Inch;    // radius of a 1/2" bearing
  const double smallBearing = 0.19 * Inch;   // radius of a 3/8" bearing, to the pixel
  const double shankQuarter = 0.125 * Inch;  // radius of a 1/4" shank
  const double shankHalf = 0.25 * Inch;      // radius of a 1/2" shank
  const double lip = 0.25 * Inch;            // upright part under a roundover's arc
  const double foot = 0.125 * Inch;          // short upright under other profiles

  std::vector<Bit> bits;
  auto roundover = [&](const char* name, double rho) {
    bits.push_back({name, Edge(halfBearing + rho).Straight(lip).Round(rho), halfBearing,
                    shankHalf});
  };
  roundover("1-8! Roundover.bmp", 0.125 * Inch);
  roundover("1-4! Roundover.bmp", 0.25 * Inch);
  roundover("3-8! Roundover.bmp", 0.375 * Inch);
  roundover("1-2! Roundover.bmp", 0.5 * Inch);

  // A quarter round that stands 1/16" proud of the edge with a 1/16" quirk above it.
  {
    const double rho = 0.25 * Inch, quirk = 0.0625 * Inch;
    bits.push_back({"1-4! Beading.bmp",
                    Edge(smallBearing + quirk + rho).Straight(foot).Round(rho).Straight(quirk),
                    smallBearing, shankHalf});
  }

  auto cove = [&](const char* name, double rho) {
    bits.push_back({name, Edge(halfBearing + rho).Straight(foot).Hollow(rho), halfBearing,
                    shankHalf});
  };
  cove("1-4! Cove.bmp", 0.25 * Inch);
  cove("1-2! Cove.bmp", 0.5 * Inch);

  // Chamfers: the angle is the bevel's from the edge face, the cone's half angle.
  bits.push_back({"45% Chamfer.bmp", Edge(0.6875 * Inch).Taper(0.5 * Inch, -0.5 * Inch),
                  halfBearing, shankHalf});
  {
    const double height = 0.75 * Inch, width = height * Tan(22.5);
    bits.push_back({"22@5% Chamfer.bmp", Edge(halfBearing + width).Taper(height, -width),
                    halfBearing, shankHalf});
  }

  // Ogees: a quarter round and a cove of the same radius joined in an S.
  {
    const double rho = 0.15625 * Inch;
    bits.push_back({"5-32! Roman Ogee.bmp",
                    Edge(halfBearing + 2 * rho).Straight(foot).Round(rho).Hollow(rho),
                    halfBearing, shankHalf});
  }
  {
    const double rho = 0.1875 * Inch, fillet = 0.0625 * Inch;
    bits.push_back({"Ogee with Fillet.bmp",
                    Edge(halfBearing + fillet + 2 * rho)
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
                    Edge(halfBearing + bead + shoulder + coveRho)
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
                    Edge(halfBearing + fillet + bead + shoulder + coveRho)
                        .Straight(foot)
                        .Hollow(coveRho)
                        .StepTo(halfBearing + fillet + bead)
                        .Round(bead)
                        .Straight(0.125 * Inch),
                    halfBearing, shankHalf});
  }

  // Straight bits, guided by the fence.
  bits.push_back({"1-4! Straight.bmp", Edge(0.125 * Inch).Straight(0.75 * Inch), 0, shankQuarter});
  bits.push_back({"1-2! Straight.bmp", Edge(0.25 * Inch).Straight(1.0 * Inch), 0, shankHalf});
  bits.push_back({"3-4! Straight.bmp", Edge(0.375 * Inch).Straight(1.0 * Inch), 0, shankHalf});

  // Core box: upright sides under a half-round nose.
  bits.push_back({"1-2! Core Box.bmp", Edge(0.25 * Inch).Straight(0.25 * Inch).Hollow(0.25 * Inch),
                  0, shankHalf});

  // Rabbeting: 3/8" deep, 1/2" high. Flush trim: the bearing as large as the cutter.
  bits.push_back({"3-8! Rabbeting.bmp", Edge(halfBearing + 0.375 * Inch).Straight(0.5 * Inch),
                  halfBearing, shankHalf});
  bits.push_back({"1-2! Flush Trim.bmp", Edge(halfBearing).Straight(1.0 * Inch), halfBearing,
                  shankHalf});

  // V-grooves, 1/2" across: the angle is the included angle of the point.
  bits.push_back({"90% V Groove.bmp",
                  Edge(0.25 * Inch).Taper(0.25 * Inch / Tan(45.0), -0.25 * Inch), 0, shankHalf});
  bits.push_back({"60% V Groove.bmp",
                  Edge(0.25 * Inch).Taper(0.25 * Inch / Tan(30.0), -0.25 * Inch), 0, shankHalf});

  // Dovetail: 1/2" across at the tip, sides 14 degrees off the axis, 1/2" high.
  {
    const double height = 0.5 * Inch, narrowing = height * Tan(14.0);
    bits.push_back({"1-2! 14% Dovetail.bmp",
                    Edge(0.25 * Inch - narrowing).Taper(height, narrowing), 0, shankHalf});
  }

  // Tongue and groove for 3/4" stock: a 1/4" groove 3/8" deep, and two cutters that leave a
  // matching 1/4" tongue with the bearing's arbor between them.
  {
    const double depth = 0.375 * Inch, third = 0.25 * Inch, arbor = 0.15 * Inch;
    bits.push_back({"T&G Groove.bmp", Edge(halfBearing + depth).Straight(third), halfBearing,
                    shankHalf});
    bits.push_back({"T&G Tongue.bmp",
                    Edge(halfBearing + depth)
                        .Straight(third)
                        .StepTo(arbor)
                        .Straight(third)
                        .StepTo(halfBearing + depth)
                        .Straight(third),
                    halfBearing, shankHalf});
  }

  // Finger pull: a narrow neck that flares to a rounded rim, undercutting a grip in the edge.
  bits.push_back({"Finger Pull.bmp",
                  Edge(0.25 * Inch)
                      .Straight(0.125 * Inch)
                      .Flare(0.375 * Inch)
                      .Straight(0.0625 * Inch)
                      .Hollow(0.125 * Inch),
                  0, shankHalf});
  return bits;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data dir>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/tools";
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "%s: cannot create\n", folder.toLocal8Bit().constData());
    return 1;
  }
  int failed = 0;
  for (const Bit& bit : SuppliedBits())
    if (!WriteBit(bit, folder)) ++failed;
  return failed == 0 ? 0 : 1;
}
