// MatchDeviationPicture: a plan's section over its target, where wood is left and where too much
// is cut, drawn as the Profile picture draws a section.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "model/Raster.h"
#include "model/Section.h"
#include "model/match/ProfileMatch.h"

namespace kerf {

// What a pixel of the measured section is, the plan's section laid over the target. The near
// kinds are wrong by no more than the tolerance.
enum class Deviation : uint8_t { Air, Wood, NearStanding, NearDeep, Standing, Deep };

// Each pixel of planSection (the 500 x 500 measured section, white where there is no wood)
// against target.Keep, row-major. A wrong pixel is near when a pixel the target treats the other
// way (the stock's outside counting as cut away) lies within toleranceInches of it, beyond the
// half pixel by which the target's edge is uncertain: the matcher's rule for the section's
// pixels.
std::vector<Deviation> CompareWithTarget(const Raster& planSection, const MatchTarget& target,
                                         double toleranceInches);

// The comparison drawn as the Profile picture draws the stock: side x side pixels, the table and
// fence ProfileMachineMargin in from the bottom and right, at the largest zoom that shows the
// whole stock. Each pixel takes the most telling kind of the section pixels it covers.
QImage DrawDeviation(const std::vector<Deviation>& kinds, const StockSetup& stock, int side);

// The colour each kind is drawn in, for the picture and its legend.
QRgb DeviationColour(Deviation kind);

}  // namespace kerf
