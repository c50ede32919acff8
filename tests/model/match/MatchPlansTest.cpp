// The matcher's plans with the supplied cutters: only cuts a real table allows, the bit a
// woodworker would choose, measured at true size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/CutVerdict.h"
#include "model/CutterGeometry.h"
#include "model/CutterScan.h"
#include "model/SectionRenderer.h"
#include "model/SuppliedCutters.h"
#include "model/match/MatchSearch.h"
#include "model/match/ProfileMatch.h"

namespace kerf {
namespace {

std::vector<Tool> Supplied() {
  std::vector<Tool> tools;
  for (const CutterDesign& design : SuppliedCutters()) {
    const Result<Raster> bitmap = DrawCutter(design);
    if (!bitmap) continue;
    Tool tool;
    ScanCutterProfile(bitmap.Value(), tool);
    tool.FileName = design.FileName;
    tool.Name = CutterDisplayName(design.FileName);
    tools.push_back(tool);
  }
  return tools;
}

// The section of stock (width x height hundredths, lying in state 3: height along the table)
// that keeps a point (x across from the far face, y up from the table, inches) when keeps says
// so, at the section's pixels and at true size.
MatchTarget Drawn(int32_t width, int32_t height, const std::function<bool(double, double)>& keeps) {
  MatchTarget target;
  target.StockWidth = width;
  target.StockHeight = height;
  target.FaceOnTable = 3;
  int left = 0, top = 0;
  match::StockRectangle(width, height, 3, left, top);
  target.Keep.assign(static_cast<size_t>(SectionSize) * SectionSize, 0);
  const double across = height / 100.0;
  for (int y = top; y < SectionSize; ++y)
    for (int x = left; x < SectionSize; ++x)
      target.Keep[static_cast<size_t>(y) * SectionSize + static_cast<size_t>(x)] =
          keeps(across - (SectionSize - x - 0.5) * match::PixelInches,
                (SectionSize - y - 0.5) * match::PixelInches);
  target.FineAcross = 2 * height;
  target.FineUp = 2 * width;
  target.FineKeep.resize(static_cast<size_t>(target.FineAcross) * target.FineUp);
  for (int y = 0; y < target.FineUp; ++y)
    for (int x = 0; x < target.FineAcross; ++x)
      target.FineKeep[static_cast<size_t>(y) * target.FineAcross + static_cast<size_t>(x)] =
          keeps((x + 0.5) / 200, (target.FineUp - y - 0.5) / 200);
  return target;
}

// Keeps all but what lies beyond a circle of radius r about (cx, cy) in the corner box
// x > x0, y > y0 (a rounded edge).
std::function<bool(double, double)> Rounded(double cx, double cy, double r, double x0, double y0) {
  return [=](double x, double y) { return x <= x0 || y <= y0 || std::hypot(x - cx, y - cy) <= r; };
}

// What a cut of the named bit leaves of stock (width x height hundredths, state 3), read from
// its section drawn at 2 pixels a hundredth; the cut's depth is how far the bit stands proud
// of the fence.
std::function<bool(double, double)> CutBy(const std::vector<Tool>& tools, const std::string& bit,
                                          int32_t width, int32_t height, int32_t depth,
                                          int32_t rise) {
  Model model;
  model.SetCutterLibrary(tools);
  model.NewWorkpiece(width, height);
  const int n = model.FindCutter(bit);
  float widest = 0;
  for (float r : tools[static_cast<size_t>(n - 1)].Profile) widest = std::max(widest, r);
  model.SetCurrentCutter(n);
  model.AppendCut(depth - static_cast<int32_t>(widest), rise);
  SectionView view;
  view.W = view.H = 2200;
  view.RowBands = true;
  auto picture = std::make_shared<Raster>(2201, 2201);
  RenderSection(model, view, *picture);
  const StockOnPicture at = PlaceStock(model, view);
  return [picture, at](double x, double y) {
    const int px = at.Left + static_cast<int>(x * 200),
              py = at.TableY - 1 - static_cast<int>(y * 200);
    return picture->Row(py)[px] != White;
  };
}

struct Case {
  const char* name;
  int32_t width, height;
  std::function<bool(double, double)> keeps;
  std::vector<std::string> library;  // file names; empty for every supplied cutter
  const char* onlyBit;               // every cut made with this bit; "" for any one bit
  size_t cuts;                       // cuts of the plan; 0 for any
  bool reached;
  int deep = 0;  // passes of rising depth the first cut is made in; 0 for any, 1 for one
};

TEST(MatchPlans, OnlyCutsARealTableAllowsAndTheBitItsProfileIs) {
  const std::vector<Tool> supplied = Supplied();
  const Case cases[] = {
      // A 1/2" quarter round on 3/4" x 3": once trapped between bit and fence, 0.86 mm off.
      {"quarter round",
       75,
       300,
       Rounded(2.5, 0.25, 0.5, 2.5, 0.25),
       {},
       "1-2! Roundover.bmp",
       1,
       true,
       1},
      // A 1/2" cove takes 0.41" of wood at once: two passes of rising depth.
      {"cove",
       75,
       300,
       [](double x, double y) { return std::hypot(x - 3.0, y - 0.75) >= 0.5; },
       {},
       "1-2! Cove.bmp",
       2,
       true,
       2},
      // A 3/8" bullnose: once a 1/4" and a 1/2" roundover, then a 3/8" and a 1/2", where the
      // 3/8" roundover makes it alone in two passes.
      {"bullnose",
       75,
       300,
       [](double x, double y) { return x <= 2.625 || std::hypot(x - 2.625, y - 0.375) <= 0.375; },
       {},
       "3-8! Roundover.bmp",
       2,
       true},
      // A 1/4" chamfer: a V-groove bit cuts it as well, but the chamfer bit rides its bearing.
      {"chamfer",
       75,
       300,
       [](double x, double y) { return x + y <= 3.5; },
       {},
       "45% Chamfer.bmp",
       1,
       true},
      // A tongue: set a 64th high, the bit left a skin along its shoulder 6.3 mm off.
      {"tongue", 75, 300, CutBy(supplied, "T&G Tongue.bmp", 75, 300, 30, 0), {}, "", 0, true},
      // A rebate a flush-trim bit makes only with its bearing buried in the board.
      {"flush trim rebate",
       75,
       300,
       [](double x, double y) { return x <= 2.5 || y <= 0.4; },
       {"1-2! Flush Trim.bmp"},
       "",
       0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Tool> library;
    for (const Tool& tool : supplied)
      if (c.library.empty() || std::count(c.library.begin(), c.library.end(), tool.FileName))
        library.push_back(tool);
    MatchOptions options;
    options.Threads = 2;
    NoProgress progress;
    const MatchResult result =
        MatchProfile(library, Drawn(c.width, c.height, c.keeps), options, progress);
    EXPECT_EQ(result.Reached, c.reached) << result.WorstInches() * 25.4 << " mm";
    EXPECT_TRUE(result.DangerCuts.empty());
    ASSERT_EQ(result.Judged.size(), result.Cuts.size());
    for (size_t i = 0; i < result.Cuts.size(); ++i) {
      EXPECT_EQ(CutProblem(result.Judged[i].Figures), "") << "cut #" << i + 1;
      EXPECT_NE(result.Judged[i].Judged, Verdict::Danger);
      EXPECT_EQ(result.Cuts[i].CutterFileName,
                *c.onlyBit ? c.onlyBit : result.Cuts[0].CutterFileName);
    }
    if (c.cuts > 0) {
      EXPECT_EQ(result.Cuts.size(), c.cuts);
    }
    if (c.reached) {
      EXPECT_LE(result.WorstInches(), options.ToleranceInches);
    }
    if (c.deep == 1) {
      EXPECT_TRUE(result.Deep.empty());
    }
    if (c.deep > 1) {
      ASSERT_EQ(result.Deep.size(), 1u);
      EXPECT_EQ(result.Deep[0].First, 1);
      ASSERT_EQ(result.Deep[0].Count, c.deep);
      for (int i = 1; i < c.deep; ++i) {
        EXPECT_EQ(result.Cuts[i].Height, result.Cuts[0].Height);
        EXPECT_EQ(result.Cuts[i].Face, result.Cuts[0].Face);
        EXPECT_GT(result.Cuts[i].Fence, result.Cuts[i - 1].Fence);
      }
      const std::vector<std::string> report =
          MatchReportLines(result, Drawn(c.width, c.height, c.keeps), LengthUnit::Imperial);
      EXPECT_EQ(std::count_if(report.begin(), report.end(),
                              [](const std::string& line) {
                                return line.find("passes of rising depth") != std::string::npos;
                              }),
                1);
    }
  }
}

}  // namespace
}  // namespace kerf
