// Model: orientation, zoom, cut-list edits, New and the cutter library lookups.
#include "model/Model.h"

#include <algorithm>
#include <utility>

#include "model/Orientation.h"

namespace kerf {

namespace {

bool ValidRow(int row, int count) { return row >= 1 && row <= count; }

// The four settings of a cut: what cut-list edits move between slots. The file name of the
// cutter belongs to the Cutter setting and travels with it.
void SwapSettings(TCut& a, TCut& b) {
  std::swap(a.Fence, b.Fence);
  std::swap(a.Height, b.Height);
  std::swap(a.Face, b.Face);
  std::swap(a.Cutter, b.Cutter);
  std::swap(a.CutterFileName, b.CutterFileName);
}

void CopySettings(TCut& to, const TCut& from) {
  to.Fence = from.Fence;
  to.Height = from.Height;
  to.Face = from.Face;
  to.Cutter = from.Cutter;
  to.CutterFileName = from.CutterFileName;
}

}  // namespace

Model::Model() { SetWoodSwatch(WoodSwatch); }

const TTool* Model::Cutter(int n) const {
  if (n < 1 || n > CutterCount()) return nullptr;
  return &CutterTable[static_cast<size_t>(n)];
}

void Model::SetCutterLibrary(std::vector<TTool> tools) {
  CutterTable.clear();
  CutterTable.reserve(tools.size() + 1);
  CutterTable.emplace_back();
  for (TTool& tool : tools) CutterTable.push_back(std::move(tool));
  CurrentCutter = 1;
}

int Model::FindCutter(const std::string& fileName) const {
  for (int i = 1; i <= CutterCount(); ++i)
    if (CutterTable[static_cast<size_t>(i)].FileName == fileName) return i;
  return 0;
}

void Model::RotateStockAnticlockwise() { FaceOnTable = RotateAnticlockwise(FaceOnTable); }

void Model::RotateStockClockwise() { FaceOnTable = RotateClockwise(FaceOnTable); }

void Model::FlipStock() { FaceOnTable = FlipEndOverEnd(FaceOnTable); }

void Model::ZoomIn() {
  if (ProfileZoom < 4) ProfileZoom *= 2;
}

void Model::ZoomOut() {
  if (ProfileZoom > 1) ProfileZoom /= 2;
}

void Model::AppendCut(int32_t fence, int32_t height) {
  TCut cut;
  cut.Fence = fence;
  cut.Height = height;
  cut.Face = FaceOnTable;
  cut.Cutter = CurrentCutter;
  if (const TTool* tool = Cutter(CurrentCutter)) cut.CutterFileName = tool->FileName;
  CutList.push_back(std::move(cut));
}

void Model::NewWorkpiece(int32_t stockWidth, int32_t stockHeight) {
  ProfileZoom = 1;
  CutList.resize(1);
  CutList[0] = TCut{};
  FaceOnTable = 3;
  StockHeight = std::clamp(stockHeight, MinStockSize, MaxStockSize);
  StockWidth = std::clamp(stockWidth, MinStockSize, MaxStockSize);
}

bool Model::DeleteCut(int row) {
  const int count = CutCount();
  if (!ValidRow(row, count)) return false;
  for (int i = row; i < count; ++i)
    CopySettings(CutList[static_cast<size_t>(i)], CutList[static_cast<size_t>(i) + 1]);
  CutList.pop_back();
  return true;
}

bool Model::MoveCutUp(int row) {
  if (row < 2 || !ValidRow(row, CutCount())) return false;
  SwapSettings(CutList[static_cast<size_t>(row) - 1], CutList[static_cast<size_t>(row)]);
  return true;
}

bool Model::MoveCutDown(int row) {
  if (row < 1 || row >= CutCount()) return false;
  SwapSettings(CutList[static_cast<size_t>(row)], CutList[static_cast<size_t>(row) + 1]);
  return true;
}

void Model::SetWoodSwatch(Colour c) {
  WoodSwatch = c & 0xFFFFFF;
  WoodColour = {static_cast<float>(ColourRed(c)) / 255.0f,
                static_cast<float>(ColourGreen(c)) / 255.0f,
                static_cast<float>(ColourBlue(c)) / 255.0f, 1.0f};
}

}  // namespace kerf
