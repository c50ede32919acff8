// RenderSection: the bare stock, cuts in every orientation case, rounding, and bearing figures.
#include "model/SectionRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/CutVerdict.h"
#include "model/Orientation.h"
#include "support/PictureCompare.h"

namespace kerf {
namespace {

Tool Cutter(const std::string& fileName, std::vector<float> radii) {
  Tool tool;
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
  model.SetCurrentCutter(cutter);
  const int keep = model.FaceOnTable();
  model.SetFaceOnTable(face);
  model.AppendCut(fence, height);
  model.SetFaceOnTable(keep);
}

struct Box {
  int left, top, right, bottom;  // inclusive
};

// A size x size picture: `material` over the box, white elsewhere, then the holes whitened.
Raster Picture(Box stock, std::initializer_list<Box> holes = {}, Colour material = Black,
               int size = 500) {
  Raster picture(size, size);
  auto paint = [&](const Box& b, Colour c) {
    for (int y = b.top; y <= b.bottom; ++y)
      for (int x = b.left; x <= b.right; ++x) picture.SetPixel(x, y, c);
  };
  paint(stock, material);
  for (const Box& hole : holes) paint(hole, White);
  return picture;
}

constexpr Box Square{409, 409, 499, 499};  // the 200 x 200 stock at W = 500

// Compares the W x H corner of two pictures and reports how many pixels differ.
::testing::AssertionResult SamePicture(const Raster& actual, const Raster& expected, int W = 500,
                                       int H = 500) {
  return test::SamePicture(actual, expected, W, H);
}

float Percent(int pixels) { return static_cast<float>(pixels / 91.0 * 100); }

TEST(RenderSection, BareStockIsA91PixelSquareInEveryState) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  for (int state = 1; state <= 8; ++state) {
    model.SetFaceOnTable(state);
    MeasureSection(model, pictures, section);
    EXPECT_TRUE(SamePicture(section.Picture, Picture(Square))) << "state " << state;
  }
  // Odd states stand the width upright: 300 x 100 gives 45 across and 136 up.
  model.NewWorkpiece(300, 100);
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture({455, 364, 499, 499})));
  model.SetFaceOnTable(2);  // an even state
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture({364, 455, 499, 499})));
  // No state yet (before the first New): drawn as the even ones.
  Model unstarted;
  ASSERT_EQ(unstarted.FaceOnTable(), 0);
  MeasureSection(unstarted, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square)));
}

TEST(RenderSection, StockMatchesItsOutlineFloodFilled) {
  // The stock as its four outline segments and a border-mode fill from the corner, at every
  // size, state and zoom of both pictures.
  Model model;  // no cutter loaded: no cutter outline
  const Colour wood = model.WoodSwatch();
  Raster scratch(SectionSize, SectionSize);
  for (int W : {250, 500})
    for (int zoom : {1, 2, 4})
      for (int size = 50; size <= 1000; size += 95)
        for (int state : {1, 2}) {
          model.NewWorkpiece(size, 1050 - size);
          model.SetFaceOnTable(state);
          const Raster preview = PreviewSection(model, scratch, W, W, zoom, wood, 0, 0);
          const int SH = static_cast<int>(std::nearbyint(W * (1050.0 - size) / 1100)) * zoom;
          const int SW =
              static_cast<int>(std::nearbyint(W * static_cast<double>(size) / 1100)) * zoom;
          const int left = W - (state == 1 ? SH : SW), top = W - (state == 1 ? SW : SH);
          Raster expected(W, W);
          for (auto [x0, y0, x1, y1] : {std::array{W, W, W, top},
                                        {W, top, left, top},
                                        {left, top, left, W},
                                        {left, W, W, W}})
            expected.Line(x0, y0, x1, y1, wood);
          expected.FloodFillBorder(W - 1, W - 1, wood, wood);
          ASSERT_TRUE(SamePicture(preview, expected, W, W))
              << W << " zoom " << zoom << " size " << size << " state " << state;
        }
}

TEST(RenderSection, ThreeRowCutterWorkedExample) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  MeasureSection(model, pictures, section);
  // Row 1 lies on y = 500, off the bitmap; rows 2 and 3 both paint x 477..499 of row 499.
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {{477, 499, 499, 499}})));
  const CutFigures& cut = section.Cuts[0].Figures;
  EXPECT_EQ(cut.FenceBefore, 100.0f);
  EXPECT_EQ(cut.TableBefore, 100.0f);
  EXPECT_FLOAT_EQ(cut.FenceAfter, Percent(90));
  EXPECT_FLOAT_EQ(cut.TableAfter, Percent(68));
}

// One cut of the one-row cutter (radius 50 -> a = 23) at fence 100 (45 px) and height 20
// (9 px), made in a state that the stock in state 3 shows by the given case.
struct CaseCut {
  int orientationCase;
  Box removed;
};

class CutCases : public ::testing::TestWithParam<CaseCut> {};

TEST_P(CutCases, PlacesTheRowAsTheCaseTurnsIt) {
  SectionPictures pictures;
  Section section;
  const CaseCut& c = GetParam();
  Model model = StartedModel();
  int madeIn = 0;
  for (int t = 1; t <= 8; ++t) {
    int fence = 0, table = 0;
    if (CutOrientation(t, 3, fence, table) == c.orientationCase) madeIn = t;
  }
  AddCut(model, 2, madeIn, 100, 20);
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {c.removed})));
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, CutCases,
    ::testing::Values(CaseCut{1, {432, 491, 477, 491}}, CaseCut{2, {491, 432, 491, 477}},
                      CaseCut{3, {432, 418, 477, 418}}, CaseCut{4, {418, 432, 418, 477}},
                      CaseCut{5, {431, 491, 476, 491}}, CaseCut{6, {491, 433, 491, 478}},
                      CaseCut{7, {433, 418, 478, 418}}, CaseCut{8, {418, 431, 418, 476}}),
    [](const auto& info) { return "Case" + std::to_string(info.param.orientationCase); });

TEST(RenderSection, TurningTheStockMovesTheMeasuredSides) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  model.RotateStockAnticlockwise();  // 3 -> 4: case 2, entering from the right edge
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {{499, 409, 499, 432}})));
  EXPECT_FLOAT_EQ(section.Cuts[0].Figures.TableAfter, Percent(67));  // right side
  EXPECT_FLOAT_EQ(section.Cuts[0].Figures.FenceAfter, Percent(90));  // top side, read on row 410

  model.SetFaceOnTable(7);  // end over end from 3: case 7, entering from the top edge
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {{478, 409, 499, 410}})));
  EXPECT_FLOAT_EQ(section.Cuts[0].Figures.TableAfter, Percent(69));  // top side
  EXPECT_FLOAT_EQ(section.Cuts[0].Figures.FenceAfter, Percent(89));  // right side
}

TEST(RenderSection, TopSideIsSampledOnTheSecondRow) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  // Case 7 at height 0: the one-row cutter removes part of the rectangle's first row only.
  AddCut(model, 2, 7, 150, 0);
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {{410, 409, 455, 409}})));
  EXPECT_EQ(section.Cuts[0].Figures.TableAfter, 100.0f);
}

TEST(RenderSection, RoundsFromSinglePrecisionScalesAndExactExtents) {
  // At W = 250 the scale 0.22727273 puts fence 11 at round(2.50000007) = 3 pixels, while a
  // stock of 55 is round(12.5) = 12 pixels, not 13.
  Model model = StartedModel();
  model.NewWorkpiece(55, 55);
  AddCut(model, 3, 3, 11, 5);  // height 5 -> 1 px; radius 4 -> a = 1; v = 247
  SectionView view;            // no cutter outlined
  view.W = view.H = 250;
  Raster canvas(SectionSize, SectionSize);
  RenderSection(model, view, canvas);
  EXPECT_TRUE(SamePicture(canvas, Picture({238, 238, 250, 250}, {{246, 249, 247, 249}}, Black, 250),
                          250, 250));
  // Zoom 4 multiplies the rounded extent (48 pixels) and the scale: v = 250 - 10, u = 245,
  // a = round(3.64) = 4, b = 1.
  view.Zoom = 4;
  RenderSection(model, view, canvas);
  EXPECT_TRUE(SamePicture(canvas, Picture({202, 202, 249, 249}, {{236, 244, 243, 244}}, Black, 250),
                          250, 250));
}

TEST(RenderSection, CutOfUnknownStateIsDrawnAndMeasuredAsCaseOne) {
  SectionPictures pictures;
  Section referenceSection;
  Section section;
  for (int badFace : {0, 9, -3}) {
    Model reference = StartedModel();
    Model model = StartedModel();
    reference.SetFaceOnTable(4);
    model.SetFaceOnTable(4);
    AddCut(reference, 4, 4, 30, -5);  // reaches into the bottom row
    AddCut(model, 4, 4, 30, -5);
    Cut unknown = model.CutAt(1);  // as an edited project file can give it
    unknown.Face = badFace;
    model.ReplaceCut(1, unknown);
    ASSERT_EQ(model.CutAt(1).Face, badFace);
    MeasureSection(reference, pictures, referenceSection);
    MeasureSection(model, pictures, section);
    EXPECT_TRUE(SamePicture(section.Picture, referenceSection.Picture)) << badFace;
    const CutFigures& a = section.Cuts[0].Figures;
    const CutFigures& b = referenceSection.Cuts[0].Figures;
    EXPECT_EQ(a.FenceBefore, b.FenceBefore);
    EXPECT_EQ(a.TableBefore, b.TableBefore);
    EXPECT_EQ(a.FenceAfter, b.FenceAfter);
    EXPECT_EQ(a.TableAfter, b.TableAfter);
    EXPECT_LT(a.TableAfter, 100.0f);
  }
}

TEST(RenderSection, MissingCutterPaintsNothing) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  AddCut(model, 1, 3, 0, 0);
  // Cuts naming no loaded cutter, as a project whose cutters are missing gives them.
  for (int missing : {0, 99}) {
    Cut cut = model.CutAt(1);
    cut.Cutter = missing;
    model.InsertCut(model.CutCount() + 1, cut);
  }
  MeasureSection(model, pictures, section);
  EXPECT_TRUE(SamePicture(section.Picture, Picture(Square, {{477, 499, 499, 499}})));
  for (int i = 2; i <= 3; ++i) {
    const CutFigures& cut = section.ResultOfCut(i).Figures;
    EXPECT_EQ(cut.FenceBefore, section.ResultOfCut(1).Figures.FenceAfter);
    EXPECT_EQ(cut.FenceBefore, cut.FenceAfter);
    EXPECT_EQ(cut.TableBefore, cut.TableAfter);
    EXPECT_LT(cut.TableAfter, 100.0f);
  }
}

TEST(RenderSection, OrderOfCutsChangesNoPixel) {
  SectionPictures pictures;
  Section section;
  Model model = StartedModel();
  model.NewWorkpiece(400, 300);
  AddCut(model, 4, 3, 50, -10);
  AddCut(model, 1, 4, 120, 30);
  AddCut(model, 2, 7, 10, 100);
  AddCut(model, 4, 2, 200, 150);
  AddCut(model, 3, 6, 60, 20);
  model.SetFaceOnTable(5);
  MeasureSection(model, pictures, section);
  const Raster first = section.Picture;
  const float firstFigure = section.Cuts[4].Figures.TableBefore;
  for (int round = 0; round < 5; ++round) {
    model.MoveCutDown(1 + round % 4);
    model.MoveCutUp(5 - round % 3);
    MeasureSection(model, pictures, section);
    EXPECT_TRUE(SamePicture(section.Picture, first)) << round;
  }
  model.MoveCutUp(5);
  MeasureSection(model, pictures, section);
  EXPECT_NE(section.Cuts[4].Figures.TableBefore, firstFigure) << "figures follow the order";
}

// The measuring pass of a set-up finds what the model's own pass finds, and judges each cut as
// the check does; a cut of a missing cutter paints nothing.
TEST(MeasureSetup, FindsWhatTheModelsPassFinds) {
  Model model = StartedModel();
  model.NewWorkpiece(400, 300);
  AddCut(model, 4, 3, 50, -10);
  AddCut(model, 1, 4, 120, 30);
  AddCut(model, 2, 7, 10, 100);
  AddCut(model, 3, 6, 60, 20);
  model.SetFaceOnTable(5);
  std::vector<Cut> cuts = model.Cuts();
  cuts.push_back(cuts[1]);
  cuts.back().Cutter = 0;
  cuts.back().CutterFileName = "gone.bmp";
  model.ReplaceSetup([&] {
    WorkSetup setup = model.TakeSetup();
    setup.Cuts = cuts;
    return setup;
  }());
  const Section byModel = MeasureSection(model);
  const Section section = MeasureSetup(StockOf(model), cuts, model.Cutters());
  EXPECT_TRUE(SamePicture(section.Picture, byModel.Picture));
  ASSERT_EQ(section.Cuts.size(), cuts.size());
  for (size_t i = 0; i < cuts.size(); ++i) {
    const CutFigures& measured = byModel.Cuts[i].Figures;
    const CutFigures& found = section.Cuts[i].Figures;
    EXPECT_EQ(found.FenceBefore, measured.FenceBefore) << i;
    EXPECT_EQ(found.TableAfter, measured.TableAfter) << i;
    EXPECT_EQ(found.FenceAfter, measured.FenceAfter) << i;
    EXPECT_EQ(found.ShankBlocked, measured.ShankBlocked) << i;
    EXPECT_EQ(found.PiecesAfter, measured.PiecesAfter) << i;
    EXPECT_EQ(section.Cuts[i].Judged, JudgeCutOnTable(measured)) << i;
  }
  EXPECT_EQ(section.Cuts.back().Figures.FenceAfter, section.Cuts.back().Figures.FenceBefore);
}

TEST(RenderSection, PreviewOutlinesTheMountedCutter) {
  Model model = StartedModel();
  const Colour wood = model.WoodSwatch();
  model.SetCurrentCutter(2);  // one row of radius 50
  AddCut(model, 1, 3, 0, 0);
  model.SetCurrentCutter(2);
  Raster scratch(SectionSize, SectionSize);
  const Raster picture = PreviewSection(model, scratch, 500, 500, 1, wood, 0, 10);
  // The cut paints white; the outline runs along row round(500 - 11 x s) = 495 from x 523
  // to 477 and back, clipped at the right edge; nothing else is black.
  Raster expected = Picture(Square, {{477, 499, 499, 499}}, wood);
  for (int x = 477; x <= 499; ++x) expected.SetPixel(x, 495, Black);
  EXPECT_TRUE(SamePicture(picture, expected));

  // Cropped to the size asked for.
  const Raster small = PreviewSection(model, scratch, 250, 250, 1, wood, 0, 10);
  EXPECT_EQ(small.Width(), 250);
  EXPECT_EQ(small.Height(), 250);

  Model unloaded;  // no cutter loaded: no outline, and the cut paints nothing
  unloaded.NewWorkpiece(200, 200);
  unloaded.AppendCut(0, 0);
  const Raster bare = PreviewSection(unloaded, scratch, 500, 500, 1, wood, 0, 10);
  EXPECT_TRUE(SamePicture(bare, Picture(Square, {}, wood)));
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
  } sides[] = {{SideTop, 300.0f / 8},  {SideRight, 100}, {SideBottom, 100},
               {SideLeft, 200.0f / 8}, {0, 0},           {5, 0}};
  for (const auto& s : sides)
    EXPECT_FLOAT_EQ(MaterialAlongSide(canvas, s.side, 2, 2, 10, 10), s.percent) << s.side;
  // A rectangle that has no width reads 0 rather than dividing by zero.
  EXPECT_EQ(MaterialAlongSide(canvas, SideTop, 2, 10, 10, 10), 0.0f);
  EXPECT_EQ(MaterialAlongSide(canvas, SideRight, 10, 2, 10, 10), 0.0f);
}

}  // namespace
}  // namespace kerf
