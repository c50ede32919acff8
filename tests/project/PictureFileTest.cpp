// Picture files: exact colours and row order, refusal of truncated, oversized and corrupt files.
#include "project/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ResultValue.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

using testing::MakeBmp;
using testing::PutLE;
using testing::ScratchFolder;
using testing::WriteBytes;

// A picture whose every pixel differs and whose channels differ, so that a flip, a mirror
// or swapped red and blue cannot pass.
Raster Pattern(int w, int h) {
  Raster r(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.SetPixel(x, y, MakeColour(10 + x * 20, 5 + y * 30, 200 - x - y));
  r.SetPixel(0, 0, MakeColour(255, 0, 0));  // the exact red of a bearing row
  r.SetPixel(w - 1, h - 1, Black);
  return r;
}

void ExpectSamePixels(const Raster& a, const Raster& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << "at (" << x << ", " << y << ")";
}

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(PictureFile, LosslessFormatsRoundTripExactly) {
  ScratchFolder folder;
  const Raster original = Pattern(7, 5);  // 7 * 3 bytes: BMP rows need padding
  for (const char* name : {"a.png", "a.bmp", "a.ppm", "A.BMP"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(SavePicture((folder / name).string(), original).Error(), "");
    Raster back(1, 1);
    ASSERT_EQ(test::TakeValue(LoadPicture((folder / name).string()), back), "");
    ExpectSamePixels(original, back);
  }
  // Cutter bitmaps are compared as exact 24-bit colours: BMPs are written with 24 bits.
  EXPECT_EQ(static_cast<uint8_t>(ReadAll(folder / "a.bmp").at(28)), 24);
}

TEST(PictureFile, JpegKeepsSizeAndRoughColour) {
  ScratchFolder folder;
  Raster flat(16, 8);
  flat.Fill(MakeColour(200, 100, 50));
  ASSERT_EQ(SavePicture((folder / "f.jpg").string(), flat).Error(), "");
  Raster back(1, 1);
  ASSERT_EQ(test::TakeValue(LoadPicture((folder / "f.jpg").string()), back), "");
  ASSERT_EQ(back.Width(), 16);
  ASSERT_EQ(back.Height(), 8);
  const Colour c = back.Pixel(8, 4);
  EXPECT_NEAR(ColourRed(c), 200, 6);
  EXPECT_NEAR(ColourGreen(c), 100, 6);
  EXPECT_NEAR(ColourBlue(c), 50, 6);
}

// Hand-made files of every layout decode to the same picture: row 0 at the top, 0x00BBGGRR.
TEST(PictureFile, HandMadeBmpLayoutsDecodeAlike) {
  const Raster original = Pattern(5, 3);
  struct Layout {
    int bits;
    bool topDown;
  };
  for (const Layout layout : {Layout{24, false}, Layout{24, true}, Layout{32, false}}) {
    SCOPED_TRACE(std::to_string(layout.bits) + (layout.topDown ? " top-down" : " bottom-up"));
    const std::string bytes = MakeBmp(original, layout.bits, layout.topDown);
    Raster back(1, 1);
    ASSERT_EQ(test::TakeValue(LoadPictureFromMemory(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                    bytes.size()),
                              back),
              "");
    ExpectSamePixels(original, back);
  }
}

// The pixel bytes a header announces: a file one byte short of them is refused, whatever the
// depth and padding; a file with exactly them loads.
TEST(PictureFile, TruncatedBmpIsRefusedNamingTheFile) {
  ScratchFolder folder;
  struct Case {
    int w, h, bits, cut;  // bytes removed from the end
  };
  const Case cases[] = {
      {7, 5, 24, 1},
      {7, 5, 24, 3},
      {7, 5, 24, 21 + 3},  // one padded row, 3 of padding
      {7, 5, 32, 1},
      {9, 4, 8, 1},
      {9, 4, 8, 12 * 2},          // palette bitmap, two rows
      {60, 40, 24, 60 * 3 * 20},  // half the rows missing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + "x" + std::to_string(c.bits) +
                 " minus " + std::to_string(c.cut));
    const std::string whole = MakeBmp(Pattern(c.w, c.h), c.bits);
    const auto path = folder / "cut short.bmp";
    Raster back(1, 1);
    std::string error;

    WriteBytes(path, whole);
    EXPECT_EQ(test::TakeValue(LoadPicture(path.string()), back), "");

    WriteBytes(path, whole.substr(0, whole.size() - c.cut));
    error = LoadPicture(path.string()).Error();
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;
  }
}

// Headers that cannot be trusted are refused before any pixel is decoded.
TEST(PictureFile, BadBmpHeadersAreRefused) {
  auto withField = [](std::string bytes, size_t at, uint32_t value, int size) {
    std::string field;
    PutLE(field, value, size);
    bytes.replace(at, static_cast<size_t>(size), field);
    return bytes;
  };
  const std::string good = MakeBmp(Pattern(4, 4));
  struct Case {
    const char* what;
    std::string bytes;
    const char* says;
  };
  const Case cases[] = {
      {"width beyond 20000", withField(good, 18, 30000, 4), "too large"},
      {"height beyond 20000", withField(good, 22, 20001, 4), "too large"},
      {"top-down height beyond 20000", withField(good, 22, static_cast<uint32_t>(-25000), 4),
       "too large"},
      {"sides within bounds but too many pixels",
       withField(withField(good, 18, 19000, 4), 22, 19000, 4), "too large"},
      {"zero width", withField(good, 18, 0, 4), "no pixels"},
      {"negative width", withField(good, 18, static_cast<uint32_t>(-4), 4), "no pixels"},
      {"zero height", withField(good, 22, 0, 4), "no pixels"},
      {"pixels beyond the end", withField(good, 10, 100000, 4), "pixel offset"},
      {"pixels inside the header", withField(good, 10, 20, 4), "pixel offset"},
      {"depth of 7 bits", withField(good, 28, 7, 2), "depth"},
      {"unknown header size", withField(good, 14, 20, 4), "header"},
      {"headers cut off", good.substr(0, 20), "too short"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Raster back(1, 1);
    std::string error;
    error = LoadPictureFromMemory(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size())
                .Error();
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
  }
}

TEST(PictureFile, UnreadableFilesAreRefusedNamingTheFile) {
  ScratchFolder folder;
  WriteBytes(folder / "empty.bmp", "");
  WriteBytes(folder / "noise.bmp", "this is not a picture at all, just some text\n");
  std::string png;
  {
    ASSERT_EQ(SavePicture((folder / "whole.png").string(), Pattern(40, 40)).Error(), "");
    png = ReadAll(folder / "whole.png");
  }
  WriteBytes(folder / "half.png", png.substr(0, png.size() / 2));
  std::filesystem::create_directory(folder / "folder.bmp");

  for (const char* name : {"missing.bmp", "empty.bmp", "noise.bmp", "half.png", "folder.bmp"}) {
    SCOPED_TRACE(name);
    const std::string path = (folder / name).string();
    Raster back(1, 1);
    std::string error;
    error = LoadPicture(path).Error();
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
  }
}

TEST(PictureFile, SaveRefusesUnknownTypesAndKeepsTheOldFileOnFailure) {
  ScratchFolder folder;
  std::string error;
  const auto path = folder / "keep.png";
  ASSERT_EQ(SavePicture(path.string(), Pattern(3, 3)).Error(), "");
  const std::string before = ReadAll(path);

  error = SavePicture((folder / "x.gifx").string(), Pattern(3, 3)).Error();
  EXPECT_NE(error.find("x.gifx"), std::string::npos) << error;
  error = SavePicture((folder / "no such folder" / "x.png").string(), Pattern(3, 3)).Error();
  EXPECT_NE(error.find("no such folder"), std::string::npos) << error;
  error = SavePicture(path.string(), Raster(0, 0)).Error();
  EXPECT_NE(error, "");
  EXPECT_EQ(ReadAll(path), before);
}

}  // namespace
}  // namespace kerf
