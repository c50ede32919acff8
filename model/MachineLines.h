// The table and fence in the Profile picture, and the mounted cutter's outline against them.
#pragma once

#include <cstdlib>

#include "model/Raster.h"
#include "model/Tool.h"

namespace kerf {

// Pixels between the Profile picture's bottom and right edges and the table and fence faces:
// enough for the lower right corner of the machine to show, while the largest stock (10
// inches at zoom 1, 227 pixels) still fits the 250-pixel picture.
inline constexpr int ProfileMachineMargin = 20;
// The table and fence lines: a thin grey that wood colours and the black outline stand out on.
inline constexpr Colour MachineGrey = 0x999999;
// The dashes of the outline's hidden part: this many pixels drawn, then as many left out.
inline constexpr int OutlineDash = 3;

// Visits, unclipped and in order from (x0, y0), the pixels that Raster::Line paints: one per
// step along the major axis, the minor offset of step i being round(i * minor / major) with
// halves away from the start. For lines whose ends lie within 2^29 pixels of each other.
template <class Visit>
void ForEachLinePixel(int x0, int y0, int x1, int y1, Visit&& visit) {
  const long long dx = static_cast<long long>(x1) - x0;
  const long long dy = static_cast<long long>(y1) - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const long long majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const long long minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
  for (long long i = 0; i < major; ++i) {
    const long long m = (xMajor ? x0 : y0) + majorStep * i;
    const long long n = (xMajor ? y0 : x0) + minorStep * ((2 * i * minor + major) / (2 * major));
    if (xMajor) {
      visit(static_cast<int>(m), static_cast<int>(n));
    } else {
      visit(static_cast<int>(n), static_cast<int>(m));
    }
  }
}

// Where the table's face (a pixel row) and the fence's face (a pixel column) lie on a picture.
struct MachineFaces {
  int FenceX = 0;
  int TableY = 0;
};

// Whether an outline pixel lies where the cutter meets no wood: below the table or behind the
// fence. The faces themselves belong to the side the stock is on.
inline bool HiddenByMachine(int x, int y, MachineFaces faces) {
  return y > faces.TableY || x > faces.FenceX;
}

// The table's face across the whole width of a width x height picture and the fence's face
// from the picture's top down to the table, one pixel wide, in MachineGrey.
void DrawTableAndFence(Raster& raster, MachineFaces faces, int width, int height);

// Where the mounted cutter stands and how the picture is scaled.
struct CutterSetting {
  double Fence = 0;    // hundredths of an inch from the fence face to the cutter's axis
  double Height = 0;   // hundredths of an inch from the table to the cutter's first row
  float r = 1, s = 1;  // pixels per unit, horizontally and vertically
};

// The mounted cutter's outline in black, never turned: up the cutting side and back down the
// axis side, each point rounded once as a whole. With dashHidden, the pixels that
// HiddenByMachine finds are drawn in dashes, counted along the outline from its start.
void DrawCutterOutline(Raster& raster, const Tool& tool, const CutterSetting& setting,
                       MachineFaces faces, bool dashHidden);

}  // namespace kerf
