// Speed of the outline rebuild (measure, whiten, mark, trace) against a plain fill.
#include <benchmark/benchmark.h>

#include "bench/BenchWorkpieces.h"
#include "model/Model.h"
#include "model/OutlineTrace.h"
#include "model/PlotOutline.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"

namespace {

using kerf::Model;
using kerf::bench::TheCutters;
using kerf::bench::WorkedModel;

// A large 10 x 8 inch stock (or `width` x `height` hundredths) whose edges are profiled by
// `count` cuts from all eight states: most material stays, and the outline runs to a couple of
// thousand points.
Model ProfiledModel(int count, int width = 1000, int height = 800) {
  Model model;
  model.SetCutterLibrary(TheCutters().Tools);
  model.NewWorkpiece(width, height);
  for (int i = 0; i < count; ++i) {
    model.SetCurrentCutter(1 + (i * 7) % model.CutterCount());
    model.SetFaceOnTable(1 + i % 8);
    model.AppendCut(-80 + (i * 13) % 60, (i * 37) % 400);
  }
  model.SetFaceOnTable(3);
  model.SetCurrentCutter(1);
  return model;
}

// The baseline every figure is compared with: a plain fill of the 500 x 500 raster.
using kerf::bench::BM_FillBaseline;
BENCHMARK(BM_FillBaseline)->Unit(benchmark::kMicrosecond);

// Rebuilds `model` over and over with one tracer kept between rebuilds, as the desktop
// program does.
void RebuildRepeatedly(benchmark::State& state, Model model) {
  kerf::SectionPictures pictures;
  kerf::Section section;
  kerf::NoProgress progress;
  kerf::OutlineTracer tracer;
  for (auto _ : state) {
    kerf::PlotOutline(model, pictures, section, progress, tracer);
    benchmark::DoNotOptimize(pictures.Outline.Count);
  }
  state.counters["points"] = pictures.Outline.Count;
  state.counters["closed"] = pictures.Outline.Closed;
}

// The whole rebuild of the worked stock.
void BM_PlotOutline(benchmark::State& state) {
  RebuildRepeatedly(state, WorkedModel(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PlotOutline)
    ->ArgName("cuts")
    ->Arg(0)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond);

// The rebuild of a profiled moulding with a long outline.
void BM_PlotOutlineProfiled(benchmark::State& state) {
  RebuildRepeatedly(state, ProfiledModel(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PlotOutlineProfiled)
    ->ArgName("cuts")
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// The largest stock, 10 x 10 inches, which fills the section raster, with up to the most cuts
// a project may hold.
void BM_PlotOutlineLargest(benchmark::State& state) {
  RebuildRepeatedly(state, ProfiledModel(static_cast<int>(state.range(0)), 1000, 1000));
}
BENCHMARK(BM_PlotOutlineLargest)
    ->ArgName("cuts")
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// The same with a new tracer (and its mark grid) for every rebuild.
void BM_PlotOutlineFreshTracer(benchmark::State& state) {
  kerf::SectionPictures pictures;
  kerf::Section section;
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  for (auto _ : state) {
    kerf::PlotOutline(model, pictures, section, progress);
    benchmark::DoNotOptimize(pictures.Outline.Count);
  }
}
BENCHMARK(BM_PlotOutlineFreshTracer)->ArgName("cuts")->Arg(50)->Unit(benchmark::kMicrosecond);

// Marking and walking alone, on the measured section.
void BM_MarkAndTrace(benchmark::State& state) {
  kerf::SectionPictures pictures;
  kerf::Section section;
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  kerf::OutlineTracer tracer;
  // Leaves the whitened section in section.Picture.
  kerf::PlotOutline(model, pictures, section, progress, tracer);
  for (auto _ : state) {
    tracer.Mark(section.Picture);
    tracer.Trace(pictures.Outline);
    benchmark::DoNotOptimize(pictures.Outline.Count);
  }
}
BENCHMARK(BM_MarkAndTrace)->ArgName("cuts")->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return kerf::bench::RunWithRatios(argc, argv); }
