// Cut safety verdicts: how much stock still bears on the table and the fence after a cut.
#pragma once

#include <string>

#include "model/CutFigures.h"
#include "model/Raster.h"

namespace kerf {

enum class Verdict { CutOK, Caution, Danger };

// Below these percentages of a bearing side left after the cut, a cut is a caution or a danger.
inline constexpr float CautionPercent = 50.0f;
inline constexpr float DangerPercent = 20.0f;

inline constexpr Colour VerdictYellow = MakeColour(255, 255, 0);
inline constexpr Colour VerdictRed = MakeColour(255, 0, 0);
// Caution as type on white: yellow cannot be read there, so text takes a dark amber and the
// yellow stays for grounds under dark type.
inline constexpr Colour VerdictAmber = MakeColour(160, 96, 0);

// Judged on the stored single-precision "after" figures; the "before" figures play no part.
Verdict JudgeCut(float fenceAfter, float tableAfter);
inline Verdict JudgeCut(const CutFigures& cut) { return JudgeCut(cut.FenceAfter, cut.TableAfter); }

// Whether the cut parted the section into more pieces than it had before.
inline bool SeversStock(const CutFigures& cut) {
  return cut.PiecesAfter > cut.PiecesBefore && cut.PiecesAfter > 1;
}
// Why a real table cannot or should not make the cut, whatever its bearing figures:
// "impossible: the shank passes through the stock", "impossible: the bearing runs into the
// wood", "impossible: the bit cannot be raised that high", "traps the stock between the cutter
// and the fence", "severs the stock into N pieces", "leaves a skin 1/64" thick that will break
// away", those that apply joined by "; ", or an empty text for a sound cut.
std::string CutProblem(const CutFigures& cut);
// The bearing verdict, made Danger by every problem but a thin skin, which makes it at least
// Caution: what `check` judges a cut by.
Verdict JudgeCutOnTable(const CutFigures& cut);

// " (Cut OK)", " (Caution)", " (Danger)": the text after "Cut #i" in the report.
const char* VerdictText(Verdict verdict);
// "Cut OK", "Caution", "Danger": the verdict's plain name.
const char* VerdictName(Verdict verdict);
// Black, yellow or red: the verdict as a ground (a band, a badge, a grid cell) under dark type.
Colour VerdictColour(Verdict verdict);
// Black, dark amber or red: the verdict as type on white (the cut's block in the report).
Colour VerdictTextColour(Verdict verdict);

// A bearing figure as printed: the nearest whole percent, exact halves to the even neighbour
// (12.5 -> 12, 13.5 -> 14). A figure that is not a number prints as 0.
long RoundPercent(float percent);

}  // namespace kerf
