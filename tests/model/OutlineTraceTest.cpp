// Boundary marking and the outline walk, on hand-made rasters and through the full rebuild.
#include "model/OutlineTrace.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/Model.h"
#include "model/PlotOutline.h"

namespace kerf {
namespace {

void PaintMaterial(Raster& picture, int x0, int y0, int x1, int y1) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) picture.SetPixel(x, y, Black);
  }
}

Raster WhiteRaster(int size = 500) {
  Raster picture(size, size);
  picture.Fill(White);
  return picture;
}

// Twice the signed area of the walk: positive when it runs clockwise on the raster (y down).
long long TwiceSignedArea(const SectionOutline& outline) {
  long long sum = 0;
  for (int i = 1; i < outline.Count; ++i) {
    sum += static_cast<long long>(outline.X[i]) * outline.Y[i + 1] -
           static_cast<long long>(outline.X[i + 1]) * outline.Y[i];
  }
  return sum;
}

// Every step of a walk goes to one of the eight neighbours, and every point is marked.
void ExpectConnectedOnMarks(const OutlineTracer& tracer, const SectionOutline& outline) {
  for (int i = 1; i <= outline.Count; ++i) {
    ASSERT_TRUE(tracer.Marked(outline.X[i], outline.Y[i])) << "point " << i;
    if (i > 1) {
      const int dx = outline.X[i] - outline.X[i - 1];
      const int dy = outline.Y[i] - outline.Y[i - 1];
      ASSERT_TRUE(std::abs(dx) <= 1 && std::abs(dy) <= 1 && (dx != 0 || dy != 0)) << i;
    }
  }
}

class RecordingProgress : public ProgressSink {
 public:
  void Begin(const std::string& label, int maximum) override {
    events.push_back("begin " + label + " " + std::to_string(maximum));
  }
  void Step(int position) override { events.push_back("step " + std::to_string(position)); }
  void End() override { events.push_back("end"); }
  std::vector<std::string> events;
};

TEST(PlotOutline, PlainStockClosesClockwiseFromTheTopLeftCorner) {
  SectionPictures pictures;
  Section section;
  Model model;
  model.NewWorkpiece(200, 200);  // a 91 x 91 square in the measured section's bottom-right corner
  RecordingProgress progress;
  OutlineTracer tracer;
  PlotOutline(model, pictures, section, progress, tracer);

  const SectionOutline& outline = pictures.Outline;
  ASSERT_TRUE(outline.Closed);
  EXPECT_EQ(outline.X[1], 409);  // the square's top-left pixel
  EXPECT_EQ(outline.Y[1], 409);
  EXPECT_EQ(outline.X[2], 410);  // first step to the right
  EXPECT_EQ(outline.Y[2], 409);
  EXPECT_EQ(outline.X[outline.Count], 409);
  EXPECT_EQ(outline.Y[outline.Count], 409);
  // Along the top (material side) 409..498, down the whitened column 499, back along the
  // whitened row 499 and up column 409: 4 x 90 steps.
  EXPECT_EQ(outline.Count, 360);
  EXPECT_GT(TwiceSignedArea(outline), 0);
  EXPECT_EQ(outline.CentreX, 453);  // 163350 / 360, truncated
  EXPECT_EQ(outline.CentreY, 453);
  ExpectConnectedOnMarks(tracer, outline);

  // The border column and row of the measured section are white; the rest of the square is
  // untouched.
  EXPECT_EQ(section.Picture.Pixel(499, 450), White);
  EXPECT_EQ(section.Picture.Pixel(450, 499), White);
  EXPECT_EQ(section.Picture.Pixel(498, 498), Black);

  const std::vector<std::string> expectedEvents = {"begin Plotting Outline.... 6",
                                                   "step 1",
                                                   "step 2",
                                                   "step 3",
                                                   "step 4",
                                                   "step 5",
                                                   "step 6",
                                                   "end"};
  EXPECT_EQ(progress.events, expectedEvents);
}

TEST(PlotOutline, TracerIsReusedAcrossRebuildsAndSizes) {
  SectionPictures pictures;
  Section section;
  Model model;
  model.NewWorkpiece(200, 200);
  NoProgress progress;
  OutlineTracer tracer;
  PlotOutline(model, pictures, section, progress, tracer);
  model.NewWorkpiece(1000, 1000);  // 455 x 455 pixels
  PlotOutline(model, pictures, section, progress, tracer);
  EXPECT_TRUE(pictures.Outline.Closed);
  EXPECT_EQ(pictures.Outline.X[1], 45);
  EXPECT_EQ(pictures.Outline.Y[1], 45);

  Raster small = WhiteRaster(20);
  PaintMaterial(small, 5, 5, 9, 9);
  SectionOutline outline;
  tracer.Mark(small);
  EXPECT_TRUE(tracer.Trace(outline));
  EXPECT_EQ(outline.X[1], 5);
  EXPECT_EQ(outline.Y[1], 5);
}

TEST(OutlineTrace, MarksLieOnMaterialAtTopLeftAndOnWhiteAtBottomRight) {
  Raster picture = WhiteRaster(12);
  PaintMaterial(picture, 4, 4, 6, 5);
  OutlineTracer tracer;
  tracer.Mark(picture);
  std::vector<std::string> rows;
  for (int y = 1; y <= 12; ++y) {
    std::string row;
    for (int x = 1; x <= 12; ++x) row += tracer.Marked(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  const std::vector<std::string> expected = {"............", "............", "............",
                                             "...####.....", "...#..#.....", "...###......",
                                             "............", "............", "............",
                                             "............", "............", "............"};
  EXPECT_EQ(rows, expected);
}

TEST(OutlineTrace, ChamferedTopLeftCornerWalksAnticlockwise) {
  Raster picture = WhiteRaster();
  // Material 300..498 square with its top-left corner chamfered at 45 degrees.
  for (int y = 300; y <= 498; ++y) {
    for (int x = 300; x <= 498; ++x) {
      if ((x - 300) + (y - 300) >= 40) picture.SetPixel(x, y, Black);
    }
  }
  OutlineTracer tracer;
  tracer.Mark(picture);
  SectionOutline outline;
  ASSERT_TRUE(tracer.Trace(outline));
  EXPECT_EQ(outline.X[1], 300);  // leftmost column, topmost mark: the chamfer's lower end
  EXPECT_EQ(outline.Y[1], 340);
  EXPECT_EQ(outline.X[2], 300);  // first step down
  EXPECT_EQ(outline.Y[2], 341);
  EXPECT_LT(TwiceSignedArea(outline), 0);
  EXPECT_EQ(outline.X[outline.Count], 300);
  EXPECT_EQ(outline.Y[outline.Count], 340);
  ExpectConnectedOnMarks(tracer, outline);
}

TEST(OutlineTrace, CentreCountsTheFirstPointTwice) {
  OutlineTracer tracer;
  tracer.Resize(30, 30);
  for (int x = 10; x <= 14; ++x) tracer.SetMark(x, 10, true);
  SectionOutline outline;
  ASSERT_TRUE(tracer.Trace(outline));
  // Out to the end of the line and back: 10 11 12 13 14 13 12 11 10.
  const std::vector<int> xs(outline.X.begin() + 1, outline.X.begin() + 1 + outline.Count);
  EXPECT_EQ(xs, (std::vector<int>{10, 11, 12, 13, 14, 13, 12, 11, 10}));
  EXPECT_EQ(outline.CentreX, 11);  // 106 / 9; without the second 10 it would be 96 / 8 = 12
  EXPECT_EQ(outline.CentreY, 10);
}

// Keeps a known closed outline in place so that a failed trace can be seen to leave it.
SectionOutline KnownOutline() {
  Raster picture = WhiteRaster(20);
  PaintMaterial(picture, 5, 5, 9, 9);
  OutlineTracer tracer;
  tracer.Mark(picture);
  SectionOutline outline;
  EXPECT_TRUE(tracer.Trace(outline));
  return outline;
}

void ExpectSamePoints(const SectionOutline& actual, const SectionOutline& expected) {
  EXPECT_EQ(actual.Count, expected.Count);
  EXPECT_EQ(actual.X, expected.X);
  EXPECT_EQ(actual.Y, expected.Y);
  EXPECT_EQ(actual.CentreX, expected.CentreX);
  EXPECT_EQ(actual.CentreY, expected.CentreY);
}

TEST(OutlineTrace, NothingMarkedKeepsThePreviousOutline) {
  const SectionOutline previous = KnownOutline();
  SectionOutline outline = previous;
  OutlineTracer tracer;
  tracer.Mark(WhiteRaster());
  EXPECT_FALSE(tracer.Trace(outline));
  EXPECT_FALSE(outline.Closed);
  EXPECT_EQ(tracer.WalkLength(), 0);
  ExpectSamePoints(outline, previous);
}

TEST(OutlineTrace, MaterialOnlyOnTheBorderMarksNothing) {
  Raster picture = WhiteRaster(50);
  PaintMaterial(picture, 0, 0, 49, 0);  // top row
  PaintMaterial(picture, 0, 0, 0, 49);  // left column
  OutlineTracer tracer;
  tracer.Mark(picture);
  int x = 0;
  int y = 0;
  // Row 1 and column 1 differ from the border but are cleared.
  EXPECT_FALSE(tracer.FindStart(x, y));
}

TEST(OutlineTrace, WalkLongerThanTheLimitStaysOpen) {
  // A comb: 2-pixel teeth 400 pixels tall with 2-pixel gaps, on a base. Its boundary is
  // about 100 000 pixels long.
  Raster picture = WhiteRaster();
  PaintMaterial(picture, 10, 450, 498, 498);
  for (int x = 10; x + 1 <= 498; x += 4) PaintMaterial(picture, x, 50, x + 1, 449);
  const SectionOutline previous = KnownOutline();
  SectionOutline outline = previous;
  OutlineTracer tracer;
  tracer.Mark(picture);
  EXPECT_FALSE(tracer.Trace(outline));
  EXPECT_EQ(tracer.WalkLength(), MaxOutlinePoints);
  EXPECT_FALSE(outline.Closed);
  ExpectSamePoints(outline, previous);
}

TEST(OutlineTrace, WalkEndsOpenAtALoneMark) {
  const SectionOutline previous = KnownOutline();
  SectionOutline outline = previous;
  OutlineTracer tracer;
  tracer.Resize(30, 30);
  tracer.SetMark(7, 8, true);
  EXPECT_FALSE(tracer.Trace(outline));
  EXPECT_EQ(tracer.WalkLength(), 1);
  ExpectSamePoints(outline, previous);
}

TEST(OutlineTrace, FirstProbesTurnLeftThenClockwise) {
  // From the start (as if arrived moving down) the probe order is right, down-right, down,
  // down-left, left, up-left, up, up-right. Each row: the marks around a start at (10, 10)
  // that is the leftmost-topmost mark, and the expected second point.
  const struct {
    std::vector<std::pair<int, int>> Marks;
    std::pair<int, int> Second;
  } cases[] = {
      {{{11, 10}, {10, 11}, {11, 11}}, {11, 10}},  // right before down
      {{{11, 11}, {10, 11}}, {11, 11}},            // down-right before down
      {{{10, 11}, {11, 12}}, {10, 11}},            // down
      {{{11, 9}, {11, 10}}, {11, 10}},             // right before up-right
      {{{11, 9}}, {11, 9}},                        // only up-right
  };
  for (const auto& c : cases) {
    OutlineTracer tracer;
    tracer.Resize(30, 30);
    tracer.SetMark(10, 10, true);
    for (auto [x, y] : c.Marks) tracer.SetMark(x, y, true);
    SectionOutline outline;
    tracer.Trace(outline);
    ASSERT_GE(tracer.WalkLength(), 2);
    // The walk is committed only when it closes; these small patterns all do.
    ASSERT_TRUE(outline.Closed);
    EXPECT_EQ(std::make_pair(outline.X[2], outline.Y[2]), c.Second);
  }
}

}  // namespace
}  // namespace kerf
