// Orientation states 1..8 of the stock, the three turning operations and the orientation cases.
#pragma once

namespace kerf {

// Sides of the stock rectangle on the section raster.
enum Side { SideTop = 1, SideRight = 2, SideBottom = 3, SideLeft = 4 };

// The three operations of the Profile window; a state outside 1..8 is returned unchanged.
int RotateAnticlockwise(int state);
int RotateClockwise(int state);
int FlipEndOverEnd(int state);

// How a cut made in state cutFace lies when the stock is in state faceOnTable: returns the
// case 1..8 and sets fenceSide and tableSide. Returns 0 and leaves both unchanged when
// either state lies outside 1..8.
int CutOrientation(int cutFace, int faceOnTable, int& fenceSide, int& tableSide);

}  // namespace kerf
