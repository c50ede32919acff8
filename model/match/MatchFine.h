// MatchFine: a match's deviation from its target measured at true size, 2 pixels a hundredth.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/LengthText.h"
#include "model/Raster.h"
#include "model/SectionRenderer.h"
#include "model/match/ProfileMatch.h"

namespace kerf::match {

inline constexpr double FinePerInch = 200;  // the fine picture's pixels an inch

// The target over the stock's rectangle at 2 pixels a hundredth, with each pixel's distance (in
// those pixels) to the nearest pixel the target keeps and to the nearest it does not keep,
// the world around the stock counting as not kept.
struct FineTarget {
  int Across = 0, Up = 0;
  std::vector<uint8_t> Keep;         // Across x Up, row 0 along the top face
  std::vector<float> ToKept, ToCut;  // (Across + 2) x (Up + 2): one pixel of border all round
  double Uncertain = 0;              // pixels by which the target's own boundary is not known
  bool TrueSize = false;  // drawn finer than the section (a drawing), not enlarged from it
  float KeptDistance(int x, int y) const { return ToKept[Padded(x, y)]; }
  float CutDistance(int x, int y) const { return ToCut[Padded(x, y)]; }
  size_t Padded(int x, int y) const {
    return static_cast<size_t>(y + 1) * static_cast<size_t>(Across + 2) +
           static_cast<size_t>(x + 1);
  }
};
FineTarget MakeFineTarget(const MatchTarget& target);

// How far a plan's section lies from the target: the worst wood left standing and the worst
// cut too deep, in inches, and where (fine pixels in the stock's rectangle; -1 for none).
struct FineDeviation {
  double Standing = 0, Deep = 0;
  int StandingX = -1, StandingY = -1, DeepX = -1, DeepY = -1;
  double Excess = 0;  // every wrong pixel's deviation beyond the tolerance, summed, in pixels
  double Worst() const { return Standing > Deep ? Standing : Deep; }
};
// Measures the section drawn on fine (the stock at stock), within toleranceInches.
FineDeviation MeasureDeviation(const FineTarget& target, const Raster& fine,
                               const StockOnPicture& stock, double toleranceInches);

// Where a fine pixel of the stock's rectangle lies (none for x < 0).
MatchSpot FineSpot(const FineTarget& target, int x, int y);

}  // namespace kerf::match
