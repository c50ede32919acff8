// Texture images: RGBA texels with power-of-two sides made from pictures, and picture loading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Raster.h"
#include "model/Result.h"

namespace kerf {

struct Texel {
  uint8_t R = 0, G = 0, B = 0, A = 0;
  bool operator==(const Texel&) const = default;
};

// The smallest power of two (1, 2, 4 ...) that is at least value.
int NextPowerOfTwo(int value);

// An RGBA image of Width x Height texels, stored row after row with row 0 the bottom row, as
// OpenGL expects.
class TextureImage {
 public:
  TextureImage() = default;
  // A width x height image of transparent black texels (negative sides count as 0).
  TextureImage(int width, int height);

  // The picture (row 0 at its top) upright in texture space, its sides raised to powers of two
  // as OpenGL 1.1 requires: picture pixel (x, y) becomes texel (x, Height - 1 - y). Texels
  // beyond the picture repeat its edge pixels, so the texture shows no bands of a foreign colour.
  static TextureImage Upright(const Raster& picture);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Texel (x, y); transparent black outside the image.
  Texel Pixel(int x, int y) const;
  // Sets texel (x, y); a texel outside the image is ignored.
  void SetPixel(int x, int y, const Texel& texel);
  // Width * Height texels, bottom row first; 4 bytes each in R, G, B, A order.
  const Texel* Data() const { return texels_.data(); }

  bool operator==(const TextureImage&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Texel> texels_;
};

// Reads a texture picture: a name ending in ".bmp" (any case) as a bitmap, anything else as a
// JPEG file. Only a regular file is read. Pictures with a side beyond MaxTexturePictureSide are
// refused from the size their header announces, before any pixel is decoded.
inline constexpr int MaxTexturePictureSide = 4096;
Result<Raster> LoadTexturePicture(const std::string& path);
// The same for bytes already read; name (its extension) chooses the decoder and names the picture.
Result<Raster> LoadTexturePictureFromMemory(const std::string& name, const uint8_t* data,
                                            size_t size);

}  // namespace kerf
