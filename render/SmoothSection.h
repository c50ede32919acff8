// The smooth section: the worked section drawn finely and vectorised into flattened curves.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/MouldingMesh.h"

namespace kerf {

// Pixels per unit of the fine drawing the curves are fitted to (the section drawing paints one
// line per cutter row, so finer than one pixel per unit would leave rows uncut), and how far
// the flattened curves may stray from the fitted ones.
inline constexpr int SmoothPixelsPerUnit = 1;
inline constexpr double SmoothToleranceMm = 0.02;
// Coordinates of the smooth pieces are whole micrometres.
inline constexpr SectionScale SmoothScale{0.001, 0.001};

// Draws the section of model's stock and cuts at SmoothPixelsPerUnit (model is not changed),
// fits smooth curves to its material and flattens them into pieces in micrometres, y up.
// False with a sentence saying why when the section is empty or holds a hole.
bool SmoothSectionPieces(const Model& model, std::vector<SectionPolygon>& pieces, std::string& error);

}  // namespace kerf
