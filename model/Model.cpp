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

Model::Model() {
  work_.FaceOnTable = 0;  // no face on the table until the first New
  SetWoodSwatch(work_.WoodSwatch);
}

const Tool* Model::Cutter(int n) const {
  if (n < 1 || n > CutterCount()) return nullptr;
  return &cutters_[Slot(n)];
}

void Model::SetCutterLibrary(std::vector<Tool> tools) {
  cutters_ = std::move(tools);
  ++libraryGeneration_;
  work_.CurrentCutter = 1;
}

void Model::ReloadCutterLibrary(std::vector<Tool> tools) {
  const Tool* current = Cutter(work_.CurrentCutter);
  const std::string currentFile = current != nullptr ? current->FileName : std::string();
  SetCutterLibrary(std::move(tools));
  for (Cut& cut : work_.Cuts) cut.Cutter = FindCutter(cut.CutterFileName);
  if (const int n = FindCutter(currentFile); n > 0) work_.CurrentCutter = n;
}

int Model::FindCutter(const std::string& fileName) const {
  const auto found = std::find_if(cutters_.begin(), cutters_.end(),
                                  [&](const Tool& tool) { return tool.FileName == fileName; });
  return found == cutters_.end() ? 0 : static_cast<int>(found - cutters_.begin()) + 1;
}

void Model::SetCurrentCutter(int n) {
  assert(Cutter(n) != nullptr);
  if (Cutter(n) != nullptr) work_.CurrentCutter = n;
}

SetupChange Model::SetFaceOnTable(int32_t face) {
  assert(face >= 1 && face <= 8);
  if (face < 1 || face > 8 || face == work_.FaceOnTable) return {};
  work_.FaceOnTable = face;
  return SectionChanged;
}

void Model::SetProfileZoom(int32_t zoom) {
  assert(zoom == 1 || zoom == 2 || zoom == 4);
  if (zoom == 1 || zoom == 2 || zoom == 4) view_.ProfileZoom = zoom;
}

SetupChange Model::RotateStockAnticlockwise() {
  work_.FaceOnTable = RotateAnticlockwise(work_.FaceOnTable);
  return SectionChanged;
}

SetupChange Model::RotateStockClockwise() {
  work_.FaceOnTable = RotateClockwise(work_.FaceOnTable);
  return SectionChanged;
}

SetupChange Model::FlipStock() {
  work_.FaceOnTable = FlipEndOverEnd(work_.FaceOnTable);
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
  return work_.Cuts[Slot(n)];
}

SetupChange Model::AppendCut(int32_t fence, int32_t height) {
  Cut cut;
  cut.Fence = fence;
  cut.Height = height;
  cut.Face = work_.FaceOnTable;
  cut.Cutter = work_.CurrentCutter;
  if (const Tool* tool = Cutter(work_.CurrentCutter)) cut.CutterFileName = tool->FileName;
  work_.Cuts.push_back(std::move(cut));
  return CutsChanged;
}

SetupChange Model::NewWorkpiece(int32_t stockWidth, int32_t stockHeight) {
  view_.ProfileZoom = 1;
  work_.Cuts.clear();
  work_.FaceOnTable = 3;
  work_.StockHeight = std::clamp(stockHeight, MinStockSize, MaxStockSize);
  work_.StockWidth = std::clamp(stockWidth, MinStockSize, MaxStockSize);
  return CutsChanged;
}

CutEdit Model::DeleteCut(int row) {
  if (!ValidRow(row, CutCount())) return {};
  CutEdit edit{CutsChanged, std::move(work_.Cuts[Slot(row)])};
  work_.Cuts.erase(work_.Cuts.begin() + static_cast<std::ptrdiff_t>(Slot(row)));
  return edit;
}

Cut Model::WithCutterByName(Cut cut) const {
  if (const int n = FindCutter(cut.CutterFileName); n > 0) cut.Cutter = n;
  return cut;
}

SetupChange Model::InsertCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount() + 1)) return {};
  work_.Cuts.insert(work_.Cuts.begin() + static_cast<std::ptrdiff_t>(Slot(row)),
                    WithCutterByName(std::move(cut)));
  return CutsChanged;
}

CutEdit Model::ReplaceCut(int row, Cut cut) {
  if (!ValidRow(row, CutCount())) return {};
  Cut& slot = work_.Cuts[Slot(row)];
  CutEdit edit{CutsChanged, std::exchange(slot, WithCutterByName(std::move(cut)))};
  return edit;
}

SetupChange Model::MoveCutUp(int row) {
  if (row < 2 || !ValidRow(row, CutCount())) return {};
  std::swap(work_.Cuts[Slot(row - 1)], work_.Cuts[Slot(row)]);
  return CutsChanged;
}

SetupChange Model::MoveCutDown(int row) {
  if (row < 1 || row >= CutCount()) return {};
  std::swap(work_.Cuts[Slot(row)], work_.Cuts[Slot(row + 1)]);
  return CutsChanged;
}

SetupChange Model::ReplaceSetup(const WorkSetup& setup) {
  if (&setup == &work_) return ReplaceSetup(WorkSetup(setup));  // Work() handed back
  NewWorkpiece(setup.StockWidth, setup.StockHeight);
  work_.Cuts.reserve(setup.Cuts.size());
  for (const Cut& stored : setup.Cuts) work_.Cuts.push_back(WithCutterByName(stored));
  assert(setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8);
  work_.FaceOnTable = setup.FaceOnTable >= 1 && setup.FaceOnTable <= 8 ? setup.FaceOnTable : 3;
  SetWoodSwatch(setup.WoodSwatch);
  work_.TextureFile = setup.TextureFile;
  work_.TextureMap = setup.TextureMap;
  work_.TextureRepeatV = std::clamp(setup.TextureRepeatV, MinTextureRepeat, MaxTextureRepeat);
  work_.TextureRepeatH = std::clamp(setup.TextureRepeatH, MinTextureRepeat, MaxTextureRepeat);
  work_.CurrentCutter = Cutter(setup.CurrentCutter) != nullptr ? setup.CurrentCutter : 1;
  return AllChanged;
}

SetupChange Model::SetWoodSwatch(Colour c) {
  const Colour before = work_.WoodSwatch;
  work_.WoodSwatch = c & 0xFFFFFF;
  woodColour_ = {static_cast<float>(ColourRed(c)) / 255.0f,
                 static_cast<float>(ColourGreen(c)) / 255.0f,
                 static_cast<float>(ColourBlue(c)) / 255.0f, 1.0f};
  return work_.WoodSwatch != before ? LookChanged : SetupChange{};
}

SetupChange Model::SetTextureFile(const std::string& path) {
  if (path == work_.TextureFile) return {};
  work_.TextureFile = path;
  return LookChanged;
}

SetupChange Model::SetTextureMap(bool on) {
  if (on == work_.TextureMap) return {};
  work_.TextureMap = on;
  return LookChanged;
}

SetupChange Model::SetTextureRepeat(int vertical, int horizontal) {
  assert(vertical >= MinTextureRepeat && vertical <= MaxTextureRepeat);
  assert(horizontal >= MinTextureRepeat && horizontal <= MaxTextureRepeat);
  const int v = std::clamp(vertical, MinTextureRepeat, MaxTextureRepeat);
  const int h = std::clamp(horizontal, MinTextureRepeat, MaxTextureRepeat);
  if (v == work_.TextureRepeatV && h == work_.TextureRepeatH) return {};
  work_.TextureRepeatV = v;
  work_.TextureRepeatH = h;
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
