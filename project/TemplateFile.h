// Full-size templates of the worked section: SVG, PDF and DXF files at true size in millimetres.
#pragma once

#include <string>
#include <vector>

#include "model/Result.h"

namespace kerf {

struct SheetPaper;

enum class TemplateFormat { Unknown, Svg, Pdf, Dxf };

// The template's format from the file name's extension (any case); Unknown for any other.
TemplateFormat TemplateFormatOf(const std::string& fileName);

struct TemplatePoint {
  double X, Y;  // millimetres from the stock's bottom-left corner, y up (away from the table)
};

// What a template shows: the profile's closed rings, the stock before any cut, and the words
// printed beside them.
struct TemplateDrawing {
  std::vector<std::vector<TemplatePoint>> Rings;
  double StockAcrossMm = 0;   // the stock along the table
  double StockUprightMm = 0;  // the stock up from the table
  std::string ProjectName;
  std::string Orientation;  // which faces lay on the table and against the fence
};

// "Face N on the table, face M against the fence" for an orientation state 1..8; empty otherwise.
std::string TemplateOrientationText(int state);

// The file's bytes, in millimetres. The SVG is one page at full size. The PDF is printed at
// 100 %: that page when it fits the paper, else sheets of the paper that overlap, with crosses
// to line them up (see TemplateTiles.h); it asks viewers to print at actual size. The DXF
// holds the rings alone as closed polylines on the layer "PROFILE".
std::string TemplateSvg(const TemplateDrawing& drawing);
std::string TemplateDxf(const TemplateDrawing& drawing);
std::string TemplatePdf(const TemplateDrawing& drawing, const SheetPaper& paper);

// Writes the drawing in the format of path's extension, replacing the file safely; a PDF on the
// paper. A failure gives the reason without the path.
Result<void> SaveTemplate(const TemplateDrawing& drawing, const std::string& path,
                          const SheetPaper& paper);

}  // namespace kerf
