// The texture built into the program: a 128 x 128 picture of light wood grain.
#pragma once

#include "model/Raster.h"

namespace kerf {

inline constexpr int DefaultTextureSize = 128;

// The same picture on every call (it is painted by a fixed recipe, not read from a file).
Raster DefaultTexturePicture();

}  // namespace kerf
