// StockFaces: the stock's four long faces by number, where each lies in every orientation state.
#pragma once

#include <string>

namespace kerf {

// The faces are numbered as the stock lies in state 1: face 1 on the table, 2 at the left, 3 on
// top and 4 against the fence. The set-up sheet, the templates and the help use these numbers.
struct StockFaces {
  int Table = 0;  // on the table: the bottom side of the section drawing
  int Fence = 0;  // against the fence: the right side
  int Top = 0;
  int Left = 0;
};

// Which face lies where in state 1..8; all 0 for any other state.
StockFaces FacesInState(int state);

// The face on side (SideTop .. SideLeft of the section drawing) in state; 0 when either is
// unknown.
int FaceOnSide(int state, int side);

// "Face 1 on the table, face 2 against the fence" for state 1..8; empty for any other state.
std::string FaceWords(int state);

}  // namespace kerf
