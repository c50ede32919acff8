// Speed of the outline rebuild (measure, whiten, mark, trace) against a plain fill.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "project/CutterLibrary.h"
#include "render/OutlineTrace.h"
#include "render/PlotOutline.h"

namespace {

using kerf::Model;

struct Cutters {
  std::vector<kerf::TTool> Tools;
  std::string Source;
};

kerf::TTool SyntheticCutter(const std::string& name, int rows, int (*radius)(int row)) {
  kerf::TTool tool;
  tool.Name = name;
  tool.FileName = name + ".bmp";
  tool.RowCount = rows;
  for (int l = 1; l <= rows; ++l) tool.Profile[static_cast<size_t>(l)] = static_cast<float>(radius(l));
  return tool;
}

// The supplied cutters when data/tools holds bitmaps, else a few made-up profiles.
Cutters LoadCutters() {
  const std::string directory = std::string(KERF_SOURCE_DIR) + "/data/tools";
  kerf::NoProgress progress;
  kerf::CutterLibrary library = kerf::LoadCutterLibrary(directory, progress);
  if (!library.Tools.empty()) return {std::move(library.Tools), "supplied cutters from " + directory};
  return {{SyntheticCutter("straight", 75, [](int) { return 25; }),
           SyntheticCutter("roundover", 60, [](int l) { return l < 25 ? 50 : 50 + (l - 25) / 2; }),
           SyntheticCutter("cove", 50, [](int l) { return 30 + (l * (50 - l)) / 40; }),
           SyntheticCutter("chamfer", 50, [](int l) { return 60 - l; })},
          "synthetic cutters (no bitmaps in " + directory + ")"};
}

const Cutters& TheCutters() {
  static const Cutters cutters = LoadCutters();
  return cutters;
}

// A 300 x 200 stock worked by `count` cuts cycling through the cutters and the eight states,
// at fences and heights that bite into the stock.
Model WorkedModel(int count) {
  Model model;
  model.SetCutterLibrary(TheCutters().Tools);
  model.NewWorkpiece(300, 200);
  for (int i = 0; i < count; ++i) {
    model.CurrentCutter = 1 + i % model.CutterCount();
    model.FaceOnTable = 1 + i % 8;
    model.AppendCut(-20 + (i * 37) % 120, -40 + (i * 53) % 160);
  }
  model.FaceOnTable = 3;
  model.CurrentCutter = 1;
  return model;
}

// A large 10 x 8 inch stock whose edges are profiled by `count` cuts from all eight states:
// most material stays, and the outline runs to a couple of thousand points.
Model ProfiledModel(int count) {
  Model model;
  model.SetCutterLibrary(TheCutters().Tools);
  model.NewWorkpiece(1000, 800);
  for (int i = 0; i < count; ++i) {
    model.CurrentCutter = 1 + (i * 7) % model.CutterCount();
    model.FaceOnTable = 1 + i % 8;
    model.AppendCut(-80 + (i * 13) % 60, (i * 37) % 400);
  }
  model.FaceOnTable = 3;
  model.CurrentCutter = 1;
  return model;
}

void BM_FillBaseline(benchmark::State& state) {
  kerf::Raster raster(kerf::SectionSize, kerf::SectionSize);
  for (auto _ : state) {
    raster.Fill(kerf::White);
    benchmark::DoNotOptimize(raster.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillBaseline)->Unit(benchmark::kMicrosecond);

// The whole rebuild as the desktop program runs it, with a tracer kept between rebuilds.
void BM_PlotOutline(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  kerf::OutlineTracer tracer;
  for (auto _ : state) {
    kerf::PlotOutline(model, progress, tracer);
    benchmark::DoNotOptimize(model.Outline.Count);
  }
  state.counters["points"] = model.Outline.Count;
  state.counters["closed"] = model.Outline.Closed;
}
BENCHMARK(BM_PlotOutline)->ArgName("cuts")->Arg(0)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

// The rebuild of a profiled moulding with a long outline.
void BM_PlotOutlineProfiled(benchmark::State& state) {
  Model model = ProfiledModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  kerf::OutlineTracer tracer;
  for (auto _ : state) {
    kerf::PlotOutline(model, progress, tracer);
    benchmark::DoNotOptimize(model.Outline.Count);
  }
  state.counters["points"] = model.Outline.Count;
  state.counters["closed"] = model.Outline.Closed;
}
BENCHMARK(BM_PlotOutlineProfiled)->ArgName("cuts")->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

// The same with a new tracer (and its mark grid) for every rebuild.
void BM_PlotOutlineFreshTracer(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  for (auto _ : state) {
    kerf::PlotOutline(model, progress);
    benchmark::DoNotOptimize(model.Outline.Count);
  }
}
BENCHMARK(BM_PlotOutlineFreshTracer)->ArgName("cuts")->Arg(50)->Unit(benchmark::kMicrosecond);

// Marking and walking alone, on the measured section.
void BM_MarkAndTrace(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  kerf::NoProgress progress;
  kerf::OutlineTracer tracer;
  kerf::PlotOutline(model, progress, tracer);  // leaves the whitened section in Image2
  for (auto _ : state) {
    tracer.Mark(model.Image2);
    tracer.Trace(model.Outline);
    benchmark::DoNotOptimize(model.Outline.Count);
  }
}
BENCHMARK(BM_MarkAndTrace)->ArgName("cuts")->Arg(50)->Unit(benchmark::kMicrosecond);

// Keeps every run's mean time so that the ratios to the baseline can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        microseconds_[run.benchmark_name()] =
            run.real_accumulated_time * 1e6 / static_cast<double>(run.iterations);
  }

  void PrintRatios() const {
    const auto baseline = microseconds_.find("BM_FillBaseline");
    if (baseline == microseconds_.end() || baseline->second <= 0) return;
    std::printf("\nCutters: %s (%zu)\n", TheCutters().Source.c_str(), TheCutters().Tools.size());
    std::printf("Baseline fill of the 500 x 500 raster: %.1f us\n", baseline->second);
    std::printf("%-36s %10s %12s\n", "benchmark", "time (us)", "x baseline");
    for (const auto& [name, us] : microseconds_)
      std::printf("%-36s %10.1f %12.2f\n", name.c_str(), us, us / baseline->second);
  }

 private:
  std::map<std::string, double> microseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
