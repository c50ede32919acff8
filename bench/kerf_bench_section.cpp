// Speed of the section rasteriser: the measuring pass and the preview against a plain fill.
#include <benchmark/benchmark.h>

#include "bench/BenchWorkpieces.h"
#include "model/MachineLines.h"
#include "model/Model.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "model/TrialCut.h"

namespace {

using kerf::Model;
using kerf::bench::WorkedModel;

// The baseline every figure is compared with: a plain fill of the 500 x 500 raster.
using kerf::bench::BM_FillBaseline;
BENCHMARK(BM_FillBaseline)->Unit(benchmark::kMicrosecond);

// edited 0: the same set-up measured again, so the table's physics keeps its findings (a cut
// added after the list costs about the same); 1: every pass judges every cut again, as after a
// change of the stock or an edit inside the list.
void BM_MeasureSection(benchmark::State& state) {
  kerf::SectionPictures pictures;
  kerf::Section section;
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  const bool edited = state.range(1) != 0;
  for (auto _ : state) {
    if (edited) model.SetTableReach(model.TableReach() == 150 ? 151 : 150);
    kerf::MeasureSection(model, pictures, section);
    benchmark::DoNotOptimize(section.Picture.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MeasureSection)
    ->ArgNames({"cuts", "edited"})
    ->ArgsProduct({{0, 10, 50, 200}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The same pass as a function of the set-up, into a section kept from the last pass: what the
// matcher runs for every order it tries.
void BM_MeasureSetup(benchmark::State& state) {
  kerf::Section section;
  const Model model = WorkedModel(static_cast<int>(state.range(0)));
  const kerf::StockSetup stock = kerf::StockOf(model);
  for (auto _ : state) {
    kerf::MeasureSetup(stock, model.Cuts(), model.Cutters(), section);
    benchmark::DoNotOptimize(section.Picture.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MeasureSetup)
    ->ArgName("cuts")
    ->Arg(0)
    ->Arg(10)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond);

// The Profile window's frame picture: 250 x 250 with the mounted cutter outlined, without and
// with the table and fence drawn in (the cutter sunk into the table, so part of it is dashed).
void BM_PreviewSection(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(1)));
  const int zoom = static_cast<int>(state.range(0));
  const int margin = state.range(2) != 0 ? kerf::ProfileMachineMargin : 0;
  kerf::Raster scratch(kerf::SectionSize, kerf::SectionSize);
  for (auto _ : state) {
    kerf::Raster picture =
        kerf::PreviewSection(model, scratch, 250, 250, zoom, model.WoodSwatch(), 30, -10, margin);
    benchmark::DoNotOptimize(picture.Row(0));
  }
}
BENCHMARK(BM_PreviewSection)
    ->ArgNames({"zoom", "cuts", "machine"})
    ->Args({1, 10, 0})
    ->Args({1, 10, 1})
    ->Args({4, 10, 0})
    ->Args({4, 10, 1})
    ->Args({1, 50, 0})
    ->Args({4, 50, 1})
    ->Unit(benchmark::kMicrosecond);

// The Profile window's verdict while a slider moves: the cut list's section is kept, and each
// step paints only the trial cut on a copy of it.
void BM_TrialCutSliderStep(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::TrialCut trial;
  int32_t fence = -60;
  for (auto _ : state) {
    fence = fence >= 150 ? -60 : fence + 1;
    benchmark::DoNotOptimize(trial.Judge(model, fence, -20).FenceAfter);
  }
}
BENCHMARK(BM_TrialCutSliderStep)
    ->ArgName("cuts")
    ->Arg(50)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// The verdict after the cut list or the stock's state changed: the whole list measured again.
void BM_TrialCutNewList(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::TrialCut trial;
  bool turned = false;
  for (auto _ : state) {
    turned ? model.RotateStockClockwise() : model.RotateStockAnticlockwise();
    turned = !turned;
    benchmark::DoNotOptimize(trial.Judge(model, 30, -20).FenceAfter);
  }
}
BENCHMARK(BM_TrialCutNewList)
    ->ArgName("cuts")
    ->Arg(50)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return kerf::bench::RunWithRatios(argc, argv); }
