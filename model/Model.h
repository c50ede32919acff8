// Model: the program-wide state of one run (cutter library, stock, orientation, cut list).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Cut.h"
#include "model/LengthText.h"
#include "model/Raster.h"
#include "model/SectionOutline.h"
#include "model/SectionPieces.h"
#include "model/Tool.h"

namespace kerf {

inline constexpr int MinStockSize = 50;
inline constexpr int MaxStockSize = 1000;
inline constexpr Colour DefaultWoodColour = 752609;  // red 225, green 123, blue 11
inline constexpr int SectionSize = 500;              // SectionBitmap and Image2 are 500 x 500

// One object of this class is created by main() and handed by reference to every window
// and command. Tables are 1-based: slot 0 of CutterTable and of CutList is never used.
class Model {
 public:
  Model();

  // --- cutter library -------------------------------------------------------------
  std::vector<TTool> CutterTable{TTool{}};  // slot 0 unused
  int CutterCount() const { return static_cast<int>(CutterTable.size()) - 1; }
  // The cutter numbered n, or nullptr when n names no loaded cutter.
  const TTool* Cutter(int n) const;
  // Replaces the library (slots 1..n in the given order) and sets CurrentCutter to 1.
  void SetCutterLibrary(std::vector<TTool> tools);
  // 1-based index of the first cutter whose FileName equals name exactly; 0 when none.
  int FindCutter(const std::string& fileName) const;
  int CurrentCutter = 1;

  // --- stock and orientation ----------------------------------------------------------
  int32_t StockWidth = 200;
  int32_t StockHeight = 200;
  int32_t FaceOnTable = 0;  // 0 until the first NewWorkpiece, then 1..8
  int32_t ProfileZoom = 1;  // 1, 2 or 4

  void RotateStockAnticlockwise();
  void RotateStockClockwise();
  void FlipStock();
  void ZoomIn();   // doubles ProfileZoom while below 4
  void ZoomOut();  // halves ProfileZoom while above 1

  // --- cut list -------------------------------------------------------------------------
  std::vector<TCut> CutList{TCut{}};  // slot 0 unused; cuts in slots 1..CutCount()
  int CutCount() const { return static_cast<int>(CutList.size()) - 1; }
  // Appends a cut with the given fence and height, FaceOnTable and CurrentCutter.
  void AppendCut(int32_t fence, int32_t height);
  // The model part of New: zoom 1, no cuts, face 3, the given stock size (clamped 50..1000).
  void NewWorkpiece(int32_t stockWidth, int32_t stockHeight);
  // Cut-list edits of the Tools window, by grid row (= cut number). Only the four settings
  // move. Each returns true when the list changed (the caller then rebuilds).
  bool DeleteCut(int row);
  bool MoveCutUp(int row);
  bool MoveCutDown(int row);

  // --- look -------------------------------------------------------------------------------
  Colour WoodSwatch = DefaultWoodColour;  // the Tools window's wood swatch, stored in projects
  std::array<float, 4> WoodColour{};      // WoodSwatch as components 0..1 with alpha 1
  void SetWoodSwatch(Colour c);           // sets both
  Colour BackgroundSwatch = Black;        // clear colour of the 3-D view, not stored

  // Texture settings of the Texture window, stored in projects (lines 6 to 9).
  std::string TextureFile;  // full path of the texture last loaded; empty for none
  bool TextureMap = false;
  int TextureRepeatV = 2;  // 1..10
  int TextureRepeatH = 4;  // 1..10

  LengthUnit Unit = LengthUnit::Imperial;  // display unit, read by every length text
  std::string ProjectFileName = "Router.rou";

  // --- derived pictures ----------------------------------------------------------------------
  Raster SectionBitmap{SectionSize, SectionSize};  // work surface of every section drawing
  Raster Image2{SectionSize, SectionSize};         // the measured section the outline is traced from
  SectionPieces Pieces;                            // the pieces of material of the measured section
  SectionOutline Outline;
};

}  // namespace kerf
