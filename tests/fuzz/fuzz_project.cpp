// libFuzzer target: project files from arbitrary bytes, read, written back, applied and drawn.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Model.h"
#include "model/SectionRenderer.h"
#include "project/ProjectFile.h"

namespace {

// One small cutter, "A.bmp", so that cuts naming it are painted with arbitrary settings.
kerf::TTool SmallCutter() {
  kerf::TTool tool;
  tool.Name = "A";
  tool.FileName = "A.bmp";
  tool.RowCount = 6;
  for (int l = 1; l <= tool.RowCount; ++l) tool.Profile[static_cast<size_t>(l)] = 10.0f * l;
  return tool;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kerf::ProjectReadResult read = kerf::ParseProject(text);
  if (!read.Ok) {
    // A fault always names where it is and what is wrong.
    if (read.Message.empty() || read.Line < 0) std::abort();
    return 0;
  }

  // Writing what was read and reading it again gives the same record, byte for byte.
  const std::string written = kerf::FormatProject(read.Record);
  const kerf::ProjectReadResult again = kerf::ParseProject(written);
  if (!again.Ok || kerf::FormatProject(again.Record) != written) std::abort();

  // Opening applies the record and rebuilds the section with every stored setting.
  kerf::Model model;
  model.SetCutterLibrary({SmallCutter()});
  kerf::ApplyRecord(model, read.Record);
  if (model.StockWidth < kerf::MinStockSize || model.StockWidth > kerf::MaxStockSize ||
      model.StockHeight < kerf::MinStockSize || model.StockHeight > kerf::MaxStockSize) {
    std::abort();
  }
  kerf::MeasureSection(model);
  for (int i = 1; i <= model.CutCount(); ++i) {
    const kerf::TCut& cut = model.CutList[static_cast<size_t>(i)];
    for (float figure : {cut.FenceBefore, cut.TableBefore, cut.FenceAfter, cut.TableAfter}) {
      if (!(figure >= 0.0f && figure <= 100.0f)) std::abort();
    }
  }
  return 0;
}
