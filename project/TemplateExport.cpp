// Full-size templates of the worked section: the smooth outline fitted to a fine drawing.
#include "project/TemplateExport.h"

#include <vector>

#include "model/MouldingMesh.h"
#include "project/SetupSheetPrint.h"
#include "project/SmoothSection.h"

namespace kerf {

Result<TemplateDrawing> BuildTemplate(const Model& model) {
  const Result<std::vector<SectionPolygon>> pieces =
      SmoothSectionPieces(model, SmoothPixelsPerUnit);
  if (!pieces) return Result<TemplateDrawing>::FailLike(pieces);
  const bool oddState =
      model.FaceOnTable() >= 1 && model.FaceOnTable() <= 8 && model.FaceOnTable() % 2;
  const int across = oddState ? model.StockHeight() : model.StockWidth();
  const int upright = oddState ? model.StockWidth() : model.StockHeight();
  // The smooth pieces lie against the right edge of a drawing 1100 units wide, in micrometres.
  const double leftMm = (1100 - across) * MillimetresPerUnit;
  TemplateDrawing drawing;
  drawing.StockAcrossMm = across * MillimetresPerUnit;
  drawing.StockUprightMm = upright * MillimetresPerUnit;
  for (const SectionPolygon& piece : pieces.Value()) {
    std::vector<TemplatePoint> ring;
    ring.reserve(piece.X.size());
    for (size_t i = 0; i < piece.X.size(); ++i) {
      ring.push_back({static_cast<double>(piece.X[i]) / 1000 - leftMm,
                      static_cast<double>(piece.Y[i]) / 1000});
    }
    drawing.Rings.push_back(std::move(ring));
  }
  drawing.ProjectName = model.ProjectTitle();
  drawing.Orientation = TemplateOrientationText(model.FaceOnTable());
  return drawing;
}

Result<void> ExportTemplate(const Model& model, const std::string& path, const SheetPaper& paper) {
  if (TemplateFormatOf(path) == TemplateFormat::Unknown)
    return Result<void>::Fail("unknown template file type; use .svg, .pdf or .dxf");
  const Result<TemplateDrawing> drawing = BuildTemplate(model);
  if (!drawing) return Result<void>::FailLike(drawing);
  const Result<void> saved = SaveTemplate(drawing.Value(), path, paper);
  if (!saved) return Result<void>::Fail("cannot write " + path + ": " + saved.Error());
  return {};
}

Result<void> ExportTemplate(const Model& model, const std::string& path) {
  return ExportTemplate(model, path, PaperForLocale());
}

}  // namespace kerf
