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

// ReadProfileOutline, then DesignFromOutline; messages name the file.
Result<CutterDesign> ImportCutterProfile(const std::string& path, double bearingDiameter);

}  // namespace kerf
