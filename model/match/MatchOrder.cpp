// The profile matcher's last step: an order and fence side for the chosen cuts that is safe.
#include <algorithm>
#include <string>

#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "model/match/MatchOrder.h"

namespace kerf::match {

namespace {

// One way to make a chosen cut: the same pixels from either of the two fence sides.
using Options = std::vector<Cut>;

// The number of the first cutter of the library named fileName; the plan's cuts name their
// cutters by file name, as a project does, so a library holding a name twice gives the
// first. Otherwise (no such name) fallback.
int FirstOfName(const std::vector<Tool>& cutters, const std::string& fileName, int fallback) {
  for (size_t i = 0; i < cutters.size(); ++i)
    if (cutters[i].FileName == fileName) return static_cast<int>(i) + 1;
  return fallback;
}

float LeastBearing(const CutFigures& figures) {
  return std::min(figures.FenceAfter, figures.TableAfter);
}

class Orderer {
 public:
  Orderer(const std::vector<Tool>& cutters, const MatchTarget& target, int budget)
      : cutters_(cutters),
        stock_{target.StockWidth, target.StockHeight, target.FaceOnTable},
        budget_(budget) {}

  // The figures the last of cuts gets in a measuring pass of them all.
  CutFigures Measure(const std::vector<Cut>& cuts) {
    MeasureSetup(stock_, cuts, cutters_, section_);
    ++passes_;
    --budget_;
    return section_.Cuts.empty() ? CutFigures{} : section_.Cuts.back().Figures;
  }

  // Depth-first over the orders: at each step every remaining cut from each fence side is
  // measured, and the cuts that are not Danger are tried first, the one leaving most bearing
  // first of all; a branch with as many Danger cuts as the best order found is given up. The
  // first order tried is thus the one that takes, step by step, the safest cut; once the
  // budget of measuring passes is spent, the search only completes the order it is on.
  void Fewest(const std::vector<Options>& options, std::vector<bool>& used, std::vector<Cut>& order,
              int dangers) {
    if (dangers >= fewest_) return;
    if (order.size() == options.size()) {
      fewest_ = dangers;
      best_ = order;
      return;
    }
    struct Try {
      Cut cut;
      size_t index;
      bool danger;
      float bearing;
    };
    std::vector<Try> tries;
    for (size_t i = 0; i < options.size(); ++i) {
      if (used[i]) continue;
      for (const Cut& cut : options[i]) {
        order.push_back(cut);
        const CutFigures judged = Measure(order);
        order.pop_back();
        tries.push_back({cut, i, JudgeCutOnTable(judged) == Verdict::Danger, LeastBearing(judged)});
      }
    }
    std::stable_sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) {
      if (a.danger != b.danger) return !a.danger;
      return a.bearing > b.bearing;
    });
    for (const Try& t : tries) {
      if (budget_ <= 0 && !best_.empty()) return;
      used[t.index] = true;
      order.push_back(t.cut);
      Fewest(options, used, order, dangers + (t.danger ? 1 : 0));
      order.pop_back();
      used[t.index] = false;
    }
  }

  // The order with the fewest Danger cuts found (see Fewest).
  std::vector<Cut> Order(const std::vector<Options>& options) {
    std::vector<bool> used(options.size(), false);
    std::vector<Cut> order;
    fewest_ = static_cast<int>(options.size()) + 1;
    best_.clear();
    Fewest(options, used, order, 0);
    return best_;
  }

  // Measures the whole plan; what each cut of it was found to be.
  std::vector<CutResult> Finish(const std::vector<Cut>& order) {
    MeasureSetup(stock_, order, cutters_, section_);
    ++passes_;
    return section_.Cuts;
  }

  const Raster& Picture() const { return section_.Picture; }
  int64_t Passes() const { return passes_; }

 private:
  const std::vector<Tool>& cutters_;
  StockSetup stock_;
  Section section_;
  int budget_;
  int64_t passes_ = 0;
  int fewest_ = 0;         // Danger cuts of the best order found
  std::vector<Cut> best_;  // that order
};

}  // namespace

OrderedPlan OrderSafely(const std::vector<Tool>& cutters, const MatchTarget& target,
                        const TargetPicture& picture, const std::vector<Candidate>& chosen,
                        int budget) {
  std::vector<Options> options;
  for (const Candidate& p : chosen) {
    Options ways;
    for (int orientationCase : CasesOfTurn(p.Turn)) {
      Cut cut;
      if (!SettingsOf(orientationCase, p.V, p.U, picture.Left, picture.Top, cut.Fence, cut.Height))
        continue;
      cut.Face = FaceForCase(orientationCase, target.FaceOnTable);
      cut.CutterFileName = cutters[p.Cutter].FileName;
      cut.Cutter = FirstOfName(cutters, cut.CutterFileName, p.Cutter + 1);
      ways.push_back(cut);
    }
    if (!ways.empty()) options.push_back(std::move(ways));
  }
  Orderer orderer(cutters, target, budget);
  OrderedPlan plan;
  plan.Cuts = orderer.Order(options);
  plan.Measured = orderer.Finish(plan.Cuts);
  for (size_t i = 0; i < plan.Measured.size(); ++i)
    if (plan.Measured[i].Judged == Verdict::Danger)
      plan.DangerCuts.push_back(static_cast<int>(i) + 1);
  plan.Section = orderer.Picture();
  plan.MeasuringPasses = orderer.Passes();
  return plan;
}

}  // namespace kerf::match
