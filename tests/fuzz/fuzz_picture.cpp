// libFuzzer target: decoding picture bytes (cutter bitmaps, textures) never crashes or overreads.
#include <cstddef>
#include <cstdint>
#include <string>

#include "project/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kerf::Raster picture(1, 1);
  std::string error;
  kerf::LoadPictureFromMemory(data, size, picture, error);
  return 0;
}
