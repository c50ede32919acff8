// MatchProfile: proposes placements, beam-searches plans, orders the best safely and assesses it.
#include "model/match/ProfileMatch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <set>
#include <thread>
#include <tuple>
#include <utility>

#include "model/CutVerdict.h"
#include "model/match/MatchFine.h"
#include "model/match/MatchOrder.h"
#include "model/match/MatchSearch.h"

// How the search goes:
//
// 1. The target's pixels are classed (MatchPicture.cpp): what it removes beyond the tolerance
//    (must go), within it (may stay), what it keeps within the tolerance (may go) and beyond
//    it (must stay). A pixel is 0.022" across and the tolerance 1/64" is 0.016", so a wrong
//    pixel counts as within the tolerance only where it shares a side with a right one: its
//    centre lies half a pixel (0.011") beyond the boundary the target's pixels put there.
// 2. A cutter paints the same pixels about its axis wherever the axis lands, in each of four
//    turns (MatchShapes.cpp), so every anchor its fence and height can reach is tried with row
//    and column sums over the classes (MatchPropose.cpp): a placement is kept when it removes
//    something the target removes, nothing that must stay, and its shank need not pass
//    through wood that stays. Each anchor tried counts as one candidate measured.
// 3. A beam search (MatchBeam.cpp) adds one placement a pass, scoring the pixels still wrong:
//    must-go pixels left weigh 4, may-stay pixels left 1, may-go pixels cut 2.
// 4. The best plans are put in order (MatchOrder.cpp) with full measuring passes of the
//    section renderer: each cut from whichever fence side and at whichever place leaves most
//    bearing with no Danger cut. The first plan that can be made so is taken, else the best.
// 5. The plan's measured section is compared with the target for the report's figures.
namespace kerf {

namespace {

using namespace match;

constexpr int DefaultBeamWidth = 12;
constexpr int Finalists = 6;        // plans of the beam tried for a safe order
constexpr int OrderBudget = 30;     // judgings spent looking for one plan's safe order
constexpr int SingleBeam = 3;       // width of the beam of each cutter on its own
constexpr int SingleFinalists = 1;  // plans of each cutter on its own that are kept
constexpr int AloneJudged = 10;     // of those, the cheapest judged
constexpr int64_t AlonePassCost = int64_t{6} * MustWeight;  // as the beam weighs a pass
constexpr int Refined = 8;      // plans whose settings are refined to the hundredth
constexpr int MostJudged = 28;  // plans judged at most

// Everything of a cutter that the search sees: two cutters alike in these make the same cuts.
using CutterBody = std::tuple<int32_t, int32_t, int32_t, std::array<float, MaxProfileRows + 1>>;

// The cutters worth searching with: each file name once (a project names cutters by file
// name, so a later cutter of the same name could not be told apart), each body once (a copy
// under another name makes only the cuts the first makes, and the first is the one a plan
// names), and only cutters that can touch the target: one with no cutting row, or whose shape
// meets what the target removes from no anchor the sliders reach in any turn, makes no cut a
// plan could hold, and its placements are never measured.
void ChooseCutters(SearchContext& context) {
  const std::vector<Tool>& cutters = *context.Cutters;
  std::set<std::string> names;
  std::set<CutterBody> bodies;
  context.Shapes.resize(cutters.size());
  context.Bearings.resize(cutters.size());
  context.Rings.resize(cutters.size());
  for (size_t i = 0; i < cutters.size(); ++i) {
    const Tool& tool = cutters[i];
    if (!names.insert(tool.FileName).second) continue;
    if (!bodies.insert({tool.RedWidth, tool.BearingRow, tool.RowCount, tool.Profile}).second)
      continue;
    const auto rowsEnd = tool.Profile.begin() + 1 + std::clamp(tool.RowCount, 0, MaxProfileRows);
    if (std::all_of(tool.Profile.begin() + 1, rowsEnd, [](float r) { return r == 0; })) continue;
    bool any = false;
    for (size_t turn = 0; turn < static_cast<size_t>(TurnCount); ++turn) {
      CutterShape shape = ShapeOf(tool, static_cast<int>(turn));
      int v0 = 0, v1 = 0, u0 = 0, u1 = 0;
      if (!AnchorRange(*context.Picture, shape, static_cast<int>(turn), v0, v1, u0, u1)) continue;
      context.Shapes[i][turn] = std::move(shape);
      context.Bearings[i][turn] = BearingShapeOf(tool, static_cast<int>(turn));
      context.Rings[i][turn] = BearingRingOf(tool, static_cast<int>(turn));
      any = true;
    }
    if (any) context.Usable.push_back(static_cast<int>(i));
  }
}

// Splits the pixels set in `on` into eight-connected parts.
std::vector<std::vector<int>> Parts(std::vector<uint8_t> on) {
  std::vector<std::vector<int>> parts;
  std::vector<int> stack;
  for (int start = 0; start < Size * Size; ++start) {
    if (!on[static_cast<size_t>(start)]) continue;
    std::vector<int> part;
    on[static_cast<size_t>(start)] = 0;
    stack.push_back(start);
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      part.push_back(i);
      const int x = i % Size, y = i / Size;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= Size || ny >= Size) continue;
          const size_t j = static_cast<size_t>(ny) * Size + static_cast<size_t>(nx);
          if (!on[j]) continue;
          on[j] = 0;
          stack.push_back(ny * Size + nx);
        }
      }
    }
    parts.push_back(std::move(part));
  }
  return parts;
}

// Which of the pixels set in `left` some proposed placement covers.
std::vector<uint8_t> Reachable(const SearchContext& context,
                               const std::vector<Candidate>& placements,
                               const std::vector<uint8_t>& left) {
  std::vector<int32_t> grid(left.begin(), left.end());
  GridSums sums;
  sums.Build(grid.data());
  std::vector<uint8_t> painted(left.size(), 0);
  for (const Candidate& p : placements) {
    const CutterShape& shape = context.Shapes[p.Cutter][p.Turn];
    if (sums.Over(shape, p.Turn, p.V, p.U, true) > 0)
      PaintPlacement(shape, p.Turn, p.V, p.U, painted, 1);
  }
  for (size_t i = 0; i < left.size(); ++i) painted[i] = painted[i] && left[i];
  return painted;
}

void AddShortfalls(const TargetPicture& picture, const std::vector<uint8_t>& left, bool noCutter,
                   MatchResult& result) {
  for (const std::vector<int>& part : Parts(left)) {
    MatchShortfall shortfall;
    shortfall.Left = Size, shortfall.Top = Size, shortfall.Right = 0, shortfall.Bottom = 0;
    int deepest = part.front();
    for (int i : part) {
      const int x = i % Size, y = i / Size;
      shortfall.Left = std::min(shortfall.Left, x),
      shortfall.Right = std::max(shortfall.Right, x + 1);
      shortfall.Top = std::min(shortfall.Top, y),
      shortfall.Bottom = std::max(shortfall.Bottom, y + 1);
      if (picture.ToKept[static_cast<size_t>(i)] > picture.ToKept[static_cast<size_t>(deepest)])
        deepest = i;
    }
    shortfall.Pixels = static_cast<int>(part.size());
    shortfall.NoCutter = noCutter;
    shortfall.PlaceX = deepest % Size, shortfall.PlaceY = deepest / Size;
    shortfall.Place = PlaceInWords(picture.Left, picture.Top, shortfall.PlaceX, shortfall.PlaceY,
                                   LengthUnit::Imperial);
    result.Shortfalls.push_back(std::move(shortfall));
  }
}

// The figures of the match from the plan's measured section.
void Assess(const SearchContext& context, const std::vector<Candidate>& placements,
            const Raster& section, MatchResult& result) {
  const TargetPicture& picture = *context.Picture;
  int removed = 0;
  double largest = 0;
  bool reached = true;
  std::vector<uint8_t> left(static_cast<size_t>(Size) * Size, 0);
  for (int y = picture.Top; y < Size; ++y) {
    for (int x = picture.Left; x < Size; ++x) {
      const size_t i = static_cast<size_t>(y) * Size + static_cast<size_t>(x);
      const uint8_t c = picture.Class[i];
      const bool planKeeps = section.Row(y)[x] != White;
      const bool targetKeeps = c == Allowed || c == Forbidden;
      if (!targetKeeps && !planKeeps) ++removed;
      if (planKeeps == targetKeeps) continue;
      const double off = (targetKeeps ? picture.ToCut[i] : picture.ToKept[i]) - 0.5;
      if (c == Must || c == Forbidden) reached = false;
      if (c == Must) left[i] = 1;
      if (off > largest || result.DeviationX < 0) {
        largest = off;
        result.DeviationX = x, result.DeviationY = y;
        result.DeviationCutAway = targetKeeps;
      }
    }
  }
  (void)reached;
  result.AreaReachedPercent =
      picture.RemoveCount > 0 ? 100.0 * removed / picture.RemoveCount : 100.0;
  if (result.DeviationX >= 0)
    result.DeviationPlace = PlaceInWords(picture.Left, picture.Top, result.DeviationX,
                                         result.DeviationY, LengthUnit::Imperial);
  const std::vector<uint8_t> reachable = Reachable(context, placements, left);
  std::vector<uint8_t> unreachable(left.size(), 0);
  for (size_t i = 0; i < left.size(); ++i) unreachable[i] = left[i] && !reachable[i];
  AddShortfalls(picture, unreachable, true, result);
  AddShortfalls(picture, reachable, false, result);
}

// A plan as it was judged: its cuts in order with their verdicts and how far it lies from the
// target at true size.
struct JudgedPlan {
  OrderedPlan Plan;
  FineDeviation Off;
  int Cutters = 0;
  int Riding = 0;         // cuts whose bearing rides on wood the plan leaves (see RidingCuts)
  bool Sound = false;     // no Danger cut
  bool Cautious = false;  // some cut is Caution
  bool Reached = false;
};

// How many of the cuts ride their guide bearing on wood the finished section keeps: a bit set
// by its own bearing, so that its whole profile is the one it leaves.
int RidingCuts(const std::vector<Tool>& cutters, const std::vector<Cut>& cuts,
               const Raster& section, int faceOnTable, int left, int top) {
  int riding = 0;
  for (const Cut& cut : cuts) {
    Candidate p;
    if (!PlacementOfCut(cut, faceOnTable, left, top, p) || p.Cutter >= cutters.size()) continue;
    const Tool& tool = cutters[p.Cutter];
    if (tool.BearingRow <= 0 || tool.RedWidth <= 0) continue;
    // Wood just beyond the bearing's disc is wood it rides on.
    std::vector<uint8_t> mask(static_cast<size_t>(Size) * Size, 0);
    PaintPlacement(BearingRingOf(tool, p.Turn), p.Turn, p.V, p.U, mask, 1);
    bool touches = false;
    for (int y = top; y < Size && !touches; ++y)
      for (int x = left; x < Size && !touches; ++x)
        touches = mask[static_cast<size_t>(y) * Size + static_cast<size_t>(x)] != 0 &&
                  section.Row(y)[x] != White;
    riding += touches ? 1 : 0;
  }
  return riding;
}

int CutterCount(const std::vector<Cut>& cuts) {
  std::set<std::string> names;
  for (const Cut& cut : cuts) names.insert(cut.CutterFileName);
  return static_cast<int>(names.size());
}

// The order woodworkers prefer plans in: sound before not; reached before not; among reached
// plans those with no Caution cut, then the fewest cutters, the fewest passes, a bit whose own
// profile is the drawing's (every cut set by its bearing riding on wood that stays), the most
// cuts riding a bearing and the smaller worst deviation; among the rest the least wood beyond
// the tolerance. A bit's own profile is weighed after the passes: a bearing bit nibbling the
// drawing in many passes rides its bearing too, and a one-cutter plan that the bit's own profile
// makes needs no more passes than another one-cutter plan.
bool OwnProfile(const JudgedPlan& plan) {
  return plan.Cutters == 1 && plan.Riding == static_cast<int>(plan.Plan.Cuts.size());
}

bool Preferred(const JudgedPlan& a, const JudgedPlan& b) {
  if (a.Sound != b.Sound) return a.Sound;
  if (a.Reached != b.Reached) return a.Reached;
  if (a.Reached) {
    if (a.Cautious != b.Cautious) return !a.Cautious;
    if (a.Cutters != b.Cutters) return a.Cutters < b.Cutters;
    if (a.Plan.Cuts.size() != b.Plan.Cuts.size()) return a.Plan.Cuts.size() < b.Plan.Cuts.size();
    const bool ownA = OwnProfile(a), ownB = OwnProfile(b);
    if (ownA != ownB) return ownA;
    if (a.Riding != b.Riding) return a.Riding > b.Riding;
  }
  // A plan that reaches the target is judged by its worst place; one that does not by how much
  // of the section lies beyond the tolerance, however deep its one worst place.
  if (a.Reached && a.Off.Worst() != b.Off.Worst()) return a.Off.Worst() < b.Off.Worst();
  if (a.Off.Excess != b.Off.Excess) return a.Off.Excess < b.Off.Excess;
  if (a.Cautious != b.Cautious) return !a.Cautious;
  return a.Plan.Cuts.size() < b.Plan.Cuts.size();
}

// What a plan of placements leaves wrong on the section's pixels, weighed as the beam weighs it
// (a cut into what must stay as a must-go pixel left), with each pass's cost added.
int64_t CoarseCost(const SearchContext& context, const TargetPicture& picture,
                   const std::vector<Candidate>& cuts) {
  std::vector<uint8_t> cut(picture.Class.size(), 0);
  for (const Candidate& p : cuts)
    PaintPlacement(context.Shapes[p.Cutter][p.Turn], p.Turn, p.V, p.U, cut, 1);
  int64_t cost = AlonePassCost * static_cast<int64_t>(cuts.size());
  for (size_t i = 0; i < cut.size(); ++i) {
    switch (picture.Class[i]) {
      case Must:
        cost += cut[i] ? 0 : MustWeight;
        break;
      case Optional:
        cost += cut[i] ? 0 : OptionalWeight;
        break;
      case Allowed:
        cost += cut[i] ? OvercutWeight : 0;
        break;
      case Forbidden:
        cost += cut[i] ? MustWeight : 0;
        break;
      default:
        break;
    }
  }
  return cost;
}

// The best plan of each usable cutter on its own that leaves little of the target standing,
// with its cost on picture (see CoarseCost).
void SearchAlone(SearchContext& context, const std::vector<Candidate>& placements, int passes,
                 const TargetPicture& picture, const std::function<void(double)>& report,
                 std::vector<std::pair<int64_t, std::vector<Candidate>>>& plans) {
  for (size_t u = 0; u < context.Usable.size() && !context.Cancelled(); ++u) {
    std::vector<Candidate> own;
    for (const Candidate& p : placements)
      if (p.Cutter == context.Usable[u]) own.push_back(p);
    if (own.empty()) continue;
    for (const PlanState& plan :
         BeamSearch(context, own, SingleBeam, passes, SingleFinalists, [](double) {})) {
      // Nearly all the target: the true-size judging says whether it is reached.
      if (plan.MustLeft * 10 > context.Picture->MustCount) continue;
      std::vector<Candidate> cuts;
      cuts.reserve(plan.Chosen.size());
      for (int i : plan.Chosen) cuts.push_back(own[static_cast<size_t>(i)]);
      plans.emplace_back(CoarseCost(context, picture, cuts), std::move(cuts));
    }
    report(static_cast<double>(u + 1) / static_cast<double>(context.Usable.size()));
  }
}

class PlanAssessor {
 public:
  PlanAssessor(PlanJudge& judge, const FineTarget& fine, double tolerance,
               const std::vector<Tool>& cutters, const TargetPicture& picture, int faceOnTable)
      : judge_(judge),
        fine_(fine),
        tolerance_(tolerance),
        cutters_(cutters),
        picture_(picture),
        faceOnTable_(faceOnTable) {}

  // Fills in what the plan's verdicts and its section (judged last) say.
  void Take(JudgedPlan& judged) const {
    judged.Sound = judged.Plan.DangerCuts.empty();
    judged.Cautious = std::any_of(judged.Plan.Judged.begin(), judged.Plan.Judged.end(),
                                  [](const CutResult& r) { return r.Judged == Verdict::Caution; });
    judged.Cutters = CutterCount(judged.Plan.Cuts);
    judged.Riding = RidingCuts(cutters_, judged.Plan.Cuts, judged.Plan.Section, faceOnTable_,
                               picture_.Left, picture_.Top);
    judged.Off = MeasureDeviation(fine_, judge_.Fine(), judge_.FineStock(), tolerance_);
    judged.Reached = judged.Sound && judged.Off.Worst() <= tolerance_ + 1e-9;
  }

  // A plan with Danger cuts left out, one at a time, until none is left.
  void DropDangers(JudgedPlan& judged) const {
    while (!judged.Plan.DangerCuts.empty()) {
      judged.Plan.Cuts.erase(judged.Plan.Cuts.begin() + (judged.Plan.DangerCuts.front() - 1));
      Finish(judge_, judged.Plan);
    }
    Take(judged);
  }

  // Moves each cut's fence and height a hundredth at a time while the plan comes nearer the
  // target at true size and no cut's verdict grows worse.
  void Refine(JudgedPlan& judged, const std::atomic<bool>* cancel) const {
    auto worse = [](const JudgedPlan& now, const JudgedPlan& was) {
      for (size_t i = 0; i < now.Plan.Judged.size(); ++i)
        if (now.Plan.Judged[i].Judged > was.Plan.Judged[i].Judged) return true;
      return false;
    };
    auto better = [](const FineDeviation& a, const FineDeviation& b) {
      if (a.Worst() < b.Worst() - 1e-9) return true;
      return a.Worst() <= b.Worst() + 1e-9 && a.Excess < b.Excess - 1e-9;
    };
    for (size_t i = 0; i < judged.Plan.Cuts.size(); ++i) {
      for (int32_t Cut::*setting : {&Cut::Fence, &Cut::Height}) {
        for (int32_t step : {-1, 1}) {
          for (int moved = 0; moved < 4; ++moved) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return;
            JudgedPlan trial = judged;
            trial.Plan.Cuts[i].*setting += step;
            Finish(judge_, trial.Plan);
            Take(trial);
            if (!trial.Sound || worse(trial, judged) || !better(trial.Off, judged.Off)) break;
            judged = std::move(trial);
          }
        }
      }
    }
    Finish(judge_, judged.Plan);
    Take(judged);
  }

 private:
  PlanJudge& judge_;
  const FineTarget& fine_;
  double tolerance_;
  const std::vector<Tool>& cutters_;
  const TargetPicture& picture_;
  int faceOnTable_;
};

}  // namespace

MatchResult MatchProfile(const std::vector<Tool>& cutters, const MatchTarget& target,
                         const MatchOptions& options, ProgressSink& progress,
                         const std::atomic<bool>* cancel) {
  const auto start = std::chrono::steady_clock::now();
  MatchResult result;
  MatchTarget stock = target;
  stock.StockWidth = std::clamp(target.StockWidth, 50, 1000);
  stock.StockHeight = std::clamp(target.StockHeight, 50, 1000);
  stock.FaceOnTable = target.FaceOnTable >= 1 && target.FaceOnTable <= 8 ? target.FaceOnTable : 3;
  result.FaceOnTable = stock.FaceOnTable;
  result.ToleranceInches = std::max(options.ToleranceInches, 0.0);
  const TargetPicture picture = AnalyseTarget(stock, result.ToleranceInches);

  SearchContext context;
  context.Cutters = &cutters;
  context.Picture = &picture;
  context.Cancel = cancel;
  context.Reach = options.Reach;
  const unsigned cores = std::thread::hardware_concurrency();
  context.Threads = options.Threads > 0 ? options.Threads : static_cast<int>(std::max(cores, 1u));
  ChooseCutters(context);

  progress.Begin("Matching the profile...", 100);
  int shown = 0;
  auto show = [&](double from, double to, double fraction) {
    const int position = std::clamp(static_cast<int>(from + (to - from) * fraction), 1, 100);
    if (position > shown) progress.Step(shown = position);
  };
  const std::vector<Candidate> placements =
      ProposePlacements(context, [&](double f) { show(0, 15, f); });
  const int width = options.BeamWidth > 0 ? options.BeamWidth : DefaultBeamWidth;
  const int passes = std::max(options.MaxPasses, 1);
  std::vector<std::vector<Candidate>> finalists;
  for (const PlanState& plan : BeamSearch(context, placements, width, passes, Finalists,
                                          [&](double f) { show(15, 45, f); })) {
    std::vector<Candidate> cuts;
    for (int i : plan.Chosen) cuts.push_back(placements[static_cast<size_t>(i)]);
    finalists.push_back(std::move(cuts));
  }
  // Each cutter on its own: a bit whose own profile is the drawing's makes it alone. The
  // cheapest plans on the section's pixels are judged.
  std::vector<std::pair<int64_t, std::vector<Candidate>>> alone;
  SearchAlone(
      context, placements, passes, picture, [&](double f) { show(45, 55, f); }, alone);
  std::stable_sort(alone.begin(), alone.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < alone.size() && i < static_cast<size_t>(AloneJudged); ++i)
    finalists.push_back(alone[i].second);
  PlanJudge judge(cutters, {stock.StockWidth, stock.StockHeight, stock.FaceOnTable}, options.Reach);
  const FineTarget fine = MakeFineTarget(stock);
  result.TrueSize = fine.TrueSize;
  const PlanAssessor assessor(judge, fine, result.ToleranceInches, cutters, picture,
                              stock.FaceOnTable);
  std::vector<JudgedPlan> judged;
  int sound = 0;  // plans found that a real table can make as they were found
  std::set<std::vector<std::pair<int, std::pair<int, int>>>> seen;
  for (const std::vector<Candidate>& cuts : finalists) {
    if (context.Cancelled() || static_cast<int>(judged.size()) >= MostJudged) break;
    std::vector<std::pair<int, std::pair<int, int>>> key;
    key.reserve(cuts.size());
    for (const Candidate& p : cuts) key.push_back({p.Cutter * 4 + p.Turn, {p.V, p.U}});
    std::sort(key.begin(), key.end());
    if (!seen.insert(key).second) continue;
    JudgedPlan plan;
    plan.Plan = OrderSafely(judge, cutters, stock, picture, cuts, OrderBudget, options.Reach);
    sound += plan.Plan.DangerCuts.empty() ? 1 : 0;
    assessor.DropDangers(plan);
    judged.push_back(std::move(plan));
    show(55, 80, static_cast<double>(judged.size()) / static_cast<double>(finalists.size()));
  }
  if (judged.empty()) {
    JudgedPlan none;
    Finish(judge, none.Plan);
    assessor.Take(none);
    judged.push_back(std::move(none));
  }
  result.PlansJudged = static_cast<int>(judged.size());
  result.SoundPlans = sound;
  std::stable_sort(judged.begin(), judged.end(), Preferred);
  // The settings found on the section's pixels refined to the hundredth, on a drawing at true
  // size: the sound plans within a pixel of the tolerance, those a woodworker would prefer if
  // they reached it first (fewest cutters, then passes); the preferred plan is then taken.
  if (fine.TrueSize) {
    std::vector<JudgedPlan*> near;
    for (JudgedPlan& plan : judged)
      if (plan.Sound && plan.Off.Worst() <= result.ToleranceInches + PixelInches)
        near.push_back(&plan);
    std::stable_sort(near.begin(), near.end(), [](const JudgedPlan* a, const JudgedPlan* b) {
      if (a->Cutters != b->Cutters) return a->Cutters < b->Cutters;
      if (a->Plan.Cuts.size() != b->Plan.Cuts.size())
        return a->Plan.Cuts.size() < b->Plan.Cuts.size();
      return a->Off.Excess < b->Off.Excess;
    });
    if (near.size() > static_cast<size_t>(Refined)) near.resize(static_cast<size_t>(Refined));
    for (size_t i = 0; i < near.size() && !context.Cancelled(); ++i) {
      assessor.Refine(*near[i], cancel);
      show(80, 98, static_cast<double>(i + 1) / static_cast<double>(near.size()));
    }
    std::stable_sort(judged.begin(), judged.end(), Preferred);
  }
  JudgedPlan& chosen = judged.front();
  result.Deep = SplitDeepCuts(judge, chosen.Plan, WoodAtOnceInches, static_cast<size_t>(passes));
  assessor.Take(chosen);
  show(98, 100, 1.0);

  result.Cuts = chosen.Plan.Cuts;
  result.Judged = chosen.Plan.Judged;
  result.DangerCuts = chosen.Plan.DangerCuts;
  Assess(context, placements, chosen.Plan.Section, result);
  result.Reached = chosen.Reached;
  result.StandingInches = chosen.Off.Standing;
  result.DeepInches = chosen.Off.Deep;
  result.LargestDeviationInches = chosen.Off.Worst();
  result.StandingAt = FineSpot(fine, chosen.Off.StandingX, chosen.Off.StandingY);
  result.DeepAt = FineSpot(fine, chosen.Off.DeepX, chosen.Off.DeepY);
  result.Cancelled = context.Cancelled();
  result.CandidatesMeasured = context.Measured.load();
  result.MeasuringPasses = judge.Passes();
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  progress.End();
  return result;
}

}  // namespace kerf
