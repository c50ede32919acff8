// SectionOutline: the traced outline of the section, the source of the 3-D moulding.
#pragma once

#include <vector>

namespace kerf {

inline constexpr int MaxOutlinePoints = 10000;

struct SectionOutline {
  // Points 1..Count in walk order (slot 0 unused); in a closed outline the last point
  // equals the first. At most MaxOutlinePoints points are stored.
  std::vector<int> X = std::vector<int>(MaxOutlinePoints + 1, 0);
  std::vector<int> Y = std::vector<int>(MaxOutlinePoints + 1, 0);
  int Count = 0;
  bool Closed = false;  // the last trace came back to its first point
  int CentreX = 0;      // mean column and row of the last closed outline
  int CentreY = 0;
  // Counts the traces that changed the outline, so that a view can tell whether it must draw
  // the moulding again without comparing the points.
  unsigned Generation = 0;
};

}  // namespace kerf
