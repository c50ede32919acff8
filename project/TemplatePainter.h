// The template page drawn once for every file: the page's layout and the painter it draws through.
#pragma once

#include <string>
#include <vector>

#include "project/TemplateFile.h"

namespace kerf {

// What the page is drawn with. Every length is in millimetres, measured from the page's
// top-left corner with y down; an SVG writer and a PDF painter implement it.
class TemplatePainter {
 public:
  virtual ~TemplatePainter() = default;
  // Words set in a sans-serif font sizeMm high, their baseline starting at (x, y).
  virtual void Text(double x, double y, double sizeMm, const std::string& text) = 0;
  // A black outline LineMm wide; dashed 1.5 mm on, 1 mm off.
  virtual void Rectangle(const char* id, double x, double y, double width, double height,
                         bool dashed) = 0;
  // The rings filled in colour (#rrggbb) with the nonzero rule, no outline.
  virtual void Fill(const char* id, const char* colour,
                    const std::vector<std::vector<TemplatePoint>>& rings) = 0;
  // Black lines of one width with flat ends, between BeginLines and EndLines.
  virtual void BeginLines(const char* id, double width) = 0;
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  virtual void EndLines() = 0;
};

inline constexpr double TemplateLineMm = 0.2;  // the width of outlines

// The page the whole drawing takes at full size.
struct TemplatePageSize {
  double Width = 0, Height = 0;
};
TemplatePageSize TemplatePageSizeOf(const TemplateDrawing& drawing);

// Paints the page: the project's name and orientation, the uncut stock dashed, the profile
// filled, the note on printing with its 1-inch and 25-mm squares, and a ruler.
void PaintTemplatePage(TemplatePainter& painter, const TemplateDrawing& drawing);

}  // namespace kerf
