// libFuzzer target: cutter profiles drawn as SVG, from arbitrary bytes to a cutter's bitmap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "model/CutterGeometry.h"
#include "project/ProfileImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = kerf::fuzz::ScratchFile(data, size, "svg");
  // Whatever the drawing holds, the cutter made from it is either refused with a reason that
  // names the file or drawn within the bitmap's limits.
  const kerf::Result<kerf::CutterDesign> design = kerf::ImportCutterProfile(path, 0.5);
  if (!design) {
    if (design.Error().rfind(path + ":", 0) != 0) std::abort();
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
