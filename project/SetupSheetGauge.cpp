// A pass's settings in the terms a woodworker sets a table by, and how to split a deep pass.
#include "project/SetupSheetGauge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QRectF>

#include "model/CutPlacement.h"
#include "model/LengthText.h"

namespace kerf {

namespace {

std::string Inches(int32_t hundredths) {
  return WorkshopHundredths(hundredths, LengthUnit::Imperial);
}
std::string Millimetres(int32_t hundredths) {
  return WorkshopHundredths(hundredths, LengthUnit::Metric);
}

// A list as a woodworker says it: "a, b, c".
std::string Listed(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i > 0 ? ", " : "") + items[i];
  return text;
}

}  // namespace

void FillGauge(SheetCard& card, const Tool& tool, const Cut& cut) {
  // The card draws each pass in its own state: case 1, the table below and the fence at the
  // right. The stock's edges are taken at 0 so that the axis comes out as offsets from them.
  const Placement axis = PlaceAxis(LayoutOfCase(1), cut.Fence, cut.Height, {0, 0, 0, 0});
  // Row l of the cutter stands over the unit of height below l above its anchor, so the lowest
  // cutting edge is the anchor, -axis.U above the table.
  const int32_t edge = -axis.U;
  card.EdgeWhere = edge > 0   ? "Lowest cutting edge above the table"
                   : edge < 0 ? "Lowest cutting edge below the table"
                              : "Lowest cutting edge level with the table";
  card.Edge = Inches(std::abs(edge));
  card.EdgeMm = Millimetres(std::abs(edge));

  // The widest row above the table; a cutter wholly under the table is measured whole.
  const int rows = std::clamp(tool.RowCount, 1, MaxProfileRows);
  float widest = 0, widestAbove = -1;
  for (int l = 1; l <= rows; ++l) {
    const float r = tool.Profile[static_cast<size_t>(l)];
    widest = std::max(widest, r);
    if (edge + l > 0) widestAbove = std::max(widestAbove, r);
  }
  const int32_t radius = static_cast<int32_t>(std::lround(widestAbove >= 0 ? widestAbove : widest));
  // The axis stands -axis.V in front of the fence face, on the stock's side.
  card.ProudUnits = radius - axis.V;
  card.ProudWhere = card.ProudUnits >= 0 ? "Depth of cut (proud of the fence face)"
                                         : "Cutter behind the fence face";
  card.Proud = Inches(std::abs(card.ProudUnits));
  card.ProudMm = Millimetres(std::abs(card.ProudUnits));
  card.BearingFlush = tool.RedWidth > 0 && cut.Fence == -tool.RedWidth;
}

namespace {

// The farthest any wood a pass takes lies from wood that stays, in units: how thick a layer it
// takes at once (a fresh 3/8" rabbet 3/8", a cove raised 1/8" into the last pass's cut about
// 1/8"). Measured on a grid of half units (the drawing's pixels) round what it takes, with
// three-four chamfer distances; a layer thicker than `far` counts as `far`.
double ThickestLayer(const SheetSection& before, const SheetSection& after, const QRectF& taken,
                     double far) {
  constexpr double Cell = 0.5;
  const QRectF window = taken.adjusted(-far, -far, far, far);
  const int x0 = static_cast<int>(std::floor(window.left() / Cell)),
            y0 = static_cast<int>(std::floor(window.top() / Cell));
  const int w = static_cast<int>(std::ceil(window.right() / Cell)) - x0,
            h = static_cast<int>(std::ceil(window.bottom() / Cell)) - y0;
  constexpr int Far = 1 << 28;
  std::vector<int> d(static_cast<size_t>(w) * static_cast<size_t>(h), Far);
  auto at = [&](int x, int y) -> int& { return d[static_cast<size_t>(y) * w + x]; };
  // Each rectangle's cells, clipped to the grid.
  auto cells = [&](const SheetRect& r, const auto& visit) {
    const int left = std::max(0, static_cast<int>(std::lround(r.X / Cell)) - x0),
              right = std::min(w, static_cast<int>(std::lround((r.X + r.W) / Cell)) - x0);
    const int top = std::max(0, static_cast<int>(std::lround(r.Y / Cell)) - y0),
              bottom = std::min(h, static_cast<int>(std::lround((r.Y + r.H) / Cell)) - y0);
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) visit(x, y);
  };
  for (const SheetRect& r : after.Material) cells(r, [&](int x, int y) { at(x, y) = 0; });
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int& v = at(x, y);
      if (x > 0) v = std::min(v, at(x - 1, y) + 3);
      if (y > 0) v = std::min(v, at(x, y - 1) + 3);
      if (x > 0 && y > 0) v = std::min(v, at(x - 1, y - 1) + 4);
      if (x + 1 < w && y > 0) v = std::min(v, at(x + 1, y - 1) + 4);
    }
  }
  for (int y = h; y-- > 0;) {
    for (int x = w; x-- > 0;) {
      int& v = at(x, y);
      if (x + 1 < w) v = std::min(v, at(x + 1, y) + 3);
      if (y + 1 < h) v = std::min(v, at(x, y + 1) + 3);
      if (x + 1 < w && y + 1 < h) v = std::min(v, at(x + 1, y + 1) + 4);
      if (x > 0 && y + 1 < h) v = std::min(v, at(x - 1, y + 1) + 4);
    }
  }
  int thickest = 0;
  for (const SheetRect& r : before.Removed)
    cells(r, [&](int x, int y) { thickest = std::max(thickest, at(x, y)); });
  return std::min(far, thickest / 3.0 * Cell);
}

}  // namespace

PassDepth DepthOf(const SheetSection& before, const SheetSection& after) {
  QRectF taken;
  for (const SheetRect& r : before.Removed) taken |= QRectF(r.X, r.Y, r.W, r.H);
  PassDepth depth;
  if (taken.isEmpty()) return depth;
  // Within a unit of a face counts as at it: the drawing is finer than a unit. A pass that
  // reaches neither face deepens an earlier cut from inside it; it is not split.
  const bool atFence = taken.right() >= before.Across - 1,
             atTable = taken.bottom() >= before.Upright - 1;
  if (!atFence && !atTable) return depth;
  depth.FenceWise = atFence;
  depth.Depth = static_cast<int32_t>(
      std::lround(ThickestLayer(before, after, taken, 4 * DeepestPassHundredths)));
  return depth;
}

std::vector<std::string> SplitPassLines(const PassDepth& depth, const Cut& cut, int32_t proud) {
  if (depth.Depth <= DeepestPassHundredths) return {};
  // Even steps of no more than the deepest pass up to a light last pass.
  const int32_t rest = depth.Depth - LightPassHundredths;
  const int32_t steps = (rest + DeepestPassHundredths - 1) / DeepestPassHundredths;
  const int32_t full = depth.FenceWise ? cut.Fence : cut.Height;
  std::vector<std::string> settings, prouds;
  for (int32_t j = 1; j <= steps + 1; ++j) {
    const int32_t back =
        j > steps ? 0
                  : LightPassHundredths + static_cast<int32_t>(std::lround(
                                              static_cast<double>(rest) * (steps - j) / steps));
    settings.push_back(Inches(full - back));
    prouds.push_back(Inches(proud - back));
  }
  const std::string passes = std::to_string(steps + 1) + " passes";
  const std::string takes = "It takes " + Inches(depth.Depth) + " at once, more than " +
                            Inches(DeepestPassHundredths) + " in hardwood: ";
  if (!depth.FenceWise) {
    return {"Take it in " + passes + ": height at " + Listed(settings),
            takes + "raise the bit between passes, the last pass light"};
  }
  prouds.back() = "then " + prouds.back();
  return {"Take it in " + passes + ": fence at " + Listed(settings),
          takes + "the cutter " + Listed(prouds) + " proud, the last pass light"};
}

}  // namespace kerf
