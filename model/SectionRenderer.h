// RenderSection: paints the stock and every cut into SectionBitmap, measuring bearing figures.
#pragma once

#include "model/Model.h"
#include "model/Raster.h"

namespace kerf {

// Where and how a section is drawn.
struct SectionView {
  int W = SectionSize;  // target image width and height in pixels
  int H = SectionSize;
  int Zoom = 1;                 // 1, 2 or 4
  bool DrawCutter = false;      // Profile window preview: outline the mounted cutter
  Colour Material = Black;      // colour of uncut material
  int32_t Fence = 0;            // trkHoriz position, for the cutter outline
  int32_t CutterHeight = 0;     // trkVert position, for the cutter outline
  // Paint each cutter row as a band over all the pixel rows of its unit of height, not as one
  // line; only for drawings finer than a pixel per unit (the program's own pictures keep lines).
  bool RowBands = false;
};

// Paints model.SectionBitmap from the bare stock and the whole cut list. Without DrawCutter
// (the measuring pass) the four bearing figures of every cut are rewritten, with whether its
// shank path was blocked and the pieces before and after it; model.Pieces then holds the
// pieces of the finished section.
void RenderSection(Model& model, const SectionView& view);

// Percentage of the pixels along one side of the stock rectangle that are not exactly white.
float MaterialAlongSide(const Raster& canvas, int side, int top, int left, int W, int H);

// The measuring pass that the outline rebuild starts with: RenderSection at 500 x 500, zoom 1,
// black, no cutter; the result is copied into model.Image2.
void MeasureSection(Model& model);

// The Profile window picture: RenderSection with the cutter outlined, cropped to W x H.
Raster PreviewSection(Model& model, int W, int H, int zoom, Colour material, int32_t fence,
                      int32_t height);

}  // namespace kerf
