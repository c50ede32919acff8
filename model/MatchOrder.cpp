// The profile matcher's last step: an order and fence side for the chosen cuts that is safe.
#include <algorithm>

#include "model/CutVerdict.h"
#include "model/MatchOrder.h"
#include "model/SectionRenderer.h"

namespace kerf::match {

namespace {

// One way to make a chosen cut: the same pixels from either of the two fence sides.
using Options = std::vector<Cut>;

float LeastBearing(const CutFigures& figures) {
  return std::min(figures.FenceAfter, figures.TableAfter);
}

class Orderer {
 public:
  Orderer(const std::vector<Tool>& cutters, const MatchTarget& target, int budget)
      : budget_(budget) {
    model_.SetCutterLibrary(cutters);
    setup_ = model_.TakeSetup();
    setup_.StockWidth = target.StockWidth;
    setup_.StockHeight = target.StockHeight;
    setup_.FaceOnTable = target.FaceOnTable;
  }

  // The figures the last of cuts gets in a measuring pass of them all.
  CutFigures Measure(const std::vector<Cut>& cuts) {
    setup_.Cuts = cuts;
    model_.ReplaceSetup(setup_);
    MeasureSection(model_, pictures_);
    ++passes_;
    --budget_;
    return pictures_.Figures.empty() ? CutFigures{} : pictures_.Figures.back();
  }

  // Depth-first over the remaining cuts, the one leaving most bearing tried first; only safe
  // cuts are taken. True when every cut found a safe place; order holds the cuts then.
  bool Safe(const std::vector<Options>& options, std::vector<bool>& used, std::vector<Cut>& order) {
    if (order.size() == options.size()) return true;
    struct Try {
      Cut cut;
      size_t index;
      CutFigures figures;
    };
    std::vector<Try> tries;
    for (size_t i = 0; i < options.size(); ++i) {
      if (used[i]) continue;
      for (const Cut& cut : options[i]) {
        if (budget_ <= 0) return false;
        order.push_back(cut);
        const CutFigures figures = Measure(order);
        order.pop_back();
        Cut judged = cut;
        static_cast<CutFigures&>(judged) = figures;
        if (JudgeCutOnTable(judged) != Verdict::Danger) tries.push_back({cut, i, figures});
      }
    }
    std::stable_sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) {
      return LeastBearing(a.figures) > LeastBearing(b.figures);
    });
    for (const Try& t : tries) {
      used[t.index] = true;
      order.push_back(t.cut);
      if (Safe(options, used, order)) return true;
      order.pop_back();
      used[t.index] = false;
      if (budget_ <= 0) return false;
    }
    return false;
  }

  // The order when no safe one was found: at each step a cut that is not Danger where there
  // is one, else the one leaving most bearing.
  std::vector<Cut> LeastDanger(const std::vector<Options>& options) {
    std::vector<Cut> order;
    std::vector<bool> used(options.size(), false);
    while (order.size() < options.size()) {
      bool found = false;
      Cut best;
      size_t bestIndex = 0;
      bool bestSafe = false;
      float bestBearing = -1;
      for (size_t i = 0; i < options.size(); ++i) {
        if (used[i]) continue;
        for (const Cut& cut : options[i]) {
          order.push_back(cut);
          Cut judged = cut;
          static_cast<CutFigures&>(judged) = Measure(order);
          order.pop_back();
          const bool safe = JudgeCutOnTable(judged) != Verdict::Danger;
          const float bearing = LeastBearing(judged);
          if (!found || (safe && !bestSafe) || (safe == bestSafe && bearing > bestBearing)) {
            found = true, best = cut, bestIndex = i, bestSafe = safe, bestBearing = bearing;
          }
        }
      }
      used[bestIndex] = true;
      order.push_back(best);
    }
    return order;
  }

  // Measures the whole plan; the cuts come back with their figures.
  std::vector<Cut> Finish(const std::vector<Cut>& order) {
    setup_.Cuts = order;
    model_.ReplaceSetup(setup_);
    MeasureSection(model_, pictures_);
    ++passes_;
    return model_.Cuts();
  }

  const Raster& Section() const { return pictures_.Measured; }
  int64_t Passes() const { return passes_; }

 private:
  Model model_;
  WorkSetup setup_;
  SectionPictures pictures_;
  int budget_;
  int64_t passes_ = 0;
};

}  // namespace

OrderedPlan OrderSafely(const std::vector<Tool>& cutters, const MatchTarget& target,
                        const TargetPicture& picture, const std::vector<Placement>& chosen,
                        int budget) {
  std::vector<Options> options;
  for (const Placement& p : chosen) {
    Options ways;
    for (int orientationCase : CasesOfTurn(p.Turn)) {
      Cut cut;
      if (!SettingsOf(orientationCase, p.V, p.U, picture.Left, picture.Top, cut.Fence, cut.Height))
        continue;
      cut.Face = FaceForCase(orientationCase, target.FaceOnTable);
      cut.Cutter = p.Cutter + 1;
      cut.CutterFileName = cutters[p.Cutter].FileName;
      ways.push_back(cut);
    }
    if (!ways.empty()) options.push_back(std::move(ways));
  }
  Orderer orderer(cutters, target, budget);
  std::vector<bool> used(options.size(), false);
  std::vector<Cut> order;
  OrderedPlan plan;
  if (!orderer.Safe(options, used, order)) order = orderer.LeastDanger(options);
  plan.Cuts = orderer.Finish(order);
  for (size_t i = 0; i < plan.Cuts.size(); ++i)
    if (JudgeCutOnTable(plan.Cuts[i]) == Verdict::Danger)
      plan.DangerCuts.push_back(static_cast<int>(i) + 1);
  plan.Section = orderer.Section();
  plan.MeasuringPasses = orderer.Passes();
  return plan;
}

}  // namespace kerf::match
