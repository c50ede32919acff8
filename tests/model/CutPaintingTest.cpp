// A cut's painting at less than a pixel per unit: every profile row's line, however many share a
// pixel row.
#include <gtest/gtest.h>

#include "model/Model.h"
#include "model/SectionRenderer.h"

namespace kerf {
namespace {

// The section of a 300 x 300 stock, drawn at 500 x 500 (under half a pixel per unit), after
// one cut made in `face`.
Raster Painted(const Tool& tool, int face, bool rowBands) {
  Model model;
  model.SetCutterLibrary({tool});
  model.NewWorkpiece(300, 300);
  model.SetFaceOnTable(face);
  model.AppendCut(120, 60);
  model.SetFaceOnTable(3);
  SectionView view;
  view.RowBands = rowBands;
  Raster canvas(SectionSize, SectionSize);
  RenderSection(model, view, canvas);
  return canvas;
}

// Below a pixel per unit, consecutive profile rows lie on the same pixel row or on neighbouring
// ones, so painting in bands draws each row's own line, one by one: the reference. Reaches
// long, short, zero and negative follow one another, in every turn of the cutter.
TEST(CutPainting, SharedPixelRowsPaintWhatEachProfileRowPaints) {
  constexpr int Rows = 60;
  Tool tool;
  tool.Name = "mixed";
  tool.FileName = "mixed.bmp";
  tool.RowCount = Rows;
  for (int l = 1; l <= Rows; ++l)
    tool.Profile[static_cast<size_t>(l)] = static_cast<float>((l * 37) % 61 - 20);
  for (int face = 1; face <= 8; ++face) {
    const Raster painted = Painted(tool, face, false);
    const Raster rowByRow = Painted(tool, face, true);
    int differing = 0, cut = 0;
    for (int y = 0; y < painted.Height(); ++y) {
      for (int x = 0; x < painted.Width(); ++x) {
        differing += painted.Pixel(x, y) != rowByRow.Pixel(x, y);
        cut += painted.Pixel(x, y) == White;
      }
    }
    EXPECT_EQ(differing, 0) << "cut made in face " << face;
    EXPECT_GT(cut, 0);
  }
}

}  // namespace
}  // namespace kerf
