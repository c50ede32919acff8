// Showing a model Raster (colours 0x00BBGGRR) as a Qt image.
#pragma once

#include <QImage>
#include <utility>
#include <vector>

#include "model/Raster.h"

namespace kerf {

QImage ImageFromRaster(const Raster& raster);
// The top-left width x height pixels of raster (clipped to it) into image, which is made that
// size in Format_RGB32 only when it is not already; otherwise its pixels are reused.
void CopyRasterToImage(const Raster& raster, int width, int height, QImage& image);
QColor QColorFromColour(Colour colour);

// Marks points of the 500 x 500 measured section in red on image, a picture of the same frame
// at zoom times the scale of its own width against 500, whose fence face is the column cornerX
// and table face the row cornerY; each point covers the pixels it spans, at least one.
void DrawOverlay(const std::vector<std::pair<int, int>>& points, int zoom, int cornerX, int cornerY,
                 QImage& image);

}  // namespace kerf
