// Shared by the benchmarks: the cutters they cut with, a worked stock, and a reporter that
// prints every figure as a multiple of the plain-fill baseline.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Progress.h"
#include "model/SectionPictures.h"
#include "project/CutterLibrary.h"

namespace kerf::bench {

struct Cutters {
  std::vector<Tool> Tools;
  std::string Source;
};

inline Tool SyntheticCutter(const std::string& name, int rows, int (*radius)(int row)) {
  Tool tool;
  tool.Name = name;
  tool.FileName = name + ".bmp";
  tool.RowCount = rows;
  for (int l = 1; l <= rows; ++l)
    tool.Profile[static_cast<size_t>(l)] = static_cast<float>(radius(l));
  return tool;
}

// The supplied cutters when data/tools holds bitmaps, else a few made-up profiles.
inline Cutters LoadCutters() {
  const std::string directory = std::string(KERF_SOURCE_DIR) + "/data/tools";
  NoProgress progress;
  CutterLibrary library = LoadCutterLibrary(directory, progress);
  if (!library.Tools.empty())
    return {std::move(library.Tools), "supplied cutters from " + directory};
  return {{SyntheticCutter("straight", 75, [](int) { return 25; }),
           SyntheticCutter("roundover", 60, [](int l) { return l < 25 ? 50 : 50 + (l - 25) / 2; }),
           SyntheticCutter("cove", 50, [](int l) { return 30 + (l * (50 - l)) / 40; }),
           SyntheticCutter("chamfer", 50, [](int l) { return 60 - l; })},
          "synthetic cutters (no bitmaps in " + directory + ")"};
}

inline const Cutters& TheCutters() {
  static const Cutters cutters = LoadCutters();
  return cutters;
}

// A 300 x 200 stock worked by `count` cuts that cycle through the cutters, the eight states,
// and fences and heights that bite into the stock.
inline Model WorkedModel(int count) {
  Model model;
  model.SetCutterLibrary(TheCutters().Tools);
  model.NewWorkpiece(300, 200);
  for (int i = 0; i < count; ++i) {
    model.SetCurrentCutter(1 + i % model.CutterCount());
    model.SetFaceOnTable(1 + i % 8);
    model.AppendCut(-20 + (i * 37) % 120, -40 + (i * 53) % 160);
  }
  model.SetFaceOnTable(3);
  model.SetCurrentCutter(1);
  return model;
}

// The baseline every figure is compared with: a plain fill of the 500 x 500 raster.
inline void BM_FillBaseline(benchmark::State& state) {
  Raster raster(SectionSize, SectionSize);
  for (auto _ : state) {
    raster.Fill(White);
    benchmark::DoNotOptimize(raster.Row(0));
    benchmark::ClobberMemory();
  }
}

// Keeps every run's mean wall and processor time so that the ratios to the baseline run
// (named by `baseline`) can be printed at the end. On a busy machine the processor time is
// the steadier figure.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::string baseline) : baseline_(std::move(baseline)) {}

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
    const auto baseline = times_.find(baseline_);
    if (baseline == times_.end() || baseline->second.wall <= 0 || baseline->second.cpu <= 0) return;
    const Times& base = baseline->second;
    std::printf("\nCutters: %s (%zu)\n", TheCutters().Source.c_str(), TheCutters().Tools.size());
    std::printf("Baseline: plain fill of the 500 x 500 raster, %.1f us wall, %.1f us cpu\n",
                base.wall, base.cpu);
    std::printf("%-36s %10s %10s %12s %12s\n", "benchmark", "wall (us)", "cpu (us)", "wall ratio",
                "cpu ratio");
    for (const auto& [name, t] : times_)
      std::printf("%-36s %10.1f %10.1f %12.2f %12.2f\n", name.c_str(), t.wall, t.cpu,
                  t.wall / base.wall, t.cpu / base.cpu);
  }

 private:
  struct Times {
    double wall = 0;
    double cpu = 0;
  };
  std::string baseline_;
  std::map<std::string, Times> times_;
};

// Runs the registered benchmarks and prints the ratios to BM_FillBaseline.
inline int RunWithRatios(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter("BM_FillBaseline");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}

}  // namespace kerf::bench
