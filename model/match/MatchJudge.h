// PlanJudge: a plan's cuts measured and judged as the report judges them, drawn at true size.
#pragma once

#include <vector>

#include "model/Model.h"
#include "model/Section.h"
#include "model/SectionRenderer.h"
#include "model/TablePhysics.h"

namespace kerf::match {

// Judges cut lists on one stock with one library: the measuring pass's figures with the table's
// physics added, and each cut's verdict by JudgeCutOnTable, the rule `check` and the report use.
// Also keeps the finished section drawn at 2 pixels a hundredth, as the template draws it.
class PlanJudge {
 public:
  PlanJudge(const std::vector<Tool>& cutters, const StockSetup& stock, int32_t reach);

  // Every cut of the list judged; the fine picture then holds the whole list.
  const std::vector<CutResult>& Judge(const std::vector<Cut>& cuts);
  // The last of cuts judged, made after the others (which need not have been judged): cheaper
  // than Judge when many cuts are tried after the same list.
  CutResult JudgeLast(const std::vector<Cut>& cuts);

  const Raster& Coarse() const { return section_.Picture; }  // the 500-pixel section of Judge
  const Raster& Fine() const { return whole_.Fine; }         // the fine picture of Judge
  // Where the stock lies on the fine picture.
  StockOnPicture FineStock() const;
  int64_t Passes() const { return passes_; }

 private:
  void Load(const std::vector<Cut>& cuts, size_t count);

  const std::vector<Tool>& cutters_;
  StockSetup stock_;
  Model model_;
  Section section_;
  TableScratch whole_, further_;
  std::vector<CutResult> results_;
  std::vector<Cut> drawnPrefix_;  // the list further_ holds drawn
  bool prefixDrawn_ = false;
  int64_t passes_ = 0;
};

}  // namespace kerf::match
