// libFuzzer target: match targets (SVG, DXF, section picture, project) from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "model/Progress.h"
#include "project/CutterLibrary.h"
#include "project/MatchTargetFile.h"

namespace {

// The supplied cutters, read once: a project target names them.
const std::vector<kerf::Tool>& SuppliedCutters() {
  static const std::vector<kerf::Tool> tools = [] {
    kerf::NoProgress quiet;
    kerf::CutterLibrary library = kerf::LoadCutterLibrary(KERF_DATA_DIR "/tools", quiet);
    if (library.Tools.empty()) std::abort();
    return library.Tools;
  }();
  return tools;
}

}  // namespace

// The first byte picks the reader (and whether a stock is named); the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const Extensions[] = {"svg", "dxf", "png", "rou"};
  const std::string path = kerf::fuzz::ScratchFile(data + 1, size - 1, Extensions[data[0] % 4]);
  const kerf::MatchStock stock = data[0] & 4 ? kerf::MatchStock{75, 300} : kerf::MatchStock{};
  const kerf::Result<kerf::MatchTarget> target =
      kerf::ReadMatchTarget(path, stock, SuppliedCutters());
  // A refusal names the file and says why.
  if (!target && target.Error().rfind(path, 0) != 0) std::abort();
  return 0;
}
