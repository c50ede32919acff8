// StockFaces: the faces on the table and against the fence in each state, and their names.
#include "model/StockFaces.h"

#include "model/Orientation.h"

namespace kerf {

namespace {

// Indexed by state 1..8 (slot 0 unused). Turning anticlockwise brings the table face to the
// fence; turning end over end keeps the fence face and brings the top face down to the table.
constexpr int TableFace[9] = {0, 1, 2, 3, 4, 3, 2, 1, 4};
constexpr int FenceFace[9] = {0, 4, 1, 2, 3, 4, 3, 2, 1};

// Opposite faces stay opposite whatever the turn: 1 and 3, 2 and 4.
int Opposite(int face) { return (face + 1) % 4 + 1; }

}  // namespace

StockFaces FacesInState(int state) {
  StockFaces faces;
  if (state < 1 || state > 8) return faces;
  faces.Table = TableFace[state];
  faces.Fence = FenceFace[state];
  faces.Top = Opposite(faces.Table);
  faces.Left = Opposite(faces.Fence);
  return faces;
}

int FaceOnSide(int state, int side) {
  const StockFaces faces = FacesInState(state);
  switch (side) {
    case SideTop:
      return faces.Top;
    case SideRight:
      return faces.Fence;
    case SideBottom:
      return faces.Table;
    case SideLeft:
      return faces.Left;
    default:
      return 0;
  }
}

std::string FaceWords(int state) {
  const StockFaces faces = FacesInState(state);
  if (faces.Table == 0) return {};
  return "Face " + std::to_string(faces.Table) + " on the table, face " +
         std::to_string(faces.Fence) + " against the fence";
}

}  // namespace kerf
