// The set-up sheet's content and paging: material as rectangles, each pass's sections, texts and
// verdicts, the faces of the stock's end, how cards fill pages, the paper a locale prints on,
// and how a deep pass is split.
#include <gtest/gtest.h>

#include <regex>

#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "project/SetupSheet.h"
#include "project/SetupSheetGauge.h"
#include "project/SetupSheetPrint.h"

namespace kerf {
namespace {

double Area(const std::vector<SheetRect>& rects) {
  double area = 0;
  for (const SheetRect& r : rects) area += r.W * r.H;
  return area;
}

struct RectCase {
  const char* name;
  std::vector<const char*> rows;  // '#' is material
  size_t rects;                   // rectangles expected after joining equal runs downwards
};

class MaterialRectsTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(MaterialRectsTest, CoverEveryMaterialPixelOnce) {
  const RectCase& c = GetParam();
  const int h = static_cast<int>(c.rows.size()),
            w = static_cast<int>(std::string(c.rows[0]).size());
  Raster raster(w + 2, h + 2);
  raster.Fill(White);
  int material = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (c.rows[static_cast<size_t>(y)][x] == '#')
        raster.SetPixel(x + 1, y + 1, Black), ++material;
    }
  }
  const std::vector<SheetRect> rects = MaterialRects(raster, 1, 1, w + 1, h + 1, 1);
  EXPECT_EQ(rects.size(), c.rects);
  EXPECT_DOUBLE_EQ(Area(rects), material);
  // Every rectangle lies on material only (so with the area, none overlap).
  for (const SheetRect& r : rects) {
    for (int y = static_cast<int>(r.Y); y < r.Y + r.H; ++y) {
      for (int x = static_cast<int>(r.X); x < r.X + r.W; ++x) {
        EXPECT_EQ(c.rows[static_cast<size_t>(y)][x], '#') << c.name << " at " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, MaterialRectsTest,
                         ::testing::Values(RectCase{"empty", {"....", "...."}, 0},
                                           RectCase{"block", {"###", "###", "###"}, 1},
                                           RectCase{"rabbet", {"##..", "##..", "####"}, 2},
                                           RectCase{"two pieces", {"#..#", "#..#"}, 2},
                                           RectCase{"steps", {"#...", "##..", "###.", "####"}, 4},
                                           RectCase{
                                               "run ends at the edge", {"..##", "..##", "####"}, 2},
                                           RectCase{"gap then back", {"##", "..", "##"}, 2}),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST(MaterialRects, ScaleDividesPixels) {
  Raster raster(10, 10);
  raster.Fill(White);
  for (int y = 4; y < 10; ++y)
    for (int x = 2; x < 10; ++x) raster.SetPixel(x, y, Black);
  const auto rects = MaterialRects(raster, 2, 2, 10, 10, 2);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_DOUBLE_EQ(rects[0].X, 0);
  EXPECT_DOUBLE_EQ(rects[0].Y, 1);
  EXPECT_DOUBLE_EQ(rects[0].W, 4);
  EXPECT_DOUBLE_EQ(rects[0].H, 3);
}

// A straight cutter 1/2" wide, `rows` hundredths tall.
Tool Straight(const std::string& name, int rows) {
  Tool tool;
  tool.Name = name;
  tool.FileName = name + ".bmp";
  tool.RowCount = rows;
  for (int row = 1; row <= tool.RowCount; ++row) tool.Profile[static_cast<size_t>(row)] = 25;
  return tool;
}

// 2" across the table and 1" up in state 3 (the state New leaves), with two straight cutters:
// 1/2" and 1 1/4" tall.
Model Stock() {
  Model model;
  model.SetCutterLibrary({Straight("1/2\" Straight", 50), Straight("Tall straight", 125)});
  model.NewWorkpiece(100, 200);
  model.SetProjectFileName("/shop/Edge rabbet.ROU");
  return model;
}

void MakeCut(Model& model, int32_t fence, int32_t height, int32_t face, int cutter = 1) {
  model.SetFaceOnTable(face);
  model.SetCurrentCutter(cutter);
  model.AppendCut(fence, height);
}

// Counts the cards drawn as a progress window would show them.
struct CardCount final : ProgressSink {
  void Begin(const std::string&, int maximum) override { Maximum = maximum; }
  void Step(int position) override { Steps.push_back(position); }
  void End() override { Ended = true; }
  int Maximum = -1;
  std::vector<int> Steps;
  bool Ended = false;
};

TEST(SetupSheet, EachPassTakesAwayWhatItsCardShows) {
  Model model = Stock();
  MakeCut(model, 10, 0, 3);   // a rabbet on the table and fence side: 35 across, 50 up
  MakeCut(model, 150, 0, 2);  // stands the stock on edge; the bit runs past it and takes nothing
  MakeCut(model, 10, 30, 3);  // deepens the rabbet to 80 up: 30 more
  CardCount progress;
  const SetupSheet sheet = BuildSetupSheet(model, progress);
  EXPECT_EQ(progress.Maximum, 3);
  EXPECT_EQ(progress.Steps, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(progress.Ended);
  ASSERT_EQ(sheet.Cards.size(), 3u);
  EXPECT_EQ(sheet.ProjectName, "Edge rabbet");
  EXPECT_EQ(sheet.StockSize, "2\" x 1\" (51mm x 25mm)");

  for (const SheetCard& card : sheet.Cards) {
    SCOPED_TRACE(card.Number);
    EXPECT_DOUBLE_EQ(Area(card.Before.Material) - Area(card.Before.Removed),
                     Area(card.After.Material));
    EXPECT_EQ(card.Before.Across * card.Before.Upright, 200 * 100);
    EXPECT_EQ(card.Cutter, "1/2\" Straight");
    EXPECT_EQ(card.Profile.size(), 50u);
  }
  EXPECT_NEAR(Area(sheet.Cards[0].Before.Removed), 35.0 * 50, 1);
  EXPECT_DOUBLE_EQ(Area(sheet.Cards[1].Before.Removed), 0);
  EXPECT_NEAR(Area(sheet.Cards[2].Before.Removed), 35.0 * 30, 1);
  // The pass after the stock was turned back starts from what the first pass left.
  EXPECT_DOUBLE_EQ(Area(sheet.Cards[2].Before.Material), Area(sheet.Cards[0].After.Material));
  EXPECT_DOUBLE_EQ(Area(sheet.Finished.Material), Area(sheet.Cards[2].After.Material));

  // Each pass is drawn in the state it was made in: on edge, the stock is 1" across.
  EXPECT_EQ(sheet.Cards[0].Before.Across, 200);
  EXPECT_EQ(sheet.Cards[1].Before.Across, 100);
  EXPECT_EQ(sheet.Cards[0].Orientation, "Face 3 on the table, face 2 against the fence");
  EXPECT_EQ(sheet.Cards[0].Height, "0\"");
  EXPECT_EQ(sheet.Cards[2].Height, "19/64\"");
  EXPECT_EQ(sheet.Cards[2].HeightMm, "8mm");
  EXPECT_EQ(sheet.Cards[1].Fence, "1 1/2\"");
  EXPECT_EQ(sheet.Cards[1].FenceMm, "38mm");
  // As measured at the table: the rabbet is 35 deep, the last pass starts 30 up.
  EXPECT_EQ(sheet.Cards[0].EdgeWhere, "Lowest cutting edge level with the table");
  EXPECT_EQ(sheet.Cards[0].Proud, "11/32\"");
  EXPECT_EQ(sheet.Cards[2].EdgeWhere + " " + sheet.Cards[2].Edge,
            "Lowest cutting edge above the table 19/64\"");
  EXPECT_EQ(sheet.Cards[1].Proud, "1 3/4\"");  // beyond the stock 1" across: takes nothing
  EXPECT_EQ(sheet.Cards[0].Split.size(), 2u);  // 35 deep: more than a pass takes
  EXPECT_TRUE(sheet.Cards[1].Split.empty());
}

TEST(SetupSheet, VerdictsAndReasonsFollowTheMeasuringPass) {
  Model model = Stock();
  MakeCut(model, 10, -20, 3);  // a shallow rabbet: table and fence keep most of their bearing
  MakeCut(model, 110, -10, 3,
          2);  // the tall bit through the whole height, 85..135 in: parts the stock
  const SetupSheet sheet = BuildSetupSheet(model);
  ASSERT_EQ(sheet.Cards.size(), 2u);
  EXPECT_EQ(sheet.Cards[0].Judged, Verdict::CutOK);
  EXPECT_TRUE(sheet.Cards[0].Reasons.empty());
  const std::regex bearing(
      "On the table 100% before, [0-9]+% after; against the fence 100% before, [0-9]+% after");
  EXPECT_TRUE(std::regex_match(sheet.Cards[0].Bearing, bearing)) << sheet.Cards[0].Bearing;
  EXPECT_EQ(sheet.Cards[1].Judged, Verdict::Danger);  // whatever its bearing figures
  EXPECT_EQ(sheet.Cards[1].Reasons, std::vector<std::string>{"severs the stock into 2 pieces"});
  EXPECT_EQ(sheet.Cards[1].Cutter, "Tall straight");
  EXPECT_EQ(sheet.Overall, Verdict::Danger);
}

TEST(SetupSheet, MissingCutterIsNamedAndDrawnAsNoCut) {
  Model model = Stock();
  MakeCut(model, 10, 0, 3);
  WorkSetup setup = model.TakeSetup();
  setup.Cuts[0].Cutter = 0;
  setup.Cuts[0].CutterFileName = "gone.bmp";
  model.ReplaceSetup(setup);
  const SetupSheet sheet = BuildSetupSheet(model);
  ASSERT_EQ(sheet.Cards.size(), 1u);
  EXPECT_EQ(sheet.Cards[0].Cutter, "gone.bmp (missing)");
  EXPECT_TRUE(sheet.Cards[0].Profile.empty());
  EXPECT_DOUBLE_EQ(Area(sheet.Cards[0].Before.Removed), 0);
}

TEST(SetupSheet, FacesOfTheStockEndInEveryState) {
  // Face numbers on the table, fence, top and left side for states 1..8.
  const int expected[9][4] = {{0, 0, 0, 0}, {1, 4, 3, 2}, {2, 1, 4, 3}, {3, 2, 1, 4}, {4, 3, 2, 1},
                              {3, 4, 1, 2}, {2, 3, 4, 1}, {1, 2, 3, 4}, {4, 1, 2, 3}};
  for (int state = 1; state <= 8; ++state) {
    Model model = Stock();
    MakeCut(model, 150, 0, state);
    const SheetFaces f = BuildSetupSheet(model).Cards[0].Faces;
    EXPECT_EQ(f.Table, expected[state][0]) << state;
    EXPECT_EQ(f.Fence, expected[state][1]) << state;
    EXPECT_EQ(f.Top, expected[state][2]) << state;
    EXPECT_EQ(f.Left, expected[state][3]) << state;
    EXPECT_EQ(f.Across, state % 2 ? 200 : 100) << state;
  }
}

struct PagingCase {
  int cards;
  double height, coverTop;
  int coverPages;
  std::vector<size_t> perPage;
};

TEST(PaginateSheet, WholeCardsFillEachPage) {
  const PagingCase cases[] = {
      {0, 273, 100, 1, {}},  // A4 printable height, no passes: page 1 alone
      {1, 273, 100, 1, {1}},
      {3, 273, 100, 1, {3}},  // three cards of 76 mm and two gaps fit 264 mm
      {7, 273, 100, 1, {3, 3, 1}},
      {4, 255.4, 100, 1, {3, 1}},   // Letter
      {5, 200, 100, 1, {2, 2, 1}},  // a short printable area takes two
      {2, 60, 20, 1, {1, 1}},       // too short for one: still one a page, never split
      {40, 273, 150, 2, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}},  // the list runs on
  };
  for (const PagingCase& c : cases) {
    const SheetPages pages = PaginateSheet(c.cards, c.height, c.coverTop);
    SCOPED_TRACE(std::to_string(c.cards) + " cards on " + std::to_string(c.height));
    EXPECT_EQ(pages.CoverPages, c.coverPages);
    std::vector<size_t> sizes;
    int next = 0;
    for (const auto& page : pages.CardPages) {
      sizes.push_back(page.size());
      for (int index : page) EXPECT_EQ(index, next++);
    }
    EXPECT_EQ(sizes, c.perPage);
    EXPECT_EQ(pages.Count(), c.coverPages + static_cast<int>(c.perPage.size()));
    // The list's rows (heading, passes, overall) all find a place.
    EXPECT_GE(pages.CoverRowsFirst + (pages.CoverPages - 1) * pages.CoverRowsMore, c.cards + 2);
  }
}

TEST(PaperForLocale, FollowsThePaperThenMeasurementThenTheCountry) {
  struct Case {
    PaperLocale locale;  // LC_ALL, LC_PAPER, LC_MEASUREMENT, LANG
    const char* paper;
  };
  const Case cases[] = {
      {{"", "", "", ""}, "A4"},
      {{"", "", "", "en_US.UTF-8"}, "Letter"},
      {{"", "", "", "en_GB.UTF-8"}, "A4"},
      {{"", "en_CA.UTF-8", "", "de_DE.UTF-8"}, "Letter"},
      {{"", "", "es_MX", "en_GB.UTF-8"}, "Letter"},
      {{"", "de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, "A4"},
      {{"", "C.UTF-8", "", "en_US.UTF-8"}, "A4"},
      {{"de_DE.UTF-8", "en_US.UTF-8", "", ""}, "A4"},  // LC_ALL overrides every category
      {{"", "", "", "fr_CA@euro"}, "Letter"},
      {{"", "", "", "fil_PH.UTF-8"}, "Letter"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(PaperForLocale(c.locale).Name, c.paper)
        << c.locale.All << "|" << c.locale.Paper << "|" << c.locale.Measurement << "|"
        << c.locale.Lang;
  }
}

TEST(SplitPassLines, TakesADeepRabbetInRisingPassesWithALightLast) {
  // A 1/2" straight bit at fence 1/4" cuts a rabbet 1/2" deep.
  Cut cut;
  cut.Fence = 25;
  EXPECT_EQ(SplitPassLines({true, 50}, cut, 50),
            (std::vector<std::string>{
                "Take it in 3 passes: fence at -1/32\", 3/16\", 1/4\"",
                "It takes 1/2\" at once, more than 1/4\" in hardwood: the cutter 7/32\", 7/16\", "
                "then 1/2\" proud, the last pass light"}));
}

}  // namespace
}  // namespace kerf
