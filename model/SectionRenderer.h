// RenderSection: paints the stock and every cut into a raster, measuring the cuts' figures.
#pragma once

#include <vector>

#include "model/Model.h"
#include "model/Raster.h"
#include "model/Section.h"
#include "model/SectionPictures.h"

namespace kerf {

// Where and how a section is drawn.
struct SectionView {
  int W = SectionSize;  // target image width and height in pixels
  int H = SectionSize;
  int Zoom = 1;  // 1, 2 or 4
  // The mounted cutter, outlined at Fence and CutterHeight (the Profile window's preview);
  // nothing is outlined when null.
  const Tool* Cutter = nullptr;
  Colour Material = Black;   // colour of uncut material
  int32_t Fence = 0;         // fence slider position, for the cutter outline
  int32_t CutterHeight = 0;  // height slider position, for the cutter outline
  // Paint each cutter row as a band over all the pixel rows of its unit of height, not as one
  // line; only for drawings finer than a pixel per unit (the program's own pictures keep lines).
  bool RowBands = false;
  // With the table and fence drawn in: the stock's corner, where table and fence meet, stands
  // this many pixels in from the picture's bottom right corner; the table and fence run through
  // the picture as thin grey lines and the part of the cutter's outline below the table or
  // behind the fence is dashed. At 0 the corner is the picture's own and neither is drawn.
  int MachineMargin = 0;
};

// Where the stock's rectangle lies on a picture drawn with view: its left column and top row,
// and the fence face (a column) and the table face (a row) it stands against, which are also
// its right and bottom edges.
struct StockOnPicture {
  int Left = 0, Top = 0;
  int FenceX = 0, TableY = 0;
};
StockOnPicture PlaceStock(const StockSetup& stock, const SectionView& view);
StockOnPicture PlaceStock(const Model& model, const SectionView& view);

// The model's stock as it lies.
StockSetup StockOf(const Model& model);

// Paints the section of model's bare stock and whole cut list into canvas, which is at least
// W x H (and whose row and column beyond the picture are drawn on when it has them).
void RenderSection(const Model& model, const SectionView& view, Raster& canvas);

// A cut's cutter on a picture, for reading the wood around it: its axis's anchor (the point
// the cutter's rows are counted from), which way its rows run (0: up, 2: down, -1: leftwards,
// +1: rightwards), the side of the stock that lay against the fence and the table's line.
struct CutStand {
  int AxisX = 0, AxisY = 0;
  int Turn = 0;
  int FenceSide = 0;
  int TableLine = 0;  // a row for turns 0 and 2, else a column
};

// Told about each cut as a section is painted, just before it and just after it.
class CutWatcher {
 public:
  virtual ~CutWatcher() = default;
  virtual void Before(size_t index, const Cut& cut, const CutStand& stand,
                      const Raster& canvas) = 0;
  virtual void After(size_t index, const Cut& cut, const CutStand& stand, const Raster& canvas) = 0;
};

// RenderSection with a watcher told about every cut (cut #1 is index 0).
void RenderSection(const Model& model, const SectionView& view, Raster& canvas,
                   CutWatcher& watcher);
// Paints model's cuts from index first on, on a section that holds the cuts before it as the
// above drew them with the same view, telling watcher of each.
void PaintCutsFrom(const Model& model, const SectionView& view, size_t first, Raster& canvas,
                   CutWatcher& watcher);
// Paints one more cut on a section drawn by the above with the same view, telling watcher
// (index: the cut list's size).
void PaintFurtherCut(const Model& model, const SectionView& view, const Cut& cut, Raster& canvas,
                     CutWatcher& watcher);

// Percentage of the pixels along one side of the stock rectangle that are not exactly white.
float MaterialAlongSide(const Raster& canvas, int side, int top, int left, int width, int height);

// The measuring pass as a function of the set-up: the section of stock after cuts (cut #1
// first), each cut made with the cutter its number names in cutters (1 is the first; a number
// that names none paints nothing), drawn as RenderSection draws it at 500 x 500, zoom 1,
// black, no cutter; with every cut's figures and verdict and the finished section's pieces.
Section MeasureSetup(const StockSetup& stock, const std::vector<Cut>& cuts,
                     const std::vector<Tool>& cutters);
// The same into a section kept from an earlier pass, whose storage is used again.
void MeasureSetup(const StockSetup& stock, const std::vector<Cut>& cuts,
                  const std::vector<Tool>& cutters, Section& into);

// The measuring pass of model's set-up, which it leaves as it is: MeasureSetup of its stock,
// cuts and cutters into section, with the table's physics judged for every cut (with the
// model's table reach, on pictures.Table) before the cuts' verdicts are given.
void MeasureSection(const Model& model, SectionPictures& pictures, Section& section);
// The same with scratch of its own, for a single pass.
Section MeasureSection(const Model& model);

// One more cut measured after the cut list, as if it had been made last: canvas and pieces hold
// the section of model's cut list as the measuring pass left them (500 x 500, zoom 1, no
// cutter, what MeasureSetup draws). The cut is painted on them and its figures returned.
CutFigures MeasureFurtherCut(const Model& model, const Cut& cut, Raster& canvas,
                             SectionPieces& pieces);

// The Profile window picture: RenderSection on the caller's work surface (scratch, at least
// pictureWidth x pictureHeight) with the current cutter outlined, cropped to that size;
// machineMargin as in SectionView.
Raster PreviewSection(const Model& model, Raster& scratch, int pictureWidth, int pictureHeight,
                      int zoom, Colour material, int32_t fence, int32_t height,
                      int machineMargin = 0);

}  // namespace kerf
