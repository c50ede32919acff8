// Exporting the worked moulding as a 3-D file, shared by the mesh verb and File > Export 3-D.
#include "project/MeshExport.h"

#include "model/LengthText.h"
#include "model/MouldingMesh.h"
#include "project/MeshFile.h"
#include "project/SmoothSection.h"

namespace kerf {

Result<double> ParseExportLength(const std::string& text) {
  const Result<TypedLength> length = ReadLength(text);
  if (!length) {
    return Result<double>::Fail("cannot read the length '" + text +
                                "'; give inches like 4, 4.5 or 3/4, or millimetres like 19mm");
  }
  const double millimetres = length.Value().Millimetres();
  if (!(millimetres > 0) || millimetres > MaxExportLengthMm)
    return Result<double>::Fail("the length '" + text + "' must be above 0 and at most 100 inches");
  return millimetres;
}

Result<void> ExportMoulding(const Model& model, const SectionOutline& outline,
                            const std::string& path, double lengthMm, MeshSection section) {
  // The true-size outline is made for the traced mesh too: where it cannot be made, the traced
  // outline would show another shape (the uncut block around a hole).
  const Result<std::vector<SectionPolygon>> pieces = SmoothSectionPieces(model);
  if (!pieces) return Result<void>::FailLike(pieces);
  TriangleMesh mesh;
  if (section == MeshSection::TrueSize) {
    mesh = ExtrudePieces(pieces.Value(), lengthMm, SmoothScale);
  } else {
    if (!outline.Closed)
      return Result<void>::Fail(path + ": the section has no closed outline to export");
    mesh = BuildMouldingMesh(outline, lengthMm, MeasuredSectionScale(model));
  }
  MeshLabel label;
  label.Name = model.ProjectTitle();
  label.Tint = model.WoodSwatch();
  return WriteMeshFile(path, mesh, label);
}

}  // namespace kerf
