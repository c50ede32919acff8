// The profile matcher's beam search over sequences of placements, scored on pixel classes.
#include <algorithm>
#include <functional>
#include <queue>
#include <set>

#include "model/match/MatchSearch.h"
#include "model/match/TaskPool.h"

namespace kerf::match {

namespace {

// What choosing the next cut costs on top of its pixels: a cut is only worth making when it
// puts right more than a sliver (six pixels beyond the tolerance, 0.003 square inches).
constexpr int64_t PassCost = int64_t{6} * MustWeight;

// A child of a plan in the beam: the parent, the placement added and what it gains.
struct Step {
  int Parent = 0;
  int Placement = 0;
  int32_t Gain = 0;
  int64_t Score = 0;
};

// A plan seen during the search, remembered without its pixels.
struct Seen {
  std::vector<int> Chosen;
  int64_t Score = 0;
  int MustLeft = 0;
};

// Better plans first: those reaching the target (nothing left beyond the tolerance) before
// those that do not; then the lower score with each cut's cost added.
bool Better(const Seen& a, const Seen& b) {
  const bool aReached = a.MustLeft == 0, bReached = b.MustLeft == 0;
  if (aReached != bReached) return aReached;
  const int64_t costA = a.Score + PassCost * static_cast<int64_t>(a.Chosen.size());
  const int64_t costB = b.Score + PassCost * static_cast<int64_t>(b.Chosen.size());
  return costA < costB;
}

int32_t WeightOf(uint8_t pixelClass) {
  switch (pixelClass) {
    case Must:
      return MustWeight;
    case Optional:
      return OptionalWeight;
    case Allowed:
      return -OvercutWeight;
    default:
      return 0;
  }
}

// The best `keep` placements to add to a plan, by what they gain.
std::vector<std::pair<int32_t, int>> BestNext(SearchContext& context, const PlanState& plan,
                                              const std::vector<Candidate>& placements, size_t keep,
                                              std::vector<int32_t>& values, GridSums& sums) {
  const TargetPicture& picture = *context.Picture;
  for (size_t i = 0; i < values.size(); ++i)
    values[i] = plan.Cut[i] ? 0 : WeightOf(picture.Class[i]);
  sums.Build(values.data());
  // A min-heap of the best so far; a placement's bound (what it gains on the bare target)
  // limits what it can gain now, and placements come largest bound first.
  std::priority_queue<std::pair<int32_t, int>, std::vector<std::pair<int32_t, int>>, std::greater<>>
      best;
  int64_t measured = 0;
  for (size_t i = 0; i < placements.size(); ++i) {
    const Candidate& p = placements[i];
    if (best.size() == keep && p.Bound <= best.top().first) break;
    if ((i & 1023) == 0 && context.Cancelled()) break;
    const CutterShape& shape = context.Shapes[p.Cutter][p.Turn];
    const int32_t gain = sums.Over(shape, p.Turn, p.V, p.U, false);
    ++measured;
    if (gain <= 0) continue;
    if (best.size() < keep) {
      best.emplace(gain, static_cast<int>(i));
    } else if (gain > best.top().first) {
      best.pop();
      best.emplace(gain, static_cast<int>(i));
    }
  }
  context.Measured += measured;
  std::vector<std::pair<int32_t, int>> out;
  while (!best.empty()) {
    out.push_back(best.top());
    best.pop();
  }
  return out;
}

// Whether the placement's bearing would run into wood the plan has not yet cut away.
bool BearingInWood(const SearchContext& context, const PlanState& plan, const Candidate& p) {
  const CutterShape& bearing = context.Bearings[p.Cutter][p.Turn];
  const bool across = Horizontal(p.Turn);
  for (const ShapeRun& run : bearing.Runs) {
    const int line = (across ? p.U : p.V) + run.Off;
    if (line < 0 || line >= Size) continue;
    const int from = std::max((across ? p.V : p.U) + run.Lo, 0);
    const int to = std::min((across ? p.V : p.U) + run.Hi, Size - 1);
    for (int i = from; i <= to; ++i) {
      const size_t at = across ? static_cast<size_t>(line) * Size + static_cast<size_t>(i)
                               : static_cast<size_t>(i) * Size + static_cast<size_t>(line);
      if (context.Picture->Class[at] != Air && !plan.Cut[at]) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<PlanState> BeamSearch(SearchContext& context, const std::vector<Candidate>& placements,
                                  int beamWidth, int maxPasses, int finalists,
                                  const std::function<void(double)>& report) {
  const TargetPicture& picture = *context.Picture;
  const size_t count = static_cast<size_t>(Size) * Size;
  const size_t width = static_cast<size_t>(std::max(beamWidth, 1));
  const size_t children = std::max<size_t>(2, std::min<size_t>(width, 8));

  std::vector<PlanState> beam(1);
  beam[0].Cut.assign(count, 0);
  beam[0].MustLeft = picture.MustCount;
  beam[0].Score =
      int64_t{MustWeight} * picture.MustCount + int64_t{OptionalWeight} * picture.OptionalCount;
  std::vector<Seen> seen{{{}, beam[0].Score, beam[0].MustLeft}};
  int reachedAt = -1;

  const int workers = std::max(context.Threads, 1);
  std::vector<std::vector<int32_t>> values(static_cast<size_t>(workers));
  std::vector<GridSums> sums(static_cast<size_t>(workers));
  for (int depth = 1; depth <= maxPasses && !beam.empty(); ++depth) {
    if (context.Cancelled()) break;
    // Expand every plan of the beam, one task per plan; each worker keeps its own grids.
    std::vector<std::vector<std::pair<int32_t, int>>> next(beam.size());
    auto work = [&](int task, int mine) {
      auto& grid = values[static_cast<size_t>(mine)];
      grid.resize(count);
      next[static_cast<size_t>(task)] =
          BestNext(context, beam[static_cast<size_t>(task)], placements, children, grid,
                   sums[static_cast<size_t>(mine)]);
    };
    RunTasks(workers, static_cast<int>(beam.size()), work, [&](int done) {
      report((depth - 1 + static_cast<double>(done) / static_cast<double>(beam.size())) /
             maxPasses);
    });

    std::vector<Step> steps;
    for (size_t b = 0; b < beam.size(); ++b)
      for (const auto& [gain, index] : next[b])
        steps.push_back({static_cast<int>(b), index, gain, beam[b].Score - gain});
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.Score < b.Score; });
    std::vector<PlanState> grown;
    std::set<std::vector<int>> kept;
    for (const Step& step : steps) {
      if (grown.size() == width) break;
      const PlanState& parent = beam[static_cast<size_t>(step.Parent)];
      std::vector<int> chosen = parent.Chosen;
      chosen.push_back(step.Placement);
      std::vector<int> key = chosen;
      std::sort(key.begin(), key.end());
      if (!kept.insert(key).second) continue;
      PlanState child;
      child.Chosen = std::move(chosen);
      child.Cut = parent.Cut;
      child.Score = step.Score;
      child.MustLeft = parent.MustLeft;
      const Candidate& p = placements[static_cast<size_t>(step.Placement)];
      if (BearingInWood(context, parent, p)) continue;
      std::vector<uint8_t> painted(count, 0);
      PaintPlacement(context.Shapes[p.Cutter][p.Turn], p.Turn, p.V, p.U, painted, 1);
      for (size_t i = 0; i < count; ++i) {
        if (!painted[i] || child.Cut[i] || picture.Class[i] == Air) continue;
        child.Cut[i] = 1;
        if (picture.Class[i] == Must) --child.MustLeft;
      }
      seen.push_back({child.Chosen, child.Score, child.MustLeft});
      if (child.MustLeft == 0 && reachedAt < 0) reachedAt = depth;
      grown.push_back(std::move(child));
    }
    beam = std::move(grown);
    // Once a plan reaches the target, one pass more may still find a better one; no further.
    if (reachedAt >= 0 && depth >= reachedAt + 1) break;
  }
  report(1.0);

  std::stable_sort(seen.begin(), seen.end(), Better);
  std::vector<PlanState> best;
  for (const Seen& s : seen) {
    if (static_cast<int>(best.size()) >= std::max(finalists, 1)) break;
    PlanState plan;
    plan.Chosen = s.Chosen;
    plan.Score = s.Score;
    plan.MustLeft = s.MustLeft;
    best.push_back(std::move(plan));
  }
  return best;
}

}  // namespace kerf::match
