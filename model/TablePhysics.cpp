// TablePhysics: trapped stock, bearing and shank in the wood, the bit's reach, thin skins.
#include "model/TablePhysics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kerf {

namespace {

// Lengths far beyond any picture are held to a size that no picture reaches.
int Pixels(double hundredths, double scale) {
  return static_cast<int>(std::nearbyint(std::clamp(hundredths * scale, -1e8, 1e8)));
}

// The longest stretch of neighbouring lines (columns or rows) in which a thin run was found,
// and the thickest of those runs, in pixels.
struct Stretch {
  int Length = 0;
  int Thickest = 0;
};

bool Removed(const WoodWindow& before, const WoodWindow& after, int column, int row) {
  return before.At(column, row) && !after.At(column, row);
}

// Thin runs of wood left beside removed wood, along columns (skins lying flat) or along rows
// (fins standing up). A run that reaches the window's far edge is of unknown thickness; row 0
// stands on the table, which bounds it.
Stretch ThinRuns(const WoodWindow& before, const WoodWindow& after, bool alongColumns,
                 int thinnest) {
  const int lines = alongColumns ? after.Width : after.Height;
  const int length = alongColumns ? after.Height : after.Width;
  auto wood = [&](const WoodWindow& w, int line, int i) {
    return alongColumns ? w.At(line, i) : w.At(i, line);
  };
  auto removed = [&](int line, int i) {
    return alongColumns ? Removed(before, after, line, i) : Removed(before, after, i, line);
  };
  Stretch best, now;
  for (int line = 0; line < lines; ++line) {
    int thinnestHere = 0;  // the thinnest run on this line; 0 for none
    for (int i = 0; i < length;) {
      if (!wood(after, line, i)) {
        ++i;
        continue;
      }
      const int first = i;
      while (i < length && wood(after, line, i)) ++i;
      const int n = i - first;
      const bool bounded = i < length && (first > 0 || alongColumns);
      const bool cutBeside = removed(line, first - 1) || removed(line, i);
      if (n < thinnest && bounded && cutBeside)
        thinnestHere = thinnestHere == 0 ? n : std::min(thinnestHere, n);
    }
    if (thinnestHere == 0) {
      now = {};
      continue;
    }
    ++now.Length;
    now.Thickest = std::max(now.Thickest, thinnestHere);
    if (now.Length > best.Length) best = now;
  }
  return best;
}

// Whether before holds wood nearer the axis than reach (pixels) in rows first..last.
bool WoodNearAxis(const WoodWindow& before, int first, int last, double reach) {
  for (int row = std::max(first, 0); row <= last && row < before.Height; ++row) {
    for (int column = 0; column < before.Width; ++column) {
      if (std::abs(column - before.Axis) < reach && before.At(column, row)) return true;
    }
  }
  return false;
}

}  // namespace

void WoodWindow::Resize(int width, int height, int axis) {
  Width = std::max(width, 0);
  Height = std::max(height, 0);
  Axis = axis;
  Wood.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0);
}

int WindowHalfWidth(const CutterOnTable& cutter) {
  double widest = ShankRadiusHundredths;
  if (cutter.Cutter != nullptr) {
    widest = std::max(widest, static_cast<double>(cutter.Cutter->RedWidth));
    const int rows = std::clamp(cutter.Cutter->RowCount, 0, MaxProfileRows);
    for (int l = 1; l <= rows; ++l)
      widest =
          std::max(widest, static_cast<double>(cutter.Cutter->Profile[static_cast<size_t>(l)]));
  }
  return Pixels(widest + 2 * SkinHundredths, cutter.PixelsPerHundredth) + 2;
}

int WindowHeight(const CutterOnTable& cutter) {
  int top = 0;
  if (cutter.Cutter != nullptr) {
    top = std::clamp(cutter.Cutter->RowCount, 0, MaxProfileRows);
    if (cutter.Cutter->BearingRow > 0)
      top = std::max(top, cutter.Cutter->BearingRow + BearingThickness);
  }
  return Pixels(std::max(cutter.Height, 0) + static_cast<double>(top) + 2 * SkinHundredths,
                cutter.PixelsPerHundredth);
}

TableJudgement JudgeOnTable(const WoodWindow& before, const WoodWindow& after,
                            const CutterOnTable& cutter) {
  TableJudgement judged;
  const Tool* tool = cutter.Cutter;
  if (tool == nullptr) return judged;
  const double s = cutter.PixelsPerHundredth;
  const double graze = GrazeHundredths * s;
  judged.BeyondReach = cutter.Height > cutter.Reach;

  // The shank fills the rows from the table up to the cutter's lowest row.
  const int underCutter = Pixels(cutter.Height, s);
  judged.ShankInWood = WoodNearAxis(before, 0, underCutter - 1, ShankRadiusHundredths * s - graze);

  // The bearing stands on its red row and rises its thickness above it.
  if (tool->BearingRow > 0 && tool->RedWidth > 0) {
    const double base = static_cast<double>(cutter.Height) + tool->BearingRow;
    judged.BearingInWood =
        WoodNearAxis(before, Pixels(base, s), Pixels(base + BearingThickness, s) - 1,
                     tool->RedWidth * s - graze);
  }

  // Which side of the axis the removed wood lies on.
  long long fenceSide = 0, outerSide = 0;
  for (int row = 0; row < before.Height; ++row) {
    for (int column = 0; column < before.Width; ++column) {
      if (!Removed(before, after, column, row)) continue;
      const int offset = column - before.Axis;
      if (offset > graze) ++fenceSide;
      if (offset < -graze) ++outerSide;
    }
  }
  judged.TrapsStock = fenceSide > 0 && outerSide == 0;

  const int thinnest = static_cast<int>(std::ceil(SkinHundredths * s));
  const double longest = SkinLengthHundredths * s;
  for (bool alongColumns : {true, false}) {
    const Stretch skin = ThinRuns(before, after, alongColumns, thinnest);
    if (skin.Length > longest) {
      const float inches = static_cast<float>(skin.Thickest / s / 100.0);
      judged.SkinInches = std::max(judged.SkinInches, inches);
    }
  }
  return judged;
}

}  // namespace kerf
