// Showing a model Raster as a Qt image: byte order swapped from 0x00BBGGRR to 0xAARRGGBB.
#include "ui/RasterImage.h"

#include <QColor>

namespace kerf {

QImage ImageFromRaster(const Raster& raster) {
  QImage image(raster.Width(), raster.Height(), QImage::Format_RGB32);
  for (int y = 0; y < raster.Height(); ++y) {
    const Colour* source = raster.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < raster.Width(); ++x) {
      const Colour c = source[x];
      target[x] = qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c));
    }
  }
  return image;
}

QColor QColorFromColour(Colour colour) {
  return QColor(ColourRed(colour), ColourGreen(colour), ColourBlue(colour));
}

}  // namespace kerf
