// TrialCut: the cut list's measured section kept, and one more cut measured on a copy of it.
#include "model/TrialCut.h"

#include <utility>

#include "model/SectionRenderer.h"

namespace kerf {

void TrialCut::FillKey(const Model& model, std::vector<int64_t>& key) const {
  key.clear();
  key.push_back(static_cast<int64_t>(reinterpret_cast<intptr_t>(&model)));
  key.push_back(model.LibraryGeneration());
  key.push_back(model.StockWidth());
  key.push_back(model.StockHeight());
  key.push_back(model.FaceOnTable());
  for (const Cut& cut : model.Cuts()) {
    key.insert(key.end(), {cut.Fence, cut.Height, cut.Face, cut.Cutter});
  }
}

const CutFigures& TrialCut::Judge(const Model& model, int32_t fence, int32_t height) {
  FillKey(model, keyNow_);
  if (!measured_ || keyNow_ != key_) {
    MeasureSetup(StockOf(model), model.Cuts(), model.Cutters(), list_);
    DrawCutListFinely(model, table_);
    std::swap(key_, keyNow_);
    measured_ = true;
    ++listMeasurements_;
  }
  trialSection_ = list_.Picture;
  trialPieces_ = list_.Pieces;

  trial_.Fence = fence;
  trial_.Height = height;
  trial_.Face = model.FaceOnTable();
  trial_.Cutter = model.CurrentCutter();
  found_ = MeasureFurtherCut(model, trial_, trialSection_, trialPieces_);
  JudgeFurtherCutOnTable(model, trial_, found_, table_);
  return found_;
}

}  // namespace kerf
