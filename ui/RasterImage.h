// Showing a model Raster (colours 0x00BBGGRR) as a Qt image.
#pragma once

#include <QImage>

#include "model/Raster.h"

namespace kerf {

QImage ImageFromRaster(const Raster& raster);
QColor QColorFromColour(Colour colour);

}  // namespace kerf
