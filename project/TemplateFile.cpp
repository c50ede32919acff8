// Full-size templates: choosing the format, the orientation words and saving.
#include "project/TemplateFile.h"

#include "model/FileNames.h"
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

Result<void> SaveTemplate(const TemplateDrawing& drawing, const std::string& path,
                          const SheetPaper& paper) {
  std::string bytes;
  switch (TemplateFormatOf(path)) {
    case TemplateFormat::Svg:
      bytes = TemplateSvg(drawing);
      break;
    case TemplateFormat::Dxf:
      bytes = TemplateDxf(drawing);
      break;
    case TemplateFormat::Pdf:
      bytes = TemplatePdf(drawing, paper);
      break;
    default:
      return Result<void>::Fail("unknown template file type; use .svg, .pdf or .dxf");
  }
  if (bytes.empty()) return Result<void>::Fail("the drawing could not be made");
  return ReplaceFile(path, bytes);
}

}  // namespace kerf
