// The largest picture either picture reader (QImage for BMP and PNG, libjpeg-turbo for JPEG) loads.
#pragma once

#include <cstdint>

namespace kerf {

// Larger pictures are refused before anything is decoded: no cutter bitmap, texture or
// photograph comes near these, and a forged header must not make us allocate gigabytes.
inline constexpr int64_t MaxPictureSide = 20000;
inline constexpr int64_t MaxPicturePixels = int64_t{64} * 1024 * 1024;
inline constexpr int64_t MaxPictureFileBytes = int64_t{256} * 1024 * 1024;

// Whether a picture of these sides has pixels and stays within the limits above.
constexpr bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
         width * height <= MaxPicturePixels;
}

}  // namespace kerf
