// Cutter bitmaps: display names from file names and the profile read from the pixels.
#include "model/CutterScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kerf {
namespace {

constexpr Colour Red = MakeColour(255, 0, 0);

TEST(CutterDisplayName, DecodesTheFileName) {
  const struct {
    const char* file;
    const char* name;
  } names[] = {
      {"45% Chamfer 1@5.bmp", "45\xC2\xB0 Chamfer 1.5"},
      {"1-4 Bead.bmp", "1/4 Bead"},
      {"1-4! Roundover.bmp", "1/4\" Roundover"},
      {"Roman Ogee.BMP", "Roman Ogee"},
      {"a-b-c!!%%@@.bmp", "a/b/c\"\"\xC2\xB0\xC2\xB0.."},
      {".bmp", ""},
      {"ab", ""},
  };
  for (const auto& n : names) EXPECT_EQ(CutterDisplayName(n.file), n.name) << n.file;
}

// A bitmap drawn from text, top row first: '#' black, 'r' red, '.' white, 'n' near black.
Raster Bitmap(const std::vector<std::string>& rows) {
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  Raster raster(width, static_cast<int>(rows.size()));
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < width; ++x) {
      const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
      raster.SetPixel(x, y,
                      c == '#'   ? Black
                      : c == 'r' ? Red
                      : c == 'n' ? MakeColour(1, 0, 0)
                                 : White);
    }
  return raster;
}

struct ScanCase {
  const char* name;
  std::vector<std::string> rows;
  int rowCount;
  int redWidth;
  std::vector<float> profile;  // entries 1..rowCount
};

class CutterScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(CutterScanCases, ReadsRowsFromTheBottomUp) {
  const ScanCase& c = GetParam();
  Tool tool;
  tool.Name = "kept";
  tool.RedWidth = 99;
  tool.Profile.fill(7);
  ScanCutterProfile(Bitmap(c.rows), tool);
  EXPECT_EQ(tool.Name, "kept");
  EXPECT_EQ(tool.RowCount, c.rowCount);
  EXPECT_EQ(tool.RedWidth, c.redWidth);
  for (size_t l = 1; l <= c.profile.size(); ++l) EXPECT_EQ(tool.Profile[l], c.profile[l - 1]) << l;
  for (size_t l = c.profile.size() + 1; l <= MaxProfileRows; ++l)
    ASSERT_EQ(tool.Profile[l], 0.0f) << "row " << l << " beyond the profile";
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, CutterScanCases,
    ::testing::Values(
        ScanCase{"TenBlackPixels", {"##########......"}, 1, 0, {9}},
        ScanCase{"MarginRowsSkipped",
                 {"......", "##....", "####..", "###...", "......", "......"},
                 3,
                 0,
                 {2, 3, 1}},
        ScanCase{"WhiteRowEndsProfile", {"#.....", "......", "###...", "####.."}, 2, 0, {3, 2}},
        ScanCase{"RedRowAboveAddsARow", {"rrr...", "#####.", "##...."}, 3, 3, {1, 4, 0}},
        ScanCase{"RedRowBelowAddsNone", {"##....", "rr....", "......"}, 1, 2, {1}},
        ScanCase{"HighestRedRowWins", {"r.....", "rrrr..", "##...."}, 3, 1, {1, 0, 0}},
        ScanCase{"FullBlackRowIsZero", {"######", "##...."}, 2, 0, {1, 0}},
        ScanCase{"NearBlackIsNotBlack", {"n#####", "###..."}, 1, 0, {2}},
        ScanCase{"NoBlackRowCutsNothing", {"rr....", "......"}, 1, 2, {0}},
        ScanCase{"EmptyBitmap", {}, 1, 0, {0}}),
    [](const auto& info) { return std::string(info.param.name); });

// A cutter of `rows` black rows of radius 4 standing on `margin` white rows.
Raster TallCutter(int height, int rows) {
  Raster raster(8, height);
  for (int y = height - rows; y < height; ++y) raster.Line(0, y, 5, y, Black);
  return raster;
}

TEST(CutterScan, BitmapHeightLimit) {
  Tool tool;
  ScanCutterProfile(TallCutter(501, 3), tool);
  EXPECT_EQ(tool.RowCount, 3);
  EXPECT_EQ(tool.Profile[3], 4.0f);

  ScanCutterProfile(TallCutter(502, 3), tool);  // one row too tall: not scanned at all
  EXPECT_EQ(tool.RowCount, 1);
  EXPECT_EQ(tool.Profile[1], 0.0f);
}

TEST(CutterScan, ProfileIsCutAtTheTableSize) {
  Tool tool;
  ScanCutterProfile(TallCutter(501, 501), tool);
  EXPECT_EQ(tool.RowCount, MaxProfileRows);
  EXPECT_EQ(tool.Profile[MaxProfileRows], 4.0f);

  ScanCutterProfile(TallCutter(500, 500), tool);
  EXPECT_EQ(tool.RowCount, 500);

  // 499 black rows and a red one on top: exactly 500 rows.
  Raster bitmap = TallCutter(501, 499);
  bitmap.Line(0, 1, 3, 1, Red);
  ScanCutterProfile(bitmap, tool);
  EXPECT_EQ(tool.RowCount, 500);
  EXPECT_EQ(tool.RedWidth, 3);
  EXPECT_EQ(tool.Profile[500], 0.0f);
}

}  // namespace
}  // namespace kerf
