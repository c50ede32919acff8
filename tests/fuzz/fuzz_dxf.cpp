// libFuzzer target: cutter profiles drawn as DXF, from arbitrary bytes to a cutter's bitmap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/CutterGeometry.h"
#include "model/CutterOutline.h"
#include "project/ProfileImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto outline = kerf::ReadDxfOutline(text, "fuzz.dxf");
  if (!outline) {
    if (outline.Error().empty()) std::abort();  // a refusal always says why
    return 0;
  }
  // Whatever the drawing holds, the cutter made from it is either refused with a reason or
  // drawn within the bitmap's limits.
  kerf::CutterDesign design;
  std::string error;
  if (!kerf::DesignFromOutline(outline.Value(), 0.5, design, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  kerf::Raster bitmap(0, 0);
  if (!kerf::DrawCutter(design, bitmap, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (bitmap.Width() < 1 || bitmap.Height() < 1) std::abort();
  return 0;
}
