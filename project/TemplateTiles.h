// Spreading a template page larger than the paper over sheets that overlap, with marks to line
// them up.
#pragma once

#include <string>
#include <vector>

#include "project/TemplateFile.h"

namespace kerf {

inline constexpr double TileOverlapMm = 12.7;  // what two neighbouring sheets both show
inline constexpr double TileMarginMm = 10;     // round each sheet's window, for the printer
inline constexpr double TileHeadMm = 16;       // above the window: the sheet's number
inline constexpr double TileMarkArmMm = 4;     // each arm of an alignment cross

// One sheet: which part of the drawing it shows. Lengths in mm, the drawing's from its top-left.
struct TemplateTile {
  int Row = 1, Column = 1;           // counted from 1, from the top-left
  double Left = 0, Top = 0;          // the window's corner on the drawing
  double PageLeft = 0, PageTop = 0;  // where that corner lies on the sheet
  std::vector<TemplatePoint> Marks;  // alignment crosses in the window, on the drawing
};

struct TemplateTiling {
  double PageWidth = 0, PageHeight = 0;      // each sheet
  double WindowWidth = 0, WindowHeight = 0;  // the part of the drawing a sheet shows
  int Rows = 1, Columns = 1;
  std::vector<TemplateTile> Tiles;  // row by row
};

// The sheets for a drawing of the given size on paper (mm, upright): the drawing's own page
// when it fits the paper either way round; otherwise sheets of the paper, upright or turned,
// whichever takes fewer, each showing a window of the drawing (its blank margin left off) that
// overlaps its neighbours by TileOverlapMm. A cross marks each corner of every overlap.
TemplateTiling TileTemplate(double drawingWidth, double drawingHeight, double paperWidth,
                            double paperHeight);

// "Page 2 of 4, row 1 column 2".
std::string TileCaption(const TemplateTiling& tiling, const TemplateTile& tile);

}  // namespace kerf
