// PlanJudge: the matcher's plans judged by the table's own rules, with the fine picture kept.
#include "model/match/MatchJudge.h"

#include "model/CutVerdict.h"
#include "model/TableJudging.h"

namespace kerf::match {

namespace {

bool SameSettings(const std::vector<Cut>& a, const std::vector<Cut>& b, size_t count) {
  if (a.size() != count || b.size() < count) return false;
  for (size_t i = 0; i < count; ++i)
    if (a[i].Fence != b[i].Fence || a[i].Height != b[i].Height || a[i].Face != b[i].Face ||
        a[i].Cutter != b[i].Cutter)
      return false;
  return true;
}

// The picture the table's physics is judged on: 2 pixels a hundredth, rows painted as bands.
SectionView FineView() {
  SectionView view;
  view.W = 2200;
  view.H = 2200;
  view.RowBands = true;
  return view;
}

}  // namespace

PlanJudge::PlanJudge(const std::vector<Tool>& cutters, const StockSetup& stock, int32_t reach)
    : cutters_(cutters), stock_(stock) {
  model_.SetCutterLibrary(cutters);
  model_.SetTableReach(reach);
}

void PlanJudge::Load(const std::vector<Cut>& cuts, size_t count) {
  WorkSetup setup = model_.TakeSetup();
  setup.StockWidth = stock_.Width;
  setup.StockHeight = stock_.Height;
  setup.FaceOnTable = stock_.FaceOnTable;
  setup.Cuts.assign(cuts.begin(), cuts.begin() + static_cast<long>(count));
  model_.ReplaceSetup(setup);
}

const std::vector<CutResult>& PlanJudge::Judge(const std::vector<Cut>& cuts) {
  MeasureSetup(stock_, cuts, cutters_, section_);
  ++passes_;
  Load(cuts, cuts.size());
  prefixDrawn_ = false;
  results_ = section_.Cuts;
  JudgeCutsOnTable(model_, results_, whole_);
  for (CutResult& result : results_) result.Judged = JudgeCutOnTable(result.Figures);
  return results_;
}

CutResult PlanJudge::JudgeLast(const std::vector<Cut>& cuts) {
  if (cuts.empty()) return {};
  const size_t before = cuts.size() - 1;
  MeasureSetup(stock_, cuts, cutters_, section_);
  ++passes_;
  CutFigures found = section_.Cuts.back().Figures;
  if (!prefixDrawn_ || !SameSettings(drawnPrefix_, cuts, before)) {
    Load(cuts, before);
    DrawCutListFinely(model_, further_);
    drawnPrefix_.assign(cuts.begin(), cuts.begin() + static_cast<long>(before));
    prefixDrawn_ = true;
  }
  JudgeFurtherCutOnTable(model_, cuts.back(), found, further_);
  return {found, JudgeCutOnTable(found)};
}

StockOnPicture PlanJudge::FineStock() const { return PlaceStock(stock_, FineView()); }

}  // namespace kerf::match
