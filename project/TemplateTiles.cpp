// Spreading a template page larger than the paper over overlapping sheets with alignment marks.
#include "project/TemplateTiles.h"

#include <algorithm>
#include <cmath>

namespace kerf {

namespace {

// The page keeps 15 mm blank round its drawing; sheets leave off all but this much of it.
constexpr double BlankKept = 7.5;
constexpr double Near = 1e-6;

// How many windows of a length, overlapping, cover a length of the drawing.
int WindowsAlong(double length, double window) {
  if (length <= window + Near) return 1;
  return 1 + static_cast<int>(std::ceil((length - window) / (window - TileOverlapMm) - Near));
}

TemplateTiling Tile(double drawingWidth, double drawingHeight, double pageWidth,
                    double pageHeight) {
  TemplateTiling t;
  t.PageWidth = pageWidth;
  t.PageHeight = pageHeight;
  t.WindowWidth = pageWidth - 2 * TileMarginMm;
  t.WindowHeight = pageHeight - TileHeadMm - TileMarginMm;
  const double width = drawingWidth - 2 * BlankKept, height = drawingHeight - 2 * BlankKept;
  t.Columns = WindowsAlong(width, t.WindowWidth);
  t.Rows = WindowsAlong(height, t.WindowHeight);
  // A single row or column shows no more than the drawing, so its crosses stand beside it.
  if (t.Columns == 1) t.WindowWidth = std::min(t.WindowWidth, width);
  if (t.Rows == 1) t.WindowHeight = std::min(t.WindowHeight, height);
  const double stepX = t.WindowWidth - TileOverlapMm, stepY = t.WindowHeight - TileOverlapMm;

  // The corners of every overlap, between neighbours across and neighbours up and down.
  std::vector<TemplatePoint> corners;
  auto corner = [&](double x, double y) {
    for (const TemplatePoint& p : corners)
      if (std::abs(p.X - x) < Near && std::abs(p.Y - y) < Near) return;
    corners.push_back({x, y});
  };
  for (int r = 0; r < t.Rows; ++r) {
    for (int c = 0; c < t.Columns; ++c) {
      const double left = BlankKept + c * stepX, top = BlankKept + r * stepY;
      const double right = left + t.WindowWidth, bottom = top + t.WindowHeight;
      if (c + 1 < t.Columns) {
        for (const double x : {left + stepX, right})
          for (const double y : {top, bottom}) corner(x, y);
      }
      if (r + 1 < t.Rows) {
        for (const double x : {left, right})
          for (const double y : {top + stepY, bottom}) corner(x, y);
      }
    }
  }
  for (int r = 0; r < t.Rows; ++r) {
    for (int c = 0; c < t.Columns; ++c) {
      TemplateTile tile{
          r + 1, c + 1, BlankKept + c * stepX, BlankKept + r * stepY, TileMarginMm, TileHeadMm, {}};
      for (const TemplatePoint& p : corners) {
        if (p.X > tile.Left - Near && p.X < tile.Left + t.WindowWidth + Near &&
            p.Y > tile.Top - Near && p.Y < tile.Top + t.WindowHeight + Near)
          tile.Marks.push_back(p);
      }
      t.Tiles.push_back(std::move(tile));
    }
  }
  return t;
}

}  // namespace

TemplateTiling TileTemplate(double drawingWidth, double drawingHeight, double paperWidth,
                            double paperHeight) {
  const bool fitsUpright = drawingWidth <= paperWidth && drawingHeight <= paperHeight;
  const bool fitsTurned = drawingWidth <= paperHeight && drawingHeight <= paperWidth;
  if (fitsUpright || fitsTurned) {
    TemplateTiling t;
    t.PageWidth = t.WindowWidth = drawingWidth;
    t.PageHeight = t.WindowHeight = drawingHeight;
    t.Tiles.push_back({});
    return t;
  }
  TemplateTiling upright = Tile(drawingWidth, drawingHeight, paperWidth, paperHeight);
  TemplateTiling turned = Tile(drawingWidth, drawingHeight, paperHeight, paperWidth);
  return turned.Tiles.size() < upright.Tiles.size() ? turned : upright;
}

std::string TileCaption(const TemplateTiling& tiling, const TemplateTile& tile) {
  const int page = (tile.Row - 1) * tiling.Columns + tile.Column;
  return "Page " + std::to_string(page) + " of " + std::to_string(tiling.Tiles.size()) + ", row " +
         std::to_string(tile.Row) + " column " + std::to_string(tile.Column);
}

}  // namespace kerf
