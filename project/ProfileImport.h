// Reading a cutter's half-profile drawn in a CAD program: an SVG drawing or a DXF file.
#pragma once

#include <string>
#include <vector>

#include "model/CutterOutline.h"

namespace kerf {

// Reads the lines of an SVG (paths, polylines, polygons, lines, rectangles, circles, in the
// drawing's real units: width and height in in/mm/cm/pt/pc with a viewBox; user units are
// CSS pixels of 1/96") or a DXF file (LWPOLYLINE with bulges, POLYLINE, LINE and ARC entities;
// units from $INSUNITS, inches when the file does not say). The format follows the extension.
// Y grows upwards in the result. False with a message naming the file otherwise.
bool ReadProfileOutline(const std::string& path, std::vector<OutlinePolygon>& outline,
                        std::string& error);

// The same for DXF text already in memory (name is used in messages).
bool ReadDxfOutline(const std::string& text, const std::string& name,
                    std::vector<OutlinePolygon>& outline, std::string& error);

// ReadProfileOutline, then DesignFromOutline; messages name the file.
bool ImportCutterProfile(const std::string& path, double bearingDiameter, CutterDesign& design,
                         std::string& error);

}  // namespace kerf
