// Model: orientation, zoom, cut-list edits, New and the cutter library lookups.
#include "model/Model.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
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
  CutEdit edit{CutsChanged, std::move(cuts_[Slot(row)])};
  cuts_.erase(cuts_.begin() + static_cast<std::ptrdiff_t>(Slot(row)));
  return edit;
}

Cut Model::WithCutterByName(Cut cut) const {
  if (const int n = FindCutter(cut.CutterFileName); n > 0) cut.Cutter = n;
  return cut;
}

SetupChange Model::InsertCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount() + 1)) return {};
  cuts_.insert(cuts_.begin() + static_cast<std::ptrdiff_t>(Slot(row)),
               WithCutterByName(std::move(cut)));
  return CutsChanged;
}

CutEdit Model::ReplaceCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount())) return {};
  Cut& slot = cuts_[Slot(row)];
  CutEdit edit{CutsChanged, std::exchange(slot, WithCutterByName(std::move(cut)))};
  return edit;
}

SetupChange Model::MoveCutUp(int row) {
  if (row < 2 || !ValidRow(row, CutCount())) return {};
  std::swap(cuts_[Slot(row - 1)], cuts_[Slot(row)]);
  return CutsChanged;
}

SetupChange Model::MoveCutDown(int row) {
  if (row < 1 || row >= CutCount()) return {};
  std::swap(cuts_[Slot(row)], cuts_[Slot(row + 1)]);
  return CutsChanged;
}

WorkSetup Model::TakeSetup() const {
  WorkSetup s;
  s.StockWidth = stockWidth_;
  s.StockHeight = stockHeight_;
  s.FaceOnTable = faceOnTable_;
  s.CurrentCutter = currentCutter_;
  s.Cuts = cuts_;
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
  for (const Cut& stored : setup.Cuts) cuts_.push_back(WithCutterByName(stored));
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
