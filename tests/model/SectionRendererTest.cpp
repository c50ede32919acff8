// RenderSection: the bare stock, cuts in every orientation case, rounding, and bearing figures.
#include "model/SectionRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/Orientation.h"

namespace kerf {
namespace {

TTool Cutter(const std::string& fileName, std::vector<float> radii) {
  TTool tool;
  tool.FileName = fileName;
  tool.Name = fileName;
  tool.RowCount = static_cast<int>(radii.size());
  for (size_t l = 0; l < radii.size(); ++l) tool.Profile[l + 1] = radii[l];
  return tool;
}

// A started-up model (200 x 200 stock, face 3) with a small cutter library:
// 1: three rows of radius 50; 2: one row of radius 50; 3: one row of radius 4;
// 4: a round-nosed cutter of 40 rows.
Model StartedModel() {
  Model model;
  std::vector<float> round;
  for (int l = 1; l <= 40; ++l) round.push_back(static_cast<float>(40 - l / 2));
  model.SetCutterLibrary({Cutter("three.bmp", {50, 50, 50}), Cutter("one.bmp", {50}),
                          Cutter("small.bmp", {4}), Cutter("round.bmp", round)});
  model.NewWorkpiece(200, 200);
  return model;
}

void AddCut(Model& model, int cutter, int face, int fence, int height) {
  model.CurrentCutter = cutter;
  const int keep = model.FaceOnTable;
  model.FaceOnTable = face;
  model.AppendCut(fence, height);
  model.FaceOnTable = keep;
}

// A picture of `material` over the inclusive box, white elsewhere.
Raster BoxPicture(int size, int left, int top, int right, int bottom, Colour material) {
  Raster picture(size, size);
  for (int y = std::max(top, 0); y <= std::min(bottom, size - 1); ++y)
    for (int x = std::max(left, 0); x <= std::min(right, size - 1); ++x)
      picture.SetPixel(x, y, material);
  return picture;
}

struct Box {
  int left, top, right, bottom;
};

void Whiten(Raster& picture, const Box& box) {
  for (int y = box.top; y <= box.bottom; ++y)
    for (int x = box.left; x <= box.right; ++x) picture.SetPixel(x, y, White);
}

// Compares the W x H corner of two pictures and reports how many pixels differ.
::testing::AssertionResult SamePicture(const Raster& actual, const Raster& expected, int W,
                                       int H) {
  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (actual.Pixel(x, y) != expected.Pixel(x, y) && differing++ == 0) firstX = x, firstY = y;
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ, first at (" << firstX
                                       << ", " << firstY << ")";
}

TEST(RenderSection, BareStockIsA91PixelSquareInEveryState) {
  Model model = StartedModel();
  const Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  for (int state = 1; state <= 8; ++state) {
    model.FaceOnTable = state;
    MeasureSection(model);
    EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500)) << "state " << state;
    EXPECT_TRUE(SamePicture(model.SectionBitmap, expected, 500, 500));
  }
}

TEST(RenderSection, OddStatesStandTheWidthUpright) {
  Model model = StartedModel();
  model.NewWorkpiece(300, 100);  // extents round(136.36) = 136 and round(45.45) = 45
  model.FaceOnTable = 3;
  MeasureSection(model);
  EXPECT_TRUE(SamePicture(model.Image2, BoxPicture(500, 455, 364, 499, 499, Black), 500, 500));
  model.FaceOnTable = 2;
  MeasureSection(model);
  EXPECT_TRUE(SamePicture(model.Image2, BoxPicture(500, 364, 455, 499, 499, Black), 500, 500));
}

TEST(RenderSection, ThreeRowCutterWorkedExample) {
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  MeasureSection(model);
  // Row 1 lies on y = 500, off the bitmap; rows 2 and 3 both paint x 477..499 of row 499.
  Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, {477, 499, 499, 499});
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));

  const TCut& cut = model.CutList[1];
  EXPECT_EQ(cut.FenceBefore, 100.0f);
  EXPECT_EQ(cut.TableBefore, 100.0f);
  EXPECT_FLOAT_EQ(cut.FenceAfter, static_cast<float>(90.0 / 91 * 100));
  EXPECT_FLOAT_EQ(cut.TableAfter, static_cast<float>(68.0 / 91 * 100));
}

// One cut of the one-row cutter (radius 50 -> a = 23) at fence 100 (45 px) and height 20
// (9 px), made in a state that the stock in state 3 shows by the given case.
struct CaseCut {
  int orientationCase;
  Box removed;
};

class CutCases : public ::testing::TestWithParam<CaseCut> {};

TEST_P(CutCases, PlacesTheRowAsTheCaseTurnsIt) {
  const CaseCut& c = GetParam();
  Model model = StartedModel();
  int madeIn = 0;
  for (int t = 1; t <= 8; ++t) {
    int fence = 0, table = 0;
    if (CutOrientation(t, 3, fence, table) == c.orientationCase) madeIn = t;
  }
  AddCut(model, 2, madeIn, 100, 20);
  MeasureSection(model);
  Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, c.removed);
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, CutCases,
    ::testing::Values(CaseCut{1, {432, 491, 477, 491}}, CaseCut{2, {491, 432, 491, 477}},
                      CaseCut{3, {432, 418, 477, 418}}, CaseCut{4, {418, 432, 418, 477}},
                      CaseCut{5, {431, 491, 476, 491}}, CaseCut{6, {491, 433, 491, 478}},
                      CaseCut{7, {433, 418, 478, 418}}, CaseCut{8, {418, 431, 418, 476}}),
    [](const auto& info) { return "Case" + std::to_string(info.param.orientationCase); });

TEST(RenderSection, TurningTheStockMovesTheMeasuredSides) {
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  model.RotateStockAnticlockwise();  // 3 -> 4: the cut is seen by case 2, from the right
  MeasureSection(model);
  // Rows 2 and 3 paint column 499 from row 432 up, and row 410 is the top side's line.
  Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, {499, 409, 499, 432});
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));
  const TCut& cut = model.CutList[1];
  EXPECT_FLOAT_EQ(cut.TableAfter, static_cast<float>(67.0 / 91 * 100));  // right side
  EXPECT_FLOAT_EQ(cut.FenceAfter, static_cast<float>(90.0 / 91 * 100));  // top side, row 410

  model.FaceOnTable = 7;  // end over end from 3: case 7, entering from the top
  MeasureSection(model);
  expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, {478, 409, 499, 410});  // row 1 on the top edge, rows 2 and 3 below it
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));
  EXPECT_FLOAT_EQ(cut.TableAfter, static_cast<float>(69.0 / 91 * 100));  // top side, row 410
  EXPECT_FLOAT_EQ(cut.FenceAfter, static_cast<float>(89.0 / 91 * 100));  // right side
}

TEST(RenderSection, TopSideIsSampledOnTheSecondRow) {
  Model model = StartedModel();
  // Made in state 7 and seen in state 3 (case 7): the one-row cutter at height 0 removes
  // x 410..455 of the first row of the rectangle only, which the top side does not look at.
  AddCut(model, 2, 7, 150, 0);
  MeasureSection(model);
  Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, {410, 409, 455, 409});
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));
  const TCut& cut = model.CutList[1];
  EXPECT_EQ(cut.TableBefore, 100.0f);
  EXPECT_EQ(cut.TableAfter, 100.0f);
}

TEST(RenderSection, RoundsFromSinglePrecisionScalesAndExactExtents) {
  // At W = 250 the scale 0.22727273 puts fence 11 at round(2.50000007) = 3 pixels, while a
  // stock of 55 is round(12.5) = 12 pixels, not 13.
  Model model = StartedModel();
  model.NewWorkpiece(55, 55);
  model.CurrentCutter = 0;  // no outline
  AddCut(model, 3, 3, 11, 0);
  SectionView view;
  view.W = view.H = 250;
  view.DrawCutter = true;
  RenderSection(model, view);
  // The stock covers 238..249; the radius-4 row (1 px) at height 0 lies on row 250, so lift
  // the cut one row to see it: height 5 -> round(1.136) = 1.
  Raster expected = BoxPicture(250, 238, 238, 249, 249, Black);
  EXPECT_TRUE(SamePicture(model.SectionBitmap, expected, 250, 250));
  model.CutList[1].Height = 5;
  RenderSection(model, view);
  // v = 250 - 3 = 247, a = round(0.909) = 1: x 246..247 of row 250 - 1 - 0 = 249.
  Whiten(expected, {246, 249, 247, 249});
  EXPECT_TRUE(SamePicture(model.SectionBitmap, expected, 250, 250));
}

TEST(RenderSection, ZoomMagnifiesScalesAndExtents) {
  Model model = StartedModel();
  model.NewWorkpiece(55, 55);
  model.CurrentCutter = 0;
  const Raster picture = PreviewSection(model, 250, 250, 4, Black, 0, 0);
  EXPECT_EQ(picture.Width(), 250);
  EXPECT_EQ(picture.Height(), 250);
  EXPECT_TRUE(SamePicture(picture, BoxPicture(250, 202, 202, 249, 249, Black), 250, 250));
}

TEST(RenderSection, CutOfUnknownStateIsDrawnAndMeasuredAsCaseOne) {
  for (int badFace : {0, 9, -3}) {
    Model reference = StartedModel();
    Model model = StartedModel();
    reference.FaceOnTable = model.FaceOnTable = 4;
    AddCut(reference, 4, 4, 30, -5);  // reaches into the bottom row
    AddCut(model, 4, badFace, 30, -5);
    MeasureSection(reference);
    MeasureSection(model);
    EXPECT_TRUE(SamePicture(model.Image2, reference.Image2, 500, 500)) << badFace;
    const TCut& a = model.CutList[1];
    const TCut& b = reference.CutList[1];
    EXPECT_EQ(a.FenceBefore, b.FenceBefore);
    EXPECT_EQ(a.TableBefore, b.TableBefore);
    EXPECT_EQ(a.FenceAfter, b.FenceAfter);
    EXPECT_EQ(a.TableAfter, b.TableAfter);
    EXPECT_LT(a.TableAfter, 100.0f);
  }
}

TEST(RenderSection, MissingCutterPaintsNothing) {
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  AddCut(model, 0, 3, 0, 0);
  AddCut(model, 99, 3, 0, 0);
  MeasureSection(model);
  Raster expected = BoxPicture(500, 409, 409, 499, 499, Black);
  Whiten(expected, {477, 499, 499, 499});
  EXPECT_TRUE(SamePicture(model.Image2, expected, 500, 500));
  for (int i = 2; i <= 3; ++i) {
    const TCut& cut = model.CutList[i];
    EXPECT_EQ(cut.FenceBefore, model.CutList[1].FenceAfter);
    EXPECT_EQ(cut.FenceBefore, cut.FenceAfter);
    EXPECT_EQ(cut.TableBefore, cut.TableAfter);
    EXPECT_LT(cut.TableAfter, 100.0f);
  }
}

TEST(RenderSection, CutterBeyondTheStockChangesNothing) {
  Model model = StartedModel();
  AddCut(model, 3, 3, -200, 0);
  MeasureSection(model);
  EXPECT_TRUE(SamePicture(model.Image2, BoxPicture(500, 409, 409, 499, 499, Black), 500, 500));
  EXPECT_EQ(model.CutList[1].FenceBefore, model.CutList[1].FenceAfter);
  EXPECT_EQ(model.CutList[1].TableAfter, 100.0f);
}

TEST(RenderSection, OrderOfCutsChangesNoPixel) {
  Model model = StartedModel();
  model.NewWorkpiece(400, 300);
  AddCut(model, 4, 3, 50, -10);
  AddCut(model, 1, 4, 120, 30);
  AddCut(model, 2, 7, 10, 100);
  AddCut(model, 4, 2, 200, 150);
  AddCut(model, 3, 6, 60, 20);
  model.FaceOnTable = 5;
  MeasureSection(model);
  const Raster first = model.Image2;
  const float firstFigure = model.CutList[5].TableBefore;
  for (int round = 0; round < 5; ++round) {
    model.MoveCutDown(1 + round % 4);
    model.MoveCutUp(5 - round % 3);
    MeasureSection(model);
    EXPECT_TRUE(SamePicture(model.Image2, first, 500, 500)) << round;
  }
  model.MoveCutUp(5);
  MeasureSection(model);
  EXPECT_NE(model.CutList[5].TableBefore, firstFigure) << "figures follow the order";
}

TEST(RenderSection, PreviewOutlinesTheMountedCutter) {
  Model model = StartedModel();
  const Colour wood = model.WoodSwatch;
  model.CurrentCutter = 2;  // one row of radius 50
  AddCut(model, 1, 3, 0, 0);
  model.CurrentCutter = 2;
  const Raster picture = PreviewSection(model, 500, 500, 1, wood, 0, 10);
  // The cut paints white; the outline runs along row round(500 - 11 x s) = 495 from x 523
  // to 477 and back, clipped at the right edge; nothing else is black.
  Raster expected = BoxPicture(500, 409, 409, 499, 499, wood);
  Whiten(expected, {477, 499, 499, 499});
  for (int x = 477; x <= 499; ++x) expected.SetPixel(x, 495, Black);
  EXPECT_TRUE(SamePicture(picture, expected, 500, 500));
  EXPECT_EQ(model.CutList[1].FenceBefore, 0.0f) << "the preview measures nothing";

  model.CurrentCutter = 9;  // not loaded: no outline
  const Raster bare = PreviewSection(model, 500, 500, 1, wood, 0, 10);
  for (int x = 477; x <= 499; ++x) expected.SetPixel(x, 495, wood);
  EXPECT_TRUE(SamePicture(bare, expected, 500, 500));
}

TEST(MaterialAlongSide, CountsEveryColourButWhite) {
  Raster canvas(10, 10);
  canvas.Line(2, 9, 10, 9, MakeColour(254, 255, 255));  // bottom row: 8 near-white pixels
  canvas.Line(9, 2, 9, 10, MakeColour(0, 200, 0));
  canvas.SetPixel(5, 3, Black);
  canvas.SetPixel(2, 3, Black);
  canvas.SetPixel(5, 2, Black);  // on the top edge itself: not looked at
  // Top: row 3 holds (2, 3), (5, 3), (9, 3); left: column 2 holds (2, 3), (2, 9).
  const struct {
    int side;
    float percent;
  } sides[] = {{SideTop, 300.0f / 8}, {SideRight, 100}, {SideBottom, 100},
               {SideLeft, 200.0f / 8}, {0, 0}, {5, 0}};
  for (const auto& s : sides)
    EXPECT_FLOAT_EQ(MaterialAlongSide(canvas, s.side, 2, 2, 10, 10), s.percent) << s.side;
  // A rectangle that has no width reads 0 rather than dividing by zero.
  EXPECT_EQ(MaterialAlongSide(canvas, SideTop, 2, 10, 10, 10), 0.0f);
  EXPECT_EQ(MaterialAlongSide(canvas, SideRight, 10, 2, 10, 10), 0.0f);
}

}  // namespace
}  // namespace kerf
