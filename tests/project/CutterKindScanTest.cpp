// Every kind of bit, written as a bitmap and read back by the library loader, keeps its sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/CutterKinds.h"
#include "model/CutterScan.h"
#include "project/CutterLibrary.h"
#include "project/PictureFile.h"
#include "support/ResultValue.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

struct CatalogueBit {
  const char* Kind;
  CutterDimensionTexts Texts;
  double Height;   // inches of cutting edge
  double Radius;   // largest radius, inches
  double Bearing;  // bearing radius, inches; 0 without one
};

const CatalogueBit Bits[] = {
    {"straight", {{"diameter", "1/2"}, {"length", "1"}}, 1.0, 0.25, 0},
    {"straight", {{"diameter", "12mm"}, {"length", "25mm"}}, 25 / 25.4, 6 / 25.4, 0},
    {"rebate", {{"diameter", "1 1/4"}, {"bearing", "1/2"}, {"length", "1/2"}}, 0.5, 0.625, 0.25},
    {"roundover", {{"radius", "3/8"}, {"bearing", "1/2"}}, 0.625, 0.625, 0.25},
    {"roundover", {{"radius", "1/4"}, {"bearing", "3/8"}, {"step", "1/16"}}, 0.3125, 0.44, 0.19},
    {"cove", {{"radius", "3/8"}, {"bearing", "1/2"}}, 0.5, 0.625, 0.25},
    {"chamfer", {{"angle", "45"}, {"diameter", "1 1/2"}, {"bearing", "1/2"}}, 0.5, 0.75, 0.25},
    {"chamfer",
     {{"angle", "30"}, {"diameter", "1"}, {"bearing", "3/8"}},
     0.3125 / std::tan(M_PI / 6),
     0.5,
     0.1875},
    {"vgroove", {{"angle", "90"}, {"diameter", "3/4"}}, 0.375, 0.375, 0},
    {"vgroove", {{"angle", "60"}, {"diameter", "1/2"}}, 0.25 / std::tan(M_PI / 6), 0.25, 0},
    {"corebox", {{"radius", "3/8"}}, 0.75, 0.375, 0},
    {"beading", {{"radius", "3/16"}, {"bearing", "1/2"}}, 0.375, 0.5, 0.25},
    {"romanogee", {{"radius", "1/4"}, {"bearing", "1/2"}}, 0.625, 0.75, 0.25},
    {"dovetail", {{"angle", "8"}, {"diameter", "3/4"}, {"height", "7/8"}}, 0.875, 0.375, 0},
    {"slot", {{"diameter", "1 7/8"}, {"kerf", "1/4"}, {"bearing", "1/2"}}, 0.25, 0.9375, 0.25},
    {"flushtrim", {{"diameter", "3/4"}, {"length", "1 1/2"}}, 1.5, 0.375, 0.375},
    // The tallest bits: the shank and bearing give way so that the bitmap keeps to 501 rows.
    {"straight", {{"diameter", "1/2"}, {"length", "5"}}, 5.0, 0.25, 0},
    {"flushtrim", {{"diameter", "1/2"}, {"length", "4.99"}}, 4.99, 0.25, 0.25},
};

TEST(CutterKindScan, EveryKindScansBackToItsHeightRadiiAndBearing) {
  testing::ScratchFolder folder;
  std::vector<DesignedCutter> made;
  for (const CatalogueBit& bit : Bits) {
    DesignedCutter cutter;
    ASSERT_EQ(test::TakeValue(DesignCutter(*FindCutterKind(bit.Kind), bit.Texts), cutter), "");
    Raster bitmap(0, 0);
    ASSERT_EQ(test::TakeValue(DrawCutter(cutter.Design), bitmap), "");
    const std::string fileName =
        std::to_string(made.size() + 10) + ".bmp";  // keeps the loader's order
    ASSERT_EQ(SavePicture((folder / fileName).string(), bitmap).Error(), "");
    made.push_back(cutter);
  }
  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(folder.Path().string(), quiet);
  ASSERT_EQ(library.Tools.size(), made.size());
  for (size_t i = 0; i < made.size(); ++i) {
    const CatalogueBit& bit = Bits[i];
    const Tool& tool = library.Tools[i];
    SCOPED_TRACE(made[i].Name);
    const int bearing = static_cast<int>(std::lround(bit.Bearing * 100));
    EXPECT_EQ(tool.RedWidth, bearing);
    // The red row above a guided bit's cutting edge is one more profile row.
    const int rows = tool.RowCount - (bearing > 0 ? 1 : 0);
    EXPECT_NEAR(rows, bit.Height * 100, 1.0);
    const float widest =
        *std::max_element(tool.Profile.begin() + 1, tool.Profile.begin() + rows + 1);
    EXPECT_NEAR(widest, bit.Radius * 100, 1.0);
    // Row by row the scanned radius is the geometry's at the row's middle height.
    for (int row = 1; row <= rows; ++row)
      ASSERT_NEAR(tool.Profile[static_cast<size_t>(row)], made[i].Design.Edge.RadiusAt(row - 0.5),
                  1.0)
          << "row " << row;
  }
}

}  // namespace
}  // namespace kerf
