// The profile matcher's last step: an order and fence side for the chosen cuts that is safe.
#include <algorithm>
#include <limits>
#include <string>

#include "model/CutVerdict.h"
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

// How bad an order's verdicts are: Danger cuts first, then Caution cuts.
int Badness(Verdict verdict) {
  return verdict == Verdict::Danger ? 1000 : verdict == Verdict::Caution ? 1 : 0;
}

class Orderer {
 public:
  Orderer(PlanJudge& judge, int budget) : judge_(judge), budget_(budget) {}

  // Depth-first over the orders: at each step every remaining cut from each fence side is
  // judged as the report judges it, and the sound cuts are tried first, Cut OK before Caution,
  // the one leaving most bearing first of all; a branch as bad as the best order found is given
  // up. The first order tried thus takes, step by step, the safest cut; once the budget of
  // judgings is spent, the search only completes the order it is on.
  void Fewest(const std::vector<Options>& options, std::vector<bool>& used, std::vector<Cut>& order,
              int badness) {
    if (badness >= fewest_) return;
    if (order.size() == options.size()) {
      fewest_ = badness;
      best_ = order;
      return;
    }
    struct Try {
      Cut Made;
      size_t Index;
      int Badness;
      float Bearing;
    };
    std::vector<Try> tries;
    for (size_t i = 0; i < options.size(); ++i) {
      if (used[i]) continue;
      for (const Cut& cut : options[i]) {
        order.push_back(cut);
        const CutResult judged = judge_.JudgeLast(order);
        --budget_;
        order.pop_back();
        tries.push_back({cut, i, Badness(judged.Judged), LeastBearing(judged.Figures)});
      }
    }
    std::stable_sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) {
      if (a.Badness != b.Badness) return a.Badness < b.Badness;
      return a.Bearing > b.Bearing;
    });
    for (const Try& t : tries) {
      if (budget_ <= 0 && !best_.empty()) return;
      used[t.Index] = true;
      order.push_back(t.Made);
      Fewest(options, used, order, badness + t.Badness);
      order.pop_back();
      used[t.Index] = false;
    }
  }

  // The order with the fewest Danger cuts, then Caution cuts, found (see Fewest).
  std::vector<Cut> Order(const std::vector<Options>& options) {
    std::vector<bool> used(options.size(), false);
    std::vector<Cut> order;
    fewest_ = std::numeric_limits<int>::max();
    best_.clear();
    Fewest(options, used, order, 0);
    return best_;
  }

 private:
  PlanJudge& judge_;
  int budget_;
  int fewest_ = 0;         // badness of the best order found
  std::vector<Cut> best_;  // that order
};

// Small moves of a cut's fence and height, in hundredths, nearest first: the section's pixels
// place a cut only to 0.022", and a bearing riding on the wood or a skin left may need less.
constexpr std::pair<int, int> Nudges[] = {{0, 0},  {1, 0},  {-1, 0},  {0, 1},  {0, -1},
                                          {2, 0},  {-2, 0}, {0, 2},   {0, -2}, {1, 1},
                                          {1, -1}, {-1, 1}, {-1, -1}, {3, 0},  {-3, 0}};

// Each Danger cut of the ordered plan replaced, where one is found, by the nearest setting of
// either fence side that the table allows (no cut of the plan then Danger).
void MendDangers(PlanJudge& judge, const std::vector<Options>& options, OrderedPlan& plan,
                 int32_t reach) {
  for (size_t at = 0; at < plan.Cuts.size(); ++at) {
    if (plan.Judged[at].Judged != Verdict::Danger) continue;
    const Cut was = plan.Cuts[at];
    const Options* ways = nullptr;
    for (const Options& o : options)
      for (const Cut& way : o)
        if (way.Face == was.Face && way.Fence == was.Fence && way.Height == was.Height &&
            way.CutterFileName == was.CutterFileName)
          ways = &o;
    if (ways == nullptr) continue;
    std::vector<Cut> upTo(plan.Cuts.begin(), plan.Cuts.begin() + static_cast<long>(at) + 1);
    bool mended = false;
    for (const Cut& way : *ways) {
      for (const auto& [fence, height] : Nudges) {
        Cut trial = way;
        trial.Fence += fence;
        trial.Height += height;
        if (trial.Height > reach ||
            (trial.Face == was.Face && trial.Fence == was.Fence && trial.Height == was.Height))
          continue;
        upTo.back() = trial;
        if (judge.JudgeLast(upTo).Judged == Verdict::Danger) continue;
        OrderedPlan mendedPlan = plan;
        mendedPlan.Cuts[at] = trial;
        Finish(judge, mendedPlan);
        if (mendedPlan.DangerCuts.size() >= plan.DangerCuts.size()) continue;
        plan = std::move(mendedPlan);
        mended = true;
        break;
      }
      if (mended) break;
    }
  }
}

}  // namespace

OrderedPlan OrderSafely(PlanJudge& judge, const std::vector<Tool>& cutters,
                        const MatchTarget& target, const TargetPicture& picture,
                        const std::vector<Candidate>& chosen, int budget, int32_t reach) {
  std::vector<Options> options;
  for (const Candidate& p : chosen) {
    Options ways;
    for (int orientationCase : CasesOfTurn(p.Turn)) {
      Cut cut;
      if (!SettingsOf(orientationCase, p.V, p.U, picture.Left, picture.Top, cut.Fence, cut.Height))
        continue;
      if (cut.Height > reach) continue;
      cut.Face = FaceForCase(orientationCase, target.FaceOnTable);
      cut.CutterFileName = cutters[p.Cutter].FileName;
      cut.Cutter = FirstOfName(cutters, cut.CutterFileName, p.Cutter + 1);
      ways.push_back(cut);
    }
    if (!ways.empty()) options.push_back(std::move(ways));
  }
  const int64_t before = judge.Passes();
  Orderer orderer(judge, budget);
  OrderedPlan plan;
  plan.Cuts = orderer.Order(options);
  Finish(judge, plan);
  if (!plan.DangerCuts.empty()) MendDangers(judge, options, plan, reach);
  plan.MeasuringPasses = judge.Passes() - before;
  return plan;
}

void Finish(PlanJudge& judge, OrderedPlan& plan) {
  plan.Judged = judge.Judge(plan.Cuts);
  plan.DangerCuts.clear();
  for (size_t i = 0; i < plan.Judged.size(); ++i)
    if (plan.Judged[i].Judged == Verdict::Danger)
      plan.DangerCuts.push_back(static_cast<int>(i) + 1);
  plan.Section = judge.Coarse();
}

OrderedPlan OrderSafely(const std::vector<Tool>& cutters, const MatchTarget& target,
                        const TargetPicture& picture, const std::vector<Candidate>& chosen,
                        int budget) {
  PlanJudge judge(cutters, {target.StockWidth, target.StockHeight, target.FaceOnTable},
                  DefaultTableReach);
  return OrderSafely(judge, cutters, target, picture, chosen, budget, DefaultTableReach);
}

}  // namespace kerf::match
