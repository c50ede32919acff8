// Model: appending cuts, New, the cut-list edits, the cutter lookups and the wood colour.
#include "model/Model.h"
#include "model/Section.h"

#include <gtest/gtest.h>

#include <vector>

namespace kerf {
namespace {

Tool NamedTool(const std::string& fileName) {
  Tool tool;
  tool.FileName = fileName;
  tool.Name = fileName;
  return tool;
}

// A model with cuts whose fences are 10, 20, ... and cutters 1, 2, ... (each named).
Model ModelWithCuts(int count) {
  Model model;
  std::vector<Tool> tools;
  for (int i = 1; i <= count; ++i) tools.push_back(NamedTool("c" + std::to_string(i) + ".bmp"));
  model.SetCutterLibrary(tools);
  model.NewWorkpiece(200, 200);
  for (int i = 1; i <= count; ++i) {
    model.SetCurrentCutter(i);
    model.SetFaceOnTable(i % 8 + 1);
    model.AppendCut(10 * i, i);
  }
  return model;
}

std::vector<int> Fences(const Model& model) {
  std::vector<int> fences;
  for (int i = 1; i <= model.CutCount(); ++i) fences.push_back(model.CutAt(i).Fence);
  return fences;
}

// Every cut keeps its four settings together, whatever slot it moved to.
void ExpectSettingsTogether(const Model& model) {
  for (int i = 1; i <= model.CutCount(); ++i) {
    const Cut& cut = model.CutAt(i);
    const int n = cut.Fence / 10;
    EXPECT_EQ(cut.Height, n);
    EXPECT_EQ(cut.Face, n % 8 + 1);
    EXPECT_EQ(cut.Cutter, n);
    EXPECT_EQ(cut.CutterFileName, "c" + std::to_string(n) + ".bmp");
  }
}

TEST(Model, AppendCutNamesTheCutterFile) {
  Model model = ModelWithCuts(2);
  ExpectSettingsTogether(model);
  Model empty;  // no cutter loaded: the cut names cutter 1, without a file name
  empty.NewWorkpiece(200, 200);
  empty.AppendCut(0, 0);
  EXPECT_EQ(empty.CutAt(1).Cutter, 1);
  EXPECT_EQ(empty.CutAt(1).CutterFileName, "");
}

TEST(Model, NewWorkpieceResetsAndClampsTheStock) {
  Model model = ModelWithCuts(3);
  model.SetProfileZoom(4);
  model.SetFaceOnTable(8);
  const struct {
    int width, height, expectedWidth, expectedHeight;
  } sizes[] = {{200, 200, 200, 200}, {49, 1001, 50, 1000}, {-5, 0, 50, 50}, {1000, 50, 1000, 50}};
  for (const auto& size : sizes) {
    model.NewWorkpiece(size.width, size.height);
    EXPECT_EQ(model.CutCount(), 0);
    EXPECT_EQ(model.FaceOnTable(), 3);
    EXPECT_EQ(model.ProfileZoom(), 1);
    EXPECT_EQ(model.StockWidth(), size.expectedWidth);
    EXPECT_EQ(model.StockHeight(), size.expectedHeight);
  }
}

TEST(Model, DeleteCutMovesTheLaterCutsUp) {
  Model model = ModelWithCuts(4);
  EXPECT_TRUE(model.DeleteCut(2));
  EXPECT_EQ(Fences(model), (std::vector<int>{10, 30, 40}));
  ExpectSettingsTogether(model);

  EXPECT_TRUE(model.DeleteCut(3));  // the last one
  EXPECT_EQ(Fences(model), (std::vector<int>{10, 30}));

  Model single = ModelWithCuts(1);
  EXPECT_TRUE(single.DeleteCut(1));
  EXPECT_EQ(single.CutCount(), 0);
}

TEST(Model, EditsOutsideTheListChangeNothing) {
  Model model = ModelWithCuts(3);
  EXPECT_FALSE(model.DeleteCut(0));
  EXPECT_FALSE(model.DeleteCut(4));
  EXPECT_FALSE(model.MoveCutUp(1));  // the first cut cannot go up
  EXPECT_FALSE(model.MoveCutUp(4));
  EXPECT_FALSE(model.MoveCutDown(3));  // the last cut cannot go down
  EXPECT_FALSE(model.MoveCutDown(0));
  EXPECT_EQ(Fences(model), (std::vector<int>{10, 20, 30}));

  Model empty = ModelWithCuts(0);
  EXPECT_FALSE(empty.DeleteCut(1));
  EXPECT_FALSE(empty.MoveCutUp(1));
  EXPECT_FALSE(empty.MoveCutDown(1));
  Model one = ModelWithCuts(1);
  EXPECT_FALSE(one.MoveCutDown(1));
  EXPECT_FALSE(one.MoveCutUp(1));
}

TEST(Model, MovingCutsExchangesOnlyTheirSettings) {
  Model model = ModelWithCuts(4);
  EXPECT_TRUE(model.MoveCutUp(3));
  EXPECT_EQ(Fences(model), (std::vector<int>{10, 30, 20, 40}));
  ExpectSettingsTogether(model);
  EXPECT_TRUE(model.MoveCutDown(1));
  EXPECT_EQ(Fences(model), (std::vector<int>{30, 10, 20, 40}));
  EXPECT_TRUE(model.MoveCutDown(3));
  EXPECT_EQ(Fences(model), (std::vector<int>{30, 10, 40, 20}));
  ExpectSettingsTogether(model);
}

TEST(Model, CutterLookups) {
  Model model;
  model.SetCutterLibrary(std::vector<Tool>(5));
  model.SetCurrentCutter(5);
  ASSERT_EQ(model.CurrentCutter(), 5);
  model.SetCutterLibrary({NamedTool("A.bmp"), NamedTool("b.BMP"), NamedTool("a.bmp")});
  EXPECT_EQ(model.CurrentCutter(), 1);
  EXPECT_EQ(model.Cutter(0), nullptr);
  EXPECT_EQ(model.Cutter(4), nullptr);
  EXPECT_EQ(model.Cutter(2)->FileName, "b.BMP");
  EXPECT_EQ(model.FindCutter("a.bmp"), 3);  // exact, case and all
  EXPECT_EQ(model.FindCutter("A.bmp"), 1);
  EXPECT_EQ(model.FindCutter("B.bmp"), 0);
}

// Cut and cutter numbers start at 1 wherever the model is asked by number, and the lists it
// hands out hold number 1 first.
TEST(Model, NumbersStartAtOneAndTheListsHoldNumberOneFirst) {
  Model model = ModelWithCuts(3);
  ASSERT_EQ(model.Cuts().size(), 3u);
  ASSERT_EQ(model.Cutters().size(), 3u);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(&model.CutAt(n), &model.Cuts()[static_cast<size_t>(n) - 1]);
    EXPECT_EQ(model.Cutter(n), &model.Cutters()[static_cast<size_t>(n) - 1]);
    EXPECT_EQ(model.CutAt(n).Fence, 10 * n);
  }
}

// A measuring pass's figures are found by cut number; a cut added since the pass has the blank
// figures of a cut never measured.
TEST(Section, CutFiguresAreFoundByCutNumber) {
  Section section;
  section.Cuts.resize(3);
  for (size_t i = 0; i < section.Cuts.size(); ++i) {
    section.Cuts[i].Figures.TableAfter = static_cast<float>(i + 1) * 10;
    section.Cuts[i].Figures.PiecesAfter = static_cast<int>(i) + 2;
  }
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(section.ResultOfCut(n).Figures.TableAfter, static_cast<float>(n) * 10);
    EXPECT_EQ(section.ResultOfCut(n).Figures.PiecesAfter, n + 1);
  }
  for (int n : {0, 4}) {
    EXPECT_EQ(section.ResultOfCut(n).Figures.TableAfter, 0.0f) << n;
    EXPECT_EQ(section.ResultOfCut(n).Judged, JudgeCutOnTable(CutFigures{})) << n;
  }
}

#ifdef NDEBUG
// A caller's fault is asserted in debug builds; elsewhere the setters keep their ranges.
TEST(Model, SettersKeepTheirRanges) {
  Model model = ModelWithCuts(3);
  model.SetCurrentCutter(2);
  for (int wrong : {0, 4, -1}) {
    model.SetCurrentCutter(wrong);
    EXPECT_EQ(model.CurrentCutter(), 2) << wrong;
  }
  model.SetBackgroundSwatch(0xFF123456);
  EXPECT_EQ(model.BackgroundSwatch(), 0x123456u);
}
#endif

TEST(Model, WoodColourFollowsTheSwatch) {
  Model model;
  EXPECT_EQ(model.WoodColour(), (std::array<float, 4>{225 / 255.0f, 123 / 255.0f, 11 / 255.0f, 1}));
  model.SetWoodSwatch(MakeColour(0, 255, 51));
  EXPECT_EQ(model.WoodColour(), (std::array<float, 4>{0, 1, 51 / 255.0f, 1}));
}

}  // namespace
}  // namespace kerf
