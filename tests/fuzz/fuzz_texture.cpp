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
  const kerf::Result<kerf::Raster> loaded =
      kerf::LoadTexturePictureFromMemory(name, data + 1, size - 1);
  if (!loaded) {
    if (loaded.Error().empty()) std::abort();
    return 0;
  }
  const kerf::Raster& picture = loaded.Value();
  if (picture.Width() < 1 || picture.Height() < 1 ||
      picture.Width() > kerf::MaxTexturePictureSide ||
      picture.Height() > kerf::MaxTexturePictureSide)
    std::abort();
  // The texture made from it repeats edge pixels up to powers of two: every texel is set.
  const kerf::TextureImage texture = kerf::TextureImage::Upright(picture);
  if (texture.Width() < picture.Width() || texture.Height() < picture.Height()) std::abort();
  return 0;
}
