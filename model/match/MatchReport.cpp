// MatchReportLines: the match report's plain lines, lengths in the unit asked for.
#include <cstdio>

#include "model/CutVerdict.h"
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
  return FormatLength(static_cast<float>(hundredths / 100.0), unit);
}

// The tolerance as it was asked for: a fraction of an inch and its millimetres, or millimetres.
std::string ToleranceText(double inches, LengthUnit unit) {
  const std::string mm = Fixed(inches * 25.4, 2) + " mm";
  if (unit == LengthUnit::Metric) return mm;
  return FormatLength(static_cast<float>(inches), unit) + " (" + mm + ")";
}

}  // namespace

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
  lines.push_back(
      result.Reached
          ? "Reached: every part of the section lies within " + tolerance + " of the target"
          : "Partly reached: parts of the section lie more than " + tolerance + " from the target");
  lines.push_back("Area reached: " + Fixed(result.AreaReachedPercent, 1) +
                  "% of the material the target removes");
  if (result.DeviationX >= 0) {
    lines.push_back("Largest deviation: " + BothUnits(result.LargestDeviationInches) +
                    (result.DeviationCutAway ? ", cut away " : ", left standing ") +
                    place(result.DeviationX, result.DeviationY));
  } else {
    lines.push_back("Largest deviation: none, the section is the target's pixel for pixel");
  }
  for (const MatchShortfall& shortfall : result.Shortfalls) {
    auto extent = [&](int pixels) {
      return FormatLength(static_cast<float>(pixels * PixelInches), unit);
    };
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
  lines.push_back("Plan: " + std::to_string(result.Cuts.size()) +
                  (result.Cuts.size() == 1 ? " cut" : " cuts"));
  for (size_t i = 0; i < result.Cuts.size(); ++i) {
    const Cut& cut = result.Cuts[i];
    lines.push_back("  Cut #" + std::to_string(i + 1) + ": " +
                    CutterDisplayName(cut.CutterFileName) + ", face " + std::to_string(cut.Face) +
                    ", height " + Length(cut.Height, unit) + ", fence " + Length(cut.Fence, unit) +
                    VerdictText(i < result.Measured.size() ? result.Measured[i].Judged
                                                           : JudgeCutOnTable(CutFigures{})));
  }
  const double rate =
      result.Seconds > 0 ? static_cast<double>(result.CandidatesMeasured) / result.Seconds : 0;
  lines.push_back("Candidates measured: " + std::to_string(result.CandidatesMeasured) + " in " +
                  Fixed(result.Seconds, 2) + " s (" + Fixed(rate, 0) + " a second)");
  return lines;
}

}  // namespace kerf
