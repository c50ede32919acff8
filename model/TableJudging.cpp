// TableJudging: paints the section finely and reads the wood around each cutter for its physics.
#include "model/TableJudging.h"

#include <algorithm>
#include <utility>

#include "model/Orientation.h"
#include "model/SectionRenderer.h"

namespace kerf {

namespace {

// 2 pixels a hundredth, as the template draws: a skin of 1/32" is 6 pixels thick.
constexpr int FineSize = 2200;
constexpr double FineScale = 2.0;

SectionView FineView() {
  SectionView view;
  view.W = FineSize;
  view.H = FineSize;
  view.RowBands = true;
  return view;
}

// What the table's physics found, as a cut's figures hold it.
void TakeJudgement(CutFigures& figures, const TableJudgement& judged) {
  figures.TrapsStock = judged.TrapsStock;
  figures.BearingInWood = judged.BearingInWood;
  figures.ShankInWood = judged.ShankInWood;
  figures.BeyondReach = judged.BeyondReach;
  figures.SkinInches = judged.SkinInches;
}

// Reads the judgements of count cuts from cut first (an index) on into judged.
class TableWatcher : public CutWatcher {
 public:
  TableWatcher(const Model& model, TableScratch& scratch, TableJudgement* judged, size_t first,
               size_t count)
      : model_(model),
        scratch_(scratch),
        judged_(judged),
        first_(first),
        count_(count),
        stock_(PlaceStock(model, FineView())) {}

  void Before(size_t index, const Cut& cut, const CutStand& stand, const Raster& canvas) override {
    if (Watched(index)) Read(cut, stand, canvas, scratch_.Before);
  }

  void After(size_t index, const Cut& cut, const CutStand& stand, const Raster& canvas) override {
    if (!Watched(index)) return;
    Read(cut, stand, canvas, scratch_.After);
    judged_[index - first_] = JudgeOnTable(scratch_.Before, scratch_.After, Cutter(cut));
  }

 private:
  bool Watched(size_t index) const { return index >= first_ && index - first_ < count_; }

  CutterOnTable Cutter(const Cut& cut) const {
    return CutterOnTable{model_.Cutter(cut.Cutter), cut.Height, model_.TableReach(), FineScale};
  }

  // Whether the picture holds wood at (x, y): the stock's outline along the fence, the table
  // and the top stands outside the wood the bearing figures count, and so outside this.
  bool Wood(const Raster& canvas, int x, int y) const {
    if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) return false;
    if (x >= stock_.FenceX || y >= stock_.TableY || y <= stock_.Top) return false;
    return canvas.Row(y)[x] != White;
  }

  void Read(const Cut& cut, const CutStand& stand, const Raster& canvas, WoodWindow& window) const {
    const CutterOnTable cutter = Cutter(cut);
    const int half = WindowHalfWidth(cutter);
    // No wood stands above the picture.
    window.Resize(2 * half + 1, std::min(WindowHeight(cutter), FineSize + 2), half);
    const bool upright = stand.Turn == 0 || stand.Turn == 2;
    const int towardsFence = upright ? (stand.FenceSide == SideRight ? 1 : -1)
                                     : (stand.FenceSide == SideBottom ? 1 : -1);
    const int upwards = stand.Turn == 0 || stand.Turn == -1 ? -1 : 1;
    for (int row = 0; row < window.Height; ++row) {
      const int h = stand.TableLine + upwards * (row + 1);
      for (int column = 0; column < window.Width; ++column) {
        const int a = (column - half) * towardsFence;
        const bool wood =
            upright ? Wood(canvas, stand.AxisX + a, h) : Wood(canvas, h, stand.AxisY + a);
        window.Set(column, row, wood);
      }
    }
  }

  const Model& model_;
  TableScratch& scratch_;
  TableJudgement* judged_;
  size_t first_, count_;
  StockOnPicture stock_;
};

// The fine picture, and windows large enough for the widest cutter raised to the picture's top.
void PrepareCanvas(TableScratch& scratch) {
  if (scratch.Fine.Width() != FineSize + 1 || scratch.Fine.Height() != FineSize + 1) {
    scratch.Fine = Raster(FineSize + 1, FineSize + 1);
    CutterOnTable widest;
    Tool tool;
    tool.RedWidth = MaxProfileRows;
    widest.Cutter = &tool;
    const size_t most = static_cast<size_t>(2 * WindowHalfWidth(widest) + 1) * (FineSize + 2);
    scratch.Before.Wood.reserve(most);
    scratch.After.Wood.reserve(most);
  }
}

// What a fine picture of model's cut list follows from: the stock, its state, the cutters and
// the reach, then four numbers a cut.
void FillDrawnKey(const Model& model, std::vector<int64_t>& key) {
  key.clear();
  key.insert(key.end(),
             {static_cast<int64_t>(reinterpret_cast<intptr_t>(&model)),
              static_cast<int64_t>(reinterpret_cast<intptr_t>(model.Cutters().data())),
              static_cast<int64_t>(model.Cutters().size()), model.LibraryGeneration(),
              model.StockWidth(), model.StockHeight(), model.FaceOnTable(), model.TableReach()});
  for (const Cut& cut : model.Cuts())
    key.insert(key.end(), {cut.Fence, cut.Height, cut.Face, cut.Cutter});
}

constexpr size_t DrawnHead = 8;  // numbers of the key before the cuts'

}  // namespace

void JudgeCutsOnTable(const Model& model, std::vector<CutResult>& cuts, TableScratch& scratch) {
  PrepareCanvas(scratch);
  const size_t count = std::min(cuts.size(), model.Cuts().size());
  std::vector<int64_t>& key = scratch.KeyNow;
  FillDrawnKey(model, key);
  // A list that only grew since the picture was drawn: its earlier cuts keep their findings.
  size_t first = 0;
  const std::vector<int64_t>& drawn = scratch.Drawn;
  const bool grew = drawn.size() >= DrawnHead && drawn.size() <= key.size() &&
                    std::equal(drawn.begin(), drawn.end(), key.begin()) &&
                    scratch.Judged.size() == (drawn.size() - DrawnHead) / 4;
  if (grew) first = std::min(scratch.Judged.size(), count);
  scratch.Judged.resize(count);
  if (!grew || drawn.size() != key.size()) {  // else nothing changed
    TableWatcher watcher(model, scratch, scratch.Judged.data() + first, first, count - first);
    if (first == 0)
      RenderSection(model, FineView(), scratch.Fine, watcher);
    else
      PaintCutsFrom(model, FineView(), first, scratch.Fine, watcher);
    scratch.Drawn = key;  // a copy, so that both keep their storage for the next pass
  }
  for (size_t i = 0; i < count; ++i) TakeJudgement(cuts[i].Figures, scratch.Judged[i]);
}

void DrawCutListFinely(const Model& model, TableScratch& scratch) {
  PrepareCanvas(scratch);
  TableWatcher quiet(model, scratch, nullptr, 0, 0);
  RenderSection(model, FineView(), scratch.Fine, quiet);
  scratch.List = scratch.Fine;
}

void JudgeFurtherCutOnTable(const Model& model, const Cut& cut, CutFigures& found,
                            TableScratch& scratch) {
  scratch.Fine = scratch.List;
  TableJudgement judged;
  TableWatcher watcher(model, scratch, &judged, model.Cuts().size(), 1);
  PaintFurtherCut(model, FineView(), cut, scratch.Fine, watcher);
  TakeJudgement(found, judged);
}

}  // namespace kerf
