// The catalogue view of a photograph: a three-quarter turn and the zoom that fills the picture.
#pragma once

#include "model/SectionOutline.h"
#include "render/SceneParams.h"

namespace kerf {

// The turns of the three-quarter view: the stock tipped towards the eye and turned so that one
// end, which shows the whole section, and the top and the worked edge show.
inline constexpr float FitTurnX = 25.0f;
inline constexpr float FitTurnY = 325.0f;
// How much of the picture the moulding fills: its larger extent relative to the picture's.
inline constexpr double FitFill = 0.8;

// The view with the three-quarter turns and the eye distance and shift that put the whole
// moulding of the closed outline in the middle of a width x height picture, its extent along
// the picture's width or height (whichever it fills more) being `fill` of it. The lights,
// colours and texture switches of `view` are kept. An open or empty outline returns `view`
// with the turns alone.
SceneParams FitView(const SceneParams& view, const SectionOutline& outline, int width, int height,
                    double fill = FitFill);

// How much of a width x height picture the moulding fills when drawn with view, as FitView
// measures it: the larger of its extents across and up relative to the picture's; 0 for an
// open outline.
double ProjectedFill(const SceneParams& view, const SectionOutline& outline, int width, int height);

}  // namespace kerf
