// Cut safety verdicts: how much stock still bears on the table and the fence after a cut.
#include "model/CutVerdict.h"

#include <cmath>

#include "model/CutterKinds.h"

namespace kerf {

Verdict JudgeCut(float fenceAfter, float tableAfter) {
  if (fenceAfter < DangerPercent || tableAfter < DangerPercent) return Verdict::Danger;
  if (fenceAfter < CautionPercent || tableAfter < CautionPercent) return Verdict::Caution;
  return Verdict::CutOK;
}

std::string CutProblem(const CutFigures& cut) {
  std::string text;
  auto add = [&text](const std::string& reason) {
    if (!text.empty()) text += "; ";
    text += reason;
  };
  if (cut.ShankBlocked || cut.ShankInWood) add("impossible: the shank passes through the stock");
  if (cut.BearingInWood) add("impossible: the bearing runs into the wood");
  if (cut.BeyondReach) add("impossible: the bit cannot be raised that high");
  if (cut.TrapsStock) add("traps the stock between the cutter and the fence");
  if (SeversStock(cut)) add("severs the stock into " + std::to_string(cut.PiecesAfter) + " pieces");
  if (cut.SkinInches > 0) {
    // Written as a rule reads it, to the nearest 64th and never thinner than the finest mark.
    const double inches = std::fmax(std::nearbyint(cut.SkinInches * 64.0), 1.0) / 64.0;
    add("leaves a skin " + CatalogueSize({inches, false}) + " thick that will break away");
  }
  return text;
}

Verdict JudgeCutOnTable(const CutFigures& cut) {
  if (cut.ShankBlocked || cut.ShankInWood || cut.BearingInWood || cut.BeyondReach ||
      cut.TrapsStock || SeversStock(cut))
    return Verdict::Danger;
  const Verdict bearing = JudgeCut(cut);
  if (cut.SkinInches > 0 && bearing == Verdict::CutOK) return Verdict::Caution;
  return bearing;
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

Colour VerdictTextColour(Verdict verdict) {
  return verdict == Verdict::Caution ? VerdictAmber : VerdictColour(verdict);
}

long RoundPercent(float percent) {
  // Bearing figures lie in 0..100; anything else only guards the conversion.
  if (!std::isfinite(percent)) return 0;
  const double clamped = std::fmax(-1e9, std::fmin(1e9, static_cast<double>(percent)));
  return std::lround(std::nearbyint(clamped));
}

}  // namespace kerf
