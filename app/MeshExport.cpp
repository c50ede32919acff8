// Exporting the worked moulding as a 3-D file, shared by the mesh verb and File > Export 3-D.
#include "app/MeshExport.h"

#include "model/LengthText.h"
#include "model/MouldingMesh.h"
#include "project/MeshFile.h"
#include "render/SmoothSection.h"

namespace kerf {

namespace {

std::string ProjectName(const std::string& fileName) {
  const size_t slash = fileName.find_last_of('/');
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

bool ParseExportLength(const std::string& text, double& millimetres, std::string& error) {
  double value = 0;
  LengthUnit unit = LengthUnit::Imperial;
  if (!ParseLengthAsTyped(text, value, unit)) {
    error = "cannot read the length '" + text + "'; give inches like 4, 4.5 or 3/4, or millimetres like 19mm";
    return false;
  }
  millimetres = unit == LengthUnit::Metric ? value : value * 25.4;
  if (!(millimetres > 0) || millimetres > MaxExportLengthMm) {
    error = "the length '" + text + "' must be above 0 and at most 100 inches";
    return false;
  }
  return true;
}

bool ExportMoulding(const Model& model, const std::string& path, double lengthMm, std::string& error,
                    bool smooth) {
  TriangleMesh mesh;
  if (smooth) {
    std::vector<SectionPolygon> pieces;
    std::string why;
    if (!SmoothSectionPieces(model, pieces, why)) {
      error = path + ": " + why;
      return false;
    }
    mesh = ExtrudePieces(pieces, lengthMm, SmoothScale);
  } else {
    if (!model.Outline.Closed) {
      error = path + ": the section has no closed outline to export";
      return false;
    }
    mesh = BuildMouldingMesh(model.Outline, lengthMm, MeasuredSectionScale(model));
  }
  MeshLabel label;
  label.Name = ProjectName(model.ProjectFileName);
  label.Tint = model.WoodSwatch;
  return WriteMeshFile(path, mesh, label, error);
}

}  // namespace kerf
