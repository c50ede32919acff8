// RenderSection: paints the stock and every cut into a raster, measuring the cuts' figures.
#pragma once

#include <vector>

#include "model/Model.h"
#include "model/Raster.h"
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
  int32_t Fence = 0;         // trkHoriz position, for the cutter outline
  int32_t CutterHeight = 0;  // trkVert position, for the cutter outline
  // Paint each cutter row as a band over all the pixel rows of its unit of height, not as one
  // line; only for drawings finer than a pixel per unit (the program's own pictures keep lines).
  bool RowBands = false;
};

// Where the stock rectangle lies on a section of model drawn as view says, in pixels: its
// left and top edges (negative when it reaches beyond the picture); its right edge is view.W
// and its bottom edge view.H.
struct StockCorner {
  int Left = 0;
  int Top = 0;
};
StockCorner StockRectangle(const Model& model, const SectionView& view);

// Paints the section of model's bare stock and whole cut list into canvas, which is at least
// W x H (and whose row and column beyond the picture are drawn on when it has them).
void RenderSection(const Model& model, const SectionView& view, Raster& canvas);

// The same, measuring while it paints: figures gets the figures of every cut (cut #1 first),
// with whether its shank path was blocked and the pieces before and after it, and pieces the
// pieces of the finished section.
void RenderSection(const Model& model, const SectionView& view, Raster& canvas,
                   std::vector<CutFigures>& figures, SectionPieces& pieces);

// Percentage of the pixels along one side of the stock rectangle that are not exactly white.
float MaterialAlongSide(const Raster& canvas, int side, int top, int left, int W, int H);

// The measuring pass that the outline rebuild starts with: RenderSection at 500 x 500, zoom 1,
// black, no cutter, into pictures.Measured; pictures.Pieces and pictures.Figures are rewritten
// and the figures stored in the model's cuts.
void MeasureSection(Model& model, SectionPictures& pictures);

// One more cut measured after the cut list, as if it had been made last: canvas and pieces hold
// the section of model's cut list as the measuring pass left them (500 x 500, zoom 1, no
// cutter, what MeasureSection draws). The cut is painted on them and its figures returned.
CutFigures MeasureFurtherCut(const Model& model, const Cut& cut, Raster& canvas,
                             SectionPieces& pieces);

// The Profile window picture: RenderSection on the caller's work surface (scratch, at least
// W x H) with the current cutter outlined, cropped to W x H.
Raster PreviewSection(const Model& model, Raster& scratch, int W, int H, int zoom, Colour material,
                      int32_t fence, int32_t height);

}  // namespace kerf
