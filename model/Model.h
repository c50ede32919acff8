// Model: the program-wide state of one run (cutter library, stock, orientation, cut list).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Cut.h"
#include "model/LengthText.h"
#include "model/Raster.h"
#include "model/Tool.h"

namespace kerf {

inline constexpr int MinStockSize = 50;
inline constexpr int MaxStockSize = 1000;
inline constexpr Colour DefaultWoodColour = 752609;  // red 225, green 123, blue 11
inline constexpr int MinTextureRepeat = 1;           // the Texture window's repeat counters
inline constexpr int MaxTextureRepeat = 10;

// What an edit of the set-up changed, so that the owner redraws only what it must. An edit that
// changed nothing reports all three false (and converts to false).
struct SetupChange {
  bool Section = false;  // stock, orientation or cuts: the section and the solid are out of date
  bool CutList = false;  // rows of the cut list were added, removed, moved or rewritten
  bool Look = false;     // wood colour or texture settings
  explicit operator bool() const { return Section || CutList || Look; }
  bool operator==(const SetupChange&) const = default;
  SetupChange& operator|=(const SetupChange& o) {
    Section |= o.Section;
    CutList |= o.CutList;
    Look |= o.Look;
    return *this;
  }
};

// The result of an edit of one cut: what changed and the cut as it was before the edit (the
// removed cut of a delete, the replaced cut of a replace), which is what undoing it needs.
struct CutEdit {
  SetupChange Changed;
  Cut Before;
  explicit operator bool() const { return static_cast<bool>(Changed); }
};

// Everything a project stores about the work, as one value: what New and Open replace and
// what an undo of either puts back.
struct WorkSetup {
  int32_t StockWidth = 200;
  int32_t StockHeight = 200;
  int32_t FaceOnTable = 3;
  int32_t CurrentCutter = 1;
  std::vector<Cut> Cuts;  // cut #1 first
  Colour WoodSwatch = DefaultWoodColour;
  std::string TextureFile;
  bool TextureMap = false;
  int TextureRepeatV = 2;
  int TextureRepeatH = 4;
};

// What only the view holds, never stored in a project: the Profile picture's zoom and the 3-D
// view's clear colour.
struct ViewState {
  int32_t ProfileZoom = 1;  // 1, 2 or 4
  Colour BackgroundSwatch = Black;
};

// One object of this class is created by main() and handed by reference to every window
// and command. Its set-up changes only through the edit operations below, which keep every
// setting in its range.
class Model {
 public:
  Model();

  // --- cutter library -------------------------------------------------------------
  // Cutters are numbered from 1 as the user sees them; Cutters() holds cutter 1 first.
  const std::vector<Tool>& Cutters() const { return cutters_; }
  int CutterCount() const { return static_cast<int>(cutters_.size()); }
  // The cutter numbered n, or nullptr when n names no loaded cutter.
  const Tool* Cutter(int n) const;
  // Replaces the library (cutters 1..n in the given order) and selects cutter 1.
  void SetCutterLibrary(std::vector<Tool> tools);
  // Replaces the library while cutting goes on: every cut and the current cutter keep their
  // cutter by file name (a cut whose cutter is gone is left with 0 and its file name).
  void ReloadCutterLibrary(std::vector<Tool> tools);
  // Counts the replacements of the library: what was worked out from its cutters is stale
  // once this has moved on.
  long long LibraryGeneration() const { return libraryGeneration_; }
  // Number of the first cutter whose FileName equals name exactly; 0 when none.
  int FindCutter(const std::string& fileName) const;
  // The selected cutter: 1..CutterCount(), or 1 while the library is empty.
  int CurrentCutter() const { return work_.CurrentCutter; }
  // Asserts on a number that names no loaded cutter and then leaves the selection as it was.
  void SetCurrentCutter(int n);

  // --- stock and orientation ----------------------------------------------------------
  // Stock sizes 50..1000, set by NewWorkpiece and ReplaceSetup.
  int32_t StockWidth() const { return work_.StockWidth; }
  int32_t StockHeight() const { return work_.StockHeight; }
  int32_t FaceOnTable() const { return work_.FaceOnTable; }  // 0 until the first New, then 1..8
  int32_t ProfileZoom() const { return view_.ProfileZoom; }  // 1, 2 or 4
  // Asserts on a face outside 1..8 and then leaves the face as it was.
  SetupChange SetFaceOnTable(int32_t face);
  // Asserts on a zoom other than 1, 2 or 4 and then leaves the zoom as it was.
  void SetProfileZoom(int32_t zoom);

  // Turning the stock: each reports a changed section; the first two undo each other and a
  // flip undoes itself.
  SetupChange RotateStockAnticlockwise();
  SetupChange RotateStockClockwise();
  SetupChange FlipStock();
  void ZoomIn();   // doubles ProfileZoom while below 4
  void ZoomOut();  // halves ProfileZoom while above 1

  // --- cut list -------------------------------------------------------------------------
  // Cuts are numbered from 1 as the user sees them (cut #1, grid row 1); Cuts() holds cut #1
  // first.
  const std::vector<Cut>& Cuts() const { return work_.Cuts; }
  int CutCount() const { return static_cast<int>(work_.Cuts.size()); }
  // The cut numbered n (1..CutCount()); asserts on any other number.
  const Cut& CutAt(int n) const;
  // Appends a cut with the given fence and height, FaceOnTable and CurrentCutter. Undone by
  // deleting cut CutCount().
  SetupChange AppendCut(int32_t fence, int32_t height);
  // The model part of New: zoom 1, no cuts, face 3, the given stock size (clamped 50..1000).
  // Undone by ReplaceSetup with the set-up taken before.
  SetupChange NewWorkpiece(int32_t stockWidth, int32_t stockHeight);
  // Cut-list edits by cut number (= grid row). Each reports nothing changed for a number that
  // names no cut (or no neighbour to swap with).
  CutEdit DeleteCut(int row);               // returns the removed cut
  SetupChange InsertCut(int row, Cut cut);  // row 1..CutCount()+1; undoes DeleteCut(row)
  CutEdit ReplaceCut(int row, Cut cut);     // returns the cut it replaced
  SetupChange MoveCutUp(int row);           // undone by MoveCutDown(row - 1)
  SetupChange MoveCutDown(int row);         // undone by MoveCutUp(row + 1)

  // --- the whole set-up ---------------------------------------------------------------------
  WorkSetup TakeSetup() const { return work_; }
  // The same without a copy.
  const WorkSetup& Work() const { return work_; }
  // Replaces stock, face, cuts (as given), current cutter and the look settings as Open does:
  // the stock held to 50..1000, repeats to 1..10, CurrentCutter 1 when it names no loaded
  // cutter. A face outside 1..8 is a caller's fault (asserted; face 3 is used). Zoom goes back
  // to 1. Reports everything changed.
  SetupChange ReplaceSetup(const WorkSetup& setup);

  // --- look -------------------------------------------------------------------------------
  // The Tools window's wood swatch, stored in projects, and the same as components 0..1 with
  // alpha 1.
  Colour WoodSwatch() const { return work_.WoodSwatch; }
  const std::array<float, 4>& WoodColour() const { return woodColour_; }
  SetupChange SetWoodSwatch(Colour c);  // sets both
  // Clear colour of the 3-D view; not stored in projects.
  Colour BackgroundSwatch() const { return view_.BackgroundSwatch; }
  void SetBackgroundSwatch(Colour c) { view_.BackgroundSwatch = c & 0xFFFFFF; }
  // The view's settings, which a project does not store (zoom and background).
  const ViewState& View() const { return view_; }

  // Texture settings of the Texture window, stored in projects (lines 6 to 9).
  const std::string& TextureFile() const { return work_.TextureFile; }  // full path; empty for none
  bool TextureMap() const { return work_.TextureMap; }
  int TextureRepeatV() const { return work_.TextureRepeatV; }  // 1..10
  int TextureRepeatH() const { return work_.TextureRepeatH; }  // 1..10
  // Look settings; each reports Look changed only when the value differs. Repeats outside
  // 1..10 are a caller's fault (asserted) and are held to that range.
  SetupChange SetTextureFile(const std::string& path);
  SetupChange SetTextureMap(bool on);
  SetupChange SetTextureRepeat(int vertical, int horizontal);

  // --- display and file ---------------------------------------------------------------------
  LengthUnit Unit() const { return unit_; }  // display unit, read by every length text
  void SetUnit(LengthUnit unit) { unit_ = unit; }
  // How high the table's lift raises a bit's lowest row, in hundredths (a setting of the
  // table, not of the project); cuts set higher are judged impossible.
  int32_t TableReach() const { return tableReach_; }
  void SetTableReach(int32_t reach) { tableReach_ = reach; }
  const std::string& ProjectFileName() const { return projectFileName_; }
  void SetProjectFileName(const std::string& path) { projectFileName_ = path; }
  // The project file's name without its folder and extension, as sheets and exports title it.
  std::string ProjectTitle() const;

 private:
  // The cut with the number of the loaded cutter its file name names, where one does: a cut
  // put back by an undo keeps its cutter though the library was reloaded since.
  Cut WithCutterByName(Cut cut) const;

  std::vector<Tool> cutters_;
  long long libraryGeneration_ = 0;
  // What a project stores, and what only the view holds: the two never mix.
  WorkSetup work_;
  ViewState view_;
  std::array<float, 4> woodColour_{};  // follows work_.WoodSwatch
  LengthUnit unit_ = LengthUnit::Imperial;
  int32_t tableReach_ = 150;
  std::string projectFileName_ = "Router.rou";
};

}  // namespace kerf
