// Showing a model Raster as a Qt image: byte order swapped from 0x00BBGGRR to 0xAARRGGBB.
#include "ui/RasterImage.h"

#include <QColor>
#include <algorithm>

namespace kerf {

QImage ImageFromRaster(const Raster& raster) {
  QImage image;
  CopyRasterToImage(raster, raster.Width(), raster.Height(), image);
  return image;
}

void CopyRasterToImage(const Raster& raster, int width, int height, QImage& image) {
  width = std::clamp(width, 0, raster.Width());
  height = std::clamp(height, 0, raster.Height());
  if (image.size() != QSize(width, height) || image.format() != QImage::Format_RGB32)
    image = QImage(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const Colour* source = raster.Row(y);
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const Colour c = source[x];
      target[x] = qRgb(ColourRed(c), ColourGreen(c), ColourBlue(c));
    }
  }
}

QColor QColorFromColour(Colour colour) {
  return QColor(ColourRed(colour), ColourGreen(colour), ColourBlue(colour));
}

}  // namespace kerf
