// Raster: an off-screen picture of 32-bit colours with exact line and flood-fill rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kerf {

// Colours are laid out 0x00BBGGRR, as stored in project files.
using Colour = uint32_t;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Black = 0x000000;

inline constexpr int ColourRed(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int ColourGreen(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int ColourBlue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
inline constexpr Colour MakeColour(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

class Raster {
 public:
  Raster(int width = 500, int height = 500);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Pixels outside the raster read as White and ignore writes.
  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  void Fill(Colour c);
  // Fills only the top-left width x height pixels (clipped to the raster).
  void Fill(Colour c, int width, int height);

  // Paints (x0, y0) and every pixel of the line up to, but not including, (x1, y1);
  // clipped to the raster.
  void Line(int x0, int y0, int x1, int y1, Colour c);

  // Border-mode flood fill: from (x, y), four-connected, fills every pixel that is not
  // the border colour with fill. Nothing happens when (x, y) is outside or already border.
  void FloodFillBorder(int x, int y, Colour border, Colour fill);

  const Colour* Row(int y) const { return &pixels_[static_cast<std::size_t>(y) * width_]; }
  Colour* Row(int y) { return &pixels_[static_cast<std::size_t>(y) * width_]; }

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
  std::vector<int> fillStack_;  // kept between fills so that a fill allocates nothing
};

}  // namespace kerf
