// The smooth section: the worked section drawn finely and vectorised into flattened curves.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/MouldingMesh.h"
#include "model/Result.h"

namespace kerf {

// Pixels per unit of the fine drawing the curves are fitted to, for the template and the mesh
// alike (so both describe the same section), and how far the flattened curves may stray from
// the fitted ones. Two pixels per hundredth of an inch: cutter rows and half-widths are whole
// hundredths, so a finer drawing adds no detail: from three pixels on, each step between rows is
// wide enough for the curve fitting to keep it, and a roundover comes out as a staircase. At one
// pixel the steps are smoothed away but the fitted arc of a half-inch roundover strays about 0.3
// mm; at two it keeps within 0.13 mm.
inline constexpr int SmoothPixelsPerUnit = 2;
inline constexpr double SmoothToleranceMm = 0.02;
// Coordinates of the smooth pieces are whole micrometres.
inline constexpr SectionScale SmoothScale{0.001, 0.001};

// Draws the section of model's stock and cuts at pixelsPerUnit (model is not changed; above
// one, each cutter row is painted as a band so no row is left uncut), fits smooth curves to its
// material and flattens them into pieces in micrometres, y up. Fails with a sentence saying why
// when the section is empty or holds a hole.
Result<std::vector<SectionPolygon>> SmoothSectionPieces(const Model& model,
                                                        int pixelsPerUnit = SmoothPixelsPerUnit);

}  // namespace kerf
