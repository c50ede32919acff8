// Texture pictures: the size limit is read from the header, and only regular files are read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "render/TextureImage.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> EncodeGrey(int width, int height) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 128);
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  tjCompress2(handle, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size, TJSAMP_444, 90,
              0);
  std::vector<uint8_t> bytes(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(handle);
  return bytes;
}

// The frame header of a small JPEG rewritten to announce a huge picture: a decoder that trusts
// it sets aside memory for every announced pixel before finding the data missing.
std::vector<uint8_t> ForgedJpeg(int width, int height) {
  std::vector<uint8_t> bytes = EncodeGrey(16, 16);
  for (size_t i = 0; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
      bytes[i + 5] = static_cast<uint8_t>(height >> 8), bytes[i + 6] = static_cast<uint8_t>(height);
      bytes[i + 7] = static_cast<uint8_t>(width >> 8), bytes[i + 8] = static_cast<uint8_t>(width);
      break;
    }
  }
  return bytes;
}

class TextureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kerf-texture-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return dir_ / name;
  }
  fs::path dir_;
};

TEST_F(TextureFiles, TooLargeIsRefusedFromTheHeader) {
  for (const auto& [width, height] :
       {std::pair{65500, 1024}, std::pair{4097, 16}, std::pair{16, 5000}}) {
    const fs::path path = Write("huge.jpg", ForgedJpeg(width, height));
    const Result<Raster> loaded = LoadTexturePicture(path.string());
    EXPECT_FALSE(loaded);
    EXPECT_EQ(loaded.Error(), "The picture " + path.string() + " is " + std::to_string(width) +
                                  " x " + std::to_string(height) +
                                  " pixels; a texture may be at most 4096 pixels on a side.");
  }
  // At the limit the picture loads.
  const fs::path fits = Write("fits.jpg", EncodeGrey(4096, 2));
  const Result<Raster> picture = LoadTexturePicture(fits.string());
  ASSERT_TRUE(picture) << picture.Error();
  EXPECT_EQ(picture.Value().Width(), 4096);
}

TEST_F(TextureFiles, SpecialFilesAreNotRead) {
  ASSERT_EQ(mkfifo((dir_ / "fifo.jpg").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir_ / "zero.bmp");
  fs::create_symlink("/dev/zero", dir_ / "zero.jpg");
  for (const char* name : {"fifo.jpg", "zero.bmp", "zero.jpg"}) {
    const Result<Raster> loaded = LoadTexturePicture((dir_ / name).string());
    EXPECT_FALSE(loaded) << name;
    EXPECT_NE(loaded.Error().find("not a regular file"), std::string::npos) << loaded.Error();
  }
}

}  // namespace
}  // namespace kerf
