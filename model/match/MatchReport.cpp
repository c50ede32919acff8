// MatchReportLines: the match report's plain lines, lengths in the unit asked for.
#include <cmath>
#include <cstdio>
#include <set>

#include "model/CutVerdict.h"
#include "model/CutterKinds.h"
#include "model/CutterScan.h"
#include "model/NumberText.h"
#include "model/match/MatchSearch.h"

namespace kerf {

namespace {

using namespace match;

std::string Fixed(double value, int decimals) { return FixedText(value, decimals); }

// A small length in both units, finer than the fractions of a length text: 0.011" (0.28 mm).
std::string BothUnits(double inches) {
  return Fixed(inches, 3) + "\" (" + Fixed(inches * 25.4, 2) + " mm)";
}

std::string Length(int32_t hundredths, LengthUnit unit) {
  return ReducedLength(hundredths / 100.0, unit);
}

// The tolerance as it was asked for: a fraction of an inch and its millimetres, or millimetres.
std::string ToleranceText(double inches, LengthUnit unit) {
  std::string mm = Fixed(inches * 25.4, 2) + " mm";
  if (unit == LengthUnit::Metric) return mm;
  return ReducedLength(inches, unit) + " (" + mm + ")";
}

std::string SpotText(const MatchSpot& spot, LengthUnit unit) {
  return "near " + spot.Face + ", " + ReducedLength(spot.FromFence, unit) + " from the fence and " +
         ReducedLength(spot.AboveTable, unit) + " above the table";
}

std::string DeviationLine(const char* what, double inches, const MatchSpot& spot, LengthUnit unit) {
  if (!spot.Found || inches <= 0) return std::string(what) + ": none";
  return std::string(what) + ": " + BothUnits(inches) + " at most, " + SpotText(spot, unit);
}

// Why a cut is Caution or Danger: its table problems, or the bearing its figures leave.
std::string WhyJudged(const CutResult& judged) {
  std::string why = CutProblem(judged.Figures);
  const CutFigures& f = judged.Figures;
  if (JudgeCut(f) != Verdict::CutOK) {
    const bool fence = f.FenceAfter <= f.TableAfter;
    if (!why.empty()) why += "; ";
    why += "only " + std::to_string(RoundPercent(fence ? f.FenceAfter : f.TableAfter)) +
           "% of the stock bears on the " + (fence ? "fence" : "table") + " after it";
  }
  return why;
}

}  // namespace

namespace match {

std::string ReducedLength(double inches, LengthUnit unit) {
  if (!std::isfinite(inches)) inches = 0;
  if (unit == LengthUnit::Metric) return Fixed(inches * 25.4, 1) + " mm";
  return WorkshopLength(std::clamp(inches, -1e6, 1e6), unit);
}

}  // namespace match

std::vector<std::string> MatchReportLines(const MatchResult& result, const MatchTarget& target,
                                          LengthUnit unit) {
  int left = 0, top = 0;
  StockRectangle(target.StockWidth, target.StockHeight, target.FaceOnTable, left, top);
  auto place = [&](int x, int y) { return PlaceInWords(left, top, x, y, unit); };
  std::vector<std::string> lines;
  const std::string name = target.Name.empty() ? "the target" : target.Name;
  lines.push_back("Match of " + name + " on " + Length(target.StockWidth, unit) + " x " +
                  Length(target.StockHeight, unit) + " stock, face " +
                  std::to_string(result.FaceOnTable) + " on the table");
  if (result.Cancelled) lines.push_back("Search cancelled: the best plan found so far.");
  const std::string tolerance = ToleranceText(result.ToleranceInches, unit);
  const std::string worst = BothUnits(result.WorstInches());
  lines.push_back(result.Reached ? "Reached: the worst deviation, " + worst +
                                       ", is within the tolerance of " + tolerance
                                 : "Not reached: the worst deviation, " + worst +
                                       ", is more than the tolerance of " + tolerance);
  lines.push_back(
      DeviationLine("Wood left standing", result.StandingInches, result.StandingAt, unit));
  lines.push_back(DeviationLine("Cut too deep", result.DeepInches, result.DeepAt, unit));
  lines.push_back(result.TrueSize
                      ? std::string("Measured at true size, 2 pixels a hundredth of an inch")
                      : "Measured against the target's pixels, whose edge is known only to " +
                            BothUnits(PixelInches / 2));
  lines.push_back("Area reached: " + Fixed(result.AreaReachedPercent, 1) +
                  "% of the material the target removes");
  for (const MatchShortfall& shortfall : result.Shortfalls) {
    auto extent = [&](int pixels) { return ReducedLength(pixels * PixelInches, unit); };
    const std::string size = extent(shortfall.Right - shortfall.Left) + " wide, " +
                             extent(shortfall.Bottom - shortfall.Top) + " high";
    lines.push_back((shortfall.NoCutter ? "No cutter in the library can make the part "
                                        : "Not made within the passes allowed: the part ") +
                    place(shortfall.PlaceX, shortfall.PlaceY) + " (" + size + ")");
  }
  if (result.DangerCuts.empty()) {
    lines.push_back("Danger cuts: none");
  } else {
    std::string list;
    for (int n : result.DangerCuts) list += (list.empty() ? "#" : ", #") + std::to_string(n);
    lines.push_back("Danger cuts: " + list + " (no safe order was found)");
  }
  std::set<std::string> cutters;
  for (const Cut& cut : result.Cuts) cutters.insert(cut.CutterFileName);
  lines.push_back("Plan: " + std::to_string(result.Cuts.size()) +
                  (result.Cuts.size() == 1 ? " cut" : " cuts") + " with " +
                  std::to_string(cutters.size()) + (cutters.size() == 1 ? " cutter" : " cutters"));
  bool caution = false;
  for (size_t i = 0; i < result.Cuts.size(); ++i) {
    const Cut& cut = result.Cuts[i];
    const CutResult judged = i < result.Judged.size() ? result.Judged[i] : CutResult{};
    lines.push_back("  Cut #" + std::to_string(i + 1) + ": " +
                    CutterDisplayName(cut.CutterFileName) + ", face " + std::to_string(cut.Face) +
                    ", height " + Length(cut.Height, unit) + ", fence " + Length(cut.Fence, unit) +
                    VerdictText(judged.Judged));
    if (judged.Judged != Verdict::CutOK) {
      caution = caution || judged.Judged == Verdict::Caution;
      lines.push_back("    " + std::string(VerdictName(judged.Judged)) + ": " + WhyJudged(judged));
    }
  }
  for (const DepthPasses& deep : result.Deep)
    lines.push_back("Cuts #" + std::to_string(deep.First) + " to #" +
                    std::to_string(deep.First + deep.Count - 1) + ": one profile in " +
                    std::to_string(deep.Count) + " passes of rising depth, the bit set " +
                    ReducedLength(deep.Step, unit) + " deeper each pass (one pass would take " +
                    ReducedLength(deep.Thickness, unit) + " of wood at once; a woodworker takes " +
                    ReducedLength(WoodAtOnceInches, unit) + " in hardwood)");
  if (caution)
    lines.push_back(result.Reached
                        ? "Caution cuts are kept: no plan of Cut OK cuts reaches the target"
                        : "Caution cuts are kept: no plan of Cut OK cuts comes as near the target");
  lines.push_back("Sound plans: " + std::to_string(result.SoundPlans) + " of " +
                  std::to_string(result.PlansJudged) + " judged");
  const double rate =
      result.Seconds > 0 ? static_cast<double>(result.CandidatesMeasured) / result.Seconds : 0;
  lines.push_back("Candidates measured: " + std::to_string(result.CandidatesMeasured) + " in " +
                  Fixed(result.Seconds, 2) + " s (" + Fixed(rate, 0) + " a second)");
  return lines;
}

}  // namespace kerf
