// JPEG decoding: good pictures load, damaged or truncated ones fail with a message.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <unistd.h>

#include "project/JpegFile.h"
#include "project/PictureFile.h"
#include "project/PictureLimits.h"
#include "support/ResultValue.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

// A width x height JPEG of a smooth colour ramp, encoded at full quality.
std::vector<uint8_t> EncodeRamp(int width, int height) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      p[0] = static_cast<uint8_t>(255 * x / (width - 1));
      p[1] = static_cast<uint8_t>(255 * y / (height - 1));
      p[2] = 64;
    }
  }
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const int status = tjCompress2(handle, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg,
                                 &size, TJSAMP_444, 100, 0);
  std::vector<uint8_t> bytes;
  if (status == 0) bytes.assign(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(handle);
  return bytes;
}

const std::array<uint8_t, 2> FrameMarker = {0xFF, 0xC0};

std::string WriteTemporary(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("kerf_jpeg_" + std::to_string(::getpid()) + "_" + name);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

TEST(DecodeJpeg, ReadsPixelsUprightInTheirColours) {
  const auto bytes = EncodeRamp(100, 60);
  ASSERT_FALSE(bytes.empty());
  Raster picture(0, 0);
  ASSERT_EQ(test::TakeValue(DecodeJpeg(bytes.data(), bytes.size()), picture), "");
  ASSERT_EQ(picture.Width(), 100);
  ASSERT_EQ(picture.Height(), 60);
  const struct {
    int x, y, r, g;
  } probes[] = {
      {0, 0, 0, 0}, {99, 0, 255, 0}, {0, 59, 0, 255}, {99, 59, 255, 255}, {50, 30, 128, 129}};
  for (const auto& p : probes) {
    const Colour c = picture.Pixel(p.x, p.y);
    EXPECT_NEAR(ColourRed(c), p.r, 4) << p.x << "," << p.y;
    EXPECT_NEAR(ColourGreen(c), p.g, 4) << p.x << "," << p.y;
    EXPECT_NEAR(ColourBlue(c), 64, 4) << p.x << "," << p.y;
  }
}

TEST(DecodeJpeg, DamagedDataIsAnError) {
  const auto good = EncodeRamp(64, 48);
  ASSERT_FALSE(good.empty());
  std::vector<uint8_t> notJpeg = {'B', 'M', 0, 0, 0, 0, 1, 2, 3, 4, 5, 6};
  std::vector<uint8_t> badHeader = good;
  badHeader[0] = 0x00;  // no start-of-image marker
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 200);
  std::vector<uint8_t> scrambled = good;
  for (size_t i = scrambled.size() / 2; i < scrambled.size() - 2; i += 3) scrambled[i] = 0xFF;
  const std::vector<uint8_t>* cases[] = {&notJpeg, &badHeader, &truncated, &headerOnly, &scrambled};
  for (const auto* bytes : cases) {
    EXPECT_NE(DecodeJpeg(bytes->data(), bytes->size()).Error(), "") << bytes->size();
  }
  EXPECT_NE(DecodeJpeg(nullptr, 0).Error(), "");
}

// One set of limits for both readers: a header announcing a size beyond them is refused by the
// BMP reader and the JPEG reader alike, before any pixel is decoded.
TEST(PictureLimits, BothReadersRefuseTheSameSizes) {
  const struct {
    uint16_t width, height;
    bool allowed;
  } cases[] = {{20000, 16, true},  {20001, 16, false},  {16, 20001, false},
               {8192, 8192, true}, {8192, 8193, false}, {30000, 1, false}};
  const std::vector<uint8_t> jpeg = EncodeRamp(16, 16);
  const std::string bmp = testing::MakeBmp(Raster(4, 4));
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    EXPECT_EQ(PictureSizeAllowed(c.width, c.height), c.allowed);
    // The baseline frame header: marker, length, precision, then height and width, big-endian.
    std::vector<uint8_t> sized = jpeg;
    const auto frame =
        std::search(sized.begin(), sized.end(), FrameMarker.begin(), FrameMarker.end());
    ASSERT_NE(frame, sized.end());
    frame[5] = static_cast<uint8_t>(c.height >> 8);
    frame[6] = static_cast<uint8_t>(c.height & 0xFF);
    frame[7] = static_cast<uint8_t>(c.width >> 8);
    frame[8] = static_cast<uint8_t>(c.width & 0xFF);
    std::string sizedBmp = bmp;
    std::string fields;
    testing::PutLE(fields, c.width, 4);
    testing::PutLE(fields, c.height, 4);
    sizedBmp.replace(18, 8, fields);
    const std::string bmpError =
        LoadPictureFromMemory(reinterpret_cast<const uint8_t*>(sizedBmp.data()), sizedBmp.size())
            .Error();
    EXPECT_EQ(bmpError.find("too large") == std::string::npos, c.allowed) << bmpError;
    // A JPEG within the limits would have its whole size set aside before decoding fails.
    if (c.allowed) continue;
    const std::string jpegError = DecodeJpeg(sized.data(), sized.size()).Error();
    EXPECT_NE(jpegError.find("more than can be loaded"), std::string::npos) << jpegError;
  }
}

TEST(DecodeJpegFile, NamesTheFileInItsMessages) {
  const auto good = EncodeRamp(40, 30);
  const std::string truncatedPath = WriteTemporary(
      "truncated.jpg", std::vector<uint8_t>(good.begin(), good.begin() + good.size() * 2 / 3));
  Raster picture(0, 0);
  std::string error;
  error = DecodeJpegFile(truncatedPath).Error();
  EXPECT_NE(error.find(truncatedPath), std::string::npos) << error;
  std::filesystem::remove(truncatedPath);

  error.clear();
  error = DecodeJpegFile("/nonexistent/kerf/picture.jpg").Error();
  EXPECT_NE(error.find("/nonexistent/kerf/picture.jpg"), std::string::npos) << error;

  const std::string goodPath = WriteTemporary("good.jpeg", good);
  EXPECT_EQ(test::TakeValue(DecodeJpegFile(goodPath), picture), "");
  EXPECT_EQ(picture.Width(), 40);
  std::filesystem::remove(goodPath);
}

TEST(SuppliedTextures, AllDecodeAsWoodColouredPictures) {
  const std::filesystem::path directory =
      std::filesystem::path(KERF_SOURCE_DIR) / "data" / "textures";
  int found = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().extension() != ".jpg") continue;
    ++found;
    Raster picture(0, 0);
    ASSERT_EQ(test::TakeValue(DecodeJpegFile(entry.path().string()), picture), "");
    EXPECT_GE(picture.Width(), 128);
    long red = 0, blue = 0;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) {
        red += ColourRed(picture.Pixel(x, y));
        blue += ColourBlue(picture.Pixel(x, y));
      }
    EXPECT_GT(red, blue) << entry.path();  // wood is warm
  }
  EXPECT_GE(found, 4);
}

}  // namespace
}  // namespace kerf
