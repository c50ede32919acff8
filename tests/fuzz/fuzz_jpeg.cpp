// libFuzzer target: texture pictures from arbitrary bytes through the JPEG decoder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/Raster.h"
#include "project/JpegFile.h"
#include "project/PictureLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kerf::Result<kerf::Raster> decoded = kerf::DecodeJpeg(data, size);
  if (!decoded) {
    if (decoded.Error().empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const kerf::Raster& picture = decoded.Value();
  if (!kerf::PictureSizeAllowed(picture.Width(), picture.Height())) std::abort();
  // Every pixel can be read: the decoded rows fill the whole picture.
  volatile uint32_t sum = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) sum = sum + picture.Pixel(x, y);
  return 0;
}
