// Model edits: what each edit does to the set-up, what it reports, and how it is undone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/Model.h"

namespace kerf {
namespace {

constexpr SetupChange None{};
constexpr SetupChange Section{true, false, false};
constexpr SetupChange Cuts{true, true, false};
constexpr SetupChange Look{false, false, true};
constexpr SetupChange All{true, true, true};

// Three cutters and three cuts: fences 10, 20, 30 with cutters 1, 2, 3, made on faces 2, 3, 4.
Model ThreeCuts() {
  Model model;
  std::vector<Tool> tools(3);
  for (int i = 0; i < 3; ++i)
    tools[static_cast<size_t>(i)].FileName = "c" + std::to_string(i + 1) + ".bmp";
  model.SetCutterLibrary(tools);
  model.NewWorkpiece(300, 200);
  for (int i = 1; i <= 3; ++i) {
    model.SetCurrentCutter(i);
    model.SetFaceOnTable(i + 1);
    model.AppendCut(10 * i, i);
  }
  return model;
}

// The settings of every cut as text, cut #1 first: "fence/height/face/cutter/file".
std::vector<std::string> Settings(const Model& model) {
  std::vector<std::string> rows;
  for (int n = 1; n <= model.CutCount(); ++n) {
    const Cut& c = model.CutAt(n);
    rows.push_back(std::to_string(c.Fence) + "/" + std::to_string(c.Height) + "/" +
                   std::to_string(c.Face) + "/" + std::to_string(c.Cutter) + "/" +
                   c.CutterFileName);
  }
  return rows;
}

Cut MadeCut(int fence, int cutter, int height = 5, int face = 7) {
  Cut cut;
  cut.Fence = fence;
  cut.Height = height;
  cut.Face = face;
  cut.Cutter = cutter;
  cut.CutterFileName = "c" + std::to_string(cutter) + ".bmp";
  return cut;
}

struct EditCase {
  const char* name;
  std::function<SetupChange(Model&)> edit;
  SetupChange reported;
  std::vector<std::string> cutsAfter;
  int faceAfter;
  // Undoes the edit on the edited model; nullptr when the edit changed nothing.
  std::function<void(Model&)> undo;
};

class SetupEdit : public testing::TestWithParam<EditCase> {};

TEST_P(SetupEdit, ChangesReportsAndUndoes) {
  const EditCase& c = GetParam();
  Model model = ThreeCuts();
  const std::vector<std::string> before = Settings(model);
  const int faceBefore = model.FaceOnTable();
  EXPECT_EQ(c.edit(model), c.reported);
  EXPECT_EQ(Settings(model), c.cutsAfter);
  EXPECT_EQ(model.FaceOnTable(), c.faceAfter);
  if (c.undo) {
    c.undo(model);
    EXPECT_EQ(Settings(model), before);
    EXPECT_EQ(model.FaceOnTable(), faceBefore);
  }
}

const std::string A = "10/1/2/1/c1.bmp", B = "20/2/3/2/c2.bmp", C = "30/3/4/3/c3.bmp";
const std::string Made = "99/5/7/2/c2.bmp";

INSTANTIATE_TEST_SUITE_P(
    Model, SetupEdit,
    testing::Values(
        EditCase{"Append",
                 [](Model& m) { return m.AppendCut(40, 4); },
                 Cuts,
                 {A, B, C, "40/4/4/3/c3.bmp"},
                 4,
                 [](Model& m) { m.DeleteCut(m.CutCount()); }},
        EditCase{"DeleteMiddle",
                 [](Model& m) {
                   const CutEdit e = m.DeleteCut(2);
                   EXPECT_EQ(e.Before.Fence, 20);
                   EXPECT_EQ(e.Before.CutterFileName, "c2.bmp");
                   return e.Changed;
                 },
                 Cuts,
                 {A, C},
                 4,
                 [](Model& m) { m.InsertCut(2, MadeCut(20, 2, 2, 3)); }},
        EditCase{"DeleteNoSuchCut",
                 [](Model& m) { return m.DeleteCut(4).Changed; },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"DeleteCutZero",
                 [](Model& m) { return m.DeleteCut(0).Changed; },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"InsertAfterLast",
                 [](Model& m) { return m.InsertCut(4, MadeCut(99, 2)); },
                 Cuts,
                 {A, B, C, Made},
                 4,
                 [](Model& m) { m.DeleteCut(4); }},
        EditCase{"InsertFirst",
                 [](Model& m) { return m.InsertCut(1, MadeCut(99, 2)); },
                 Cuts,
                 {Made, A, B, C},
                 4,
                 [](Model& m) { m.DeleteCut(1); }},
        EditCase{"InsertBeyondEnd",
                 [](Model& m) { return m.InsertCut(5, MadeCut(99, 2)); },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"Replace",
                 [](Model& m) {
                   const CutEdit e = m.ReplaceCut(3, MadeCut(99, 2));
                   EXPECT_EQ(e.Before.Fence, 30);
                   EXPECT_EQ(e.Before.Face, 4);
                   return e.Changed;
                 },
                 Cuts,
                 {A, B, Made},
                 4,
                 [](Model& m) { m.ReplaceCut(3, MadeCut(30, 3, 3, 4)); }},
        EditCase{"ReplaceNoSuchCut",
                 [](Model& m) { return m.ReplaceCut(4, MadeCut(99, 2)).Changed; },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"MoveUp",
                 [](Model& m) { return m.MoveCutUp(3); },
                 Cuts,
                 {A, C, B},
                 4,
                 [](Model& m) { m.MoveCutDown(2); }},
        EditCase{
            "MoveFirstUp", [](Model& m) { return m.MoveCutUp(1); }, None, {A, B, C}, 4, nullptr},
        EditCase{"MoveDown",
                 [](Model& m) { return m.MoveCutDown(1); },
                 Cuts,
                 {B, A, C},
                 4,
                 [](Model& m) { m.MoveCutUp(2); }},
        EditCase{
            "MoveLastDown", [](Model& m) { return m.MoveCutDown(3); }, None, {A, B, C}, 4, nullptr},
        EditCase{"RotateAnticlockwise",
                 [](Model& m) { return m.RotateStockAnticlockwise(); },
                 Section,
                 {A, B, C},
                 1,
                 [](Model& m) { m.RotateStockClockwise(); }},
        EditCase{"RotateClockwise",
                 [](Model& m) { return m.RotateStockClockwise(); },
                 Section,
                 {A, B, C},
                 3,
                 [](Model& m) { m.RotateStockAnticlockwise(); }},
        EditCase{"Flip",
                 [](Model& m) { return m.FlipStock(); },
                 Section,
                 {A, B, C},
                 6,
                 [](Model& m) { m.FlipStock(); }},
        EditCase{
            "NewStock", [](Model& m) { return m.NewWorkpiece(100, 100); }, Cuts, {}, 3, nullptr},
        EditCase{"WoodColour",
                 [](Model& m) { return m.SetWoodSwatch(0x123456); },
                 Look,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"SameWoodColour",
                 [](Model& m) { return m.SetWoodSwatch(DefaultWoodColour); },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"TextureMap",
                 [](Model& m) { return m.SetTextureMap(true); },
                 Look,
                 {A, B, C},
                 4,
                 [](Model& m) { m.SetTextureMap(false); }},
        EditCase{"SameTextureMap",
                 [](Model& m) { return m.SetTextureMap(false); },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"TextureRepeat",
                 [](Model& m) { return m.SetTextureRepeat(10, 1); },
                 Look,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"SameTextureRepeat",
                 [](Model& m) { return m.SetTextureRepeat(2, 4); },
                 None,
                 {A, B, C},
                 4,
                 nullptr},
        EditCase{"TextureFile",
                 [](Model& m) { return m.SetTextureFile("/t/oak.jpg"); },
                 Look,
                 {A, B, C},
                 4,
                 [](Model& m) { m.SetTextureFile(""); }},
        EditCase{"ReplaceSetup",
                 [](Model& m) { return m.ReplaceSetup(WorkSetup{}); },
                 All,
                 {},
                 3,
                 nullptr}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(Model, NewIsUndoneByReplacingTheSetupTakenBefore) {
  Model model = ThreeCuts();
  model.SetWoodSwatch(0x102030);
  model.SetTextureFile("/t/oak.jpg");
  model.SetTextureMap(true);
  model.SetTextureRepeat(7, 9);
  model.SetCurrentCutter(2);
  const WorkSetup before = model.TakeSetup();
  const std::vector<std::string> cuts = Settings(model);
  model.NewWorkpiece(1000, 50);
  model.SetWoodSwatch(0);
  model.SetTextureMap(false);
  EXPECT_EQ(model.ReplaceSetup(before), All);
  EXPECT_EQ(Settings(model), cuts);
  EXPECT_EQ(model.StockWidth(), 300);
  EXPECT_EQ(model.StockHeight(), 200);
  EXPECT_EQ(model.FaceOnTable(), 4);
  EXPECT_EQ(model.CurrentCutter(), 2);
  EXPECT_EQ(model.WoodSwatch(), 0x102030u);
  EXPECT_EQ(model.TextureFile(), "/t/oak.jpg");
  EXPECT_TRUE(model.TextureMap());
  EXPECT_EQ(model.TextureRepeatV(), 7);
  EXPECT_EQ(model.TextureRepeatH(), 9);
}

// What ReplaceSetup holds to its ranges, as opening a project does.
TEST(Model, ReplaceSetupKeepsTheRanges) {
  const struct {
    int width, height, repeatV, repeatH, cutter;
    int expectedWidth, expectedHeight, expectedV, expectedH, expectedCutter;
  } cases[] = {
      {200, 300, 2, 4, 3, 200, 300, 2, 4, 3},
      {49, 1001, 0, 11, 4, 50, 1000, 1, 10, 1},
      {-1, 0, -5, 99, 0, 50, 50, 1, 10, 1},
  };
  for (const auto& c : cases) {
    Model model = ThreeCuts();
    model.SetProfileZoom(4);
    WorkSetup s;
    s.StockWidth = c.width;
    s.StockHeight = c.height;
    s.TextureRepeatV = c.repeatV;
    s.TextureRepeatH = c.repeatH;
    s.CurrentCutter = c.cutter;
    model.ReplaceSetup(s);
    EXPECT_EQ(model.StockWidth(), c.expectedWidth);
    EXPECT_EQ(model.StockHeight(), c.expectedHeight);
    EXPECT_EQ(model.TextureRepeatV(), c.expectedV);
    EXPECT_EQ(model.TextureRepeatH(), c.expectedH);
    EXPECT_EQ(model.CurrentCutter(), c.expectedCutter);
    EXPECT_EQ(model.ProfileZoom(), 1);
  }
}

}  // namespace
}  // namespace kerf
