// Speed of the section rasteriser: the measuring pass and the preview against a plain fill.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "project/CutterLibrary.h"

namespace {

using kerf::Model;

// The supplied cutters when the data directory holds bitmaps, else a few made-up profiles.
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

Cutters LoadCutters() {
  const std::string directory = std::string(KERF_SOURCE_DIR) + "/data/tools";
  bool hasBitmaps = false;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
    std::string extension = entry.path().extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    hasBitmaps |= extension == ".bmp";
  }
  if (hasBitmaps) {
    kerf::NoProgress progress;
    kerf::CutterLibrary library = kerf::LoadCutterLibrary(directory, progress);
    if (!library.Tools.empty())
      return {std::move(library.Tools), "supplied cutters from " + directory};
  }
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

// A 300 x 200 stock worked by `count` cuts that cycle through the cutters, the eight states,
// and fences and heights that bite into the stock.
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

void BM_FillBaseline(benchmark::State& state) {
  kerf::Raster raster(kerf::SectionSize, kerf::SectionSize);
  for (auto _ : state) {
    raster.Fill(kerf::White);
    benchmark::DoNotOptimize(raster.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillBaseline)->Unit(benchmark::kMicrosecond);

void BM_MeasureSection(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    kerf::MeasureSection(model);
    benchmark::DoNotOptimize(model.Image2.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MeasureSection)->ArgName("cuts")->Arg(0)->Arg(10)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

// The Profile window's frame picture: 250 x 250 with the mounted cutter outlined.
void BM_PreviewSection(benchmark::State& state) {
  Model model = WorkedModel(static_cast<int>(state.range(1)));
  const int zoom = static_cast<int>(state.range(0));
  for (auto _ : state) {
    kerf::Raster picture = kerf::PreviewSection(model, 250, 250, zoom, model.WoodSwatch, 30, 10);
    benchmark::DoNotOptimize(picture.Row(0));
  }
}
BENCHMARK(BM_PreviewSection)
    ->ArgNames({"zoom", "cuts"})
    ->Args({1, 10})
    ->Args({4, 10})
    ->Args({1, 50})
    ->Args({4, 50})
    ->Unit(benchmark::kMicrosecond);

// Keeps every run's mean wall and processor time so that the ratios to the baseline can be
// printed at the end. On a busy machine the processor time is the steadier figure.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
      const double n = static_cast<double>(run.iterations);
      Times& times = times_[run.benchmark_name()];
      times.wall = run.real_accumulated_time * 1e6 / n;
      times.cpu = run.cpu_accumulated_time * 1e6 / n;
    }
  }

  void PrintRatios() const {
    const auto baseline = times_.find("BM_FillBaseline");
    if (baseline == times_.end() || baseline->second.wall <= 0 || baseline->second.cpu <= 0)
      return;
    const Times& base = baseline->second;
    std::printf("\nCutters: %s (%zu)\n", TheCutters().Source.c_str(), TheCutters().Tools.size());
    std::printf("Baseline: plain fill of the 500 x 500 raster, %.1f us wall, %.1f us cpu\n",
                base.wall, base.cpu);
    std::printf("%-34s %10s %10s %12s %12s\n", "benchmark", "wall (us)", "cpu (us)",
                "wall ratio", "cpu ratio");
    for (const auto& [name, t] : times_)
      std::printf("%-34s %10.1f %10.1f %12.2f %12.2f\n", name.c_str(), t.wall, t.cpu,
                  t.wall / base.wall, t.cpu / base.cpu);
  }

 private:
  struct Times {
    double wall = 0;
    double cpu = 0;
  };
  std::map<std::string, Times> times_;
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
