// Texture images: power-of-two sizing, upright texels and reading texture pictures.
#include "render/TextureImage.h"

#include <algorithm>

#include "model/FileNames.h"
#include "project/JpegFile.h"
#include "project/PictureFile.h"

namespace kerf {

static_assert(sizeof(Texel) == 4, "texels are sent to OpenGL as 4 bytes each");

TextureImage::TextureImage(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      texels_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

Texel TextureImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Texel{};
  return texels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void TextureImage::SetPixel(int x, int y, const Texel& texel) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  texels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = texel;
}

int NextPowerOfTwo(int value) {
  int side = 1;
  while (side < value && side < (1 << 30)) side <<= 1;
  return side;
}

TextureImage TextureImage::Upright(const Raster& picture) {
  const int pictureWidth = picture.Width();
  const int pictureHeight = picture.Height();
  TextureImage image(NextPowerOfTwo(pictureWidth), NextPowerOfTwo(pictureHeight));
  for (int i = 0; i < image.height_; ++i) {
    // Texture row Height - 1 - i shows picture row i; rows below the picture repeat its
    // bottom row, columns right of it repeat its last column.
    const int y = std::min(i, pictureHeight - 1);
    for (int j = 0; j < image.width_; ++j) {
      const int x = std::min(j, pictureWidth - 1);
      Texel texel{255, 255, 255, 255};
      if (x >= 0 && y >= 0) {
        const Colour c = picture.Pixel(x, y);
        texel = {static_cast<uint8_t>(ColourRed(c)), static_cast<uint8_t>(ColourGreen(c)),
                 static_cast<uint8_t>(ColourBlue(c)), 255};
      }
      image.SetPixel(j, image.height_ - 1 - i, texel);
    }
  }
  return image;
}

namespace {

Result<void> FitsTexture(const std::string& name, int64_t width, int64_t height) {
  if (width <= MaxTexturePictureSide && height <= MaxTexturePictureSide) return {};
  return Result<void>::Fail("The picture " + name + " is " + std::to_string(width) + " x " +
                            std::to_string(height) + " pixels; a texture may be at most " +
                            std::to_string(MaxTexturePictureSide) + " pixels on a side.");
}

}  // namespace

Result<Raster> LoadTexturePictureFromMemory(const std::string& name, const uint8_t* data,
                                            size_t size) {
  const bool bitmap = LowerExtension(name) == "bmp";
  // The size is checked from the header, before a forged or huge picture is decoded.
  int64_t width = 0, height = 0;
  int jpegWidth = 0, jpegHeight = 0;
  const bool announced = bitmap ? PictureSizeFromHeader(data, size, width, height)
                                : JpegSizeFromHeader(data, size, jpegWidth, jpegHeight);
  if (!bitmap) width = jpegWidth, height = jpegHeight;
  if (announced) {
    if (const Result<void> fits = FitsTexture(name, width, height); !fits)
      return Result<Raster>::FailLike(fits);
  }
  Result<Raster> decoded = bitmap ? LoadPictureFromMemory(data, size) : DecodeJpeg(data, size);
  if (!decoded) return Result<Raster>::Fail(name + ": " + decoded.Error());
  if (const Result<void> fits =
          FitsTexture(name, decoded.Value().Width(), decoded.Value().Height());
      !fits) {
    return Result<Raster>::FailLike(fits);
  }
  return decoded;
}

Result<Raster> LoadTexturePicture(const std::string& path) {
  // Both kinds are read through the JPEG reader's bounded read of regular files only.
  const Result<std::string> bytes = ReadJpegFileBytes(path);
  if (!bytes) return Result<Raster>::FailLike(bytes);
  return LoadTexturePictureFromMemory(path, reinterpret_cast<const uint8_t*>(bytes.Value().data()),
                                      bytes.Value().size());
}

}  // namespace kerf
