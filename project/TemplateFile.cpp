// Full-size templates: choosing the format, the orientation words, the DXF file and saving.
#include "project/TemplateFile.h"

#include <algorithm>
#include <charconv>

#include "model/FileNames.h"
#include "model/NumberText.h"
#include "model/StockFaces.h"
#include "project/SafeFiles.h"

namespace kerf {

TemplateFormat TemplateFormatOf(const std::string& fileName) {
  const std::string ext = LowerExtension(fileName);
  if (ext == "svg") return TemplateFormat::Svg;
  if (ext == "pdf") return TemplateFormat::Pdf;
  if (ext == "dxf") return TemplateFormat::Dxf;
  return TemplateFormat::Unknown;
}

std::string TemplateOrientationText(int state) { return FaceWords(state); }

namespace {

// A number in millimetres with three decimals and a point, whatever the locale.
void Number(std::string& out, double v) { out += FixedText(v, 3); }

// One DXF group: its code on one line and its value on the next.
void Group(std::string& out, int code, const std::string& value) {
  out += std::to_string(code);
  out += '\n';
  out += value;
  out += '\n';
}

void Group(std::string& out, int code, double value) {
  out += std::to_string(code);
  out += '\n';
  Number(out, value);
  out += '\n';
}

}  // namespace

std::string TemplateDxf(const TemplateDrawing& drawing) {
  std::string out;
  Group(out, 0, "SECTION");
  Group(out, 2, "HEADER");
  Group(out, 9, "$ACADVER");
  Group(out, 1, "AC1015");
  Group(out, 9, "$INSUNITS");
  Group(out, 70, "4");  // millimetres
  Group(out, 9, "$MEASUREMENT");
  Group(out, 70, "1");  // metric
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "TABLES");
  Group(out, 0, "TABLE");
  Group(out, 2, "LAYER");
  Group(out, 70, "1");
  Group(out, 0, "LAYER");
  Group(out, 2, "PROFILE");
  Group(out, 70, "0");
  Group(out, 62, "7");
  Group(out, 6, "CONTINUOUS");
  Group(out, 0, "ENDTAB");
  Group(out, 0, "ENDSEC");

  Group(out, 0, "SECTION");
  Group(out, 2, "ENTITIES");
  for (const auto& ring : drawing.Rings) {
    if (ring.size() < 3) continue;
    Group(out, 0, "LWPOLYLINE");
    Group(out, 100, "AcDbEntity");
    Group(out, 8, "PROFILE");
    Group(out, 100, "AcDbPolyline");
    Group(out, 90, std::to_string(ring.size()));
    Group(out, 70, "1");  // closed
    for (const TemplatePoint& p : ring) {
      Group(out, 10, p.X);
      Group(out, 20, p.Y);
    }
  }
  Group(out, 0, "ENDSEC");
  Group(out, 0, "EOF");
  return out;
}

Result<void> SaveTemplate(const TemplateDrawing& drawing, const std::string& path) {
  std::string bytes;
  switch (TemplateFormatOf(path)) {
    case TemplateFormat::Svg:
      bytes = TemplateSvg(drawing);
      break;
    case TemplateFormat::Dxf:
      bytes = TemplateDxf(drawing);
      break;
    case TemplateFormat::Pdf:
      bytes = TemplatePdf(drawing);
      break;
    default:
      return Result<void>::Fail("unknown template file type; use .svg, .pdf or .dxf");
  }
  if (bytes.empty()) return Result<void>::Fail("the drawing could not be made");
  return ReplaceFile(path, bytes);
}

}  // namespace kerf
