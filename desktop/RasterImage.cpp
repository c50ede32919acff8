// Showing a model Raster as a Qt image: byte order swapped from 0x00BBGGRR to 0xAARRGGBB.
#include "desktop/RasterImage.h"

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

void DrawOverlay(const std::vector<std::pair<int, int>>& points, int zoom, int cornerX, int cornerY,
                 QImage& image) {
  if (points.empty() || image.isNull()) return;
  if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
  constexpr int Frame = 500;  // the measured section's side
  const int W = image.width(), H = image.height();
  const QRgb red = qRgb(230, 0, 0);
  // A section pixel x spans picture columns cornerX - (Frame - x) * s .. cornerX - (Frame - x -
  // 1) * s, s = W * zoom / 500: the section's bottom-right corner, where fence and table meet,
  // lies at (cornerX, cornerY) on the picture.
  const double sx = static_cast<double>(W) * zoom / Frame,
               sy = static_cast<double>(H) * zoom / Frame;
  for (const auto& [x, y] : points) {
    const int left = static_cast<int>(cornerX - (Frame - x) * sx);
    const int top = static_cast<int>(cornerY - (Frame - y) * sy);
    const int right = std::max(left + 1, static_cast<int>(cornerX - (Frame - x - 1) * sx));
    const int bottom = std::max(top + 1, static_cast<int>(cornerY - (Frame - y - 1) * sy));
    for (int py = std::max(top, 0); py < std::min(bottom, H); ++py) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
      for (int px = std::max(left, 0); px < std::min(right, W); ++px) row[px] = red;
    }
  }
}

}  // namespace kerf
