// Reading the section a match should make: a drawing, a section picture or another project.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/Raster.h"
#include "model/Result.h"
#include "model/Tool.h"
#include "model/match/ProfileMatch.h"
#include "project/ProfileImport.h"

namespace kerf {

// The stock the user named, in hundredths of an inch; 0 x 0 when none was named.
struct MatchStock {
  int32_t Width = 0;
  int32_t Height = 0;
  bool Given() const { return Width > 0 && Height > 0; }
};

// Reads the target by its extension:
// - ".svg" or ".dxf": an outline at true size. A template written by Export Template reads
//   back: its SVG marks the uncut stock (the element "stock") and the section (the element
//   "profile") and names the faces on the table and against the fence, so it needs no stock
//   size; its DXF holds the section alone, measured from the stock's bottom-left corner. Any
//   other drawing needs the stock: its outline's lowest and rightmost points are taken to lie
//   on the table and against the fence. Closed shapes are filled, a shape inside another
//   making a hole (the template's own rings fill as drawn, each ring adding material).
// - ".png", ".bmp", ".ppm", ".jpg": a 500 x 500 section picture, dark = kept material, as
//   `kerfwright section` writes it; it needs the stock.
// - ".rou": another project, its finished section as measured over cutters (the cutters its
//   cuts name must be among them); the stock, when named, must be the project's.
// A picture or drawing is seen in state 3 when it fits the stock lying that way (the stock's
// height along the table) and in state 4 otherwise. Every failure names the file.
Result<MatchTarget> ReadMatchTarget(const std::string& path, const MatchStock& stock,
                                    const std::vector<Tool>& cutters);

// The target of a 500 x 500 section picture (any pixel darker than mid-grey is kept) for the
// stock; fails when the picture keeps material outside the stock either way round.
Result<MatchTarget> MatchTargetFromPicture(const Raster& picture, const MatchStock& stock,
                                           const std::string& name);

// The outline of a drawing, in inches (y up) measured from the stock's bottom-left corner as
// it lies on the table, filled into the section of the stock in state faceOnTable.
MatchTarget MatchTargetFromOutline(const std::vector<OutlinePolygon>& outline, bool windingFill,
                                   const MatchStock& stock, int32_t faceOnTable,
                                   const std::string& name);

// The pixels of the target's edge, as (x, y) in the section: kept pixels with a removed pixel
// (or the picture's border) beside them; for drawing the target over the Profile picture.
std::vector<std::pair<int, int>> MatchTargetBoundary(const MatchTarget& target);

}  // namespace kerf
