// libFuzzer target: project files from arbitrary bytes through the whole load path of a verb.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/CutReport.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "model/Progress.h"
#include "model/ReportWriters.h"
#include "model/SectionRenderer.h"
#include "project/CutterLibrary.h"
#include "project/ProjectFile.h"

namespace {

// The cutters supplied with the program, read once; the seed projects name them.
const std::vector<kerf::Tool>& SuppliedCutters() {
  static const std::vector<kerf::Tool> tools = [] {
    kerf::NoProgress quiet;
    kerf::CutterLibrary library = kerf::LoadCutterLibrary(KERF_DATA_DIR "/tools", quiet);
    if (library.Tools.empty()) std::abort();  // the fuzzer would test nothing of the cutters
    return library.Tools;
  }();
  return tools;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kerf::ProjectReadResult read = kerf::ParseProject(text);
  if (!read.Ok()) {
    // A fault always names where it is and what is wrong.
    if (read.Error().empty() || read.Line() < 0) std::abort();
    return 0;
  }
  if (read.Value().Cuts.size() > static_cast<size_t>(kerf::MaxProjectCuts)) std::abort();

  // Writing what was read and reading it again gives the same record, byte for byte.
  const std::string written = kerf::FormatProject(read.Value());
  const kerf::ProjectReadResult again = kerf::ParseProject(written);
  if (!again.Ok() || kerf::FormatProject(again.Value()) != written) std::abort();

  // What the verbs do after reading: apply with the cutter library, measure every cut, trace
  // the outline, and write the report as text and as RTF.
  kerf::Model model;
  model.SetCutterLibrary(SuppliedCutters());
  kerf::ApplyRecord(model, read.Value());
  model.SetProjectFileName("fuzz.ROU");
  if (model.StockWidth() < kerf::MinStockSize || model.StockWidth() > kerf::MaxStockSize ||
      model.StockHeight() < kerf::MinStockSize || model.StockHeight() > kerf::MaxStockSize) {
    std::abort();
  }
  kerf::SectionPictures pictures;
  kerf::Section section;
  kerf::MeasureSection(model, pictures, section);
  if (section.Cuts.size() != static_cast<size_t>(model.CutCount())) std::abort();
  for (const kerf::CutResult& measured : section.Cuts) {
    const kerf::CutFigures& cut = measured.Figures;
    for (float figure : {cut.FenceBefore, cut.TableBefore, cut.FenceAfter, cut.TableAfter}) {
      if (!(figure >= 0.0f && figure <= 100.0f)) std::abort();
    }
  }
  kerf::NoProgress quiet;
  kerf::PlotOutline(model, pictures, section, quiet);
  const kerf::CutReport report = kerf::BuildCutReport(model, section, "1/2/2026 12:00:00");
  if (kerf::ReportAsText(report).empty() != (model.CutCount() == 0)) std::abort();
  if (kerf::ReportAsRtf(report).rfind("{\\rtf1", 0) != 0) std::abort();
  return 0;
}
