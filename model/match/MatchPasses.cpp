// A plan's deep cuts split into passes of rising depth, as a woodworker takes a big profile.
#include <algorithm>
#include <cmath>

#include "model/match/MatchOrder.h"

namespace kerf::match {

namespace {

// The thickness of the wood one cut takes away at once, in inches: the widest disc that fits in
// what it removes from the section it found (the pixels of before it keeps and after it does
// not), measured across, so that a thin sliver along a long edge counts as thin.
double ThicknessRemoved(const Raster& before, const Raster& after) {
  // One row and column more than the section: the fence and the table lie just beyond it.
  const int n = Size + 1;
  const size_t count = static_cast<size_t>(n) * static_cast<size_t>(n);
  std::vector<uint8_t> stays(count, 1);
  bool any = false;
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const bool removed = before.Row(y)[x] != White && after.Row(y)[x] == White;
      stays[static_cast<size_t>(y) * static_cast<size_t>(n) + static_cast<size_t>(x)] =
          removed ? 0 : 1;
      any = any || removed;
    }
  }
  if (!any) return 0;
  const std::vector<float> distance = DistanceTransform(stays, n, n);
  float deepest = 0;
  for (size_t i = 0; i < count; ++i)
    if (stays[i] == 0) deepest = std::max(deepest, distance[i]);
  return std::max(0.0, 2.0 * deepest - 1.0) * PixelInches;
}

bool Same(const Raster& a, const Raster& b) {
  for (int y = 0; y < Size; ++y)
    if (!std::equal(a.Row(y), a.Row(y) + Size, b.Row(y))) return false;
  return true;
}

}  // namespace

std::vector<DepthPasses> SplitDeepCuts(PlanJudge& judge, OrderedPlan& plan, double mostAtOnce,
                                       size_t mostCuts) {
  std::vector<DepthPasses> groups;
  if (plan.Cuts.empty() || mostAtOnce <= 0) return groups;
  // The section before and after each cut of the plan as it was ordered.
  std::vector<Raster> sections;
  for (size_t k = 0; k <= plan.Cuts.size(); ++k) {
    judge.Judge(std::vector<Cut>(plan.Cuts.begin(), plan.Cuts.begin() + static_cast<long>(k)));
    sections.push_back(judge.Coarse());
  }
  Finish(judge, plan);
  const size_t dangers = plan.DangerCuts.size();
  std::vector<Cut> passes;
  for (size_t k = 0; k < plan.Cuts.size(); ++k) {
    const Cut& cut = plan.Cuts[k];
    const double thickness = ThicknessRemoved(sections[k], sections[k + 1]);
    int count = static_cast<int>(std::ceil(thickness / mostAtOnce - 1e-9));
    const size_t after = passes.size() + plan.Cuts.size() - k;  // cuts with this one unsplit
    if (after + static_cast<size_t>(std::max(count - 1, 0)) > mostCuts) count = 1;
    // The lighter passes stand back from the wood by an equal share of the thickness each:
    // the fence stepped back for a cut into an edge, the bit lowered for one into the face on
    // the table, whichever leaves the same section with no pass Danger that was not.
    for (int32_t Cut::*setting : {&Cut::Fence, &Cut::Height}) {
      if (count <= 1) break;
      const auto step = static_cast<int32_t>(std::ceil(thickness * 100 / count));
      OrderedPlan trial;
      trial.Cuts = passes;
      for (int i = count - 1; i >= 1; --i) {
        Cut lighter = cut;
        lighter.*setting -= step * i;
        trial.Cuts.push_back(lighter);
      }
      trial.Cuts.push_back(cut);
      trial.Cuts.insert(trial.Cuts.end(), plan.Cuts.begin() + static_cast<long>(k) + 1,
                        plan.Cuts.end());
      Finish(judge, trial);
      if (trial.DangerCuts.size() > dangers || !Same(trial.Section, sections.back())) continue;
      groups.push_back({static_cast<int>(passes.size()) + 1, count, step / 100.0, thickness,
                        setting == &Cut::Height});
      passes.insert(passes.end(), trial.Cuts.begin() + static_cast<long>(passes.size()),
                    trial.Cuts.begin() + static_cast<long>(passes.size()) + count - 1);
      break;
    }
    passes.push_back(cut);
  }
  plan.Cuts = std::move(passes);
  Finish(judge, plan);
  return groups;
}

}  // namespace kerf::match
