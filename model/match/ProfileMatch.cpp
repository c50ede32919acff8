// MatchProfile: proposes placements, beam-searches plans, orders the best safely and assesses it.
#include "model/match/ProfileMatch.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

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
constexpr int Finalists = 6;      // plans of the beam tried for a safe order
constexpr int OrderBudget = 400;  // measuring passes spent looking for one plan's safe order

// The cutters worth searching with: each file name once (a project names cutters by file
// name, so a later cutter of the same name could not be told apart), and only cutters that
// cut something.
void ChooseCutters(SearchContext& context) {
  const std::vector<Tool>& cutters = *context.Cutters;
  std::set<std::string> names;
  context.Shapes.resize(cutters.size());
  for (size_t i = 0; i < cutters.size(); ++i) {
    if (!names.insert(cutters[i].FileName).second) continue;
    bool any = false;
    for (int turn = 0; turn < TurnCount; ++turn) {
      context.Shapes[i][static_cast<size_t>(turn)] = ShapeOf(cutters[i], turn);
      any = any || !context.Shapes[i][static_cast<size_t>(turn)].Empty();
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
          const size_t j = static_cast<size_t>(ny * Size + nx);
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
  result.Reached = reached;
  result.AreaReachedPercent =
      picture.RemoveCount > 0 ? 100.0 * removed / picture.RemoveCount : 100.0;
  result.LargestDeviationInches = std::max(largest, 0.0) * PixelInches;
  if (result.DeviationX >= 0)
    result.DeviationPlace = PlaceInWords(picture.Left, picture.Top, result.DeviationX,
                                         result.DeviationY, LengthUnit::Imperial);
  const std::vector<uint8_t> reachable = Reachable(context, placements, left);
  std::vector<uint8_t> unreachable(left.size(), 0);
  for (size_t i = 0; i < left.size(); ++i) unreachable[i] = left[i] && !reachable[i];
  AddShortfalls(picture, unreachable, true, result);
  AddShortfalls(picture, reachable, false, result);
}

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
      ProposePlacements(context, [&](double f) { show(0, 20, f); });
  const int width = options.BeamWidth > 0 ? options.BeamWidth : DefaultBeamWidth;
  const std::vector<PlanState> plans =
      BeamSearch(context, placements, width, std::max(options.MaxPasses, 1), Finalists,
                 [&](double f) { show(20, 90, f); });

  // The best plan that can be made in a safe order; failing that the best plan.
  OrderedPlan chosen;
  bool have = false;
  for (const PlanState& plan : plans) {
    if (have && (plan.MustLeft == 0) != (plans.front().MustLeft == 0)) break;
    if (have && plan.Chosen.size() > plans.front().Chosen.size() + 1) continue;
    std::vector<Candidate> cuts;
    for (int i : plan.Chosen) cuts.push_back(placements[static_cast<size_t>(i)]);
    OrderedPlan ordered = OrderSafely(cutters, stock, picture, cuts, OrderBudget);
    result.MeasuringPasses += ordered.MeasuringPasses;
    if (!have || (ordered.DangerCuts.empty() && !chosen.DangerCuts.empty())) {
      chosen = std::move(ordered);
      have = true;
    }
    if (chosen.DangerCuts.empty()) break;
    if (context.Cancelled()) break;
  }
  show(90, 100, 1.0);
  if (!have) chosen = OrderSafely(cutters, stock, picture, {}, 0);

  result.Cuts = chosen.Cuts;
  result.Measured = chosen.Measured;
  result.DangerCuts = chosen.DangerCuts;
  Assess(context, placements, chosen.Section, result);
  result.Cancelled = context.Cancelled();
  result.CandidatesMeasured = context.Measured.load();
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  progress.End();
  return result;
}

}  // namespace kerf
