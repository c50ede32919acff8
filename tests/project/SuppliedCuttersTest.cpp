// The supplied cutter bitmaps drawn again from their geometry, compared byte for byte.
#include "model/SuppliedCutters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "project/PictureFile.h"
#include "support/ResultValue.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(SuppliedCutters, RedrawnBitmapsEqualTheSuppliedFilesByteForByte) {
  const std::filesystem::path supplied = KERF_SOURCE_DIR "/data/tools";
  testing::ScratchFolder folder;
  std::set<std::string> drawn;
  for (const CutterDesign& design : SuppliedCutters()) {
    SCOPED_TRACE(design.FileName);
    Raster bitmap(0, 0);
    ASSERT_EQ(test::TakeValue(DrawCutter(design), bitmap), "");
    ASSERT_EQ(SavePicture((folder / design.FileName).string(), bitmap).Error(), "");
    const std::string expected = FileBytes(supplied / design.FileName);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(FileBytes(folder / design.FileName) == expected);
    drawn.insert(design.FileName);
  }
  // Every supplied bitmap comes from the geometry: none is drawn by hand.
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(supplied))
    if (entry.path().extension() == ".bmp") files.insert(entry.path().filename().string());
  EXPECT_EQ(drawn, files);
}

}  // namespace
}  // namespace kerf
