// A pass's settings in the terms a woodworker sets a table by, and how to split a deep pass.
#include "project/SetupSheetGauge.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

PassDepth DepthOf(const SheetSection& before) {
  // Within a unit of a face counts as at it: the drawing is finer than a unit.
  double left = before.Across, top = before.Upright, right = 0, bottom = 0;
  for (const SheetRect& r : before.Removed) {
    left = std::min(left, r.X);
    top = std::min(top, r.Y);
    right = std::max(right, r.X + r.W);
    bottom = std::max(bottom, r.Y + r.H);
  }
  const bool atFence = right >= before.Across - 1, atTable = bottom >= before.Upright - 1;
  PassDepth depth;
  if (atFence) {
    depth.Depth = static_cast<int32_t>(std::lround(before.Across - left));
  } else if (atTable) {
    depth.FenceWise = false;
    depth.Depth = static_cast<int32_t>(std::lround(before.Upright - top));
  }
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
