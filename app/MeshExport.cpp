// Exporting the worked moulding as a 3-D file, shared by the mesh verb and File > Export 3-D.
#include "app/MeshExport.h"

#include <cctype>
#include <cstdlib>

#include "model/MouldingMesh.h"
#include "project/MeshFile.h"
#include "render/SmoothSection.h"

namespace kerf {

namespace {

// A plain decimal number ("4", "4.5", ".5"), nothing else.
bool ParseDecimal(const std::string& text, double& value) {
  if (text.empty() || text.size() > 20) return false;
  int digits = 0, dots = 0;
  for (char c : text) {
    if (c == '.') ++dots;
    else if (std::isdigit(static_cast<unsigned char>(c))) ++digits;
    else return false;
  }
  if (digits == 0 || dots > 1) return false;
  value = std::strtod(text.c_str(), nullptr);
  return true;
}

// "3/4" with whole numbers on both sides.
bool ParseFraction(const std::string& text, double& value) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return false;
  double top = 0, bottom = 0;
  const std::string a = text.substr(0, slash), b = text.substr(slash + 1);
  if (a.find('.') != std::string::npos || b.find('.') != std::string::npos) return false;
  if (!ParseDecimal(a, top) || !ParseDecimal(b, bottom) || bottom == 0) return false;
  value = top / bottom;
  return true;
}

std::string Trim(const std::string& s) {
  size_t from = 0, to = s.size();
  while (from < to && std::isspace(static_cast<unsigned char>(s[from]))) ++from;
  while (to > from && std::isspace(static_cast<unsigned char>(s[to - 1]))) --to;
  return s.substr(from, to - from);
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string ProjectName(const std::string& fileName) {
  const size_t slash = fileName.find_last_of('/');
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

Result<double> ParseExportLength(const std::string& text) {
  std::string number = Trim(text);
  double scale = 25.4;
  if (EndsWith(number, "mm")) {
    number = Trim(number.substr(0, number.size() - 2));
    scale = 1;
  } else if (EndsWith(number, "in")) {
    number = Trim(number.substr(0, number.size() - 2));
  } else if (EndsWith(number, "\"")) {
    number = Trim(number.substr(0, number.size() - 1));
  }
  double value = 0;
  bool ok = false;
  const size_t space = number.find(' ');
  if (space != std::string::npos) {  // "1 1/2"
    double whole = 0, part = 0;
    const std::string first = number.substr(0, space), second = Trim(number.substr(space + 1));
    ok = scale != 1 && first.find('.') == std::string::npos && ParseDecimal(first, whole) &&
         ParseFraction(second, part);
    value = whole + part;
  } else {
    ok = ParseDecimal(number, value) || ParseFraction(number, value);
  }
  if (!ok) {
    return Result<double>::Fail("cannot read the length '" + text +
                                "'; give inches like 4, 4.5 or 3/4, or millimetres like 19mm");
  }
  const double millimetres = value * scale;
  if (!(millimetres > 0) || millimetres > MaxExportLengthMm)
    return Result<double>::Fail("the length '" + text + "' must be above 0 and at most 100 inches");
  return millimetres;
}

Result<void> ExportMoulding(const Model& model, const SectionOutline& outline,
                            const std::string& path, double lengthMm, bool smooth) {
  TriangleMesh mesh;
  if (smooth) {
    const Result<std::vector<SectionPolygon>> pieces = SmoothSectionPieces(model);
    if (!pieces) return Result<void>::Fail(path + ": " + pieces.Error());
    mesh = ExtrudePieces(pieces.Value(), lengthMm, SmoothScale);
  } else {
    if (!outline.Closed)
      return Result<void>::Fail(path + ": the section has no closed outline to export");
    mesh = BuildMouldingMesh(outline, lengthMm, MeasuredSectionScale(model));
  }
  MeshLabel label;
  label.Name = ProjectName(model.ProjectFileName());
  label.Tint = model.WoodSwatch();
  return WriteMeshFile(path, mesh, label);
}

}  // namespace kerf
