// The built-in light wood-grain texture, painted by the wood-grain recipe.
#include "render/DefaultTexture.h"

#include "render/WoodGrain.h"

namespace kerf {

Raster DefaultTexturePicture() {
  const std::vector<uint32_t> pixels =
      woodgrain::Paint(woodgrain::LightWood, DefaultTextureSize, DefaultTextureSize);
  Raster picture(DefaultTextureSize, DefaultTextureSize);
  for (int y = 0; y < DefaultTextureSize; ++y) {
    for (int x = 0; x < DefaultTextureSize; ++x) {
      picture.SetPixel(x, y, pixels[static_cast<size_t>(y) * DefaultTextureSize + x]);
    }
  }
  return picture;
}

}  // namespace kerf
