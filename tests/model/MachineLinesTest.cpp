// The table and fence in the Profile picture: the shifted section, the grey lines, the dashes.
#include "model/MachineLines.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/SectionRenderer.h"
#include "support/PictureCompare.h"

namespace kerf {
namespace {

Tool Cutter(std::vector<float> radii) {
  Tool tool;
  tool.FileName = tool.Name = "cutter.bmp";
  tool.RowCount = static_cast<int>(radii.size());
  for (size_t l = 0; l < radii.size(); ++l) tool.Profile[l + 1] = radii[l];
  return tool;
}

// A round-nosed cutter of 40 rows, narrowest at its first row.
Tool RoundNose() {
  std::vector<float> radii;
  for (int l = 1; l <= 40; ++l) radii.push_back(static_cast<float>(10 + l / 2));
  return Cutter(radii);
}

TEST(ForEachLinePixel, VisitsThePixelsLinePaints) {
  const struct {
    int x0, y0, x1, y1;
  } lines[] = {{3, 4, 30, 4},    {30, 4, 3, 4},    {7, 2, 7, 40},   {7, 40, 7, 2},
               {2, 3, 40, 17},   {40, 17, 2, 3},   {5, 5, 9, 41},   {9, 41, 5, 5},
               {0, 47, 47, 0},   {-8, -3, 20, 25}, {44, 10, 60, 9}, {12, 12, 13, 13},
               {12, 12, 12, 12}, {20, 2, 2, 11}};
  for (const auto& l : lines) {
    Raster painted(48, 48), visited(48, 48);
    painted.Line(l.x0, l.y0, l.x1, l.y1, Black);
    ForEachLinePixel(l.x0, l.y0, l.x1, l.y1, [&](int x, int y) { visited.SetPixel(x, y, Black); });
    EXPECT_TRUE(test::SamePicture(visited, painted))
        << "(" << l.x0 << ", " << l.y0 << ") to (" << l.x1 << ", " << l.y1 << ")";
  }
}

// The outline drawn solid and dashed on a blank picture whose faces stand at (150, 150).
TEST(DrawCutterOutline, DashesOnlyWhatLiesBelowTheTableOrBehindTheFence) {
  const MachineFaces faces{150, 150};
  const Tool round = RoundNose();
  const Tool straight = Cutter(std::vector<float>(30, 25.0f));
  const struct {
    const char* what;
    const Tool& tool;
    double fence, height;
    bool hidden;  // some of the outline lies below the table or behind the fence
  } cases[] = {
      {"clear of the table and fence", round, 60, 10, false},
      {"first row on the table's face", straight, 40, -1, false},
      {"sunk into the table", round, 60, -12, true},
      {"axis at the fence face", straight, 0, 5, true},
      {"axis behind the fence", straight, -30, 5, true},
      {"sunk and behind the fence", round, -5, -20, true},
      {"wholly under the table", straight, 60, -60, true},
  };
  for (const auto& c : cases) {
    const CutterSetting setting{c.fence, c.height, 1.0f, 1.0f};
    Raster solid(300, 300), dashed(300, 300);
    DrawCutterOutline(solid, c.tool, setting, faces, false);
    DrawCutterOutline(dashed, c.tool, setting, faces, true);
    int hidden = 0, hiddenDrawn = 0;
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 300; ++x) {
        if (!HiddenByMachine(x, y, faces)) {
          ASSERT_EQ(dashed.Pixel(x, y), solid.Pixel(x, y)) << c.what << " at " << x << ", " << y;
          continue;
        }
        ASSERT_FALSE(dashed.Pixel(x, y) == Black && solid.Pixel(x, y) != Black) << c.what;
        hidden += solid.Pixel(x, y) == Black;
        hiddenDrawn += dashed.Pixel(x, y) == Black;
      }
    EXPECT_EQ(hidden > 0, c.hidden) << c.what;
    if (!c.hidden) continue;
    // Dashes of three on, three off: about half of the hidden part is drawn.
    EXPECT_GT(hiddenDrawn, hidden / 3) << c.what;
    EXPECT_LT(hiddenDrawn, hidden * 2 / 3 + OutlineDash) << c.what;
  }
}

TEST(DrawCutterOutline, FacesThemselvesAreNotHidden) {
  const MachineFaces faces{100, 80};
  const struct {
    int x, y;
    bool hidden;
  } points[] = {{100, 80, false}, {99, 79, false}, {101, 80, true}, {100, 81, true},
                {0, 0, false},    {0, 81, true},   {250, 0, true}};
  for (const auto& p : points)
    EXPECT_EQ(HiddenByMachine(p.x, p.y, faces), p.hidden) << p.x << ", " << p.y;
}

// The Profile picture with the machine drawn in is the plain picture moved up and left by the
// margin, with the table and fence lines along the faces, at every zoom and turn of the stock.
TEST(PreviewSection, MachineMarginMovesTheSectionAndDrawsTheFaces) {
  Model model;
  model.SetCutterLibrary({RoundNose(), Cutter({50, 50, 50})});
  model.NewWorkpiece(300, 150);
  model.SetCurrentCutter(1);
  model.AppendCut(20, 15);
  const Colour wood = model.WoodSwatch();
  constexpr int W = 250, m = ProfileMachineMargin, face = W - m;
  Raster scratch(SectionSize, SectionSize);
  for (int zoom : {1, 2, 4})
    for (int state : {3, 4, 7})
      for (auto [fence, height] : {std::pair{30, 10}, {-20, 5}, {40, -15}}) {
        model.SetFaceOnTable(state);
        const Raster plain = PreviewSection(model, scratch, W, W, zoom, wood, fence, height);
        const Raster machine = PreviewSection(model, scratch, W, W, zoom, wood, fence, height, m);
        const std::string where = "zoom " + std::to_string(zoom) + " state " +
                                  std::to_string(state) + " fence " + std::to_string(fence) +
                                  " height " + std::to_string(height);
        for (int y = m; y < W; ++y)
          for (int x = m; x < W; ++x)
            ASSERT_EQ(machine.Pixel(x - m, y - m), plain.Pixel(x, y)) << where;
        // The stock's corner where PlaceStock says, against the faces.
        SectionView view;
        view.W = view.H = W;
        view.Zoom = zoom;
        view.MachineMargin = m;
        const StockOnPicture stock = PlaceStock(model, view);
        EXPECT_EQ(stock.FenceX, face);
        EXPECT_EQ(stock.TableY, face);
        if (stock.Left > 0 && stock.Top > 0) {
          EXPECT_EQ(machine.Pixel(stock.Left, stock.Top), wood) << where;
          EXPECT_EQ(machine.Pixel(stock.Left - 1, stock.Top), White) << where;
          EXPECT_EQ(machine.Pixel(stock.Left, stock.Top - 1), White) << where;
        }
        // The table across the whole width, the fence down to it; the outline crosses them.
        int grey = 0;
        for (int x = 0; x < W; ++x) {
          const Colour c = machine.Pixel(x, face);
          ASSERT_TRUE(c == MachineGrey || c == Black) << where << " table at x " << x;
          grey += c == MachineGrey;
        }
        for (int y = 0; y < face; ++y) {
          const Colour c = machine.Pixel(face, y);
          ASSERT_TRUE(c == MachineGrey || c == Black) << where << " fence at y " << y;
          grey += c == MachineGrey;
        }
        EXPECT_GT(grey, W) << where;
        // Behind the fence and below the table is only air and outline.
        for (int y = 0; y < W; ++y) {
          for (int x = 0; x < W; ++x) {
            if (HiddenByMachine(x, y, {face, face}) && y != face) {
              ASSERT_TRUE(machine.Pixel(x, y) == White || machine.Pixel(x, y) == Black)
                  << where << " at " << x << ", " << y;
            }
          }
        }
      }
}

}  // namespace
}  // namespace kerf
