// Model: orientation, zoom, cut-list edits, New and the cutter library lookups.
#include "model/Model.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "model/Orientation.h"

namespace kerf {

namespace {

bool ValidRow(int row, int count) { return row >= 1 && row <= count; }

constexpr SetupChange SectionChanged{true, false, false};
constexpr SetupChange CutsChanged{true, true, false};
constexpr SetupChange LookChanged{false, false, true};
constexpr SetupChange AllChanged{true, true, true};

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

void Model::ReloadCutterLibrary(std::vector<TTool> tools) {
  const TTool* current = Cutter(CurrentCutter);
  const std::string currentFile = current != nullptr ? current->FileName : std::string();
  SetCutterLibrary(std::move(tools));
  for (size_t i = 1; i < CutList.size(); ++i) CutList[i].Cutter = FindCutter(CutList[i].CutterFileName);
  if (const int n = FindCutter(currentFile); n > 0) CurrentCutter = n;
}

int Model::FindCutter(const std::string& fileName) const {
  for (int i = 1; i <= CutterCount(); ++i)
    if (CutterTable[static_cast<size_t>(i)].FileName == fileName) return i;
  return 0;
}

SetupChange Model::SetFaceOnTable(int32_t face) {
  assert(face >= 1 && face <= 8);
  if (face < 1 || face > 8 || face == faceOnTable_) return {};
  faceOnTable_ = face;
  return SectionChanged;
}

void Model::SetProfileZoom(int32_t zoom) {
  assert(zoom == 1 || zoom == 2 || zoom == 4);
  if (zoom == 1 || zoom == 2 || zoom == 4) profileZoom_ = zoom;
}

SetupChange Model::RotateStockAnticlockwise() {
  faceOnTable_ = RotateAnticlockwise(faceOnTable_);
  return SectionChanged;
}

SetupChange Model::RotateStockClockwise() {
  faceOnTable_ = RotateClockwise(faceOnTable_);
  return SectionChanged;
}

SetupChange Model::FlipStock() {
  faceOnTable_ = FlipEndOverEnd(faceOnTable_);
  return SectionChanged;
}

void Model::ZoomIn() {
  if (profileZoom_ < 4) profileZoom_ *= 2;
}

void Model::ZoomOut() {
  if (profileZoom_ > 1) profileZoom_ /= 2;
}

const TCut& Model::CutAt(int n) const {
  assert(ValidRow(n, CutCount()));
  return CutList[static_cast<size_t>(n)];
}

SetupChange Model::AppendCut(int32_t fence, int32_t height) {
  TCut cut;
  cut.Fence = fence;
  cut.Height = height;
  cut.Face = faceOnTable_;
  cut.Cutter = CurrentCutter;
  if (const TTool* tool = Cutter(CurrentCutter)) cut.CutterFileName = tool->FileName;
  CutList.push_back(std::move(cut));
  return CutsChanged;
}

SetupChange Model::NewWorkpiece(int32_t stockWidth, int32_t stockHeight) {
  profileZoom_ = 1;
  CutList.resize(1);
  CutList[0] = TCut{};
  faceOnTable_ = 3;
  stockHeight_ = std::clamp(stockHeight, MinStockSize, MaxStockSize);
  stockWidth_ = std::clamp(stockWidth, MinStockSize, MaxStockSize);
  return CutsChanged;
}

CutEdit Model::DeleteCut(int row) {
  const int count = CutCount();
  if (!ValidRow(row, count)) return {};
  CutEdit edit{CutsChanged, TCut{}};
  CopySettings(edit.Cut, CutList[static_cast<size_t>(row)]);
  for (int i = row; i < count; ++i)
    CopySettings(CutList[static_cast<size_t>(i)], CutList[static_cast<size_t>(i) + 1]);
  CutList.pop_back();
  return edit;
}

SetupChange Model::InsertCut(int row, TCut cut) {
  const int count = CutCount();
  if (!ValidRow(row, count + 1)) return {};
  CutList.emplace_back();
  for (int i = count + 1; i > row; --i)
    CopySettings(CutList[static_cast<size_t>(i)], CutList[static_cast<size_t>(i) - 1]);
  CopySettings(CutList[static_cast<size_t>(row)], cut);
  return CutsChanged;
}

CutEdit Model::ReplaceCut(int row, TCut cut) {
  if (!ValidRow(row, CutCount())) return {};
  CutEdit edit{CutsChanged, TCut{}};
  TCut& slot = CutList[static_cast<size_t>(row)];
  CopySettings(edit.Cut, slot);
  CopySettings(slot, cut);
  return edit;
}

SetupChange Model::MoveCutUp(int row) {
  if (row < 2 || !ValidRow(row, CutCount())) return {};
  SwapSettings(CutList[static_cast<size_t>(row) - 1], CutList[static_cast<size_t>(row)]);
  return CutsChanged;
}

SetupChange Model::MoveCutDown(int row) {
  if (row < 1 || row >= CutCount()) return {};
  SwapSettings(CutList[static_cast<size_t>(row)], CutList[static_cast<size_t>(row) + 1]);
  return CutsChanged;
}

WorkSetup Model::TakeSetup() const {
  WorkSetup s;
  s.StockWidth = stockWidth_;
  s.StockHeight = stockHeight_;
  s.FaceOnTable = faceOnTable_;
  s.CurrentCutter = CurrentCutter;
  s.Cuts.reserve(static_cast<size_t>(CutCount()));
  for (int n = 1; n <= CutCount(); ++n) {
    s.Cuts.emplace_back();
    CopySettings(s.Cuts.back(), CutList[static_cast<size_t>(n)]);
  }
  s.WoodSwatch = WoodSwatch;
  s.TextureFile = TextureFile;
  s.TextureMap = TextureMap;
  s.TextureRepeatV = textureRepeatV_;
  s.TextureRepeatH = textureRepeatH_;
  return s;
}

SetupChange Model::ReplaceSetup(const WorkSetup& setup) {
  NewWorkpiece(setup.StockWidth, setup.StockHeight);
  CutList.reserve(setup.Cuts.size() + 1);
  for (const TCut& stored : setup.Cuts) {
    CutList.emplace_back();
    CopySettings(CutList.back(), stored);
  }
  assert(setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8);
  faceOnTable_ = setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8 ? setup.FaceOnTable : 3;
  SetWoodSwatch(setup.WoodSwatch);
  TextureFile = setup.TextureFile;
  TextureMap = setup.TextureMap;
  textureRepeatV_ = std::clamp(setup.TextureRepeatV, MinTextureRepeat, MaxTextureRepeat);
  textureRepeatH_ = std::clamp(setup.TextureRepeatH, MinTextureRepeat, MaxTextureRepeat);
  const bool cutterKnown = setup.CurrentCutter >= 1 && setup.CurrentCutter <= CutterCount();
  CurrentCutter = cutterKnown ? setup.CurrentCutter : 1;
  return AllChanged;
}

SetupChange Model::SetWoodSwatch(Colour c) {
  const Colour before = WoodSwatch;
  WoodSwatch = c & 0xFFFFFF;
  WoodColour = {static_cast<float>(ColourRed(c)) / 255.0f,
                static_cast<float>(ColourGreen(c)) / 255.0f,
                static_cast<float>(ColourBlue(c)) / 255.0f, 1.0f};
  return WoodSwatch != before ? LookChanged : SetupChange{};
}

SetupChange Model::SetTextureFile(const std::string& path) {
  if (path == TextureFile) return {};
  TextureFile = path;
  return LookChanged;
}

SetupChange Model::SetTextureMap(bool on) {
  if (on == TextureMap) return {};
  TextureMap = on;
  return LookChanged;
}

SetupChange Model::SetTextureRepeat(int vertical, int horizontal) {
  assert(vertical >= MinTextureRepeat && vertical <= MaxTextureRepeat);
  assert(horizontal >= MinTextureRepeat && horizontal <= MaxTextureRepeat);
  const int v = std::clamp(vertical, MinTextureRepeat, MaxTextureRepeat);
  const int h = std::clamp(horizontal, MinTextureRepeat, MaxTextureRepeat);
  if (v == textureRepeatV_ && h == textureRepeatH_) return {};
  textureRepeatV_ = v;
  textureRepeatH_ = h;
  return LookChanged;
}

}  // namespace kerf
