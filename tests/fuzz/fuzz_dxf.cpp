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
  const kerf::Result<kerf::CutterDesign> design = kerf::DesignFromOutline(outline.Value(), 0.5);
  if (!design) {
    if (design.Error().empty()) std::abort();
    return 0;
  }
  const kerf::Result<kerf::Raster> bitmap = kerf::DrawCutter(design.Value());
  if (!bitmap) {
    if (bitmap.Error().empty()) std::abort();
    return 0;
  }
  if (bitmap.Value().Width() < 1 || bitmap.Value().Height() < 1) std::abort();
  return 0;
}
