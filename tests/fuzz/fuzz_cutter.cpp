// libFuzzer target: cutter bitmaps from arbitrary bytes, decoded and scanned, and cutter names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/CutterScan.h"
#include "model/Raster.h"
#include "model/Tool.h"
#include "project/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The same bytes as a file name: any name decodes to some display name.
  const std::string name(reinterpret_cast<const char*>(data), size < 256 ? size : 256);
  (void)kerf::CutterDisplayName(name);
  (void)kerf::CutterDisplayName(name + ".bmp");

  const kerf::Result<kerf::Raster> loaded = kerf::LoadPictureFromMemory(data, size);
  if (!loaded) {
    if (loaded.Error().empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const kerf::Raster& picture = loaded.Value();
  kerf::Tool tool;
  kerf::ScanCutterProfile(picture, tool);
  if (tool.RowCount < 1 || tool.RowCount > kerf::MaxProfileRows || tool.RedWidth < 0) std::abort();
  for (int l = 1; l <= kerf::MaxProfileRows; ++l) {
    const float radius = tool.Profile[static_cast<size_t>(l)];
    if (!(radius >= 0.0f) || radius >= static_cast<float>(picture.Width())) std::abort();
  }
  return 0;
}
