// MatchDeviationPicture: a plan's section over its target, where wood is left and where too much
// is cut, drawn as the Profile picture draws a section.
#include "desktop/MatchDeviationPicture.h"

#include <algorithm>
#include <cmath>

#include "desktop/RasterImage.h"
#include "model/MachineLines.h"
#include "model/SectionRenderer.h"

namespace kerf {

namespace {

constexpr int N = SectionSize;
constexpr double PixelInches = 11.0 / N;  // the measured section's pixel

}  // namespace

std::vector<Deviation> CompareWithTarget(const Raster& planSection, const MatchTarget& target,
                                         double toleranceInches) {
  std::vector<Deviation> kinds(static_cast<size_t>(N) * N, Deviation::Air);
  if (target.Keep.size() != kinds.size()) return kinds;
  const auto targetKeeps = [&target](int x, int y) {
    return x >= 0 && y >= 0 && x < N && y < N &&
           target.Keep[static_cast<size_t>(y) * N + static_cast<size_t>(x)] != 0;
  };
  const double reach = std::max(toleranceInches, 0.0) / PixelInches + 0.5;
  const int r = static_cast<int>(reach);
  // Whether a pixel the target keeps (or, for !kept, removes) lies within reach of (x, y).
  const auto near = [&](int x, int y, bool kept) {
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (dx * dx + dy * dy <= reach * reach && targetKeeps(x + dx, y + dy) == kept) return true;
    return false;
  };
  for (int y = 0; y < N; ++y) {
    for (int x = 0; x < N; ++x) {
      const bool planKeeps = planSection.Pixel(x, y) != White;
      const bool wanted = targetKeeps(x, y);
      Deviation& kind = kinds[static_cast<size_t>(y) * N + static_cast<size_t>(x)];
      if (planKeeps == wanted) {
        kind = planKeeps ? Deviation::Wood : Deviation::Air;
      } else if (planKeeps) {
        kind = near(x, y, true) ? Deviation::NearStanding : Deviation::Standing;
      } else {
        kind = near(x, y, false) ? Deviation::NearDeep : Deviation::Deep;
      }
    }
  }
  return kinds;
}

QRgb DeviationColour(Deviation kind) {
  switch (kind) {
    case Deviation::Wood:
      return qRgb(222, 200, 160);
    case Deviation::NearStanding:
      return qRgb(250, 205, 150);
    case Deviation::NearDeep:
      return qRgb(165, 195, 250);
    case Deviation::Standing:
      return qRgb(230, 110, 0);
    case Deviation::Deep:
      return qRgb(0, 90, 230);
    case Deviation::Air:
      break;
  }
  return qRgb(255, 255, 255);
}

QImage DrawDeviation(const std::vector<Deviation>& kinds, const StockSetup& stock, int side) {
  SectionView view;
  view.W = view.H = side;
  view.MachineMargin = ProfileMachineMargin;
  int zoom = 1;
  for (const int z : {4, 2}) {
    view.Zoom = z;
    const StockOnPicture at = PlaceStock(stock, view);
    if (at.Left >= 0 && at.Top >= 0) {
      zoom = z;
      break;
    }
  }
  view.Zoom = zoom;
  const StockOnPicture at = PlaceStock(stock, view);
  Raster machine(side, side);
  machine.Fill(White);
  DrawTableAndFence(machine, {at.FenceX, at.TableY}, side, side);
  QImage image = ImageFromRaster(machine).convertToFormat(QImage::Format_RGB32);
  if (kinds.size() != static_cast<size_t>(N) * N) return image;

  // Section pixel x covers picture columns from FenceX - (N - x) * s to FenceX - (N - x - 1) * s
  // (at least one), as the Profile picture's overlay places it.
  const double s = static_cast<double>(side) * zoom / N;
  std::vector<uint8_t> shown(static_cast<size_t>(side) * static_cast<size_t>(side), 0);
  for (int y = 0; y < N; ++y) {
    const int top = static_cast<int>(at.TableY - (N - y) * s);
    const int bottom = std::max(top + 1, static_cast<int>(at.TableY - (N - y - 1) * s));
    for (int x = 0; x < N; ++x) {
      const Deviation kind = kinds[static_cast<size_t>(y) * N + static_cast<size_t>(x)];
      if (kind == Deviation::Air) continue;
      const int left = static_cast<int>(at.FenceX - (N - x) * s);
      const int right = std::max(left + 1, static_cast<int>(at.FenceX - (N - x - 1) * s));
      const auto rank = static_cast<uint8_t>(kind);
      for (int py = std::max(top, 0); py < std::min(bottom, side); ++py) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = std::max(left, 0); px < std::min(right, side); ++px) {
          uint8_t& was =
              shown[static_cast<size_t>(py) * static_cast<size_t>(side) + static_cast<size_t>(px)];
          if (rank <= was) continue;
          was = rank;
          row[px] = DeviationColour(kind);
        }
      }
    }
  }
  return image;
}

}  // namespace kerf
