// libFuzzer target: texture pictures from arbitrary bytes, as a bitmap or a JPEG by the first byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/Raster.h"
#include "render/TextureImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string name = (data[0] & 1) ? "fuzz.bmp" : "fuzz.jpg";
  kerf::Raster picture(0, 0);
  std::string error;
  if (!kerf::LoadTexturePictureFromMemory(name, data + 1, size - 1, picture, error)) {
    if (error.empty() || picture.Width() != 0) std::abort();
    return 0;
  }
  if (picture.Width() < 1 || picture.Height() < 1 || picture.Width() > kerf::MaxTexturePictureSide ||
      picture.Height() > kerf::MaxTexturePictureSide)
    std::abort();
  // The texture made from it repeats edge pixels up to powers of two: every texel is set.
  const kerf::TextureImage texture = kerf::TextureImage::Upright(picture);
  if (texture.Width() < picture.Width() || texture.Height() < picture.Height()) std::abort();
  return 0;
}
