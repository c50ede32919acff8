// MatchFine: the target enlarged or drawn at true size, and a plan's section measured against it.
#include "model/match/MatchFine.h"

#include <algorithm>
#include <cmath>

#include "model/match/MatchSearch.h"

namespace kerf::match {

FineTarget MakeFineTarget(const MatchTarget& target) {
  FineTarget fine;
  const bool odd = target.FaceOnTable % 2 != 0;
  const int32_t across = std::clamp(odd ? target.StockHeight : target.StockWidth, 50, 1000);
  const int32_t up = std::clamp(odd ? target.StockWidth : target.StockHeight, 50, 1000);
  fine.Across = 2 * across;
  fine.Up = 2 * up;
  const size_t count = static_cast<size_t>(fine.Across) * static_cast<size_t>(fine.Up);
  fine.TrueSize = target.FineAcross == fine.Across && target.FineUp == fine.Up &&
                  target.FineKeep.size() == count;
  if (fine.TrueSize) {
    // Measured from pixel centre to pixel centre, as a template traced along pixel edges is
    // measured against the drawing, give or take half a pixel: never less.
    fine.Uncertain = 0;
    fine.Keep = target.FineKeep;
  } else {
    // Each fine pixel takes the section pixel its centre lies in; that pixel's boundary is
    // known only to half a section pixel.
    fine.Keep.assign(count, 0);
    fine.Uncertain = 0.5 + 0.5 * FinePerInch * PixelInches;
    const int left = 2200 - fine.Across, top = 2200 - fine.Up;
    for (int y = 0; y < fine.Up; ++y) {
      const int sy = static_cast<int>((top + y + 0.5) * Size / 2200.0);
      for (int x = 0; x < fine.Across; ++x) {
        const int sx = static_cast<int>((left + x + 0.5) * Size / 2200.0);
        const size_t at = static_cast<size_t>(sy) * Size + static_cast<size_t>(sx);
        fine.Keep[static_cast<size_t>(y) * static_cast<size_t>(fine.Across) +
                  static_cast<size_t>(x)] = at < target.Keep.size() && target.Keep[at] != 0;
      }
    }
  }
  const int w = fine.Across + 2, h = fine.Up + 2;
  std::vector<uint8_t> kept(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  for (int y = 0; y < fine.Up; ++y)
    for (int x = 0; x < fine.Across; ++x)
      kept[fine.Padded(x, y)] =
          fine.Keep[static_cast<size_t>(y) * static_cast<size_t>(fine.Across) +
                    static_cast<size_t>(x)];
  fine.ToKept = DistanceTransform(kept, w, h);
  for (uint8_t& k : kept) k = !k;
  fine.ToCut = DistanceTransform(kept, w, h);
  return fine;
}

FineDeviation MeasureDeviation(const FineTarget& target, const Raster& fine,
                               const StockOnPicture& stock, double toleranceInches) {
  FineDeviation found;
  const double tolerance = toleranceInches * FinePerInch;
  double standing = 0, deep = 0;
  for (int y = 0; y < target.Up; ++y) {
    const int py = stock.Top + y;
    if (py < 0 || py >= fine.Height()) continue;
    const Colour* row = fine.Row(py);
    const uint8_t* want = &target.Keep[static_cast<size_t>(y) * static_cast<size_t>(target.Across)];
    for (int x = 0; x < target.Across; ++x) {
      const int px = stock.Left + x;
      const bool planKeeps = px >= 0 && px < fine.Width() && row[px] != White;
      if (planKeeps == (want[x] != 0)) continue;
      const double off =
          (planKeeps ? target.KeptDistance(x, y) : target.CutDistance(x, y)) - target.Uncertain;
      if (off <= 0) continue;
      if (off > tolerance) found.Excess += off - tolerance;
      if (planKeeps && off > standing) {
        standing = off;
        found.StandingX = x, found.StandingY = y;
      } else if (!planKeeps && off > deep) {
        deep = off;
        found.DeepX = x, found.DeepY = y;
      }
    }
  }
  found.Standing = standing / FinePerInch;
  found.Deep = deep / FinePerInch;
  return found;
}

MatchSpot FineSpot(const FineTarget& target, int x, int y) {
  MatchSpot spot;
  if (x < 0 || y < 0) return spot;
  const double toFence = target.Across - (x + 0.5), toTable = target.Up - (y + 0.5);
  const double toTop = y + 0.5, toFar = x + 0.5;
  spot.Found = true;
  spot.Face = "the fence face";
  double nearest = toFence;
  if (toTable < nearest) nearest = toTable, spot.Face = "the table face";
  if (toTop < nearest) nearest = toTop, spot.Face = "the top face";
  if (toFar < nearest) nearest = toFar, spot.Face = "the face away from the fence";
  spot.FromFence = toFence / FinePerInch;
  spot.AboveTable = toTable / FinePerInch;
  return spot;
}

}  // namespace kerf::match
