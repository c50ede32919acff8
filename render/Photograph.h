// Photographs: the rendered view read back from OpenGL into a picture.
#pragma once

#include <string>

#include "model/Progress.h"
#include "model/Raster.h"
#include "model/Result.h"

namespace kerf {

// The widest view a photograph is taken of.
inline constexpr int MaxPhotographWidth = 5000;

// A pixel read back from OpenGL (red, green, blue each 0..1; alpha ignored) as a picture
// colour: each channel times 255, rounded to the nearest, as red + 256 green + 65536 blue.
Colour PhotographColour(const float rgba[4]);

// Reads the current read buffer of the current rendering context, width x height pixels from
// its bottom-left corner, as a picture: the view's top row becomes the picture's first row.
// Progress: "Photograph..." with one step per row. Fails with a message when the view is wider than
// MaxPhotographWidth or has no pixels.
Result<Raster> TakePhotograph(int width, int height, ProgressSink& progress);

}  // namespace kerf
