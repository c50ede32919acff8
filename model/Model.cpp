// Model: orientation, zoom, cut-list edits, New and the cutter library lookups.
#include "model/Model.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "model/Orientation.h"

namespace kerf {

namespace {

bool ValidRow(int row, int count) { return row >= 1 && row <= count; }

// Where the cut or cutter numbered n (from 1) sits in its 0-based table.
size_t Slot(int n) { return static_cast<size_t>(n - 1); }

constexpr SetupChange SectionChanged{true, false, false};
constexpr SetupChange CutsChanged{true, true, false};
constexpr SetupChange LookChanged{false, false, true};
constexpr SetupChange AllChanged{true, true, true};

// The four settings of a cut: what cut-list edits move between slots. The file name of the
// cutter belongs to the Cutter setting and travels with it.
void SwapSettings(Cut& a, Cut& b) {
  std::swap(a.Fence, b.Fence);
  std::swap(a.Height, b.Height);
  std::swap(a.Face, b.Face);
  std::swap(a.Cutter, b.Cutter);
  std::swap(a.CutterFileName, b.CutterFileName);
}

void CopySettings(Cut& to, const Cut& from) {
  to.Fence = from.Fence;
  to.Height = from.Height;
  to.Face = from.Face;
  to.Cutter = from.Cutter;
  to.CutterFileName = from.CutterFileName;
}

}  // namespace

Model::Model() { SetWoodSwatch(woodSwatch_); }

const Tool* Model::Cutter(int n) const {
  if (n < 1 || n > CutterCount()) return nullptr;
  return &cutters_[Slot(n)];
}

void Model::SetCutterLibrary(std::vector<Tool> tools) {
  cutters_ = std::move(tools);
  ++libraryGeneration_;
  currentCutter_ = 1;
}

void Model::ReloadCutterLibrary(std::vector<Tool> tools) {
  const Tool* current = Cutter(currentCutter_);
  const std::string currentFile = current != nullptr ? current->FileName : std::string();
  SetCutterLibrary(std::move(tools));
  for (Cut& cut : cuts_) cut.Cutter = FindCutter(cut.CutterFileName);
  if (const int n = FindCutter(currentFile); n > 0) currentCutter_ = n;
}

int Model::FindCutter(const std::string& fileName) const {
  const auto found = std::find_if(cutters_.begin(), cutters_.end(),
                                  [&](const Tool& tool) { return tool.FileName == fileName; });
  return found == cutters_.end() ? 0 : static_cast<int>(found - cutters_.begin()) + 1;
}

void Model::SetCurrentCutter(int n) {
  assert(Cutter(n) != nullptr);
  if (Cutter(n) != nullptr) currentCutter_ = n;
}

SetupChange Model::SetFaceOnTable(int32_t face) {
  assert(face >= 1 && face <= 8);
  if (face < 1 || face > 8 || face == faceOnTable_) return {};
  faceOnTable_ = face;
  return SectionChanged;
}

void Model::SetProfileZoom(int32_t zoom) {
  assert(zoom == 1 || zoom == 2 || zoom == 4);
  if (zoom == 1 || zoom == 2 || zoom == 4) view_.ProfileZoom = zoom;
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
  if (view_.ProfileZoom < 4) view_.ProfileZoom *= 2;
}

void Model::ZoomOut() {
  if (view_.ProfileZoom > 1) view_.ProfileZoom /= 2;
}

const Cut& Model::CutAt(int n) const {
  assert(ValidRow(n, CutCount()));
  return cuts_[Slot(n)];
}

SetupChange Model::AppendCut(int32_t fence, int32_t height) {
  Cut cut;
  cut.Fence = fence;
  cut.Height = height;
  cut.Face = faceOnTable_;
  cut.Cutter = currentCutter_;
  if (const Tool* tool = Cutter(currentCutter_)) cut.CutterFileName = tool->FileName;
  cuts_.push_back(std::move(cut));
  return CutsChanged;
}

SetupChange Model::NewWorkpiece(int32_t stockWidth, int32_t stockHeight) {
  view_.ProfileZoom = 1;
  cuts_.clear();
  faceOnTable_ = 3;
  stockHeight_ = std::clamp(stockHeight, MinStockSize, MaxStockSize);
  stockWidth_ = std::clamp(stockWidth, MinStockSize, MaxStockSize);
  return CutsChanged;
}

CutEdit Model::DeleteCut(int row) {
  if (!ValidRow(row, CutCount())) return {};
  CutEdit edit{CutsChanged, Cut{}};
  CopySettings(edit.Before, cuts_[Slot(row)]);
  for (size_t i = Slot(row); i + 1 < cuts_.size(); ++i) CopySettings(cuts_[i], cuts_[i + 1]);
  cuts_.pop_back();
  return edit;
}

Cut Model::WithCutterByName(Cut cut) const {
  if (const int n = FindCutter(cut.CutterFileName); n > 0) cut.Cutter = n;
  return cut;
}

SetupChange Model::InsertCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount() + 1)) return {};
  cuts_.emplace_back();
  for (size_t i = cuts_.size() - 1; i > Slot(row); --i) CopySettings(cuts_[i], cuts_[i - 1]);
  CopySettings(cuts_[Slot(row)], WithCutterByName(cut));
  return CutsChanged;
}

CutEdit Model::ReplaceCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount())) return {};
  CutEdit edit{CutsChanged, Cut{}};
  Cut& slot = cuts_[Slot(row)];
  CopySettings(edit.Before, slot);
  CopySettings(slot, WithCutterByName(cut));
  return edit;
}

SetupChange Model::MoveCutUp(int row) {
  if (row < 2 || !ValidRow(row, CutCount())) return {};
  SwapSettings(cuts_[Slot(row - 1)], cuts_[Slot(row)]);
  return CutsChanged;
}

SetupChange Model::MoveCutDown(int row) {
  if (row < 1 || row >= CutCount()) return {};
  SwapSettings(cuts_[Slot(row)], cuts_[Slot(row + 1)]);
  return CutsChanged;
}

void Model::SetCutFigures(const std::vector<CutFigures>& figures) {
  assert(figures.size() == cuts_.size());
  for (size_t i = 0; i < figures.size() && i < cuts_.size(); ++i)
    static_cast<CutFigures&>(cuts_[i]) = figures[i];
}

WorkSetup Model::TakeSetup() const {
  WorkSetup s;
  s.StockWidth = stockWidth_;
  s.StockHeight = stockHeight_;
  s.FaceOnTable = faceOnTable_;
  s.CurrentCutter = currentCutter_;
  s.Cuts.reserve(cuts_.size());
  for (const Cut& cut : cuts_) {
    s.Cuts.emplace_back();
    CopySettings(s.Cuts.back(), cut);
  }
  s.WoodSwatch = woodSwatch_;
  s.TextureFile = textureFile_;
  s.TextureMap = textureMap_;
  s.TextureRepeatV = textureRepeatV_;
  s.TextureRepeatH = textureRepeatH_;
  return s;
}

SetupChange Model::ReplaceSetup(const WorkSetup& setup) {
  NewWorkpiece(setup.StockWidth, setup.StockHeight);
  cuts_.reserve(setup.Cuts.size());
  for (const Cut& stored : setup.Cuts) {
    cuts_.emplace_back();
    CopySettings(cuts_.back(), WithCutterByName(stored));
  }
  assert(setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8);
  faceOnTable_ = setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8 ? setup.FaceOnTable : 3;
  SetWoodSwatch(setup.WoodSwatch);
  textureFile_ = setup.TextureFile;
  textureMap_ = setup.TextureMap;
  textureRepeatV_ = std::clamp(setup.TextureRepeatV, MinTextureRepeat, MaxTextureRepeat);
  textureRepeatH_ = std::clamp(setup.TextureRepeatH, MinTextureRepeat, MaxTextureRepeat);
  currentCutter_ = Cutter(setup.CurrentCutter) != nullptr ? setup.CurrentCutter : 1;
  return AllChanged;
}

SetupChange Model::SetWoodSwatch(Colour c) {
  const Colour before = woodSwatch_;
  woodSwatch_ = c & 0xFFFFFF;
  woodColour_ = {static_cast<float>(ColourRed(c)) / 255.0f,
                 static_cast<float>(ColourGreen(c)) / 255.0f,
                 static_cast<float>(ColourBlue(c)) / 255.0f, 1.0f};
  return woodSwatch_ != before ? LookChanged : SetupChange{};
}

SetupChange Model::SetTextureFile(const std::string& path) {
  if (path == textureFile_) return {};
  textureFile_ = path;
  return LookChanged;
}

SetupChange Model::SetTextureMap(bool on) {
  if (on == textureMap_) return {};
  textureMap_ = on;
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

std::string Model::ProjectTitle() const {
  const size_t slash = projectFileName_.find_last_of("/\\");
  std::string name =
      slash == std::string::npos ? projectFileName_ : projectFileName_.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace kerf
