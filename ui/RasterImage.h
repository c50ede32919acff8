// Showing a model Raster (colours 0x00BBGGRR) as a Qt image.
#pragma once

#include <QImage>

#include "model/Raster.h"

namespace kerf {

QImage ImageFromRaster(const Raster& raster);
// The top-left width x height pixels of raster (clipped to it) into image, which is made that
// size in Format_RGB32 only when it is not already; otherwise its pixels are reused.
void CopyRasterToImage(const Raster& raster, int width, int height, QImage& image);
QColor QColorFromColour(Colour colour);

}  // namespace kerf
