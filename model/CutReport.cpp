// The cut report as data: its lines, each with the colour it is shown in.
#include "model/CutReport.h"

#include "model/CutVerdict.h"
#include "model/LengthText.h"

namespace kerf {

namespace {

std::string CutterText(const Model& model, const Cut& cut) {
  if (const Tool* tool = model.Cutter(cut.Cutter)) return tool->Name;
  // The project named a bitmap that is not in the library: say which one.
  return cut.CutterFileName + " (missing)";
}

std::string PercentText(float percent) { return std::to_string(RoundPercent(percent)) + "%"; }

std::string LengthTextOf(int32_t hundredths, LengthUnit unit) {
  // Hundredths to inches in single precision, as every length text is given them.
  return FormatLength(static_cast<float>(hundredths) / 100.0f, unit);
}

}  // namespace

CutReport CutReportHeader(const Model& model, const std::string& dateTime) {
  return {{"Cut List report: " + model.ProjectFileName() + "   " + dateTime, Black},
          {"", Black},
          {"The information below is for guidance only.", Black},
          {"Always read the manuals supplied with your power tools and follow all safety "
           "instructions.",
           Black},
          {"", Black}};
}

CutReport BuildCutReport(const Model& model, const Section& section, const std::string& dateTime) {
  const int cutCount = model.CutCount();
  if (cutCount <= 0) return {};
  CutReport lines = CutReportHeader(model, dateTime);
  lines.reserve(ReportHeaderLines + static_cast<size_t>(cutCount) * ReportLinesPerCut);

  auto add = [&lines](std::string text, Colour colour) {
    lines.push_back(ReportLine{std::move(text), colour});
  };

  for (int i = 1; i <= cutCount; ++i) {
    const Cut& cut = model.CutAt(i);
    const CutFigures& figures = section.ResultOfCut(i).Figures;
    const Verdict verdict = JudgeCut(figures);
    const Colour colour = VerdictTextColour(verdict);
    add("Cut #" + std::to_string(i) + VerdictText(verdict), colour);
    add("  Cutter: " + CutterText(model, cut), colour);
    add("  Face on Table: " + std::to_string(cut.Face), colour);
    add("  Cutter Height: " + LengthTextOf(cut.Height, model.Unit()), colour);
    add("  Fence Position: " + LengthTextOf(cut.Fence, model.Unit()), colour);
    add("  Material on table before cut: " + PercentText(figures.TableBefore), colour);
    add("  Material on table after cut: " + PercentText(figures.TableAfter), colour);
    add("  Material against fence before cut: " + PercentText(figures.FenceBefore), colour);
    add("  Material against fence after cut: " + PercentText(figures.FenceAfter), colour);
    add("", colour);
  }
  // Cuts that no real table could make, whatever their bearing figures, are named after the
  // blocks, one red line each.
  for (int i = 1; i <= cutCount; ++i) {
    const std::string problem = CutProblem(section.ResultOfCut(i).Figures);
    if (!problem.empty()) add("Cut #" + std::to_string(i) + ": " + problem, VerdictRed);
  }
  return lines;
}

}  // namespace kerf
