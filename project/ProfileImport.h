// Reading a cutter's half-profile drawn in a CAD program: an SVG drawing or a DXF file.
#pragma once

#include <string>
#include <vector>

#include "model/CutterOutline.h"
#include "model/Result.h"

namespace kerf {

// Reads the lines of an SVG (paths, polylines, polygons, lines, rectangles, circles, in the
// drawing's real units: width and height in in/mm/cm/pt/pc with a viewBox; user units are
// CSS pixels of 1/96") or a DXF file (LWPOLYLINE with bulges, POLYLINE, LINE and ARC entities;
// units from $INSUNITS, inches when the file does not say). The format follows the extension.
// Y grows upwards in the result. A failure names the file (and the line of a DXF file).
Result<std::vector<OutlinePolygon>> ReadProfileOutline(const std::string& path);

// The same for DXF text already in memory (name is used in messages).
Result<std::vector<OutlinePolygon>> ReadDxfOutline(const std::string& text,
                                                   const std::string& name);

// The shapes of one element of an SVG drawing (by its id, with what it holds), in inches, y up,
// placed as in ReadProfileOutline of the whole drawing. Fails, naming name, when the drawing
// cannot be read or holds no element with that id.
Result<std::vector<OutlinePolygon>> ReadSvgElementOutline(const std::string& bytes,
                                                          const std::string& name,
                                                          const std::string& elementId);

// Inches per user unit of an SVG drawing, and the top-left corner of its viewBox in user units
// (0, 0 without one): a point (x, y) of the drawing lies at ((x - left) * k, -(y - top) * k)
// inches in the outlines read from it.
double SvgInchesPerUnit(const std::string& bytes, double& left, double& top);

// ReadProfileOutline, then DesignFromOutline; messages name the file.
Result<CutterDesign> ImportCutterProfile(const std::string& path, double bearingDiameter);

}  // namespace kerf
