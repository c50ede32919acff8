// Filling only part of a raster, and the Profile picture drawn over a work surface that still
// holds earlier drawings: what lies outside the picture never shows in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/SectionRenderer.h"

namespace kerf {
namespace {

TEST(RasterPartialFill, FillsTheTopLeftPartOnlyAndClipsToTheRaster) {
  struct Case {
    int width, height;  // asked for
    int filledWidth, filledHeight;
  };
  const Case cases[] = {{0, 0, 0, 0},   {1, 1, 1, 1},     {17, 3, 17, 3}, {16, 40, 16, 40},
                        {33, 2, 33, 2}, {99, 99, 40, 30}, {-5, 10, 0, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    Raster raster(40, 30);
    raster.Fill(Black);
    raster.Fill(MakeColour(1, 2, 3) | 0xFF000000u, c.width, c.height);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool inside = x < c.filledWidth && y < c.filledHeight && c.filledHeight > 0;
        ASSERT_EQ(raster.Pixel(x, y), inside ? MakeColour(1, 2, 3) : Black) << x << ", " << y;
      }
  }
}

Tool Cutter(std::vector<float> radii) {
  Tool tool;
  tool.Name = tool.FileName = "test.bmp";
  tool.RowCount = static_cast<int>(radii.size());
  for (size_t l = 0; l < radii.size(); ++l) tool.Profile[l + 1] = radii[l];
  return tool;
}

// Every zoom, orientation, stock size and the largest cuts, drawn once on a fresh work surface
// and once on one left black by a measuring pass of another stock: the same picture.
TEST(ProfilePicture, OnAUsedWorkSurfaceIsTheSameAsOnAFreshOne) {
  std::vector<Tool> tools{Cutter(std::vector<float>(60, 40.0f)),
                          Cutter({10, 20, 30, 40, 50, 60, 70, 80, 90, 100})};
  for (int zoom : {1, 2, 4})
    for (int face = 1; face <= 8; ++face)
      for (auto [width, height] : {std::pair{200, 200}, {1000, 300}, {50, 1000}}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom) + ", face " + std::to_string(face) + ", " +
                     std::to_string(width) + " x " + std::to_string(height));
        Model model;
        model.SetCutterLibrary(tools);
        model.NewWorkpiece(width, height);
        for (int i = 0; i < 6; ++i) {
          model.SetCurrentCutter(1 + i % 2);
          model.SetFaceOnTable(1 + (face + i) % 8);
          model.AppendCut(-40 + 30 * i, 20 * i - 30);
        }
        model.SetFaceOnTable(face);
        Raster surface(SectionSize, SectionSize);
        const Raster fresh = PreviewSection(model, surface, 250, 250, zoom, 0x3366CC, 25, 60);

        Model used = model;
        used.NewWorkpiece(1000, 1000);
        surface = MeasureSection(used).Picture;  // the whole surface black but for the cuts
        const Raster again = PreviewSection(model, surface, 250, 250, zoom, 0x3366CC, 25, 60);
        for (int y = 0; y < 250; ++y)
          for (int x = 0; x < 250; ++x)
            ASSERT_EQ(again.Pixel(x, y), fresh.Pixel(x, y)) << x << ", " << y;
      }
}

}  // namespace
}  // namespace kerf
