// Cut safety verdicts: how much stock still bears on the table and the fence after a cut.
#include "model/CutVerdict.h"

#include <cmath>

namespace kerf {

Verdict JudgeCut(float fenceAfter, float tableAfter) {
  if (fenceAfter < DangerPercent || tableAfter < DangerPercent) return Verdict::Danger;
  if (fenceAfter < CautionPercent || tableAfter < CautionPercent) return Verdict::Caution;
  return Verdict::CutOK;
}

std::string CutProblem(const CutFigures& cut) {
  std::string text;
  if (cut.ShankBlocked) text = "impossible: the shank passes through the stock";
  if (SeversStock(cut)) {
    if (!text.empty()) text += "; ";
    text += "severs the stock into " + std::to_string(cut.PiecesAfter) + " pieces";
  }
  return text;
}

Verdict JudgeCutOnTable(const CutFigures& cut) {
  if (cut.ShankBlocked || SeversStock(cut)) return Verdict::Danger;
  return JudgeCut(cut);
}

const char* VerdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Caution:
      return " (Caution)";
    case Verdict::Danger:
      return " (Danger)";
    case Verdict::CutOK:
      break;
  }
  return " (Cut OK)";
}

const char* VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::Caution:
      return "Caution";
    case Verdict::Danger:
      return "Danger";
    case Verdict::CutOK:
      break;
  }
  return "Cut OK";
}

Colour VerdictColour(Verdict verdict) {
  switch (verdict) {
    case Verdict::Caution:
      return VerdictYellow;
    case Verdict::Danger:
      return VerdictRed;
    case Verdict::CutOK:
      break;
  }
  return Black;
}

long RoundPercent(float percent) {
  // Bearing figures lie in 0..100; anything else only guards the conversion.
  if (!std::isfinite(percent)) return 0;
  const double clamped = std::fmax(-1e9, std::fmin(1e9, static_cast<double>(percent)));
  return std::lround(std::nearbyint(clamped));
}

}  // namespace kerf
