// The profile matcher on classical mouldings drawn from their geometry (bench/mouldings, SVG and
// DXF): per shape the time, the cuts, the worst deviation at true size, whether it is reached
// within 1/64" and how many plans judged were sound. With KERF_MATCH_KNOWN set, also on targets
// made from known plans (drawn from a fixed seed) and on the sample projects.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BenchWorkpieces.h"
#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "model/match/MatchFine.h"
#include "model/match/MatchOrder.h"
#include "model/match/ProfileMatch.h"
#include "project/MatchTargetFile.h"
#include "project/ProjectFile.h"
#include "project/TemplateExport.h"

namespace {

using kerf::Cut;
using kerf::MatchTarget;
using kerf::Model;
using kerf::bench::TheCutters;

struct KnownPlan {
  std::string Name;
  MatchTarget Target;
  int Passes = 0;  // cuts of the plan the target was made from
  std::vector<Cut> Cuts;
};

// How many Danger cuts the known plan still has in the safest order the matcher finds for it:
// where that is more than none, the matcher's answer cannot be expected to have none.
int KnownDangers(const KnownPlan& plan) {
  const kerf::match::TargetPicture picture = kerf::match::AnalyseTarget(plan.Target, 1.0 / 64);
  std::vector<kerf::match::Candidate> placements;
  for (const Cut& cut : plan.Cuts) {
    kerf::match::Candidate p;
    if (kerf::match::PlacementOfCut(cut, plan.Target.FaceOnTable, picture.Left, picture.Top, p))
      placements.push_back(p);
  }
  return static_cast<int>(
      kerf::match::OrderSafely(TheCutters().Tools, plan.Target, picture, placements, 2000)
          .DangerCuts.size());
}

MatchTarget TargetOf(const Model& model, const kerf::Section& section) {
  MatchTarget target;
  target.StockWidth = model.StockWidth();
  target.StockHeight = model.StockHeight();
  target.FaceOnTable = model.FaceOnTable();
  target.Keep.resize(static_cast<size_t>(kerf::SectionSize) * kerf::SectionSize);
  for (int y = 0; y < kerf::SectionSize; ++y)
    for (int x = 0; x < kerf::SectionSize; ++x)
      target.Keep[static_cast<size_t>(y * kerf::SectionSize + x)] =
          section.Picture.Row(y)[x] != kerf::White;
  return target;
}

MatchTarget TargetOf(const Model& model) { return TargetOf(model, kerf::MeasureSection(model)); }

size_t MaterialOf(const MatchTarget& target) {
  return static_cast<size_t>(std::count(target.Keep.begin(), target.Keep.end(), 1));
}

// Plans of one to six cuts of the supplied cutters on several stocks: every cut takes away
// something the earlier ones left, a real table can make it (its shank meets no wood, it
// parts nothing off) and the stock keeps at least a third of its section.
std::vector<KnownPlan> DrawnPlans() {
  std::mt19937 random(18);
  const std::pair<int, int> stocks[] = {{75, 300},  {200, 200}, {100, 400},
                                        {150, 250}, {400, 125}, {60, 180}};
  const auto& cutters = TheCutters().Tools;
  std::vector<KnownPlan> plans;
  for (int passes = 1; passes <= 6; ++passes) {
    for (int draw = 0; draw < 5; ++draw) {
      const auto [width, height] = stocks[(passes + draw) % 6];
      Model model;
      model.SetCutterLibrary(cutters);
      model.NewWorkpiece(width, height);
      const size_t whole = MaterialOf(TargetOf(model));
      for (int tries = 0; model.CutCount() < passes && tries < 400; ++tries) {
        const size_t before = MaterialOf(TargetOf(model));
        model.SetFaceOnTable(1 + static_cast<int>(random() % 8));
        model.SetCurrentCutter(1 + static_cast<int>(random() % cutters.size()));
        const bool odd = model.FaceOnTable() % 2 == 1;
        const int across = odd ? height : width, upright = odd ? width : height;
        const int fence = -30 + static_cast<int>(random() % static_cast<unsigned>(across / 2 + 30));
        const int rise = -60 + static_cast<int>(random() % static_cast<unsigned>(upright / 2 + 60));
        model.AppendCut(fence, rise);
        const kerf::Section section = kerf::MeasureSection(model);
        const size_t after = MaterialOf(TargetOf(model, section));
        const bool makeable =
            kerf::CutProblem(section.ResultOfCut(model.CutCount()).Figures).empty();
        if (after == before || after * 3 < whole || !makeable) model.DeleteCut(model.CutCount());
      }
      model.SetFaceOnTable(1 + static_cast<int>(random() % 8));
      KnownPlan plan;
      plan.Passes = model.CutCount();
      plan.Cuts = model.Cuts();
      plan.Target = TargetOf(model);
      plan.Name = "plan" + std::to_string(passes) + "." + std::to_string(draw) + "/" +
                  std::to_string(width) + "x" + std::to_string(height);
      plan.Target.Name = plan.Name;
      plans.push_back(std::move(plan));
    }
  }
  return plans;
}

std::vector<KnownPlan> SamplePlans() {
  std::vector<KnownPlan> plans;
  const std::filesystem::path folder = std::filesystem::path(KERF_SOURCE_DIR) / "data" / "work";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".ROU") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    const kerf::ProjectReadResult read = kerf::ReadProjectFile(file.string());
    if (!read) continue;
    Model model;
    model.SetCutterLibrary(TheCutters().Tools);
    kerf::ApplyRecord(model, read.Value());
    KnownPlan plan;
    plan.Passes = model.CutCount();
    plan.Cuts = model.Cuts();
    plan.Target = TargetOf(model);
    plan.Name = "sample/" + file.stem().string();
    std::replace(plan.Name.begin(), plan.Name.end(), ' ', '_');
    plan.Target.Name = plan.Name;
    plans.push_back(std::move(plan));
  }
  return plans;
}

// The search's options, from KERF_MATCH_BEAM and KERF_MATCH_THREADS when set (to compare a
// greedy search, width 1, with the default beam).
kerf::MatchOptions OptionsFromEnvironment() {
  kerf::MatchOptions options;
  if (const char* beam = std::getenv("KERF_MATCH_BEAM")) options.BeamWidth = std::atoi(beam);
  if (const char* threads = std::getenv("KERF_MATCH_THREADS")) options.Threads = std::atoi(threads);
  return options;
}

void BM_Match(benchmark::State& state, const KnownPlan& plan) {
  kerf::MatchResult result;
  for (auto _ : state) {
    kerf::NoProgress progress;
    result =
        kerf::MatchProfile(TheCutters().Tools, plan.Target, OptionsFromEnvironment(), progress);
    benchmark::DoNotOptimize(result.Cuts.data());
  }
  const int passes = static_cast<int>(result.Cuts.size());
  state.counters["reached"] = result.Reached ? 1 : 0;
  state.counters["passes"] = passes;
  state.counters["known"] = plan.Passes;
  state.counters["area%"] = result.AreaReachedPercent;
  state.counters["dev_in"] = result.LargestDeviationInches;
  state.counters["danger"] = static_cast<double>(result.DangerCuts.size());
  const int knownDangers = KnownDangers(plan);
  state.counters["known_danger"] = knownDangers;
  state.counters["seconds"] = result.Seconds;
  state.counters["cand/s"] =
      result.Seconds > 0 ? static_cast<double>(result.CandidatesMeasured) / result.Seconds : 0;
  std::printf(
      "%-32s %s passes %d (known %d)%s  %5.1f s  %8.0f candidates/s  area %5.1f%%  "
      "dev %.3f\"  danger %zu (known plan %d)\n",
      plan.Name.c_str(), result.Reached ? "reached" : "PARTLY ", passes, plan.Passes,
      passes > plan.Passes + 1 ? " TOO MANY" : "", result.Seconds, state.counters["cand/s"].value,
      result.AreaReachedPercent, result.LargestDeviationInches, result.DangerCuts.size(),
      knownDangers);
}

// The plan's worst deviation from the drawing measured on the plan's own full-size template,
// written as SVG and read back as a target is read, in mm; -1 when it cannot be made or read.
double TemplateDeviation(const MatchTarget& drawing, const kerf::MatchResult& result) {
  Model model;
  model.SetCutterLibrary(TheCutters().Tools);
  kerf::WorkSetup setup = model.TakeSetup();
  setup.StockWidth = drawing.StockWidth;
  setup.StockHeight = drawing.StockHeight;
  setup.FaceOnTable = result.FaceOnTable;
  setup.Cuts = result.Cuts;
  model.ReplaceSetup(setup);
  const std::string path =
      (std::filesystem::temp_directory_path() / ("kerf_bench_template_" + drawing.Name + ".svg"))
          .string();
  if (!kerf::ExportTemplate(model, path)) return -1;
  const kerf::Result<MatchTarget> read = kerf::ReadMatchTarget(path, {}, TheCutters().Tools);
  std::filesystem::remove(path);
  if (!read || read.Value().FineKeep.empty()) return -1;
  const MatchTarget& made = read.Value();
  const kerf::match::FineTarget wanted = kerf::match::MakeFineTarget(drawing);
  if (made.FineAcross != wanted.Across || made.FineUp != wanted.Up) return -1;
  kerf::Raster picture(wanted.Across, wanted.Up);
  for (int y = 0; y < wanted.Up; ++y)
    for (int x = 0; x < wanted.Across; ++x)
      picture.Row(y)[x] =
          made.FineKeep[static_cast<size_t>(y) * static_cast<size_t>(wanted.Across) +
                        static_cast<size_t>(x)] != 0
              ? kerf::Black
              : kerf::White;
  return kerf::match::MeasureDeviation(wanted, picture, {}, result.ToleranceInches).Worst() * 25.4;
}

struct Moulding {
  std::string Name, File, OwnBit;
  kerf::MatchStock Stock;
};

std::vector<Moulding> Mouldings() {
  const std::filesystem::path folder =
      std::filesystem::path(KERF_SOURCE_DIR) / "bench" / "mouldings";
  std::ifstream index(folder / "mouldings.txt");
  std::vector<Moulding> shapes;
  std::string line;
  while (std::getline(index, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    Moulding m;
    std::string stock;
    words >> m.Name >> stock >> m.OwnBit;
    const size_t x = stock.find('x');
    m.Stock = {std::atoi(stock.substr(0, x).c_str()), std::atoi(stock.substr(x + 1).c_str())};
    std::replace(m.OwnBit.begin(), m.OwnBit.end(), '_', ' ');
    for (const char* ext : {".svg", ".dxf"}) {
      m.File = (folder / (m.Name + ext)).string();
      shapes.push_back(m);
    }
  }
  return shapes;
}

void BM_Moulding(benchmark::State& state, const Moulding& shape) {
  const kerf::Result<MatchTarget> target =
      kerf::ReadMatchTarget(shape.File, shape.Stock, TheCutters().Tools);
  if (!target) {
    state.SkipWithError(target.Error().c_str());
    return;
  }
  kerf::MatchResult result;
  for (auto _ : state) {
    kerf::NoProgress progress;
    result =
        kerf::MatchProfile(TheCutters().Tools, target.Value(), OptionsFromEnvironment(), progress);
    benchmark::DoNotOptimize(result.Cuts.data());
  }
  std::string bits;
  for (const Cut& cut : result.Cuts) {
    const std::string name = cut.CutterFileName.substr(0, cut.CutterFileName.rfind('.'));
    if (bits.find(name) == std::string::npos) bits += (bits.empty() ? "" : " + ") + name;
  }
  for (const kerf::DepthPasses& deep : result.Deep)
    bits += "; #" + std::to_string(deep.First) + " in " + std::to_string(deep.Count) + " passes (" +
            std::to_string(static_cast<int>(deep.Thickness * 100)) + "/100\")";
  const std::string kind = shape.File.substr(shape.File.size() - 3);
  const double onTemplate = TemplateDeviation(target.Value(), result);
  const bool honest =
      !result.Reached || (onTemplate >= 0 && onTemplate <= result.ToleranceInches * 25.4 + 1e-6);
  std::printf("| %-13s | %s | %5.2f | %4zu | %6.3f | %-7s | %6.3f%s | %2d of %2d | %s%s |\n",
              shape.Name.c_str(), kind.c_str(), result.Seconds, result.Cuts.size(),
              result.WorstInches() * 25.4, result.Reached ? "reached" : "no", onTemplate,
              honest ? "" : " !", result.SoundPlans, result.PlansJudged, bits.c_str(),
              result.DangerCuts.empty() ? "" : " DANGER");
  state.counters["template_mm"] = onTemplate;
  state.counters["seconds"] = result.Seconds;
  state.counters["cuts"] = static_cast<double>(result.Cuts.size());
  state.counters["dev_mm"] = result.WorstInches() * 25.4;
  state.counters["reached"] = result.Reached ? 1 : 0;
  state.counters["sound"] = result.SoundPlans;
}

}  // namespace

int main(int argc, char** argv) {
  static std::vector<Moulding> shapes = Mouldings();
  for (const Moulding& shape : shapes) {
    benchmark::RegisterBenchmark(
        ("BM_Moulding/" + shape.Name + "." + shape.File.substr(shape.File.size() - 3)).c_str(),
        BM_Moulding, shape)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
  }
  static std::vector<KnownPlan> plans;
  if (std::getenv("KERF_MATCH_KNOWN") != nullptr) {
    plans = DrawnPlans();
    for (KnownPlan& sample : SamplePlans()) plans.push_back(std::move(sample));
  }
  for (const KnownPlan& plan : plans) {
    benchmark::RegisterBenchmark(("BM_Match/" + plan.Name).c_str(), BM_Match, plan)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("Cutters: %s (%zu)\n", TheCutters().Source.c_str(), TheCutters().Tools.size());
  std::printf(
      "| shape         | kind | s     | cuts | dev mm | reached | tmpl mm | sound    | bits |\n");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
