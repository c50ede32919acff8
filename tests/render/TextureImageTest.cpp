// Texture images: power-of-two sides, the upright picture and its repeated edges.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "project/PictureFile.h"
#include "render/DefaultTexture.h"
#include "render/TextureImage.h"

namespace kerf {
namespace {

struct SizeCase {
  int pictureWidth, pictureHeight;
  int textureWidth, textureHeight;
};

class TextureSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(TextureSize, SidesAreRaisedToPowersOfTwo) {
  const SizeCase c = GetParam();
  Raster picture(c.pictureWidth, c.pictureHeight);
  picture.Fill(MakeColour(10, 20, 30));
  const TextureImage texture = TextureImage::Upright(picture);
  EXPECT_EQ(texture.Width(), c.textureWidth);
  EXPECT_EQ(texture.Height(), c.textureHeight);
  // Every texel is set from the picture: none is left transparent.
  for (int y = 0; y < texture.Height(); ++y)
    for (int x = 0; x < texture.Width(); ++x) ASSERT_EQ(texture.Pixel(x, y).A, 255);
}

INSTANTIATE_TEST_SUITE_P(Table, TextureSize,
                         ::testing::Values(SizeCase{128, 128, 128, 128}, SizeCase{100, 60, 128, 64},
                                           SizeCase{1, 1, 1, 1}, SizeCase{2, 3, 2, 4},
                                           SizeCase{129, 256, 256, 256},
                                           SizeCase{1000, 513, 1024, 1024}));

TEST(TextureImage, PlainImagesKeepTheirSidesAndIgnoreTexelsOutside) {
  TextureImage image(100, 60);
  EXPECT_EQ(image.Width(), 100);
  EXPECT_EQ(image.Height(), 60);
  image.SetPixel(99, 59, Texel{1, 2, 3, 4});
  image.SetPixel(100, 0, Texel{9, 9, 9, 9});
  image.SetPixel(0, -1, Texel{9, 9, 9, 9});
  EXPECT_EQ(image.Pixel(99, 59), (Texel{1, 2, 3, 4}));
  EXPECT_EQ(image.Pixel(100, 0), Texel{});
  EXPECT_EQ(image.Data()[99 + 59 * 100], (Texel{1, 2, 3, 4}));
  EXPECT_EQ(TextureImage(-3, 5).Width(), 0);
}

Texel TexelOf(Colour c) {
  return {static_cast<uint8_t>(ColourRed(c)), static_cast<uint8_t>(ColourGreen(c)),
          static_cast<uint8_t>(ColourBlue(c)), 255};
}

TEST(TextureImage, PictureStandsUprightAndItsEdgesFillTheRest) {
  // A 3 x 3 picture with nine different colours in a 4 x 4 texture.
  Raster picture(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) picture.SetPixel(x, y, MakeColour(10 * x + 1, 10 * y + 1, 7));
  const TextureImage texture = TextureImage::Upright(picture);
  ASSERT_EQ(texture.Width(), 4);
  ASSERT_EQ(texture.Height(), 4);
  // The picture's top row is the texture's top row (row 3; row 0 is the bottom).
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(texture.Pixel(x, 3 - y), TexelOf(picture.Pixel(x, y))) << x << "," << y;
  // The column right of the picture repeats its last column, the row below repeats its
  // bottom row, and the corner repeats its bottom-right pixel: no black bands.
  for (int y = 0; y < 3; ++y) EXPECT_EQ(texture.Pixel(3, 3 - y), TexelOf(picture.Pixel(2, y)));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(texture.Pixel(x, 0), TexelOf(picture.Pixel(x, 2)));
  EXPECT_EQ(texture.Pixel(3, 0), TexelOf(picture.Pixel(2, 2)));
}

TEST(DefaultTexture, IsA128SquareOfLightWoodGrain) {
  const Raster picture = DefaultTexturePicture();
  ASSERT_EQ(picture.Width(), 128);
  ASSERT_EQ(picture.Height(), 128);
  // Light and warm: red above green above blue, bright on average; and grained, not flat.
  long red = 0, green = 0, blue = 0;
  int darkest = 255 * 3, lightest = 0;
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      const Colour c = picture.Pixel(x, y);
      red += ColourRed(c);
      green += ColourGreen(c);
      blue += ColourBlue(c);
      const int sum = ColourRed(c) + ColourGreen(c) + ColourBlue(c);
      darkest = std::min(darkest, sum);
      lightest = std::max(lightest, sum);
    }
  }
  const long n = 128 * 128;
  EXPECT_GT(red / n, green / n);
  EXPECT_GT(green / n, blue / n);
  EXPECT_GT(red / n, 180);
  EXPECT_GT(lightest - darkest, 60);
  // The recipe is fixed: the same picture every time.
  const Raster again = DefaultTexturePicture();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(again.Pixel(x, y), picture.Pixel(x, y));
}

TEST(LoadTexturePicture, ChoosesTheDecoderByExtension) {
  // Bitmap bytes load under ".bmp" in any case and are refused as a JPEG under ".jpg".
  Raster bitmap(20, 10);
  bitmap.Fill(MakeColour(90, 60, 30));
  const auto base =
      std::filesystem::temp_directory_path() / ("kerf_texture_" + std::to_string(::getpid()));
  ASSERT_EQ(SavePicture(base.string() + ".bmp", bitmap).Error(), "");
  const std::string lower = base.string() + ".bmp", upper = base.string() + ".BMP",
                    misnamed = base.string() + ".jpg";
  std::filesystem::copy_file(lower, upper, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(lower, misnamed, std::filesystem::copy_options::overwrite_existing);
  for (const std::string& path : {lower, upper}) {
    const Result<Raster> picture = LoadTexturePicture(path);
    ASSERT_TRUE(picture) << picture.Error();
    EXPECT_EQ(picture.Value().Width(), 20);
    EXPECT_EQ(picture.Value().Pixel(3, 3), MakeColour(90, 60, 30));
  }
  EXPECT_FALSE(LoadTexturePicture(misnamed));
  for (const std::string& path : {lower, upper, misnamed}) std::filesystem::remove(path);
}

}  // namespace
}  // namespace kerf
